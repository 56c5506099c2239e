// The one watched sound: the ezan button over a stand-in device that logs its calls, then the
// rules of playing with the shipped sounds through the real player program, one process per
// sound.
#include "shell/SesCalar.h"

#include "platform/QtSesKutuphanesi.h"
#include "shell/SesYollari.h"
#include "support/Dosya.h"
#include "support/QtYazdir.h"
#include "support/Surec.h"
#include "support/Wine.h"

#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Logs the files it loads and the channels it stops; a played sample's position is its number
// until the test ends it.
class SahteKutuphane : public SesKutuphanesi
{
public:
    void Ac() override {}
    void Kapat() override {}
    int Yukle(const QString& yol) override { return Kayit << yol, ++Son; }
    int Oynat(int ornek) override { return Konumlar[ornek] = ornek; }
    void Durdur(int kanal) override
    {
        Kayit << QString("durdur %1").arg(kanal), Konumlar[kanal] = 0;
    }
    qint64 Konum(int kanal) const override { return Konumlar.value(kanal); }

    int Son = 0;
    QMap<int, qint64> Konumlar;
    QStringList Kayit;
};

void Dinle(SesCalar& c, QStringList& k)
{
    QObject::connect(&c, &SesCalar::EzanDurumu, [&](int d) { k << "buton " + QString::number(d); });
    QObject::connect(&c, &SesCalar::SessizEtkin,
                     [&](int e) { k << "sessiz " + QString::number(e); });
}

// BtnEzan, only when enabled (1): stops a loaded sound, else plays the running period's own
// file (Güneş: İmsak's) or the general one; after a sound that ended by itself it plays again.
TEST(SesCalar, EzanButtonPlaysThePeriodsFileOrStopsWhatIsLoaded)
{
    SahteKutuphane Kut;
    SesCalar Calar{Kut};
    const SesYollari yollar{"/p/sabah", "", "", "", "", "/p/ezan", ""};
    const std::pair<int, const char*> tiklar[] = {
        {2, "gunes"}, {1, "gunes"}, {2, "gunes"}, {1, "gunes"}, {1, "ikindi"}};
    for (const auto& [etkin, vakit] : tiklar)
        Calar.BtnEzanTikla(etkin, vakit, yollar);
    Kut.Konumlar.clear();
    Calar.SesTimerTick();
    Calar.BtnEzanTikla(1, "ogle", yollar);
    EXPECT_EQ(Kut.Kayit.join(", "), "/p/sabah, durdur 1, /p/ezan, /p/ezan");
}

// A player process per sound, through the watcher with the shipped sounds (Qt advances the
// play position with or without an audio device). The ten-second ezan stands in for a warning
// where a cut must be told from an end.
class SesSureci : public ::testing::Test
{
protected:
    SesSureci() { Dinle(Calar, Olaylar); }
    void SetUp() override
    {
        if (WineAltinda())
            GTEST_SKIP() << "Wine 8's Media Foundation opens no sound file for Qt (\"Failed to "
                            "load source\"): a player cannot play there; Windows plays them";
    }
    qint64 Oynatici() { return Kut.OynaticiNo(Calar.Kanal()); }
    // Turns the event loop until the condition holds; the limit only keeps a broken player
    // from hanging the run.
    template <class K> static bool Bekle(K k, int ms = 20000) { return QTest::qWaitFor(k, ms); }
    bool Bosta(int ms = 20000)
    {
        return Bekle([&] { return !Calar.SesTimerAcik(); }, ms);
    }
    QString Son() const { return Olaylar.mid(Olaylar.size() - 2).join(", "); }

    const QString Uyari = ORVANEL_SOURCE_DIR "/assets/uyari.wma";
    const QString Ezan = ORVANEL_SOURCE_DIR "/assets/Ezan/ezan.wma";
    QtSesKutuphanesi Kut; // the player beside the test programs
    SesCalar Calar{Kut};
    QStringList Olaylar;
};

