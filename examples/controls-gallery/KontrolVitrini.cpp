#include "KontrolVitrini.h"

#include "controls/ListeRolleri.h"
#include "controls/gui/Buton.h"
#include "controls/gui/KaydirmaCubugu.h"
#include "controls/gui/ListeGorunumu.h"
#include "platform/gui/SkinResmi.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <iterator>
#include <memory>

namespace {

const QColor YaziRengi(64, 64, 64);
const QColor KoyuYesil(47, 126, 88);
const QColor AcikYesil(215, 238, 224);

QLabel* Etiket(const QString& metin, QWidget* ebeveyn, bool baslik = false)
{
    auto* etiket = new QLabel(metin, ebeveyn);
    QFont yazi = etiket->font();
    if (baslik) {
        yazi.setBold(true);
        yazi.setPointSizeF(yazi.pointSizeF() + 1);
    } else {
        yazi.setPointSizeF(yazi.pointSizeF() - 1);
    }
    etiket->setFont(yazi);
    QPalette renkler = etiket->palette();
    renkler.setColor(QPalette::WindowText, baslik ? KoyuYesil : YaziRengi);
    etiket->setPalette(renkler);
    return etiket;
}

// The idle picture greyed and lightened: what a `Selected` button shows here, as the skin
// has no picture of its own for it.
QPixmap Soluk(const QPixmap& kaynak)
{
    QImage resim = kaynak.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < resim.height(); ++y) {
        auto* satir = reinterpret_cast<QRgb*>(resim.scanLine(y));
        for (int x = 0; x < resim.width(); ++x) {
            const int gri = (qGray(satir[x]) + 2 * 235) / 3;
            satir[x] = qRgba(gri, gri, gri, qAlpha(satir[x]));
        }
    }
    QPixmap sonuc = QPixmap::fromImage(resim);
    sonuc.setDevicePixelRatio(kaynak.devicePixelRatio());
    return sonuc;
}

// A picture with magenta where the background should show through.
QPixmap MaskeliResim()
{
    QPixmap resim(48, 24);
    resim.fill(QColor(255, 0, 255));
    QPainter p(&resim);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(QColor(69, 165, 117));
    p.setPen(Qt::NoPen);
    p.drawRect(6, 4, 36, 16);
    p.setBrush(Qt::white);
    p.drawRect(14, 9, 20, 6);
    return resim;
}

void Gonder(QWidget* hedef, QEvent::Type tur, QPoint nokta, Qt::MouseButton tus,
            Qt::MouseButtons tuslar = {})
{
    if (tur == QEvent::MouseButtonPress)
        tuslar |= tus;
    QMouseEvent olay(tur, nokta, hedef->mapToGlobal(nokta), tus, tuslar, Qt::NoModifier);
    QApplication::sendEvent(hedef, &olay);
}

} // namespace

KontrolVitrini::KontrolVitrini(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Orvanel denetim vitrini"));
    setAutoFillBackground(true);
    QPalette renkler = palette();
    renkler.setColor(QPalette::Window, Qt::white);
    setPalette(renkler);

    auto* dikey = new QVBoxLayout(this);
    dikey->setContentsMargins(16, 12, 16, 12);
    dikey->setSpacing(6);
    const auto bolum = [&](const QString& baslik) {
        dikey->addWidget(Etiket(baslik, this, true));
        auto* izgara = new QGridLayout;
        izgara->setHorizontalSpacing(14);
        izgara->setVerticalSpacing(3);
        izgara->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        dikey->addLayout(izgara);
        dikey->addSpacing(8);
        return izgara;
    };
    butonBolumu(bolum(QStringLiteral("Buton: resim takımları ve durumları")));
    ozelBolum(bolum(QStringLiteral("Buton: maske, resimsiz, eksik takım")));
    kaydirmaBolumu(bolum(QStringLiteral("KaydirmaCubugu")));
    listeBolumu(bolum(QStringLiteral("ListeGorunumu")));
    canliBolum(bolum(QStringLiteral("Canlı: fareyle deneyin")));
    dikey->addStretch(1);
}

