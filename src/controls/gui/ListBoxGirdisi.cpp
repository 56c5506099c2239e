// The list's input: the mouse, the wheel, the keys and drops.
#include "controls/gui/ListBox.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int TekerSatiri = 3; // rows per wheel notch

} // namespace

// ---- Mouse ----

void ListBox::mousePressEvent(QMouseEvent* e)
{
    const Qt::MouseButton dugme = e->button();
    if (dugme != Qt::LeftButton && dugme != Qt::RightButton) {
        e->ignore();
        return;
    }
    basilanDugme_ = dugme;
    if (ListCount() == 0)
        return;
    const int y = e->position().toPoint().y();
    listIndex_ = durum_.FareSatiri(y, satirYuksekligi_);
    const int vurulan = durum_.Vurulan(y, satirYuksekligi_);
    emit ItemClick(vurulan);
    // The handler may have changed the rows; Bas checks the row still exists.
    durum_.Bas(vurulan, e->modifiers() & Qt::ShiftModifier, e->modifiers() & Qt::ControlModifier);
    Refresh();
}

void ListBox::mouseMoveEvent(QMouseEvent* e)
{
    listIndex_ = durum_.FareSatiri(e->position().toPoint().y(), satirYuksekligi_);
    const int n = ListCount();
    if ((e->buttons() & Qt::LeftButton) && basilanDugme_ == Qt::LeftButton && tasiAktif_ && n > 0 &&
        listIndex_ != durum_.SelectedItem())
        surukleniyor_ = true;
    if (!surukleniyor_)
        return;
    const int ilk = durum_.TopIndex();
    const int son = ilk + durum_.Gorunen() - 1;
    if (listIndex_ < ilk || listIndex_ > son)
        EnsureVisible(std::min(listIndex_, n));
    else
        Refresh(); // the marker line moved
}

void ListBox::mouseReleaseEvent(QMouseEvent* e)
{
    const Qt::MouseButton dugme = e->button();
    const QPoint yer = e->position().toPoint();
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool control = e->modifiers() & Qt::ControlModifier;
    const int n = ListCount();
    if (!surukleniyor_ && dugme != Qt::RightButton) {
        if (n > 0 && durum_.SelectedItem() >= 1) {
            durum_.Birak(shift, control);
            Refresh();
        }
    } else if (surukleniyor_ && dugme == Qt::LeftButton) {
        listIndex_ = durum_.FareSatiri(yer.y(), satirYuksekligi_);
        const int odak = durum_.SelectedItem();
        if (odak >= 1 && odak <= n && listIndex_ != odak && tasiAktif_) {
            const int yeni = durum_.Tasi(listIndex_);
            if (yeni != 0) {
                durum_.EnsureVisible(yeni);
                surukleniyor_ = false;
                Refresh();
                emit ListMoved();
            }
        }
    }
    surukleniyor_ = false;
    Refresh(); // hides the marker line
    emit MouseUp(dugme, e->modifiers(), yer.x(), yer.y());
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* e)
{
    // Takes the place of the second press: the selection is left as the first press made it.
    listIndex_ = durum_.FareSatiri(e->position().toPoint().y(), satirYuksekligi_);
    if (basilanDugme_ == Qt::LeftButton && listIndex_ >= 1 && listIndex_ <= ListCount()) {
        durum_.setAktif(listIndex_);
        Refresh();
        emit AktifChange(durum_.Aktif());
    }
}

void ListBox::wheelEvent(QWheelEvent* e)
{
    if (ListCount() == 0) {
        e->ignore();
        return;
    }
    // Fine wheels and touchpads send parts of a notch (120): they add up to whole notches.
    tekerBirikimi_ += e->angleDelta().y();
    const int adim = tekerBirikimi_ / 120;
    tekerBirikimi_ %= 120;
    if (adim == 0)
        return;
    const int eski = durum_.TopIndex();
    durum_.setTopIndex(eski - adim * TekerSatiri);
    durum_.TopIndexSinirla();
    if (durum_.TopIndex() != eski) {
        Refresh();
        emit Scrolled();
    }
}

// ---- Keys ----

void ListBox::keyPressEvent(QKeyEvent* e)
{
    using Sonuc = ListeDurumu::TusSonucu;
    Sonuc sonuc = Sonuc::Yok;
    if (isEnabled() && ListCount() > 0)
        sonuc = durum_.Tus(e->key(), e->modifiers() & Qt::ShiftModifier);
    switch (sonuc) {
    case Sonuc::Tasindi:
        Refresh();
        emit Scrolled();
        break;
    case Sonuc::Silindi:
        kaydirmayiEsitle();
        Refresh();
        emit Scrolled();
        emit ListChange();
        break;
    case Sonuc::Yok:
        break;
    }
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
        e->accept();
        break;
    default:
        e->ignore(); // the window gets the other keys too
        break;
    }
    emit KeyDown(e->key(), e->modifiers());
    for (const QChar c : e->text())
        emit KeyPress(c);
}

void ListBox::keyReleaseEvent(QKeyEvent* e)
{
    QWidget::keyReleaseEvent(e);
    emit KeyUp(e->key(), e->modifiers());
}

// ---- Dropping ----

void ListBox::dragEnterEvent(QDragEnterEvent* e)
{
    if (oleDropMode_ == BirakmaElle)
        e->acceptProposedAction();
}

void ListBox::dragMoveEvent(QDragMoveEvent* e)
{
    if (oleDropMode_ == BirakmaElle)
        e->acceptProposedAction();
}

void ListBox::dropEvent(QDropEvent* e)
{
    if (oleDropMode_ != BirakmaElle)
        return;
    e->acceptProposedAction();
    const QPoint yer = e->position().toPoint();
    emit OLEDragDrop(e->mimeData(), e->dropAction(), e->buttons(), e->modifiers(), yer.x(),
                     yer.y());
}
