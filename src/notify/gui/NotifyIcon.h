#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>

class QWidget;
class TepsiSimgesi;

// The program's icon in the notification area, with its tooltip, balloons and the five
// mouse events the main window answers. The icon never outlives the program: it is removed
// by Hide, when this object is destroyed, and when the application is about to quit.
//
// Where the desktop has no notification area, Show leaves Shown false, so the program can
// keep its window reachable instead of hiding into an icon nobody sees.
class NotifyIcon : public QObject
{
    Q_OBJECT
public:
    static constexpr int IpucuSiniri = 127; // tooltip characters
    static constexpr int BaslikSiniri = 63; // balloon title characters
    static constexpr int MetinSiniri = 255; // balloon text characters

    // Balloon kinds: 0 none, 1 information, 2 warning, 3 error, 4 the caller's own icon.
    enum BalonTuru
    {
        BalonYok = 0,
        BalonBilgi = 1,
        BalonUyari = 2,
        BalonHata = 3,
        BalonKullanici = 4
    };

    // Without `alan` the real notification area (QSystemTrayIcon) is used. The icon starts
    // as the program icon.
    explicit NotifyIcon(QObject* parent = nullptr, TepsiSimgesi* alan = nullptr);
    ~NotifyIcon() override;

    QIcon Icon() const { return icon_; }
    void setIcon(const QIcon& simge);
    bool Shown() const { return shown_; }
    // Stored cut to 127 characters (a surrogate pair is never split).
    QString ToolTip() const { return toolTip_; }
    void setToolTip(const QString& ipucu);

    // Takes down a balloon of the icon (only while shown).
    void BalloonHide();
    // A balloon (only while shown): title cut to 63 characters, text to 255; kinds 0..4 as
    // above, 4 with `UserIcon`. Other kinds show no icon.
    void BalloonShow(const QString& Title, const QString& Text, int BalloonIcon,
                     const QIcon& UserIcon = QIcon());
    // Removes the icon (only while shown).
    void Hide();
    // Holds on to the form, shows the icon, hides the form.
    void MinimizeToTray(QWidget* Form);
    // Undoes MinimizeToTray: optionally removes the icon, then brings the held form back in
    // its normal state to the front. Nothing without a held form.
    void Restore(bool HideIcon);
    // Brings the form's window to the front and gives it the focus.
    void SetForeground(QWidget* Form);
    // Adds the icon, when there is a notification area.
    void Show();
    // Whether the desktop has a notification area now (it may come after the program).
    bool AlanVar() const;

    // The text cut to at most n UTF-16 units without leaving half a surrogate pair.
    static QString Kes(const QString& metin, int n);

signals:
    // Left double-click. (Qt reports no keyboard select of the icon separately.)
    void DblClick();
    // The user clicked the balloon itself.
    void BalloonClick();
    // The balloon timed out or was closed. Qt reports neither, so no platform raises it
    // through QSystemTrayIcon; it is kept for the interface's users.
    void BalloonDismissed();
    // Left click (Qt's Trigger; the clicks of a double-click raise it too).
    void Click();
    // Right click or the context-menu key. Hosts that draw the menu themselves
    // (StatusNotifierItem without Activate support) may deliver none.
    void ContextMenu();

private:
    void etkinlesti(QSystemTrayIcon::ActivationReason neden);

    TepsiSimgesi* alan_;
    QIcon icon_;
    QString toolTip_;
    bool shown_ = false;
    QPointer<QWidget> tutulanForm_;
};
