#pragma once

#include "cli/Komut.h"

#include <memory>
#include <vector>

// orvanel-cli as a whole: the first word names the command, the rest go to it. No word, or
// "--help", prints the list of commands.
class KomutSatiri
{
public:
    KomutSatiri();

    // `args` without the program's own name.
    int Calistir(const QStringList& args, QTextStream& out, QTextStream& err,
                 const KomutOrtami& ortam) const;
    const Komut* KomutBul(const QString& ad) const;

private:
    void KullanimYaz(QTextStream& akis) const;

    std::vector<std::unique_ptr<Komut>> komutlar_;
};
