#pragma once

#include <QPointer>
#include <QWidget>

class AnaPencereHedefi;
class MesajForm;
class QAction;
class QMenu;

// The hidden window that owns the tray menu. The main window pops TrayMenu up at the pointer
// when the tray icon asks for its context menu, after bringing itself to the foreground so
// that the menu closes on a click elsewhere.
//
// Each item opens the page its caption names: "Dini Günler", between the two settings items,
// opens page 4, the religious days.
class MenuForm : public QWidget
{
    Q_OBJECT
public:
    // Tab indexes of the main window's pages the items open.
    static constexpr int SayfaVakitler = 0;
    static constexpr int SayfaBolgesel = 1;
    static constexpr int SayfaGenel = 2;
    static constexpr int SayfaHakkinda = 3;
    static constexpr int SayfaDiniGunler = 4;

    explicit MenuForm(AnaPencereHedefi& ana, QWidget* parent = nullptr);
    ~MenuForm() override;

    // The popup that "Çıkış" unloads with the other windows.
    void setMesajForm(MesajForm* popup) { popup_ = popup; }

    // Pops TrayMenu up with its top-left corner at the global position, no default item.
    void Ac(const QPoint& konum);

    QMenu* TrayMenu = nullptr;
    QAction* tmAc = nullptr;
    QAction* tmSep2 = nullptr;
    QAction* tmBAyarlar = nullptr;
    QAction* tmDiniGunler = nullptr;
    QAction* tmGAyarlar = nullptr;
    QAction* tmHakkinda = nullptr;
    QAction* tmSessiz = nullptr;
    QAction* tmSep1 = nullptr;
    QAction* tmCikis = nullptr;

public slots:
    // "Ezanı Durdur" is enabled only while a sound plays; the sound watcher drives it
    // (connect SesCalar::SessizEtkin here).
    void SessizEtkin(bool etkin);

private:
    void sayfaAc(int index);
    // Unloads the main window, this window, the add-location dialog and the popup, in this
    // order, then ends the program.
    void Cikis();

    AnaPencereHedefi& ana_;
    QPointer<MesajForm> popup_;
};
