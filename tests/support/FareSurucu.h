#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

// Mouse input through the widget's window, so Qt delivers it as it would a real pointer
// (implicit grab while a button is held, button state on moves, double clicks).
struct FareSurucu
{
    static QWindow* Pencere(QWidget* w) { return w->window()->windowHandle(); }
    static QPoint Konum(QWidget* w, QPoint p) { return w->mapTo(w->window(), p); }
    static void Bas(QWidget* w, QPoint p, Qt::MouseButton tus = Qt::LeftButton)
    {
        QTest::mousePress(Pencere(w), tus, {}, Konum(w, p));
    }
    static void Birak(QWidget* w, QPoint p, Qt::MouseButton tus = Qt::LeftButton)
    {
        QTest::mouseRelease(Pencere(w), tus, {}, Konum(w, p));
    }
    static void Tasi(QWidget* w, QPoint p) { QTest::mouseMove(Pencere(w), Konum(w, p)); }
    static void CiftTikla(QWidget* w, QPoint p, Qt::MouseButton tus = Qt::LeftButton)
    {
        QTest::mouseDClick(Pencere(w), tus, {}, Konum(w, p));
    }
};
