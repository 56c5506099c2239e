#include "locations/KonumModeli.h"

#include "controls/ListeRolleri.h"

KonumModeli::KonumModeli(QObject* parent) : QAbstractListModel(parent) {}

int KonumModeli::rowCount(const QModelIndex& ust) const
{
    return ust.isValid() ? 0 : satirlar_.size();
}

QVariant KonumModeli::data(const QModelIndex& konum, int rol) const
{
    if (!konum.isValid() || konum.row() >= satirlar_.size())
        return {};
    const KonumKaydi& k = satirlar_.at(konum.row());
    switch (rol) {
    case Qt::DisplayRole:
        return k.Ulke;
    case ListeRolleri::SutunRolu:
        return k.Sehir;
    case Qt::AccessibleTextRole:
        return k.Ulke + QStringLiteral(", ") + k.Sehir;
    case KayitRolu:
        return QVariant::fromValue(k);
    default:
        return {};
    }
}

void KonumModeli::sort(int anahtar, Qt::SortOrder sira)
{
    if (anahtar < int(KonumSatirlari::Anahtar::Ulke) ||
        anahtar > int(KonumSatirlari::Anahtar::Boylam))
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList eskiler = persistentIndexList();
    const std::vector<int> yeniSira =
        satirlar_.Sirala(KonumSatirlari::Anahtar(anahtar), sira == Qt::AscendingOrder);
    if (!yeniSira.empty()) {
        std::vector<int> yeniYeri(yeniSira.size());
        for (std::size_t i = 0; i < yeniSira.size(); ++i)
            yeniYeri[std::size_t(yeniSira[i])] = int(i);
        QModelIndexList yeniler;
        yeniler.reserve(eskiler.size());
        for (const QModelIndex& eski : eskiler)
            yeniler << index(yeniYeri[std::size_t(eski.row())]);
        changePersistentIndexList(eskiler, yeniler);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void KonumModeli::setSatirlar(KonumSatirlari satirlar)
{
    beginResetModel();
    satirlar_ = std::move(satirlar);
    endResetModel();
}

void KonumModeli::Ekle(const KonumKaydi& kayit)
{
    beginInsertRows({}, satirlar_.size(), satirlar_.size());
    satirlar_.Ekle(kayit);
    endInsertRows();
}
