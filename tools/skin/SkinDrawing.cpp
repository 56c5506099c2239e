#include "SkinDrawing.h"

#include "SkinGlyphs.h"
#include "SkinPalette.h"
#include "SkinPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

namespace P = SkinPalette;

namespace SkinDrawing {

const DurumBilgisi durumlar[3] = {{Durum::Normal, "normal", "idle"},
                                  {Durum::Down, "down", "pressed"},
                                  {Durum::Over, "over", "pointer over"}};

namespace {

// A 1-pixel frame sits on half pixels so it stays sharp at 1x and at 2x.
// Main window, 242 x 341.
// Popup, 197 x 116.
// Add-location dialog, 242 x 221.
// Offsets the glyph of a pressed button by one pixel downwards.
// Ezan button: set 0 ready, set 1 playing, set 2 switched off.

QLinearGradient dikey(qreal ust, qreal alt, const QColor& a, const QColor& b)
{
    QLinearGradient g(0, ust, 0, alt);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

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

void altinda(QPainter& p, void (*arkaplan)(QPainter&), QPoint yer)
{
    p.save();
    p.translate(-yer);
    arkaplan(p);
    p.restore();
}

qreal basik(Durum d)
{
    return d == Durum::Down ? 1.0 : 0.0;
}

void baslikDugmesiZemini(QPainter& p, const QColor& renk)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(renk);
    p.drawRoundedRect(QRectF(2, 2, 20, 20), 5, 5);
    p.restore();
}

} // namespace

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

void ekleArkaplan(QPainter& p)
{
    const QSize boyut(242, 221);
    zemin(p, boyut);
    baslikSeridi(p, boyut.width(), 34);
    SkinGlyphs::konum(p, QRectF(9, 9, 16, 16), P::baslikYazi);
    beyazPanel(p, QRectF(6, 38, 230, 177), 6);
    pencereKenari(p, boyut, 34);
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
    case 3:
        SkinGlyphs::bilgi(p, kutu, glif, 1.9);
        break;
    default:
        SkinGlyphs::hilal(p, kutu, glif);
        break;
    }
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

} // namespace SkinDrawing
