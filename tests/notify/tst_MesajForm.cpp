#include "SahteAnaPencere.h"
#include "support/FareSurucu.h"
#include "support/SahteImlec.h"
#include "support/SahteZaman.h"
#include "controls/gui/Buton.h"
#include "notify/gui/MesajForm.h"
#include "platform/gui/ZamanlayiciKaynagi.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QTest>

namespace {

// The offscreen platform has no window shapes, opacity or stacking; the popup's own records
// of them are what the tests read.
QtMessageHandler oncekiIsleyici = nullptr;
void UyarilariSuz(QtMsgType tur, const QMessageLogContext& baglam, const QString& metin)
{
    if (metin.startsWith(QStringLiteral("This plugin does not support")))
        return;
    oncekiIsleyici(tur, baglam, metin);
}

// The popup on a pretend clock and pointer, on a 1920 x 1080 screen with a 40-pixel panel
// along the bottom.
struct Duzenek
{
    SahteZamanKaynagi zaman;
    SahteImlec imlec;
    SahteAnaPencere ana;
    MesajForm form{&ana, &zaman, &imlec};

    Duzenek()
    {
        imlec.konum = QPoint(10, 10); // far from the popup
        form.EkranSabitle(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040));
    }
    void Tik(int n = 1) { zaman.Ilerle(10 * n); }
    // Grow to full size: 17 ticks.
    void TamBoy(const QString& a = QStringLiteral("Öğle Vaktine "),
                const QString& b = QStringLiteral("15 Dakika"),
                const QString& c = QStringLiteral(" kaldı."))
    {
        form.Goster(a, b, c);
        Tik(17);
    }
    bool MetinlerGorunur() const
    {
        return form.BtnKapat->isVisibleTo(&form) && form.Mesaj1->isVisibleTo(&form) &&
               form.Sure->isVisibleTo(&form) && form.Mesaj2->isVisibleTo(&form);
    }
    bool MetinlerGizli() const
    {
        return !form.BtnKapat->isVisibleTo(&form) && !form.Mesaj1->isVisibleTo(&form) &&
               !form.Sure->isVisibleTo(&form) && !form.Mesaj2->isVisibleTo(&form);
    }
};

} // namespace

