#pragma once

#include "platform/gui/ImlecKaynagi.h"

#include <QPointer>
#include <QWidget>

// A pretend pointer: the test says which widget lies under it.
class SahteImlec : public ImlecKaynagi
{
public:
    QPoint Konum() const override { return konum; }
    QWidget* AltindakiPencere(const QPoint&) const override { return alti; }

    QPoint konum;
    QPointer<QWidget> alti;
};
