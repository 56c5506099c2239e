#pragma once

#include "shell/DiniGunSatirlari.h"

#include <QWidget>

#include <vector>

class KaydirmaCubugu;

// The rows of the "Dini Günler" page, drawn three lines each (the name; the date with its
// weekday; the Hijri date, with the time left on the next day's row), scrolled a row at a time
// with the skin's scrollbar at the right edge. Past rows are dimmed, the next one highlighted.
class DiniGunListesi : public QWidget
{
    Q_OBJECT
public:
    static constexpr int SatirYuksekligi = 44;

    explicit DiniGunListesi(QWidget* parent);

    void setSatirlar(std::vector<DiniGunSatirlari::Satir> satirlar);
    const std::vector<DiniGunSatirlari::Satir>& Satirlar() const { return satirlar_; }

    // The first row in view (0-based); kept within what the list can scroll to.
    int UstSatir() const { return ust_; }
    void setUstSatir(int satir);
    // Scrolls the next day's row to the second place from the top (the day before it above),
    // as far as the list goes; the top otherwise.
    void SiradakiniGoster();
    // Rows wholly in view.
    int Gorunen() const;
    // The width the texts of a row may take, left of the scrollbar.
    int MetinGenisligi() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void kaydirmayiEsitle();

    KaydirmaCubugu* vs_;
    std::vector<DiniGunSatirlari::Satir> satirlar_;
    int ust_ = 0;
    int tekerBirikimi_ = 0;
};
