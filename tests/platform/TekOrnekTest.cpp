#include "platform/TekOrnek.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QUuid>
#include <future>

#include <gtest/gtest.h>

namespace {

QCoreApplication& Uygulama()
{
    static int argc = 1;
    static char ad[] = "tekornek_test";
    static char* argv[] = {ad, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

QString BenzersizAd()
{
    return QStringLiteral("orvanel-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// The sender blocks while it waits for the answer, so it runs on its own thread and the
// test thread keeps the running program's event loop turning.
bool Gonder(const QString& ad, const QString& metin, int beklemeMs = 1000)
{
    auto sonuc = std::async(std::launch::async,
                            [=] { return TekOrnek(ad).CalisanaGonder(metin, beklemeMs); });
    while (sonuc.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return sonuc.get();
}

} // namespace

TEST(TekOrnek, LaterStartHandsOverItsCommandLine)
{
    Uygulama();
    const QString ad = BenzersizAd();
    TekOrnek calisan(ad);
    ASSERT_TRUE(calisan.Dinle());

    QStringList gelenler;
    QObject::connect(&calisan, &TekOrnek::MesajGeldi, [&](const QString& m) { gelenler << m; });

    EXPECT_TRUE(Gonder(ad, QStringLiteral("-startup")));
    EXPECT_TRUE(Gonder(ad, QString()));
    EXPECT_TRUE(Gonder(ad, QStringLiteral("-Startup ğüşİı")));
    QElapsedTimer t;
    t.start();
    while (gelenler.size() < 3 && t.elapsed() < 2000)
        QCoreApplication::processEvents();
    EXPECT_EQ(gelenler, (QStringList{"-startup", "", "-Startup ğüşİı"}));
}

TEST(TekOrnek, NoRunningProgramMeansFirstStart)
{
    Uygulama();
    EXPECT_FALSE(Gonder(BenzersizAd(), QStringLiteral("-startup"), 200));
}

TEST(TekOrnek, ListenerThatNeverAnswersIsNotARunningProgram)
{
    Uygulama();
    const QString ad = BenzersizAd();
    QLocalServer yabanci;
    ASSERT_TRUE(yabanci.listen(ad));
    EXPECT_FALSE(Gonder(ad, QStringLiteral("x"), 300));
}

TEST(TekOrnek, NameFreedWhenTheRunningProgramEnds)
{
    Uygulama();
    const QString ad = BenzersizAd();
    {
        TekOrnek ilk(ad);
        ASSERT_TRUE(ilk.Dinle());
    }
    EXPECT_FALSE(Gonder(ad, QString(), 200));
    TekOrnek ikinci(ad);
    EXPECT_TRUE(ikinci.Dinle());
}
