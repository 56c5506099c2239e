#include "platform/gui/PencereSurukleyici.h"

#include "platform/Twip.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

void PencereSurukleyici::Bas(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        Pencere->windowHandle()) {
        Pencere->windowHandle()->startSystemMove();
        return;
    }
    const QPoint p = e->position().toPoint();
    TutmaTwip = QPoint(Twip::TwipX(p.x()), Twip::TwipY(p.y()));
    Surukleniyor = true;
}

void PencereSurukleyici::Tasi(QMouseEvent* e)
{
    if (!Surukleniyor || !(e->buttons() & Qt::LeftButton))
        return;
    const QPoint twip = Twip::SuruklemeKonumu(e->globalPosition().toPoint(), TutmaTwip);
    Pencere->move(Twip::PikselX(twip.x()), Twip::PikselY(twip.y()));
}

void PencereSurukleyici::Birak(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        Sifirla();
}

void PencereSurukleyici::Sifirla()
{
    TutmaTwip = QPoint();
    Surukleniyor = false;
}
