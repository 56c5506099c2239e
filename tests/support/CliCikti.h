#pragma once

#include "support/QtYazdir.h"

#include <QString>

#include <ostream>

// What one run of orvanel-cli gave: exit status and both streams.
struct CliCikti
{
    int Kod = -1; // -1: crashed or did not finish
    QString Out;
    QString Err;

    bool operator==(const CliCikti& o) const
    {
        return Kod == o.Kod && Out == o.Out && Err == o.Err;
    }
};

// A refused run: status 2, nothing on stdout, `mesaj` as the one line on stderr.
inline CliCikti Reddedildi(const QString& mesaj)
{
    return {2, QString(), QStringLiteral("orvanel-cli: ") + mesaj + u'\n'};
}

// Lets GoogleTest print a run readably when a comparison fails.
inline void PrintTo(const CliCikti& c, std::ostream* os)
{
    *os << "{" << c.Kod << ", out \"" << c.Out.toStdString() << "\", err \"" << c.Err.toStdString()
        << "\"}";
}
