// Positions and selection of the list without a display, over a source of plain rows: what
// the place list uses (one selected row, the active row, keys, the mouse, scrolling).
#include "controls/ListeDurumu.h"
#include "controls/MetinListesi.h"

#include <QtCore/qnamespace.h>

#include <gtest/gtest.h>

namespace {

// n rows "S1".."Sn", `gorunen` of them fitting on the surface, one selected row at a time.
struct Liste
{
    explicit Liste(int n, int gorunen = 5)
    {
        for (int i = 1; i <= n; ++i)
            kaynak.Ekle({{QStringLiteral("S%1").arg(i)}});
        d.setKaynak(&kaynak);
        d.setGorunen(gorunen);
        d.setMultiSelect(false);
    }
    QString Secili() const
    {
        QStringList s;
        for (int i = 1; i <= d.ListCount(); ++i)
            if (d.Secili(i))
                s << QString::number(i);
        return s.join(QLatin1Char(','));
    }
    MetinListesi kaynak;
    ListeDurumu d;
};

TEST(ListeDurumu, OnePressSelectsOneRowWhateverTheKeys)
{
    Liste l(5);
    l.d.Bas(2, false, false);
    l.d.Bas(4, true, false);
    EXPECT_EQ(l.Secili(), QStringLiteral("4"));
    l.d.Bas(5, false, true);
    l.d.Bas(5, false, true); // Control on the selected row does not unselect it
    EXPECT_EQ(l.Secili(), QStringLiteral("5"));
    EXPECT_EQ(l.d.SelCount(), 1);
    EXPECT_EQ(l.d.SelectedItem(), 5);
    l.d.Bas(9, false, false); // past the rows: nothing
    EXPECT_EQ(l.Secili(), QStringLiteral("5"));
}

TEST(ListeDurumu, KeysMoveBetweenRows)
{
    struct Durum
    {
        const char* ad;
        int odak;
        int tus;
        int beklenen; // 0: nothing changes
    };
    // 20 rows, 5 fit (V = 4); row 3 selected and the anchor.
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
        {"end", 12, Qt::Key_End, 20},
        {"other key", 12, Qt::Key_A, 0},
    };
    for (const Durum& t : durumlar) {
        SCOPED_TRACE(t.ad);
        Liste l(20, 5);
        l.d.Bas(3, false, false);
        l.d.setSelectedItem(t.odak);
        const int top = l.d.TopIndex();

        const auto sonuc = l.d.Tus(t.tus, false);
        if (t.beklenen == 0) {
            EXPECT_EQ(sonuc, ListeDurumu::TusSonucu::Yok);
            EXPECT_EQ(l.Secili(), QStringLiteral("3"));
            EXPECT_EQ(l.d.TopIndex(), top);
            continue;
        }
        EXPECT_EQ(sonuc, ListeDurumu::TusSonucu::Tasindi);
        EXPECT_EQ(l.d.SelectedItem(), t.beklenen);
        EXPECT_EQ(l.Secili(), QString::number(t.beklenen));
        // The anchor is where the focus was (the old anchor when there was no focus).
        EXPECT_EQ(l.d.Capa(), t.odak > 0 ? t.odak : 3);
        // Scrolled so that the row shows.
        EXPECT_TRUE(t.beklenen >= l.d.TopIndex() && t.beklenen <= l.d.TopIndex() + 4);
    }
}

TEST(ListeDurumu, RowsUnderThePointer)
{
    ListeDurumu bos;
    EXPECT_EQ(bos.Vurulan(5, 10), 0);
    Liste l(10, 4);
    l.d.setTopIndex(3);
    // A press hits the row whose bottom lies below the pointer; below all rows, the last.
    EXPECT_EQ(l.d.Vurulan(0, 10), 3);
    EXPECT_EQ(l.d.Vurulan(9, 10), 3);
    EXPECT_EQ(l.d.Vurulan(10, 10), 4);
    EXPECT_EQ(l.d.Vurulan(500, 10), 10);
    // The row under the pointer runs one past the last row and counts rows above the top.
    EXPECT_EQ(l.d.FareSatiri(25, 10), 5);
    EXPECT_EQ(l.d.FareSatiri(500, 10), 11);
    EXPECT_EQ(l.d.FareSatiri(-1, 10), 2);
    EXPECT_EQ(l.d.FareSatiri(-300, 10), 1);
}

// The top row stays within the list however it is set (a scrollbar value, a wheel, "row 0"
// while drawing is suspended), and EnsureVisible scrolls only as far as needed.
TEST(ListeDurumu, TopRowStaysWithinTheList)
{
    Liste l(10, 4);
    EXPECT_EQ(l.d.EnUstSinir(), 7);
    EXPECT_TRUE(l.d.EnsureVisible(9));
    EXPECT_EQ(l.d.TopIndex(), 6);
    EXPECT_FALSE(l.d.EnsureVisible(7)); // already visible
    EXPECT_TRUE(l.d.EnsureVisible(2));
    EXPECT_EQ(l.d.TopIndex(), 2);
    EXPECT_FALSE(l.d.EnsureVisible(11)); // outside the rows: unchanged
    EXPECT_FALSE(l.d.EnsureVisible(0));
    for (const auto& [istenen, beklenen] : {std::pair{50, 7}, {-3, 1}, {0, 1}, {5, 5}}) {
        l.d.setTopIndex(istenen);
        EXPECT_EQ(l.d.TopIndex(), beklenen) << istenen;
    }
    Liste kisa(3, 8); // all rows fit: the top is pinned to 1
    EXPECT_EQ(kisa.d.EnUstSinir(), 1);
}

// The source refilled its rows (data.db read again after an add): the marks start afresh, and
// rows the source reorders take their marks along.
TEST(ListeDurumu, RefillStartsAfreshAndMarksFollowTheirRows)
{
    Liste l(6);
    l.d.setAktif(4);
    l.d.Bas(2, false, false);
    l.kaynak.Ekle({{QStringLiteral("S7")}});
    l.d.Sifirla();
    EXPECT_EQ(l.d.ListCount(), 7);
    EXPECT_EQ(l.d.Aktif(), 0);
    EXPECT_EQ(l.d.SelectedItem(), 0);
    EXPECT_EQ(l.Secili(), QString());

    l.d.setAktif(4);
    l.d.Bas(2, false, false);
    l.d.SiraDegisti({7, 6, 5, 4, 3, 2}); // reversed, row 1 gone
    EXPECT_EQ(l.d.Aktif(), 4);
    EXPECT_EQ(l.d.SelectedItem(), 6);
    EXPECT_EQ(l.Secili(), QStringLiteral("6"));
    EXPECT_EQ(l.d.ListCount(), 6);
}

} // namespace
