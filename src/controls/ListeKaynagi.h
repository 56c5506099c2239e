#pragma once

#include <QString>
#include <QVariant>

#include <vector>

// The rows an owner-drawn list shows, 1..SatirSayisi(). The list keeps the selection and the
// positions itself; it asks its source what to draw, and to rearrange the rows when the user
// drags or deletes them.
class ListeKaynagi
{
public:
    virtual ~ListeKaynagi() = default;

    virtual int SatirSayisi() const = 0;
    // The texts of the four columns (0..3).
    virtual QString Sutun(int satir, int sutun) const = 0;
    // The first column's alignment (0 left, 1 right, 2 centre) and the row's icon (a pixmap,
    // image, icon or control picture; invalid for none).
    virtual int Hiza(int satir) const = 0;
    virtual QVariant Simge(int satir) const = 0;

    // New row i is old row sira[i - 1]; rows not named are removed.
    virtual void SiraUygula(const std::vector<int>& sira) = 0;
    // A row of plain text inserted before `once` (appended outside 1..SatirSayisi()), its
    // first column aligned by `hiza`. Its position.
    virtual int MetinEkle(const QString& metin, int once, int hiza) = 0;
};
