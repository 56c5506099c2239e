// Positions and selection of the list without a display, as the place list uses them: one
// selected row at a time, the active row, keys, scrolling and refills.
#include "controls/ListeDurumu.h"
#include "controls/MetinListesi.h"

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
    MetinListesi kaynak;
    ListeDurumu d;
};

TEST(ListeDurumu, OnePressSelectsOneRowAndASearchThatMissesLeavesNone)
{
    Liste l(5);
    l.d.Bas(2, false, false);
    l.d.Bas(4, true, false);
    l.d.Bas(5, false, true);
    l.d.Bas(5, false, true);  // Control on the selected row does not unselect it
    l.d.Bas(9, false, false); // past the rows: nothing
    EXPECT_TRUE(l.d.Secili(5) && !l.d.Secili(2) && !l.d.Secili(4) && l.d.SelCount() == 1);
    // The search box clears the marks and finds nothing: the focus stays on row 5, which no
    // longer shows selected, so "Kaydet" must not take it.
    l.d.UnSelectAll();
    EXPECT_EQ(l.d.SelectedItem(), 5);
    EXPECT_TRUE(!l.d.Secili(5) && l.d.SelCount() == 0);
    // data.db read again after an add: the marks start afresh for the new rows.
    l.d.setAktif(4);
    l.d.setTopIndex(2);
    l.kaynak.Ekle({{QStringLiteral("S6")}});
    l.d.Sifirla();
    EXPECT_EQ(l.d.ListCount(), 6);
    EXPECT_EQ(l.d.Aktif() + l.d.SelectedItem() + l.d.SelCount() + l.d.TopIndex(), 1);
}

// 20 rows, 5 fit; row 3 selected and the anchor, the focus on `odak` (0: none). The row
// expected (0: nothing changes) is the one selected row, and the list scrolls as far as it
// shows.
TEST(ListeDurumu, KeysMoveBetweenRows)
{
    const int durumlar[][3] = {
        {5, Qt::Key_Up, 4},     {1, Qt::Key_Left, 0},       {5, Qt::Key_Down, 6},
        {20, Qt::Key_Right, 0}, {0, Qt::Key_Down, 4},       {10, Qt::Key_PageUp, 6},
        {4, Qt::Key_PageUp, 1}, {10, Qt::Key_PageDown, 14}, {16, Qt::Key_PageDown, 20},
        {12, Qt::Key_Home, 1},  {12, Qt::Key_End, 20},      {12, Qt::Key_A, 0}};
    for (const auto& [odak, tus, beklenen] : durumlar) {
        Liste l(20, 5);
        l.d.Bas(3, false, false);
        l.d.setSelectedItem(odak);
        const bool tasindi = l.d.Tus(tus, false) == ListeDurumu::TusSonucu::Tasindi;
        const int secili = beklenen ? beklenen : 3;
        EXPECT_EQ(tasindi, beklenen != 0) << odak << " " << tus;
        EXPECT_TRUE(l.d.Secili(secili) && l.d.SelCount() == 1 && l.d.Secili(3) == (secili == 3))
            << odak << " " << tus;
        EXPECT_EQ(l.d.TopIndex(), std::max(1, beklenen - 4)) << odak << " " << tus;
    }
}

// The top row stays within the list however it is set (a scrollbar value, a wheel, "row 0"
// while drawing is suspended), and EnsureVisible scrolls only as far as needed.
TEST(ListeDurumu, TopRowStaysWithinTheList)
{
    Liste l(10, 4);
    const int tepeler[][2] = {{50, 7}, {-3, 1}, {0, 1}, {5, 5}};
    for (const auto& [istenen, top] : tepeler) {
        l.d.setTopIndex(istenen);
        EXPECT_EQ(l.d.TopIndex(), top) << istenen;
    }
    const int gorunurler[][2] = {{9, 6}, {7, 6}, {2, 2}, {11, 2}, {0, 2}};
    for (const auto& [satir, top] : gorunurler) {
        l.d.EnsureVisible(satir);
        EXPECT_EQ(l.d.TopIndex(), top) << satir;
    }
    EXPECT_EQ(Liste(3, 8).d.EnUstSinir(), 1); // all rows fit: the top is pinned to 1
}

} // namespace
