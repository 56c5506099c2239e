// orvanel-cli in process: what every command shares (the arguments, mistakes, help), then each
// command.
#include "../locations/KonumTestAraclari.h"
#include "platform/AyarDeposu.h"
#include "support/CliCalistirici.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

// Values take both forms and may start with a minus; a mistake gives one Turkish line and
// status 2.
TEST(Komut, ValuesMistakesAndHelp)
{
    const std::pair<QStringList, const char*> durumlar[] = {
        {{"times", "--lat"}, "--lat için bir değer gerekli."},
        {{"times", "--json=yes"}, "--json bir değer almaz."},
        {{"month", "--yok", "1"}, "Bilinmeyen seçenek: --yok"},
        {{"times", "--", "--json"}, "Beklenmeyen değer: --json"},
        {{"search", "a", "b"},
         "Tek bir arama metni verilmeli (boşluk içeren metni tırnak içine alın)."},
        {{"search"}, "Aranacak metin verilmedi."},
        {{"yok"}, "Bilinmeyen komut: yok (komutlar için: orvanel-cli --help)"},
        {{"times", "--date", "2026-02-30"},
         "Geçersiz tarih: 2026-02-30 (YYYY-AA-GG biçiminde, var olan bir gün olmalı)"},
        {{"times", "--lat", "41"}, "--lat, --lon ve --tz birlikte verilmeli."},
        {{"religious-days", "--json", "--ics"}, "--json ile --ics birlikte verilemez."},
        {{"dini-gunler", "--year", "10000"}, "Yıl 1 ile 9999 arasında bir tam sayı olmalı: 10000"},
        {{"times", "--lat", "abc", "--lon", "29", "--tz", "2"}, "Geçersiz sayı: --lat abc"},
        {{"times", "--lat", "-90.5", "--lon", "29", "--tz", "2"},
         "Enlem -90 ile 90 arasında olmalı: -90.5"},
        {{"alerts", "--lat", "41", "--lon", "29", "--tz", "14,5"},
         "Saat dilimi -12 ile 14 arasında olmalı: 14,5"},
        {{"times", "--method", "1.5"}, "Hesap yöntemi 0 ile 4 arasında olmalı: 1.5"},
        {{"hijri", "--hijri-days", "40000"},
         "Hicri gün düzeltmesi -32768 ile 32767 arasında bir tam sayı olmalı: 40000"},
        {{"month", "--month", "13"}, "Ay 1 ile 12 arasında bir tam sayı olmalı: 13"},
        // An option is named as it was typed.
        {{"alerts", "--minutes", "547"},
         "--minutes: Uyarı süresi 0 ile 546 arasında bir tam sayı olmalıdır (dakika)."},
        {{"times", "--place", "van", "--lat", "1"},
         "--place ile --lat, --lon ve --tz birlikte verilemez."},
        {{"alerts", "--place", "ankara"}, "\"ankara\" için konum bulunamadı."}};
    KomutCalistirici cli;
    const QStringList sidney{"times", "--date", "2026-06-21", "--lon", "151.2", "--tz", "10"};
    const CliCikti ayri = cli(sidney + QStringList{"--lat", "-33.9"});
    EXPECT_EQ(ayri.Kod, 0);
    EXPECT_EQ(cli(sidney + QStringList{"--lat=-33.9"}), ayri);
    EXPECT_NE(cli(sidney + QStringList{"--lat", "33.9"}).Out, ayri.Out);

    cli.DosyaYaz("data.db", W1254("3|Türkiye|Van|3|38,5|43,4"));
    for (const auto& [args, mesaj] : durumlar)
        EXPECT_EQ(cli(args), Reddedildi(mesaj)) << args.join(u' ').toStdString();

    const CliCikti bos = cli({});
    EXPECT_EQ(bos.Kod, 2);
    EXPECT_TRUE(bos.Err.startsWith("Kullanım: orvanel-cli KOMUT"));
    // The version, and a command's help as "help COMMAND".
    EXPECT_EQ(cli({"--version"}), (CliCikti{0, "orvanel-cli " ORVANEL_SURUM "\n", ""}));
    EXPECT_EQ(cli({"help", "times"}), cli({"times", "--help"}));
    EXPECT_TRUE(cli({"help", "times"}).Out.startsWith("Kullanım: orvanel-cli times"));
}

// Each command's worked output once; the engine has its own tests for the times themselves.

