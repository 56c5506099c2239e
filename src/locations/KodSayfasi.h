#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1254, the code page of data.db: one character a byte. Kept here as a table so that
// every platform reads and writes the same bytes (Qt for Windows has no code-page converters
// of its own). The five bytes Windows leaves unassigned stand for the C1 controls of the same
// number, as Windows' own conversion reads them.
namespace KodSayfasi {

QString Coz(QByteArrayView bayt);
// The bytes of `metin`; false when a character has no byte in the code page (it becomes "?").
bool Kodla(QStringView metin, QByteArray& bayt);

} // namespace KodSayfasi
