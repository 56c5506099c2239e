#pragma once

#include "shell/BolgeselAyarlar.h"

#include <QWidget>

class Buton;
class Etiket;
class KonumModeli;
class KonumSatirlari;
class ListeGorunumu;
class QCheckBox;
class QComboBox;
class QLineEdit;

// Page 1, "Bölgesel Ayarlar": the search box, the place list Db over the model Konumlar, the
// method and the alert options, and the two buttons. Only widgets and the rows;
// BolgeselAyarlar holds the rules.
class SayfaBolgesel : public QWidget
{
    Q_OBJECT
public:
    explicit SayfaBolgesel(QWidget* parent);

    BolgeselAyarFormu FormuOku() const;
    void FormuGoster(const BolgeselAyarFormu& form);
    // The rows replaced by these, the stored place's row made active.
    void ListeyiDoldur(KonumSatirlari satirlar, const SeciliKonum& yer);

    KonumModeli* Konumlar;
    QLineEdit* SehirAra;
    ListeGorunumu* Db;
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
