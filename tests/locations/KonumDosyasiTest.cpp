// data.db's bytes: what the reader takes, what it skips, and what an add writes.
#include "locations/KonumDosyasi.h"
#include "KonumTestAraclari.h"
#include "locations/KodSayfasi.h"
#include "support/DosyaBoyutSiniri.h"

#include <QDir>
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
        EXPECT_TRUE(dosya.DosyadanOku(k));
        return k;
    }
    // An add as the writers make it: lock, read, append.
    KonumDosyasiNedeni Ekle(const KonumKaydi& k)
    {
        const KonumDosyasi::Kilit kilit(dosya);
        QVector<KonumKaydi> okunan;
        if (!kilit.Durum())
            return kilit.Durum().Neden<KonumDosyasiNedeni>();
        const Sonuc<> s = dosya.DosyadanOku(okunan);
        return (s ? dosya.SatirEkle(k) : s).Neden<KonumDosyasiNedeni>();
    }
    // The folder's files: a write leaves no new file of its own behind.
    QStringList Kalanlar() const
    {
        return QDir(klasor.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir klasor;
    KonumDosyasi dosya{klasor.path()};
};

const char* const Istanbul = "6817|Türkiye|İstanbul|2|41,02|28,97";

// What the reader takes from a line: the code page's letters, names as they stand (spaces
// kept), both decimal marks, extra fields ignored; only CR LF ends a line, a lone CR or LF
// stays in its field (spoiling a number there), and empty lines are skipped.
// The code page is a table of the program's own, so that every platform reads the same
// characters: byte for byte what the system's Windows-1254 converter gives (where Qt has
// one), and back; a character outside it is refused.
TEST(KodSayfasi, EveryByteAsTheSystemsConverterReadsIt)
{
    QByteArray hepsi(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        hepsi[b] = char(b);
    const QString metin = KodSayfasi::Coz(hepsi);
    QByteArray geri;
    EXPECT_TRUE(KodSayfasi::Kodla(metin, geri));
    EXPECT_EQ(geri, hepsi);
    EXPECT_EQ(metin.mid(0xD0, 1) + metin.mid(0xDD, 2) + metin.mid(0xF0, 1) + metin.mid(0xFD, 2) +
                  metin.mid(0x80, 1) + metin.mid(0x9F, 1),
              "ĞİŞğış€Ÿ");
    EXPECT_FALSE(KodSayfasi::Kodla(QStringLiteral("Łódź"), geri));
    EXPECT_EQ(geri, QByteArray("?\xF3"
                               "d?"));
#ifndef Q_OS_WIN
    QStringDecoder cevirici("windows-1254");
    EXPECT_EQ(metin, QString(cevirici(hepsi)));
#endif
}

TEST_F(KonumDosyasiTest, ReadsLinesAsTheFileHoldsThem)
{
    const std::pair<const char*, QVector<KonumKaydi>> durumlar[] = {
        {Istanbul, {{6817, "Türkiye", "İstanbul", 2, 41.02, 28.97}}},
        {"\r\n\r\n7| Türkiye |  Van |3|38,5|43,4|fazla|alan\r\n\r\n8|||0|0|0|\r\n",
         {{7, " Türkiye ", "  Van ", 3, 38.5, 43.4}, {8, "", "", 0, 0, 0}}},
        {"9|A|b|-3.5|41.0082|.25", {{9, "A", "b", -3.5, 41.0082, 0.25}}},
        {"1|A\nB|c\rd|1|1|1\r\n2|B|b|2|2|2\n3|C|c|3|3|3\r", {{1, "A\nB", "c\rd", 1, 1, 1}}}};
    for (const char* yerel : {"tr_TR", "en_US"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(yerel)));
        for (const auto& [metin, beklenen] : durumlar)
            EXPECT_EQ(Oku(W1254(metin)), beklenen) << metin << " " << yerel;
    }
    // Lines 2 and 3 of the last ran together into one, which is skipped.
    EXPECT_EQ(dosya.AtlananSatirlar(), QVector<int>{2});
}

TEST_F(KonumDosyasiTest, FieldEndsAreFoundAtEveryPlaceInTheLine)
{
    // The reader looks for "|" and CR several bytes at a time. Names of every length from every
    // starting offset, made of the bytes nearest to those two ("ü" is "|" with the high bit set)
    // and of lone CRs, must come back whole and the lines must not run into each other. The
    // last line names every character of the code page: each row's folded names are LLCase's.
    const QByteArray yakinlar("\xFC\x8D}{\x0C\x0E\n\r\xDD"
                              "a",
                              10); // never CR then LF
    QByteArray veri;
    QVector<KonumKaydi> beklenen;
    for (int id = 1; id <= 300; ++id) {
        QByteArray ulke, sehir;
        for (int i = 0; i < id % 19; ++i)
            ulke += yakinlar.at((id + i) % yakinlar.size());
        for (int i = 0; i < id % 23; ++i)
            sehir += yakinlar.at((id * 7 + i) % yakinlar.size());
        const double tz = id % 5 == 0 ? -3.5 : id % 13;
        veri += QByteArray::number(id) + '|' + ulke + '|' + sehir + '|' +
                QByteArray::number(tz).replace('.', ',') + "|1,5|-2\r\n";
        beklenen.push_back({id, KodSayfasi::Coz(ulke), KodSayfasi::Coz(sehir), tz, 1.5, -2});
    }
    QByteArray hepsi;
    for (int b = 1; b < 256; ++b)
        if (b != '|' && b != '\r')
            hepsi += char(b);
    veri += "301|" + hepsi + "|" + hepsi + "|0|0|0";
    beklenen.push_back({301, KodSayfasi::Coz(hepsi), KodSayfasi::Coz(hepsi), 0, 0, 0});
    EXPECT_EQ(Oku(veri), beklenen);
    EXPECT_TRUE(dosya.AtlananSatirlar().isEmpty());
}

TEST_F(KonumDosyasiTest, NumbersReadAsTheNearestDouble)
{
    // Coordinates with up to 17 digits and both marks, against Qt's conversion: the reader's
    // shortcut for short numbers must round the same way.
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
    veri += "3001|A|a|0,30000000000000004|-89,99999999999999|0,9007199254740993";
    const auto k = Oku(veri);
    ASSERT_EQ(k.size(), 3001);
    for (int i = 0; i < 3000; ++i)
        ASSERT_EQ(k[i].Boylam, beklenen[i]) << veri.split('\n').at(i).constData();
    EXPECT_EQ(k[3000], (KonumKaydi{3001, "A", "a", 0.30000000000000004, -89.99999999999999,
                                   0.9007199254740993}));
}

// An unreadable line is skipped and named by its line number (every CR LF counts, empty lines
// too); the rows around it keep their own Ids.
TEST_F(KonumDosyasiTest, UnreadableLinesAreSkippedAndNamed)
{
    const auto k = Oku(W1254("1|A|a|1|1|1\r\n"
                             "2|B|b|2|2\r\n"         // 2: five fields
                             "32768|C|c|3|3|3\r\n"   // 3: Id beyond 16 bits
                             "x|D|d|4|4|4\r\n"       // 4: Id not a number
                             "\r\n"                  // 5: empty, not counted as unreadable
                             "1.5|E|e|5|5|5\r\n"     // 6: Id not an integer
                             "6|F|f|bir|6|6\r\n"     // 7: number that is not one
                             "7|G|g|7|1.234,5|7\r\n" // 8: both marks
                             "8|H|h|8|8|nan\r\n"     // 9: not finite
                             "9|I|i||9|9\r\n"        // 10: empty number
                             "10|J|j|15|0|0\r\n"     // 11: offset beyond +14
                             "11|K|k|0|90,5|0\r\n"   // 12: latitude beyond 90
                             "12|L|l|0|0|-181\r\n"   // 13: longitude beyond 180
                             "-32768|M|m|-12|-90|180\r\n"
                             "32767|N|n| 14 |90|-180\r\n"
                             " 14 |O|o|1|1|1"));
    EXPECT_EQ(k, (QVector<KonumKaydi>{{1, "A", "a", 1, 1, 1},
                                      {-32768, "M", "m", -12, -90, 180},
                                      {32767, "N", "n", 14, 90, -180},
                                      {14, "O", "o", 1, 1, 1}}));
    EXPECT_EQ(dosya.AtlananSatirlar(), (QVector<int>{2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13}));
}

// An add appends one line in the file's own number format after the bytes on disk, whatever
// they hold: unreadable lines, odd bytes and the way the file ends all stay.
TEST_F(KonumDosyasiTest, AnAddAppendsOneLineAndKeepsEveryByte)
{
    const KonumKaydi yeni{
        9, QString::fromUtf8("Hindistan"), QString::fromUtf8("Şığ ÇÖĞÜ"), 5.75, -0.0001234, 1e-7};
    const QByteArray satir = W1254("9|Hindistan|Şığ ÇÖĞÜ|5,75|-0,0001234|0,0000001");
    const std::pair<QByteArray, QByteArray> durumlar[] = {
        {W1254(Istanbul), W1254(Istanbul) + "\r\n" + satir},
        {W1254(Istanbul) + "\r\n", W1254(Istanbul) + "\r\n" + satir},
        {"", satir},
        {W1254("1|A|a\rb|1|1.5|1\r\n2|eksik\r\n\r\n3|B| b |2|2|2\n"),
         W1254("1|A|a\rb|1|1.5|1\r\n2|eksik\r\n\r\n3|B| b |2|2|2\n\r\n") + satir}};
    for (const auto& [once, sonra] : durumlar) {
        DosyaYaz(Yol(), once);
        EXPECT_EQ(Ekle(yeni), KonumDosyasiNedeni::Tamam);
        EXPECT_EQ(DosyaIcerigi(Yol()), sonra);
    }
    EXPECT_EQ(Kalanlar(), QStringList{"data.db"});
}

// A write that cannot be made changes nothing and leaves nothing behind: no data.db (nothing
// is created), a line the file cannot hold, a full disk, a lock another writer holds.
TEST_F(KonumDosyasiTest, WritesThatCannotBeMadeChangeNothing)
{
    const KonumKaydi yeni{1, "A", "a", 0, 0, 0};
    EXPECT_EQ(Ekle(yeni), KonumDosyasiNedeni::DosyaYok);
    QDir(klasor.path()).remove("data.db.lock");
    EXPECT_TRUE(QDir(klasor.path()).isEmpty());

    const QByteArray eski = W1254(Istanbul);
    DosyaYaz(Yol(), eski);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const KonumKaydi& k : QVector<KonumKaydi>{{1, "A|B", "a", 0, 0, 0},
                                                   {1, "A", "a\r\nb", 0, 0, 0},
                                                   {1, "A", "Łódź", 0, 0, 0},
                                                   {1, "A", "a", nan, 0, 0},
                                                   {1, "A", "a", 0, 91, 0},
                                                   {1, "A", "a", 0, 0, 1e20},
                                                   {32768, "A", "a", 0, 0, 0}})
        EXPECT_EQ(Ekle(k), KonumDosyasiNedeni::GecersizAd) << k.Sehir.toStdString();
    EXPECT_TRUE(KonumDosyasi::AdYazilabilir("Şanlıurfa Zürich Çağ Äé"));

#ifdef Q_OS_UNIX
    {
        const KonumDosyasi::Kilit kilit(dosya);
        QVector<KonumKaydi> okunan;
        ASSERT_TRUE(dosya.DosyadanOku(okunan));
        const DosyaBoyutSiniri dolu(eski.size()); // room for the old file, not one byte more
        EXPECT_EQ(dosya.SatirEkle(yeni).Neden<KonumDosyasiNedeni>(),
                  KonumDosyasiNedeni::Yazilamadi);
    }
#endif
    {
        const KonumDosyasi::Kilit ilk(dosya);
        KonumDosyasi ikinci(klasor.path());
        EXPECT_EQ(KonumDosyasi::Kilit(ikinci, 50).Durum().Neden<KonumDosyasiNedeni>(),
                  KonumDosyasiNedeni::Kilitli);
    }
    EXPECT_EQ(DosyaIcerigi(Yol()), eski);
    EXPECT_EQ(Kalanlar(), QStringList{"data.db"});

    EXPECT_EQ(Ekle(yeni), KonumDosyasiNedeni::Tamam);
    EXPECT_EQ(DosyaIcerigi(Yol()), eski + "\r\n1|A|a|0|0|0");
}

} // namespace
