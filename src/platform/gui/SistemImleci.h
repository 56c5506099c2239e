#pragma once

#include "platform/gui/ImlecKaynagi.h"

// The real pointer: QCursor::pos() and QApplication::widgetAt().
class SistemImleci : public ImlecKaynagi
{
public:
    QPoint Konum() const override;
    QWidget* AltindakiPencere(const QPoint& global) const override;

    // One shared instance for controls that were given no pointer source.
    static ImlecKaynagi& Ortak();
};
