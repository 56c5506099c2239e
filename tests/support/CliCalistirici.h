#pragma once

#include "AyarKlasoru.h"
#include "CliCikti.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Runs the built orvanel-cli as a user would: in its own home, settings and runtime folders
// (a fresh temporary folder unless the caller gives one), UTC, the C locale, no display.
class CliCalistirici
{
public:
    explicit CliCalistirici(QString ev = QString()) : ev_(ev.isEmpty() ? gecici_.path() : ev)
    {
        AyarlariBosalt();
        // A runtime folder as the session's: the user's alone.
        QDir(ev_).mkpath(QStringLiteral("run"));
        QFile::setPermissions(ev_ + QStringLiteral("/run"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env_ = QProcessEnvironment::systemEnvironment();
        for (const auto& [ad, deger] : {std::pair{"HOME", ev_},
                                        {"XDG_CONFIG_HOME", ev_ + "/config"},
                                        {"XDG_DATA_HOME", ev_ + "/data"},
                                        {"XDG_RUNTIME_DIR", ev_ + "/run"},
                                        {"TZ", QStringLiteral("UTC")},
                                        {"LC_ALL", QStringLiteral("C.UTF-8")},
                                        {"QT_QPA_PLATFORM", QStringLiteral("offscreen")}})
            env_.insert(QString::fromLatin1(ad), deger);
        env_.remove(QStringLiteral("DISPLAY"));
        env_.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }

    const QString& Ev() const { return ev_; }
    QString AyarDosyasi() const { return ev_ + QStringLiteral("/config/Orvanel/Orvanel.ini"); }
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
