#include "SkinPictures.h"

#include "SkinDrawing.h"
#include "SkinPalette.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace P = SkinPalette;

using namespace SkinDrawing;

SkinPictures::SkinPictures()
{
    ekleAnaPencere();
    ekleSekmeler();
    ekleBaslikDugmeleri();
    ekleEzan();
    ekleDugmeler();
    ekleKaydirma();
    ekleMesaj();
    ekleEkle();
    ekleSimgeler();
}

void SkinPictures::ekle(const QString& ad, QSize boyut, const QString& grup,
                        const QString& kullanan, Cizici ciz)
{
    resimler_.append(Resim{ad, boyut, grup, kullanan, std::move(ciz)});
}

void SkinPictures::ekleTakim(const QString& onEk, QSize boyut, const QString& grup,
                             const QString& kullanan, const QStringList& ozellikler,
                             const std::function<void(QPainter&, int)>& ciz)
{
    for (int i = 0; i < 3; ++i) {
        const DurumBilgisi& d = durumlar[i];
        QString metin = kullanan + ", " + d.ad;
        if (i < ozellikler.size())
            metin += " (`" + ozellikler[i] + "`)";
        ekle(onEk + d.ek, boyut, grup, metin, [ciz, i](QPainter& p) { ciz(p, i); });
    }
}

void SkinPictures::ekleAnaPencere()
{
    const QString g = "Main window";
    ekle("ana_arkaplan", {242, 341}, g,
         "`AnaForm` background: title strip 0-34 with the product name (`FormIcon` 16 x 16 at "
         "9, 9 and the two title buttons go on it), white place-and-date panel 6, 37, 230 x 47, "
         "white page panel 6, 88, 230 x 210 behind `TabCon` (8, 92, 226 x 205), tab band below "
         "298",
         anaArkaplan);
    ekle("aktif_vakit", {214, 22}, g,
         "`AktifVakitBg`, the highlight behind the running row on page 0: left 6 inside the page "
         "area, top = row label top - 3",
         aktifVakit);
}

namespace {

Durum durumu(int i)
{
    return durumlar[i].durum;
}

const QStringList takim1{"PictureNormal", "PictureDown", "PictureOver"};
const QStringList takim2{"Picture2Normal", "Picture2Down", "Picture2Over"};
const QStringList takim3{"Picture3Normal", "Picture3Down", "Picture3Over"};

} // namespace

void SkinPictures::ekleSekmeler()
{
    const char* adlar[] = {"vakitler", "bolgesel", "genel", "hakkinda", "dinigunler"};
    const char* basliklar[] = {"Namaz Vakitleri", "Bölgesel Ayarlar", "Genel Ayarlar",
                               "Dax Orvanel Hakkında", "Dini Günler"};
    for (int i = 0; i < 5; ++i) {
        const QString kim = QString("`Tablar`(%1) \"%2\" at %3, 298")
                                .arg(i)
                                .arg(basliklar[i])
                                .arg(sekmeYeri(i).x());
        const QString ad = QString("sekme_%1_").arg(adlar[i]);
        ekleTakim(ad, {38, 38}, "Tab buttons", kim + ": set 0 (another page is shown)", takim1,
                  [i](QPainter& p, int d) { sekme(p, i, false, durumu(d)); });
        ekleTakim(ad + "2_", {38, 38}, "Tab buttons", kim + ": set 1 (its page is shown)", takim2,
                  [i](QPainter& p, int d) { sekme(p, i, true, durumu(d)); });
    }
}

void SkinPictures::ekleBaslikDugmeleri()
{
    const QString g = "Title strip buttons";
    const QString kim = "`GAyarUstte` \"Her Zaman Üstte\" at 188, 6";
    ekleTakim("ustte_", {24, 24}, g, kim + ": set 0 (off)", takim1,
              [](QPainter& p, int d) { ustte(p, false, durumu(d)); });
    ekleTakim("ustte_2_", {24, 24}, g, kim + ": set 1 (on)", takim2,
              [](QPainter& p, int d) { ustte(p, true, durumu(d)); });
    ekleTakim("kapat_", {24, 24}, g,
              "`BtnKapat` of the main window at 212, 6 and of the add-location dialog at 212, 6",
              takim1, [](QPainter& p, int d) { kapat(p, anaArkaplan, kapatYeri(), durumu(d)); });
}

