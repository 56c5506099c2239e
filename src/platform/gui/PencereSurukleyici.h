#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

// Drags a frameless window by its background with the left button: the press point stays
// under the pointer. On Wayland, where a window cannot place itself, the press
// hands the move to the compositor instead.
class PencereSurukleyici
{
public:
    explicit PencereSurukleyici(QWidget* pencere) : pencere_(pencere) {}

    void Bas(QMouseEvent* e);
    void Tasi(QMouseEvent* e);
    void Birak(QMouseEvent* e);
    // Forgets a drag in progress (the window was hidden or reloaded).
    void Sifirla();

private:
    QWidget* pencere_;
    QPoint tutma_; // the press point in the window
    bool surukleniyor_ = false;
};
