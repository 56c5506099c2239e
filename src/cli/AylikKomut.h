#pragma once

#include "cli/YerKomutu.h"
#include "engine/GunlukHesap.h"

#include <vector>

// A command about one month of a place (month, ics, timetable): --year and --month over the
// place options, and every day of the month computed the same way for each.
class AylikKomut : public YerKomutu
{
public:
    struct Gun
    {
        QDate Tarih;
        VakitSonucu Sonuc;
        HamVakitler Ham; // the raw hours and the summer hour the day was computed with
    };
    struct Ay
    {
        QDate Ilk;          // the first day
        VakitGirdisi Girdi; // the place and options (SeciliTarih: the last day)
        QString YerAdi;     // as YerKomutu::Girdi names it
        std::vector<Gun> Gunler;
    };

protected:
    AylikKomut(QStringList adlar, QString ozet, QString aciklama);

    // The month the options name (by default the clock's), computed day by day; refused
    // with its message when an option is.
    Sonuc<> AyHesapla(const QCommandLineParser& p, const KomutOrtami& ortam, Ay& ay,
                      QTextStream& err) const;

private:
    QCommandLineOption ay_;
};
