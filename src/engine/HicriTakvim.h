#pragma once

#include <QDate>
#include <QString>

// Hijri text ("6 Muharrem 1448") of a date by the mean-month approximation, moved by
// `hicriGun` whole days.
QString HicriTarih(const QDate& tarih, int hicriGun);

// Gregorian text with the Turkish month name ("5 Aralık 2026").
QString MiladiTarih(const QDate& tarih);
