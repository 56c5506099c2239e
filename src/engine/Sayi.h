#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// Numbers as text, one rule each: what a user types, the one form the program stores, and
// every form earlier versions stored.
namespace Sayi {

// A number as a user types it: an optional sign, digits and at most one decimal mark, "."
// and "," alike, spaces around allowed ("41", "-33.9", "5,75", ".5"). Anything else (both
// marks, grouping, exponents, letters) is not a number.
std::optional<double> Coz(QStringView metin);

// The stored form: the shortest text that reads back to the same double within 15
// significant digits, spelled out without exponent or grouping, with `isaret` as the
// decimal mark ("41.02", "-3.5", "2", "0.00001"). The same on every system.
QString Yaz(double sayi, QChar isaret = QLatin1Char('.'));

// A number for the user to read: the user's number format (QLocale()), up to 15
// significant digits, no grouping.
QString Yerel(double sayi);

// A stored number in any form this program has written: the stored form above, and the
// user's number format of any locale (its own digits, a Unicode minus, direction marks, a
// decimal comma or Arabic decimal sign, a local exponent such as "E", "×10^" or "اس").
std::optional<double> SakliCoz(QStringView metin);

// The text with every decimal digit of any script as an ASCII digit and the invisible
// direction marks removed; other characters are kept.
QString LatinRakamlarla(QStringView metin);

} // namespace Sayi
