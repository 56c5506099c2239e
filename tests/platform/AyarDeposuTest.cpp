#include "platform/AyarDeposu.h"
#include "platform/EkranIcinde.h"
#include "platform/WindowsOturumAcmaKaydi.h"
#include "platform/XdgOturumAcmaKaydi.h"
#include "support/AyarKlasoru.h"
#include "support/Dosya.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A fresh per-user settings folder for each test, in the given number format (Turkish first).
class AyarDeposuTest : public ::testing::Test
{
protected:
    void SetUp() override { Yerel("tr_TR"); }
    static void Yerel(const char* ad) { QLocale::setDefault(QLocale(QString::fromLatin1(ad))); }
    QString DosyaYolu() const { return Klasor.Yol() + "/Orvanel/Orvanel.ini"; }

    AyarKlasoru Klasor;
};

// Values go into the Vakit section of the user's store (the INI file; on Windows the user's
// registry key, as the system's own tool reads it) and come back at the next start as
// written, whatever characters the INI format treats specially; a value a user typed into
// the file with an unquoted comma comes back as the text it was.
TEST_F(AyarDeposuTest, WritesTextIntoTheVakitSectionOfTheUsersStore)
{
    {
        AyarDeposu d;
        EXPECT_EQ(d.Oku("bSehir", "yok"), "yok");
        EXPECT_FALSE(AyarlarVar(Klasor.Yol())) << "reading must not create the store";
        EXPECT_TRUE(d.Yaz({{"HerZamanUstte", "False"}}));
        EXPECT_TRUE(d.Yaz({{"bEnlem", AyarDeposu::SayiMetni(37.1591)}}));
        EXPECT_TRUE(d.Yaz({{"BADakika", "20"}, {"bSehir", "Şanlıurfa"}}));
    }
#ifdef Q_OS_WIN
    QProcess reg;
    reg.start("reg", {"query", "HKCU\\Software\\VB and VBA Program Settings\\Orvanel\\Vakit"});
    ASSERT_TRUE(reg.waitForFinished(30000));
    const QString icerik = QString::fromLocal8Bit(reg.readAllStandardOutput());
    for (const char* satir : {"HerZamanUstte\\s+REG_SZ\\s+False", "BADakika\\s+REG_SZ\\s+20",
                              "bEnlem\\s+REG_SZ\\s+37.1591"})
        EXPECT_TRUE(icerik.contains(QRegularExpression(QString::fromLatin1(satir))))
            << satir << '\n'
            << icerik.toStdString();
#else
    const QString icerik = QString::fromUtf8(DosyaIcerigi(DosyaYolu()));
    EXPECT_TRUE(icerik.startsWith("[Vakit]")) << icerik.toStdString();
    EXPECT_TRUE(icerik.contains("HerZamanUstte=False"));
#endif
    const AyarDeposu yeni;
    EXPECT_EQ(yeni.Oku("bSehir") + ' ' + yeni.Oku("bEnlem"), "Şanlıurfa 37.1591");

    for (const QString& metin :
         QStringList{"a,b", "@Invalid()", "x=y;z", " boşluk ", "\"tırnak\"", ""}) {
        EXPECT_TRUE(AyarDeposu().Yaz({{"bUlke", metin}}));
        EXPECT_EQ(AyarDeposu().Oku("bUlke"), metin) << metin.toStdString();
    }

#ifndef Q_OS_WIN
    DosyaYaz(DosyaYolu(), "[Vakit]\nbEnlem=41,5\nbSehir=\"Ankara\"\n");
    const AyarDeposu elle;
    EXPECT_EQ(elle.Oku("bEnlem") + ' ' + elle.Oku("bSehir"), "41,5 Ankara");
#endif
}

