#include "conversion/fold_full_width.h"

#include <gtest/gtest.h>

#include "conversion/tests/bytes.h"

namespace hexdec {
namespace {

using testing::bytes;

TEST(FoldFullWidth, FoldsTheListedPairsAndKeepsTheRest) {
  struct Case {
    Text text, expected;
  };
  const Case cases[] = {
      {bytes({0xA3, 0xB1, 0xA3, 0xB2, 0xA3, 0xB3}), "123"},
      {bytes({0xA1, 0xA1}), " "},
      {bytes({0xA1, 0xAB}), "~"},
      {bytes({0xA1, 0xEE}), "*"},
      {bytes({0xA1, 0xEF}), "*"},
      {bytes({0xA3, 0xAB, 0xA3, 0xAD, 0xA3, 0xAE}), "+-."},
      {bytes({0xA3, 0xC5, 0xA3, 0xE5}), "Ee"},
      {bytes({0xA3, 0xA4}), "$"},
      {bytes({0xD6, 0xD0}), bytes({0xD6, 0xD0})},
      {bytes({0xA3, 0xA0}), bytes({0xA3, 0xA0})},
      {bytes({0xA3, 0xFF}), bytes({0xA3, 0xFF})},
      {bytes({0xA1, 0xA2}), bytes({0xA1, 0xA2})},
      {bytes({'1', '2', 0xD6}), "12"},
      {bytes({0xD6}), ""},
      {bytes({0xB0, 0xA3, 0xB2}), bytes({0xB0, 0xA3})},
      // A lead byte takes any byte as its trail, even an ASCII one.
      {bytes({0xC8, 0x41, 'x'}), bytes({0xC8, 0x41, 'x'})},
      {bytes({0xA3, 0xB1, ' ', 0xA3, 0xB2}), "1 2"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(foldFullWidth(c.text), c.expected);
}

// The whole row A3 A1..FE maps onto ASCII 21..7E, so every full-width digit, letter and sign folds.
TEST(FoldFullWidth, FoldsTheWholeFullWidthAsciiRow) {
  for (int trail = 0xA1; trail <= 0xFE; ++trail) {
    const Text pair = bytes({0xA3, static_cast<unsigned char>(trail)});
    EXPECT_EQ(foldFullWidth(pair), Text(1, static_cast<char>(trail - 0x80))) << trail;
  }
}

TEST(FoldFullWidth, NeverLengthensAndKeepsAsciiUnchanged) {
  Text ascii;
  for (int byte = 1; byte < 0x80; ++byte) ascii.push_back(static_cast<char>(byte));
  EXPECT_EQ(foldFullWidth(ascii), ascii);
  for (int lead = 0x80; lead <= 0xFF; ++lead) {
    for (int trail = 1; trail <= 0xFF; ++trail) {
      const Text pair =
          bytes({static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)});
      ASSERT_LE(foldFullWidth(pair).size(), pair.size()) << lead << " " << trail;
    }
  }
}

bool isAscii(char byte) { return static_cast<unsigned char>(byte) < 0x80; }
bool isNotX(char byte) { return byte != 'x'; }
bool isNotD0(char byte) { return static_cast<unsigned char>(byte) != 0xD0; }

// foldFullWidthWhile is the start of the whole fold, cut before the first folded byte rejected.
TEST(FoldFullWidthWhile, StopsBeforeTheFirstFoldedByteRejected) {
  struct Case {
    Text text;
    bool (*keep)(char);
    Text expected;
  };
  const Case cases[] = {
      {"12x34", isNotX, "12"},
      {bytes({0xA3, 0xB1, 0xA3, 0xF8, 0xA3, 0xB2}), isNotX, "1"},  // a full-width 'x'
      {bytes({0xA3, 0xB1, 0xA3, 0xD8, 0xA3, 0xB2}), isNotX, "1X2"},
      {bytes({'1', 0xD6, 0xD0, '2'}), isAscii, "1"},  // a pair kept as it is
      {bytes({'1', 0xD6, 0xD0, '2'}), isNotD0, bytes({'1', 0xD6})},
      {bytes({'1', 0xA3}), isAscii, "1"},  // a lead byte at the end is dropped
      {bytes({0xA1, 0xA1, 0xA3, 0xB5, 0xC8, 0x41, 'x'}), isAscii, " 5"},
      {"", isAscii, ""},
  };
  for (const Case& c : cases) {
    const Text folded = foldFullWidthWhile(c.text, c.keep);
    EXPECT_EQ(folded, c.expected);
    EXPECT_EQ(foldFullWidth(c.text).substr(0, folded.size()), folded);
  }
}

}  // namespace
}  // namespace hexdec
