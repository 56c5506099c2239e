#pragma once

#include "cli/KomutOrtami.h"

#include <QStringList>
#include <QTextStream>

// orvanel-cli times: the date texts and the six times of one day and place.
int TimesKomutu(const QStringList& args, QTextStream& out, QTextStream& err);
int TimesKomutu(const QStringList& args, QTextStream& out, QTextStream& err,
                const KomutOrtami& ortam);
