#pragma once

#include <QString>

// Turkish lower-casing used for every comparison of place names: "İ" becomes "i" and "I"
// becomes "ı" before the ordinary Unicode lower-casing, so the result never depends on the
// machine's language (ISPARTA -> ısparta, İZMİR -> izmir).
QString LLCase(const QString& Metin);
