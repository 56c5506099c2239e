#pragma once

#include "notify/AnaPencereHedefi.h"

#include <QString>
#include <QStringList>

#include <functional>

// Records what the popup and the tray menu ask of the main window, in order.
class SahteAnaPencere : public AnaPencereHedefi
{
public:
    void Tablar_Click(int Index) override { kaydet(QStringLiteral("Tablar_Click(%1)").arg(Index)); }
    void Goster() override { kaydet(QStringLiteral("Goster")); }
    void Yenile() override { kaydet(QStringLiteral("Yenile")); }
    void FModStop() override { kaydet(QStringLiteral("FModStop")); }
    void AnaFormKapat() override { kaydet(QStringLiteral("AnaFormKapat")); }
    void EkleFormKapat() override { kaydet(QStringLiteral("EkleFormKapat")); }
    void ProgramiBitir() override { kaydet(QStringLiteral("ProgramiBitir")); }

    QStringList cagrilar;
    // Called after each recorded call, to look at other windows at that moment.
    std::function<void(const QString&)> gozlemci;

private:
    void kaydet(const QString& cagri)
    {
        cagrilar << cagri;
        if (gozlemci)
            gozlemci(cagri);
    }
};
