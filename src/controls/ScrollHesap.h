#pragma once

#include "controls/SabitNokta.h"

// The arithmetic of the picture scrollbar, in twips (15 per pixel), apart from any widget.
// U and D are the heights of the up and down buttons, H the inner height, t the thumb
// height and R = H - U - D - t the thumb's free travel.
class ScrollHesap
{
public:
    static constexpr int EnKucukYukseklik = 800; // twips
    static constexpr int Izgara = 15;            // twips, one pixel

    // Range and value.
    SabitNokta Min = 1;
    SabitNokta Max = 100;
    SabitNokta Value = 50;

    // Geometry, twips.
    int H = 0;
    int U = 0;
    int D = 0;
    int t = 0;
    // Thumb top, twips.
    int Tepe = 0;

    int R() const { return H - U - D - t; }
    int IzTepesi() const { return U; }
    int IzYuksekligi() const { return H - U - D; }
    int EnAltTepe() const { return H - D - t; }

    // Clamps the value into the range and sets the thumb top from it, rounded up to the
    // next whole pixel and kept between the buttons. With Max = Min only the last top is
    // kept between the buttons.
    void Yerlestir();

    // The thumb follows a drag: its centre goes to the pointer, `izY` twips below the top
    // of the track. Reaching either end gives exactly Min or Max; in between the value is
    // the whole part of the proportional value.
    void Surukle(double izY);

    // Adds `fark` to the value and places the thumb (clamping the value).
    void Adim(SabitNokta fark);
};
