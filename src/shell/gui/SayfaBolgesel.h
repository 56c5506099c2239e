#pragma once

#include "locations/BolgeselAyarlar.h"

#include <QWidget>

class Buton;
class Etiket;
class ListBox;
class QCheckBox;
class QComboBox;
class QLineEdit;

// Page 1, "Bölgesel Ayarlar": the search box, the location list Db, the method and the alert
// options, and the two buttons. Only widgets; BolgeselAyarlar holds the rules.
class SayfaBolgesel : public QWidget
{
    Q_OBJECT
public:
    explicit SayfaBolgesel(QWidget* parent);

    BolgeselAyarFormu FormuOku() const;
    void FormuGoster(const BolgeselAyarFormu& form);

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
