// textToNumber beside strtod on the same texts, in the same run: integers of 1 to 20 digits,
// fractions, numbers with exponents and 30-digit numbers.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "conversion/text_to_number.h"

namespace hexdec {
namespace {

enum class Numbers { digits1to20, fractions, exponents, digits30 };

constexpr std::size_t kTextsPerSet = 1000;

std::string digitsOf(std::mt19937_64& random, int count) {
  std::uniform_int_distribution<int> first('1', '9');
  std::uniform_int_distribution<int> other('0', '9');
  std::string digits(1, static_cast<char>(first(random)));
  while (static_cast<int>(digits.size()) < count)
    digits.push_back(static_cast<char>(other(random)));
  return digits;
}

// The same texts on every run, so that runs compare.
std::vector<Text> textsOf(Numbers set) {
  std::mt19937_64 random(20261211);
  std::uniform_int_distribution<int> length(1, 20);
  std::uniform_int_distribution<int> fractionLength(1, 8);
  std::uniform_int_distribution<int> exponent(-300, 300);
  std::vector<Text> texts;
  while (texts.size() < kTextsPerSet) {
    switch (set) {
      case Numbers::digits1to20: texts.push_back(digitsOf(random, length(random))); break;
      case Numbers::fractions:
        texts.push_back(digitsOf(random, fractionLength(random)) + "." +
                        digitsOf(random, fractionLength(random)));
        break;
      case Numbers::exponents:
        texts.push_back(digitsOf(random, 1) + "." + digitsOf(random, fractionLength(random)) + "e" +
                        std::to_string(exponent(random)));
        break;
      case Numbers::digits30: texts.push_back(digitsOf(random, 30)); break;
    }
  }
  return texts;
}

void readWithTextToNumber(benchmark::State& state, Numbers set) {
  const std::vector<Text> texts = textsOf(set);
  for (auto _ : state) {
    for (const Text& text : texts) benchmark::DoNotOptimize(textToNumber(text));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

void readWithStrtod(benchmark::State& state, Numbers set) {
  const std::vector<Text> texts = textsOf(set);
  for (auto _ : state) {
    for (const Text& text : texts) benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}

#define HEXDEC_READ_BENCHMARKS(set)                                                          \
  BENCHMARK_CAPTURE(readWithTextToNumber, set, Numbers::set)->Unit(benchmark::kMicrosecond); \
  BENCHMARK_CAPTURE(readWithStrtod, set, Numbers::set)->Unit(benchmark::kMicrosecond)

HEXDEC_READ_BENCHMARKS(digits1to20);
HEXDEC_READ_BENCHMARKS(fractions);
HEXDEC_READ_BENCHMARKS(exponents);
HEXDEC_READ_BENCHMARKS(digits30);

}  // namespace
}  // namespace hexdec
