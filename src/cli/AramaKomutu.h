#pragma once

#include "cli/Komut.h"

// orvanel-cli search [--db PATH] [--all] [--] TEXT: the row the location search box selects
// for TEXT among the places of data.db, printed as its file line in UTF-8; --all prints every
// row the prefix pass matches. Exit 0 found, 1 nothing found, 2 bad input or an unreadable
// file.
class AramaKomutu : public Komut
{
public:
    AramaKomutu();

protected:
    int Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
              const KomutOrtami& ortam) const override;

private:
    QCommandLineOption hepsi_;
};
