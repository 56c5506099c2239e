#include "locations/KonumDosyasi.h"
#include "KonumTestAraclari.h"
#include "locations/LLCase.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

class KonumDosyasiTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(klasor.isValid());
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString Yol() const { return klasor.filePath("data.db"); }
    QVector<KonumKaydi> Oku(const QByteArray& icerik)
    {
        DosyaYaz(Yol(), icerik);
        QVector<KonumKaydi> k;
        EXPECT_EQ(dosya.DosyadanOku(k), KonumDosyasiSonucu::Tamam);
        return k;
    }

    QTemporaryDir klasor;
    KonumDosyasi dosya{klasor.path()};
};

const char* const Istanbul = "6817|Türkiye|İstanbul|2|41,02|28,97";

TEST_F(KonumDosyasiTest, ReadsTheTurkishCodePageAndItsNumbers)
{
    const QByteArray bayt = W1254(Istanbul);
    EXPECT_EQ(bayt.mid(5, 9), QByteArray("T\xFCrkiye|\xDD")); // one byte per letter
    const auto k = Oku(bayt);
    ASSERT_EQ(k.size(), 1);
    EXPECT_EQ(k[0].Id, 6817);
    EXPECT_EQ(k[0].Ulke, QString::fromUtf8("Türkiye"));
    EXPECT_EQ(k[0].Sehir, QString::fromUtf8("İstanbul"));
    EXPECT_EQ(k[0].Tz, 2);
    EXPECT_EQ(k[0].Enlem, 41.02);
    EXPECT_EQ(k[0].Boylam, 28.97);
}

TEST_F(KonumDosyasiTest, OnlyCrLfEndsALineAndEmptyLinesAreSkipped)
{
    const QVector<KonumKaydi> beklenen = Oku(W1254("1|A|a|1|1|1\r\n2|B|b|2|2|2\r\n3|C|c|3|3|3"));
    ASSERT_EQ(beklenen.size(), 3);
    EXPECT_EQ(Oku(W1254("1|A|a|1|1|1\r\n2|B|b|2|2|2\r\n3|C|c|3|3|3\r\n")), beklenen);
    EXPECT_EQ(Oku(W1254("\r\n\r\n1|A|a|1|1|1\r\n\r\n\r\n2|B|b|2|2|2\r\n3|C|c|3|3|3\r\n\r\n")),
              beklenen);
    EXPECT_EQ(dosya.AtlananSatirSayisi(), 0);

    // A lone LF or CR stays in its field: inside a name it is kept, inside a number it spoils
    // the number and the line is skipped.
    const auto k = Oku(W1254("1|A\nB|c\rd|1|1|1\r\n2|B|b|2|2|2\n3|C|c|3|3|3\r"));
    ASSERT_EQ(k.size(), 1);
    EXPECT_EQ(k[0].Ulke, "A\nB");
    EXPECT_EQ(k[0].Sehir, "c\rd");
    EXPECT_EQ(dosya.AtlananSatirSayisi(), 1); // lines 2 and 3 ran together into one
}

TEST_F(KonumDosyasiTest, FieldEndsAreFoundAtEveryPlaceInTheLine)
{
    // The reader looks for "|" and CR several bytes at a time. Names of every length from every
    // starting offset, made of the bytes nearest to those two ("ü" is "|" with the high bit set)
    // and of lone CRs, must come back whole and the lines must not run into each other.
    const QByteArray yakinlar("\xFC\x8D}{\x0C\x0E\n\r\xDDa", 10); // never CR then LF
    QByteArray veri;
    QVector<KonumKaydi> beklenen;
    QStringDecoder cevirici("windows-1254");
    for (int id = 1; id <= 300; ++id) {
        QByteArray ulke, sehir;
        for (int i = 0; i < id % 19; ++i)
            ulke += yakinlar.at((id + i) % yakinlar.size());
        for (int i = 0; i < id % 23; ++i)
            sehir += yakinlar.at((id * 7 + i) % yakinlar.size());
        const double tz = id % 5 == 0 ? -3.5 : id % 13;
        veri += QByteArray::number(id) + '|' + ulke + '|' + sehir + '|' +
                QByteArray::number(tz).replace('.', ',') + "|1,5|-2\r\n";
        beklenen.push_back({id, cevirici(ulke), cevirici(sehir), tz, 1.5, -2});
    }
    EXPECT_EQ(Oku(veri), beklenen);
    EXPECT_EQ(dosya.AtlananSatirSayisi(), 0);

    clsFastCollection liste;
    ASSERT_EQ(dosya.DosyadanOku(liste), KonumDosyasiSonucu::Tamam);
    ASSERT_EQ(liste.Count(), beklenen.size());
    for (int i = 1; i <= liste.Count(); ++i) {
        EXPECT_EQ(liste.Item(i)->Kayit(), beklenen[i - 1]);
        EXPECT_EQ(liste.Item(i)->Index(), i);
        EXPECT_EQ(liste.Item(i)->KucukSehir(), LLCase(beklenen[i - 1].Sehir));
        EXPECT_EQ(liste.Item(i)->KucukUlke(), LLCase(beklenen[i - 1].Ulke));
    }
}

