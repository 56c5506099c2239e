#include "SkinPictures.h"

#include "SkinGlyphs.h"
#include "SkinPalette.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace P = SkinPalette;

namespace {

enum class Durum
{
    Normal,
    Over,
    Down
};

struct DurumBilgisi
{
    Durum durum;
    const char* ek; // file name suffix
    const char* ad; // wording in the README
};

// One picture set in the order the control lists it: idle, pressed, pointer over.
const DurumBilgisi durumlar[] = {{Durum::Normal, "normal", "idle"},
                                 {Durum::Down, "down", "pressed"},
                                 {Durum::Over, "over", "pointer over"}};

QLinearGradient dikey(qreal ust, qreal alt, const QColor& a, const QColor& b)
{
    QLinearGradient g(0, ust, 0, alt);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

// A 1-pixel frame sits on half pixels so it stays sharp at 1x and at 2x.
QRectF cerceve(qreal x, qreal y, qreal w, qreal h)
{
    return QRectF(x + 0.5, y + 0.5, w - 1, h - 1);
}

void beyazPanel(QPainter& p, const QRectF& r, qreal yaricap)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(P::panelGolge);
    p.drawRoundedRect(r.translated(0, 1), yaricap, yaricap);
    p.setBrush(P::panel);
    p.setPen(QPen(P::panelCizgi, 1));
    p.drawRoundedRect(cerceve(r.x(), r.y(), r.width(), r.height()), yaricap, yaricap);
    p.restore();
}

void zemin(QPainter& p, QSize boyut)
{
    p.fillRect(QRectF(0, 0, boyut.width(), boyut.height()),
               dikey(0, boyut.height(), P::zeminUst, P::zeminAlt));
}

void baslikSeridi(QPainter& p, qreal genislik, qreal yukseklik)
{
    p.save();
    p.fillRect(QRectF(0, 0, genislik, yukseklik), dikey(0, yukseklik, P::baslikUst, P::baslikAlt));
    // A soft highlight along the top and a darker seam under the strip.
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawLine(QPointF(0, 1.5), QPointF(genislik, 1.5));
    p.setPen(QPen(QColor(0x2A, 0x6E, 0x4E, 110), 1));
    p.drawLine(QPointF(0, yukseklik - 0.5), QPointF(genislik, yukseklik - 0.5));
    p.restore();
}

void pencereKenari(QPainter& p, QSize boyut, qreal baslik)
{
    // The window region cuts the corners with a 9 x 9 ellipse; the frame follows it, darker
    // along the title strip and soft green below it.
    const QRectF r = cerceve(0, 0, boyut.width(), boyut.height());
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setClipRect(QRectF(0, 0, boyut.width(), baslik));
    p.setPen(QPen(P::baslikAlt.darker(112), 1));
    p.drawRoundedRect(r, 4.5, 4.5);
    p.setClipRect(QRectF(0, baslik, boyut.width(), boyut.height() - baslik));
    p.setPen(QPen(P::pencereCizgi, 1));
    p.drawRoundedRect(r, 4.5, 4.5);
    p.restore();
}

// Main window, 242 x 341.
void anaArkaplan(QPainter& p)
{
    const QSize boyut(242, 341);
    zemin(p, boyut);
    baslikSeridi(p, boyut.width(), 34);
    SkinGlyphs::urunAdi(p, QPointF(32, 22), 7.5, P::baslikYazi, 1.75);
    beyazPanel(p, QRectF(6, 37, 230, 47), 6);
    beyazPanel(p, QRectF(6, 88, 230, 210), 6);
    pencereKenari(p, boyut, 34);
}

// Popup, 197 x 116.
void mesajArkaplan(QPainter& p)
{
    const QSize boyut(197, 116);
    p.fillRect(QRectF(0, 0, 197, 116), dikey(0, 116, QColor(0xFF, 0xFF, 0xFF), P::vurguCokSoluk));
    baslikSeridi(p, boyut.width(), 31);
    SkinGlyphs::urunAdi(p, QPointF(32, 21), 7, P::baslikYazi, 1.65);
    // A quiet band along the foot, under the texts.
    p.fillRect(QRectF(0, 96, 197, 20), dikey(96, 116, P::vurguCokSoluk, P::vurguSoluk));
    p.setPen(QPen(P::panelCizgi, 1));
    p.drawLine(QPointF(8, 95.5), QPointF(189, 95.5));
    SkinGlyphs::saat(p, QRectF(92.5, 100, 12, 12), P::vurguAcik, 1.2);
    pencereKenari(p, boyut, 31);
}

// Add-location dialog, 242 x 221.
void ekleArkaplan(QPainter& p)
{
    const QSize boyut(242, 221);
    zemin(p, boyut);
    baslikSeridi(p, boyut.width(), 34);
    SkinGlyphs::konum(p, QRectF(9, 9, 16, 16), P::baslikYazi);
    beyazPanel(p, QRectF(6, 38, 230, 177), 6);
    pencereKenari(p, boyut, 34);
}

void altinda(QPainter& p, void (*arkaplan)(QPainter&), QPoint yer)
{
    p.save();
    p.translate(-yer);
    arkaplan(p);
    p.restore();
}

// Offsets the glyph of a pressed button by one pixel downwards.
qreal basik(Durum d)
{
    return d == Durum::Down ? 1.0 : 0.0;
}

void sekme(QPainter& p, int i, bool secili, Durum d)
{
    altinda(p, anaArkaplan, SkinPictures::sekmeYeri(i));
    const QRectF karo(3.5, 3.5, 31, 31);
    const qreal r = 7;
    p.save();
    QColor glif;
    if (secili) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2A, 0x6E, 0x4E, 45));
        p.drawRoundedRect(karo.translated(0, 1), r, r);
        QColor ust = P::vurguAcik, alt = P::vurgu;
        if (d == Durum::Over) {
            ust = ust.lighter(108);
            alt = alt.lighter(110);
        } else if (d == Durum::Down) {
            ust = P::vurgu;
            alt = P::vurguKoyu;
        }
        p.setBrush(dikey(karo.top(), karo.bottom(), ust, alt));
        p.setPen(QPen(P::vurguKoyu, 1));
        p.drawRoundedRect(karo, r, r);
        p.setPen(QPen(QColor(255, 255, 255, 80), 1));
        p.drawLine(QPointF(karo.left() + r, karo.top() + 1),
                   QPointF(karo.right() - r, karo.top() + 1));
        glif = Qt::white;
    } else {
        if (d == Durum::Over) {
            p.setBrush(QColor(255, 255, 255, 215));
            p.setPen(QPen(P::panelCizgi, 1));
            p.drawRoundedRect(karo, r, r);
        } else if (d == Durum::Down) {
            p.setBrush(P::vurguSoluk);
            p.setPen(QPen(P::vurguAcik, 1));
            p.drawRoundedRect(karo, r, r);
        }
        glif = d == Durum::Normal ? QColor(0x4E, 0x93, 0x70) : P::vurguKoyu;
    }
    const QRectF kutu = QRectF(9, 9, 20, 20).translated(0, basik(d));
    switch (i) {
    case 0:
        SkinGlyphs::saat(p, kutu, glif, 1.9);
        break;
    case 1:
        SkinGlyphs::konum(p, kutu.adjusted(1, 0, -1, 0), glif);
        break;
    case 2:
        SkinGlyphs::disli(p, kutu.adjusted(0.5, 0.5, -0.5, -0.5), glif);
        break;
    default:
        SkinGlyphs::bilgi(p, kutu, glif, 1.9);
        break;
    }
    p.restore();
}

