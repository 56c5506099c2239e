#pragma once

#include <QString>

class QWidget;

// The modal message boxes of the program, with their fixed texts, titles and icons. The
// windows ask this instead of QMessageBox, so a test can answer the boxes.
class MesajKutusu
{
public:
    enum class Simge
    {
        Yok,
        Bilgi,
        Dur,
    };

    virtual ~MesajKutusu() = default;
    // A box with an OK button.
    virtual void Goster(QWidget* sahip, Simge simge, const QString& baslik,
                        const QString& metin) = 0;
    // A box with the information icon and the buttons Yes and No; true for Yes.
    virtual bool Sor(QWidget* sahip, const QString& baslik, const QString& metin) = 0;
};
