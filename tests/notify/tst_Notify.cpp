// The warning popup, the tray menu and the tray icon offscreen, with the main window they call
// recorded: the popup on a pretend clock (its animations and its hold) and pointer on a
// 1920 x 1080 screen with a 40-pixel panel along the bottom, the icon over a recording
// notification area (the real one under Xvfb: tests/e2e). The offscreen platform has no window
// shapes, opacity or stacking (it warns about them, harmlessly); the popup's own records of
// them are what the tests read.
#include "controls/gui/Buton.h"
#include "notify/AnaPencereHedefi.h"
#include "notify/gui/MesajForm.h"
#include "notify/gui/NotifyIcon.h"
#include "notify/gui/TepsiMenusu.h"
#include "support/FareSurucu.h"
#include "support/SahteAnimasyonSaati.h"
#include "support/SahteImlec.h"
#include "support/SahteTepsi.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {

// What the popup and the menu ask of the main window, in order; with `popup`, marked "-popup"
// where the popup was no longer on screen.
class SahteAnaPencere : public AnaPencereHedefi
{
public:
    void SayfaAc(int sayfa) override { yaz(QStringLiteral("SayfaAc(%1)").arg(sayfa)); }
    void Goster() override { yaz("Goster"); }
    void SesiDurdur() override { yaz("SesiDurdur"); }
    void AnaFormKapat() override { yaz("AnaFormKapat"); }
    void EkleFormKapat() override { yaz("EkleFormKapat"); }
    void ProgramiBitir() override { yaz("ProgramiBitir"); }
    void yaz(const QString& c) { cagrilar << c + (popup && !popup->isVisible() ? " -popup" : ""); }

    QStringList cagrilar;
    QWidget* popup = nullptr;
};

// The popup on a pretend clock and pointer (at 0, 0: far from it).
struct Duzenek
{
    SahteZamanKaynagi zaman;
    SahteAnimasyonSaati saat{zaman};
    SahteImlec imlec;
    SahteAnaPencere ana;
    MesajForm form{&ana, &zaman, &imlec};

