#pragma once

#include <QString>

class KonumDosyasi;
class KonumSatirlari;
struct Hata;
struct KonumKaydi;

// The state of the "Bölgesel Ayarlar" page's option controls.
struct BolgeselAyarFormu
{
    bool Ezan = true;        // AyarEzan
    bool Uyari = true;       // AyarUyari
    QString Dakika = "15";   // AyarDakika, as typed
    bool Sesli = true;       // AyarSesliUyari
    int Hesap = 0;           // index selected in AyarHesap
    bool DakikaEtkin = true; // AyarDakika and AyarSesliUyari enabled (follows Uyari)

    bool operator==(const BolgeselAyarFormu& o) const
    {
        return Ezan == o.Ezan && Uyari == o.Uyari && Dakika == o.Dakika && Sesli == o.Sesli &&
               Hesap == o.Hesap && DakikaEtkin == o.DakikaEtkin;
    }
};

// What the regional routines read from and do to the window; the main window implements it.
class BolgeselAyarHedefi
{
public:
    virtual ~BolgeselAyarHedefi() = default;

    // The place list Db: rows from 0, -1 for none. The selected row, the active row (the
    // place in use), and the current row: where the keys move from, not drawn as selected.
    virtual int ListeSecili() const = 0;
    virtual int ListeAktif() const = 0;
    virtual void setListeAktif(int satir) = 0;
    virtual void setListeGecerli(int satir) = 0;
    // The place on the row, or nullptr outside the list.
    virtual const KonumKaydi* ListeSatiri(int satir) const = 0;
    // The list's rows replaced by these (data.db as it is now), in their order.
    virtual void ListeyiDoldur(KonumSatirlari satirlar) = 0;

    // The page's controls as they stand now, and putting values on them.
    virtual BolgeselAyarFormu FormuOku() const = 0;
    virtual void FormuGoster(const BolgeselAyarFormu& form) = 0;

    // LUlke and LSehir captions and the LSehir tool tip.
    virtual void YerGoster(const QString& ulke, const QString& sehir, const QString& ipucu) = 0;
    // BtnEzan: enabled pictures (ButtonEvents 1, CurrentEvent 0) or disabled (2, 2).
    virtual void EzanDugmesi(bool etkin) = 0;

    // A warning box with an OK button, no icon.
    virtual void Uyar(const QString& baslik, const QString& metin) = 0;
    // The method question with the information icon, Yes and No; true for Yes.
    virtual bool Onayla(const QString& baslik, const QString& metin) = 0;
};

// What applying new regional settings asks of the running program.
class BolgeselUygulamaHedefi
{
public:
    virtual ~BolgeselUygulamaHedefi() = default;

    // Recomputes the day's times from the working values.
    virtual void Hesapla() = 0;
    // Opens a new warning window: the period's warning may be given again.
    virtual void UyariyiSifirla() = 0;
    // data.db as this program reads and writes it (the user's copy for a read-only install).
    virtual KonumDosyasi Yerler() const = 0;
    // data.db has gone since the start: the program shows why and ends.
    virtual void DosyaKayboldu(const Hata& hata) = 0;
};
