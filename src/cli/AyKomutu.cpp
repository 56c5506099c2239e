#include "cli/AyKomutu.h"

#include "cli/Cikis.h"
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

void CsvYaz(const std::vector<AylikKomut::Gun>& satirlar, QTextStream& out)
{
    out << "tarih,hicri";
    for (const char* anahtar : VakitAnahtarlari)
        out << ',' << anahtar;
    out << '\n';
    for (const AylikKomut::Gun& s : satirlar) {
        out << s.Tarih.toString(Qt::ISODate) << ',' << CsvAlani(s.Sonuc.Hicri);
        for (const QString& metin : s.Sonuc.Metinler)
            out << ',' << metin;
        out << '\n';
    }
}

void CizelgeYaz(const std::vector<AylikKomut::Gun>& satirlar, QTextStream& out)
{
    const QString ara = QStringLiteral("  ");
    qsizetype hicriGenislik = QStringLiteral("Hicri").size();
    for (const AylikKomut::Gun& s : satirlar)
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
    for (const AylikKomut::Gun& s : satirlar) {
        out << s.Tarih.toString(Qt::ISODate) << ara << s.Sonuc.Hicri.leftJustified(hicriGenislik);
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

AyKomutu::AyKomutu()
    : AylikKomut({QStringLiteral("month")},
                 QStringLiteral("Bir ayın vakit çizelgesini yazar (--csv ile CSV)."),
                 QStringLiteral("Bir ayın vakit çizelgesini yazar: her gün için tarih, Hicri tarih "
                                "ve altı vakit.")),
      csv_(QStringLiteral("csv"),
           QStringLiteral("Virgülle ayrılmış değerler olarak yaz (başlık satırıyla)."))
{
    SecenekEkle({csv_});
}

int AyKomutu::Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
                    const KomutOrtami& ortam) const
{
    Ay ay;
    if (const Sonuc<> s = AyHesapla(p, ortam, ay, err); !s)
        return Cikis::Hata(err, s.Hatasi());
    if (p.isSet(csv_))
        CsvYaz(ay.Gunler, out);
    else
        CizelgeYaz(ay.Gunler, out);
    return Cikis::Tamam;
}
