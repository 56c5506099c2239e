#pragma once

#include "cli/AylikKomut.h"

// orvanel-cli ics: a month's times as an iCalendar file (RFC 5545) for calendar programs. Each
// time of each day is an event at its moment in UTC, with an alarm before it. An event's UID
// names only the day, the time and the place's position, so a month imported twice replaces
// its events instead of doubling them.
class TakvimKomutu : public AylikKomut
{
public:
    TakvimKomutu();

protected:
    int Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
              const KomutOrtami& ortam) const override;

private:
    // The file: events stamped `damga`, alarms `dakika` minutes before their time (none for
    // 0).
    static QByteArray Ics(const Ay& ay, const QDateTime& damga, int dakika);

    QCommandLineOption uyari_;
    QCommandLineOption dosya_;
};
