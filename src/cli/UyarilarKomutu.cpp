#include "cli/UyarilarKomutu.h"

#include "cli/Cikis.h"
#include "engine/GunlukHesap.h"
#include "platform/AyarDeposu.h"
#include "shell/GeriSayim.h"
#include "shell/GeriSayimHedefi.h"
#include "shell/SesYollari.h"
#include "shell/UyariAyarlari.h"

#include <array>

namespace {

// The day's wall clock, set by the loop below.
class GunSaati : public Saat
{
public:
    QDateTime Simdi() const override { return An; }
    QDateTime An;
};

// Writes the alerts of the countdown as lines.
class UyariYazici : public GeriSayimHedefi
{
public:
    UyariYazici(const GunSaati& saat, const QString& klasor, QTextStream& out)
        : saat_(saat), klasor_(klasor), out_(out)
    {
    }
    void KalanGoster(const QString&, const QString&) override {}
    void SaatGoster(const QString&) override {}
    void VakitDegisti(int, const QString&, const QString&) override {}
    void UyariGoster(const QString& oncu, const QString& sure, const QString& son) override
    {
        Satir(QStringLiteral("uyari"), oncu + u'|' + sure + u'|' + son);
    }
    void SesCal(const QString& yol, SesTuru tur) override
    {
        if (tur != SesTuru::Ezan)
            return;
        Satir(QStringLiteral("ezan"), yol.startsWith(klasor_) ? yol.mid(klasor_.size()) : yol);
    }
    // The day never changes within the run.
    void GunDegisti(const QDateTime&) override {}

    const GeriSayim* Sayac = nullptr;

private:
    void Satir(const QString& tur, const QString& ne)
    {
        out_ << saat_.An.time().toString(QStringLiteral("HH:mm:ss")) << '\t' << tur << '\t'
             << Sayac->AktifVakitAnahtari() << '\t' << ne << '\n';
    }

    const GunSaati& saat_;
    QString klasor_;
    QTextStream& out_;
};

} // namespace

UyarilarKomutu::UyarilarKomutu()
    : YerKomutu({QStringLiteral("alerts")},
                QStringLiteral("Bir günün uyarılarını ve ezanlarını saniyesiyle yazar."),
                QStringLiteral("Geri sayımı bir günün her saniyesi için çalıştırır (ilk tık "
                               "00:00:00) ve her\nuyarıyı ve ezanı bir satırda yazar: saat, tür "
                               "(uyari/ezan), geçerli vakit, ve\nuyarının üç metni \"|\" ile "
                               "birleşik ya da çalınan ezan dosyası.")),
      dakika_({QStringLiteral("minutes"), QStringLiteral("dakika")},
              QStringLiteral("Vakitten kaç dakika önce uyarılır, 0 ile 546 arası (varsayılan: "
                             "kayıtlı ayar, yoksa 15)."),
              QStringLiteral("N")),
      uyariYok_({QStringLiteral("no-warning"), QStringLiteral("no-uyari")},
                QStringLiteral("Vakit öncesi uyarı verme.")),
      ezanYok_({QStringLiteral("no-adhan"), QStringLiteral("no-ezan")},
               QStringLiteral("Vakit girince ezan okutma.")),
      sesYok_({QStringLiteral("no-sound"), QStringLiteral("no-sesli")},
              QStringLiteral("Uyarıyla birlikte uyarı sesi çalma."))
{
    SecenekEkle({TarihSecenegi, dakika_, uyariYok_, ezanYok_, sesYok_});
}

int UyarilarKomutu::Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
                          const KomutOrtami& ortam) const
{
    VakitGirdisi girdi;
    QDate gun = ortam.Zaman.Simdi().date();
    Sonuc<> s = TarihOku(p, gun);
    if (s)
        s = Girdi(p, ortam, girdi, err);
    if (!s)
        return Cikis::Hata(err, s.Hatasi());
    girdi.SeciliTarih = QDateTime(gun, QTime(0, 0));
    GecisleriDoldur(girdi, ortam.YazSaati);

    UyariAyarlari ayarlar = UyariAyarlari::Oku(AyarDeposu());
    if (const Sonuc<> dakika = UyariDakikasiOku(p, dakika_, ayarlar.Dakika); !dakika)
        return Cikis::Hata(err, dakika.Hatasi());
    ayarlar.Uyari = ayarlar.Uyari && !p.isSet(uyariYok_);
    ayarlar.Ezan = ayarlar.Ezan && !p.isSet(ezanYok_);
    ayarlar.Sesli = ayarlar.Sesli && !p.isSet(sesYok_);

    const std::array<double, 6> vakitler = GunlukHesapla(girdi).GunlukVakitler;
    // The simulated clock shows the day's wall time whatever the machine's zone: a UTC
    // value has no skipped or repeated hour.
    GunSaati saat;
    UyariYazici yazici(saat, ortam.VeriKlasoru, out);
    GeriSayim sayac(saat, vakitler, yazici);
    yazici.Sayac = &sayac;
    sayac.AyarlariUygula(ayarlar);
    sayac.SesYollariniAyarla(SesYollari::Bul(ortam.VeriKlasoru));

    const QDateTime gece(gun, QTime(0, 0), Qt::UTC);
    for (int c = 0; c < 86400; ++c) {
        saat.An = gece.addSecs(c);
        sayac.KalanTimerTick();
    }
    return Cikis::Tamam;
}