void baslikDugmesiZemini(QPainter& p, const QColor& renk)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(renk);
    p.drawRoundedRect(QRectF(2, 2, 20, 20), 5, 5);
    p.restore();
}

void kapat(QPainter& p, void (*arkaplan)(QPainter&), QPoint yer, Durum d)
{
    altinda(p, arkaplan, yer);
    if (d == Durum::Over)
        baslikDugmesiZemini(p, P::kapatKirmizi);
    else if (d == Durum::Down)
        baslikDugmesiZemini(p, P::kapatKirmiziKoyu);
    SkinGlyphs::carpi(p, QRectF(7.5, 7.5, 9, 9).translated(0, basik(d)), QColor(255, 255, 255),
                      1.8);
}

void ustte(QPainter& p, bool acik, Durum d)
{
    altinda(p, anaArkaplan, SkinPictures::usttekiYer());
    QColor glif(255, 255, 255, 235);
    if (acik) {
        // On: a white chip with a green pin standing in it.
        QColor zemin = d == Durum::Down ? P::vurguSoluk : QColor(255, 255, 255);
        if (d == Durum::Over)
            zemin = QColor(0xF2, 0xFA, 0xF5);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1F, 0x55, 0x3C, 60));
        p.drawRoundedRect(QRectF(2, 3, 20, 20), 5, 5);
        p.restore();
        baslikDugmesiZemini(p, zemin);
        glif = P::vurguKoyu;
    } else if (d == Durum::Over) {
        baslikDugmesiZemini(p, QColor(255, 255, 255, 55));
    } else if (d == Durum::Down) {
        baslikDugmesiZemini(p, QColor(0x1F, 0x55, 0x3C, 70));
    }
    SkinGlyphs::raptiye(p, QRectF(4, 4, 16, 16).translated(0, basik(d)), glif, acik);
}

