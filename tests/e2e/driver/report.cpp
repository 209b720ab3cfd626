#include "report.h"

#include <cstdio>

namespace hexdec::e2e {
namespace {
int failures = 0;
}

void fatal(const std::string& what) { throw Fatal(what); }

void check(bool ok, const std::string& what) {
  if (ok) return;
  ++failures;
  std::printf("FAIL: %s\n", what.c_str());
  std::fflush(stdout);
}

int failureCount() { return failures; }

void note(const std::string& text) {
  std::printf("%s\n", text.c_str());
  std::fflush(stdout);
}

}  // namespace hexdec::e2e
