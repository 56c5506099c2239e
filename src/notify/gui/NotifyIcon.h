#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

class QMenu;
class TepsiSimgesi;

// The program's icon in the notification area, with its tooltip, its context menu, balloons
// and the user's clicks. The icon never outlives the program: it is removed by Hide, when
// this object is destroyed, and when the application is about to quit.
//
// Where the desktop has no notification area, Show adds nothing (AlanVar says so), so the
// program can keep its window reachable instead of hiding into an icon nobody sees.
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

    void setIcon(const QIcon& simge);
    // Stored cut to 127 characters (a surrogate pair is never split).
    void setToolTip(const QString& ipucu);

    // The menu the icon pops up on a right click (or that the desktop shows for it); the
    // caller keeps it.
    void setContextMenu(QMenu* menu);

    // Takes down a balloon of the icon (only while shown).
    void BalloonHide();
    // A balloon (only while shown): title cut to 63 characters, text to 255; kinds 0..4 as
    // above, 4 with `ozelSimge`. Other kinds show no icon.
    void BalloonShow(const QString& baslik, const QString& metin, int tur,
                     const QIcon& ozelSimge = QIcon());
    // Removes the icon (only while shown).
    void Hide();
    // Adds the icon, when there is a notification area.
    void Show();
    // Whether the desktop has a notification area now (it may come after the program).
    bool AlanVar() const;

    // The text cut to at most n UTF-16 units without leaving half a surrogate pair.
    static QString Kes(const QString& metin, int n);

signals:
    // The user clicked the balloon itself.
    void BalloonClick();
    // Left click (Qt's Trigger; the clicks of a double-click raise it too, so a double click
    // needs nothing of its own). The icon opens its context menu itself.
    void Click();

private:
    TepsiSimgesi* alan_;
    QIcon icon_;
    QString toolTip_;
    bool shown_ = false;
};
