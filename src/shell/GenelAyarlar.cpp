#include "shell/GenelAyarlar.h"

#include "engine/Sayi.h"
#include "engine/Yuvarlama.h"
#include "platform/AyarDeposu.h"
#include "platform/OturumAcmaKaydi.h"

namespace {

QString Bayrak(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

// An empty or non-numeric entry counts as 0.
double SayiVeyaSifir(const QString& metin)
{
    return AyarDeposu::SayiCoz(metin).value_or(0);
}

} // namespace

GenelAyarlar::GenelAyarlar(AyarDeposu& depo, OturumAcmaKaydi* oturum, GenelAyarHedefi& hedef,
                           std::function<void()> hesapla)
    : depo_(depo), oturum_(oturum), hedef_(hedef), hesapla_(std::move(hesapla))
{
}

Sonuc<> GenelAyarlar::KaydetTiklandi(GenelAyarFormu form)
{
    form.Seffaf = SeffafDenetle(form.Seffaf);
    return AyarKaydet(form);
}

Sonuc<> GenelAyarlar::AyarKaydet(const GenelAyarFormu& form)
{
    // A correction that could not be read back would silently become 0: refuse it instead.
    if (!AyarDeposu::Gecerli(HicriGunAnahtari, form.HicriGun))
        return Hata{QString::fromUtf8(HicriGunHataMetni), QStringLiteral("Uyarı")};

    if (!depo_.Yazilabilir())
        return Hata{QString::fromUtf8(AyarYazilamiyorMetni), QStringLiteral("Uyarı")};

    Sonuc<> yazildi = depo_.Yaz(
        {{BaslangicAnahtari.Adi(), Bayrak(form.Acilis)},
         {GorevSimgeAnahtari.Adi(), Bayrak(form.Simge)},
         {HerZamanUstteAnahtari.Adi(),
          form.Ustte != 0 ? QStringLiteral("True") : QStringLiteral("False")},
         {SeffaflikAnahtari.Adi(), form.Seffaf},
         {YazSaatiAnahtari.Adi(), Bayrak(form.YazSaati)},
         {HicriGunAnahtari.Adi(), form.HicriGun.trimmed()},
         {SimgeAnahtari.Adi(), form.Icon == 1 ? QStringLiteral("1") : QStringLiteral("2")},
         {DiniGunHatirlatAnahtari.Adi(), Bayrak(form.DiniGunHatirlat)}});
    AyarUygula();
    return yazildi;
}

void GenelAyarlar::AyarUygula()
{
    Baslangic = depo_.Oku(BaslangicAnahtari);
    GorevSimge = depo_.Oku(GorevSimgeAnahtari);
    HerZamanUstte = depo_.Oku(HerZamanUstteAnahtari);
    Seffaflik = depo_.Oku(SeffaflikAnahtari);
    YazSaati = depo_.Oku(YazSaatiAnahtari);
    HicriGun = depo_.Oku(HicriGunAnahtari);
    Simge = depo_.Oku(SimgeAnahtari);
    DiniGunHatirlat = depo_.Oku(DiniGunHatirlatAnahtari);

    GenelAyarFormu form;
    form.Acilis = Baslangic;
    form.Simge = GorevSimge;
    form.YazSaati = YazSaati;
    form.Ustte = HerZamanUstte ? 1 : 0;
    form.Seffaf = QString::number(Seffaflik);
    form.HicriGun = QString::number(HicriGun);
    form.Icon = (Simge == 1 || Simge == 2) ? Simge : 0;
    form.DiniGunHatirlat = DiniGunHatirlat;
    hedef_.FormuGoster(form);

    if (oturum_)
        oturum_->Uygula(Baslangic);
    hedef_.SimgeSec(Simge == 1 ? 1 : 2);
    hedef_.HerZamanUstte(HerZamanUstte);
    hedef_.KapatIpucu(KapatIpucu());
    SeffaflikUygula(Alfa(Seffaflik));
    hesapla_();
}

QString GenelAyarlar::KapatIpucu() const
{
    return Gizlenir() ? QStringLiteral("Gizle") : QStringLiteral("Kapat");
}

Sonuc<> GenelAyarlar::UstteTiklandi(int currentEvent)
{
    Sonuc<> yazildi =
        depo_.Yaz({{HerZamanUstteAnahtari.Adi(),
                    currentEvent != 0 ? QStringLiteral("True") : QStringLiteral("False")}});
    HerZamanUstte = depo_.Oku(HerZamanUstteAnahtari);
    hedef_.HerZamanUstte(HerZamanUstte);
    return yazildi;
}

QString GenelAyarlar::ArtiBasildi(const QString& seffaf)
{
    const QString t = Arti(seffaf);
    SeffaflikUygula(Alfa(SayiVeyaSifir(t)));
    return t;
}

QString GenelAyarlar::EksiBasildi(const QString& seffaf)
{
    const QString t = Eksi(seffaf);
    SeffaflikUygula(Alfa(SayiVeyaSifir(t)));
    return t;
}

int GenelAyarlar::SeffaflikUygula(int alfa)
{
    if (alfa < 0 || alfa > 255)
        return 1;
    return hedef_.OpaklikUygula(alfa / 255.0) ? 0 : 2;
}

QString GenelAyarlar::SeffafDenetle(const QString& metin)
{
    const double t = SayiVeyaSifir(metin);
    if (t > 100)
        return QStringLiteral("100");
    if (t < 30)
        return QStringLiteral("30");
    return metin.trimmed();
}

QString GenelAyarlar::Arti(const QString& metin)
{
    double t = SayiVeyaSifir(metin);
    if (t < 30)
        t = 30;
    t += 1;
    if (t > 100)
        t = 100;
    return Sayi::Yerel(t);
}

QString GenelAyarlar::Eksi(const QString& metin)
{
    double t = SayiVeyaSifir(metin) - 1;
    if (t < 30)
        t = 30;
    return Sayi::Yerel(t);
}

int GenelAyarlar::Alfa(double yuzde)
{
    // Multiplying first keeps whole percents exact, so 50 % is the true half 127.5 -> 128.
    return static_cast<int>(CifteYuvarla(255.0 * yuzde / 100.0));
}
