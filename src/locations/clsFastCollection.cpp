#include "locations/clsFastCollection.h"

#include <algorithm>

int clsFastCollection::Add(std::unique_ptr<vkListItem> satir, int b)
{
    if (count_ == kapasite_)
        Buyut();
    ++count_;
    if (b >= 1 && b <= count_) {
        auto* dizi = satirlar_.get();
        std::move_backward(dizi + b, dizi + count_, dizi + count_ + 1);
        satirlar_[b] = std::move(satir);
        return b;
    }
    satirlar_[count_] = std::move(satir);
    return count_;
}

std::unique_ptr<vkListItem> clsFastCollection::Take(int konum)
{
    if (konum < 1 || konum > count_)
        return nullptr;
    std::unique_ptr<vkListItem> satir = std::move(satirlar_[konum]);
    auto* dizi = satirlar_.get();
    std::move(dizi + konum + 1, dizi + count_ + 1, dizi + konum);
    --count_;
    Kucult();
    return satir;
}

void clsFastCollection::Remove(int konum)
{
    Take(konum);
}

void clsFastCollection::Clear()
{
    satirlar_.reset();
    count_ = 0;
    kapasite_ = 0;
}

std::vector<std::unique_ptr<vkListItem>> clsFastCollection::TakeAll()
{
    std::vector<std::unique_ptr<vkListItem>> satirlar;
    satirlar.reserve(count_);
    for (int i = 1; i <= count_; ++i)
        satirlar.push_back(std::move(satirlar_[i]));
    Clear();
    return satirlar;
}

vkListItem* clsFastCollection::Item(int konum) const
{
    if (konum < 1 || konum > count_)
        return nullptr;
    return satirlar_[konum].get();
}

void clsFastCollection::Buyut()
{
    KapasiteAyarla(kapasite_ + Adim);
}

void clsFastCollection::Kucult()
{
    if (kapasite_ - Adim > count_)
        KapasiteAyarla(kapasite_ - Adim);
}

void clsFastCollection::KapasiteAyarla(int yeni)
{
    auto dizi = std::make_unique<std::unique_ptr<vkListItem>[]>(yeni + 1);
    if (satirlar_)
        std::move(satirlar_.get() + 1, satirlar_.get() + count_ + 1, dizi.get() + 1);
    satirlar_ = std::move(dizi);
    kapasite_ = yeni;
}
