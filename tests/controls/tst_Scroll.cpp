#include "controls/gui/Buton.h"
#include "controls/gui/Scroll.h"

#include "support/FareSurucu.h"
#include "KontrolDuzenegi.h"

#include <QMetaProperty>
#include <QTest>

namespace {

const QColor IzRengi(200, 200, 200);

} // namespace

class tst_Scroll : public QObject
{
    Q_OBJECT

private:
    // A 17 x 200 pixel bar (H = 3000 twips) with the default 17-pixel arrows (U = D = 255)
    // and a 20-pixel thumb (t = 300): red normal, blue hover, green pressed.
    struct Duzenek : KontrolDuzenegi
    {
        Scroll* s;

        Duzenek() : KontrolDuzenegi(QSize(100, 300))
        {
            s = new Scroll(&pencere, &imlec, &zaman);
            s->setGeometry(10, 10, 17, 200);
            baska = new QWidget(&pencere);
            baska->setGeometry(50, 10, 40, 40);
            s->setScrlArtPicture(DuzResim(IzRengi, QSize(17, 10)));
            s->setScrlNPicture(DuzResim(Qt::red, QSize(17, 20)));
            s->setScrlOPicture(DuzResim(Qt::blue, QSize(17, 20)));
            s->setScrlBPicture(DuzResim(Qt::green, QSize(17, 20)));
            QObject::connect(s, &Scroll::Change,
                             [this](SabitNokta& v) { olaylar << "Change " + v.toString(); });
            QObject::connect(s, &Scroll::Scrolled, [this] { olaylar << "Scrolled"; });
            QVERIFY(Goster(s));
        }

        // Values reported by Change, in order.
        QStringList Degerler() const
        {
            QStringList d;
            for (const QString& o : olaylar)
                if (o.startsWith("Change "))
                    d << o.mid(7);
            return d;
        }
        QColor Piksel(int y) { return s->grab().toImage().pixelColor(8, y); }
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void adiylaAyarlanirKendiKendineKipirdamaz()
    {
        SahteZamanKaynagi zaman;
        SahteImlec imlec;
        Scroll s(nullptr, &imlec, &zaman);
        for (const char* ad : {"Enabled", "Min", "Max", "Value", "SmallChange", "LargeChange",
                               "ScrollHeight", "MouseInterval", "UnRefreshControl"})
            QVERIFY2(s.metaObject()->indexOfProperty(ad) >= 0, ad);
        // The hosting form sets them by name.
        QVERIFY(s.setProperty("Value", QVariant::fromValue(SabitNokta(7))));
        QCOMPARE(s.Value(), SabitNokta(7));
        // The repeat timers wait for a press: a new bar raises nothing by itself.
        int olay = 0;
        connect(&s, &Scroll::Scrolled, [&] { ++olay; });
        zaman.Ilerle(10000);
        QCOMPARE(olay, 0);
        QCOMPARE(s.Value(), SabitNokta(7));
    }

    void kaydiriciYeriOrnekteki1350()
    {
        Duzenek d;
        // Int(2190 * 49 / 99) + 255 = 1338 twips, up to 1350: pixel row 90.
        QCOMPARE(d.s->ScrlTop(), 1350);
        QCOMPARE(d.s->ScrlHeight(), 300);
        QCOMPARE(d.Piksel(89), IzRengi);
        QCOMPARE(d.Piksel(90), QColor(Qt::red));
        QCOMPARE(d.Piksel(109), QColor(Qt::red));
        QCOMPARE(d.Piksel(110), IzRengi);
        QCOMPARE(d.s->ScrlAs()->y(), 183);
    }

