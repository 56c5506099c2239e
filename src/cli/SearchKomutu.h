#pragma once

#include "cli/Secenekler.h"
#include "engine/VakitGirdisi.h"
#include "locations/KonumDosyasi.h"
#include "locations/KonumKaydi.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

// orvanel-cli search [--db PATH] [--all] [--] TEXT: the row the location search box selects
// for TEXT among the places of data.db (the program folder's, or PATH), printed as its file
// line in UTF-8; --all prints every row the prefix pass matches. Exit 0 found, 1 nothing
// found, 2 bad input or an unreadable file.
int SearchKomutu(const QStringList& args, QTextStream& out, QTextStream& err);

namespace KonumArama {

constexpr int Bulunamadi = 1;

// The data.db of --db, else the program folder's.
QString VeritabaniYolu(const Secenekler& s);

// The one-line Turkish message for a places file that could not be read or written.
QString DosyaMesaji(KonumDosyasiSonucu sonuc, const QString& yol);
// Names the unreadable lines of the file on `err` (nothing when there are none).
void AtlananlariBildir(const QVector<int>& satirlar, const QString& yol, QTextStream& err);

// The place the search box selects for `metin` in the file at `yol`; nothing, with a Turkish
// message in `hata`, when the file cannot be read or no row matches.
std::optional<KonumKaydi> Bul(const QString& metin, const QString& yol, QString* hata,
                              QTextStream& err);

// For the commands that compute times: with --konum TEXT the place (country, latitude,
// longitude, time zone) comes from the search; it cannot be combined with --lat/--lon/--tz,
// and --country still names the country. Without --konum nothing changes.
QStringList Degerli(); // konum, db
bool Uygula(const Secenekler& s, VakitGirdisi& girdi, QString* hata, QTextStream& err);
QString Yardim();

} // namespace KonumArama
