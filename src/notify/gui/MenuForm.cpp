#include "notify/gui/MenuForm.h"

#include "notify/AnaPencereHedefi.h"
#include "notify/gui/MesajForm.h"

#include <QAction>
#include <QMenu>

MenuForm::MenuForm(AnaPencereHedefi& ana, QWidget* parent) : QWidget(parent), ana_(ana)
{
    setWindowTitle(QStringLiteral("MenuForm"));

    TrayMenu = new QMenu(QStringLiteral("Tray"), this);
    tmAc = TrayMenu->addAction(QStringLiteral("Dax Orvanel'yi Aç"));
    tmSep2 = TrayMenu->addSeparator();
    tmBAyarlar = TrayMenu->addAction(QStringLiteral("Bölgesel Ayarlar"));
    tmDiniGunler = TrayMenu->addAction(QStringLiteral("Dini Günler"));
    tmGAyarlar = TrayMenu->addAction(QStringLiteral("Genel Ayarlar"));
    tmHakkinda = TrayMenu->addAction(QStringLiteral("Hakkında"));
    tmSessiz = TrayMenu->addAction(QStringLiteral("Ezanı Durdur"));
    tmSessiz->setEnabled(false);
    tmSep1 = TrayMenu->addSeparator();
    tmCikis = TrayMenu->addAction(QStringLiteral("Çıkış"));

    connect(tmAc, &QAction::triggered, this, [this] { sayfaAc(SayfaVakitler); });
    connect(tmBAyarlar, &QAction::triggered, this, [this] { sayfaAc(SayfaBolgesel); });
    connect(tmDiniGunler, &QAction::triggered, this, [this] { sayfaAc(SayfaDiniGunler); });
    connect(tmGAyarlar, &QAction::triggered, this, [this] { sayfaAc(SayfaGenel); });
    connect(tmHakkinda, &QAction::triggered, this, [this] { sayfaAc(SayfaHakkinda); });
    connect(tmSessiz, &QAction::triggered, this, [this] { ana_.SesiDurdur(); });
    connect(tmCikis, &QAction::triggered, this, &MenuForm::Cikis);
}

MenuForm::~MenuForm() = default;

void MenuForm::Ac(const QPoint& konum)
{
    TrayMenu->popup(konum);
}

void MenuForm::SessizEtkin(bool etkin)
{
    tmSessiz->setEnabled(etkin);
}

void MenuForm::sayfaAc(int index)
{
    ana_.SayfaGoster(index);
    ana_.Goster();
}

void MenuForm::Cikis()
{
    ana_.AnaFormKapat();
    TrayMenu->hide();
    close();
    ana_.EkleFormKapat();
    if (popup_)
        popup_->close();
    ana_.ProgramiBitir();
}
