#pragma once

#include "shell/GenelAyarHedefi.h"

#include <QWidget>

class Buton;
class Etiket;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// Page 2, "Genel Ayarlar": the general options. Only widgets; GenelAyarlar holds the rules.
class SayfaGenel : public QWidget
{
    Q_OBJECT
public:
    explicit SayfaGenel(QWidget* parent);

    // `ustte` is the CurrentEvent of GAyarUstte, which lives in the title strip.
    GenelAyarFormu FormuOku(int ustte) const;
    void FormuGoster(const GenelAyarFormu& form);

    QCheckBox* GAyarAcilis;
    QCheckBox* GAyarSimge;
    QCheckBox* GAyarYazSaati;
    QCheckBox* GAyarDiniGun;
    QLineEdit* GAyarSeffaf;
    Buton* BtnArti;
    Buton* BtnEksi;
    QLineEdit* GAyarHicriGun;
    QRadioButton* GAyarIcon1;
    QRadioButton* GAyarIcon2;
    QLabel* GAIcon1;
    QLabel* GAIcon2;
    Buton* BtnAyarKaydet;
};
