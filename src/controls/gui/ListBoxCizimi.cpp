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
    if (m_unRefreshControl)
        return;
    QPainter p(this);
    arkaPlanCiz(p);

    const int rh = m_satirYuksekligi;
    const int top = m_durum.TopIndex();
    const int sol = scrollSolu();
    // Rows that end above the bottom (less two pixels), and one more that is cut off.
    const int tamSigan = std::max(0, (height() - 2) / rh);
    const int son = std::min(ListCount(), top + tamSigan);
    for (int i = top, y = 0; i <= son; ++i, y += rh)
        satirCiz(p, i, y, sol);

    if (isaretCizgisiVar()) {
        // Where the dragged rows would land: the top edge of the row under the pointer.
        const int y = (m_listIndex - top) * rh;
        const int sag = sol - 2 + (m_displayVScroll ? 0 : GizliScrollPayi);
        p.fillRect(QRect(1, y - 1, sag - 1, 2), ForeColor());
    }

    if (m_displayBorder) {
        p.setPen(m_borderColor);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(0, 0, width() - 1, height() - 1));
    }
}

bool ListBox::isaretCizgisiVar() const
{
    return m_surukleniyor && m_listIndex >= 1 && m_listIndex != m_durum.SelectedItem();
}

void ListBox::arkaPlanCiz(QPainter& p)
{
    p.fillRect(rect(), BackColor());
    if (m_picture.Bos())
        return;
    switch (m_pictureMode) {
    case Gerilmis:
        p.drawPixmap(rect(), ResimPikseli(m_picture));
        break;
    case Doseli:
        p.drawTiledPixmap(rect(), ResimPikseli(m_picture));
        break;
    default:
        m_picture.Ciz(p, 0, 0);
        break;
    }
}

void ListBox::satirCiz(QPainter& p, int index, int y, int scrollSolu)
{
    const ListeKaynagi& kaynak = *Kaynak();
    const QVariant simge = kaynak.Simge(index);
    const bool secili = m_durum.Secili(index);
    const int rh = m_satirYuksekligi;
    const bool ikon = simge.isValid() && !simge.isNull();

    if (secili) {
        // Fill from 2 pixels below the row's top to 1 below its bottom, right edge 2 pixels
        // short of the scrollbar, framed just outside.
        const int sag = scrollSolu - 2 + (m_displayVScroll ? 0 : GizliScrollPayi);
        int sol = 1;
        if (!m_fullRowSelect && ikon) {
            sol = IkonSeridi;
            p.fillRect(QRect(1, y + 2, IkonSeridi - 1, rh - 1), BackColor());
        }
        p.fillRect(QRect(sol, y + 2, sag - sol, rh - 1), SelColor());
        p.setPen(m_borderSelColor);
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
    if (index == m_durum.Aktif())
        renk = m_aktifColor;
    else if (secili)
        renk = SelForeColor();
    p.setPen(renk);

    const int x1 = YaziBasi + (ikon ? IkonGirintisi : 0);
    const int sutun2 = width() - scrollGenisligi() - YaziBasi - (m_turGen + m_dilGen + m_sureGen);
    const int hiza = m_useDefautItemSettings ? m_alignment : kaynak.Hiza(index);
    Qt::Alignment yatay = Qt::AlignLeft;
    if (hiza == Sag)
        yatay = Qt::AlignRight;
    else if (hiza == Orta)
        yatay = Qt::AlignHCenter;
    const int bayrak = Qt::AlignVCenter | Qt::TextSingleLine;
    if (sutun2 > x1)
        p.drawText(QRect(x1, y, sutun2 - x1, rh), bayrak | yatay, kaynak.Sutun(index, 0));
    int x = sutun2;
    if (m_turGen > 0)
        p.drawText(QRect(x, y, m_turGen, rh), bayrak | Qt::AlignLeft, kaynak.Sutun(index, 1));
    x += m_turGen;
    if (m_dilGen > 0)
        p.drawText(QRect(x, y, m_dilGen, rh), bayrak | Qt::AlignLeft, kaynak.Sutun(index, 2));
    x += m_dilGen;
    if (m_sureGen > 0)
        p.drawText(QRect(x, y, m_sureGen, rh), bayrak | Qt::AlignRight, kaynak.Sutun(index, 3));
}
