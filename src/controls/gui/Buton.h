#pragma once

#include "controls/gui/Resim.h"

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

class ImlecKaynagi;
class Zamanlayici;
class ZamanlayiciKaynagi;

// The program's button, drawn only from pictures. It holds three picture sets (idle,
// pressed, hover) and steps through them by itself on every click (`CurrentEvent` up to
// `ButtonEvents`, then back to 0), which makes it a toggle or a multi-state switch.
//
// Mouse positions in the events are in pixels of the control. The pointer leaving is
// noticed by polling (`ImlecKaynagi`) every 10 ms while hovering, as a held button must
// also look released while the pointer is outside it.
class Buton : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor ButtonColor READ ButtonColor WRITE setButtonColor)
    Q_PROPERTY(bool Selected READ Selected WRITE setSelected)
    Q_PROPERTY(QColor MaskColor READ MaskColor WRITE setMaskColor)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(Resim MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(Resim PictureBack READ PictureBack WRITE setPictureBack)
    Q_PROPERTY(Resim PictureNormal READ PictureNormal WRITE setPictureNormal)
    Q_PROPERTY(Resim PictureDown READ PictureDown WRITE setPictureDown)
    Q_PROPERTY(Resim PictureOver READ PictureOver WRITE setPictureOver)
    Q_PROPERTY(Resim Picture2Normal READ Picture2Normal WRITE setPicture2Normal)
    Q_PROPERTY(Resim Picture2Down READ Picture2Down WRITE setPicture2Down)
    Q_PROPERTY(Resim Picture2Over READ Picture2Over WRITE setPicture2Over)
    Q_PROPERTY(Resim Picture3Normal READ Picture3Normal WRITE setPicture3Normal)
    Q_PROPERTY(Resim Picture3Down READ Picture3Down WRITE setPicture3Down)
    Q_PROPERTY(Resim Picture3Over READ Picture3Over WRITE setPicture3Over)
    Q_PROPERTY(Resim PictureDisabled READ PictureDisabled WRITE setPictureDisabled)
    Q_PROPERTY(int ButtonEvents READ ButtonEvents WRITE setButtonEvents)
    Q_PROPERTY(int CurrentEvent READ CurrentEvent WRITE setCurrentEvent)
    Q_PROPERTY(bool OtoEventChange READ OtoEventChange WRITE setOtoEventChange)
    Q_PROPERTY(bool UseMaskColor READ UseMaskColor WRITE setUseMaskColor)
    Q_PROPERTY(QString Text READ Text WRITE setText)

public:
    // The error raised when a chosen picture cannot be drawn ("invalid picture").
    static constexpr int HataGecersizResim = 481;
    static constexpr int HoverAraligi = 10; // ms

    // Without sources the control uses the real pointer and real timers.
    explicit Buton(QWidget* parent = nullptr, ImlecKaynagi* imlec = nullptr,
                   ZamanlayiciKaynagi* zaman = nullptr);
    ~Buton() override;

    // An invalid colour stands for the system's button-face colour (the default).
    QColor ButtonColor() const;
    void setButtonColor(const QColor& renk);
    bool Selected() const { return selected_; }
    void setSelected(bool secili);
    QWidget* hWnd() { return this; }
    QColor MaskColor() const;
    void setMaskColor(const QColor& renk);
    QColor ForeColor() const { return foreColor_; }
    void setForeColor(const QColor& renk);
    // 0 default, 1 arrow, 2 cross, 3 I-beam, 5/15 size all, 6 NE-SW, 7 N-S, 8 NW-SE,
    // 9 W-E, 10 up arrow, 11 hourglass, 12 no drop, 13 arrow and hourglass, 14 arrow and
    // question mark, 99 `MouseIcon`.
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int kod);
    Resim MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const Resim& resim);

    Resim PictureBack() const { return pictureBack_; }
    void setPictureBack(const Resim& r);
    Resim PictureNormal() const { return resimler_[0][Normal]; }
    void setPictureNormal(const Resim& r) { resimAyarla(0, Normal, r); }
    Resim PictureDown() const { return resimler_[0][Down]; }
    void setPictureDown(const Resim& r) { resimAyarla(0, Down, r); }
    Resim PictureOver() const { return resimler_[0][Over]; }
    void setPictureOver(const Resim& r) { resimAyarla(0, Over, r); }
    Resim Picture2Normal() const { return resimler_[1][Normal]; }
    void setPicture2Normal(const Resim& r) { resimAyarla(1, Normal, r); }
    Resim Picture2Down() const { return resimler_[1][Down]; }
    void setPicture2Down(const Resim& r) { resimAyarla(1, Down, r); }
    Resim Picture2Over() const { return resimler_[1][Over]; }
    void setPicture2Over(const Resim& r) { resimAyarla(1, Over, r); }
    Resim Picture3Normal() const { return resimler_[2][Normal]; }
    void setPicture3Normal(const Resim& r) { resimAyarla(2, Normal, r); }
    Resim Picture3Down() const { return resimler_[2][Down]; }
    void setPicture3Down(const Resim& r) { resimAyarla(2, Down, r); }
    Resim Picture3Over() const { return resimler_[2][Over]; }
    void setPicture3Over(const Resim& r) { resimAyarla(2, Over, r); }
    Resim PictureDisabled() const { return pictureDisabled_; }
    void setPictureDisabled(const Resim& r);

    int ButtonEvents() const { return buttonEvents_; }
    void setButtonEvents(int enYuksek);
    int CurrentEvent() const { return currentEvent_; }
    void setCurrentEvent(int takim);
    bool OtoEventChange() const { return otoEventChange_; }
    void setOtoEventChange(bool acik);
    bool UseMaskColor() const { return useMaskColor_; }
    void setUseMaskColor(bool acik);
    QString Text() const { return text_; }
    void setText(const QString& metin);

    // Redraw.
    void Refresh();
    // Empties every picture, then redraws (showing only the background).
    void Reset();

    // The picture the next redraw shows, after the fall-back to `PictureNormal`
    // (empty when nothing but the background is drawn).
    Resim GosterilecekResim() const;
    bool Basili() const { return basili_; }
    bool Uzerinde() const { return uzerinde_; }

    QSize sizeHint() const override;

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void Click();
    void DblClick();
    void MouseIn(Qt::KeyboardModifiers shift);
    void MouseOut(Qt::KeyboardModifiers shift);
    // Raised on every completed click just before the automatic step; the handler may
    // change the value (connect directly).
    void EventChange(int& currentEvent);
    // A control error: number, source and description (481: a picture that cannot be
    // drawn). Raised once until the pictures change, not on every paint, and only after
    // the paint that met the fault has ended.
    void Hata(int numara, const QString& kaynak, const QString& aciklama);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    enum Durum
    {
        Normal,
        Down,
        Over
    };

    void resimAyarla(int takim, Durum durum, const Resim& r);
    void bas(Qt::MouseButton tus, Qt::KeyboardModifiers shift, QPoint konum);
    void birak(Qt::MouseButton tus, Qt::KeyboardModifiers shift, QPoint konum);
    void hoverBak();
    void imleciUygula();
    bool resmiCiz(QPainter& p, const Resim& r) const;

    ImlecKaynagi* imlec_;
    Zamanlayici* hoverTimer_;

    QColor buttonColor_; // invalid: system button face
    bool selected_ = false;
    QColor maskColor_; // invalid: system button face
    QColor foreColor_ = Qt::black;
    int mousePointer_ = 0;
    Resim mouseIcon_;
    Resim pictureBack_;
    Resim resimler_[3][3];
    Resim pictureDisabled_;
    int buttonEvents_ = 0;
    int currentEvent_ = 0;
    bool otoEventChange_ = true;
    bool useMaskColor_ = false;
    QString text_;

    bool basili_ = false;
    // A held button whose pointer went outside looks released until the pointer returns.
    bool basiliGizli_ = false;
    bool uzerinde_ = false;
    Qt::MouseButton sonTus_ = Qt::NoButton;
    Qt::KeyboardModifiers sonShift_;
    QPoint sonKonum_;
    // The error is reported once until a picture changes, not on every paint.
    bool hataBildirildi_ = false;
};
