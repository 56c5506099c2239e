#pragma once

#include "cli/YerKomutu.h"

// orvanel-cli month: one row per day of a month (date, Hijri text, six times), as a table or
// CSV.
class AyKomutu : public YerKomutu
{
public:
    AyKomutu();

protected:
    int Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
              const KomutOrtami& ortam) const override;

private:
    // Reads the option as a whole number in [alt, ust] into `deger` when given.
    static bool SayiAraligi(const QCommandLineParser& p, const QCommandLineOption& secenek,
                            const QString& adi, int alt, int ust, int& deger, QString* hata);

    QCommandLineOption yil_;
    QCommandLineOption ay_;
    QCommandLineOption csv_;
};
