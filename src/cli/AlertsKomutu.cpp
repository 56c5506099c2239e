#include "cli/AlertsKomutu.h"

#include "cli/Cikis.h"
#include "cli/GirdiSecenekleri.h"
#include "cli/VarsayilanKonum.h"
#include "engine/GunlukHesap.h"
#include "platform/AyarDeposu.h"
#include "shell/GeriSayim.h"
#include "shell/GeriSayimCikisi.h"
#include "shell/SesYollari.h"
#include "shell/UyariAyarlari.h"

#include <QCoreApplication>

#include <array>

namespace {

QString Yardim()
{
    return QStringLiteral(
               "Kullanım: orvanel-cli alerts [--date YYYY-AA-GG] [seçenekler] [--dakika N]\n"
               "                             [--no-uyari] [--no-ezan] [--no-sesli]\n"
               "Geri sayımı bir günün her saniyesi için çalıştırır (ilk tık 00:00:00) ve her\n"
               "uyarıyı ve ezanı bir satırda yazar: saat, tür (uyari/ezan), geçerli vakit, ve\n"
               "uyarının üç metni \"|\" ile birleşik ya da çalınan ezan dosyası.\n"
               "\n"
               "  --date YYYY-AA-GG  Gün (varsayılan: bugün).\n"
               "  --dakika N         Vakitten kaç dakika önce uyarılır, 0 ile 546 arası\n"
               "                     (varsayılan: kayıtlı ayar, yoksa 15).\n"
               "  --no-uyari         Vakit öncesi uyarı verme.\n"
               "  --no-ezan          Vakit girince ezan okutma.\n"
               "  --no-sesli         Uyarıyla birlikte uyarı sesi çalma.\n"
               "  --help             Bu yardımı göster.\n") +
           GirdiSecenekleri::Yardim();
}

// The day's wall clock, set by the loop below.
class GunSaati : public Saat
{
public:
    QDateTime Simdi() const override { return An; }
    QDateTime An;
};

// Writes the alerts of the countdown as lines.
class AlertsYazici : public GeriSayimCikisi
{
public:
    AlertsYazici(const GunSaati& saat, const QString& klasor, QTextStream& out)
        : Saat(saat), Klasor(klasor), Out(out)
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
        Satir(QStringLiteral("ezan"), yol.startsWith(Klasor) ? yol.mid(Klasor.size()) : yol);
    }
    // The day never changes within the run.
    void GunDegisti(const QDateTime&) override {}

    const GeriSayim* Sayac = nullptr;

private:
    void Satir(const QString& tur, const QString& ne)
    {
        Out << Saat.An.time().toString(QStringLiteral("HH:mm:ss")) << '\t' << tur << '\t'
            << Sayac->AktifVakitAnahtari() << '\t' << ne << '\n';
    }

    const GunSaati& Saat;
    QString Klasor;
    QTextStream& Out;
};

} // namespace

int AlertsKomutu(const QStringList& args, QTextStream& out, QTextStream& err)
{
    return AlertsKomutu(args, out, err, KomutOrtami::Sistem(),
                        QCoreApplication::applicationDirPath() + u'/');
}

int AlertsKomutu(const QStringList& args, QTextStream& out, QTextStream& err,
                 const KomutOrtami& ortam, const QString& programKlasoru)
{
    QString hata;
    const auto s = Secenekler::Coz(
        args, GirdiSecenekleri::Degerli() << QStringLiteral("date") << QStringLiteral("dakika"),
        GirdiSecenekleri::Bayraklar() << QStringLiteral("no-uyari") << QStringLiteral("no-ezan")
                                      << QStringLiteral("no-sesli") << QStringLiteral("help"),
        &hata);
    if (!s)
        return Cikis::Hata(err, hata);
    if (s->Var(QStringLiteral("help"))) {
        out << Yardim();
        return Cikis::Tamam;
    }
    if (!s->Konumsal().isEmpty())
        return Cikis::Hata(err, QStringLiteral("Beklenmeyen değer: %1").arg(s->Konumsal().first()));

    VakitGirdisi girdi;
    QDate gun = ortam.Zaman.Simdi().date();
    if (!GirdiSecenekleri::TarihSecenegi(*s, QStringLiteral("date"), gun, &hata) ||
        !GirdiSecenekleri::Girdi(*s, girdi, &hata))
        return Cikis::Hata(err, hata);
    girdi.SeciliTarih = QDateTime(gun, QTime(0, 0));
    GirdiSecenekleri::GecisleriDoldur(girdi, ortam.YazSaati);

    UyariAyarlari ayarlar = UyariAyarlari::Oku(AyarDeposu());
    if (s->Var(QStringLiteral("dakika"))) {
        const QString metin = s->Deger(QStringLiteral("dakika"));
        const QString red = AyarDeposu::Denetle(QStringLiteral("BADakika"), metin);
        if (!red.isEmpty())
            return Cikis::Hata(err, QStringLiteral("--dakika: ") + red);
        ayarlar.Dakika = *AyarDeposu::TamsayiCoz(metin);
    }
    if (s->Var(QStringLiteral("no-uyari")))
        ayarlar.Uyari = false;
    if (s->Var(QStringLiteral("no-ezan")))
        ayarlar.Ezan = false;
    if (s->Var(QStringLiteral("no-sesli")))
        ayarlar.Sesli = false;

    const std::array<double, 6> vakitler = GunlukHesapla(girdi).GunlukVakitler;
    // The simulated clock shows the day's wall time whatever the machine's zone: a UTC
    // value has no skipped or repeated hour.
    GunSaati saat;
    AlertsYazici yazici(saat, programKlasoru, out);
    GeriSayim sayac(saat, vakitler, yazici);
    yazici.Sayac = &sayac;
    sayac.AyarlariUygula(ayarlar);
    sayac.SesYollariniAyarla(SesYollari::Bul(programKlasoru));

    const QDateTime gece(gun, QTime(0, 0), Qt::UTC);
    for (int c = 0; c < 86400; ++c) {
        saat.An = gece.addSecs(c);
        sayac.KalanTimerTick();
    }
    return Cikis::Tamam;
}
