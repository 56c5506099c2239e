#pragma once

#include <QString>

class QWidget;
struct EkleGirdisi;

// What the add-location dialog asks of the main window.
class EkleHedefi
{
public:
    virtual ~EkleHedefi() = default;

    // Adds the place: appends it to data.db as it is on disk now, refills the list with the
    // new row active and selected, makes it the chosen place and recomputes the day's times.
    // False, after a message over `sahip`, when nothing was added; a missing data.db ends the
    // program, which unloads the dialog.
    virtual bool KonumEkle(QWidget* sahip, const EkleGirdisi& girdi) = 0;
};
