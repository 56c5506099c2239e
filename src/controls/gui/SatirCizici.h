#pragma once

#include <QStyledItemDelegate>

// Draws one row of a ListeGorunumu as the skin has it, in the view's own coordinates (the
// view's frame is the rows' frame too): a selected row filled in Highlight from 2 pixels below
// its top to 1 below its bottom and from 1 pixel off the left edge to 2 short of the
// scrollbar, with a one-pixel line just outside the fill; the first column from 7 pixels off
// the left edge up to the other columns, which stand before the scrollbar with their widths;
// texts vertically centred and clipped to their columns, in the active row's colour, else
// HighlightedText when selected, else Text. The current row of a focused list gets a dotted
// line inside its fill, so that the keyboard's place shows.
class SatirCizici : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int YaziBasi = 7; // first column's left margin, pixels

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& secenek,
               const QModelIndex& konum) const override;
    QSize sizeHint(const QStyleOptionViewItem& secenek, const QModelIndex& konum) const override;
};
