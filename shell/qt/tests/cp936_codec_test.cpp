#include "shell/qt/cp936_codec.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "conversion/control_bridge.h"

namespace hexdec {
namespace {

struct TypedText {
  QString units;
  Text bytes;
  std::string what;
};

std::vector<unsigned> hexNumbers(const std::string& field, int digits) {
  std::vector<unsigned> numbers;
  std::istringstream in(field);
  std::string word;
  while (in >> word) {
    for (std::size_t i = 0; i < word.size(); i += static_cast<std::size_t>(digits)) {
      numbers.push_back(static_cast<unsigned>(std::stoul(word.substr(i, digits), nullptr, 16)));
    }
  }
  return numbers;
}

// The rows of the table of typed texts that every window's bridge is checked against.
std::vector<TypedText> typedTexts() {
  std::ifstream file(TYPED_TEXTS_PATH);
  std::vector<TypedText> rows;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line.front() == '#') continue;
    std::istringstream fields(line);
    std::string units, bytes, what;
    std::getline(fields, units, '\t');
    std::getline(fields, bytes, '\t');
    std::getline(fields, what);
    TypedText row{{}, {}, what};
    for (unsigned unit : hexNumbers(units, 4)) row.units.append(QChar(static_cast<char16_t>(unit)));
    for (unsigned byte : hexNumbers(bytes, 2)) row.bytes.push_back(static_cast<char>(byte));
    rows.push_back(row);
  }
  return rows;
}

TEST(ToCodePage936, GivesTheBytesOfEveryTypedText) {
  const auto rows = typedTexts();
  ASSERT_GE(rows.size(), 10u) << "cannot read " << TYPED_TEXTS_PATH;
  for (const TypedText& row : rows) EXPECT_EQ(toCodePage936(row.units), row.bytes) << row.what;
}

TEST(ToCodePage936, EndsAtAZeroCharacter) {
  EXPECT_EQ(toCodePage936(QStringView(u"12\u0000 34", 6)), "12");
  EXPECT_EQ(toCodePage936(QString()), "");
}

TEST(ToCodePage936, ReplacesEachCharacterOfALongTextOnce) {
  QString text;
  Text expected;
  for (int i = 0; i < 50000; ++i) {
    text += QString::fromUtf8("😀1中");
    expected += "?1\xD6\xD0";
  }
  text += QChar(0xD83D);  // a high surrogate with nothing after it
  expected += '?';
  EXPECT_EQ(toCodePage936(text), expected);
}

TEST(FromCodePage936, GivesBackEveryTypedTextThatHasACodePage936Form) {
  for (const TypedText& row : typedTexts()) {
    if (row.bytes.find('?') == Text::npos) {
      EXPECT_EQ(fromCodePage936(row.bytes), row.units) << row.what;
    }
  }
  EXPECT_EQ(fromCodePage936(kInputErrorMessage), QString::fromUtf8("您输入的数据有误"));
}

TEST(FromCodePage936, ReplacesEachByteThatStartsNoCharacter) {
  EXPECT_EQ(fromCodePage936("1\xFF"
                            "2"),
            u"1?2");
  EXPECT_EQ(fromCodePage936("12\xD6"), u"12?");
  EXPECT_EQ(fromCodePage936(""), u"");
}

}  // namespace
}  // namespace hexdec
