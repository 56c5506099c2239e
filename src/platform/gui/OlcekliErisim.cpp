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

void OlcekliErisim::FabrikaEkle(QAccessible::InterfaceFactory fabrika)
{
    QAccessible::installFactory(fabrika);
    Kur();
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

QAccessibleTextInterface* OlcekliErisim::metin() const
{
    return ilet(ic(), &Arayuz::textInterface);
}

QAccessibleTableInterface* OlcekliErisim::tablo() const
{
    return ilet(ic(), &Arayuz::tableInterface);
}

QPoint OlcekliErisim::mantiksal(const QPoint& ekranda) const
{
    return olcekVeren_ ? ErisimKonumu::Geri(ekranda, *olcekVeren_) : ekranda;
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
    return sar(ilet(ic(), &Arayuz::focusChild));
}

QAccessibleInterface* OlcekliErisim::childAt(int x, int y) const
{
    QAccessibleInterface* i = ic();
    if (!i)
        return nullptr;
    // A list finds its row from the point in its own units.
    if (i->tableInterface()) {
        const QPoint p = mantiksal(QPoint(x, y));
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

QAccessibleInterface* OlcekliErisim::child(int index) const
{
    return sar(ilet(ic(), &Arayuz::child, index));
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

QRect OlcekliErisim::rect() const
{
    const QAccessibleInterface* i = ic();
    return i && !gizliSatir() ? ekranda(i->rect()) : QRect();
}

QRect OlcekliErisim::ekranda(const QRect& r) const
{
    return olcekVeren_ && r.isValid() ? ErisimKonumu::Olcekle(r, *olcekVeren_) : r;
}

bool OlcekliErisim::gizliSatir() const
{
    // Qt counts the rows of a closed combo box's list as shown, at the screen's corner.
    return olcekVeren_ && !olcekVeren_->isVisible() && !ic_->object();
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

void* OlcekliErisim::interface_cast(QAccessible::InterfaceType t)
{
    QAccessibleInterface* i = ic();
    void* ic_arayuz = i ? i->interface_cast(t) : nullptr;
    if (ic_arayuz && t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (ic_arayuz && t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return ic_arayuz;
}

// QAccessibleTextInterface -----------------------------------------------------------------

void OlcekliErisim::selection(int secim, int* bas, int* son) const
{
    *bas = *son = 0;
    ilet(metin(), &Metin::selection, secim, bas, son);
}

QString OlcekliErisim::textBeforeOffset(int konum, QAccessible::TextBoundaryType sinir, int* bas,
                                        int* son) const
{
    *bas = *son = -1;
    return ilet(metin(), &Metin::textBeforeOffset, konum, sinir, bas, son);
}

QString OlcekliErisim::textAfterOffset(int konum, QAccessible::TextBoundaryType sinir, int* bas,
                                       int* son) const
{
    *bas = *son = -1;
    return ilet(metin(), &Metin::textAfterOffset, konum, sinir, bas, son);
}

QString OlcekliErisim::textAtOffset(int konum, QAccessible::TextBoundaryType sinir, int* bas,
                                    int* son) const
{
    *bas = *son = -1;
    return ilet(metin(), &Metin::textAtOffset, konum, sinir, bas, son);
}

QRect OlcekliErisim::characterRect(int konum) const
{
    return ekranda(ilet(metin(), &Metin::characterRect, konum));
}

int OlcekliErisim::offsetAtPoint(const QPoint& nokta) const
{
    const QAccessibleTextInterface* m = metin();
    return m ? m->offsetAtPoint(mantiksal(nokta)) : -1;
}

QString OlcekliErisim::attributes(int konum, int* bas, int* son) const
{
    *bas = *son = konum;
    return ilet(metin(), &Metin::attributes, konum, bas, son);
}

// QAccessibleTableInterface ----------------------------------------------------------------

QAccessibleInterface* OlcekliErisim::caption() const
{
    return sar(ilet(tablo(), &Tablo::caption));
}

QAccessibleInterface* OlcekliErisim::summary() const
{
    return sar(ilet(tablo(), &Tablo::summary));
}

QAccessibleInterface* OlcekliErisim::cellAt(int satir, int sutun) const
{
    return sar(ilet(tablo(), &Tablo::cellAt, satir, sutun));
}

QList<QAccessibleInterface*> OlcekliErisim::selectedCells() const
{
    QList<QAccessibleInterface*> hucreler = ilet(tablo(), &Tablo::selectedCells);
    for (QAccessibleInterface*& h : hucreler)
        h = sar(h);
    return hucreler;
}

void OlcekliErisim::modelChange(QAccessibleTableModelChangeEvent* olay)
{
    // Qt's list drops or moves the rows it has handed out.
    ilet(tablo(), &Tablo::modelChange, olay);
}
