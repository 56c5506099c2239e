#include "platform/gui/PencereSurukleyici.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

void PencereSurukleyici::Bas(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        pencere_->windowHandle()) {
        pencere_->windowHandle()->startSystemMove();
        return;
    }
    tutma_ = e->position().toPoint();
    surukleniyor_ = true;
}

void PencereSurukleyici::Tasi(QMouseEvent* e)
{
    if (!surukleniyor_ || !(e->buttons() & Qt::LeftButton))
        return;
    pencere_->move(e->globalPosition().toPoint() - tutma_);
}

void PencereSurukleyici::Birak(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        Sifirla();
}

void PencereSurukleyici::Sifirla()
{
    tutma_ = QPoint();
    surukleniyor_ = false;
}
