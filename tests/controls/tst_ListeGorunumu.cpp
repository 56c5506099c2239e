// The skinned list and its scrollbar, offscreen, as the regional page uses them: real mouse,
// wheel and key events through the window, the pictures they paint read back with grab(), and
// what assistive technology is told. The scrollbar's timers are pretend ones.
#include "controls/ListeRolleri.h"
#include "controls/gui/KaydirmaCubugu.h"
#include "controls/gui/ListeGorunumu.h"

#include "support/FareSurucu.h"
#include "support/SahteZaman.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <QWheelEvent>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

QPixmap Duz(const QColor& renk, int yukseklik)
{
    QPixmap p(17, yukseklik);
    p.fill(renk);
    return p;
}

// The main window's list: colours, the city in the 100 pixels at the right, 218 pixels wide,
// with `satir` rows "Ülke k" / "Şehir k" (from 0). Its height holds five rows and the four
// pixels that make a sixth partly visible. The scrollbar: arrows dark grey (yellow under the
// pointer, cyan pressed), the track grey, the thumb red (blue under the pointer, green
// pressed).
struct Liste
{
    SahteZamanKaynagi zaman;
    QWidget pencere;
    QStandardItemModel model;
    ListeGorunumu* lb = new ListeGorunumu(&pencere, &zaman);
    KaydirmaCubugu* vs = lb->Cubuk();
    int rh = 0;

    explicit Liste(int satir = 20, QFont yazi = QFont(QStringLiteral("DejaVu Sans"), 9))
    {
        Satirlar(satir);
        lb->setModel(&model);
        lb->KonumListesiGibiGoster();
        lb->setFont(yazi);
        KaydirmaResimleri r;
        const QColor oklar[] = {Qt::darkGray, Qt::yellow, Qt::cyan},
                     tutamak[] = {Qt::red, Qt::blue, Qt::green};
        for (int i = 0; i < 3; ++i)
            r.Yukari[i] = r.Asagi[i] = Duz(oklar[i], 17), r.Tutamak[i] = Duz(tutamak[i], 20);
        r.Iz = Duz(Qt::gray, 20);
        vs->setResimler(r);
        rh = lb->SatirYuksekligi();
        pencere.resize(240, 300);
        lb->setGeometry(10, 10, 218, 5 * rh + 4);
        pencere.show();
        pencere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&pencere));
    }
    void Satirlar(int n)
    {
        model.clear();
        for (int i = 0; i < n; ++i)
            Ekle(QStringLiteral("Ülke %1").arg(i), QStringLiteral("Şehir %1").arg(i));
    }
    void Ekle(const QString& ulke, const QString& sehir)
    {
        auto* s = new QStandardItem(ulke);
        s->setData(sehir, ListeRolleri::SutunRolu);
        s->setData(ulke + QStringLiteral(", ") + sehir, Qt::AccessibleTextRole);
        model.appendRow(s);
    }
    // A press and release of the button on the k-th visible row (k from 0).
    void Tikla(int k, Qt::MouseButton tus = Qt::LeftButton)
    {
        const QPoint p = lb->viewport()->mapTo(lb, QPoint(40, k * rh + rh / 2));
        FareSurucu::Bas(lb, p, tus);
        FareSurucu::Birak(lb, p, tus);
    }
    QColor Kaydirici() const { return vs->grab().toImage().pixelColor(8, vs->TutamakUstu() + 10); }
    void Teker(int adim)
    {
        QWheelEvent e({20, 20}, {}, {}, {0, adim}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(lb->viewport(), &e);
    }
};

