#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

class QMenu;

// The notification area as NotifyIcon uses it: one icon with a tooltip, a menu, balloons, and
// the user's clicks. QtTepsiSimgesi is the real one; tests give NotifyIcon a recording fake.
class TepsiSimgesi : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Whether the desktop has a notification area at all (now; it may come later).
    virtual bool AlanVar() const = 0;
    virtual void SimgeAyarla(const QIcon& simge) = 0;
    virtual void IpucuAyarla(const QString& ipucu) = 0;
    // Adds (true) or removes (false) the icon.
    virtual void Goster(bool goster) = 0;
    // The menu the icon shows on a right click; the caller keeps it.
    virtual void MenuAyarla(QMenu* menu) = 0;
    // A balloon with the given icon: a standard kind, or `ozel` when it is not null. It stays
    // as long as the desktop keeps notifications (the shortest it allows).
    virtual void BalonGoster(const QString& baslik, const QString& metin,
                             QSystemTrayIcon::MessageIcon tur, const QIcon& ozel) = 0;
    // Takes down the icon's balloon, if one shows.
    virtual void BalonKaldir() = 0;

signals:
    void Etkinlesti(QSystemTrayIcon::ActivationReason neden);
    void BalonTiklandi();
};
