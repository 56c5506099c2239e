#pragma once

#include "locations/vkListItem.h"

#include <memory>
#include <vector>

class KonumTamponu;

// The list's rows, addressed by position 1..Count. One array of row pointers that grows and
// shrinks in steps of 1000, so filling 8000 rows one by one reallocates about eight times and
// an insert or removal moves one block of pointers. The collection owns its rows: those added
// one by one, and those a reader hands over in one block together with the bytes their names
// stand in (Yukle).
class clsFastCollection
{
public:
    static constexpr int Adim = 1000;

    clsFastCollection() = default;
    ~clsFastCollection();
    clsFastCollection(const clsFastCollection&) = delete;
    clsFastCollection& operator=(const clsFastCollection&) = delete;
    clsFastCollection(clsFastCollection&& o) noexcept;
    clsFastCollection& operator=(clsFastCollection&& o) noexcept;

    // Inserts before position b when 1 <= b <= Count + 1, appends for any other b (-1).
    // Returns the row's position.
    int Add(std::unique_ptr<vkListItem> satir, int b = -1);
    void Clear();
    // Replaces every row with these, in order; their names stand in `tampon`.
    void Yukle(std::vector<vkListItem> satirlar, std::shared_ptr<const KonumTamponu> tampon);
    // Puts the rows in a new order: the row at position sira[0] first, and so on. Rows whose
    // positions are not listed are released.
    void Yerlestir(const std::vector<int>& sira);

    // The row at 1 <= konum <= Count, otherwise nullptr.
    vkListItem* Item(int konum) const;
    int Count() const { return count_; }
    int Kapasite() const { return kapasite_; }

private:
    bool Bloktan(const vkListItem* satir) const;
    void Birak(vkListItem* satir);
    void Buyut();
    void Kucult();
    void KapasiteAyarla(int yeni);

    std::unique_ptr<vkListItem*[]> satirlar_; // [0] unused
    int count_ = 0;
    int kapasite_ = 0;
    std::vector<vkListItem> blok_;               // rows handed over by Yukle
    std::shared_ptr<const KonumTamponu> tampon_; // the bytes their names stand in
};
