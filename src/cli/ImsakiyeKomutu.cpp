#include "cli/ImsakiyeKomutu.h"

#include "cli/Cikis.h"
#include "engine/HesapYontemi.h"
#include "engine/HicriTakvim.h"
#include "engine/Vakit.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

namespace {

// The skin's colours: its dark accent green for the heading, the header row and the frame,
// its palest green behind every other day, its line grey and its text grey.
const QColor Yesil(0x2F, 0x7E, 0x58);
const QColor SolukYesil(0xEC, 0xF7, 0xF0);
const QColor CizgiRengi(0xC4, 0xCC, 0xC8);
const QColor YaziRengi(0x40, 0x40, 0x40);

constexpr double KenarMm = 15;
constexpr double SatirMm = 7;   // a row's height, less when the days need it
constexpr double BoslukMm = 2;  // between a text and its column's edges
constexpr double CizgiMm = 0.2; // every line
constexpr double EnBuyukPunto = 10;
constexpr double EnKucukPunto = 6;

constexpr std::size_t SutunSayisi = 8;
using Satir = std::array<QString, SutunSayisi>;

QFont Yazi(double punto, bool kalin = false)
{
    QFont yazi(QStringLiteral("Arial"));
    yazi.setPointSizeF(punto);
    yazi.setBold(kalin);
    return yazi;
}

// The header row, then one row a day.
std::vector<Satir> Satirlar(const AylikKomut::Ay& ay)
{
    std::vector<Satir> satirlar(1);
    satirlar[0][0] = QStringLiteral("Tarih");
    satirlar[0][1] = QStringLiteral("Hicri");
    for (std::size_t i = 0; i < VakitAdlari.size(); ++i)
        satirlar[0][2 + i] = QString::fromUtf8(VakitAdlari[i]);
    const QLocale turkce(QLocale::Turkish, QLocale::Turkey);
    for (const AylikKomut::Gun& gun : ay.Gunler) {
        Satir s;
        s[0] =
            gun.Sonuc.Miladi + u' ' + turkce.dayName(gun.Tarih.dayOfWeek(), QLocale::ShortFormat);
        s[1] = gun.Sonuc.Hicri;
        std::copy(gun.Sonuc.Metinler.begin(), gun.Sonuc.Metinler.end(), s.begin() + 2);
        satirlar.push_back(s);
    }
    return satirlar;
}

// Each column as wide as its widest text and the six times equally wide; a table wider than
// the page gets a smaller type. Gives the type's size.
double Olc(const std::vector<Satir>& satirlar, QPaintDevice& sayfa, double bosluk,
           std::array<double, SutunSayisi>& sutun)
{
    for (double punto = EnBuyukPunto;; punto -= 0.5) {
        const QFontMetricsF olcu(Yazi(punto), &sayfa);
        const QFontMetricsF kalinOlcu(Yazi(punto, true), &sayfa);
        for (std::size_t c = 0; c < SutunSayisi; ++c) {
            sutun[c] = kalinOlcu.horizontalAdvance(satirlar[0][c]);
            for (std::size_t r = 1; r < satirlar.size(); ++r)
                sutun[c] = std::max(sutun[c], olcu.horizontalAdvance(satirlar[r][c]));
            sutun[c] += 2 * bosluk;
        }
        std::fill(sutun.begin() + 2, sutun.end(),
                  *std::max_element(sutun.begin() + 2, sutun.end()));
        if (std::accumulate(sutun.begin(), sutun.end(), 0.0) <= sayfa.width() ||
            punto <= EnKucukPunto)
            return punto;
    }
}

} // namespace

ImsakiyeKomutu::ImsakiyeKomutu()
    : AylikKomut(
          {QStringLiteral("timetable"), QStringLiteral("imsakiye")},
          QStringLiteral("Bir ayın imsakiyesini A4 PDF sayfası olarak yazar."),
          QStringLiteral("Bir ayın imsakiyesini basılacak bir A4 sayfası olarak PDF "
                         "dosyasına yazar:\nbaşlıkta yer ve ay; her gün bir satırda Miladi ve "
                         "Hicri tarih ve altı vakit.")),
      pdf_(QStringLiteral("pdf"), QStringLiteral("Yazılacak PDF dosyası (gerekli)."),
           QStringLiteral("DOSYA"))
{
    SecenekEkle({pdf_});
}

