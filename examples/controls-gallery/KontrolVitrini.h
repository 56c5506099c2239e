#pragma once

#include "DurgunZamanKaynagi.h"

#include <QWidget>

class Buton;
class QGridLayout;
class KaydirmaCubugu;
class ListeGorunumu;
class QLabel;

// One window showing every skinned control in every state: the picture buttons of the
// program in each of their picture sets idle, under the pointer, pressed and `Selected`;
// the masking, the empty and the faulty picture; the scrollbar at its ends, with its thumb
// and arrows hovered and pressed; the location list in its selection states; and
// a row of live controls to try by hand.
//
// The sample states are real states of the controls, reached by sending them the mouse
// events a user would; their timers never fire, so no pointer is needed to keep them.
class KontrolVitrini : public QWidget
{
    Q_OBJECT
public:
    explicit KontrolVitrini(QWidget* parent = nullptr);

    // Puts the samples into their states; done once, when the window is first shown (the
    // controls must have their final size first). Safe to call again.
    void DurumlariKur();

    // The text of the live row's event line, and the faulty button's error line.
    QString CanliOlay() const;

protected:
    void showEvent(QShowEvent* e) override;

private:
    enum class Durum
    {
        Normal,
        Uzerinde,
        Basili,
        Suruklenen
    };
    struct Ornek
    {
        QWidget* kontrol;
        Durum durum;
        QPoint nokta;
        QPoint hedef = {}; // where a dragged sample is held
    };

    Buton* skinButon(const QString& ad);
    KaydirmaCubugu* skinScroll(ZamanlayiciKaynagi* zaman);
    Buton* ornekButon(const QString& ad, int takim, Durum durum, bool secili = false);
    void butonBolumu(QGridLayout* izgara);
    void ozelBolum(QGridLayout* izgara);
    void kaydirmaBolumu(QGridLayout* izgara);
    void listeBolumu(QGridLayout* izgara);
    void canliBolum(QGridLayout* izgara);
    KaydirmaCubugu* ornekScroll();
    ListeGorunumu* ornekListe(int satirSayisi);

    DurgunZamanKaynagi durgun_;
    QList<Ornek> ornekler_;
    bool durumlarKuruldu_ = false;
    QLabel* canliOlay_ = nullptr;
};
