#include "cli/Secenekler.h"

#include "../engine/QtYazdir.h"

#include <gtest/gtest.h>

namespace {
const QStringList Degerli{QStringLiteral("lat"), QStringLiteral("date")};
const QStringList Bayraklar{QStringLiteral("json"), QStringLiteral("help")};
} // namespace

TEST(Secenekler, BothValueFormsAndNegativeValues)
{
    QString hata;
    const auto s = Secenekler::Coz({"--lat", "-33.9", "--date=2026-06-21", "--json"}, Degerli,
                                   Bayraklar, &hata);
    ASSERT_TRUE(s.has_value()) << hata.toStdString();
    EXPECT_EQ(s->Deger(QStringLiteral("lat")), QStringLiteral("-33.9"));
    EXPECT_EQ(s->Deger(QStringLiteral("date")), QStringLiteral("2026-06-21"));
    EXPECT_TRUE(s->Var(QStringLiteral("json")));
    EXPECT_FALSE(s->Var(QStringLiteral("help")));

    const auto esit = Secenekler::Coz({"--lat=-1", "--lat=", "-h"}, Degerli, Bayraklar, &hata);
    ASSERT_TRUE(esit.has_value());
    // The last one counts, even empty; "-h" is help.
    EXPECT_TRUE(esit->Var(QStringLiteral("lat")));
    EXPECT_EQ(esit->Deger(QStringLiteral("lat")), QString());
    EXPECT_TRUE(esit->Var(QStringLiteral("help")));
}

TEST(Secenekler, WordsAndTheEndOfOptions)
{
    QString hata;
    const auto s =
        Secenekler::Coz({"istanbul", "-5", "--", "--json", "-x"}, Degerli, Bayraklar, &hata);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->Konumsal(), QStringList({"istanbul", "-5", "--json", "-x"}));
    EXPECT_FALSE(s->Var(QStringLiteral("json")));
}

TEST(Secenekler, Mistakes)
{
    const QList<QStringList> hatalar{{"--lat"}, {"--json=1"}, {"--yok"}, {"-x"}, {"--date"}};
    for (const QStringList& args : hatalar) {
        QString hata;
        EXPECT_FALSE(Secenekler::Coz(args, Degerli, Bayraklar, &hata).has_value())
            << args.join(' ').toStdString();
        EXPECT_FALSE(hata.isEmpty());
        EXPECT_FALSE(hata.contains(QLatin1Char('\n')));
    }
}
