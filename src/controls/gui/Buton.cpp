#include "controls/gui/Buton.h"

#include "controls/gui/ButonErisimi.h"
#include "engine/Yuvarlama.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include <climits>

namespace {

// Half of n, halves to the even neighbour (the caption's vertical offset).
int YariCift(int n)
{
    return static_cast<int>(CifteYuvarla(n / 2.0));
}

} // namespace

Buton::Buton(QWidget* parent) : QAbstractButton(parent)
{
    ButonErisimi::Kur();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

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

void Buton::setPictureBack(const Resim& r)
{
    pictureBack_ = r;
    update();
}

void Buton::resimAyarla(int takim, Durum durum, const Resim& r)
{
    resimler_[takim][durum] = r;
    update();
}

void Buton::setPictureDisabled(const Resim& r)
{
    pictureDisabled_ = r;
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
    setChecked(takim == 1); // only a checkable button keeps it
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
    update();
}

Resim Buton::GosterilecekResim() const
{
    const bool takimVar = currentEvent_ >= 0 && currentEvent_ <= 2;
    Resim secilen;
    if (isDown())
        secilen = takimVar ? resimler_[currentEvent_][Down] : Resim();
    else if (uzerinde_ && !selected_)
        secilen = takimVar ? resimler_[currentEvent_][Over] : Resim();
    else if (!selected_)
        secilen = takimVar ? resimler_[currentEvent_][Normal] : Resim();
    else
        secilen = pictureDisabled_;
    return secilen.Bos() ? resimler_[0][Normal] : secilen;
}

QString Buton::ErisimAdi() const
{
    if (!accessibleName().isEmpty())
        return accessibleName();
    return text().isEmpty() ? toolTip() : text();
}

QSize Buton::sizeHint() const
{
    const QSize boyut = resimler_[0][Normal].Boyut();
    return boyut.isValid() ? boyut : QSize(75, 23);
}

void Buton::resmiCiz(QPainter& p, const Resim& r) const
{
    if (!useMaskColor_ || r.Tur() == Resim::Turu::Metafile) {
        // A metafile has no pixels to mask; it is drawn as it is only without the mask.
        if (!useMaskColor_)
            r.Ciz(p, 0, 0);
        return;
    }
    if (r.Tur() == Resim::Turu::Bitmap) {
        // Pixels of the mask colour are left out.
        QPixmap maskeli = r.Bitmap();
        maskeli.setMask(maskeli.createMaskFromColor(MaskColor(), Qt::MaskInColor));
        p.drawPixmap(0, 0, maskeli);
    } else if (r.Tur() == Resim::Turu::Ikon) {
        // An icon is drawn stretched to the default icon size, from its nearest size.
        const QSize varsayilan(32, 32);
        QSize kaynak = r.Boyut();
        for (const QSize& boyut : r.Ikon().availableSizes())
            if (qAbs(boyut.width() - 32) < qAbs(kaynak.width() - 32))
                kaynak = boyut;
        p.drawPixmap(QRect(QPoint(0, 0), varsayilan), r.Ikon().pixmap(kaynak));
    }
}

void Buton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ButtonColor());
    pictureBack_.Ciz(p, 0, 0);

    const Resim resim = GosterilecekResim();
    if (resim.Bos())
        return;
    resmiCiz(p, resim);

    const QString yazi = text();
    if (!yazi.isEmpty()) {
        const QFontMetrics olcu(font());
        const int yukseklik =
            olcu.boundingRect(QRect(0, 0, width(), INT_MAX / 2), Qt::AlignHCenter, yazi).height();
        const QRect alan(QPoint(0, YariCift(height() - yukseklik)), QPoint(width(), height()));
        p.save();
        p.setClipRect(alan);
        p.setPen(foreColor_);
        p.setFont(font());
        p.drawText(alan, Qt::AlignHCenter | Qt::AlignTop, yazi);
        p.restore();
    }
    if (OdakCercevesi()) {
        p.setPen(QPen(foreColor_, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void Buton::nextCheckState()
{
    // The automatic step runs before clicked() is emitted, so a click handler reads the
    // new set.
    if (otoEventChange_)
        currentEvent_ = currentEvent_ < buttonEvents_ ? currentEvent_ + 1 : 0;
    setChecked(currentEvent_ == 1);
    update();
}

void Buton::checkStateSet()
{
    update();
}

bool Buton::event(QEvent* e)
{
    // An icon-only button is named by its tooltip, which the close button changes.
    if (e->type() == QEvent::ToolTipChange && text().isEmpty() && accessibleName().isEmpty()) {
        QAccessibleEvent ad(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&ad);
    }
    return QAbstractButton::event(e);
}

void Buton::uzerindeAyarla(bool uzerinde)
{
    if (uzerinde_ == uzerinde)
        return;
    uzerinde_ = uzerinde;
    update();
}

void Buton::enterEvent(QEnterEvent* e)
{
    uzerindeAyarla(true);
    QAbstractButton::enterEvent(e);
}

void Buton::leaveEvent(QEvent* e)
{
    uzerindeAyarla(false);
    QAbstractButton::leaveEvent(e);
}

void Buton::mousePressEvent(QMouseEvent* e)
{
    if (klavyeOdagi_) {
        klavyeOdagi_ = false;
        update();
    }
    QAbstractButton::mousePressEvent(e);
}

void Buton::mouseMoveEvent(QMouseEvent* e)
{
    // A held button whose pointer went outside looks idle, not hovered, until it returns.
    uzerindeAyarla(rect().contains(e->position().toPoint()));
    QAbstractButton::mouseMoveEvent(e);
}

void Buton::keyPressEvent(QKeyEvent* e)
{
    // Enter clicks without stepping the picture set; Space presses and releases as the
    // mouse does (QAbstractButton).
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat()) {
        emit clicked(isChecked());
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

void Buton::focusInEvent(QFocusEvent* e)
{
    const Qt::FocusReason neden = e->reason();
    klavyeOdagi_ = neden == Qt::TabFocusReason || neden == Qt::BacktabFocusReason ||
                   neden == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(e);
}

void Buton::focusOutEvent(QFocusEvent* e)
{
    klavyeOdagi_ = false;
    QAbstractButton::focusOutEvent(e);
}
