// orvanel-cli: the command-line front end. Needs no display: a command that draws gets a
// QGuiApplication on the offscreen platform.
#include "cli/KomutSatiri.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    const KomutSatiri komutlar;
    const Komut* komut = argc > 1 ? komutlar.KomutBul(QString::fromLocal8Bit(argv[1])) : nullptr;
    std::unique_ptr<QCoreApplication> uygulama;
    if (komut && komut->Cizer()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        uygulama = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        uygulama = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int sonuc =
        komutlar.Calistir(QCoreApplication::arguments().mid(1), out, err, KomutOrtami::Sistem());
    out.flush();
    err.flush();
    return sonuc;
}
