#include "cli/Secenekler.h"

#include "cli/Cikis.h"

std::optional<Secenekler> Secenekler::Coz(const QStringList& args, const QStringList& degerli,
                                          const QStringList& bayraklar, QString* hata)
{
    Secenekler s;
    const auto hataVer = [hata](const QString& metin) {
        if (hata)
            *hata = metin;
        return std::nullopt;
    };

    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--")) {
            s.konumsal_ += args.mid(i + 1);
            break;
        }
        if (arg == QLatin1String("-h") && bayraklar.contains(QLatin1String("help"))) {
            s.bayraklar_.insert(QStringLiteral("help"));
            continue;
        }
        if (!arg.startsWith(QLatin1String("--"))) {
            // A lone "-x" is a mistyped option; "-5" or "-" are words.
            if (arg.size() > 1 && arg.startsWith(QLatin1Char('-')) && !arg[1].isDigit() &&
                arg[1] != QLatin1Char('.'))
                return hataVer(QStringLiteral("Bilinmeyen seçenek: %1").arg(arg));
            s.konumsal_ << arg;
            continue;
        }

        const int esittir = arg.indexOf(QLatin1Char('='));
        const QString ad = arg.mid(2, esittir < 0 ? -1 : esittir - 2);
        if (degerli.contains(ad)) {
            if (esittir >= 0) {
                s.degerler_.insert(ad, arg.mid(esittir + 1));
            } else if (i + 1 < args.size()) {
                // The next word is the value even when it starts with "-" (--lat -33.9).
                s.degerler_.insert(ad, args[++i]);
            } else {
                return hataVer(QStringLiteral("--%1 için bir değer gerekli.").arg(ad));
            }
        } else if (bayraklar.contains(ad)) {
            if (esittir >= 0)
                return hataVer(QStringLiteral("--%1 bir değer almaz.").arg(ad));
            s.bayraklar_.insert(ad);
        } else {
            return hataVer(QStringLiteral("Bilinmeyen seçenek: --%1").arg(ad));
        }
    }
    return s;
}

std::optional<Secenekler> Secenekler::Komut(const QStringList& args, const QStringList& degerli,
                                            const QStringList& bayraklar, const QString& yardim,
                                            QTextStream& out, QTextStream& err, int& cikis)
{
    QString hata;
    auto s = Coz(args, degerli, QStringList(bayraklar) << QStringLiteral("help"), &hata);
    if (!s) {
        cikis = Cikis::Hata(err, hata);
        return std::nullopt;
    }
    if (s->Var(QStringLiteral("help"))) {
        out << yardim;
        cikis = Cikis::Tamam;
        return std::nullopt;
    }
    if (!s->Konumsal().isEmpty()) {
        cikis =
            Cikis::Hata(err, QStringLiteral("Beklenmeyen değer: %1").arg(s->Konumsal().first()));
        return std::nullopt;
    }
    return s;
}

bool Secenekler::Var(const QString& ad) const
{
    return degerler_.contains(ad) || bayraklar_.contains(ad);
}

QString Secenekler::Deger(const QString& ad) const
{
    return degerler_.value(ad);
}