// A warning plays to its end in a player of its own; an ezan cuts a warning, a warning never
// cuts an ezan, and a stop is at once.
TEST_F(SesSureci, AWarningPlaysToItsEndAnEzanCutsItAndStopIsAtOnce)
{
    Calar.Cal(Uyari, SesTuru::Uyari);
    const qint64 no = Oynatici();
    ASSERT_TRUE(SurecCalisiyor(no));
#ifdef Q_OS_LINUX
    // Started is not yet executed: until the exec the child still carries this program's line.
    EXPECT_TRUE(Bekle(
        [no] {
            return DosyaIcerigi(QStringLiteral("/proc/%1/cmdline").arg(no)).contains("uyari.wma");
        },
        3000));
#endif
    ASSERT_TRUE(Bosta());
    EXPECT_EQ(Olaylar.first(), "buton 1");
    EXPECT_TRUE(Olaylar.contains("sessiz 1")) << "Ezanı Durdur while it played";
    EXPECT_EQ(Son(), "buton 0, sessiz 0");
    EXPECT_FALSE(SurecCalisiyor(no));

    Calar.Cal(Ezan, SesTuru::Uyari);
    const qint64 uyari = Oynatici();
    Calar.Cal(Ezan, SesTuru::Ezan);
    const qint64 ezan = Oynatici();
    ASSERT_TRUE(SurecCalisiyor(ezan));
    EXPECT_TRUE(SurecBitti(uyari));

    Calar.Cal(Uyari, SesTuru::Uyari);
    EXPECT_EQ(Oynatici(), ezan) << "no second player: the ezan plays on";
    EXPECT_TRUE(SurecCalisiyor(ezan));

    Olaylar.clear();
    Calar.Durdur();
    EXPECT_EQ(Olaylar, QStringList{"buton 0"});
    EXPECT_TRUE(SurecBitti(ezan));
    ASSERT_TRUE(Bosta());
    Calar.Cal(Uyari, SesTuru::Uyari);
    EXPECT_TRUE(SurecCalisiyor(Oynatici())) << "once the ezan is over a warning plays";
}

// A player killed from outside, one that cannot play the file or cannot start, are silence:
// the watcher returns to idle and the ezan button plays again. A missing file starts nothing.
TEST_F(SesSureci, APlayerThatDiesFailsOrCannotStartIsSilence)
{
    QTemporaryDir klasor;
    const QString bozuk = klasor.filePath("bozuk.wma"), bos = klasor.filePath("bos.wma");
    DosyaYaz(bozuk, QByteArray(4096, '\x5a'));
    DosyaYaz(bos, {});
    QtSesKutuphanesi oynaticisiz(klasor.filePath("orvanel-ses"));
    SesCalar baslamayan(oynaticisiz);
    Dinle(baslamayan, Olaylar);
    const SesYollari yollar{"", "", "", "", "", Ezan, ""};

    for (const QString& durum : QStringList{"oldurulen", "bozuk", "bos", "baslamayan"}) {
        Olaylar.clear();
        if (durum == "oldurulen") {
            Calar.Cal(Ezan);
            ASSERT_TRUE(Bekle([&] { return Olaylar.contains("sessiz 1"); }));
            SurecOldur(Oynatici());
        } else if (durum == "baslamayan") {
            baslamayan.Cal(Uyari);
            ASSERT_TRUE(Bekle([&] { return !baslamayan.SesTimerAcik(); }));
        } else {
            Calar.Cal(durum == "bozuk" ? bozuk : bos);
        }
        // Given up at once, not by the player's ten-second limit for a sound that never begins.
        ASSERT_TRUE(Bosta(5000)) << durum.toStdString();
        EXPECT_EQ(Son(), "buton 0, sessiz 0") << durum.toStdString();
    }
    Calar.BtnEzanTikla(1, "ogle", yollar);
    EXPECT_TRUE(SurecCalisiyor(Oynatici())) << "after a killed player the button plays again";
    Calar.Durdur();
    ASSERT_TRUE(Bosta());

    Olaylar.clear();
    Calar.Cal(klasor.filePath("yok.wma"));
    EXPECT_TRUE(Olaylar.isEmpty());
    EXPECT_FALSE(Calar.SesTimerAcik());
}

} // namespace
