#pragma once

#include <array>
#include <vector>

#include "conversion/control_bridge.h"

namespace hexdec {

// A ControlBridge without a window: it keeps the two texts and records, in order, every call the
// conversions make, so that tests, fuzzers and benchmarks can run a click and inspect it.
class MemoryBridge final : public ControlBridge {
 public:
  enum class Kind { read, write, message };
  struct Call {
    Kind kind;
    EditBox box;  // unused for a message
    Text text;    // the text written or shown; empty for a read
  };

  explicit MemoryBridge(Text input = {}, Text output = {});

  Text readText(EditBox box) override;
  void writeText(EditBox box, const Text& text) override;
  void showMessage(const Text& message) override;

  const Text& text(EditBox box) const;
  const std::vector<Call>& calls() const { return calls_; }

  // Forgets the recorded calls, so that a benchmark can run many clicks in constant memory.
  void clearCalls() { calls_.clear(); }

 private:
  std::array<Text, 2> texts_;
  std::vector<Call> calls_;
};

}  // namespace hexdec
