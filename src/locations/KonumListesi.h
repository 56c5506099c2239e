#pragma once

#include "controls/ListeKaynagi.h"
#include "locations/SeciliKonum.h"
#include "locations/clsFastCollection.h"

// The place list of the regional page: the rows of data.db in file order, the source the
// list control draws (country, city, offset, latitude), and the rules that find the stored
// place among them.
class KonumListesi : public ListeKaynagi
{
public:
    const clsFastCollection& Satirlar() const { return satirlar_; }
    int Count() const { return satirlar_.Count(); }
    // The row at 1 <= konum <= Count, otherwise nullptr.
    const vkListItem* Item(int konum) const { return satirlar_.Item(konum); }

    // Replaces the rows with these (taken); each row's Index is its position. The list control
    // is told by its owner (ListBox::KaynakDegisti).
    void Doldur(clsFastCollection& satirlar);

    // The position of the stored place's row: the row whose Id is bIndex (where Ids repeat, the
    // one whose country and city match too, else the first); 0 for none or bIndex 0.
    static int SatirBul(const clsFastCollection& satirlar, const SeciliKonum& yer);

    // Sorts the rows (clsSort: kind, field) and returns the new order as old positions, for
    // the list control's SiraDegisti.
    std::vector<int> Sirala(int tur, int alan);

    // ListeKaynagi.
    int SatirSayisi() const override { return satirlar_.Count(); }
    QString Sutun(int satir, int sutun) const override;
    int Hiza(int satir) const override;
    QVariant Simge(int satir) const override;
    void SiraUygula(const std::vector<int>& sira) override;
    int MetinEkle(const QString& metin, int once, int hiza) override;

private:
    void Numarala();

    clsFastCollection satirlar_;
};
