#pragma once

#include "cli/KomutOrtami.h"

#include <QStringList>
#include <QTextStream>

// orvanel-cli hijri: the Hijri text of one day.
int HijriKomutu(const QStringList& args, QTextStream& out, QTextStream& err);
int HijriKomutu(const QStringList& args, QTextStream& out, QTextStream& err,
                const KomutOrtami& ortam);
