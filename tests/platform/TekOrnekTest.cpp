// One running program per session, over a real lock file and a real local socket in a
// temporary runtime folder.
#include "platform/TekOrnek.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <future>

#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

// A later start blocks while it waits, so it runs on its own thread and the test thread keeps
// the running program's event loop turning.
TekOrnek::Sonuc SonrakiBaslangic(const QString& klasor, const QString& metin, int beklemeMs)
{
    auto sonuc = std::async(std::launch::async, [=] {
        return TekOrnek(klasor, "orvanel-test").Baslat(metin, beklemeMs);
    });
    while (sonuc.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return sonuc.get();
}

// Later starts hand their command line over. An owner that does not answer (stopped, busy,
// under a debugger) keeps its place: the later start gives up after its wait and never becomes
// a second running program.
TEST(TekOrnek, LaterStartsHandOverOrGiveUpOnABusyOwner)
{
    const QTemporaryDir klasor;
    TekOrnek calisan(klasor.path(), "orvanel-test");
    ASSERT_EQ(calisan.Baslat(QString()), TekOrnek::Sonuc::Sahip);
    QStringList gelenler;
    QObject::connect(&calisan, &TekOrnek::MesajGeldi, [&](const QString& m) { gelenler << m; });
    for (const QString& m : QStringList{"-startup", {}, "-Startup ğüşİı"})
        EXPECT_EQ(SonrakiBaslangic(klasor.path(), m, 2000), TekOrnek::Sonuc::Devredildi);
    EXPECT_TRUE(QTest::qWaitFor([&] { return gelenler.size() == 3; }, 2000));
    EXPECT_EQ(gelenler, (QStringList{"-startup", "", "-Startup ğüşİı"}));

    // No event loop turns here: the owner cannot answer.
    auto sonuc = std::async(std::launch::async, [&] {
        return TekOrnek(klasor.path(), "orvanel-test").Baslat(QString(), 300);
    });
    EXPECT_EQ(sonuc.get(), TekOrnek::Sonuc::Yanitsiz);
}

#ifdef Q_OS_UNIX
// The lock of a program that died is taken over at once, its socket file too.
TEST(TekOrnek, ADeadOwnersLockIsTakenOverAtOnce)
{
    const QTemporaryDir klasor;
    TekOrnek yeni(klasor.path(), "orvanel-test");
    const pid_t cocuk = ::fork();
    if (cocuk == 0) {
        QLockFile kilit(yeni.KilitYolu());
        ::_exit(kilit.tryLock(0) ? 0 : 1); // dies holding it
    }
    int durum = 0;
    ASSERT_EQ(::waitpid(cocuk, &durum, 0), cocuk);
    ASSERT_EQ(WEXITSTATUS(durum), 0);
    ASSERT_TRUE(QFileInfo::exists(yeni.KilitYolu()));

    EXPECT_EQ(yeni.Baslat(QString(), 0), TekOrnek::Sonuc::Sahip);
    EXPECT_EQ(SonrakiBaslangic(klasor.path(), "x", 2000), TekOrnek::Sonuc::Devredildi);
}
#endif

// The lock and the socket belong to the session's runtime folder and the real user id, not
// to $USER (unset in many sessions) in a folder every session shares.
TEST(TekOrnek, NameAndFolderArePerSessionAndUser)
{
    const QTemporaryDir klasor;
    qunsetenv("USER");
#ifdef Q_OS_WIN
    // On Windows: the user's temporary folder, and a pipe named for the session and user.
    qputenv("TMP", QDir::toNativeSeparators(klasor.path()).toUtf8());
    EXPECT_TRUE(TekOrnek::VarsayilanAd().contains(QRegularExpression(
        QStringLiteral("^orvanel-\\d+-%1$").arg(qEnvironmentVariable("USERNAME")))))
        << TekOrnek::VarsayilanAd().toStdString();
#else
    qputenv("XDG_RUNTIME_DIR", klasor.path().toUtf8());
    EXPECT_EQ(TekOrnek::VarsayilanAd(), QStringLiteral("orvanel-%1").arg(::getuid()));
#endif
    EXPECT_EQ(TekOrnek::OturumKlasoru(), klasor.path());
    const TekOrnek t(TekOrnek::OturumKlasoru(), TekOrnek::VarsayilanAd());
    EXPECT_TRUE(t.KilitYolu().startsWith(klasor.path() + QLatin1Char('/')));
}

} // namespace
