// The sound backend is a module loaded on the first opened sound: before it the program
// carries no QtMultimedia; after it the shipped sounds load through the module (their playing:
// SesCalarTest); without the module every sound fails quietly.
#include "platform/QtSesKutuphanesi.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Uyari = QStringLiteral(ORVANEL_SOURCE_DIR "/assets/uyari.wma");

#ifdef Q_OS_LINUX
// Whether QtMultimedia is mapped into this process (this test does not link it).
bool MultimediaYuklu()
{
    QFile haritalar(QStringLiteral("/proc/self/maps"));
    if (!haritalar.open(QIODevice::ReadOnly))
        return false;
    return haritalar.readAll().contains("libQt6Multimedia");
}
#endif

} // namespace

TEST(QtSesKutuphanesi, ModuleIsLoadedOnlyByTheFirstOpen)
{
    ASSERT_TRUE(QFile::exists(Uyari));
    QtSesKutuphanesi kut;
    EXPECT_FALSE(kut.ModulYuklu());
    EXPECT_EQ(kut.Yukle(Uyari), 0) << "nothing loads before the library is opened";
    kut.Kapat();
#ifdef Q_OS_LINUX
    EXPECT_FALSE(MultimediaYuklu()) << "constructing and closing must not pull in QtMultimedia";
#endif

    kut.Ac();
    ASSERT_TRUE(kut.ModulYuklu());
#ifdef Q_OS_LINUX
    EXPECT_TRUE(MultimediaYuklu());
#endif
    EXPECT_GT(kut.Yukle(Uyari), 0); // playing: SesCalarGercek

    // A second library reuses the loaded module.
    QtSesKutuphanesi ikinci;
    ikinci.Ac();
    EXPECT_TRUE(ikinci.ModulYuklu());
    ikinci.Kapat();
    EXPECT_EQ(ikinci.Yukle(Uyari), 0) << "closed again: no loads";
}

TEST(QtSesKutuphanesi, WithoutTheModuleEverySoundFailsQuietly)
{
    QTemporaryDir bos;
    ASSERT_TRUE(bos.isValid());
    // A file of the module's name that is no library is skipped like a missing one.
    QFile sahte(bos.filePath(QStringLiteral("liborvanel_ses.so")));
    ASSERT_TRUE(sahte.open(QIODevice::WriteOnly));
    sahte.write("not a library");
    sahte.close();

    QtSesKutuphanesi kut(QStringList{bos.path(), bos.filePath(QStringLiteral("yok"))});
    kut.Ac();
    EXPECT_FALSE(kut.ModulYuklu());
    EXPECT_EQ(kut.Yukle(Uyari), 0);
    EXPECT_EQ(kut.Oynat(1), 0);
    EXPECT_EQ(kut.Konum(1), 0);
    kut.Durdur(1);
    kut.Kapat();
    kut.Ac(); // tried once: no second search, still silent
    EXPECT_FALSE(kut.ModulYuklu());
}
