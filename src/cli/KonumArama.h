#pragma once

#include "locations/KonumDosyasi.h"
#include "locations/KonumKaydi.h"
#include "locations/KonumSatirlari.h"

#include <QString>
#include <QTextStream>
#include <QVector>

// data.db as the commands read it: the location search box's choice, and the Turkish lines
// for a file that cannot be read or written.
namespace KonumArama {

// A failure of reading or writing a places file, its message the command line's one line: it
// names the file read, or for a write the file written (the user's copy of a read-only
// install). Any other failure passes as it is.
Hata DosyaHatasi(const Hata& hata, const KonumDosyasi& dosya);
// Names the unreadable lines of the file on `err` (nothing when there are none): they are
// kept in the file, but no search finds them.
void AtlananlariBildir(const QVector<int>& satirlar, const QString& yol, QTextStream& err);
QString BulunamadiMesaji(const QString& metin);

// A row the search selected, with its line in the file.
struct Bulunan
{
    KonumKaydi Kayit;
    int Satir = 0;
};

// Reads the rows of the file, naming its unreadable lines on `err`; `atlananlar` gets their
// numbers.
Sonuc<> Oku(KonumDosyasi dosya, KonumSatirlari& liste, QTextStream& err,
            QVector<int>* atlananlar = nullptr);
// The row the search box selects for `metin`; a failure with the Neden Cikis::Bulunamadi
// when none is found.
Sonuc<Bulunan> Bul(const QString& metin, const KonumDosyasi& dosya, QTextStream& err);

} // namespace KonumArama
