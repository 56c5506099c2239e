#pragma once

#include <cmath>

// Round half to even to a whole number, whatever the floating-point rounding mode is.
inline double CifteYuvarla(double x)
{
    const double alt = std::floor(x);
    const double kalan = x - alt;
    if (kalan > 0.5)
        return alt + 1;
    if (kalan < 0.5)
        return alt;
    return std::fmod(alt, 2) == 0 ? alt : alt + 1;
}
