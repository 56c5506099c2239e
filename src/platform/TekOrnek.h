#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// Keeps one running program per user. A second start hands its command line to the
// running one over a local socket and ends; the running one shows its window.
class TekOrnek : public QObject
{
    Q_OBJECT
public:
    explicit TekOrnek(QString sunucuAdi, QObject* parent = nullptr);
    ~TekOrnek() override;

    // The socket name of this user's program.
    static QString VarsayilanAd();

    // Sends the command line to a running program. True when one received it: the
    // caller then ends without starting anything.
    bool CalisanaGonder(const QString& komutSatiri, int beklemeMs = 1000) const;

    // Starts answering later starts. A name left behind by a crashed program is taken
    // over. False when the socket cannot be opened.
    bool Dinle();

signals:
    // A later start handed over its command line.
    void MesajGeldi(const QString& komutSatiri);

private:
    void BaglantiKabulEt();

    QString Ad;
    QLocalServer* Sunucu = nullptr;
};
