#include "shell/gui/SayfaBolgesel.h"

#include "controls/gui/Buton.h"
#include "controls/gui/KaydirmaCubugu.h"
#include "controls/gui/ListeGorunumu.h"
#include "engine/HesapYontemi.h"
#include "locations/KonumModeli.h"
#include "shell/gui/DugmeResimleri.h"
#include "shell/gui/Etiket.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QIntValidator>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

QFont Yazi(int piksel = 12)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(piksel);
    return f;
}

QCheckBox* Kutu(const QString& metin, QWidget* parent, int ust)
{
    auto* k = new QCheckBox(metin, parent);
    k->setFont(Yazi(11));
    QPalette p = k->palette();
    p.setColor(QPalette::WindowText, Etiket::Gri);
    k->setPalette(p);
    k->setGeometry(4, ust, 218, 17);
    return k;
}

} // namespace

SayfaBolgesel::SayfaBolgesel(QWidget* parent) : QWidget(parent)
{
    SehirAra = new QLineEdit(this);
    SehirAra->setFont(Yazi());
    SehirAra->setGeometry(4, 3, 218, 20);
    SehirAra->setToolTip(QStringLiteral("Örn. \"istanbul\" veya \"istanbul,türkiye\""));
    SehirAra->setAccessibleName(QStringLiteral("Şehir Ara"));

    Konumlar = new KonumModeli(this);
    Db = new ListeGorunumu(this);
    Db->setModel(Konumlar);
    Db->KonumListesiGibiGoster();
    QFont yazi(QStringLiteral("Arial"));
    yazi.setPointSizeF(8.25);
    Db->setFont(yazi);
    DugmeResimleri::Kaydirma(*Db->Cubuk());
    Db->setGeometry(4, 26, 218, 78);
    Db->setAccessibleName(QStringLiteral("Şehirler"));

    AyarHesap = new QComboBox(this);
    AyarHesap->setFont(Yazi());
    for (const HesapYontemi& y : HesapYontemleri())
        AyarHesap->addItem(y.Ad);
    AyarHesap->setGeometry(4, 107, 218, 20);
    AyarHesap->setAccessibleName(QStringLiteral("Hesaplama Yöntemi"));
    AyarHesap->view()->setAccessibleName(AyarHesap->accessibleName());

    AyarEzan = Kutu(QStringLiteral("Vakit girdiğinde Ezan oku."), this, 129);
    AyarUyari = Kutu(QStringLiteral("Vakit girmeden          dakika önce uyar."), this, 146);
    AyarSesliUyari = Kutu(QStringLiteral("Uyarı sesi çal."), this, 163);

    // The minutes box sits in the gap of spaces of its check box's caption.
    AyarDakika = new QLineEdit(this);
    AyarDakika->setFont(Yazi(11));
    AyarDakika->setAlignment(Qt::AlignCenter);
    AyarDakika->setMaxLength(3);
    AyarDakika->setValidator(new QIntValidator(0, 999, AyarDakika));
    AyarDakika->setAccessibleName(QStringLiteral("Uyarı Dakikası"));
    // Tab goes from the warning's check box to its minutes, then on.
    setTabOrder(AyarUyari, AyarDakika);
    setTabOrder(AyarDakika, AyarSesliUyari);
    {
        QStyleOptionButton o;
        o.initFrom(AyarUyari);
        const int isaret =
            AyarUyari->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, AyarUyari).left();
        const QFontMetrics fm(AyarUyari->font());
        const int once = fm.horizontalAdvance(QStringLiteral("Vakit girmeden "));
        const int bosluk = fm.horizontalAdvance(QStringLiteral("         "));
        AyarDakika->setGeometry(4 + isaret + once, 145, std::max(bosluk, 24), 19);
    }
    connect(AyarUyari, &QCheckBox::toggled, this, [this](bool acik) {
        BolgeselAyarFormu f = FormuOku();
        f.Uyari = acik;
        BolgeselAyarlar::UyariDegisti(f);
        AyarDakika->setEnabled(f.DakikaEtkin);
        AyarSesliUyari->setEnabled(f.DakikaEtkin);
    });

    BtnSehirEkle = new Buton(this);
    DugmeResimleri::Yazili(*BtnSehirEkle, QStringLiteral("dugme"), QStringLiteral("Şehir Ekle"));
    BtnSehirEkle->move(72, 182);
    BtnBolgeKaydet = new Buton(this);
    DugmeResimleri::Yazili(*BtnBolgeKaydet, QStringLiteral("kaydet"), QStringLiteral("Kaydet"));
    BtnBolgeKaydet->move(150, 182);

    connect(SehirAra, &QLineEdit::textChanged, this, &SayfaBolgesel::AramaDegisti);
}

void SayfaBolgesel::AramaDegisti(const QString& metin)
{
    Db->BulunaniGoster(Konumlar->Satirlar().AramaKutusuBul(metin));
}

void SayfaBolgesel::ListeyiDoldur(KonumSatirlari satirlar, const SeciliKonum& yer)
{
    const int aktif = satirlar.SeciliKonumBul(yer);
    Konumlar->setSatirlar(std::move(satirlar));
    Db->setAktif(aktif);
}

BolgeselAyarFormu SayfaBolgesel::FormuOku() const
{
    BolgeselAyarFormu f;
    f.Ezan = AyarEzan->isChecked();
    f.Uyari = AyarUyari->isChecked();
    f.Dakika = AyarDakika->text();
    f.Sesli = AyarSesliUyari->isChecked();
    f.Hesap = AyarHesap->currentIndex();
    f.DakikaEtkin = AyarDakika->isEnabled();
    return f;
}

void SayfaBolgesel::FormuGoster(const BolgeselAyarFormu& f)
{
    AyarEzan->setChecked(f.Ezan);
    {
        // Showing stored values is not the user's click: the enabling follows the form.
        const QSignalBlocker b(AyarUyari);
        AyarUyari->setChecked(f.Uyari);
    }
    AyarDakika->setText(f.Dakika);
    AyarSesliUyari->setChecked(f.Sesli);
    if (f.Hesap >= 0 && f.Hesap < AyarHesap->count())
        AyarHesap->setCurrentIndex(f.Hesap);
    AyarDakika->setEnabled(f.DakikaEtkin);
    AyarSesliUyari->setEnabled(f.DakikaEtkin);
}