Buton* KontrolVitrini::skinButon(const QString& ad)
{
    auto* b = new Buton(this);
    const auto resim = [&](const QString& takim, const char* durum) {
        return SkinResmi::yukle(ad + takim + QLatin1String(durum));
    };
    b->setPictureNormal(resim(QStringLiteral("_"), "normal"));
    b->setPictureDown(resim(QStringLiteral("_"), "down"));
    b->setPictureOver(resim(QStringLiteral("_"), "over"));
    b->setPicture2Normal(resim(QStringLiteral("_2_"), "normal"));
    b->setPicture2Down(resim(QStringLiteral("_2_"), "down"));
    b->setPicture2Over(resim(QStringLiteral("_2_"), "over"));
    b->setPicture3Normal(resim(QStringLiteral("_3_"), "normal"));
    b->setPicture3Down(resim(QStringLiteral("_3_"), "down"));
    b->setPicture3Over(resim(QStringLiteral("_3_"), "over"));
    b->setButtonColor(Qt::white);
    b->setForeColor(YaziRengi);
    b->setFixedSize(b->PictureNormal().deviceIndependentSize().toSize());
    return b;
}

Buton* KontrolVitrini::ornekButon(const QString& ad, int takim, Durum durum, bool secili)
{
    Buton* b = skinButon(ad);
    b->setPictureDisabled(Soluk(SkinResmi::yukle(ad + QStringLiteral("_normal"))));
    b->setCurrentEvent(takim);
    b->setSelected(secili);
    ornekler_.append({b, durum, QPoint(b->width() / 2, b->height() / 2)});
    return b;
}

void KontrolVitrini::butonBolumu(QGridLayout* izgara)
{
    const QStringList sutunlar = {
        QStringLiteral("Normal"),           QStringLiteral("Üzerinde"),
        QStringLiteral("Basılı"),           QStringLiteral("Takım 1"),
        QStringLiteral("Takım 1 üzerinde"), QStringLiteral("Takım 1 basılı"),
        QStringLiteral("Takım 2"),          QStringLiteral("Selected")};
    for (int i = 0; i < sutunlar.size(); ++i)
        izgara->addWidget(Etiket(sutunlar[i], this), 0, i + 1, Qt::AlignCenter);

    struct Satir
    {
        QString ad, baslik, metin;
        int takimlar; // picture sets the button has
    };
    const QList<Satir> satirlar = {
        {QStringLiteral("sekme_vakitler"), QStringLiteral("Sekme: vakitler"), {}, 2},
        {QStringLiteral("sekme_bolgesel"), QStringLiteral("Sekme: bölgesel"), {}, 2},
        {QStringLiteral("ezan"), QStringLiteral("Ezan (3 takım)"), {}, 3},
        {QStringLiteral("ustte"), QStringLiteral("Her zaman üstte"), {}, 2},
        {QStringLiteral("kapat"), QStringLiteral("Kapat"), {}, 1},
        {QStringLiteral("mesaj_kapat"), QStringLiteral("Uyarı kapat"), {}, 1},
        {QStringLiteral("kaydet"), QStringLiteral("Kaydet"), QStringLiteral("Kaydet"), 1},
        {QStringLiteral("iptal"), QStringLiteral("İptal"), QStringLiteral("İptal"), 1},
        {QStringLiteral("dugme"), QStringLiteral("Düğme"), QStringLiteral("Şehir Ekle"), 1},
        {QStringLiteral("dugme_kucuk"), QStringLiteral("Küçük düğme"), QStringLiteral("+"), 1},
    };
    int satir = 1;
    for (const Satir& s : satirlar) {
        izgara->addWidget(Etiket(s.baslik, this), satir, 0, Qt::AlignLeft | Qt::AlignVCenter);
        const auto koy = [&](int sutun, int takim, Durum durum, bool secili = false) {
            Buton* b = ornekButon(s.ad, takim, durum, secili);
            b->setText(s.metin);
            izgara->addWidget(b, satir, sutun, Qt::AlignCenter);
        };
        koy(1, 0, Durum::Normal);
        koy(2, 0, Durum::Uzerinde);
        koy(3, 0, Durum::Basili);
        if (s.takimlar >= 2) {
            koy(4, 1, Durum::Normal);
            koy(5, 1, Durum::Uzerinde);
            koy(6, 1, Durum::Basili);
        }
        if (s.takimlar >= 3)
            koy(7, 2, Durum::Normal);
        koy(8, 0, Durum::Normal, true);
        ++satir;
    }
}

