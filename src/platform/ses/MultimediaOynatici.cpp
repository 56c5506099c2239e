#include "platform/ses/MultimediaOynatici.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace {
// A sound that has not begun after this long is given up, so that a stuck decoder cannot
// keep the watcher (and the audio device) busy for ever.
constexpr qint64 BaslamaSiniriMs = 10000;
} // namespace

MultimediaOynatici::MultimediaOynatici(QObject* parent) : QObject(parent) {}

MultimediaOynatici::~MultimediaOynatici()
{
    Kapat();
}

void MultimediaOynatici::Ac()
{
    acik_ = true;
}

void MultimediaOynatici::Kapat()
{
    while (!calarlar_.empty())
        Birak(calarlar_.begin()->first);
    acik_ = false;
}

int MultimediaOynatici::Yukle(const QString& yol)
{
    if (!acik_ || !QFileInfo(yol).isFile())
        return 0;
    const int h = ++sonTutamac_;
    auto* oynatici = new QMediaPlayer(this);
    auto* cikis = new QAudioOutput(oynatici);
    oynatici->setAudioOutput(cikis);
    oynatici->setSource(QUrl::fromLocalFile(QFileInfo(yol).absoluteFilePath()));
    calarlar_[h].Oynatici = oynatici;

    // The end of a sound or a failure frees its player (on the next event loop pass, since
    // it is still emitting).
    auto bitti = [this, h] {
        auto it = calarlar_.find(h);
        if (it != calarlar_.end() && it->second.Sure.isValid())
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

int MultimediaOynatici::Oynat(int ornek)
{
    auto it = calarlar_.find(ornek);
    if (!acik_ || it == calarlar_.end() || !it->second.Oynatici)
        return 0;
    it->second.Sure.start();
    it->second.Oynatici->play();
    return ornek; // one channel per sample: the handles coincide
}

void MultimediaOynatici::Durdur(int kanal)
{
    Birak(kanal);
}

qint64 MultimediaOynatici::Konum(int kanal) const
{
    auto it = calarlar_.find(kanal);
    if (it == calarlar_.end() || !it->second.Oynatici || !it->second.Sure.isValid())
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

void MultimediaOynatici::Birak(int tutamac)
{
    auto it = calarlar_.find(tutamac);
    if (it == calarlar_.end())
        return;
    if (QMediaPlayer* p = it->second.Oynatici) {
        p->disconnect(this);
        p->stop();
        p->deleteLater();
    }
    calarlar_.erase(it);
}
