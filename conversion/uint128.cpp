#include "conversion/uint128.h"

#include <array>
#include <bit>

namespace hexdec {

namespace {

constexpr std::uint64_t kLow32 = 0xFFFFFFFFu;

// Four 32-bit limbs, lowest first, so that every limb product fits 64 bits.
using Limbs = std::array<std::uint64_t, 4>;

Limbs toLimbs(const UInt128& value) {
  return {value.low & kLow32, value.low >> 32, value.high & kLow32, value.high >> 32};
}

UInt128 fromLimbs(const Limbs& limbs) {
  return {limbs[3] << 32 | limbs[2], limbs[1] << 32 | limbs[0]};
}

}  // namespace

UInt128 multiplyAdd(UInt128 value, std::uint32_t factor, std::uint32_t addend) {
  Limbs limbs = toLimbs(value);
  std::uint64_t carry = addend;
  for (std::uint64_t& limb : limbs) {
    const std::uint64_t product = limb * factor + carry;  // < 2^64: (2^32-1)^2 + 2^32 - 1
    limb = product & kLow32;
    carry = product >> 32;
  }
  return fromLimbs(limbs);
}

std::uint32_t divideInPlace(UInt128& value, std::uint32_t divisor) {
  Limbs limbs = toLimbs(value);
  std::uint64_t remainder = 0;
  for (int i = 3; i >= 0; --i) {
    const std::uint64_t dividend = remainder << 32 | limbs[static_cast<std::size_t>(i)];
    limbs[static_cast<std::size_t>(i)] = dividend / divisor;
    remainder = dividend % divisor;
  }
  value = fromLimbs(limbs);
  return static_cast<std::uint32_t>(remainder);
}

int bitWidth(const UInt128& value) {
  return static_cast<int>(value.high != 0 ? 64 + std::bit_width(value.high)
                                          : std::bit_width(value.low));
}

UInt128 shiftRight(const UInt128& value, int count) {
  if (count == 0) return value;
  if (count >= 64) return {0, value.high >> (count - 64)};
  return {value.high >> count, value.low >> count | value.high << (64 - count)};
}

}  // namespace hexdec
