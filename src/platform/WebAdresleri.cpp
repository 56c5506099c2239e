#include "platform/WebAdresleri.h"

#include <QUrl>

namespace WebAdresleri {

QString Urun()
{
    const QString ortam = qEnvironmentVariable("ORVANEL_URUN_ADRESI");
    return ortam.isEmpty() ? QStringLiteral(ORVANEL_URUN_ADRESI) : ortam;
}

QString Yapimci()
{
    return QStringLiteral(ORVANEL_YAPIMCI_ADRESI);
}

QString Host(const QString& adres)
{
    const QString h = QUrl(adres).host();
    return h.isEmpty() ? adres : h;
}

} // namespace WebAdresleri
