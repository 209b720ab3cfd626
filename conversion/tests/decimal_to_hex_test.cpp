#include "conversion/decimal_to_hex.h"

#include <gtest/gtest.h>
#include <vector>

#include "conversion/memory_bridge.h"
#include "conversion/tests/bytes.h"

namespace hexdec {
namespace {

using testing::bytes;

struct Row {
  Text input;
  std::vector<Integer> reported;
  Text result;
};

TEST(DecimalTextToHexText, GivesTheResultAndReportsTheFirstOffendingPositionOnly) {
  const Row rows[] = {
      {"", {}, "0"},
      {"0", {}, "0"},
      {"255", {}, "FF"},
      {"2147483647", {}, "7FFFFFFF"},
      {"2147483648", {}, "80000000"},
      {"4294967295", {}, "FFFFFFFF"},
      {"4294967296", {}, "0"},
      {"4294967297", {}, "1"},
      {"80000000", {}, "4C4B400"},
      {"100000000", {}, "5F5E100"},
      {"9007199254740992", {}, "0"},
      {"9007199254740995", {}, "2"},
      {"9223372036854774784", {}, "FFFFFC00"},
      {"9223372036854775296", {}, "FFFFFC00"},
      {"9223372036854775807", {}, "0"},
      {"99999999999999999999", {}, "0"},
      {"-5", {1}, "FFFFFFFB"},
      {"-2147483648", {1}, "80000000"},
      {"-2147483649", {1}, "7FFFFFFF"},
      {"-9223372036854775808", {1}, "0"},
      {"+7", {1}, "7"},
      {" 12", {1}, "C"},
      {"12 ", {3}, "C"},
      {"12a3", {3}, "C"},
      {"1e3", {2}, "3E8"},
      {"1d3", {2}, "3E8"},
      {"1e19", {2}, "0"},
      {"1e400", {2}, "0"},
      {"1.9", {2}, "1"},
      {"-1.9", {1}, "FFFFFFFF"},
      {"0.5", {2}, "0"},
      {bytes({0xA3, 0xB1, 0xA3, 0xB2}), {1}, "C"},
      {bytes({0xA1, 0xA1, '1', '2'}), {1}, "C"},
      {"FF", {1}, "0"},
      {"ff", {1}, "0"},
      {"FFFFFFFF", {1}, "0"},
      {"7FFFFFFF", {2}, "7"},
      {"123456789ABCDEF01", {10}, "75BCD15"},
      {"G", {1}, "0"},
      {"1G", {2}, "1"},
      {"0x1A", {2}, "0"},
      {".", {1}, "0"},
      {bytes({0xC8, 0x41}), {1}, "0"},
      {Text(300, 'F'), {1}, "0"},
  };
  for (const Row& row : rows) {
    std::vector<Integer> reported;
    const Text result = decimalTextToHexText(
        row.input, [&reported](Integer position) { reported.push_back(position); });
    EXPECT_EQ(result, row.result) << row.input;
    EXPECT_EQ(reported, row.reported) << row.input;
  }
}

using Kind = MemoryBridge::Kind;

std::vector<Kind> kindsOf(const MemoryBridge& bridge) {
  std::vector<Kind> kinds;
  for (const MemoryBridge::Call& call : bridge.calls()) kinds.push_back(call.kind);
  return kinds;
}

TEST(ConvertDecimalToHex, ShowsAtMostOneMessageThenWritesOnceLast) {
  struct Click {
    Text input;
    std::vector<Kind> calls;
    Text result;
  };
  const Click clicks[] = {
      {"", {Kind::read, Kind::write}, "0"},
      {"4294967297", {Kind::read, Kind::write}, "1"},
      {"-1.9e0x", {Kind::read, Kind::message, Kind::write}, "FFFFFFFF"},
      {Text(1000, '.'), {Kind::read, Kind::message, Kind::write}, "0"},
  };
  for (const Click& click : clicks) {
    MemoryBridge bridge(click.input, "previous");
    convertDecimalToHex(bridge);
    EXPECT_EQ(kindsOf(bridge), click.calls) << click.input;
    for (const MemoryBridge::Call& call : bridge.calls()) {
      if (call.kind == Kind::message) {
        EXPECT_EQ(call.text, kInputErrorMessage);
      } else {
        EXPECT_EQ(call.box, call.kind == Kind::read ? EditBox::编辑框1 : EditBox::编辑框2);
      }
    }
    EXPECT_EQ(bridge.text(EditBox::编辑框2), click.result) << click.input;
    EXPECT_EQ(bridge.text(EditBox::编辑框1), click.input);
  }
}

TEST(ConvertDecimalToHex, WritesEvenWhenTheResultIsAlreadyShown) {
  MemoryBridge bridge("0", "0");
  convertDecimalToHex(bridge);
  EXPECT_EQ(kindsOf(bridge), (std::vector<Kind>{Kind::read, Kind::write}));
  EXPECT_EQ(bridge.text(EditBox::编辑框2), "0");
}

}  // namespace
}  // namespace hexdec
