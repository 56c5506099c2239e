#pragma once

#include <QString>

class QWidget;

// What the add-location dialog asks of the main window, besides its location list.
class EkleHedefi
{
public:
    virtual ~EkleHedefi() = default;

    // Rewrites data.db from the list. False, after its own message, when data.db was left as
    // it was; a missing file ends the program, which unloads the dialog.
    virtual bool DosyayaYaz() = 0;
    // Stores the list's active row as the chosen place, with the regional page's options,
    // and recomputes the day's times.
    virtual void BolgeselAyarKaydet() = 0;
    // A message box with an OK button, no icon and the program's own title.
    virtual void EkleMesaji(QWidget* sahip, const QString& metin) = 0;
};
