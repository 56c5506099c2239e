#include "cli/AylikKomut.h"

#include "cli/Cikis.h"

AylikKomut::AylikKomut(QStringList adlar, QString ozet, QString aciklama)
    : YerKomutu(std::move(adlar), std::move(ozet), std::move(aciklama)),
      yil_(QStringLiteral("year"), QStringLiteral("Yıl, 1 ile 9999 arası (varsayılan: bu yıl)."),
           QStringLiteral("YIL")),
      ay_(QStringLiteral("month"), QStringLiteral("Ay, 1 ile 12 arası (varsayılan: bu ay)."),
          QStringLiteral("AY"))
{
    SecenekEkle({yil_, ay_});
}

Sonuc<> AylikKomut::SayiAraligi(const QCommandLineParser& p, const QCommandLineOption& secenek,
                                const QString& adi, int alt, int ust, int& deger)
{
    if (!p.isSet(secenek))
        return {};
    const QString metin = p.value(secenek);
    const std::optional<int> sayi = TamSayi(metin);
    if (!sayi || *sayi < alt || *sayi > ust)
        return Cikis::Red(QStringLiteral("%1 %2 ile %3 arasında bir tam sayı olmalı: %4")
                              .arg(adi)
                              .arg(alt)
                              .arg(ust)
                              .arg(metin));
    deger = *sayi;
    return {};
}

Sonuc<> AylikKomut::AyHesapla(const QCommandLineParser& p, const KomutOrtami& ortam, Ay& ay,
                              QTextStream& err) const
{
    const QDate bugun = ortam.Zaman.Simdi().date();
    int yil = bugun.year();
    int ayNo = bugun.month();
    Sonuc<> s = SayiAraligi(p, yil_, QStringLiteral("Yıl"), 1, 9999, yil);
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
