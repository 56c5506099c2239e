#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

// Reads a date typed in the locale's short date format, optionally followed by a time of day.
// Empty or unreadable text gives nothing.
std::optional<QDateTime> TarihMetniniCoz(const QString& metin, const QLocale& yerel);

// The date of `t` in the locale's short date format (the time of day is dropped), such that
// TarihMetniniCoz reads it back to the same day.
QString KisaTarihMetni(const QDateTime& t, const QLocale& yerel);
