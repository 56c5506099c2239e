#pragma once

#include "platform/gui/ZamanlayiciKaynagi.h"

#include <QTimer>

// Zamanlayici over a precise QTimer (the controls' repeat periods are as short as 10 ms).
class QtZamanlayici : public Zamanlayici
{
    Q_OBJECT
public:
    explicit QtZamanlayici(QObject* parent = nullptr);
    void setInterval(int ms) override;
    void start() override;
    void stop() override;

    // The source of real timers, shared by controls that were given none.
    static ZamanlayiciKaynagi& Kaynak();

private:
    QTimer zamanlayici_;
};
