#pragma once

#include <QColor>
#include <QListView>
#include <QVector>

class KaydirmaCubugu;
class ZamanlayiciKaynagi;

// The skinned list: the rows of a model in one or more columns, drawn by SatirCizici, with a
// one-pixel frame and the skin's scrollbar (KaydirmaCubugu) inside it at the right. Qt's
// selection model keeps the selection; the current index is the row the keys move from.
//
// Rows scroll a whole row at a time; the scrollbar's value is the first visible row, and the
// rows in view are the whole rows of the list's height (Gorunen). Keys: Up/Left and
// Down/Right one row, Page Up/Page Down by Gorunen - 1 rows, Home and End the ends; a row the
// keys reach is selected alone and scrolled into view by as little as it takes. A press of
// either button selects the row under the pointer (below the last row, the last); a
// double-click with the left one makes that row the active row (aktifSecildi). A wheel notch
// scrolls three rows.
class ListeGorunumu : public QListView
{
    Q_OBJECT
public:
    // The colours besides the palette's: Base the background, Text the rows' text, Highlight
    // the selected rows' fill and HighlightedText their text.
    struct Renkler
    {
        QColor Cerceve;       // the list's frame
        QColor SeciliCerceve; // the line around a selected row
        QColor Aktif;         // the active row's text
    };
    static constexpr int TekerSatiri = 3; // rows per wheel notch

    // Without a source the scrollbar uses real timers.
    explicit ListeGorunumu(QWidget* parent = nullptr, ZamanlayiciKaynagi* zaman = nullptr);

    const Renkler& EkRenkler() const { return renkler_; }
    void setEkRenkler(const Renkler& renkler);
    // Widths in pixels of the columns after the first, which takes the rest.
    const QVector<int>& SutunGenislikleri() const { return sutunlar_; }
    void setSutunGenislikleri(const QVector<int>& genislikler);
    // The place list's look: the selection in light green with black text, the place in use
    // in dark red, the city in the 100 pixels at the right.
    void KonumListesiGibiGoster();

    // The active row (the place in use), -1 for none; setting it scrolls it into view.
    int Aktif() const;
    void setAktif(int satir);
    // The selected row, -1 for none.
    int SeciliSatir() const;
    // The row the keys move from, left as it is drawn (not selected); -1 for none.
    void setGecerliSatir(int satir);
    // What a search does with a found row: selects it alone as the current row and makes it
    // the first visible one; -1 (found nothing) only clears the selection.
    void BulunaniGoster(int satir);

    int UstSatir() const;
    void setUstSatir(int satir);
    int Gorunen() const;
    int SatirYuksekligi() const { return satirYuksekligi_; }
    KaydirmaCubugu* Cubuk() const { return cubuk_; }

    void scrollTo(const QModelIndex& konum, ScrollHint ipucu = EnsureVisible) override;

signals:
    void aktifSecildi(int satir);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    int satirSayisi() const;
    void araligiKur();
    int satirAltinda(int y) const;
    void git(int satir);

    KaydirmaCubugu* cubuk_;
    Renkler renkler_;
    QVector<int> sutunlar_;
    QPersistentModelIndex aktif_;
    int satirYuksekligi_ = 1;
    int tekerBirikimi_ = 0; // wheel turn not yet a whole notch (1/8 degrees)
};
