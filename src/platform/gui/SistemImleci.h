#pragma once

#include "platform/gui/ImlecKaynagi.h"

// The real pointer: QCursor::pos().
class SistemImleci : public ImlecKaynagi
{
public:
    QPoint Konum() const override;

    // One shared instance for controls that were given no pointer source.
    static ImlecKaynagi& Ortak();
};
