#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace hexdec {

// One click of the table of cases every window of the program runs through its real controls.
struct E2eCase {
  int line;        // in the table, for the test's name
  QString button;  // the name of the button clicked
  QString input;   // the text typed into 编辑框1
  int messages;    // how many message boxes the click shows
  QString result;  // the text of 编辑框2 afterwards
};

// The rows of a table in the tab-separated format of tests/e2e/cases.tsv: button, input as terms
// joined by " + " ("..." or N x "...", with \", \\ and \uXXXX escapes), message positions ("-",
// "1,3", "1-4"), result and an optional note; '#' starts a comment line. A malformed row throws
// std::invalid_argument naming its line.
std::vector<E2eCase> parseE2eCases(QStringView table);

}  // namespace hexdec
