#pragma once

#include "locations/KonumKaydi.h"
#include "locations/clsFastCollection.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// A message box the user must see: title and text, UTF-8.
struct KonumMesaji
{
    const char* Baslik;
    const char* Metin;
};

// The missing data.db, on reading and on rewriting; the program ends after showing it.
inline constexpr KonumMesaji DosyaBulunamadiMesaji{
    "Dosya Bulunamadı", "'Data.db' dosyası bulunamadı !\r\nLütfen programı yeniden kurunuz."};
// A rewrite that could not be completed: data.db is left as it was.
inline constexpr KonumMesaji DosyaYazilamadiMesaji{
    "Uyarı", "'Data.db' dosyasına yazılamadı !\r\nDosyanın önceki hali korundu."};
// A name the file cannot hold ("|", a line break, or a letter outside the Turkish code page).
inline constexpr KonumMesaji GecersizAdMesaji{
    "Uyarı", "Ülke ve şehir adlarında \"|\" işareti, satır sonu ve Türkçe dışı alfabelerin "
             "harfleri kullanılamaz."};

enum class KonumDosyasiSonucu
{
    Tamam,
    DosyaYok,   // data.db is missing: show DosyaBulunamadiMesaji and end
    Okunamadi,  // data.db exists but cannot be read
    Yazilamadi, // the rewrite failed; data.db is untouched (DosyaYazilamadiMesaji)
    GecersizAd  // a row the reader would not take back (a name as GecersizAdMesaji says, a
                // number that is not finite, an Id beyond 16 bits); nothing was written
};

// data.db in the program folder: Windows-1254 text, lines "Id|Ulke|Sehir|Tz|Enlem|Boylam"
// separated by CR LF (only the pair ends a line), numbers with a decimal comma.
//
// Reading skips empty lines and malformed ones (fewer than six fields, an Id that is not a
// 16-bit integer, a number that is not a finite number); fields past the sixth are ignored and
// texts are kept verbatim. Both "," and "." are taken as the decimal mark.
//
// Rewriting writes the given rows, in order, to tmpdata.db and then renames it over data.db in
// one step, so the folder always holds a complete data.db, the old or the new one. Lines the
// reader skipped are not part of the rows and so are not written again.
class KonumDosyasi
{
public:
    static const QString DosyaAdi;       // "data.db"
    static const QString GeciciDosyaAdi; // "tmpdata.db"

    // klasor: the program folder, with or without a trailing separator.
    explicit KonumDosyasi(const QString& klasor);
    // A location file under another name; its temporary file is tmpdata.db beside it.
    static KonumDosyasi DosyaYolu(const QString& yol);

    QString Yol() const;
    QString GeciciYol() const;

    // Records in file order.
    KonumDosyasiSonucu DosyadanOku(QVector<KonumKaydi>& kayitlar);
    // Appends one row per record; each row's Index is its position.
    KonumDosyasiSonucu DosyadanOku(clsFastCollection& satirlar);
    // Malformed lines skipped by the last read.
    int AtlananSatirSayisi() const { return m_atlanan; }

    // Rows 1..Count, in list order.
    KonumDosyasiSonucu DosyayaYaz(const clsFastCollection& satirlar);
    KonumDosyasiSonucu DosyayaYaz(const QVector<KonumKaydi>& kayitlar);

    // The conversions alone, without the file.
    static QVector<KonumKaydi> Coz(const QByteArray& veri, int* atlanan = nullptr);
    static QByteArray Kodla(const QVector<KonumKaydi>& kayitlar);
    // One line of the file, as text, without its line end.
    static QString SatirMetni(const KonumKaydi& kayit);
    // A number as the file writes it: shortest form up to 15 significant digits, no
    // exponent, no grouping, decimal comma ("41,0082", "2", "-3,5").
    static QString SayiMetni(double sayi);
    // Whether the file can hold the text unchanged.
    static bool AdYazilabilir(const QString& ad);

private:
    KonumDosyasiSonucu Oku(QByteArray& veri) const;
    KonumDosyasiSonucu Yaz(const QByteArray& veri) const;

    QString m_yol;
    QString m_geciciYol;
    int m_atlanan = 0;
};
