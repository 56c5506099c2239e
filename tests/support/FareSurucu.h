#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

// Mouse input through the widget's window, so Qt delivers it as it would a real pointer
// (implicit grab while a button is held, button state on moves, double clicks).
namespace FareSurucu {

inline QWindow* Pencere(QWidget* w)
{
    return w->window()->windowHandle();
}
inline QPoint Konum(QWidget* w, QPoint p)
{
    return w->mapTo(w->window(), p);
}

inline void Bas(QWidget* w, QPoint p, Qt::MouseButton tus = Qt::LeftButton,
                Qt::KeyboardModifiers mod = {})
{
    QTest::mousePress(Pencere(w), tus, mod, Konum(w, p));
}
inline void Birak(QWidget* w, QPoint p, Qt::MouseButton tus = Qt::LeftButton,
                  Qt::KeyboardModifiers mod = {})
{
    QTest::mouseRelease(Pencere(w), tus, mod, Konum(w, p));
}
inline void Tasi(QWidget* w, QPoint p)
{
    QTest::mouseMove(Pencere(w), Konum(w, p));
}
inline void CiftTikla(QWidget* w, QPoint p)
{
    QTest::mouseDClick(Pencere(w), Qt::LeftButton, {}, Konum(w, p));
}

} // namespace FareSurucu
