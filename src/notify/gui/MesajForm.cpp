#include "notify/gui/MesajForm.h"

#include "platform/gui/YuvarlakSekil.h"

#include "controls/gui/Buton.h"
#include "notify/AnaPencereHedefi.h"
#include "platform/gui/ImlecKaynagi.h"
#include "platform/gui/OlcekliErisim.h"
#include "platform/gui/QtZamanlayici.h"
#include "platform/gui/SistemImleci.h"
#include "platform/gui/SkinResmi.h"
#include "platform/gui/Zamanlayici.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>

namespace {

const QColor MetinRengi(64, 64, 64);

// "MS Sans Serif" is rarely installed off Windows; Liberation Sans (then DejaVu Sans) has
// the Turkish letters and close widths. Sizes are in pixels as at 96 dpi, as the popup's
// whole layout is: 9.75 pt = 13 px, 12 pt = 16 px, 8.25 pt = 11 px.
QFont YaziTipi(int piksel, bool kalin)
{
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans")});
    f.setPixelSize(piksel);
    f.setBold(kalin);
    return f;
}

// Design places in pixels (the twips / 15 of the window's layout).
const QRect BgImageYeri(0, 0, 197, 116);
const QRect MesajIconYeri(9, 9, 16, 16);
const QRect BtnKapatYeri(169, 5, 24, 24);
const QRect Mesaj1Yeri(10, 38, 177, 16);
const QRect SureYeri(12, 52, 173, 20);
const QRect Mesaj2Yeri(11, 72, 175, 13);

QLabel* Etiket(QWidget* sahip, const QRect& yer, const QFont& yazi)
{
    auto* l = new QLabel(sahip);
    l->setGeometry(yer);
    l->setFont(yazi);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, MetinRengi);
    l->setPalette(p);
    l->setText(QStringLiteral("..."));
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

// The popup is a notification to assistive technology (an alert that does not take the focus);
// Qt gives a plain window otherwise.
struct MesajErisimi : QAccessibleWidget
{
    explicit MesajErisimi(MesajForm* f) : QAccessibleWidget(f, QAccessible::Notification) {}
};

} // namespace

