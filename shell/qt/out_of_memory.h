#pragma once

#include <cstddef>
#include <new>

#include <QString>

namespace hexdec {

// A failed allocation whose size is known, so that the error box can name it.
class OutOfMemory : public std::bad_alloc {
 public:
  explicit OutOfMemory(std::size_t bytes) : bytes_(bytes) {}
  std::size_t bytes() const { return bytes_; }

 private:
  std::size_t bytes_;
};

// The text of the error box shown before the program ends: names the failure and, when known,
// the number of bytes asked for.
QString outOfMemoryMessage(const std::bad_alloc& failure);

// Shows the error box, owned by no window, with a single OK button; returns once it is dismissed.
void showOutOfMemory(const std::bad_alloc& failure);

}  // namespace hexdec
