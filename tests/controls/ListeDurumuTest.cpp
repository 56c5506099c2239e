// Positions and selection of the list without a display: the rows are real vkListItem rows in
// the real clsFastCollection, only the drawing is left out.
#include "controls/ListeDurumu.h"
#include "locations/clsSort.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::unique_ptr<vkListItem> Satir(const QString& sehir, int id = 0)
{
    KonumKaydi k;
    k.Id = id;
    k.Ulke = QStringLiteral("Türkiye");
    k.Sehir = sehir;
    return std::make_unique<vkListItem>(k);
}

// A list of n rows named "S1".."Sn", `gorunen` rows fitting on the surface.
void Doldur(ListeDurumu& d, int n, int gorunen = 5)
{
    for (int i = 1; i <= n; ++i)
        d.Ekle(Satir(QStringLiteral("S%1").arg(i), i));
    d.setGorunen(gorunen);
}

QString Sira(const ListeDurumu& d)
{
    QStringList adlar;
    for (int i = 1; i <= d.ListCount(); ++i)
        adlar << d.Item(i)->Sehir().mid(1);
    return adlar.join(QLatin1Char(','));
}

QString Secili(const ListeDurumu& d)
{
    QStringList s;
    for (int i = 1; i <= d.ListCount(); ++i)
        if (d.Item(i)->Selected())
            s << QString::number(i);
    return s.join(QLatin1Char(','));
}

} // namespace

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

TEST(ListeDurumu, eklemeKonumlariKaydirir)
{
    ListeDurumu d;
    Doldur(d, 3);
    d.setAktif(2);
    d.Sec(3);
    EXPECT_EQ(d.SelectedItem(), 3);

    // Inserting before the active row moves it down; its row stays active.
    const int konum = d.Ekle(Satir(QStringLiteral("S0")), 1);
    EXPECT_EQ(konum, 1);
    EXPECT_EQ(d.NewIndex(), 1);
    EXPECT_EQ(Sira(d), QStringLiteral("0,1,2,3"));
    EXPECT_EQ(d.Aktif(), 3);
    EXPECT_EQ(d.SelectedItem(), 4);
    EXPECT_EQ(d.Capa(), 4);
    EXPECT_EQ(d.Item(d.Aktif())->Sehir(), QStringLiteral("S2"));

    // Inserting at the active row's own index also moves it.
    d.Ekle(Satir(QStringLiteral("X")), 3);
    EXPECT_EQ(d.Item(d.Aktif())->Sehir(), QStringLiteral("S2"));
    EXPECT_EQ(d.Aktif(), 4);

    // Appending (any index outside 1..ListCount) leaves them; the new row is not selected
    // even if it came in selected, and knows its position.
    auto secili = Satir(QStringLiteral("Y"));
    secili->setSelected(true);
    EXPECT_EQ(d.Ekle(std::move(secili), 99), 6);
    EXPECT_EQ(d.Item(6)->Index(), 6);
    EXPECT_FALSE(d.Item(6)->Selected());
    EXPECT_EQ(d.Aktif(), 4);
    EXPECT_EQ(d.SelCount(), 1);
}

