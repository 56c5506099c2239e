#include "controls/ListeDurumu.h"

#include "controls/ListeKaynagi.h"

#include <QtCore/qnamespace.h>

#include <algorithm>

void ListeDurumu::setKaynak(ListeKaynagi* kaynak)
{
    kaynak_ = kaynak;
    Sifirla();
}

void ListeDurumu::Sifirla()
{
    secili_.assign(kaynak_ ? kaynak_->SatirSayisi() + 1 : 1, 0);
    aktif_ = odak_ = capa_ = selCount_ = newIndex_ = 0;
    topIndex_ = 1;
}

void ListeDurumu::setAktif(int index)
{
    aktif_ = (index >= 1 && index <= ListCount()) ? index : 0;
}

void ListeDurumu::setSelectedItem(int index)
{
    odak_ = (index >= 1 && index <= ListCount()) ? index : 0;
}

int ListeDurumu::EnUstSinir() const
{
    return std::max(1, ListCount() - (gorunen_ - 1));
}

void ListeDurumu::TopIndexSinirla()
{
    topIndex_ = std::clamp(topIndex_, 1, EnUstSinir());
}

void ListeDurumu::setTopIndex(int index)
{
    topIndex_ = index;
    TopIndexSinirla();
}

void ListeDurumu::Eklendi(int konum)
{
    konum = std::clamp(konum, 1, ListCount() + 1);
    secili_.insert(secili_.begin() + konum, 0);
    newIndex_ = konum;
    // The rows from konum on moved down by one; so do the positions naming them.
    for (int* p : {&aktif_, &odak_, &capa_})
        if (*p >= konum)
            ++*p;
}

void ListeDurumu::SiraDegisti(const std::vector<int>& sira)
{
    std::vector<char> yeni(sira.size() + 1, 0);
    int aktif = 0, odak = 0, capa = 0, sayi = 0;
    for (std::size_t i = 0; i < sira.size(); ++i) {
        const int eski = sira[i];
        const int konum = int(i) + 1;
        yeni[konum] = secili_[eski];
        sayi += yeni[konum];
        if (eski == aktif_)
            aktif = konum;
        if (eski == odak_)
            odak = konum;
        if (eski == capa_)
            capa = konum;
    }
    secili_ = std::move(yeni);
    aktif_ = aktif;
    odak_ = odak;
    capa_ = capa;
    selCount_ = sayi;
}

void ListeDurumu::Uygula(const std::vector<int>& sira)
{
    if (kaynak_)
        kaynak_->SiraUygula(sira);
    SiraDegisti(sira);
}

bool ListeDurumu::Sil(int index)
{
    const int n = ListCount();
    if (index < 1 || index > n)
        return false;
    // A removed selected row leaves the anchor at its place; an anchor after it moves up.
    int capa = secili_[index] ? index : capa_;
    if (capa > index)
        --capa;
    std::vector<int> sira;
    sira.reserve(n - 1);
    for (int i = 1; i <= n; ++i)
        if (i != index)
            sira.push_back(i);
    Uygula(sira);
    capa_ = std::min(capa, ListCount());
    if (ListCount() == 0)
        Temizle();
    return true;
}

void ListeDurumu::Temizle()
{
    if (kaynak_ && kaynak_->SatirSayisi() > 0)
        kaynak_->SiraUygula({});
    Sifirla();
}

int ListeDurumu::SecilileriSil()
{
    std::vector<int> sira;
    int ilkSecili = 0;
    for (int i = 1; i <= ListCount(); ++i) {
        if (!secili_[i])
            sira.push_back(i);
        else if (ilkSecili == 0)
            ilkSecili = i;
    }
    const int silinen = ListCount() - int(sira.size());
    if (silinen > 0) {
        Uygula(sira);
        // As row by row from the last: the anchor ends where the first removed row was.
        capa_ = std::min(ilkSecili, ListCount());
        if (ListCount() == 0)
            Sifirla();
    }
    selCount_ = 0;
    return silinen;
}

void ListeDurumu::UnSelectAll()
{
    std::fill(secili_.begin(), secili_.end(), 0);
    selCount_ = 0;
}

void ListeDurumu::SelectAll()
{
    std::fill(secili_.begin() + 1, secili_.end(), 1);
    selCount_ = ListCount();
    odak_ = ListCount();
}

