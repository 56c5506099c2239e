// The picture button and the place list with its scrollbar, offscreen, as the windows use
// them: real mouse, wheel and key events through the window, the pictures they paint read back
// with grab(). The pointer and the timers are pretend ones, so that nothing moves on its own,
// except in the one test that uses the real ones.
#include "controls/MetinListesi.h"
#include "controls/gui/Buton.h"
#include "controls/gui/ListBox.h"
#include "controls/gui/Scroll.h"

#include "support/FareSurucu.h"
#include "support/SahteImlec.h"
#include "support/SahteZaman.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace {

Resim Duz(const QColor& renk, QSize boyut = QSize(40, 20))
{
    QPixmap p(boyut);
    p.fill(renk);
    return p;
}

// One window holding a 40 x 20 button whose picture sets 0 and 1 are solid colours, and the
// main window's list, five rows high (plus the 4 pixels that make the sixth row partly
// visible) with rows "S1".."Sn", its scrollbar's track grey and its thumb red, blue under the
// pointer, green when pressed. The button's signals are written down as "d" pressed, "u"
// released and "c<set>" clicked.
struct Duzenek
{
    SahteImlec imlec;
    SahteZamanKaynagi zaman;
    MetinListesi kaynak;
    // Before the window: a button still down when the window goes reports its release.
    QStringList olaylar;
    QWidget pencere;
    Buton* b;
    ListBox* lb = new ListBox(&pencere, &imlec, &zaman);
    Scroll* vs = lb->VS();
    int rh = 0;

    explicit Duzenek(int satir = 20, int enYuksek = 1) : b(new Buton(&pencere))
    {
        pencere.resize(240, 300);
        b->setGeometry(10, 200, 40, 20);
        b->setButtonEvents(enYuksek);
        const char* adlar[] = {"PictureNormal",  "PictureDown",  "PictureOver",
                               "Picture2Normal", "Picture2Down", "Picture2Over"};
        const QColor renkler[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow};
        for (int i = 0; i < 6; ++i)
            b->setProperty(adlar[i], QVariant::fromValue(Duz(renkler[i])));
        QObject::connect(b, &Buton::pressed, [this] { olaylar << "d"; });
        QObject::connect(b, &Buton::released, [this] { olaylar << "u"; });
        QObject::connect(b, &Buton::clicked,
                         [this] { olaylar << "c" + QString::number(b->CurrentEvent()); });

        lb->DbDegerleriniUygula();
        lb->setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        rh = lb->SatirYuksekligi();
        lb->setGeometry(10, 10, 220, 5 * rh + 4);
        lb->setScrlArtPicture(Duz(Qt::gray, {17, 20}));
        lb->setScrlNPicture(Duz(Qt::red, {17, 20}));
        lb->setScrlOPicture(Duz(Qt::blue, {17, 20}));
        lb->setScrlBPicture(Duz(Qt::green, {17, 20}));
        for (int i = 1; i <= satir; ++i)
            kaynak.Ekle({{QStringLiteral("S%1").arg(i), QStringLiteral("Şehir %1").arg(i)}});
        lb->setKaynak(&kaynak);
        pencere.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pencere));
        QTest::mouseMove(pencere.windowHandle(), QPoint(239, 299)); // away, so moves are moves
        imlec.alti = b;
    }

    // A click on w (the button) at p; on the list's k-th visible row (k from 0).
    void Tikla(QWidget* w = nullptr, QPoint p = {5, 5}, Qt::MouseButton tus = Qt::LeftButton)
    {
        FareSurucu::Bas(w ? w : b, p, tus);
        FareSurucu::Birak(w ? w : b, p, tus);
    }
    void Satir(int k) { Tikla(lb, QPoint(40, k * rh + rh / 2)); }
    QColor Dugme() const { return b->grab().toImage().pixelColor(5, 5); }
    // The pointer goes to the list.
    void Ayril() { FareSurucu::Tasi(b, b->mapFrom(&pencere, QPoint(120, 40))); }
    // The thumb's picture where the thumb now stands.
    QColor Kaydirici() const { return vs->grab().toImage().pixelColor(8, vs->ScrlTop() / 15 + 10); }
    void Teker(int adim)
    {
        QWheelEvent e({20, 20}, {}, {}, {0, adim}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(lb, &e);
    }
};

} // namespace

