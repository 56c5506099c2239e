// A small program for the end-to-end test of the tray icon, its menu and the popup on a
// real X server: a stand-in main window, the icon, the menu on a right click, and (with
// --popup) one warning popup. It reports on stdout what reaches the main window.
#include "notify/AnaPencereHedefi.h"
#include "notify/gui/MenuForm.h"
#include "notify/gui/MesajForm.h"
#include "notify/gui/NotifyIcon.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace {

void Yaz(const QString& satir)
{
    std::printf("%s\n", satir.toUtf8().constData());
    std::fflush(stdout);
}

class DemoAnaPencere : public AnaPencereHedefi
{
public:
    DemoAnaPencere() : pencere_(QStringLiteral("Orvanel deneme ana penceresi"))
    {
        pencere_.setWindowTitle(QStringLiteral("Orvanel deneme"));
        pencere_.resize(300, 100);
    }
    void Tablar_Click(int Index) override { Yaz(QStringLiteral("Tablar_Click %1").arg(Index)); }
    void Goster() override
    {
        Yaz(QStringLiteral("Goster"));
        pencere_.show();
    }
    void Yenile() override { pencere_.update(); }
    void FModStop() override { Yaz(QStringLiteral("FModStop")); }
    void AnaFormKapat() override
    {
        Yaz(QStringLiteral("AnaFormKapat"));
        if (simge)
            simge->Hide();
        pencere_.close();
    }
    void EkleFormKapat() override { Yaz(QStringLiteral("EkleFormKapat")); }
    void ProgramiBitir() override
    {
        Yaz(QStringLiteral("ProgramiBitir"));
        QCoreApplication::quit();
    }

    NotifyIcon* simge = nullptr;

private:
    QLabel pencere_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    const bool popupla = app.arguments().contains(QStringLiteral("--popup"));

    DemoAnaPencere ana;
    NotifyIcon simge;
    ana.simge = &simge;
    MenuForm menu(ana);
    MesajForm popup(&ana);
    menu.setMesajForm(&popup);

    QObject::connect(&simge, &NotifyIcon::Click, [&] {
        Yaz(QStringLiteral("Click"));
        ana.Tablar_Click(0);
        ana.Goster();
    });
    QObject::connect(&simge, &NotifyIcon::ContextMenu, [&] {
        Yaz(QStringLiteral("ContextMenu"));
        menu.Ac(QCursor::pos());
    });

    simge.setToolTip(QStringLiteral("Orvanel - orvanel.example.org"));
    simge.Show();
    Yaz(QStringLiteral("Shown %1").arg(simge.Shown() ? 1 : 0));

    if (popupla) {
        popup.Park();
        QTimer::singleShot(500, &popup, [&] {
            popup.Goster(QStringLiteral("Öğle Vaktine "), QStringLiteral("15 Dakika"),
                         QStringLiteral(" kaldı."));
        });
        auto* izle = new QTimer(&popup);
        QObject::connect(izle, &QTimer::timeout, [&, izle] {
            if (popup.durum() != MesajForm::Durum::Bekliyor)
                return;
            izle->stop();
            const QRect r = popup.frameGeometry();
            Yaz(QStringLiteral("Popup %1 %2 %3 %4 T %5")
                    .arg(r.x())
                    .arg(r.y())
                    .arg(r.width())
                    .arg(r.height())
                    .arg(popup.Animasyon().T()));
        });
        izle->start(20);
    }
    return app.exec();
}
