#include "controls/gui/ListeGorunumu.h"

#include "controls/gui/KaydirmaCubugu.h"
#include "controls/gui/SatirCizici.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

ListeGorunumu::ListeGorunumu(QWidget* parent, ZamanlayiciKaynagi* zaman)
    : QListView(parent), cubuk_(new KaydirmaCubugu(nullptr, zaman))
{
    setVerticalScrollBar(cubuk_);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(ScrollPerItem);
    setSelectionMode(SingleSelection);
    setUniformItemSizes(true);
    setAutoScroll(false);
    setItemDelegate(new SatirCizici(this));
    // One-pixel frame with the scrollbar inside it; the rows run under the frame's left, top and
    // bottom lines, as the frame is drawn over them.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setViewportMargins(-1, -1, 0, -1);
    satirYuksekligi_ = std::max(1, fontMetrics().height());
}

void ListeGorunumu::setEkRenkler(const Renkler& renkler)
{
    renkler_ = renkler;
    update();
    viewport()->update();
}

void ListeGorunumu::setSutunGenislikleri(const QVector<int>& genislikler)
{
    sutunlar_ = genislikler;
    viewport()->update();
}

void ListeGorunumu::KonumListesiGibiGoster()
{
    QPalette renk = palette();
    renk.setColor(QPalette::Base, Qt::white);
    renk.setColor(QPalette::Text, Qt::black);
    renk.setColor(QPalette::Highlight, QColor(162, 239, 88));
    renk.setColor(QPalette::HighlightedText, Qt::black);
    setPalette(renk);
    setEkRenkler({QColor(210, 239, 168), QColor(162, 239, 88), QColor(192, 0, 0)});
    setSutunGenislikleri({100});
}

int ListeGorunumu::satirSayisi() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int ListeGorunumu::Aktif() const
{
    return aktif_.isValid() ? aktif_.row() : -1;
}

void ListeGorunumu::setAktif(int satir)
{
    aktif_ = model() && satir >= 0 ? QPersistentModelIndex(model()->index(satir, 0, rootIndex()))
                                   : QPersistentModelIndex();
    if (aktif_.isValid())
        scrollTo(aktif_);
    viewport()->update();
}

int ListeGorunumu::SeciliSatir() const
{
    const QModelIndexList secili =
        selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    return secili.isEmpty() ? -1 : secili.first().row();
}

void ListeGorunumu::setGecerliSatir(int satir)
{
    if (selectionModel())
        selectionModel()->setCurrentIndex(model()->index(satir, 0, rootIndex()),
                                          QItemSelectionModel::NoUpdate);
}

void ListeGorunumu::BulunaniGoster(int satir)
{
    if (!selectionModel())
        return;
    if (satir < 0 || satir >= satirSayisi()) {
        selectionModel()->clearSelection(); // the current row stays where the keys go from
        return;
    }
    const QModelIndex konum = model()->index(satir, 0, rootIndex());
    selectionModel()->setCurrentIndex(konum, QItemSelectionModel::ClearAndSelect);
    scrollTo(konum, PositionAtTop);
}

int ListeGorunumu::UstSatir() const
{
    return cubuk_->value();
}

void ListeGorunumu::setUstSatir(int satir)
{
    cubuk_->setValue(satir); // kept in range by the bar
}

int ListeGorunumu::Gorunen() const
{
    return std::max(1, height() / satirYuksekligi_);
}

void ListeGorunumu::scrollTo(const QModelIndex& konum, ScrollHint ipucu)
{
    if (!konum.isValid())
        return;
    araligiKur(); // rows may have come since the last layout
    const int satir = konum.row(), ust = UstSatir();
    if (ipucu == PositionAtTop)
        setUstSatir(satir);
    else if (satir > ust + Gorunen() - 1)
        setUstSatir(satir - (Gorunen() - 1));
    else if (satir < ust)
        setUstSatir(satir);
}

void ListeGorunumu::updateGeometries()
{
    QListView::updateGeometries();
    araligiKur();
}

void ListeGorunumu::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    // The frame's lines are drawn on the rows' surface: moved with its pixels, they would
    // cross the rows.
    viewport()->update();
}

void ListeGorunumu::araligiKur()
{
    // The last rows scroll up until the list's height is full of whole rows.
    cubuk_->setRange(0, std::max(0, satirSayisi() - Gorunen()));
    cubuk_->setSingleStep(1);
    cubuk_->setPageStep(Gorunen());
}

