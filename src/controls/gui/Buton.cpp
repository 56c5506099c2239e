#include "controls/gui/Buton.h"

#include "engine/Yuvarlama.h"
#include "platform/gui/ImlecKaynagi.h"
#include "platform/gui/QtZamanlayici.h"
#include "platform/gui/SistemImleci.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include <climits>
#include <cmath>

namespace {

// Half of n, halves to the even neighbour (the caption's vertical offset).
int YariCift(int n)
{
    return int(CifteYuvarla(n / 2.0));
}

Qt::CursorShape ImlecSekli(int kod)
{
    switch (kod) {
    case 1:
        return Qt::ArrowCursor;
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 5:
    case 15:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

Buton::Buton(QWidget* parent, ImlecKaynagi* imlec, ZamanlayiciKaynagi* zaman)
    : QWidget(parent), imlec_(imlec ? imlec : &SistemImleci::Ortak()),
      hoverTimer_((zaman ? zaman : &QtZamanlayici::Kaynak())->Yeni(this))
{
    hoverTimer_->setInterval(HoverAraligi);
    connect(hoverTimer_, &Zamanlayici::timeout, this, &Buton::hoverBak);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Buton::~Buton() = default;

QColor Buton::ButtonColor() const
{
    return buttonColor_.isValid() ? buttonColor_ : palette().color(QPalette::Button);
}

void Buton::setButtonColor(const QColor& renk)
{
    buttonColor_ = renk;
    update();
}

void Buton::setSelected(bool secili)
{
    selected_ = secili;
    update();
}

QColor Buton::MaskColor() const
{
    return maskColor_.isValid() ? maskColor_ : palette().color(QPalette::Button);
}

void Buton::setMaskColor(const QColor& renk)
{
    maskColor_ = renk;
    update();
}

void Buton::setForeColor(const QColor& renk)
{
    foreColor_ = renk;
    update();
}

void Buton::setMousePointer(int kod)
{
    mousePointer_ = kod;
    imleciUygula();
}

void Buton::setMouseIcon(const Resim& resim)
{
    mouseIcon_ = resim;
    imleciUygula();
}

void Buton::imleciUygula()
{
    if (mousePointer_ == 99 && mouseIcon_.Tur() == Resim::Turu::Bitmap)
        setCursor(QCursor(mouseIcon_.Bitmap()));
    else if (mousePointer_ == 99 && mouseIcon_.Tur() == Resim::Turu::Ikon)
        setCursor(QCursor(mouseIcon_.Ikon().pixmap(mouseIcon_.Boyut())));
    else if (mousePointer_ == 0 || mousePointer_ == 99)
        unsetCursor();
    else
        setCursor(ImlecSekli(mousePointer_));
}

void Buton::setPictureBack(const Resim& r)
{
    pictureBack_ = r;
    update();
}

void Buton::resimAyarla(int takim, Durum durum, const Resim& r)
{
    resimler_[takim][durum] = r;
    hataBildirildi_ = false;
    update();
}

void Buton::setPictureDisabled(const Resim& r)
{
    pictureDisabled_ = r;
    hataBildirildi_ = false;
    update();
}

void Buton::setButtonEvents(int enYuksek)
{
    buttonEvents_ = enYuksek;
    update();
}

void Buton::setCurrentEvent(int takim)
{
    currentEvent_ = takim;
    update();
}

void Buton::setOtoEventChange(bool acik)
{
    otoEventChange_ = acik;
    update();
}

void Buton::setUseMaskColor(bool acik)
{
    useMaskColor_ = acik;
    hataBildirildi_ = false;
    update();
}

void Buton::setText(const QString& metin)
{
    text_ = metin;
    update();
}

void Buton::Refresh()
{
    update();
}

void Buton::Reset()
{
    mouseIcon_ = Resim();
    pictureBack_ = Resim();
    for (auto& takim : resimler_)
        for (auto& r : takim)
            r = Resim();
    pictureDisabled_ = Resim();
    hataBildirildi_ = false;
    imleciUygula();
    update();
}

Resim Buton::GosterilecekResim() const
{
    const bool takimVar = currentEvent_ >= 0 && currentEvent_ <= 2;
    Resim secilen;
    if (basili_ && !basiliGizli_)
        secilen = takimVar ? resimler_[currentEvent_][Down] : Resim();
    else if (uzerinde_ && !selected_)
        secilen = takimVar ? resimler_[currentEvent_][Over] : Resim();
    else if (!selected_)
        secilen = takimVar ? resimler_[currentEvent_][Normal] : Resim();
    else
        secilen = pictureDisabled_;
    return secilen.Bos() ? resimler_[0][Normal] : secilen;
}

QSize Buton::sizeHint() const
{
    const QSize boyut = resimler_[0][Normal].Boyut();
    return boyut.isValid() ? boyut : QSize(75, 23);
}

bool Buton::resmiCiz(QPainter& p, const Resim& r) const
{
    if (!useMaskColor_)
        return r.Ciz(p, 0, 0);
    switch (r.Tur()) {
    case Resim::Turu::Bitmap: {
        // Pixels of the mask colour are left out.
        QPixmap maskeli = r.Bitmap();
        maskeli.setMask(maskeli.createMaskFromColor(MaskColor(), Qt::MaskInColor));
        p.drawPixmap(0, 0, maskeli);
        return true;
    }
    case Resim::Turu::Ikon: {
        // An icon is drawn stretched to the default icon size, from its nearest size.
        const QSize varsayilan(32, 32);
        QSize kaynak = r.Boyut();
        for (const QSize& boyut : r.Ikon().availableSizes())
            if (qAbs(boyut.width() - 32) < qAbs(kaynak.width() - 32))
                kaynak = boyut;
        p.drawPixmap(QRect(QPoint(0, 0), varsayilan), r.Ikon().pixmap(kaynak));
        return true;
    }
    case Resim::Turu::Metafile:
        // A metafile has no pixels to mask; it is not drawn.
    case Resim::Turu::Yok:
        return true;
    case Resim::Turu::Gecersiz:
        break;
    }
    return false;
}

void Buton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ButtonColor());
    pictureBack_.Ciz(p, 0, 0);

    const Resim resim = GosterilecekResim();
    if (resim.Bos())
        return;
    if (!resmiCiz(p, resim)) {
        if (!hataBildirildi_) {
            hataBildirildi_ = true;
            // Raised after the paint, so a handler may show a message box.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    emit Hata(HataGecersizResim, QStringLiteral("Buton"),
                              QStringLiteral("Geçersiz resim"));
                },
                Qt::QueuedConnection);
        }
    }

    if (!text_.isEmpty()) {
        const QFontMetrics olcu(font());
        const int yukseklik =
            olcu.boundingRect(QRect(0, 0, width(), INT_MAX / 2), Qt::AlignHCenter, text_).height();
        const QRect alan(QPoint(0, YariCift(height() - yukseklik)), QPoint(width(), height()));
        p.setClipRect(alan);
        p.setPen(foreColor_);
        p.setFont(font());
        p.drawText(alan, Qt::AlignHCenter | Qt::AlignTop, text_);
    }
}