void KontrolVitrini::ozelBolum(QGridLayout* izgara)
{
    int sutun = 0;
    const auto koy = [&](Buton* b, const QString& aciklama) {
        izgara->addWidget(b, 0, sutun, Qt::AlignCenter);
        izgara->addWidget(Etiket(aciklama, this), 1, sutun, Qt::AlignCenter);
        ++sutun;
    };

    const auto yeni = [this] {
        auto* b = new Buton(this);
        b->setForeColor(YaziRengi);
        return b;
    };
    Buton* maskesiz = yeni();
    maskesiz->setPictureNormal(MaskeliResim());
    maskesiz->setButtonColor(AcikYesil);
    maskesiz->setMaskColor(QColor(255, 0, 255));
    maskesiz->setFixedSize(56, 28);
    koy(maskesiz, QStringLiteral("UseMaskColor kapalı"));

    Buton* maskeli = yeni();
    maskeli->setPictureNormal(MaskeliResim());
    maskeli->setButtonColor(AcikYesil);
    maskeli->setMaskColor(QColor(255, 0, 255));
    maskeli->setUseMaskColor(true);
    maskeli->setFixedSize(56, 28);
    koy(maskeli, QStringLiteral("UseMaskColor açık"));

    Buton* resimsiz = yeni();
    resimsiz->setFixedSize(72, 22);
    resimsiz->setText(QStringLiteral("Kaydet"));
    resimsiz->setButtonColor(AcikYesil);
    koy(resimsiz, QStringLiteral("Resimsiz: yalnızca ButtonColor"));

    Buton* eksik = ornekButon(QStringLiteral("kaydet"), 2, Durum::Uzerinde);
    eksik->setText(QStringLiteral("Kaydet"));
    koy(eksik, QStringLiteral("Takım 2 yok: PictureNormal"));
}

namespace {

KaydirmaResimleri SkinKaydirma()
{
    KaydirmaResimleri r;
    const QString durumlar[] = {QStringLiteral("normal"), QStringLiteral("over"),
                                QStringLiteral("down")};
    for (int i = 0; i < 3; ++i) {
        r.Yukari[i] = SkinResmi::yukle(QStringLiteral("scroll_yukari_") + durumlar[i]);
        r.Asagi[i] = SkinResmi::yukle(QStringLiteral("scroll_asagi_") + durumlar[i]);
        r.Tutamak[i] = SkinResmi::yukle(QStringLiteral("scroll_tutamak_") + durumlar[i]);
    }
    r.Iz = SkinResmi::yukle(QStringLiteral("scroll_iz"));
    return r;
}

} // namespace

KaydirmaCubugu* KontrolVitrini::skinScroll(ZamanlayiciKaynagi* zaman)
{
    auto* s = new KaydirmaCubugu(this, zaman);
    s->setResimler(SkinKaydirma());
    s->setRange(1, 100);
    s->setValue(50);
    return s;
}

KaydirmaCubugu* KontrolVitrini::ornekScroll()
{
    KaydirmaCubugu* s = skinScroll(&durgun_);
    s->setFixedHeight(150);
    return s;
}

