#include "platform/gui/SistemImleci.h"

#include <QCursor>

QPoint SistemImleci::Konum() const
{
    return QCursor::pos();
}

ImlecKaynagi& SistemImleci::Ortak()
{
    static SistemImleci imlec;
    return imlec;
}
