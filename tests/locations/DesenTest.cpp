#include "locations/Desen.h"

#include <gtest/gtest.h>

namespace {

bool Uyar(const char* kalip, const char* metin)
{
    return Desen(QString::fromUtf8(kalip)).Eslesir(QString::fromUtf8(metin));
}

TEST(Desen, SingleCharacterWildcards)
{
    EXPECT_TRUE(Uyar("v?n", "van"));
    EXPECT_FALSE(Uyar("v?n", "vn"));
    EXPECT_TRUE(Uyar("a#b", "a7b"));
    EXPECT_FALSE(Uyar("a#b", "axb"));
    EXPECT_FALSE(Uyar("#", "٣")); // only 0-9 are digits
    EXPECT_TRUE(Uyar("abc", "abc"));
    EXPECT_FALSE(Uyar("abc", "abcd")); // no implied "*"
}

TEST(Desen, StarBacktracksOverAnyRun)
{
    EXPECT_TRUE(Uyar("*", ""));
    EXPECT_TRUE(Uyar("k*y*", "kayseri"));
    EXPECT_FALSE(Uyar("k*y*", "kars"));
    EXPECT_TRUE(Uyar("a*b*c", "axxbyyc"));
    EXPECT_TRUE(Uyar("a*bc", "abcbc")); // the first "bc" is not the last
    EXPECT_FALSE(Uyar("a*bc", "abcb"));
    EXPECT_TRUE(Uyar("**a", "ba"));
}

TEST(Desen, CharacterListsAndRanges)
{
    EXPECT_TRUE(Uyar("[a-c]x", "bx"));
    EXPECT_FALSE(Uyar("[a-c]x", "dx"));
    EXPECT_TRUE(Uyar("[!a-c]x", "dx"));
    EXPECT_FALSE(Uyar("[!a-c]x", "ax"));
    EXPECT_FALSE(Uyar("[a-z]", "ç")); // ordinal: Turkish letters lie above z
    EXPECT_TRUE(Uyar("[çşı]", "ı"));
    // "-" at either end of a list, and wildcard characters inside one, stand for themselves.
    EXPECT_TRUE(Uyar("[-a]", "-"));
    EXPECT_TRUE(Uyar("[a-]", "-"));
    EXPECT_TRUE(Uyar("[*?#]", "?"));
    EXPECT_FALSE(Uyar("[*?#]", "x"));
    // The empty list holds no character; its negation takes any one.
    EXPECT_FALSE(Uyar("[]", "a"));
    EXPECT_TRUE(Uyar("[!]", "a"));
    EXPECT_TRUE(Uyar("a]", "a]"));
}

TEST(Desen, MalformedPatternsMatchNothing)
{
    for (const char* kalip : {"ist[an*", "[", "[!", "[z-a]*", "*[a-"}) {
        SCOPED_TRACE(kalip);
        const Desen d(QString::fromUtf8(kalip));
        EXPECT_FALSE(d.Gecerli());
        EXPECT_FALSE(d.Eslesir(QStringLiteral("istanbul")));
        EXPECT_FALSE(d.Eslesir(QString()));
    }
}

} // namespace
