#pragma once

#include "AyarKlasoru.h"
#include "Dosya.h"
#include "SahteSaat.h"
#include "SahteYazSaati.h"
#include "cli/KomutSatiri.h"
#include "support/QtYazdir.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <ostream>
#include <tuple>

// What one run of orvanel-cli gave: exit status and both streams.
struct CliCikti
{
    int Kod = -1; // -1: crashed or did not finish
    QString Out;
    QString Err;

    bool operator==(const CliCikti& o) const
    {
        return std::tie(Kod, Out, Err) == std::tie(o.Kod, o.Out, o.Err);
    }
};

// A refused run: status 2, nothing on stdout, `mesaj` as the one line on stderr.
inline CliCikti Reddedildi(const QString& mesaj)
{
    return {2, QString(), "orvanel-cli: " + mesaj + u'\n'};
}

// Lets GoogleTest print a run readably when a comparison fails.
inline void PrintTo(const CliCikti& c, std::ostream* os)
{
    *os << "{" << c.Kod << ", out \"" << c.Out.toStdString() << "\", err \"" << c.Err.toStdString()
        << "\"}";
}

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
    QString AyarDosyasi() const { return ayarlar_.Yol() + "/Orvanel/Orvanel.ini"; }
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

// Runs the built orvanel-cli as a user would: in its own home, settings and runtime folders
// (a fresh temporary folder unless the caller gives one), UTC, the C locale, no display.
class CliCalistirici
{
public:
    explicit CliCalistirici(QString ev = QString()) : ev_(ev.isEmpty() ? gecici_.path() : ev)
    {
        AyarlariBosalt();
        // A runtime folder as the session's: the user's alone.
        QDir(ev_).mkpath("run");
        QFile::setPermissions(ev_ + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env_ = QProcessEnvironment::systemEnvironment();
        for (const auto& [ad, deger] : {std::pair{"HOME", ev_},
                                        {"XDG_CONFIG_HOME", ev_ + "/config"},
                                        {"XDG_DATA_HOME", ev_ + "/data"},
                                        {"XDG_RUNTIME_DIR", ev_ + "/run"},
                                        {"TZ", "UTC"},
                                        {"LC_ALL", "C.UTF-8"},
                                        {"QT_QPA_PLATFORM", "offscreen"}})
            env_.insert(QString::fromLatin1(ad), deger);
        env_.remove("DISPLAY");
        env_.remove("WAYLAND_DISPLAY");
    }

    const QString& Ev() const { return ev_; }
    QString AyarDosyasi() const { return ev_ + "/config/Orvanel/Orvanel.ini"; }
    QProcessEnvironment& Ortam() { return env_; }

    // Starts the program without waiting, for runs side by side.
    void Baslat(QProcess& p, const QStringList& args) const
    {
        p.setProcessEnvironment(env_);
        p.start(QStringLiteral(ORVANEL_BINARY_DIR "/orvanel-cli"), args);
    }
    static CliCikti Bekle(QProcess& p)
    {
        CliCikti c;
        if (!p.waitForFinished(60000))
            return c;
        c.Kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        c.Out = QString::fromUtf8(p.readAllStandardOutput());
        c.Err = QString::fromUtf8(p.readAllStandardError());
        return c;
    }
    // Another program (a reader of the files written), run to its end.
    static CliCikti Calistir(const QString& program, const QStringList& args)
    {
        QProcess p;
        p.start(program, args);
        return Bekle(p);
    }
    CliCikti operator()(const QStringList& args) const
    {
        QProcess p;
        Baslat(p, args);
        return Bekle(p);
    }

private:
    QTemporaryDir gecici_;
    QString ev_;
    QProcessEnvironment env_;
};