TEST_F(KonumDosyasiTest, ExtraFieldsIgnoredAndSpacesKept)
{
    const auto k = Oku(W1254("7| Türkiye |  Van |3|38,5|43,4|fazla|alan\r\n8|||0|0|0|"));
    ASSERT_EQ(k.size(), 2);
    EXPECT_EQ(k[0].Ulke, QString::fromUtf8(" Türkiye "));
    EXPECT_EQ(k[0].Sehir, QStringLiteral("  Van "));
    EXPECT_EQ(k[0].Boylam, 43.4);
    EXPECT_EQ(k[1].Ulke, QString());
    EXPECT_EQ(k[1].Boylam, 0);
}

TEST_F(KonumDosyasiTest, BothDecimalMarksReadUnderEitherNumberFormat)
{
    for (const QLocale& yerel : {QLocale(QLocale::Turkish, QLocale::Turkey),
                                 QLocale(QLocale::English, QLocale::UnitedStates)}) {
        SCOPED_TRACE(yerel.name().toStdString());
        QLocale::setDefault(yerel);
        const auto k = Oku(W1254("1|A|a|5,75|41,0082|-0,5\r\n2|A|b|-3.5|41.0082|.25"));
        ASSERT_EQ(k.size(), 2);
        EXPECT_EQ(k[0].Tz, 5.75);
        EXPECT_EQ(k[0].Enlem, 41.0082);
        EXPECT_EQ(k[0].Boylam, -0.5);
        EXPECT_EQ(k[1].Tz, -3.5);
        EXPECT_EQ(k[1].Enlem, 41.0082);
        EXPECT_EQ(k[1].Boylam, 0.25);
        // Written back with the file's decimal comma whatever the user's format.
        ASSERT_EQ(dosya.DosyayaYaz(k), KonumDosyasiSonucu::Tamam);
        EXPECT_EQ(DosyaIcerigi(Yol()), W1254("1|A|a|5,75|41,0082|-0,5\r\n2|A|b|-3,5|41,0082|0,25"));
    }
}

TEST_F(KonumDosyasiTest, NumbersReadAsTheNearestDouble)
{
    const auto k = Oku(W1254("1|A|a|0,1|-89,99999999999999|1234567890,12345\r\n"
                             "2|A|b|0,30000000000000004|1e2|12345678901234567890"));
    ASSERT_EQ(k.size(), 2);
    EXPECT_EQ(k[0].Tz, 0.1);
    EXPECT_EQ(k[0].Enlem, -89.99999999999999);
    EXPECT_EQ(k[0].Boylam, 1234567890.12345);
    EXPECT_EQ(k[1].Tz, 0.30000000000000004);
    EXPECT_EQ(k[1].Enlem, 100);
    EXPECT_EQ(k[1].Boylam, 12345678901234567890.0);
}

TEST_F(KonumDosyasiTest, ShortcutForShortNumbersRoundsLikeTheFullConversion)
{
    // Coordinates and offsets with up to 17 digits and both marks, against Qt's conversion.
    std::mt19937_64 r(1254);
    QByteArray veri;
    QVector<double> beklenen;
    for (int i = 1; i <= 3000; ++i) {
        const double v = std::ldexp(double(r() >> 11), -53) * 360 - 180;
        QByteArray metin = QByteArray::number(v, 'f', int(r() % 18));
        beklenen << metin.toDouble();
        if (i % 2)
            metin.replace('.', ',');
        veri += QByteArray::number(i) + "|A|a|0|0|" + metin + "\r\n";
    }
    veri += "3001|A|a|9007199254740993|0,9007199254740993|-900719925474099,3";
    beklenen << 9007199254740993.0 << 0.9007199254740993 << -900719925474099.3;
    const auto k = Oku(veri);
    ASSERT_EQ(k.size(), 3001);
    for (int i = 0; i < 3000; ++i)
        ASSERT_EQ(k[i].Boylam, beklenen[i]) << veri.split('\n').at(i).constData();
    EXPECT_EQ(k[3000].Tz, beklenen[3000]);
    EXPECT_EQ(k[3000].Enlem, beklenen[3001]);
    EXPECT_EQ(k[3000].Boylam, beklenen[3002]);
}

