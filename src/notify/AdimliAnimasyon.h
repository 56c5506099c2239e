#pragma once

#include <QVariantAnimation>

// An animation of a whole number that moves in equal jumps at a fixed pace rather than
// smoothly: `adimSayisi` jumps of `adim`, one every `aralik` ms, the first one interval after
// the start, and the end value held for one more interval before the animation finishes.
// The popup grows and shrinks this way, four pixels at a time.
//
// The value at any moment follows from the elapsed time alone, so however the animation
// timer's ticks fall, every value shown is one of the steps.
class AdimliAnimasyon : public QVariantAnimation
{
    Q_OBJECT
public:
    explicit AdimliAnimasyon(int aralik, QObject* parent = nullptr);

    // Sets the run from `baslangic` (the value at the start) without starting it; emits nothing.
    void Kur(int baslangic, int adim, int adimSayisi);

protected:
    QVariant interpolated(const QVariant& bas, const QVariant& son, qreal ilerleme) const override;

private:
    int aralik_;
    int adim_ = 0;
    int adimSayisi_ = 0;
};