const QStringList Yer{"--lat", "41", "--lon", "29", "--tz", "2", "--country", "Türkiye"};
const QStringList Haziran{"times", "--date", "2026-06-21"};
const QStringList Elle{"--lat", "41.02", "--lon", "28.97", "--tz", "2"};

// times as lines and as JSON, month as a table and as CSV, hijri of the clock's day or another.
// A place given by --lat/--lon/--tz has no country, so the stored "Türkiye" and its extra hour
// do not carry over; the summer hour comes from the source unless --no-dst. religious-days: the
// clock's year (2026), one line a day; the stored correction and --hijri-days move the days.
TEST(Komutlar, TimesMonthHijriReligiousDaysAndThePlacesCountryAndSummerHour)
{
    const KomutCalistirici cli;
    EXPECT_EQ(cli(QStringList{"times", "--date", "2026-06-21"} + Yer),
              (CliCikti{0,
                        "21 Haziran 2026\n6 Muharrem 1448\nİmsak\t03:23\nGüneş\t05:25\n"
                        "Öğle\t13:12\nİkindi\t17:11\nAkşam\t20:48\nYatsı\t22:38\n",
                        ""}));
    // Without --date, the clock's day.
    const QJsonObject o =
        QJsonDocument::fromJson(cli(QStringList{"times", "--json"} + Yer).Out.toUtf8()).object();
    EXPECT_EQ(o.value("miladi").toString(), "21 Haziran 2026");
    EXPECT_EQ(o.value("yatsi").toString(), "22:38");
    EXPECT_EQ(o.value("saniyeler").toObject().value("ogle").toInteger(), 13 * 3600 + 12 * 60);

    const QStringList subat = QStringList{"month", "--year", "2026", "--month", "2"} + Yer;
    const QStringList tablo = cli(subat).Out.split(u'\n');
    ASSERT_EQ(tablo.size(), 1 + 28 + 1);
    EXPECT_EQ(tablo[0], "Tarih       Hicri            İmsak  Güneş  Öğle   İkindi  Akşam  Yatsı");
    EXPECT_EQ(tablo[18], "2026-02-18  1 Ramazan 1447   06:24  07:49  13:25  16:19   18:49  20:07");
    const QStringList csv = cli(subat + QStringList{"--csv"}).Out.split(u'\n');
    ASSERT_EQ(csv.size(), 1 + 28 + 1);
    EXPECT_EQ(csv[0], "tarih,hicri,imsak,gunes,ogle,ikindi,aksam,yatsi");
    EXPECT_EQ(csv[18], "2026-02-18,1 Ramazan 1447,06:24,07:49,13:25,16:19,18:49,20:07");

    EXPECT_EQ(cli({"hijri"}), (CliCikti{0, "6 Muharrem 1448\n", ""}));
    EXPECT_EQ(cli({"hijri", "--date=2026-02-18", "--hijri-days", "1"}).Out, "2 Ramazan 1447\n");

    const QStringList ocak{"times", "--date", "2026-01-15"};
    const std::pair<QStringList, const char*> durumlar[] = {
        {ocak, "Öğle\t13:19"},
        {ocak + Elle, "Öğle\t12:19"},
        {ocak + Elle + QStringList{"--country", "Türkiye"}, "Öğle\t13:19"},
        {Haziran + Elle, "Öğle\t13:12"},
        {Haziran + Elle + QStringList{"--no-dst"}, "Öğle\t12:12"}};
    for (const auto& [args, ogle] : durumlar)
        EXPECT_EQ(cli(args).Out.section(u'\n', 4, 4), ogle) << args.join(u' ').toStdString();

    const CliCikti duz = cli({"religious-days"});
    const QStringList satirlar = duz.Out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(satirlar.size(), 18) << duz.Err.toStdString();
    EXPECT_EQ(satirlar[15], "2026-08-24\tPazartesi\tMevlid Kandili\t11 Rebiü'l-Evvel 1448");
    EXPECT_EQ(cli({"dini-gunler", "--year", "2026"}), duz);
    EXPECT_TRUE(AyarDeposu().Yaz({{"HicriGun", "1"}}));
    EXPECT_TRUE(cli({"religious-days"}).Out.contains("2026-08-23\tPazar\tMevlid Kandili"));
    EXPECT_EQ(cli({"religious-days", "--hijri-days", "0"}), duz);
}

