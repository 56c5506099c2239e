#pragma once

#include <QDate>
#include <QWidget>

class Buton;
class DiniGunListesi;
class Etiket;

// Page 4, "Dini Günler": the religious days of one Gregorian year, with two small buttons
// that step to the year before and after.
class SayfaDiniGunler : public QWidget
{
    Q_OBJECT
public:
    explicit SayfaDiniGunler(QWidget* parent);

    // Shows the days of `yil` by the Hijri correction `hicriGun`, seen from `bugun`, the next
    // day's row at the top.
    void Goster(int yil, int hicriGun, const QDate& bugun);
    int Yil() const { return yil_; }

    Etiket* LYil;
    Buton* BtnOncekiYil;
    Buton* BtnSonrakiYil;
    DiniGunListesi* Liste;

private:
    int yil_ = 0;
    int hicriGun_ = 0;
    QDate bugun_;
};
