#include "shell/GeriSayim.h"

#include "engine/DiniGunler.h"
#include "engine/Vakit.h"
#include "platform/Saat.h"
#include "shell/GeriSayimHedefi.h"
#include "shell/SureMetni.h"

#include <cmath>

namespace {

constexpr int GunSaniyesi = 86400;
constexpr int Imsak = 0;
constexpr int Gunes = 1;
constexpr int Aksam = 4;
// An ezan is played only for a change noticed within ten minutes of the time.
constexpr int EzanGecikmesi = 600;

// c lies in the interval from a up to (not including) b, going forward round the clock.
inline bool Aralikta(double c, double a, double b)
{
    if (a <= b)
        return a <= c && c < b;
    return c >= a || c < b;
}

} // namespace

const std::array<QString, 6> GeriSayim::IpucuMetinleri{
    QStringLiteral("Güneş'e Kalan Süre"),   QStringLiteral("Öğle'ye Kalan Süre"),
    QStringLiteral("İkindi'ye Kalan Süre"), QStringLiteral("Akşam'a Kalan Süre"),
    QStringLiteral("Yatsı'ya Kalan Süre"),  QStringLiteral("İmsak'a Kalan Süre")};
const std::array<QString, 6> GeriSayim::VakitMetinleri{
    QStringLiteral("Şimdi İmsak Vakti"), QStringLiteral("Şimdi Güneş Vakti"),
    QStringLiteral("Şimdi Öğle Vakti"),  QStringLiteral("Şimdi İkindi Vakti"),
    QStringLiteral("Şimdi Akşam Vakti"), QStringLiteral("Şimdi Yatsı Vakti")};
const std::array<QString, 6> GeriSayim::UyariOnMetinleri{
    QStringLiteral("Güneş'in Doğmasına "), QStringLiteral("Öğle Vaktine "),
    QStringLiteral("İkindi Vaktine "),     QStringLiteral("Akşam Vaktine "),
    QStringLiteral("Yatsı Vaktine "),      QStringLiteral("İmsak Vaktine ")};

GeriSayim::GeriSayim(const Saat& saat, const std::array<double, 6>& gunlukVakitler,
                     GeriSayimHedefi& cikis)
    : saat_(saat), vakitler_(gunlukVakitler), hedef_(cikis)
{
    kalanMetni_.reserve(32);
    setSaatYereli(QLocale());
}

void GeriSayim::setSaatYereli(const QLocale& yerel)
{
    // The clock never showed the time zone: "t" and the blanks before it go, quoted text stays.
    const QString kalip = yerel.timeFormat(QLocale::LongFormat);
    QString sonuc;
    bool tirnakta = false;
    for (const QChar c : kalip) {
        if (c == QLatin1Char('\''))
            tirnakta = !tirnakta;
        if (!tirnakta && c == QLatin1Char('t')) {
            while (sonuc.endsWith(QLatin1Char(' ')))
                sonuc.chop(1);
            continue;
        }
        sonuc += c;
    }
    saatYereli_ = yerel;
    saatKalibi_ = sonuc.trimmed();
}

QString GeriSayim::AktifVakitAnahtari() const
{
    return aktif_ < 0 ? QString() : QString::fromLatin1(VakitAnahtarlari[aktif_]);
}

void GeriSayim::DiniGunleriAyarla(bool hatirlat, int hicriGun)
{
    diniGunHatirlat_ = hatirlat;
    if (hicriGun != hicriGun_)
        diniGunTarihi_ = QDate(); // dated anew; what was greeted today stays greeted
    hicriGun_ = hicriGun;
}

