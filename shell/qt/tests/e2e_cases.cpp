#include "shell/qt/tests/e2e_cases.h"

#include <QList>
#include <stdexcept>
#include <string>

namespace hexdec {
namespace {

[[noreturn]] void malformed(int line, const char* what) {
  throw std::invalid_argument("cases table, line " + std::to_string(line) + ": " + what);
}

// One quoted text starting at `at` (on the opening quote); `at` ends after the closing quote.
QString quoted(QStringView field, qsizetype& at, int line) {
  QString text;
  for (++at; at < field.size(); ++at) {
    const QChar c = field[at];
    if (c == u'"') {
      ++at;
      return text;
    }
    if (c != u'\\') {
      text += c;
    } else if (at + 1 < field.size() && (field[at + 1] == u'"' || field[at + 1] == u'\\')) {
      text += field[++at];
    } else if (at + 5 < field.size() && field[at + 1] == u'u') {
      bool ok = false;
      text += QChar(static_cast<char16_t>(field.mid(at + 2, 4).toUShort(&ok, 16)));
      if (!ok) malformed(line, "bad \\u escape");
      at += 5;
    } else {
      malformed(line, "bad escape");
    }
  }
  malformed(line, "unterminated quote");
}

QString input(QStringView field, int line) {
  QString text;
  qsizetype at = 0;
  while (true) {
    if (at >= field.size()) malformed(line, "missing term");
    int count = 1;
    if (field[at] != u'"') {
      const qsizetype times = field.indexOf(u" x \"", at);
      if (times < 0) malformed(line, "a term is neither \"...\" nor N x \"...\"");
      bool ok = false;
      count = field.mid(at, times - at).toInt(&ok);
      if (!ok) malformed(line, "bad repeat count");
      at = times + 3;
    }
    text += quoted(field, at, line).repeated(count);
    if (at == field.size()) return text;
    if (!field.mid(at).startsWith(u" + ")) malformed(line, "terms must be joined by \" + \"");
    at += 3;
  }
}

int messageCount(QStringView field, int line) {
  if (field == u"-") return 0;
  int count = 0;
  for (QStringView part : field.split(u',')) {
    const qsizetype dash = part.indexOf(u'-');
    bool first = false, last = true;
    const int from = part.left(dash < 0 ? part.size() : dash).toInt(&first);
    const int to = dash < 0 ? from : part.mid(dash + 1).toInt(&last);
    if (!first || !last || to < from) malformed(line, "bad message positions");
    count += to - from + 1;
  }
  return count;
}

}  // namespace

std::vector<E2eCase> parseE2eCases(QStringView table) {
  std::vector<E2eCase> cases;
  int line = 0;
  for (QStringView row : table.split(u'\n')) {
    ++line;
    if (row.endsWith(u'\r')) row.chop(1);
    if (row.isEmpty() || row.startsWith(u'#')) continue;
    const auto fields = row.split(u'\t');
    if (fields.size() < 4 || fields[1].isEmpty()) malformed(line, "expected 4 or 5 fields");
    cases.push_back({line, fields[0].toString(), input(fields[1], line),
                     messageCount(fields[2], line), fields[3].toString()});
  }
  return cases;
}

}  // namespace hexdec
