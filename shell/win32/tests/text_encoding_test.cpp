#include "shell/win32/text_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/tests/typed_text_table.h"
#include "typed_texts.h"

namespace hexdec {
namespace {

std::wstring wide(const std::u16string& units) { return std::wstring(units.begin(), units.end()); }

TEST(TextEncoding, GivesTheBytesOfEveryTypedText) {
  const auto rows = testing::parseTypedTexts(kTypedTexts);
  ASSERT_GE(rows.size(), 10U);
  for (const auto& row : rows) EXPECT_EQ(toCodePage936(wide(row.units)), row.bytes) << row.what;
}

TEST(TextEncoding, WritesBackWhatItReadsForCharactersWithAForm) {
  for (const auto& row : testing::parseTypedTexts(kTypedTexts)) {
    if (row.bytes.find('?') != Text::npos) continue;
    EXPECT_EQ(fromCodePage936(row.bytes), wide(row.units)) << row.what;
  }
}

TEST(TextEncoding, EmptyStaysEmpty) {
  EXPECT_EQ(toCodePage936(L""), "");
  EXPECT_EQ(fromCodePage936(""), L"");
  EXPECT_EQ(fromUtf8(""), L"");
}

TEST(TextEncoding, UnmappedCharactersBecomeOneQuestionMarkEach) {
  // U+00E4 has no code page 936 form; a best-fit mapping would make it 'a'. U+1F600 twice, then
  // a lone high surrogate at the very end.
  EXPECT_EQ(toCodePage936(L"1\u00E42"), "1?2");
  EXPECT_EQ(toCodePage936(std::wstring{L'7', 0xD83D, 0xDE00, 0xD83D, 0xDE00, 0xD83D}), "7???");
}

TEST(TextEncoding, AMebibyteOfMixedTextConvertsWhole) {
  std::wstring text;
  std::string expected;
  while (text.size() < (1U << 20)) {
    text += std::wstring{L'1', 0x4E2D, 0xD83D, 0xDE00};
    expected += "1\xD6\xD0?";
  }
  EXPECT_EQ(toCodePage936(text), expected);
}

TEST(TextEncoding, ReadsTheWindowDescriptionsUtf8) {
  EXPECT_EQ(fromUtf8("转为16进制"), L"\u8F6C\u4E3A16\u8FDB\u5236");
}

}  // namespace
}  // namespace hexdec
