#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The popup's grow and shrink arithmetic, in twips (the popup's layout and its placing rule are
// stated in them), with no widget behind it: MesajForm applies what this says.
//
// W, the animation width, is the only animation state. Goster sets it to 2000; each grow
// step adds four pixels (4 x TPPX) while W <= 2955, so at 15 twips per pixel W runs
// 2060 .. 2960 over 16 steps and the 17th finds full size. Each shrink step takes four
// pixels off while W >= 2000 (the last step reaches 1940) and the one after that ends.
class MesajAnimasyonu
{
public:
    // Width / height of the design size 197 x 116 pixels: ties the height to W.
    static constexpr double Oran = 1.69827586206897;
    static constexpr int BaslangicW = 2000;
    static constexpr int TamBoyW = 2955; // grow while W <= this
    static constexpr int Adim = 4 * 15;  // four pixels at 15 twips per pixel
    static constexpr int TasarimGenislik = 2955;
    static constexpr int TasarimYukseklik = 1740;

    // One step's window, in twips, and the size of its rounded shape in pixels.
    struct Geometri
    {
        double Sol = 0;
        double Ust = 0;
        double Genislik = 0;
        double Yukseklik = 0;
        int BolgeGenisligi = 0;  // pixels, +1 as the round-rect region counts its edge
        int BolgeYuksekligi = 0; // pixels, +1 likewise

        // The window rectangle in pixels (each value rounded, halves to even).
        QRect Piksel() const;
    };

    // The screen and the part of it not covered by panels, in pixels (QScreen::geometry and
    // availableGeometry). The popup is placed against the available area's right and bottom
    // edges, so T, the taskbar offset, is the height of a bottom panel x 15 - 15 measured
    // from the screen's bottom, and -15 when no panel sits at the bottom.
    void EkranAyarla(const QRect& ekran, const QRect& kullanilabilir);
    int T() const { return t_; }

    double W() const { return w_; }
    // Where the popup's animation has brought W.
    void setW(double w) { w_ = w; }

    // Goster's placing of the still transparent window: W = 2000, width 2000 and its
    // height, left against the present width, top 40 pixels above the screen's bottom.
    Geometri Baslat(double mevcutGenislik);

    // One grow step: false once full size is reached (nothing changes then).
    bool Buyu();
    // One shrink step: false when the window should be made invisible.
    bool Kucul();
    // How many steps Buyu / Kucul take from the present W before they say stop.
    int BuyumeAdimlari() const;
    int KuculmeAdimlari() const;

    // The window for the present W: width W, height W / Oran, centred 110 pixels left of the
    // right edge, top = bottom - T - W / 1.3 + 25 pixels.
    Geometri AdimGeometrisi() const;
    // The rectangle in pixels, kept inside the available area (it may poke a pixel into a
    // bottom panel on the first steps otherwise).
    QRect AdimPikseli() const;
    // (W - 2000) / 3, halves to even; values outside 0..255 are meant to be ignored.
    int Alfa() const;

    // The rounded-shape size for a window of the given twips.
    static int BolgeBoyu(double twip);
    // Strictly inside the window rectangle, both in pixels (the rounded corners count).
    static bool ImlecUstunde(const QPoint& imlec, const QRect& pencere);
    // Parked just beyond the right and bottom edges of the whole desktop (all screens), so
    // no screen shows it: left = desktop right + the popup's width + 15 twips, and so for top.
    static QRect ParkYeri(const QRect& masaustu, const QSize& boyut);

private:
    double w_ = 0;
    int t_ = -15;
    double sagKenar_ = 0; // twips, the available area's right edge
    double altKenar_ = 0; // twips, the screen's bottom edge (T is measured from it)
    QRect alan_;
};