void SkinPictures::ekleEzan()
{
    const QString g = "Ezan button";
    const QString kim = "`BtnEzan` at 204, 304";
    ekleTakim("ezan_", {28, 28}, g, kim + ": set 0 (ready)", takim1,
              [](QPainter& p, int d) { ezan(p, 0, durumu(d)); });
    ekleTakim("ezan_2_", {28, 28}, g, kim + ": set 1 (playing)", takim2,
              [](QPainter& p, int d) { ezan(p, 1, durumu(d)); });
    ekleTakim("ezan_3_", {28, 28}, g, kim + ": set 2 (call to prayer switched off)", takim3,
              [](QPainter& p, int d) { ezan(p, 2, durumu(d)); });
}

void SkinPictures::ekleDugmeler()
{
    const QString g = "Caption buttons (the control draws `Text` centred over them)";
    const QSize genis(72, 22);
    ekleTakim("kaydet_", genis, g,
              "save buttons, `Text` \"Kaydet\": `BtnBolgeKaydet`, `BtnAyarKaydet`, and `BtnKaydet` "
              "of the add-location dialog at 82, 188",
              takim1,
              [genis](QPainter& p, int d) { dugme(p, genis, DugmeTuru::Kaydet, durumu(d)); });
    ekleTakim("iptal_", genis, g,
              "`BtnIptal` of the add-location dialog at 158, 188, `Text` \"İptal\"", takim1,
              [genis](QPainter& p, int d) { dugme(p, genis, DugmeTuru::Iptal, durumu(d)); });
    ekleTakim("dugme_", genis, g,
              "any other captioned button on a white panel (`BtnSehirEkle`, `BtnBugun`, "
              "`BtnTarihSec`)",
              takim1, [genis](QPainter& p, int d) { dugme(p, genis, DugmeTuru::Duz, durumu(d)); });
    ekleTakim("dugme_kucuk_", {18, 18}, g, "small step buttons `BtnArti` \"+\" and `BtnEksi` \"-\"",
              takim1, [](QPainter& p, int d) {
                  dugme(p, {18, 18}, DugmeTuru::Duz, durumu(d));
              });
}

void SkinPictures::ekleKaydirma()
{
    const QString g = "Scrollbar (17 pixels wide: the control takes the width of its up arrow)";
    ekleTakim("scroll_yukari_", {17, 17}, g, "up arrow `ScrlYk`",
              {"ScrlYkNPicture", "ScrlYkBPicture", "ScrlYkOPicture"},
              [](QPainter& p, int d) { kaydirmaOku(p, true, durumu(d)); });
    ekleTakim("scroll_asagi_", {17, 17}, g, "down arrow `ScrlAs`",
              {"ScrlAsNPicture", "ScrlAsBPicture", "ScrlAsOPicture"},
              [](QPainter& p, int d) { kaydirmaOku(p, false, durumu(d)); });
    ekle("scroll_iz", {17, 32}, g,
         "track `ScrlArt` (`ScrlArtPicture`); every row is the same, so it may be stretched or "
         "tiled to the track height",
         [](QPainter& p) { kaydirmaIzi(p, 32); });
    ekleTakim("scroll_tutamak_", {17, 20}, g, "thumb `Scrl`",
              {"ScrlNPicture", "ScrlBPicture", "ScrlOPicture"},
              [](QPainter& p, int d) { kaydirmaTutamagi(p, durumu(d)); });
}

void SkinPictures::ekleMesaj()
{
    const QString g = "Popup (`MesajForm`)";
    ekle("mesaj_arkaplan", {197, 116}, g,
         "`BgImage`, stretched to the window while it grows; header strip 0-31 with the product "
         "name (`MesajIcon` at 9, 9), texts between 38 and 85, foot band from 96",
         mesajArkaplan);
    ekleTakim("mesaj_kapat_", {24, 24}, g, "`BtnKapat` of the popup at 169, 5", takim1,
              [](QPainter& p, int d) { kapat(p, mesajArkaplan, mesajKapatYeri(), durumu(d)); });
}

