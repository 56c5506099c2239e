#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

// One running program per user session. The first start takes a lock file in the session's
// runtime folder, which nobody can take from a live owner (a lock left by a process that
// died is taken over at once), and answers later starts on a local socket beside it. A later
// start hands its command line over and ends; the running program shows its window.
class TekOrnek : public QObject
{
    Q_OBJECT
public:
    // klasor: the session's runtime folder; ad: the name of the lock and the socket in it.
    TekOrnek(QString klasor, QString ad, QObject* parent = nullptr);
    ~TekOrnek() override;

    // The session's runtime folder ($XDG_RUNTIME_DIR; on Windows the user's temporary folder,
    // the session being part of the name).
    static QString OturumKlasoru();
    // "orvanel-" and the real user id (on Windows the session too).
    static QString VarsayilanAd();

    enum class Sonuc
    {
        Sahip,      // this is the running program now; later starts are answered
        Devredildi, // the running program took the command line: end
        Yanitsiz    // a running program holds the lock but did not answer in time: end
    };
    // Takes the lock, or hands `komutSatiri` over to its owner, trying for up to `beklemeMs`
    // while the owner is busy or still starting.
    Sonuc Baslat(const QString& komutSatiri, int beklemeMs = 5000);

    QString KilitYolu() const;
    QString SoketYolu() const;

signals:
    // A later start handed over its command line.
    void MesajGeldi(const QString& komutSatiri);

private:
    bool Gonder(const QString& komutSatiri, int beklemeMs) const;
    void Dinle();
    void BaglantiKabulEt();

    QString klasor_;
    QString ad_;
    std::unique_ptr<QLockFile> kilit_;
    QLocalServer* sunucu_ = nullptr;
};
