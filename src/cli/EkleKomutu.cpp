#include "cli/EkleKomutu.h"

#include "cli/Cikis.h"
#include "cli/SearchKomutu.h"
#include "cli/Secenekler.h"
#include "locations/KonumEkleme.h"
#include "platform/AyarDeposu.h"

#include <QDir>

namespace {

QString Yardim()
{
    return QStringLiteral(
        "Kullanım: orvanel-cli ekle --ulke METİN --sehir METİN --tz SAAT --enlem METİN\n"
        "                           --boylam METİN [--db YOL] [--sec]\n"
        "data.db'ye yeni bir Şehir / Bölge ekler; programdaki \"Şehir Ekle\" penceresinin\n"
        "denetimleri ve iletileri geçerlidir. Eklenen satırı yazar.\n"
        "\n"
        "  --ulke METİN    Ülke.\n"
        "  --sehir METİN   Şehir ya da bölge.\n"
        "  --tz SAAT       Saat dilimi, pencerenin listesindeki değerlerden biri\n"
        "                  (-12 ... 12; ör. 2, -3,5, 5.75).\n"
        "  --enlem METİN   Enlem, ondalık işareti \".\" ya da \",\" (kuzey artı).\n"
        "  --boylam METİN  Boylam, ondalık işareti \".\" ya da \",\" (doğu artı).\n"
        "  --db YOL        Yazılacak konum dosyası (varsayılan: programın klasöründeki\n"
        "                  data.db).\n"
        "  --sec           Eklenen yeri kullanılan konum olarak ayarlara da kaydet.\n"
        "  --help          Bu yardımı göster.\n"
        "Çıkış durumu: 0 eklendi, 2 reddedildi ya da dosya okunamadı/yazılamadı (dosya\n"
        "değişmeden kalır).\n");
}

QString SaatDilimiMesaji()
{
    QStringList degerler;
    for (const SaatDilimi& s : KonumEkleme::SaatDilimleri())
        degerler << QString::fromLatin1(s.Deger);
    return QStringLiteral("Geçerli bir saat dilimi giriniz (--tz): %1").arg(degerler.join(' '));
}

QString DosyaMesaji(const KonumEkleme::DosyaSonucu& s, const QString& yol)
{
    const QString ad = QDir::toNativeSeparators(yol);
    if (s.Atlanan > 0)
        return QStringLiteral("Konum dosyasında okunamayan %1 satır var; dosya yeniden yazılırsa "
                              "kaybolacakları için bir şey eklenmedi: %2")
            .arg(s.Atlanan)
            .arg(ad);
    switch (s.Dosya) {
    case KonumDosyasiSonucu::DosyaYok:
        return QStringLiteral("Konum dosyası bulunamadı: %1").arg(ad);
    case KonumDosyasiSonucu::Okunamadi:
        return QStringLiteral("Konum dosyası okunamadı: %1").arg(ad);
    case KonumDosyasiSonucu::GecersizAd:
        return QString::fromUtf8(GecersizAdMesaji.Metin);
    default:
        return QStringLiteral("Konum dosyasına yazılamadı, dosyanın önceki hali korundu: %1")
            .arg(ad);
    }
}

// The chosen place, as the regional settings store it.
void Sec(const KonumKaydi& k)
{
    AyarDeposu depo;
    depo.Yaz(QStringLiteral("bIndex"), QString::number(k.Id));
    depo.Yaz(QStringLiteral("bUlke"), k.Ulke);
    depo.Yaz(QStringLiteral("bSehir"), k.Sehir);
    depo.Yaz(QStringLiteral("bTz"), k.Tz);
    depo.Yaz(QStringLiteral("bEnlem"), k.Enlem);
    depo.Yaz(QStringLiteral("bBoylam"), k.Boylam);
}

} // namespace

int EkleKomutu(const QStringList& args, QTextStream& out, QTextStream& err)
{
    int cikis = Cikis::Tamam;
    const auto s =
        Secenekler::Komut(args,
                          {QStringLiteral("ulke"), QStringLiteral("sehir"), QStringLiteral("tz"),
                           QStringLiteral("enlem"), QStringLiteral("boylam"), QStringLiteral("db")},
                          {QStringLiteral("sec")}, Yardim(), out, err, cikis);
    if (!s)
        return cikis;

    EkleGirdisi g;
    g.Ulke = s->Deger(QStringLiteral("ulke"));
    g.Sehir = s->Deger(QStringLiteral("sehir"));
    g.Enlem = s->Deger(QStringLiteral("enlem"));
    g.Boylam = s->Deger(QStringLiteral("boylam"));
    // The dialog offers only its list; the command line takes the same values.
    g.SaatDilimi = KonumEkleme::SaatDilimiBul(s->Deger(QStringLiteral("tz")));
    // An incomplete entry gets the completeness message first, as in the dialog.
    const bool eksik =
        g.Ulke.isEmpty() || g.Sehir.isEmpty() || g.Enlem.isEmpty() || g.Boylam.isEmpty();
    if (g.SaatDilimi < 0 && !eksik)
        return Cikis::Hata(err, SaatDilimiMesaji());

    const QString yol = KonumArama::VeritabaniYolu(*s);
    KonumDosyasi dosya = KonumDosyasi::DosyaYolu(yol);
    const KonumEkleme::DosyaSonucu sonuc = KonumEkleme::DosyayaEkle(dosya, g);
    if (sonuc.Red)
        return Cikis::Hata(err, *sonuc.Red);
    if (sonuc.Dosya != KonumDosyasiSonucu::Tamam || sonuc.Atlanan > 0)
        return Cikis::Hata(err, DosyaMesaji(sonuc, yol));

    // Only a place that is in data.db can be the chosen one: its Id is its row.
    if (s->Var(QStringLiteral("sec")))
        Sec(sonuc.Kayit);
    out << KonumDosyasi::SatirMetni(sonuc.Kayit) << '\n';
    return Cikis::Tamam;
}