class tst_Kontroller : public QObject
{
    Q_OBJECT

private slots:
    // clicked() sees the set after the step, and the set shown follows: a toggle (ButtonEvents
    // 1) clicked three times, checked while on set 1; a double click on the Ezan button's
    // three sets (the second press completes a second click; set 2 has no pictures, so
    // PictureNormal shows); a tab that does not step by itself; the right button, which a
    // button does not hear.
    void butonTiklamalari()
    {
        const auto ucKez = [](Duzenek& d) { d.Tikla(), d.Tikla(), d.Tikla(); };
        const auto ciftTikla = [](Duzenek& d) { FareSurucu::CiftTikla(d.b, {5, 5}); };
        const auto kendiAdimlamaz = [](Duzenek& d) { d.b->setOtoEventChange(false), d.Tikla(); };
        const auto sagTus = [](Duzenek& d) { d.Tikla(d.b, {5, 5}, Qt::RightButton); };
        const std::tuple<int, void (*)(Duzenek&), const char*, int, Qt::GlobalColor> durumlar[] = {
            {1, ucKez, "d u c1 d u c0 d u c1", 1, Qt::yellow},
            {2, ciftTikla, "d u c1 d u c2", 2, Qt::red},
            {1, kendiAdimlamaz, "d u c0", 0, Qt::blue},
            {1, sagTus, "", 0, Qt::blue}};
        for (const auto& [enYuksek, yap, beklenen, takim, gorunen] : durumlar) {
            Duzenek d(0, enYuksek);
            d.b->setCheckable(true);
            yap(d);
            QCOMPARE(d.olaylar.join(' '), QString(beklenen));
            QCOMPARE(d.b->CurrentEvent(), takim);
            QCOMPARE(d.b->isChecked(), takim == 1);
            QCOMPARE(d.Dugme(), QColor(gorunen));
        }
    }

    // Pressed, dragged out (idle picture, not hover), back in (pressed again), released
    // outside: no click. The pointer's enter and leave alone drive the hover picture.
    void butonDisaridaBirakilir()
    {
        Duzenek d(0);
        FareSurucu::Bas(d.b, QPoint(5, 5));
        QList<QColor> gorunen{d.Dugme()};
        d.Ayril();
        gorunen << d.Dugme();
        FareSurucu::Tasi(d.b, QPoint(6, 6));
        gorunen << d.Dugme();
        d.Ayril();
        FareSurucu::Birak(d.b, d.b->mapFrom(&d.pencere, QPoint(120, 40)));
        gorunen << d.Dugme();
        FareSurucu::Tasi(d.b, QPoint(6, 6));
        gorunen << d.Dugme();
        d.Ayril();
        QCOMPARE(gorunen << d.Dugme(),
                 QList<QColor>({Qt::green, Qt::red, Qt::green, Qt::red, Qt::blue, Qt::red}));
        QCOMPARE(d.olaylar.join(' '), QString("d u d u"));
    }