    void koddanDegerOlayVermez()
    {
        Duzenek d;
        d.s->setValue(250); // clamped by the placing
        QCOMPARE(d.s->Value(), SabitNokta(100));
        d.s->setValue(50);
        // Min above the value pulls the value up and moves the thumb.
        d.s->setMin(60);
        QCOMPARE(d.s->Value(), SabitNokta(60));
        QCOMPARE(d.s->ScrlTop(), 255);
        // Max alone only stores.
        d.s->setMax(200);
        QCOMPARE(d.s->ScrlTop(), 255);
        QCOMPARE(d.s->Value(), SabitNokta(60));
        QCOMPARE(d.olaylar, QStringList());
    }

    void suruklemeUclardaMinVeMax()
    {
        Duzenek d;
        FareSurucu::Bas(d.s, QPoint(8, 95)); // on the thumb
        QVERIFY(d.s->Surukleniyor());
        QCOMPARE(d.s->ScrlGosterilen(), Resim(d.s->ScrlGosterilen())); // shown picture
        QCOMPARE(d.Piksel(95), QColor(Qt::green));
        QCOMPARE(d.olaylar, QStringList()); // the press alone changes nothing

        FareSurucu::Tasi(d.s, QPoint(8, -40)); // above the up arrow, outside the bar
        QCOMPARE(d.s->Value(), SabitNokta(1));
        QCOMPARE(d.s->ScrlTop(), 255);
        FareSurucu::Tasi(d.s, QPoint(8, 400)); // below the down arrow
        QCOMPARE(d.s->Value(), SabitNokta(100));
        QCOMPARE(d.s->ScrlTop(), 2445);
        // y = 100 px = 1500 twips: top 255 + 1245 - 150 = 1350, value Int(50.5) = 50.
        FareSurucu::Tasi(d.s, QPoint(8, 100));
        QCOMPARE(d.s->Value(), SabitNokta(50));
        // y 101 px: top 1365, Int(1 + 1110 * 99 / 2190) = 51.
        FareSurucu::Tasi(d.s, QPoint(8, 101));
        QCOMPARE(d.s->ScrlTop(), 1365);
        QCOMPARE(d.olaylar, QStringList({"Change 1", "Scrolled", "Change 100", "Scrolled",
                                         "Change 50", "Scrolled", "Change 51", "Scrolled"}));

        FareSurucu::Birak(d.s, QPoint(8, 101));
        QVERIFY(!d.s->Surukleniyor());
        // Placed again from the value: Int(2190 * 50 / 99) + 255 = 1361, up to 1365.
        QCOMPARE(d.s->ScrlTop(), 1365);
        QCOMPARE(d.Piksel(95), QColor(Qt::red));
    }

    void okTekrariIlkOnce320SonraHer20ms()
    {
        Duzenek d;
        FareSurucu::Bas(d.s->ScrlYk(), QPoint(8, 8));
        QCOMPARE(d.Degerler(), QStringList({"49"}));
        QCOMPARE(d.olaylar, QStringList({"Change 49", "Scrolled"}));
        d.zaman.Ilerle(319);
        QCOMPARE(d.Degerler().size(), 1);
        d.zaman.Ilerle(1); // 320 ms after the press
        QCOMPARE(d.Degerler(), QStringList({"49", "48"}));
        d.zaman.Ilerle(19);
        QCOMPARE(d.Degerler().size(), 2);
        d.zaman.Ilerle(1); // then every 20 ms
        QCOMPARE(d.Degerler().size(), 3);
        d.zaman.Ilerle(100);
        QCOMPARE(d.s->Value(), SabitNokta(42));
        FareSurucu::Birak(d.s->ScrlYk(), QPoint(8, 8));
        d.zaman.Ilerle(1000);
        QCOMPARE(d.s->Value(), SabitNokta(42));

        // At the end of the range the value stays clamped while the events keep coming.
        d.olaylar.clear();
        d.s->setValue(99);
        FareSurucu::Bas(d.s->ScrlAs(), QPoint(8, 8));
        d.zaman.Ilerle(360);
        FareSurucu::Birak(d.s->ScrlAs(), QPoint(8, 8));
        QCOMPARE(d.Degerler(), QStringList({"100", "100", "100", "100"}));

        // Another MouseInterval: the first repeat after it plus 300 ms, then at its pace.
        d.olaylar.clear();
        d.s->setValue(50);
        d.s->setMouseInterval(50);
        FareSurucu::Bas(d.s->ScrlAs(), QPoint(8, 8));
        d.zaman.Ilerle(349);
        QCOMPARE(d.Degerler().size(), 1);
        d.zaman.Ilerle(1);
        QCOMPARE(d.Degerler().size(), 2);
        d.zaman.Ilerle(49);
        QCOMPARE(d.Degerler().size(), 2);
        d.zaman.Ilerle(1);
        QCOMPARE(d.Degerler(), QStringList({"51", "52", "53"}));
        FareSurucu::Birak(d.s->ScrlAs(), QPoint(8, 8));
    }

