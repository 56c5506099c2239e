#include "platform/TekOrnek.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <unistd.h>
#endif

namespace {
// The running program answers a hand-over with this byte, so a stale socket file or a
// foreign listener never counts as a running program.
constexpr char Onay = '1';
} // namespace

TekOrnek::TekOrnek(QString klasor, QString ad, QObject* parent)
    : QObject(parent), klasor_(std::move(klasor)), ad_(std::move(ad))
{
}

TekOrnek::~TekOrnek() = default;

QString TekOrnek::OturumKlasoru()
{
#ifdef Q_OS_WIN
    // The user's own temporary folder (Windows has no runtime folder per session; the pipe's
    // name carries the session).
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#else
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
}

QString TekOrnek::VarsayilanAd()
{
#ifdef Q_OS_WIN
    DWORD oturum = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &oturum);
    return QStringLiteral("orvanel-%1-%2").arg(oturum).arg(qEnvironmentVariable("USERNAME"));
#else
    return QStringLiteral("orvanel-%1").arg(::getuid());
#endif
}

QString TekOrnek::KilitYolu() const
{
    return QDir(klasor_).filePath(ad_ + QStringLiteral(".lock"));
}

QString TekOrnek::SoketYolu() const
{
#ifdef Q_OS_WIN
    return ad_; // a pipe name of the session
#else
    return QDir(klasor_).filePath(ad_ + QStringLiteral(".sock"));
#endif
}

TekOrnek::Sonuc TekOrnek::Baslat(const QString& komutSatiri, int beklemeMs)
{
    QDir().mkpath(klasor_);
    kilit_ = std::make_unique<QLockFile>(KilitYolu());
    // A live owner keeps its lock however long it runs; only a dead owner's lock is stale.
    kilit_->setStaleLockTime(0);
    const QDeadlineTimer son(beklemeMs);
    for (;;) {
        if (kilit_->tryLock(0)) {
            Dinle();
            return Sonuc::Sahip;
        }
        if (Gonder(komutSatiri, int(qMax<qint64>(son.remainingTime(), 0))))
            return Sonuc::Devredildi;
        if (son.hasExpired())
            return Sonuc::Yanitsiz;
        // The owner is still starting (not listening yet) or busy: ask again shortly.
        QThread::msleep(50);
    }
}

bool TekOrnek::Gonder(const QString& komutSatiri, int beklemeMs) const
{
    QLocalSocket soket;
    soket.connectToServer(SoketYolu());
    if (!soket.waitForConnected(qMin(beklemeMs, 500)))
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

void TekOrnek::Dinle()
{
    auto* sunucu = new QLocalServer(this);
    sunucu->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours: a socket file there is a leftover of a program that died.
    QLocalServer::removeServer(SoketYolu());
    if (!sunucu->listen(SoketYolu())) {
        // The program runs on; later starts find the lock taken and end quietly.
        delete sunucu;
        return;
    }
    sunucu_ = sunucu;
    connect(sunucu_, &QLocalServer::newConnection, this, &TekOrnek::BaglantiKabulEt);
}

void TekOrnek::BaglantiKabulEt()
{
    while (QLocalSocket* soket = sunucu_->nextPendingConnection()) {
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
