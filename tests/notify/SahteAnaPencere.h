#pragma once

#include "notify/AnaPencereArayuzu.h"

#include <QString>
#include <QStringList>

// Records what the popup and the tray menu ask of the main window, in order.
class SahteAnaPencere : public AnaPencereArayuzu
{
public:
    void Tablar_Click(int Index) override
    {
        cagrilar << QStringLiteral("Tablar_Click(%1)").arg(Index);
    }
    void Goster() override { cagrilar << QStringLiteral("Goster"); }
    void Yenile() override { cagrilar << QStringLiteral("Yenile"); }
    void FModStop() override { cagrilar << QStringLiteral("FModStop"); }
    void AnaFormKapat() override { cagrilar << QStringLiteral("AnaFormKapat"); }
    void EkleFormKapat() override { cagrilar << QStringLiteral("EkleFormKapat"); }
    void ProgramiBitir() override { cagrilar << QStringLiteral("ProgramiBitir"); }

    QStringList cagrilar;
};
