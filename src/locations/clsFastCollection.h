#pragma once

#include "locations/vkListItem.h"

#include <memory>
#include <vector>

// The list's rows, addressed by position 1..Count. One array of row pointers that grows and
// shrinks in steps of 1000, so filling 8000 rows reallocates about eight times and an insert
// or removal moves one block of pointers. The collection owns its rows.
class clsFastCollection
{
public:
    static constexpr int Adim = 1000;

    clsFastCollection() = default;
    clsFastCollection(const clsFastCollection&) = delete;
    clsFastCollection& operator=(const clsFastCollection&) = delete;
    clsFastCollection(clsFastCollection&&) noexcept = default;
    clsFastCollection& operator=(clsFastCollection&&) noexcept = default;

    // Inserts before position b when 1 <= b <= Count + 1, appends for any other b (-1).
    // Returns the row's position.
    int Add(std::unique_ptr<vkListItem> satir, int b = -1);
    // Removes and releases the row at the position; other positions do nothing.
    void Remove(int konum);
    // Removes the row at the position and hands it to the caller (for moving rows around);
    // nullptr for other positions.
    std::unique_ptr<vkListItem> Take(int konum);
    void Clear();
    // Every row in order, leaving the collection empty as Clear does.
    std::vector<std::unique_ptr<vkListItem>> TakeAll();

    // The row at 1 <= konum <= Count, otherwise nullptr.
    vkListItem* Item(int konum) const;
    int Count() const { return count_; }
    int Kapasite() const { return kapasite_; }

private:
    void Buyut();
    void Kucult();
    void KapasiteAyarla(int yeni);

    std::unique_ptr<std::unique_ptr<vkListItem>[]> satirlar_; // [0] unused
    int count_ = 0;
    int kapasite_ = 0;
};
