#pragma once

#include <QDate>
#include <QString>

#include <vector>

// What the "Dini Günler" page shows for a Gregorian year: one row a day in date order, seen
// from today. Past days are dimmed; the next day (also when it is today) is marked with the
// time left to it.
class DiniGunSatirlari
{
public:
    enum class Durum
    {
        Gecmis,   // before today
        Siradaki, // the next one: today's or the first after it
        Gelecek   // after the next one
    };

    struct Satir
    {
        QString Ad;    // "Mevlid Kandili"
        QString Tarih; // "24 Ağustos 2026 Pazartesi"
        QString Hicri; // "11 Rebiü'l-Evvel 1448"
        Durum Hal = Durum::Gelecek;
        QString Kalan; // the next one's: "12 gün kaldı", "Bugün", "Bu gece"; else empty
    };

    // The rows of `yil` with the Hijri correction `hicriGun`, seen from `bugun`.
    static std::vector<Satir> Yili(int yil, int hicriGun, const QDate& bugun);
};
