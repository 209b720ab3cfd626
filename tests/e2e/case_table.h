#pragma once

#include <string>
#include <vector>

namespace hexdec::e2e {

// One click of a case table (see cases.tsv for the format).
struct Case {
  int line = 0;                // in the file, for messages
  std::string button;          // UTF-8: 转16进制 or 转10进制
  std::string inputSource;     // UTF-8, the input column as written
  std::u16string input;        // the characters typed into 编辑框1
  std::vector<int> positions;  // the reported byte positions, in order
  std::string result;          // UTF-8, the text expected in 编辑框2
};

// Reads a case table; throws std::runtime_error naming the file and line of a malformed row.
std::vector<Case> readCases(const std::string& path);

}  // namespace hexdec::e2e
