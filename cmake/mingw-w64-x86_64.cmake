# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix-threads flavour, which
# C++ threads need). Used both to build Qt for Windows (scripts/build-qt-windows) and to build
# VarnelTosk against that Qt (the windows preset, which adds Qt's folder to CMAKE_PREFIX_PATH).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VARNELTOSK_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VARNELTOSK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNELTOSK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNELTOSK_MINGW_TRIPLET}-windres)

# Libraries, headers and CMake packages come from the MinGW sysroot or from the folders given in
# CMAKE_PREFIX_PATH (Qt for Windows), never from the build machine's own /usr; programs (moc,
# rcc, uic, wine) are the build machine's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VARNELTOSK_MINGW_TRIPLET})
foreach(prefix IN LISTS CMAKE_PREFIX_PATH)
    list(APPEND CMAKE_FIND_ROOT_PATH ${prefix})
endforeach()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
