#include "cli/AylikKomut.h"

#include "cli/Cikis.h"

AylikKomut::AylikKomut(QStringList adlar, QString ozet, QString aciklama)
    : YerKomutu(std::move(adlar), std::move(ozet), std::move(aciklama)),
      ay_(QStringLiteral("month"), QStringLiteral("Ay, 1 ile 12 arası (varsayılan: bu ay)."),
          QStringLiteral("AY"))
{
    SecenekEkle({YilSecenegi, ay_});
}

Sonuc<> AylikKomut::AyHesapla(const QCommandLineParser& p, const KomutOrtami& ortam, Ay& ay,
                              QTextStream& err) const
{
    const QDate bugun = ortam.Zaman.Simdi().date();
    int yil = bugun.year();
    int ayNo = bugun.month();
    Sonuc<> s = SayiAraligi(p, YilSecenegi, QStringLiteral("Yıl"), 1, 9999, yil);
    if (s)
        s = SayiAraligi(p, ay_, QStringLiteral("Ay"), 1, 12, ayNo);
    if (s)
        s = Girdi(p, ortam, ay.Girdi, err, &ay.YerAdi);
    if (!s)
        return s;

    ay.Ilk = QDate(yil, ayNo, 1);
    ay.Girdi.SeciliTarih = QDateTime(ay.Ilk, QTime(0, 0));
    GecisleriDoldur(ay.Girdi, ortam.YazSaati); // one year, one pair of dates
    ay.Gunler.clear();
    for (QDate gun = ay.Ilk; gun.month() == ayNo; gun = gun.addDays(1)) {
        ay.Girdi.SeciliTarih = QDateTime(gun, QTime(0, 0));
        ay.Gunler.push_back({gun, GunlukHesapla(ay.Girdi), HamVakitleriHesapla(ay.Girdi)});
    }
    return {};
}
