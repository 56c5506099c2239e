#include "platform/gui/ErisimKonumu.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

bool ErisimKonumu::Olcek(const QWidget& w, qreal& k, QPoint& koken)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    const QWidget* pencere = w.window();
    const QWindow* tutamak = pencere ? pencere->windowHandle() : nullptr;
    const QScreen* ekran = w.screen();
    if (!tutamak || !ekran)
        return false;
    k = tutamak->devicePixelRatio();
    koken = ekran->geometry().topLeft();
    return true;
}

QRect ErisimKonumu::Olcekle(const QRect& mantiksal, const QWidget& w)
{
    qreal k = 1;
    QPoint koken;
    if (!Olcek(w, k, koken))
        return mantiksal;
    const QPointF sol = QPointF(mantiksal.topLeft() - koken) * k + QPointF(koken);
    return QRect(sol.toPoint(), (QSizeF(mantiksal.size()) * k).toSize());
}

QPoint ErisimKonumu::Geri(const QPoint& ekranda, const QWidget& w)
{
    qreal k = 1;
    QPoint koken;
    if (!Olcek(w, k, koken) || k <= 0)
        return ekranda;
    return (QPointF(ekranda - koken) / k + QPointF(koken)).toPoint();
}
