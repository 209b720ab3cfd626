#include "shell/win32/floating_point.h"

#include <float.h>

namespace hexdec {

void resetFloatingPoint() {
  unsigned int state = 0;
  _clearfp();
  _controlfp_s(&state, _MCW_EM, _MCW_EM);
  _controlfp_s(&state, _RC_NEAR, _MCW_RC);
#if defined(_M_IX86) || defined(__i386__)
  // Precision control exists only on the x87 unit; the 64-bit runtime rejects the mask.
  _controlfp_s(&state, _PC_64, _MCW_PC);
#endif
}

}  // namespace hexdec
