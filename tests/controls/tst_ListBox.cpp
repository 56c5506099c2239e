// The list control offscreen: real rows, real mouse and key events through the window, the
// pictures it paints read back with grab(). Only the scrollbar's pointer and timers are
// pretend ones, so that no arrow repeats on its own.
#include "controls/Buton.h"
#include "controls/ListBox.h"
#include "controls/Scroll.h"

#include "FareSurucu.h"
#include "SahteImlec.h"
#include "SahteZaman.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>

namespace {

std::unique_ptr<vkListItem> Satir(const QString& sehir, const QString& ulke = "Türkiye",
                                  double tz = 2, double enlem = 41)
{
    KonumKaydi k;
    k.Ulke = ulke;
    k.Sehir = sehir;
    k.Tz = tz;
    k.Enlem = enlem;
    return std::make_unique<vkListItem>(k);
}

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
    // Exactly one paint arrives, and no second one after it.
    bool TekBoya()
    {
        QTest::qWaitFor([this] { return sayi >= 1; });
        QTest::qWait(50);
        return sayi == 1;
    }
    int sayi = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++sayi;
        return false;
    }
};

const QColor Beyaz(Qt::white);

} // namespace

class tst_ListBox : public QObject
{
    Q_OBJECT

private:
    // A window holding a list at (10, 10), five rows high (plus the 4 pixels that make the
    // sixth row partly visible), rows "S1".."Sn", every event written down in order.
    struct Duzenek
    {
        SahteImlec imlec;
        SahteZamanKaynagi zaman;
        QWidget pencere;
        ListBox* lb;
        QStringList olaylar;

