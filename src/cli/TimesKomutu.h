#pragma once

#include "cli/VakitlerKomutu.h"

// The entry point tests/locations/SearchKomutuTest.cpp still calls; the command is
// VakitlerKomutu.
inline int TimesKomutu(const QStringList& args, QTextStream& out, QTextStream& err)
{
    return VakitlerKomutu().Calistir(args, out, err, KomutOrtami::Sistem());
}
