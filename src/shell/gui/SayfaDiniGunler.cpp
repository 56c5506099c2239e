#include "shell/gui/SayfaDiniGunler.h"

#include "controls/gui/Buton.h"
#include "shell/DiniGunSatirlari.h"
#include "shell/gui/DiniGunListesi.h"
#include "shell/gui/DugmeResimleri.h"
#include "shell/gui/Etiket.h"

namespace {

Buton* KucukDugme(QWidget* parent, const QString& metin, const QString& ipucu, int sol)
{
    auto* d = new Buton(parent);
    DugmeResimleri::Yukle(*d, QStringLiteral("dugme_kucuk"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    f.setBold(true);
    d->setFont(f);
    d->setForeColor(Etiket::Gri);
    d->setText(metin);
    d->setToolTip(ipucu);
    d->setAccessibleName(ipucu); // a reader would say "less than"
    d->setGeometry(sol, 3, 18, 18);
    return d;
}

} // namespace

SayfaDiniGunler::SayfaDiniGunler(QWidget* parent) : QWidget(parent)
{
    auto* baslik = new Etiket(QStringLiteral("Dini Günler"), this, 14, true);
    baslik->Yerlestir(4, 3, 120, 18);

    BtnOncekiYil = KucukDugme(this, QStringLiteral("<"), QStringLiteral("Önceki Yıl"), 150);
    LYil = new Etiket(QString(), this, 12, true);
    LYil->Yerlestir(168, 3, 36, 18);
    LYil->setAlignment(Qt::AlignCenter);
    BtnSonrakiYil = KucukDugme(this, QStringLiteral(">"), QStringLiteral("Sonraki Yıl"), 204);

    Liste = new DiniGunListesi(this);
    Liste->setGeometry(4, 24, 218, 179);

    connect(BtnOncekiYil, &Buton::clicked, this, [this] { Goster(yil_ - 1, hicriGun_, bugun_); });
    connect(BtnSonrakiYil, &Buton::clicked, this, [this] { Goster(yil_ + 1, hicriGun_, bugun_); });
}

void SayfaDiniGunler::Goster(int yil, int hicriGun, const QDate& bugun)
{
    yil_ = std::clamp(yil, 1, 9999);
    hicriGun_ = hicriGun;
    bugun_ = bugun;
    LYil->setText(QString::number(yil_));
    BtnOncekiYil->setEnabled(yil_ > 1);
    BtnSonrakiYil->setEnabled(yil_ < 9999);
    Liste->setSatirlar(DiniGunSatirlari::Yili(yil_, hicriGun_, bugun_));
    Liste->SiradakiniGoster();
}