// The place options of times, month and alerts, over the stored place and options.

// --place takes the latitude, longitude, time zone and country of the row the search box
// selects in data.db (--db, else the program folder's); --country still names the country.
TEST(YerKomutu, PlaceFromDataDbOnEveryCommand)
{
    KomutCalistirici cli;
    cli.DosyaYaz("yerler.db", W1254("3|Türkiye|Van|3|38,5|43,4\r\n"
                                    "9|Nepal|Katmandu|5,75|27,7172|85,324"));
    cli.DosyaYaz("data.db", DosyaIcerigi(cli.Yol("yerler.db")));
    // The place a search selected is named first on stderr.
    const auto adli = [](CliCikti c, const char* yer) {
        c.Err.prepend("Konum: " + QString::fromUtf8(yer) + u'\n');
        return c;
    };
    for (const QStringList& komut : {QStringList{"times", "--date", "2026-01-15"},
                                     QStringList{"month", "--year", "2026", "--month", "1"},
                                     QStringList{"alerts", "--date", "2026-01-15"}}) {
        const CliCikti elle = cli(komut + QStringList{"--lat", "27.7172", "--lon", "85.324", "--tz",
                                                      "5.75", "--country", "Nepal"});
        ASSERT_EQ(elle.Kod, 0) << elle.Err.toStdString();
        EXPECT_EQ(cli(komut + QStringList{"--place", "katmandu", "--db", cli.Yol("yerler.db")}),
                  adli(elle, "Katmandu, Nepal"));
        // The Turkish name earlier versions took.
        EXPECT_EQ(cli(komut + QStringList{"--konum", "van", "--country", "Nepal"}),
                  adli(cli(komut + QStringList{"--lat", "38.5", "--lon", "43.4", "--tz", "3",
                                               "--country", "Nepal"}),
                       "Van, Türkiye"));
    }
    // With --json the place is a member too, with its line (an unreadable line before it counts).
    cli.DosyaYaz("data.db", W1254("3|Türkiye|Van|3|38,5|43,4\r\nbozuk\r\n"
                                  "9|Nepal|Katmandu|5,75|27,7172|85,324"));
    const CliCikti c = cli({"times", "--json", "--place", "katmandu"});
    EXPECT_EQ(QJsonDocument::fromJson(c.Out.toUtf8()).object().value("place").toObject(),
              (QJsonObject{{"city", "Katmandu"},
                           {"country", "Nepal"},
                           {"tz", 5.75},
                           {"lat", 27.7172},
                           {"lon", 85.324},
                           {"line", 3}}));
    EXPECT_TRUE(c.Err.endsWith("Konum: Katmandu, Nepal\n")) << c.Err.toStdString();
}

// The stored place and options are the defaults. A stored place that cannot be used (not a
// number, off the globe, outside the zones) is refused, naming the key, unless the options
// name another place.
TEST(YerKomutu, StoredSettingsAreTheDefaults)
{
    KomutCalistirici cli;
    ASSERT_TRUE(AyarDeposu().Yaz({{"bEnlem", "52.52"},
                                  {"bBoylam", "13.405"},
                                  {"bTz", "1"},
                                  {"bUlke", "Almanya"},
                                  {"VakitHesap", "3"},
                                  {"YazSaati", "0"},
                                  {"HicriGun", "-1"}}));
    EXPECT_EQ(cli(Haziran), cli(Haziran + QStringList{"--lat", "52.52", "--lon", "13.405", "--tz",
                                                      "1", "--country", "Almanya", "--method", "3",
                                                      "--no-dst", "--hijri-days", "-1"}));
    EXPECT_EQ(cli({"hijri", "--date", "2026-06-21"}).Out, "5 Muharrem 1448\n");

    for (const char* bozuk : {"bEnlem=kuzey", "bTz=1e20", "bEnlem=91", "bBoylam=-181", "bTz=nan"}) {
        const QString ayar = QString::fromLatin1(bozuk);
        ASSERT_TRUE(AyarDeposu().Yaz({{"bEnlem", "52.52"}, {"bBoylam", "13.405"}, {"bTz", "1"}}));
        EXPECT_TRUE(AyarDeposu().Yaz({{ayar.section('=', 0, 0), ayar.section('=', 1)}}));
        const CliCikti c = cli(Haziran);
        EXPECT_EQ(c.Kod, 2) << bozuk;
        EXPECT_TRUE(c.Err.contains(QString(ayar).replace('=', " = "))) << c.Err.toStdString();
    }
    cli.DosyaYaz("data.db", W1254("1|Türkiye|İstanbul|2|41,02|28,97"));
    EXPECT_EQ(cli(Haziran + QStringList{"--place", "istanbul"}).Kod, 0);
}

