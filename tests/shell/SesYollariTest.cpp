#include "shell/SesYollari.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A program folder on disk holding the named files.
class SesYollariTest : public ::testing::Test
{
protected:
    void Olustur(std::initializer_list<const char*> dosyalar)
    {
        for (const char* ad : dosyalar) {
            const QString yol = Klasor() + ad;
            QDir().mkpath(QFileInfo(yol).path());
            QFile f(yol);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }
    QString Klasor() const { return Kok.path() + "/"; }
    QTemporaryDir Kok;
};

const QString Kuyruk = QStringLiteral("dosyası/dosyaları bulunamadı !\r\nProgram Sesli Uyarı "
                                      "ve/veya Ezan seslerini yürütemeyecektir.");

TEST_F(SesYollariTest, EveryFileFound)
{
    Olustur({"Ezan/sabah.wma", "Ezan/ogle.wma", "Ezan/ikindi.wma", "Ezan/aksam.wma",
             "Ezan/yatsi.wma", "Ezan/ezan.wma", "ezan.wma", "uyari.wma"});
    const SesYollari y = SesYollari::Bul(Klasor());
    EXPECT_EQ(y.Imsak, Klasor() + "Ezan/sabah.wma");
    EXPECT_EQ(y.Yatsi, Klasor() + "Ezan/yatsi.wma");
    EXPECT_EQ(y.Genel, Klasor() + "Ezan/ezan.wma") << "the Ezan folder comes first";
    EXPECT_EQ(y.Uyari, Klasor() + "uyari.wma");
    EXPECT_EQ(y.EksikMesaji(), "");
    EXPECT_EQ(y.EzanYolu("ogle"), Klasor() + "Ezan/ogle.wma");
    EXPECT_EQ(y.EzanYolu("gunes"), Klasor() + "Ezan/sabah.wma");
    EXPECT_EQ(y.KendiEzani("gunes"), "");
}

TEST_F(SesYollariTest, OnlyEzanBesideTheProgramServesEveryTime)
{
    Olustur({"ezan.wma", "uyari.wma"});
    const SesYollari y = SesYollari::Bul(Klasor());
    EXPECT_EQ(y.Genel, Klasor() + "ezan.wma");
    EXPECT_EQ(y.Imsak, "");
    EXPECT_EQ(y.EksikMesaji(), "");
    for (const char* v : {"imsak", "gunes", "ogle", "ikindi", "aksam", "yatsi"})
        EXPECT_EQ(y.EzanYolu(v), Klasor() + "ezan.wma") << v;
    EXPECT_EQ(y.EzanYolu("oglen"), "");
    EXPECT_EQ(y.EzanYolu(""), "");
}

TEST_F(SesYollariTest, NothingFoundNamesBothFilesInOneMessage)
{
    Olustur({"Ezan/ogle.wma"});
    QDir().mkpath(Klasor() + "uyari.wma"); // a folder is not a sound
    const SesYollari y = SesYollari::Bul(Klasor());
    EXPECT_EQ(y.Uyari, "");
    EXPECT_EQ(y.EksikMesaji(), "'ezan\\ezan.wma' 'uyari.wma' " + Kuyruk);
    EXPECT_EQ(y.EzanYolu("ogle"), Klasor() + "Ezan/ogle.wma");
    EXPECT_EQ(y.EzanYolu("ikindi"), "") << "no own file and no general one";
}

TEST_F(SesYollariTest, OnlyTheWarningMissing)
{
    Olustur({"Ezan/ezan.wma"});
    EXPECT_EQ(SesYollari::Bul(Klasor()).EksikMesaji(), "'uyari.wma' " + Kuyruk);
}

TEST(SesYollariGercek, ShippedAssetsNeedNoMessage)
{
    const SesYollari y = SesYollari::Bul(QStringLiteral(ORVANEL_SOURCE_DIR "/assets/"));
    EXPECT_EQ(y.EksikMesaji(), "");
    EXPECT_EQ(y.Imsak, "") << "no per-time files are shipped";
}

} // namespace
