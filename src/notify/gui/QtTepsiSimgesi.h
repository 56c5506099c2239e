#pragma once

#include "notify/gui/TepsiSimgesi.h"

// TepsiSimgesi over QSystemTrayIcon (a StatusNotifierItem or an XEmbed tray on X11/Wayland,
// the shell's notification area on Windows). Where the desktop has a notification server
// (org.freedesktop.Notifications on the session bus) a balloon is one of its notifications,
// carrying the caller's own icon and leaving its time to the desktop; elsewhere it is the
// tray's own balloon.
class QtTepsiSimgesi : public TepsiSimgesi
{
    Q_OBJECT
public:
    explicit QtTepsiSimgesi(QObject* parent = nullptr);

    bool AlanVar() const override;
    void SimgeAyarla(const QIcon& simge) override;
    void IpucuAyarla(const QString& ipucu) override;
    void Goster(bool goster) override;
    void MenuAyarla(QMenu* menu) override;
    void BalonGoster(const QString& baslik, const QString& metin, QSystemTrayIcon::MessageIcon tur,
                     const QIcon& ozel) override;
    void BalonKaldir() override;

private:
    // Sends the notification; false without a notification server.
    bool MasaustuBildirimi(const QString& baslik, const QString& metin,
                           QSystemTrayIcon::MessageIcon tur, const QIcon& ozel);

    QSystemTrayIcon simge_;
    uint bildirim_ = 0;        // the server's number of the last notification
    int bekleyen_ = 0;         // notifications sent and not yet numbered
    bool kapatilacak_ = false; // taken down before it was numbered
};
