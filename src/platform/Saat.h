#pragma once

#include <QDateTime>

// The wall clock. The program asks it for the present moment instead of the OS, so
// tests can run whole days in milliseconds.
class Saat
{
public:
    virtual ~Saat() = default;
    virtual QDateTime Simdi() const = 0;
};
