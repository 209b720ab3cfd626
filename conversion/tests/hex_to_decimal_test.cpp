#include "conversion/hex_to_decimal.h"

#include <gtest/gtest.h>
#include <vector>

#include "conversion/memory_bridge.h"
#include "conversion/tests/bytes.h"
#include "conversion/text_rules.h"
#include "conversion/text_to_integer.h"

namespace hexdec {
namespace {

using testing::bytes;

struct Converted {
  Text result;
  std::vector<Integer> reported;
};

Converted convert(const Text& input) {
  Converted out;
  out.result =
      hexTextToDecimalText(input, [&out](Integer position) { out.reported.push_back(position); });
  return out;
}

struct Row {
  Text input;
  std::vector<Integer> reported;
  Text result;
};

TEST(HexTextToDecimalText, GivesTheResultAndReportsEachOffendingPosition) {
  const Row rows[] = {
      {"", {}, "0"},
      {"0", {}, "0"},
      {"FF", {}, "255"},
      {"ff", {}, "255"},
      {"255", {}, "597"},
      {"12a3", {}, "4771"},
      {"1e3", {}, "483"},
      {"1d3", {}, "467"},
      {"7FFFFFFF", {}, "2147483647"},
      {"80000000", {}, "-2147483648"},
      {"FFFFFFFF", {}, "-1"},
      {"100000000", {}, "0"},
      {"1FFFFFFFF", {}, "-1"},
      {"2147483647", {}, "1195914823"},
      {"4294967295", {}, "-1802079595"},
      {"20000000000001", {}, "1"},
      {"FFFFFFFFFFFFFFFF", {}, "-1"},
      {"8FFFFFFFFFFFFFFF", {}, "-1"},  // the first digit's weight reaches 2^63
      {"123456789ABCDEF01", {}, "-1412567295"},
      {Text(300, 'F'), {}, "-1"},
      {"1" + Text(256, '0'), {}, "0"},  // the first weight is infinite
      {Text(257, '0') + "1", {}, "1"},  // zero times an infinite weight is NaN
      {"G", {1}, "0"},
      {"1G", {2}, "16"},
      {"0x1A", {2}, "26"},
      {"-5", {1}, "5"},
      {"+7", {1}, "7"},
      {" 12", {1}, "18"},
      {"12 ", {3}, "288"},
      {"1.9", {2}, "265"},
      {"-1.9", {1, 3}, "265"},
      {bytes({0xA3, 0xB1, 0xA3, 0xB2}), {1, 2, 3, 4}, "0"},  // full-width "12"
      {bytes({0xA3, 0xC6, 0xA3, 0xC6}), {1, 2, 3, 4}, "0"},  // full-width "FF"
      {bytes({0xC8, 0x41}), {1}, "10"},                      // a trail byte that is 'A'
      {bytes({'1', 0xC8, 0x41}), {2}, "266"},
      {bytes({0x88, 0x44}), {1}, "13"},
  };
  for (const Row& row : rows) {
    const Converted out = convert(row.input);
    EXPECT_EQ(out.result, row.result) << row.input;
    EXPECT_EQ(out.reported, row.reported) << row.input;
  }
}

// hexDigitValue stands for: cut the byte out, replace a letter by its value's decimal text, read
// that as an integer. Check the shortcut against that literal reading for every byte value.
TEST(HexDigitValue, EqualsTheLiteralReadingOfTheByteForEveryByte) {
  const char* const letters[] = {"A", "B", "C", "D", "E", "F"};
  for (int byte = 1; byte < 256; ++byte) {
    const Text text(1, static_cast<char>(byte));
    Text piece = textMiddle(text, 1, 1);
    for (int i = 0; i < 6; ++i) {
      const Text lower(1, static_cast<char>(letters[i][0] - 'A' + 'a'));
      if (piece == letters[i] || piece == lower) piece = std::to_string(10 + i);
    }
    const Integer code = charCode(piece);
    const bool isHex = (code >= 48 && code <= 57) || (code >= 65 && code <= 70) ||
                       (code >= 97 && code <= 102) || piece.size() == 2;
    int reports = 0;
    EXPECT_EQ(hexDigitValue(text, 1, [&reports](Integer) { ++reports; }), textToInteger(piece))
        << byte;
    EXPECT_EQ(reports, isHex ? 0 : 1) << byte;
  }
}

// The result depends on the last eight bytes only, whatever stands before them.
TEST(HexTextToDecimalText, OnlyTheLastEightBytesCount) {
  const Text tail = "89abcdef";
  const Text expected = convert(tail).result;
  for (const Text& head : {Text("1"), Text("F"), Text(15, 'F'), Text(1000, '7'), Text("zz")}) {
    EXPECT_EQ(convert(head + tail).result, expected) << head;
  }
}

TEST(ConvertHexToDecimal, ReadsOnceShowsEachMessageThenWritesOnce) {
  MemoryBridge bridge("-1.9", "previous");
  convertHexToDecimal(bridge);
  using Kind = MemoryBridge::Kind;
  const auto& calls = bridge.calls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].kind, Kind::read);
  EXPECT_EQ(calls[0].box, EditBox::编辑框1);
  EXPECT_EQ(calls[1].kind, Kind::message);
  EXPECT_EQ(calls[1].text, kInputErrorMessage);
  EXPECT_EQ(calls[2].kind, Kind::message);
  EXPECT_EQ(calls[3].kind, Kind::write);
  EXPECT_EQ(calls[3].box, EditBox::编辑框2);
  EXPECT_EQ(bridge.text(EditBox::编辑框2), "265");
  EXPECT_EQ(bridge.text(EditBox::编辑框1), "-1.9");
}

TEST(ConvertHexToDecimal, WritesEvenWhenTheResultIsAlreadyShown) {
  MemoryBridge bridge("", "0");
  convertHexToDecimal(bridge);
  ASSERT_EQ(bridge.calls().size(), 2u);
  EXPECT_EQ(bridge.calls()[1].kind, MemoryBridge::Kind::write);
  EXPECT_EQ(bridge.text(EditBox::编辑框2), "0");
}

}  // namespace
}  // namespace hexdec
