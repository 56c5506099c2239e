#pragma once

#include "controls/SabitNokta.h"
#include "controls/ScrollHesap.h"
#include "controls/gui/Resim.h"

#include <QWidget>

class Buton;
class ImlecKaynagi;
class Zamanlayici;
class ZamanlayiciKaynagi;

// The program's vertical scrollbar, drawn from pictures: the up button `ScrlYk`, the down
// button `ScrlAs` (both `Buton`s), the track and the thumb. Its range and value are
// four-decimal fixed-point numbers. Every movement made by the user raises `Change` and
// then `Scrolled`; a `Value` set from code raises neither.
//
// Geometry is worked out in twips (15 per pixel), see ScrollHesap.
//
// `Enabled` is the scrollbar's own switch and deliberately not QWidget's: a disabled
// scrollbar still takes an arrow press (one step), only dragging and the repeats stop.
class Scroll : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(SabitNokta Min READ Min WRITE setMin)
    Q_PROPERTY(SabitNokta Max READ Max WRITE setMax)
    Q_PROPERTY(SabitNokta Value READ Value WRITE setValue)
    Q_PROPERTY(SabitNokta SmallChange READ SmallChange WRITE setSmallChange)
    Q_PROPERTY(SabitNokta LargeChange READ LargeChange WRITE setLargeChange)
    Q_PROPERTY(int ScrollHeight READ ScrollHeight WRITE setScrollHeight)
    Q_PROPERTY(int MouseInterval READ MouseInterval WRITE setMouseInterval)
    Q_PROPERTY(bool UnRefreshControl READ UnRefreshControl WRITE setUnRefreshControl)

public:
    // Added to `MouseInterval` before the first repeat of a held arrow or page.
    static constexpr int IlkTekrarGecikmesi = 300; // ms
    static constexpr int TimerOverAraligi = 10;    // ms

    // Without sources the control uses the real pointer and real timers.
    explicit Scroll(QWidget* parent = nullptr, ImlecKaynagi* imlec = nullptr,
                    ZamanlayiciKaynagi* zaman = nullptr);
    ~Scroll() override;

    bool Enabled() const { return enabled_; }
    void setEnabled(bool acik); // hides QWidget::setEnabled on purpose, see above
    SabitNokta Min() const { return h_.Min; }
    void setMin(SabitNokta deger);
    SabitNokta Max() const { return h_.Max; }
    void setMax(SabitNokta deger);
    SabitNokta Value() const { return h_.Value; }
    void setValue(SabitNokta deger);
    SabitNokta SmallChange() const { return smallChange_; }
    void setSmallChange(SabitNokta deger);
    SabitNokta LargeChange() const { return largeChange_; }
    void setLargeChange(SabitNokta deger);
    int ScrollHeight() const { return scrollHeight_; }
    void setScrollHeight(int deger); // 0 to 255
    int MouseInterval() const { return mouseInterval_; }
    void setMouseInterval(int ms);
    bool UnRefreshControl() const { return unRefreshControl_; }
    void setUnRefreshControl(bool acik);
    QWidget* hWnd() { return this; }

    // Pictures, write only as far as hosts are concerned. The N and bare forms of an arrow
    // are the same picture (its normal one).
    void setScrlYkPicture(const Resim& r) { setScrlYkNPicture(r); }
    void setScrlYkNPicture(const Resim& r);
    void setScrlYkOPicture(const Resim& r);
    void setScrlYkBPicture(const Resim& r);
    void setScrlAsPicture(const Resim& r) { setScrlAsNPicture(r); }
    void setScrlAsNPicture(const Resim& r);
    void setScrlAsOPicture(const Resim& r);
    void setScrlAsBPicture(const Resim& r);
    void setScrlArtPicture(const Resim& r);
    // The thumb as shown now; the three below are its normal, hover and pressed pictures.
    void setScrlPicture(const Resim& r);
    void setScrlNPicture(const Resim& r);
    void setScrlOPicture(const Resim& r);
    void setScrlBPicture(const Resim& r);

    void Refresh();

    // The parts, for hosts that style them and for tests.
    Buton* ScrlYk() const { return scrlYk_; }
    Buton* ScrlAs() const { return scrlAs_; }
    // Thumb top and height as drawn, twips from the top of the control.
    int ScrlTop() const;
    int ScrlHeight() const { return h_.t; }
    // The thumb picture shown now.
    Resim ScrlGosterilen() const { return scrlGosterilen_; }
    bool Surukleniyor() const { return surukleniyor_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A movement by the user; the handler may change the value (connect directly).
    void Change(SabitNokta& value);
    void Scrolled();

protected:
    bool eventFilter(QObject* nesne, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    enum class Yon
    {
        Yok,
        Yukari,
        Asagi
    };

    void yerlesimYap();
    void yerlestirVeCiz();
    void bildir();
    void okBasildi(Yon yon);
    void okBirakildi();
    void timer1Tik();
    void timer2Tik();
    void timerOverTik();
    bool sayfaHedefineVardi() const;
    void kaydiriciResmi(const Resim& r);

    ImlecKaynagi* imlec_;
    Buton* scrlYk_;
    Buton* scrlAs_;
    Zamanlayici* timer1_;
    Zamanlayici* timer2_;
    Zamanlayici* timerOver_;

    ScrollHesap h_;
    bool enabled_ = true;
    SabitNokta smallChange_ = 1;
    SabitNokta largeChange_ = 10;
    int scrollHeight_ = 0;
    int mouseInterval_ = 20;
    bool unRefreshControl_ = true;

    Resim scrlArt_;
    Resim scrlGosterilen_;
    Resim scrlN_, scrlO_, scrlB_;

    Yon okYonu_ = Yon::Yok;
    Yon sayfaYonu_ = Yon::Yok;
    int sayfaHedefi_ = 0; // twips: the pointer's place on the track while paging
    bool surukleniyor_ = false;
};
