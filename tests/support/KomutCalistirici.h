#pragma once

#include "AyarKlasoru.h"
#include "CliCikti.h"
#include "Dosya.h"
#include "SahteSaat.h"
#include "SahteYazSaati.h"
#include "cli/KomutSatiri.h"

#include <QTemporaryDir>
#include <QTextStream>

// Runs orvanel-cli in process, as CliCalistirici runs the built program: an empty settings
// store and a program folder of its own (where data.db and the sounds are looked for), a fixed
// clock (21 June 2026, 12:30) and fixed summer-time dates.
class KomutCalistirici
{
public:
    CliCikti operator()(const QStringList& args) const
    {
        CliCikti c;
        QTextStream out(&c.Out), err(&c.Err);
        c.Kod = KomutSatiri().Calistir(args, out, err, {saat_, yazSaati_, klasor_.path() + u'/'});
        out.flush(), err.flush();
        return c;
    }

    // A file of the program folder.
    QString Yol(const QString& ad) const { return klasor_.filePath(ad); }
    QString AyarDosyasi() const { return ayarlar_.Yol() + QStringLiteral("/Orvanel/Orvanel.ini"); }
    void DosyaYaz(const QString& ad, const QByteArray& icerik) const
    {
        ::DosyaYaz(Yol(ad), icerik);
    }

private:
    AyarKlasoru ayarlar_;
    QTemporaryDir klasor_;
    SahteSaat saat_{QDateTime(QDate(2026, 6, 21), QTime(12, 30))};
    SahteYazSaati yazSaati_;
};
