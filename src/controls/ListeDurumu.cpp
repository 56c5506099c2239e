#include "controls/ListeDurumu.h"

#include <QtCore/qnamespace.h>
#include <algorithm>
#include <vector>

void ListeDurumu::setAktif(int index)
{
    m_aktif = (index >= 1 && index <= ListCount()) ? index : 0;
}

void ListeDurumu::setSelectedItem(int index)
{
    m_odak = (index >= 1 && index <= ListCount()) ? index : 0;
}

int ListeDurumu::EnUstSinir() const
{
    return std::max(1, ListCount() - (m_gorunen - 1));
}

void ListeDurumu::TopIndexSinirla()
{
    m_topIndex = std::clamp(m_topIndex, 1, EnUstSinir());
}

void ListeDurumu::setTopIndex(int index)
{
    m_topIndex = index;
    TopIndexSinirla();
}

int ListeDurumu::Ekle(std::unique_ptr<vkListItem> satir, int once)
{
    if (!satir)
        return 0;
    vkListItem* eklenen = satir.get();
    const bool araya = once >= 1 && once <= ListCount();
    eklenen->setSelected(false);
    const int konum = m_satirlar.Add(std::move(satir), araya ? once : -1);
    eklenen->setIndex(konum);
    m_newIndex = konum;
    if (araya) {
        // The rows from konum on moved down by one; so do the positions naming them.
        if (m_aktif >= konum)
            ++m_aktif;
        if (m_odak >= konum)
            ++m_odak;
        if (m_capa >= konum)
            ++m_capa;
    }
    return konum;
}

bool ListeDurumu::Sil(int index)
{
    const vkListItem* satir = m_satirlar.Item(index);
    if (!satir)
        return false;
    if (satir->Selected()) {
        m_capa = index;
        m_selCount = std::max(0, m_selCount - 1);
    }
    m_satirlar.Remove(index);
    const int kalan = ListCount();
    if (kalan == 0) {
        Temizle();
        return true;
    }
    if (m_aktif == index)
        m_aktif = 0;
    else if (m_aktif > index)
        --m_aktif;
    if (m_odak == index)
        m_odak = 0;
    else if (m_odak > index)
        --m_odak;
    if (m_capa > index)
        --m_capa;
    m_capa = std::min(m_capa, kalan);
    return true;
}

void ListeDurumu::Temizle()
{
    m_satirlar.Clear();
    m_aktif = m_odak = m_capa = m_selCount = 0;
    m_topIndex = 1;
}

int ListeDurumu::SecilileriSil()
{
    int silinen = 0;
    for (int i = ListCount(); i >= 1; --i) {
        if (m_satirlar.Item(i)->Selected()) {
            Sil(i);
            ++silinen;
        }
    }
    m_selCount = 0;
    return silinen;
}

void ListeDurumu::UnSelectAll()
{
    const int n = ListCount();
    for (int i = 1; i <= n; ++i)
        m_satirlar.Item(i)->setSelected(false);
    m_selCount = 0;
}

void ListeDurumu::SelectAll()
{
    const int n = ListCount();
    for (int i = 1; i <= n; ++i)
        m_satirlar.Item(i)->setSelected(true);
    m_selCount = n;
    m_odak = n;
}

void ListeDurumu::InvertSelection()
{
    const int n = ListCount();
    int sayi = 0;
    int sonYeni = 0;
    for (int i = 1; i <= n; ++i) {
        vkListItem* satir = m_satirlar.Item(i);
        satir->setSelected(!satir->Selected());
        if (satir->Selected()) {
            ++sayi;
            sonYeni = i;
        }
    }
    m_selCount = sayi;
    if (sonYeni != 0)
        m_odak = sonYeni;
}

void ListeDurumu::SeciliYap(int index, bool secili)
{
    vkListItem* satir = m_satirlar.Item(index);
    if (!satir || satir->Selected() == secili)
        return;
    satir->setSelected(secili);
    m_selCount = secili ? m_selCount + 1 : std::max(0, m_selCount - 1);
}

void ListeDurumu::Sec(int index)
{
    vkListItem* satir = m_satirlar.Item(index);
    if (!satir)
        return;
    UnSelectAll();
    satir->setSelected(true);
    m_odak = index;
    m_selCount = 1;
    m_capa = index;
}

void ListeDurumu::AraligiSec(int ilk, int son)
{
    if (ilk > son)
        std::swap(ilk, son);
    ilk = std::max(ilk, 1);
    son = std::min(son, ListCount());
    for (int i = ilk; i <= son; ++i) {
        m_satirlar.Item(i)->setSelected(true);
        ++m_selCount;
    }
}

void ListeDurumu::Bas(int vurulan, bool shift, bool control)
{
    vkListItem* satir = m_satirlar.Item(vurulan);
    if (!satir)
        return;
    if (!m_multiSelect) {
        Sec(vurulan);
    } else if (shift && m_capa > 0) {
        // The anchor stays where it was, so further Shift presses pivot on it.
        UnSelectAll();
        AraligiSec(vurulan, m_capa);
        m_odak = vurulan;
    } else if (control) {
        satir->setSelected(!satir->Selected());
        if (satir->Selected()) {
            m_odak = vurulan;
            ++m_selCount;
        } else {
            m_selCount = std::max(0, m_selCount - 1);
        }
    } else if (satir->Selected()) {
        // Keep a multiple selection so that it can be dragged; the release narrows it.
        m_odak = vurulan;
    } else {
        Sec(vurulan);
    }
}

