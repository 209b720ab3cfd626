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

// Appends the fold of text to `folded` up to the first folded byte that `keep` rejects.
template <typename Keep>
void foldInto(Text& folded, const Text& text, Keep keep) {
  const auto put = [&folded, &keep](unsigned char byte) {
    if (!keep(static_cast<char>(byte))) return false;
    folded.push_back(static_cast<char>(byte));
    return true;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      if (!put(lead)) return;
      continue;
    }
    if (i + 1 == text.size()) return;  // a lead byte without its trail byte is dropped
    const auto trail = static_cast<unsigned char>(text[++i]);
    const unsigned char replacement = foldedPair(lead, trail);
    const bool whole = replacement != kNoReplacement ? put(replacement) : put(lead) && put(trail);
    if (!whole) return;
  }
}

}  // namespace

Text foldFullWidth(const Text& text) {
  Text folded;
  folded.reserve(text.size());
  foldInto(folded, text, [](char) { return true; });
  return folded;
}

Text foldFullWidthWhile(const Text& text, bool (*keep)(char byte)) {
  Text folded;
  foldInto(folded, text, keep);
  return folded;
}

}  // namespace hexdec
