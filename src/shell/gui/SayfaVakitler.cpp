#include "shell/gui/SayfaVakitler.h"

#include "controls/gui/Buton.h"
#include "engine/Vakit.h"
#include "platform/gui/SkinResmi.h"
#include "shell/gui/DugmeResimleri.h"
#include "shell/gui/Etiket.h"

#include <QGroupBox>
#include <QLineEdit>

SayfaVakitler::SayfaVakitler(QWidget* parent) : QWidget(parent)
{
    Etiket::Varsayilan(*this, 13, true); // the six rows and their values
    AktifVakitBg = new QLabel(this);
    AktifVakitBg->setPixmap(SkinResmi::yukle(QStringLiteral("aktif_vakit")));
    AktifVakitBg->setGeometry(6, SatirUstleri[0] - 3, 214, 22);
    AktifVakitBg->hide(); // until the first tick finds the running period

    LVakit = new Etiket(QStringLiteral("Şimdi .... Vakti"), this, 14, true);
    // Centred on the design place (58, 4, 107 x 19) but wider, so "Şimdi İkindi Vakti"
    // fits at any font's width.
    LVakit->Yerlestir(20, 4, 186, 19);
    LVakit->setAlignment(Qt::AlignCenter);

    for (int i = 0; i < 6; ++i) {
        Satirlar[i] = new Etiket(QString::fromUtf8(VakitAdlari[i]), this, 13, true);
        Satirlar[i]->Yerlestir(18, SatirUstleri[i], 90, 17);
        Degerler[i] = new Etiket(QStringLiteral("00:00"), this, 13, true);
        Degerler[i]->Yerlestir(173, SatirUstleri[i], 40, 17);
    }

    LSonrakiVakit = new Etiket(QStringLiteral("Akşam'a Kalan Süre"), this, 12);
    LSonrakiVakit->Yerlestir(20, 168, 186, 15);
    LSonrakiVakit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LKalan = new Etiket(QStringLiteral("00:00:00"), this, 18, true);
    LKalan->Yerlestir(54, 182, 120, 22);
    LKalan->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Tab reaches the running time, the six times and the time left, each read with its
    // caption ("İmsak 05:43"); the time left is read when asked, not every second.
    setAccessibleName(QStringLiteral("Namaz Vakitleri"));
    LVakit->Okunur();
    for (int i = 0; i < 6; ++i)
        Degerler[i]->Okunur(Satirlar[i]);
    LKalan->Okunur(LSonrakiVakit);
    LKalan->SessizGuncellenir();
}

bool SayfaVakitler::TarihCercevesiKur()
{
    if (TarihSecFrame)
        return false;
    // The title is set after the font: a title given first is measured in the default font,
    // which would load a font the start-up never shows.
    TarihSecFrame = new QGroupBox(this);
    TarihSecFrame->setGeometry(28, 56, 170, 80);
    TarihSecFrame->setAutoFillBackground(true);
    QPalette p = TarihSecFrame->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Etiket::Gri);
    TarihSecFrame->setPalette(p);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    TarihSecFrame->setFont(f);
    TarihSecFrame->setTitle(QStringLiteral("Tarih"));
    TarihSec = new QLineEdit(TarihSecFrame);
    TarihSec->setGeometry(8, 22, 154, 22);
    TarihSec->setAccessibleName(QStringLiteral("Tarih"));
    BtnTarihSec = new Buton(TarihSecFrame);
    DugmeResimleri::Yazili(*BtnTarihSec, QStringLiteral("dugme"), QStringLiteral("Ok"));
    BtnTarihSec->move(8, 50);
    BtnBugun = new Buton(TarihSecFrame);
    DugmeResimleri::Yazili(*BtnBugun, QStringLiteral("dugme"), QStringLiteral("Bugün"));
    BtnBugun->move(90, 50);
    TarihSecFrame->hide();
    return true;
}

void SayfaVakitler::VurguyuTasi(int satir)
{
    if (satir < 0 || satir > 5)
        return;
    AktifVakitBg->move(6, SatirUstleri[satir] - 3);
    AktifVakitBg->show();
}
