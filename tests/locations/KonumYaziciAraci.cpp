// Test helper for the kill test: rewrites data.db in the given folder over and over,
// alternating between two complete contents, until it is killed.
//   konum_yazici_araci FOLDER ROWS
#include "locations/KonumDosyasi.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication uygulama(argc, argv);
    if (argc != 3)
        return 2;
    KonumDosyasi dosya(QString::fromLocal8Bit(argv[1]));
    const int satir = QByteArray(argv[2]).toInt();
    QVector<KonumKaydi> a, b;
    for (int i = 1; i <= satir; ++i) {
        a.push_back({i, QString::fromUtf8("Türkiye"), QStringLiteral("Şehir %1").arg(i), 3,
                     36 + i / 1000.0, 26 + i / 997.0});
        b.push_back({i, QString::fromUtf8("Almanya"), QStringLiteral("Stadt %1").arg(i), 1,
                     47 + i / 1000.0, 6 + i / 997.0});
    }
    std::puts("hazir");
    std::fflush(stdout);
    for (unsigned n = 0;; ++n)
        if (dosya.DosyayaYaz(n % 2 ? b : a) != KonumDosyasiSonucu::Tamam)
            return 1;
}
