#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Loads the skin pictures compiled in from assets/skin (see assets/skin/README.md for the
// names). Qt's resource loading does not pick the @2x twin by itself, so this does.
class SkinResmi
{
public:
    // ":/skin/<ad>.png", or its @2x twin when oran (the device pixel ratio; 0 takes the
    // application's) is above 1, with the ratio set so it draws at its logical size. At 1x a
    // picture the program carries in its drawn form (":/skin/argb/<ad>.argb", see
    // orvanel_raw_skin) is taken from there without decoding. Null when there is no such
    // picture.
    static QPixmap yukle(const QString& ad, qreal oran = 0);

    // The program icon with its 16, 24, 32 and 48-pixel pictures.
    static QIcon programSimgesi();
};
