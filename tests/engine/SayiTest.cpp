#include "engine/Sayi.h"

#include "support/QtYazdir.h"

#include <gtest/gtest.h>

#include <optional>

// What a user types: one decimal mark, "." or ",", and nothing that reads differently under
// another number format.
TEST(Sayi, TypedNumbers)
{
    const std::pair<const char*, std::optional<double>> durumlar[] = {
        {"41.02", 41.02}, {"41,02", 41.02}, {"-33,9", -33.9}, {"+41", 41},     {".5", 0.5},
        {"5.", 5},        {" 7 ", 7},       {"0", 0},         {"", {}},        {"-", {}},
        {".", {}},        {"1e3", {}},      {"1.2.3", {}},    {"1.234,5", {}}, {"4 1", {}},
        {"--1", {}},      {"0x10", {}},     {"nan", {}},      {"inf", {}},     {"kırk", {}},
        {"٤١", {}}, // Arabic-Indic digits are not typed input
    };
    for (const auto& [metin, beklenen] : durumlar)
        EXPECT_EQ(Sayi::Coz(QString::fromUtf8(metin)), beklenen) << metin;
    EXPECT_EQ(Sayi::Coz(QString(400, QLatin1Char('9'))), std::nullopt) << "beyond a double";
}

// The stored form: 15 significant digits, spelled out, the same on every system.
TEST(Sayi, StoredForm)
{
    const std::pair<double, const char*> durumlar[] = {
        {41.02, "41.02"},
        {-3.5, "-3.5"},
        {2, "2"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {1e-7, "0.0000001"},
        {123456789012345678.0, "123456789012346000"},
        {-2e15, "-2000000000000000"},
    };
    for (const auto& [sayi, metin] : durumlar)
        EXPECT_EQ(Sayi::Yaz(sayi), QString::fromLatin1(metin)) << metin;
    EXPECT_EQ(Sayi::Yaz(-0.0001234, QLatin1Char(',')), QStringLiteral("-0,0001234"));
}
