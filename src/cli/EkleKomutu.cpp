#include "cli/EkleKomutu.h"

#include "cli/Cikis.h"
#include "cli/SearchKomutu.h"
#include "cli/Secenekler.h"
#include "locations/KonumEkleme.h"
#include "locations/SeciliKonum.h"
#include "platform/AyarDeposu.h"

#include <QDir>

namespace {

const QString AyarlarYazilamiyor =
    QStringLiteral("Ayarlar kaydedilemedi: ayar dosyasına yazılamıyor.");

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

    // Choosing the place must not stay half done: a settings file that cannot be written is
    // found before data.db changes.
    const bool sec = s->Var(QStringLiteral("sec"));
    AyarDeposu depo;
    if (sec && !depo.Yazilabilir())
        return Cikis::Hata(err, AyarlarYazilamiyor);

    const QString yol = KonumArama::VeritabaniYolu(*s);
    KonumDosyasi dosya = KonumDosyasi::DosyaYolu(yol);
    const KonumEkleme::DosyaSonucu sonuc = KonumEkleme::DosyayaEkle(dosya, g);
    KonumArama::AtlananlariBildir(sonuc.Atlanan, yol, err);
    if (sonuc.Dosya != KonumDosyasiSonucu::Tamam)
        return Cikis::Hata(err, KonumArama::DosyaMesaji(sonuc.Dosya, yol));
    if (sonuc.Red)
        return Cikis::Hata(err, *sonuc.Red);

    out << KonumDosyasi::SatirMetni(sonuc.Kayit) << '\n';
    if (sec && !SeciliKonum::Kayittan(sonuc.Kayit).Yaz(depo))
        return Cikis::Hata(err,
                           QStringLiteral("Yer eklendi ama seçilemedi: ") + AyarlarYazilamiyor);
    return Cikis::Tamam;
}