TEST_F(KonumDosyasiTest, MalformedLinesAreSkippedAndNotWrittenBack)
{
    const auto k = Oku(W1254("1|A|a|1|1|1\r\n"
                             "2|B|b|2|2\r\n"         // five fields
                             "32768|C|c|3|3|3\r\n"   // Id beyond 16 bits
                             "x|D|d|4|4|4\r\n"       // Id not a number
                             "1.5|E|e|5|5|5\r\n"     // Id not an integer
                             "6|F|f|bir|6|6\r\n"     // number that is not one
                             "7|G|g|7|1.234,5|7\r\n" // both marks
                             "8|H|h|8|8|nan\r\n"     // not finite
                             "9|I|i||9|9\r\n"        // empty number
                             "-32768|J|j|0|0|0\r\n"
                             "32767|K|k| 2 |0|0\r\n"
                             " 12 |L|l|1|1|1"));
    ASSERT_EQ(k.size(), 4);
    EXPECT_EQ(dosya.AtlananSatirSayisi(), 8);
    EXPECT_EQ(k[1].Id, -32768);
    EXPECT_EQ(k[2].Id, 32767);
    EXPECT_EQ(k[2].Tz, 2);
    EXPECT_EQ(k[3].Id, 12);
    ASSERT_EQ(dosya.DosyayaYaz(k), KonumDosyasiSonucu::Tamam);
    EXPECT_EQ(DosyaIcerigi(Yol()),
              W1254("1|A|a|1|1|1\r\n-32768|J|j|0|0|0\r\n32767|K|k|2|0|0\r\n12|L|l|1|1|1"));
}

TEST_F(KonumDosyasiTest, RewriteBytesAndNumberFormat)
{
    DosyaYaz(Yol(), "eski");
    const QVector<KonumKaydi> k{
        {6817, QString::fromUtf8("Türkiye"), QString::fromUtf8("İstanbul"), 2, 41.02, 28.97},
        {2, QString::fromUtf8("Hindistan"), QString::fromUtf8("Şığ ÇÖĞÜ"), 5.5, -0.0, 1e-7},
        {3, QString::fromUtf8("Nepal"), QString::fromUtf8("ı"), 5.75, 0.1 + 0.2, -3.5},
        {4, "X", "Y", 123456789012345678.0, 1.5e-20, -2e15}};
    ASSERT_EQ(dosya.DosyayaYaz(k), KonumDosyasiSonucu::Tamam);
    EXPECT_EQ(DosyaIcerigi(Yol()),
              W1254("6817|Türkiye|İstanbul|2|41,02|28,97\r\n"
                    "2|Hindistan|Şığ ÇÖĞÜ|5,5|0|0,0000001\r\n"
                    "3|Nepal|ı|5,75|0,3|-3,5\r\n"
                    "4|X|Y|123456789012346000|0,000000000000000000015|-2000000000000000"));
    EXPECT_FALSE(QFileInfo::exists(dosya.GeciciYol()));
    EXPECT_EQ(KonumDosyasi::SayiMetni(41.0082), "41,0082");
    EXPECT_EQ(KonumDosyasi::SayiMetni(-0.0001234), "-0,0001234");
}

TEST_F(KonumDosyasiTest, ReadRewriteReadRoundTrips)
{
    const QByteArray ozgun = W1254("1|ABD|New York|-5|40,7128|-74,006\r\n"
                                   "2|Hindistan|Delhi|5,5|28,6139|77,209\r\n"
                                   "3|Nepal|Katmandu|5,75|27,7172|85,324\r\n"
                                   "4|Kanada|St. John's|-3,5|47,5615|-52,7126\r\n"
                                   "5|Türkiye|Iğdır|3|39,9237|44,045");
    const auto k = Oku(ozgun);
    ASSERT_EQ(dosya.DosyayaYaz(k), KonumDosyasiSonucu::Tamam);
    EXPECT_EQ(DosyaIcerigi(Yol()), ozgun);

    // The rows of the list are written in list order, positions 1 to Count.
    clsFastCollection liste;
    ASSERT_EQ(dosya.DosyadanOku(liste), KonumDosyasiSonucu::Tamam);
    ASSERT_EQ(liste.Count(), 5);
    EXPECT_EQ(liste.Item(5)->Index(), 5);
    EXPECT_EQ(liste.Item(5)->KucukSehir(), QString::fromUtf8("ığdır"));
    EXPECT_EQ(liste.Item(5)->KucukUlke(), QString::fromUtf8("türkiye"));
    liste.Add(liste.Take(1), -1);
    ASSERT_EQ(dosya.DosyayaYaz(liste), KonumDosyasiSonucu::Tamam);
    EXPECT_EQ(DosyaIcerigi(Yol()),
              ozgun.mid(ozgun.indexOf("\r\n") + 2) + "\r\n" + ozgun.left(ozgun.indexOf("\r\n")));
}

