#pragma once

#include "cli/AylikKomut.h"

// orvanel-cli timetable (imsakiye): a month's times as a printable A4 page in PDF, in the
// program's look: the place and the month as the heading, then one row a day with the
// Gregorian and Hijri dates and the six times. It draws, so main starts it on a
// QGuiApplication (offscreen unless a platform is named).
class ImsakiyeKomutu : public AylikKomut
{
public:
    ImsakiyeKomutu();

    bool Cizer() const override { return true; }

protected:
    int Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
              const KomutOrtami& ortam) const override;

private:
    static QByteArray Pdf(const Ay& ay);

    QCommandLineOption pdf_;
};
