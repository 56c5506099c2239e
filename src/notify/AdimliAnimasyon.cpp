#include "notify/AdimliAnimasyon.h"

#include <QSignalBlocker>

#include <algorithm>

AdimliAnimasyon::AdimliAnimasyon(int aralik, QObject* parent)
    : QVariantAnimation(parent), aralik_(aralik)
{
}

void AdimliAnimasyon::Kur(int baslangic, int adim, int adimSayisi)
{
    // Setting the values recomputes the value at the time the last run stopped: not a step.
    const QSignalBlocker sessiz(this);
    adim_ = adim;
    adimSayisi_ = std::max(adimSayisi, 0);
    setStartValue(baslangic);
    setEndValue(baslangic + adim_ * adimSayisi_);
    setDuration((adimSayisi_ + 1) * aralik_);
}

QVariant AdimliAnimasyon::interpolated(const QVariant& bas, const QVariant&, qreal ilerleme) const
{
    // The elapsed time in whole ms (the progress is the time over the duration, so rounding
    // gives it back exactly), then the jumps taken by then.
    const int gecen = qRound(ilerleme * duration());
    const int adimlar = std::min(gecen / aralik_, adimSayisi_);
    return bas.toInt() + adim_ * adimlar;
}
