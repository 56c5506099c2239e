#pragma once

#include <QPoint>

class QWidget;

// Where the pointer is and which widget lies under it. Controls that notice the pointer
// leaving poll this instead of the OS, so tests can move a pretend pointer.
class ImlecKaynagi
{
public:
    virtual ~ImlecKaynagi() = default;
    // Pointer position in global (screen) coordinates.
    virtual QPoint Konum() const = 0;
    // The deepest visible widget at a global position, or nullptr.
    virtual QWidget* AltindakiPencere(const QPoint& global) const = 0;
};
