#include "locations/BolgeselAyarlar.h"

#include "locations/BolgeselMetinler.h"
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

BolgeselAyarlar::Sonuc BolgeselAyarlar::BolgeselAyarKaydet()
{
    const int secili = Hedef.ListeSecili();
    if (secili >= 1)
        Hedef.setListeAktif(secili);
    // An active row past the list (a stored number from a longer data.db) counts as none.
    const vkListItem* satir = Hedef.ListeSatiri(Hedef.ListeAktif());
    if (!satir) {
        Hedef.Uyar(BolgeselMetinler::UyariBasligi, BolgeselMetinler::SehirSeciniz);
        return Sonuc::SatirYok;
    }

    BolgeselAyarFormu form = Hedef.FormuOku();
    // Minutes that could not be read back at the next start are refused before anything is
    // stored, so one save never keeps half of the page.
    const QString dakikaHatasi = AyarDeposu::Denetle(QStringLiteral("BADakika"), form.Dakika);
    if (!dakikaHatasi.isEmpty()) {
        Hedef.Uyar(BolgeselMetinler::UyariBasligi, dakikaHatasi);
        return Sonuc::DakikaGecersiz;
    }

    Index = static_cast<qint16>(satir->Id());
    Ulke = satir->Ulke();
    Sehir = satir->Sehir();
    Tz = satir->Tz();
    Enlem = satir->Enlem();
    Boylam = satir->Boylam();

    Depo.Yaz(QStringLiteral("bIndex"), QString::number(Index));
    Depo.Yaz(QStringLiteral("bUlke"), Ulke);
    Depo.Yaz(QStringLiteral("bSehir"), Sehir);
    Depo.Yaz(QStringLiteral("bTz"), Tz);
    Depo.Yaz(QStringLiteral("bEnlem"), Enlem);
    Depo.Yaz(QStringLiteral("bBoylam"), Boylam);

    Depo.Yaz(QStringLiteral("BAEzan"), Bayrak(form.Ezan));
    Depo.Yaz(QStringLiteral("BAUyari"), Bayrak(form.Uyari));
    Depo.Yaz(QStringLiteral("BADakika"), form.Dakika.trimmed());
    Depo.Yaz(QStringLiteral("BASesli"), Bayrak(form.Sesli));

    if (form.Hesap != VakitHesap) {
        const bool evet = Hedef.Onayla(BolgeselMetinler::YontemBasligi,
                                       BolgeselMetinler::YontemOnayMetni(form.Hesap));
        if (!evet) {
            // Declining falls back to the standard method, whatever was chosen before.
            form.Hesap = 0;
            Hedef.FormuGoster(form);
        }
    }
    Depo.Yaz(QStringLiteral("VakitHesap"), QString::number(form.Hesap));

    BolgeselAyarUygula();
    return Sonuc::Kaydedildi;
}

void BolgeselAyarlar::BolgeselAyarUygula()
{
    Index = static_cast<qint16>(Depo.TamsayiOku(QStringLiteral("bIndex")));
    Ulke = Depo.Oku(QStringLiteral("bUlke"));
    Sehir = Depo.Oku(QStringLiteral("bSehir"));
    Tz = Depo.SayiOku(QStringLiteral("bTz"));
    Enlem = Depo.SayiOku(QStringLiteral("bEnlem"));
    Boylam = Depo.SayiOku(QStringLiteral("bBoylam"));

    const QString ipucu = BolgeselMetinler::KonumIpucu(Enlem, Boylam, Tz);
    Hedef.YerGoster(Ulke, Sehir, ipucu);

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

    Hedef.YerGoster(Ulke, Sehir, ipucu);
    Hedef.Hesapla();
    Hedef.UyariyiSifirla();
}

void BolgeselAyarlar::UyariDegisti(BolgeselAyarFormu& form)
{
    form.DakikaEtkin = form.Uyari;
}
