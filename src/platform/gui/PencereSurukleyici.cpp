#include "platform/gui/PencereSurukleyici.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

PencereSurukleyici::PencereSurukleyici(QWidget* pencere) : QObject(pencere), pencere_(pencere)
{
    pencere->installEventFilter(this);
}

bool PencereSurukleyici::eventFilter(QObject*, QEvent* olay)
{
    switch (olay->type()) {
    case QEvent::MouseButtonPress:
        Bas(static_cast<QMouseEvent*>(olay));
        break;
    case QEvent::MouseMove:
        Tasi(static_cast<QMouseEvent*>(olay));
        break;
    case QEvent::MouseButtonRelease:
        Birak(static_cast<QMouseEvent*>(olay));
        break;
    default:
        break;
    }
    return false;
}

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
