#pragma once

#include "cli/KomutOrtami.h"

#include <QStringList>
#include <QTextStream>

// orvanel-cli month: one row per day of a month (date, Hijri text, six times), as a table or CSV.
int MonthKomutu(const QStringList& args, QTextStream& out, QTextStream& err);
int MonthKomutu(const QStringList& args, QTextStream& out, QTextStream& err,
                const KomutOrtami& ortam);