void GeriSayim::KalanTimerTick()
{
    const QDateTime simdi = saat_.Simdi();
    if (!simdi.isValid())
        return;
    const QDate bugun = simdi.date();
    const QTime zaman = simdi.time();
    const int c = zaman.msecsSinceStartOfDay() / 1000;

    // A new day: any tick whose date differs from the last computed one, so a tick that
    // never read 00:00:00 (a busy or suspended machine, a zone that skips midnight) still
    // rolls the day over. The first tick adopts the date the owner computed at start.
    if (bugun != hesaplananGun_) {
        const bool ilkTik = !hesaplananGun_.isValid();
        hesaplananGun_ = bugun;
        if (!ilkTik)
            hedef_.GunDegisti(simdi);
    }

    // Running period: the last row, in table order, whose interval holds c. Six equal times
    // hold nothing; the period then stays as it was.
    const std::array<double, 6>& t = vakitler_;
    for (int i = 0; i < 6; ++i)
        if (Aralikta(c, t[i], t[(i + 1) % 6]))
            aktif_ = i;

    // A new period first: it clears the warning flag of the period before, so a warning
    // given in this tick belongs to the new period and is not given again on the next one
    // (the clock may jump over a change straight into the next time's window).
    if (aktif_ >= 0 && aktif_ != onceki_)
        VakitDegisimi(c);

    bool uyardi = false;
    if (aktif_ >= 0) {
        // Time left to the next time; past midnight that is today's İmsak, before midnight
        // today's İmsak a day later.
        double r = t[(aktif_ + 1) % 6] - c;
        if (r <= 0)
            r += GunSaniyesi;
        kalanSaniye_ = static_cast<int>(r);
        SureMetniYaz(r, kalanMetni_);
        hedef_.KalanGoster(kalanMetni_, IpucuMetinleri[aktif_]);

        // Warn when at most BADakika whole minutes are left. Formed in double, so no minute
        // count overflows (a 16-bit sum would past 546); 0 or less never fires, as r >= 1.
        if (ayarlar_.Uyari && !uyariVerildi_ && r < ayarlar_.Dakika * 60.0 + 1) {
            VakitUyari(aktif_, r);
            uyardi = true;
        }
    }
    // One popup a tick: a greeting due now waits for the next tick.
    if (diniGunHatirlat_ && !uyardi)
        DiniGunHatirlat(bugun, c);

    hedef_.SaatGoster(QStringLiteral("Saat : ") + saatYereli_.toString(zaman, saatKalibi_));
}

void GeriSayim::VakitDegisimi(int c)
{
    hedef_.VakitDegisti(aktif_, VakitMetinleri[aktif_], IpucuMetinleri[aktif_]);

    // No ezan for Güneş, none for the state found at start, none for a change noticed ten
    // minutes or more after the time (counted round the clock, so Yatsı found again after
    // midnight is not taken for a fresh one).
    if (aktif_ != Gunes && onceki_ >= 0 && ayarlar_.Ezan) {
        double gecen = c - vakitler_[aktif_];
        if (gecen < 0)
            gecen += GunSaniyesi;
        if (gecen < EzanGecikmesi) {
            const QString yol = yollar_.EzanYolu(QString::fromLatin1(VakitAnahtarlari[aktif_]));
            if (!yol.isEmpty())
                hedef_.SesCal(yol, SesTuru::Ezan);
        }
    }

    if (onceki_ >= 0)
        uyariVerildi_ = false;
    onceki_ = aktif_;
}

void GeriSayim::DiniGunHatirlat(const QDate& bugun, int c)
{
    if (bugun != diniGunTarihi_) {
        diniGunTarihi_ = bugun;
        bugununDiniGunleri_ = DiniGunler::Gunu(bugun, hicriGun_);
    }
    if (bugununDiniGunleri_.empty())
        return;
    if (bugun != hatirlatmaGunu_) {
        hatirlatmaGunu_ = bugun;
        hatirlatilanlar_.clear();
    }
    // Of the greetings due and not given, the latest: a program started in the evening of a
    // day that is also a night greets the night only.
    const DiniGun* selam = nullptr;
    for (const DiniGun& g : bugununDiniGunleri_) {
        if (c < vakitler_[g.Gece ? Aksam : Imsak] || hatirlatilanlar_.contains(g.Anahtar))
            continue;
        hatirlatilanlar_ << g.Anahtar;
        if (!selam || g.Gece)
            selam = &g;
    }
    if (selam)
        hedef_.UyariGoster(selam->Gece ? QStringLiteral("Bu gece ") : QStringLiteral("Bugün "),
                           selam->Ad, QStringLiteral(" Hayırlı olsun."));
}

void GeriSayim::VakitUyari(int vakit, double kalan)
{
    uyariVerildi_ = true;
    hedef_.UyariGoster(UyariOnMetinleri[vakit], SureMetni(kalan, 4), QStringLiteral(" kaldı."));
    if (ayarlar_.Sesli && !yollar_.Uyari.isEmpty())
        hedef_.SesCal(yollar_.Uyari, SesTuru::Uyari);
}