// A stored number reads back whatever the locale: this program writes one form, and what it
// wrote before in the user's format (local digits, Unicode minus, direction marks, local
// exponents) under any of Qt's locales still reads as the same number.
TEST_F(AyarDeposuTest, NumbersReadBackUnderEveryLocale)
{
    const double sayilar[] = {-33.9, 41.02, 1e-5, -1.5e-7, 5.75, 0, -2};
    for (const char* yazan : {"ar_EG", "fa_IR", "he_IL", "ur_PK", "tr_TR", "de_DE", "C"}) {
        Yerel(yazan);
        for (double x : sayilar) {
            EXPECT_TRUE(AyarDeposu().Yaz({{"bEnlem", AyarDeposu::SayiMetni(x)}}));
            for (const char* okuyan : {"C", "tr_TR", "ar_EG", "fa_IR"}) {
                Yerel(okuyan);
                EXPECT_EQ(AyarDeposu::SayiCoz(AyarDeposu().Oku("bEnlem")), x)
                    << yazan << " -> " << okuyan;
            }
            Yerel(yazan);
        }
    }
    for (QLocale l : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                              QLocale::AnyTerritory)) {
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        for (double x : sayilar) {
            const QString eski = l.toString(x, 'g', 15);
            EXPECT_EQ(AyarDeposu::SayiCoz(eski), x)
                << l.name().toStdString() << " wrote " << eski.toStdString();
        }
    }

    // A Turkish group separator is never written, so "1.234" is a decimal point.
    EXPECT_DOUBLE_EQ(*AyarDeposu::SayiCoz("1.234"), 1.234);
    EXPECT_DOUBLE_EQ(*AyarDeposu::SayiCoz(" 2,5 "), 2.5);
    for (const char* kotu : {"", "abc", "1,2,3", "1.2.3", "inf", "nan", "12 34"})
        EXPECT_FALSE(AyarDeposu::SayiCoz(QString::fromLatin1(kotu)).has_value()) << kotu;
}

// A typed read gives the key's default for what it cannot read or what lies outside its
// range, or the nearest end of the range for a key that says so; a Kesin key reads digits
// only. The keys have the shapes of the program's own (the warning minutes, the opacity, the
// method, the Hijri correction).
TEST_F(AyarDeposuTest, TypedReadsFallBackToTheKeysDefaultOrRange)
{
    constexpr TamsayiAnahtar dakika{"a", 15, 0, 546, true, true};
    constexpr TamsayiAnahtar seffaf{"b", 100, 30, 100, false, true};
    constexpr TamsayiAnahtar yontem{"c", 0, 0, 4};
    constexpr TamsayiAnahtar hicri{"d", 0, -32768, 32767, true};
    const std::tuple<TamsayiAnahtar, const char*, int> durumlar[] = {
        {dakika, nullptr, 15},  {dakika, "30", 30},   {dakika, " 20 ", 20}, {dakika, "547", 546},
        {dakika, "-1", 0},      {dakika, "abc", 15},  {dakika, "15,5", 15}, {dakika, "", 15},
        {seffaf, nullptr, 100}, {seffaf, "45,5", 46}, {seffaf, "44,5", 44}, {seffaf, "0", 30},
        {seffaf, "150", 100},   {yontem, "4", 4},     {yontem, "5", 0},     {yontem, "-1", 0},
        {hicri, "-2", -2},      {hicri, "1,5", 0},    {hicri, "40000", 0}};
    AyarDeposu d;
    for (const auto& [anahtar, metin, beklenen] : durumlar) {
        EXPECT_TRUE(!metin || d.Yaz({{anahtar.Adi(), QString::fromLatin1(metin)}}));
        EXPECT_EQ(d.Oku(anahtar), beklenen) << anahtar.Ad << "=" << (metin ? metin : "-");
    }

    // Booleans: "True"/"False" in any case or any number in either format; else the default.
    constexpr MantiksalAnahtar evet{"e", true};
    constexpr MantiksalAnahtar hayir{"h", false};
    EXPECT_TRUE(d.Oku(evet) && !d.Oku(hayir));
    const std::pair<const char*, bool> mantiklar[] = {
        {"belki", true}, {"FALSE", false}, {"0,0", false}, {"-1", true}, {"0.5", true}, {"", true}};
    for (const auto& [metin, deger] : mantiklar) {
        EXPECT_TRUE(d.Yaz({{"e", QString::fromLatin1(metin)}}));
        EXPECT_EQ(d.Oku(evet), deger) << metin;
    }

    // PosX/PosY have no default: absent or unreadable gives none; halves go to even.
    EXPECT_FALSE(d.TamsayiVarsa("PosX"));
    const std::pair<const char*, std::optional<int>> konumlar[] = {
        {"-50", -50}, {"120,5", 120}, {"yukarı", std::nullopt}};
    for (const auto& [metin, deger] : konumlar) {
        EXPECT_TRUE(d.Yaz({{"PosX", QString::fromUtf8(metin)}}));
        EXPECT_EQ(d.TamsayiVarsa("PosX"), deger) << metin;
    }

    // What the user types must read back as typed.
    for (const char* iyi : {"0", "15", "546", " 7 ", "+5"})
        EXPECT_TRUE(AyarDeposu::Gecerli(dakika, QString::fromLatin1(iyi))) << iyi;
    for (const char* kotu : {"", "abc", "15,5", "15.5", "-1", "547", "99999999999", "1e2"})
        EXPECT_FALSE(AyarDeposu::Gecerli(dakika, QString::fromLatin1(kotu))) << kotu;
}

