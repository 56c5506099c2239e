#pragma once

#include "cli/Komut.h"
#include "engine/DiniGun.h"

#include <vector>

// orvanel-cli religious-days (dini-gunler): the religious days of a Gregorian year as the
// program's Hijri calendar dates them, with the stored correction unless --hijri-days gives
// another. One line a day, a JSON array, or an iCalendar file of all-day events whose UIDs name
// the Hijri year and the day, so an import after a change of the correction moves the events.
class DiniGunlerKomutu : public Komut
{
public:
    DiniGunlerKomutu();

protected:
    int Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
              const KomutOrtami& ortam) const override;

private:
    static QString Duz(const std::vector<DiniGun>& gunler);
    static QString Json(const std::vector<DiniGun>& gunler);
    static QString Ics(const std::vector<DiniGun>& gunler, const QDateTime& damga);

    QCommandLineOption json_;
    QCommandLineOption ics_;
};
