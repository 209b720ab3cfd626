#pragma once

#include <cstddef>

namespace hexdec {

// The size of the last request that operator new could not satisfy, for the out-of-memory box.
std::size_t lastFailedAllocationSize();

}  // namespace hexdec
