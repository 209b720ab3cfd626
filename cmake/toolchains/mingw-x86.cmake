# 32-bit Windows with MinGW-w64.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(HEXDEC_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Doubles in SSE2 registers round every operation to double precision, as on x86-64; the x87 unit
# would keep intermediates at 64-bit precision and round twice.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
