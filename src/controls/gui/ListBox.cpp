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

ListBox::ListBox(QWidget* parent, ImlecKaynagi* imlec, ZamanlayiciKaynagi* zaman)
    : QWidget(parent), vs_(new Scroll(this, imlec, zaman))
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
    borderColor_ = QColor(192, 192, 255);
    borderSelColor_ = QColor(25, 138, 250);
    aktifColor_ = QColor(0, 0, 0);

    vs_->setMin(1);
    vs_->setMax(1);
    vs_->setValue(1);
    connect(
        vs_, &Scroll::Change, this,
        [this](SabitNokta& deger) { kaydirmaDegisti(static_cast<int>(deger.Tamsayi())); },
        Qt::DirectConnection);
    connect(vs_, &Scroll::Scrolled, this, &ListBox::Scrolled);

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
    borderColor_ = renk;
    Refresh();
}

void ListBox::setBorderSelColor(const QColor& renk)
{
    borderSelColor_ = renk;
    Refresh();
}

void ListBox::setAktifColor(const QColor& renk)
{
    aktifColor_ = renk;
    Refresh();
}

// ---- Switches and layout ----

void ListBox::setDisplayBorder(bool goster)
{
    displayBorder_ = goster;
    yerlesimYap();
}

void ListBox::setDisplayVScroll(bool goster)
{
    displayVScroll_ = goster;
    vs_->setVisible(goster);
    Refresh();
}

void ListBox::setMultiSelect(bool coklu)
{
    durum_.setMultiSelect(coklu);
}

void ListBox::setFullRowSelect(bool tam)
{
    fullRowSelect_ = tam;
    Refresh();
}

void ListBox::setUseDefautItemSettings(bool kullan)
{
    useDefautItemSettings_ = kullan;
    Refresh();
}

void ListBox::setAlignment(int hiza)
{
    alignment_ = hiza;
    Refresh();
}

void ListBox::setTurGen(int piksel)
{
    turGen_ = std::max(0, piksel);
    Refresh();
}

void ListBox::setDilGen(int piksel)
{
    dilGen_ = std::max(0, piksel);
    Refresh();
}

void ListBox::setSureGen(int piksel)
{
    sureGen_ = std::max(0, piksel);
    Refresh();
}

void ListBox::setUnRefreshControl(bool durdur)
{
    unRefreshControl_ = durdur;
}

void ListBox::setPicture(const Resim& resim)
{
    picture_ = resim;
    Refresh();
}

void ListBox::setPictureMode(int duzen)
{
    pictureMode_ = duzen;
    Refresh();
}

void ListBox::setOLEDropMode(int mod)
{
    oleDropMode_ = mod;
    setAcceptDrops(mod == BirakmaElle);
}

// ---- Positions ----

void ListBox::setTopIndex(int index)
{
    durum_.setTopIndex(index);
    Refresh();
}

void ListBox::setListIndex(int index)
{
    listIndex_ = index;
    Refresh();
}

void ListBox::setAktif(int index)
{
    durum_.setAktif(index);
    // The row made active (the location in use) is brought into view.
    if (durum_.Aktif() != 0)
        durum_.EnsureVisible(durum_.Aktif());
    Refresh();
}

void ListBox::setSelectedItem(int index)
{
    durum_.setSelectedItem(index);
    Refresh();
}

int ListBox::ScrollValue() const
{
    return static_cast<int>(vs_->Value().Tamsayi());
}

void ListBox::setScrollValue(int deger)
{
    vs_->setValue(deger);
    kaydirmaDegisti(deger);
}

void ListBox::kaydirmaDegisti(int deger)
{
    if (deger == sonKaydirma_)
        return;
    sonKaydirma_ = deger;
    durum_.setTopIndex(deger);
    Refresh();
}

// ---- Rows ----

void ListBox::setKaynak(ListeKaynagi* kaynak)
{
    durum_.setKaynak(kaynak);
    kaydirmayiEsitle();
    Refresh();
}

void ListBox::KaynakDegisti()
{
    durum_.Sifirla();
    kaydirmayiEsitle();
    Refresh();
}

void ListBox::SiraDegisti(const std::vector<int>& sira)
{
    durum_.SiraDegisti(sira);
    durum_.TopIndexSinirla();
    kaydirmayiEsitle();
    Refresh();
}

QString ListBox::List(int index) const
{
    return (index >= 1 && index <= ListCount()) ? Kaynak()->Sutun(index, 0) : QString();
}

bool ListBox::Selected(int index) const
{
    return durum_.Secili(index);
}

void ListBox::setSelected(int index, bool secili)
{
    durum_.SeciliYap(index, secili);
    Refresh();
}

int ListBox::AddItem(const QString& metin, int index)
{
    if (!Kaynak())
        return 0;
    const int konum = Kaynak()->MetinEkle(metin, index, alignment_);
    durum_.Eklendi(konum);
    Refresh();
    return konum;
}

