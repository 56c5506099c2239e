#include "cli/YerKomutu.h"

#include "cli/Cikis.h"
#include "cli/KonumArama.h"
#include "cli/VarsayilanKonum.h"
#include "engine/HesapYontemi.h"
#include "engine/Sayi.h"

#include <cmath>

namespace {

QString YontemAciklamasi()
{
    QString metin = QStringLiteral("Hesap yöntemi, 0 ile 4 arası (varsayılan 0):");
    for (const HesapYontemi& y : HesapYontemleri())
        metin += QStringLiteral("\n%1 %2").arg(y.Index).arg(y.Ad);
    return metin;
}

// Reads the option as a number in [alt, ust] into `deger` when given.
Sonuc<> SayiOku(const QCommandLineParser& p, const QCommandLineOption& secenek, const QString& adi,
                double alt, double ust, double& deger)
{
    if (!p.isSet(secenek))
        return {};
    const QString metin = p.value(secenek);
    const std::optional<double> sayi = Sayi::Coz(metin);
    if (!sayi || *sayi < alt || *sayi > ust)
        return Cikis::Red(
            sayi ? QStringLiteral("%1 %2 ile %3 arasında olmalı: %4")
                       .arg(adi)
                       .arg(alt)
                       .arg(ust)
                       .arg(metin)
                 : QStringLiteral("Geçersiz sayı: --%1 %2").arg(secenek.names().first(), metin));
    deger = *sayi;
    return {};
}

} // namespace

YerKomutu::YerKomutu(QStringList adlar, QString ozet, QString aciklama)
    : Komut(std::move(adlar), std::move(ozet), std::move(aciklama)),
      enlem_(QStringLiteral("lat"),
             QStringLiteral("Enlem, derece; kuzey artı (-90 ile 90 arası). Yer seçeneği "
                            "verilmezse kayıtlı yer (ilk açılışta İstanbul, Türkiye)."),
             QStringLiteral("ENLEM")),
      boylam_(QStringLiteral("lon"),
              QStringLiteral("Boylam, derece; doğu artı (-180 ile 180 arası)."),
              QStringLiteral("BOYLAM")),
      tz_(QStringLiteral("tz"),
          QStringLiteral("Yerin kış saati farkı, GMT'ye göre saat (5.75 ya da 5,75). --lat, "
                         "--lon ve --tz birlikte verilir."),
          QStringLiteral("SAAT")),
      ulke_(QStringLiteral("country"),
            QStringLiteral("Ülke adı; \"Türkiye\" her gün bir saat ekler."),
            QStringLiteral("ÜLKE")),
      yontem_(QStringLiteral("method"), YontemAciklamasi(), QStringLiteral("N")),
      yazSaatiYok_(QStringLiteral("no-dst"),
                   QStringLiteral("Sistemin yaz saati kuralını uygulama.")),
      yer_({QStringLiteral("place"), QStringLiteral("konum")},
           QStringLiteral("Yeri data.db'de ara (\"istanbul\" ya da \"istanbul,türkiye\"); "
                          "arama kutusunun seçtiği satırın ülkesi, enlemi, boylamı ve saat "
                          "dilimi kullanılır."),
           QStringLiteral("METİN"))
{
    SecenekEkle(
        {enlem_, boylam_, tz_, ulke_, yontem_, yazSaatiYok_, HicriGunSecenegi, yer_, DbSecenegi});
}

