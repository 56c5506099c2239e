#include "engine/Sayi.h"

#include <QList>
#include <QLocale>

#include <cmath>

namespace Sayi {

namespace {

// Left-to-right, right-to-left and Arabic letter marks, embeddings and isolates: locales
// put them around signs so that a number reads well in right-to-left text.
bool YonIsareti(char32_t c)
{
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// [sign] digits [mark digits] [e [sign] digits], with ASCII digits, "." as the only mark
// and "e" as the only exponent letter. Returns the value of a finite number.
std::optional<double> Sade(const QString& t, bool usluOlabilir)
{
    int i = 0;
    const int n = t.size();
    auto rakamlar = [&] {
        const int bas = i;
        while (i < n && t.at(i) >= QLatin1Char('0') && t.at(i) <= QLatin1Char('9'))
            ++i;
        return i - bas;
    };
    if (i < n && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
        ++i;
    int rakam = rakamlar();
    if (i < n && t.at(i) == QLatin1Char('.')) {
        ++i;
        rakam += rakamlar();
    }
    if (rakam == 0)
        return std::nullopt;
    if (usluOlabilir && i < n && t.at(i) == QLatin1Char('e')) {
        ++i;
        if (i < n && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
            ++i;
        if (rakamlar() == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    bool tamam = false;
    const double d = t.toDouble(&tamam);
    if (!tamam || !std::isfinite(d))
        return std::nullopt;
    return d;
}

// The one decimal mark as "."; nothing when there are two.
bool TekIsaret(QString& t)
{
    const qsizetype virgul = t.count(QLatin1Char(','));
    if (virgul + t.count(QLatin1Char('.')) > 1)
        return false;
    if (virgul)
        t.replace(QLatin1Char(','), QLatin1Char('.'));
    return true;
}

} // namespace

std::optional<double> Coz(QStringView metin)
{
    QString t = metin.trimmed().toString();
    if (!TekIsaret(t))
        return std::nullopt;
    return Sade(t, false);
}

QString Yaz(double sayi, QChar isaret)
{
    if (sayi == 0 || !std::isfinite(sayi))
        return QStringLiteral("0"); // also -0
    QString s = QString::number(sayi, 'g', 15);
    const qsizetype e = s.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        // Spell the rounded digits out in plain decimal.
        const int us = s.mid(e + 1).toInt();
        const bool eksi = s.startsWith(QLatin1Char('-'));
        QString rakamlar = s.left(e).remove(QLatin1Char('-')).remove(QLatin1Char('.'));
        const int nokta = 1 + us; // digits before the decimal mark
        if (nokta <= 0)
            rakamlar = QStringLiteral("0.") + QString(-nokta, QLatin1Char('0')) + rakamlar;
        else if (nokta >= rakamlar.size())
            rakamlar += QString(nokta - rakamlar.size(), QLatin1Char('0'));
        else
            rakamlar.insert(nokta, QLatin1Char('.'));
        if (rakamlar.contains(QLatin1Char('.'))) {
            while (rakamlar.endsWith(QLatin1Char('0')))
                rakamlar.chop(1);
            if (rakamlar.endsWith(QLatin1Char('.')))
                rakamlar.chop(1);
        }
        s = eksi ? QLatin1Char('-') + rakamlar : rakamlar;
    }
    if (isaret != QLatin1Char('.'))
        s.replace(QLatin1Char('.'), isaret);
    return s;
}

QString Yerel(double sayi)
{
    QLocale yerel;
    yerel.setNumberOptions(QLocale::OmitGroupSeparator);
    return yerel.toString(sayi, 'g', 15);
}

QString LatinRakamlarla(QStringView metin)
{
    QString t;
    t.reserve(metin.size());
    for (const char32_t c : metin.toUcs4()) {
        if (YonIsareti(c))
            continue;
        const int rakam = c < 0x80 ? -1 : QChar::digitValue(c);
        if (rakam >= 0)
            t += QLatin1Char(char('0' + rakam));
        else
            t += QString::fromUcs4(&c, 1);
    }
    return t;
}

std::optional<double> SakliCoz(QStringView metin)
{
    QString t = LatinRakamlarla(metin.trimmed());
    // Local exponents first ("×10^" and "·10^" hold a digit of their own), then signs and marks.
    for (const char16_t* us : {u"×10^", u"·10^", u"اس", u"Е", u"E"})
        t.replace(QString::fromUtf16(us), QStringLiteral("e"));
    t.replace(QChar(0x2212), QLatin1Char('-'));
    t.replace(QChar(0x066B), QLatin1Char('.'));
    if (!TekIsaret(t))
        return std::nullopt;
    return Sade(t, true);
}

} // namespace Sayi
