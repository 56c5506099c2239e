#pragma once

#include <QString>

// Turkish lower-casing used for every comparison of place names: "İ" becomes "i" and "I"
// becomes "ı" before the ordinary Unicode lower-casing, so the result never depends on the
// machine's language (ISPARTA -> ısparta, İZMİR -> izmir).
QString LLCase(const QString& Metin);

// The plainer folding the search falls back on when the Turkish one finds nothing, for text
// typed without Turkish letters: LLCase, then "ı" becomes "i" and a letter with a mark its
// base letter ("ş" -> "s", "ğ" -> "g", "é" -> "e"). One character for one character, so the
// folded text keeps the offsets of the original.
QString SadeKatla(const QString& Metin);
// The same for one character of LLCase's result.
char16_t SadeHarf(char16_t kucuk);
