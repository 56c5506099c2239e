#include "locations/gui/EkleForm.h"

#include "controls/gui/Buton.h"
#include "locations/gui/OneriGonderici.h"
#include "platform/EkranIcinde.h"
#include "platform/WebAdresleri.h"
#include "platform/gui/SkinResmi.h"
#include "platform/gui/YuvarlakSekil.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {

const QColor Gri(64, 64, 64);

QFont Yazi(int piksel, bool kalin = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(piksel);
    f.setBold(kalin);
    return f;
}

QLabel* Etiket(const QString& metin, QWidget* parent, int ust)
{
    auto* e = new QLabel(metin, parent);
    e->setFont(Yazi(12));
    QPalette p = e->palette();
    p.setColor(QPalette::WindowText, Gri);
    e->setPalette(p);
    e->setGeometry(12, ust, 86, 20);
    return e;
}

// The skin's three pictures of a button, and its caption.
Buton* Dugme(QWidget* parent, const QString& ad, const QString& yazi, QRect yer)
{
    auto* d = new Buton(parent);
    d->setPictureNormal(SkinResmi::yukle(ad + QStringLiteral("_normal")));
    d->setPictureDown(SkinResmi::yukle(ad + QStringLiteral("_down")));
    d->setPictureOver(SkinResmi::yukle(ad + QStringLiteral("_over")));
    d->setButtonEvents(0);
    d->setOtoEventChange(false);
    if (!yazi.isEmpty()) {
        d->setFont(Yazi(12, true));
        d->setForeColor(Gri);
        d->setText(yazi);
    }
    d->setGeometry(yer);
    return d;
}

} // namespace

EkleForm::EkleForm(EkleHedefi& hedef, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint), hedef_(hedef),
      gonderici_(new OneriGonderici(this))
{
    setWindowTitle(QStringLiteral("Şehir / Bölge"));
    setFixedSize(Genislik, Yukseklik);
    arkaplan_ = SkinResmi::yukle(QStringLiteral("ekle_arkaplan"));
    KontrolleriKur();
}

EkleForm::~EkleForm() = default;

void EkleForm::KontrolleriKur()
{
    auto* baslik = new QLabel(windowTitle(), this);
    baslik->setFont(Yazi(13, true));
    QPalette bp = baslik->palette();
    bp.setColor(QPalette::WindowText, Qt::white);
    baslik->setPalette(bp);
    baslik->setGeometry(30, 9, 170, 18);

    auto alan = [this](int ust) {
        auto* k = new QLineEdit(this);
        k->setFont(Yazi(12));
        k->setGeometry(98, ust, 130, 20);
        return k;
    };
    Etiket(QStringLiteral("Ülke : "), this, 46);
    SEUlke = alan(46);
    Etiket(QStringLiteral("Şehir/Bölge : "), this, 70);
    SESehir = alan(70);
    Etiket(QStringLiteral("Saat Dilimi : "), this, 94);
    SESaatDilimi = new QComboBox(this);
    SESaatDilimi->setFont(Yazi(11));
    SESaatDilimi->setGeometry(98, 94, 130, 20);
    // The labels are long: the open list is as wide as they need.
    SESaatDilimi->view()->setMinimumWidth(330);
    Etiket(QStringLiteral("Enlem : "), this, 118);
    SEEnlem = alan(118);
    Etiket(QStringLiteral("Boylam : "), this, 142);
    SEBoylam = alan(142);

    SEKonumGonder = new QCheckBox(QStringLiteral("Bu şehri/bölgeyi Orvanel sitesine öner."), this);
    SEKonumGonder->setFont(Yazi(11));
    QPalette kp = SEKonumGonder->palette();
    kp.setColor(QPalette::WindowText, Gri);
    SEKonumGonder->setPalette(kp);
    SEKonumGonder->setGeometry(12, 165, 216, 18);

    BtnKaydet =
        Dugme(this, QStringLiteral("kaydet"), QStringLiteral("Kaydet"), QRect(82, 188, 72, 22));
    BtnIptal =
        Dugme(this, QStringLiteral("iptal"), QStringLiteral("İptal"), QRect(158, 188, 72, 22));
    BtnKapat = Dugme(this, QStringLiteral("kapat"), QString(), QRect(212, 6, 24, 24));
    BtnKapat->setToolTip(QStringLiteral("Kapat"));

    connect(BtnKaydet, &Buton::clicked, this, &EkleForm::KaydetTiklandi);
    connect(BtnIptal, &Buton::clicked, this, &EkleForm::Kapat);
    connect(BtnKapat, &Buton::clicked, this, &EkleForm::Kapat);
}

void EkleForm::IlkHaleGetir()
{
    SEUlke->setText(KonumEkleme::VarsayilanUlke);
    SESehir->clear();
    SEEnlem->clear();
    SEBoylam->clear();
    SEKonumGonder->setChecked(true);
    SESaatDilimi->clear();
    for (const SaatDilimi& s : KonumEkleme::SaatDilimleri())
        SESaatDilimi->addItem(QString::fromUtf8(s.Etiket));
    SESaatDilimi->setCurrentIndex(KonumEkleme::VarsayilanSaatDilimi);
    SESehir->setFocus(Qt::OtherFocusReason);
    setMask(::YuvarlakSekil(size()));
    // Over the main window, but whole on its screen.
    if (const QWidget* ana = parentWidget()) {
        QRect yer(QPoint(), size());
        yer.moveCenter(ana->frameGeometry().center());
        if (const QScreen* ekran = ana->screen())
            yer = EkranIcinde(yer, ekran->availableGeometry());
        move(yer.topLeft());
    }
    surukleyici_.Sifirla();
    yuklu_ = true;
}

void EkleForm::Ac()
{
    if (!yuklu_)
        IlkHaleGetir();
    show();
    raise();
    activateWindow();
}

void EkleForm::Kapat()
{
    hide();
    yuklu_ = false;
}

EkleGirdisi EkleForm::Girdi() const
{
    EkleGirdisi g;
    g.Ulke = SEUlke->text();
    g.Sehir = SESehir->text();
    g.SaatDilimi = SESaatDilimi->currentIndex();
    g.Enlem = SEEnlem->text();
    g.Boylam = SEBoylam->text();
    return g;
}

void EkleForm::KaydetTiklandi()
{
    const EkleGirdisi g = Girdi();
    // A refused place leaves the dialog as it was, to be corrected; the main window has
    // said why.
    if (!hedef_.KonumEkle(g))
        return;
    hide();
    if (SEKonumGonder->isChecked())
        gonderici_->Gonder(KonumEkleme::OneriAdresi(WebAdresleri::Urun(), g));
}

void EkleForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!arkaplan_.isNull())
        p.drawPixmap(0, 0, arkaplan_);
    else
        p.fillRect(rect(), Qt::white);
}

void EkleForm::closeEvent(QCloseEvent* e)
{
    // Closed from outside (the window manager): as the close button.
    e->accept();
    yuklu_ = false;
}
