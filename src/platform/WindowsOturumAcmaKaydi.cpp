#include "platform/WindowsOturumAcmaKaydi.h"

#ifdef Q_OS_WIN

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <utility>

const QString WindowsOturumAcmaKaydi::KullaniciAnahtari =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString WindowsOturumAcmaKaydi::MakineAnahtari =
    QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");

namespace {

// Only a text value counts, as the system reads it; anything else is no entry.
QString Metin(const QString& anahtar, const QString& ad)
{
    const QVariant v = QSettings(anahtar, QSettings::NativeFormat).value(ad);
    return v.typeId() == QMetaType::QString ? v.toString() : QString();
}

} // namespace

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
    QString yol = QDir::toNativeSeparators(fi.absolutePath()) + QLatin1Char('\\') +
                  fi.completeBaseName() + QStringLiteral(".exe");
    if (yol.contains(QLatin1Char(' ')))
        yol = QLatin1Char('"') + yol + QLatin1Char('"');
    return yol + QStringLiteral(" -startup");
}

bool WindowsOturumAcmaKaydi::BuProgram(const QString& metin) const
{
    // Paths compare as Windows compares them; an earlier version wrote no quotes.
    const QString beklenen = BeklenenMetin();
    return metin.compare(beklenen, Qt::CaseInsensitive) == 0 ||
           metin.compare(QString(beklenen).remove(QLatin1Char('"')), Qt::CaseInsensitive) == 0;
}

QStringList WindowsOturumAcmaKaydi::Oku() const
{
    const QString kullanici = Metin(KullaniciAnahtari, DegerAdi());
    if (!kullanici.isEmpty())
        return {kullanici};
    // The machine's entry counts only where it names this program.
    const QString makine = Metin(MakineAnahtari, DegerAdi());
    return BuProgram(makine) ? QStringList{BeklenenMetin()} : QStringList();
}

bool WindowsOturumAcmaKaydi::BuKurulum(const QStringList& komut) const
{
    return komut.size() == 1 && BuProgram(komut.first());
}

QStringList WindowsOturumAcmaKaydi::Beklenen() const
{
    return {BeklenenMetin()};
}

void WindowsOturumAcmaKaydi::Yaz()
{
    QSettings(KullaniciAnahtari, QSettings::NativeFormat).setValue(DegerAdi(), BeklenenMetin());
}

void WindowsOturumAcmaKaydi::Sil()
{
    // The machine's entry, if any, needs an administrator and stays.
    QSettings(KullaniciAnahtari, QSettings::NativeFormat).remove(DegerAdi());
}

#endif