void KontrolVitrini::kaydirmaBolumu(QGridLayout* izgara)
{
    int sutun = 0;
    const auto koy = [&](KaydirmaCubugu* s, const QString& aciklama) {
        izgara->addWidget(s, 0, sutun, Qt::AlignHCenter);
        izgara->addWidget(Etiket(aciklama, this), 1, sutun, Qt::AlignHCenter);
        ++sutun;
    };
    koy(ornekScroll(), QStringLiteral("Değer 50"));
    KaydirmaCubugu* enAz = ornekScroll();
    enAz->setValue(1);
    koy(enAz, QStringLiteral("En az"));
    KaydirmaCubugu* enCok = ornekScroll();
    enCok->setValue(100);
    koy(enCok, QStringLiteral("En çok"));

    KaydirmaCubugu* tutamakUzerinde = ornekScroll();
    tutamakUzerinde->setValue(30);
    koy(tutamakUzerinde, QStringLiteral("Tutamak\nüzerinde"));
    KaydirmaCubugu* tutamakBasili = ornekScroll();
    tutamakBasili->setValue(70);
    koy(tutamakBasili, QStringLiteral("Tutamak\nbasılı"));
    KaydirmaCubugu* yukariBasili = ornekScroll();
    koy(yukariBasili, QStringLiteral("Yukarı ok\nbasılı"));
    KaydirmaCubugu* yukariUzerinde = ornekScroll();
    koy(yukariUzerinde, QStringLiteral("Yukarı ok\nüzerinde"));
    KaydirmaCubugu* asagiBasili = ornekScroll();
    koy(asagiBasili, QStringLiteral("Aşağı ok\nbasılı"));
    KaydirmaCubugu* asagiUzerinde = ornekScroll();
    koy(asagiUzerinde, QStringLiteral("Aşağı ok\nüzerinde"));
    KaydirmaCubugu* tek = ornekScroll();
    tek->setRange(0, 0);
    koy(tek, QStringLiteral("Kaydırılacak\nsatır yok"));

    // Thumb states need the bar's final size (the thumb's place depends on it).
    ornekler_.append({tutamakUzerinde, Durum::Uzerinde, QPoint()});
    ornekler_.append({tutamakBasili, Durum::Basili, QPoint()});
    ornekler_.append({yukariBasili, Durum::Basili, QPoint(8, 8)});
    ornekler_.append({yukariUzerinde, Durum::Uzerinde, QPoint(8, 8)});
    ornekler_.append({asagiBasili, Durum::Basili, QPoint(8, 142)});
    ornekler_.append({asagiUzerinde, Durum::Uzerinde, QPoint(8, 142)});
}

ListeGorunumu* KontrolVitrini::ornekListe(int satirSayisi)
{
    static const char* const yerler[][2] = {
        {"Türkiye", "İstanbul"},   {"Türkiye", "Ankara"},       {"Türkiye", "İzmir"},
        {"Türkiye", "Şanlıurfa"},  {"Türkiye", "Çanakkale"},    {"Almanya", "Köln"},
        {"Hollanda", "Rotterdam"}, {"Azerbaycan", "Bakü"},      {"Mısır", "Kahire"},
        {"Endonezya", "Cakarta"},  {"Hindistan", "Yeni Delhi"}, {"İran", "Tahran"},
    };
    auto* model = new QStandardItemModel(this);
    for (int i = 0; i < satirSayisi; ++i) {
        const auto& y = yerler[std::size_t(i) % std::size(yerler)];
        auto* satir = new QStandardItem(QString::fromUtf8(y[0]));
        satir->setData(QString::fromUtf8(y[1]), ListeRolleri::SutunRolu);
        model->appendRow(satir);
    }
    auto* liste = new ListeGorunumu(this, &durgun_);
    liste->setModel(model);
    liste->KonumListesiGibiGoster();
    QFont yazi(QStringLiteral("Arial"));
    yazi.setPointSizeF(8.25);
    liste->setFont(yazi);
    liste->Cubuk()->setResimler(SkinKaydirma());
    liste->setFixedSize(226, 118);
    return liste;
}

