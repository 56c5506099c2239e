#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#endif

// Processes a test watches without owning them: whether one still runs (one that has ended
// but is not yet reaped counts as ended) and ending one from outside, as a crash would.
inline bool SurecCalisiyor(qint64 no)
{
#ifdef Q_OS_WIN
    const HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(no));
    if (!h)
        return false;
    const bool calisiyor = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
    CloseHandle(h);
    return calisiyor;
#else
    QFile durum(QStringLiteral("/proc/%1/stat").arg(no));
    if (no <= 0 || !durum.open(QIODevice::ReadOnly))
        return false;
    const QByteArray s = durum.readAll();
    const qsizetype i = s.lastIndexOf(')') + 2; // the state follows the name in parentheses
    return i > 1 && i < s.size() && s[i] != 'Z' && s[i] != 'X';
#endif
}

inline void SurecOldur(qint64 no)
{
#ifdef Q_OS_WIN
    if (const HANDLE h = OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(no))) {
        TerminateProcess(h, 1);
        CloseHandle(h);
    }
#else
    ::kill(static_cast<pid_t>(no), SIGKILL);
#endif
}

// Ended within three seconds: at once, long before a sound would end by itself.
inline bool SurecBitti(qint64 no)
{
    return QTest::qWaitFor([no] { return !SurecCalisiyor(no); }, 3000);
}