void ListBox::Clear()
{
    durum_.Temizle();
    kaydirmayiEsitle();
    Refresh();
    emit ListChange();
    emit AktifChange(0);
}

void ListBox::RemoveItem(int index, bool ciz)
{
    if (!durum_.Sil(index))
        return;
    durum_.TopIndexSinirla();
    kaydirmayiEsitle();
    if (ciz)
        Refresh();
}

void ListBox::SelectAll()
{
    durum_.SelectAll();
    Refresh();
}

void ListBox::UnSelectAll(bool ciz)
{
    durum_.UnSelectAll();
    if (ciz)
        Refresh();
}

void ListBox::InvertSelection()
{
    durum_.InvertSelection();
    Refresh();
}

void ListBox::Crop()
{
    durum_.SecilileriSil();
    durum_.TopIndexSinirla();
    kaydirmayiEsitle();
    Refresh();
    emit ListChange();
}

void ListBox::EnsureVisible(int index)
{
    durum_.EnsureVisible(index);
    Refresh();
}

void ListBox::BulunaniGoster(int index)
{
    if (index < 1 || index > ListCount())
        return;
    durum_.UnSelectAll();
    durum_.SeciliYap(index, true);
    durum_.setSelectedItem(index);
    durum_.setTopIndex(index);
    Refresh();
}

void ListBox::Refresh()
{
    if (unRefreshControl_)
        return;
    durum_.setGorunen(height() / satirYuksekligi_);
    durum_.TopIndexSinirla();
    kaydirmayiEsitle();
    update();
}

// ---- Scrollbar pictures ----

void ListBox::setScrlYkPicture(const Resim& r)
{
    vs_->setScrlYkPicture(r);
}
void ListBox::setScrlArtPicture(const Resim& r)
{
    vs_->setScrlArtPicture(r);
}
void ListBox::setScrlAsPicture(const Resim& r)
{
    vs_->setScrlAsPicture(r);
}
void ListBox::setScrlPicture(const Resim& r)
{
    vs_->setScrlPicture(r);
}
void ListBox::setScrlYkNPicture(const Resim& r)
{
    vs_->setScrlYkNPicture(r);
}
void ListBox::setScrlYkBPicture(const Resim& r)
{
    vs_->setScrlYkBPicture(r);
}
void ListBox::setScrlYkOPicture(const Resim& r)
{
    vs_->setScrlYkOPicture(r);
}
void ListBox::setScrlAsNPicture(const Resim& r)
{
    vs_->setScrlAsNPicture(r);
}
void ListBox::setScrlAsBPicture(const Resim& r)
{
    vs_->setScrlAsBPicture(r);
}
void ListBox::setScrlAsOPicture(const Resim& r)
{
    vs_->setScrlAsOPicture(r);
}
void ListBox::setScrlNPicture(const Resim& r)
{
    vs_->setScrlNPicture(r);
}
void ListBox::setScrlBPicture(const Resim& r)
{
    vs_->setScrlBPicture(r);
}
void ListBox::setScrlOPicture(const Resim& r)
{
    vs_->setScrlOPicture(r);
}

QSize ListBox::sizeHint() const
{
    return {200, 10 * satirYuksekligi_ + 4};
}

// ---- Layout ----

int ListBox::scrollGenisligi() const
{
    // The bar is as wide as its up arrow (17 pixels with the shipped skin); laying it wider
    // would leave a strip beside the arrows.
    const int g = vs_->sizeHint().width();
    return g > 0 ? g : Twip::PikselX(ScrollGenisligiTwip);
}

int ListBox::scrollSolu() const
{
    return width() - scrollGenisligi() - (displayBorder_ ? 1 : 0);
}

void ListBox::satirYuksekliginiOlc()
{
    satirYuksekligi_ = std::max(1, QFontMetrics(font()).height());
}

void ListBox::yerlesimYap()
{
    durum_.setGorunen(height() / satirYuksekligi_);
    const int g = scrollGenisligi();
    if (displayBorder_)
        vs_->setGeometry(width() - g - 1, 1, g, std::max(0, height() - 2));
    else
        vs_->setGeometry(width() - g, 0, g, height());
    vs_->setVisible(displayVScroll_);
    Refresh();
}

void ListBox::kaydirmayiEsitle()
{
    const SabitNokta enUst(durum_.EnUstSinir());
    const SabitNokta deger(durum_.TopIndex());
    const bool yeniAralik = vs_->Max() != enUst;
    vs_->setMax(enUst);
    if (vs_->Value() != deger)
        vs_->setValue(deger);
    else if (yeniAralik)
        vs_->setScrollHeight(vs_->ScrollHeight()); // a new Max alone does not move the thumb
    vs_->setEnabled(enUst > SabitNokta(1));
    // A click on the track pages by the rows in view: a longer page would skip rows unseen.
    vs_->setLargeChange(SabitNokta(durum_.Gorunen()));
    sonKaydirma_ = durum_.TopIndex();
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
