#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

#include <vector>

// The time of day in the user's time format, written without allocating: the countdown
// shows the clock every second. The pattern is the locale's long time format (with
// seconds) minus its time-zone part, which the clock caption never showed.
//
// Understood: H HH (24 h), h hh (12 h when the pattern has an AM/PM part, else 24 h),
// m mm, s ss, z zzz (milliseconds, at least 1 or 3 digits), AP A (upper case), ap a (lower case),
// aP Ap (as the locale writes it), t (time zone: left out with the blanks before it), text in
// single quotes ('' is a quote). Any other character is copied. Digits are always 0-9.
class SaatBicimi
{
public:
    explicit SaatBicimi(const QLocale& yerel = QLocale());
    SaatBicimi(const QString& kalip, const QString& ogleOncesi, const QString& ogleSonrasi);

    // `onEk` followed by the time, into `hedef`, reusing its memory.
    void Yaz(QTime saat, const QString& onEk, QString& hedef) const;
    QString Metin(QTime saat) const;

private:
    enum class Tur
    {
        Metin,
        Saat24,
        Saat12,
        Dakika,
        Saniye,
        Milisaniye,
        OgleBuyuk,
        OgleKucuk,
        OgleOldugu,
    };
    struct Parca
    {
        Tur Cesit;
        int Hane; // minimum digits for numbers
        QString Yazi;
    };
    std::vector<Parca> Parcalar;
    QString Oo; // AM text
    QString Os; // PM text
    QString OoBuyuk, OsBuyuk, OoKucuk, OsKucuk;

    void Coz(const QString& kalip);
};
