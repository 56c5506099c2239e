#pragma once

#include <QDate>

#include <utility>

// Where the daylight-saving dates of a year come from. Tests supply their own.
class YazSaatiKaynagi
{
public:
    virtual ~YazSaatiKaynagi() = default;
    // The local calendar day daylight time starts and the day it ends in `yil` (both at
    // midnight); null dates when the zone has no daylight saving that year.
    virtual std::pair<QDate, QDate> Gecisler(int yil) const = 0;
};
