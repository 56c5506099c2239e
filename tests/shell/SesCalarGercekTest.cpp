// The shipped sounds through the real QtMultimedia backend. Runs with or without an audio
// device: Qt advances the play position either way.
#include "shell/SesCalar.h"

#include "platform/QtSesKutuphanesi.h"

#include <QCoreApplication>
#include <QFile>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace {

const QString Uyari = QStringLiteral(ORVANEL_SOURCE_DIR "/assets/uyari.wma");
const QString Ezan = QStringLiteral(ORVANEL_SOURCE_DIR "/assets/Ezan/ezan.wma");

class GercekSesTest : public ::testing::Test
{
protected:
    GercekSesTest() : Calar(Kut)
    {
        QObject::connect(&Calar, &SesCalar::EzanDurumu,
                         [this](int d) { Olaylar << QString("buton %1").arg(d); });
        QObject::connect(&Calar, &SesCalar::SessizEtkin, [this](bool e) {
            Olaylar << QString("sessiz %1").arg(e);
            if (e)
                Konumlar << Kut.Konum(Calar.Kanal());
        });
    }

    // Turns the event loop until the condition holds. The limit only keeps a broken backend
    // from hanging the run; nothing is measured with it.
    bool Bekle(const std::function<bool()>& kosul, int sinirMs = 20000)
    {
        bool doldu = false;
        QTimer sinir;
        sinir.setSingleShot(true);
        QObject::connect(&sinir, &QTimer::timeout, [&] { doldu = true; });
        sinir.start(sinirMs);
        while (!kosul() && !doldu)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return kosul();
    }

    // Players are deleted on the next pass of the event loop after they stop.
    int KalanOynatici()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return static_cast<int>(Kut.findChildren<QMediaPlayer*>().size());
    }

    QtSesKutuphanesi Kut;
    SesCalar Calar;
    QStringList Olaylar;
    QList<qint64> Konumlar;
};

TEST_F(GercekSesTest, ShippedWarningPlaysToItsEndThenTheWatcherIsIdle)
{
    ASSERT_TRUE(QFile::exists(Uyari));
    Calar.FModPlay(Uyari);
    ASSERT_NE(Calar.Kanal(), 0);
    EXPECT_EQ(Olaylar, QStringList{"buton 1"});
    EXPECT_EQ(KalanOynatici(), 1);

    ASSERT_TRUE(Bekle([&] { return !Calar.SesTimerAcik(); }));
    EXPECT_EQ(Olaylar.mid(Olaylar.size() - 2), (QStringList{"buton 0", "sessiz 0"}));
    ASSERT_FALSE(Konumlar.isEmpty());
    for (int i = 1; i < Konumlar.size(); ++i)
        EXPECT_GE(Konumlar[i], Konumlar[i - 1]) << "position never runs backwards";
    EXPECT_GT(Konumlar.last(), 500) << "the 1.6 s chime was heard well into its length";
    EXPECT_EQ(Calar.Ornek(), 0);
    EXPECT_EQ(KalanOynatici(), 0) << "no player (and no audio device) kept while idle";
}

TEST_F(GercekSesTest, StopSilencesAtOnce)
{
    Calar.FModPlay(Ezan);
    const int kanal = Calar.Kanal();
    ASSERT_TRUE(Bekle([&] { return Kut.Konum(kanal) > 300; }));

    Olaylar.clear();
    Calar.FModStop();
    EXPECT_EQ(Kut.Konum(kanal), 0);
    EXPECT_EQ(Olaylar, QStringList{"buton 0"});
    EXPECT_EQ(KalanOynatici(), 0);
    ASSERT_TRUE(Bekle([&] { return !Calar.SesTimerAcik(); }));
    EXPECT_EQ(Olaylar.last(), "sessiz 0");
}

TEST_F(GercekSesTest, WarningDuringAnEzanReplacesIt)
{
    Calar.FModPlay(Ezan);
    const int ezan = Calar.Kanal();
    ASSERT_TRUE(Bekle([&] { return Kut.Konum(ezan) > 100; }));
    Calar.FModPlay(Uyari);
    EXPECT_EQ(Kut.Konum(ezan), 0);
    EXPECT_EQ(KalanOynatici(), 1);
    ASSERT_TRUE(Bekle([&] { return !Calar.SesTimerAcik(); }));
    EXPECT_EQ(KalanOynatici(), 0);
}

TEST_F(GercekSesTest, CorruptOrEmptyFileIsSilentAndReturnsToIdle)
{
    QTemporaryDir klasor;
    QFile bozuk(klasor.filePath("bozuk.wma"));
    ASSERT_TRUE(bozuk.open(QIODevice::WriteOnly));
    for (int i = 0; i < 4096; ++i)
        bozuk.putChar(static_cast<char>((i * 37 + 11) & 0xff));
    bozuk.close();
    QFile bos(klasor.filePath("bos.wma"));
    ASSERT_TRUE(bos.open(QIODevice::WriteOnly));
    bos.close();

    for (const QString& yol : {bozuk.fileName(), bos.fileName()}) {
        Olaylar.clear();
        Konumlar.clear();
        Calar.FModPlay(yol);
        ASSERT_TRUE(Bekle([&] { return !Calar.SesTimerAcik(); })) << yol.toStdString();
        for (qint64 k : Konumlar)
            EXPECT_LE(k, 1) << "nothing was played";
        EXPECT_EQ(Olaylar.last(), "sessiz 0");
        EXPECT_EQ(KalanOynatici(), 0);
    }

    Olaylar.clear();
    Calar.FModPlay(klasor.filePath("yok.wma"));
    EXPECT_TRUE(Olaylar.isEmpty()) << "a missing file starts nothing";
    EXPECT_FALSE(Calar.SesTimerAcik());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
