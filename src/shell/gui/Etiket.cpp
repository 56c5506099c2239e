#include "shell/gui/Etiket.h"

#include "platform/gui/OlcekliErisim.h"
#include "shell/gui/EtiketErisimi.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

const QColor Etiket::Gri(64, 64, 64);
// Light blue, dark enough to be read on the white panels (at least 4.5:1).
const QColor Etiket::Baglanti(96, 96, 232);

QFont Etiket::Yazi(int pikselBoyu, bool kalin)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pikselBoyu);
    f.setBold(kalin);
    return f;
}

Etiket::Etiket(const QString& metin, QWidget* parent, int pikselBoyu, bool kalin,
               const QColor& renk)
    : QLabel(metin, parent)
{
    OlcekliErisim::SinifaKur<Etiket, EtiketErisimi>();
    // A label like its parent takes the parent's font and colour as they are, which costs
    // nothing; only the others get their own.
    const QFont f = Yazi(pikselBoyu, kalin);
    if (!parent || parent->font() != f)
        setFont(f);
    if (!parent || parent->palette().color(QPalette::WindowText) != renk) {
        QPalette p = palette();
        p.setColor(QPalette::WindowText, renk);
        setPalette(p);
    }
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Etiket::Varsayilan(QWidget& w, int pikselBoyu, bool kalin)
{
    w.setFont(Yazi(pikselBoyu, kalin));
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, Gri);
    w.setPalette(p);
}

void Etiket::Yerlestir(int sol, int ust, int genislik, int yukseklik)
{
    setGeometry(sol, ust, genislik, yukseklik);
}

void Etiket::Tiklanabilir()
{
    tiklanabilir_ = true;
    setCursor(Qt::PointingHandCursor);
    // Tab only: a mouse click leaves the focus where it was, so the mouse sees no frame.
    setFocusPolicy(Qt::TabFocus);
}

bool Etiket::BaglantiMi() const
{
    return palette().color(QPalette::WindowText) == Baglanti;
}

void Etiket::Okunur(const Etiket* onEk)
{
    onEk_ = onEk;
    setFocusPolicy(Qt::TabFocus);
}

void Etiket::SessizGuncellenir()
{
    // QLabel tells assistive technology of every new text unless the widget carries an
    // accessible name. This one carries a placeholder, which EtiketErisimi does not read.
    sessiz_ = true;
    setAccessibleName(QStringLiteral("."));
}

QString Etiket::ErisimAdi() const
{
    if (!sessiz_ && !accessibleName().isEmpty())
        return accessibleName();
    return onEk_ ? onEk_->text() + QLatin1Char(' ') + text() : text();
}

void Etiket::keyPressEvent(QKeyEvent* e)
{
    const int tus = e->key();
    if (tiklanabilir_ && !e->isAutoRepeat() &&
        (tus == Qt::Key_Return || tus == Qt::Key_Enter || tus == Qt::Key_Space)) {
        e->accept();
        emit Tiklandi();
        return;
    }
    QLabel::keyPressEvent(e);
}

void Etiket::paintEvent(QPaintEvent* e)
{
    if (focusPolicy() == Qt::NoFocus) {
        QLabel::paintEvent(e);
        return;
    }
    // QLabel lays out the text of a label that can take the focus two pixels higher than the
    // same label that cannot; drawn here as QLabel draws a plain one, it stays where it was.
    QPainter p(this);
    const int hiza = alignment() | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&p, contentsRect(), hiza, palette(), isEnabled(), text(),
                          foregroundRole());
    if (!hasFocus())
        return;
    p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Etiket::mousePressEvent(QMouseEvent* e)
{
    // A clickable label keeps its clicks; others let the window below drag itself.
    if (tiklanabilir_)
        e->accept();
    else
        QLabel::mousePressEvent(e);
}

void Etiket::mouseReleaseEvent(QMouseEvent* e)
{
    if (tiklanabilir_ && e->button() == Qt::LeftButton &&
        rect().contains(e->position().toPoint())) {
        e->accept();
        emit Tiklandi();
        return;
    }
    QLabel::mouseReleaseEvent(e);
}
