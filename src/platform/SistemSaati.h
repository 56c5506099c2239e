#pragma once

#include "platform/Saat.h"

// The real clock: local time of the system.
class SistemSaati : public Saat
{
public:
    QDateTime Simdi() const override { return QDateTime::currentDateTime(); }
};
