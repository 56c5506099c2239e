#pragma once

#include "platform/Sonuc.h"

#include <QString>
#include <QTextStream>

// Exit statuses of orvanel-cli and the one-line report of a refused input.
namespace Cikis {

constexpr int Tamam = 0;
constexpr int Bulunamadi = 1;
constexpr int HataliGirdi = 2;

// A refused input with its message, for Hata below: HataliGirdi.
::Hata Red(const QString& metin);
// Writes `mesaj` as one line on `err` and gives `kod`.
int Hata(QTextStream& err, const QString& mesaj, int kod = HataliGirdi);
// A failed operation's message as one line on `err`; its status: Bulunamadi when that is its
// Neden, HataliGirdi for every other failure.
int Hata(QTextStream& err, const ::Hata& hata);

} // namespace Cikis