TEST_F(KonumDosyasiTest, FoldedNamesOfTheReaderMatchLLCase)
{
    // Every character of the code page, as a country and as a city.
    QByteArray ad;
    for (int b = 1; b < 256; ++b)
        if (b != '|' && b != '\r' && b != '\n')
            ad += char(b);
    clsFastCollection liste;
    DosyaYaz(Yol(), "1|" + ad + "|" + ad + "|0|0|0");
    ASSERT_EQ(dosya.DosyadanOku(liste), KonumDosyasiSonucu::Tamam);
    ASSERT_EQ(liste.Count(), 1);
    const vkListItem& s = *liste.Item(1);
    QStringDecoder cevirici("windows-1254");
    EXPECT_EQ(s.Sehir(), QString(cevirici(ad)));
    EXPECT_EQ(s.KucukSehir(), LLCase(s.Sehir()));
    EXPECT_EQ(s.KucukUlke(), LLCase(s.Ulke()));
}

TEST_F(KonumDosyasiTest, MissingFileIsReportedAndNothingIsWritten)
{
    QVector<KonumKaydi> k;
    EXPECT_EQ(dosya.DosyadanOku(k), KonumDosyasiSonucu::DosyaYok);
    EXPECT_EQ(dosya.DosyayaYaz({{1, "A", "a", 0, 0, 0}}), KonumDosyasiSonucu::DosyaYok);
    EXPECT_TRUE(QDir(klasor.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    EXPECT_STREQ(DosyaBulunamadiMesaji.Baslik, "Dosya Bulunamadı");
}

TEST_F(KonumDosyasiTest, FailedWritesLeaveTheOldFile)
{
    const QByteArray eski = W1254(Istanbul);
    DosyaYaz(Yol(), eski);
    const QVector<KonumKaydi> yeni{{1, "A", "a", 0, 0, 0}};

    // tmpdata.db cannot be created (a folder holds its name).
    ASSERT_TRUE(QDir(klasor.path()).mkdir("tmpdata.db"));
    EXPECT_EQ(dosya.DosyayaYaz(yeni), KonumDosyasiSonucu::Yazilamadi);
    EXPECT_EQ(DosyaIcerigi(Yol()), eski);
    ASSERT_TRUE(QDir(klasor.path()).rmdir("tmpdata.db"));

    // A full disk: tmpdata.db leads to /dev/full, where every write fails.
    if (QFileInfo::exists("/dev/full")) {
        ASSERT_TRUE(QFile::link("/dev/full", dosya.GeciciYol()));
        EXPECT_EQ(dosya.DosyayaYaz(yeni), KonumDosyasiSonucu::Yazilamadi);
        EXPECT_EQ(DosyaIcerigi(Yol()), eski);
        EXPECT_FALSE(QFileInfo(dosya.GeciciYol()).isSymLink());
    }

    // A leftover tmpdata.db of an interrupted rewrite is simply replaced.
    DosyaYaz(dosya.GeciciYol(), "yarim");
    EXPECT_EQ(dosya.DosyayaYaz(yeni), KonumDosyasiSonucu::Tamam);
    EXPECT_EQ(DosyaIcerigi(Yol()), "1|A|a|0|0|0");
    EXPECT_FALSE(QFileInfo::exists(dosya.GeciciYol()));
}

TEST_F(KonumDosyasiTest, NamesAndNumbersTheFileCannotHoldAreRefused)
{
    const QByteArray eski = W1254(Istanbul);
    DosyaYaz(Yol(), eski);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const KonumKaydi& k :
         QVector<KonumKaydi>{{1, "A|B", "a", 0, 0, 0},
                             {1, "A", "a\r\nb", 0, 0, 0},
                             {1, "A", QString::fromUtf8("Łódź"), 0, 0, 0},
                             {1, "A", QString::fromUtf8("東京"), 0, 0, 0},
                             {1, "A", "a", nan, 0, 0},
                             {1, "A", "a", 0, std::numeric_limits<double>::infinity(), 0},
                             {32768, "A", "a", 0, 0, 0}}) {
        SCOPED_TRACE(k.Sehir.toStdString());
        EXPECT_EQ(dosya.DosyayaYaz({k}), KonumDosyasiSonucu::GecersizAd);
        EXPECT_EQ(DosyaIcerigi(Yol()), eski);
    }
    EXPECT_TRUE(KonumDosyasi::AdYazilabilir(QString::fromUtf8("Şanlıurfa Zürich Çağ Äé")));
}

} // namespace
