#include "cli/DiniGunlerKomutu.h"

#include "cli/Cikis.h"
#include "cli/IcsDosyasi.h"
#include "cli/VarsayilanKonum.h"
#include "engine/DiniGunler.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString IcsTarihi(const QDate& gun)
{
    return gun.toString(QStringLiteral("yyyyMMdd"));
}

} // namespace

DiniGunlerKomutu::DiniGunlerKomutu()
    : Komut({QStringLiteral("religious-days"), QStringLiteral("dini-gunler")},
            QStringLiteral("Bir yılın dini günlerini ve gecelerini yazar."),
            QStringLiteral("Bir yılın dini günlerini ve gecelerini (kandiller, bayramlar, Hicri "
                           "yılbaşı ...)\nprogramın Hicri takvimine göre, tarih sırasıyla yazar: "
                           "her satırda tarih,\nhaftanın günü, ad ve Hicri tarih. Bir kandil ya "
                           "da gece, akşamında başladığı\ngünün tarihini taşır.")),
      json_(QStringLiteral("json"),
            QStringLiteral("Sonucu JSON dizisi olarak yaz: her gün için \"date\" (YYYY-AA-GG), "
                           "\"name\", \"hijri\" ve \"evening\" (kandil ya da gece için true).")),
      ics_(QStringLiteral("ics"),
           QStringLiteral("Sonucu iCalendar (.ics) takvimi olarak yaz: her gün bir tüm gün "
                          "olayı. Hicri düzeltme değişip yeniden aktarılınca olaylar çoğalmaz, "
                          "taşınır."))
{
    SecenekEkle({YilSecenegi, HicriGunSecenegi, json_, ics_});
}

int DiniGunlerKomutu::Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
                            const KomutOrtami& ortam) const
{
    int yil = ortam.Zaman.Simdi().date().year();
    int hicriGun = VarsayilanGirdi().HicriGun;
    Sonuc<> s = SayiAraligi(p, YilSecenegi, QStringLiteral("Yıl"), 1, 9999, yil);
    if (s)
        s = HicriGunOku(p, hicriGun);
    if (!s)
        return Cikis::Hata(err, s.Hatasi());
    if (p.isSet(json_) && p.isSet(ics_))
        return Cikis::Hata(err, QStringLiteral("--json ile --ics birlikte verilemez."));

    const std::vector<DiniGun> gunler = DiniGunler::Yili(yil, hicriGun);
    if (p.isSet(json_))
        out << Json(gunler);
    else if (p.isSet(ics_))
        out << Ics(gunler, ortam.Zaman.Simdi());
    else
        out << Duz(gunler);
    return Cikis::Tamam;
}

QString DiniGunlerKomutu::Duz(const std::vector<DiniGun>& gunler)
{
    QString metin;
    for (const DiniGun& g : gunler)
        metin += g.Tarih.toString(Qt::ISODate) + u'\t' + HaftaGunu(g.Tarih) + u'\t' + g.Ad + u'\t' +
                 HicriMetni(g.Hicri) + u'\n';
    return metin;
}

QString DiniGunlerKomutu::Json(const std::vector<DiniGun>& gunler)
{
    QJsonArray dizi;
    for (const DiniGun& g : gunler)
        dizi.append(QJsonObject{{QStringLiteral("date"), g.Tarih.toString(Qt::ISODate)},
                                {QStringLiteral("name"), g.Ad},
                                {QStringLiteral("hijri"), HicriMetni(g.Hicri)},
                                {QStringLiteral("evening"), g.Gece}});
    return QString::fromUtf8(QJsonDocument(dizi).toJson(QJsonDocument::Indented));
}

QString DiniGunlerKomutu::Ics(const std::vector<DiniGun>& gunler, const QDateTime& damga)
{
    IcsDosyasi ics;
    const QString damgaMetni = IcsDosyasi::Utc(damga);
    for (const DiniGun& g : gunler) {
        ics.Satir(QStringLiteral("BEGIN"), QStringLiteral("VEVENT"));
        ics.Satir(QStringLiteral("UID"),
                  QStringLiteral("%1-%2@orvanel").arg(g.HicriYil).arg(g.Anahtar));
        ics.Satir(QStringLiteral("DTSTAMP"), damgaMetni);
        ics.Satir(QStringLiteral("DTSTART;VALUE=DATE"), IcsTarihi(g.Tarih));
        ics.Satir(QStringLiteral("DTEND;VALUE=DATE"), IcsTarihi(g.Tarih.addDays(1)));
        ics.Satir(QStringLiteral("SUMMARY"), IcsDosyasi::Metin(g.Ad));
        ics.Satir(QStringLiteral("DESCRIPTION"), IcsDosyasi::Metin(HicriMetni(g.Hicri)));
        ics.Satir(QStringLiteral("TRANSP"), QStringLiteral("TRANSPARENT"));
        ics.Satir(QStringLiteral("END"), QStringLiteral("VEVENT"));
    }
    return QString::fromUtf8(ics.Bitir());
}
