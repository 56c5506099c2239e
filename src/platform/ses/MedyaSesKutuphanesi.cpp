#include "platform/ses/MedyaSesKutuphanesi.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace {
// A sound that has not begun after this long is given up, so that a stuck decoder cannot
// keep the watcher (and the audio device) busy for ever.
constexpr qint64 BaslamaSiniriMs = 10000;
} // namespace

MedyaSesKutuphanesi::MedyaSesKutuphanesi(QObject* parent) : QObject(parent) {}

MedyaSesKutuphanesi::~MedyaSesKutuphanesi()
{
    Kapat();
}

void MedyaSesKutuphanesi::Ac()
{
    Acik = true;
}

void MedyaSesKutuphanesi::Kapat()
{
    while (!Calarlar.empty())
        Birak(Calarlar.begin()->first);
    Acik = false;
}

int MedyaSesKutuphanesi::Yukle(const QString& yol)
{
    if (!Acik || !QFileInfo(yol).isFile())
        return 0;
    const int h = ++SonTutamac;
    auto* oynatici = new QMediaPlayer(this);
    auto* cikis = new QAudioOutput(oynatici);
    oynatici->setAudioOutput(cikis);
    oynatici->setSource(QUrl::fromLocalFile(QFileInfo(yol).absoluteFilePath()));
    Calarlar[h].Oynatici = oynatici;

    // The end of a sound or a failure frees its player (on the next event loop pass, since
    // it is still emitting).
    auto bitti = [this, h] {
        auto it = Calarlar.find(h);
        if (it != Calarlar.end() && it->second.Sure.isValid())
            Birak(h);
    };
    connect(oynatici, &QMediaPlayer::mediaStatusChanged, this,
            [bitti](QMediaPlayer::MediaStatus s) {
                if (s == QMediaPlayer::EndOfMedia || s == QMediaPlayer::InvalidMedia)
                    bitti();
            });
    connect(oynatici, &QMediaPlayer::errorOccurred, this, [this, h] { Birak(h); });
    connect(oynatici, &QMediaPlayer::playbackStateChanged, this,
            [bitti](QMediaPlayer::PlaybackState s) {
                if (s == QMediaPlayer::StoppedState)
                    bitti();
            });
    return h;
}

int MedyaSesKutuphanesi::Oynat(int ornek)
{
    auto it = Calarlar.find(ornek);
    if (!Acik || it == Calarlar.end() || !it->second.Oynatici)
        return 0;
    it->second.Sure.start();
    it->second.Oynatici->play();
    return ornek; // one channel per sample: the handles coincide
}

void MedyaSesKutuphanesi::Durdur(int kanal)
{
    Birak(kanal);
}

qint64 MedyaSesKutuphanesi::Konum(int kanal) const
{
    auto it = Calarlar.find(kanal);
    if (it == Calarlar.end() || !it->second.Oynatici || !it->second.Sure.isValid())
        return 0;
    const QMediaPlayer* p = it->second.Oynatici;
    if (p->error() != QMediaPlayer::NoError || p->playbackState() != QMediaPlayer::PlayingState)
        return 0;
    const qint64 konum = p->position();
    if (konum > 0)
        return konum;
    // Still loading: alive unless it has taken too long to begin.
    return it->second.Sure.elapsed() < BaslamaSiniriMs ? 1 : 0;
}

void MedyaSesKutuphanesi::Birak(int tutamac)
{
    auto it = Calarlar.find(tutamac);
    if (it == Calarlar.end())
        return;
    if (QMediaPlayer* p = it->second.Oynatici) {
        p->disconnect(this);
        p->stop();
        p->deleteLater();
    }
    Calarlar.erase(it);
}
