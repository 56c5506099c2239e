#pragma once

#include <QObject>
#include <QPoint>

class QMouseEvent;
class QWidget;

// Drags a frameless window by its background with the left button: the press point stays
// under the pointer. It watches the window's own mouse events (those no child took), so the
// window forwards nothing. On Wayland, where a window cannot place itself, the press hands
// the move to the compositor instead.
class PencereSurukleyici : public QObject
{
public:
    explicit PencereSurukleyici(QWidget* pencere);

    // Forgets a drag in progress (the window was hidden or reloaded).
    void Sifirla();

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void Bas(QMouseEvent* e);
    void Tasi(QMouseEvent* e);
    void Birak(QMouseEvent* e);

    QWidget* pencere_;
    QPoint tutma_; // the press point in the window
    bool surukleniyor_ = false;
};
