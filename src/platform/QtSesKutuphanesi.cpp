#include "platform/QtSesKutuphanesi.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace {
// A sound that has not begun after this long is given up, so that a stuck decoder cannot
// keep the watcher (and the audio device) busy for ever.
constexpr qint64 BaslamaSiniriMs = 10000;
} // namespace

QtSesKutuphanesi::QtSesKutuphanesi(QObject* parent) : QObject(parent) {}

QtSesKutuphanesi::~QtSesKutuphanesi()
{
    Kapat();
}

void QtSesKutuphanesi::Ac()
{
    Acik = true;
}

void QtSesKutuphanesi::Kapat()
{
    while (!Calarlar.empty())
        Birak(Calarlar.begin()->first);
    Acik = false;
}

int QtSesKutuphanesi::Yukle(const QString& yol)
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

int QtSesKutuphanesi::Oynat(int ornek)
{
    auto it = Calarlar.find(ornek);
    if (!Acik || it == Calarlar.end() || !it->second.Oynatici)
        return 0;
    it->second.Sure.start();
    it->second.Oynatici->play();
    return ornek; // one channel per sample: the handles coincide
}

void QtSesKutuphanesi::Durdur(int kanal)
{
    Birak(kanal);
}

qint64 QtSesKutuphanesi::Konum(int kanal) const
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

void QtSesKutuphanesi::Birak(int tutamac)
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
