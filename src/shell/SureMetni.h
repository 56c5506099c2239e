#pragma once

#include <QString>

// The remaining-time texts of the countdown.
//
//   form 0: hours, minutes and seconds, each at least two digits, joined by ":" ("01:05:09");
//   form 4: words: "<h> Saat " when the hours are above 0, then "<m> Dakika " when the
//           minutes are above 0; seconds are not shown, so under one minute gives "".
//
// The split: hours = floor(s / 3600); the rest is rounded to whole seconds (halves to even)
// before minutes and seconds are taken from it. Any other form gives an empty text.
QString SureMetni(double saniye, int bicim);

// Form 0 written into `hedef`, reusing its memory: the countdown calls this every second and
// must not allocate once the buffer is large enough.
void SureMetniYaz(double saniye, QString& hedef);

// The parts of the split, exposed for the two forms above.
struct SureParcalari
{
    long long Saat;
    long long Dakika;
    long long Saniye;
};
SureParcalari SureyiBol(double saniye);
