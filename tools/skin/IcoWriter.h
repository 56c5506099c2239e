#pragma once

#include <QList>
#include <QString>

class QImage;

// Writes one Windows icon file holding several sizes (Qt's own ico writer stores one image per
// file). Every image goes in as a 32-bit DIB with its AND mask, which every icon reader knows.
class IcoWriter
{
public:
    static bool yaz(const QString& dosya, const QList<QImage>& resimler);
    static QByteArray kodla(const QList<QImage>& resimler);
};
