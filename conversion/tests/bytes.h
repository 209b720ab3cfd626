#pragma once

#include <initializer_list>

#include "conversion/types.h"

namespace hexdec::testing {

// A Text from byte values, for the code page 936 bytes the tests spell out.
inline Text bytes(std::initializer_list<unsigned char> values) {
  Text text;
  for (unsigned char value : values) text.push_back(static_cast<char>(value));
  return text;
}

}  // namespace hexdec::testing
