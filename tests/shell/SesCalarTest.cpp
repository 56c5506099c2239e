// The one watched sound: over a stand-in device that logs its calls, then with the shipped
// sounds through the real QtMultimedia backend (with or without an audio device: Qt advances
// the play position either way).
#include "shell/SesCalar.h"
#include "support/Wine.h"

#include "platform/QtSesKutuphanesi.h"
#include "shell/SesYollari.h"
#include "support/QtYazdir.h"

#include <QCoreApplication>
#include <QMap>
#include <QMediaPlayer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Logs its calls where the watcher's signals go too; a played sample's position is its
// number until the test ends it.
class SahteKutuphane : public SesKutuphanesi
{
public:
    void Ac() override { Yaz("ac"); }
    void Kapat() override { Yaz("kapat"); }
    int Yukle(const QString& yol) override { return Yaz(yol, yol.contains("bozuk") ? 0 : ++Son); }
    int Oynat(int ornek) override
    {
        return Yaz(QString("oynat %1").arg(ornek), Konumlar[ornek] = ornek);
    }
    void Durdur(int kanal) override { Yaz(QString("durdur %1").arg(kanal), Konumlar[kanal] = 0); }
    qint64 Konum(int kanal) const override { return Konumlar.value(kanal); }
    int Yaz(const QString& ne, int sonuc = 0) { return Kayit << ne, sonuc; }

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

class SesCalarTest : public ::testing::Test
{
protected:
    SesCalarTest() { Dinle(Calar, Kut.Kayit); }
    // What happened since the last call.
    QString Al() { return std::exchange(Kut.Kayit, {}).join(", "); }
    SahteKutuphane Kut;
    SesCalar Calar{Kut};
};

// One sound at a time: a new one cuts off the one playing, except that a warning never cuts
// off an ezan (a new period's ezan with the next warning due in the same tick).
TEST_F(SesCalarTest, ANewSoundCutsOffTheOldButAWarningNeverCutsAnEzan)
{
    Calar.FModPlay("/p/sabah", SesTuru::Ezan);
    Al();
    Calar.FModPlay("/p/uyari", SesTuru::Uyari);
    EXPECT_EQ(Al(), "") << "the ezan plays on";
    // Once the ezan has ended the warning plays, and an ezan then cuts the warning off.
    Kut.Konumlar.clear();
    Calar.SesTimerTick();
    Al();
    Calar.FModPlay("/p/uyari", SesTuru::Uyari);
    Calar.FModPlay("/p/sabah", SesTuru::Ezan);
    Calar.FModStop();
    EXPECT_EQ(Al(), "kapat, ac, /p/uyari, oynat 2, buton 1, kapat, ac, /p/sabah, oynat 3, buton 1, "
                    "durdur 3, buton 0, kapat");
}

// BtnEzan, only when enabled (1): stops a loaded sound, else plays the running period's own
// file (Güneş: İmsak's) or the general one; after a sound that ended by itself it plays again.
TEST_F(SesCalarTest, EzanButtonPlaysThePeriodsFileOrStopsWhatIsLoaded)
{
    const SesYollari yollar{"/p/sabah", "", "", "", "", "/p/ezan", ""};
    const std::pair<int, const char*> tiklar[] = {
        {2, "gunes"}, {1, "gunes"}, {2, "gunes"}, {1, "gunes"}, {1, "ikindi"}};
    for (const auto& [etkin, vakit] : tiklar)
        Calar.BtnEzanTikla(etkin, vakit, yollar);
    Kut.Konumlar.clear();
    Calar.SesTimerTick();
    Calar.BtnEzanTikla(1, "ogle", yollar);
    EXPECT_EQ(Kut.Kayit.filter(QRegularExpression("^(/p|durdur)")).join(", "),
              "/p/sabah, durdur 1, /p/ezan, /p/ezan");
}

// The shipped sounds: the warning plays to its end, then nothing is held; stop silences an ezan
// at once; a corrupt, empty or missing file is silent and the watcher returns to idle.
TEST(SesCalarGercek, ShippedSoundsThroughQtMultimedia)
{
    if (WineAltinda())
        GTEST_SKIP() << "Wine 8's Media Foundation opens no sound file for Qt (\"Failed to load "
                        "source\", a PCM WAV too, with two audio outputs); Windows plays them";
    QtSesKutuphanesi kut;
    SesCalar calar(kut);
    QStringList olaylar;
    QList<qint64> konumlar;
    Dinle(calar, olaylar);
    QObject::connect(&calar, &SesCalar::SessizEtkin, [&] { konumlar << kut.Konum(calar.Kanal()); });
    // Turns the event loop until the condition holds; the limit only keeps a broken backend
    // from hanging the run.
    const auto bekle = [](const std::function<bool()>& kosul) {
        return QTest::qWaitFor(kosul, 20000);
    };
    const auto bosta = [&] { return !calar.SesTimerAcik(); };
    // Players are deleted on the next pass of the event loop after they stop.
    const auto oynaticilar = [&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return kut.findChildren<QMediaPlayer*>().size();
    };
    const QString uyari = ORVANEL_SOURCE_DIR "/assets/uyari.wma";

    calar.FModPlay(uyari);
    EXPECT_EQ(oynaticilar(), 1);
    ASSERT_TRUE(bekle(bosta));
    EXPECT_EQ(olaylar.first() + ", " + olaylar.mid(olaylar.size() - 2).join(", "),
              "buton 1, buton 0, sessiz 0");
    EXPECT_TRUE(std::is_sorted(konumlar.begin(), konumlar.end() - 1)) << "never runs backwards";
    EXPECT_GT(konumlar.value(konumlar.size() - 2), 500)
        << "the 1.6 s chime heard well into its length";
    EXPECT_EQ(oynaticilar(), 0) << "no player (and no audio device) kept while idle";

    calar.FModPlay(ORVANEL_SOURCE_DIR "/assets/Ezan/ezan.wma");
    ASSERT_TRUE(bekle([&] { return kut.Konum(calar.Kanal()) > 300; }));
    olaylar.clear();
    calar.FModStop();
    EXPECT_EQ(olaylar, QStringList{"buton 0"});
    EXPECT_EQ(oynaticilar(), 0);
    ASSERT_TRUE(bekle(bosta));

    QTemporaryDir klasor;
    QFile bozuk(klasor.filePath("bozuk.wma")), bos(klasor.filePath("bos.wma"));
    ASSERT_TRUE(bozuk.open(QIODevice::WriteOnly) && bozuk.write(QByteArray(4096, '\x5a')) &&
                bos.open(QIODevice::WriteOnly));
    bozuk.close(), bos.close();
    konumlar.clear();
    for (const QString& yol : {bozuk.fileName(), bos.fileName(), klasor.filePath("yok.wma")}) {
        calar.FModPlay(yol);
        ASSERT_TRUE(bekle(bosta)) << yol.toStdString();
        EXPECT_EQ(oynaticilar(), 0);
    }
    EXPECT_TRUE(std::all_of(konumlar.begin(), konumlar.end(), [](qint64 k) { return k <= 1; }));
}

} // namespace
