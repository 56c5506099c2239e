// The list control offscreen as the place list uses it: real mouse and key events through the
// window, the picture it paints read back with grab(). Only the scrollbar's pointer and timers
// are pretend ones, so that no arrow repeats on its own.
#include "controls/MetinListesi.h"
#include "controls/gui/Buton.h"
#include "controls/gui/ListBox.h"
#include "controls/gui/Scroll.h"

#include "support/FareSurucu.h"
#include "support/SahteImlec.h"
#include "support/SahteZaman.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

namespace {

// A source that notes which rows the control asked to draw.
class SayanListe : public MetinListesi
{
public:
    QString Sutun(int satir, int sutun) const override
    {
        if (sutun == 0)
            cizilen << satir;
        return MetinListesi::Sutun(satir, sutun);
    }
    mutable QList<int> cizilen;
};

// Counts the paint events a widget receives, from the moment its first paints are done.
class BoyaSayaci : public QObject
{
public:
    explicit BoyaSayaci(QWidget* w)
    {
        w->installEventFilter(this);
        QTest::qWait(20);
        sayi = 0;
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++sayi;
        return false;
    }
    int sayi = 0;
};

const QColor Beyaz(Qt::white);

} // namespace

class tst_ListBox : public QObject
{
    Q_OBJECT

private:
    // A window holding the main window's list at (10, 10), five rows high (plus the 4 pixels
    // that make the sixth row partly visible), rows "S1".."Sn", every event written down.
    struct Duzenek
    {
        SahteImlec imlec;
        SahteZamanKaynagi zaman;
        SayanListe kaynak;
        QWidget pencere;
        ListBox* lb;
        QStringList olaylar;

