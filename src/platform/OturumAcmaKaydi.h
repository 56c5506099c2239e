#pragma once

#include <QString>
#include <QStringList>

#include <memory>

// The entry that makes the system start this installation at logon with "-startup".
// Implementations: the Run key value on Windows, an XDG autostart file elsewhere.
class OturumAcmaKaydi
{
public:
    virtual ~OturumAcmaKaydi() = default;

    // The command of the present entry, in the form Beklenen() gives (program and arguments
    // for a desktop file, the one value text on Windows); empty when there is none.
    virtual QStringList Oku() const = 0;
    // The command for this installation: its executable and "-startup".
    virtual QStringList Beklenen() const = 0;
    // Whether a present entry names this installation (by default: exactly Beklenen()).
    virtual bool BuKurulum(const QStringList& komut) const { return komut == Beklenen(); }
    // Creates or replaces the entry with the command for this installation.
    virtual void Yaz() = 0;
    virtual void Sil() = 0;

    // Brings the entry in line with the option: on and the entry differs (missing, another
    // copy, or this program moved) -> written; off and the entry names this installation
    // -> removed; an entry of another copy is left alone when off. An entry that names this
    // installation in another form is written anew when on. Failures are silent.
    void Uygula(bool acik);

    // The entry of this system for the running executable.
    static std::unique_ptr<OturumAcmaKaydi> Sistem();
};
