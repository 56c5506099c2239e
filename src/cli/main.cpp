// orvanel-cli: the command-line front end. Needs no display.
#include "cli/KomutSatiri.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication uygulama(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int sonuc = KomutSatiri().Calistir(QCoreApplication::arguments().mid(1), out, err,
                                             KomutOrtami::Sistem());
    out.flush();
    err.flush();
    return sonuc;
}
