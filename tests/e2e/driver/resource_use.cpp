#include <windows.h>

#include <psapi.h>  // needs windows.h first

#include <winternl.h>

#include <algorithm>
#include <vector>

#include "checks.h"
#include "report.h"
#include "win.h"

namespace hexdec::e2e {
namespace {

struct Usage {
  DWORD gdiObjects = 0, userObjects = 0, handles = 0, windows = 0;
  SIZE_T privateBytes = 0;
};

// Wine reports no handle count through GetProcessHandleCount for another process, but does in
// the system's process list.
DWORD handleCountFromProcessList(DWORD id) {
  std::vector<char> buffer(1 << 20);
  ULONG size = 0;
  if (NtQuerySystemInformation(SystemProcessInformation, buffer.data(), ULONG(buffer.size()),
                               &size) != 0)
    return 0;
  for (std::size_t at = 0;;) {
    const auto* entry = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(buffer.data() + at);
    if (DWORD(reinterpret_cast<ULONG_PTR>(entry->UniqueProcessId)) == id) return entry->HandleCount;
    if (entry->NextEntryOffset == 0) return 0;
    at += entry->NextEntryOffset;
  }
}

// Every window of the process, top-level and child: a leaked message box or control shows here
// even where the system does not count USER objects.
DWORD windowCount(DWORD id) {
  DWORD windows = 0;
  for (HWND window : topLevelWindows()) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == id) windows += 1 + DWORD(descendantsOf(window).size());
  }
  return windows;
}

Usage measure(const Program& program) {
  const HANDLE process = program.process.hProcess;
  Usage usage;
  usage.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  usage.userObjects = GetGuiResources(process, GR_USEROBJECTS);
  if (!GetProcessHandleCount(process, &usage.handles) || usage.handles == 0)
    usage.handles = handleCountFromProcessList(program.process.dwProcessId);
  usage.windows = windowCount(program.process.dwProcessId);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof memory))
    // The commit charge: the private memory. Wine fills in PagefileUsage but not PrivateUsage.
    usage.privateBytes = std::max(memory.PrivateUsage, memory.PagefileUsage);
  return usage;
}

std::string show(const Usage& u) {
  return "GDI objects " + std::to_string(u.gdiObjects) + ", USER objects " +
         std::to_string(u.userObjects) + ", handles " + std::to_string(u.handles) + ", windows " +
         std::to_string(u.windows) + ", private bytes " + std::to_string(u.privateBytes);
}

// Clicks alternately on both buttons with a text that each reports once.
void clickWithMessages(const Program& program, int clicks) {
  for (int i = 0; i < clicks; ++i) {
    const bool toHex = i % 2 == 0;
    const Case c{0, toHex ? "转16进制" : "转10进制", "\"1G\"", u"1G", {2}, toHex ? "1" : "16"};
    runCase(program, c, {});
  }
}

void checkGrowth(const std::string& what, long long before, long long after, long long allowed) {
  check(after - before <= allowed, what + " grew from " + std::to_string(before) + " to " +
                                       std::to_string(after) + " (allowed " +
                                       std::to_string(allowed) + ")");
}

}  // namespace

void checkResourceUse(const Program& program, int clicks) {
  // The first boxes load what every later box reuses.
  clickWithMessages(program, 20);
  const Usage before = measure(program);
  clickWithMessages(program, clicks);
  const Usage after = measure(program);
  note("before " + std::to_string(clicks) + " clicks: " + show(before));
  note("after  " + std::to_string(clicks) + " clicks: " + show(after));

  if (before.gdiObjects == 0 && after.gdiObjects == 0)
    note("GDI and USER object counts are not reported on this system (GetGuiResources gives 0)");
  checkGrowth("GDI objects", before.gdiObjects, after.gdiObjects, 2);
  checkGrowth("USER objects", before.userObjects, after.userObjects, 2);
  check(before.handles > 0, "the handle count of the program is not reported");
  checkGrowth("the handle count", before.handles, after.handles, 4);
  checkGrowth("the window count", before.windows, after.windows, 0);
  check(before.privateBytes > 0, "the private bytes of the program are not reported");
  checkGrowth("private bytes", static_cast<long long>(before.privateBytes),
              static_cast<long long>(after.privateBytes), 256 * 1024);
}

}  // namespace hexdec::e2e
