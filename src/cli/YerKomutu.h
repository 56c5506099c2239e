#pragma once

#include "cli/Komut.h"
#include "cli/KonumArama.h"
#include "engine/VakitGirdisi.h"

#include <QJsonObject>

// A command that computes times for a place (times, month, alerts). The place options are
// declared here once: --lat, --lon and --tz together, --country, --method, --no-dst,
// --hijri-days, and --place with --db to take the place from data.db.
class YerKomutu : public Komut
{
protected:
    YerKomutu(QStringList adlar, QString ozet, QString aciklama);

    // The stored place and options with the place options over them. A place that --lat,
    // --lon and --tz give has no country unless --country names one; --place takes the
    // latitude, longitude, time zone and country of the row the search box selects (--country
    // still names the country) and cannot be combined with --lat, --lon or --tz. A stored
    // place that cannot be used is refused unless the options name another place. `yerAdi`
    // gets the place's name: the row's "city, country" for --place, the stored place's, or
    // the position for --lat and --lon. The row --place selected is named on `err` first
    // ("Konum: San Angelo, Amerika Birleşik Devletleri") and given in `bulunan`.
    Sonuc<> Girdi(const QCommandLineParser& p, const KomutOrtami& ortam, VakitGirdisi& girdi,
                  QTextStream& err, QString* yerAdi = nullptr,
                  KonumArama::Bulunan* bulunan = nullptr) const;
    // The row --place selected as a JSON object: city, country, tz, lat, lon and its line.
    static QJsonObject YerJson(const KonumArama::Bulunan& bulunan);
    // "41,02° K, 28,97° D".
    static QString KoordinatMetni(double enlem, double boylam);
    // Fills the daylight-saving dates of the selected day's year.
    static void GecisleriDoldur(VakitGirdisi& girdi, const YazSaatiKaynagi& kaynak);

private:
    Sonuc<> KonumUygula(const QCommandLineParser& p, const KomutOrtami& ortam, VakitGirdisi& girdi,
                        QTextStream& err, QString* yerAdi, KonumArama::Bulunan* bulunan) const;

    QCommandLineOption enlem_;
    QCommandLineOption boylam_;
    QCommandLineOption tz_;
    QCommandLineOption ulke_;
    QCommandLineOption yontem_;
    QCommandLineOption yazSaatiYok_;
    QCommandLineOption yer_;
};
