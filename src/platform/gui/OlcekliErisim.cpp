#include "platform/gui/OlcekliErisim.h"

#include "platform/gui/ErisimKonumu.h"

#include <QWidget>

namespace {

// The widget whose interface is being made unwrapped, for the wrapper to hold.
QObject* sarilan = nullptr;

} // namespace

void OlcekliErisim::Kur()
{
#ifndef Q_OS_WIN
    // The last factory installed is asked first, for each class from the most derived one.
    QAccessible::removeFactory(Fabrika);
    QAccessible::installFactory(Fabrika);
#endif
}

QAccessibleInterface* OlcekliErisim::Fabrika(const QString&, QObject* nesne)
{
    if (!nesne || !nesne->isWidgetType() || nesne == sarilan)
        return nullptr;
    // Asks the other factories (Qt's, the program's) for the interface to wrap. It goes into
    // the cache first; the wrapper, inserted after it, is what the cache gives from then on,
    // and both go when the widget does.
    QObject* onceki = sarilan;
    sarilan = nesne;
    QAccessibleInterface* ic = QAccessible::queryAccessibleInterface(nesne);
    sarilan = onceki;
    return ic ? new OlcekliErisim(ic, static_cast<QWidget*>(nesne)) : nullptr;
}

OlcekliErisim::OlcekliErisim(QAccessibleInterface* ic, QWidget* olcekVeren)
    : ic_(ic), icId_(QAccessible::uniqueId(ic)), olcekVeren_(olcekVeren)
{
}

OlcekliErisim::~OlcekliErisim()
{
    // The rows' wrappers are this list's; the cache may have dropped some already.
    for (const auto& [satir, id] : std::as_const(satirlar_))
        if (QAccessible::accessibleInterface(id) == satir)
            QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* OlcekliErisim::ic() const
{
    return QAccessible::accessibleInterface(icId_) == ic_ ? ic_ : nullptr;
}

QAccessibleInterface* OlcekliErisim::sar(QAccessibleInterface* c) const
{
    if (!c || c->object())
        return c;
    const auto bulunan = satirlar_.constFind(c);
    if (bulunan != satirlar_.cend() && bulunan->first->ic())
        return bulunan->first;
    if (bulunan != satirlar_.cend())
        QAccessible::deleteAccessibleInterface(bulunan->second);
    eskiSatirlariBirak();
    auto* satir = new OlcekliErisim(c, olcekVeren_);
    satirlar_.insert(c, {satir, QAccessible::registerAccessibleInterface(satir)});
    return satir;
}

void OlcekliErisim::eskiSatirlariBirak() const
{
    if (satirlar_.size() < satirSiniri_)
        return;
    for (auto it = satirlar_.begin(); it != satirlar_.end();) {
        if (it->first->ic()) {
            ++it;
            continue;
        }
        QAccessible::deleteAccessibleInterface(it->second);
        it = satirlar_.erase(it);
    }
    satirSiniri_ = qMax(256, 2 * int(satirlar_.size()));
}

bool OlcekliErisim::isValid() const
{
    const QAccessibleInterface* i = ic();
    return i && i->isValid();
}

QObject* OlcekliErisim::object() const
{
    const QAccessibleInterface* i = ic();
    return i ? i->object() : nullptr;
}

QWindow* OlcekliErisim::window() const
{
    const QAccessibleInterface* i = ic();
    return i ? i->window() : nullptr;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
OlcekliErisim::relations(QAccessible::Relation match) const
{
    const QAccessibleInterface* i = ic();
    if (!i)
        return {};
    auto iliskiler = i->relations(match);
    for (auto& iliski : iliskiler)
        iliski.first = sar(iliski.first);
    return iliskiler;
}

QAccessibleInterface* OlcekliErisim::focusChild() const
{
    const QAccessibleInterface* i = ic();
    return i ? sar(i->focusChild()) : nullptr;
}

QAccessibleInterface* OlcekliErisim::childAt(int x, int y) const
{
    QAccessibleInterface* i = ic();
    if (!i)
        return nullptr;
    // A list finds its row from the point in its own units.
    if (i->tableInterface()) {
        const QPoint p =
            olcekVeren_ ? ErisimKonumu::Geri(QPoint(x, y), *olcekVeren_) : QPoint(x, y);
        return sar(i->childAt(p.x(), p.y()));
    }
    // A widget's children are wrapped: their rectangles are already the screen's.
    for (int n = childCount() - 1; n >= 0; --n) {
        QAccessibleInterface* c = child(n);
        if (c && c->isValid() && c->rect().contains(x, y))
            return c;
    }
    return nullptr;
}

QAccessibleInterface* OlcekliErisim::parent() const
{
    const QAccessibleInterface* i = ic();
    return i ? i->parent() : nullptr;
}

QAccessibleInterface* OlcekliErisim::child(int index) const
{
    const QAccessibleInterface* i = ic();
    return i ? sar(i->child(index)) : nullptr;
}

int OlcekliErisim::childCount() const
{
    const QAccessibleInterface* i = ic();
    return i ? i->childCount() : 0;
}

int OlcekliErisim::indexOfChild(const QAccessibleInterface* cocuk) const
{
    const QAccessibleInterface* i = ic();
    if (!i || !cocuk)
        return -1;
    // Qt's list takes a row for its own kind of row: it is given the one wrapped.
    if (const auto* sarmal = dynamic_cast<const OlcekliErisim*>(cocuk))
        cocuk = sarmal->ic();
    return cocuk ? i->indexOfChild(cocuk) : -1;
}

QString OlcekliErisim::text(QAccessible::Text t) const
{
    const QAccessibleInterface* i = ic();
    return i ? i->text(t) : QString();
}

void OlcekliErisim::setText(QAccessible::Text t, const QString& metin)
{
    if (QAccessibleInterface* i = ic())
        i->setText(t, metin);
}

QRect OlcekliErisim::rect() const
{
    const QAccessibleInterface* i = ic();
    if (!i || gizliSatir())
        return {};
    const QRect r = i->rect();
    return olcekVeren_ && r.isValid() ? ErisimKonumu::Olcekle(r, *olcekVeren_) : r;
}

bool OlcekliErisim::gizliSatir() const
{
    // Qt counts the rows of a closed combo box's list as shown, at the screen's corner.
    return olcekVeren_ && !olcekVeren_->isVisible() && !ic_->object();
}

QAccessible::Role OlcekliErisim::role() const
{
    const QAccessibleInterface* i = ic();
    return i ? i->role() : QAccessible::NoRole;
}

QAccessible::State OlcekliErisim::state() const
{
    const QAccessibleInterface* i = ic();
    QAccessible::State s = i ? i->state() : QAccessible::State();
    s.invalid = !i;
    if (!i || gizliSatir())
        s.invisible = true;
    return s;
}

QColor OlcekliErisim::foregroundColor() const
{
    const QAccessibleInterface* i = ic();
    return i ? i->foregroundColor() : QColor();
}

QColor OlcekliErisim::backgroundColor() const
{
    const QAccessibleInterface* i = ic();
    return i ? i->backgroundColor() : QColor();
}

void* OlcekliErisim::interface_cast(QAccessible::InterfaceType t)
{
    QAccessibleInterface* i = ic();
    return i ? i->interface_cast(t) : nullptr;
}
