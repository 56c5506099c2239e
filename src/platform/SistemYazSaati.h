#pragma once

#include "platform/YazSaatiKaynagi.h"

// The system's zone (QTimeZone::systemTimeZone(), so TZ is honoured).
class SistemYazSaati : public YazSaatiKaynagi
{
public:
    std::pair<QDate, QDate> Gecisler(int yil) const override;
};
