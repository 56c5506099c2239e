#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;

// The catalogue of every skin picture: its resource name, its size in logical pixels, what uses
// it, and how it is drawn. Pictures of buttons that sit at a fixed place on a window carry the
// window background under them, so they look right whether or not the control clears to a
// colour first.
class SkinPictures
{
public:
    using Cizici = std::function<void(QPainter&)>;

    struct Resim
    {
        QString ad;       // resource name without ".png", e.g. "sekme_vakitler_normal"
        QSize boyut;      // logical pixels (the @2x file is twice as large)
        QString grup;     // heading in the README
        QString kullanan; // what uses it
        Cizici ciz;
    };

    struct Simge
    {
        QString dosya; // path under assets/
        bool ikinci;   // false: the program icon, true: eksimge.ico
    };

    SkinPictures();

    const QList<Resim>& resimler() const { return resimler_; }

    // Draws one picture at the given scale (1 or 2) on a transparent image.
    static QImage ciz(const Resim& resim, int olcek);

    // The program icon (ikinci false) or the second icon at a square size.
    static QImage simge(int kenar, bool ikinci);
    static QList<int> simgeBoyutlari() { return {16, 24, 32, 48}; }

    // Composed previews of the windows with their controls in place, for the contact sheet.
    QImage anaPencereOnizleme(int olcek, int seciliSekme, bool ezanCaliyor) const;
    QImage mesajOnizleme(int olcek) const;
    QImage ekleOnizleme(int olcek) const;

    const Resim* bul(const QString& ad) const;

    // Places on the windows, in window pixels, documented in the README.
    static QPoint sekmeYeri(int i) { return QPoint(4 + 38 * i, 298); }
    static QPoint usttekiYer() { return QPoint(188, 6); }
    static QPoint kapatYeri() { return QPoint(212, 6); }
    static QPoint ezanYeri() { return QPoint(204, 304); }
    static QPoint mesajKapatYeri() { return QPoint(169, 5); }
    static QPoint ekleKaydetYeri() { return QPoint(82, 188); }
    static QPoint ekleIptalYeri() { return QPoint(158, 188); }

private:
    void ekle(const QString& ad, QSize boyut, const QString& grup, const QString& kullanan,
              Cizici ciz);
    // Adds the three pictures of one set: <onEk>normal, <onEk>down, <onEk>over; ciz gets the
    // index 0, 1 or 2 in that order, ozellikler the matching control properties.
    void ekleTakim(const QString& onEk, QSize boyut, const QString& grup, const QString& kullanan,
                   const QStringList& ozellikler, const std::function<void(QPainter&, int)>& ciz);
    void ekleAnaPencere();
    void ekleSekmeler();
    void ekleBaslikDugmeleri();
    void ekleEzan();
    void ekleDugmeler();
    void ekleKaydirma();
    void ekleMesaj();
    void ekleEkle();
    void ekleSimgeler();

    QList<Resim> resimler_;
};
