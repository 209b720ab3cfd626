#pragma once

#include <array>
#include <cstddef>

namespace hexdec {

// The process's exit code after a fatal failure: all 32 bits set.
inline constexpr int kFatalExitCode = -1;

// Shows an error box that names the failure and ends the process with kFatalExitCode.
[[noreturn]] void endWithFatalFailure(const wchar_t* failure);

// The zero-terminated text of the out-of-memory box, built without allocating: memory has just
// run out.
std::array<wchar_t, 64> outOfMemoryText(std::size_t bytes);

// Ends the process because a request for `bytes` bytes could not be satisfied.
[[noreturn]] void endOutOfMemory(std::size_t bytes);

}  // namespace hexdec