TEST(ListeDurumu, silmeAktifVeOdakSatirindaKalir)
{
    ListeDurumu d;
    Doldur(d, 6);
    d.setAktif(4);
    d.Sec(5);

    // Removing a row before the active one keeps the same place active.
    EXPECT_TRUE(d.Sil(2));
    EXPECT_EQ(d.Aktif(), 3);
    EXPECT_EQ(d.Item(d.Aktif())->Sehir(), QStringLiteral("S4"));
    EXPECT_EQ(d.Item(d.SelectedItem())->Sehir(), QStringLiteral("S5"));
    EXPECT_EQ(d.SelCount(), 1);

    // Removing the active row leaves none.
    EXPECT_TRUE(d.Sil(3));
    EXPECT_EQ(d.Aktif(), 0);

    // Removing the selected (focused) row: no focus, one selected row fewer, the anchor is
    // the removed row's place.
    EXPECT_EQ(d.Item(3)->Sehir(), QStringLiteral("S5"));
    EXPECT_TRUE(d.Sil(3));
    EXPECT_EQ(d.SelectedItem(), 0);
    EXPECT_EQ(d.SelCount(), 0);
    EXPECT_EQ(d.Capa(), 3);
    EXPECT_EQ(Sira(d), QStringLiteral("1,3,6"));

    // Outside the rows nothing happens.
    EXPECT_FALSE(d.Sil(0));
    EXPECT_FALSE(d.Sil(4));
    EXPECT_EQ(d.ListCount(), 3);

    // The anchor never points past the last row; the last row gone, every position is 0.
    d.Sec(3);
    EXPECT_TRUE(d.Sil(3));
    EXPECT_EQ(d.Capa(), 2);
    d.setAktif(1);
    d.Sec(1);
    EXPECT_TRUE(d.Sil(1) && d.Sil(1));
    EXPECT_EQ(
        (std::vector<int>{d.ListCount(), d.Aktif(), d.SelectedItem(), d.Capa(), d.SelCount()}),
        std::vector<int>(5, 0));
    EXPECT_EQ(d.Satirlar().Kapasite(), 0);
}

TEST(ListeDurumu, tekSecimdeShiftVeControlTekSatirSecer)
{
    ListeDurumu d;
    Doldur(d, 5);
    d.setMultiSelect(false);
    d.Bas(2, false, false);
    d.Bas(4, true, false);
    EXPECT_EQ(Secili(d), QStringLiteral("4"));
    d.Bas(5, false, true);
    EXPECT_EQ(Secili(d), QStringLiteral("5"));
    d.Bas(5, false, true); // Control on the selected row does not unselect it
    EXPECT_EQ(Secili(d), QStringLiteral("5"));
    EXPECT_EQ(d.SelCount(), 1);
}

TEST(ListeDurumu, shiftAraligiCapayaGoreSecer)
{
    ListeDurumu d;
    Doldur(d, 8);
    d.Bas(3, false, false);
    d.Bas(6, true, false);
    EXPECT_EQ(Secili(d), QStringLiteral("3,4,5,6"));
    EXPECT_EQ(d.SelCount(), 4);
    EXPECT_EQ(d.SelectedItem(), 6);
    // The anchor stays at 3: a second Shift press pivots on it, upwards too.
    d.Bas(1, true, false);
    EXPECT_EQ(Secili(d), QStringLiteral("1,2,3"));
    EXPECT_EQ(d.SelCount(), 3);
    EXPECT_EQ(d.Capa(), 3);

    // Shift without an anchor is an ordinary press.
    ListeDurumu bos;
    Doldur(bos, 4);
    bos.Bas(3, true, false);
    EXPECT_EQ(Secili(bos), QStringLiteral("3"));
    EXPECT_EQ(bos.Capa(), 3);
}

TEST(ListeDurumu, controlSecimiTersler)
{
    ListeDurumu d;
    Doldur(d, 5);
    d.Bas(2, false, false);
    d.Bas(4, false, true);
    EXPECT_EQ(Secili(d), QStringLiteral("2,4"));
    d.Bas(2, false, true);
    EXPECT_EQ(Secili(d), QStringLiteral("4"));
    EXPECT_EQ(d.SelCount(), 1);
    EXPECT_EQ(d.SelectedItem(), 4); // unselecting does not move the focus
    EXPECT_EQ(d.Capa(), 2);         // nor the anchor

    // A release with Control keeps the multiple selection; a plain one narrows it.
    d.Bas(1, false, true);
    d.Birak(false, true);
    EXPECT_EQ(Secili(d), QStringLiteral("1,4"));
    d.Birak(false, false);
    EXPECT_EQ(Secili(d), QStringLiteral("1"));
    EXPECT_EQ(d.SelCount(), 1);
    EXPECT_EQ(d.Capa(), 1);

    // A press on an unselected row replaces the selection.
    d.Bas(4, false, true);
    d.Bas(5, false, false);
    EXPECT_EQ(Secili(d), QStringLiteral("5"));
    EXPECT_EQ(d.SelCount(), 1);
}