// orvanel-cli alerts: the stored and given alert options (the whole day is in
// KonumDosyasiProgramTest.cpp).

// An İstanbul-like place, "Türkiye", 21 June 2026: 03:23 05:25 13:12 17:11 20:48 22:38.
const QStringList Gun = QStringList{"alerts", "--date", "2026-06-21"} + Yer;

// "6 uyari, öğle 12:57:00, 5 ezan": how many of each, and when the warning before Öğle came.
TEST(UyarilarKomutu, OptionsOverTheStoredOnes)
{
    // The stored options, the options given, the summary.
    const std::tuple<std::vector<std::pair<const char*, const char*>>, QStringList, const char*>
        durumlar[] = {// With the Turkish names earlier versions took.
                      {{}, {"--no-warning", "--no-sound", "--no-sesli"}, "0 uyari, öğle -, 5 ezan"},
                      {{}, {"--no-adhan"}, "6 uyari, öğle 12:57:00, 0 ezan"},
                      {{}, {"--minutes", "0"}, "0 uyari, öğle -, 5 ezan"},
                      {{}, {"--dakika", "90", "--no-ezan"}, "6 uyari, öğle 11:42:00, 0 ezan"},
                      {{{"BADakika", "30"}, {"BAEzan", "0"}}, {}, "6 uyari, öğle 12:42:00, 0 ezan"},
                      {{{"BADakika", "30"}}, {"--minutes", "5"}, "6 uyari, öğle 13:07:00, 5 ezan"}};
    for (const auto& [ayarlar, args, ozet] : durumlar) {
        const KomutCalistirici cli;
        cli.DosyaYaz("Ezan/ezan.wma", "x");
        AyarDeposu depo;
        for (const auto& [anahtar, deger] : ayarlar)
            EXPECT_TRUE(depo.Yaz({{anahtar, QString::fromUtf8(deger)}}));
        const QString out = cli(Gun + args).Out;
        const qsizetype ogle = out.indexOf("\tuyari\tgunes");
        EXPECT_EQ(QStringLiteral("%1 uyari, öğle %2, %3 ezan")
                      .arg(out.count("\tuyari\t"))
                      .arg(ogle < 0 ? "-" : out.mid(ogle - 8, 8))
                      .arg(out.count("\tezan\t")),
                  QString::fromUtf8(ozet))
            << args.join(u' ').toStdString();
    }
}

// orvanel-cli search: the row the location search box selects, or every prefix match.

TEST(AramaKomutu, PrintsTheRowsTheSearchFinds)
{
    const std::pair<QStringList, CliCikti> durumlar[] = {
        {{"istanbul,türkiye"}, {0, "4|Türkiye|İstanbul|2|41,02|28,97\n", ""}},
        {{"Istanbul"}, {0, "4|Türkiye|İstanbul|2|41,02|28,97\n", ""}}, // the plainer folding
        {{"--", "-kat"}, {0, "6|Nepal|-Kat|5,75|27,7|85,3\n", ""}},    // after "--", text
        {{"--all", "van, türk"},
         {0, "2|Türkmenistan|Vanak|5|38|58\n3|Türkiye|Van|3|38,5|43,4\n", ""}},
        {{"ankara"}, {1, "", "orvanel-cli: \"ankara\" için konum bulunamadı.\n"}},
        {{"--all", "ist[an"}, {1, "", "orvanel-cli: \"ist[an\" için konum bulunamadı.\n"}}};
    KomutCalistirici cli;
    cli.DosyaYaz("data.db", W1254("1|Almanya|Vanburg|1|50|8\r\n"
                                  "2|Türkmenistan|Vanak|5|38|58\r\n"
                                  "3|Türkiye|Van|3|38,5|43,4\r\n"
                                  "4|Türkiye|İstanbul|2|41,02|28,97\r\n"
                                  "6|Nepal|-Kat|5,75|27,7|85,3"));
    for (const auto& [args, beklenen] : durumlar)
        EXPECT_EQ(cli(QStringList{"search"} + args), beklenen) << args.join(u' ').toStdString();
    EXPECT_EQ(
        cli({"search", "--db", cli.Yol("yok.db"), "van"}),
        Reddedildi("Konum dosyası bulunamadı: " + QDir::toNativeSeparators(cli.Yol("yok.db"))));
}

