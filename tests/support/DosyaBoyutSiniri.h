#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>

// While it lives, no file this process (or a program it starts) writes may grow past `bayt`
// bytes: a write beyond fails as on a full disk. It stops root too, whom no folder's mode
// stops.
class DosyaBoyutSiniri
{
public:
    explicit DosyaBoyutSiniri(qint64 bayt)
    {
        getrlimit(RLIMIT_FSIZE, &onceki_);
        sinyal_ = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending us
        rlimit r = onceki_;
        r.rlim_cur = static_cast<rlim_t>(bayt);
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~DosyaBoyutSiniri()
    {
        setrlimit(RLIMIT_FSIZE, &onceki_);
        std::signal(SIGXFSZ, sinyal_);
    }
    DosyaBoyutSiniri(const DosyaBoyutSiniri&) = delete;
    DosyaBoyutSiniri& operator=(const DosyaBoyutSiniri&) = delete;

private:
    rlimit onceki_{};
    void (*sinyal_)(int) = SIG_DFL;
};
#endif
