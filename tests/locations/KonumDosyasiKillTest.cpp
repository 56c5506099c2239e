// A rewrite killed at any moment must leave a complete data.db, old or new.
#include "KonumTestAraclari.h"
#include "locations/KonumDosyasi.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(KonumDosyasiKill, EverySurvivingFileIsCompleteAndParses)
{
    QTemporaryDir klasor;
    ASSERT_TRUE(klasor.isValid());
    const QString yol = klasor.filePath("data.db");
    DosyaYaz(yol, W1254("1|Türkiye|İstanbul|2|41,02|28,97"));
    const QByteArray ilk = DosyaIcerigi(yol);
    const int satir = 3000;

    std::mt19937 rastgele(20240611); // fixed seed: the same kill moments on every run
    std::uniform_int_distribution<int> bekleme(0, 250); // one rewrite takes tens of ms (fsync)
    int yeniDosya = 0;
    for (int tur = 0; tur < 100; ++tur) {
        SCOPED_TRACE(tur);
        QProcess yazici;
        yazici.start(QStringLiteral(KONUM_YAZICI_ARACI), {klasor.path(), QString::number(satir)});
        ASSERT_TRUE(yazici.waitForReadyRead(30000)); // "hazir": the loop is about to start
        QThread::msleep(bekleme(rastgele));
        yazici.kill();
        ASSERT_TRUE(yazici.waitForFinished(30000));

        const QByteArray icerik = DosyaIcerigi(yol);
        ASSERT_FALSE(icerik.isEmpty());
        QVector<KonumKaydi> kayitlar;
        KonumDosyasi dosya(klasor.path());
        ASSERT_EQ(dosya.DosyadanOku(kayitlar), KonumDosyasiSonucu::Tamam);
        EXPECT_EQ(dosya.AtlananSatirSayisi(), 0);
        if (icerik == ilk) {
            ASSERT_EQ(kayitlar.size(), 1);
            continue;
        }
        ++yeniDosya;
        ASSERT_EQ(kayitlar.size(), satir);
        EXPECT_EQ(kayitlar.last().Id, satir);
        // The whole file is one of the two contents: one country throughout.
        const QString ulke = kayitlar.first().Ulke;
        for (const KonumKaydi& k : kayitlar)
            ASSERT_EQ(k.Ulke, ulke);
        EXPECT_EQ(KonumDosyasi::Kodla(kayitlar), icerik);
    }
    EXPECT_GT(yeniDosya, 0); // the kills did land among rewrites
}

} // namespace
