#pragma once

#include "controls/ListeKaynagi.h"

#include <array>
#include <vector>

// A list source of plain text rows: four column texts, the first column's alignment and an
// icon per row. For lists whose rows are nothing but what they show (the controls gallery,
// tests).
class MetinListesi : public ListeKaynagi
{
public:
    struct Satir
    {
        std::array<QString, 4> Sutunlar;
        int Hiza = 0;
        QVariant Simge{};
    };

    // Appends a row (before the list is given to a ListBox, or followed by KaynakDegisti).
    void Ekle(Satir satir) { satirlar_.push_back(std::move(satir)); }
    const Satir& operator[](int satir) const { return satirlar_.at(satir - 1); }

    int SatirSayisi() const override { return int(satirlar_.size()); }
    QString Sutun(int satir, int sutun) const override;
    int Hiza(int satir) const override;
    QVariant Simge(int satir) const override;
    void SiraUygula(const std::vector<int>& sira) override;
    int MetinEkle(const QString& metin, int once, int hiza) override;

private:
    std::vector<Satir> satirlar_;
};
