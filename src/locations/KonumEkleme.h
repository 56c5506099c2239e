#pragma once

#include "locations/KonumDosyasi.h"
#include "locations/KonumKaydi.h"
#include "locations/KonumSatirlari.h"

#include <QString>
#include <QUrl>

#include <array>
#include <optional>

// One entry of the add-location dialog's time-zone list: the value stored as Tz (hours,
// decimal comma) and the label shown for it.
struct SaatDilimi
{
    const char* Deger;
    const char* Etiket;
};

// What the user typed for a new place, untouched: the checks, the duplicate message and the
// suggestion use the texts as typed; only the stored row is trimmed and converted.
struct EkleGirdisi
{
    QString Ulke;
    QString Sehir;
    int SaatDilimi = 16; // position in KonumEkleme::SaatDilimleri()
    QString Enlem;
    QString Boylam;
};

// Adding a place, without the widgets: the checks of the save button, the new row, the
// suggestion address and, for the command line, the whole append to data.db. The dialog and
// `orvanel-cli ekle` share it, so both refuse the same inputs with the same messages.
class KonumEkleme
{
public:
    static constexpr int SaatDilimiSayisi = 33;
    // The Neden of an input the checks refuse, beside the KonumDosyasiNedeni values.
    static constexpr int GirdiReddi = 100;
    static constexpr int VarsayilanSaatDilimi = 16; // "GMT +2:00) İstanbul, ..."
    static const QString VarsayilanUlke;            // "Türkiye"

    static const std::array<SaatDilimi, SaatDilimiSayisi>& SaatDilimleri();
    // The position of the entry whose value is `saat` hours, or -1. Both "5,75" and "5.75"
    // name the same entry.
    static int SaatDilimiBul(const QString& saat);

    // The save button's checks in their order: completeness, duplicate (against `satirlar`),
    // latitude, longitude; then what keeps data.db sound: names the file can hold and an Id
    // the file can number. A refusal is GirdiReddi with the message to show.
    static Sonuc<> Denetle(const EkleGirdisi& g, const KonumSatirlari& satirlar);

    // The row to append: Id one past the last row's (1 for an empty list), the names with
    // their surrounding spaces removed, Tz from the chosen entry. Only after Denetle passed.
    static KonumKaydi YeniKayit(const EkleGirdisi& g, const KonumSatirlari& satirlar);

    // The suggestion request: `kok` (the product's web address) + "/oner.php" with ulke,
    // sehir, tz, enlem and boylam in this order, each value as typed, percent-encoded UTF-8.
    static QUrl OneriAdresi(const QString& kok, const EkleGirdisi& g);

    // The whole add, for the dialog and the command line alike: under the lock beside
    // data.db, reads it as it is on disk now, checks the input against those rows (Denetle),
    // appends the new row as one line and replaces the file. A failure of the lock, the read
    // or the write has its KonumDosyasiNedeni; a refused input has GirdiReddi and the check's
    // message as its own. data.db is untouched unless the add succeeded.
    struct Eklenen
    {
        KonumKaydi Kayit;        // the appended row
        KonumSatirlari Satirlar; // every row of data.db as read, the new one last
    };
    // `atlanan`, when given: the unreadable lines of data.db, kept as they are.
    static Sonuc<Eklenen> DosyayaEkle(KonumDosyasi& dosya, const EkleGirdisi& g,
                                      QVector<int>* atlanan = nullptr);
};

// What the add dialog's save asks of the running program.
class EkleHedefi
{
public:
    virtual ~EkleHedefi() = default;

    // Adds the place: appends it to data.db as it is on disk now, refills the list with the
    // new row active and selected, makes it the chosen place and recomputes the day's times.
    // A failure has been shown to the user when this returns, and nothing was added; a
    // missing data.db ends the program, which unloads the dialog.
    virtual Sonuc<> KonumEkle(const EkleGirdisi& girdi) = 0;
};
