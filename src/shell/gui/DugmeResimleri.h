#pragma once

#include <QString>

class Buton;
class KaydirmaCubugu;

// Puts the skin pictures of one button (assets/skin: "<ad>_normal", "<ad>_down",
// "<ad>_over", then "<ad>_2_..." and "<ad>_3_...") on a Buton.
//
// Only the idle picture of each set is decoded at once: it is all a first frame can show.
// The pressed and pointer-over pictures wait for Tamamla, which the main window calls right
// after its first frame, before a pointer can reach a button.
class DugmeResimleri
{
public:
    // takimSayisi: how many picture sets the button has (1 to 3).
    static void Yukle(Buton& dugme, const QString& ad, int takimSayisi = 1);
    // A caption button 72 x 22 ("kaydet", "dugme") with its text on it.
    static void Yazili(Buton& dugme, const QString& ad, const QString& metin);

    // The skin's scrollbar pictures (arrows, track, thumb).
    static void Kaydirma(KaydirmaCubugu& cubuk);

    // Puts the pressed and pointer-over pictures on every button given to Yukle since the
    // last call; a button deleted meanwhile is skipped.
    static void Tamamla();
};
