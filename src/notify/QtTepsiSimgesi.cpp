#include "notify/QtTepsiSimgesi.h"

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

void QtTepsiSimgesi::BalonGoster(const QString& baslik, const QString& metin,
                                 QSystemTrayIcon::MessageIcon tur, const QIcon& ozel, int sureMs)
{
    if (!ozel.isNull())
        simge_.showMessage(baslik, metin, ozel, sureMs);
    else
        simge_.showMessage(baslik, metin, tur, sureMs);
}

void QtTepsiSimgesi::BalonKaldir()
{
    // Qt has no call to take a balloon down; an empty one replaces it and is not shown.
    simge_.showMessage(QString(), QString(), QSystemTrayIcon::NoIcon, 1);
}
