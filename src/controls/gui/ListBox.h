#pragma once

#include "controls/ListeDurumu.h"
#include "controls/gui/Resim.h"

#include <QColor>
#include <QWidget>
#include <vector>

class ImlecKaynagi;
class ListeKaynagi;
class QMimeData;
class Scroll;
class ZamanlayiciKaynagi;

// The owner-drawn list: the rows of a source (ListeKaynagi), drawn by the control itself in up
// to four columns, scrolled with an embedded picture scrollbar `VS`. Single or multiple selection
// (Shift ranges pivot on an anchor row, Control toggles), an active row drawn in `AktifColor`,
// deletion with the Delete key and reordering by dragging.
//
// Indices are 1-based; 0 means no row. Geometry and mouse positions are in pixels. The
// scrollbar is laid against the right edge as wide as its up arrow (17 pixels with the
// shipped skin; 355 twips when it has no arrow picture); the highlight and the columns are
// measured from it.
//
// What QWidget already holds is not duplicated: `Enabled` is QWidget's enabled state, `Font`
// its font, and the colours of ordinary and selected rows live in its palette (`BackColor`
// Window, `ForeColor` WindowText, `SelColor` Highlight, `SelForeColor` HighlightedText).
//
// Every change repaints through update(), so a burst of changes costs one paint; while
// `UnRefreshControl` is true nothing is painted at all (the previous picture stays on the
// surface) until `Refresh` is called after it is set back to false.
class ListBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QColor SelColor READ SelColor WRITE setSelColor)
    Q_PROPERTY(QColor SelForeColor READ SelForeColor WRITE setSelForeColor)
    Q_PROPERTY(QColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(QColor BorderSelColor READ BorderSelColor WRITE setBorderSelColor)
    Q_PROPERTY(QColor AktifColor READ AktifColor WRITE setAktifColor)
    Q_PROPERTY(bool DisplayBorder READ DisplayBorder WRITE setDisplayBorder)
    Q_PROPERTY(bool DisplayVScroll READ DisplayVScroll WRITE setDisplayVScroll)
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE setMultiSelect)
    Q_PROPERTY(bool FullRowSelect READ FullRowSelect WRITE setFullRowSelect)
    Q_PROPERTY(bool UseDefautItemSettings READ UseDefautItemSettings WRITE setUseDefautItemSettings)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int TurGen READ TurGen WRITE setTurGen)
    Q_PROPERTY(int DilGen READ DilGen WRITE setDilGen)
    Q_PROPERTY(int SureGen READ SureGen WRITE setSureGen)
    Q_PROPERTY(bool DelAktif READ DelAktif WRITE setDelAktif)
    Q_PROPERTY(bool TasiAktif READ TasiAktif WRITE setTasiAktif)
    Q_PROPERTY(bool UnRefreshControl READ UnRefreshControl WRITE setUnRefreshControl)
    Q_PROPERTY(int TopIndex READ TopIndex WRITE setTopIndex)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE setListIndex)
    Q_PROPERTY(int Aktif READ Aktif WRITE setAktif)
    Q_PROPERTY(int PictureMode READ PictureMode WRITE setPictureMode)
    Q_PROPERTY(int OLEDropMode READ OLEDropMode WRITE setOLEDropMode)
    Q_PROPERTY(int SelectedItem READ SelectedItem WRITE setSelectedItem)
    Q_PROPERTY(int ScrollValue READ ScrollValue WRITE setScrollValue)

