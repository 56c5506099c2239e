#pragma once

#include "cli/YerKomutu.h"

// orvanel-cli alerts: runs the real countdown through every second of one day with a
// simulated clock (first tick at 00:00:00) and prints one line per alert:
//
//   12:57:00<TAB>uyari<TAB>gunes<TAB>Öğle Vaktine |15 Dakika | kaldı.
//   13:12:00<TAB>ezan<TAB>ogle<TAB>Ezan/ezan.wma
//
// the tick's time, the kind, the running period, and the popup's three texts joined by "|"
// or the ezan file relative to the program folder, which holds the sounds. A warning sound
// prints nothing. The alert options come from the settings store unless the command line
// overrides them.
class UyarilarKomutu : public YerKomutu
{
public:
    UyarilarKomutu();

protected:
    int Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
              const KomutOrtami& ortam) const override;

private:
    QCommandLineOption dakika_;
    QCommandLineOption uyariYok_;
    QCommandLineOption ezanYok_;
    QCommandLineOption sesYok_;
};