#ifndef Q_OS_WIN
// A real autostart folder and a real program file, in a temporary folder.
class OturumAcmaKaydiTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(Kok.path()).mkpath("Program Dosyaları/Orvanel");
        Program = Kok.path() + "/Program Dosyaları/Orvanel/orvanel";
        QFile(Program).open(QIODevice::WriteOnly);
    }
    QString Autostart() const { return Kok.path() + "/config/autostart"; }
    QString DosyaMetni() const
    {
        return QString::fromUtf8(DosyaIcerigi(Autostart() + "/orvanel.desktop"));
    }
    void DosyaYaz(const QString& metin)
    {
        ::DosyaYaz(Autostart() + "/orvanel.desktop", metin.toUtf8());
    }

    QTemporaryDir Kok;
    QString Program;
};

// On writes an entry that starts this program with -startup, skipped by the desktop once the
// program is gone (TryExec); a matching one is left as it is, one of a moved program
// rewritten, one switched off on the desktop counts as missing. Off removes only this
// installation's entry. The folder follows XDG_CONFIG_HOME.
TEST_F(OturumAcmaKaydiTest, TheEntryOfThisInstallation)
{
    XdgOturumAcmaKaydi(Kok.path() + "/eski/orvanel", Autostart()).Uygula(true);
    XdgOturumAcmaKaydi k(Program, Autostart());
    k.Uygula(true);
    const QString metin = DosyaMetni();
    EXPECT_TRUE(metin.startsWith("[Desktop Entry]\n") && metin.contains("\nType=Application\n") &&
                metin.contains("\nExec=\"" + Program + "\" -startup\n") &&
                metin.contains("\nTryExec=" + Program + "\n"))
        << metin.toStdString();
    EXPECT_EQ(k.Oku(), (QStringList{Program, "-startup"}));

    DosyaYaz("[Desktop Entry]\nExec=\"" + Program + "\" -startup\nX-Kendi=1\n");
    k.Uygula(true);
    EXPECT_TRUE(DosyaMetni().contains("X-Kendi=1"));
    for (const char* kapali : {"Hidden=true", "X-GNOME-Autostart-enabled=false"}) {
        DosyaYaz("[Desktop Entry]\nExec=\"" + Program + "\" -startup\n" + kapali + "\n");
        EXPECT_TRUE(k.Oku().isEmpty()) << kapali;
        k.Uygula(true);
        EXPECT_FALSE(DosyaMetni().contains(kapali));
    }

    k.Uygula(false);
    EXPECT_FALSE(QFile::exists(k.DosyaYolu()));
    const QString baska = "[Desktop Entry]\nExec=/opt/orvanel/orvanel -startup\n";
    DosyaYaz(baska);
    k.Uygula(false);
    EXPECT_EQ(DosyaMetni(), baska);

    const QByteArray onceki = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Kok.path() + "/xdg"));
    EXPECT_EQ(XdgOturumAcmaKaydi(Program).DosyaYolu(),
              Kok.path() + "/xdg/autostart/orvanel.desktop");
    qputenv("XDG_CONFIG_HOME", onceki);
}

