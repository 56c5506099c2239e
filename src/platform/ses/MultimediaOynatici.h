#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QAudioOutput;
class QMediaPlayer;

// One sound file through QMediaPlayer + QAudioOutput, from start to end: the work of the player
// program orvanel-ses, which the program starts for each sound. Bitti tells how it ended, once.
// Needs a running Qt event loop.
class MultimediaOynatici : public QObject
{
    Q_OBJECT
public:
    enum Sonuc
    {
        SonunaKadar = 0, // played to its end
        Calinamadi = 1,  // missing, unreadable or undecodable, or it never began
    };

    explicit MultimediaOynatici(QObject* parent = nullptr);
    ~MultimediaOynatici() override;

    void Cal(const QString& yol);

signals:
    void Bitti(int sonuc);

private:
    void Bitir(Sonuc sonuc);

    QMediaPlayer* oynatici_ = nullptr;
    QAudioOutput* cikis_ = nullptr;
    QTimer baslamaSiniri_;
    bool basladi_ = false; // the position has moved
    bool bitti_ = false;
};
