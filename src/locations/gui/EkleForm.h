#pragma once

#include "locations/KonumEkleme.h"
#include "platform/gui/PencereSurukleyici.h"

#include <QPixmap>
#include <QWidget>

class Buton;
class OneriGonderici;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The add-location dialog: a modeless 242 x 221 frameless window with a rounded shape, in
// which the user types a place the database lacks. Saving has the main window add it
// (data.db, the list, the chosen place) and, when SEKonumGonder is checked, suggests it to the
// product's web site.
//
// Loaded and unloaded like a window of its own: Ac loads it (fields reset) unless it is
// already loaded, then shows it; a save only hides it, so it reopens with the fields as they
// were; cancel and close unload it.
// With a parent (the main window) it is that window's dialog: the window manager keeps it
// above that window, an always-on-top one included, as a plain top-level window would not be.
// Each load places it over the parent's middle.
class EkleForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Genislik = 242;
    static constexpr int Yukseklik = 221;

    explicit EkleForm(EkleHedefi& hedef, QWidget* parent = nullptr);
    ~EkleForm() override;

    // BtnSehirEkle: loads when unloaded, then shows.
    void Ac();
    // BtnIptal, BtnKapat and the program's end: hides and unloads.
    void Kapat();
    bool Yuklu() const { return yuklu_; }

    // BtnKaydet.
    void KaydetTiklandi();

    // The fields as they stand.
    EkleGirdisi Girdi() const;
    OneriGonderici& Gonderici() const { return *gonderici_; }

    QLineEdit* SEUlke;
    QLineEdit* SESehir;
    QComboBox* SESaatDilimi;
    QLineEdit* SEEnlem;
    QLineEdit* SEBoylam;
    QCheckBox* SEKonumGonder;
    Buton* BtnKaydet;
    Buton* BtnIptal;
    Buton* BtnKapat;

protected:
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void KontrolleriKur();
    // The first opening and each after a close: the initial contents, the time-zone lists and the
    // shape.
    void IlkHaleGetir();

    EkleHedefi& hedef_;
    OneriGonderici* gonderici_;
    QPixmap arkaplan_;
    bool yuklu_ = false;
    PencereSurukleyici surukleyici_{this};
};
