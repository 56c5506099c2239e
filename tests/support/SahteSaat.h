#pragma once

#include "platform/Saat.h"

// A clock that shows the moment it is set to.
class SahteSaat : public Saat
{
public:
    explicit SahteSaat(QDateTime an) : an_(std::move(an)) {}
    QDateTime Simdi() const override { return an_; }
    void Ayarla(const QDateTime& an) { an_ = an; }

private:
    QDateTime an_;
};
