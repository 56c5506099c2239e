#include "shell/gui/SayfaHakkinda.h"

#include "shell/gui/Etiket.h"

#include <QPlainTextEdit>

const QString SayfaHakkinda::YapimciAdi = QStringLiteral("Dax Grup");

QString SayfaHakkinda::Aciklama()
{
    return YapimciAdi + QStringLiteral(" tarafından geliştirilmiştir.\n") +
           QStringLiteral("Orvanel ® Namaz Vakitlerini bölgesel \n"
                          "koordinatlara göre matematiksel \n"
                          "olarak hesaplar.\n"
                          "Bu nedenle namaz vakitlerinde bağlı \n"
                          "olduğunuz dini kurumun bildirdiği \n"
                          "vakitler arasında küçük değişiklikler \n"
                          "görülebilir.");
}

SayfaHakkinda::SayfaHakkinda(QWidget* parent, const QString& yapimciHost, const QString& urunHost)
    : QWidget(parent)
{
    auto* baslik = new Etiket(QStringLiteral("Orvanel Hakkında"), this, 14, true);
    baslik->Yerlestir(4, 3, 218, 18);

    Metin = new QPlainTextEdit(this);
    Metin->setReadOnly(true);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(10);
    Metin->setFont(f);
    Metin->setPlainText(Aciklama());
    Metin->setAccessibleName(QStringLiteral("Orvanel Hakkında"));
    Metin->setGeometry(4, 24, 218, 106);
    Metin->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Metin->setFrameShape(QFrame::NoFrame);
    QPalette p = Metin->palette();
    p.setColor(QPalette::Text, Etiket::Gri);
    p.setColor(QPalette::Base, QColor(246, 250, 247));
    Metin->setPalette(p);

    LSurum = new Etiket(QStringLiteral("v.1.5.0"), this, 12, true);
    LSurum->Yerlestir(4, 134, 218, 16);

    auto* uretici = new Etiket(QStringLiteral("Üretici Firma :"), this);
    uretici->Yerlestir(4, 152, 90, 16);
    auto* ad = new Etiket(YapimciAdi, this, 12, true);
    ad->Yerlestir(94, 152, 128, 16);
    LDaxGrup = new Etiket(yapimciHost, this, 12, false, Etiket::Baglanti);
    LDaxGrup->Yerlestir(94, 168, 128, 16);
    LDaxGrup->Tiklanabilir();

    LDetayliBilgi = new Etiket(QStringLiteral("Daha Detaylı Bilgi için : ") + urunHost, this, 11,
                               false, Etiket::Baglanti);
    LDetayliBilgi->Yerlestir(4, 186, 218, 16);
    LDetayliBilgi->Tiklanabilir();
}
