#include "notify/gui/TepsiMenusu.h"

#include "notify/AnaPencereHedefi.h"
#include "notify/gui/MesajForm.h"

#include <QAction>
#include <QMenu>

TepsiMenusu::TepsiMenusu(AnaPencereHedefi& ana, QObject* parent)
    : QObject(parent), ana_(ana), menu_(std::make_unique<QMenu>(QStringLiteral("Tray")))
{
    tmAc = menu_->addAction(QStringLiteral("Dax Orvanel'yi Aç"));
    menu_->addSeparator();
    tmBAyarlar = menu_->addAction(QStringLiteral("Bölgesel Ayarlar"));
    tmDiniGunler = menu_->addAction(QStringLiteral("Dini Günler"));
    tmGAyarlar = menu_->addAction(QStringLiteral("Genel Ayarlar"));
    tmHakkinda = menu_->addAction(QStringLiteral("Hakkında"));
    tmSessiz = menu_->addAction(QStringLiteral("Ezanı Durdur"));
    tmSessiz->setEnabled(false);
    menu_->addSeparator();
    tmCikis = menu_->addAction(QStringLiteral("Çıkış"));

    connect(tmAc, &QAction::triggered, this, [this] { sayfaAc(SayfaVakitler); });
    connect(tmBAyarlar, &QAction::triggered, this, [this] { sayfaAc(SayfaBolgesel); });
    connect(tmDiniGunler, &QAction::triggered, this, [this] { sayfaAc(SayfaDiniGunler); });
    connect(tmGAyarlar, &QAction::triggered, this, [this] { sayfaAc(SayfaGenel); });
    connect(tmHakkinda, &QAction::triggered, this, [this] { sayfaAc(SayfaHakkinda); });
    connect(tmSessiz, &QAction::triggered, this, [this] { ana_.SesiDurdur(); });
    connect(tmCikis, &QAction::triggered, this, &TepsiMenusu::Cikis);
}

TepsiMenusu::~TepsiMenusu() = default;

void TepsiMenusu::SessizEtkin(bool etkin)
{
    tmSessiz->setEnabled(etkin);
}

void TepsiMenusu::sayfaAc(int sayfa)
{
    ana_.SayfaAc(sayfa);
    ana_.Goster();
}

void TepsiMenusu::Cikis()
{
    ana_.AnaFormKapat();
    menu_->hide();
    ana_.EkleFormKapat();
    if (popup_)
        popup_->close();
    ana_.ProgramiBitir();
}
