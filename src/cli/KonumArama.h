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

// The one-line message for a places file that could not be read or written: it names the
// file read, or for a write the file written (the user's copy of a read-only install).
QString DosyaMesaji(KonumDosyasiSonucu sonuc, const KonumDosyasi& dosya);
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

// Reads the rows of the file; false with a message when it cannot be read. `atlananlar` gets
// the numbers of the unreadable lines.
bool Oku(KonumDosyasi dosya, KonumSatirlari& liste, QString* hata, QTextStream& err,
         QVector<int>* atlananlar = nullptr);
// The row the search box selects for `metin`: Cikis::Tamam with the row, Cikis::Bulunamadi,
// or Cikis::HataliGirdi for a file that cannot be read; a message in `hata` unless found.
int Bul(const QString& metin, const KonumDosyasi& dosya, Bulunan& bulunan, QString* hata,
        QTextStream& err);

} // namespace KonumArama
