#include "platform/QtSesKutuphanesi.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {
using Olusturucu = SesKutuphanesi* (*)(QObject*);
} // namespace

QtSesKutuphanesi::QtSesKutuphanesi(QObject* parent)
    : QtSesKutuphanesi(VarsayilanKlasorler(), parent)
{
}

QtSesKutuphanesi::QtSesKutuphanesi(QStringList modulKlasorleri, QObject* parent)
    : QObject(parent), klasorler_(std::move(modulKlasorleri))
{
}

QtSesKutuphanesi::~QtSesKutuphanesi()
{
    // The backend goes with the children; its players stop first. The module itself stays
    // mapped until the process ends, as the backend's code must outlive it.
    Kapat();
}

QStringList QtSesKutuphanesi::VarsayilanKlasorler()
{
    // A portable folder keeps the module beside the program; an installed system keeps it in
    // its library folder, next to the programs' folder.
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir(program).filePath(QStringLiteral("../" ORVANEL_KUTUPHANE_KLASORU))};
}

void QtSesKutuphanesi::ModuluYukle()
{
    if (denendi_)
        return;
    denendi_ = true;
    for (const QString& klasor : std::as_const(klasorler_)) {
        QLibrary modul(QDir(klasor).filePath(QStringLiteral("orvanel_ses")));
        if (!modul.load())
            continue;
        if (auto olustur = reinterpret_cast<Olusturucu>(modul.resolve("orvanel_ses_olustur"))) {
            arka_ = olustur(this);
            return;
        }
    }
}

void QtSesKutuphanesi::Ac()
{
    ModuluYukle();
    if (arka_)
        arka_->Ac();
}

void QtSesKutuphanesi::Kapat()
{
    if (arka_)
        arka_->Kapat();
}

int QtSesKutuphanesi::Yukle(const QString& yol)
{
    return arka_ ? arka_->Yukle(yol) : 0;
}

int QtSesKutuphanesi::Oynat(int ornek)
{
    return arka_ ? arka_->Oynat(ornek) : 0;
}

void QtSesKutuphanesi::Durdur(int kanal)
{
    if (arka_)
        arka_->Durdur(kanal);
}

qint64 QtSesKutuphanesi::Konum(int kanal) const
{
    return arka_ ? arka_->Konum(kanal) : 0;
}