MesajForm::MesajForm(AnaPencereHedefi* ana, ZamanlayiciKaynagi* zaman, ImlecKaynagi* imlec,
                     QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus),
      ana_(ana), imlec_(imlec ? imlec : &SistemImleci::Ortak())
{
    ZamanlayiciKaynagi& kaynak = zaman ? *zaman : QtZamanlayici::Kaynak();
    setWindowTitle(QStringLiteral("Yeni Mesaj"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(YaziTipi(11, false));
    resize(BgImageYeri.size());

    BgImage = new QLabel(this);
    BgImage->setScaledContents(true);
    BgImage->setPixmap(SkinResmi::yukle(QStringLiteral("mesaj_arkaplan")));
    BgImage->setGeometry(rect());

    MesajIcon = new QLabel(this);
    MesajIcon->setGeometry(MesajIconYeri);
    setMesajIcon(SkinResmi::programSimgesi());

    BtnKapat = new Buton(this);
    BtnKapat->setGeometry(BtnKapatYeri);
    BtnKapat->setButtonColor(Qt::transparent);
    BtnKapat->setPictureNormal(SkinResmi::yukle(QStringLiteral("mesaj_kapat_normal")));
    BtnKapat->setPictureDown(SkinResmi::yukle(QStringLiteral("mesaj_kapat_down")));
    BtnKapat->setPictureOver(SkinResmi::yukle(QStringLiteral("mesaj_kapat_over")));
    BtnKapat->setToolTip(QStringLiteral("Kapat"));
    connect(BtnKapat, &Buton::clicked, this, &MesajForm::Gizle);

    Mesaj1 = Etiket(this, Mesaj1Yeri, YaziTipi(13, false));
    Sure = Etiket(this, SureYeri, YaziTipi(16, true));
    Mesaj2 = Etiket(this, Mesaj2Yeri, YaziTipi(11, false));
    for (QLabel* l : {Mesaj1, Sure, Mesaj2})
        l->installEventFilter(this);

    buyume_ = new AdimliAnimasyon(AdimAraligi, this);
    connect(buyume_, &QVariantAnimation::valueChanged, this, &MesajForm::adimla);
    connect(buyume_, &QAbstractAnimation::finished, this, &MesajForm::buyumeBitti);
    kuculme_ = new AdimliAnimasyon(AdimAraligi, this);
    connect(kuculme_, &QVariantAnimation::valueChanged, this, &MesajForm::adimla);
    connect(kuculme_, &QAbstractAnimation::finished, this, &MesajForm::kuculmeBitti);
    bekleme_ = kaynak.Yeni(this);
    bekleme_->setInterval(BeklemeSuresi);
    connect(bekleme_, &Zamanlayici::timeout, this, &MesajForm::beklemeBitti);

    OlcekliErisim::SinifaKur<MesajForm, MesajErisimi>();

    sekilUygula(MesajAnimasyonu::BolgeBoyu(MesajAnimasyonu::TasarimGenislik),
                MesajAnimasyonu::BolgeBoyu(MesajAnimasyonu::TasarimYukseklik));
    ekraniOku();
    // Never shown before the first Goster: a parked window that is shown could be pulled
    // back onto the screen by a window manager that keeps windows in view.
    Park();
}

MesajForm::~MesajForm() = default;

void MesajForm::EkranSabitle(const QRect& ekran, const QRect& kullanilabilir)
{
    ekranSabit_ = true;
    ekran_ = ekran;
    kullanilabilir_ = kullanilabilir;
    anim_.EkranAyarla(ekran_, kullanilabilir_);
}

void MesajForm::ekraniOku()
{
    if (!ekranSabit_) {
        if (const QScreen* s = QGuiApplication::primaryScreen()) {
            ekran_ = s->geometry();
            kullanilabilir_ = s->availableGeometry();
        }
    }
    anim_.EkranAyarla(ekran_, kullanilabilir_);
}

void MesajForm::Park()
{
    QRect masaustu = ekran_;
    if (!ekranSabit_)
        if (const QScreen* s = QGuiApplication::primaryScreen())
            masaustu = s->virtualGeometry();
    setGeometry(MesajAnimasyonu::ParkYeri(masaustu, size()));
}

void MesajForm::setMesajIcon(const QIcon& simge)
{
    MesajIcon->setPixmap(simge.pixmap(MesajIconYeri.size(), devicePixelRatioF()));
}

void MesajForm::Goster(const QString& Mesaj1Metni, const QString& KalanSure,
                       const QString& Mesaj2Metni)
{
    // A warning arriving mid-animation starts over cleanly: a running shrink or hold would
    // otherwise undo the growth step by step.
    durdur();

    ekraniOku();
    const MesajAnimasyonu::Geometri g = anim_.Baslat(double(width()) * 15);
    setGeometry(g.Piksel());
    icerigiGoster(false);
    metin_[0] = Mesaj1Metni;
    metin_[1] = KalanSure;
    metin_[2] = Mesaj2Metni;
    metinleriYaz();
    setAccessibleName(Cumle());
    SeffaflikUygula(0);
    durum_ = Durum::Buyuyor;
    buyume_->Kur(static_cast<int>(anim_.W()), MesajAnimasyonu::Adim, anim_.BuyumeAdimlari());
    buyume_->start();
}

QString MesajForm::Cumle() const
{
    // The countdown's parts carry their own spaces ("15 Dakika " + " kaldı."): one between
    // words is what a reader should hear.
    return (metin_[0] + metin_[1] + metin_[2]).simplified();
}

void MesajForm::adimla(const QVariant& w)
{
    // The start value is where Goster or Gizle left the window: only the steps move it.
    if (w.toInt() == static_cast<int>(anim_.W()))
        return;
    if (!isVisible()) {
        show();
        QAccessibleEvent duyuru(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&duyuru);
    }
    update();
    anim_.setW(w.toInt());
    setGeometry(anim_.AdimPikseli());
    const MesajAnimasyonu::Geometri g = anim_.AdimGeometrisi();
    sekilUygula(g.BolgeGenisligi, g.BolgeYuksekligi);
    SeffaflikUygula(anim_.Alfa());
}

void MesajForm::buyumeBitti()
{
    icerigiGoster(true);
    durum_ = Durum::Bekliyor;
    bekleme_->start();
}

void MesajForm::beklemeBitti()
{
    bekleme_->stop();
    // Another whole hold while the pointer rests on the popup.
    if (MesajAnimasyonu::ImlecUstunde(imlec_->Konum(), geometry()))
        bekleme_->start();
    else
        Gizle();
}

void MesajForm::Gizle()
{
    durdur();
    icerigiGoster(false);
    durum_ = Durum::Kuculuyor;
    kuculme_->Kur(static_cast<int>(anim_.W()), -MesajAnimasyonu::Adim, anim_.KuculmeAdimlari());
    kuculme_->start();
}

void MesajForm::kuculmeBitti()
{
    hide();
    durum_ = Durum::Gizli;
}

void MesajForm::metinTiklandi()
{
    Gizle();
    if (ana_) {
        ana_->SayfaAc(0);
        ana_->Goster();
    }
}

void MesajForm::durdur()
{
    // Stopping emits no finished: nothing of the stopped run follows.
    buyume_->stop();
    kuculme_->stop();
    bekleme_->stop();
}

void MesajForm::sekilUygula(int bolgeGenisligi, int bolgeYuksekligi)
{
    // The region's sizes count one edge pixel more than the window has.
    setMask(YuvarlakSekil(QSize(bolgeGenisligi - 1, bolgeYuksekligi - 1)));
    emit SekilDegisti(bolgeGenisligi, bolgeYuksekligi);
}

void MesajForm::SeffaflikUygula(int alfa)
{
    if (alfa < 0 || alfa > 255)
        return;
    alfa_ = alfa;
    setWindowOpacity(alfa / 255.0);
}

void MesajForm::icerigiGoster(bool goster)
{
    for (QWidget* w : {static_cast<QWidget*>(BtnKapat), static_cast<QWidget*>(Mesaj1),
                       static_cast<QWidget*>(Sure), static_cast<QWidget*>(Mesaj2)})
        w->setVisible(goster);
}

void MesajForm::metinleriYaz()
{
    // A text wider than its line is set a little smaller (a religious day's name in the bold
    // middle line: "Ramazan Bayramı Arefesi"), down to three quarters of the line's size; what
    // still does not fit is cut with an ellipsis, keeping the start readable.
    QLabel* etiketler[3] = {Mesaj1, Sure, Mesaj2};
    static const int boylar[3] = {13, 16, 11};
    for (int i = 0; i < 3; ++i) {
        QFont yazi = etiketler[i]->font();
        for (int boy = boylar[i]; boy >= boylar[i] * 3 / 4; --boy) {
            yazi.setPixelSize(boy);
            if (QFontMetrics(yazi).horizontalAdvance(metin_[i]) <= etiketler[i]->width())
                break;
        }
        etiketler[i]->setFont(yazi);
        const QFontMetrics olcu(yazi);
        etiketler[i]->setText(olcu.elidedText(metin_[i], Qt::ElideRight, etiketler[i]->width()));
    }
}

void MesajForm::closeEvent(QCloseEvent* e)
{
    durdur();
    QWidget::closeEvent(e);
}

void MesajForm::resizeEvent(QResizeEvent*)
{
    BgImage->setGeometry(rect());
}

bool MesajForm::eventFilter(QObject* nesne, QEvent* olay)
{
    // A click: the left button released on the text it went down on (Qt sends the release
    // to the pressed text wherever the pointer is, so the place is checked).
    if ((nesne == Mesaj1 || nesne == Sure || nesne == Mesaj2) &&
        olay->type() == QEvent::MouseButtonRelease) {
        auto* fare = static_cast<QMouseEvent*>(olay);
        auto* etiket = static_cast<QLabel*>(nesne);
        if (fare->button() == Qt::LeftButton &&
            etiket->rect().contains(fare->position().toPoint())) {
            metinTiklandi();
            return true;
        }
    }
    return QWidget::eventFilter(nesne, olay);
}
