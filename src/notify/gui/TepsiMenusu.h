#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class AnaPencereHedefi;
class MesajForm;
class QAction;
class QMenu;

// The tray icon's menu and what its items do. The icon pops the menu up itself (it is the
// icon's context menu: NotifyIcon::setContextMenu), so no window of the program has to own it.
//
// Each item opens the page its caption names: "Dini Günler", between the two settings items,
// opens page 4, the religious days.
class TepsiMenusu : public QObject
{
    Q_OBJECT
public:
    // Indexes of the main window's pages the items open.
    static constexpr int SayfaVakitler = 0;
    static constexpr int SayfaBolgesel = 1;
    static constexpr int SayfaGenel = 2;
    static constexpr int SayfaHakkinda = 3;
    static constexpr int SayfaDiniGunler = 4;

    explicit TepsiMenusu(AnaPencereHedefi& ana, QObject* parent = nullptr);
    ~TepsiMenusu() override;

    // The popup that "Çıkış" closes with the other windows.
    void setMesajForm(MesajForm* popup) { popup_ = popup; }

    QMenu* Menu() const { return menu_.get(); }

    QAction* tmAc = nullptr;
    QAction* tmBAyarlar = nullptr;
    QAction* tmDiniGunler = nullptr;
    QAction* tmGAyarlar = nullptr;
    QAction* tmHakkinda = nullptr;
    QAction* tmSessiz = nullptr;
    QAction* tmCikis = nullptr;

public slots:
    // "Ezanı Durdur" is enabled only while a sound plays; the sound watcher drives it
    // (connect SesCalar::SessizEtkin here).
    void SessizEtkin(bool etkin);

private:
    void sayfaAc(int sayfa);
    // Closes the main window, this menu, the add-location dialog and the popup, in this
    // order, then ends the program.
    void Cikis();

    AnaPencereHedefi& ana_;
    // A menu has no parent object here: the tray icon only borrows it.
    std::unique_ptr<QMenu> menu_;
    QPointer<MesajForm> popup_;
};