    void okaCiftTiklamakIkiKezAdimlar()
    {
        Duzenek d;
        FareSurucu::CiftTikla(d.s->ScrlAs(), QPoint(8, 8));
        QCOMPARE(d.Degerler(), QStringList({"51", "52"}));
        d.zaman.Ilerle(1000); // released: no repeat
        QCOMPARE(d.s->Value(), SabitNokta(52));
    }

    void kapaliykenOkBirKezAdimlarBaskaHicbirSey()
    {
        Duzenek d;
        d.s->setEnabled(false);
        FareSurucu::Bas(d.s->ScrlAs(), QPoint(8, 8));
        d.zaman.Ilerle(1000);
        FareSurucu::Birak(d.s->ScrlAs(), QPoint(8, 8));
        QCOMPARE(d.Degerler(), QStringList({"51"}));

        // Neither dragging nor a track press moves it.
        FareSurucu::Bas(d.s, QPoint(8, 97));
        FareSurucu::Tasi(d.s, QPoint(8, 10));
        FareSurucu::Tasi(d.s, QPoint(8, 190));
        FareSurucu::Birak(d.s, QPoint(8, 190));
        FareSurucu::Bas(d.s, QPoint(8, 170));
        d.zaman.Ilerle(1000);
        FareSurucu::Birak(d.s, QPoint(8, 170));
        QCOMPARE(d.Degerler(), QStringList({"51"}));
        QCOMPARE(d.s->Value(), SabitNokta(51));
    }

    void izeBasmakKaydiriciyaKadarSayfalar()
    {
        Duzenek d;
        // y = 150 px = 2250 twips, below the thumb (1350 to 1650).
        FareSurucu::Bas(d.s, QPoint(8, 150));
        QCOMPARE(d.Degerler(), QStringList({"60"}));
        QVERIFY(!d.s->Surukleniyor());
        d.zaman.Ilerle(319);
        QCOMPARE(d.Degerler().size(), 1);
        d.zaman.Ilerle(1);
        QCOMPARE(d.Degerler(), QStringList({"60", "70"}));
        // At 80 the thumb (2010 to 2310 twips) covers the pointer: paging stops there.
        d.zaman.Ilerle(1000);
        QCOMPARE(d.Degerler(), QStringList({"60", "70", "80"}));
        FareSurucu::Birak(d.s, QPoint(8, 150));
        QCOMPARE(d.olaylar.size(), 6); // each Change followed by Scrolled

        // Upwards it ends exactly at Min.
        d.olaylar.clear();
        d.s->setValue(50);
        FareSurucu::Bas(d.s, QPoint(8, 20));
        d.zaman.Ilerle(2000);
        FareSurucu::Birak(d.s, QPoint(8, 20));
        QCOMPARE(d.Degerler(), QStringList({"40", "30", "20", "10", "1"}));

        // Downwards it ends exactly at Max.
        d.olaylar.clear();
        d.s->setValue(50);
        d.s->setLargeChange(30);
        FareSurucu::Bas(d.s, QPoint(8, 182));
        d.zaman.Ilerle(2000);
        FareSurucu::Birak(d.s, QPoint(8, 182));
        QCOMPARE(d.Degerler(), QStringList({"80", "100"}));
        QCOMPARE(d.s->ScrlTop(), 2445);
    }