Sonuc<> YerKomutu::Girdi(const QCommandLineParser& p, const KomutOrtami& ortam, VakitGirdisi& girdi,
                         QTextStream& err, QString* yerAdi, KonumArama::Bulunan* bulunan) const
{
    const bool enlem = p.isSet(enlem_);
    const bool elle = enlem || p.isSet(boylam_) || p.isSet(tz_);
    if (elle && p.isSet(yer_))
        return Cikis::Red(QStringLiteral("%1 ile --lat, --lon ve --tz birlikte verilemez.")
                              .arg(YazilanAd(p, yer_)));
    QString yerHatasi;
    girdi = VarsayilanGirdi(&yerHatasi, yerAdi);
    if (!yerHatasi.isEmpty() && !enlem && !p.isSet(yer_))
        return Cikis::Red(yerHatasi);

    if (elle) {
        if (!(enlem && p.isSet(boylam_) && p.isSet(tz_)))
            return Cikis::Red(QStringLiteral("--lat, --lon ve --tz birlikte verilmeli."));
        // Another place: the stored country (and its extra hour) does not carry over.
        girdi.Ulke.clear();
    }
    using G = VakitGirdisi;
    Sonuc<> s =
        SayiOku(p, enlem_, QStringLiteral("Enlem"), -G::EnlemSiniri, G::EnlemSiniri, girdi.Enlem);
    if (s)
        s = SayiOku(p, boylam_, QStringLiteral("Boylam"), -G::BoylamSiniri, G::BoylamSiniri,
                    girdi.Boylam);
    if (s)
        s = SayiOku(p, tz_, QStringLiteral("Saat dilimi"), G::TzEnAz, G::TzEnCok, girdi.Tz);
    if (!s)
        return s;
    if (p.isSet(ulke_))
        girdi.Ulke = p.value(ulke_);
    if (p.isSet(yontem_)) {
        const std::optional<int> yontem = TamSayi(p.value(yontem_));
        if (!yontem || !HesapYontemiBul(*yontem))
            return Cikis::Red(
                QStringLiteral("Hesap yöntemi 0 ile 4 arasında olmalı: %1").arg(p.value(yontem_)));
        girdi.VakitHesap = *yontem;
    }
    if (p.isSet(yazSaatiYok_))
        girdi.YazSaati = false;
    if (elle && yerAdi)
        *yerAdi = KoordinatMetni(girdi.Enlem, girdi.Boylam);
    if (Sonuc<> gun = HicriGunOku(p, girdi.HicriGun); !gun)
        return gun;
    return KonumUygula(p, ortam, girdi, err, yerAdi, bulunan);
}

Sonuc<> YerKomutu::KonumUygula(const QCommandLineParser& p, const KomutOrtami& ortam,
                               VakitGirdisi& girdi, QTextStream& err, QString* yerAdi,
                               KonumArama::Bulunan* bulunan) const
{
    if (!p.isSet(yer_))
        return {};
    const Sonuc<KonumArama::Bulunan> b = KonumArama::Bul(p.value(yer_), Veritabani(p, ortam), err);
    // Not found is a refused input here: only the search command tells it apart.
    if (!b)
        return Cikis::Red(b.Mesaj());
    const KonumKaydi& k = b->Kayit;
    girdi.Enlem = k.Enlem;
    girdi.Boylam = k.Boylam;
    girdi.Tz = k.Tz;
    girdi.Ulke = p.isSet(ulke_) ? p.value(ulke_) : k.Ulke;
    // A search may select another place than the one meant ("san" is San Angelo): say which.
    const QString ad = k.Sehir + QStringLiteral(", ") + k.Ulke;
    err << "Konum: " << ad << '\n';
    err.flush();
    if (yerAdi)
        *yerAdi = ad;
    if (bulunan)
        *bulunan = *b;
    return {};
}

QJsonObject YerKomutu::YerJson(const KonumArama::Bulunan& b)
{
    return {{QStringLiteral("city"), b.Kayit.Sehir}, {QStringLiteral("country"), b.Kayit.Ulke},
            {QStringLiteral("tz"), b.Kayit.Tz},      {QStringLiteral("lat"), b.Kayit.Enlem},
            {QStringLiteral("lon"), b.Kayit.Boylam}, {QStringLiteral("line"), b.Satir}};
}

QString YerKomutu::KoordinatMetni(double enlem, double boylam)
{
    const auto derece = [](double x, QChar arti, QChar eksi) {
        QString sayi = QString::number(std::fabs(x), 'f', 6);
        while (sayi.endsWith(u'0'))
            sayi.chop(1);
        if (sayi.endsWith(u'.'))
            sayi.chop(1);
        return sayi.replace(u'.', u',') + QStringLiteral("° ") + (x < 0 ? eksi : arti);
    };
    return derece(enlem, u'K', u'G') + QStringLiteral(", ") + derece(boylam, u'D', u'B');
}

void YerKomutu::GecisleriDoldur(VakitGirdisi& girdi, const YazSaatiKaynagi& kaynak)
{
    const auto [baslangic, bitis] = kaynak.Gecisler(girdi.SeciliTarih.date().year());
    girdi.YazBaslangic = baslangic;
    girdi.YazBitis = bitis;
}
