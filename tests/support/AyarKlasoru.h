#pragma once

#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

// A settings store of the test's own, empty at first, under the C locale; the locale is put
// back when it ends. Every AyarDeposu made meanwhile reads and writes Yol()/Orvanel/Orvanel.ini.
class AyarKlasoru
{
public:
    AyarKlasoru()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, klasor_.path());
        QLocale::setDefault(QLocale::c());
    }
    ~AyarKlasoru() { QLocale::setDefault(onceki_); }
    AyarKlasoru(const AyarKlasoru&) = delete;
    AyarKlasoru& operator=(const AyarKlasoru&) = delete;

    QString Yol() const { return klasor_.path(); }

private:
    QLocale onceki_;
    QTemporaryDir klasor_;
};
