// The list's drawing: background, rows, the drag marker and the frame.
#include "controls/ListeKaynagi.h"
#include "controls/gui/ListBox.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace {

constexpr int YaziBasi = 7;       // first column's left margin, pixels
constexpr int IkonGirintisi = 15; // the first column moves right by this for a row icon
constexpr int IkonSeridi = 20;    // a row icon stands on plain background up to here
constexpr int IkonBoyu = 16;
constexpr int GizliScrollPayi = 17; // the highlight reaches this much further without VS

QPixmap ResimPikseli(const Resim& resim)
{
    switch (resim.Tur()) {
    case Resim::Turu::Bitmap:
        return resim.Bitmap();
    case Resim::Turu::Ikon:
        return resim.Ikon().pixmap(resim.Boyut());
    case Resim::Turu::Metafile: {
        QPixmap pm(resim.Boyut());
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        resim.Ciz(p, 0, 0);
        return pm;
    }
    default:
        return {};
    }
}

// A row's icon may be a pixmap, an image, an icon or a control picture.
QPixmap IkonPikseli(const QVariant& ikon, int boy)
{
    const QSize boyut(boy, boy);
    switch (ikon.metaType().id()) {
    case QMetaType::QPixmap:
        return ikon.value<QPixmap>();
    case QMetaType::QImage:
        return QPixmap::fromImage(ikon.value<QImage>());
    case QMetaType::QIcon:
        return ikon.value<QIcon>().pixmap(boyut);
    default:
        if (ikon.canConvert<Resim>())
            return ResimPikseli(ikon.value<Resim>());
        return {};
    }
}

} // namespace

void ListBox::paintEvent(QPaintEvent*)
{
    if (unRefreshControl_)
        return;
    QPainter p(this);
    arkaPlanCiz(p);

    const int rh = satirYuksekligi_;
    const int top = durum_.TopIndex();
    const int sol = scrollSolu();
    // Rows that end above the bottom (less two pixels), and one more that is cut off.
    const int tamSigan = std::max(0, (height() - 2) / rh);
    const int son = std::min(ListCount(), top + tamSigan);
    for (int i = top, y = 0; i <= son; ++i, y += rh)
        satirCiz(p, i, y, sol);

    if (isaretCizgisiVar()) {
        // Where the dragged rows would land: the top edge of the row under the pointer.
        const int y = (listIndex_ - top) * rh;
        const int sag = sol - 2 + (displayVScroll_ ? 0 : GizliScrollPayi);
        p.fillRect(QRect(1, y - 1, sag - 1, 2), ForeColor());
    }

    if (displayBorder_) {
        p.setPen(borderColor_);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(0, 0, width() - 1, height() - 1));
    }
}

bool ListBox::isaretCizgisiVar() const
{
    return surukleniyor_ && listIndex_ >= 1 && listIndex_ != durum_.SelectedItem();
}

void ListBox::arkaPlanCiz(QPainter& p)
{
    p.fillRect(rect(), BackColor());
    if (picture_.Bos())
        return;
    switch (pictureMode_) {
    case Gerilmis:
        p.drawPixmap(rect(), ResimPikseli(picture_));
        break;
    case Doseli:
        p.drawTiledPixmap(rect(), ResimPikseli(picture_));
        break;
    default:
        picture_.Ciz(p, 0, 0);
        break;
    }
}

void ListBox::satirCiz(QPainter& p, int index, int y, int scrollSolu)
{
    const ListeKaynagi& kaynak = *Kaynak();
    const QVariant simge = kaynak.Simge(index);
    const bool secili = durum_.Secili(index);
    const int rh = satirYuksekligi_;
    const bool ikon = simge.isValid() && !simge.isNull();

    if (secili) {
        // Fill from 2 pixels below the row's top to 1 below its bottom, right edge 2 pixels
        // short of the scrollbar, framed just outside.
        const int sag = scrollSolu - 2 + (displayVScroll_ ? 0 : GizliScrollPayi);
        int sol = 1;
        if (!fullRowSelect_ && ikon) {
            sol = IkonSeridi;
            p.fillRect(QRect(1, y + 2, IkonSeridi - 1, rh - 1), BackColor());
        }
        p.fillRect(QRect(sol, y + 2, sag - sol, rh - 1), SelColor());
        p.setPen(borderSelColor_);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(sol - 1, y + 1, sag - sol + 1, rh));
    }
    if (ikon) {
        const int boy = std::min(IkonBoyu, rh);
        const QPixmap pm = IkonPikseli(simge, boy);
        if (!pm.isNull())
            p.drawPixmap(QRect(3, y + (rh - boy) / 2, boy, boy), pm);
    }

    QColor renk = ForeColor();
    if (index == durum_.Aktif())
        renk = aktifColor_;
    else if (secili)
        renk = SelForeColor();
    p.setPen(renk);

    const int x1 = YaziBasi + (ikon ? IkonGirintisi : 0);
    const int sutun2 = width() - scrollGenisligi() - YaziBasi - (turGen_ + dilGen_ + sureGen_);
    const int hiza = useDefautItemSettings_ ? alignment_ : kaynak.Hiza(index);
    Qt::Alignment yatay = Qt::AlignLeft;
    if (hiza == Sag)
        yatay = Qt::AlignRight;
    else if (hiza == Orta)
        yatay = Qt::AlignHCenter;
    const int bayrak = Qt::AlignVCenter | Qt::TextSingleLine;
    if (sutun2 > x1)
        p.drawText(QRect(x1, y, sutun2 - x1, rh), bayrak | yatay, kaynak.Sutun(index, 0));
    int x = sutun2;
    if (turGen_ > 0)
        p.drawText(QRect(x, y, turGen_, rh), bayrak | Qt::AlignLeft, kaynak.Sutun(index, 1));
    x += turGen_;
    if (dilGen_ > 0)
        p.drawText(QRect(x, y, dilGen_, rh), bayrak | Qt::AlignLeft, kaynak.Sutun(index, 2));
    x += dilGen_;
    if (sureGen_ > 0)
        p.drawText(QRect(x, y, sureGen_, rh), bayrak | Qt::AlignRight, kaynak.Sutun(index, 3));
}
