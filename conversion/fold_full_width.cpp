#include "conversion/fold_full_width.h"

namespace hexdec {

namespace {

constexpr unsigned char kNoReplacement = 0;

// The one byte that stands for the pair (lead, trail), or kNoReplacement.
unsigned char foldedPair(unsigned char lead, unsigned char trail) {
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
    return static_cast<unsigned char>(trail - 0x80);
  if (lead != 0xA1) return kNoReplacement;
  switch (trail) {
    case 0xA1: return ' ';  // ideographic space
    case 0xAB: return '~';  // full-width tilde
    case 0xEE:              // white star
    case 0xEF: return '*';  // black star
    default: return kNoReplacement;
  }
}

}  // namespace

Text foldFullWidth(const Text& text) {
  Text folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      folded.push_back(text[i]);
      continue;
    }
    if (i + 1 == text.size()) break;  // a lead byte without its trail byte is dropped
    const auto trail = static_cast<unsigned char>(text[++i]);
    const unsigned char replacement = foldedPair(lead, trail);
    if (replacement != kNoReplacement) {
      folded.push_back(static_cast<char>(replacement));
    } else {
      folded.push_back(static_cast<char>(lead));
      folded.push_back(static_cast<char>(trail));
    }
  }
  return folded;
}

}  // namespace hexdec
