#pragma once

#include "notify/gui/QtTepsiSimgesi.h"

// The real notification area's icon on a desktop that has an area unless the test says
// otherwise, recording each time the icon is shown (true) or taken away, and the menu it was
// given.
class SahteTepsi : public QtTepsiSimgesi
{
public:
    bool AlanVar() const override { return Alan; }
    void Goster(bool g) override { gosterimler << g; }
    void MenuAyarla(QMenu* m) override { menu = m; }
    bool Gorunur() const { return gosterimler.value(gosterimler.size() - 1); }

    bool Alan = true;
    QList<bool> gosterimler;
    QMenu* menu = nullptr;
};
