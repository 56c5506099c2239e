#include "notify/gui/NotifyIcon.h"

#include "notify/gui/QtTepsiSimgesi.h"
#include "platform/gui/SkinResmi.h"

#include <QCoreApplication>

NotifyIcon::NotifyIcon(QObject* parent, TepsiSimgesi* alan)
    : QObject(parent), alan_(alan ? alan : new QtTepsiSimgesi(this)),
      icon_(SkinResmi::programSimgesi())
{
    alan_->SimgeAyarla(icon_);
    connect(alan_, &TepsiSimgesi::Etkinlesti, this,
            [this](QSystemTrayIcon::ActivationReason neden) {
                if (neden == QSystemTrayIcon::Trigger)
                    emit Click();
            });
    connect(alan_, &TepsiSimgesi::BalonTiklandi, this, &NotifyIcon::BalloonClick);
    // The icon goes with the program even when the main window never runs its end handling.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &NotifyIcon::Hide);
}

NotifyIcon::~NotifyIcon()
{
    Hide();
}

void NotifyIcon::setIcon(const QIcon& simge)
{
    icon_ = simge;
    alan_->SimgeAyarla(icon_);
}

void NotifyIcon::setToolTip(const QString& ipucu)
{
    toolTip_ = Kes(ipucu, IpucuSiniri);
    alan_->IpucuAyarla(toolTip_);
}

QString NotifyIcon::Kes(const QString& metin, int n)
{
    if (metin.size() <= n)
        return metin;
    QString sonuc = metin.left(n);
    if (!sonuc.isEmpty() && sonuc.back().isHighSurrogate())
        sonuc.chop(1);
    return sonuc;
}

void NotifyIcon::Show()
{
    if (!alan_->AlanVar())
        return;
    alan_->SimgeAyarla(icon_);
    alan_->IpucuAyarla(toolTip_);
    alan_->Goster(true);
    shown_ = true;
}

bool NotifyIcon::AlanVar() const
{
    return alan_->AlanVar();
}

void NotifyIcon::Hide()
{
    if (!shown_)
        return;
    alan_->Goster(false);
    shown_ = false;
}

void NotifyIcon::setContextMenu(QMenu* menu)
{
    alan_->MenuAyarla(menu);
}

void NotifyIcon::BalloonShow(const QString& baslik, const QString& metin, int tur,
                             const QIcon& ozelSimge)
{
    if (!shown_)
        return;
    QSystemTrayIcon::MessageIcon simge = QSystemTrayIcon::NoIcon;
    QIcon ozel;
    switch (tur) {
    case BalonBilgi:
        simge = QSystemTrayIcon::Information;
        break;
    case BalonUyari:
        simge = QSystemTrayIcon::Warning;
        break;
    case BalonHata:
        simge = QSystemTrayIcon::Critical;
        break;
    case BalonKullanici:
        ozel = ozelSimge;
        break;
    default:
        break;
    }
    // The tray keeps its own icon: only the balloon shows the caller's.
    alan_->BalonGoster(Kes(baslik, BaslikSiniri), Kes(metin, MetinSiniri), simge, ozel);
}

void NotifyIcon::BalloonHide()
{
    if (shown_)
        alan_->BalonKaldir();
}