// Ezan button: set 0 ready, set 1 playing, set 2 switched off.
void ezan(QPainter& p, int takim, Durum d)
{
    altinda(p, anaArkaplan, SkinPictures::ezanYeri());
    const QPointF m(14, 14);
    const qreal r = 12.5;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2A, 0x6E, 0x4E, 40));
    p.drawEllipse(m + QPointF(0, 1), r, r);
    QColor glif;
    if (takim == 1) {
        QColor ust = P::vurguAcik, alt = P::vurgu;
        if (d == Durum::Over) {
            ust = ust.lighter(108);
            alt = alt.lighter(110);
        } else if (d == Durum::Down) {
            ust = P::vurgu;
            alt = P::vurguKoyu;
        }
        p.setBrush(dikey(m.y() - r, m.y() + r, ust, alt));
        p.setPen(QPen(P::vurguKoyu, 1));
        glif = Qt::white;
    } else if (takim == 2) {
        p.setBrush(d == Durum::Down ? P::griCizgi
                                    : (d == Durum::Over ? QColor(0xF3, 0xF5, 0xF4) : P::griAcik));
        p.setPen(QPen(P::griCizgi, 1));
        glif = P::gri;
    } else {
        p.setBrush(d == Durum::Down ? P::vurguSoluk
                                    : (d == Durum::Over ? P::vurguCokSoluk : QColor(Qt::white)));
        p.setPen(QPen(d == Durum::Normal ? P::panelCizgi.darker(108) : P::vurguAcik, 1));
        glif = P::vurgu;
    }
    p.drawEllipse(m, r, r);
    p.restore();
    const QRectF kutu = QRectF(7, 7, 15, 14).translated(takim == 2 ? -0.5 : 0, basik(d));
    SkinGlyphs::hoparlor(p, kutu, glif, takim == 1 ? 2 : (takim == 0 ? 1 : 0), takim == 2);
}

enum class DugmeTuru
{
    Duz,
    Kaydet,
    Iptal
};

void dugme(QPainter& p, QSize boyut, DugmeTuru tur, Durum d)
{
    p.fillRect(QRectF(0, 0, boyut.width(), boyut.height()), P::panel);
    const QRectF r = cerceve(0, 0, boyut.width(), boyut.height());
    const qreal y = boyut.height() <= 18 ? 4 : 5;
    QColor ust, alt, kenar;
    switch (tur) {
    case DugmeTuru::Kaydet:
        ust = QColor(0xE6, 0xF6, 0xEC);
        alt = QColor(0xCC, 0xEA, 0xD8);
        kenar = QColor(0x86, 0xC5, 0xA1);
        if (d == Durum::Over) {
            ust = QColor(0xF0, 0xFA, 0xF3);
            alt = QColor(0xD6, 0xF0, 0xE0);
            kenar = P::vurgu;
        } else if (d == Durum::Down) {
            ust = alt = QColor(0xBF, 0xE3, 0xCD);
            kenar = P::vurguKoyu;
        }
        break;
    case DugmeTuru::Iptal:
        ust = QColor(0xFF, 0xFF, 0xFF);
        alt = QColor(0xEF, 0xF2, 0xF0);
        kenar = P::griCizgi;
        if (d == Durum::Over) {
            alt = QColor(0xF7, 0xF9, 0xF8);
            kenar = P::gri;
        } else if (d == Durum::Down) {
            ust = alt = P::griAcik;
            kenar = P::gri;
        }
        break;
    case DugmeTuru::Duz:
        ust = QColor(0xFF, 0xFF, 0xFF);
        alt = QColor(0xEE, 0xF6, 0xF1);
        kenar = QColor(0xB5, 0xD8, 0xC3);
        if (d == Durum::Over) {
            ust = QColor(0xF6, 0xFC, 0xF8);
            alt = P::vurguSoluk;
            kenar = P::vurguAcik;
        } else if (d == Durum::Down) {
            ust = alt = P::vurguSoluk;
            kenar = P::vurgu;
        }
        break;
    }
    p.save();
    p.setBrush(dikey(0, boyut.height(), ust, alt));
    p.setPen(QPen(kenar, 1));
    p.drawRoundedRect(r, y, y);
    if (d != Durum::Down) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawLine(QPointF(r.left() + y, 1.5), QPointF(r.right() - y, 1.5));
    }
    p.restore();
}

