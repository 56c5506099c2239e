#pragma once

#include <QString>

// The state of the "Genel Ayarlar" page's controls.
struct GenelAyarFormu
{
    bool Acilis = true;          // GAyarAcilis
    bool Simge = true;           // GAyarSimge
    bool YazSaati = true;        // GAyarYazSaati
    int Ustte = 1;               // CurrentEvent of GAyarUstte: 1 on, 0 off
    QString Seffaf = "100";      // GAyarSeffaf
    QString HicriGun = "0";      // GAyarHicriGun
    int Icon = 1;                // chosen GAyarIcon index: 1, 2, or 0 for none
    bool DiniGunHatirlat = true; // GAyarDiniGun

    bool operator==(const GenelAyarFormu& o) const
    {
        return Acilis == o.Acilis && Simge == o.Simge && YazSaati == o.YazSaati &&
               Ustte == o.Ustte && Seffaf == o.Seffaf && HicriGun == o.HicriGun && Icon == o.Icon &&
               DiniGunHatirlat == o.DiniGunHatirlat;
    }
};

// What AyarUygula does to the windows, in its order; the main window implements it.
class GenelAyarHedefi
{
public:
    virtual ~GenelAyarHedefi() = default;
    // Puts the values on the page's controls.
    virtual void FormuGoster(const GenelAyarFormu& form) = 0;
    // Program icon: 1 the default icon, 2 "eksimge.ico" (a failure keeps the icon).
    virtual void SimgeSec(int secim) = 0;
    // Always on top for the main window, only while it is visible.
    virtual void HerZamanUstte(bool acik) = 0;
    // Tooltip of BtnKapat: "Gizle" or "Kapat".
    virtual void KapatIpucu(const QString& ipucu) = 0;
    // Window opacity 0..1; false when the platform refused it.
    virtual bool OpaklikUygula(double opaklik) = 0;
};
