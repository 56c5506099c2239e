// A rewrite killed at any moment must leave a complete data.db, old or new.
#include "KonumTestAraclari.h"
#include "locations/KonumDosyasi.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <random>

namespace {

// Writers that die at any moment, their lock left behind: every file that survives is complete
// (each line whole, the Ids one after another), and the next writer takes the lock over.
TEST(KonumDosyasiKill, EverySurvivingFileIsCompleteAndParses)
{
    QTemporaryDir klasor;
    ASSERT_TRUE(klasor.isValid());
    const QString yol = klasor.filePath("data.db");
    DosyaYaz(yol, W1254("1|Türkiye|İstanbul|2|41,02|28,97"));

    std::mt19937 rastgele(20240611); // fixed seed: the same kill moments on every run
    std::uniform_int_distribution<int> bekleme(0, 60); // one add takes a few ms (fsync)
    int onceki = 1;
    for (int tur = 0; tur < 100; ++tur) {
        SCOPED_TRACE(tur);
        // "hazir": the loop is about to start. (Under Wine a new process now and then ends
        // before it writes a line, once in some thousand starts: it is started again.)
        QProcess yazici;
        for (int deneme = 0; deneme < 3; ++deneme) {
            yazici.start(QStringLiteral(KONUM_YAZICI_ARACI), {klasor.path()});
            if (yazici.waitForReadyRead(30000))
                break;
            yazici.waitForFinished(30000);
        }
        ASSERT_EQ(yazici.state(), QProcess::Running)
            << yazici.errorString().toStdString() << ", exit " << yazici.exitCode() << ": "
            << yazici.readAllStandardError().toStdString();
        QThread::msleep(bekleme(rastgele));
        yazici.kill();
        ASSERT_TRUE(yazici.waitForFinished(30000));

        const QByteArray icerik = DosyaIcerigi(yol);
        QVector<KonumKaydi> kayitlar;
        KonumDosyasi dosya(klasor.path());
        ASSERT_TRUE(dosya.DosyadanOku(kayitlar));
        EXPECT_TRUE(dosya.AtlananSatirlar().isEmpty());
        ASSERT_GE(kayitlar.size(), onceki) << "a line that was on disk went missing";
        for (int i = 0; i < kayitlar.size(); ++i)
            ASSERT_EQ(kayitlar[i].Id, i + 1);
        EXPECT_EQ(KonumDosyasi::Kodla(kayitlar), icerik);
        onceki = kayitlar.size();
    }
    EXPECT_GT(onceki, 10) << "the writers did add between the kills";
}

} // namespace
