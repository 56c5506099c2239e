#include "controls/gui/ListBox.h"

#include "controls/ListeKaynagi.h"
#include "controls/gui/Scroll.h"
#include "platform/Twip.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

namespace {

constexpr int TekerSatiri = 3; // rows per wheel notch

} // namespace

ListBox::ListBox(QWidget* parent, ImlecKaynagi* imlec, ZamanlayiciKaynagi* zaman)
    : QWidget(parent), m_vs(new Scroll(this, imlec, zaman))
{
    // Nothing is painted while UnRefreshControl is set: the surface keeps its last picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumWidth(Twip::PikselX(EnKucukGenislikTwip));

    QPalette renkler = palette();
    renkler.setColor(QPalette::Window, Qt::white);
    renkler.setColor(QPalette::WindowText, Qt::black);
    renkler.setColor(QPalette::Highlight, QColor(25, 138, 250));
    renkler.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(renkler);
    m_borderColor = QColor(192, 192, 255);
    m_borderSelColor = QColor(25, 138, 250);
    m_aktifColor = QColor(0, 0, 0);

    m_vs->setMin(1);
    m_vs->setMax(1);
    m_vs->setValue(1);
    connect(
        m_vs, &Scroll::Change, this,
        [this](SabitNokta& deger) { kaydirmaDegisti(static_cast<int>(deger.Tamsayi())); },
        Qt::DirectConnection);
    connect(m_vs, &Scroll::Scrolled, this, &ListBox::Scrolled);

    satirYuksekliginiOlc();
    yerlesimYap();
}

ListBox::~ListBox() = default;

void ListBox::DbDegerleriniUygula()
{
    setBackColor(Qt::white);
    setForeColor(Qt::black);
    setSelColor(QColor(162, 239, 88));
    setSelForeColor(Qt::black);
    setBorderColor(QColor(210, 239, 168));
    setBorderSelColor(QColor(162, 239, 88));
    setAktifColor(QColor(192, 0, 0));
    setDisplayBorder(true);
    setDisplayVScroll(true);
    setEnabled(true);
    setMultiSelect(false);
    setFullRowSelect(true);
    setUseDefautItemSettings(false);
    setAlignment(Sol);
    setTurGen(100);
    setDilGen(0);
    setSureGen(0);
    setDelAktif(false);
    setTasiAktif(false);
    setUnRefreshControl(false);
    setListIndex(0);
    QFont yazi(QStringLiteral("Arial"));
    yazi.setPointSizeF(8.25);
    yazi.setWeight(QFont::Normal);
    setFont(yazi);
}

// ---- Colours ----

void ListBox::renkAyarla(int rol, const QColor& renk)
{
    QPalette renkler = palette();
    renkler.setColor(static_cast<QPalette::ColorRole>(rol), renk);
    setPalette(renkler); // the palette change repaints
}

QColor ListBox::BackColor() const
{
    return palette().color(QPalette::Window);
}
void ListBox::setBackColor(const QColor& renk)
{
    renkAyarla(QPalette::Window, renk);
}
QColor ListBox::ForeColor() const
{
    return palette().color(QPalette::WindowText);
}
void ListBox::setForeColor(const QColor& renk)
{
    renkAyarla(QPalette::WindowText, renk);
}
QColor ListBox::SelColor() const
{
    return palette().color(QPalette::Highlight);
}
void ListBox::setSelColor(const QColor& renk)
{
    renkAyarla(QPalette::Highlight, renk);
}
QColor ListBox::SelForeColor() const
{
    return palette().color(QPalette::HighlightedText);
}
void ListBox::setSelForeColor(const QColor& renk)
{
    renkAyarla(QPalette::HighlightedText, renk);
}

void ListBox::setBorderColor(const QColor& renk)
{
    m_borderColor = renk;
    Refresh();
}

void ListBox::setBorderSelColor(const QColor& renk)
{
    m_borderSelColor = renk;
    Refresh();
}

void ListBox::setAktifColor(const QColor& renk)
{
    m_aktifColor = renk;
    Refresh();
}

// ---- Switches and layout ----

void ListBox::setDisplayBorder(bool goster)
{
    m_displayBorder = goster;
    yerlesimYap();
}

void ListBox::setDisplayVScroll(bool goster)
{
    m_displayVScroll = goster;
    m_vs->setVisible(goster);
    Refresh();
}

