#pragma once

#include "locations/KonumKaydi.h"
#include "platform/Sonuc.h"

#include <QByteArray>
#include <QFile>
#include <QLockFile>
#include <QString>
#include <QVector>

#include <memory>

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
// data.db is there but cannot be read as a places file.
inline constexpr KonumMesaji DosyaOkunamadiMesaji{
    "Dosya Bulunamadı", "'Data.db' dosyası okunamadı !\r\nLütfen programı yeniden kurunuz."};
// A name the file cannot hold ("|", a line break, or a letter outside the Turkish code page).
inline constexpr KonumMesaji GecersizAdMesaji{
    "Uyarı", "Ülke ve şehir adlarında \"|\" işareti, satır sonu ve Türkçe dışı alfabelerin "
             "harfleri kullanılamaz."};

// A data.db the user made read-only is not replaced.
inline constexpr KonumMesaji SaltOkunurMesaji{
    "Uyarı", "'Data.db' dosyası salt okunur !\r\nYeni Şehir / Bölge eklenmedi."};
// Another writer held the file longer than a writer waits.
inline constexpr KonumMesaji KilitliMesaji{
    "Uyarı", "'Data.db' dosyasına başka bir işlem yazıyor.\r\nLütfen biraz sonra yeniden "
             "deneyiniz."};

// Why a read or write of data.db failed: the Neden of its Sonuc.
enum class KonumDosyasiNedeni
{
    Tamam,
    DosyaYok,   // data.db is missing: show DosyaBulunamadiMesaji and end
    Okunamadi,  // data.db exists but cannot be read
    DosyaDegil, // not a regular file (a folder, a device)
    CokBuyuk,   // far larger than a places file can be (EnBuyukBoyut)
    Yazilamadi, // the rewrite failed; data.db is untouched (DosyaYazilamadiMesaji)
    SaltOkunur, // the user made data.db read-only; it is left as it is
    Kilitli,    // another writer holds the lock beside data.db
    GecersizAd  // a row the reader would not take back (a name as GecersizAdMesaji says, a
                // number that is not finite, an Id beyond 16 bits); nothing was written
};

// The message box for a read or write of data.db that did not succeed.
KonumMesaji KonumDosyasiMesaji(KonumDosyasiNedeni neden);
// The failure of a read or write of data.db, with its message box.
Hata KonumDosyasiHatasi(KonumDosyasiNedeni neden);

// data.db in the program folder: Windows-1254 text, lines "Id|Ulke|Sehir|Tz|Enlem|Boylam"
// separated by CR LF (only the pair ends a line), numbers with a decimal comma.
//
// Reading skips empty lines and unreadable ones (fewer than six fields, an Id that is not a
// 16-bit integer, a number that is not one or lies outside the range of its kind) and
// remembers their line numbers; fields past the sixth are ignored and texts are kept
// verbatim. Both "," and "." are taken as the decimal mark.
//
// The file only grows: an added place is one line appended to the bytes on disk, every other
// byte (unreadable lines too) unchanged. Writers take a lock beside the file, read it again
// under the lock and replace it in one step (a new file beside it, flushed to disk, renamed
// over it), so two writers never lose each other's lines and the folder always holds a
// complete data.db. The file keeps its permissions and owner; a link keeps pointing at it and
// the file it names is the one written.
//
// An installed program never writes its installed data.db, and a portable folder may be
// read-only: each user then adds to a copy in their own data folder, made by the first add
// from the shipped file and read instead of it from then on (Kurulu).
class KonumDosyasi
{
public:
    static const QString DosyaAdi; // "data.db"
    // Larger files are refused unread: 8000 places take about 200 KiB.
    static constexpr qint64 EnBuyukBoyut = 64 * 1024 * 1024;

    // klasor: the program folder, with or without a trailing separator.
    explicit KonumDosyasi(const QString& klasor);
    // A location file under another name.
    static KonumDosyasi DosyaYolu(const QString& yol);
    // data.db of `veriKlasoru` when `kullaniciKlasoru` is empty (a writable portable folder),
    // else the user's copy in `kullaniciKlasoru`, read from the shipped file until the first
    // add makes it (KurulumKlasorleri::Kullanici chooses).
    static KonumDosyasi Kurulu(const QString& veriKlasoru, const QString& kullaniciKlasoru);

    // The file written.
    QString Yol() const;
    // The file read: Yol(), or the installed file while the user's copy does not exist.
    QString OkunanYol() const;

    // Whether the file is there and can be read as a places file (without reading it).
    Sonuc<> Denetle() const;
    // Records in file order.
    Sonuc<> DosyadanOku(QVector<KonumKaydi>& kayitlar);
    // Line numbers (1-based, counting every CR LF) of the lines the last read skipped.
    const QVector<int>& AtlananSatirlar() const { return atlanan_; }

    // The lock beside data.db that writers hold while they read and replace it. A lock left
    // by a process that died is taken over at once.
    class Kilit
    {
    public:
        explicit Kilit(const KonumDosyasi& dosya, int beklemeMs = 10000);
        ~Kilit();
        Kilit(const Kilit&) = delete;
        Kilit& operator=(const Kilit&) = delete;
        // Held, or failed as Kilitli, or as Yazilamadi when no lock can be made there.
        const Sonuc<>& Durum() const { return durum_; }

    private:
        std::unique_ptr<QLockFile> kilit_;
        Sonuc<> durum_;
    };

    // Appends the record as one line after the bytes of the last read (CR LF between them
    // unless they end in one) and replaces the file with the result. Call with the Kilit
    // held, after a read made under it.
    Sonuc<> SatirEkle(const KonumKaydi& kayit);

    // The conversions alone, without the file.
    static QVector<KonumKaydi> Coz(const QByteArray& veri, QVector<int>* atlanan = nullptr);
    static QByteArray Kodla(const QVector<KonumKaydi>& kayitlar);
    // One line of the file, as text, without its line end.
    static QString SatirMetni(const KonumKaydi& kayit);
    // A number as the file writes it: shortest form up to 15 significant digits, no
    // exponent, no grouping, decimal comma ("41,0082", "2", "-3,5").
    static QString SayiMetni(double sayi);
    // Whether the file can hold the text unchanged.
    static bool AdYazilabilir(const QString& ad);
    // What the reader would take back unchanged: its Id range, names, numbers in range.
    static bool SatirYazilabilir(const KonumKaydi& kayit);

private:
    // Opens the file read for reading when it can be read as a places file.
    Sonuc<> Ac(QFile& dosya) const;
    Sonuc<> Oku();
    Sonuc<> Yaz(const QByteArray& veri) const;
    // The file the path names, links followed; empty when it does not exist.
    QString Hedef() const;

    QString yol_;
    QString kurulu_;  // the installed data.db when yol_ is the user's copy
    QByteArray veri_; // the bytes of the last read
    QVector<int> atlanan_;
};
