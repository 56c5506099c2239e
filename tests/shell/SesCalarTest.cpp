#include "shell/SesCalar.h"

#include "platform/SesKutuphanesi.h"
#include "shell/SesYollari.h"

#include <QCoreApplication>
#include <QStringList>

#include <map>

#include <gtest/gtest.h>

namespace {

// Stands in for the sound device: records calls, and the test sets each channel's position.
class SahteKutuphane : public SesKutuphanesi
{
public:
    void Ac() override
    {
        Acik = true;
        Cagrilar << "ac";
    }
    void Kapat() override
    {
        Acik = false;
        Konumlar.clear();
        Cagrilar << "kapat";
    }
    int Yukle(const QString& yol) override
    {
        Cagrilar << "yukle " + yol;
        return (Acik && !yol.contains("bozuk")) ? ++Son : 0;
    }
    int Oynat(int ornek) override
    {
        if (ornek == 0)
            return 0;
        Konumlar[ornek] = 1;
        Cagrilar << QString("oynat %1").arg(ornek);
        return ornek;
    }
    void Durdur(int kanal) override
    {
        Konumlar.erase(kanal);
        Cagrilar << QString("durdur %1").arg(kanal);
    }
    qint64 Konum(int kanal) const override
    {
        auto it = Konumlar.find(kanal);
        return it == Konumlar.end() ? 0 : it->second;
    }

    bool Acik = false;
    int Son = 0;
    std::map<int, qint64> Konumlar;
    QStringList Cagrilar;
};

class SesCalarTest : public ::testing::Test
{
protected:
    SesCalarTest() : Calar(Kut)
    {
        QObject::connect(&Calar, &SesCalar::EzanDurumu,
                         [this](int d) { Olaylar << QString("buton %1").arg(d); });
        QObject::connect(&Calar, &SesCalar::SessizEtkin,
                         [this](bool e) { Olaylar << QString("sessiz %1").arg(e); });
        Yollar.Imsak = "/p/Ezan/sabah.wma";
        Yollar.Genel = "/p/ezan.wma";
        Yollar.Uyari = "/p/uyari.wma";
    }

