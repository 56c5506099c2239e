#include "controls/gui/SatirCizici.h"

#include "controls/ListeRolleri.h"
#include "controls/gui/KaydirmaCubugu.h"
#include "controls/gui/ListeGorunumu.h"

#include <QPainter>

void SatirCizici::paint(QPainter* p, const QStyleOptionViewItem& secenek,
                        const QModelIndex& konum) const
{
    const auto* liste = qobject_cast<const ListeGorunumu*>(secenek.widget);
    if (!liste)
        return;
    const QPalette& renk = liste->palette();
    const int y = secenek.rect.y(), rh = secenek.rect.height();
    const int cubuk = liste->Cubuk()->width();
    // The right edge of a selection: 2 pixels short of the scrollbar inside the frame.
    const int sag = liste->width() - cubuk - 1 - 2;
    const bool secili = secenek.state & QStyle::State_Selected;

    p->save();
    if (secili) {
        p->fillRect(QRect(1, y + 2, sag - 1, rh - 1), renk.color(QPalette::Highlight));
        p->setPen(liste->EkRenkler().SeciliCerceve);
        p->drawRect(QRect(0, y + 1, sag, rh));
    }
    const bool aktif = konum.row() == liste->Aktif();
    const QColor yazi = aktif    ? liste->EkRenkler().Aktif
                        : secili ? renk.color(QPalette::HighlightedText)
                                 : renk.color(QPalette::Text);
    if ((secenek.state & QStyle::State_HasFocus) && liste->hasFocus()) {
        p->setPen(QPen(yazi, 1, Qt::DotLine));
        p->drawRect(QRect(2, y + 3, sag - 4, rh - 4));
    }

    p->setPen(yazi);
    p->setFont(liste->font());
    const int bayrak = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine;
    int diger = 0;
    for (int g : liste->SutunGenislikleri())
        diger += g;
    int x = liste->width() - cubuk - YaziBasi - diger;
    if (x > YaziBasi)
        p->drawText(QRect(YaziBasi, y, x - YaziBasi, rh), bayrak,
                    konum.data(Qt::DisplayRole).toString());
    for (int i = 0; i < liste->SutunGenislikleri().size(); ++i) {
        const int g = liste->SutunGenislikleri().at(i);
        if (g > 0)
            p->drawText(QRect(x, y, g, rh), bayrak,
                        konum.data(ListeRolleri::SutunRolu + i).toString());
        x += g;
    }
    p->restore();
}

QSize SatirCizici::sizeHint(const QStyleOptionViewItem& secenek, const QModelIndex&) const
{
    const auto* liste = qobject_cast<const ListeGorunumu*>(secenek.widget);
    return {liste ? liste->viewport()->width() : 1,
            liste ? liste->SatirYuksekligi() : secenek.fontMetrics.height()};
}
