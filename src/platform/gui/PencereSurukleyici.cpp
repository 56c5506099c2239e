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
        pencere_->windowHandle()) {
        pencere_->windowHandle()->startSystemMove();
        return;
    }
    const QPoint p = e->position().toPoint();
    tutmaTwip_ = QPoint(Twip::TwipX(p.x()), Twip::TwipY(p.y()));
    surukleniyor_ = true;
}

void PencereSurukleyici::Tasi(QMouseEvent* e)
{
    if (!surukleniyor_ || !(e->buttons() & Qt::LeftButton))
        return;
    const QPoint twip = Twip::SuruklemeKonumu(e->globalPosition().toPoint(), tutmaTwip_);
    pencere_->move(Twip::PikselX(twip.x()), Twip::PikselY(twip.y()));
}

void PencereSurukleyici::Birak(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        Sifirla();
}

void PencereSurukleyici::Sifirla()
{
    tutmaTwip_ = QPoint();
    surukleniyor_ = false;
}