void SkinPictures::ekleEkle()
{
    ekle("ekle_arkaplan", {242, 221}, "Add-location dialog (`EkleForm`)",
         "dialog background: title strip 0-34 with a pin at 9, 9 (the caption \"Şehir / Bölge\" "
         "as a white bold label from 30, 9), white panel 6, 38, 230 x 177 holding the fields "
         "(rows from 46) and, at its foot, the buttons at 188 (`BtnKaydet` 82, `BtnIptal` 158, "
         "both 72 x 22); `BtnKapat` at 212, 6 uses `kapat_*`",
         ekleArkaplan);
}

void SkinPictures::ekleSimgeler()
{
    for (int n : simgeBoyutlari()) {
        ekle(QString("simge_%1").arg(n), {n, n}, "Program icon",
             QString("program icon at %1 pixels: window icon, `FormIcon`, `MesajIcon`, "
                     "`GAIcon1`, tray icon (`SkinResmi::programSimgesi()` holds all four)")
                 .arg(n),
             [n](QPainter& p) { programSimgesi(p, n); });
    }
}

const SkinPictures::Resim* SkinPictures::bul(const QString& ad) const
{
    for (const Resim& r : resimler_) {
        if (r.ad == ad)
            return &r;
    }
    return nullptr;
}

QImage SkinPictures::ciz(const Resim& resim, int olcek)
{
    QImage resimG(resim.boyut * olcek, QImage::Format_ARGB32_Premultiplied);
    resimG.fill(Qt::transparent);
    QPainter p(&resimG);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(olcek, olcek);
    resim.ciz(p);
    p.end();
    return resimG.convertToFormat(QImage::Format_ARGB32);
}

QImage SkinPictures::simge(int kenar, bool ikinci)
{
    QImage resimG(kenar, kenar, QImage::Format_ARGB32_Premultiplied);
    resimG.fill(Qt::transparent);
    QPainter p(&resimG);
    p.setRenderHint(QPainter::Antialiasing);
    if (ikinci)
        ikinciSimge(p, kenar);
    else
        programSimgesi(p, kenar);
    p.end();
    return resimG.convertToFormat(QImage::Format_ARGB32);
}

