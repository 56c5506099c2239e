#include "cli/IcsDosyasi.h"

namespace {

// The longest line in octets, without its CRLF.
constexpr qsizetype SatirSiniri = 75;

} // namespace

IcsDosyasi::IcsDosyasi()
{
    Satir(QStringLiteral("BEGIN"), QStringLiteral("VCALENDAR"));
    Satir(QStringLiteral("VERSION"), QStringLiteral("2.0"));
    Satir(QStringLiteral("PRODID"), QStringLiteral("-//Orvanel//orvanel-cli//TR"));
    Satir(QStringLiteral("CALSCALE"), QStringLiteral("GREGORIAN"));
    Satir(QStringLiteral("METHOD"), QStringLiteral("PUBLISH"));
}

void IcsDosyasi::Satir(const QString& ad, const QString& deger)
{
    const QByteArray satir = (ad + u':' + deger).toUtf8();
    qsizetype bas = 0;
    qsizetype sinir = SatirSiniri;
    while (satir.size() - bas > sinir) {
        qsizetype son = bas + sinir;
        while ((static_cast<uchar>(satir[son]) & 0xC0) == 0x80) // inside a character
            --son;
        ics_ += satir.mid(bas, son - bas) + "\r\n ";
        bas = son;
        sinir = SatirSiniri - 1; // the fold's space counts
    }
    ics_ += satir.mid(bas) + "\r\n";
}

QByteArray IcsDosyasi::Bitir()
{
    Satir(QStringLiteral("END"), QStringLiteral("VCALENDAR"));
    return ics_;
}

QString IcsDosyasi::Metin(QString metin)
{
    metin.replace(u'\\', QStringLiteral("\\\\"));
    metin.replace(u';', QStringLiteral("\\;"));
    metin.replace(u',', QStringLiteral("\\,"));
    metin.remove(u'\r');
    metin.replace(u'\n', QStringLiteral("\\n"));
    return metin;
}

QString IcsDosyasi::Utc(const QDateTime& an)
{
    return an.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}
