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

Hata Reddet(BolgeselAyarlar::Red neden, const QString& mesaj)
{
    return {mesaj, BolgeselMetinler::UyariBasligi, int(neden)};
}

} // namespace

BolgeselAyarlar::BolgeselAyarlar(AyarDeposu& depo, BolgeselAyarHedefi& hedef,
                                 BolgeselUygulamaHedefi& program)
    : depo_(depo), hedef_(hedef), program_(program)
{
}

Sonuc<> BolgeselAyarlar::Denetle(const BolgeselAyarFormu& form) const
{
    // Minutes that could not be read back at the next start are refused before anything is
    // stored, so one save never keeps half of the page.
    if (!AyarDeposu::Gecerli(UyariAyarlari::BADakika, form.Dakika))
        return Reddet(Red::DakikaGecersiz, QString::fromUtf8(BADakikaHataMetni));
    if (!depo_.Yazilabilir())
        return Reddet(Red::Yazilamadi, QString::fromUtf8(AyarYazilamiyorMetni));
    return {};
}

Sonuc<> BolgeselAyarlar::BolgeselAyarKaydet()
{
    const int secili = hedef_.ListeSecili();
    // An active row past the list (a stored number from a longer data.db) counts as none.
    const KonumKaydi* satir = hedef_.ListeSatiri(secili >= 0 ? secili : hedef_.ListeAktif());
    BolgeselAyarFormu form = hedef_.FormuOku();
    const Sonuc<> denetim =
        satir ? Denetle(form) : Reddet(Red::SatirYok, BolgeselMetinler::SehirSeciniz);
    if (!denetim) {
        hedef_.Uyar(denetim.Hatasi().Baslik, denetim.Mesaj());
        return denetim;
    }

    // The row is copied first: making it active may repaint the list that holds it.
    const KonumKaydi kayit = *satir;
    if (secili >= 0)
        hedef_.setListeAktif(secili);
    Konum = SeciliKonum::Kayittan(kayit);
    bool yazildi = Konum.Yaz(depo_).Tamam();
    yazildi = depo_
                  .Yaz({{UyariAyarlari::BAEzan.Adi(), Bayrak(form.Ezan)},
                        {UyariAyarlari::BAUyari.Adi(), Bayrak(form.Uyari)},
                        {UyariAyarlari::BADakika.Adi(), form.Dakika.trimmed()},
                        {UyariAyarlari::BASesli.Adi(), Bayrak(form.Sesli)}})
                  .Tamam() &&
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
    yazildi =
        depo_.Yaz({{VakitHesapAnahtari.Adi(), QString::number(form.Hesap)}}).Tamam() && yazildi;

    BolgeselAyarUygula();
    if (!yazildi) {
        const Hata h = Reddet(Red::Yazilamadi, QString::fromUtf8(AyarYazilamadiMetni));
        hedef_.Uyar(h.Baslik, h.Metin);
        return h;
    }
    return {};
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
    program_.Hesapla();
    program_.UyariyiSifirla();
}

Sonuc<> BolgeselAyarlar::KonumEkle(const EkleGirdisi& girdi)
{
    const auto reddet = [this](const Hata& h) -> Sonuc<> {
        if (KonumDosyasiNedeni(h.Neden) == KonumDosyasiNedeni::DosyaYok)
            program_.DosyaKayboldu(h);
        else
            hedef_.Uyar(BolgeselMetinler::EkleBasligi, h.Metin);
        return h;
    };
    if (Sonuc<> denetim = Denetle(hedef_.FormuOku()); !denetim)
        return reddet(denetim.Hatasi());
    KonumDosyasi dosya = program_.Yerler();
    Sonuc<KonumEkleme::Eklenen> e = KonumEkleme::DosyayaEkle(dosya, girdi);
    if (!e)
        return reddet(e.Hatasi());
    // The list learns every row on disk now, those other writers added included.
    const int yeni = e->Satirlar.size() - 1;
    hedef_.ListeyiDoldur(std::move(e->Satirlar));
    hedef_.setListeAktif(yeni);
    hedef_.setListeGecerli(yeni);
    // The place is in data.db whatever the settings' write says; that one has been shown.
    (void)BolgeselAyarKaydet();
    return {};
}

void BolgeselAyarlar::UyariDegisti(BolgeselAyarFormu& form)
{
    form.DakikaEtkin = form.Uyari;
}