void kaydirmaIzi(QPainter& p, qreal yukseklik)
{
    p.fillRect(QRectF(0, 0, 17, yukseklik), QColor(0xF4, 0xFA, 0xF6));
    p.setPen(QPen(QColor(0xDD, 0xEC, 0xE3), 1));
    p.drawLine(QPointF(0.5, 0), QPointF(0.5, yukseklik));
    p.setPen(QPen(QColor(0xE6, 0xF1, 0xEA), 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(9, 0), QPointF(9, yukseklik));
}

void kaydirmaOku(QPainter& p, bool yukari, Durum d)
{
    kaydirmaIzi(p, 17);
    QColor dolgu = P::vurguCokSoluk, kenar = P::panelCizgi, glif = P::vurgu;
    if (d == Durum::Over) {
        dolgu = P::vurguSoluk;
        kenar = P::vurguAcik;
        glif = P::vurguKoyu;
    } else if (d == Durum::Down) {
        dolgu = P::vurguAcik;
        kenar = P::vurgu;
        glif = Qt::white;
    }
    p.save();
    p.setBrush(dolgu);
    p.setPen(QPen(kenar, 1));
    p.drawRoundedRect(QRectF(2.5, 1.5, 13, 14), 3.5, 3.5);
    p.restore();
    SkinGlyphs::ok(p, QRectF(5.5, 4.5, 7, 8), glif, yukari, 1.6);
}

void kaydirmaTutamagi(QPainter& p, Durum d)
{
    kaydirmaIzi(p, 20);
    QColor dolgu(0xA9, 0xDA, 0xBC), kenar(0x86, 0xC5, 0xA1);
    if (d == Durum::Over) {
        dolgu = QColor(0x8E, 0xCE, 0xA8);
        kenar = P::vurgu;
    } else if (d == Durum::Down) {
        dolgu = P::vurgu;
        kenar = P::vurguKoyu;
    }
    p.save();
    p.setBrush(dolgu);
    p.setPen(QPen(kenar, 1));
    p.drawRoundedRect(QRectF(3.5, 1.5, 11, 17), 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 190), 1));
    for (qreal y : {7.5, 9.5, 11.5})
        p.drawLine(QPointF(6.5, y), QPointF(11.5, y));
    p.restore();
}

void aktifVakit(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 214, 22), P::panel);
    p.save();
    p.setBrush(dikey(0, 22, QColor(0xE9, 0xF7, 0xEE), QColor(0xD5, 0xEE, 0xDF)));
    p.setPen(QPen(QColor(0xA9, 0xD8, 0xBA), 1));
    p.drawRoundedRect(cerceve(0, 0, 214, 22), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(P::vurgu);
    p.drawRoundedRect(QRectF(3, 5, 3, 12), 1.5, 1.5);
    p.restore();
}

void programSimgesi(QPainter& p, qreal n)
{
    const QPointF m(n / 2, n / 2);
    const qreal r = n / 2 - 0.5;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(dikey(0, n, P::vurguAcik, P::vurguKoyu));
    p.drawEllipse(m, r, r);
    // A faint inner rim so the disc reads on dark and light panels alike.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 60), qMax<qreal>(1.0, n / 24)));
    p.drawEllipse(m, r - n / 24, r - n / 24);
    p.restore();
    const qreal kalinlik = n <= 16 ? 1.5 : n * 0.075;
    const qreal kenar = n * (n <= 16 ? 0.72 : 0.66);
    SkinGlyphs::saat(p, QRectF(m.x() - kenar / 2, m.y() - kenar / 2, kenar, kenar), Qt::white,
                     kalinlik);
}

