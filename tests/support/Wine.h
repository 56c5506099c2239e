#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

// Whether the test runs under Wine, which cannot do a few things Windows does (the closing note
// of the Windows build names them with the evidence).
inline bool WineAltinda()
{
#ifdef Q_OS_WIN
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}
