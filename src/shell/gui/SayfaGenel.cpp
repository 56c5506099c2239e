#include "shell/gui/SayfaGenel.h"

#include "controls/gui/Buton.h"
#include "shell/gui/DugmeResimleri.h"
#include "shell/gui/Etiket.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

QFont Yazi(int piksel = 12)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(piksel);
    return f;
}

template <class T> T* Gri(T* w)
{
    w->setFont(Yazi());
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, Etiket::Gri);
    w->setPalette(p);
    return w;
}

// A number box: digits only (and a minus where the range goes below zero); what the keys
// cannot refuse (an empty box, a value out of range) the save checks.
QLineEdit* Kutucuk(QWidget* parent, int alt, int ust)
{
    auto* k = new QLineEdit(parent);
    k->setValidator(new QIntValidator(alt, ust, k));
    k->setFont(Yazi());
    k->setAlignment(Qt::AlignCenter);
    k->setMaxLength(6);
    return k;
}

} // namespace

SayfaGenel::SayfaGenel(QWidget* parent) : QWidget(parent)
{
    auto* baslik = new Etiket(QStringLiteral("Genel Ayarlar"), this, 14, true);
    baslik->Yerlestir(4, 3, 218, 18);

    GAyarAcilis = Gri(new QCheckBox(QStringLiteral("Açılışta Orvanel programını çalıştır."), this));
    GAyarAcilis->setFont(Yazi(11));
    GAyarAcilis->setGeometry(4, 23, 220, 17);
    GAyarSimge = Gri(new QCheckBox(QStringLiteral("Görev çubuğunda Simge göster."), this));
    GAyarSimge->setFont(Yazi(11));
    GAyarSimge->setGeometry(4, 41, 220, 17);
    GAyarYazSaati =
        Gri(new QCheckBox(QStringLiteral("Yaz Saat değişikliğini otomatik uygula."), this));
    GAyarYazSaati->setFont(Yazi(11));
    GAyarYazSaati->setGeometry(4, 59, 220, 17);
    GAyarDiniGun = Gri(new QCheckBox(QStringLiteral("Dini günleri hatırlat"), this));
    GAyarDiniGun->setFont(Yazi(11));
    GAyarDiniGun->setGeometry(4, 77, 220, 17);

    auto* seffaf = new Etiket(QStringLiteral("Şeffaflık : %"), this);
    seffaf->Yerlestir(6, 100, 80, 17);
    const int seffafSol = 6 + QFontMetrics(seffaf->font()).horizontalAdvance(seffaf->text()) + 4;
    GAyarSeffaf = Kutucuk(this, 0, 999);
    GAyarSeffaf->setGeometry(seffafSol, 98, 36, 20);
    GAyarSeffaf->setAccessibleName(QStringLiteral("Şeffaflık %"));
    BtnArti = new Buton(this);
    DugmeResimleri::Yukle(*BtnArti, QStringLiteral("dugme_kucuk"));
    BtnArti->setFont(Yazi());
    BtnArti->setText(QStringLiteral("+"));
    BtnArti->setGeometry(seffafSol + 40, 99, 18, 18);
    BtnEksi = new Buton(this);
    DugmeResimleri::Yukle(*BtnEksi, QStringLiteral("dugme_kucuk"));
    BtnEksi->setFont(Yazi());
    BtnEksi->setText(QStringLiteral("-"));
    BtnEksi->setGeometry(seffafSol + 60, 99, 18, 18);

    // The Hijri correction box sits in the gap of spaces of its label.
    auto* hicri = new Etiket(QStringLiteral("Hicri Takvimi           gün arttır/azalt."), this);
    hicri->Yerlestir(6, 124, 218, 17);
    const QFontMetrics fm(hicri->font());
    GAyarHicriGun = Kutucuk(this, -32768, 32767);
    GAyarHicriGun->setGeometry(6 + fm.horizontalAdvance(QStringLiteral("Hicri Takvimi ")), 122,
                               std::max(fm.horizontalAdvance(QStringLiteral("          ")), 30),
                               20);
    GAyarHicriGun->setAccessibleName(QStringLiteral("Hicri Takvimi gün arttır/azalt"));

    auto* simge = new Etiket(QStringLiteral("Simge Seç : "), this);
    simge->Yerlestir(6, 150, 70, 17);
    GAyarIcon1 = Gri(new QRadioButton(this));
    GAyarIcon1->setGeometry(80, 149, 18, 18);
    GAyarIcon1->setAccessibleName(QStringLiteral("Simge 1"));
    GAIcon1 = new QLabel(this);
    GAIcon1->setGeometry(100, 150, 16, 16);
    GAyarIcon2 = Gri(new QRadioButton(this));
    GAyarIcon2->setGeometry(130, 149, 18, 18);
    GAyarIcon2->setAccessibleName(QStringLiteral("Simge 2"));
    GAIcon2 = new QLabel(this);
    GAIcon2->setGeometry(150, 150, 16, 16);
    // The two options are chosen by the program too, and may both be clear (Simge not 1/2).
    auto* grup = new QButtonGroup(this);
    grup->addButton(GAyarIcon1, 1);
    grup->addButton(GAyarIcon2, 2);

    BtnAyarKaydet = new Buton(this);
    DugmeResimleri::Yazili(*BtnAyarKaydet, QStringLiteral("kaydet"), QStringLiteral("Kaydet"));
    BtnAyarKaydet->move(150, 182);
}

GenelAyarFormu SayfaGenel::FormuOku(int ustte) const
{
    GenelAyarFormu f;
    f.Acilis = GAyarAcilis->isChecked();
    f.Simge = GAyarSimge->isChecked();
    f.YazSaati = GAyarYazSaati->isChecked();
    f.Ustte = ustte;
    f.Seffaf = GAyarSeffaf->text();
    f.HicriGun = GAyarHicriGun->text();
    f.Icon = GAyarIcon1->isChecked() ? 1 : GAyarIcon2->isChecked() ? 2 : 0;
    f.DiniGunHatirlat = GAyarDiniGun->isChecked();
    return f;
}

void SayfaGenel::FormuGoster(const GenelAyarFormu& f)
{
    GAyarAcilis->setChecked(f.Acilis);
    GAyarSimge->setChecked(f.Simge);
    GAyarYazSaati->setChecked(f.YazSaati);
    GAyarDiniGun->setChecked(f.DiniGunHatirlat);
    GAyarSeffaf->setText(f.Seffaf);
    GAyarHicriGun->setText(f.HicriGun);
    const QSignalBlocker b1(GAyarIcon1);
    const QSignalBlocker b2(GAyarIcon2);
    if (f.Icon == 1 || f.Icon == 2) {
        (f.Icon == 1 ? GAyarIcon1 : GAyarIcon2)->setChecked(true);
    } else {
        // Clearing both needs the group's exclusivity off for a moment.
        GAyarIcon1->group()->setExclusive(false);
        GAyarIcon1->setChecked(false);
        GAyarIcon2->setChecked(false);
        GAyarIcon1->group()->setExclusive(true);
    }
}
