#include "shell/BolgeselAyarlar.h"

#include "locations/KonumDosyasi.h"
#include "locations/KonumSatirlari.h"
#include "platform/AyarDeposu.h"
#include "shell/BolgeselMetinler.h"

namespace {

QString Bayrak(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

BolgeselAyarlar::BolgeselAyarlar(AyarDeposu& depo, BolgeselAyarHedefi& hedef)
    : depo_(depo), hedef_(hedef)
{
}

std::optional<QString> BolgeselAyarlar::Denetle(const BolgeselAyarFormu& form, Sonuc& sonuc) const
{
    // Minutes that could not be read back at the next start are refused before anything is
    // stored, so one save never keeps half of the page.
    if (!AyarDeposu::Gecerli(UyariAyarlari::BADakika, form.Dakika)) {
        sonuc = Sonuc::DakikaGecersiz;
        return QString::fromUtf8(BADakikaHataMetni);
    }
    if (!depo_.Yazilabilir()) {
        sonuc = Sonuc::Yazilamadi;
        return QString::fromUtf8(AyarYazilamiyorMetni);
    }
    return std::nullopt;
}

BolgeselAyarlar::Sonuc BolgeselAyarlar::BolgeselAyarKaydet()
{
    const int secili = hedef_.ListeSecili();
    // An active row past the list (a stored number from a longer data.db) counts as none.
    const KonumKaydi* satir = hedef_.ListeSatiri(secili >= 0 ? secili : hedef_.ListeAktif());
    if (!satir) {
        hedef_.Uyar(BolgeselMetinler::UyariBasligi, BolgeselMetinler::SehirSeciniz);
        return Sonuc::SatirYok;
    }
    BolgeselAyarFormu form = hedef_.FormuOku();
    Sonuc red = Sonuc::Kaydedildi;
    if (const std::optional<QString> mesaj = Denetle(form, red)) {
        hedef_.Uyar(BolgeselMetinler::UyariBasligi, *mesaj);
        return red;
    }

    // The row is copied first: making it active may repaint the list that holds it.
    const KonumKaydi kayit = *satir;
    if (secili >= 0)
        hedef_.setListeAktif(secili);
    Konum = SeciliKonum::Kayittan(kayit);
    bool yazildi = Konum.Yaz(depo_);
    yazildi = depo_.Yaz({{UyariAyarlari::BAEzan.Adi(), Bayrak(form.Ezan)},
                         {UyariAyarlari::BAUyari.Adi(), Bayrak(form.Uyari)},
                         {UyariAyarlari::BADakika.Adi(), form.Dakika.trimmed()},
                         {UyariAyarlari::BASesli.Adi(), Bayrak(form.Sesli)}}) &&
              yazildi;

    if (form.Hesap != VakitHesap) {
        const bool evet = hedef_.Onayla(BolgeselMetinler::YontemBasligi,
                                        BolgeselMetinler::YontemOnayMetni(form.Hesap));
        if (!evet) {
            // Declining falls back to the standard method, whatever was chosen before.
            form.Hesap = 0;
            hedef_.FormuGoster(form);
        }
    }
    yazildi = depo_.Yaz({{VakitHesapAnahtari.Adi(), QString::number(form.Hesap)}}) && yazildi;

    BolgeselAyarUygula();
    if (!yazildi) {
        hedef_.Uyar(BolgeselMetinler::UyariBasligi, QString::fromUtf8(AyarYazilamadiMetni));
        return Sonuc::Yazilamadi;
    }
    return Sonuc::Kaydedildi;
}

void BolgeselAyarlar::BolgeselAyarUygula()
{
    QString bozuk;
    Konum = SeciliKonum::Oku(depo_, &bozuk);
    if (!bozuk.isEmpty())
        hedef_.Uyar(BolgeselMetinler::UyariBasligi, BolgeselMetinler::KonumOkunamadi(bozuk));

    Uyarilar = UyariAyarlari::Oku(depo_);
    hedef_.EzanDugmesi(Uyarilar.Ezan);
    VakitHesap = depo_.Oku(VakitHesapAnahtari);

    BolgeselAyarFormu form;
    form.Ezan = Uyarilar.Ezan;
    form.Uyari = Uyarilar.Uyari;
    form.Dakika = QString::number(Uyarilar.Dakika);
    form.Sesli = Uyarilar.Sesli;
    form.Hesap = VakitHesap;
    form.DakikaEtkin = Uyarilar.Uyari;
    hedef_.FormuGoster(form);

    hedef_.YerGoster(Konum.Ulke, Konum.Sehir,
                     BolgeselMetinler::KonumIpucu(Konum.Enlem, Konum.Boylam, Konum.Tz));
    hedef_.Hesapla();
    hedef_.UyariyiSifirla();
}

BolgeselAyarlar::EklemeSonucu BolgeselAyarlar::KonumEkle(KonumDosyasi& dosya,
                                                         const EkleGirdisi& girdi)
{
    EklemeSonucu e;
    Sonuc red = Sonuc::Kaydedildi;
    if (const std::optional<QString> mesaj = Denetle(hedef_.FormuOku(), red)) {
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
    const int yeni = s.Satirlar.size() - 1;
    hedef_.ListeyiDoldur(std::move(s.Satirlar));
    hedef_.setListeAktif(yeni);
    hedef_.setListeGecerli(yeni);
    e.Eklendi = true;
    BolgeselAyarKaydet();
    return e;
}

void BolgeselAyarlar::UyariDegisti(BolgeselAyarFormu& form)
{
    form.DakikaEtkin = form.Uyari;
}