void ikinciSimge(QPainter& p, qreal n)
{
    const qreal r = n * 0.22;
    const QRectF karo(0.5, 0.5, n - 1, n - 1);
    p.save();
    p.setBrush(dikey(0, n, QColor(0xFF, 0xFF, 0xFF), P::vurguSoluk));
    p.setPen(QPen(P::vurgu, n <= 16 ? 1.0 : n / 20));
    p.drawRoundedRect(karo, r, r);
    p.restore();
    const qreal kalinlik = n <= 16 ? 1.3 : n * 0.07;
    SkinGlyphs::gunes(p, QRectF(n * 0.1, n * 0.08, n * 0.8, n * 0.8), P::vurguKoyu, kalinlik);
}

} // namespace

SkinPictures::SkinPictures()
{
    ekleAnaPencere();
    ekleSekmeler();
    ekleBaslikDugmeleri();
    ekleEzan();
    ekleDugmeler();
    ekleKaydirma();
    ekleMesaj();
    ekleEkle();
    ekleSimgeler();
}

void SkinPictures::ekle(const QString& ad, QSize boyut, const QString& grup,
                        const QString& kullanan, Cizici ciz)
{
    resimler_.append(Resim{ad, boyut, grup, kullanan, std::move(ciz)});
}

void SkinPictures::ekleTakim(const QString& onEk, QSize boyut, const QString& grup,
                             const QString& kullanan, const QStringList& ozellikler,
                             const std::function<void(QPainter&, int)>& ciz)
{
    for (int i = 0; i < 3; ++i) {
        const DurumBilgisi& d = durumlar[i];
        QString metin = kullanan + ", " + d.ad;
        if (i < ozellikler.size())
            metin += " (`" + ozellikler[i] + "`)";
        ekle(onEk + d.ek, boyut, grup, metin, [ciz, i](QPainter& p) { ciz(p, i); });
    }
}

void SkinPictures::ekleAnaPencere()
{
    const QString g = "Main window";
    ekle("ana_arkaplan", {242, 341}, g,
         "`AnaForm` background: title strip 0-34 with the product name (`FormIcon` 16 x 16 at "
         "9, 9 and the two title buttons go on it), white place-and-date panel 6, 37, 230 x 47, "
         "white page panel 6, 88, 230 x 210 behind `TabCon` (8, 92, 226 x 205), tab band below "
         "298",
         anaArkaplan);
    ekle("aktif_vakit", {214, 22}, g,
         "`AktifVakitBg`, the highlight behind the running row on page 0: left 6 inside the page "
         "area, top = row label top - 3",
         aktifVakit);
}

namespace {

Durum durumu(int i)
{
    return durumlar[i].durum;
}

const QStringList takim1{"PictureNormal", "PictureDown", "PictureOver"};
const QStringList takim2{"Picture2Normal", "Picture2Down", "Picture2Over"};
const QStringList takim3{"Picture3Normal", "Picture3Down", "Picture3Over"};

} // namespace

void SkinPictures::ekleSekmeler()
{
    const char* adlar[] = {"vakitler", "bolgesel", "genel", "hakkinda"};
    const char* basliklar[] = {"Namaz Vakitleri", "Bölgesel Ayarlar", "Genel Ayarlar",
                               "Dax Orvanel Hakkında"};
    for (int i = 0; i < 4; ++i) {
        const QString kim = QString("`Tablar`(%1) \"%2\" at %3, 298")
                                .arg(i)
                                .arg(basliklar[i])
                                .arg(sekmeYeri(i).x());
        const QString ad = QString("sekme_%1_").arg(adlar[i]);
        ekleTakim(ad, {38, 38}, "Tab buttons", kim + ": set 0 (another page is shown)", takim1,
                  [i](QPainter& p, int d) { sekme(p, i, false, durumu(d)); });
        ekleTakim(ad + "2_", {38, 38}, "Tab buttons", kim + ": set 1 (its page is shown)", takim2,
                  [i](QPainter& p, int d) { sekme(p, i, true, durumu(d)); });
    }
}

