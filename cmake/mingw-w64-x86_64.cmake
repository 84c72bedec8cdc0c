# SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads, for std::thread).
# Used for the static Qt and for Kestrova itself; KESTROVA_QT_PREFIX names that Qt once it exists.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KESTROVA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KESTROVA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTROVA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTROVA_MINGW}-windres)

# Headers and libraries from the mingw sysroot and the static Qt only; programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${KESTROVA_MINGW})
if(KESTROVA_QT_PREFIX)
    list(PREPEND CMAKE_FIND_ROOT_PATH ${KESTROVA_QT_PREFIX})
    list(PREPEND CMAKE_PREFIX_PATH ${KESTROVA_QT_PREFIX})
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KESTROVA_QT_PREFIX)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One file per program: libgcc, libstdc++ and winpthread linked in, so nothing but Windows' own DLLs is needed.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
