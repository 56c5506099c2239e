#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// Device-independent screen coordinates on a widget's screen in the screen's own pixels, for
// assistive technology on X11 (see OlcekliErisim), and back. Elsewhere they are the same.
class ErisimKonumu
{
public:
    static QRect Olcekle(const QRect& mantiksal, const QWidget& w);
    static QPoint Geri(const QPoint& ekranda, const QWidget& w);

private:
    // The scale and the screen's top-left corner, which both units share; false if unscaled.
    static bool Olcek(const QWidget& w, qreal& k, QPoint& koken);
};
