#include "locations/KonumEkleme.h"

#include "engine/Sayi.h"
#include "engine/VakitGirdisi.h"

#include <cmath>
#include <limits>

const QString KonumEkleme::VarsayilanUlke = QStringLiteral("Türkiye");

namespace {

const QString EksikMesaji = QStringLiteral("Lütfen bilgileri eksiksiz giriniz.");
const QString EnlemMesaji = QStringLiteral("Geçerli bir Enlem Koordinatı giriniz.");
const QString BoylamMesaji = QStringLiteral("Geçerli bir Boylam Koordinatı giriniz.");
// data.db numbers its rows with 16-bit Ids: a row past 32767 would be skipped when read.
const QString IdTukendiMesaji =
    QStringLiteral("Konum listesi dolu: yeni bir Şehir / Bölge eklenemez.");

Hata Red(const QString& mesaj)
{
    return {mesaj, {}, KonumEkleme::GirdiReddi};
}

// A time-zone value of the table ("2", "-3,5").
double SaatDilimiDegeri(int i)
{
    return Sayi::Coz(QString::fromLatin1(KonumEkleme::SaatDilimleri()[i].Deger)).value_or(0);
}

} // namespace

const std::array<SaatDilimi, KonumEkleme::SaatDilimiSayisi>& KonumEkleme::SaatDilimleri()
{
    // The labels are shown as they are, "&amp;" and the missing opening parenthesis included.
    static const std::array<SaatDilimi, SaatDilimiSayisi> tablo = {{
        {"-12", "GMT -12:00) Eniwetok, Kwajalein"},
        {"-11", "GMT -11:00) Midway Island, Samoa"},
        {"-10", "GMT -10:00) Hawaii"},
        {"-9", "GMT -9:00) Alaska"},
        {"-8", "GMT -8:00) Pacific Time (US &amp; Canada)"},
        {"-7", "GMT -7:00) Mountain Time (US &amp; Canada)"},
        {"-6", "GMT -6:00) Central Time (US &amp; Canada), Mexico City"},
        {"-5", "GMT -5:00) Eastern Time (US &amp; Canada), Bogota, Lima"},
        {"-4,5", "GMT -4:30) Caracas"},
        {"-4", "GMT -4:00) Atlantic Time (Canada), Caracas, La Paz"},
        {"-3,5", "GMT -3:30) Newfoundland"},
        {"-3", "GMT -3:00) Brazil, Buenos Aires, Georgetown"},
        {"-2", "GMT -2:00) Mid-Atlantic"},
        {"-1", "GMT -1:00 hour) Azores, Cape Verde Islands"},
        {"0", "GMT) Western Europe Time, London, Lisbon, Casablanca"},
        {"1", "GMT +1:00 hour) Brussels, Copenhagen, Madrid, Paris"},
        {"2", "GMT +2:00) İstanbul, Athina, Kaliningrad, South Africa"},
        {"3", "GMT +3:00) Baghdad, Riyadh, Moscow, St. Petersburg"},
        {"3,5", "GMT +3:30) Tehran"},
        {"4", "GMT +4:00) Abu Dhabi, Muscat, Baku, Tbilisi"},
        {"4,5", "GMT +4:30) Kabul"},
        {"5", "GMT +5:00) Ekaterinburg, Islamabad, Karachi, Tashkent"},
        {"5,5", "GMT +5:30) Bombay, Calcutta, Madras, New Delhi"},
        {"5,75", "GMT +5:45) Kathmandu"},
        {"6", "GMT +6:00) Almaty, Dhaka, Colombo"},
        {"6,5", "GMT +6:30) Yangon, Cocos Islands"},
        {"7", "GMT +7:00) Bangkok, Hanoi, Jakarta"},
        {"8", "GMT +8:00) Beijing, Perth, Singapore, Hong Kong"},
        {"9", "GMT +9:00) Tokyo, Seoul, Osaka, Sapporo, Yakutsk"},
        {"9,5", "GMT +9:30) Adelaide, Darwin"},
        {"10", "GMT +10:00) Eastern Australia, Guam, Vladivostok"},
        {"11", "GMT +11:00) Magadan, Solomon Islands, New Caledonia"},
        {"12", "GMT +12:00) Auckland, Wellington, Fiji, Kamchatka"},
    }};
    return tablo;
}

int KonumEkleme::SaatDilimiBul(const QString& saat)
{
    const std::optional<double> deger = Sayi::Coz(saat);
    if (!deger)
        return -1;
    for (int i = 0; i < SaatDilimiSayisi; ++i)
        if (SaatDilimiDegeri(i) == *deger)
            return i;
    return -1;
}