public:
    // The scrollbar's width when its up arrow has no width of its own.
    static constexpr int ScrollGenisligiTwip = 355;
    static constexpr int EnKucukGenislikTwip = 800;
    // Alignment codes of the first column.
    enum Hiza
    {
        Sol = 0,
        Sag = 1,
        Orta = 2
    };
    // PictureMode: how the background picture is laid.
    enum ResimDuzeni
    {
        OlduguGibi = 0,
        Gerilmis = 1,
        Doseli = 2
    };
    // OLEDropMode: 0 drops refused, 1 drops raise OLEDragDrop.
    enum BirakmaModu
    {
        BirakmaYok = 0,
        BirakmaElle = 1
    };

    // Without sources the scrollbar uses the real pointer and real timers.
    explicit ListBox(QWidget* parent = nullptr, ImlecKaynagi* imlec = nullptr,
                     ZamanlayiciKaynagi* zaman = nullptr);
    ~ListBox() override;

    // The values the main window's list `Db` is given: selection in light green with black
    // text, active row in dark red, one selected row at a time, two columns (the first, and
    // the second in the 100 pixels at the right), no deletion or dragging, Arial 8.25 pt.
    void DbDegerleriniUygula();

    // The rows to show; the list starts afresh for them (nothing selected, no active row).
    void setKaynak(ListeKaynagi* kaynak);
    ListeKaynagi* Kaynak() const { return durum_.Kaynak(); }
    // The source replaced its rows: the list starts afresh for them and draws once.
    void KaynakDegisti();
    // The source put its rows in a new order itself (new row i is old row sira[i - 1]): the
    // selection and the active, focused and anchor rows follow their rows.
    void SiraDegisti(const std::vector<int>& sira);

    // Colours.
    QColor BackColor() const;
    void setBackColor(const QColor& renk);
    QColor ForeColor() const;
    void setForeColor(const QColor& renk);
    QColor SelColor() const;
    void setSelColor(const QColor& renk);
    QColor SelForeColor() const;
    void setSelForeColor(const QColor& renk);
    QColor BorderColor() const { return borderColor_; }
    void setBorderColor(const QColor& renk);
    QColor BorderSelColor() const { return borderSelColor_; }
    void setBorderSelColor(const QColor& renk);
    QColor AktifColor() const { return aktifColor_; }
    void setAktifColor(const QColor& renk);

    // Switches and layout.
    bool DisplayBorder() const { return displayBorder_; }
    void setDisplayBorder(bool goster);
    bool DisplayVScroll() const { return displayVScroll_; }
    void setDisplayVScroll(bool goster);
    bool Enabled() const { return isEnabled(); }
    bool MultiSelect() const { return durum_.MultiSelect(); }
    void setMultiSelect(bool coklu);
    bool FullRowSelect() const { return fullRowSelect_; }
    void setFullRowSelect(bool tam);
    // True: every row is drawn with the control's Alignment, not its own.
    bool UseDefautItemSettings() const { return useDefautItemSettings_; }
    void setUseDefautItemSettings(bool kullan);
    int Alignment() const { return alignment_; }
    void setAlignment(int hiza);
    // Widths of the second, third and fourth columns, pixels.
    int TurGen() const { return turGen_; }
    void setTurGen(int piksel);
    int DilGen() const { return dilGen_; }
    void setDilGen(int piksel);
    int SureGen() const { return sureGen_; }
    void setSureGen(int piksel);
    bool DelAktif() const { return durum_.DelAktif(); }
    void setDelAktif(bool sil) { durum_.setDelAktif(sil); }
    bool TasiAktif() const { return tasiAktif_; }
    void setTasiAktif(bool tasi) { tasiAktif_ = tasi; }
    bool UnRefreshControl() const { return unRefreshControl_; }
    void setUnRefreshControl(bool durdur);
    Resim Picture() const { return picture_; }
    void setPicture(const Resim& resim);
    int PictureMode() const { return pictureMode_; }
    void setPictureMode(int duzen);
    int OLEDropMode() const { return oleDropMode_; }
    void setOLEDropMode(int mod);

    // Positions.
    int TopIndex() const { return durum_.TopIndex(); }
    void setTopIndex(int index);
    // The row under the mouse (1 .. ListCount + 1 once the pointer has moved over the list).
    int ListIndex() const { return listIndex_; }
    void setListIndex(int index);
    int MouseItem() const { return listIndex_; }
    // The active row, 0 for none; any index outside 1..ListCount clears it.
    int Aktif() const { return durum_.Aktif(); }
    void setAktif(int index);
    int SelectedItem() const { return durum_.SelectedItem(); }
    void setSelectedItem(int index);
    // The scrollbar's value, which stands for TopIndex; setting it scrolls the list.
    int ScrollValue() const;
    void setScrollValue(int deger);

    // Read only.
    int ListCount() const { return durum_.ListCount(); }
    int NewIndex() const { return durum_.NewIndex(); }
    int SelCount() const { return durum_.SelCount(); }
    int Gorunen() const { return durum_.Gorunen(); }
    QWidget* hWnd() { return this; }
    int SatirYuksekligi() const { return satirYuksekligi_; }
    // The first column's text of a row; empty / false outside 1..ListCount.
    QString List(int index) const;
    bool Selected(int index) const;
    // Keeps SelCount in step; the focused row and the anchor stay.
    void setSelected(int index, bool secili);

    // Operations.
    // Has the source insert a row of plain text before `index` (or append it), aligned by
    // the control's Alignment. Returns the position.
    int AddItem(const QString& metin, int index = -1);
    void Clear();
    void RemoveItem(int index, bool ciz = true);
    void SelectAll();
    void UnSelectAll(bool ciz = true);
    void InvertSelection();
    void Crop();
    void EnsureVisible(int index);
    void Refresh();
    // What the search box does with a found row: select it alone as the focused row and
    // scroll it to the top.
    void BulunaniGoster(int index);

    // The scrollbar's pictures, handed on unchanged.
    void setScrlYkPicture(const Resim& r);
    void setScrlArtPicture(const Resim& r);
    void setScrlAsPicture(const Resim& r);
    void setScrlPicture(const Resim& r);
    void setScrlYkNPicture(const Resim& r);
    void setScrlYkBPicture(const Resim& r);
    void setScrlYkOPicture(const Resim& r);
    void setScrlAsNPicture(const Resim& r);
    void setScrlAsBPicture(const Resim& r);
    void setScrlAsOPicture(const Resim& r);
    void setScrlNPicture(const Resim& r);
    void setScrlBPicture(const Resim& r);
    void setScrlOPicture(const Resim& r);
    Scroll* VS() const { return vs_; }

    QSize sizeHint() const override;

