#pragma once

#include "platform/AyarDeposu.h"

#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

// Empties the settings store. On Windows it is the user's registry key, one for every process
// of the user (each test program runs in a Wine prefix of its own): a test starts from an empty
// key and leaves one.
inline void AyarlariBosalt()
{
#ifdef Q_OS_WIN
    QSettings(AyarDeposu::KayitDefteriAnahtari, QSettings::NativeFormat).remove(QString());
#endif
}

// A stored value as the store holds it, under "Vakit": in the INI file of `klasor`, on
// Windows in the registry.
inline QString AyarHam(const QString& klasor, const QString& anahtar)
{
#ifdef Q_OS_WIN
    Q_UNUSED(klasor)
    const QSettings s(AyarDeposu::KayitDefteriAnahtari, QSettings::NativeFormat);
#else
    const QSettings s(klasor + QStringLiteral("/Orvanel/Orvanel.ini"), QSettings::IniFormat);
#endif
    return s.value(QStringLiteral("Vakit/") + anahtar).toString();
}

// Whether anything was ever written into the store.
inline bool AyarlarVar(const QString& klasor)
{
#ifdef Q_OS_WIN
    Q_UNUSED(klasor)
    return !QSettings(AyarDeposu::KayitDefteriAnahtari, QSettings::NativeFormat)
                .allKeys()
                .isEmpty();
#else
    return QFile::exists(klasor + QStringLiteral("/Orvanel/Orvanel.ini"));
#endif
}

// A settings store of the test's own, empty at first, under the C locale; the locale is put
// back when it ends. Every AyarDeposu made meanwhile reads and writes Yol()/Orvanel/Orvanel.ini
// (on Windows the registry key, emptied at the start and the end).
class AyarKlasoru
{
public:
    AyarKlasoru()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, klasor_.path());
        QLocale::setDefault(QLocale::c());
        AyarlariBosalt();
    }
    ~AyarKlasoru()
    {
        QLocale::setDefault(onceki_);
        AyarlariBosalt();
    }
    AyarKlasoru(const AyarKlasoru&) = delete;
    AyarKlasoru& operator=(const AyarKlasoru&) = delete;

    QString Yol() const { return klasor_.path(); }

private:
    QLocale onceki_;
    QTemporaryDir klasor_;
};
