#pragma once

// Where the picture scrollbar's thumb stands, apart from any widget. Sizes are pixels; the
// arithmetic runs in twips (15 per pixel), where a thumb set from a value is rounded up to a
// whole pixel and a dragged one follows the pointer to the twip.
struct KaydirmaHesabi
{
    static constexpr int TwipPiksel = 15;

    int Min = 0;
    int Max = 0;
    int Yukseklik = 0; // the whole bar
    int Ust = 0;       // the up arrow's height
    int Alt = 0;       // the down arrow's height
    int Tutamak = 0;   // the thumb's height

    // The thumb's top, twips from the top of the bar, for a value in Min..Max: the share of
    // the thumb's free travel, rounded up to a whole pixel, kept between the arrows.
    int TutamakUstu(int deger) const;

    // A drag with the thumb's centre at y pixels from the top of the bar: the thumb's top
    // (twips) and the value. At or past either end exactly Min or Max; in between the whole
    // part of the proportional value.
    struct Surukleme
    {
        int Ust;
        int Deger;
    };
    Surukleme Surukle(double y) const;

private:
    int Serbest() const; // free travel of the thumb, twips
    int EnAltUst() const;
};
