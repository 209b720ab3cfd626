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

}  // namespace
}  // namespace hexdec
