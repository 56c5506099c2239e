#include "SkinGlyphs.h"

#include <QPainter>
#include <QtMath>

#include <cmath>

namespace {

QPen cizgi(const QColor& renk, qreal kalinlik)
{
    QPen kalem(renk, kalinlik);
    kalem.setCapStyle(Qt::RoundCap);
    kalem.setJoinStyle(Qt::RoundJoin);
    return kalem;
}

QPointF merkez(const QRectF& k)
{
    return k.center();
}

} // namespace

void SkinGlyphs::saat(QPainter& p, const QRectF& kutu, const QColor& renk, qreal kalinlik)
{
    p.save();
    const QPointF m = merkez(kutu);
    const qreal r = kutu.width() / 2 - kalinlik / 2;
    p.setPen(cizgi(renk, kalinlik));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(m, r, r);
    // Hands at ten past ten read as "a clock" even at 16 pixels.
    p.drawLine(m, m + QPointF(0, -r * 0.62));
    p.drawLine(m, m + QPointF(r * 0.48, r * 0.16));
    p.setPen(Qt::NoPen);
    p.setBrush(renk);
    p.drawEllipse(m, kalinlik * 0.75, kalinlik * 0.75);
    p.restore();
}

QPainterPath SkinGlyphs::konumYolu(const QRectF& kutu)
{
    // A round head over a point; the head takes the upper two thirds of the box.
    const qreal R = kutu.width() * 0.36;
    const qreal cx = kutu.center().x();
    const qreal cy = kutu.top() + R + kutu.height() * 0.04;
    const qreal uc = kutu.bottom();
    QPainterPath yol;
    yol.moveTo(cx, uc);
    yol.cubicTo(cx - R * 0.25, uc - R * 0.55, cx - R, cy + R * 0.55, cx - R, cy);
    yol.arcTo(QRectF(cx - R, cy - R, 2 * R, 2 * R), 180, -180);
    yol.cubicTo(cx + R, cy + R * 0.55, cx + R * 0.25, uc - R * 0.55, cx, uc);
    yol.closeSubpath();
    const qreal d = R * 0.42;
    yol.addEllipse(QPointF(cx, cy), d, d);
    yol.setFillRule(Qt::OddEvenFill);
    return yol;
}

void SkinGlyphs::konum(QPainter& p, const QRectF& kutu, const QColor& renk)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(renk);
    p.drawPath(konumYolu(kutu));
    p.restore();
}

void SkinGlyphs::disli(QPainter& p, const QRectF& kutu, const QColor& renk)
{
    const QPointF m = merkez(kutu);
    const qreal dis = kutu.width() / 2;
    const qreal govde = dis * 0.74;
    const qreal delik = dis * 0.32;
    const qreal dis_genislik = dis * 0.42;

    QPainterPath yol;
    yol.addEllipse(m, govde, govde);
    for (int i = 0; i < 8; ++i) {
        QPainterPath dis_yol;
        dis_yol.addRoundedRect(QRectF(-dis_genislik / 2, -dis, dis_genislik, dis - govde + 1.0),
                               dis_genislik * 0.18, dis_genislik * 0.18);
        QTransform t;
        t.translate(m.x(), m.y());
        t.rotate(i * 45.0 + 22.5);
        yol = yol.united(t.map(dis_yol));
    }
    QPainterPath bosluk;
    bosluk.addEllipse(m, delik, delik);
    yol = yol.subtracted(bosluk);

    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(renk);
    p.drawPath(yol);
    p.restore();
}

