# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the posix threading variant,
# which C++ threads and Qt need). Used for Qt itself (scripts/windows-qt.sh) and for the
# programs (scripts/windows.sh); the Qt for Windows is found through CMAKE_PREFIX_PATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORVANEL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVANEL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANEL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANEL_MINGW}-windres)
set(CMAKE_AR /usr/bin/${ORVANEL_MINGW}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${ORVANEL_MINGW}-ranlib CACHE FILEPATH "")
set(CMAKE_STRIP /usr/bin/${ORVANEL_MINGW}-strip CACHE FILEPATH "")

# Libraries, headers and packages from the mingw sysroot and the given prefixes only;
# programs (the host's moc, rcc, cmake helpers) from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${ORVANEL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
