// The entry point of the sound module "orvanel_ses": QtSesKutuphanesi loads this library on
// the first opened sound and makes its backend through it, so QtMultimedia and the audio
// system's libraries are only mapped into a program that plays something.
#include "platform/ses/MultimediaOynatici.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT SesKutuphanesi* orvanel_ses_olustur(QObject* ebeveyn)
{
    return new MultimediaOynatici(ebeveyn);
}
