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

    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 renk) { m_foreColor = renk; }
    const QVariant& Icon() const { return m_icon; }
    void setIcon(const QVariant& icon) { m_icon = icon; }
    qint32 Index() const { return m_index; }
    void setIndex(qint32 index) { m_index = index; }
    bool Selected() const { return m_selected; }
    void setSelected(bool secili) { m_selected = secili; }

    const QString& Ulke() const { return m_kayit.Ulke; }
    void setUlke(const QString& ulke);
    const QString& Sehir() const { return m_kayit.Sehir; }
    void setSehir(const QString& sehir);
    double Tz() const { return m_kayit.Tz; }
    void setTz(double tz) { m_kayit.Tz = tz; }
    double Enlem() const { return m_kayit.Enlem; }
    void setEnlem(double enlem) { m_kayit.Enlem = enlem; }
    double Boylam() const { return m_kayit.Boylam; }
    void setBoylam(double boylam) { m_kayit.Boylam = boylam; }
    qint32 Id() const { return m_kayit.Id; }
    void setId(qint32 id) { m_kayit.Id = id; }
    qint32 Alignment() const { return m_alignment; }
    void setAlignment(qint32 hiza) { m_alignment = hiza; }
    qint16 Sira() const { return m_sira; }
    void setSira(qint16 sira) { m_sira = sira; }

    const KonumKaydi& Kayit() const { return m_kayit; }
    void setKayit(const KonumKaydi& kayit);

    // LLCase of Ulke and Sehir.
    const QString& KucukUlke() const { return m_kucukUlke; }
    const QString& KucukSehir() const { return m_kucukSehir; }

    // The texts with their folded forms already at hand (each must be LLCase of its text),
    // for a filler that folds while decoding and shares one country among its rows.
    void setUlke(const QString& ulke, const QString& kucukUlke);
    void setSehir(QString sehir, QString kucukSehir);

private:
    KonumKaydi m_kayit;
    QString m_kucukUlke;
    QString m_kucukSehir;
    QVariant m_icon;
    quint32 m_foreColor = 0;
    qint32 m_index = 0;
    qint32 m_alignment = 0;
    qint16 m_sira = 0;
    bool m_selected = false;
};
