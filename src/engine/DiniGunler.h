#pragma once

#include "engine/DiniGun.h"

#include <vector>

// The religious days and nights, each with its Gregorian date by the Hijri calendar moved by
// `hicriGun` days (the user's correction), so that they agree with the Hijri date the program
// shows. Lists are in date order; a day and a night on one date, the day first.
class DiniGunler
{
public:
    // The days of one Hijri year.
    static std::vector<DiniGun> HicriYili(qint64 hicriYil, int hicriGun);
    // The days whose date falls in the Gregorian year `yil`.
    static std::vector<DiniGun> Yili(int yil, int hicriGun);
    // The days dated `gun`.
    static std::vector<DiniGun> Gunu(const QDate& gun, int hicriGun);
};
