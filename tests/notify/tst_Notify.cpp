// The warning popup, the tray menu and the tray icon offscreen, with the main window they call
// recorded: the popup on a pretend clock and pointer on a 1920 x 1080 screen with a 40-pixel
// panel along the bottom, the icon over a recording notification area (the real one under
// Xvfb: tests/e2e). The offscreen platform has no window shapes, opacity or stacking (it warns
// about them, harmlessly); the popup's own records of them are what the tests read.
#include "controls/gui/Buton.h"
#include "notify/AnaPencereHedefi.h"
#include "notify/gui/MenuForm.h"
#include "notify/gui/MesajForm.h"
#include "notify/gui/NotifyIcon.h"
#include "notify/gui/QtTepsiSimgesi.h"
#include "platform/gui/Zamanlayici.h"
#include "support/FareSurucu.h"
#include "support/SahteImlec.h"
#include "support/SahteZaman.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// What the popup and the menu ask of the main window, in order; with `popup`, marked "-popup"
// where the popup was no longer on screen.
class SahteAnaPencere : public AnaPencereHedefi
{
public:
    void SayfaGoster(int sayfa) override { yaz(QStringLiteral("SayfaGoster(%1)").arg(sayfa)); }
    void Goster() override { yaz("Goster"); }
    void Yenile() override { yaz("Yenile"); }
    void SesiDurdur() override { yaz("SesiDurdur"); }
    void AnaFormKapat() override { yaz("AnaFormKapat"); }
    void EkleFormKapat() override { yaz("EkleFormKapat"); }
    void ProgramiBitir() override { yaz("ProgramiBitir"); }
    void yaz(const QString& c) { cagrilar << c + (popup && !popup->isVisible() ? " -popup" : ""); }

    QStringList cagrilar;
    QWidget* popup = nullptr;
};

// The real notification area's icon, as if the desktop had an area, recording each time the
// icon is shown (true) or taken away.
class SahteTepsi : public QtTepsiSimgesi
{
public:
    bool AlanVar() const override { return true; }
    void Goster(bool g) override { gosterimler << g; }
    QList<bool> gosterimler;
};

// The popup on a pretend clock and pointer (at 0, 0: far from it).
struct Duzenek
{
    SahteZamanKaynagi zaman;
    SahteImlec imlec;
    SahteAnaPencere ana;
    MesajForm form{&ana, &zaman, &imlec};

    Duzenek() { form.EkranSabitle(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)); }
    void Tik(int n = 1) { zaman.Ilerle(10 * n); }
    void Goster(QString s = "15 Dakika") { form.Goster("Öğle Vaktine ", s, " kaldı."); }
    // How many of the close button and the three texts show.
    int Metinler() const
    {
        return form.BtnKapat->isVisibleTo(&form) + form.Mesaj1->isVisibleTo(&form) +
               form.Sure->isVisibleTo(&form) + form.Mesaj2->isVisibleTo(&form);
    }
};

} // namespace

class tst_Notify : public QObject
{
    Q_OBJECT

private slots:
    // Parked and hidden until the first warning; grows in 16 ticks, fading in (alphas above
    // 255 left out), with the texts hidden; holds eight seconds, longer while the pointer rests
    // on it; shrinks, fading out, and hides.
    void popupBuyurBeklerKuculur()
    {
        Duzenek d;
        QVERIFY(!d.form.isVisible());
        QVERIFY(!QGuiApplication::primaryScreen()->virtualGeometry().intersects(d.form.geometry()));
        d.Goster();
        for (int tik = 1; tik <= 16; ++tik) {
            d.Tik();
            QVERIFY(d.form.isVisible() && d.Metinler() == 0);
            QCOMPARE(d.form.BgImage->geometry(), d.form.rect()); // stretched every step
        }
        d.Tik(); // the 17th finishes
        QVERIFY(d.form.durum() == MesajForm::Durum::Bekliyor && d.Metinler() == 4);
        QCOMPARE(d.form.windowOpacity(), 240 / 255.0);
        QCOMPARE(d.form.mask().boundingRect(), QRect(0, 0, 197, 116)); // the rounded shape

        d.imlec.konum = QPoint(1800, 970);
        d.zaman.Ilerle(3 * 8000 + 4000);
        d.imlec.konum = QPoint(1711, 970); // on the left edge: outside
        d.zaman.Ilerle(3990);
        QCOMPARE(d.form.durum(), MesajForm::Durum::Bekliyor); // that hold runs to its end
        d.zaman.Ilerle(10);
        QCOMPARE(d.form.durum(), MesajForm::Durum::Kuculuyor);
        QVERIFY(d.Metinler() == 0);
        d.Tik(17);
        QVERIFY(d.form.isVisible() && d.form.Alfa() == 0);
        d.Tik();
        QCOMPARE(d.form.durum(), MesajForm::Durum::Gizli);
        QVERIFY(!d.form.isVisible() && d.ana.cagrilar.isEmpty());
    }

