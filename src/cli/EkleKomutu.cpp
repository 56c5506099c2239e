#include "cli/EkleKomutu.h"

#include "cli/Cikis.h"
#include "cli/KonumArama.h"
#include "locations/KonumEkleme.h"
#include "locations/SeciliKonum.h"
#include "platform/AyarDeposu.h"

namespace {

const QString AyarlarYazilamiyor =
    QStringLiteral("Ayarlar kaydedilemedi: ayar dosyasına yazılamıyor.");

QString SaatDilimiMesaji()
{
    QStringList degerler;
    for (const SaatDilimi& s : KonumEkleme::SaatDilimleri())
        degerler << QString::fromLatin1(s.Deger);
    return QStringLiteral("Geçerli bir saat dilimi giriniz (--tz): %1").arg(degerler.join(' '));
}

} // namespace

EkleKomutu::EkleKomutu()
    : Komut({QStringLiteral("add"), QStringLiteral("ekle")},
            QStringLiteral("data.db'ye yeni bir Şehir / Bölge ekler (--select ile seçer)."),
            QStringLiteral("data.db'ye yeni bir Şehir / Bölge ekler; programdaki \"Şehir Ekle\" "
                           "penceresinin\ndenetimleri ve iletileri geçerlidir. Eklenen satırı "
                           "yazar. --country, --city,\n--tz, --lat ve --lon gereklidir.\n"
                           "Çıkış durumu: 0 eklendi, 2 reddedildi ya da dosya okunamadı/"
                           "yazılamadı (dosya\ndeğişmeden kalır).")),
      ulke_({QStringLiteral("country"), QStringLiteral("ulke")}, QStringLiteral("Ülke."),
            QStringLiteral("METİN")),
      sehir_({QStringLiteral("city"), QStringLiteral("sehir")},
             QStringLiteral("Şehir ya da bölge."), QStringLiteral("METİN")),
      tz_(QStringLiteral("tz"),
          QStringLiteral("Saat dilimi, pencerenin listesindeki değerlerden biri (-12 ... 12; ör. "
                         "2, -3,5, 5.75)."),
          QStringLiteral("SAAT")),
      enlem_({QStringLiteral("lat"), QStringLiteral("enlem")},
             QStringLiteral("Enlem, ondalık işareti \".\" ya da \",\" (kuzey artı)."),
             QStringLiteral("METİN")),
      boylam_({QStringLiteral("lon"), QStringLiteral("boylam")},
              QStringLiteral("Boylam, ondalık işareti \".\" ya da \",\" (doğu artı)."),
              QStringLiteral("METİN")),
      sec_({QStringLiteral("select"), QStringLiteral("sec")},
           QStringLiteral("Eklenen yeri kullanılan konum olarak ayarlara da kaydet."))
{
    SecenekEkle({ulke_, sehir_, tz_, enlem_, boylam_, DbSecenegi, sec_});
}

int EkleKomutu::Yurut(const QCommandLineParser& p, QTextStream& out, QTextStream& err,
                      const KomutOrtami& ortam) const
{
    EkleGirdisi g;
    g.Ulke = p.value(ulke_);
    g.Sehir = p.value(sehir_);
    g.Enlem = p.value(enlem_);
    g.Boylam = p.value(boylam_);
    // The dialog offers only its list; the command line takes the same values.
    g.SaatDilimi = KonumEkleme::SaatDilimiBul(p.value(tz_));
    // An incomplete entry gets the completeness message first, as in the dialog.
    const bool eksik =
        g.Ulke.isEmpty() || g.Sehir.isEmpty() || g.Enlem.isEmpty() || g.Boylam.isEmpty();
    if (g.SaatDilimi < 0 && !eksik)
        return Cikis::Hata(err, SaatDilimiMesaji());

    // Choosing the place must not stay half done: a settings file that cannot be written is
    // found before data.db changes.
    const bool sec = p.isSet(sec_);
    AyarDeposu depo;
    if (sec && !depo.Yazilabilir())
        return Cikis::Hata(err, AyarlarYazilamiyor);

    KonumDosyasi dosya = Veritabani(p, ortam);
    const QString okunan = dosya.OkunanYol();
    QVector<int> atlanan;
    const Sonuc<KonumEkleme::Eklenen> eklenen = KonumEkleme::DosyayaEkle(dosya, g, &atlanan);
    KonumArama::AtlananlariBildir(atlanan, okunan, err);
    if (!eklenen)
        return Cikis::Hata(err, KonumArama::DosyaHatasi(eklenen.Hatasi(), dosya));

    out << KonumDosyasi::SatirMetni(eklenen->Kayit) << '\n';
    if (sec && !SeciliKonum::Kayittan(eklenen->Kayit).Yaz(depo))
        return Cikis::Hata(err,
                           QStringLiteral("Yer eklendi ama seçilemedi: ") + AyarlarYazilamiyor);
    return Cikis::Tamam;
}