void ListBox::setMultiSelect(bool coklu)
{
    m_durum.setMultiSelect(coklu);
}

void ListBox::setFullRowSelect(bool tam)
{
    m_fullRowSelect = tam;
    Refresh();
}

void ListBox::setUseDefautItemSettings(bool kullan)
{
    m_useDefautItemSettings = kullan;
    Refresh();
}

void ListBox::setAlignment(int hiza)
{
    m_alignment = hiza;
    Refresh();
}

void ListBox::setTurGen(int piksel)
{
    m_turGen = std::max(0, piksel);
    Refresh();
}

void ListBox::setDilGen(int piksel)
{
    m_dilGen = std::max(0, piksel);
    Refresh();
}

void ListBox::setSureGen(int piksel)
{
    m_sureGen = std::max(0, piksel);
    Refresh();
}

void ListBox::setUnRefreshControl(bool durdur)
{
    m_unRefreshControl = durdur;
}

void ListBox::setPicture(const Resim& resim)
{
    m_picture = resim;
    Refresh();
}

void ListBox::setPictureMode(int duzen)
{
    m_pictureMode = duzen;
    Refresh();
}

void ListBox::setOLEDropMode(int mod)
{
    m_oleDropMode = mod;
    setAcceptDrops(mod == BirakmaElle);
}

// ---- Positions ----

void ListBox::setTopIndex(int index)
{
    m_durum.setTopIndex(index);
    Refresh();
}

void ListBox::setListIndex(int index)
{
    m_listIndex = index;
    Refresh();
}

void ListBox::setAktif(int index)
{
    m_durum.setAktif(index);
    // The row made active (the location in use) is brought into view.
    if (m_durum.Aktif() != 0)
        m_durum.EnsureVisible(m_durum.Aktif());
    Refresh();
}

void ListBox::setSelectedItem(int index)
{
    m_durum.setSelectedItem(index);
    Refresh();
}

int ListBox::ScrollValue() const
{
    return static_cast<int>(m_vs->Value().Tamsayi());
}

void ListBox::setScrollValue(int deger)
{
    m_vs->setValue(deger);
    kaydirmaDegisti(deger);
}

void ListBox::kaydirmaDegisti(int deger)
{
    if (deger == m_sonKaydirma)
        return;
    m_sonKaydirma = deger;
    m_durum.setTopIndex(deger);
    Refresh();
}

// ---- Rows ----

void ListBox::setKaynak(ListeKaynagi* kaynak)
{
    m_durum.setKaynak(kaynak);
    kaydirmayiEsitle();
    Refresh();
}

void ListBox::KaynakDegisti()
{
    m_durum.Sifirla();
    kaydirmayiEsitle();
    Refresh();
}

void ListBox::SiraDegisti(const std::vector<int>& sira)
{
    m_durum.SiraDegisti(sira);
    m_durum.TopIndexSinirla();
    kaydirmayiEsitle();
    Refresh();
}

QString ListBox::List(int index) const
{
    return (index >= 1 && index <= ListCount()) ? Kaynak()->Sutun(index, 0) : QString();
}

bool ListBox::Selected(int index) const
{
    return m_durum.Secili(index);
}

void ListBox::setSelected(int index, bool secili)
{
    m_durum.SeciliYap(index, secili);
    Refresh();
}

int ListBox::AddItem(const QString& metin, int index)
{
    if (!Kaynak())
        return 0;
    const int konum = Kaynak()->MetinEkle(metin, index, m_alignment);
    m_durum.Eklendi(konum);
    Refresh();
    return konum;
}

void ListBox::Clear()
{
    m_durum.Temizle();
    kaydirmayiEsitle();
    Refresh();
    emit ListChange();
    emit AktifChange(0);
}

void ListBox::RemoveItem(int index, bool ciz)
{
    if (!m_durum.Sil(index))
        return;
    m_durum.TopIndexSinirla();
    kaydirmayiEsitle();
    if (ciz)
        Refresh();
}

void ListBox::SelectAll()
{
    m_durum.SelectAll();
    Refresh();
}

void ListBox::UnSelectAll(bool ciz)
{
    m_durum.UnSelectAll();
    if (ciz)
        Refresh();
}

void ListBox::InvertSelection()
{
    m_durum.InvertSelection();
    Refresh();
}

void ListBox::Crop()
{
    m_durum.SecilileriSil();
    m_durum.TopIndexSinirla();
    kaydirmayiEsitle();
    Refresh();
    emit ListChange();
}

