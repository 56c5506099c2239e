#pragma once

// What the popup (MesajForm) and the tray menu (TepsiMenusu) need from the program.
// The running program (Program) implements it; tests implement it to record the calls.
class AnaPencereHedefi
{
public:
    virtual ~AnaPencereHedefi() = default;

    // Shows the page of the given index: 0 prayer times, 1 regional settings, 2 general
    // settings, 3 about, 4 religious days.
    virtual void SayfaAc(int sayfa) = 0;
    // Makes the main window visible (a hidden window is shown, a shown one left as it is).
    virtual void Goster() = 0;
    // Stops the sound that is playing ("Ezanı Durdur").
    virtual void SesiDurdur() = 0;

    // "Çıkış" closes the windows in this order, then ends the program:
    //   AnaFormKapat, the tray menu, EkleFormKapat, the popup, ProgramiBitir.
    // Closes the main window: its end handling removes the tray icon (NotifyIcon::Hide)
    // and ends the sound. Saves nothing.
    virtual void AnaFormKapat() = 0;
    // Closes the add-location dialog when it is open; nothing otherwise.
    virtual void EkleFormKapat() = 0;
    // Ends the program once every window is closed (e.g. QCoreApplication::quit()).
    virtual void ProgramiBitir() = 0;
};
