#include "notify/MesajAnimasyonu.h"

#include "platform/Twip.h"

#include <QSize>

using Twip::TPPX;
using Twip::TPPY;

QRect MesajAnimasyonu::Geometri::Piksel() const
{
    return QRect(Twip::PikselX(Sol), Twip::PikselY(Ust), Twip::PikselX(Genislik),
                 Twip::PikselY(Yukseklik));
}

void MesajAnimasyonu::EkranAyarla(const QRect& ekran, const QRect& kullanilabilir)
{
    alan_ = kullanilabilir.isValid() ? kullanilabilir : ekran;
    const int ekranAlti = ekran.y() + ekran.height();
    const int alanAlti = alan_.y() + alan_.height();
    // The taskbar's height in pixels x 15 - 15; the 15 is fixed whatever TPPY is.
    t_ = (ekranAlti - alanAlti) * 15 - 15;
    sagKenar_ = double(alan_.x() + alan_.width()) * TPPX;
    altKenar_ = double(ekranAlti) * TPPY;
}

MesajAnimasyonu::Geometri MesajAnimasyonu::Baslat(double mevcutGenislik)
{
    w_ = BaslangicW;
    Geometri g;
    g.Sol = sagKenar_ - mevcutGenislik - 10 * TPPX;
    g.Genislik = BaslangicW;
    g.Yukseklik = BaslangicW / Oran;
    g.Ust = altKenar_ - 40 * TPPY;
    g.BolgeGenisligi = BolgeBoyu(g.Genislik);
    g.BolgeYuksekligi = BolgeBoyu(g.Yukseklik);
    return g;
}

bool MesajAnimasyonu::Buyu()
{
    if (w_ > TamBoyW)
        return false;
    w_ += Adim;
    return true;
}

bool MesajAnimasyonu::Kucul()
{
    if (w_ < BaslangicW)
        return false;
    w_ -= Adim;
    return true;
}

int MesajAnimasyonu::BuyumeAdimlari() const
{
    MesajAnimasyonu a = *this;
    int n = 0;
    while (a.Buyu())
        ++n;
    return n;
}

int MesajAnimasyonu::KuculmeAdimlari() const
{
    MesajAnimasyonu a = *this;
    int n = 0;
    while (a.Kucul())
        ++n;
    return n;
}

MesajAnimasyonu::Geometri MesajAnimasyonu::AdimGeometrisi() const
{
    Geometri g;
    g.Genislik = w_;
    g.Yukseklik = w_ / Oran;
    g.Sol = sagKenar_ - 110 * TPPX - g.Genislik / 2;
    // 25 x TPPX, the horizontal factor, as the placing rule has always had it.
    g.Ust = altKenar_ - t_ - w_ / 1.3 + 25 * TPPX;
    g.BolgeGenisligi = BolgeBoyu(g.Genislik);
    g.BolgeYuksekligi = BolgeBoyu(g.Yukseklik);
    return g;
}

QRect MesajAnimasyonu::AdimPikseli() const
{
    QRect r = AdimGeometrisi().Piksel();
    if (!alan_.isValid())
        return r;
    if (r.right() > alan_.right())
        r.moveRight(alan_.right());
    if (r.bottom() > alan_.bottom())
        r.moveBottom(alan_.bottom());
    if (r.left() < alan_.left())
        r.moveLeft(alan_.left());
    if (r.top() < alan_.top())
        r.moveTop(alan_.top());
    return r;
}

int MesajAnimasyonu::Alfa() const
{
    return static_cast<int>(CifteYuvarla((w_ - BaslangicW) / 3));
}

int MesajAnimasyonu::BolgeBoyu(double twip)
{
    return static_cast<int>(CifteYuvarla(twip / TPPX)) + 1;
}

bool MesajAnimasyonu::ImlecUstunde(const QPoint& imlec, const QRect& pencere)
{
    const int sag = pencere.x() + pencere.width();
    const int alt = pencere.y() + pencere.height();
    return pencere.x() < imlec.x() && imlec.x() < sag && pencere.y() < imlec.y() && imlec.y() < alt;
}

QRect MesajAnimasyonu::ParkYeri(const QRect& masaustu, const QSize& boyut)
{
    // In twips: left = width + screen width + 15, which is one pixel past the right edge
    // plus the popup's own width.
    const int sol = masaustu.x() + masaustu.width() + boyut.width() + 1;
    const int ust = masaustu.y() + masaustu.height() + boyut.height() + 1;
    return QRect(QPoint(sol, ust), boyut);
}