    Duzenek() { form.EkranSabitle(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)); }
    void Tik(int n = 1) { saat.Ilerle(10 * n); }
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
    // Parked and hidden until the first warning. Then every frame, sampled each 10 ms, is the
    // one the popup drew when three 10 ms timers stepped it (recorded from that version): 16
    // grow steps fading in (alphas above 255 left out) with the texts hidden, the texts at
    // 170 ms, the hold of eight seconds, 17 shrink steps fading out, hidden at 8350 ms. The
    // background fills the window at every step. A hold runs again while the pointer rests on
    // the popup, and one that finds it gone ends its run.
    void popupKareleriVeBekleme()
    {
        Duzenek d;
        QVERIFY(!d.form.isVisible());
        QVERIFY(!QGuiApplication::primaryScreen()->virtualGeometry().intersects(d.form.geometry()));
        QSize sekil(-1, -1);
        connect(&d.form, &MesajForm::SekilDegisti, [&](int w, int h) { sekil = QSize(w, h); });
        const char* durumlar[] = {"Park", "Buyuyor", "Bekliyor", "Kuculuyor", "Gizli"};
        QStringList kareler;
        auto kaydet = [&](int t) {
            const QRect g = d.form.geometry();
            const QString kare = QString::asprintf(
                "%s %s %d,%d %dx%d sekil %dx%d alfa %d metin %d", durumlar[int(d.form.durum())],
                d.form.isVisible() ? "gorunur" : "gizli", g.x(), g.y(), g.width(), g.height(),
                sekil.width(), sekil.height(), d.form.Alfa(), d.Metinler());
            if (kareler.isEmpty() || !kareler.last().endsWith(" " + kare))
                kareler << QString::number(t) + " " + kare;
            if (d.form.isVisible())
                QCOMPARE(d.form.BgImage->geometry(), d.form.rect());
        };
        d.Goster();
        kaydet(0);
        for (int t = 10; t <= 8400; t += 10) {
            d.Tik();
            kaydet(t);
        }
        // Each 10 ms of the growth and the shrinking is a step of its own; the steps between those
        // below follow the popup's arithmetic, tested without a display.
        QCOMPARE(kareler.size(), 37);
        static const QRegularExpression ornek(
            QStringLiteral("^(0|10|20|120|130|160|170|8170|8180|8210|8220|8330|8340|8350) "));
        QCOMPARE(kareler.filter(ornek).join('\n') + '\n',
                 QString::fromUtf8(R"(0 Buyuyor gizli 1713,1040 133x79 sekil -1x-1 alfa 0 metin 0
10 Buyuyor gorunur 1741,959 137x81 sekil 138x82 alfa 20 metin 0
20 Buyuyor gorunur 1739,957 141x83 sekil 142x84 alfa 40 metin 0
120 Buyuyor gorunur 1719,927 181x107 sekil 182x108 alfa 240 metin 0
130 Buyuyor gorunur 1717,923 185x109 sekil 186x110 alfa 240 metin 0
160 Buyuyor gorunur 1711,914 197x116 sekil 198x117 alfa 240 metin 0
170 Bekliyor gorunur 1711,914 197x116 sekil 198x117 alfa 240 metin 4
8170 Kuculuyor gorunur 1711,914 197x116 sekil 198x117 alfa 240 metin 0
8180 Kuculuyor gorunur 1713,917 193x114 sekil 194x115 alfa 240 metin 0
8210 Kuculuyor gorunur 1719,927 181x107 sekil 182x108 alfa 240 metin 0
8220 Kuculuyor gorunur 1721,930 177x104 sekil 178x105 alfa 220 metin 0
8330 Kuculuyor gorunur 1743,961 133x79 sekil 134x80 alfa 0 metin 0
8340 Kuculuyor gorunur 1745,964 129x76 sekil 130x77 alfa 0 metin 0
8350 Gizli gizli 1745,964 129x76 sekil 130x77 alfa 0 metin 0
)"));
        QVERIFY(d.ana.cagrilar.isEmpty());

        d.Goster();
        d.Tik(17);
        QCOMPARE(d.form.mask().boundingRect(), QRect(0, 0, 197, 116)); // the rounded shape
        d.imlec.konum = QPoint(1800, 970);
        d.Tik(3 * 800 + 400);
        d.imlec.konum = QPoint(1711, 970); // on the left edge: outside
        d.Tik(399);
        QCOMPARE(d.form.durum(), MesajForm::Durum::Bekliyor); // that hold runs to its end
        d.Tik();
        QCOMPARE(d.form.durum(), MesajForm::Durum::Kuculuyor);
    }

    // A screen reader hears the warning as it appears, as one sentence, from a notification;
    // the user's own window keeps the focus.
    void popupDuyurulur()
    {
        static QList<std::pair<QAccessible::Event, QObject*>> olaylar;
        olaylar.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* olay) {
            olaylar.append({olay->type(), olay->object()});
        });
        // Qt tells of changes only while some listens; the offscreen platform has none.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QWidget kullanicininPenceresi;
        kullanicininPenceresi.show();
        kullanicininPenceresi.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&kullanicininPenceresi));
        Duzenek d;
        d.form.Goster("Öğle Vaktine ", "15 Dakika ", " kaldı.");
        const std::pair<QAccessible::Event, QObject*> duyuru{QAccessible::Alert, &d.form};
        QVERIFY(!olaylar.contains(duyuru)); // not before it shows
        d.Tik();
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QCOMPARE(olaylar.count(duyuru), 1);
        QAccessibleInterface* erisim = QAccessible::queryAccessibleInterface(&d.form);
        QVERIFY(erisim);
        QCOMPARE(erisim->role(), QAccessible::Notification);
        QCOMPARE(erisim->text(QAccessible::Name), QStringLiteral("Öğle Vaktine 15 Dakika kaldı."));
        QCOMPARE(QApplication::activeWindow(), &kullanicininPenceresi);
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
            QVERIFY(d.Metinler() == 0);
            QCOMPARE(d.ana.cagrilar.join(' '), QString(hangi ? "SayfaAc(0) Goster" : ""));
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
            d.saat.Ilerle(bekleme);
            d.Goster("10 Dakika");
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

    // The menu as the icon pops it up at the pointer, its items in order with their captions,
    // each chosen with the mouse while the popup grows. "Ezanı Durdur" is greyed out until the
    // sound watcher says a sound plays. "Çıkış", the last item: the main window (which takes
    // the icon down), the menu, the add-location dialog and the popup, in this order, then the
    // end; nothing moves after.
    void menu()
    {
        // Each opens the page its caption names.
        const std::tuple<int, bool, const char*> ogeler[] = {
            {0, false, "SayfaAc(0) Goster"},
            {2, false, "SayfaAc(1) Goster"},
            {3, false, "SayfaAc(4) Goster"},
            {4, false, "SayfaAc(2) Goster"},
            {5, false, "SayfaAc(3) Goster"},
            {6, false, ""},
            {6, true, "SesiDurdur"},
            {8, false, "AnaFormKapat EkleFormKapat ProgramiBitir -popup"}};
        for (const auto& [oge, sesCaliyor, cagrilar] : ogeler) {
            Duzenek d;
            TepsiMenusu m(d.ana);
            m.setMesajForm(&d.form);
            d.ana.popup = &d.form;
            d.Goster();
            d.Tik(10);
            m.SessizEtkin(sesCaliyor);
            QMenu* menu = m.Menu();
            QStringList basliklar;
            for (const QAction* a : menu->actions())
                basliklar << (a->isSeparator() ? "-"
                                               : a->text() + (a->isEnabled() ? "" : " (sönük)"));
            QCOMPARE(
                basliklar.join('|'),
                QStringLiteral("Dax Orvanel'yi Aç|-|Bölgesel Ayarlar|Dini Günler|Genel Ayarlar|"
                               "Hakkında|Ezanı Durdur%1|-|Çıkış")
                    .arg(sesCaliyor ? "" : " (sönük)"));
            menu->popup(QPoint(100, 100));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            QCOMPARE(menu->pos(), QPoint(100, 100));
            const QRect yer = menu->actionGeometry(menu->actions().at(oge));
            QTest::mouseClick(menu, Qt::LeftButton, {}, yer.center());
            QCOMPARE(d.ana.cagrilar.join(' '), QString(cagrilar));
            d.Tik(100); // the popup grows on, unless the program ended
            QCOMPARE(d.form.isVisible(), oge != 8);
        }
    }

    // The icon carries the menu it is given. Hide, the end of the object and the end of the
    // application take the icon away. Of the icon's clicks only a left one is the program's (a
    // double click's first click brings it; the icon opens its menu itself).
    void simge()
    {
        SahteTepsi tepsi;
        QStringList olaylar;
        QMenu menu;
        {
            NotifyIcon n(nullptr, &tepsi);
            n.setContextMenu(&menu);
            QCOMPARE(tepsi.menu, &menu);
            n.Show();
            n.Hide();
            n.Show();
            connect(&n, &NotifyIcon::Click, [&] { olaylar << "Click"; });
            for (auto neden : {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick,
                               QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick})
                emit tepsi.Etkinlesti(neden);
        }
        NotifyIcon n(nullptr, &tepsi);
        n.Show();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        qApp->exec(); // emits aboutToQuit on the way out
        QCOMPARE(tepsi.gosterimler, QList<bool>({true, false, true, false, true, false}));
        QCOMPARE(olaylar, QStringList({"Click"}));
    }
};

QTEST_MAIN(tst_Notify)
#include "tst_Notify.moc"
