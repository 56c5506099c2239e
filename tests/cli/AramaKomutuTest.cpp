// orvanel-cli search: the row the location search box selects, or every prefix match.
#include "../locations/KonumTestAraclari.h"
#include "support/KomutCalistirici.h"

#include <gtest/gtest.h>

namespace {

TEST(AramaKomutu, PrintsTheRowsTheSearchFinds)
{
    const char* van = "3|Türkiye|Van|3|38,5|43,4\n";
    const std::pair<QStringList, CliCikti> durumlar[] = {
        {{"istanbul,türkiye"}, {0, "4|Türkiye|İstanbul|2|41,02|28,97\n", ""}},
        {{"VAN"}, {0, van, ""}},                         // the whole name before a longer one
        {{"  "}, {0, "1|Almanya|Vanburg|1|50|8\n", ""}}, // a blank box selects the first row
        {{"k*"}, {0, "5|Nepal|Katmandu|5,75|27,7172|85,324\n", ""}},
        {{"--", "-kat"}, {0, "6|Nepal|-Kat|5,75|27,7|85,3\n", ""}}, // after "--", text
        {{"--all", "van, türk"}, {0, QStringLiteral("2|Türkmenistan|Vanak|5|38|58\n") + van, ""}},
        {{"ankara"}, {1, "", "orvanel-cli: \"ankara\" için konum bulunamadı.\n"}},
        {{"--all", "ist[an"}, {1, "", "orvanel-cli: \"ist[an\" için konum bulunamadı.\n"}},
    };
    KomutCalistirici cli;
    cli.DosyaYaz("data.db", W1254("1|Almanya|Vanburg|1|50|8\r\n"
                                  "2|Türkmenistan|Vanak|5|38|58\r\n"
                                  "3|Türkiye|Van|3|38,5|43,4\r\n"
                                  "4|Türkiye|İstanbul|2|41,02|28,97\r\n"
                                  "5|Nepal|Katmandu|5,75|27,7172|85,324\r\n"
                                  "6|Nepal|-Kat|5,75|27,7|85,3"));
    for (const auto& [args, beklenen] : durumlar)
        EXPECT_EQ(cli(QStringList{"search"} + args), beklenen) << args.join(u' ').toStdString();
    EXPECT_EQ(cli({"search", "--db", cli.Yol("yok.db"), "van"}),
              Reddedildi("Konum dosyası bulunamadı: " + cli.Yol("yok.db")));
}

} // namespace