// orvanel-cli add in process, on a real data.db and a real settings file.

const QByteArray IlkVeri =
    W1254("1|Türkiye|İstanbul|2|41,02|28,97\r\n2|Nepal|Pokhara|5,75|28,2|84");

QStringList Eklenen(const char* ulke, const char* sehir, const char* tz, const char* enlem,
                    const char* boylam)
{
    return {"add", "--country", ulke, "--city", sehir, "--tz", tz, "--lat", enlem, "--lon", boylam};
}

// A refusal writes nothing: neither data.db nor, with --select, the settings. An add appends
// the place and with --select chooses it. It keeps the lines the reader cannot take as they
// are and names them, as the search does (the odd bytes an add keeps: KonumDosyasiTest).
TEST(EkleKomutu, RefusesWritingNothingAppendsAndKeepsEveryOtherLine)
{
    const std::pair<QStringList, const char*> durumlar[] = {
        {{"add", "--country", "Türkiye", "--city", "Şile", "--lat", "1", "--lon", "2"},
         "Geçerli bir saat dilimi giriniz (--tz): -12 -11 -10 -9 -8 -7 -6 -5 "
         "-4,5 -4 -3,5 -3 -2 -1 0 1 2 3 3,5 4 4,5 5 5,5 5,75 6 6,5 7 8 9 9,5 "
         "10 11 12"},
        // Completeness comes first, as in the dialog.
        {{"add", "--country", "Türkiye", "--tz", "x"}, "Lütfen bilgileri eksiksiz giriniz."},
        {Eklenen("türkiye", "istanbul", "2", "41", "29"), "'türkiye - istanbul' zaten mevcut."}};
    KomutCalistirici cli;
    cli.DosyaYaz("data.db", IlkVeri);
    const auto db = [&] { return DosyaIcerigi(cli.Yol("data.db")); };
    for (const auto& [args, mesaj] : durumlar)
        EXPECT_EQ(cli(QStringList(args) << "--select"), Reddedildi(mesaj)) << mesaj;
    EXPECT_EQ(db(), IlkVeri);
    EXPECT_FALSE(QFile::exists(cli.AyarDosyasi()));

    EXPECT_EQ(cli(Eklenen(" Türkiye ", "Şile", "2", "41.1777", "29,6128")),
              (CliCikti{0, "3|Türkiye|Şile|2|41,1777|29,6128\n", ""}));
    EXPECT_EQ(db(), IlkVeri + W1254("\r\n3|Türkiye|Şile|2|41,1777|29,6128"));
    EXPECT_FALSE(QFile::exists(cli.AyarDosyasi()));
    ASSERT_EQ(cli(Eklenen("Nepal", "Katmandu", "5.75", "27,7172", "85.324") << "--select").Kod, 0);
    const AyarDeposu depo;
    EXPECT_EQ(depo.Oku("bIndex"), "4");
    EXPECT_EQ(depo.Oku("bSehir"), "Katmandu");
    EXPECT_FALSE(DosyaIcerigi(cli.AyarDosyasi()).contains("BADakika"));

    const QByteArray eski = W1254("1|Türkiye|İstanbul|2|41,02|28,97\r\n"
                                  "2|Türkiye|Eksik|2|41\r\n"
                                  "\r\n"
                                  "4|Türkiye|Kuzey|2|200|29\r\n"
                                  "5|Türkiye|Ada\rKöy|2|40.5|29.1\r\n");
    cli.DosyaYaz("data.db", eski);
    const QString atlandi = "orvanel-cli: " + QDir::toNativeSeparators(cli.Yol("data.db")) +
                            ": okunamayan satırlar atlandı: 2, 4\n";
    EXPECT_EQ(cli(Eklenen("Türkiye", "Şile", "2", "41.17", "29,61")),
              (CliCikti{0, "6|Türkiye|Şile|2|41,17|29,61\n", atlandi}));
    EXPECT_EQ(db(), eski + W1254("6|Türkiye|Şile|2|41,17|29,61"));
    EXPECT_EQ(cli({"search", "ada"}).Err, atlandi);
}

} // namespace
