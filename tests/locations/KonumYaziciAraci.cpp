// Test helper for the kill test: adds places to data.db in the given folder, one line at a
// time as orvanel-cli ekle does (lock, read, append, replace), until it is killed.
//   konum_yazici_araci FOLDER
#include "locations/KonumDosyasi.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication uygulama(argc, argv);
    if (argc != 2)
        return 2;
    KonumDosyasi dosya(QString::fromLocal8Bit(argv[1]));
    std::puts("hazir");
    std::fflush(stdout);
    for (;;) {
        const KonumDosyasi::Kilit kilit(dosya);
        QVector<KonumKaydi> kayitlar;
        if (!kilit.Durum() || !dosya.DosyadanOku(kayitlar))
            return 1;
        const int id = kayitlar.size() + 1;
        if (!dosya.SatirEkle({id, "Türkiye", QStringLiteral("Şehir %1").arg(id), 2,
                              36 + id / 1000.0, 26 + id / 997.0}))
            return 1;
    }
}
