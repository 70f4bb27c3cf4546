# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix thread model, for std::thread and
# friends). Everything is linked statically, so the programs need no DLL beyond Windows' own.
# Tests run under Wine through CTest's emulator when the wrapper script is there.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MEVRIK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MEVRIK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MEVRIK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MEVRIK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MEVRIK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
