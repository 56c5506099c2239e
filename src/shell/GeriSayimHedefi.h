#pragma once

#include "shell/SesTuru.h"

#include <QDateTime>
#include <QString>

// Where the countdown's results go: the main window (labels, highlight, Hesapla, the sound)
// and the popup (Goster) implement it; tests and orvanel-cli record it. Every call is made
// synchronously from inside one tick and must return at once.
class GeriSayimHedefi
{
public:
    virtual ~GeriSayimHedefi() = default;

    // Every tick: the LKalan caption ("HH:MM:SS" to the next time) and its tooltip, which is
    // also the running period's LSonrakiVakit text. The texts are the countdown's reused
    // buffers: copy them to keep them.
    virtual void KalanGoster(const QString& kalan, const QString& ipucu) = 0;

    // Every tick: the LTSaat caption, "Saat : " and the time in the user's format.
    virtual void SaatGoster(const QString& saat) = 0;

    // A new period (also the first one found after start): LVakit ("Şimdi Öğle Vakti"),
    // LSonrakiVakit ("İkindi'ye Kalan Süre") and the row 0..5 whose label the highlight
    // AktifVakitBg moves behind (its top = the row label's top - 45 twips).
    virtual void VakitDegisti(int satir, const QString& vakitMetni,
                              const QString& sonrakiMetni) = 0;

    // The advance warning: the popup's Goster with its three texts (Mesaj1, Sure, Mesaj2).
    virtual void UyariGoster(const QString& oncu, const QString& sure, const QString& son) = 0;

    // Plays the sound at a full path that is not empty, of the kind given.
    virtual void SesCal(const QString& yol, SesTuru tur) = 0;

    // The date has changed since the times were last computed (midnight, or the first tick
    // after a gap): set SeciliTarih to `simdi` and run Hesapla before returning; the
    // countdown goes on in the same tick with the GunlukVakitler it was given.
    virtual void GunDegisti(const QDateTime& simdi) = 0;
};
