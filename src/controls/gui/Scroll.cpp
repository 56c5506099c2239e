#include "controls/gui/Scroll.h"

#include "controls/gui/Buton.h"
#include "platform/Twip.h"
#include "platform/gui/ImlecKaynagi.h"
#include "platform/gui/QtZamanlayici.h"
#include "platform/gui/SistemImleci.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace {

constexpr int OkBoyu = 17; // pixels, the default arrow pictures

// The default arrow pictures (normal 0, hover 1, pressed 2): a plain face with a small
// triangle, so a scrollbar that was given no pictures is still usable.
QPixmap OkResmi(bool yukari, int durum)
{
    QPixmap resim(OkBoyu, OkBoyu);
    const QColor yuz[] = {QColor(0xF0, 0xF0, 0xF0), QColor(0xE5, 0xF1, 0xFB),
                          QColor(0xCC, 0xE4, 0xF7)};
    const QColor cerceve[] = {QColor(0xAD, 0xAD, 0xAD), QColor(0x00, 0x78, 0xD7),
                              QColor(0x00, 0x54, 0x99)};
    resim.fill(yuz[durum]);
    QPainter p(&resim);
    p.setPen(cerceve[durum]);
    p.drawRect(0, 0, OkBoyu - 1, OkBoyu - 1);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath ucgen;
    const double orta = OkBoyu / 2.0;
    const double kay = durum == 2 ? 1 : 0;
    if (yukari) {
        ucgen.moveTo(orta - 4 + kay, orta + 2 + kay);
        ucgen.lineTo(orta + 4 + kay, orta + 2 + kay);
        ucgen.lineTo(orta + kay, orta - 2 + kay);
    } else {
        ucgen.moveTo(orta - 4 + kay, orta - 2 + kay);
        ucgen.lineTo(orta + 4 + kay, orta - 2 + kay);
        ucgen.lineTo(orta + kay, orta + 2 + kay);
    }
    ucgen.closeSubpath();
    p.fillPath(ucgen, QColor(0x60, 0x60, 0x60));
    return resim;
}

} // namespace

Scroll::Scroll(QWidget* parent, ImlecKaynagi* imlec, ZamanlayiciKaynagi* zaman)
    : QWidget(parent), imlec_(imlec ? imlec : &SistemImleci::Ortak())
{
    ZamanlayiciKaynagi& kaynak = zaman ? *zaman : QtZamanlayici::Kaynak();
    scrlYk_ = new Buton(this);
    scrlAs_ = new Buton(this);
    for (Buton* b : {scrlYk_, scrlAs_}) {
        b->installEventFilter(this);
        b->setFocusPolicy(Qt::NoFocus);
        b->resize(OkBoyu, OkBoyu);
    }
    scrlYk_->setObjectName(QStringLiteral("ScrlYk"));
    scrlAs_->setObjectName(QStringLiteral("ScrlAs"));
    // The pictures every new scrollbar starts with.
    scrlYk_->setPictureNormal(OkResmi(true, 0));
    scrlYk_->setPictureOver(OkResmi(true, 1));
    scrlYk_->setPictureDown(OkResmi(true, 2));
    scrlAs_->setPictureNormal(OkResmi(false, 0));
    scrlAs_->setPictureOver(OkResmi(false, 1));
    scrlAs_->setPictureDown(OkResmi(false, 2));

    timer1_ = kaynak.Yeni(this);
    timer2_ = kaynak.Yeni(this);
    timerOver_ = kaynak.Yeni(this);
    // The repeat timers wait for a press; nothing moves the value on its own.
    timer1_->setInterval(mouseInterval_ + IlkTekrarGecikmesi);
    timer2_->setInterval(mouseInterval_ + IlkTekrarGecikmesi);
    timerOver_->setInterval(TimerOverAraligi);
    connect(timer1_, &Zamanlayici::timeout, this, &Scroll::timer1Tik);
    connect(timer2_, &Zamanlayici::timeout, this, &Scroll::timer2Tik);
    connect(timerOver_, &Zamanlayici::timeout, this, &Scroll::timerOverTik);

    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedWidth(OkBoyu);
    setMinimumHeight((ScrollHesap::EnKucukYukseklik + Twip::TPPY - 1) / Twip::TPPY);
    resize(OkBoyu, 150);
    yerlesimYap();
}

Scroll::~Scroll() = default;

