#pragma once

#include "locations/KonumSatirlari.h"

#include <QAbstractListModel>

// The place list as a model: one row per place of data.db, in file order. The first column
// shows the country, the second (ListeRolleri::SutunRolu) the city; assistive technology
// reads a row as "country, city", the order the list shows them in. KayitRolu gives the whole
// place.
class KonumModeli : public QAbstractListModel
{
    Q_OBJECT
public:
    static constexpr int KayitRolu = Qt::UserRole + 100;

    explicit KonumModeli(QObject* parent = nullptr);

    int rowCount(const QModelIndex& ust = {}) const override;
    QVariant data(const QModelIndex& konum, int rol = Qt::DisplayRole) const override;
    // Sorts by a key of KonumSatirlari::Anahtar (the column argument); rows with equal keys
    // keep their order, and the selection and every persistent index follow their rows.
    void sort(int anahtar, Qt::SortOrder sira = Qt::AscendingOrder) override;

    const KonumSatirlari& Satirlar() const { return satirlar_; }
    // Replaces every row.
    void setSatirlar(KonumSatirlari satirlar);
    // Appends a place as the last row.
    void Ekle(const KonumKaydi& kayit);

private:
    KonumSatirlari satirlar_;
};

Q_DECLARE_METATYPE(KonumKaydi)