    // The close button cuts the hold short; a click on a text also opens the main window on
    // its prayer-times page. Only a left click whose release is on the control counts.
    void popupKapatVeMetinTiklamasi()
    {
        for (int hangi = 0; hangi < 4; ++hangi) {
            Duzenek d;
            d.Goster();
            d.Tik(17);
            QWidget* w =
                QList<QWidget*>{d.form.BtnKapat, d.form.Mesaj1, d.form.Sure, d.form.Mesaj2}[hangi];
            FareSurucu::Bas(w, QPoint(10, 5), Qt::RightButton);
            FareSurucu::Birak(w, QPoint(10, 5), Qt::RightButton);
            FareSurucu::Bas(w, QPoint(10, 5));
            FareSurucu::Birak(w, QPoint(10, 40));
            QCOMPARE(d.form.durum(), MesajForm::Durum::Bekliyor);
            FareSurucu::Bas(w, QPoint(10, 5));
            FareSurucu::Birak(w, QPoint(10, 5));
            QCOMPARE(d.form.durum(), MesajForm::Durum::Kuculuyor);
            QVERIFY(!d.form.BeklemeTimer->isActive() && d.Metinler() == 0);
            QCOMPARE(d.ana.cagrilar.join(' '),
                     QString(hangi ? "SayfaGoster(0) Goster Yenile" : ""));
        }
    }

    // A new warning while the popup grows, holds, shrinks or after it hid stops the hold and
    // the shrinking and grows again from the start with the new texts.
    void popupYeniUyaridaBastanBuyur()
    {
        const int durumlar[][2] = {{5, 0}, {17, 7990}, {27, 8000}, {17, 8400}}; // ticks, ms
        for (const auto& [tik, bekleme] : durumlar) {
            Duzenek d;
            d.Goster();
            d.Tik(tik);
            d.zaman.Ilerle(bekleme);
            d.Goster("10 Dakika");
            QVERIFY(!d.form.BeklemeTimer->isActive() && !d.form.GizleTimer->isActive());
            QVERIFY(d.Metinler() == 0 && d.form.Alfa() == 0);
            d.Tik(16);
            QCOMPARE(d.form.durum(), MesajForm::Durum::Buyuyor);
            d.Tik();
            QVERIFY(d.form.durum() == MesajForm::Durum::Bekliyor && d.form.isVisible());
            QCOMPARE(d.form.Sure->text(), QStringLiteral("10 Dakika"));
        }
        // A religious day's name wider than the bold line is set smaller, whole; the next
        // warning's time stands at the line's own size again.
        Duzenek d;
        d.form.Goster("Bu gece ", "Ramazan Bayramı Arefesi", " Hayırlı olsun.");
        QCOMPARE(d.form.Sure->text(), QStringLiteral("Ramazan Bayramı Arefesi"));
        QVERIFY(d.form.Sure->font().pixelSize() < 16);
        d.Goster("10 Dakika");
        QCOMPARE(d.form.Sure->font().pixelSize(), 16);
    }

    // Each item chosen with the mouse in the menu opened at the pointer while the popup grows.
    // "Ezanı Durdur" is greyed out until the sound watcher says a sound plays. "Çıkış", the
    // last item: the main window (which takes the icon down), the menu, the add-location
    // dialog and the popup, in this order, then the end; nothing moves after.
    void menu()
    {
        // Dax Orvanel'yi Aç, -, Bölgesel Ayarlar, Dini Günler, Genel Ayarlar, Hakkında, Ezanı
        // Durdur, -, Çıkış: each opens the page its caption names.
        const std::tuple<int, bool, const char*> ogeler[] = {
            {0, false, "SayfaGoster(0) Goster"},
            {2, false, "SayfaGoster(1) Goster"},
            {3, false, "SayfaGoster(4) Goster"},
            {4, false, "SayfaGoster(2) Goster"},
            {5, false, "SayfaGoster(3) Goster"},
            {6, false, ""},
            {6, true, "SesiDurdur"},
            {8, false, "AnaFormKapat EkleFormKapat ProgramiBitir -popup"}};
        for (const auto& [oge, sesCaliyor, cagrilar] : ogeler) {
            Duzenek d;
            MenuForm m(d.ana);
            m.setMesajForm(&d.form);
            d.ana.popup = &d.form;
            d.Goster();
            d.Tik(10);
            m.SessizEtkin(sesCaliyor);
            m.Ac(QPoint(100, 100));
            QVERIFY(QTest::qWaitForWindowExposed(m.TrayMenu));
            QCOMPARE(m.TrayMenu->pos(), QPoint(100, 100));
            const QRect yer = m.TrayMenu->actionGeometry(m.TrayMenu->actions().at(oge));
            QTest::mouseClick(m.TrayMenu, Qt::LeftButton, {}, yer.center());
            QCOMPARE(d.ana.cagrilar.join(' '), QString(cagrilar));
            d.Tik(100); // the popup grows on, unless the program ended
            QCOMPARE(d.form.isVisible(), oge != 8);
        }
    }

    // A double click (Restore with no form held) keeps the icon; Hide, the end of the object
    // and the end of the application take it away. The icon's clicks: a left click, a double
    // click (its first click comes too) and the menu; nothing else.
    void simge()
    {
        SahteTepsi tepsi;
        QStringList olaylar;
        {
            NotifyIcon n(nullptr, &tepsi);
            n.Show();
            n.Restore(true);
            n.Hide();
            n.Show();
            connect(&n, &NotifyIcon::Click, [&] { olaylar << "Click"; });
            connect(&n, &NotifyIcon::DblClick, [&] { olaylar << "DblClick"; });
            connect(&n, &NotifyIcon::ContextMenu, [&] { olaylar << "ContextMenu"; });
            for (auto neden : {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick,
                               QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick})
                emit tepsi.Etkinlesti(neden);
        }
        NotifyIcon n(nullptr, &tepsi);
        n.Show();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        qApp->exec(); // emits aboutToQuit on the way out
        QCOMPARE(tepsi.gosterimler, QList<bool>({true, false, true, false, true, false}));
        QCOMPARE(olaylar, QStringList({"Click", "DblClick", "ContextMenu"}));
    }
};

QTEST_MAIN(tst_Notify)
#include "tst_Notify.moc"
