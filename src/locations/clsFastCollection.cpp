#include "locations/clsFastCollection.h"

#include <algorithm>

int clsFastCollection::Add(std::unique_ptr<vkListItem> satir, int b)
{
    if (m_count == m_kapasite)
        Buyut();
    ++m_count;
    if (b >= 1 && b <= m_count) {
        auto* dizi = m_satirlar.get();
        std::move_backward(dizi + b, dizi + m_count, dizi + m_count + 1);
        m_satirlar[b] = std::move(satir);
        return b;
    }
    m_satirlar[m_count] = std::move(satir);
    return m_count;
}

std::unique_ptr<vkListItem> clsFastCollection::Take(int konum)
{
    if (konum < 1 || konum > m_count)
        return nullptr;
    std::unique_ptr<vkListItem> satir = std::move(m_satirlar[konum]);
    auto* dizi = m_satirlar.get();
    std::move(dizi + konum + 1, dizi + m_count + 1, dizi + konum);
    --m_count;
    Kucult();
    return satir;
}

void clsFastCollection::Remove(int konum)
{
    Take(konum);
}

void clsFastCollection::Clear()
{
    m_satirlar.reset();
    m_count = 0;
    m_kapasite = 0;
}

std::vector<std::unique_ptr<vkListItem>> clsFastCollection::TakeAll()
{
    std::vector<std::unique_ptr<vkListItem>> satirlar;
    satirlar.reserve(m_count);
    for (int i = 1; i <= m_count; ++i)
        satirlar.push_back(std::move(m_satirlar[i]));
    Clear();
    return satirlar;
}

vkListItem* clsFastCollection::Item(int konum) const
{
    if (konum < 1 || konum > m_count)
        return nullptr;
    return m_satirlar[konum].get();
}

void clsFastCollection::Buyut()
{
    KapasiteAyarla(m_kapasite + Adim);
}

void clsFastCollection::Kucult()
{
    if (m_kapasite - Adim > m_count)
        KapasiteAyarla(m_kapasite - Adim);
}

void clsFastCollection::KapasiteAyarla(int yeni)
{
    auto dizi = std::make_unique<std::unique_ptr<vkListItem>[]>(yeni + 1);
    if (m_satirlar)
        std::move(m_satirlar.get() + 1, m_satirlar.get() + m_count + 1, dizi.get() + 1);
    m_satirlar = std::move(dizi);
    m_kapasite = yeni;
}
