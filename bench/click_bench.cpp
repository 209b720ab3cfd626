// One click of each conversion through MemoryBridge, from 8 bytes to 16 MiB of input, so that the
// cost per byte can be compared across sizes: a click should be one pass over its input.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>

#include "conversion/decimal_to_hex.h"
#include "conversion/hex_to_decimal.h"
#include "conversion/memory_bridge.h"

namespace hexdec {
namespace {

enum class Bytes { digits, mixed };

// Digits, or a mix of hexadecimal digits, other ASCII bytes, blanks, signs and code page 936
// pairs: 10 of its 16 bytes are not hexadecimal digits and each brings a message.
Text inputOf(Bytes kind, std::int64_t size) {
  static const Text kDigits = "1234567890";
  static const Text kMixed =
      "12 aG-\xD6\xD0"
      "F.e+\xA3\xB1x9";
  const Text& pattern = kind == Bytes::digits ? kDigits : kMixed;
  Text input;
  input.reserve(static_cast<std::size_t>(size));
  while (input.size() < static_cast<std::size_t>(size)) {
    input.push_back(pattern[input.size() % pattern.size()]);
  }
  return input;
}

void click(benchmark::State& state, void (*convert)(ControlBridge&), Bytes kind) {
  const std::int64_t size = state.range(0);
  MemoryBridge bridge(inputOf(kind, size));
  // A first click grows the bridge's record of calls; the clicks measured reuse it.
  convert(bridge);
  bridge.clearCalls();
  for (auto _ : state) {
    convert(bridge);
    // Forgetting the recorded calls keeps memory flat; it is part of the cost of the messages.
    bridge.clearCalls();
  }
  state.SetBytesProcessed(state.iterations() * size);
}

void clickDecimalToHex(benchmark::State& state, Bytes kind) {
  click(state, convertDecimalToHex, kind);
}

void clickHexToDecimal(benchmark::State& state, Bytes kind) {
  click(state, convertHexToDecimal, kind);
}

// The hexadecimal conversion alone, its messages counted instead of recorded: the part of a click
// with many messages that is the conversion's and not the bridge's.
void hexTextToDecimalTextAlone(benchmark::State& state, Bytes kind) {
  const std::int64_t size = state.range(0);
  const Text input = inputOf(kind, size);
  std::int64_t reported = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(hexTextToDecimalText(input, [&reported](Integer) { ++reported; }));
  }
  benchmark::DoNotOptimize(reported);
  state.SetBytesProcessed(state.iterations() * size);
}

void sizes(benchmark::internal::Benchmark* benchmark) {
  for (std::int64_t size : {8, 300, 64 << 10, 1 << 20, 16 << 20}) benchmark->Arg(size);
  benchmark->Unit(benchmark::kMicrosecond);
}

BENCHMARK_CAPTURE(clickDecimalToHex, digits, Bytes::digits)->Apply(sizes);
BENCHMARK_CAPTURE(clickDecimalToHex, mixed, Bytes::mixed)->Apply(sizes);
BENCHMARK_CAPTURE(clickHexToDecimal, digits, Bytes::digits)->Apply(sizes);
BENCHMARK_CAPTURE(clickHexToDecimal, mixed, Bytes::mixed)->Apply(sizes);
BENCHMARK_CAPTURE(hexTextToDecimalTextAlone, mixed, Bytes::mixed)->Apply(sizes);

}  // namespace
}  // namespace hexdec
