#pragma once

namespace hexdec {

// Puts the floating-point unit into the state the number rules rely on: every exception masked,
// rounding to nearest with ties to even, and on the x87 unit the full 64-bit significand.
void resetFloatingPoint();

}  // namespace hexdec