void ListeDurumu::Birak(bool shift, bool control)
{
    if (!shift && !control)
        Sec(m_odak);
}

void ListeDurumu::Git(int index)
{
    const int onceki = m_odak > 0 ? m_odak : m_capa;
    index = std::clamp(index, 1, ListCount());
    Sec(index);
    m_capa = onceki;
    EnsureVisible(index);
}

ListeDurumu::TusSonucu ListeDurumu::Tus(int tus, bool shift)
{
    const int n = ListCount();
    if (n == 0)
        return TusSonucu::Yok;
    const int s = m_odak > 0 ? m_odak : m_capa;
    const int v = m_gorunen - 1;
    switch (tus) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        if (s > 1 && s <= n) {
            Git(s - 1);
            return TusSonucu::Tasindi;
        }
        return TusSonucu::Yok;
    case Qt::Key_Down:
    case Qt::Key_Right:
        if (s < n) {
            Git(s + 1);
            return TusSonucu::Tasindi;
        }
        return TusSonucu::Yok;
    case Qt::Key_PageUp:
        Git(s > v ? s - v : 1);
        return TusSonucu::Tasindi;
    case Qt::Key_PageDown:
        Git(s < n - v ? s + v : n);
        return TusSonucu::Tasindi;
    case Qt::Key_Home:
        Git(1);
        return TusSonucu::Tasindi;
    case Qt::Key_End:
        if (shift && m_multiSelect) {
            // Extends from the focused row to the last; that row anchors later Shift clicks.
            const int ilk = std::max(s, 1);
            UnSelectAll();
            AraligiSec(ilk, n);
            m_capa = ilk;
            m_odak = n;
            EnsureVisible(n);
        } else {
            Git(n);
        }
        return TusSonucu::Tasindi;
    case Qt::Key_Delete:
        if (m_selCount >= 1 && m_delAktif) {
            m_odak = 0;
            SecilileriSil();
            return TusSonucu::Silindi;
        }
        return TusSonucu::Yok;
    default:
        return TusSonucu::Yok;
    }
}

namespace {
// Floor division: rows above the surface's top count as negative.
int SatirSayisi(int y, int satirYuksekligi)
{
    const int h = std::max(1, satirYuksekligi);
    return y >= 0 ? y / h : -((-y + h - 1) / h);
}
} // namespace

int ListeDurumu::Vurulan(int y, int satirYuksekligi) const
{
    const int n = ListCount();
    if (n == 0)
        return 0;
    const int satir = m_topIndex + std::max(0, SatirSayisi(y, satirYuksekligi));
    return std::min(satir, n);
}

int ListeDurumu::FareSatiri(int y, int satirYuksekligi) const
{
    return std::clamp(m_topIndex + SatirSayisi(y, satirYuksekligi), 1, ListCount() + 1);
}

bool ListeDurumu::EnsureVisible(int index)
{
    const int eski = m_topIndex;
    if (index > m_topIndex + (m_gorunen - 1) && index <= ListCount())
        m_topIndex = index - (m_gorunen - 1);
    else if (index < m_topIndex && index >= 1)
        m_topIndex = index;
    return m_topIndex != eski;
}

int ListeDurumu::Tasi(int hedef)
{
    const int n = ListCount();
    hedef = std::clamp(hedef, 1, n + 1);
    std::vector<int> secili;
    std::vector<int> kalan;
    for (int i = 1; i <= n; ++i)
        (m_satirlar.Item(i)->Selected() ? secili : kalan).push_back(i);
    if (secili.empty())
        return 0;
    const auto oncekiler = std::lower_bound(secili.begin(), secili.end(), hedef) - secili.begin();
    const int yer = hedef - static_cast<int>(oncekiler); // 1-based among the remaining rows

    std::vector<int> sira;
    sira.reserve(n);
    sira.insert(sira.end(), kalan.begin(), kalan.begin() + (yer - 1));
    sira.insert(sira.end(), secili.begin(), secili.end());
    sira.insert(sira.end(), kalan.begin() + (yer - 1), kalan.end());
    bool degisti = false;
    for (int i = 0; i < n && !degisti; ++i)
        degisti = sira[i] != i + 1;
    if (!degisti)
        return 0;

    SiraDegistir([&](clsFastCollection& satirlar) {
        std::vector<std::unique_ptr<vkListItem>> eski(n + 1);
        for (int i = n; i >= 1; --i)
            eski[i] = satirlar.Take(i);
        for (int i : sira)
            satirlar.Add(std::move(eski[i]));
    });
    return yer;
}

ListeDurumu::Isaretler ListeDurumu::IsaretleriAl() const
{
    return {Item(m_aktif), Item(m_odak), Item(m_capa)};
}

void ListeDurumu::IsaretleriBul(const Isaretler& isaretler)
{
    m_aktif = m_odak = m_capa = 0;
    const int n = ListCount();
    for (int i = 1; i <= n; ++i) {
        const vkListItem* satir = m_satirlar.Item(i);
        if (satir == isaretler.aktif)
            m_aktif = i;
        if (satir == isaretler.odak)
            m_odak = i;
        if (satir == isaretler.capa)
            m_capa = i;
    }
}
