#include "cli/KomutSatiri.h"

#include "cli/AramaKomutu.h"
#include "cli/AyKomutu.h"
#include "cli/Cikis.h"
#include "cli/DiniGunlerKomutu.h"
#include "cli/EkleKomutu.h"
#include "cli/HicriKomutu.h"
#include "cli/ImsakiyeKomutu.h"
#include "cli/TakvimKomutu.h"
#include "cli/UyarilarKomutu.h"
#include "cli/VakitlerKomutu.h"

#include <algorithm>

KomutSatiri::KomutSatiri()
{
    komutlar_.push_back(std::make_unique<VakitlerKomutu>());
    komutlar_.push_back(std::make_unique<AyKomutu>());
    komutlar_.push_back(std::make_unique<TakvimKomutu>());
    komutlar_.push_back(std::make_unique<ImsakiyeKomutu>());
    komutlar_.push_back(std::make_unique<HicriKomutu>());
    komutlar_.push_back(std::make_unique<DiniGunlerKomutu>());
    komutlar_.push_back(std::make_unique<UyarilarKomutu>());
    komutlar_.push_back(std::make_unique<AramaKomutu>());
    komutlar_.push_back(std::make_unique<EkleKomutu>());
}

int KomutSatiri::Calistir(const QStringList& args, QTextStream& out, QTextStream& err,
                          const KomutOrtami& ortam) const
{
    if (args.isEmpty()) {
        KullanimYaz(err);
        err.flush();
        return Cikis::HataliGirdi;
    }
    const QString& ad = args.first();
    if (ad == QLatin1String("--version") || ad == QLatin1String("-v")) {
        out << "orvanel-cli " << ORVANEL_SURUM << '\n';
        return Cikis::Tamam;
    }
    if (ad == QLatin1String("--help") || ad == QLatin1String("-h") || ad == QLatin1String("help")) {
        // "help times" is "times --help".
        if (args.size() > 1)
            if (const Komut* komut = KomutBul(args.at(1)))
                return komut->Calistir({QStringLiteral("--help")}, out, err, ortam);
        KullanimYaz(out);
        return Cikis::Tamam;
    }
    if (const Komut* komut = KomutBul(ad))
        return komut->Calistir(args.mid(1), out, err, ortam);
    return Cikis::Hata(
        err, QStringLiteral("Bilinmeyen komut: %1 (komutlar için: orvanel-cli --help)").arg(ad));
}

const Komut* KomutSatiri::KomutBul(const QString& ad) const
{
    for (const auto& komut : komutlar_)
        if (komut->Adlar().contains(ad))
            return komut.get();
    return nullptr;
}

void KomutSatiri::KullanimYaz(QTextStream& akis) const
{
    akis << "Kullanım: orvanel-cli KOMUT [seçenekler]\n"
            "Orvanel namaz vakitleri, komut satırından.\n\nKomutlar:\n";
    qsizetype genislik = 0;
    for (const auto& komut : komutlar_)
        genislik = std::max(genislik, komut->Adlar().join(QStringLiteral(", ")).size() + 2);
    for (const auto& komut : komutlar_)
        akis << "  " << komut->Adlar().join(QStringLiteral(", ")).leftJustified(genislik)
             << komut->Ozet() << '\n';
    akis << "\nBir komutun seçenekleri için: orvanel-cli KOMUT --help (ya da orvanel-cli help "
            "KOMUT)\nSürüm: orvanel-cli --version\n";
}
