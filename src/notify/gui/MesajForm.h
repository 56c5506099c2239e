#pragma once

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
// The step arithmetic is MesajAnimasyonu's; this window only applies it. States: parked
// (never shown yet) -> Goster -> growing (GosterTimer) -> held (BeklemeTimer) -> shrinking
// (GizleTimer) -> hidden -> Goster ...
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

    static constexpr int GosterAraligi = 10;    // ms, one grow step
    static constexpr int BeklemeAraligi = 8000; // ms, the hold
    static constexpr int GizleAraligi = 10;     // ms, one shrink step

    // Without sources the popup uses real timers and the real pointer. `ana` may be given
    // later (the main window may be built after the popup).
    explicit MesajForm(AnaPencereHedefi* ana = nullptr, ZamanlayiciKaynagi* zaman = nullptr,
                       ImlecKaynagi* imlec = nullptr, QWidget* parent = nullptr);
    ~MesajForm() override;

    void setAnaPencere(AnaPencereHedefi* ana) { ana_ = ana; }

    // Shows the warning: the three texts go unchanged into Mesaj1, Sure and Mesaj2, and the
    // growth starts from W = 2000. A popup still growing, held or shrinking is taken back
    // to the start (its hold and hide stopped) and grows again with the new texts.
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
    const MesajAnimasyonu& Animasyon() const { return anim_; }
    // The last alpha applied (0..255); values outside that range are never applied.
    int Alfa() const { return alfa_; }
    // The texts as given (the labels may show them shortened to fit).
    QString Mesaj1Metni() const { return metin_[0]; }
    QString KalanSure() const { return metin_[1]; }
    QString Mesaj2Metni() const { return metin_[2]; }

    // The controls, for the general settings (MesajIcon) and for tests.
    QLabel* BgImage = nullptr;
    QLabel* MesajIcon = nullptr;
    Buton* BtnKapat = nullptr;
    QLabel* Mesaj1 = nullptr;
    QLabel* Sure = nullptr;
    QLabel* Mesaj2 = nullptr;
    Zamanlayici* GosterTimer = nullptr;
    Zamanlayici* BeklemeTimer = nullptr;
    Zamanlayici* GizleTimer = nullptr;

signals:
    // The popup's region changed: width and height in pixels as given to the shape.
    void SekilDegisti(int bolgeGenisligi, int bolgeYuksekligi);

protected:
    void resizeEvent(QResizeEvent* e) override;
    // Unloading: every timer stops and the window goes.
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void GosterTimer_Timer();
    void BeklemeTimer_Timer();
    void GizleTimer_Timer();
    void BtnKapat_EventChange();
    void MetinTiklandi();

    void ekraniOku();
    void adimiUygula();
    void sekilUygula(int bolgeGenisligi, int bolgeYuksekligi);
    // Alpha 0..255 becomes the window's opacity; any other value leaves it as it is.
    void SeffaflikUygula(int alfa);
    void icerigiGoster(bool goster);
    void metinleriYaz();

    AnaPencereHedefi* ana_ = nullptr;
    ImlecKaynagi* imlec_;
    MesajAnimasyonu anim_;
    Durum durum_ = Durum::Park;
    int alfa_ = 255;
    QString metin_[3];
    bool ekranSabit_ = false;
    QRect ekran_;
    QRect kullanilabilir_;
};
