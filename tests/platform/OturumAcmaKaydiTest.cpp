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

// On writes an entry that starts this program with -startup (a matching one is left as
// it is, one of a moved program rewritten, one switched off on the desktop counts as
// missing); off removes only this installation's entry. The folder follows XDG_CONFIG_HOME.
TEST_F(OturumAcmaKaydiTest, TheEntryOfThisInstallation)
{
    XdgOturumAcmaKaydi(Kok.path() + "/eski/orvanel", Autostart()).Uygula(true);
    XdgOturumAcmaKaydi k(Program, Autostart());
    k.Uygula(true);
    const QString metin = DosyaMetni();
    EXPECT_TRUE(metin.startsWith("[Desktop Entry]\n") && metin.contains("\nType=Application\n") &&
                metin.contains("\nExec=\"" + Program + "\" -startup\n"))
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
