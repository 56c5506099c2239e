#pragma once

#include "platform/SesKutuphanesi.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <map>

class QMediaPlayer;

// SesKutuphanesi over QMediaPlayer + QAudioOutput. A player and its output are made for
// each loaded file and deleted when the sound ends, fails, is stopped or the library is
// closed, so an idle program holds no audio device. Needs a running Qt event loop. Lives in the
// module "orvanel_ses" that QtSesKutuphanesi loads on the first sound.
class MultimediaOynatici : public QObject, public SesKutuphanesi
{
    Q_OBJECT
public:
    explicit MultimediaOynatici(QObject* parent = nullptr);
    ~MultimediaOynatici() override;

    void Ac() override;
    void Kapat() override;
    int Yukle(const QString& yol) override;
    int Oynat(int ornek) override;
    void Durdur(int kanal) override;
    qint64 Konum(int kanal) const override;

private:
    struct Calar
    {
        QPointer<QMediaPlayer> Oynatici;
        QElapsedTimer Sure; // since play; a sound that never starts is given up
    };
    void Birak(int tutamac);

    std::map<int, Calar> calarlar_;
    int sonTutamac_ = 0;
    bool acik_ = false;
};
