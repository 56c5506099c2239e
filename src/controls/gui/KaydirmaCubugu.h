#pragma once

#include "controls/KaydirmaHesabi.h"

#include <QPixmap>
#include <QScrollBar>

class Zamanlayici;
class ZamanlayiciKaynagi;

// The skin's pictures of a scrollbar: the two arrows and the thumb in their normal, hover
// and pressed looks, and the track.
struct KaydirmaResimleri
{
    QPixmap Yukari[3]; // normal, under the pointer, pressed
    QPixmap Asagi[3];
    QPixmap Tutamak[3];
    QPixmap Iz;
};

// A vertical QScrollBar drawn from the skin's pictures: the up arrow at the top, the down
// arrow at the bottom, the track stretched between them and the thumb, as wide as the up
// arrow. The thumb stands where KaydirmaHesabi puts it (its size does not follow the page).
// An arrow steps once when pressed, again MouseInterval + 300 ms later, then every
// MouseInterval ms while held; a press on the track beside the thumb pages towards the
// pointer the same way until the thumb reaches it; the thumb's centre follows a drag. The
// wheel is left to the view the bar scrolls.
class KaydirmaCubugu : public QScrollBar
{
    Q_OBJECT
public:
    static constexpr int IlkTekrarGecikmesi = 300; // ms, added to MouseInterval once
    static constexpr int MouseInterval = 20;       // ms between repeats

    // Without a source the bar uses real timers.
    explicit KaydirmaCubugu(QWidget* parent = nullptr, ZamanlayiciKaynagi* zaman = nullptr);

    void setResimler(const KaydirmaResimleri& resimler);
    // The thumb's top and height in pixels, as drawn.
    int TutamakUstu() const;
    int TutamakYuksekligi() const { return resimler_.Tutamak[0].height(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    enum class Parca
    {
        Yok,
        Yukari,
        Asagi,
        Iz
    };
    enum Gorunus
    {
        Normal = 0,
        Uzerinde = 1,
        Basili = 2
    };

    KaydirmaHesabi Hesap() const;
    Parca Altindaki(int y) const;
    void tekrarla();
    bool sayfaHedefineVardi() const;
    void setTutamakGorunusu(Gorunus g);

    KaydirmaResimleri resimler_;
    Zamanlayici* tekrar_;
    Parca basili_ = Parca::Yok;   // held arrow or track
    Parca uzerinde_ = Parca::Yok; // under the pointer
    Gorunus tutamak_ = Normal;
    int sayfaHedefi_ = 0; // pixels: where the track was pressed
    bool sayfaYukari_ = false;
    int surukleme_ = -1; // twips: the dragged thumb's top, -1 when not dragging
};
