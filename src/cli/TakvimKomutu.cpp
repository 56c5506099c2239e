#include "cli/TakvimKomutu.h"

#include "cli/Cikis.h"
#include "cli/IcsDosyasi.h"
#include "engine/Vakit.h"
#include "platform/AyarDeposu.h"
#include "shell/GeriSayim.h"
#include "shell/SureMetni.h"
#include "shell/UyariAyarlari.h"

#include <cmath>

namespace {

// Time `i` of the day in UTC: its shown minute on the place's clock, which is the zone's
// offset plus the summer hour the day was computed with. A time shown wrapped into the day
// (past midnight or before it) stays on the day its raw hours fall on.
QDateTime Utc(const AylikKomut::Gun& gun, std::size_t i, double tz)
{
    const double gosterilen = gun.Sonuc.GunlukVakitler[i];
    const double ham = gun.Ham.Ham[i] * 3600;
    const qint64 gunKaydi = std::isfinite(ham) ? qRound64((ham - gosterilen) / 86400) : 0;
    const qint64 fark = qRound64((tz + gun.Ham.YazSaati) * 3600);
    return QDateTime(gun.Tarih, QTime(0, 0), Qt::UTC)
        .addSecs(static_cast<qint64>(gosterilen) + gunKaydi * 86400 - fark);
}

// The day, the time and the position: the same for every run over the same place.
QString Uid(const QDate& gun, std::size_t i, const VakitGirdisi& yer)
{
    return QStringLiteral("%1-%2-%3_%4@orvanel")
        .arg(gun.toString(QStringLiteral("yyyyMMdd")), QLatin1String(VakitAnahtarlari[i]),
             QString::number(yer.Enlem, 'f', 4), QString::number(yer.Boylam, 'f', 4));
}

} // namespace

TakvimKomutu::TakvimKomutu()
    : AylikKomut({QStringLiteral("ics")},
                 QStringLiteral("Bir ayın vakitlerini iCalendar (.ics) takvimi olarak yazar."),
                 QStringLiteral("Bir ayın vakitlerini takvim programlarına aktarılacak bir "
                                "iCalendar dosyası\nolarak yazar: her vakit bir olay (saati UTC "
                                "olarak), önünde bir hatırlatma.\nAynı ay yeniden aktarılınca "
                                "olaylar çoğalmaz, yenilenir.")),
      uyari_({QStringLiteral("alarm"), QStringLiteral("uyari")},
             QStringLiteral("Vakitten kaç dakika önce hatırlatılır, 0 ile 546 arası; 0 "
                            "hatırlatma koymaz (varsayılan: kayıtlı uyarı süresi, yoksa 15)."),
             QStringLiteral("N")),
      dosya_({QStringLiteral("out"), QStringLiteral("dosya")},
             QStringLiteral("Takvimi standart çıktı yerine bu dosyaya yaz."),
             QStringLiteral("DOSYA"))
{
    SecenekEkle({uyari_, dosya_});
}

int TakvimKomutu::Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
                        const KomutOrtami& ortam) const
{
    Ay ay;
    int dakika = UyariAyarlari::Oku(AyarDeposu()).Dakika;
    Sonuc<> s = AyHesapla(p, ortam, ay, err);
    if (s)
        s = UyariDakikasiOku(p, uyari_, dakika);
    if (!s)
        return Cikis::Hata(err, s.Hatasi());
    const QByteArray ics = Ics(ay, ortam.Zaman.Simdi(), dakika);
    if (!p.isSet(dosya_))
        out << QString::fromUtf8(ics);
    else if (const Sonuc<> yazildi = DosyayaYaz(p.value(dosya_), ics); !yazildi)
        return Cikis::Hata(err, yazildi.Hatasi());
    return Cikis::Tamam;
}

QByteArray TakvimKomutu::Ics(const Ay& ay, const QDateTime& damga, int dakika)
{
    IcsDosyasi ics;
    const auto satir = [&ics](const char* ad, const QString& deger) {
        ics.Satir(QLatin1String(ad), deger);
    };
    const QString damgaMetni = IcsDosyasi::Utc(damga);
    const QString yer = IcsDosyasi::Metin(ay.YerAdi);
    for (const Gun& gun : ay.Gunler) {
        for (std::size_t i = 0; i < VakitAdlari.size(); ++i) {
            const QString ad = QString::fromUtf8(VakitAdlari[i]);
            satir("BEGIN", QStringLiteral("VEVENT"));
            satir("UID", Uid(gun.Tarih, i, ay.Girdi));
            satir("DTSTAMP", damgaMetni);
            satir("DTSTART", IcsDosyasi::Utc(Utc(gun, i, ay.Girdi.Tz)));
            satir("DURATION", QStringLiteral("PT0S"));
            satir("SUMMARY", IcsDosyasi::Metin(ad));
            satir("LOCATION", yer);
            satir("TRANSP", QStringLiteral("TRANSPARENT"));
            if (dakika > 0) {
                // The text of the program's own warning ("Öğle Vaktine 15 Dakika kaldı."),
                // which the running period names.
                satir("BEGIN", QStringLiteral("VALARM"));
                satir("ACTION", QStringLiteral("DISPLAY"));
                satir("DESCRIPTION",
                      IcsDosyasi::Metin(GeriSayim::UyariOnMetinleri[(i + 5) % 6] +
                                        SureMetni(dakika * 60.0, 4) + QStringLiteral("kaldı.")));
                satir("TRIGGER", QStringLiteral("-PT%1M").arg(dakika));
                satir("END", QStringLiteral("VALARM"));
            }
            satir("END", QStringLiteral("VEVENT"));
        }
    }
    return ics.Bitir();
}
