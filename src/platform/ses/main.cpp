// orvanel-ses, the sound player: plays one file and ends when the sound ends. The program
// starts it for each sound (QtSesKutuphanesi), so that QtMultimedia and the audio system's
// libraries live only as long as a sound and never in the program itself. The program stops
// it by ending it; the player also ends as soon as its standard input closes, which happens
// when the program that holds the other end of the pipe ends, however it ends.
//
//   orvanel-ses FILE      exit status 0: played to its end, 1: could not play, 2: usage
//   (standalone: sleep 60 | orvanel-ses FILE)
#include "platform/ses/MultimediaOynatici.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <thread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <unistd.h>
#endif

namespace {

// Waits on a thread of its own for the standard input to close (end of file or a broken pipe)
// and then ends the process at once, without unwinding: the sound stops with it.
void GirdiKapanincaBitir()
{
    std::thread([] {
#ifdef Q_OS_WIN
        const HANDLE girdi = GetStdHandle(STD_INPUT_HANDLE);
        char c;
        DWORD okunan = 0;
        while (girdi != nullptr && girdi != INVALID_HANDLE_VALUE &&
               ReadFile(girdi, &c, 1, &okunan, nullptr) && okunan > 0) {
        }
        TerminateProcess(GetCurrentProcess(), 0);
#else
        // Nothing else reads the standard input: no stream lock is needed.
        for (;;) {
            if (getchar_unlocked() != EOF)
                continue;
            if (ferror_unlocked(stdin) && errno == EINTR) {
                clearerr_unlocked(stdin);
                continue;
            }
            break;
        }
        _exit(0);
#endif
    }).detach();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fputs("orvanel-ses FILE\n", stderr);
        return 2;
    }
    GirdiKapanincaBitir();

    MultimediaOynatici oynatici;
    QObject::connect(&oynatici, &MultimediaOynatici::Bitti, &app, &QCoreApplication::exit);
    oynatici.Cal(args.at(1));
    return app.exec();
}
