#include "shell/win32/fatal_failure.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "shell/win32/allocation.h"

namespace hexdec {
namespace {

TEST(OutOfMemory, TheBoxNamesTheBytesAskedFor) {
  EXPECT_EQ(std::wstring(outOfMemoryText(0).data()), L"内存不足：无法分配 0 字节。");
  EXPECT_EQ(std::wstring(outOfMemoryText(1048576).data()), L"内存不足：无法分配 1048576 字节。");
  EXPECT_EQ(std::wstring(outOfMemoryText(SIZE_MAX).data()),
            L"内存不足：无法分配 " + std::to_wstring(SIZE_MAX) + L" 字节。");
}

TEST(OutOfMemory, AFailedRequestRecordsItsSize) {
  const std::size_t huge = PTRDIFF_MAX / 2;
  std::vector<char> buffer;
  EXPECT_THROW(buffer.reserve(huge), std::bad_alloc);
  EXPECT_EQ(lastFailedAllocationSize(), huge);
}

}  // namespace
}  // namespace hexdec