void SkinPictures::ekleBaslikDugmeleri()
{
    const QString g = "Title strip buttons";
    const QString kim = "`GAyarUstte` \"Her Zaman Üstte\" at 188, 6";
    ekleTakim("ustte_", {24, 24}, g, kim + ": set 0 (off)", takim1,
              [](QPainter& p, int d) { ustte(p, false, durumu(d)); });
    ekleTakim("ustte_2_", {24, 24}, g, kim + ": set 1 (on)", takim2,
              [](QPainter& p, int d) { ustte(p, true, durumu(d)); });
    ekleTakim("kapat_", {24, 24}, g,
              "`BtnKapat` of the main window at 212, 6 and of the add-location dialog at 212, 6",
              takim1, [](QPainter& p, int d) { kapat(p, anaArkaplan, kapatYeri(), durumu(d)); });
}

void SkinPictures::ekleEzan()
{
    const QString g = "Ezan button";
    const QString kim = "`BtnEzan` at 204, 304";
    ekleTakim("ezan_", {28, 28}, g, kim + ": set 0 (ready)", takim1,
              [](QPainter& p, int d) { ezan(p, 0, durumu(d)); });
    ekleTakim("ezan_2_", {28, 28}, g, kim + ": set 1 (playing)", takim2,
              [](QPainter& p, int d) { ezan(p, 1, durumu(d)); });
    ekleTakim("ezan_3_", {28, 28}, g, kim + ": set 2 (call to prayer switched off)", takim3,
              [](QPainter& p, int d) { ezan(p, 2, durumu(d)); });
}

void SkinPictures::ekleDugmeler()
{
    const QString g = "Caption buttons (the control draws `Text` centred over them)";
    const QSize genis(72, 22);
    ekleTakim("kaydet_", genis, g,
              "save buttons, `Text` \"Kaydet\": `BtnBolgeKaydet`, `BtnAyarKaydet`, and `BtnKaydet` "
              "of the add-location dialog at 82, 188",
              takim1,
              [genis](QPainter& p, int d) { dugme(p, genis, DugmeTuru::Kaydet, durumu(d)); });
    ekleTakim("iptal_", genis, g,
              "`BtnIptal` of the add-location dialog at 158, 188, `Text` \"İptal\"", takim1,
              [genis](QPainter& p, int d) { dugme(p, genis, DugmeTuru::Iptal, durumu(d)); });
    ekleTakim("dugme_", genis, g,
              "any other captioned button on a white panel (`BtnSehirEkle`, `BtnBugun`, "
              "`BtnTarihSec`)",
              takim1, [genis](QPainter& p, int d) { dugme(p, genis, DugmeTuru::Duz, durumu(d)); });
    ekleTakim("dugme_kucuk_", {18, 18}, g, "small step buttons `BtnArti` \"+\" and `BtnEksi` \"-\"",
              takim1, [](QPainter& p, int d) {
                  dugme(p, {18, 18}, DugmeTuru::Duz, durumu(d));
              });
}

void SkinPictures::ekleKaydirma()
{
    const QString g = "Scrollbar (17 pixels wide: the control takes the width of its up arrow)";
    ekleTakim("scroll_yukari_", {17, 17}, g, "up arrow `ScrlYk`",
              {"ScrlYkNPicture", "ScrlYkBPicture", "ScrlYkOPicture"},
              [](QPainter& p, int d) { kaydirmaOku(p, true, durumu(d)); });
    ekleTakim("scroll_asagi_", {17, 17}, g, "down arrow `ScrlAs`",
              {"ScrlAsNPicture", "ScrlAsBPicture", "ScrlAsOPicture"},
              [](QPainter& p, int d) { kaydirmaOku(p, false, durumu(d)); });
    ekle("scroll_iz", {17, 32}, g,
         "track `ScrlArt` (`ScrlArtPicture`); every row is the same, so it may be stretched or "
         "tiled to the track height",
         [](QPainter& p) { kaydirmaIzi(p, 32); });
    ekleTakim("scroll_tutamak_", {17, 20}, g, "thumb `Scrl`",
              {"ScrlNPicture", "ScrlBPicture", "ScrlOPicture"},
              [](QPainter& p, int d) { kaydirmaTutamagi(p, durumu(d)); });
}

