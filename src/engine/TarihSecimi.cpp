#include "engine/TarihSecimi.h"

#include "engine/Sayi.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

bool IkiHaneliYil(const QString& bicim)
{
    return !bicim.contains(QLatin1String("yyyy")) && bicim.contains(QLatin1String("yy"));
}

// The short format with a four-digit year: a day written and read back stays the same day
// (Qt reads "yy" as 19yy).
QString DortHaneliBicim(const QLocale& yerel)
{
    QString bicim = yerel.dateFormat(QLocale::ShortFormat);
    if (IkiHaneliYil(bicim))
        bicim.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return bicim;
}

// Formats a typed date may follow: the short format as written, with single-digit days and
// months allowed, with a four-digit year, and ISO dates.
QStringList TarihBicimleri(const QLocale& yerel)
{
    const QString kisa = yerel.dateFormat(QLocale::ShortFormat);
    QStringList bicimler{kisa, DortHaneliBicim(yerel)};
    for (QString b : QStringList(bicimler)) {
        static const QRegularExpression gun(QStringLiteral("(?<!d)dd(?!d)"));
        static const QRegularExpression ay(QStringLiteral("(?<!M)MM(?!M)"));
        b.replace(gun, QStringLiteral("d"));
        b.replace(ay, QStringLiteral("M"));
        bicimler << b;
    }
    bicimler << QStringLiteral("yyyy-MM-dd");
    bicimler.removeDuplicates();
    return bicimler;
}

QStringList SaatBicimleri(const QLocale& yerel)
{
    QStringList bicimler{QStringLiteral("H:mm"), QStringLiteral("H:mm:ss"),
                         yerel.timeFormat(QLocale::ShortFormat),
                         yerel.timeFormat(QLocale::LongFormat)};
    bicimler.removeDuplicates();
    return bicimler;
}

// Two-digit years fall in 1930..2029, the usual desktop window.
QDate YiliDuzelt(const QDate& tarih, const QString& bicim)
{
    if (IkiHaneliYil(bicim) && tarih.year() < 1930)
        return tarih.addYears(100);
    return tarih;
}

} // namespace

std::optional<QDateTime> TarihMetniniCoz(const QString& metin, const QLocale& yerel)
{
    const QString yazi = metin.simplified();
    if (yazi.isEmpty())
        return std::nullopt;

    const QStringList tarihler = TarihBicimleri(yerel);
    const QStringList saatler = SaatBicimleri(yerel);
    auto dene = [&](const QString& t, const QLocale& okuyan) -> std::optional<QDateTime> {
        for (const QString& bicim : tarihler) {
            const QDate tarih = okuyan.toDate(t, bicim);
            if (tarih.isValid())
                return QDateTime(YiliDuzelt(tarih, bicim), QTime(0, 0));
        }
        for (const QString& bicim : tarihler) {
            for (const QString& saat : saatler) {
                const QDateTime z = okuyan.toDateTime(t, bicim + QLatin1Char(' ') + saat);
                if (z.isValid())
                    return QDateTime(YiliDuzelt(z.date(), bicim), z.time());
            }
        }
        return std::nullopt;
    };
    if (const auto t = dene(yazi, yerel))
        return t;
    // Qt reads back only digits of the Basic Multilingual Plane: a date in other digits
    // (Chakma, Adlam) is read in ASCII digits with the same formats.
    const QString latin = Sayi::LatinRakamlarla(yazi);
    if (latin != yazi)
        return dene(latin, QLocale::c());
    return std::nullopt;
}

QString KisaTarihMetni(const QDateTime& t, const QLocale& yerel)
{
    return yerel.toString(t.date(), DortHaneliBicim(yerel));
}
