#pragma once

#include "engine/Yuvarlama.h"

#include <cmath>

// Window geometry is kept in twips (1/1440 inch) where its arithmetic decides a result;
// Qt works in logical pixels. The program assumes 15 twips per pixel in both directions,
// whatever the screen's density (Qt's high-DPI scaling handles dense screens).
namespace Twip {

constexpr int TPPX = 15;
constexpr int TPPY = 15;

inline int PikselX(double twip)
{
    return static_cast<int>(CifteYuvarla(twip / TPPX));
}
inline int PikselY(double twip)
{
    return static_cast<int>(CifteYuvarla(twip / TPPY));
}

} // namespace Twip
