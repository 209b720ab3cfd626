#include "shell/qt/cp936_codec.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "conversion/control_bridge.h"
#include "shell/tests/typed_text_table.h"

namespace hexdec {
namespace {

// The rows of the table of typed texts that every window's bridge is checked against.
std::vector<testing::TypedText> typedTexts() {
  std::ifstream file(TYPED_TEXTS_PATH);
  std::stringstream content;
  content << file.rdbuf();
  return testing::parseTypedTexts(content.str());
}

QString qString(const std::u16string& units) {
  return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

TEST(ToCodePage936, GivesTheBytesOfEveryTypedText) {
  const auto rows = typedTexts();
  ASSERT_GE(rows.size(), 10u) << "cannot read " << TYPED_TEXTS_PATH;
  for (const auto& row : rows) {
    EXPECT_EQ(toCodePage936(qString(row.units)), row.bytes) << row.what;
  }
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
  for (const auto& row : typedTexts()) {
    if (row.bytes.find('?') == Text::npos) {
      EXPECT_EQ(fromCodePage936(row.bytes), qString(row.units)) << row.what;
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
