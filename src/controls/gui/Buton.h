#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

// The program's button, drawn only from pictures. It holds three picture sets (idle,
// pressed, hover) and, when `OtoEventChange` is on, steps through them on every click
// (`CurrentEvent` up to `ButtonEvents`, then back to 0), which makes it a toggle or a
// multi-state switch. A checkable button is checked while it shows set 1, so the pin, the
// sound button and the tab buttons tell assistive technology their on/off state.
//
// Its caption is the button's text; an icon-only button is named for assistive technology
// by its tooltip. The keyboard focus is drawn as a dotted frame only when it came from the
// keyboard, so the mouse-only look stays the skin's.
class Buton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QColor ButtonColor READ ButtonColor WRITE setButtonColor)
    Q_PROPERTY(bool Selected READ Selected WRITE setSelected)
    Q_PROPERTY(QColor MaskColor READ MaskColor WRITE setMaskColor)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QPixmap PictureBack READ PictureBack WRITE setPictureBack)
    Q_PROPERTY(QPixmap PictureNormal READ PictureNormal WRITE setPictureNormal)
    Q_PROPERTY(QPixmap PictureDown READ PictureDown WRITE setPictureDown)
    Q_PROPERTY(QPixmap PictureOver READ PictureOver WRITE setPictureOver)
    Q_PROPERTY(QPixmap Picture2Normal READ Picture2Normal WRITE setPicture2Normal)
    Q_PROPERTY(QPixmap Picture2Down READ Picture2Down WRITE setPicture2Down)
    Q_PROPERTY(QPixmap Picture2Over READ Picture2Over WRITE setPicture2Over)
    Q_PROPERTY(QPixmap Picture3Normal READ Picture3Normal WRITE setPicture3Normal)
    Q_PROPERTY(QPixmap Picture3Down READ Picture3Down WRITE setPicture3Down)
    Q_PROPERTY(QPixmap Picture3Over READ Picture3Over WRITE setPicture3Over)
    Q_PROPERTY(QPixmap PictureDisabled READ PictureDisabled WRITE setPictureDisabled)
    Q_PROPERTY(int ButtonEvents READ ButtonEvents WRITE setButtonEvents)
    Q_PROPERTY(int CurrentEvent READ CurrentEvent WRITE setCurrentEvent)
    Q_PROPERTY(bool OtoEventChange READ OtoEventChange WRITE setOtoEventChange)
    Q_PROPERTY(bool UseMaskColor READ UseMaskColor WRITE setUseMaskColor)

public:
    explicit Buton(QWidget* parent = nullptr);

    // An invalid colour stands for the system's button-face colour (the default).
    QColor ButtonColor() const;
    void setButtonColor(const QColor& renk);
    bool Selected() const { return selected_; }
    void setSelected(bool secili);
    QColor MaskColor() const;
    void setMaskColor(const QColor& renk);
    QColor ForeColor() const { return foreColor_; }
    void setForeColor(const QColor& renk);

    // A picture of set `takim` (0..2) in one state; the Picture* properties name each one.
    enum Durum
    {
        Normal,
        Down,
        Over
    };
    void setResim(int takim, Durum durum, const QPixmap& r);

    QPixmap PictureBack() const { return pictureBack_; }
    void setPictureBack(const QPixmap& r);
    QPixmap PictureNormal() const { return resimler_[0][Normal]; }
    void setPictureNormal(const QPixmap& r) { setResim(0, Normal, r); }
    QPixmap PictureDown() const { return resimler_[0][Down]; }
    void setPictureDown(const QPixmap& r) { setResim(0, Down, r); }
    QPixmap PictureOver() const { return resimler_[0][Over]; }
    void setPictureOver(const QPixmap& r) { setResim(0, Over, r); }
    QPixmap Picture2Normal() const { return resimler_[1][Normal]; }
    void setPicture2Normal(const QPixmap& r) { setResim(1, Normal, r); }
    QPixmap Picture2Down() const { return resimler_[1][Down]; }
    void setPicture2Down(const QPixmap& r) { setResim(1, Down, r); }
    QPixmap Picture2Over() const { return resimler_[1][Over]; }
    void setPicture2Over(const QPixmap& r) { setResim(1, Over, r); }
    QPixmap Picture3Normal() const { return resimler_[2][Normal]; }
    void setPicture3Normal(const QPixmap& r) { setResim(2, Normal, r); }
    QPixmap Picture3Down() const { return resimler_[2][Down]; }
    void setPicture3Down(const QPixmap& r) { setResim(2, Down, r); }
    QPixmap Picture3Over() const { return resimler_[2][Over]; }
    void setPicture3Over(const QPixmap& r) { setResim(2, Over, r); }
    QPixmap PictureDisabled() const { return pictureDisabled_; }
    void setPictureDisabled(const QPixmap& r);

    int ButtonEvents() const { return buttonEvents_; }
    void setButtonEvents(int enYuksek);
    int CurrentEvent() const { return currentEvent_; }
    void setCurrentEvent(int takim);
    bool OtoEventChange() const { return otoEventChange_; }
    void setOtoEventChange(bool acik);
    bool UseMaskColor() const { return useMaskColor_; }
    void setUseMaskColor(bool acik);

    // The picture the next paint shows, after the fall-back to `PictureNormal` (empty when
    // nothing but the background is drawn).
    QPixmap GosterilecekResim() const;
    // The name assistive technology reads: the accessible name, else the caption, else the
    // tooltip.
    QString ErisimAdi() const;
    // Whether the focus frame is drawn (the focus came from the keyboard).
    bool OdakCercevesi() const { return klavyeOdagi_ && hasFocus(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void nextCheckState() override;
    void checkStateSet() override;
    bool event(QEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void resmiCiz(QPainter& p, const QPixmap& r) const;
    void uzerindeAyarla(bool uzerinde);

    QColor buttonColor_; // invalid: system button face
    bool selected_ = false;
    QColor maskColor_; // invalid: system button face
    QColor foreColor_ = Qt::black;
    QPixmap pictureBack_;
    QPixmap resimler_[3][3];
    QPixmap pictureDisabled_;
    int buttonEvents_ = 0;
    int currentEvent_ = 0;
    bool otoEventChange_ = true;
    bool useMaskColor_ = false;

    bool uzerinde_ = false;
    bool klavyeOdagi_ = false;
};
