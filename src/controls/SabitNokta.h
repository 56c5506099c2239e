#pragma once

#include <QMetaType>
#include <QString>
#include <QtGlobal>

// A number with exactly four decimal places, kept as a count of ten-thousandths. The
// scrollbar's range and value are of this kind, so sums of steps never drift.
class SabitNokta
{
public:
    static constexpr qint64 Olcek = 10000;

    constexpr SabitNokta() = default;
    constexpr SabitNokta(int tam) : ham_(qint64(tam) * Olcek) {}

    static constexpr SabitNokta Ham(qint64 onBinde)
    {
        SabitNokta s;
        s.ham_ = onBinde;
        return s;
    }
    // Rounded to the nearest ten-thousandth, halves to even.
    static SabitNokta fromDouble(double deger);

    constexpr qint64 HamDeger() const { return ham_; }
    double toDouble() const { return double(ham_) / Olcek; }
    // The largest whole number not above the value.
    qint64 Tamsayi() const;
    // Shortest decimal text with '.' as the mark ("50", "0.25").
    QString toString() const;

    friend constexpr SabitNokta operator+(SabitNokta a, SabitNokta b)
    {
        return Ham(a.ham_ + b.ham_);
    }
    friend constexpr SabitNokta operator-(SabitNokta a, SabitNokta b)
    {
        return Ham(a.ham_ - b.ham_);
    }
    friend constexpr bool operator==(SabitNokta a, SabitNokta b) { return a.ham_ == b.ham_; }
    friend constexpr bool operator!=(SabitNokta a, SabitNokta b) { return a.ham_ != b.ham_; }
    friend constexpr bool operator<(SabitNokta a, SabitNokta b) { return a.ham_ < b.ham_; }
    friend constexpr bool operator>(SabitNokta a, SabitNokta b) { return a.ham_ > b.ham_; }
    friend constexpr bool operator<=(SabitNokta a, SabitNokta b) { return a.ham_ <= b.ham_; }
    friend constexpr bool operator>=(SabitNokta a, SabitNokta b) { return a.ham_ >= b.ham_; }

private:
    qint64 ham_ = 0;
};

Q_DECLARE_METATYPE(SabitNokta)
