#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// An iCalendar file (RFC 5545) as orvanel-cli writes it: the calendar's own lines first,
// content lines folded at 75 octets without cutting a UTF-8 character, CRLF line ends.
class IcsDosyasi
{
public:
    IcsDosyasi();

    // One content line, `ad` with its parameters ("DTSTART;VALUE=DATE").
    void Satir(const QString& ad, const QString& deger);
    // The file, closed with END:VCALENDAR.
    QByteArray Bitir();

    // A TEXT value: backslash, semicolon, comma and line breaks escaped.
    static QString Metin(QString metin);
    // A moment in UTC ("20260621T101200Z").
    static QString Utc(const QDateTime& an);

private:
    QByteArray ics_;
};