void SkinPictures::ekleMesaj()
{
    const QString g = "Popup (`MesajForm`)";
    ekle("mesaj_arkaplan", {197, 116}, g,
         "`BgImage`, stretched to the window while it grows; header strip 0-31 with the product "
         "name (`MesajIcon` at 9, 9), texts between 38 and 85, foot band from 96",
         mesajArkaplan);
    ekleTakim("mesaj_kapat_", {24, 24}, g, "`BtnKapat` of the popup at 169, 5", takim1,
              [](QPainter& p, int d) { kapat(p, mesajArkaplan, mesajKapatYeri(), durumu(d)); });
}

void SkinPictures::ekleEkle()
{
    ekle("ekle_arkaplan", {242, 221}, "Add-location dialog (`EkleForm`)",
         "dialog background: title strip 0-34 with a pin at 9, 9 (the caption \"Şehir / Bölge\" "
         "as a white bold label from 30, 9), white panel 6, 38, 230 x 177 holding the fields "
         "(rows from 46) and, at its foot, the buttons at 188 (`BtnKaydet` 82, `BtnIptal` 158, "
         "both 72 x 22); `BtnKapat` at 212, 6 uses `kapat_*`",
         ekleArkaplan);
}

void SkinPictures::ekleSimgeler()
{
    for (int n : simgeBoyutlari()) {
        ekle(QString("simge_%1").arg(n), {n, n}, "Program icon",
             QString("program icon at %1 pixels: window icon, `FormIcon`, `MesajIcon`, "
                     "`GAIcon1`, tray icon (`SkinResmi::programSimgesi()` holds all four)")
                 .arg(n),
             [n](QPainter& p) { programSimgesi(p, n); });
    }
}

const SkinPictures::Resim* SkinPictures::bul(const QString& ad) const
{
    for (const Resim& r : resimler_) {
        if (r.ad == ad)
            return &r;
    }
    return nullptr;
}

QImage SkinPictures::ciz(const Resim& resim, int olcek)
{
    QImage resimG(resim.boyut * olcek, QImage::Format_ARGB32_Premultiplied);
    resimG.fill(Qt::transparent);
    QPainter p(&resimG);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(olcek, olcek);
    resim.ciz(p);
    p.end();
    return resimG.convertToFormat(QImage::Format_ARGB32);
}

QImage SkinPictures::simge(int kenar, bool ikinci)
{
    QImage resimG(kenar, kenar, QImage::Format_ARGB32_Premultiplied);
    resimG.fill(Qt::transparent);
    QPainter p(&resimG);
    p.setRenderHint(QPainter::Antialiasing);
    if (ikinci)
        ikinciSimge(p, kenar);
    else
        programSimgesi(p, kenar);
    p.end();
    return resimG.convertToFormat(QImage::Format_ARGB32);
}

