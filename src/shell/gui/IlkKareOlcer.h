#pragma once

#include <QObject>

// Start-up measurement: once the watched window has painted its first frame, writes the
// wall-clock time of that moment ("ilk-kare <ns since the epoch>") to stderr and ends the
// program. main() installs it only when ORVANEL_ILK_KAREDE_CIK is set (bench/baslangic.sh).
class IlkKareOlcer : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    bool goruldu_ = false;
};
