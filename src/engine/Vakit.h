#pragma once

#include <array>

// The six daily times, in the order of GunlukVakitler. The keys name the periods everywhere
// (settings, countdown, JSON); the names are what the user sees.
inline constexpr std::array<const char*, 6> VakitAnahtarlari{"imsak",  "gunes", "ogle",
                                                             "ikindi", "aksam", "yatsi"};
inline constexpr std::array<const char*, 6> VakitAdlari{"İmsak",  "Güneş", "Öğle",
                                                        "İkindi", "Akşam", "Yatsı"};
