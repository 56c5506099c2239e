#include "ContactSheet.h"

#include "SkinPictures.h"

#include <QFont>
#include <QPainter>

namespace {

const int genislik = 1560;
const int kenarBosluk = 16;

void damali(QPainter& p, const QRect& r)
{
    // Checks show where a picture is transparent.
    p.save();
    p.setClipRect(r);
    p.fillRect(r, QColor(0xFF, 0xFF, 0xFF));
    for (int y = r.top(); y < r.bottom(); y += 6) {
        for (int x = r.left() + ((y - r.top()) / 6 % 2) * 6; x < r.right(); x += 12)
            p.fillRect(QRect(x, y, 6, 6), QColor(0xE4, 0xE4, 0xE4));
    }
    p.restore();
}

} // namespace

QImage ContactSheet::olustur(const SkinPictures& resimler)
{
    // Layout pass first to know the height, then the drawing pass.
    struct Hucre
    {
        const SkinPictures::Resim* resim;
        QRect alan;
    };
    QList<Hucre> hucreler;
    const int onizlemeYuksekligi = 341 * 2 + 40;
    int x = kenarBosluk;
    int y = kenarBosluk + onizlemeYuksekligi + 20;
    int satirYuksekligi = 0;
    for (const SkinPictures::Resim& r : resimler.resimler()) {
        const int w = qMax(r.boyut.width() * 3 + 12, 150);
        const int h = r.boyut.height() * 2 + 22;
        if (x + w > genislik - kenarBosluk) {
            x = kenarBosluk;
            y += satirYuksekligi + 10;
            satirYuksekligi = 0;
        }
        hucreler.append({&r, QRect(x, y, w, h)});
        x += w + 10;
        satirYuksekligi = qMax(satirYuksekligi, h);
    }
    const int yukseklik = y + satirYuksekligi + kenarBosluk;

    QImage sayfa(genislik, yukseklik, QImage::Format_ARGB32_Premultiplied);
    sayfa.fill(QColor(0xF7, 0xF7, 0xF7));
    QPainter p(&sayfa);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f("DejaVu Sans");
    f.setPixelSize(10);
    p.setFont(f);

    // Windows: the main window at 1x and @2x, two more states of it, the popup and the dialog.
    int ox = kenarBosluk;
    const int oy = kenarBosluk + 14;
    p.setPen(Qt::black);
    p.drawText(ox, oy - 4, "main window 1x / @2x / pages and states, popup and dialog @2x");
    p.drawImage(QPoint(ox, oy), resimler.anaPencereOnizleme(1, 0, false));
    ox += 242 + 12;
    p.drawImage(QPoint(ox, oy), resimler.anaPencereOnizleme(2, 0, false));
    ox += 484 + 12;
    QImage ikinci = resimler.anaPencereOnizleme(1, 2, true);
    p.drawImage(QPoint(ox, oy), ikinci);
    QImage ucuncu = resimler.anaPencereOnizleme(1, 1, false);
    p.drawImage(QPoint(ox, oy + 341 + 12), ucuncu.copy(0, 280, 242, 61));
    ox += 242 + 12;
    QImage mesaj = resimler.mesajOnizleme(2);
    p.drawImage(QPoint(ox, oy), mesaj);
    QImage ekle = resimler.ekleOnizleme(2);
    p.drawImage(QPoint(ox, oy + 232 + 10), ekle.copy(0, 0, ekle.width(), 442 - 0));

    for (const Hucre& h : hucreler) {
        const SkinPictures::Resim& r = *h.resim;
        const QSize b = r.boyut;
        damali(p, QRect(h.alan.topLeft(), b));
        p.drawImage(h.alan.topLeft(), SkinPictures::ciz(r, 1));
        const QPoint ikiKat = h.alan.topLeft() + QPoint(b.width() + 8, 0);
        damali(p, QRect(ikiKat, b * 2));
        QImage iki = SkinPictures::ciz(r, 2);
        p.drawImage(ikiKat, iki);
        p.setPen(QColor(0x33, 0x33, 0x33));
        p.drawText(QRect(h.alan.left(), h.alan.top() + b.height() * 2 + 4, h.alan.width(), 14),
                   Qt::AlignLeft, r.ad);
    }
    p.end();
    return sayfa;
}