void Buton::resizeEvent(QResizeEvent*)
{
    update();
}

void Buton::bas(Qt::MouseButton tus, Qt::KeyboardModifiers shift, QPoint konum)
{
    sonTus_ = tus;
    sonShift_ = shift;
    sonKonum_ = konum;
    if (tus == Qt::LeftButton) {
        basili_ = true;
        basiliGizli_ = false;
        update();
    }
    emit MouseDown(tus, shift, konum.x(), konum.y());
}

void Buton::birak(Qt::MouseButton tus, Qt::KeyboardModifiers shift, QPoint konum)
{
    const QPointer<Buton> bu(this);
    basili_ = false;
    basiliGizli_ = false;
    update();
    if (tus == Qt::LeftButton && rect().contains(konum)) {
        int deger = currentEvent_;
        emit EventChange(deger);
        if (!bu)
            return;
        currentEvent_ = deger;
        if (otoEventChange_)
            currentEvent_ = currentEvent_ < buttonEvents_ ? currentEvent_ + 1 : 0;
        update();
        emit Click();
        if (!bu)
            return;
    }
    emit MouseUp(tus, shift, konum.x(), konum.y());
}

void Buton::mousePressEvent(QMouseEvent* e)
{
    bas(e->button(), e->modifiers(), e->position().toPoint());
}

void Buton::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint konum = e->position().toPoint();
    if (rect().contains(konum) && !uzerinde_) {
        hoverTimer_->start();
        uzerinde_ = true;
        basiliGizli_ = false;
        emit MouseIn(e->modifiers());
        update();
    }
    emit MouseMove(e->buttons(), e->modifiers(), konum.x(), konum.y());
}

void Buton::mouseReleaseEvent(QMouseEvent* e)
{
    birak(e->button(), e->modifiers(), e->position().toPoint());
}

void Buton::mouseDoubleClickEvent(QMouseEvent*)
{
    const QPointer<Buton> bu(this);
    emit DblClick();
    if (bu)
        bas(sonTus_, sonShift_, sonKonum_);
}

void Buton::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space) {
        if (!e->isAutoRepeat())
            bas(Qt::LeftButton, e->modifiers(), QPoint(0, 0));
    } else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (!e->isAutoRepeat())
            emit Click();
    } else {
        QWidget::keyPressEvent(e);
    }
}

void Buton::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space) {
        if (!e->isAutoRepeat())
            birak(Qt::LeftButton, e->modifiers(), QPoint(0, 0));
    } else {
        QWidget::keyReleaseEvent(e);
    }
}

void Buton::hoverBak()
{
    if (imlec_->AltindakiPencere(imlec_->Konum()) == this)
        return;
    hoverTimer_->stop();
    uzerinde_ = false;
    emit MouseOut(QGuiApplication::keyboardModifiers());
    // A held button looks released while the pointer is outside it.
    if (basili_)
        basiliGizli_ = true;
    update();
}
