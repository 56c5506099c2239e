#pragma once

#include <vector>

class ListeKaynagi;

// Positions and selection of the owner-drawn list, apart from its drawing, so that they can
// be tested without a display. Indices are 1-based; 0 means no row.
//
// The rows belong to the source (ListeKaynagi); this class keeps which are selected, SelCount,
// the focused row (SelectedItem), the anchor of Shift ranges and the active row (Aktif)
// consistent while rows come, go, move and get sorted: each of the three positions keeps
// pointing at its own row, or becomes 0 when its row is removed.
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

    // The source; the state starts afresh (nothing selected, no marks, first row on top).
    void setKaynak(ListeKaynagi* kaynak);
    ListeKaynagi* Kaynak() const { return kaynak_; }
    // The source replaced its rows: the state starts afresh for them.
    void Sifirla();

    int ListCount() const { return int(secili_.size()) - 1; }
    bool Secili(int index) const { return index >= 1 && index <= ListCount() && secili_[index]; }

    int Aktif() const { return aktif_; }
    // Any value outside 1..ListCount means no active row.
    void setAktif(int index);
    int SelectedItem() const { return odak_; }
    void setSelectedItem(int index);
    int Capa() const { return capa_; }
    int SelCount() const { return selCount_; }
    // NewIndex: the position given to the last added row.
    int NewIndex() const { return newIndex_; }

    int TopIndex() const { return topIndex_; }
    // Kept within 1 .. EnUstSinir(): no picture ever starts before the first row.
    void setTopIndex(int index);
    // Rows that fit on the surface (at least 1).
    int Gorunen() const { return gorunen_; }
    void setGorunen(int satir) { gorunen_ = satir < 1 ? 1 : satir; }
    // TopIndex kept within 1 .. ListCount - (Gorunen - 1).
    void TopIndexSinirla();
    // Highest first visible row: the scrollbar's maximum (at least 1).
    int EnUstSinir() const;

    bool MultiSelect() const { return multiSelect_; }
    void setMultiSelect(bool coklu) { multiSelect_ = coklu; }
    bool DelAktif() const { return delAktif_; }
    void setDelAktif(bool sil) { delAktif_ = sil; }

    // Rows. The source inserted a row at `konum`: it is unselected, and the positions at or
    // after it move down by one.
    void Eklendi(int konum);
    // Removes one row through the source; false (nothing done) outside 1..ListCount.
    bool Sil(int index);
    void Temizle();
    // Removes every selected row. Returns how many went.
    int SecilileriSil();
    // The source's rows were put in a new order (new row i is old row sira[i - 1]; rows not
    // named went): the selection and the three positions follow their rows.
    void SiraDegisti(const std::vector<int>& sira);

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

private:
    // Applies an order through the source and follows it here.
    void Uygula(const std::vector<int>& sira);
    void Git(int index);
    void AraligiSec(int ilk, int son);

    ListeKaynagi* kaynak_ = nullptr;
    std::vector<char> secili_ = std::vector<char>(1); // [0] unused
    int aktif_ = 0;
    int odak_ = 0;
    int capa_ = 0;
    int selCount_ = 0;
    int newIndex_ = 0;
    int topIndex_ = 1;
    int gorunen_ = 1;
    bool multiSelect_ = true;
    bool delAktif_ = false;
};
