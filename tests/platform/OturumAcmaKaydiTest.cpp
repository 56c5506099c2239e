#include "platform/XdgOturumAcmaKaydi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

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
        QFile f(Autostart() + "/orvanel.desktop");
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    void DosyaYaz(const QString& metin)
    {
        QDir().mkpath(Autostart());
        QFile f(Autostart() + "/orvanel.desktop");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(metin.toUtf8());
    }

    QTemporaryDir Kok;
    QString Program;
};

TEST_F(OturumAcmaKaydiTest, OnWritesAnEntryThatStartsThisProgramWithStartup)
{
    XdgOturumAcmaKaydi k(Program, Autostart());
    k.Uygula(true);
    const QString metin = DosyaMetni();
    EXPECT_TRUE(metin.startsWith("[Desktop Entry]\n")) << metin.toStdString();
    EXPECT_TRUE(metin.contains("\nType=Application\n"));
    EXPECT_TRUE(metin.contains("\nExec=\"" + Program + "\" -startup\n")) << metin.toStdString();
    EXPECT_EQ(k.Oku(), (QStringList{Program, "-startup"}));

    DosyaYaz("[Desktop Entry]\nExec=\"" + Program + "\" -startup\nX-Kendi=1\n");
    k.Uygula(true);
    EXPECT_TRUE(DosyaMetni().contains("X-Kendi=1")) << "a matching entry is left as it is";
}

TEST_F(OturumAcmaKaydiTest, OffRemovesOnlyTheEntryOfThisInstallation)
{
    XdgOturumAcmaKaydi k(Program, Autostart());
    k.Uygula(true);
    k.Uygula(false);
    EXPECT_FALSE(QFile::exists(k.DosyaYolu()));
    k.Uygula(false); // nothing there: nothing happens
    EXPECT_FALSE(QFile::exists(k.DosyaYolu()));

    const QString baska = "[Desktop Entry]\nExec=/opt/orvanel/orvanel -startup\n";
    DosyaYaz(baska);
    k.Uygula(false);
    EXPECT_EQ(DosyaMetni(), baska) << "another copy's entry stays";
}

TEST_F(OturumAcmaKaydiTest, MovedProgramRewritesTheEntryAtTheNextStart)
{
    XdgOturumAcmaKaydi(Kok.path() + "/eski/orvanel", Autostart()).Uygula(true);
    XdgOturumAcmaKaydi yeni(Program, Autostart());
    yeni.Uygula(true);
    EXPECT_EQ(yeni.Oku(), (QStringList{Program, "-startup"}));
    EXPECT_FALSE(DosyaMetni().contains("/eski/"));
}

TEST_F(OturumAcmaKaydiTest, EntrySwitchedOffOnTheDesktopCountsAsMissing)
{
    DosyaYaz("[Desktop Entry]\nExec=\"" + Program + "\" -startup\nHidden=true\n");
    XdgOturumAcmaKaydi k(Program, Autostart());
    EXPECT_TRUE(k.Oku().isEmpty());
    k.Uygula(true);
    EXPECT_FALSE(DosyaMetni().contains("Hidden=true"));
    EXPECT_EQ(k.Oku(), (QStringList{Program, "-startup"}));

    DosyaYaz("[Desktop Entry]\nExec=\"" + Program +
             "\" -startup\n"
             "X-GNOME-Autostart-enabled=false\n");
    EXPECT_TRUE(k.Oku().isEmpty());
}

TEST_F(OturumAcmaKaydiTest, DefaultFolderFollowsXdgConfigHome)
{
    const QByteArray onceki = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Kok.path() + "/config"));
    XdgOturumAcmaKaydi k(Program);
    EXPECT_EQ(k.DosyaYolu(), Autostart() + "/orvanel.desktop");
    k.Uygula(true);
    EXPECT_TRUE(QFile::exists(Autostart() + "/orvanel.desktop")) << "folder created";
    qputenv("XDG_CONFIG_HOME", onceki);
}

TEST(XdgExec, QuotingRoundTripsAwkwardPaths)
{
    const QStringList yollar = {
        "/usr/bin/orvanel",         "/home/ali/Masaüstü/Orvanel 1.5/orvanel",
        "/tmp/a\"b/orvanel",        "/tmp/$HOME/`x`/orvanel",
        "/tmp/back\\slash/orvanel", "/tmp/100%/orvanel",
        "/tmp/it's/orvanel"};
    for (const QString& yol : yollar) {
        const QStringList komut = {yol, "-startup"};
        const QString exec = XdgOturumAcmaKaydi::ExecMetni(komut);
        EXPECT_EQ(XdgOturumAcmaKaydi::ExecCoz(exec), komut) << exec.toStdString();
        EXPECT_FALSE(exec.contains('\n'));
    }
    EXPECT_EQ(XdgOturumAcmaKaydi::ExecMetni({"/usr/bin/orvanel", "-startup"}),
              "/usr/bin/orvanel -startup");
    EXPECT_EQ(XdgOturumAcmaKaydi::ExecMetni({"/a b/o", "-startup"}), "\"/a b/o\" -startup");
    EXPECT_EQ(XdgOturumAcmaKaydi::ExecMetni({"/a\\b/o"}), "\"/a\\\\\\\\b/o\"")
        << "a backslash inside quotes is written as four";
    EXPECT_EQ(XdgOturumAcmaKaydi::ExecCoz("/usr/bin/orvanel  -startup "),
              (QStringList{"/usr/bin/orvanel", "-startup"}));
    EXPECT_TRUE(XdgOturumAcmaKaydi::ExecCoz("\"/yarım -startup").isEmpty());
}

} // namespace