        explicit Duzenek(int n)
        {
            pencere.resize(240, 400);
            lb = new ListBox(&pencere, &imlec, &zaman);
            lb->DbDegerleriniUygula();
            QFont yazi(QStringLiteral("DejaVu Sans"));
            yazi.setPixelSize(12);
            lb->setFont(yazi);
            lb->setGeometry(10, 10, 220, 5 * lb->SatirYuksekligi() + 4);
            for (int i = 1; i <= n; ++i)
                kaynak.Ekle({{QStringLiteral("S%1").arg(i), QStringLiteral("Şehir %1").arg(i)}});
            lb->setKaynak(&kaynak);
            QObject::connect(lb, &ListBox::ItemClick,
                             [this](int s) { olaylar << QStringLiteral("ItemClick %1").arg(s); });
            QObject::connect(lb, &ListBox::Scrolled, [this] { olaylar << "Scrolled"; });
            QObject::connect(lb, &ListBox::AktifChange,
                             [this](int a) { olaylar << QStringLiteral("AktifChange %1").arg(a); });
            QObject::connect(lb, &ListBox::KeyDown, [this](int tus, Qt::KeyboardModifiers) {
                olaylar << QStringLiteral("KeyDown %1").arg(QKeySequence(tus).toString());
            });
            QObject::connect(
                lb, &ListBox::MouseUp,
                [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { olaylar << "MouseUp"; });
            pencere.show();
            QVERIFY(QTest::qWaitForWindowExposed(&pencere));
            lb->setFocus();
        }

        int rh() const { return lb->SatirYuksekligi(); }
        // The middle of the k-th visible row (k from 0).
        QPoint Orta(int k) const { return QPoint(40, k * rh() + rh() / 2); }
        void Tikla(int k)
        {
            FareSurucu::Bas(lb, Orta(k));
            FareSurucu::Birak(lb, Orta(k));
        }
        QImage Resim() const { return lb->grab().toImage(); }
        void Teker(int adim)
        {
            QWheelEvent e(QPointF(20, 20), lb->mapToGlobal(QPointF(20, 20)), QPoint(),
                          QPoint(0, adim), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(lb, &e);
        }
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void tiklamaVeCiftTiklama()
    {
        Duzenek d(6);
        d.Tikla(4);
        QCOMPARE(d.lb->SelectedItem(), 5);
        // ItemClick comes before the selection changes; a click below the last row hits it.
        d.olaylar.clear();
        Duzenek kisa(3);
        kisa.Tikla(4);
        QCOMPARE(kisa.lb->SelectedItem(), 3);
        QCOMPARE(kisa.olaylar, QStringList({"ItemClick 3", "MouseUp"}));

        // A double click makes the row active, once; a right-button one does not.
        d.olaylar.clear();
        FareSurucu::CiftTikla(d.lb, d.Orta(2));
        QCOMPARE(d.lb->Aktif(), 3);
        QCOMPARE(d.olaylar.filter("AktifChange"), QStringList({"AktifChange 3"}));
        d.olaylar.clear();
        QTest::mouseDClick(FareSurucu::Pencere(d.lb), Qt::RightButton, {},
                           FareSurucu::Konum(d.lb, d.Orta(4)));
        QCOMPARE(d.lb->Aktif(), 3);
        QVERIFY(d.olaylar.filter("AktifChange").isEmpty());
    }

    // 8000 rows come in one refill: one paint, only the rows in view (plus the cut one) are
    // drawn, and the active row is scrolled into view.
    void dolumTekBoyamaGorunenSatirlar()
    {
        Duzenek d(0);
        BoyaSayaci sayac(d.lb);
        for (int i = 1; i <= 8000; ++i)
            d.kaynak.Ekle({{QStringLiteral("S%1").arg(i)}});
        d.lb->KaynakDegisti();
        d.lb->setAktif(6817);
        QVERIFY(QTest::qWaitFor([&] { return sayac.sayi >= 1; }));
        QTest::qWait(50);
        QCOMPARE(sayac.sayi, 1);
        QVERIFY(d.lb->TopIndex() <= 6817 && 6817 < d.lb->TopIndex() + d.lb->Gorunen());
        QCOMPARE(d.lb->ScrollValue(), d.lb->TopIndex());
        QCOMPARE(d.lb->VS()->Max(), SabitNokta(8000 - 4));

        d.kaynak.cizilen.clear();
        d.lb->setTopIndex(20);
        d.Resim();
        QCOMPARE(d.kaynak.cizilen, QList<int>({20, 21, 22, 23, 24, 25}));
    }

    // The selected row: filled from 2 pixels below its top to 1 below its bottom, framed just
    // outside, short of the scrollbar; the active row in its own colour.
    void seciliVeAktifSatirRenkleri()
    {
        Duzenek d(6);
        d.lb->setAktif(4);
        d.Tikla(1);
        const int rh = d.rh();
        const QColor sel = d.lb->SelColor(), cerceve = d.lb->BorderSelColor();
        const QImage r = d.Resim();
        QCOMPARE(r.pixelColor(0, 0), d.lb->BorderColor());
        QCOMPARE(r.pixelColor(3, rh + 1), cerceve);
        QCOMPARE(r.pixelColor(3, rh + 2), sel);
        QCOMPARE(r.pixelColor(3, 2 * rh + 1), cerceve);
        QCOMPARE(r.pixelColor(3, 2 * rh + 2), Beyaz);
        const int scrollSolu = d.lb->VS()->x();
        QCOMPARE(r.pixelColor(scrollSolu - 3, rh + 5), sel);
        QCOMPARE(r.pixelColor(scrollSolu - 2, rh + 5), cerceve);
        QCOMPARE(r.pixelColor(scrollSolu - 1, rh + 5), Beyaz);
        // Ink of the active row's text is its colour (dark red), not black.
        int kirmizi = 0, siyah = 0;
        for (int y = 3 * rh; y < 4 * rh; ++y) {
            for (int x = 7; x < 60; ++x) {
                const QColor c = r.pixelColor(x, y);
                kirmizi += c.red() > 120 && c.green() < 60;
                siyah += c.red() < 60 && c.green() < 60 && c.blue() < 60;
            }
        }
        QVERIFY(kirmizi > 0 && siyah == 0);
    }

    void tuslar()
    {
        Duzenek d(20);
        d.Tikla(0);
        d.olaylar.clear();
        QTest::keyClick(d.lb, Qt::Key_Down);
        QCOMPARE(d.lb->SelectedItem(), 2);
        QCOMPARE(d.olaylar, QStringList({"Scrolled", "KeyDown Down"}));
        QTest::keyClick(d.lb, Qt::Key_PageDown);
        QCOMPARE(d.lb->SelectedItem(), 6);
        QCOMPARE(d.lb->TopIndex(), 2);
        QCOMPARE(d.lb->ScrollValue(), 2);
        // A disabled list takes no keys.
        d.lb->setEnabled(false);
        QTest::keyClick(d.lb, Qt::Key_End);
        QCOMPARE(d.lb->SelectedItem(), 6);
    }

    void kaydirmaCubuguVeTeker()
    {
        Duzenek d(20);
        QCOMPARE(d.lb->VS()->Max(), SabitNokta(16));
        d.olaylar.clear();
        Buton* asagi = d.lb->VS()->ScrlAs();
        FareSurucu::Bas(asagi, QPoint(5, 5));
        FareSurucu::Birak(asagi, QPoint(5, 5));
        QCOMPARE(d.lb->TopIndex(), 2);
        QCOMPARE(d.olaylar, QStringList({"Scrolled"}));
        // A value set from code scrolls too, but raises nothing.
        d.olaylar.clear();
        d.lb->setScrollValue(9);
        QCOMPARE(d.lb->TopIndex(), 9);
        QCOMPARE(d.olaylar, QStringList());

        d.Teker(-120);
        QCOMPARE(d.lb->TopIndex(), 12);
        QCOMPARE(d.lb->ScrollValue(), 12);
        QCOMPARE(d.olaylar, QStringList({"Scrolled"}));
        // Touchpads and fine wheels send small steps: they add up to a notch, never lost.
        for (int i = 0; i < 8; ++i)
            d.Teker(30);
        QCOMPARE(d.lb->TopIndex(), 6); // 240 = two notches of three rows up
    }

    // Scrolling to "row 0" while drawing is suspended keeps the list whole: the next picture
    // starts at the first row.
    void askidaykenTopIndexSifir()
    {
        Duzenek d(20);
        d.lb->setUnRefreshControl(true);
        d.lb->setTopIndex(0);
        QVERIFY(!d.Resim().isNull()); // a paint while suspended
        d.lb->setUnRefreshControl(false);
        QCOMPARE(d.lb->TopIndex(), 1);
    }
};

QTEST_MAIN(tst_ListBox)
#include "tst_ListBox.moc"