TEST(XdgExec, QuotingRoundTripsAwkwardPaths)
{
    for (const QString& yol :
         QStringList{"/usr/bin/orvanel", "/home/ali/Masaüstü/Orvanel 1.5/orvanel",
                     "/tmp/a\"b/orvanel", "/tmp/$HOME/`x`/orvanel", "/tmp/back\\slash/orvanel",
                     "/tmp/100%/orvanel", "/tmp/it's/orvanel"}) {
        const QStringList komut = {yol, "-startup"};
        const QString exec = XdgOturumAcmaKaydi::ExecMetni(komut);
        EXPECT_EQ(XdgOturumAcmaKaydi::ExecCoz(exec), komut) << exec.toStdString();
        EXPECT_FALSE(exec.contains('\n'));
    }
    EXPECT_EQ(XdgOturumAcmaKaydi::ExecMetni({"/a b/o", "-startup"}), "\"/a b/o\" -startup");
    EXPECT_EQ(XdgOturumAcmaKaydi::ExecMetni({"/a\\b/o"}), "\"/a\\\\\\\\b/o\"")
        << "a backslash inside quotes is written as four";
    EXPECT_TRUE(XdgOturumAcmaKaydi::ExecCoz("\"/yarım -startup").isEmpty());
}
#else
// The user's own Run key, the path quoted where it holds a space. An entry of the machine's key
// or an unquoted one that names this program is this installation's: on writes nothing over
// the machine's and rewrites the unquoted one; off removes the user's and leaves the machine's
// (which needs an administrator); another copy's entry is left alone when off.
TEST(WindowsOturumAcmaKaydi, TheUsersRunKeyWithTheProgramQuoted)
{
    const char* const Dogru = R"("C:\Program Files\Orvanel\orvanel.exe" -startup)";
    const char* const Tirnaksiz = R"(C:\Program Files\Orvanel\orvanel.exe -startup)";
    const char* const Baska = R"(D:\Orvanel\orvanel.exe -startup)";
    // The program, the user's and the machine's entry, on or off, the two entries after.
    const std::tuple<const char*, const char*, const char*, bool, const char*, const char*>
        durumlar[] = {
            {"C:/Program Files/Orvanel/orvanel.exe", "", "", true, Dogru, ""},
            {"C:/Orvanel/orvanel.exe", "", "", true, R"(C:\Orvanel\orvanel.exe -startup)", ""},
            {"C:/Program Files/Orvanel/orvanel.exe", Tirnaksiz, "", true, Dogru, ""},
            {"C:/Program Files/Orvanel/orvanel.exe", Tirnaksiz, "", false, "", ""},
            {"C:/Program Files/Orvanel/orvanel.exe", "", Tirnaksiz, true, "", Tirnaksiz},
            {"C:/Program Files/Orvanel/orvanel.exe", "", Dogru, false, "", Dogru},
            {"C:/Program Files/Orvanel/orvanel.exe", Baska, "", false, Baska, ""},
            {"C:/Program Files/Orvanel/orvanel.exe", Baska, "", true, Dogru, ""},
        };
    const auto deger = [](const QString& anahtar) {
        return QSettings(anahtar, QSettings::NativeFormat).value("orvanel").toString();
    };
    const auto yaz = [](const QString& anahtar, const char* metin) {
        QSettings s(anahtar, QSettings::NativeFormat);
        if (*metin)
            s.setValue("orvanel", QString::fromUtf8(metin));
        else
            s.remove("orvanel");
    };
    using K = WindowsOturumAcmaKaydi;
    for (const auto& [program, kullanici, makine, acik, sonraKullanici, sonraMakine] : durumlar) {
        yaz(K::KullaniciAnahtari, kullanici);
        yaz(K::MakineAnahtari, makine);
        K(QString::fromUtf8(program)).Uygula(acik);
        EXPECT_EQ(deger(K::KullaniciAnahtari) + " | " + deger(K::MakineAnahtari),
                  QString::fromUtf8(sonraKullanici) + " | " + QString::fromUtf8(sonraMakine))
            << program << " " << kullanici << " " << makine << " " << acik;
    }
    yaz(K::KullaniciAnahtari, "");
    yaz(K::MakineAnahtari, "");
}
#endif

} // namespace

// A window moves the least distance that puts it on the screen; on a second screen whose area
// does not start at 0, and when larger than the area, its top-left corner stays in view.
TEST(EkranIcinde, MovesTheLeastDistanceAndKeepsTheCornerInView)
{
    const QRect alan(1920, 30, 1280, 994); // right-hand screen, below a 30 px panel
    const std::pair<QRect, QPoint> durumlar[] = {
        {{2000, 100, 242, 341}, {2000, 100}},              // inside: kept
        {{3100, 900, 242, 341}, {2958, 683}},              // over the right and bottom edges
        {{3200 - 242, 1024 - 341, 242, 341}, {2958, 683}}, // flush: kept
        {{100, -50, 242, 341}, {1920, 30}},                // on the other screen, above the panel
        {{2500, 500, 1400, 1100}, {1920, 30}},             // larger than the area
    };
    for (const auto& [pencere, beklenen] : durumlar)
        EXPECT_EQ(EkranIcinde(pencere, alan).topLeft(), beklenen) << pencere.x();
}
