#include "shell/gui/DugmeResimleri.h"

#include "SkinResmi.h"
#include "controls/Buton.h"

#include <QFont>

void DugmeResimleri::Yukle(Buton& d, const QString& ad, int takimSayisi)
{
    auto r = [&](const QString& ek) { return Resim(SkinResmi::yukle(ad + ek)); };
    d.setPictureNormal(r(QStringLiteral("_normal")));
    d.setPictureDown(r(QStringLiteral("_down")));
    d.setPictureOver(r(QStringLiteral("_over")));
    if (takimSayisi >= 2) {
        d.setPicture2Normal(r(QStringLiteral("_2_normal")));
        d.setPicture2Down(r(QStringLiteral("_2_down")));
        d.setPicture2Over(r(QStringLiteral("_2_over")));
    }
    if (takimSayisi >= 3) {
        d.setPicture3Normal(r(QStringLiteral("_3_normal")));
        d.setPicture3Down(r(QStringLiteral("_3_down")));
        d.setPicture3Over(r(QStringLiteral("_3_over")));
    }
    d.setButtonEvents(0);
    d.setOtoEventChange(false);
}

void DugmeResimleri::Yazili(Buton& d, const QString& ad, const QString& metin)
{
    Yukle(d, ad);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    f.setBold(true);
    d.setFont(f);
    d.setForeColor(QColor(64, 64, 64));
    d.setText(metin);
    d.resize(72, 22);
}