signals:
    // A left or right press over the list, before the selection changes: the row hit.
    void ItemClick(int index);
    // After keyboard navigation, a wheel turn, and a scroll by the scrollbar.
    void Scrolled();
    // After Clear, Crop and deletion with the Delete key.
    void ListChange();
    // After rows were dragged to another place.
    void ListMoved();
    // After a double-click made a row active, and after Clear (with 0).
    void AktifChange(int aktif);
    void KeyDown(int tus, Qt::KeyboardModifiers shift);
    void KeyPress(QChar karakter);
    void KeyUp(int tus, Qt::KeyboardModifiers shift);
    // At the end of every mouse-button release; x and y in pixels.
    void MouseUp(Qt::MouseButton dugme, Qt::KeyboardModifiers shift, int x, int y);
    void OLEDragDrop(const QMimeData* veri, Qt::DropAction etki, Qt::MouseButtons dugme,
                     Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void renkAyarla(int rol, const QColor& renk);
    void satirYuksekliginiOlc();
    void yerlesimYap();
    void kaydirmayiEsitle();
    void ciz();
    void kaydirmaDegisti(int deger);
    void satirCiz(QPainter& p, int index, int y, int scrollSolu);
    void arkaPlanCiz(QPainter& p);
    int scrollGenisligi() const;
    int scrollSolu() const;
    bool isaretCizgisiVar() const;

    ListeDurumu durum_;
    Scroll* vs_;

    QColor borderColor_;
    QColor borderSelColor_;
    QColor aktifColor_;
    bool displayBorder_ = true;
    bool displayVScroll_ = true;
    bool fullRowSelect_ = true;
    bool useDefautItemSettings_ = false;
    int alignment_ = Sol;
    int turGen_ = 0;
    int dilGen_ = 0;
    int sureGen_ = 0;
    bool tasiAktif_ = false;
    bool unRefreshControl_ = false;
    Resim picture_;
    int pictureMode_ = OlduguGibi;
    int oleDropMode_ = BirakmaYok;

    int listIndex_ = -1;
    int satirYuksekligi_ = 1;
    int sonKaydirma_ = 1;   // the scrollbar value last followed
    int tekerBirikimi_ = 0; // wheel turn not yet a whole notch (1/8 degrees)
    Qt::MouseButton basilanDugme_ = Qt::NoButton;
    bool surukleniyor_ = false;
};
