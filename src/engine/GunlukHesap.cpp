#include "engine/GunlukHesap.h"

#include "engine/HesapYontemi.h"
#include "engine/HicriTakvim.h"
#include "engine/Yuvarlama.h"

#include <cmath>

namespace {

// The constants are kept exactly as the published times were computed with them: a shorter
// or longer π moves some times across a minute boundary.
constexpr double Pi = 3.1415926535898;
constexpr double Radyan = Pi / 180;                // degrees to radians
constexpr double Saate = 180 / 47.12388980384701;  // hour-angle radians to hours
constexpr double YilAcisi = 6.2831853071796 / 365; // fractional year per day
constexpr double GunesUfku = -0.8333 - 0.0347 * 1; // refraction and disc, observer 1 m up
constexpr double EnlemSiniri = 62;                 // further north is computed as 62°
constexpr double YuksekEnlem = 45;                 // the twilight share rule applies above
constexpr double PayTesti = 1.33;
constexpr double PaySiniri = 1.333;

// Hour angle in hours at which the sun stands at `yukseklik` degrees.
double SaatAcisi(double sinYukseklik, double phi, double delta)
{
    const double x =
        (sinYukseklik - std::sin(phi) * std::sin(delta)) / (std::cos(phi) * std::cos(delta));
    return ACos(x) * Saate;
}

} // namespace

double ACos(double x)
{
    // Written so that a NaN (a zero divisor at the pole) also counts as "never reached".
    if (!(x >= -1 && x <= 1))
        return 0;
    if (x == 1)
        return 0;
    if (x == -1)
        return 3.14159265358979;
    return 1.5707963267949 - std::atan(x / std::sqrt(1 - x * x));
}

int YazSaatiFarki(const VakitGirdisi& girdi)
{
    if (girdi.Ulke == QStringLiteral("Türkiye"))
        return 1;
    if (!girdi.YazSaati || !girdi.YazBaslangic.isValid() || !girdi.YazBitis.isValid())
        return 0;
    // Both boundaries are midnights, so comparing calendar days is the same as comparing the
    // full date-time: the start day is summer time, the end day is not.
    const QDate gun = girdi.SeciliTarih.date();
    const QDate& bas = girdi.YazBaslangic;
    const QDate& bit = girdi.YazBitis;
    if (bas <= bit)
        return (bas <= gun && gun < bit) ? 1 : 0;
    // Southern rules: summer spans the year end.
    return (gun >= bas || gun < bit) ? 1 : 0;
}

HamVakitler HamVakitleriHesapla(const VakitGirdisi& girdi)
{
    HamVakitler s{};
    const int D = YazSaatiFarki(girdi);
    s.YazSaati = D;

    double enlem = girdi.Enlem;
    if (enlem > EnlemSiniri)
        enlem = EnlemSiniri;
    const double phi = enlem * Radyan;

    double imsakAcisi = 0;
    double yatsiAcisi = 0;
    if (const HesapYontemi* y = HesapYontemiBul(girdi.VakitHesap)) {
        imsakAcisi = y->ImsakAcisi;
        yatsiAcisi = y->YatsiAcisi;
    }

    // Spencer's series for declination and the equation of time.
    const int n = girdi.SeciliTarih.date().dayOfYear();
    const double g = (n - 1) * YilAcisi;
    s.Deklinasyon =
        (0.006918 - 0.399912 * std::cos(g) + 0.070257 * std::sin(g) - 0.006758 * std::cos(2 * g) +
         0.000907 * std::sin(2 * g) - 0.002697 * std::cos(3 * g) + 0.00148 * std::sin(3 * g)) *
        180 / Pi;
    s.ZamanDenklemi = 229.18 * (0.000075 + 0.001868 * std::cos(g) - 0.032077 * std::sin(g) -
                                0.014615 * std::cos(2 * g) - 0.040849 * std::sin(2 * g));
    const double delta = s.Deklinasyon * Radyan;

    const double N = 12 + (girdi.Tz * 15 - girdi.Boylam) / 15 - s.ZamanDenklemi / 60;
    s.OglenVakti = N;

    s.HGunes = SaatAcisi(std::sin(GunesUfku * Radyan), phi, delta);
    s.HImsak = SaatAcisi(std::sin(-imsakAcisi * Radyan), phi, delta);
    s.HYatsi = SaatAcisi(std::sin(-yatsiAcisi * Radyan), phi, delta);
    // İkindi: the shadow is the object's length plus its noon shadow.
    const double A = std::atan(1 / (1 + std::tan(std::fabs(phi - delta))));
    s.HIkindi = SaatAcisi(std::sin(A), phi, delta);

    // East of 45° between March and August another İmsak rule was once planned; the
    // angle-based İmsak below is kept for every longitude.
    double imsak = N - s.HImsak + D;
    const double gunes = N - s.HGunes + D - 0.112;
    const double ogle = N + D + 0.112;
    const double ikindi = N + s.HIkindi + D + 0.08;
    const double aksam = N + s.HGunes + D + 0.144;
    double yatsi = N + s.HYatsi + D;

    // Up north the twilight angles are unreliable or never reached: take a share of the night.
    if (enlem > YuksekEnlem) {
        double pay = (aksam - imsak) / 3;
        if (pay > PayTesti)
            pay = PaySiniri;
        yatsi = aksam + pay;
        imsak = gunes - (yatsi - aksam) - 0.166;
    }
    s.Ham = {imsak, gunes, ogle, ikindi, aksam, yatsi};
    return s;
}

SaatDakika SaatDakikaya(double saat)
{
    if (!std::isfinite(saat))
        saat = 0;
    // Days away from the selected one (only a place out of range gets there): their clock
    // time, before rounding loses the hour in the magnitude.
    if (std::fabs(saat) >= 48)
        saat = std::fmod(saat, 24);
    double h = std::floor(saat);
    // Hundredths of an hour first, then minutes; both round half to even.
    double m = CifteYuvarla((CifteYuvarla(saat * 100) / 100 - h) * 60);
    if (m >= 60) {
        m = 0;
        h += 1;
    }
    // Times past midnight or before it (far east or west of the zone's meridian) wrap into
    // the day instead of showing 24:15 or -1:30.
    h = std::fmod(h, 24);
    if (h < 0)
        h += 24;
    return {static_cast<int>(h), static_cast<int>(m)};
}

VakitSonucu GunlukHesapla(const VakitGirdisi& girdi)
{
    VakitSonucu sonuc;
    const QDate gun = girdi.SeciliTarih.date();
    sonuc.Miladi = MiladiTarih(gun);
    sonuc.Hicri = HicriTarih(gun, girdi.HicriGun);

    const HamVakitler ham = HamVakitleriHesapla(girdi);
    for (std::size_t i = 0; i < ham.Ham.size(); ++i) {
        const SaatDakika sd = SaatDakikaya(ham.Ham[i]);
        sonuc.Metinler[i] = QStringLiteral("%1:%2")
                                .arg(sd.Saat, 2, 10, QLatin1Char('0'))
                                .arg(sd.Dakika, 2, 10, QLatin1Char('0'));
        sonuc.GunlukVakitler[i] = sd.Saat * 3600.0 + sd.Dakika * 60.0;
    }
    return sonuc;
}
