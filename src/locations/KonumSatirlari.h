#pragma once

#include "locations/KonumKaydi.h"

#include <QString>
#include <QVector>

#include <vector>

struct SeciliKonum;

// The places of data.db in file order (row 0 first), with the search box's rules and the
// list's sort. Both sides of a comparison are folded (LLCase); the rows' folded names are made
// on the first search and kept, so a keystroke folds only the searched text.
class KonumSatirlari
{
public:
    // The sort keys: names in ordinal (UTF-16 code unit) order, numbers by value.
    enum class Anahtar
    {
        Ulke = 0,
        Sehir = 1,
        Tz = 2,
        Enlem = 3,
        Boylam = 4
    };

    KonumSatirlari() = default;
    explicit KonumSatirlari(QVector<KonumKaydi> kayitlar);

    int size() const { return int(kayitlar_.size()); }
    bool isEmpty() const { return kayitlar_.isEmpty(); }
    const KonumKaydi& at(int satir) const { return kayitlar_.at(satir); }
    const QVector<KonumKaydi>& Kayitlar() const { return kayitlar_; }
    // Appends a place at the end.
    void Ekle(const KonumKaydi& kayit);

    // The first row whose stored names equal "city[,country]", both folded; -1 for none. A
    // text holding a comma is split at the commas: the first piece (spaces trimmed) is the
    // city, the second the country, further pieces are ignored; without a comma only the city
    // is compared.
    int Bul(const QString& aranan) const;

    // What the search box selects for its text: the text with leading and trailing spaces
    // removed is searched as city[,country], exact first, then by prefix; -1 when neither
    // finds a row. An empty text therefore selects row 0 of a non-empty list. A city is also
    // found by its international name (UluslararasiAdlar). Only when both passes find nothing,
    // both run once more over the plainer folding (SadeKatla), for text typed without Turkish
    // letters.
    int AramaKutusuBul(const QString& metin) const;
    // Every row the search box's prefix pass matches, in list order; over the plainer folding
    // when the Turkish one matches none.
    std::vector<int> AramaKutusuHepsi(const QString& metin) const;

    // The row of the stored place: the row whose Id is yer.Id (where Ids repeat, the one whose
    // country and city match too, else the first); -1 for none or Id 0.
    int SeciliKonumBul(const SeciliKonum& yer) const;

    // Orders the rows by the key, keeping the order of rows with equal keys. Returns the new
    // order as old rows (new row i was old row sira[i]), empty when nothing moved: fewer than
    // two rows, or every row with one key (numbers compared as the file prints them).
    std::vector<int> Sirala(Anahtar anahtar, bool artan);

private:
    struct Katlanmis
    {
        QString KucukUlke, KucukSehir, SadeUlke, SadeSehir;
    };
    static Katlanmis Katla(const KonumKaydi& k);
    const std::vector<Katlanmis>& Katlar() const;

    // onEk matches "<text>*" (see Desen); uluslararasi finds a city by its international
    // name too; sade compares the plainer folding.
    template <typename Geri>
    void Tara(const QString& aranan, bool onEk, bool sade, bool uluslararasi, Geri bulundu) const;
    int Ilk(const QString& aranan, bool onEk, bool sade, bool uluslararasi) const;

    QVector<KonumKaydi> kayitlar_;
    mutable std::vector<Katlanmis> katlar_; // by row, made on the first search
};

// The search box's text as the box's own rule trims it (spaces only, as typed).
QString BosluklariKirp(const QString& metin);
