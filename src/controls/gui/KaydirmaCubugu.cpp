#include "controls/gui/KaydirmaCubugu.h"

#include "platform/gui/QtZamanlayici.h"

#include <QMouseEvent>
#include <QPainter>

KaydirmaCubugu::KaydirmaCubugu(QWidget* parent, ZamanlayiciKaynagi* zaman)
    : QScrollBar(Qt::Vertical, parent),
      tekrar_((zaman ? *zaman : QtZamanlayici::Kaynak()).Yeni(this))
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(tekrar_, &Zamanlayici::timeout, this, &KaydirmaCubugu::tekrarla);
    connect(this, &QAbstractSlider::rangeChanged, this, qOverload<>(&QWidget::update));
}

void KaydirmaCubugu::setResimler(const KaydirmaResimleri& resimler)
{
    resimler_ = resimler;
    setFixedWidth(resimler_.Yukari[0].width());
    updateGeometry();
    update();
}

KaydirmaHesabi KaydirmaCubugu::Hesap() const
{
    KaydirmaHesabi h;
    h.Min = minimum();
    h.Max = maximum();
    h.Yukseklik = height();
    h.Ust = resimler_.Yukari[0].height();
    h.Alt = resimler_.Asagi[0].height();
    h.Tutamak = TutamakYuksekligi();
    return h;
}

int KaydirmaCubugu::TutamakUstu() const
{
    const int twip = surukleme_ >= 0 ? surukleme_ : Hesap().TutamakUstu(value());
    return qRound(double(twip) / KaydirmaHesabi::TwipPiksel);
}

QSize KaydirmaCubugu::sizeHint() const
{
    return {resimler_.Yukari[0].width(), 150};
}

QSize KaydirmaCubugu::minimumSizeHint() const
{
    // 800 twips: room for the arrows and a thumb.
    return {resimler_.Yukari[0].width(), 54};
}

KaydirmaCubugu::Parca KaydirmaCubugu::Altindaki(int y) const
{
    if (y < resimler_.Yukari[0].height())
        return Parca::Yukari;
    if (y >= height() - resimler_.Asagi[0].height())
        return Parca::Asagi;
    return Parca::Iz;
}

void KaydirmaCubugu::setTutamakGorunusu(Gorunus g)
{
    // A missing hover or pressed picture leaves the thumb as it is rather than hiding it.
    if (tutamak_ != g && !resimler_.Tutamak[g].isNull()) {
        tutamak_ = g;
        update();
    }
}

void KaydirmaCubugu::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    const int u = resimler_.Yukari[0].height(), d = resimler_.Asagi[0].height();
    if (!resimler_.Iz.isNull())
        p.drawPixmap(QRect(0, u, width(), height() - u - d), resimler_.Iz);
    p.drawPixmap(0, TutamakUstu(), resimler_.Tutamak[tutamak_]);
    auto ok = [&](const QPixmap(&resim)[3], Parca parca) {
        const Gorunus g = basili_ == parca && uzerinde_ == parca        ? Basili
                          : basili_ == Parca::Yok && uzerinde_ == parca ? Uzerinde
                                                                        : Normal;
        return resim[g].isNull() ? resim[Normal] : resim[g];
    };
    p.drawPixmap(0, 0, ok(resimler_.Yukari, Parca::Yukari));
    p.drawPixmap(0, height() - d, ok(resimler_.Asagi, Parca::Asagi));
}

void KaydirmaCubugu::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const int y = int(e->position().y());
    uzerinde_ = basili_ = Altindaki(y);
    tekrar_->setInterval(MouseInterval + IlkTekrarGecikmesi);
    if (basili_ == Parca::Yukari || basili_ == Parca::Asagi) {
        tekrar_->start();
        triggerAction(basili_ == Parca::Yukari ? SliderSingleStepSub : SliderSingleStepAdd);
        update();
        return;
    }
    const int ust = TutamakUstu();
    if ((y < ust || y >= ust + TutamakYuksekligi()) && minimum() != maximum()) {
        // Beside the thumb: pages towards the pointer, and keeps paging while held.
        sayfaHedefi_ = y;
        sayfaYukari_ = y < ust;
        tekrar_->start();
        triggerAction(sayfaYukari_ ? SliderPageStepSub : SliderPageStepAdd);
        return;
    }
    basili_ = Parca::Yok;
    surukleme_ = Hesap().TutamakUstu(value());
    setTutamakGorunusu(Basili);
    setSliderDown(true);
}

void KaydirmaCubugu::mouseMoveEvent(QMouseEvent* e)
{
    const double y = e->position().y();
    if (surukleme_ >= 0 && (e->buttons() & Qt::LeftButton)) {
        const KaydirmaHesabi::Surukleme s = Hesap().Surukle(y);
        surukleme_ = s.Ust;
        setValue(s.Deger);
        update();
        return;
    }
    if (basili_ == Parca::Iz) {
        sayfaHedefi_ = int(y);
        return;
    }
    const Parca once = uzerinde_;
    uzerinde_ = rect().contains(e->position().toPoint()) ? Altindaki(int(y)) : Parca::Yok;
    if (basili_ == Parca::Yok && e->buttons() == Qt::NoButton)
        setTutamakGorunusu(uzerinde_ == Parca::Iz ? Uzerinde : Normal);
    if (uzerinde_ != once)
        update();
}

void KaydirmaCubugu::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    tekrar_->stop();
    basili_ = Parca::Yok;
    if (surukleme_ >= 0) {
        surukleme_ = -1;
        setSliderDown(false);
    }
    tutamak_ = Normal; // the thumb snaps back to its place for the value, in its own look
    update();
}

void KaydirmaCubugu::leaveEvent(QEvent* e)
{
    QScrollBar::leaveEvent(e);
    uzerinde_ = Parca::Yok;
    if (surukleme_ < 0)
        setTutamakGorunusu(Normal);
    update();
}

void KaydirmaCubugu::wheelEvent(QWheelEvent* e)
{
    e->ignore();
}

void KaydirmaCubugu::contextMenuEvent(QContextMenuEvent* e)
{
    e->ignore();
}

bool KaydirmaCubugu::sayfaHedefineVardi() const
{
    const int ust = TutamakUstu();
    if (sayfaYukari_)
        return value() <= minimum() || sayfaHedefi_ >= ust;
    return value() >= maximum() || sayfaHedefi_ < ust + TutamakYuksekligi();
}

void KaydirmaCubugu::tekrarla()
{
    tekrar_->setInterval(MouseInterval);
    switch (basili_) {
    case Parca::Yukari:
    case Parca::Asagi:
        triggerAction(basili_ == Parca::Yukari ? SliderSingleStepSub : SliderSingleStepAdd);
        break;
    case Parca::Iz:
        if (sayfaHedefineVardi()) {
            tekrar_->stop();
            return;
        }
        triggerAction(sayfaYukari_ ? SliderPageStepSub : SliderPageStepAdd);
        break;
    case Parca::Yok:
        tekrar_->stop();
        break;
    }
}
