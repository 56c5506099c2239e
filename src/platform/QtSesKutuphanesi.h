#pragma once

#include "platform/SesKutuphanesi.h"

#include <QObject>
#include <QStringList>

// SesKutuphanesi over QtMultimedia (QMediaPlayer + QAudioOutput, one player per loaded file,
// freed when its sound ends, fails, is stopped or the library is closed). The backend is the
// module "orvanel_ses", loaded when a sound is first opened: QtMultimedia and the audio
// system's libraries cost start-up time and memory that a program which has played nothing
// need not pay. Without the module every load fails, as with an unreadable file, and the
// program stays silent. Needs a running Qt event loop.
class QtSesKutuphanesi : public QObject, public SesKutuphanesi
{
    Q_OBJECT
public:
    explicit QtSesKutuphanesi(QObject* parent = nullptr);
    // Looks for the module only in these folders, in this order.
    QtSesKutuphanesi(QStringList modulKlasorleri, QObject* parent = nullptr);
    ~QtSesKutuphanesi() override;

    // The program's folder, then the install layout's library folder beside it
    // ("../lib/<arch>/orvanel"); never a folder of the build.
    static QStringList VarsayilanKlasorler();

    // Whether the module has been loaded (it is tried once, on the first Ac).
    bool ModulYuklu() const { return arka_ != nullptr; }

    void Ac() override;
    void Kapat() override;
    int Yukle(const QString& yol) override;
    int Oynat(int ornek) override;
    void Durdur(int kanal) override;
    qint64 Konum(int kanal) const override;

private:
    void ModuluYukle();

    QStringList klasorler_;
    bool denendi_ = false;
    // The module's backend, a child of this object (so its players are children too).
    SesKutuphanesi* arka_ = nullptr;
};
