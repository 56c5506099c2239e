#include "locations/clsFastCollection.h"

#include "locations/KonumTamponu.h"

#include <algorithm>

clsFastCollection::~clsFastCollection()
{
    Clear();
}

clsFastCollection::clsFastCollection(clsFastCollection&& o) noexcept
    : satirlar_(std::move(o.satirlar_)), count_(o.count_), kapasite_(o.kapasite_),
      blok_(std::move(o.blok_)), tampon_(std::move(o.tampon_))
{
    o.count_ = o.kapasite_ = 0;
    o.blok_.clear();
}

clsFastCollection& clsFastCollection::operator=(clsFastCollection&& o) noexcept
{
    if (this != &o) {
        Clear();
        satirlar_ = std::move(o.satirlar_);
        count_ = o.count_;
        kapasite_ = o.kapasite_;
        blok_ = std::move(o.blok_);
        tampon_ = std::move(o.tampon_);
        o.count_ = o.kapasite_ = 0;
        o.blok_.clear();
    }
    return *this;
}

bool clsFastCollection::Bloktan(const vkListItem* satir) const
{
    return !blok_.empty() && satir >= blok_.data() && satir < blok_.data() + blok_.size();
}

void clsFastCollection::Birak(vkListItem* satir)
{
    if (!Bloktan(satir))
        delete satir;
}

int clsFastCollection::Add(std::unique_ptr<vkListItem> satir, int b)
{
    if (count_ == kapasite_)
        Buyut();
    ++count_;
    if (b >= 1 && b <= count_) {
        vkListItem** dizi = satirlar_.get();
        std::move_backward(dizi + b, dizi + count_, dizi + count_ + 1);
        satirlar_[b] = satir.release();
        return b;
    }
    satirlar_[count_] = satir.release();
    return count_;
}

void clsFastCollection::Clear()
{
    for (int i = 1; i <= count_; ++i)
        Birak(satirlar_[i]);
    satirlar_.reset();
    count_ = 0;
    kapasite_ = 0;
    blok_.clear();
    tampon_.reset();
}

void clsFastCollection::Yukle(std::vector<vkListItem> satirlar,
                              std::shared_ptr<const KonumTamponu> tampon)
{
    Clear();
    blok_ = std::move(satirlar);
    tampon_ = std::move(tampon);
    const int n = int(blok_.size());
    KapasiteAyarla((n + Adim - 1) / Adim * Adim);
    for (int i = 0; i < n; ++i)
        satirlar_[i + 1] = &blok_[i];
    count_ = n;
}

void clsFastCollection::Yerlestir(const std::vector<int>& sira)
{
    std::vector<vkListItem*> eski(satirlar_.get() + 1, satirlar_.get() + count_ + 1);
    std::vector<bool> kalan(eski.size(), false);
    int n = 0;
    for (int konum : sira) {
        if (konum < 1 || konum > int(eski.size()) || kalan[konum - 1])
            continue;
        kalan[konum - 1] = true;
        satirlar_[++n] = eski[konum - 1];
    }
    for (std::size_t i = 0; i < eski.size(); ++i)
        if (!kalan[i])
            Birak(eski[i]);
    count_ = n;
    Kucult();
}

vkListItem* clsFastCollection::Item(int konum) const
{
    if (konum < 1 || konum > count_)
        return nullptr;
    return satirlar_[konum];
}

void clsFastCollection::Buyut()
{
    KapasiteAyarla(kapasite_ + Adim);
}

void clsFastCollection::Kucult()
{
    while (kapasite_ - Adim > count_)
        KapasiteAyarla(kapasite_ - Adim);
}

void clsFastCollection::KapasiteAyarla(int yeni)
{
    auto dizi = std::make_unique<vkListItem*[]>(yeni + 1);
    if (satirlar_)
        std::copy(satirlar_.get() + 1, satirlar_.get() + count_ + 1, dizi.get() + 1);
    satirlar_ = std::move(dizi);
    kapasite_ = yeni;
}