namespace {

void yerlestir(QPainter& p, const SkinPictures& s, const QString& ad, QPoint yer)
{
    const SkinPictures::Resim* r = s.bul(ad);
    if (!r)
        return;
    p.save();
    p.translate(yer);
    p.setClipRect(QRect(QPoint(0, 0), r->boyut));
    r->ciz(p);
    p.restore();
}

void ornekYazi(QPainter& p, const QRectF& r, const QString& metin, qreal pt, bool kalin,
               Qt::Alignment hiza = Qt::AlignLeft | Qt::AlignVCenter,
               QColor renk = QColor(64, 64, 64))
{
    QFont f("Arial");
    f.setPointSizeF(pt);
    f.setBold(kalin);
    p.setFont(f);
    p.setPen(renk);
    p.drawText(r, hiza, metin);
}

QImage tuval(QSize boyut, int olcek)
{
    QImage img(boyut * olcek, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

} // namespace

QImage SkinPictures::anaPencereOnizleme(int olcek, int seciliSekme, bool ezanCaliyor) const
{
    QImage img = tuval({242, 341}, olcek);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(olcek, olcek);
    anaArkaplan(p);
    p.drawImage(QRectF(9, 9, 16, 16), simge(16 * olcek, false));
    yerlestir(p, *this, "ustte_2_normal", usttekiYer());
    yerlestir(p, *this, "kapat_normal", kapatYeri());
    const char* adlar[] = {"vakitler", "bolgesel", "genel", "hakkinda"};
    for (int i = 0; i < 4; ++i) {
        yerlestir(p, *this,
                  QString("sekme_%1_%2normal").arg(adlar[i], i == seciliSekme ? "2_" : ""),
                  sekmeYeri(i));
    }
    yerlestir(p, *this, ezanCaliyor ? "ezan_2_normal" : "ezan_normal", ezanYeri());

    ornekYazi(p, QRectF(12, 40, 60, 16), "Türkiye", 8, false);
    ornekYazi(p, QRectF(12, 56, 90, 22), "İstanbul", 11, true);
    ornekYazi(p, QRectF(150, 42, 81, 14), "06 Aralık 2026", 8, false, Qt::AlignRight);
    ornekYazi(p, QRectF(130, 60, 101, 14), "Saat : 09:41", 8, false, Qt::AlignRight);

    const QPoint sayfa(8, 92);
    const char* vakitler[] = {"İmsak", "Güneş", "Öğle", "İkindi", "Akşam", "Yatsı"};
    const char* saatler[] = {"06:12", "07:43", "13:02", "15:31", "17:52", "19:18"};
    const int ustler[] = {31, 54, 77, 100, 123, 145};
    yerlestir(p, *this, "aktif_vakit", sayfa + QPoint(6, ustler[2] - 3));
    ornekYazi(p, QRectF(sayfa + QPointF(20, 4), QSizeF(186, 19)), "Şimdi Öğle Vakti", 10, true,
              Qt::AlignCenter, QColor(0x2F, 0x7E, 0x58));
    for (int i = 0; i < 6; ++i) {
        ornekYazi(p, QRectF(sayfa + QPointF(18, ustler[i]), QSizeF(80, 17)), vakitler[i], 9,
                  i == 2);
        ornekYazi(p, QRectF(sayfa + QPointF(163, ustler[i]), QSizeF(46, 17)), saatler[i], 9, i == 2,
                  Qt::AlignRight | Qt::AlignVCenter);
    }
    ornekYazi(p, QRectF(sayfa + QPointF(20, 166), QSizeF(186, 15)), "İkindi'ye Kalan Süre", 8,
              false, Qt::AlignCenter);
    ornekYazi(p, QRectF(sayfa + QPointF(20, 182), QSizeF(186, 22)), "02:29:07", 13, true,
              Qt::AlignCenter);
    return img;
}

QImage SkinPictures::mesajOnizleme(int olcek) const
{
    QImage img = tuval({197, 116}, olcek);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(olcek, olcek);
    mesajArkaplan(p);
    p.drawImage(QRectF(9, 9, 16, 16), simge(16 * olcek, false));
    yerlestir(p, *this, "mesaj_kapat_normal", mesajKapatYeri());
    ornekYazi(p, QRectF(10, 38, 177, 16), "İkindi Vaktine", 9, false, Qt::AlignCenter);
    ornekYazi(p, QRectF(12, 52, 173, 20), "15 Dakika", 12, true, Qt::AlignCenter);
    ornekYazi(p, QRectF(11, 72, 175, 13), "kaldı.", 8, false, Qt::AlignCenter);
    return img;
}

QImage SkinPictures::ekleOnizleme(int olcek) const
{
    QImage img = tuval({242, 221}, olcek);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(olcek, olcek);
    ekleArkaplan(p);
    ornekYazi(p, QRectF(30, 9, 150, 16), "Şehir / Bölge", 9, true, Qt::AlignLeft | Qt::AlignVCenter,
              Qt::white);
    yerlestir(p, *this, "kapat_normal", kapatYeri());
    const char* etiketler[] = {
        "Ülke : ", "Şehir/Bölge : ", "Saat Dilimi : ", "Enlem : ", "Boylam : "};
    for (int i = 0; i < 5; ++i) {
        const qreal y = 46 + i * 24;
        ornekYazi(p, QRectF(12, y, 80, 18), etiketler[i], 8, false,
                  Qt::AlignRight | Qt::AlignVCenter);
        p.setPen(QColor(0xB5, 0xD8, 0xC3));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(96.5, y + 0.5, 132, 17));
    }
    yerlestir(p, *this, "kaydet_normal", ekleKaydetYeri());
    yerlestir(p, *this, "iptal_normal", ekleIptalYeri());
    ornekYazi(p, QRectF(ekleKaydetYeri(), QSizeF(72, 22)), "Kaydet", 9, true, Qt::AlignCenter);
    ornekYazi(p, QRectF(ekleIptalYeri(), QSizeF(72, 22)), "İptal", 9, true, Qt::AlignCenter);
    return img;
}
