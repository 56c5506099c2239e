#pragma once

#include "cli/KomutOrtami.h"
#include "cli/Secenekler.h"
#include "engine/VakitGirdisi.h"
#include "platform/YazSaatiKurali.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The options every command that computes times shares: place, method, daylight saving and
// the Hijri correction.
namespace GirdiSecenekleri {

// Option names for Secenekler::Coz.
QStringList Degerli();   // lat, lon, tz, country, method, hicri-gun
QStringList Bayraklar(); // no-dst

// Applies the shared options over `girdi`. Latitude, longitude and time zone come together
// (a place is all three); a place given that way has no country unless --country says so.
bool Uygula(const Secenekler& s, VakitGirdisi& girdi, QString* hata);

// A whole number, optional sign.
std::optional<int> TamSayi(const QString& metin);
// YYYY-MM-DD of a day that exists.
std::optional<QDate> Tarih(const QString& metin);

// Reads --<ad> as a date into `tarih` when given; false with a message when it is bad.
bool TarihSecenegi(const Secenekler& s, const QString& ad, QDate& tarih, QString* hata);

// The stored place and options with the shared options over them (VarsayilanGirdi, then
// Uygula). A stored place that cannot be used is refused unless the options name another
// place (--lat/--lon/--tz or --konum).
bool Girdi(const Secenekler& s, VakitGirdisi& girdi, QString* hata);

// Fills the daylight-saving dates of the selected day's year.
void GecisleriDoldur(VakitGirdisi& girdi, const YazSaatiKaynagi& kaynak);

// The input of one day: the default place, the day of --date (else the clock's present
// moment), the shared options over them, and that year's daylight-saving dates.
bool GununGirdisi(const Secenekler& s, const KomutOrtami& ortam, VakitGirdisi& girdi,
                  QString* hata);

// Help lines for the shared options.
QString Yardim();

} // namespace GirdiSecenekleri