namespace {

void yerlestir(QPainter& p, const SkinPictures& s, const QString& ad, QPoint yer)
{
    const SkinPictures::Resim* r = s.bul(ad);
    if (!r)
        return;
    p.save();
    p.translate(yer);
    p.setClipRect(QRect(QPoint(0, 0), r->boyut));
    r->ciz(p);
    p.restore();
}

void ornekYazi(QPainter& p, const QRectF& r, const QString& metin, qreal pt, bool kalin,
               Qt::Alignment hiza = Qt::AlignLeft | Qt::AlignVCenter,
               QColor renk = QColor(64, 64, 64))
{
    QFont f("Arial");
    f.setPointSizeF(pt);
    f.setBold(kalin);
    p.setFont(f);
    p.setPen(renk);
    p.drawText(r, hiza, metin);
}

QImage tuval(QSize boyut, int olcek)
{
    QImage img(boyut * olcek, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

} // namespace

QImage SkinPictures::anaPencereOnizleme(int olcek, int seciliSekme, bool ezanCaliyor) const
{
    QImage img = tuval({242, 341}, olcek);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(olcek, olcek);
    anaArkaplan(p);
    p.drawImage(QRectF(9, 9, 16, 16), simge(16 * olcek, false));
    yerlestir(p, *this, "ustte_2_normal", usttekiYer());
    yerlestir(p, *this, "kapat_normal", kapatYeri());
    const char* adlar[] = {"vakitler", "bolgesel", "genel", "hakkinda", "dinigunler"};
    for (int i = 0; i < 5; ++i) {
        yerlestir(p, *this,
                  QString("sekme_%1_%2normal").arg(adlar[i], i == seciliSekme ? "2_" : ""),
                  sekmeYeri(i));
    }
    yerlestir(p, *this, ezanCaliyor ? "ezan_2_normal" : "ezan_normal", ezanYeri());

    ornekYazi(p, QRectF(12, 40, 60, 16), "Türkiye", 8, false);
    ornekYazi(p, QRectF(12, 56, 90, 22), "İstanbul", 11, true);
    ornekYazi(p, QRectF(150, 42, 81, 14), "06 Aralık 2026", 8, false, Qt::AlignRight);
    ornekYazi(p, QRectF(130, 60, 101, 14), "Saat : 09:41", 8, false, Qt::AlignRight);

    const QPoint sayfa(8, 92);
    const char* vakitler[] = {"İmsak", "Güneş", "Öğle", "İkindi", "Akşam", "Yatsı"};
    const char* saatler[] = {"06:12", "07:43", "13:02", "15:31", "17:52", "19:18"};
    const int ustler[] = {31, 54, 77, 100, 123, 145};
    yerlestir(p, *this, "aktif_vakit", sayfa + QPoint(6, ustler[2] - 3));
    ornekYazi(p, QRectF(sayfa + QPointF(20, 4), QSizeF(186, 19)), "Şimdi Öğle Vakti", 10, true,
              Qt::AlignCenter, QColor(0x2F, 0x7E, 0x58));
    for (int i = 0; i < 6; ++i) {
        ornekYazi(p, QRectF(sayfa + QPointF(18, ustler[i]), QSizeF(80, 17)), vakitler[i], 9,
                  i == 2);
        ornekYazi(p, QRectF(sayfa + QPointF(163, ustler[i]), QSizeF(46, 17)), saatler[i], 9, i == 2,
                  Qt::AlignRight | Qt::AlignVCenter);
    }
    ornekYazi(p, QRectF(sayfa + QPointF(20, 166), QSizeF(186, 15)), "İkindi'ye Kalan Süre", 8,
              false, Qt::AlignCenter);
    ornekYazi(p, QRectF(sayfa + QPointF(20, 182), QSizeF(186, 22)), "02:29:07", 13, true,
              Qt::AlignCenter);
    return img;
}

QImage SkinPictures::mesajOnizleme(int olcek) const
{
    QImage img = tuval({197, 116}, olcek);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(olcek, olcek);
    mesajArkaplan(p);
    p.drawImage(QRectF(9, 9, 16, 16), simge(16 * olcek, false));
    yerlestir(p, *this, "mesaj_kapat_normal", mesajKapatYeri());
    ornekYazi(p, QRectF(10, 38, 177, 16), "İkindi Vaktine", 9, false, Qt::AlignCenter);
    ornekYazi(p, QRectF(12, 52, 173, 20), "15 Dakika", 12, true, Qt::AlignCenter);
    ornekYazi(p, QRectF(11, 72, 175, 13), "kaldı.", 8, false, Qt::AlignCenter);
    return img;
}

QImage SkinPictures::ekleOnizleme(int olcek) const
{
    QImage img = tuval({242, 221}, olcek);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(olcek, olcek);
    ekleArkaplan(p);
    ornekYazi(p, QRectF(30, 9, 150, 16), "Şehir / Bölge", 9, true, Qt::AlignLeft | Qt::AlignVCenter,
              Qt::white);
    yerlestir(p, *this, "kapat_normal", kapatYeri());
    const char* etiketler[] = {
        "Ülke : ", "Şehir/Bölge : ", "Saat Dilimi : ", "Enlem : ", "Boylam : "};
    for (int i = 0; i < 5; ++i) {
        const qreal y = 46 + i * 24;
        ornekYazi(p, QRectF(12, y, 80, 18), etiketler[i], 8, false,
                  Qt::AlignRight | Qt::AlignVCenter);
        p.setPen(QColor(0xB5, 0xD8, 0xC3));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(96.5, y + 0.5, 132, 17));
    }
    yerlestir(p, *this, "kaydet_normal", ekleKaydetYeri());
    yerlestir(p, *this, "iptal_normal", ekleIptalYeri());
    ornekYazi(p, QRectF(ekleKaydetYeri(), QSizeF(72, 22)), "Kaydet", 9, true, Qt::AlignCenter);
    ornekYazi(p, QRectF(ekleIptalYeri(), QSizeF(72, 22)), "İptal", 9, true, Qt::AlignCenter);
    return img;
}
