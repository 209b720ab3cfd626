#include "conversion/powers_of_ten.h"

#include <array>
#include <cstddef>

namespace hexdec {

namespace {

constexpr std::array<PowerOfTen, 58> kPowersOfTen{{
#include "conversion/powers_of_ten.inc"
}};

constexpr std::size_t kPerSign = kPowersOfTen.size() / 2;

}  // namespace

std::span<const PowerOfTen> powersOfTen() { return kPowersOfTen; }

const ExtendedReal& powerOfTenFactor(int position, int digit, bool reciprocal) {
  const std::size_t index = static_cast<std::size_t>(position * 7 + digit - 1);
  return kPowersOfTen[(reciprocal ? kPerSign : 0) + index].value;
}

}  // namespace hexdec
