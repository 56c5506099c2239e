#pragma once

#include "platform/AyarAnahtari.h"
#include "platform/Sonuc.h"

#include <QString>

#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>

class QSettings;

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

#ifdef Q_OS_WIN
    // The user's registry key the settings live under (their section is "Vakit").
    static const QString KayitDefteriAnahtari;
#endif

    // The stored text, or `varsayilan` when the key is absent.
    QString Oku(const QString& anahtar, const QString& varsayilan = QString()) const;

    // Creates or replaces every value (booleans as "True"/"False", numbers as SayiMetni
    // writes them) and then writes the file once; nothing is ever deleted. Fails with
    // AyarYazilamadiMetni when the file could not be replaced: the file on disk is as it was,
    // the values hold for this run only.
    Sonuc<> Yaz(std::initializer_list<std::pair<QString, QString>> degerler);
    // Whether the settings file can be written at all: nothing but a file stands where it
    // goes, and its folder takes files. Checked before a change that must not stay half done.
    bool Yazilabilir() const;

    // Typed reads with the key's default. A stored text that cannot be read as the key's
    // type, or lies outside its range, gives the default: a damaged store never stops the
    // program.
    bool Oku(const MantiksalAnahtar& a) const;
    int Oku(const TamsayiAnahtar& a) const;
    // PosX/PosY: the stored whole number, or nothing when absent or unreadable.
    std::optional<int> TamsayiVarsa(const QString& anahtar) const;

    // Text conversions of the store.
    static QString SayiMetni(double deger);                     // the stored form
    static std::optional<double> SayiCoz(const QString& metin); // any form ever stored
    static std::optional<bool> MantiksalCoz(const QString& metin);
    // A whole number: digits with an optional sign (surrounding spaces allowed), or a
    // number with a fraction, which rounds halves to even.
    static std::optional<int> TamsayiCoz(const QString& metin);

    // Whether a text the user typed may be stored for the key: a whole number in its range,
    // and for a Kesin key digits only, so that it reads back as typed.
    static bool Gecerli(const TamsayiAnahtar& a, const QString& metin);

private:
    std::unique_ptr<QSettings> ayarlar_;
};

// The settings file cannot be written: nothing was changed.
inline constexpr const char* AyarYazilamiyorMetni =
    "Ayarlar kaydedilemedi !\r\nAyar dosyasına yazılamıyor; hiçbir şey değiştirilmedi.";
// A write that did not reach the file: the values hold for this run only.
inline constexpr const char* AyarYazilamadiMetni =
    "Ayarlar kaydedilemedi !\r\nAyar dosyasına yazılamadı; önceki ayarlar korundu, "
    "değişiklikler yalnızca bu çalışmada geçerli.";
