#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

// A label of the skinned windows: Arial at a fixed pixel size, dark grey or link blue, no
// background of its own. Clicks are reported, so the date and place labels and the two
// links can act on them; such a label is reached with Tab, answers Enter and Space as a
// click, shows a dotted frame while it has the focus, and is a button (a link when it is
// link blue) with a press action for assistive technology.
class Etiket : public QLabel
{
    Q_OBJECT
public:
    static const QColor Gri;      // RGB(64, 64, 64)
    static const QColor Baglanti; // RGB(96, 96, 232): 4.8:1 on white

    Etiket(const QString& metin, QWidget* parent, int pikselBoyu = 12, bool kalin = false,
           const QColor& renk = Gri);

    // The skin's font: Arial at a pixel size.
    static QFont Yazi(int pikselBoyu, bool kalin = false);
    // Gives a window or page the font and text colour most of its labels have.
    static void Varsayilan(QWidget& w, int pikselBoyu, bool kalin = false);

    // Position and size in pixels of the parent, as the window's design table gives them.
    void Yerlestir(int sol, int ust, int genislik, int yukseklik);
    // Marks the label as clickable: hand pointer, clicks reported, reached by keyboard.
    void Tiklanabilir();
    bool TiklanabilirMi() const { return tiklanabilir_; }
    bool BaglantiMi() const;
    // Makes a label that shows a value reachable with Tab and read with its caption
    // (`onEk`, the label before it) as "İmsak 05:43".
    void Okunur(const Etiket* onEk = nullptr);
    // A label whose text changes every second: assistive technology reads its text when it
    // asks, without being told of every change.
    void SessizGuncellenir();
    // The name assistive technology reads: the caption label's text, then this text.
    QString ErisimAdi() const;

signals:
    void Tiklandi();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool tiklanabilir_ = false;
    bool sessiz_ = false;
    const Etiket* onEk_ = nullptr;
};
