#pragma once

#include <QString>

// One place of the location file: one line of data.db, in the order of its columns.
struct KonumKaydi
{
    qint32 Id = 0;     // 1-based line number among the file's non-empty lines
    QString Ulke;      // country, verbatim (no trimming)
    QString Sehir;     // city or region, verbatim
    double Tz = 0;     // standard-time offset from UTC in hours (5.75, -3.5 occur)
    double Enlem = 0;  // latitude, north positive
    double Boylam = 0; // longitude, east positive

    bool operator==(const KonumKaydi& o) const
    {
        return Id == o.Id && Ulke == o.Ulke && Sehir == o.Sehir && Tz == o.Tz && Enlem == o.Enlem &&
               Boylam == o.Boylam;
    }
    bool operator!=(const KonumKaydi& o) const { return !(*this == o); }
};
