#include "platform/gui/QtZamanlayici.h"

QtZamanlayici::QtZamanlayici(QObject* parent) : Zamanlayici(parent)
{
    zamanlayici_.setTimerType(Qt::PreciseTimer);
    connect(&zamanlayici_, &QTimer::timeout, this, &Zamanlayici::timeout);
}

void QtZamanlayici::setInterval(int ms)
{
    zamanlayici_.setInterval(ms);
}
void QtZamanlayici::start()
{
    zamanlayici_.start();
}
void QtZamanlayici::stop()
{
    zamanlayici_.stop();
}

namespace {
class QtZamanlayiciKaynagi : public ZamanlayiciKaynagi
{
public:
    Zamanlayici* Yeni(QObject* parent) override { return new QtZamanlayici(parent); }
};
} // namespace

ZamanlayiciKaynagi& QtZamanlayici::Kaynak()
{
    static QtZamanlayiciKaynagi kaynak;
    return kaynak;
}
