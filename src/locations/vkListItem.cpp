#include "locations/vkListItem.h"

#include "locations/KonumTamponu.h"
#include "locations/LLCase.h"

vkListItem::vkListItem(const KonumKaydi& kayit)
{
    setKayit(kayit);
}

vkListItem::vkListItem(const KonumTamponu* tampon, qint32 ulkeBas, qint32 ulkeBoy, qint32 sehirBas,
                       qint32 sehirBoy, const KonumKaydi& sayilar)
    : tampon_(tampon), ulkeBas_(ulkeBas), ulkeBoy_(ulkeBoy), sehirBas_(sehirBas),
      sehirBoy_(sehirBoy), tz_(sayilar.Tz), enlem_(sayilar.Enlem), boylam_(sayilar.Boylam),
      id_(sayilar.Id)
{
}

vkListItem::~vkListItem() = default;

vkListItem::Adlar& vkListItem::KendiAdlari()
{
    if (!adlar_)
        adlar_ = std::make_unique<Adlar>();
    return *adlar_;
}

const QVariant& vkListItem::Icon() const
{
    static const QVariant yok;
    return adlar_ ? adlar_->Icon : yok;
}

void vkListItem::setIcon(const QVariant& icon)
{
    KendiAdlari().Icon = icon;
}

QString vkListItem::Ulke() const
{
    if (tampon_)
        return tampon_->Metin(ulkeBas_, ulkeBoy_);
    return adlar_ ? adlar_->Ulke : QString();
}

QString vkListItem::Sehir() const
{
    if (tampon_)
        return tampon_->Metin(sehirBas_, sehirBoy_);
    return adlar_ ? adlar_->Sehir : QString();
}

QStringView vkListItem::KucukUlke() const
{
    if (tampon_)
        return tampon_->Kucuk(ulkeBas_, ulkeBoy_);
    return adlar_ ? QStringView(adlar_->KucukUlke) : QStringView();
}

QStringView vkListItem::KucukSehir() const
{
    if (tampon_)
        return tampon_->Kucuk(sehirBas_, sehirBoy_);
    return adlar_ ? QStringView(adlar_->KucukSehir) : QStringView();
}

QStringView vkListItem::SadeUlke() const
{
    if (tampon_)
        return tampon_->Sade(ulkeBas_, ulkeBoy_);
    return adlar_ ? QStringView(adlar_->SadeUlke) : QStringView();
}

QStringView vkListItem::SadeSehir() const
{
    if (tampon_)
        return tampon_->Sade(sehirBas_, sehirBoy_);
    return adlar_ ? QStringView(adlar_->SadeSehir) : QStringView();
}

void vkListItem::Ayir()
{
    if (!tampon_)
        return;
    Adlar& a = KendiAdlari();
    a.Ulke = tampon_->Metin(ulkeBas_, ulkeBoy_);
    a.Sehir = tampon_->Metin(sehirBas_, sehirBoy_);
    const char* bayt = tampon_->Bayt().constData();
    a.KucukUlke = KonumTamponu::KucukHarfler(bayt + ulkeBas_, ulkeBoy_);
    a.KucukSehir = KonumTamponu::KucukHarfler(bayt + sehirBas_, sehirBoy_);
    a.SadeUlke = KonumTamponu::SadeHarfler(bayt + ulkeBas_, ulkeBoy_);
    a.SadeSehir = KonumTamponu::SadeHarfler(bayt + sehirBas_, sehirBoy_);
    tampon_ = nullptr;
}

void vkListItem::setUlke(const QString& ulke)
{
    Ayir();
    Adlar& a = KendiAdlari();
    a.Ulke = ulke;
    a.KucukUlke = LLCase(ulke);
    a.SadeUlke = SadeKatla(ulke);
}

void vkListItem::setSehir(const QString& sehir)
{
    Ayir();
    Adlar& a = KendiAdlari();
    a.Sehir = sehir;
    a.KucukSehir = LLCase(sehir);
    a.SadeSehir = SadeKatla(sehir);
}

KonumKaydi vkListItem::Kayit() const
{
    return {id_, Ulke(), Sehir(), tz_, enlem_, boylam_};
}

void vkListItem::setKayit(const KonumKaydi& kayit)
{
    setUlke(kayit.Ulke);
    setSehir(kayit.Sehir);
    id_ = kayit.Id;
    tz_ = kayit.Tz;
    enlem_ = kayit.Enlem;
    boylam_ = kayit.Boylam;
}