void ListeDurumu::InvertSelection()
{
    int sayi = 0;
    int sonYeni = 0;
    for (int i = 1; i <= ListCount(); ++i) {
        secili_[i] = !secili_[i];
        if (secili_[i]) {
            ++sayi;
            sonYeni = i;
        }
    }
    selCount_ = sayi;
    if (sonYeni != 0)
        odak_ = sonYeni;
}

void ListeDurumu::SeciliYap(int index, bool secili)
{
    if (index < 1 || index > ListCount() || bool(secili_[index]) == secili)
        return;
    secili_[index] = secili;
    selCount_ = secili ? selCount_ + 1 : std::max(0, selCount_ - 1);
}

void ListeDurumu::Sec(int index)
{
    if (index < 1 || index > ListCount())
        return;
    UnSelectAll();
    secili_[index] = 1;
    odak_ = index;
    selCount_ = 1;
    capa_ = index;
}

void ListeDurumu::AraligiSec(int ilk, int son)
{
    if (ilk > son)
        std::swap(ilk, son);
    ilk = std::max(ilk, 1);
    son = std::min(son, ListCount());
    for (int i = ilk; i <= son; ++i) {
        secili_[i] = 1;
        ++selCount_;
    }
}

void ListeDurumu::Bas(int vurulan, bool shift, bool control)
{
    if (vurulan < 1 || vurulan > ListCount())
        return;
    if (!multiSelect_) {
        Sec(vurulan);
    } else if (shift && capa_ > 0) {
        // The anchor stays where it was, so further Shift presses pivot on it.
        UnSelectAll();
        AraligiSec(vurulan, capa_);
        odak_ = vurulan;
    } else if (control) {
        secili_[vurulan] = !secili_[vurulan];
        if (secili_[vurulan]) {
            odak_ = vurulan;
            ++selCount_;
        } else {
            selCount_ = std::max(0, selCount_ - 1);
        }
    } else if (secili_[vurulan]) {
        // Keep a multiple selection so that it can be dragged; the release narrows it.
        odak_ = vurulan;
    } else {
        Sec(vurulan);
    }
}

void ListeDurumu::Birak(bool shift, bool control)
{
    if (!shift && !control)
        Sec(odak_);
}

void ListeDurumu::Git(int index)
{
    const int onceki = odak_ > 0 ? odak_ : capa_;
    index = std::clamp(index, 1, ListCount());
    Sec(index);
    capa_ = onceki;
    EnsureVisible(index);
}

ListeDurumu::TusSonucu ListeDurumu::Tus(int tus, bool shift)
{
    const int n = ListCount();
    if (n == 0)
        return TusSonucu::Yok;
    const int s = odak_ > 0 ? odak_ : capa_;
    const int v = gorunen_ - 1;
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
        if (shift && multiSelect_) {
            // Extends from the focused row to the last; that row anchors later Shift clicks.
            const int ilk = std::max(s, 1);
            UnSelectAll();
            AraligiSec(ilk, n);
            capa_ = ilk;
            odak_ = n;
            EnsureVisible(n);
        } else {
            Git(n);
        }
        return TusSonucu::Tasindi;
    case Qt::Key_Delete:
        if (selCount_ >= 1 && delAktif_) {
            odak_ = 0;
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
int SatirAdedi(int y, int satirYuksekligi)
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
    return std::min(topIndex_ + std::max(0, SatirAdedi(y, satirYuksekligi)), n);
}

int ListeDurumu::FareSatiri(int y, int satirYuksekligi) const
{
    return std::clamp(topIndex_ + SatirAdedi(y, satirYuksekligi), 1, ListCount() + 1);
}

bool ListeDurumu::EnsureVisible(int index)
{
    const int eski = topIndex_;
    if (index > topIndex_ + (gorunen_ - 1) && index <= ListCount())
        topIndex_ = index - (gorunen_ - 1);
    else if (index < topIndex_ && index >= 1)
        topIndex_ = index;
    return topIndex_ != eski;
}

int ListeDurumu::Tasi(int hedef)
{
    const int n = ListCount();
    hedef = std::clamp(hedef, 1, n + 1);
    std::vector<int> secili;
    std::vector<int> kalan;
    for (int i = 1; i <= n; ++i)
        (secili_[i] ? secili : kalan).push_back(i);
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
    Uygula(sira);
    return yer;
}
