#include "shell/gui/Etiket.h"

#include <QMouseEvent>

const QColor Etiket::Gri(64, 64, 64);
const QColor Etiket::Baglanti(128, 128, 255);

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

void Etiket::Tiklanabilir(bool el)
{
    tiklanabilir_ = true;
    if (el)
        setCursor(Qt::PointingHandCursor);
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
