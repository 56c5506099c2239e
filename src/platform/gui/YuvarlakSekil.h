#pragma once

#include <QRegion>
#include <QSize>

// The shape of every rounded window: a rectangle of `boyut` pixels whose four corners are cut
// alike by a quarter of a 9 x 9 ellipse, as the skin pictures draw their frame. A pixel is
// inside when its centre is.
QRegion YuvarlakSekil(QSize boyut);
