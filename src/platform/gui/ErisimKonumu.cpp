#include "platform/gui/ErisimKonumu.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

QRect ErisimKonumu::Ekranda(const QWidget& w)
{
    return Olcekle(QRect(w.mapToGlobal(QPoint(0, 0)), w.size()), w);
}

QRect ErisimKonumu::Olcekle(const QRect& mantiksal, const QWidget& w)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return mantiksal;
    const QWidget* pencere = w.window();
    const QWindow* tutamak = pencere ? pencere->windowHandle() : nullptr;
    const QScreen* ekran = w.screen();
    if (!tutamak || !ekran)
        return mantiksal;
    // A screen keeps its top-left corner in both units; the rest is scaled from there.
    const qreal k = tutamak->devicePixelRatio();
    const QPoint koken = ekran->geometry().topLeft();
    const QPointF sol = QPointF(mantiksal.topLeft() - koken) * k + QPointF(koken);
    return QRect(sol.toPoint(), (QSizeF(mantiksal.size()) * k).toSize());
}
