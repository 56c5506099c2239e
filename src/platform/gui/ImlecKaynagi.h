#pragma once

#include <QPoint>

// Where the pointer is. Controls that notice the pointer leaving poll this instead of the
// OS, so tests can move a pretend pointer.
class ImlecKaynagi
{
public:
    virtual ~ImlecKaynagi() = default;
    // Pointer position in global (screen) coordinates.
    virtual QPoint Konum() const = 0;
};