    SahteKutuphane Kut;
    SesCalar Calar;
    SesYollari Yollar;
    QStringList Olaylar;
};

TEST_F(SesCalarTest, PlayWatchAndReturnToIdleWhenTheSoundEnds)
{
    Calar.FModPlay("/p/uyari.wma");
    EXPECT_EQ(Kut.Cagrilar, (QStringList{"kapat", "ac", "yukle /p/uyari.wma", "oynat 1"}));
    EXPECT_TRUE(Calar.SesTimerAcik());
    EXPECT_EQ(Olaylar, QStringList{"buton 1"});

    Kut.Konumlar[1] = 350;
    Calar.SesTimerTick();
    EXPECT_EQ(Olaylar.last(), "sessiz 1");
    EXPECT_TRUE(Calar.SesTimerAcik());

    Kut.Konumlar.erase(1); // the sound is over
    Olaylar.clear();
    Calar.SesTimerTick();
    EXPECT_EQ(Olaylar, (QStringList{"buton 0", "sessiz 0"}));
    EXPECT_FALSE(Calar.SesTimerAcik());
    EXPECT_FALSE(Kut.Acik) << "no device held while idle";
    EXPECT_EQ(Calar.Ornek(), 0);
    EXPECT_EQ(Calar.Kanal(), 0);
}

TEST_F(SesCalarTest, StopActsAtOnceAndTheNextTickFinishes)
{
    Calar.FModPlay("/p/Ezan/sabah.wma");
    Calar.SesTimerTick();
    Olaylar.clear();
    Calar.FModStop();
    EXPECT_EQ(Kut.Cagrilar.mid(4), (QStringList{"durdur 1", "kapat"}));
    EXPECT_EQ(Olaylar, QStringList{"buton 0"}) << "button idle at once";
    EXPECT_TRUE(Calar.SesTimerAcik()) << "the watcher still has to tidy up";
    Calar.SesTimerTick();
    EXPECT_EQ(Olaylar, (QStringList{"buton 0", "buton 0", "sessiz 0"}));
    EXPECT_FALSE(Calar.SesTimerAcik());
}

TEST_F(SesCalarTest, FileThatDoesNotStartChangesNothing)
{
    Calar.FModPlay("/p/bozuk.wma");
    EXPECT_TRUE(Olaylar.isEmpty());
    EXPECT_FALSE(Calar.SesTimerAcik());
    EXPECT_FALSE(Kut.Acik);

    // Failing while another sound plays: the watcher tidies up at its next tick.
    Calar.FModPlay("/p/uyari.wma");
    Calar.FModPlay("/p/bozuk.wma");
    EXPECT_TRUE(Calar.SesTimerAcik());
    Calar.SesTimerTick();
    EXPECT_FALSE(Calar.SesTimerAcik());
    EXPECT_EQ(Olaylar.last(), "sessiz 0");
}

// One sound at a time: a new one cuts off the one playing, except that a warning never cuts
// off an ezan (a new period's ezan with the next warning due in the same tick).
TEST_F(SesCalarTest, ANewSoundCutsOffTheOldButAWarningNeverCutsAnEzan)
{
    Calar.FModPlay("/p/Ezan/sabah.wma", SesTuru::Ezan);
    Calar.FModPlay("/p/uyari.wma", SesTuru::Uyari);
    EXPECT_EQ(Calar.Kanal(), 1);
    EXPECT_EQ(Kut.Konumlar.count(1), 1u) << "the ezan plays on";
    EXPECT_TRUE(Kut.Cagrilar.filter("uyari").isEmpty());

    // Once the ezan has ended the warning plays, and an ezan then cuts the warning off.
    Kut.Konumlar.clear();
    Calar.SesTimerTick();
    Calar.FModPlay("/p/uyari.wma", SesTuru::Uyari);
    EXPECT_EQ(Calar.Kanal(), 2);
    Calar.FModPlay("/p/Ezan/sabah.wma", SesTuru::Ezan);
    EXPECT_EQ(Calar.Kanal(), 3);
    EXPECT_EQ(Kut.Konumlar.count(2), 0u) << "the warning was cut off by re-opening the library";
    Calar.FModStop();
    EXPECT_EQ(Kut.Cagrilar.filter("durdur"), QStringList{"durdur 3"});
}

TEST_F(SesCalarTest, EzanButtonPlaysThePeriodsFileAndStopsWhatIsLoaded)
{
    Calar.BtnEzanTikla(1, "gunes", Yollar);
    EXPECT_TRUE(Kut.Cagrilar.contains("yukle /p/Ezan/sabah.wma")) << "Güneş uses the İmsak file";
    Calar.BtnEzanTikla(1, "gunes", Yollar);
    EXPECT_EQ(Calar.Ornek(), 0);
    EXPECT_EQ(Olaylar.last(), "buton 0");

    Calar.SesTimerTick();
    Kut.Cagrilar.clear();
    Calar.BtnEzanTikla(1, "ikindi", Yollar);
    EXPECT_TRUE(Kut.Cagrilar.contains("yukle /p/ezan.wma")) << "no own file: the general one";

    // After a sound that ended by itself, a click plays again rather than stopping.
    Kut.Konumlar.clear();
    Calar.SesTimerTick();
    Kut.Cagrilar.clear();
    Calar.BtnEzanTikla(1, "ogle", Yollar);
    EXPECT_TRUE(Kut.Cagrilar.contains("yukle /p/ezan.wma"));
    EXPECT_TRUE(Calar.SesTimerAcik());
}

TEST_F(SesCalarTest, EzanButtonDoesNothingWhenDisabledOrWithoutFiles)
{
    Calar.BtnEzanTikla(2, "ogle", Yollar);
    EXPECT_TRUE(Kut.Cagrilar.isEmpty());

    Calar.FModPlay(Yollar.Uyari); // a warning sound still drives the button's pictures
    EXPECT_EQ(Olaylar, QStringList{"buton 1"});
    Calar.BtnEzanTikla(2, "ogle", Yollar);
    EXPECT_NE(Calar.Ornek(), 0) << "a disabled button does not stop the warning either";

    SesYollari bos;
    SesCalar ikinci(Kut);
    Kut.Cagrilar.clear();
    ikinci.BtnEzanTikla(1, "ogle", bos);
    EXPECT_TRUE(Kut.Cagrilar.isEmpty());
}

} // namespace

// Timers need the application's event loop.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
