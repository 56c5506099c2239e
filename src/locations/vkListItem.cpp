#include "locations/vkListItem.h"

#include "locations/LLCase.h"

vkListItem::vkListItem(const KonumKaydi& kayit)
{
    setKayit(kayit);
}

void vkListItem::setUlke(const QString& ulke)
{
    m_kayit.Ulke = ulke;
    m_kucukUlke = LLCase(ulke);
}

void vkListItem::setSehir(const QString& sehir)
{
    m_kayit.Sehir = sehir;
    m_kucukSehir = LLCase(sehir);
}

void vkListItem::setKayit(const KonumKaydi& kayit)
{
    m_kayit = kayit;
    m_kucukUlke = LLCase(kayit.Ulke);
    m_kucukSehir = LLCase(kayit.Sehir);
}

void vkListItem::setUlke(const QString& ulke, const QString& kucukUlke)
{
    m_kayit.Ulke = ulke;
    m_kucukUlke = kucukUlke;
}

void vkListItem::setSehir(QString sehir, QString kucukSehir)
{
    m_kayit.Sehir = std::move(sehir);
    m_kucukSehir = std::move(kucukSehir);
}
