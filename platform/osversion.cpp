#include "platform/osversion.h"

#include <atomic>

namespace {
std::atomic<uint32_t> Override{0};
}

uint32_t Win32Platform()
{
    const uint32_t o = Override.load();
    return o ? o : VER_PLATFORM_WIN32_NT;
}

void SetWin32PlatformForTesting(uint32_t PlatformId) { Override = PlatformId; }
