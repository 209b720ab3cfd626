#include "conversion/memory_bridge.h"

#include <utility>

namespace hexdec {

namespace {

std::size_t indexOf(EditBox box) { return box == EditBox::编辑框1 ? 0 : 1; }

}  // namespace

MemoryBridge::MemoryBridge(Text input, Text output) : texts_{std::move(input), std::move(output)} {}

Text MemoryBridge::readText(EditBox box) {
  calls_.push_back({Kind::read, box, {}});
  return texts_[indexOf(box)];
}

void MemoryBridge::writeText(EditBox box, const Text& text) {
  calls_.push_back({Kind::write, box, text});
  texts_[indexOf(box)] = text;
}

void MemoryBridge::showMessage(const Text& message) {
  calls_.push_back({Kind::message, EditBox::编辑框1, message});
}

const Text& MemoryBridge::text(EditBox box) const { return texts_[indexOf(box)]; }

}  // namespace hexdec
