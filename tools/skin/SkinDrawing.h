#pragma once

#include <QPainter>

// The drawings of the skin, one routine a picture or a set of pictures; SkinPictures lists
// them with their names and sizes.
namespace SkinDrawing {

enum class Durum
{
    Normal,
    Over,
    Down
};

struct DurumBilgisi
{
    Durum durum;
    const char* ek; // file name suffix
    const char* ad; // wording in the README
};

// One picture set in the order the control lists it: idle, pressed, pointer over.
extern const DurumBilgisi durumlar[3];

enum class DugmeTuru
{
    Duz,
    Kaydet,
    Iptal
};

// Main window, 242 x 341.
void anaArkaplan(QPainter& p);

// Popup, 197 x 116.
void mesajArkaplan(QPainter& p);

// Add-location dialog, 242 x 221.
void ekleArkaplan(QPainter& p);

void sekme(QPainter& p, int i, bool secili, Durum d);

void kapat(QPainter& p, void (*arkaplan)(QPainter&), QPoint yer, Durum d);

void ustte(QPainter& p, bool acik, Durum d);

// Ezan button: set 0 ready, set 1 playing, set 2 switched off.
void ezan(QPainter& p, int takim, Durum d);

void dugme(QPainter& p, QSize boyut, DugmeTuru tur, Durum d);

void kaydirmaIzi(QPainter& p, qreal yukseklik);

void kaydirmaOku(QPainter& p, bool yukari, Durum d);

void kaydirmaTutamagi(QPainter& p, Durum d);

void aktifVakit(QPainter& p);

void programSimgesi(QPainter& p, qreal n);

void ikinciSimge(QPainter& p, qreal n);

} // namespace SkinDrawing