bool ListeGorunumu::event(QEvent* e)
{
    if (e->type() == QEvent::Paint) {
        // The frame in the list's own colour (QFrame would take the palette's).
        QPainter p(this);
        p.setPen(renkler_.Cerceve);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        return true;
    }
    return QListView::event(e);
}

void ListeGorunumu::paintEvent(QPaintEvent* e)
{
    QListView::paintEvent(e);
    // The frame's lines that the rows run under.
    QPainter p(viewport());
    p.setPen(renkler_.Cerceve);
    const int sag = viewport()->width() - 1, alt = viewport()->height() - 1;
    p.drawLine(0, 0, sag, 0);
    p.drawLine(0, 0, 0, alt);
    p.drawLine(0, alt, sag, alt);
}

void ListeGorunumu::changeEvent(QEvent* e)
{
    QListView::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        satirYuksekligi_ = std::max(1, fontMetrics().height());
        doItemsLayout();
    }
}

void ListeGorunumu::git(int satir)
{
    const QModelIndex konum = model()->index(satir, 0, rootIndex());
    selectionModel()->setCurrentIndex(konum, QItemSelectionModel::ClearAndSelect);
    scrollTo(konum);
}

void ListeGorunumu::keyPressEvent(QKeyEvent* e)
{
    const int n = satirSayisi();
    const int s = currentIndex().isValid() ? currentIndex().row() : -1;
    const int v = Gorunen() - 1;
    int hedef = -1;
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        hedef = s >= 1 ? s - 1 : -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        hedef = s < n - 1 ? s + 1 : -1;
        break;
    case Qt::Key_PageUp:
        hedef = s + 1 > v ? s - v : 0;
        break;
    case Qt::Key_PageDown:
        hedef = s + 1 < n - v ? s + v : n - 1;
        break;
    case Qt::Key_Home:
        hedef = 0;
        break;
    case Qt::Key_End:
        hedef = n - 1;
        break;
    default:
        e->ignore(); // the window gets the other keys
        return;
    }
    if (isEnabled() && hedef >= 0 && hedef < n)
        git(hedef);
    e->accept();
}

int ListeGorunumu::satirAltinda(int y) const
{
    // Rows above the surface's top count as negative.
    const int h = satirYuksekligi_;
    return UstSatir() + (y >= 0 ? y / h : -((-y + h - 1) / h));
}

void ListeGorunumu::mousePressEvent(QMouseEvent* e)
{
    if (selectionMode() != SingleSelection) {
        QListView::mousePressEvent(e);
        return;
    }
    if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton) {
        e->ignore();
        return;
    }
    const int n = satirSayisi();
    if (n == 0)
        return;
    const int satir = std::clamp(satirAltinda(int(e->position().y())), UstSatir(), n - 1);
    selectionModel()->setCurrentIndex(model()->index(satir, 0, rootIndex()),
                                      QItemSelectionModel::ClearAndSelect);
}

void ListeGorunumu::mouseMoveEvent(QMouseEvent* e)
{
    // A held button does not sweep the selection along.
    if (selectionMode() != SingleSelection)
        QListView::mouseMoveEvent(e);
}

void ListeGorunumu::mouseReleaseEvent(QMouseEvent* e)
{
    if (selectionMode() != SingleSelection)
        QListView::mouseReleaseEvent(e);
}

void ListeGorunumu::mouseDoubleClickEvent(QMouseEvent* e)
{
    // Takes the place of the second press: the selection stays as the first press made it.
    const int satir = satirAltinda(int(e->position().y()));
    if (e->button() != Qt::LeftButton || satir < 0 || satir >= satirSayisi())
        return;
    aktif_ = QPersistentModelIndex(model()->index(satir, 0, rootIndex()));
    viewport()->update();
    emit aktifSecildi(satir);
}

void ListeGorunumu::wheelEvent(QWheelEvent* e)
{
    if (satirSayisi() == 0) {
        e->ignore();
        return;
    }
    // Fine wheels and touchpads send parts of a notch (120): they add up to whole notches.
    tekerBirikimi_ += e->angleDelta().y();
    const int adim = tekerBirikimi_ / 120;
    tekerBirikimi_ %= 120;
    if (adim != 0)
        setUstSatir(UstSatir() - adim * TekerSatiri);
    e->accept();
}
