#pragma once

#include "platform/gui/ImlecKaynagi.h"

// A pretend pointer: the test says where it is.
class SahteImlec : public ImlecKaynagi
{
public:
    QPoint Konum() const override { return konum; }

    QPoint konum;
};
