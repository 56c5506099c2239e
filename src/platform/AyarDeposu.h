#pragma once

#include <QString>

#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>
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
    bool Kesin;   // typed by the user as is: must be a whole number in range
    bool Sinirla; // a stored number outside the range is taken as the nearest end of it,
                  // not as the default
};

// The per-user settings store: application "Orvanel", section "Vakit", every value text.
// Linux: $XDG_CONFIG_HOME/Orvanel/Orvanel.ini, group [Vakit]. Windows:
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Orvanel\Vakit.
//
// Numbers are stored in one form whatever the user's locale ("41.02", "-3.5": Sayi::Yaz) and
// read in that form and in the user's number format of any locale, which earlier versions
// wrote (Sayi::SakliCoz).
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
    // Writes every pair and then the file once; false when the file could not be replaced
    // (the values then hold for this run only).
    bool Yaz(std::initializer_list<std::pair<QString, QString>> degerler);
    // Whether the settings file can be written at all: nothing but a file stands where it
    // goes, and its folder takes files. Checked before a change that must not stay half done.
    bool Yazilabilir() const;
    // Whether the last write reached the disk. False: the file could not be replaced; the
    // file on disk is as it was and the value holds for this run only.
    bool YazildiMi() const { return sonYazma_; }

    // Typed reads with the table's default. A stored text that cannot be read as the key's
    // type, or lies outside its range, gives the default: a damaged store never stops the
    // program.
    bool MantiksalOku(const QString& anahtar) const;
    int TamsayiOku(const QString& anahtar) const;
    double SayiOku(const QString& anahtar) const;
    // PosX/PosY: the stored whole number, or nothing when absent or unreadable.
    std::optional<int> TamsayiVarsa(const QString& anahtar) const;

    // Text conversions of the store.
    static QString SayiMetni(double deger);                     // the stored form
    static std::optional<double> SayiCoz(const QString& metin); // any form ever stored
    static std::optional<bool> MantiksalCoz(const QString& metin);
    // A whole number: digits with an optional sign (surrounding spaces allowed), or a
    // number with a fraction, which rounds halves to even.
    static std::optional<int> TamsayiCoz(const QString& metin);

    // Checks a text the user typed for a whole-number key with a range (BADakika, HicriGun).
    // Empty when it may be stored, else the message to show (title "Uyarı").
    static QString Denetle(const QString& anahtar, const QString& metin);

private:
    std::unique_ptr<QSettings> ayarlar_;
    bool sonYazma_ = true;
};

// The settings file cannot be written: nothing was changed.
inline constexpr const char* AyarYazilamiyorMetni =
    "Ayarlar kaydedilemedi !\r\nAyar dosyasına yazılamıyor; hiçbir şey değiştirilmedi.";
// A write that did not reach the file: the values hold for this run only.
inline constexpr const char* AyarYazilamadiMetni =
    "Ayarlar kaydedilemedi !\r\nAyar dosyasına yazılamadı; önceki ayarlar korundu, "
    "değişiklikler yalnızca bu çalışmada geçerli.";

// Messages of Denetle.
inline constexpr const char* BADakikaHataMetni =
    "Uyarı süresi 0 ile 546 arasında bir tam sayı olmalıdır (dakika).";
inline constexpr const char* HicriGunHataMetni =
    "Hicri Takvim düzeltmesi bir tam sayı olmalıdır (gün).";
