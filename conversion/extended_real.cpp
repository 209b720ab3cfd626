#include "conversion/extended_real.h"

#include <array>
#include <cstddef>

namespace hexdec {

namespace {

constexpr std::uint64_t kLow32 = 0xFFFFFFFFu;

// An 80-bit significand as three 32-bit limbs, lowest first; its product takes six.
using Limbs = std::array<std::uint64_t, 3>;
using ProductLimbs = std::array<std::uint64_t, 6>;

Limbs toLimbs(const ExtendedReal& value) {
  return {(value.high & 0xFFFFu) << 16 | value.low, (value.high >> 16) & kLow32, value.high >> 48};
}

ProductLimbs multiplyLimbs(const Limbs& a, const Limbs& b) {
  ProductLimbs product{};
  for (std::size_t i = 0; i < a.size(); ++i) {
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < b.size(); ++j) {
      // At most (2^32-1)^2 + 2 * (2^32-1) = 2^64 - 1.
      const std::uint64_t sum = a[i] * b[j] + product[i + j] + carry;
      product[i + j] = sum & kLow32;
      carry = sum >> 32;
    }
    product[i + b.size()] = carry;
  }
  return product;
}

bool bitAt(const ProductLimbs& limbs, int index) {
  return (limbs[static_cast<std::size_t>(index / 32)] >> (index % 32) & 1) != 0;
}

// The 64 bits from bit `start` upward (start + 64 stays within the 192 bits of the limbs).
std::uint64_t bitsFrom(const ProductLimbs& limbs, int start) {
  const auto limb = [&limbs](int i) -> std::uint64_t {
    return i < static_cast<int>(limbs.size()) ? limbs[static_cast<std::size_t>(i)] : 0;
  };
  const int index = start / 32;
  const int offset = start % 32;
  std::uint64_t bits = (limb(index) | limb(index + 1) << 32) >> offset;
  if (offset != 0) bits |= limb(index + 2) << (64 - offset);
  return bits;
}

// Whether any of the bits below bit `count` is 1.
bool anyBitBelow(const ProductLimbs& limbs, int count) {
  for (int i = 0; i < count / 32; ++i) {
    if (limbs[static_cast<std::size_t>(i)] != 0) return true;
  }
  const std::uint64_t mask = (std::uint64_t{1} << (count % 32)) - 1;
  return (limbs[static_cast<std::size_t>(count / 32)] & mask) != 0;
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
  const ProductLimbs product = multiplyLimbs(toLimbs(a), toLimbs(b));
  // Both significands lie in [2^79, 2^80), so the product's top bit is bit 158 or 159.
  const int top = bitAt(product, 159) ? 159 : 158;
  const int lowest = top - 79;  // the lowest of the 80 bits kept
  ExtendedReal result{bitsFrom(product, top - 63),
                      static_cast<std::uint16_t>(bitsFrom(product, lowest) & 0xFFFFu),
                      a.exponent + b.exponent + lowest};
  const bool half = bitAt(product, lowest - 1);
  const bool aboveHalf = anyBitBelow(product, lowest - 1);
  if (half && (aboveHalf || (result.low & 1) != 0)) {
    if (++result.low == 0 && ++result.high == 0) {
      result.high = std::uint64_t{1} << 63;
      ++result.exponent;
    }
  }
  return result;
}

}  // namespace hexdec
