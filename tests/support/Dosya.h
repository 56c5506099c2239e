#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// A file's bytes, empty when it cannot be read.
inline QByteArray DosyaIcerigi(const QString& yol)
{
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes the file anew, its folder made first.
inline void DosyaYaz(const QString& yol, const QByteArray& icerik)
{
    QDir().mkpath(QFileInfo(yol).path());
    QFile f(yol);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(icerik);
}
