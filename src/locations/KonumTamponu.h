#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The bytes of one read of data.db (Windows-1254), shared by the rows made from them: a row
// keeps where its names stand, and a name becomes text only when it is read. The code page
// has one byte per character and none of its letters folds into more than one character, so
// the folded texts (LLCase, SadeKatla of every character) have the bytes' own offsets; each is
// made on the first search that needs it and kept, one buffer for all rows.
class KonumTamponu
{
public:
    explicit KonumTamponu(QByteArray bayt) : bayt_(std::move(bayt)) {}

    const QByteArray& Bayt() const { return bayt_; }
    // The text of the bytes [bas, bas + boy).
    QString Metin(qsizetype bas, qsizetype boy) const
    {
        return Harfler(bayt_.constData() + bas, boy);
    }
    // LLCase of that text, and its plainer fold (SadeKatla).
    QStringView Kucuk(qsizetype bas, qsizetype boy) const;
    QStringView Sade(qsizetype bas, qsizetype boy) const;

    // Windows-1254 bytes as text, and folded, a character for a byte.
    static QString Harfler(const char* bayt, qsizetype boy);
    static QString KucukHarfler(const char* bayt, qsizetype boy);
    static QString SadeHarfler(const char* bayt, qsizetype boy);

private:
    QByteArray bayt_;
    mutable QString kucuk_; // made on the first Kucuk
    mutable QString sade_;  // made on the first Sade
};
