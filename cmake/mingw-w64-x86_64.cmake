# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads);
# programs run under Wine, in a prefix of the build folder's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime and the threads library linked in: a program needs no DLL
# beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(VORN_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(VORN_WINE)
  set(VORN_WINEPREFIX ${CMAKE_BINARY_DIR}/wine CACHE PATH "The Wine prefix of this build")
  # Headless, without debug chatter, and with no offer to install Mono or Gecko.
  set(CMAKE_CROSSCOMPILING_EMULATOR env -u DISPLAY -u WAYLAND_DISPLAY WINEDEBUG=-all
      WINEPREFIX=${VORN_WINEPREFIX} WINEDLLOVERRIDES=mscoree,mshtml= ${VORN_WINE})
endif()