class tst_MesajForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        oncekiIsleyici = qInstallMessageHandler(UyarilariSuz);
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        qputenv("TZ", "Europe/Istanbul");
        tzset();
    }

    void tasarim()
    {
        Duzenek d;
        QCOMPARE(d.form.windowTitle(), QStringLiteral("Yeni Mesaj"));
        const Qt::WindowFlags f = d.form.windowFlags();
        QVERIFY(f.testFlag(Qt::FramelessWindowHint));
        QVERIFY(f.testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(f.testFlag(Qt::WindowDoesNotAcceptFocus));
        QVERIFY(d.form.testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(!d.form.MesajIcon->pixmap().isNull());
        // Some installed family has the Turkish letters of the texts.
        const QFontMetrics olcu(d.form.Sure->font());
        for (QChar c : QStringLiteral("ğĞıİşŞçÇöÖüÜ"))
            QVERIFY2(olcu.inFont(c), qPrintable(QString(c)));

        // Not shown before the first warning, and parked beyond the screen.
        QVERIFY(!d.form.isVisible());
        d.form.Park();
        QCOMPARE(d.form.durum(), MesajForm::Durum::Park);
        QCOMPARE(d.form.geometry().topLeft(), QPoint(1920 + 197 + 1, 1080 + 116 + 1));
        QVERIFY(!d.form.GosterTimer->isActive() && !d.form.BeklemeTimer->isActive() &&
                !d.form.GizleTimer->isActive());
    }

    void onYediTiktaTamBoyVeAlfa240()
    {
        Duzenek d;
        QList<int> alfalar;
        d.form.Goster(QStringLiteral("Öğle Vaktine "), QStringLiteral("15 Dakika"),
                      QStringLiteral(" kaldı."));
        QCOMPARE(d.form.Alfa(), 0);
        QVERIFY(d.MetinlerGizli());
        QVERIFY(!d.form.isVisible()); // placed, made visible by the first tick
        for (int tik = 1; tik <= 16; ++tik) {
            d.Tik();
            QVERIFY(d.form.isVisible());
            QCOMPARE(d.form.durum(), MesajForm::Durum::Buyuyor);
            QVERIFY(d.MetinlerGizli());
            QCOMPARE(d.form.BgImage->geometry(), d.form.rect()); // stretched every step
            alfalar << d.form.Alfa();
        }
        QCOMPARE(alfalar, (QList<int>{20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 220, 240, 240,
                                      240, 240, 240}));
        d.Tik(); // the 17th finishes
        QCOMPARE(d.form.durum(), MesajForm::Durum::Bekliyor);
        QVERIFY(!d.form.GosterTimer->isActive());
        QVERIFY(d.form.BeklemeTimer->isActive());
        QVERIFY(d.MetinlerGorunur());
        QCOMPARE(d.form.Alfa(), 240);
        QCOMPARE(d.form.windowOpacity(), 240 / 255.0);
        QCOMPARE(d.form.geometry(), QRect(1711, 914, 197, 116));
        QCOMPARE(d.form.Mesaj1->text(), QStringLiteral("Öğle Vaktine "));
        QCOMPARE(d.form.Sure->text(), QStringLiteral("15 Dakika"));
        QCOMPARE(d.form.Mesaj2->text(), QStringLiteral(" kaldı."));

        // The rounded shape covers the window but its corners.
        const QRegion sekil = d.form.mask();
        QCOMPARE(sekil.boundingRect(), QRect(0, 0, 197, 116));
        QVERIFY(!sekil.contains(QPoint(0, 0)));
        QVERIFY(!sekil.contains(QPoint(196, 115)));
        QVERIFY(sekil.contains(QPoint(98, 0)));
        QVERIFY(sekil.contains(QPoint(0, 58)));
    }

    void imlecUstundeykenBeklemeYenilenir()
    {
        Duzenek d;
        d.TamBoy();
        d.imlec.konum = QPoint(1800, 970);
        for (int i = 0; i < 5; ++i) {
            d.zaman.Ilerle(8000);
            QCOMPARE(d.form.durum(), MesajForm::Durum::Bekliyor);
            QVERIFY(d.MetinlerGorunur());
        }
        // Leaving half-way through a hold waits for that hold's end.
        d.zaman.Ilerle(4000);
        d.imlec.konum = QPoint(1711, 970); // on the left edge: outside
        d.zaman.Ilerle(3990);
        QCOMPARE(d.form.durum(), MesajForm::Durum::Bekliyor);
        d.zaman.Ilerle(10);
        QCOMPARE(d.form.durum(), MesajForm::Durum::Kuculuyor);
        QVERIFY(d.MetinlerGizli());
        QVERIFY(!d.form.BeklemeTimer->isActive());
    }

    void kuculmeSonundaGizlenir()
    {
        Duzenek d;
        d.TamBoy();
        d.zaman.Ilerle(8000);
        QCOMPARE(d.form.durum(), MesajForm::Durum::Kuculuyor);
        QList<int> alfalar;
        for (int tik = 1; tik <= 17; ++tik) {
            d.Tik();
            QVERIFY(d.form.isVisible());
            alfalar << d.form.Alfa();
        }
        QCOMPARE(alfalar, (QList<int>{240, 240, 240, 240, 220, 200, 180, 160, 140, 120, 100, 80, 60,
                                      40, 20, 0, 0}));
        d.Tik();
        QVERIFY(!d.form.isVisible());
        QCOMPARE(d.form.durum(), MesajForm::Durum::Gizli);
        QVERIFY(!d.form.GizleTimer->isActive());
        QCOMPARE(d.form.Animasyon().W(), 1940.0);
        QVERIFY(d.ana.cagrilar.isEmpty());
    }

    void kapatDugmesiBeklemeyiKeser()
    {
        Duzenek d;
        d.TamBoy();
        d.zaman.Ilerle(3000);
        FareSurucu::Bas(d.form.BtnKapat, QPoint(12, 12));
        FareSurucu::Birak(d.form.BtnKapat, QPoint(12, 12));
        QCOMPARE(d.form.durum(), MesajForm::Durum::Kuculuyor);
        QVERIFY(!d.form.BeklemeTimer->isActive());
        QVERIFY(d.MetinlerGizli());
        d.Tik(18);
        QVERIFY(!d.form.isVisible());
        QVERIFY(d.ana.cagrilar.isEmpty()); // the main window is left as it was
    }

    void metinTiklamasiAnaPencereyiAcar_data()
    {
        QTest::addColumn<int>("hangi");
        QTest::newRow("Mesaj1") << 0;
        QTest::newRow("Sure") << 1;
        QTest::newRow("Mesaj2") << 2;
    }
    void metinTiklamasiAnaPencereyiAcar()
    {
        QFETCH(int, hangi);
        Duzenek d;
        d.TamBoy();
        QLabel* etiket = QList<QLabel*>{d.form.Mesaj1, d.form.Sure, d.form.Mesaj2}[hangi];
        // A right click does nothing.
        FareSurucu::Bas(etiket, QPoint(40, 5), Qt::RightButton);
        FareSurucu::Birak(etiket, QPoint(40, 5), Qt::RightButton);
        QCOMPARE(d.form.durum(), MesajForm::Durum::Bekliyor);

        // Pressed on the text but released off it: no click.
        FareSurucu::Bas(etiket, QPoint(40, 5));
        FareSurucu::Birak(etiket, QPoint(40, 40));
        QCOMPARE(d.form.durum(), MesajForm::Durum::Bekliyor);

        FareSurucu::Bas(etiket, QPoint(40, 5));
        FareSurucu::Birak(etiket, QPoint(40, 5));
        QCOMPARE(d.form.durum(), MesajForm::Durum::Kuculuyor);
        QVERIFY(!d.form.BeklemeTimer->isActive());
        QCOMPARE(d.ana.cagrilar, (QStringList{QStringLiteral("Tablar_Click(0)"),
                                              QStringLiteral("Goster"), QStringLiteral("Yenile")}));
    }

    void uzunMetinKisaltilirBosSureGosterilir()
    {
        Duzenek d;
        d.TamBoy(QStringLiteral("Akşam Vaktine "), QString(), QStringLiteral(" kaldı."));
        QVERIFY(d.MetinlerGorunur());
        QVERIFY(d.form.Sure->text().isEmpty());
        QCOMPARE(d.form.Mesaj2->text(), QStringLiteral(" kaldı."));
        d.form.Gizle();

        const QString uzun = QStringLiteral("İkindi Vaktine ").repeated(6);
        d.TamBoy(uzun, QStringLiteral("1 Saat 5 Dakika"), QStringLiteral(" kaldı."));
        QCOMPARE(d.form.Mesaj1Metni(), uzun);
        QVERIFY(d.form.Mesaj1->text().startsWith(QStringLiteral("İkindi")));
        QVERIFY(d.form.Mesaj1->text().endsWith(QChar(0x2026)));
        QVERIFY(d.form.Mesaj1->fontMetrics().horizontalAdvance(d.form.Mesaj1->text()) <=
                d.form.Mesaj1->width());
        QCOMPARE(d.form.Sure->text(), QStringLiteral("1 Saat 5 Dakika"));
    }

    // A new warning while the popup grows, holds or shrinks stops the hold and the shrinking
    // and grows again from the start with the new texts.
    void yeniGosterBastanBuyur_data()
    {
        QTest::addColumn<int>("bekleme");
        QTest::addColumn<int>("tik");
        QTest::newRow("growing") << 0 << 5;
        QTest::newRow("held") << 7990 << 17;
        QTest::newRow("shrinking") << 8000 << 27;
    }
    void yeniGosterBastanBuyur()
    {
        QFETCH(int, bekleme);
        QFETCH(int, tik);
        Duzenek d;
        d.form.Goster(QStringLiteral("Öğle Vaktine "), QStringLiteral("15 Dakika"),
                      QStringLiteral(" kaldı."));
        d.Tik(tik);
        d.zaman.Ilerle(bekleme);
        d.form.Goster(QStringLiteral("İkindi Vaktine "), QStringLiteral("10 Dakika"),
                      QStringLiteral(" kaldı."));
        QVERIFY(!d.form.BeklemeTimer->isActive() && !d.form.GizleTimer->isActive());
        QVERIFY(d.MetinlerGizli());
        QCOMPARE(d.form.Animasyon().W(), 2000.0);
        QCOMPARE(d.form.Alfa(), 0);
        d.Tik(16);
        QCOMPARE(d.form.durum(), MesajForm::Durum::Buyuyor);
        d.Tik();
        QCOMPARE(d.form.durum(), MesajForm::Durum::Bekliyor);
        QCOMPARE(d.form.geometry(), QRect(1711, 914, 197, 116));
        QCOMPARE(d.form.Sure->text(), QStringLiteral("10 Dakika"));
    }

    void gizlendiktenSonraYenidenGosterilir()
    {
        Duzenek d;
        d.TamBoy();
        d.zaman.Ilerle(8000);
        d.Tik(18);
        QCOMPARE(d.form.durum(), MesajForm::Durum::Gizli);
        d.TamBoy(QStringLiteral("Akşam Vaktine "));
        QCOMPARE(d.form.durum(), MesajForm::Durum::Bekliyor);
        QVERIFY(d.form.isVisible());
        QCOMPARE(d.form.Alfa(), 240);
    }

    // The popup at full size, drawn offscreen, for review next to the desktop screenshot.
    void goruntu()
    {
        Duzenek d;
        d.TamBoy();
        const QImage resim = d.form.grab().toImage();
        QCOMPARE(resim.size(), QSize(197, 116) * resim.devicePixelRatio());
        QDir().mkpath(QStringLiteral(ORVANEL_BINARY_DIR "/screenshots"));
        QVERIFY(resim.save(QStringLiteral(ORVANEL_BINARY_DIR "/screenshots/popup_offscreen.png")));
    }
};

QTEST_MAIN(tst_MesajForm)
#include "tst_MesajForm.moc"
