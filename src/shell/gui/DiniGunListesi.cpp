#include "shell/gui/DiniGunListesi.h"

#include "controls/gui/KaydirmaCubugu.h"
#include "shell/gui/DugmeResimleri.h"
#include "shell/gui/Etiket.h"

#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace {

// The skin's colours: white panel, its rule, the accent greens, the grey of disabled looks.
const QColor Zemin(0xFF, 0xFF, 0xFF);
const QColor Cizgi(0xC6, 0xE1, 0xD0);
const QColor VurguZemin(0xEC, 0xF7, 0xF0);
const QColor Vurgu(0x45, 0xA5, 0x75);
const QColor VurguKoyu(0x2F, 0x7E, 0x58);
const QColor Soluk(0x9A, 0xA6, 0x9F);

constexpr int Sol = 7; // the texts' left edge; the highlight's bar takes the first three pixels
constexpr int SagBosluk = 4;

} // namespace

DiniGunListesi::DiniGunListesi(QWidget* parent) : QWidget(parent), vs_(new KaydirmaCubugu(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    DugmeResimleri::Kaydirma(*vs_);
    vs_->setRange(0, 0);
    connect(vs_, &QScrollBar::valueChanged, this, [this](int deger) {
        ust_ = deger;
        update();
    });
}

void DiniGunListesi::setSatirlar(std::vector<DiniGunSatirlari::Satir> satirlar)
{
    satirlar_ = std::move(satirlar);
    setUstSatir(ust_);
    update();
}

int DiniGunListesi::Gorunen() const
{
    return std::max(1, height() / SatirYuksekligi);
}

int DiniGunListesi::MetinGenisligi() const
{
    return width() - vs_->width() - Sol - SagBosluk;
}

void DiniGunListesi::setUstSatir(int satir)
{
    const int enUst = std::max(0, static_cast<int>(satirlar_.size()) - Gorunen());
    ust_ = std::clamp(satir, 0, enUst);
    kaydirmayiEsitle();
    update();
}

void DiniGunListesi::SiradakiniGoster()
{
    const auto siradaki =
        std::find_if(satirlar_.begin(), satirlar_.end(), [](const DiniGunSatirlari::Satir& s) {
            return s.Hal == DiniGunSatirlari::Durum::Siradaki;
        });
    // With the day before it above, for a glimpse of what has passed.
    setUstSatir(siradaki == satirlar_.end() ? 0
                                            : static_cast<int>(siradaki - satirlar_.begin()) - 1);
}

void DiniGunListesi::kaydirmayiEsitle()
{
    vs_->setRange(0, std::max(0, static_cast<int>(satirlar_.size()) - Gorunen()));
    vs_->setValue(ust_);
    vs_->setPageStep(Gorunen());
}

void DiniGunListesi::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    const int g = vs_->sizeHint().width() > 0 ? vs_->sizeHint().width() : 17;
    vs_->setGeometry(width() - g, 0, g, height());
    setUstSatir(ust_);
}

void DiniGunListesi::wheelEvent(QWheelEvent* e)
{
    // Fine wheels and touchpads send parts of a notch (120): they add up to whole notches.
    tekerBirikimi_ += e->angleDelta().y();
    const int adim = tekerBirikimi_ / 120;
    tekerBirikimi_ %= 120;
    if (adim != 0)
        setUstSatir(ust_ - adim);
    e->accept();
}

void DiniGunListesi::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int genislik = width() - vs_->width();
    p.fillRect(rect(), Zemin);
    const QFont ad = Etiket::Yazi(11, true), yazi = Etiket::Yazi(10),
                kalan = Etiket::Yazi(10, true);
    const int metin = MetinGenisligi();
    for (int i = ust_, y = 0; i < static_cast<int>(satirlar_.size()) && y < height();
         ++i, y += SatirYuksekligi) {
        const DiniGunSatirlari::Satir& s = satirlar_[static_cast<std::size_t>(i)];
        const bool siradaki = s.Hal == DiniGunSatirlari::Durum::Siradaki;
        const bool gecmis = s.Hal == DiniGunSatirlari::Durum::Gecmis;
        if (siradaki) {
            p.fillRect(QRect(0, y, genislik, SatirYuksekligi - 1), VurguZemin);
            p.fillRect(QRect(0, y, 3, SatirYuksekligi - 1), Vurgu);
        }
        p.setPen(Cizgi);
        p.drawLine(0, y + SatirYuksekligi - 1, genislik - 1, y + SatirYuksekligi - 1);

        const QColor renk = gecmis ? Soluk : Etiket::Gri;
        p.setFont(ad);
        p.setPen(siradaki ? VurguKoyu : renk);
        p.drawText(QRect(Sol, y + 3, metin, 14), Qt::AlignLeft | Qt::AlignVCenter, s.Ad);
        p.setFont(yazi);
        p.setPen(renk);
        p.drawText(QRect(Sol, y + 16, metin, 11), Qt::AlignLeft | Qt::AlignVCenter, s.Tarih);
        p.drawText(QRect(Sol, y + 27, metin, 11), Qt::AlignLeft | Qt::AlignVCenter, s.Hicri);
        if (!s.Kalan.isEmpty()) {
            p.setFont(kalan);
            p.setPen(VurguKoyu);
            p.drawText(QRect(Sol, y + 27, metin, 11), Qt::AlignRight | Qt::AlignVCenter, s.Kalan);
        }
    }
}