Sonuc<> KonumEkleme::Denetle(const EkleGirdisi& g, const KonumSatirlari& satirlar)
{
    // Empty as typed: a text of spaces only is not empty here.
    if (g.Ulke.isEmpty() || g.Sehir.isEmpty() || g.Enlem.isEmpty() || g.Boylam.isEmpty())
        return Red(EksikMesaji);
    if (satirlar.Bul(g.Sehir + QLatin1Char(',') + g.Ulke) >= 0)
        return Red(QLatin1Char('\'') + g.Ulke + QStringLiteral(" - ") + g.Sehir +
                   QStringLiteral("' zaten mevcut."));
    const std::optional<double> enlem = Sayi::Coz(g.Enlem);
    if (!enlem || !VakitGirdisi::EnlemGecerli(*enlem))
        return Red(EnlemMesaji);
    const std::optional<double> boylam = Sayi::Coz(g.Boylam);
    if (!boylam || !VakitGirdisi::BoylamGecerli(*boylam))
        return Red(BoylamMesaji);
    if (g.SaatDilimi < 0 || g.SaatDilimi >= SaatDilimiSayisi)
        return Red(EksikMesaji);
    const KonumKaydi k = YeniKayit(g, satirlar);
    if (!KonumDosyasi::AdYazilabilir(k.Ulke) || !KonumDosyasi::AdYazilabilir(k.Sehir))
        return Red(QString::fromUtf8(GecersizAdMesaji.Metin));
    if (k.Id > std::numeric_limits<qint16>::max())
        return Red(IdTukendiMesaji);
    return {};
}

KonumKaydi KonumEkleme::YeniKayit(const EkleGirdisi& g, const KonumSatirlari& satirlar)
{
    KonumKaydi k;
    k.Id = satirlar.isEmpty() ? 1 : satirlar.at(satirlar.size() - 1).Id + 1;
    k.Ulke = BosluklariKirp(g.Ulke);
    k.Sehir = BosluklariKirp(g.Sehir);
    if (g.SaatDilimi >= 0 && g.SaatDilimi < SaatDilimiSayisi)
        k.Tz = SaatDilimiDegeri(g.SaatDilimi);
    k.Enlem = Sayi::Coz(g.Enlem).value_or(0);
    k.Boylam = Sayi::Coz(g.Boylam).value_or(0);
    return k;
}

QUrl KonumEkleme::OneriAdresi(const QString& kok, const EkleGirdisi& g)
{
    QByteArray adres = kok.toUtf8();
    while (adres.endsWith('/'))
        adres.chop(1);
    const QString tz = g.SaatDilimi >= 0 && g.SaatDilimi < SaatDilimiSayisi
                           ? QString::fromLatin1(SaatDilimleri()[g.SaatDilimi].Deger)
                           : QString();
    const std::pair<const char*, const QString&> anahtarlar[] = {{"?ulke=", g.Ulke},
                                                                 {"&sehir=", g.Sehir},
                                                                 {"&tz=", tz},
                                                                 {"&enlem=", g.Enlem},
                                                                 {"&boylam=", g.Boylam}};
    adres += "/oner.php";
    for (const auto& [anahtar, deger] : anahtarlar)
        adres += anahtar + QUrl::toPercentEncoding(deger);
    return QUrl::fromEncoded(adres, QUrl::StrictMode);
}

Sonuc<KonumEkleme::Eklenen> KonumEkleme::DosyayaEkle(KonumDosyasi& dosya, const EkleGirdisi& g,
                                                     QVector<int>* atlanan)
{
    const KonumDosyasi::Kilit kilit(dosya);
    if (!kilit.Durum())
        return kilit.Durum().Hatasi();
    Eklenen e;
    QVector<KonumKaydi> kayitlar;
    const Sonuc<> okunan = dosya.DosyadanOku(kayitlar);
    e.Satirlar = KonumSatirlari(std::move(kayitlar));
    if (atlanan)
        *atlanan = dosya.AtlananSatirlar();
    if (!okunan)
        return okunan.Hatasi();
    if (Sonuc<> denetim = Denetle(g, e.Satirlar); !denetim)
        return denetim.Hatasi();
    e.Kayit = YeniKayit(g, e.Satirlar);
    if (const Sonuc<> yazilan = dosya.SatirEkle(e.Kayit); !yazilan)
        return yazilan.Hatasi();
    e.Satirlar.Ekle(e.Kayit);
    return e;
}
