#pragma once

#include "locations/KonumKaydi.h"

#include <QStringView>
#include <QVariant>

#include <memory>

class KonumTamponu;

// One row of the location list: a place plus the row's display and ordering state. A row
// read from data.db keeps only where its names stand in the file's bytes (KonumTamponu, which
// the collection holding the row keeps alive); its texts are made when read, and its folded
// (LLCase) names are views into the buffer's one folded text. A row made from texts, or
// whose names were set, keeps texts of its own with their folds, renewed on every change, so
// that a search keystroke folds only the searched text.
class vkListItem
{
public:
    vkListItem() = default;
    explicit vkListItem(const KonumKaydi& kayit);
    // A row whose country and city are the bytes [ulkeBas, +ulkeBoy) and [sehirBas, +sehirBoy)
    // of the buffer.
    vkListItem(const KonumTamponu* tampon, qint32 ulkeBas, qint32 ulkeBoy, qint32 sehirBas,
               qint32 sehirBoy, const KonumKaydi& sayilar);
    vkListItem(vkListItem&&) noexcept = default;
    vkListItem& operator=(vkListItem&&) noexcept = default;
    ~vkListItem();

    quint32 ForeColor() const { return foreColor_; }
    void setForeColor(quint32 renk) { foreColor_ = renk; }
    const QVariant& Icon() const;
    void setIcon(const QVariant& icon);
    qint32 Index() const { return index_; }
    void setIndex(qint32 index) { index_ = index; }
    bool Selected() const { return selected_; }
    void setSelected(bool secili) { selected_ = secili; }

    QString Ulke() const;
    void setUlke(const QString& ulke);
    QString Sehir() const;
    void setSehir(const QString& sehir);
    double Tz() const { return tz_; }
    void setTz(double tz) { tz_ = tz; }
    double Enlem() const { return enlem_; }
    void setEnlem(double enlem) { enlem_ = enlem; }
    double Boylam() const { return boylam_; }
    void setBoylam(double boylam) { boylam_ = boylam; }
    qint32 Id() const { return id_; }
    void setId(qint32 id) { id_ = id; }
    qint32 Alignment() const { return alignment_; }
    void setAlignment(qint32 hiza) { alignment_ = hiza; }
    qint16 Sira() const { return sira_; }
    void setSira(qint16 sira) { sira_ = sira; }

    KonumKaydi Kayit() const;
    void setKayit(const KonumKaydi& kayit);

    // LLCase of Ulke and Sehir, and their plainer fold (SadeKatla).
    QStringView KucukUlke() const;
    QStringView KucukSehir() const;
    QStringView SadeUlke() const;
    QStringView SadeSehir() const;

    // Takes texts of its own for names that stand in a buffer, so the row outlives it.
    void Ayir();

private:
    struct Adlar
    {
        QString Ulke, Sehir, KucukUlke, KucukSehir, SadeUlke, SadeSehir;
        QVariant Icon;
    };
    Adlar& KendiAdlari();

    const KonumTamponu* tampon_ = nullptr; // names in the buffer while set
    qint32 ulkeBas_ = 0, ulkeBoy_ = 0, sehirBas_ = 0, sehirBoy_ = 0;
    std::unique_ptr<Adlar> adlar_; // the row's own texts (and icon), when it has them
    double tz_ = 0;
    double enlem_ = 0;
    double boylam_ = 0;
    qint32 id_ = 0;
    qint32 index_ = 0;
    qint32 alignment_ = 0;
    quint32 foreColor_ = 0;
    qint16 sira_ = 0;
    bool selected_ = false;
};
