#pragma once

#include <QString>

#include <vector>

// Places that data.db holds under their Turkish names ("Viyana", "Avusturya") with the
// international name they are also known by ("Vienna"), as the data.db generator wrote
// them; the search finds such a place by either name.
struct UluslararasiAd
{
    QString Ulke, Sehir, Ad;
    QString KucukUlke, KucukSehir, KucukAd; // LLCase of the three
    QString SadeUlke, SadeSehir, SadeAd;    // SadeKatla of the three
};

// Every such place, folded once on first use.
const std::vector<UluslararasiAd>& UluslararasiAdlar();
