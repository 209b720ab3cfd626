# Shared by the MinGW-w64 cross toolchains: HEXDEC_MINGW_TRIPLE names the target before inclusion.
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model: with the win32 model GoogleTest does not build.
set(CMAKE_C_COMPILER ${HEXDEC_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HEXDEC_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HEXDEC_MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${HEXDEC_MINGW_TRIPLE}-objdump CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${HEXDEC_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything linked in: the program needs no DLL beyond those of Windows itself.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests run under Wine; the prefix and its server are set up by scripts/test-windows.sh.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
