#include "platform/TekOrnek.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {
// The running program answers a hand-over with this byte, so a stale socket file or a
// foreign listener never counts as a running program.
constexpr char Onay = '1';
} // namespace

TekOrnek::TekOrnek(QString sunucuAdi, QObject* parent) : QObject(parent), Ad(std::move(sunucuAdi))
{
}

TekOrnek::~TekOrnek() = default;

QString TekOrnek::VarsayilanAd()
{
    QString kullanici = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return QStringLiteral("Orvanel-") + (kullanici.isEmpty() ? QStringLiteral("user") : kullanici);
}

bool TekOrnek::CalisanaGonder(const QString& komutSatiri, int beklemeMs) const
{
    QLocalSocket soket;
    soket.connectToServer(Ad);
    if (!soket.waitForConnected(beklemeMs))
        return false;
    soket.write(komutSatiri.toUtf8() + '\n');
    if (!soket.waitForBytesWritten(beklemeMs))
        return false;
    while (soket.bytesAvailable() < 1) {
        if (!soket.waitForReadyRead(beklemeMs))
            return false;
    }
    char c = 0;
    return soket.getChar(&c) && c == Onay;
}

bool TekOrnek::Dinle()
{
    if (Sunucu)
        return true;
    auto* sunucu = new QLocalServer(this);
    sunucu->setSocketOptions(QLocalServer::UserAccessOption);
    if (!sunucu->listen(Ad)) {
        // Nobody answered CalisanaGonder, so the name is a leftover of a crash.
        QLocalServer::removeServer(Ad);
        if (!sunucu->listen(Ad)) {
            delete sunucu;
            return false;
        }
    }
    Sunucu = sunucu;
    connect(Sunucu, &QLocalServer::newConnection, this, &TekOrnek::BaglantiKabulEt);
    return true;
}

void TekOrnek::BaglantiKabulEt()
{
    while (QLocalSocket* soket = Sunucu->nextPendingConnection()) {
        connect(soket, &QLocalSocket::disconnected, soket, &QObject::deleteLater);
        auto oku = [this, soket] {
            if (!soket->canReadLine())
                return;
            QString satir = QString::fromUtf8(soket->readLine()).chopped(1);
            soket->putChar(Onay);
            soket->flush();
            emit MesajGeldi(satir);
        };
        connect(soket, &QLocalSocket::readyRead, this, oku);
        oku();
    }
}
