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

QString Kullanici()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Orvanel");
}

} // namespace KurulumKlasorleri
