#pragma once

#include "platform/Sonuc.h"

struct EkleGirdisi;

// What the add-location dialog asks of the program.
class EkleHedefi
{
public:
    virtual ~EkleHedefi() = default;

    // Adds the place: appends it to data.db as it is on disk now, refills the list with the
    // new row active and selected, makes it the chosen place and recomputes the day's times.
    // A failure has been shown to the user when this returns, and nothing was added; a
    // missing data.db ends the program, which unloads the dialog.
    virtual Sonuc<> KonumEkle(const EkleGirdisi& girdi) = 0;
};
