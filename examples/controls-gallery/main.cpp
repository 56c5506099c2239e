#include "KontrolVitrini.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication uygulama(argc, argv);
    KontrolVitrini vitrin;
    vitrin.show();
    return uygulama.exec();
}
