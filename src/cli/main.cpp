// orvanel-cli: the command-line front end. Needs no display: a command that draws gets a
// QGuiApplication on the offscreen platform.
#include "cli/KomutSatiri.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

QtMessageHandler qtYazicisi = nullptr;

// Without XDG_RUNTIME_DIR (cron, ssh) Qt warns that it takes a folder of its own; the
// commands keep nothing there, so the warning would only puzzle their user.
void Yazici(QtMsgType tur, const QMessageLogContext& yer, const QString& mesaj)
{
    if (tur == QtWarningMsg &&
        mesaj.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    qtYazicisi(tur, yer, mesaj);
}

} // namespace

int main(int argc, char* argv[])
{
    qtYazicisi = qInstallMessageHandler(Yazici);
#ifdef Q_OS_WIN
    // The bytes the commands write, as on every platform: text mode would make each "\n"
    // "\r\n", and the CR LF an iCalendar line ends with "\r\r\n".
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
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