void ListBox::EnsureVisible(int index)
{
    m_durum.EnsureVisible(index);
    Refresh();
}

void ListBox::BulunaniGoster(int index)
{
    if (index < 1 || index > ListCount())
        return;
    m_durum.UnSelectAll();
    m_durum.SeciliYap(index, true);
    m_durum.setSelectedItem(index);
    m_durum.setTopIndex(index);
    Refresh();
}

void ListBox::Refresh()
{
    if (m_unRefreshControl)
        return;
    m_durum.setGorunen(height() / m_satirYuksekligi);
    m_durum.TopIndexSinirla();
    kaydirmayiEsitle();
    update();
}

// ---- Scrollbar pictures ----

void ListBox::setScrlYkPicture(const Resim& r)
{
    m_vs->setScrlYkPicture(r);
}
void ListBox::setScrlArtPicture(const Resim& r)
{
    m_vs->setScrlArtPicture(r);
}
void ListBox::setScrlAsPicture(const Resim& r)
{
    m_vs->setScrlAsPicture(r);
}
void ListBox::setScrlPicture(const Resim& r)
{
    m_vs->setScrlPicture(r);
}
void ListBox::setScrlYkNPicture(const Resim& r)
{
    m_vs->setScrlYkNPicture(r);
}
void ListBox::setScrlYkBPicture(const Resim& r)
{
    m_vs->setScrlYkBPicture(r);
}
void ListBox::setScrlYkOPicture(const Resim& r)
{
    m_vs->setScrlYkOPicture(r);
}
void ListBox::setScrlAsNPicture(const Resim& r)
{
    m_vs->setScrlAsNPicture(r);
}
void ListBox::setScrlAsBPicture(const Resim& r)
{
    m_vs->setScrlAsBPicture(r);
}
void ListBox::setScrlAsOPicture(const Resim& r)
{
    m_vs->setScrlAsOPicture(r);
}
void ListBox::setScrlNPicture(const Resim& r)
{
    m_vs->setScrlNPicture(r);
}
void ListBox::setScrlBPicture(const Resim& r)
{
    m_vs->setScrlBPicture(r);
}
void ListBox::setScrlOPicture(const Resim& r)
{
    m_vs->setScrlOPicture(r);
}

QSize ListBox::sizeHint() const
{
    return {200, 10 * m_satirYuksekligi + 4};
}

// ---- Layout ----

int ListBox::scrollGenisligi() const
{
    // The bar is as wide as its up arrow (17 pixels with the shipped skin); laying it wider
    // would leave a strip beside the arrows.
    const int g = m_vs->sizeHint().width();
    return g > 0 ? g : Twip::PikselX(ScrollGenisligiTwip);
}

int ListBox::scrollSolu() const
{
    return width() - scrollGenisligi() - (m_displayBorder ? 1 : 0);
}

void ListBox::satirYuksekliginiOlc()
{
    m_satirYuksekligi = std::max(1, QFontMetrics(font()).height());
}

void ListBox::yerlesimYap()
{
    m_durum.setGorunen(height() / m_satirYuksekligi);
    const int g = scrollGenisligi();
    if (m_displayBorder)
        m_vs->setGeometry(width() - g - 1, 1, g, std::max(0, height() - 2));
    else
        m_vs->setGeometry(width() - g, 0, g, height());
    m_vs->setVisible(m_displayVScroll);
    Refresh();
}

void ListBox::kaydirmayiEsitle()
{
    const SabitNokta enUst(m_durum.EnUstSinir());
    const SabitNokta deger(m_durum.TopIndex());
    const bool yeniAralik = m_vs->Max() != enUst;
    m_vs->setMax(enUst);
    if (m_vs->Value() != deger)
        m_vs->setValue(deger);
    else if (yeniAralik)
        m_vs->setScrollHeight(m_vs->ScrollHeight()); // a new Max alone does not move the thumb
    m_vs->setEnabled(enUst > SabitNokta(1));
    // A click on the track pages by the rows in view: a longer page would skip rows unseen.
    m_vs->setLargeChange(SabitNokta(m_durum.Gorunen()));
    m_sonKaydirma = m_durum.TopIndex();
}

void ListBox::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    yerlesimYap();
}

