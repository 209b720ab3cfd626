#include "shell/win32/text_encoding.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "typed_texts.h"

namespace hexdec {
namespace {

struct TypedText {
  std::wstring units;
  Text bytes;
  std::string what;
};

std::vector<TypedText> typedTexts() {
  std::vector<TypedText> rows;
  std::istringstream file(kTypedTexts);
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string units, bytes, what;
    std::getline(fields, units, '\t');
    std::getline(fields, bytes, '\t');
    std::getline(fields, what);
    TypedText row{{}, {}, what};
    std::istringstream unitWords(units);
    for (std::string word; unitWords >> word;) {
      row.units += static_cast<wchar_t>(std::stoul(word, nullptr, 16));
    }
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
      row.bytes += static_cast<char>(std::stoul(bytes.substr(i, 2), nullptr, 16));
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(TextEncoding, GivesTheBytesOfEveryTypedText) {
  const auto rows = typedTexts();
  ASSERT_GE(rows.size(), 10U);
  for (const TypedText& row : rows) {
    EXPECT_EQ(toCodePage936(row.units), row.bytes) << row.what;
  }
}

TEST(TextEncoding, WritesBackWhatItReadsForCharactersWithAForm) {
  for (const TypedText& row : typedTexts()) {
    if (row.bytes.find('?') != Text::npos) continue;
    EXPECT_EQ(fromCodePage936(row.bytes), row.units) << row.what;
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
