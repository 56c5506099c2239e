#pragma once

#include "cli/YerKomutu.h"

// orvanel-cli times: the date texts and the six times of one day and place, as lines or as a
// JSON object.
class VakitlerKomutu : public YerKomutu
{
public:
    VakitlerKomutu();

protected:
    int Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
              const KomutOrtami& ortam) const override;

private:
    QCommandLineOption json_;
};
