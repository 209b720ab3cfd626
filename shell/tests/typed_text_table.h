#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/types.h"

namespace hexdec::testing {

// One row of shell/tests/typed_texts.tsv: what the user typed, as UTF-16 code units, and the code
// page 936 bytes every window's bridge must hand the conversions for it.
struct TypedText {
  std::u16string units;
  Text bytes;
  std::string what;
};

inline std::vector<TypedText> parseTypedTexts(std::string_view content) {
  std::vector<TypedText> rows;
  std::istringstream lines{std::string(content)};
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line.front() == '#') continue;
    std::istringstream fields(line);
    std::string units, bytes;
    TypedText row;
    std::getline(fields, units, '\t');
    std::getline(fields, bytes, '\t');
    std::getline(fields, row.what);
    std::istringstream unitWords(units);
    for (std::string word; unitWords >> word;) {
      row.units.push_back(static_cast<char16_t>(std::stoul(word, nullptr, 16)));
    }
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
      row.bytes.push_back(static_cast<char>(std::stoul(bytes.substr(i, 2), nullptr, 16)));
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace hexdec::testing
