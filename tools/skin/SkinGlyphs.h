#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QPainter;

// Vector glyphs shared by the pictures. Each draws inside a square box given in logical pixels,
// so the same call serves the 1x and the @2x picture (the painter carries the scale).
class SkinGlyphs
{
public:
    // Clock face with two hands (prayer-times tab, program icon).
    static void saat(QPainter& p, const QRectF& kutu, const QColor& renk, qreal kalinlik);
    // Map pin with a round hole (regional-settings tab, add-location dialog).
    static void konum(QPainter& p, const QRectF& kutu, const QColor& renk);
    // Eight-toothed gear with a hole (general-settings tab).
    static void disli(QPainter& p, const QRectF& kutu, const QColor& renk);
    // Crescent with a five-pointed star in its opening (religious-days tab).
    static void hilal(QPainter& p, const QRectF& kutu, const QColor& renk);
    // Lower-case "i" in a ring (about tab).
    static void bilgi(QPainter& p, const QRectF& kutu, const QColor& renk, qreal kalinlik);
    // Loudspeaker; dalga 0 = none, 1 or 2 sound waves; sessiz adds a small cross (muted).
    static void hoparlor(QPainter& p, const QRectF& kutu, const QColor& renk, int dalga,
                         bool sessiz);
    // Push pin, upright when takili, leaning and hollow otherwise (always on top).
    static void raptiye(QPainter& p, const QRectF& kutu, const QColor& renk, bool takili);
    // Diagonal cross (close, cancel).
    static void carpi(QPainter& p, const QRectF& kutu, const QColor& renk, qreal kalinlik);
    // Chevron pointing up or down (scrollbar arrows).
    static void ok(QPainter& p, const QRectF& kutu, const QColor& renk, bool yukari,
                   qreal kalinlik);
    // Rising sun over a horizon (second program icon).
    static void gunes(QPainter& p, const QRectF& kutu, const QColor& renk, qreal kalinlik);

    // The product name "Orvanel" as drawn lettering (no font involved, so the pictures are the
    // same on every machine). Returns the width it took.
    static qreal urunAdi(QPainter& p, const QPointF& tabanSol, qreal xYuksekligi,
                         const QColor& renk, qreal kalinlik);

private:
    static QPainterPath konumYolu(const QRectF& kutu);
};
