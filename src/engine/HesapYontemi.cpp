#include "engine/HesapYontemi.h"

const std::array<HesapYontemi, 5>& HesapYontemleri()
{
    // The texts end in a blank on purpose: the confirmation question joins them as they are.
    static const std::array<HesapYontemi, 5> tablo{{
        {0, QStringLiteral("Muslim World League (Standart)"), 18, 17,
         QStringLiteral("İmsak Açısı : -18 Yatsı Açısı : -17"),
         QStringLiteral("Kullanıldığı Bölgeler : Avrupa, Uzak Doğu, Amerika'nın bir bölümü "),
         true},
        {1, QStringLiteral("University Of Islamic Sciences, Karachi"), 18, 18,
         QStringLiteral("İmsak Açısı : -18 Yatsı Açısı : -18"),
         QStringLiteral("Kullanıldığı Bölgeler : Pakistan, Bangladeş, Hindistan, Afganistan "),
         false},
        {2, QStringLiteral("Islamic Society of North America"), 15, 15,
         QStringLiteral("İmsak Açısı : -15 Yatsı Açısı : -15"),
         QStringLiteral("Kullanıldığı Bölgeler : Kuzey Amerika, Kanada, İngiltere'nin bir bölümü "),
         false},
        // Yatsı is still computed from the 17° angle; the text only describes the custom.
        {3, QStringLiteral("Umm Al-Qura University"), 19, 17,
         QStringLiteral(
             "İmsak Açısı : -19 Yatsı Açısı : Akşam'dan 90 dk. sonra (Ramazan'da 120 dk.)"),
         QStringLiteral("Kullanıldığı Bölgeler : Arabistan Yarımadası "), false},
        {4, QStringLiteral("Egyptian General Authority of Survey"), 19.5, 17.5,
         QStringLiteral("İmsak Açısı : -19.5 Yatsı Açısı : -17.5"),
         QStringLiteral("Kullanıldığı Bölgeler : Afrika, Suriye, Irak, Lübnan, Malezya, "
                        "Amerika'nın bir bölümü "),
         false},
    }};
    return tablo;
}

const HesapYontemi* HesapYontemiBul(int index)
{
    const auto& tablo = HesapYontemleri();
    if (index < 0 || index >= static_cast<int>(tablo.size()))
        return nullptr;
    return &tablo[static_cast<std::size_t>(index)];
}
