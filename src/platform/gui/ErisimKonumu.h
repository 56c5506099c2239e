#pragma once

#include <QRect>

class QWidget;

// Where a widget stands on the screen in the screen's own pixels, for assistive technology.
// Qt 6.4's AT-SPI bridge hands on the scaled-down (device-independent) rectangle, so under a
// scale factor of 2 a magnifier went to half the distance; on X11 the program's own
// accessible interfaces give this rectangle instead. Elsewhere (Windows' UI Automation
// scales by itself) it is the plain rectangle.
class ErisimKonumu
{
public:
    static QRect Ekranda(const QWidget& w);
    // The same for a rectangle in device-independent screen coordinates on w's screen.
    static QRect Olcekle(const QRect& mantiksal, const QWidget& w);
};
