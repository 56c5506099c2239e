#pragma once

#include "locations/clsFastCollection.h"

// Sorts the rows of a collection by one key. Key codes: 0 Ulke, 1 Sehir (texts compared
// ordinally by UTF-16 code units), 2 Tz, 3 Enlem, 4 Boylam, 6 Sira (numbers); any other code
// leaves the order alone. The quicksort is not stable. No field of a row changes, Index
// included: rows are only put back in a new order.
class clsSort
{
public:
    enum Alan
    {
        UlkeAlani = 0,
        SehirAlani = 1,
        TzAlani = 2,
        EnlemAlani = 3,
        BoylamAlani = 4,
        SiraAlani = 6
    };

    // Returns true when the rows were reordered by the sort (fewer than two rows, an unknown
    // code, or one key shared by every row leave the collection untouched and give false).
    bool SortList(clsFastCollection& liste, bool artan, int SortField) const;

    // The list control's sort step: sort type 0 ascending, 1 descending, 2 not sorted.
    // Returns true when a sort ran, which is when the control marks itself sorted.
    bool SortItems(clsFastCollection& liste, int SortType, int SortSutun) const;
};
