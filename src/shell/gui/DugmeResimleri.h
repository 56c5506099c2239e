#pragma once

#include <QString>

class Buton;

// Puts the skin pictures of one button (assets/skin: "<ad>_normal", "<ad>_down",
// "<ad>_over", then "<ad>_2_..." and "<ad>_3_...") on a Buton.
class DugmeResimleri
{
public:
    // takimSayisi: how many picture sets the button has (1 to 3).
    static void Yukle(Buton& dugme, const QString& ad, int takimSayisi = 1);
    // A caption button 72 x 22 ("kaydet", "dugme") with its text on it.
    static void Yazili(Buton& dugme, const QString& ad, const QString& metin);
};