// Where the text of a part of a picture stands (the box of its dark pixels) and whether the
// darkest of them is red.
struct Yazi
{
    QRect Kutu;
    bool Kirmizi;
};
Yazi YaziBul(const QImage& resim, const QRect& alan)
{
    QRect kutu;
    int enKoyu = 3 * 255;
    bool kirmizi = false;
    for (int y = alan.top(); y <= alan.bottom(); ++y)
        for (int x = alan.left(); x <= alan.right(); ++x) {
            const QColor c = resim.pixelColor(x, y);
            const int koyu = c.red() + c.green() + c.blue();
            if (koyu >= 400)
                continue;
            kutu |= QRect(x, y, 1, 1);
            if (koyu < enKoyu) {
                enKoyu = koyu;
                kirmizi = c.red() > c.green() + 60;
            }
        }
    return {kutu, kirmizi};
}
// Two texts alike: font engines (Linux's, Windows') differ in how they shade and space the
// letters, not in where a text starts, its line, its colour or, within a few pixels, its end.
bool Benzer(const Yazi& a, const Yazi& b)
{
    return std::abs(a.Kutu.left() - b.Kutu.left()) <= 1 &&
           std::abs(a.Kutu.top() - b.Kutu.top()) <= 1 &&
           std::abs(a.Kutu.bottom() - b.Kutu.bottom()) <= 1 &&
           std::abs(a.Kutu.right() - b.Kutu.right()) <= 4 && a.Kirmizi == b.Kirmizi;
}

} // namespace

class tst_ListeGorunumu : public QObject
{
    Q_OBJECT

private slots:
    // Today's rows as the regional page draws them (Arial 8.25 pt, the place in use in dark
    // red), against a picture of that page; then the selected row's fill and frame, pixel by
    // pixel; the focused list's current row carries a dotted line.
    void satirCizimi()
    {
        QFont arial(QStringLiteral("Arial"));
        arial.setPointSizeF(8.25);
        Liste l(0, arial);
        l.lb->setGeometry(10, 10, 218, 78);
        for (const char* sehir :
             {"Iscehisar", "İskenderun", "İskilip", "İslahiye", "İspir", "İstanbul", "İvrindi"})
            l.Ekle(QStringLiteral("Türkiye"), QString::fromUtf8(sehir));
        l.lb->doItemsLayout(); // as the view does with new rows when idle
        l.lb->setAktif(5);
        const QImage beklenen(QStringLiteral(ORVANEL_SOURCE_DIR "/tests/controls/liste_db.png"));
        const int sag = l.vs->mapTo(l.lb, QPoint()).x();
        const QImage cizilen = l.lb->grab().toImage().convertToFormat(beklenen.format());
        // Each whole row's country (from the left edge to the city's column) and city.
        for (int k = 0; k < 6; ++k)
            for (const auto& [sol, sagi] : {std::pair(1, 94), std::pair(94, sag)}) {
                const QRect alan(sol, k * l.rh, sagi - sol, l.rh);
                const Yazi a = YaziBul(cizilen, alan), b = YaziBul(beklenen, alan);
                QVERIFY2(Benzer(a, b),
                         qPrintable(QStringLiteral("row %1 at %2: %3 drawn, %4 expected")
                                        .arg(k)
                                        .arg(sol)
                                        .arg(QDebug::toString(a.Kutu), QDebug::toString(b.Kutu))));
            }
        QCOMPARE(cizilen.pixelColor(40, 5 * l.rh + l.rh / 2 + 1).red() > 120, true);

        l.lb->clearFocus(); // as when the search box has it
        l.lb->BulunaniGoster(1);
        l.lb->setUstSatir(0);
        const QImage r = l.lb->grab().toImage();
        const int rh = l.rh;
        const QColor sel(162, 239, 88), cer = sel, bos = Qt::white, kenar(210, 239, 168);
        const std::tuple<int, int, QColor> noktalar[] = {
            {3, rh + 1, cer},       {3, rh + 2, sel},       {3, 2 * rh + 2, bos},
            {sag - 3, rh + 5, sel}, {sag - 2, rh + 5, cer}, {sag - 1, rh + 5, bos},
            {0, rh + 5, kenar},     {5, 0, kenar},          {5, 77, kenar},
            {217, 40, kenar}};
        for (const auto& [x, y, renk] : noktalar)
            QCOMPARE(r.pixelColor(x, y), renk);

        l.lb->setFocus();
        QVERIFY(l.lb->hasFocus());
        const QImage odakli = l.lb->grab().toImage();
        QVERIFY(odakli.copy(0, rh, sag, rh) != r.copy(0, rh, sag, rh));
    }

