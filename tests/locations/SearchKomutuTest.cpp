#include "cli/SearchKomutu.h"
#include "KonumTestAraclari.h"
#include "cli/TimesKomutu.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SearchKomutuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(klasor.isValid());
        DosyaYaz(db, W1254("1|Almanya|Vanburg|1|50|8\r\n"
                           "2|Türkmenistan|Vanak|5|38|58\r\n"
                           "3|Türkiye|Van|3|38,5|43,4\r\n"
                           "4|Türkiye|İstanbul|2|41,02|28,97\r\n"
                           "5|Nepal|Katmandu|5,75|27,7172|85,324"));
    }

    int Calistir(QStringList args)
    {
        cikti.clear();
        hata.clear();
        QTextStream out(&cikti), err(&hata);
        const int sonuc = SearchKomutu(QStringList{QStringLiteral("--db"), db} + args, out, err);
        out.flush();
        err.flush();
        return sonuc;
    }

    QTemporaryDir klasor;
    const QString db = klasor.filePath("data.db");
    QString cikti, hata;
};

TEST_F(SearchKomutuTest, PrintsTheRowTheSearchBoxSelects)
{
    EXPECT_EQ(Calistir({QString::fromUtf8("istanbul,türkiye")}), 0);
    EXPECT_EQ(cikti, QString::fromUtf8("4|Türkiye|İstanbul|2|41,02|28,97\n"));
    EXPECT_EQ(Calistir({"VAN"}), 0);
    EXPECT_EQ(cikti, QString::fromUtf8("3|Türkiye|Van|3|38,5|43,4\n"));
    EXPECT_EQ(Calistir({"  "}), 0); // a blank box selects row 1
    EXPECT_EQ(cikti, "1|Almanya|Vanburg|1|50|8\n");
    EXPECT_EQ(Calistir({"--", "-kat"}), 1);
    EXPECT_EQ(Calistir({"k*"}), 0);
    EXPECT_EQ(cikti, "5|Nepal|Katmandu|5,75|27,7172|85,324\n");
}

TEST_F(SearchKomutuTest, AllPrintsThePrefixMatchesInListOrder)
{
    EXPECT_EQ(Calistir({"--all", "van"}), 0);
    EXPECT_EQ(cikti, QString::fromUtf8("1|Almanya|Vanburg|1|50|8\n2|Türkmenistan|Vanak|5|38|58\n"
                                       "3|Türkiye|Van|3|38,5|43,4\n"));
    EXPECT_EQ(Calistir({"--all", QString::fromUtf8("van, türk")}), 0);
    EXPECT_EQ(cikti.count('\n'), 2);
}

TEST_F(SearchKomutuTest, NothingFoundAndBadInput)
{
    EXPECT_EQ(Calistir({"ankara"}), 1);
    EXPECT_TRUE(cikti.isEmpty());
    EXPECT_TRUE(hata.contains(QString::fromUtf8("bulunamadı")));
    EXPECT_EQ(Calistir({"--all", "ist[an"}), 1);
    EXPECT_EQ(Calistir({}), 2);
    EXPECT_EQ(Calistir({"a", "b"}), 2);
    QFile::remove(db);
    EXPECT_EQ(Calistir({"van"}), 2);
    EXPECT_TRUE(hata.contains(QString::fromUtf8("bulunamadı")));
}

TEST_F(SearchKomutuTest, TimesTakesItsPlaceFromTheSearch)
{
    auto times = [&](QStringList args) {
        QString o, e;
        QTextStream out(&o), err(&e);
        const int sonuc = TimesKomutu(args << "--date"
                                           << "2024-01-15"
                                           << "--json",
                                      out, err);
        out.flush();
        return std::make_pair(sonuc, o);
    };
    const auto [aramaCikis, arama] = times({"--konum", "katmandu", "--db", db});
    const auto [elleCikis, elle] =
        times({"--lat", "27.7172", "--lon", "85.324", "--tz", "5.75", "--country", "Nepal"});
    EXPECT_EQ(aramaCikis, 0);
    EXPECT_EQ(elleCikis, 0);
    EXPECT_EQ(arama, elle);
    EXPECT_EQ(times({"--konum", "ankara", "--db", db}).first, 2);
    EXPECT_EQ(times({"--konum", "van", "--db", db, "--lat", "1"}).first, 2);
}

// The built program over the data.db shipped next to it.
TEST(OrvanelCliSearch, FindsIstanbulInTheShippedFile)
{
    const QString program = QStringLiteral(ORVANEL_CLI);
    const QString paylasilan = QFileInfo(program).dir().filePath("data.db");
    if (!QFileInfo::exists(paylasilan))
        GTEST_SKIP() << "no data.db beside orvanel-cli";
    QProcess p;
    p.start(program, {"search", QString::fromUtf8("istanbul,türkiye")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(p.readAllStandardOutput(), "6817|Türkiye|İstanbul|2|41,02|28,97\n");
}

} // namespace
