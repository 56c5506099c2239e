#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// One of the five fixed twilight-angle methods. Index is the value stored as "VakitHesap" and
// the position in the method combo box.
struct HesapYontemi
{
    qint16 Index;
    QString Ad;
    double ImsakAcisi; // degrees below the horizon
    double YatsiAcisi; // degrees below the horizon
    QString AciMetni;
    QString BolgeMetni;
    bool Standart;
};

// The table in index order.
const std::array<HesapYontemi, 5>& HesapYontemleri();

// The entry with this index, or nullptr outside 0..4 (the computation then uses 0° for both).
const HesapYontemi* HesapYontemiBul(int index);
