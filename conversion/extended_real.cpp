#include "conversion/extended_real.h"

namespace hexdec {

namespace {

constexpr std::uint64_t kLow32 = 0xFFFFFFFFu;

// The exact product of two 80-bit significands, below 2^160, as its 128 high bits and 32 low bits.
struct Product160 {
  UInt128 high;
  std::uint64_t low32;
};

// With a = aHigh * 2^16 + aLow and b alike: aHigh * bHigh * 2^32, the two cross products
// (below 2^80 each) * 2^16, and aLow * bLow.
Product160 multiplySignificands(const ExtendedReal& a, const ExtendedReal& b) {
  const UInt128 cross = add(multiply64(a.high, b.low), multiply64(b.high, a.low));
  const UInt128 bottom = add(shiftLeft(cross, 16), {0, std::uint64_t{a.low} * b.low});
  return {add(multiply64(a.high, b.high), shiftRight(bottom, 32)), bottom.low & kLow32};
}

}  // namespace

ExtendedReal extendedFromInteger(const UInt128& value) {
  const int shift = 80 - bitWidth(value);
  // The 80-bit significand value << shift, split as 64 + 16 bits.
  const UInt128 top =
      shift >= 16 ? UInt128{0, value.low << (shift - 16)} : shiftRight(value, 16 - shift);
  const std::uint64_t lowBits = shift >= 16 ? 0 : value.low << shift;
  return {top.low, static_cast<std::uint16_t>(lowBits & 0xFFFFu), -shift};
}

ExtendedReal multiply(const ExtendedReal& a, const ExtendedReal& b) {
  Product160 product = multiplySignificands(a, b);
  // Both significands lie in [2^79, 2^80), so the product's top bit is bit 159 or 158; in the
  // second case one shift puts it at 159. The 80 bits kept are then the top 80 of the 160.
  int lowest = 80;
  if ((product.high.high >> 63) == 0) {
    product.high = add(shiftLeft(product.high, 1), {0, product.low32 >> 31});
    product.low32 = product.low32 << 1 & kLow32;
    lowest = 79;
  }
  ExtendedReal result{product.high.high, static_cast<std::uint16_t>(product.high.low >> 48),
                      a.exponent + b.exponent + lowest};
  // Below the kept bits: the half bit, then 47 + 32 bits that decide whether it is a tie.
  const bool half = (product.high.low >> 47 & 1) != 0;
  const bool aboveHalf =
      (product.high.low & ((std::uint64_t{1} << 47) - 1)) != 0 || product.low32 != 0;
  if (half && (aboveHalf || (result.low & 1) != 0)) {
    if (++result.low == 0 && ++result.high == 0) {
      result.high = std::uint64_t{1} << 63;
      ++result.exponent;
    }
  }
  return result;
}

}  // namespace hexdec
