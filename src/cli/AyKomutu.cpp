#include "cli/AyKomutu.h"

#include "cli/Cikis.h"
#include "engine/GunlukHesap.h"
#include "engine/Vakit.h"

#include <vector>

namespace {

QString CsvAlani(const QString& alan)
{
    if (!alan.contains(QLatin1Char(',')) && !alan.contains(QLatin1Char('"')) &&
        !alan.contains(QLatin1Char('\n')))
        return alan;
    QString tirnakli = alan;
    tirnakli.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + tirnakli + QLatin1Char('"');
}

struct Satir
{
    QDate Gun;
    VakitSonucu Sonuc;
};

void CsvYaz(const std::vector<Satir>& satirlar, QTextStream& out)
{
    out << "tarih,hicri";
    for (const char* anahtar : VakitAnahtarlari)
        out << ',' << anahtar;
    out << '\n';
    for (const Satir& s : satirlar) {
        out << s.Gun.toString(Qt::ISODate) << ',' << CsvAlani(s.Sonuc.Hicri);
        for (const QString& metin : s.Sonuc.Metinler)
            out << ',' << metin;
        out << '\n';
    }
}

void CizelgeYaz(const std::vector<Satir>& satirlar, QTextStream& out)
{
    const QString ara = QStringLiteral("  ");
    qsizetype hicriGenislik = QStringLiteral("Hicri").size();
    for (const Satir& s : satirlar)
        hicriGenislik = std::max(hicriGenislik, s.Sonuc.Hicri.size());

    std::vector<qsizetype> vakitGenislik;
    out << QStringLiteral("Tarih").leftJustified(10) << ara
        << QStringLiteral("Hicri").leftJustified(hicriGenislik);
    for (const char* ad : VakitAdlari) {
        const QString baslik = QString::fromUtf8(ad);
        vakitGenislik.push_back(std::max<qsizetype>(baslik.size(), 5));
        out << ara << baslik.leftJustified(vakitGenislik.back());
    }
    out << '\n';
    for (const Satir& s : satirlar) {
        out << s.Gun.toString(Qt::ISODate) << ara << s.Sonuc.Hicri.leftJustified(hicriGenislik);
        for (std::size_t i = 0; i < s.Sonuc.Metinler.size(); ++i) {
            out << ara;
            // The last column is not padded: no blanks at line ends.
            out << (i + 1 < s.Sonuc.Metinler.size()
                        ? s.Sonuc.Metinler[i].leftJustified(vakitGenislik[i])
                        : s.Sonuc.Metinler[i]);
        }
        out << '\n';
    }
}

} // namespace

bool AyKomutu::SayiAraligi(const QCommandLineParser& p, const QCommandLineOption& secenek,
                           const QString& adi, int alt, int ust, int& deger, QString* hata)
{
    if (!p.isSet(secenek))
        return true;
    const QString metin = p.value(secenek);
    const std::optional<int> sayi = TamSayi(metin);
    if (!sayi || *sayi < alt || *sayi > ust) {
        *hata = QStringLiteral("%1 %2 ile %3 arasında bir tam sayı olmalı: %4")
                    .arg(adi)
                    .arg(alt)
                    .arg(ust)
                    .arg(metin);
        return false;
    }
    deger = *sayi;
    return true;
}

AyKomutu::AyKomutu()
    : YerKomutu({QStringLiteral("month")},
                QStringLiteral("Bir ayın vakit çizelgesini yazar (--csv ile CSV)."),
                QStringLiteral("Bir ayın vakit çizelgesini yazar: her gün için tarih, Hicri tarih "
                               "ve altı vakit.")),
      yil_(QStringLiteral("year"), QStringLiteral("Yıl, 1 ile 9999 arası (varsayılan: bu yıl)."),
           QStringLiteral("YIL")),
      ay_(QStringLiteral("month"), QStringLiteral("Ay, 1 ile 12 arası (varsayılan: bu ay)."),
          QStringLiteral("AY")),
      csv_(QStringLiteral("csv"),
           QStringLiteral("Virgülle ayrılmış değerler olarak yaz (başlık satırıyla)."))
{
    SecenekEkle({yil_, ay_, csv_});
}

int AyKomutu::Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
                    const KomutOrtami& ortam) const
{
    QString hata;
    const QDate bugun = ortam.Zaman.Simdi().date();
    int yil = bugun.year();
    int ay = bugun.month();
    VakitGirdisi girdi;
    if (!SayiAraligi(p, yil_, QStringLiteral("Yıl"), 1, 9999, yil, &hata) ||
        !SayiAraligi(p, ay_, QStringLiteral("Ay"), 1, 12, ay, &hata) ||
        !Girdi(p, ortam, girdi, &hata, err))
        return Cikis::Hata(err, hata);

    const QDate ilk(yil, ay, 1);
    girdi.SeciliTarih = QDateTime(ilk, QTime(0, 0));
    GecisleriDoldur(girdi, ortam.YazSaati); // one year, one pair of dates

    std::vector<Satir> satirlar;
    for (QDate gun = ilk; gun.month() == ay; gun = gun.addDays(1)) {
        girdi.SeciliTarih = QDateTime(gun, QTime(0, 0));
        satirlar.push_back({gun, GunlukHesapla(girdi)});
    }
    if (p.isSet(csv_))
        CsvYaz(satirlar, out);
    else
        CizelgeYaz(satirlar, out);
    return Cikis::Tamam;
}
