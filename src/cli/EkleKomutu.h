#pragma once

#include <QStringList>
#include <QTextStream>

// orvanel-cli ekle --ulke TEXT --sehir TEXT --tz HOURS --enlem TEXT --boylam TEXT [--db PATH]
// [--sec]: appends a place to data.db with the add-location dialog's checks and messages,
// prints its new line, and with --sec stores it as the chosen place. Exit 0 added, 2 refused
// (nothing written) or the file could not be read or rewritten (data.db kept as it was).
// Unlike the dialog it sends no suggestion.
int EkleKomutu(const QStringList& args, QTextStream& out, QTextStream& err);
