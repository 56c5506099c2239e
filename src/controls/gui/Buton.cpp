#include "controls/gui/Buton.h"

#include "controls/gui/ButonErisimi.h"
#include "engine/Yuvarlama.h"
#include "platform/gui/OlcekliErisim.h"

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
    OlcekliErisim::SinifaKur<Buton, ButonErisimi>();
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

void Buton::setPictureBack(const QPixmap& r)
{
    pictureBack_ = r;
    update();
}

void Buton::setResim(int takim, Durum durum, const QPixmap& r)
{
    resimler_[takim][durum] = r;
    update();
}

void Buton::setPictureDisabled(const QPixmap& r)
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

QPixmap Buton::GosterilecekResim() const
{
    const bool takimVar = currentEvent_ >= 0 && currentEvent_ <= 2;
    QPixmap secilen;
    if (isDown())
        secilen = takimVar ? resimler_[currentEvent_][Down] : QPixmap();
    else if (uzerinde_ && !selected_)
        secilen = takimVar ? resimler_[currentEvent_][Over] : QPixmap();
    else if (!selected_)
        secilen = takimVar ? resimler_[currentEvent_][Normal] : QPixmap();
    else
        secilen = pictureDisabled_;
    return secilen.isNull() ? resimler_[0][Normal] : secilen;
}

QString Buton::ErisimAdi() const
{
    if (!accessibleName().isEmpty())
        return accessibleName();
    return text().isEmpty() ? toolTip() : text();
}

QSize Buton::sizeHint() const
{
    // A picture's logical size (a @2x skin picture's too), else the default button's.
    const QPixmap& resim = resimler_[0][Normal];
    return resim.isNull() ? QSize(75, 23) : resim.deviceIndependentSize().toSize();
}

void Buton::resmiCiz(QPainter& p, const QPixmap& r) const
{
    if (!useMaskColor_) {
        p.drawPixmap(0, 0, r);
        return;
    }
    // Pixels of the mask colour are left out.
    QPixmap maskeli = r;
    maskeli.setMask(maskeli.createMaskFromColor(MaskColor(), Qt::MaskInColor));
    p.drawPixmap(0, 0, maskeli);
}

void Buton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ButtonColor());
    p.drawPixmap(0, 0, pictureBack_); // a null pixmap draws nothing

    const QPixmap resim = GosterilecekResim();
    if (resim.isNull())
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
