#include "platform/KurulumKlasorleri.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// An installer's copy on Windows: inside Program Files, which belongs to the installer
// (and where an administrator could otherwise write).
bool ProgramDosyalarinda(const QString& programKlasoru)
{
#ifdef Q_OS_WIN
    const QString klasor = QDir::cleanPath(QDir(programKlasoru).absolutePath()) + u'/';
    for (const char* ad : {"ProgramFiles", "ProgramW6432", "ProgramFiles(x86)"}) {
        const QString kok = QDir::fromNativeSeparators(qEnvironmentVariable(ad));
        if (!kok.isEmpty() && klasor.startsWith(QDir::cleanPath(kok) + u'/', Qt::CaseInsensitive))
            return true;
    }
#else
    Q_UNUSED(programKlasoru)
#endif
    return false;
}

} // namespace

namespace KurulumKlasorleri {

QString Veri(const QString& programKlasoru)
{
    const QDir program(programKlasoru);
    const QString kurulu = QDir::cleanPath(program.filePath(QStringLiteral("../share/orvanel")));
    if (!program.exists(QStringLiteral("data.db")) && QFileInfo::exists(kurulu + "/data.db"))
        return kurulu + u'/';
    return program.path() + u'/';
}

QString Kullanici(const QString& programKlasoru)
{
    // An installed data.db is the package's file, checked against what the package shipped:
    // not even root adds to it.
    const bool kurulu = Veri(programKlasoru) != QDir(programKlasoru).path() + u'/' ||
                        ProgramDosyalarinda(programKlasoru);
    if (!kurulu && QFileInfo(programKlasoru).isWritable())
        return {};
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Orvanel");
}

} // namespace KurulumKlasorleri
