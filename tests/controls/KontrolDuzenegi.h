#pragma once

#include "support/SahteImlec.h"
#include "support/SahteZaman.h"

#include <QPixmap>
#include <QStringList>
#include <QTest>
#include <QWidget>

// A solid picture, so a test can tell from one pixel which picture a control shows.
inline QPixmap DuzResim(const QColor& renk, QSize boyut = QSize(40, 20))
{
    QPixmap p(boyut);
    p.fill(renk);
    return p;
}

// What the control tests share: a window on screen, a pretend pointer and clock, another
// widget for the pointer to go to, and the list of events seen.
struct KontrolDuzenegi
{
    SahteImlec imlec;
    SahteZamanKaynagi zaman;
    QWidget pencere;
    QWidget* baska = nullptr;
    QStringList olaylar;

    explicit KontrolDuzenegi(QSize boyut) { pencere.resize(boyut); }

    // Shows the window and puts the pointer in its far corner, away from any place a test
    // uses, so that a test's first move is a real move.
    bool Goster(QWidget* altindaki)
    {
        pencere.show();
        if (!QTest::qWaitForWindowExposed(&pencere))
            return false;
        QTest::mouseMove(pencere.windowHandle(), QPoint(pencere.width() - 1, pencere.height() - 1));
        imlec.alti = altindaki;
        return true;
    }
};