int ImsakiyeKomutu::Yurut(const QCommandLineParser& p, QTextStream&, QTextStream& err,
                          const KomutOrtami& ortam) const
{
    Ay ay;
    if (!p.isSet(pdf_))
        return Cikis::Hata(err, QStringLiteral("Yazılacak dosya --pdf DOSYA ile verilmeli."));
    Sonuc<> s = AyHesapla(p, ortam, ay, err);
    if (s)
        s = DosyayaYaz(p.value(pdf_), Pdf(ay));
    if (!s)
        return Cikis::Hata(err, s.Hatasi());
    return Cikis::Tamam;
}

QByteArray ImsakiyeKomutu::Pdf(const Ay& ay)
{
    const QString baslik =
        ay.YerAdi + QStringLiteral(" — ") + MiladiTarih(ay.Ilk).section(u' ', 1); // "Haziran 2026"
    QString altBaslik = KoordinatMetni(ay.Girdi.Enlem, ay.Girdi.Boylam);
    if (altBaslik == ay.YerAdi)
        altBaslik.clear();
    if (const HesapYontemi* yontem = HesapYontemiBul(ay.Girdi.VakitHesap))
        altBaslik += (altBaslik.isEmpty() ? QString() : QStringLiteral(" · ")) + yontem->Ad;

    const std::vector<Satir> satirlar = Satirlar(ay);

    QByteArray pdf;
    QBuffer tampon(&pdf);
    tampon.open(QIODevice::WriteOnly);
    QPdfWriter yazici(&tampon);
    yazici.setResolution(300);
    yazici.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(KenarMm, KenarMm, KenarMm, KenarMm),
                                     QPageLayout::Millimeter));
    yazici.setTitle(QStringLiteral("İmsakiye: ") + baslik);
    yazici.setCreator(QStringLiteral("Orvanel"));
    const double mm = yazici.resolution() / 25.4;
    const double genislik = yazici.width();
    const double bosluk = BoslukMm * mm;

    QPainter boya(&yazici);
    // A long heading wraps rather than running off the page.
    boya.setPen(Yesil);
    boya.setFont(Yazi(16, true));
    QRectF alan = boya.boundingRect(QRectF(0, 0, genislik, 0), Qt::TextWordWrap, baslik);
    boya.drawText(alan, Qt::TextWordWrap, baslik);
    boya.setPen(YaziRengi);
    boya.setFont(Yazi(9));
    alan = boya.boundingRect(QRectF(0, alan.bottom() + 1 * mm, genislik, 0), Qt::TextWordWrap,
                             altBaslik);
    boya.drawText(alan, Qt::TextWordWrap, altBaslik);
    const double ust = alan.bottom() + 5 * mm;

    std::array<double, SutunSayisi> sutun{};
    const double punto = Olc(satirlar, yazici, bosluk, sutun);
    // The spare width shared out evenly.
    const double fazla = (genislik - std::accumulate(sutun.begin(), sutun.end(), 0.0)) /
                         static_cast<double>(SutunSayisi);
    for (double& s : sutun)
        s += std::max(0.0, fazla);
    const double satirBoyu =
        std::min(SatirMm * mm, (yazici.height() - ust) / static_cast<double>(satirlar.size()));
    const double alt = ust + satirBoyu * static_cast<double>(satirlar.size());

    for (std::size_t r = 0; r < satirlar.size(); ++r) {
        const double y = ust + satirBoyu * static_cast<double>(r);
        if (r == 0 || r % 2 == 0)
            boya.fillRect(QRectF(0, y, genislik, satirBoyu), r == 0 ? Yesil : SolukYesil);
        boya.setPen(r == 0 ? QColor(Qt::white) : YaziRengi);
        boya.setFont(Yazi(punto, r == 0));
        double x = 0;
        for (std::size_t c = 0; c < SutunSayisi; ++c) {
            // Dates from the left, times centred.
            const Qt::Alignment hiza =
                (c < 2 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter;
            boya.drawText(QRectF(x + bosluk, y, sutun[c] - 2 * bosluk, satirBoyu), hiza,
                          satirlar[r][c]);
            x += sutun[c];
        }
    }

    // Thin lines between the days and between the columns below the header, and a frame.
    boya.setPen(QPen(CizgiRengi, CizgiMm * mm));
    for (std::size_t r = 2; r < satirlar.size(); ++r) {
        const double y = ust + satirBoyu * static_cast<double>(r);
        boya.drawLine(QPointF(0, y), QPointF(genislik, y));
    }
    double x = 0;
    for (std::size_t c = 0; c + 1 < SutunSayisi; ++c) {
        x += sutun[c];
        boya.drawLine(QPointF(x, ust + satirBoyu), QPointF(x, alt));
    }
    boya.setPen(QPen(Yesil, CizgiMm * mm));
    boya.drawRect(QRectF(0, ust, genislik, alt - ust));
    boya.end();
    return pdf;
}
