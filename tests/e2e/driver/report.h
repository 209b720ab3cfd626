#pragma once

#include <stdexcept>
#include <string>

namespace hexdec::e2e {

// A failure after which the run cannot go on (no window, a timeout).
struct Fatal : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void fatal(const std::string& what);

// Records a failed check and goes on, so that one run shows every mismatch.
void check(bool ok, const std::string& what);

int failureCount();

// Prints one line of progress or measurement (UTF-8).
void note(const std::string& text);

}  // namespace hexdec::e2e
