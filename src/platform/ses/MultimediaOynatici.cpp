#include "platform/ses/MultimediaOynatici.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace {
// A sound that has not begun after this long is given up, so that a stuck decoder cannot keep
// the program's watcher busy for ever.
constexpr int BaslamaSiniriMs = 10000;
} // namespace

MultimediaOynatici::MultimediaOynatici(QObject* parent) : QObject(parent)
{
    baslamaSiniri_.setSingleShot(true);
    baslamaSiniri_.setInterval(BaslamaSiniriMs);
    connect(&baslamaSiniri_, &QTimer::timeout, this, [this] {
        if (!basladi_)
            Bitir(Calinamadi);
    });
}

MultimediaOynatici::~MultimediaOynatici() = default;

void MultimediaOynatici::Cal(const QString& yol)
{
    const QFileInfo dosya(yol);
    if (!dosya.isFile()) {
        // Told on the next pass of the event loop, as every other end.
        QMetaObject::invokeMethod(
            this, [this] { Bitir(Calinamadi); }, Qt::QueuedConnection);
        return;
    }
    oynatici_ = new QMediaPlayer(this);
    cikis_ = new QAudioOutput(oynatici_);
    oynatici_->setAudioOutput(cikis_);
    connect(oynatici_, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus s) {
                if (s == QMediaPlayer::EndOfMedia)
                    Bitir(SonunaKadar);
                else if (s == QMediaPlayer::InvalidMedia)
                    Bitir(Calinamadi);
            });
    connect(oynatici_, &QMediaPlayer::errorOccurred, this, [this] { Bitir(Calinamadi); });
    connect(oynatici_, &QMediaPlayer::positionChanged, this, [this](qint64 konum) {
        if (konum > 0)
            basladi_ = true;
    });
    connect(oynatici_, &QMediaPlayer::playbackStateChanged, this,
            [this](QMediaPlayer::PlaybackState s) {
                // Stopped by the backend without an end or an error: over all the same.
                if (s == QMediaPlayer::StoppedState)
                    Bitir(basladi_ ? SonunaKadar : Calinamadi);
            });
    oynatici_->setSource(QUrl::fromLocalFile(dosya.absoluteFilePath()));
    oynatici_->play();
    baslamaSiniri_.start();
}

void MultimediaOynatici::Bitir(Sonuc sonuc)
{
    if (bitti_)
        return;
    bitti_ = true;
    baslamaSiniri_.stop();
    emit Bitti(sonuc);
}