void KontrolVitrini::listeBolumu(QGridLayout* izgara)
{
    int sutun = 0;
    const auto koy = [&](ListeGorunumu* l, const QString& aciklama) {
        izgara->addWidget(l, 0, sutun, Qt::AlignLeft | Qt::AlignTop);
        izgara->addWidget(Etiket(aciklama, this), 1, sutun, Qt::AlignLeft);
        ++sutun;
    };

    // The main window's list: one selected row, the chosen place in its own colour.
    ListeGorunumu* db = ornekListe(12);
    db->BulunaniGoster(3);
    db->setAktif(1);
    db->setUstSatir(1);
    koy(db, QStringLiteral("Seçili 4. satır, etkin 2., ilk görünen 2."));

    ListeGorunumu* kapali = ornekListe(4);
    kapali->BulunaniGoster(0);
    kapali->setFixedSize(150, 118);
    kapali->setSutunGenislikleri({70});
    kapali->setEnabled(false);
    koy(kapali, QStringLiteral("Kapalı"));

    ListeGorunumu* bos = ornekListe(0);
    bos->setFixedSize(120, 118);
    koy(bos, QStringLiteral("Boş liste"));
}

void KontrolVitrini::canliBolum(QGridLayout* izgara)
{
    canliOlay_ = Etiket(QStringLiteral("Olay: —"), this);
    const auto olay = [this](const QString& metin) {
        canliOlay_->setText(QStringLiteral("Olay: ") + metin);
    };

    Buton* kaydet = skinButon(QStringLiteral("kaydet"));
    kaydet->setText(QStringLiteral("Kaydet"));
    connect(kaydet, &Buton::clicked, this, [olay] { olay(QStringLiteral("Kaydet: Click")); });
    izgara->addWidget(kaydet, 0, 0);

    Buton* ezan = skinButon(QStringLiteral("ezan"));
    ezan->setButtonEvents(2);
    connect(ezan, &Buton::clicked, this, [olay, ezan] {
        olay(QStringLiteral("Ezan: Click, CurrentEvent %1").arg(ezan->CurrentEvent()));
    });
    izgara->addWidget(ezan, 0, 1);

    Buton* sekme = skinButon(QStringLiteral("sekme_genel"));
    sekme->setButtonEvents(1);
    connect(sekme, &Buton::clicked, this, [olay, sekme] {
        olay(QStringLiteral("Sekme: Click, CurrentEvent %1").arg(sekme->CurrentEvent()));
    });
    izgara->addWidget(sekme, 0, 2);

    KaydirmaCubugu* kaydirma = skinScroll(nullptr);
    kaydirma->setFixedHeight(80);
    connect(kaydirma, &QScrollBar::valueChanged, this,
            [olay](int deger) { olay(QStringLiteral("Kaydırma: %1").arg(deger)); });
    izgara->addWidget(kaydirma, 0, 3);
    izgara->addWidget(canliOlay_, 0, 4, Qt::AlignLeft | Qt::AlignVCenter);
    izgara->setColumnMinimumWidth(4, 260);
}

void KontrolVitrini::DurumlariKur()
{
    for (const Ornek& o : ornekler_) {
        QWidget* w = o.kontrol;
        QPoint nokta = o.nokta;
        if (auto* s = qobject_cast<KaydirmaCubugu*>(w); s && o.nokta.isNull()) // the thumb
            nokta = QPoint(s->width() / 2, s->TutamakUstu() + s->TutamakYuksekligi() / 2);
        if (o.durum == Durum::Normal)
            continue;
        Gonder(w, QEvent::MouseMove, nokta, Qt::NoButton);
        if (o.durum == Durum::Basili || o.durum == Durum::Suruklenen)
            Gonder(w, QEvent::MouseButtonPress, nokta, Qt::LeftButton);
        if (o.durum == Durum::Suruklenen)
            Gonder(w, QEvent::MouseMove, o.hedef, Qt::NoButton, Qt::LeftButton);
    }
    ornekler_.clear(); // a press is sent once; the controls keep their state
    durumlarKuruldu_ = true;
}

QString KontrolVitrini::CanliOlay() const
{
    return canliOlay_->text();
}

void KontrolVitrini::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!durumlarKuruldu_)
        DurumlariKur();
}
