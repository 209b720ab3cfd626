#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "conversion/extended_real.h"

namespace hexdec::testing {

// A plain exact unsigned integer for checking results, kept simple rather than fast: 32-bit limbs,
// lowest first, no leading zero limbs.
class BigInteger {
 public:
  BigInteger(std::uint64_t value = 0) {  // NOLINT: implicit on purpose, as for built-in integers
    for (; value != 0; value >>= 32) limbs_.push_back(static_cast<std::uint32_t>(value));
  }

  static BigInteger powerOfTwo(int exponent) {
    BigInteger result;
    result.limbs_.assign(static_cast<std::size_t>(exponent / 32) + 1, 0);
    result.limbs_.back() = std::uint32_t{1} << (exponent % 32);
    return result;
  }

  static BigInteger powerOfTen(int exponent) {
    BigInteger result = 1;
    for (int i = 0; i < exponent; ++i) result = result * BigInteger(10);
    return result;
  }

  // The 80-bit significand of an ExtendedReal as an integer.
  static BigInteger significandOf(const ExtendedReal& value) {
    return BigInteger(value.high) * BigInteger(1 << 16) + BigInteger(value.low);
  }

  friend BigInteger operator*(const BigInteger& a, const BigInteger& b) {
    BigInteger product;
    product.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
    for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
      std::uint64_t carry = 0;
      for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
        const std::uint64_t sum =
            std::uint64_t{a.limbs_[i]} * b.limbs_[j] + product.limbs_[i + j] + carry;
        product.limbs_[i + j] = static_cast<std::uint32_t>(sum);
        carry = sum >> 32;
      }
      product.limbs_[i + b.limbs_.size()] = static_cast<std::uint32_t>(carry);
    }
    product.trim();
    return product;
  }

  friend BigInteger operator+(const BigInteger& a, const BigInteger& b) {
    BigInteger sum;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < std::max(a.limbs_.size(), b.limbs_.size()) || carry != 0; ++i) {
      carry += std::uint64_t{a.limb(i)} + b.limb(i);
      sum.limbs_.push_back(static_cast<std::uint32_t>(carry));
      carry >>= 32;
    }
    sum.trim();
    return sum;
  }

  // a - b for a >= b.
  friend BigInteger operator-(const BigInteger& a, const BigInteger& b) {
    BigInteger difference = a;
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < difference.limbs_.size(); ++i) {
      std::int64_t limb = std::int64_t{a.limbs_[i]} - b.limb(i) - borrow;
      borrow = limb < 0 ? 1 : 0;
      difference.limbs_[i] = static_cast<std::uint32_t>(limb + (borrow << 32));
    }
    difference.trim();
    return difference;
  }

  friend bool operator<(const BigInteger& a, const BigInteger& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size();
    return std::lexicographical_compare(a.limbs_.rbegin(), a.limbs_.rend(), b.limbs_.rbegin(),
                                        b.limbs_.rend());
  }

  friend bool operator==(const BigInteger&, const BigInteger&) = default;

  int bitWidth() const {
    if (limbs_.empty()) return 0;
    int width = static_cast<int>(limbs_.size() - 1) * 32;
    for (std::uint32_t top = limbs_.back(); top != 0; top >>= 1) ++width;
    return width;
  }

  bool bit(int index) const {
    return (limb(static_cast<std::size_t>(index / 32)) >> (index % 32) & 1) != 0;
  }

  // The value of bits [start, start + count) for count <= 64.
  std::uint64_t bits(int start, int count) const {
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 1 | (bit(start + i) ? 1 : 0);
    return value;
  }

  bool anyBitBelow(int count) const {
    for (int i = 0; i < count; ++i) {
      if (bit(i)) return true;
    }
    return false;
  }

 private:
  std::uint32_t limb(std::size_t i) const { return i < limbs_.size() ? limbs_[i] : 0; }
  void trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  }

  std::vector<std::uint32_t> limbs_;
};

// value * 2^exponent, rounded to nearest at 80 significant bits with ties to even; `inexactBelow`
// tells that a nonzero remainder lies below the lowest bit of value. value is nonzero.
inline ExtendedReal roundToExtended(const BigInteger& value, int exponent,
                                    bool inexactBelow = false) {
  const int width = value.bitWidth();
  if (width <= 80) {
    const BigInteger shifted = value * BigInteger::powerOfTwo(80 - width);
    return {shifted.bits(16, 64), static_cast<std::uint16_t>(shifted.bits(0, 16)),
            exponent - (80 - width)};
  }
  const int dropped = width - 80;
  BigInteger kept = BigInteger(value.bits(dropped + 16, 64)) * BigInteger::powerOfTwo(16) +
                    BigInteger(value.bits(dropped, 16));
  const bool half = value.bit(dropped - 1);
  const bool aboveHalf = inexactBelow || value.anyBitBelow(dropped - 1);
  int resultExponent = exponent + dropped;
  if (half && (aboveHalf || kept.bit(0))) {
    kept = kept + BigInteger(1);
    if (kept.bitWidth() > 80) return {std::uint64_t{1} << 63, 0, resultExponent + 1};
  }
  return {kept.bits(16, 64), static_cast<std::uint16_t>(kept.bits(0, 16)), resultExponent};
}

}  // namespace hexdec::testing
