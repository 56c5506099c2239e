#pragma once

#include "locations/KonumKaydi.h"

#include <QVariant>

// One row of the location list: a place plus the row's display and ordering state. The
// lower-cased (LLCase) country and city are kept with the row and renewed whenever the texts
// change, so that a search keystroke folds only the searched text.
class vkListItem
{
public:
    vkListItem() = default;
    explicit vkListItem(const KonumKaydi& kayit);

    quint32 ForeColor() const { return foreColor_; }
    void setForeColor(quint32 renk) { foreColor_ = renk; }
    const QVariant& Icon() const { return icon_; }
    void setIcon(const QVariant& icon) { icon_ = icon; }
    qint32 Index() const { return index_; }
    void setIndex(qint32 index) { index_ = index; }
    bool Selected() const { return selected_; }
    void setSelected(bool secili) { selected_ = secili; }

    const QString& Ulke() const { return kayit_.Ulke; }
    void setUlke(const QString& ulke);
    const QString& Sehir() const { return kayit_.Sehir; }
    void setSehir(const QString& sehir);
    double Tz() const { return kayit_.Tz; }
    void setTz(double tz) { kayit_.Tz = tz; }
    double Enlem() const { return kayit_.Enlem; }
    void setEnlem(double enlem) { kayit_.Enlem = enlem; }
    double Boylam() const { return kayit_.Boylam; }
    void setBoylam(double boylam) { kayit_.Boylam = boylam; }
    qint32 Id() const { return kayit_.Id; }
    void setId(qint32 id) { kayit_.Id = id; }
    qint32 Alignment() const { return alignment_; }
    void setAlignment(qint32 hiza) { alignment_ = hiza; }
    qint16 Sira() const { return sira_; }
    void setSira(qint16 sira) { sira_ = sira; }

    const KonumKaydi& Kayit() const { return kayit_; }
    void setKayit(const KonumKaydi& kayit);

    // LLCase of Ulke and Sehir.
    const QString& KucukUlke() const { return kucukUlke_; }
    const QString& KucukSehir() const { return kucukSehir_; }

    // The texts with their folded forms already at hand (each must be LLCase of its text),
    // for a filler that folds while decoding and shares one country among its rows.
    void setUlke(const QString& ulke, const QString& kucukUlke);
    void setSehir(QString sehir, QString kucukSehir);

private:
    KonumKaydi kayit_;
    QString kucukUlke_;
    QString kucukSehir_;
    QVariant icon_;
    quint32 foreColor_ = 0;
    qint32 index_ = 0;
    qint32 alignment_ = 0;
    qint16 sira_ = 0;
    bool selected_ = false;
};
