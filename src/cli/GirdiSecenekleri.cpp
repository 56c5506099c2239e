#include "cli/GirdiSecenekleri.h"

#include "cli/VarsayilanKonum.h"
#include "engine/HesapYontemi.h"
#include "engine/Sayi.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace GirdiSecenekleri {

namespace {

bool Hata(QString* hata, const QString& metin)
{
    if (hata)
        *hata = metin;
    return false;
}

// Reads --<ad> as a number in [alt, ust] into `deger` when given.
bool SayiSecenegi(const Secenekler& s, const QString& ad, const QString& adi, double alt,
                  double ust, double& deger, QString* hata)
{
    if (!s.Var(ad))
        return true;
    const QString metin = s.Deger(ad);
    const std::optional<double> sayi = ::Sayi::Coz(metin);
    if (!sayi)
        return Hata(hata, QStringLiteral("Geçersiz sayı: --%1 %2").arg(ad, metin));
    if (*sayi < alt || *sayi > ust)
        return Hata(hata, QStringLiteral("%1 %2 ile %3 arasında olmalı: %4")
                              .arg(adi)
                              .arg(alt)
                              .arg(ust)
                              .arg(metin));
    deger = *sayi;
    return true;
}

} // namespace

QStringList Degerli()
{
    return {QStringLiteral("lat"),     QStringLiteral("lon"),    QStringLiteral("tz"),
            QStringLiteral("country"), QStringLiteral("method"), QStringLiteral("hicri-gun")};
}

QStringList Bayraklar()
{
    return {QStringLiteral("no-dst")};
}

std::optional<int> TamSayi(const QString& metin)
{
    static const QRegularExpression bicim(QStringLiteral("^[+-]?[0-9]+$"));
    if (!bicim.match(metin).hasMatch())
        return std::nullopt;
    bool tamam = false;
    const int sayi = metin.toInt(&tamam);
    if (!tamam)
        return std::nullopt;
    return sayi;
}

std::optional<QDate> Tarih(const QString& metin)
{
    static const QRegularExpression bicim(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch m = bicim.match(metin);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate tarih(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!tarih.isValid())
        return std::nullopt;
    return tarih;
}

bool TarihSecenegi(const Secenekler& s, const QString& ad, QDate& tarih, QString* hata)
{
    if (!s.Var(ad))
        return true;
    const std::optional<QDate> t = Tarih(s.Deger(ad));
    if (!t)
        return Hata(hata, QStringLiteral("Geçersiz tarih: %1 (YYYY-AA-GG biçiminde, var olan "
                                         "bir gün olmalı)")
                              .arg(s.Deger(ad)));
    tarih = *t;
    return true;
}

bool Uygula(const Secenekler& s, VakitGirdisi& girdi, QString* hata)
{
    const bool enlem = s.Var(QStringLiteral("lat"));
    const bool boylam = s.Var(QStringLiteral("lon"));
    const bool tz = s.Var(QStringLiteral("tz"));
    if (enlem || boylam || tz) {
        if (!(enlem && boylam && tz))
            return Hata(hata, QStringLiteral("--lat, --lon ve --tz birlikte verilmeli."));
        // Another place: the default's country (and its extra hour) does not carry over.
        girdi.Ulke.clear();
    }
    using G = VakitGirdisi;
    if (!SayiSecenegi(s, QStringLiteral("lat"), QStringLiteral("Enlem"), -G::EnlemSiniri,
                      G::EnlemSiniri, girdi.Enlem, hata) ||
        !SayiSecenegi(s, QStringLiteral("lon"), QStringLiteral("Boylam"), -G::BoylamSiniri,
                      G::BoylamSiniri, girdi.Boylam, hata) ||
        !SayiSecenegi(s, QStringLiteral("tz"), QStringLiteral("Saat dilimi"), G::TzEnAz, G::TzEnCok,
                      girdi.Tz, hata))
        return false;

    if (s.Var(QStringLiteral("country")))
        girdi.Ulke = s.Deger(QStringLiteral("country"));

    if (s.Var(QStringLiteral("method"))) {
        const QString metin = s.Deger(QStringLiteral("method"));
        const std::optional<int> yontem = TamSayi(metin);
        if (!yontem || !HesapYontemiBul(*yontem))
            return Hata(hata,
                        QStringLiteral("Hesap yöntemi 0 ile 4 arasında olmalı: %1").arg(metin));
        girdi.VakitHesap = *yontem;
    }

    if (s.Var(QStringLiteral("hicri-gun"))) {
        const QString metin = s.Deger(QStringLiteral("hicri-gun"));
        const std::optional<int> gun = TamSayi(metin);
        // The setting is a 16-bit number of days.
        if (!gun || *gun < std::numeric_limits<qint16>::min() ||
            *gun > std::numeric_limits<qint16>::max())
            return Hata(hata, QStringLiteral("Hicri gün düzeltmesi -32768 ile 32767 arasında bir "
                                             "tam sayı olmalı: %1")
                                  .arg(metin));
        girdi.HicriGun = *gun;
    }

    if (s.Var(QStringLiteral("no-dst")))
        girdi.YazSaati = false;
    return true;
}

bool Girdi(const Secenekler& s, VakitGirdisi& girdi, QString* hata)
{
    QString yerHatasi;
    girdi = VarsayilanGirdi(&yerHatasi);
    if (!yerHatasi.isEmpty() && !s.Var(QStringLiteral("lat")) && !s.Var(QStringLiteral("konum")))
        return Hata(hata, yerHatasi);
    return Uygula(s, girdi, hata);
}

void GecisleriDoldur(VakitGirdisi& girdi, const YazSaatiKaynagi& kaynak)
{
    const auto [baslangic, bitis] = kaynak.Gecisler(girdi.SeciliTarih.date().year());
    girdi.YazBaslangic = baslangic;
    girdi.YazBitis = bitis;
}

bool GununGirdisi(const Secenekler& s, const KomutOrtami& ortam, VakitGirdisi& girdi, QString* hata)
{
    QDate gun;
    if (!TarihSecenegi(s, QStringLiteral("date"), gun, hata) || !Girdi(s, girdi, hata))
        return false;
    girdi.SeciliTarih = ortam.Zaman.Simdi();
    if (gun.isValid())
        girdi.SeciliTarih = QDateTime(gun, QTime(0, 0));
    GecisleriDoldur(girdi, ortam.YazSaati);
    return true;
}

QString Yardim()
{
    QString yontemler;
    for (const HesapYontemi& y : HesapYontemleri())
        yontemler += QStringLiteral("                       %1  %2\n").arg(y.Index).arg(y.Ad);
    return QStringLiteral(
               "Yer seçenekleri (hiçbiri verilmezse İstanbul, Türkiye):\n"
               "  --lat ENLEM        Enlem, derece; kuzey artı (-90 ile 90 arası).\n"
               "  --lon BOYLAM       Boylam, derece; doğu artı (-180 ile 180 arası).\n"
               "  --tz SAAT          Yerin kış saati farkı, GMT'ye göre saat (5.75 ya da 5,75).\n"
               "                     --lat, --lon ve --tz birlikte verilir.\n"
               "  --country ÜLKE     Ülke adı; \"Türkiye\" her gün bir saat ekler.\n"
               "Hesap seçenekleri:\n"
               "  --method N         Hesap yöntemi, 0 ile 4 arası (varsayılan 0):\n"
               "%1"
               "  --no-dst           Sistemin yaz saati kuralını uygulama.\n"
               "  --hicri-gun N      Hicri takvimi N gün ileri (eksi: geri) al.\n")
        .arg(yontemler);
}

} // namespace GirdiSecenekleri
