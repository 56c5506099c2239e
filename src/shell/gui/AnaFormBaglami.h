#pragma once

#include <QString>

class MesajKutusu;
class OturumAcmaKaydi;
class Saat;
class SesKutuphanesi;
class TepsiSimgesi;
class YazSaatiKaynagi;

// What the main window is given from outside: the clock, the daylight-saving rule, the sound
// library, the logon entry, the message boxes and the folders of its files. main() hands it the
// real ones; tests hand it a fixed clock, a folder of their own and a box that answers.
struct AnaFormBaglami
{
    const Saat* SaatKaynagi = nullptr;
    const YazSaatiKaynagi* YazSaati = nullptr;
    SesKutuphanesi* Ses = nullptr;
    OturumAcmaKaydi* Oturum = nullptr; // may be null: no logon entry is kept
    MesajKutusu* Mesaj = nullptr;
    QString VeriKlasoru;           // data.db and the sounds, ends with "/"
    TepsiSimgesi* Tepsi = nullptr; // the notification area; null: the real one
    QString KullaniciKlasoru{};    // the user's copy of data.db for added places; empty: none
};
