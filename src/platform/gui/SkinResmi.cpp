#include "platform/gui/SkinResmi.h"

#include <QGuiApplication>

QPixmap SkinResmi::yukle(const QString& ad, qreal oran)
{
    if (oran <= 0)
        oran = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QString yol = QStringLiteral(":/skin/") + ad;
    if (oran > 1.0) {
        QPixmap iki(yol + QStringLiteral("@2x.png"));
        if (!iki.isNull()) {
            iki.setDevicePixelRatio(2.0);
            return iki;
        }
    }
    return QPixmap(yol + QStringLiteral(".png"));
}

QIcon SkinResmi::programSimgesi()
{
    QIcon simge;
    for (int n : {16, 24, 32, 48})
        simge.addFile(QStringLiteral(":/skin/simge_%1.png").arg(n), QSize(n, n));
    return simge;
}