    void changeIsleyicisiDegeriDegistirebilir()
    {
        Duzenek d;
        connect(d.s, &Scroll::Change, [](SabitNokta& v) {
            if (v == SabitNokta(49))
                v = 10;
        });
        FareSurucu::Bas(d.s->ScrlYk(), QPoint(8, 8));
        FareSurucu::Birak(d.s->ScrlYk(), QPoint(8, 8));
        QCOMPARE(d.s->Value(), SabitNokta(10));
        // Int(2190 * 9 / 99) + 255 = 454, up to 465.
        QCOMPARE(d.s->ScrlTop(), 465);
    }

    void imlecAyrilincaKaydiriciNormaleDoner()
    {
        Duzenek d;
        FareSurucu::Tasi(d.s, QPoint(8, 40)); // over the track, no button
        QCOMPARE(d.Piksel(95), QColor(Qt::blue));
        d.zaman.Ilerle(100); // still over it
        QCOMPARE(d.Piksel(95), QColor(Qt::blue));
        d.imlec.alti = d.s->ScrlYk(); // an arrow is a window of its own
        d.zaman.Ilerle(Scroll::TimerOverAraligi);
        QCOMPARE(d.Piksel(95), QColor(Qt::red));

        // While dragging the thumb keeps its pressed picture wherever the pointer is.
        d.imlec.alti = d.s;
        FareSurucu::Bas(d.s, QPoint(8, 95));
        d.imlec.alti = d.baska;
        d.zaman.Ilerle(100);
        QCOMPARE(d.Piksel(95), QColor(Qt::green));
        FareSurucu::Birak(d.s, QPoint(8, 95));
        QCOMPARE(d.Piksel(95), QColor(Qt::red));
    }

    void kapaliVeYenilenmeyenCubukKaydiriciyiUsteParkeder()
    {
        Duzenek d;
        d.s->setEnabled(false);
        QCOMPARE(d.s->ScrlTop(), 1350); // redrawn on every paint: thumb where the value says
        d.s->setUnRefreshControl(false);
        QCOMPARE(d.s->ScrlTop(), 255);
        QCOMPARE(d.Piksel(17), QColor(Qt::red));
        d.s->setEnabled(true);
        QCOMPARE(d.s->ScrlTop(), 1350);
    }

    void yerlesim()
    {
        Duzenek d;
        // Never lower than 800 twips.
        d.s->resize(17, 20);
        QCOMPARE(d.s->height(), 54);
        QVERIFY(d.s->height() * 15 >= 800);
        QCOMPARE(d.s->ScrlAs()->y(), 54 - 17);
        // The width follows the up arrow; the thumb height follows its picture.
        d.s->resize(17, 200);
        d.s->setScrlYkPicture(DuzResim(Qt::darkGray, QSize(23, 19)));
        d.s->setScrlAsPicture(DuzResim(Qt::darkGray, QSize(23, 19)));
        QCOMPARE(d.s->width(), 23);
        QCOMPARE(d.s->ScrlAs()->y(), 200 - 19);
        d.s->setScrlPicture(DuzResim(Qt::red, QSize(23, 30)));
        QCOMPARE(d.s->ScrlHeight(), 450);
        // R = 3000 - 285 - 285 - 450 = 1980: Int(1980 * 49 / 99) + 285 = 1265, up to 1275.
        QCOMPARE(d.s->ScrlTop(), 1275);
        d.s->setScrollHeight(300);
        QCOMPARE(d.s->ScrollHeight(), 255);
    }
};

QTEST_MAIN(tst_Scroll)
#include "tst_Scroll.moc"
