#include "notify/gui/QtTepsiSimgesi.h"

#include <QCoreApplication>
#include <QImage>

// Windows shows the tray's own balloon; D-Bus desktop notifications are for the other desktops.
#ifndef Q_OS_WIN
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString BildirimServisi = QStringLiteral("org.freedesktop.Notifications");
const QString BildirimYolu = QStringLiteral("/org/freedesktop/Notifications");

// The notification's own picture, the "image-data" hint: width, height, row stride, alpha,
// bits per sample, channels and the RGBA bytes.
QVariant ResimVerisi(const QIcon& simge)
{
    const QImage resim = simge.pixmap(64, 64).toImage().convertToFormat(QImage::Format_RGBA8888);
    QDBusArgument arg;
    arg.beginStructure();
    arg << resim.width() << resim.height() << int(resim.bytesPerLine()) << true << 8 << 4
        << QByteArray(reinterpret_cast<const char*>(resim.constBits()), resim.sizeInBytes());
    arg.endStructure();
    return QVariant::fromValue(arg);
}

} // namespace
#endif

QtTepsiSimgesi::QtTepsiSimgesi(QObject* parent) : TepsiSimgesi(parent)
{
    connect(&simge_, &QSystemTrayIcon::activated, this, &TepsiSimgesi::Etkinlesti);
    connect(&simge_, &QSystemTrayIcon::messageClicked, this, &TepsiSimgesi::BalonTiklandi);
}

bool QtTepsiSimgesi::AlanVar() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTepsiSimgesi::SimgeAyarla(const QIcon& simge)
{
    simge_.setIcon(simge);
}

void QtTepsiSimgesi::IpucuAyarla(const QString& ipucu)
{
    simge_.setToolTip(ipucu);
}

void QtTepsiSimgesi::Goster(bool goster)
{
    simge_.setVisible(goster);
}

void QtTepsiSimgesi::MenuAyarla(QMenu* menu)
{
    simge_.setContextMenu(menu);
}

void QtTepsiSimgesi::BalonGoster(const QString& baslik, const QString& metin,
                                 QSystemTrayIcon::MessageIcon tur, const QIcon& ozel)
{
    if (MasaustuBildirimi(baslik, metin, tur, ozel))
        return;
    // The tray's own balloon; on Windows the shell keeps it for its own minimum whatever the
    // time given.
    constexpr int Sure = 10000;
    if (!ozel.isNull())
        simge_.showMessage(baslik, metin, ozel, Sure);
    else
        simge_.showMessage(baslik, metin, tur, Sure);
}

void QtTepsiSimgesi::BalonKaldir()
{
    if (bekleyen_ > 0) {
        // The server has not numbered the last one yet: it is closed when it has.
        kapatilacak_ = true;
        return;
    }
#ifndef Q_OS_WIN
    if (bildirim_ != 0) {
        QDBusMessage m = QDBusMessage::createMethodCall(
            BildirimServisi, BildirimYolu, BildirimServisi, QStringLiteral("CloseNotification"));
        m << bildirim_;
        QDBusConnection::sessionBus().call(m, QDBus::NoBlock);
        bildirim_ = 0;
        return;
    }
#endif
    // Qt has no call to take a balloon down; an empty one replaces it and is not shown.
    simge_.showMessage(QString(), QString(), QSystemTrayIcon::NoIcon, 1);
}

bool QtTepsiSimgesi::MasaustuBildirimi(const QString& baslik, const QString& metin,
                                       QSystemTrayIcon::MessageIcon tur, const QIcon& ozel)
{
#ifdef Q_OS_WIN
    Q_UNUSED(baslik)
    Q_UNUSED(metin)
    Q_UNUSED(tur)
    Q_UNUSED(ozel)
    return false;
#else
    QDBusConnection oturum = QDBusConnection::sessionBus();
    if (!oturum.isConnected() || !oturum.interface()->isServiceRegistered(BildirimServisi))
        return false;
    QString simgeAdi;
    QVariantMap ipuclari;
    if (!ozel.isNull()) {
        ipuclari.insert(QStringLiteral("image-data"), ResimVerisi(ozel));
    } else if (tur == QSystemTrayIcon::Information) {
        simgeAdi = QStringLiteral("dialog-information");
    } else if (tur == QSystemTrayIcon::Warning) {
        simgeAdi = QStringLiteral("dialog-warning");
    } else if (tur == QSystemTrayIcon::Critical) {
        simgeAdi = QStringLiteral("dialog-error");
    }
    QDBusMessage m = QDBusMessage::createMethodCall(BildirimServisi, BildirimYolu, BildirimServisi,
                                                    QStringLiteral("Notify"));
    // Replacing the last one keeps one balloon per icon; -1: the desktop's own time.
    m << QCoreApplication::applicationName() << bildirim_ << simgeAdi << baslik << metin
      << QStringList() << ipuclari << int(-1);
    ++bekleyen_;
    kapatilacak_ = false;
    auto* izleyici = new QDBusPendingCallWatcher(oturum.asyncCall(m), this);
    connect(izleyici, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<uint> cevap = *w;
        if (cevap.isValid())
            bildirim_ = cevap.value();
        w->deleteLater();
        if (--bekleyen_ == 0 && kapatilacak_) {
            kapatilacak_ = false;
            BalonKaldir();
        }
    });
    return true;
#endif
}
