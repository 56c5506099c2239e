#pragma once

// What the popup (MesajForm) and the tray menu (MenuForm) need from the program.
// The running program (Program) implements it; tests implement it to record the calls.
class AnaPencereHedefi
{
public:
    virtual ~AnaPencereHedefi() = default;

    // Shows the tab page of the given index: 0 prayer times, 1 regional settings,
    // 2 general settings, 3 about, 4 religious days.
    virtual void SayfaGoster(int sayfa) = 0;
    // Makes the main window visible (a hidden window is shown, a shown one left as it is).
    virtual void Goster() = 0;
    // Redraws the main window.
    virtual void Yenile() = 0;
    // Stops the sound that is playing ("Ezanı Durdur").
    virtual void SesiDurdur() = 0;

    // "Çıkış" unloads the windows in this order, then ends the program:
    //   AnaFormKapat, the tray menu itself, EkleFormKapat, the popup, ProgramiBitir.
    // Unloads the main window: its end handling removes the tray icon (NotifyIcon::Hide)
    // and closes the sound library. Saves nothing.
    virtual void AnaFormKapat() = 0;
    // Unloads the add-location dialog when it is open; nothing otherwise.
    virtual void EkleFormKapat() = 0;
    // Ends the program once every window is unloaded (e.g. QCoreApplication::quit()).
    virtual void ProgramiBitir() = 0;
};
