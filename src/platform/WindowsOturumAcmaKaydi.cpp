#include "platform/WindowsOturumAcmaKaydi.h"

#ifdef Q_OS_WIN

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <utility>

namespace {
const QString RunAnahtari =
    QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
}

WindowsOturumAcmaKaydi::WindowsOturumAcmaKaydi(QString programYolu)
    : programYolu_(std::move(programYolu))
{
}

QString WindowsOturumAcmaKaydi::DegerAdi() const
{
    return QFileInfo(programYolu_).completeBaseName();
}

QString WindowsOturumAcmaKaydi::BeklenenMetin() const
{
    const QFileInfo fi(programYolu_);
    return QDir::toNativeSeparators(fi.absolutePath()) + QLatin1Char('\\') + fi.completeBaseName() +
           QStringLiteral(".exe -startup");
}

QStringList WindowsOturumAcmaKaydi::Oku() const
{
    QSettings run(RunAnahtari, QSettings::NativeFormat);
    const QVariant v = run.value(DegerAdi());
    // Only a text value counts, as the system reads it; anything else is no entry.
    if (v.typeId() != QMetaType::QString || v.toString().isEmpty())
        return {};
    return {v.toString()};
}

QStringList WindowsOturumAcmaKaydi::Beklenen() const
{
    return {BeklenenMetin()};
}

void WindowsOturumAcmaKaydi::Yaz()
{
    QSettings run(RunAnahtari, QSettings::NativeFormat);
    run.setValue(DegerAdi(), BeklenenMetin()); // silently refused without the rights
}

void WindowsOturumAcmaKaydi::Sil()
{
    QSettings run(RunAnahtari, QSettings::NativeFormat);
    run.remove(DegerAdi());
}

#endif
