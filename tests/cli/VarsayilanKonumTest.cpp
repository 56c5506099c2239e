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

TEST_F(VarsayilanKonumTest, BrokenStoredValuesFallBackOneByOne)
{
    {
        AyarDeposu d;
        d.Yaz("bEnlem", QStringLiteral("kuzey"));
        d.Yaz("VakitHesap", QStringLiteral("9"));
        d.Yaz("HicriGun", QStringLiteral("1,5"));
        d.Yaz("bBoylam", QStringLiteral("30,5"));
    }
    const VakitGirdisi g = VarsayilanGirdi();
    EXPECT_DOUBLE_EQ(g.Enlem, 41.02);
    EXPECT_EQ(g.VakitHesap, 0);
    EXPECT_EQ(g.HicriGun, 0);
    EXPECT_DOUBLE_EQ(g.Boylam, 30.5);
}

} // namespace
