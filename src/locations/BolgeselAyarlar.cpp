#include "locations/BolgeselAyarlar.h"

#include "locations/BolgeselMetinler.h"
#include "locations/KonumDosyasi.h"
#include "locations/clsFastCollection.h"
#include "locations/vkListItem.h"
#include "platform/AyarDeposu.h"

namespace {

QString Bayrak(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

BolgeselAyarlar::BolgeselAyarlar(AyarDeposu& depo, BolgeselAyarHedefi& hedef)
    : Depo(depo), Hedef(hedef)
{
}

std::optional<QString> BolgeselAyarlar::Denetle(const BolgeselAyarFormu& form, Sonuc& sonuc) const
{
    // Minutes that could not be read back at the next start are refused before anything is
    // stored, so one save never keeps half of the page.
    const QString dakikaHatasi = AyarDeposu::Denetle(QStringLiteral("BADakika"), form.Dakika);
    if (!dakikaHatasi.isEmpty()) {
        sonuc = Sonuc::DakikaGecersiz;
        return dakikaHatasi;
    }
    if (!Depo.Yazilabilir()) {
        sonuc = Sonuc::Yazilamadi;
        return QString::fromUtf8(AyarYazilamiyorMetni);
    }
    return std::nullopt;
}

BolgeselAyarlar::Sonuc BolgeselAyarlar::BolgeselAyarKaydet()
{
    const int secili = Hedef.ListeSecili();
    // An active row past the list (a stored number from a longer data.db) counts as none.
    const vkListItem* satir = Hedef.ListeSatiri(secili >= 1 ? secili : Hedef.ListeAktif());
    if (!satir) {
        Hedef.Uyar(BolgeselMetinler::UyariBasligi, BolgeselMetinler::SehirSeciniz);
        return Sonuc::SatirYok;
    }
    BolgeselAyarFormu form = Hedef.FormuOku();
    Sonuc red = Sonuc::Kaydedildi;
    if (const std::optional<QString> mesaj = Denetle(form, red)) {
        Hedef.Uyar(BolgeselMetinler::UyariBasligi, *mesaj);
        return red;
    }

    if (secili >= 1)
        Hedef.setListeAktif(secili);
    Konum = SeciliKonum::Kayittan(satir->Kayit());
    bool yazildi = Konum.Yaz(Depo);
    yazildi = Depo.Yaz({{QStringLiteral("BAEzan"), Bayrak(form.Ezan)},
                        {QStringLiteral("BAUyari"), Bayrak(form.Uyari)},
                        {QStringLiteral("BADakika"), form.Dakika.trimmed()},
                        {QStringLiteral("BASesli"), Bayrak(form.Sesli)}}) &&
              yazildi;

    if (form.Hesap != VakitHesap) {
        const bool evet = Hedef.Onayla(BolgeselMetinler::YontemBasligi,
                                       BolgeselMetinler::YontemOnayMetni(form.Hesap));
        if (!evet) {
            // Declining falls back to the standard method, whatever was chosen before.
            form.Hesap = 0;
            Hedef.FormuGoster(form);
        }
    }
    yazildi = Depo.Yaz({{QStringLiteral("VakitHesap"), QString::number(form.Hesap)}}) && yazildi;

    BolgeselAyarUygula();
    if (!yazildi) {
        Hedef.Uyar(BolgeselMetinler::UyariBasligi, QString::fromUtf8(AyarYazilamadiMetni));
        return Sonuc::Yazilamadi;
    }
    return Sonuc::Kaydedildi;
}

void BolgeselAyarlar::BolgeselAyarUygula()
{
    QString bozuk;
    Konum = SeciliKonum::Oku(Depo, &bozuk);
    if (!bozuk.isEmpty())
        Hedef.Uyar(BolgeselMetinler::UyariBasligi, BolgeselMetinler::KonumOkunamadi(bozuk));

    const QString ipucu = BolgeselMetinler::KonumIpucu(Konum.Enlem, Konum.Boylam, Konum.Tz);
    Hedef.YerGoster(Konum.Ulke, Konum.Sehir, ipucu);

    Ezan = Depo.MantiksalOku(QStringLiteral("BAEzan"));
    Hedef.EzanDugmesi(Ezan);

    Uyari = Depo.MantiksalOku(QStringLiteral("BAUyari"));
    Dakika = Depo.TamsayiOku(QStringLiteral("BADakika"));
    Sesli = Depo.MantiksalOku(QStringLiteral("BASesli"));
    VakitHesap = Depo.TamsayiOku(QStringLiteral("VakitHesap"));

    BolgeselAyarFormu form;
    form.Ezan = Ezan;
    form.Uyari = Uyari;
    form.Dakika = QString::number(Dakika);
    form.Sesli = Sesli;
    form.Hesap = VakitHesap;
    form.DakikaEtkin = Uyari;
    Hedef.FormuGoster(form);

    Hedef.YerGoster(Konum.Ulke, Konum.Sehir, ipucu);
    Hedef.Hesapla();
    Hedef.UyariyiSifirla();
}

BolgeselAyarlar::EklemeSonucu BolgeselAyarlar::KonumEkle(KonumDosyasi& dosya,
                                                         const EkleGirdisi& girdi)
{
    EklemeSonucu e;
    Sonuc red = Sonuc::Kaydedildi;
    if (const std::optional<QString> mesaj = Denetle(Hedef.FormuOku(), red)) {
        e.Mesaj = *mesaj;
        return e;
    }
    KonumEkleme::DosyaSonucu s = KonumEkleme::DosyayaEkle(dosya, girdi);
    e.Dosya = s.Dosya;
    if (s.Dosya != KonumDosyasiSonucu::Tamam) {
        e.Mesaj = QString::fromUtf8(KonumDosyasiMesaji(s.Dosya).Metin);
        return e;
    }
    if (s.Red) {
        e.Mesaj = *s.Red;
        return e;
    }
    // The list learns every row on disk now, those other writers added included.
    const int yeni = s.Satirlar.Count();
    Hedef.ListeyiDoldur(s.Satirlar);
    Hedef.setListeAktif(yeni);
    Hedef.setListeSecili(yeni);
    e.Eklendi = true;
    BolgeselAyarKaydet();
    return e;
}

void BolgeselAyarlar::UyariDegisti(BolgeselAyarFormu& form)
{
    form.DakikaEtkin = form.Uyari;
}
