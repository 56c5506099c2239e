#pragma once

#include "cli/AylikKomut.h"

// orvanel-cli month: one row per day of a month (date, Hijri text, six times), as a table or
// CSV.
class AyKomutu : public AylikKomut
{
public:
    AyKomutu();

protected:
    int Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
              const KomutOrtami& ortam) const override;

private:
    QCommandLineOption csv_;
};
