// The search's patterns: "?", "#", "*" with backtracking, lists and ranges in code-unit
// order; a malformed pattern matches nothing. And the folding both sides go through.
#include "locations/Desen.h"
#include "locations/LLCase.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

TEST(Desen, PatternsMatchAsTheSearchBoxNeeds)
{
    const struct
    {
        const char* Kalip;
        const char* Metin;
        bool Uyar;
    } durumlar[] = {
        {"v?n", "van", true},    {"v?n", "vn", false},      {"a#b", "a7b", true},
        {"a#b", "axb", false},   {"#", "٣", false},         {"abc", "abcd", false},
        {"*", "", true},         {"k*y*", "kayseri", true}, {"k*y*", "kars", false},
        {"a*bc", "abcbc", true}, {"a*bc", "abcb", false},   {"**a", "ba", true},
        {"[a-c]x", "bx", true},  {"[!a-c]x", "ax", false},  {"[a-z]", "ç", false},
        {"[çşı]", "ı", true},    {"[-a]", "-", true},       {"[a-]", "-", true},
        {"[*?#]", "?", true},    {"[*?#]", "x", false},     {"[]", "a", false},
        {"[!]", "a", true},      {"a]", "a]", true},        {"ist[an*", "istanbul", false},
        {"[z-a]*", "b", false},  {"*[a-", "a", false},      {"[!", "", false},
    };
    for (const auto& d : durumlar)
        EXPECT_EQ(Desen(QString::fromUtf8(d.Kalip)).Eslesir(QString::fromUtf8(d.Metin)), d.Uyar)
            << d.Kalip << " ~ " << d.Metin;
    EXPECT_FALSE(Desen(QStringLiteral("[z-a]")).Gecerli());
}

// Capital I folds to dotless ı and İ to i, whatever the user's language.
TEST(LLCase, FoldsTheTurkishWayInEveryLanguage)
{
    for (const char* dil : {"en_US", "tr_TR"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(dil)));
        EXPECT_EQ(LLCase(QStringLiteral("ISPARTA İZMİR ÇĞÖŞÜ ıi Zürich")),
                  QStringLiteral("ısparta izmir çğöşü ıi zürich"))
            << dil;
    }
    QLocale::setDefault(QLocale::c());
}

} // namespace
