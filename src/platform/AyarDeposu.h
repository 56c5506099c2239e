#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QSettings;

// How a stored text is read back.
enum class AyarTuru
{
    Mantiksal, // "True"/"False" or a number: 0 false, any other true
    Tamsayi16, // whole number, -32768..32767
    Tamsayi32, // whole number
    Sayi,      // number in the user's number format
    Metin,     // text as stored
};

// One key of the store with its default. PosX/PosY have no fixed default: it depends on the
// screen, so the caller supplies it.
struct AyarAnahtari
{
    const char* Ad;
    AyarTuru Tur;
    const char* Varsayilan; // default as written in C notation ("true", "41.02"); empty: none
    int EnAz;               // accepted whole-number range on reading (and saving, if Kesin)
    int EnCok;
    bool Kesin; // typed by the user as is: must be a whole number in range
};

// The per-user settings store: application "Orvanel", section "Vakit", every value text.
// Linux: $XDG_CONFIG_HOME/Orvanel/Orvanel.ini, group [Vakit]. Windows:
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Orvanel\Vakit.
//
// Numbers are written and read in the user's number format (QLocale(), which follows
// QLocale::setDefault and otherwise the system): up to 15 significant digits, no grouping.
class AyarDeposu
{
public:
    AyarDeposu();
    ~AyarDeposu();
    AyarDeposu(const AyarDeposu&) = delete;
    AyarDeposu& operator=(const AyarDeposu&) = delete;

    // Every key the program reads or writes, with its default.
    static const std::vector<AyarAnahtari>& Anahtarlar();
    static const AyarAnahtari* AnahtarBul(const QString& ad);

    // The stored text; when absent, the default turned into text the way a written value
    // would be (booleans "True"/"False", numbers in the user's number format).
    QString Oku(const QString& anahtar, const QString& varsayilan) const;
    QString Oku(const QString& anahtar, bool varsayilan) const;
    QString Oku(const QString& anahtar, double varsayilan) const;
    QString Oku(const QString& anahtar, int varsayilan) const;
    // With the default of the key table.
    QString Oku(const QString& anahtar) const;

    // Creates or replaces a value and writes it to disk at once. Nothing is ever deleted.
    void Yaz(const QString& anahtar, const QString& metin);
    void Yaz(const QString& anahtar, bool deger); // "True"/"False"
    void Yaz(const QString& anahtar, double deger);
    // Whether the last write reached the disk. False: the file could not be replaced; the
    // file on disk is as it was and the value holds for this run only.
    bool YazildiMi() const { return SonYazma; }

    // Typed reads with the table's default. A stored text that cannot be read as the key's
    // type, or lies outside its range, gives the default: a damaged store never stops the
    // program.
    bool MantiksalOku(const QString& anahtar) const;
    int TamsayiOku(const QString& anahtar) const;
    double SayiOku(const QString& anahtar) const;
    // PosX/PosY: the stored whole number, or nothing when absent or unreadable.
    std::optional<int> TamsayiVarsa(const QString& anahtar) const;

    // Text conversions of the store.
    static QString SayiMetni(double deger); // user's format, 15 digits, no grouping
    static std::optional<double> SayiCoz(const QString& metin); // user's format, then C
    static std::optional<bool> MantiksalCoz(const QString& metin);
    // A whole number: digits with an optional sign (surrounding spaces allowed), or a
    // number with a fraction, which rounds halves to even.
    static std::optional<int> TamsayiCoz(const QString& metin);

    // Checks a text the user typed for a whole-number key with a range (BADakika, HicriGun).
    // Empty when it may be stored, else the message to show (title "Uyarı").
    static QString Denetle(const QString& anahtar, const QString& metin);

private:
    std::unique_ptr<QSettings> Ayarlar;
    bool SonYazma = true;
};

// Messages of Denetle.
inline constexpr const char* BADakikaHataMetni =
    "Uyarı süresi 0 ile 546 arasında bir tam sayı olmalıdır (dakika).";
inline constexpr const char* HicriGunHataMetni =
    "Hicri Takvim düzeltmesi bir tam sayı olmalıdır (gün).";
