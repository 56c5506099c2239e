#pragma once

#include "platform/SesKutuphanesi.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

#include <map>

class QProcess;

// SesKutuphanesi over the player program orvanel-ses (QtMultimedia), one process per played
// sound: QtMultimedia, GStreamer and the audio system's libraries are loaded into the player
// and go with it when the sound ends, so the program's own memory never grows with sound.
// The program only starts a player, ends it (Durdur, Kapat: at once, by killing it) and sees
// whether it still runs (Konum). A player that cannot start, fails on the file or dies reads
// as a sound that has ended. A player never outlives the program: it ends with its standard
// input, the pipe the program holds; on Linux the kernel also kills it when the program
// ends, and on Windows the job object the program holds does. Needs a running Qt event loop.
class QtSesKutuphanesi : public QObject, public SesKutuphanesi
{
    Q_OBJECT
public:
    explicit QtSesKutuphanesi(QObject* parent = nullptr);
    // Plays through this player program; an empty path plays nothing.
    explicit QtSesKutuphanesi(QString oynatici, QObject* parent = nullptr);
    ~QtSesKutuphanesi() override;

    // orvanel-ses in the program's folder (a portable folder, Windows), else in the installed
    // layout's "../libexec/orvanel"; empty when neither has it.
    static QString VarsayilanOynatici();

    void Ac() override;
    void Kapat() override;
    // A handle for an existing file; the player is started by Oynat.
    int Yukle(const QString& yol) override;
    int Oynat(int ornek) override;
    void Durdur(int kanal) override;
    // While the channel's player runs: the milliseconds since it was started, at least 1.
    qint64 Konum(int kanal) const override;

    // The process id of the channel's player while it runs, else 0.
    qint64 OynaticiNo(int kanal) const;

private:
    struct Calar
    {
        QString Yol;
        QPointer<QProcess> Surec;
        QElapsedTimer Sure;
    };
    void Birak(int tutamac);

    QString oynatici_;
    std::map<int, Calar> calarlar_;
    int sonTutamac_ = 0;
    bool acik_ = false;
#ifdef Q_OS_WIN
    void* is_ = nullptr; // the job object the players run in
#endif
};
