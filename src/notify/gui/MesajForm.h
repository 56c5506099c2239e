#pragma once

#include "notify/AdimliAnimasyon.h"
#include "notify/MesajAnimasyonu.h"

#include <QIcon>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class AnaPencereHedefi;
class Buton;
class ImlecKaynagi;
class QLabel;
class Zamanlayici;
class ZamanlayiciKaynagi;

// The advance-warning popup: grows out of the lower right corner above the taskbar while
// fading in, holds eight seconds (longer while the pointer rests on it), then shrinks and
// fades out. One instance serves the whole program; the main window creates it at start,
// parks it and keeps it until the end.
//
// The step arithmetic is MesajAnimasyonu's; two stepped animations move its W (four pixels
// every 10 ms) and this window applies each step: place, rounded shape and opacity, which
// follows from W. States: parked (never shown yet) -> Goster -> growing -> held (the hold
// timer) -> shrinking -> hidden -> Goster ...
//
// For a screen reader the popup is a notification whose name is its three texts as one
// sentence, announced when it appears; it never takes the focus.
class MesajForm : public QWidget
{
    Q_OBJECT
public:
    enum class Durum
    {
        Park,
        Buyuyor,
        Bekliyor,
        Kuculuyor,
        Gizli
    };

    static constexpr int AdimAraligi = 10;     // ms, one grow or shrink step
    static constexpr int BeklemeSuresi = 8000; // ms, the hold

    // Without sources the popup uses a real hold timer and the real pointer; without `ana` a
    // click on a text only hides it.
    explicit MesajForm(AnaPencereHedefi* ana = nullptr, ZamanlayiciKaynagi* zaman = nullptr,
                       ImlecKaynagi* imlec = nullptr, QWidget* parent = nullptr);
    ~MesajForm() override;

    // Shows the warning: the three texts go unchanged into Mesaj1, Sure and Mesaj2, and the
    // growth starts from W = 2000. A popup still growing, held or shrinking is taken back
    // to the start (its hold and shrinking stopped) and grows again with the new texts.
    void Goster(const QString& Mesaj1Metni, const QString& KalanSure, const QString& Mesaj2Metni);
    // Hides the texts and the close button and starts shrinking from where the window is.
    void Gizle();
    // Moves the popup beyond the right and bottom edges of the whole desktop.
    void Park();

    // The picture of MesajIcon; the general settings change it with the program icon.
    void setMesajIcon(const QIcon& simge);

    // The screen the popup grows on, in pixels (geometry and the part left free by panels).
    // Without it the primary screen's, read again at every Goster.
    void EkranSabitle(const QRect& ekran, const QRect& kullanilabilir);

    Durum durum() const { return durum_; }
    // The last alpha applied (0..255); values outside that range are never applied.
    int Alfa() const { return alfa_; }
    // The texts as given (the labels may show them shortened to fit).
    QString Mesaj1Metni() const { return metin_[0]; }
    QString KalanSure() const { return metin_[1]; }
    QString Mesaj2Metni() const { return metin_[2]; }
    // The three texts as one sentence, as a screen reader reads the popup.
    QString Cumle() const;

    // The controls, for the general settings (MesajIcon) and for tests.
    QLabel* BgImage = nullptr;
    QLabel* MesajIcon = nullptr;
    Buton* BtnKapat = nullptr;
    QLabel* Mesaj1 = nullptr;
    QLabel* Sure = nullptr;
    QLabel* Mesaj2 = nullptr;

signals:
    // The popup's region changed: width and height in pixels as given to the shape.
    void SekilDegisti(int bolgeGenisligi, int bolgeYuksekligi);

protected:
    void resizeEvent(QResizeEvent* e) override;
    // Closing stops the animations and the hold.
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void adimla(const QVariant& w);
    void buyumeBitti();
    void beklemeBitti();
    void kuculmeBitti();
    void metinTiklandi();
    void durdur();

    void ekraniOku();
    void sekilUygula(int bolgeGenisligi, int bolgeYuksekligi);
    // Alpha 0..255 becomes the window's opacity; any other value leaves it as it is.
    void SeffaflikUygula(int alfa);
    void icerigiGoster(bool goster);
    void metinleriYaz();

    AnaPencereHedefi* ana_ = nullptr;
    ImlecKaynagi* imlec_;
    MesajAnimasyonu anim_;
    AdimliAnimasyon* buyume_;
    AdimliAnimasyon* kuculme_;
    Zamanlayici* bekleme_;
    Durum durum_ = Durum::Park;
    int alfa_ = 255;
    QString metin_[3];
    bool ekranSabit_ = false;
    QRect ekran_;
    QRect kullanilabilir_;
};
