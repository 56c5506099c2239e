#include "platform/gui/SistemImleci.h"

#include <QApplication>
#include <QCursor>

QPoint SistemImleci::Konum() const
{
    return QCursor::pos();
}

QWidget* SistemImleci::AltindakiPencere(const QPoint& global) const
{
    return QApplication::widgetAt(global);
}

ImlecKaynagi& SistemImleci::Ortak()
{
    static SistemImleci imlec;
    return imlec;
}
