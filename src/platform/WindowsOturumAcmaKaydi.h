#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN

#include "platform/OturumAcmaKaydi.h"

// The logon entry as a value of HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run named
// after the executable (without extension), holding "<folder>\<name>.exe -startup" without
// quotes. Writing needs rights to the machine-wide key; without them nothing happens.
class WindowsOturumAcmaKaydi : public OturumAcmaKaydi
{
public:
    explicit WindowsOturumAcmaKaydi(QString programYolu);

    QStringList Oku() const override;
    QStringList Beklenen() const override;
    void Yaz() override;
    void Sil() override;

private:
    QString DegerAdi() const;
    QString BeklenenMetin() const;
    QString programYolu_;
};

#endif