TEST(ListeDurumu, tuslarSatirlarArasindaGezer)
{
    struct Durum
    {
        const char* ad;
        int odak;
        int tus;
        int beklenen; // 0: nothing changes
    };
    // 20 rows, 5 fit (V = 4); rows 3 and 5 selected, the anchor at 3.
    const Durum durumlar[] = {
        {"up", 5, Qt::Key_Up, 4},
        {"left at first row", 1, Qt::Key_Left, 0},
        {"down", 5, Qt::Key_Down, 6},
        {"right at last row", 20, Qt::Key_Right, 0},
        {"down without focus starts at the anchor", 0, Qt::Key_Down, 4},
        {"page up", 10, Qt::Key_PageUp, 6},
        {"page up near top", 4, Qt::Key_PageUp, 1},
        {"page down", 10, Qt::Key_PageDown, 14},
        {"page down near end", 16, Qt::Key_PageDown, 20},
        {"home", 12, Qt::Key_Home, 1},
        {"other key", 12, Qt::Key_A, 0},
    };
    for (const Durum& t : durumlar) {
        SCOPED_TRACE(t.ad);
        ListeDurumu d;
        Doldur(d, 20, 5);
        d.Bas(3, false, false);
        d.Bas(5, false, true);
        d.setSelectedItem(t.odak);
        const int top = d.TopIndex();

        const auto sonuc = d.Tus(t.tus, false);
        if (t.beklenen == 0) {
            EXPECT_EQ(sonuc, ListeDurumu::TusSonucu::Yok);
            EXPECT_EQ(Secili(d), QStringLiteral("3,5"));
            EXPECT_EQ(d.TopIndex(), top);
            continue;
        }
        EXPECT_EQ(sonuc, ListeDurumu::TusSonucu::Tasindi);
        EXPECT_EQ(d.SelectedItem(), t.beklenen);
        EXPECT_EQ(Secili(d), QString::number(t.beklenen));
        EXPECT_EQ(d.SelCount(), 1);
        // The anchor is where the focus was (the old anchor when there was no focus).
        EXPECT_EQ(d.Capa(), t.odak > 0 ? t.odak : 3);
        // Scrolled so that the row shows.
        EXPECT_TRUE(t.beklenen >= d.TopIndex() && t.beklenen <= d.TopIndex() + 4);
    }
}

TEST(ListeDurumu, endVeShiftEnd)
{
    ListeDurumu d;
    Doldur(d, 12, 5);
    d.Bas(3, false, false);
    EXPECT_EQ(d.Tus(Qt::Key_End, false), ListeDurumu::TusSonucu::Tasindi);
    EXPECT_EQ(Secili(d), QStringLiteral("12"));
    EXPECT_EQ(d.Capa(), 3);
    EXPECT_EQ(d.TopIndex(), 8);

    // Shift+End selects from the focused row to the last.
    d.Bas(9, false, false);
    d.setTopIndex(1);
    EXPECT_EQ(d.Tus(Qt::Key_End, true), ListeDurumu::TusSonucu::Tasindi);
    EXPECT_EQ(Secili(d), QStringLiteral("9,10,11,12"));
    EXPECT_EQ(d.SelCount(), 4);
    EXPECT_EQ(d.SelectedItem(), 12);
    // ... and a Shift press afterwards pivots on that start.
    d.Bas(7, true, false);
    EXPECT_EQ(Secili(d), QStringLiteral("7,8,9"));

    // One row at a time: Shift+End is a plain End.
    d.setMultiSelect(false);
    d.Bas(2, false, false);
    d.Tus(Qt::Key_End, true);
    EXPECT_EQ(Secili(d), QStringLiteral("12"));
}

