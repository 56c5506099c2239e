#pragma once

#include <QDate>

// A daylight-saving transition rule in day-of-month form: the Sira-th HaftaGunu of month Ay.
struct GecisKurali
{
    int Ay;        // 1..12
    int HaftaGunu; // 0 = Sunday .. 6 = Saturday
    int Sira;      // 1..4, 5 = the last one in the month; anything else means no transition
};

// The day of year `yil` on which the rule falls, or a null date when the rule names none.
QDate GecisTarihi(const GecisKurali& kural, int yil);
