// The player process never outlives the program that started it: not when the program ends in
// order, not when it is killed, and the player ends by itself when its standard input closes
// (the pipe the program holds). How the program watches and stops it: SesCalarTest.
#include "platform/QtSesKutuphanesi.h"

#include "support/Surec.h"
#include "support/Wine.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

const QString Ezan = QStringLiteral(ORVANEL_SOURCE_DIR "/assets/Ezan/ezan.wma");

qint64 EzanCal(QtSesKutuphanesi& kut)
{
    kut.Ac();
    return kut.OynaticiNo(kut.Oynat(kut.Yukle(Ezan)));
}

} // namespace

TEST(QtSesKutuphanesi, ThePlayerEndsWithTheProgram)
{
    if (WineAltinda())
        GTEST_SKIP() << "under Wine a player cannot play and ends by itself (SesCalarTest)";
    // Run again as the program that is killed (see below): prints its player and waits.
    if (qEnvironmentVariableIsSet("ORVANEL_OYNATAN")) {
        QtSesKutuphanesi kut;
        std::fprintf(stderr, "%lld\n", EzanCal(kut));
        QCoreApplication::exec();
    }

    qint64 no;
    {
        QtSesKutuphanesi kut;
        no = EzanCal(kut);
        ASSERT_TRUE(SurecCalisiyor(no));
    }
    EXPECT_TRUE(SurecBitti(no)) << "the library's end stops its player";

    QProcess oynatan;
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    ortam.insert("ORVANEL_OYNATAN", "1");
    oynatan.setProcessEnvironment(ortam);
    oynatan.start(QCoreApplication::applicationFilePath(),
                  {"--gtest_filter=QtSesKutuphanesi.ThePlayerEndsWithTheProgram"});
    oynatan.setReadChannel(QProcess::StandardError); // gtest's report goes to stdout
    ASSERT_TRUE(oynatan.waitForReadyRead(20000));
    no = oynatan.readLine().trimmed().toLongLong();
    ASSERT_TRUE(SurecCalisiyor(no));
    oynatan.kill();
    EXPECT_TRUE(SurecBitti(no)) << "a killed program takes its player with it";

    QProcess oynatici;
    oynatici.start(QtSesKutuphanesi::VarsayilanOynatici(), {Ezan});
    ASSERT_TRUE(oynatici.waitForStarted());
    oynatici.closeWriteChannel();
    EXPECT_TRUE(SurecBitti(oynatici.processId())) << "the player ends with its standard input";
}