TEST(ListeDurumu, deleteYalnizDelAktifIle)
{
    ListeDurumu d;
    Doldur(d, 6);
    d.setAktif(6);
    d.Bas(2, false, false);
    d.Bas(4, false, true);
    EXPECT_EQ(d.Tus(Qt::Key_Delete, false), ListeDurumu::TusSonucu::Yok);
    EXPECT_EQ(d.ListCount(), 6);

    d.setDelAktif(true);
    EXPECT_EQ(d.Tus(Qt::Key_Delete, false), ListeDurumu::TusSonucu::Silindi);
    EXPECT_EQ(Sira(d), QStringLiteral("1,3,5,6"));
    EXPECT_EQ(d.SelCount(), 0);
    EXPECT_EQ(d.SelectedItem(), 0);
    EXPECT_EQ(d.Item(d.Aktif())->Sehir(), QStringLiteral("S6"));
    // Nothing selected: nothing to delete.
    EXPECT_EQ(d.Tus(Qt::Key_Delete, false), ListeDurumu::TusSonucu::Yok);
}

TEST(ListeDurumu, tasimaSeciliSatirlariHedefinOnuneKoyar)
{
    struct Durum
    {
        const char* ad;
        const char* secili;
        int hedef;
        const char* sira;
        int yer;
    };
    const Durum durumlar[] = {
        {"one row down", "2", 5, "1,3,4,2,5,6", 4},
        {"one row up", "5", 2, "1,5,2,3,4,6", 2},
        {"to the end", "1", 7, "2,3,4,5,6,1", 6},
        {"to the top", "6", 1, "6,1,2,3,4,5", 1},
        {"scattered rows keep their order", "1,3,5", 7, "2,4,6,1,3,5", 4},
        {"block into the middle", "5,6", 2, "1,5,6,2,3,4", 2},
        {"onto itself", "3", 4, "1,2,3,4,5,6", 0},
    };
    for (const Durum& t : durumlar) {
        SCOPED_TRACE(t.ad);
        ListeDurumu d;
        Doldur(d, 6);
        const QString secili = QString::fromLatin1(t.secili);
        for (const QString& s : secili.split(QLatin1Char(',')))
            d.Bas(s.toInt(), false, true);
        const int sayi = d.SelCount();

        EXPECT_EQ(d.Tasi(t.hedef), t.yer);
        EXPECT_EQ(Sira(d), QString::fromLatin1(t.sira));
        EXPECT_EQ(d.SelCount(), sayi);
        // The moved rows stay selected, wherever they went.
        QStringList seciliAdlar;
        for (int i = 1; i <= d.ListCount(); ++i)
            if (d.Item(i)->Selected())
                seciliAdlar << d.Item(i)->Sehir().mid(1);
        EXPECT_EQ(seciliAdlar.join(QLatin1Char(',')), secili);
    }
}

TEST(ListeDurumu, tasimaAktifSatiriIzler)
{
    ListeDurumu d;
    Doldur(d, 6);
    d.setAktif(4);
    d.Bas(1, false, false);
    d.Bas(2, true, false);
    EXPECT_EQ(d.Tasi(6), 4);
    EXPECT_EQ(Sira(d), QStringLiteral("3,4,5,1,2,6"));
    EXPECT_EQ(d.Item(d.Aktif())->Sehir(), QStringLiteral("S4"));
    EXPECT_EQ(d.Aktif(), 2);
    EXPECT_EQ(d.Item(d.SelectedItem())->Sehir(), QStringLiteral("S2"));
    EXPECT_EQ(d.Item(d.Capa())->Sehir(), QStringLiteral("S1"));

    // The active row itself can be dragged and stays active.
    d.Bas(2, false, false);
    d.Tasi(1);
    EXPECT_EQ(d.Aktif(), 1);
    EXPECT_EQ(d.Item(1)->Sehir(), QStringLiteral("S4"));
}