    // The scrollbar: as many top rows as the rows that do not fit; the thumb where its
    // arithmetic puts it, red on a grey track, blue under the pointer, green while dragged past
    // either end (the first and the last top row). An arrow (held: one row at the press, the
    // next 320 ms later, then one every 20 ms), a click on the track (a page of the rows in
    // view; held, it stops where the thumb reaches the pointer), a wheel notch (three rows)
    // and small wheel steps that add up to notches move the list.
    // Then the keys, 20 rows, 5 in view (End reaching top row 15 and the page steps hold only
    // so): the current row `odak` (-1: none) scrolled into view from the top. The row a key
    // reaches is the one selected row, brought into view by as little as it takes; a key that
    // cannot move leaves the row; other keys are the window's.
    void kaydirmaCubugu()
    {
        Liste l;
        QCOMPARE(l.vs->TutamakUstu(), 17);
        QList<QColor> kaydirici{l.Kaydirici(), l.vs->grab().toImage().pixelColor(8, 17 + 21)};
        FareSurucu::Tasi(l.vs, QPoint(8, 50));
        kaydirici << l.Kaydirici();
        FareSurucu::Tasi(l.lb, QPoint(40, 20));
        kaydirici << l.Kaydirici();
        FareSurucu::Bas(l.vs, QPoint(8, l.vs->TutamakUstu() + 10));
        FareSurucu::Tasi(l.vs, QPoint(8, 200));
        kaydirici << l.Kaydirici();
        QCOMPARE(l.lb->UstSatir(), 15);
        FareSurucu::Tasi(l.vs, QPoint(8, -40));
        FareSurucu::Birak(l.vs, QPoint(8, -40));
        QCOMPARE(kaydirici << l.Kaydirici(),
                 QList<QColor>({Qt::red, Qt::gray, Qt::blue, Qt::red, Qt::green, Qt::red}));
        QCOMPARE(l.lb->UstSatir(), 0);

        l.lb->setUstSatir(2);
        KaydirmaHesabi h{0, 15, l.vs->height(), 17, 17, 20};
        QCOMPARE(l.vs->TutamakUstu(), h.TutamakUstu(2) / 15);
        const QPoint asagi(8, l.vs->height() - 5);
        FareSurucu::Bas(l.vs, asagi);
        const int adimlar[][2] = {{0, 3}, {319, 3}, {1, 4}, {19, 4}, {1, 5}};
        for (const auto& [ms, ust] : adimlar) {
            l.zaman.Ilerle(ms);
            QCOMPARE(l.lb->UstSatir(), ust);
        }
        FareSurucu::Birak(l.vs, asagi);
        l.zaman.Ilerle(1000);
        QCOMPARE(l.lb->UstSatir(), 5);
        const int altinda = l.vs->TutamakUstu() + 20 + 3;
        FareSurucu::Bas(l.vs, QPoint(8, altinda));
        QCOMPARE(l.lb->UstSatir(), 10);
        l.zaman.Ilerle(1000);
        FareSurucu::Birak(l.vs, QPoint(8, altinda));
        QCOMPARE(l.lb->UstSatir(), 10);
        l.lb->setUstSatir(9);
        l.Teker(-120);
        QCOMPARE(l.lb->UstSatir(), 12);
        for (int i = 0; i < 8; ++i)
            l.Teker(30);
        QCOMPARE(l.lb->UstSatir(), 6); // 240 = two notches of three rows up

        const int durumlar[][4] = {// odak, key, selected row after, first row in view after
                                   {4, Qt::Key_Up, 3, 0},          {0, Qt::Key_Left, 0, 0},
                                   {4, Qt::Key_Down, 5, 1},        {19, Qt::Key_Right, 19, 15},
                                   {-1, Qt::Key_Down, 0, 0},       {9, Qt::Key_PageUp, 5, 5},
                                   {3, Qt::Key_PageUp, 0, 0},      {9, Qt::Key_PageDown, 13, 9},
                                   {15, Qt::Key_PageDown, 19, 15}, {11, Qt::Key_Home, 0, 0},
                                   {11, Qt::Key_End, 19, 15},      {11, Qt::Key_A, 11, 7}};
        for (const auto& [odak, tus, satir, ust] : durumlar) {
            l.lb->setCurrentIndex({});
            l.lb->setUstSatir(0);
            if (odak >= 0) {
                l.lb->setCurrentIndex(l.model.index(odak, 0));
                l.lb->scrollTo(l.model.index(odak, 0));
            }
            QKeyEvent e(QEvent::KeyPress, tus, Qt::NoModifier);
            QApplication::sendEvent(l.lb, &e);
            QCOMPARE(e.isAccepted(), tus != Qt::Key_A);
            QCOMPARE(l.lb->SeciliSatir(), satir);
            QCOMPARE(l.lb->UstSatir(), ust);
        }

        l.Satirlar(3);                    // all rows fit: nothing to scroll, the thumb at the top
        QTRY_COMPARE(l.vs->maximum(), 0); // the view lays its rows out when idle
        QCOMPARE(l.vs->TutamakUstu(), 17);
    }

