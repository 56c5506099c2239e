#pragma once

#include "locations/clsFastCollection.h"

#include <QString>
#include <vector>

// Searching the location list. Both sides are folded with LLCase; the rows' folded texts are
// cached, so a search folds only the searched text.
//
// ArananYer is "Ulke", "Sehir" or "SehirUlke" (case-sensitive). AramaTuru false: the folded
// field equals the folded text; true: it matches the pattern "<folded text>*" (see Desen).
// With "SehirUlke" a text holding a comma is split at the commas: the first piece (spaces
// trimmed) is the city, the second the country, further pieces are ignored; without a comma
// only the city is compared.

// 1-based position of the first matching row, 0 for none or an unknown ArananYer.
int FindItem(const clsFastCollection& liste, const QString& Aranan, const QString& ArananYer,
             bool AramaTuru);

// What the search box selects for its text: the text with leading and trailing spaces
// removed is searched as city[,country], exact first, then by prefix; 0 when neither finds
// a row. An empty text therefore selects row 1 of a non-empty list. A city is also found by
// its international name (UluslararasiAdlar). Only when both passes find nothing, both run
// once more over the plainer folding (SadeKatla), for text typed without Turkish letters.
int AramaKutusuBul(const clsFastCollection& liste, const QString& metin);
// Every row the search box's prefix pass matches, in list order; over the plainer folding
// when the Turkish one matches none.
std::vector<int> AramaKutusuHepsi(const clsFastCollection& liste, const QString& metin);

// The search box's text as the box's own rule trims it (spaces only, as typed).
QString BosluklariKirp(const QString& metin);
