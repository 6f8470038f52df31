# Cross-building for 64-bit Windows from Debian with MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VANTORIX_MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${VANTORIX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANTORIX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VANTORIX_MINGW_TRIPLET}-windres)
set(PKG_CONFIG_EXECUTABLE ${VANTORIX_MINGW_TRIPLET}-pkg-config CACHE FILEPATH "")

# Libraries and headers come from the MinGW sysroot and the dependency
# prefix; programs (moc, rcc) from the build machine.
# The prefix comes from the environment, which try_compile projects see too.
set(CMAKE_FIND_ROOT_PATH /usr/${VANTORIX_MINGW_TRIPLET} $ENV{VANTORIX_WIN64_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run under Wine (ctest, add_test).
find_program(VANTORIX_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(VANTORIX_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-test.sh ${VANTORIX_WINE})
endif()
