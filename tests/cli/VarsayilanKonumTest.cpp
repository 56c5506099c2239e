#include "cli/VarsayilanKonum.h"

#include "platform/AyarDeposu.h"

#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class VarsayilanKonumTest : public ::testing::Test
{
protected:
    VarsayilanKonumTest()
    {
        QLocale::setDefault(QLocale("tr_TR"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Klasor.path());
    }
    ~VarsayilanKonumTest() override { QLocale::setDefault(QLocale::c()); }
    QTemporaryDir Klasor;
};

TEST_F(VarsayilanKonumTest, StoredPlaceAndOptionsAreTheDefaults)
{
    {
        AyarDeposu d;
        d.Yaz("bEnlem", 52.52);
        d.Yaz("bBoylam", 13.405);
        d.Yaz("bTz", 1.0);
        d.Yaz("bUlke", QStringLiteral("Almanya"));
        d.Yaz("VakitHesap", QStringLiteral("3"));
        d.Yaz("YazSaati", QStringLiteral("0"));
        d.Yaz("HicriGun", QStringLiteral("-1"));
    }
    const VakitGirdisi g = VarsayilanGirdi();
    EXPECT_DOUBLE_EQ(g.Enlem, 52.52);
    EXPECT_DOUBLE_EQ(g.Boylam, 13.405);
    EXPECT_DOUBLE_EQ(g.Tz, 1);
    EXPECT_EQ(g.Ulke, "Almanya");
    EXPECT_EQ(g.VakitHesap, 3);
    EXPECT_FALSE(g.YazSaati);
    EXPECT_EQ(g.HicriGun, -1);
}

// A broken option falls back alone; a broken place falls back whole (a latitude of one place
// with the longitude of another would be wrong by hours) and is named.
TEST_F(VarsayilanKonumTest, BrokenStoredValuesFallBack)
{
    {
        AyarDeposu d;
        d.Yaz("bEnlem", QStringLiteral("kuzey"));
        d.Yaz("VakitHesap", QStringLiteral("9"));
        d.Yaz("HicriGun", QStringLiteral("1,5"));
        d.Yaz("bBoylam", QStringLiteral("30,5"));
    }
    QString hata;
    const VakitGirdisi g = VarsayilanGirdi(&hata);
    EXPECT_DOUBLE_EQ(g.Enlem, 41.02);
    EXPECT_DOUBLE_EQ(g.Boylam, 28.97);
    EXPECT_EQ(g.VakitHesap, 0);
    EXPECT_EQ(g.HicriGun, 0);
    EXPECT_TRUE(hata.contains(QStringLiteral("bEnlem = kuzey"))) << hata.toStdString();
}

} // namespace