void SkinGlyphs::bilgi(QPainter& p, const QRectF& kutu, const QColor& renk, qreal kalinlik)
{
    p.save();
    const QPointF m = merkez(kutu);
    const qreal r = kutu.width() / 2 - kalinlik / 2;
    p.setPen(cizgi(renk, kalinlik));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(m, r, r);
    p.setPen(cizgi(renk, kalinlik * 1.15));
    p.drawLine(QPointF(m.x(), m.y() - r * 0.05), QPointF(m.x(), m.y() + r * 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(renk);
    p.drawEllipse(QPointF(m.x(), m.y() - r * 0.45), kalinlik * 0.72, kalinlik * 0.72);
    p.restore();
}

void SkinGlyphs::hilal(QPainter& p, const QRectF& kutu, const QColor& renk)
{
    p.save();
    const qreal w = kutu.width();
    // The moon a little left of centre; the circle cut from it leaves a crescent opening to
    // the upper right, where the star stands.
    const QPointF m = merkez(kutu) + QPointF(-w * 0.07, w * 0.02);
    const qreal r = w * 0.43;
    QPainterPath ay;
    ay.addEllipse(m, r, r);
    QPainterPath kesik;
    kesik.addEllipse(m + QPointF(r * 0.42, -r * 0.2), r * 0.8, r * 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(renk);
    p.drawPath(ay.subtracted(kesik));

    const QPointF y = m + QPointF(r * 0.78, -r * 0.22);
    const qreal dis = w * 0.17, ic = dis * 0.42;
    QPainterPath yildiz;
    for (int i = 0; i < 10; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + 36.0 * i);
        const qreal yaricap = i % 2 == 0 ? dis : ic;
        const QPointF uc = y + QPointF(std::cos(a) * yaricap, std::sin(a) * yaricap);
        if (i == 0)
            yildiz.moveTo(uc);
        else
            yildiz.lineTo(uc);
    }
    yildiz.closeSubpath();
    p.drawPath(yildiz);
    p.restore();
}

void SkinGlyphs::hoparlor(QPainter& p, const QRectF& kutu, const QColor& renk, int dalga,
                          bool sessiz)
{
    p.save();
    const qreal w = kutu.width();
    const qreal x0 = kutu.left();
    const qreal cy = kutu.center().y();
    QPainterPath govde;
    govde.moveTo(x0, cy - w * 0.16);
    govde.lineTo(x0 + w * 0.2, cy - w * 0.16);
    govde.lineTo(x0 + w * 0.46, cy - w * 0.38);
    govde.lineTo(x0 + w * 0.46, cy + w * 0.38);
    govde.lineTo(x0 + w * 0.2, cy + w * 0.16);
    govde.lineTo(x0, cy + w * 0.16);
    govde.closeSubpath();
    p.setPen(QPen(renk, w * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(renk);
    p.drawPath(govde);

    const qreal kalinlik = qMax<qreal>(1.4, w * 0.085);
    p.setBrush(Qt::NoBrush);
    p.setPen(cizgi(renk, kalinlik));
    const QPointF dm(x0 + w * 0.46, cy);
    for (int i = 0; i < dalga; ++i) {
        const qreal r = w * (0.2 + 0.19 * i);
        p.drawArc(QRectF(dm.x() - r, cy - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
    if (sessiz) {
        const qreal s = w * 0.15;
        const QPointF c(x0 + w * 0.79, cy);
        p.drawLine(c + QPointF(-s, -s), c + QPointF(s, s));
        p.drawLine(c + QPointF(-s, s), c + QPointF(s, -s));
    }
    p.restore();
}

void SkinGlyphs::raptiye(QPainter& p, const QRectF& kutu, const QColor& renk, bool takili)
{
    // Drawn upright in a unit box, then leaned for the loose state.
    p.save();
    const qreal w = kutu.width();
    p.translate(kutu.center());
    if (!takili)
        p.rotate(40);
    p.scale(w / 20.0, w / 20.0);

    QPainterPath bas;
    bas.addRoundedRect(QRectF(-4.5, -9.5, 9, 3), 1.2, 1.2); // cap
    QPainterPath boyun;
    boyun.moveTo(-2.8, -6.5);
    boyun.lineTo(2.8, -6.5);
    boyun.lineTo(3.2, -1.5);
    boyun.lineTo(-3.2, -1.5);
    boyun.closeSubpath();
    QPainterPath tabla;
    tabla.addRoundedRect(QRectF(-6.5, -2.2, 13, 2.6), 1.2, 1.2);
    QPainterPath ust = bas.united(boyun).united(tabla);

    if (takili) {
        p.setPen(Qt::NoPen);
        p.setBrush(renk);
        p.drawPath(ust);
    } else {
        p.setPen(QPen(renk, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(ust);
    }
    p.setPen(cizgi(renk, 1.8));
    p.drawLine(QPointF(0, 0.6), QPointF(0, 9.2));
    p.restore();
}

void SkinGlyphs::carpi(QPainter& p, const QRectF& kutu, const QColor& renk, qreal kalinlik)
{
    p.save();
    p.setPen(cizgi(renk, kalinlik));
    const QRectF k = kutu.adjusted(kalinlik / 2, kalinlik / 2, -kalinlik / 2, -kalinlik / 2);
    p.drawLine(k.topLeft(), k.bottomRight());
    p.drawLine(k.bottomLeft(), k.topRight());
    p.restore();
}

void SkinGlyphs::ok(QPainter& p, const QRectF& kutu, const QColor& renk, bool yukari,
                    qreal kalinlik)
{
    p.save();
    p.setPen(cizgi(renk, kalinlik));
    p.setBrush(Qt::NoBrush);
    const qreal w = kutu.width();
    const qreal h = kutu.height();
    const qreal ust = kutu.top() + h * 0.3;
    const qreal alt = kutu.top() + h * 0.7;
    QPainterPath yol;
    if (yukari) {
        yol.moveTo(kutu.left(), alt);
        yol.lineTo(kutu.left() + w / 2, ust);
        yol.lineTo(kutu.right(), alt);
    } else {
        yol.moveTo(kutu.left(), ust);
        yol.lineTo(kutu.left() + w / 2, alt);
        yol.lineTo(kutu.right(), ust);
    }
    p.drawPath(yol);
    p.restore();
}

void SkinGlyphs::gunes(QPainter& p, const QRectF& kutu, const QColor& renk, qreal kalinlik)
{
    p.save();
    const qreal w = kutu.width();
    const qreal ufuk = kutu.top() + kutu.height() * 0.7;
    const QPointF m(kutu.center().x(), ufuk);
    const qreal r = w * 0.24;
    // Half disc above the horizon.
    QPainterPath disk;
    disk.moveTo(m.x() - r, ufuk);
    disk.arcTo(QRectF(m.x() - r, ufuk - r, 2 * r, 2 * r), 180, -180);
    disk.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(renk);
    p.drawPath(disk);
    // Five rays fanning upwards.
    p.setPen(cizgi(renk, kalinlik));
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(180.0 - 22.5 - i * 33.75);
        const QPointF yon(qCos(a), -qSin(a));
        p.drawLine(m + yon * (r + w * 0.08), m + yon * (r + w * 0.2));
    }
    p.drawLine(QPointF(kutu.left() + w * 0.06, ufuk + kalinlik * 0.9),
               QPointF(kutu.right() - w * 0.06, ufuk + kalinlik * 0.9));
    p.restore();
}

qreal SkinGlyphs::urunAdi(QPainter& p, const QPointF& tabanSol, qreal xYuksekligi,
                          const QColor& renk, qreal kalinlik)
{
    // Letters in units of the x-height, baseline at y = 0, upwards negative.
    const qreal bosluk = 0.27;
    QPainterPath yol;
    qreal x = 0;

    // O: a capital slightly taller than the ascender of l.
    yol.addEllipse(QRectF(x, -1.42, 1.08, 1.42));
    x += 1.08 + bosluk;

    // r
    yol.moveTo(x + 0.06, 0);
    yol.lineTo(x + 0.06, -1.0);
    yol.moveTo(x + 0.06, -0.55);
    yol.cubicTo(x + 0.06, -0.88, x + 0.3, -1.02, x + 0.62, -0.97);
    x += 0.62 + bosluk * 0.7;

    // v
    yol.moveTo(x, -1.0);
    yol.lineTo(x + 0.42, 0);
    yol.lineTo(x + 0.84, -1.0);
    x += 0.84 + bosluk;

    // a: round bowl and a straight stem.
    yol.addEllipse(QRectF(x, -1.0, 0.84, 1.0));
    yol.moveTo(x + 0.84, -1.0);
    yol.lineTo(x + 0.84, 0);
    x += 0.84 + bosluk;

    // n
    yol.moveTo(x + 0.02, 0);
    yol.lineTo(x + 0.02, -1.0);
    yol.moveTo(x + 0.02, -0.58);
    yol.cubicTo(x + 0.02, -0.92, x + 0.24, -1.0, x + 0.43, -1.0);
    yol.cubicTo(x + 0.7, -1.0, x + 0.82, -0.84, x + 0.82, -0.56);
    yol.lineTo(x + 0.82, 0);
    x += 0.82 + bosluk;

    // e: bar, then the bowl opening to the lower right.
    yol.moveTo(x + 0.02, -0.5);
    yol.lineTo(x + 0.86, -0.5);
    yol.arcTo(QRectF(x + 0.02, -1.0, 0.84, 1.0), 0, 305);
    x += 0.86 + bosluk;

    // l
    yol.moveTo(x + 0.04, -1.42);
    yol.lineTo(x + 0.04, 0);
    x += 0.08;

    p.save();
    p.translate(tabanSol);
    p.scale(xYuksekligi, xYuksekligi);
    QPen kalem(renk, kalinlik / xYuksekligi);
    kalem.setCapStyle(Qt::RoundCap);
    kalem.setJoinStyle(Qt::RoundJoin);
    p.setPen(kalem);
    p.setBrush(Qt::NoBrush);
    p.drawPath(yol);
    p.restore();
    return x * xYuksekligi;
}
