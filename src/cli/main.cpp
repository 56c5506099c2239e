// orvanel-cli: the command-line front end. Needs no display.
#include "cli/AlertsKomutu.h"
#include "cli/Cikis.h"
#include "cli/EkleKomutu.h"
#include "cli/HijriKomutu.h"
#include "cli/MonthKomutu.h"
#include "cli/SearchKomutu.h"
#include "cli/TimesKomutu.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

using KomutIslevi = int (*)(const QStringList&, QTextStream&, QTextStream&);

struct Komut
{
    const char* Ad;
    KomutIslevi Islev;
    const char* Ozet;
};

// One line per command.
const Komut Komutlar[] = {
    {"times", &TimesKomutu, "Bir günün tarihlerini ve altı vaktini yazar."},
    {"month", &MonthKomutu, "Bir ayın vakit çizelgesini yazar (--csv ile CSV)."},
    {"hijri", &HijriKomutu, "Bir günün Hicri tarihini yazar."},
    {"alerts", &AlertsKomutu, "Bir günün uyarılarını ve ezanlarını saniyesiyle yazar."},
    {"search", &SearchKomutu, "data.db'de konum arar ve bulduğu satırı yazar."},
    {"ekle", &EkleKomutu, "data.db'ye yeni bir Şehir / Bölge ekler (--sec ile seçer)."},
};

void KullanimYaz(QTextStream& akis)
{
    akis << "Kullanım: orvanel-cli KOMUT [seçenekler]\n"
            "Orvanel namaz vakitleri, komut satırından.\n\nKomutlar:\n";
    for (const Komut& k : Komutlar)
        akis << "  " << QString::fromLatin1(k.Ad).leftJustified(8) << QString::fromUtf8(k.Ozet)
             << '\n';
    akis << "\nBir komutun seçenekleri için: orvanel-cli KOMUT --help\n";
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication uygulama(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        KullanimYaz(err);
        return Cikis::HataliGirdi;
    }
    const QString ad = args.first();
    if (ad == QLatin1String("--help") || ad == QLatin1String("-h") || ad == QLatin1String("help")) {
        KullanimYaz(out);
        return Cikis::Tamam;
    }
    for (const Komut& k : Komutlar) {
        if (ad == QLatin1String(k.Ad)) {
            const int sonuc = k.Islev(args.mid(1), out, err);
            out.flush();
            err.flush();
            return sonuc;
        }
    }
    return Cikis::Hata(err, QStringLiteral("Bilinmeyen komut: %1 (komutlar için: orvanel-cli "
                                           "--help)")
                                .arg(ad));
}
