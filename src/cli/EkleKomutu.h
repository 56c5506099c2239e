#pragma once

#include "cli/Komut.h"

// orvanel-cli add (or ekle) --country TEXT --city TEXT --tz HOURS --lat TEXT --lon TEXT
// [--db PATH] [--select]: appends a place to data.db with the add-location dialog's checks and
// messages, prints its new line, and with --select stores it as the chosen place. Exit 0 added, 2
// refused (nothing written) or the file could not be read or rewritten (data.db kept as it was).
// Unlike the dialog it sends no suggestion.
class EkleKomutu : public Komut
{
public:
    EkleKomutu();

protected:
    int Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
              const KomutOrtami& ortam) const override;

private:
    QCommandLineOption ulke_;
    QCommandLineOption sehir_;
    QCommandLineOption tz_;
    QCommandLineOption enlem_;
    QCommandLineOption boylam_;
    QCommandLineOption sec_;
};
