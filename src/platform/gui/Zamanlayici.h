#pragma once

#include <QObject>

// A repeating timer as the controls see it. Changing the interval of a running timer
// restarts it, as QTimer does; the controls rely on that for their repeat delays.
class Zamanlayici : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void setInterval(int ms) = 0;
    virtual void start() = 0;
    virtual void stop() = 0;

signals:
    void timeout();
};
