#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

// Loads the skin pictures compiled in from assets/skin (see assets/skin/README.md for the
// names). Qt's resource loading does not pick the @2x twin by itself, so this does.
class SkinResmi
{
public:
    // ":/skin/<ad>.png", or its @2x twin when oran (the device pixel ratio; 0 takes the
    // application's) is above 1, with the ratio set so it draws at its logical size. Null when
    // there is no such picture.
    static QPixmap yukle(const QString& ad, qreal oran = 0);

    // The program icon with its 16, 24, 32 and 48-pixel pictures.
    static QIcon programSimgesi();

    // Starts decoding these pictures (their 1x form) on a thread of their own while the
    // start-up builds the window; yukle takes each from there, waiting for it if need be.
    // Call it once the application object exists, and OnYuklemeyiBitir before it goes.
    static void OnYukle(const QStringList& adlar);
    // Waits until the decoding thread has ended.
    static void OnYuklemeyiBitir();
};
