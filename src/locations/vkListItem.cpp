#include "locations/vkListItem.h"

#include "locations/LLCase.h"

vkListItem::vkListItem(const KonumKaydi& kayit)
{
    setKayit(kayit);
}

void vkListItem::setUlke(const QString& ulke)
{
    kayit_.Ulke = ulke;
    kucukUlke_ = LLCase(ulke);
}

void vkListItem::setSehir(const QString& sehir)
{
    kayit_.Sehir = sehir;
    kucukSehir_ = LLCase(sehir);
}

void vkListItem::setKayit(const KonumKaydi& kayit)
{
    kayit_ = kayit;
    kucukUlke_ = LLCase(kayit.Ulke);
    kucukSehir_ = LLCase(kayit.Sehir);
}

void vkListItem::setUlke(const QString& ulke, const QString& kucukUlke)
{
    kayit_.Ulke = ulke;
    kucukUlke_ = kucukUlke;
}

void vkListItem::setSehir(QString sehir, QString kucukSehir)
{
    kayit_.Sehir = std::move(sehir);
    kucukSehir_ = std::move(kucukSehir);
}
