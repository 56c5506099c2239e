#pragma once

#include "locations/clsFastCollection.h"

#include <memory>

// Positions and selection of the owner-drawn list, apart from its drawing, so that they can
// be tested without a display. Indices are 1-based; 0 means no row.
//
// Which rows are selected lives in the rows' own Selected flag; this class keeps SelCount,
// the focused row (SelectedItem), the anchor of Shift ranges and the active row (Aktif)
// consistent with it while rows come, go, move and get sorted: each of the three positions
// keeps pointing at its own row, or becomes 0 when its row is removed.
class ListeDurumu
{
public:
    // What a key press did, so the control knows what to announce.
    enum class TusSonucu
    {
        Yok,     // nothing changed
        Tasindi, // the focus moved (the scrolled event follows)
        Silindi  // the selected rows were deleted (scrolled, then ListChange)
    };

    clsFastCollection& Satirlar() { return m_satirlar; }
    const clsFastCollection& Satirlar() const { return m_satirlar; }
    int ListCount() const { return m_satirlar.Count(); }
    vkListItem* Item(int index) const { return m_satirlar.Item(index); }

    int Aktif() const { return m_aktif; }
    // Any value outside 1..ListCount means no active row.
    void setAktif(int index);
    int SelectedItem() const { return m_odak; }
    void setSelectedItem(int index);
    int Capa() const { return m_capa; }
    int SelCount() const { return m_selCount; }
    // NewIndex: the position given to the last added row.
    int NewIndex() const { return m_newIndex; }

    int TopIndex() const { return m_topIndex; }
    // Kept within 1 .. EnUstSinir(): no picture ever starts before the first row.
    void setTopIndex(int index);
    // Rows that fit on the surface (at least 1).
    int Gorunen() const { return m_gorunen; }
    void setGorunen(int satir) { m_gorunen = satir < 1 ? 1 : satir; }
    // TopIndex kept within 1 .. ListCount - (Gorunen - 1).
    void TopIndexSinirla();
    // Highest first visible row: the scrollbar's maximum (at least 1).
    int EnUstSinir() const;

    bool MultiSelect() const { return m_multiSelect; }
    void setMultiSelect(bool coklu) { m_multiSelect = coklu; }
    bool DelAktif() const { return m_delAktif; }
    void setDelAktif(bool sil) { m_delAktif = sil; }

    // Rows. Ekle inserts before the given index (1..ListCount), appends for any other; the row
    // gets its Index, is unselected, and the positions at or after it move down by one.
    // Returns the row's position.
    int Ekle(std::unique_ptr<vkListItem> satir, int once = -1);
    // RemoveItem's bookkeeping; false (nothing done) for an index outside 1..ListCount.
    bool Sil(int index);
    void Temizle();
    // Removes every selected row, from the last to the first. Returns how many went.
    int SecilileriSil();

    // Selection.
    void UnSelectAll();
    void SelectAll();
    void InvertSelection();
    // One row's flag, with SelCount kept in step; the focus and the anchor stay.
    void SeciliYap(int index, bool secili);
    // Only this row selected: it becomes the focused row and the anchor.
    void Sec(int index);
    // A left or right press on row `vurulan` with the modifier keys held.
    void Bas(int vurulan, bool shift, bool control);
    // A release that ends no drag: without Shift or Control only the focused row stays selected.
    void Birak(bool shift, bool control);
    // Keys; `tus` is a Qt::Key value.
    TusSonucu Tus(int tus, bool shift);

    // Rows under a pointer at y (pixels from the surface's top) with rows of the given height.
    // Vurulan: the row a press hits, the last row below all rows; 0 for an empty list.
    int Vurulan(int y, int satirYuksekligi) const;
    // FareSatiri: the row under the pointer for ListIndex, 1 .. ListCount + 1.
    int FareSatiri(int y, int satirYuksekligi) const;

    // Scrolls so that the row is visible; false when TopIndex stayed.
    bool EnsureVisible(int index);

    // Dragging: takes the selected rows out and puts them back, in their order, in front of
    // the row at `hedef` (ListCount + 1: at the end). The rows stay selected. Returns the
    // position of the first moved row, 0 when the order did not change.
    int Tasi(int hedef);

    // Runs a reordering of the rows (a sort) keeping the active, focused and anchor
    // positions on their rows.
    template <typename F> void SiraDegistir(F&& degistir)
    {
        const Isaretler once = IsaretleriAl();
        degistir(m_satirlar);
        IsaretleriBul(once);
    }

private:
    struct Isaretler
    {
        const vkListItem* aktif;
        const vkListItem* odak;
        const vkListItem* capa;
    };
    Isaretler IsaretleriAl() const;
    void IsaretleriBul(const Isaretler& isaretler);
    void Git(int index);
    void AraligiSec(int ilk, int son);

    clsFastCollection m_satirlar;
    int m_aktif = 0;
    int m_odak = 0;
    int m_capa = 0;
    int m_selCount = 0;
    int m_newIndex = 0;
    int m_topIndex = 1;
    int m_gorunen = 1;
    bool m_multiSelect = true;
    bool m_delAktif = false;
};
