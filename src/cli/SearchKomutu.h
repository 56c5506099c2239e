#pragma once

#include "cli/AramaKomutu.h"

// The entry point tests/locations/SearchKomutuTest.cpp still calls; the command is
// AramaKomutu.
inline int SearchKomutu(const QStringList& args, QTextStream& out, QTextStream& err)
{
    return AramaKomutu().Calistir(args, out, err, KomutOrtami::Sistem());
}