bool Scroll::eventFilter(QObject* nesne, QEvent* e)
{
    // An arrow steps when the left button goes down on it and repeats until a button comes
    // up, wherever the pointer is meanwhile (its button only looks released outside).
    if (nesne == scrlYk_ || nesne == scrlAs_) {
        const auto tip = e->type();
        if ((tip == QEvent::MouseButtonPress || tip == QEvent::MouseButtonDblClick) &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            okBasildi(nesne == scrlYk_ ? Yon::Yukari : Yon::Asagi);
        else if (tip == QEvent::MouseButtonRelease)
            okBirakildi();
    }
    return QWidget::eventFilter(nesne, e);
}

void Scroll::setEnabled(bool acik)
{
    enabled_ = acik;
    update();
}

void Scroll::setMin(SabitNokta deger)
{
    h_.Min = deger;
    if (deger > h_.Value) {
        h_.Value = deger;
        yerlestirVeCiz();
    }
}

void Scroll::setMax(SabitNokta deger)
{
    h_.Max = deger;
}

void Scroll::setValue(SabitNokta deger)
{
    if (deger == h_.Value)
        return;
    h_.Value = deger;
    yerlestirVeCiz();
}

void Scroll::setSmallChange(SabitNokta deger)
{
    smallChange_ = deger;
    update();
}

void Scroll::setLargeChange(SabitNokta deger)
{
    largeChange_ = deger;
    update();
}

void Scroll::setScrollHeight(int deger)
{
    scrollHeight_ = qBound(0, deger, 255);
    yerlesimYap();
}

void Scroll::setMouseInterval(int ms)
{
    mouseInterval_ = ms;
    timer1_->setInterval(ms);
    timer2_->setInterval(ms);
}

void Scroll::setUnRefreshControl(bool acik)
{
    unRefreshControl_ = acik;
    update();
}

void Scroll::setScrlYkNPicture(const Resim& r)
{
    scrlYk_->setPictureNormal(r);
    if (!r.Bos())
        scrlYk_->resize(r.Boyut());
    setFixedWidth(scrlYk_->width());
    yerlesimYap();
}

void Scroll::setScrlYkOPicture(const Resim& r)
{
    scrlYk_->setPictureOver(r);
}
void Scroll::setScrlYkBPicture(const Resim& r)
{
    scrlYk_->setPictureDown(r);
}

void Scroll::setScrlAsNPicture(const Resim& r)
{
    scrlAs_->setPictureNormal(r);
    if (!r.Bos())
        scrlAs_->resize(r.Boyut());
    yerlesimYap();
}

void Scroll::setScrlAsOPicture(const Resim& r)
{
    scrlAs_->setPictureOver(r);
}
void Scroll::setScrlAsBPicture(const Resim& r)
{
    scrlAs_->setPictureDown(r);
}

void Scroll::setScrlArtPicture(const Resim& r)
{
    scrlArt_ = r;
    update();
}

void Scroll::setScrlPicture(const Resim& r)
{
    scrlGosterilen_ = r;
    yerlesimYap();
}

void Scroll::setScrlNPicture(const Resim& r)
{
    // A thumb showing its old normal picture (or none) shows the new one.
    if (scrlGosterilen_.Bos() || scrlGosterilen_ == scrlN_)
        scrlGosterilen_ = r;
    scrlN_ = r;
    yerlesimYap();
}

void Scroll::setScrlOPicture(const Resim& r)
{
    scrlO_ = r;
}
void Scroll::setScrlBPicture(const Resim& r)
{
    scrlB_ = r;
}

void Scroll::Refresh()
{
    update();
}

int Scroll::ScrlTop() const
{
    // A disabled scrollbar that is not redrawn on every paint parks its thumb at the top.
    return !unRefreshControl_ && !enabled_ ? h_.U : h_.Tepe;
}

QSize Scroll::sizeHint() const
{
    return QSize(scrlYk_->width(), 150);
}
QSize Scroll::minimumSizeHint() const
{
    return QSize(scrlYk_->width(), minimumHeight());
}

void Scroll::yerlesimYap()
{
    h_.H = Twip::TwipY(height());
    h_.U = Twip::TwipY(scrlYk_->height());
    h_.D = Twip::TwipY(scrlAs_->height());
    scrlYk_->move(0, 0);
    scrlAs_->move(0, height() - scrlAs_->height());
    h_.t = scrlGosterilen_.Bos() ? 0 : Twip::TwipY(scrlGosterilen_.Boyut().height());
    yerlestirVeCiz();
}

void Scroll::yerlestirVeCiz()
{
    h_.Yerlestir();
    update();
}

void Scroll::kaydiriciResmi(const Resim& r)
{
    // A missing hover or pressed picture leaves the thumb as it is rather than hiding it.
    if (!r.Bos() && scrlGosterilen_ != r) {
        scrlGosterilen_ = r;
        update();
    }
}

void Scroll::bildir()
{
    const QPointer<Scroll> bu(this);
    SabitNokta deger = h_.Value;
    emit Change(deger);
    if (!bu)
        return;
    if (deger != h_.Value) {
        h_.Value = deger;
        yerlestirVeCiz();
    }
    emit Scrolled();
}

void Scroll::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    const QRect iz(0, Twip::PikselY(h_.IzTepesi()), width(), Twip::PikselY(h_.IzYuksekligi()));
    if (scrlArt_.Tur() == Resim::Turu::Bitmap)
        p.drawPixmap(iz, scrlArt_.Bitmap());
    else if (scrlArt_.Tur() == Resim::Turu::Ikon)
        scrlArt_.Ikon().paint(&p, iz);
    scrlGosterilen_.Ciz(p, 0, Twip::PikselY(ScrlTop()));
}

