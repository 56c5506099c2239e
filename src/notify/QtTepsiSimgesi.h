#pragma once

#include "notify/TepsiSimgesi.h"

// TepsiSimgesi over QSystemTrayIcon (a StatusNotifierItem or an XEmbed tray on X11/Wayland,
// the shell's notification area on Windows).
class QtTepsiSimgesi : public TepsiSimgesi
{
    Q_OBJECT
public:
    explicit QtTepsiSimgesi(QObject* parent = nullptr);

    bool AlanVar() const override;
    void SimgeAyarla(const QIcon& simge) override;
    void IpucuAyarla(const QString& ipucu) override;
    void Goster(bool goster) override;
    void BalonGoster(const QString& baslik, const QString& metin, QSystemTrayIcon::MessageIcon tur,
                     const QIcon& ozel, int sureMs) override;
    void BalonKaldir() override;

private:
    QSystemTrayIcon simge_;
};
