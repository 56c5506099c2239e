#pragma once

#include "cli/KomutOrtami.h"

#include <QStringList>
#include <QTextStream>

// orvanel-cli alerts: runs the real countdown through every second of one day with a
// simulated clock (first tick at 00:00:00) and prints one line per alert:
//
//   12:57:00<TAB>uyari<TAB>gunes<TAB>Öğle Vaktine |15 Dakika | kaldı.
//   13:12:00<TAB>ezan<TAB>ogle<TAB>Ezan/ezan.wma
//
// the tick's time, the kind, the running period, and the popup's three texts joined by "|"
// or the ezan file relative to the program folder. A warning sound prints nothing.
int AlertsKomutu(const QStringList& args, QTextStream& out, QTextStream& err);
// `programKlasoru` (ending in "/") holds the sound files; the alert options come from the
// settings store unless the command line overrides them.
int AlertsKomutu(const QStringList& args, QTextStream& out, QTextStream& err,
                 const KomutOrtami& ortam, const QString& programKlasoru);
