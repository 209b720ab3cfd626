#include "case_table.h"

#include <charconv>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace hexdec::e2e {
namespace {

struct Malformed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::vector<std::string_view> splitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

int toNumber(std::string_view digits) {
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc{} || end != digits.data() + digits.size() || value < 0)
    throw Malformed("not a number: " + std::string(digits));
  return value;
}

void appendCodePoint(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
  } else {
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  }
}

// Decodes one UTF-8 character at `at` and advances past it.
char32_t decodeUtf8(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0 || at + extra >= text.size()) throw Malformed("bad UTF-8");
  char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) throw Malformed("bad UTF-8");
    c = (c << 6) | (byte(at + i) & 0x3F);
  }
  at += 1 + extra;
  return c;
}

// Reads a quoted text starting at text[at] == '"'; leaves `at` after the closing quote.
std::u16string readQuoted(std::string_view text, std::size_t& at) {
  if (at >= text.size() || text[at] != '"') throw Malformed("expected a quoted text");
  ++at;
  std::u16string out;
  while (true) {
    if (at >= text.size()) throw Malformed("unterminated quoted text");
    const char c = text[at];
    if (c == '"') {
      ++at;
      return out;
    }
    if (c != '\\') {
      appendCodePoint(out, decodeUtf8(text, at));
      continue;
    }
    if (at + 1 >= text.size()) throw Malformed("lone backslash");
    const char escaped = text[at + 1];
    if (escaped == '"' || escaped == '\\') {
      out.push_back(static_cast<char16_t>(escaped));
      at += 2;
    } else if (escaped == 'u' && at + 6 <= text.size()) {
      unsigned unit = 0;
      const char* first = text.data() + at + 2;
      const auto [end, error] = std::from_chars(first, first + 4, unit, 16);
      if (error != std::errc{} || end != first + 4) throw Malformed("bad \\u escape");
      out.push_back(static_cast<char16_t>(unit));
      at += 6;
    } else {
      throw Malformed("unknown escape");
    }
  }
}

std::u16string parseInput(std::string_view text) {
  std::u16string out;
  std::size_t at = 0;
  while (true) {
    std::size_t count = 1;
    if (at < text.size() && text[at] != '"') {
      const std::size_t times = text.find(" x ", at);
      if (times == std::string_view::npos) throw Malformed("expected a quoted text or N x \"...\"");
      count = static_cast<std::size_t>(toNumber(text.substr(at, times - at)));
      at = times + 3;
    }
    const std::u16string piece = readQuoted(text, at);
    for (std::size_t i = 0; i < count; ++i) out += piece;
    if (at == text.size()) return out;
    if (text.substr(at, 3) != " + ") throw Malformed("expected \" + \" between terms");
    at += 3;
  }
}

std::vector<int> parsePositions(std::string_view text) {
  std::vector<int> positions;
  if (text == "-") return positions;
  for (std::size_t start = 0;;) {
    const std::size_t comma = text.find(',', start);
    const std::string_view item = text.substr(start, comma - start);
    const std::size_t dash = item.find('-');
    const int first = toNumber(item.substr(0, dash));
    const int last = dash == std::string_view::npos ? first : toNumber(item.substr(dash + 1));
    if (first < 1 || last < first) throw Malformed("bad position range");
    for (int p = first; p <= last; ++p) positions.push_back(p);
    if (comma == std::string_view::npos) return positions;
    start = comma + 1;
  }
}

}  // namespace

std::vector<Case> readCases(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + path);
  std::vector<Case> cases;
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    try {
      const auto fields = splitTabs(line);
      if (fields.size() < 4 || fields.size() > 5) throw Malformed("expected 4 or 5 columns");
      if (fields[0] != "转16进制" && fields[0] != "转10进制") throw Malformed("unknown button");
      cases.push_back({number, std::string(fields[0]), std::string(fields[1]),
                       parseInput(fields[1]), parsePositions(fields[2]), std::string(fields[3])});
    } catch (const Malformed& error) {
      throw std::runtime_error(path + ":" + std::to_string(number) + ": " + error.what());
    }
  }
  return cases;
}

}  // namespace hexdec::e2e
