#pragma once

#include <QWidget>

#include <array>

class Buton;
class Etiket;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;

// Page 0, "Namaz Vakitleri": the six rows with their values, the highlight of the running
// row, the running and the next time with the time left, and the date-entry panel. Only
// widgets: the main window fills them and reacts to their signals.
class SayfaVakitler : public QWidget
{
    Q_OBJECT
public:
    explicit SayfaVakitler(QWidget* parent);

    // Row label tops, pixels inside the page, in the order of GunlukVakitler.
    static constexpr std::array<int, 6> SatirUstleri{31, 54, 77, 100, 123, 145};

    // Moves AktifVakitBg behind row `satir` (its top 3 pixels above the row label's).
    void VurguyuTasi(int satir);

    // The date-entry panel, built on its first use (its line edit and frame cost start-up
    // time most runs never use); true when this call built it.
    bool TarihCercevesiKur();

    Etiket* LVakit;
    std::array<Etiket*, 6> Satirlar; // LImsak .. LYatsi
    std::array<Etiket*, 6> Degerler; // VImsak .. VYatsi
    Etiket* LSonrakiVakit;
    Etiket* LKalan;
    QLabel* AktifVakitBg;

    // The date-entry panel: null until TarihCercevesiKur.
    QGroupBox* TarihSecFrame = nullptr;
    QLineEdit* TarihSec = nullptr;
    Buton* BtnTarihSec = nullptr;
    Buton* BtnBugun = nullptr;
};
