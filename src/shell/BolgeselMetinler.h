#pragma once

#include <QString>

// The fixed texts of the regional settings page and the two texts built from its values.
namespace BolgeselMetinler {

inline const QString UyariBasligi = QStringLiteral("Uyarı");
// The add dialog's refusals are titled with the application's name.
inline const QString EkleBasligi = QStringLiteral("Orvanel");
inline const QString SehirSeciniz = QStringLiteral("Lütfen Listeden bir Şehir / Bölge seçiniz.");
inline const QString YontemBasligi = QStringLiteral("Vakit Hesap Türü");

// Tool tip of the city label, e.g. "41.02º Kuzey, 28.97º Doğu, GMT : +2". The
// coordinates always use a decimal point; the offset uses the user's number format.
QString KonumIpucu(double enlem, double boylam, double tz);

// The stored place could not be used (`bozuk` names the key and its text): the first-run
// place is shown instead.
QString KonumOkunamadi(const QString& bozuk);

// The question asked before the calculation method changes to entry `index` (0..4).
QString YontemOnayMetni(int index);

} // namespace BolgeselMetinler
