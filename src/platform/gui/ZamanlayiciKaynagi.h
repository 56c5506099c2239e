#pragma once

#include "platform/gui/Zamanlayici.h"

// Makes timers. Tests hand the controls a source whose timers run on a pretend clock.
class ZamanlayiciKaynagi
{
public:
    virtual ~ZamanlayiciKaynagi() = default;
    // The timer is owned by parent.
    virtual Zamanlayici* Yeni(QObject* parent) = 0;
};
