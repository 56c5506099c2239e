#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

// A label of the skinned windows: Arial at a fixed pixel size, dark grey or link blue, no
// background of its own. Clicks are reported, so the date and place labels and the two
// links can act on them.
class Etiket : public QLabel
{
    Q_OBJECT
public:
    static const QColor Gri;      // RGB(64, 64, 64)
    static const QColor Baglanti; // RGB(128, 128, 255)

    Etiket(const QString& metin, QWidget* parent, int pikselBoyu = 12, bool kalin = false,
           const QColor& renk = Gri);

    // The skin's font: Arial at a pixel size.
    static QFont Yazi(int pikselBoyu, bool kalin = false);
    // Gives a window or page the font and text colour most of its labels have.
    static void Varsayilan(QWidget& w, int pikselBoyu, bool kalin = false);

    // Position and size in pixels of the parent, as the window's design table gives them.
    void Yerlestir(int sol, int ust, int genislik, int yukseklik);
    // Marks the label as clickable: hand pointer, clicks reported.
    void Tiklanabilir(bool el = true);

signals:
    void Tiklandi();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool tiklanabilir_ = false;
};