    // A press of either button selects the row under the pointer (below the last row, the
    // last); a held button does not sweep the selection along; a left double-click makes the
    // row active, once, and a right one does not.
    // Assistive technology sees a list of named rows ("country, city"), and hears the row the
    // arrow keys reach (focus) and the row a search selects (selection); a search that finds
    // nothing leaves no row selected.
    void tiklamalarVeErisilebilirlik()
    {
        Liste l(4);
        QSignalSpy aktif(l.lb, &ListeGorunumu::aktifSecildi);
        l.Tikla(4);
        QCOMPARE(l.lb->SeciliSatir(), 3);
        l.Tikla(0, Qt::RightButton);
        QCOMPARE(l.lb->SeciliSatir(), 0);
        FareSurucu::Bas(l.lb, {40, l.rh + 2});
        FareSurucu::Tasi(l.lb, {40, 2 * l.rh + 2});
        FareSurucu::Birak(l.lb, {40, 2 * l.rh + 2});
        QCOMPARE(l.lb->SeciliSatir(), 1);
        FareSurucu::CiftTikla(l.lb, {40, l.rh + 2});
        FareSurucu::CiftTikla(l.lb, {40, 2}, Qt::RightButton);
        QCOMPARE(l.lb->Aktif(), 1);
        QCOMPARE(aktif.count(), 1);
        QCOMPARE(aktif.first().first().toInt(), 1);

        // As a screen reader's presence does: only then do widgets report their changes.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QVERIFY(QAccessible::isActive());
        QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(l.lb);
        QVERIFY(liste);
        QCOMPARE(liste->role(), QAccessible::List);
        QCOMPARE(liste->childCount(), 4);
        QStringList adlar;
        for (int i = 0; i < liste->childCount(); ++i) {
            QCOMPARE(liste->child(i)->role(), QAccessible::ListItem);
            adlar << liste->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(adlar.join('|'),
                 QStringLiteral("Ülke 0, Şehir 0|Ülke 1, Şehir 1|Ülke 2, Şehir 2|Ülke 3, Şehir 3"));

        // The rows the list tells of, by event (static: a handler is a plain function).
        static QObject* dinlenen;
        static QMultiMap<QAccessible::Event, int> olaylar;
        dinlenen = l.lb;
        QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
            if (e->object() == dinlenen)
                olaylar.insert(e->type(), e->child());
        });
        l.lb->setFocus();
        l.Tikla(0);
        olaylar.clear();
        QTest::keyClick(l.lb, Qt::Key_Down);
        const auto gorulen = [](QAccessible::Event tur) { return olaylar.values(tur); };
        QCOMPARE(gorulen(QAccessible::Focus), QList<int>{1});
        QCOMPARE(gorulen(QAccessible::SelectionAdd), QList<int>{1});
        olaylar.clear();
        l.lb->clearFocus();
        l.lb->BulunaniGoster(3); // as the search box does
        QCOMPARE(gorulen(QAccessible::SelectionAdd), QList<int>{3});
        QAccessible::installUpdateHandler(nullptr);
        l.lb->BulunaniGoster(-1); // a search that finds nothing leaves no row selected
        QCOMPARE(l.lb->SeciliSatir(), -1);
    }
};

QTEST_MAIN(tst_ListeGorunumu)
#include "tst_ListeGorunumu.moc"
