#pragma once

#include "cli/Komut.h"

// orvanel-cli hijri: the Hijri text of one day, with the stored correction unless
// --hijri-days gives another.
class HicriKomutu : public Komut
{
public:
    HicriKomutu();

protected:
    int Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
              const KomutOrtami& ortam) const override;
};
