#pragma once

#include "shell/gui/MesajKutusu.h"

// MesajKutusu over QMessageBox, with Turkish button captions.
class QtMesajKutusu : public MesajKutusu
{
public:
    void Goster(QWidget* sahip, Simge simge, const QString& baslik, const QString& metin) override;
    bool Sor(QWidget* sahip, const QString& baslik, const QString& metin) override;
};
