# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix).
# The posix thread model gives std::thread and std::mutex. The programs run under
# Wine through the cross-compiling emulator, which ctest and test discovery use.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KARTAVEL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KARTAVEL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KARTAVEL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KARTAVEL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KARTAVEL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Debian's wine64 keeps its loader out of PATH. Every run goes to the Wine prefix
# inside the build folder, quietly, whoever starts it (the build's test discovery,
# ctest); scripts/test-windows.sh makes that prefix.
find_program(KARTAVEL_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(KARTAVEL_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wine
        WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= ${KARTAVEL_WINE})
endif()
