#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN

#include "platform/OturumAcmaKaydi.h"

// The logon entry as a value of the user's own Run key,
// HKCU\Software\Microsoft\Windows\CurrentVersion\Run, named after the executable (without
// extension) and holding "<folder>\<name>.exe -startup", the path in quotes when it holds a
// space (so that Windows never tries "C:\Program.exe"). The user's key needs no administrator
// rights. An entry of the machine's key (HKLM) or an unquoted one that names this program
// names this program too: the machine's entry is left alone, an unquoted one written anew.
class WindowsOturumAcmaKaydi : public OturumAcmaKaydi
{
public:
    explicit WindowsOturumAcmaKaydi(QString programYolu);

    QStringList Oku() const override;
    QStringList Beklenen() const override;
    bool BuKurulum(const QStringList& komut) const override;
    void Yaz() override;
    void Sil() override;

    static const QString KullaniciAnahtari; // HKEY_CURRENT_USER\...\Run
    static const QString MakineAnahtari;    // HKEY_LOCAL_MACHINE\...\Run

private:
    QString DegerAdi() const;
    QString BeklenenMetin() const;
    // Whether the value text starts this program with "-startup", quoted or not.
    bool BuProgram(const QString& metin) const;
    QString programYolu_;
};

#endif
