#pragma once

#include "locations/KonumListesi.h"
#include "shell/BolgeselAyarlar.h"

#include <QWidget>

class Buton;
class Etiket;
class ListBox;
class QCheckBox;
class QComboBox;
class QLineEdit;

// Page 1, "Bölgesel Ayarlar": the search box, the location list Db over the place rows
// Konumlar, the method and the alert options, and the two buttons. Only widgets and the rows;
// BolgeselAyarlar holds the rules.
class SayfaBolgesel : public QWidget
{
    Q_OBJECT
public:
    explicit SayfaBolgesel(QWidget* parent);

    BolgeselAyarFormu FormuOku() const;
    void FormuGoster(const BolgeselAyarFormu& form);
    // The rows replaced by these (taken), the stored place's row made active.
    void ListeyiDoldur(clsFastCollection& satirlar, const SeciliKonum& yer);
    // The row the user sees selected, else 0.
    int SeciliSatir() const;

    KonumListesi Konumlar;
    QLineEdit* SehirAra;
    ListBox* Db;
    QComboBox* AyarHesap;
    QCheckBox* AyarEzan;
    QCheckBox* AyarUyari;
    QLineEdit* AyarDakika;
    QCheckBox* AyarSesliUyari;
    Buton* BtnSehirEkle;
    Buton* BtnBolgeKaydet;

private:
    void AramaDegisti(const QString& metin);
};