        explicit Duzenek(int n, int genislik = 220)
        {
            pencere.resize(genislik + 20, 400);
            lb = new ListBox(&pencere, &imlec, &zaman);
            QFont yazi(QStringLiteral("DejaVu Sans"));
            yazi.setPixelSize(12);
            lb->setFont(yazi);
            lb->setGeometry(10, 10, genislik, 5 * lb->SatirYuksekligi() + 4);
            for (int i = 1; i <= n; ++i)
                lb->AddItem(Satir(QStringLiteral("S%1").arg(i)));
            QObject::connect(lb, &ListBox::ItemClick, [this](vkListItem* s) {
                olaylar
                    << QStringLiteral("ItemClick %1%2").arg(s->Sehir(), s->Selected() ? "*" : "");
            });
            QObject::connect(lb, &ListBox::Scrolled, [this] { olaylar << "Scrolled"; });
            QObject::connect(lb, &ListBox::ListChange, [this] { olaylar << "ListChange"; });
            QObject::connect(lb, &ListBox::ListMoved, [this] { olaylar << "ListMoved"; });
            QObject::connect(lb, &ListBox::AktifChange,
                             [this](int a) { olaylar << QStringLiteral("AktifChange %1").arg(a); });
            QObject::connect(lb, &ListBox::KeyDown, [this](int tus, Qt::KeyboardModifiers) {
                olaylar << QStringLiteral("KeyDown %1").arg(QKeySequence(tus).toString());
            });
            QObject::connect(lb, &ListBox::KeyPress,
                             [this](QChar c) { olaylar << QStringLiteral("KeyPress ") + c; });
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
        void Tikla(int k, Qt::KeyboardModifiers mod = {}, Qt::MouseButton tus = Qt::LeftButton)
        {
            FareSurucu::Bas(lb, Orta(k), tus, mod);
            FareSurucu::Birak(lb, Orta(k), tus, mod);
        }
        QString Secili() const
        {
            QStringList s;
            for (int i = 1; i <= lb->ListCount(); ++i)
                if (lb->Selected(i))
                    s << QString::number(i);
            return s.join(',');
        }
        QString Sira() const
        {
            QStringList s;
            for (int i = 1; i <= lb->ListCount(); ++i)
                s << lb->Item(i)->Sehir().mid(1);
            return s.join(',');
        }
        QImage Resim() const { return lb->grab().toImage(); }
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void renklerPaletteTutulur()
    {
        // The colours are the widget's palette, not a second copy that could drift from it.
        ListBox lb;
        lb.setBackColor(QColor(1, 2, 3));
        QCOMPARE(lb.palette().color(QPalette::Window), QColor(1, 2, 3));
        lb.DbDegerleriniUygula();
        QCOMPARE(lb.palette().color(QPalette::Highlight), lb.SelColor());
        QCOMPARE(lb.SelColor(), QColor(162, 239, 88));
        QCOMPARE(lb.BackColor(), QColor(Qt::white));
    }

    void sonSatirinAltinaTiklamakSonSatiriSecer()
    {
        Duzenek d(3);
        d.Tikla(4); // two rows below the last one
        QCOMPARE(d.Secili(), QStringLiteral("3"));
        QCOMPARE(d.lb->SelectedItem(), 3);
        // ItemClick comes before the selection changes.
        QCOMPARE(d.olaylar, QStringList({"ItemClick S3", "MouseUp"}));
        d.olaylar.clear();
        d.Tikla(2, {}, Qt::RightButton);
        QCOMPARE(d.olaylar, QStringList({"ItemClick S3*", "MouseUp"}));

        // On an empty list a press does nothing but the release still reports.
        Duzenek bos(0);
        bos.Tikla(1);
        QCOMPARE(bos.olaylar, QStringList({"MouseUp"}));
        QCOMPARE(bos.lb->SelectedItem(), 0);
    }

    void cokluSecimShiftControlVeBirakma()
    {
        Duzenek d(6);
        d.Tikla(0);
        d.Tikla(2, Qt::ShiftModifier);
        QCOMPARE(d.Secili(), QStringLiteral("1,2,3"));
        d.Tikla(4, Qt::ControlModifier);
        QCOMPARE(d.Secili(), QStringLiteral("1,2,3,5"));
        QCOMPARE(d.lb->SelCount(), 4);

        // A press on a selected row keeps the block (it could be dragged); the release
        // without keys leaves only that row.
        FareSurucu::Bas(d.lb, d.Orta(1));
        QCOMPARE(d.Secili(), QStringLiteral("1,2,3,5"));
        FareSurucu::Birak(d.lb, d.Orta(1));
        QCOMPARE(d.Secili(), QStringLiteral("2"));

        // One row at a time: Shift and Control select the clicked row alone.
        d.lb->setMultiSelect(false);
        d.Tikla(4, Qt::ShiftModifier);
        QCOMPARE(d.Secili(), QStringLiteral("5"));
        d.Tikla(3, Qt::ControlModifier);
        QCOMPARE(d.Secili(), QStringLiteral("4"));
        QCOMPARE(d.lb->SelCount(), 1);
    }

    void clearOlaySirasi()
    {
        Duzenek d(12);
        d.lb->setAktif(3);
        d.Tikla(1);
        d.olaylar.clear();
        d.lb->Clear();
        QCOMPARE(d.olaylar, QStringList({"ListChange", "AktifChange 0"}));
        QCOMPARE(d.lb->ListCount(), 0);
        QCOMPARE(d.lb->SelCount(), 0);
        QCOMPARE(d.lb->Aktif(), 0);
        QCOMPARE(d.lb->SelectedItem(), 0);
        QCOMPARE(d.lb->VS()->Max(), SabitNokta(1));
        QVERIFY(!d.lb->VS()->Enabled());
    }

    void unRefreshControlBoyamayiDurdurur()
    {
        Duzenek d(0);
        BoyaSayaci sayac(d.lb);

        d.lb->setUnRefreshControl(true);
        for (int i = 1; i <= 8000; ++i)
            d.lb->AddItem(Satir(QStringLiteral("S%1").arg(i)));
        d.lb->setAktif(0);
        QTest::qWait(50);
        QCOMPARE(sayac.sayi, 0);
        d.lb->setUnRefreshControl(false); // setting it back draws nothing by itself
        QTest::qWait(50);
        QCOMPARE(sayac.sayi, 0);
        d.lb->Refresh();
        QVERIFY(sayac.TekBoya());
        QCOMPARE(d.lb->ListCount(), 8000);
        QCOMPARE(d.lb->VS()->Max(), SabitNokta(8000 - 4));
        QVERIFY(d.lb->VS()->Enabled());
    }

    void konumListesiTekBoyamaylaDolar()
    {
        Duzenek d(0);
        BoyaSayaci sayac(d.lb);
        clsFastCollection satirlar;
        for (int i = 1; i <= 8000; ++i) {
            satirlar.Add(Satir(QStringLiteral("S%1").arg(i)));
            satirlar.Item(i)->setId(i);
        }
        SeciliKonum yer;
        yer.Index = 6817;
        KonumListesi::Doldur(*d.lb, satirlar, yer);
        QVERIFY(sayac.TekBoya());
        // The stored place is active and scrolled into view.
        QCOMPARE(d.lb->Aktif(), 6817);
        QVERIFY(d.lb->TopIndex() <= 6817 && 6817 < d.lb->TopIndex() + d.lb->Gorunen());
        QCOMPARE(d.lb->ScrollValue(), d.lb->TopIndex());
    }

    void yalnizGorunenSatirlarArtiBirCizilir()
    {
        Duzenek d(40);
        QCOMPARE(d.lb->Gorunen(), 5);
        const quint32 isaret = 0x12345678;
        auto isaretle = [&] {
            for (int i = 1; i <= 40; ++i)
                d.lb->Item(i)->setForeColor(isaret);
        };
        auto cizilenler = [&] {
            QStringList c;
            for (int i = 1; i <= 40; ++i)
                if (d.lb->Item(i)->ForeColor() != isaret)
                    c << QString::number(i);
            return c.join(',');
        };
        isaretle();
        d.Resim();
        QCOMPARE(cizilenler(), QStringLiteral("1,2,3,4,5,6"));
        isaretle();
        d.lb->setTopIndex(20);
        d.Resim();
        QCOMPARE(cizilenler(), QStringLiteral("20,21,22,23,24,25"));
        // Near the end the top is held so that the last row is the last visible one.
        isaretle();
        d.lb->setTopIndex(39);
        QCOMPARE(d.lb->TopIndex(), 36);
        d.Resim();
        QCOMPARE(cizilenler(), QStringLiteral("36,37,38,39,40"));
    }

    void renklerVeCerceveler()
    {
        Duzenek d(6);
        const QColor sel(0, 200, 0), selFore(0, 0, 200), border(200, 0, 200),
            borderSel(250, 150, 0), aktif(190, 0, 0);
        d.lb->setSelColor(sel);
        d.lb->setSelForeColor(selFore);
        d.lb->setBorderColor(border);
        d.lb->setBorderSelColor(borderSel);
        d.lb->setAktifColor(aktif);
        d.lb->setAktif(4);
        d.Tikla(1);
        const int rh = d.rh();
        const QImage r = d.Resim();
        QCOMPARE(r.pixelColor(0, 0), border);
        QCOMPARE(r.pixelColor(r.width() - 1, r.height() - 1), border);
        // Row 2: filled from 2 pixels below its top to 1 below its bottom, framed around.
        QCOMPARE(r.pixelColor(3, rh + 1), borderSel);
        QCOMPARE(r.pixelColor(3, rh + 2), sel);
        QCOMPARE(r.pixelColor(3, 2 * rh), sel);
        QCOMPARE(r.pixelColor(3, 2 * rh + 1), borderSel);
        QCOMPARE(r.pixelColor(3, 2 * rh + 2), Beyaz);
        QCOMPARE(r.pixelColor(3, rh / 2), Beyaz);
        // The fill stops short of the scrollbar, the frame one pixel before it.
        const int scrollSolu = d.lb->VS()->x();
        QCOMPARE(d.lb->VS()->width(), d.lb->VS()->ScrlYk()->width());
        QCOMPARE(scrollSolu, d.lb->width() - 1 - d.lb->VS()->width());
        QCOMPARE(r.pixelColor(scrollSolu - 3, rh + 5), sel);
        QCOMPARE(r.pixelColor(scrollSolu - 2, rh + 5), borderSel);
        QCOMPARE(r.pixelColor(scrollSolu - 1, rh + 5), Beyaz);
        // Text colours, also written into the rows.
        QCOMPARE(d.lb->Item(2)->ForeColor(), selFore.rgb());
        QCOMPARE(d.lb->Item(4)->ForeColor(), aktif.rgb());
        QCOMPARE(d.lb->Item(3)->ForeColor(), QColor(Qt::black).rgb());
        // The active row keeps its colour when it is also selected.
        d.Tikla(3);
        d.Resim();
        QCOMPARE(d.lb->Item(4)->ForeColor(), aktif.rgb());

        // Without the border the frame and the scrollbar's inset go.
        d.lb->setDisplayBorder(false);
        const QImage c = d.Resim();
        QCOMPARE(c.pixelColor(r.width() - 1 - d.lb->VS()->width() - 1, c.height() - 1), Beyaz);
        QCOMPARE(d.lb->VS()->x(), d.lb->width() - d.lb->VS()->width());
        QCOMPARE(d.lb->VS()->y(), 0);
        QCOMPARE(d.lb->VS()->height(), d.lb->height());
    }

    void arkaPlanResmiVeSatirIkonu()
    {
        Duzenek d(0);
        QPixmap kirmizi(4, 4);
        kirmizi.fill(Qt::red);
        d.lb->setPicture(kirmizi);
        // 0: as it is, from the top left corner; 1: stretched; 2: tiled.
        QImage r = d.Resim();
        QCOMPARE(r.pixelColor(2, 2), QColor(Qt::red));
        QCOMPARE(r.pixelColor(30, 30), Beyaz);
        d.lb->setPictureMode(ListBox::Gerilmis);
        QCOMPARE(d.Resim().pixelColor(30, 30), QColor(Qt::red));
        d.lb->setPictureMode(ListBox::Doseli);
        QCOMPARE(d.Resim().pixelColor(30, 30), QColor(Qt::red));
        d.lb->setPicture(Resim());

        // A row icon stands left of the text, which moves 15 pixels right.
        QPixmap yesil(16, 16);
        yesil.fill(Qt::green);
        auto satir = Satir(QString(), QString());
        satir->setIcon(yesil);
        d.lb->AddItem(std::move(satir));
        d.Tikla(0);
        const int orta = d.rh() / 2 + 1;
        r = d.Resim();
        QCOMPARE(r.pixelColor(10, orta), QColor(Qt::green));
        QCOMPARE(r.pixelColor(1, orta), d.lb->SelColor()); // the highlight runs under it
        // Without FullRowSelect the highlight starts at 20 pixels, on plain background.
        d.lb->setFullRowSelect(false);
        r = d.Resim();
        QCOMPARE(r.pixelColor(1, orta), Beyaz);
        QCOMPARE(r.pixelColor(19, orta), d.lb->BorderSelColor()); // the frame's left line
        QCOMPARE(r.pixelColor(20, orta), d.lb->SelColor());
        QCOMPARE(r.pixelColor(10, orta), QColor(Qt::green));
    }

    void sutunlar()
    {
        // Two columns as on the main window: country at the left, the city in the 100
        // pixels at the right of the text area.
        Duzenek d(0, 300);
        d.lb->setTurGen(100);
        d.lb->AddItem(Satir(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"), QString()));
        d.lb->AddItem(Satir(QString(), QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW")));
        const QImage r = d.Resim();
        const int sutun2 = d.lb->width() - d.lb->VS()->width() - 7 - 100;
        auto murekkep = [&](int satir, int x0, int x1) {
            int sayi = 0;
            for (int y = std::max(1, satir * d.rh()); y < (satir + 1) * d.rh(); ++y)
                for (int x = x0; x < x1; ++x)
                    sayi += r.pixelColor(x, y) != Beyaz;
            return sayi;
        };
        // Row 1 has only a city: ink only in its column, clipped at the column's end.
        QCOMPARE(murekkep(0, 1, sutun2), 0);
        QVERIFY(murekkep(0, sutun2, sutun2 + 100) > 0);
        QCOMPARE(murekkep(0, sutun2 + 100, d.lb->VS()->x()), 0);
        // Row 2 has only a country: from 7 pixels in, clipped where the city begins.
        QCOMPARE(murekkep(1, 1, 7), 0);
        QVERIFY(murekkep(1, 7, sutun2) > 0);
        QCOMPARE(murekkep(1, sutun2, d.lb->VS()->x()), 0);

        // Third and fourth columns: Tz left, Enlem right-aligned, in the user's number format.
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        d.lb->setTurGen(0);
        d.lb->setDilGen(60);
        d.lb->setSureGen(60);
        d.lb->Clear();
        d.lb->AddItem(Satir(QString(), QString(), -3.5, 41.0082));
        QImage y = d.Resim();
        QLocale::setDefault(QLocale::c());
        QImage beklenen(y.size(), QImage::Format_ARGB32_Premultiplied);
        beklenen.fill(Qt::white);
        {
            QPainter p(&beklenen);
            p.setFont(d.lb->font());
            const int x = d.lb->width() - d.lb->VS()->width() - 7 - 120;
            p.drawText(QRect(x, 0, 60, d.rh()), Qt::AlignVCenter | Qt::AlignLeft,
                       QStringLiteral("-3,5"));
            p.drawText(QRect(x + 60, 0, 60, d.rh()), Qt::AlignVCenter | Qt::AlignRight,
                       QStringLiteral("41,0082"));
        }
        const QRect satir(1, 1, d.lb->VS()->x() - 1, d.rh() - 1); // inside the border
        QCOMPARE(y.copy(satir).convertToFormat(QImage::Format_RGB32),
                 beklenen.copy(satir).convertToFormat(QImage::Format_RGB32));
    }

    void hizalama()
    {
        Duzenek d(0);
        d.lb->AddItem(Satir(QString(), QStringLiteral("WW")));
        const int son = d.lb->VS()->x() - 7; // column 1 ends here (no other columns)
        auto solda = [&] {
            const QImage r = d.Resim();
            int sol = 0, sag = 0;
            for (int y = 1; y < d.rh(); ++y)
                for (int x = 1; x < son; ++x)
                    if (r.pixelColor(x, y) != Beyaz)
                        (x < son / 2 ? sol : sag)++;
            return sol > 0 && sag == 0   ? QStringLiteral("sol")
                   : sag > 0 && sol == 0 ? QStringLiteral("sag")
                                         : QStringLiteral("?");
        };
        QCOMPARE(solda(), QStringLiteral("sol"));
        d.lb->Item(1)->setAlignment(ListBox::Sag);
        QCOMPARE(solda(), QStringLiteral("sag"));
        // With UseDefautItemSettings the control's own alignment overrides the row's.
        d.lb->setUseDefautItemSettings(true);
        QCOMPARE(solda(), QStringLiteral("sol"));
    }

    void tuslarVeOlaySirasi()
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
        QTest::keyClick(d.lb, Qt::Key_Home);
        d.olaylar.clear();
        QTest::keyClick(d.lb, Qt::Key_Up); // already at the top: nothing but KeyDown
        QTest::keyClick(d.lb, Qt::Key_A);
        QCOMPARE(d.olaylar, QStringList({"KeyDown Up", "KeyDown A", "KeyPress a"}));

        // A disabled list takes no keys.
        d.lb->setEnabled(false);
        QTest::keyClick(d.lb, Qt::Key_End);
        QCOMPARE(d.lb->SelectedItem(), 1);
    }

    void deleteTusuSeciliSatirlariSiler()
    {
        Duzenek d(6);
        d.lb->setAktif(5);
        d.Tikla(1);
        d.Tikla(3, Qt::ControlModifier);
        d.olaylar.clear();
        QTest::keyClick(d.lb, Qt::Key_Delete);
        QCOMPARE(d.lb->ListCount(), 6); // DelAktif is off
        QCOMPARE(d.olaylar, QStringList({"KeyDown Del"}));

        d.lb->setDelAktif(true);
        d.olaylar.clear();
        QTest::keyClick(d.lb, Qt::Key_Delete);
        QCOMPARE(d.Sira(), QStringLiteral("1,3,5,6"));
        QCOMPARE(d.olaylar, QStringList({"Scrolled", "ListChange", "KeyDown Del"}));
    }

    void removeItemVeCrop()
    {
        Duzenek d(10);
        QCOMPARE(d.lb->VS()->Max(), SabitNokta(6));
        d.lb->RemoveItem(2);
        QCOMPARE(d.lb->VS()->Max(), SabitNokta(5));
        d.lb->RemoveItem(5);
        d.lb->RemoveItem(9);
        QCOMPARE(d.lb->ListCount(), 8);
        d.lb->setTopIndex(1);

        // Crop: the selected rows go, in one redraw, and the list says it changed.
        d.Tikla(0);
        d.Tikla(2, Qt::ShiftModifier);
        d.olaylar.clear();
        d.lb->Crop();
        QCOMPARE(d.Sira(), QStringLiteral("5,7,8,9,10"));
        QCOMPARE(d.olaylar, QStringList({"ListChange"}));
        QCOMPARE(d.lb->VS()->Max(), SabitNokta(1));
        QVERIFY(!d.lb->VS()->Enabled());
        // Selecting a selected row again does not count it twice.
        d.lb->setSelected(2, true);
        d.lb->setSelected(2, true);
        QCOMPARE(d.lb->SelCount(), 1);
    }

    void suruklemeSatirlariTasirAktifSatirindaKalir()
    {
        Duzenek d(6);
        d.lb->setTasiAktif(true);
        d.lb->setAktif(4);
        d.olaylar.clear();
        FareSurucu::Bas(d.lb, d.Orta(1));
        FareSurucu::Tasi(d.lb, d.Orta(3));
        // The marker line lies on the top edge of the row under the pointer.
        QCOMPARE(d.Resim().pixelColor(3, 3 * d.rh() - 1), QColor(Qt::black));
        FareSurucu::Tasi(d.lb, d.Orta(4));
        FareSurucu::Birak(d.lb, d.Orta(4));
        QCOMPARE(d.Sira(), QStringLiteral("1,3,4,2,5,6"));
        QCOMPARE(d.olaylar, QStringList({"ItemClick S2", "ListMoved", "MouseUp"}));
        QCOMPARE(d.lb->Item(d.lb->Aktif())->Sehir(), QStringLiteral("S4"));
        // The marker is gone.
        QCOMPARE(d.Resim().pixelColor(3, 3 * d.rh() - 1), Beyaz);

        // Without TasiAktif the same gesture moves nothing; the release selects the row.
        d.lb->setTasiAktif(false);
        d.olaylar.clear();
        FareSurucu::Bas(d.lb, d.Orta(0));
        FareSurucu::Tasi(d.lb, d.Orta(4));
        FareSurucu::Birak(d.lb, d.Orta(4));
        QCOMPARE(d.Sira(), QStringLiteral("1,3,4,2,5,6"));
        QCOMPARE(d.olaylar, QStringList({"ItemClick S1", "MouseUp"}));
        QCOMPARE(d.Secili(), QStringLiteral("1"));
    }

    void suruklemeKenardaKaydirir()
    {
        Duzenek d(30);
        d.lb->setTasiAktif(true);
        FareSurucu::Bas(d.lb, d.Orta(0));
        FareSurucu::Tasi(d.lb, d.Orta(2));
        QCOMPARE(d.lb->TopIndex(), 1);
        // Each move below the visible rows scrolls until the row under the pointer shows.
        // The pointer two rows below the list (six rows below the top): row 7 comes into
        // view, then row 9 on the next move.
        const QPoint asagi(40, d.lb->height() + d.rh() + 2);
        FareSurucu::Tasi(d.lb, asagi);
        QCOMPARE(d.lb->TopIndex(), 3);
        FareSurucu::Tasi(d.lb, asagi + QPoint(0, 1));
        QCOMPARE(d.lb->TopIndex(), 5);
        // Dropping there puts row 1 in front of the row under the pointer (row 11).
        FareSurucu::Birak(d.lb, asagi + QPoint(0, 1));
        QCOMPARE(d.lb->Item(10)->Sehir(), QStringLiteral("S1"));
        QCOMPARE(d.lb->Item(11)->Sehir(), QStringLiteral("S11"));
        QCOMPARE(d.lb->SelectedItem(), 10);
        QVERIFY(d.lb->TopIndex() <= 10 && 10 < d.lb->TopIndex() + d.lb->Gorunen());
    }

    void ciftTiklamaAktifYapar()
    {
        Duzenek d(6);
        d.olaylar.clear();
        FareSurucu::CiftTikla(d.lb, d.Orta(2));
        QCOMPARE(d.lb->Aktif(), 3);
        QVERIFY(d.olaylar.contains("AktifChange 3"));
        QCOMPARE(d.olaylar.filter("AktifChange").size(), 1);
        QCOMPARE(d.Secili(), QStringLiteral("3"));

        // A right-button press before the double click does not activate.
        d.olaylar.clear();
        FareSurucu::Bas(d.lb, d.Orta(4), Qt::RightButton);
        FareSurucu::Birak(d.lb, d.Orta(4), Qt::RightButton);
        QTest::mouseDClick(FareSurucu::Pencere(d.lb), Qt::RightButton, {},
                           FareSurucu::Konum(d.lb, d.Orta(4)));
        QCOMPARE(d.lb->Aktif(), 3);
        QCOMPARE(d.olaylar.filter("AktifChange").size(), 0);
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

        QWheelEvent teker(QPointF(20, 20), d.lb->mapToGlobal(QPointF(20, 20)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(d.lb, &teker);
        QCOMPARE(d.lb->TopIndex(), 12);
        QCOMPARE(d.lb->ScrollValue(), 12);
        QCOMPARE(d.olaylar, QStringList({"Scrolled"}));

        // Touchpads and fine wheels send small steps: they add up to a notch, never lost.
        for (int i = 0; i < 8; ++i) {
            QWheelEvent ince(QPointF(20, 20), d.lb->mapToGlobal(QPointF(20, 20)), QPoint(),
                             QPoint(0, 30), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(d.lb, &ince);
        }
        QCOMPARE(d.lb->TopIndex(), 6); // 240 = two notches of three rows up
    }

    // Scrolling to "row 0" while drawing is suspended keeps the list whole: the next picture
    // starts at the first row.
    void askidaykenTopIndexSifir()
    {
        Duzenek d(20);
        d.lb->setUnRefreshControl(true);
        d.lb->setTopIndex(0);
        d.lb->setUnRefreshControl(false);
        QCOMPARE(d.lb->TopIndex(), 1);
        d.lb->setUnRefreshControl(true);
        d.lb->setTopIndex(0);
        QVERIFY(!d.Resim().isNull()); // a paint while suspended
        QCOMPARE(d.lb->TopIndex(), 1);
    }

    void aramaVeSiralama()
    {
        Duzenek d(0);
        for (const char* ad : {"Van", "Isparta", "İzmir", "Adana"})
            d.lb->AddItem(Satir(QString::fromUtf8(ad)));
        // The search box's result: the row alone selected, scrolled to the top.
        d.lb->BulunaniGoster(3);
        QCOMPARE(d.lb->SelectedItem(), 3);
        QCOMPARE(d.lb->SelCount(), 1);

        d.lb->setAktif(1);
        d.lb->setSortField(1); // Sorted is 2: nothing moves
        QCOMPARE(d.lb->Item(1)->Sehir(), QStringLiteral("Van"));
        QVERIFY(!d.lb->SiraliMi());
        d.lb->setSorted(0);
        QStringList sira;
        for (int i = 1; i <= 4; ++i)
            sira << d.lb->Item(i)->Sehir();
        QCOMPARE(sira, QStringList({"Adana", "Isparta", "Van", "İzmir"}));
        QVERIFY(d.lb->SiraliMi());
        // The active and the focused rows follow their rows.
        QCOMPARE(d.lb->Item(d.lb->Aktif())->Sehir(), QStringLiteral("Van"));
        QCOMPARE(d.lb->Item(d.lb->SelectedItem())->Sehir(), QStringLiteral("İzmir"));

        d.lb->SortItems(1, 1);
        QCOMPARE(d.lb->Item(1)->Sehir(), QStringLiteral("İzmir"));
        d.lb->AddItem(QStringLiteral("x"));
        QVERIFY(!d.lb->SiraliMi());
    }
};

QTEST_MAIN(tst_ListBox)
#include "tst_ListBox.moc"
