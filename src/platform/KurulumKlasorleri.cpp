#include "platform/KurulumKlasorleri.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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
    const bool kurulu = Veri(programKlasoru) != QDir(programKlasoru).path() + u'/';
    if (!kurulu && QFileInfo(programKlasoru).isWritable())
        return {};
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Orvanel");
}

} // namespace KurulumKlasorleri
