#pragma once

#include "platform/OturumAcmaKaydi.h"

// The logon entry as an XDG autostart file, <autostart folder>/orvanel.desktop, whose Exec
// names the executable with "-startup" and whose TryExec names the executable.
class XdgOturumAcmaKaydi : public OturumAcmaKaydi
{
public:
    // `autostartKlasoru` empty: $XDG_CONFIG_HOME/autostart (default ~/.config/autostart).
    XdgOturumAcmaKaydi(QString programYolu, QString autostartKlasoru = {});

    QStringList Oku() const override;
    QStringList Beklenen() const override;
    void Yaz() override;
    void Sil() override;

    QString DosyaYolu() const;

    // The Exec value for a command (each argument quoted where the desktop-entry rules ask
    // for it) and back. ExecCoz gives an empty list for a value it cannot split.
    static QString ExecMetni(const QStringList& komut);
    static QStringList ExecCoz(const QString& exec);

private:
    QString programYolu_;
    QString klasor_;
};