TEST(ListeDurumu, siralamaAktifSatiriIzler)
{
    ListeDurumu d;
    for (const char* ad : {"Van", "Adana", "Kars", "Bursa"})
        d.Ekle(Satir(QString::fromLatin1(ad)));
    d.setAktif(3);
    d.Bas(1, false, false);
    d.SiraDegistir([](clsFastCollection& c) { clsSort().SortItems(c, 0, 1); });
    EXPECT_EQ(d.Item(1)->Sehir(), QStringLiteral("Adana"));
    EXPECT_EQ(d.Item(d.Aktif())->Sehir(), QStringLiteral("Kars"));
    EXPECT_EQ(d.Item(d.SelectedItem())->Sehir(), QStringLiteral("Van"));
    EXPECT_EQ(d.SelectedItem(), 4);
    // Index keeps the value given when the row was added.
    EXPECT_EQ(d.Item(1)->Index(), 2);
}

TEST(ListeDurumu, fareSatirlari)
{
    ListeDurumu d;
    EXPECT_EQ(d.Vurulan(5, 10), 0);
    Doldur(d, 10, 4);
    d.setTopIndex(3);
    // A press hits the row whose bottom lies below the pointer; below all rows, the last.
    EXPECT_EQ(d.Vurulan(0, 10), 3);
    EXPECT_EQ(d.Vurulan(9, 10), 3);
    EXPECT_EQ(d.Vurulan(10, 10), 4);
    EXPECT_EQ(d.Vurulan(500, 10), 10);
    // The row under the pointer runs one past the last row and counts rows above the top.
    EXPECT_EQ(d.FareSatiri(25, 10), 5);
    EXPECT_EQ(d.FareSatiri(500, 10), 11);
    EXPECT_EQ(d.FareSatiri(-1, 10), 2);
    EXPECT_EQ(d.FareSatiri(-300, 10), 1);
}

TEST(ListeDurumu, ensureVisibleVeUstSinir)
{
    ListeDurumu d;
    Doldur(d, 10, 4);
    EXPECT_EQ(d.EnUstSinir(), 7);
    EXPECT_TRUE(d.EnsureVisible(9));
    EXPECT_EQ(d.TopIndex(), 6);
    EXPECT_FALSE(d.EnsureVisible(7)); // already visible
    EXPECT_TRUE(d.EnsureVisible(2));
    EXPECT_EQ(d.TopIndex(), 2);
    EXPECT_FALSE(d.EnsureVisible(11)); // outside the rows: unchanged
    EXPECT_FALSE(d.EnsureVisible(0));
    EXPECT_EQ(d.TopIndex(), 2);

    d.setTopIndex(50);
    d.TopIndexSinirla();
    EXPECT_EQ(d.TopIndex(), 7);
    d.setTopIndex(-3);
    d.TopIndexSinirla();
    EXPECT_EQ(d.TopIndex(), 1);

    // All rows fit: the top is pinned to 1.
    ListeDurumu kisa;
    Doldur(kisa, 3, 8);
    EXPECT_EQ(kisa.EnUstSinir(), 1);
}

TEST(ListeDurumu, invertSelection)
{
    ListeDurumu d;
    Doldur(d, 5);
    d.Bas(2, false, false);
    d.Bas(5, false, true);
    d.InvertSelection();
    EXPECT_EQ(Secili(d), QStringLiteral("1,3,4"));
    EXPECT_EQ(d.SelCount(), 3);
    EXPECT_EQ(d.SelectedItem(), 4);
    d.SelectAll();
    EXPECT_EQ(d.SelCount(), 5);
    EXPECT_EQ(d.SelectedItem(), 5);
    d.InvertSelection();
    EXPECT_EQ(d.SelCount(), 0);
    EXPECT_EQ(d.SelectedItem(), 5); // no newly selected row: the focus stays
}