    // The keyboard and assistive technology reach what the mouse does: Enter clicks without
    // a step, Space presses, clicks and steps; the press action clicks (and steps); the
    // button is named by its caption, else its tooltip, and a checkable one tells its state.
    // The focus frame shows only for a focus that came from the keyboard.
    void butonKlavyeVeErisim()
    {
        const auto enter = [](Duzenek& d) { QTest::keyClick(d.b, Qt::Key_Return); };
        const auto bosluk = [](Duzenek& d) { QTest::keyClick(d.b, Qt::Key_Space); };
        const auto eylem = [](Duzenek& d) {
            QAccessibleInterface* e = QAccessible::queryAccessibleInterface(d.b);
            QVERIFY(e && e->actionInterface());
            QVERIFY(e->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
            e->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        };
        const std::tuple<void (*)(Duzenek&), const char*, const char*, const char*, const char*>
            durumlar[] = {{enter, "c0", "", "Her Zaman Üstte", "Her Zaman Üstte"},
                          {bosluk, "d u c1", "", "", ""},
                          {eylem, "d u c1", "Kaydet", "Kaydet ipucu", "Kaydet"}};
        for (const auto& [yap, beklenen, yazi, ipucu, ad] : durumlar) {
            Duzenek d(0);
            d.b->setCheckable(true);
            d.b->setText(QString::fromUtf8(yazi));
            d.b->setToolTip(QString::fromUtf8(ipucu));
            d.b->setFocus(Qt::MouseFocusReason);
            yap(d);
            QCOMPARE(d.olaylar.join(' '), QString(beklenen));
            QAccessibleInterface* e = QAccessible::queryAccessibleInterface(d.b);
            QCOMPARE(e->role(), QAccessible::Button);
            QCOMPARE(e->text(QAccessible::Name), QString::fromUtf8(ad));
            QVERIFY(e->state().checkable);
            QCOMPARE(bool(e->state().checked), d.b->CurrentEvent() == 1);
        }

        // Pixels of the button's second row that are not its red picture: the frame's dots.
        Duzenek d(0);
        const auto cerceve = [&d] {
            const QImage r = d.b->grab().toImage();
            int n = 0;
            for (int x = 0; x < r.width(); ++x)
                n += r.pixelColor(x, 1) != QColor(Qt::red);
            return n;
        };
        d.pencere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d.pencere));
        d.b->setFocus(Qt::MouseFocusReason);
        QVERIFY(d.b->hasFocus());
        QCOMPARE(cerceve(), 0);
        d.b->clearFocus();
        d.b->setFocus(Qt::TabFocusReason);
        QVERIFY(d.b->OdakCercevesi() && cerceve() > 10);
        FareSurucu::Bas(d.b, QPoint(5, 5));
        QVERIFY(!d.b->OdakCercevesi());
    }

    // A click selects the row (below the last row, the last); a double click makes it active
    // (the place list stores it), once; a right-button one does not.
    void listeTiklamasi()
    {
        Duzenek d(3);
        QSignalSpy aktif(d.lb, &ListBox::AktifChange);
        d.Satir(4);
        QCOMPARE(d.lb->SelectedItem(), 3);
        FareSurucu::CiftTikla(d.lb, {40, d.rh + 2});
        QTest::mouseDClick(FareSurucu::Pencere(d.lb), Qt::RightButton, {},
                           FareSurucu::Konum(d.lb, {40, 2}));
        QCOMPARE(d.lb->Aktif(), 2);
        QCOMPARE(aktif.count(), 1);
    }

    // The stored place is scrolled into view. The selected row: filled from 2 pixels below its top
    // to 1 below its bottom, framed just outside, short of the scrollbar; the active row's text in
    // its own colour (here the background's, so that it vanishes).
    void listeCizimiVeAskidaykenTopIndexSifir()
    {
        Duzenek d;
        d.lb->setAktif(17);
        QCOMPARE(d.lb->TopIndex(), 13);
        d.lb->setAktif(16);
        d.lb->setAktifColor(Qt::white);
        d.Satir(1);
        const QImage r = d.lb->grab().toImage();
        const int rh = d.rh, sag = d.vs->x();
        const QColor sel = d.lb->SelColor(), cer = d.lb->BorderSelColor(), bos = Qt::white;
        const std::tuple<int, int, QColor> noktalar[] = {
            {3, rh + 1, cer},       {3, rh + 2, sel},       {3, 2 * rh + 2, bos},
            {sag - 3, rh + 5, sel}, {sag - 2, rh + 5, cer}, {sag - 1, rh + 5, bos}};
        for (const auto& [x, y, renk] : noktalar)
            QCOMPARE(r.pixelColor(x, y), renk);
        QImage beyaz(80, rh - 2, r.format());
        beyaz.fill(bos);
        QCOMPARE(r.copy(2, 3 * rh + 2, 80, rh - 2), beyaz);

        // Scrolling to "row 0" while drawing is suspended keeps the list whole: the next
        // picture starts at the first row.
        d.lb->setUnRefreshControl(true);
        d.lb->setTopIndex(0);
        d.lb->grab(); // a paint while suspended
        d.lb->setUnRefreshControl(false);
        QCOMPARE(d.lb->TopIndex(), 1);
    }

    // The thumb: red on a grey track, blue under the pointer, green while dragged past either
    // end (the first and the last top row). Keys, an arrow (held: one row at the press, the
    // next 320 ms later, then one every 20 ms), a click on the track (a page of the rows in
    // view; held, it stops where the thumb reaches the pointer), a wheel notch (three rows) and
    // small wheel steps that add up to notches move the list.
    void kaydirmaCubuguVeTeker()
    {
        Duzenek d;
        QList<QColor> kaydirici{d.Kaydirici(), d.vs->grab().toImage().pixelColor(8, 17 + 21)};
        d.imlec.alti = d.vs;
        FareSurucu::Tasi(d.vs, QPoint(8, 50));
        d.zaman.Ilerle(100);
        kaydirici << d.Kaydirici();
        d.imlec.alti = d.lb;
        d.zaman.Ilerle(Scroll::TimerOverAraligi);
        kaydirici << d.Kaydirici();
        FareSurucu::Bas(d.vs, QPoint(8, d.vs->ScrlTop() / 15 + 10));
        FareSurucu::Tasi(d.vs, QPoint(8, 200));
        d.zaman.Ilerle(100);
        kaydirici << d.Kaydirici();
        FareSurucu::Tasi(d.vs, QPoint(8, -40));
        FareSurucu::Birak(d.vs, QPoint(8, -40));
        QCOMPARE(kaydirici << d.Kaydirici(),
                 QList<QColor>({Qt::red, Qt::gray, Qt::blue, Qt::red, Qt::green, Qt::red}));
        QCOMPARE(d.lb->TopIndex(), 1);

        d.Satir(0);
        QTest::keyClick(d.lb, Qt::Key_PageDown);
        QTest::keyClick(d.lb, Qt::Key_Down);
        QCOMPARE(d.vs->Value(), SabitNokta(2));
        FareSurucu::Bas(d.vs->ScrlAs(), QPoint(5, 5));
        const int adimlar[][2] = {{0, 3}, {319, 3}, {1, 4}, {19, 4}, {1, 5}};
        for (const auto& [ms, top] : adimlar) {
            d.zaman.Ilerle(ms);
            QCOMPARE(d.lb->TopIndex(), top);
        }
        FareSurucu::Birak(d.vs->ScrlAs(), QPoint(5, 5));
        const int altinda = (d.vs->ScrlTop() + d.vs->ScrlHeight()) / 15 + 3;
        FareSurucu::Bas(d.vs, QPoint(8, altinda));
        d.zaman.Ilerle(1000);
        FareSurucu::Birak(d.vs, QPoint(8, altinda));
        QCOMPARE(d.lb->TopIndex(), 10);
        d.lb->setTopIndex(9);
        d.Teker(-120);
        QCOMPARE(d.vs->Value(), SabitNokta(12));
        for (int i = 0; i < 8; ++i)
            d.Teker(30);
        QCOMPARE(d.lb->TopIndex(), 6); // 240 = two notches of three rows up
    }
};

QTEST_MAIN(tst_Kontroller)
#include "tst_Kontroller.moc"