void ListBox::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    switch (e->type()) {
    case QEvent::FontChange:
        satirYuksekliginiOlc();
        yerlesimYap();
        break;
    case QEvent::PaletteChange:
    case QEvent::EnabledChange:
        Refresh();
        break;
    default:
        break;
    }
}

// ---- Mouse ----

void ListBox::mousePressEvent(QMouseEvent* e)
{
    const Qt::MouseButton dugme = e->button();
    if (dugme != Qt::LeftButton && dugme != Qt::RightButton) {
        e->ignore();
        return;
    }
    m_basilanDugme = dugme;
    if (ListCount() == 0)
        return;
    const int y = e->position().toPoint().y();
    m_listIndex = m_durum.FareSatiri(y, m_satirYuksekligi);
    const int vurulan = m_durum.Vurulan(y, m_satirYuksekligi);
    emit ItemClick(vurulan);
    // The handler may have changed the rows; Bas checks the row still exists.
    m_durum.Bas(vurulan, e->modifiers() & Qt::ShiftModifier, e->modifiers() & Qt::ControlModifier);
    Refresh();
}

void ListBox::mouseMoveEvent(QMouseEvent* e)
{
    m_listIndex = m_durum.FareSatiri(e->position().toPoint().y(), m_satirYuksekligi);
    const int n = ListCount();
    if ((e->buttons() & Qt::LeftButton) && m_basilanDugme == Qt::LeftButton && m_tasiAktif &&
        n > 0 && m_listIndex != m_durum.SelectedItem())
        m_surukleniyor = true;
    if (!m_surukleniyor)
        return;
    const int ilk = m_durum.TopIndex();
    const int son = ilk + m_durum.Gorunen() - 1;
    if (m_listIndex < ilk || m_listIndex > son)
        EnsureVisible(std::min(m_listIndex, n));
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
    if (!m_surukleniyor && dugme != Qt::RightButton) {
        if (n > 0 && m_durum.SelectedItem() >= 1) {
            m_durum.Birak(shift, control);
            Refresh();
        }
    } else if (m_surukleniyor && dugme == Qt::LeftButton) {
        m_listIndex = m_durum.FareSatiri(yer.y(), m_satirYuksekligi);
        const int odak = m_durum.SelectedItem();
        if (odak >= 1 && odak <= n && m_listIndex != odak && m_tasiAktif) {
            const int yeni = m_durum.Tasi(m_listIndex);
            if (yeni != 0) {
                m_durum.EnsureVisible(yeni);
                m_surukleniyor = false;
                Refresh();
                emit ListMoved();
            }
        }
    }
    m_surukleniyor = false;
    Refresh(); // hides the marker line
    emit MouseUp(dugme, e->modifiers(), yer.x(), yer.y());
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* e)
{
    // Takes the place of the second press: the selection is left as the first press made it.
    m_listIndex = m_durum.FareSatiri(e->position().toPoint().y(), m_satirYuksekligi);
    if (m_basilanDugme == Qt::LeftButton && m_listIndex >= 1 && m_listIndex <= ListCount()) {
        m_durum.setAktif(m_listIndex);
        Refresh();
        emit AktifChange(m_durum.Aktif());
    }
}

void ListBox::wheelEvent(QWheelEvent* e)
{
    if (ListCount() == 0) {
        e->ignore();
        return;
    }
    // Fine wheels and touchpads send parts of a notch (120): they add up to whole notches.
    m_tekerBirikimi += e->angleDelta().y();
    const int adim = m_tekerBirikimi / 120;
    m_tekerBirikimi %= 120;
    if (adim == 0)
        return;
    const int eski = m_durum.TopIndex();
    m_durum.setTopIndex(eski - adim * TekerSatiri);
    m_durum.TopIndexSinirla();
    if (m_durum.TopIndex() != eski) {
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
        sonuc = m_durum.Tus(e->key(), e->modifiers() & Qt::ShiftModifier);
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
    if (m_oleDropMode == BirakmaElle)
        e->acceptProposedAction();
}

void ListBox::dragMoveEvent(QDragMoveEvent* e)
{
    if (m_oleDropMode == BirakmaElle)
        e->acceptProposedAction();
}

void ListBox::dropEvent(QDropEvent* e)
{
    if (m_oleDropMode != BirakmaElle)
        return;
    e->acceptProposedAction();
    const QPoint yer = e->position().toPoint();
    emit OLEDragDrop(e->mimeData(), e->dropAction(), e->buttons(), e->modifiers(), yer.x(),
                     yer.y());
}
