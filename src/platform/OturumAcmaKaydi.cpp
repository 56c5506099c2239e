#include "platform/OturumAcmaKaydi.h"

#include "platform/WindowsOturumAcmaKaydi.h"
#include "platform/XdgOturumAcmaKaydi.h"

#include <QCoreApplication>

void OturumAcmaKaydi::Uygula(bool acik)
{
    const QStringList simdiki = Oku();
    const QStringList beklenen = Beklenen();
    if (acik && simdiki != beklenen)
        Yaz();
    else if (!acik && !simdiki.isEmpty() && BuKurulum(simdiki))
        Sil();
}

std::unique_ptr<OturumAcmaKaydi> OturumAcmaKaydi::Sistem()
{
    const QString program = QCoreApplication::applicationFilePath();
#ifdef Q_OS_WIN
    return std::make_unique<WindowsOturumAcmaKaydi>(program);
#else
    return std::make_unique<XdgOturumAcmaKaydi>(program);
#endif
}
