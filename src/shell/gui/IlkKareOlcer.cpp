#include "shell/gui/IlkKareOlcer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>

#include <cstdio>

bool IlkKareOlcer::eventFilter(QObject* nesne, QEvent* olay)
{
    if (!goruldu_ && olay->type() == QEvent::Paint) {
        goruldu_ = true;
        // Queued behind the paint, so the frame has reached the screen when it runs.
        QTimer::singleShot(0, this, [] {
            std::fprintf(stderr, "ilk-kare %lld\n",
                         static_cast<long long>(QDateTime::currentMSecsSinceEpoch()) * 1000000LL);
            std::fflush(stderr);
            QCoreApplication::exit(0);
        });
    }
    return QObject::eventFilter(nesne, olay);
}