void Scroll::resizeEvent(QResizeEvent*)
{
    yerlesimYap();
}

void Scroll::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const int y = int(e->position().y() * Twip::TPPY);
    const bool kaydiricidaDegil = y < h_.Tepe || y >= h_.Tepe + h_.t;
    if (enabled_ && kaydiricidaDegil && h_.Max != h_.Min) {
        // A press on the track beside the thumb pages towards the pointer, and keeps
        // paging while held, like the arrows.
        sayfaYonu_ = y < h_.Tepe ? Yon::Yukari : Yon::Asagi;
        sayfaHedefi_ = y;
        timer2_->setInterval(mouseInterval_ + IlkTekrarGecikmesi);
        timer2_->start();
        h_.Adim(sayfaYonu_ == Yon::Yukari ? SabitNokta() - largeChange_ : largeChange_);
        update();
        bildir();
        return;
    }
    kaydiriciResmi(scrlB_);
    surukleniyor_ = true;
}

void Scroll::mouseMoveEvent(QMouseEvent* e)
{
    const double y = e->position().y() * Twip::TPPY;
    if (surukleniyor_ && (e->buttons() & Qt::LeftButton)) {
        if (!enabled_)
            return;
        h_.Surukle(y - h_.IzTepesi());
        update();
        bildir();
    } else if (sayfaYonu_ != Yon::Yok && (e->buttons() & Qt::LeftButton)) {
        sayfaHedefi_ = int(y);
    } else if (e->buttons() == Qt::NoButton) {
        kaydiriciResmi(scrlO_);
        timerOver_->start();
    }
}

void Scroll::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    timer2_->stop();
    sayfaYonu_ = Yon::Yok;
    kaydiriciResmi(scrlN_);
    surukleniyor_ = false;
    yerlestirVeCiz();
}

void Scroll::okBasildi(Yon yon)
{
    okYonu_ = yon;
    timer1_->setInterval(mouseInterval_ + IlkTekrarGecikmesi);
    timer1_->start();
    h_.Adim(yon == Yon::Yukari ? SabitNokta() - smallChange_ : smallChange_);
    update();
    bildir();
}

void Scroll::okBirakildi()
{
    okYonu_ = Yon::Yok;
    timer1_->setInterval(mouseInterval_ + IlkTekrarGecikmesi);
    timer1_->stop();
}

void Scroll::timer1Tik()
{
    timer1_->setInterval(mouseInterval_);
    if (!enabled_ || okYonu_ == Yon::Yok)
        return;
    h_.Adim(okYonu_ == Yon::Yukari ? SabitNokta() - smallChange_ : smallChange_);
    update();
    bildir();
}

bool Scroll::sayfaHedefineVardi() const
{
    if (sayfaYonu_ == Yon::Yukari)
        return h_.Value <= h_.Min || sayfaHedefi_ >= h_.Tepe;
    return h_.Value >= h_.Max || sayfaHedefi_ < h_.Tepe + h_.t;
}

void Scroll::timer2Tik()
{
    timer2_->setInterval(mouseInterval_);
    if (!enabled_ || sayfaYonu_ == Yon::Yok || sayfaHedefineVardi()) {
        timer2_->stop();
        return;
    }
    h_.Adim(sayfaYonu_ == Yon::Yukari ? SabitNokta() - largeChange_ : largeChange_);
    update();
    bildir();
}

void Scroll::timerOverTik()
{
    if (surukleniyor_ || imlec_->AltindakiPencere(imlec_->Konum()) == this)
        return;
    timerOver_->stop();
    kaydiriciResmi(scrlN_);
}
