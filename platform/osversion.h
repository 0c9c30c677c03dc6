#pragma once
// The operating-system version as the components designed for the original
// platform ask for it: its platform identifier (1 for the consumer line whose
// timer callbacks ran at interrupt time, 2 for the business line). This
// program reports the business line: its timer callbacks run on ordinary
// threads. Tests may pretend otherwise to reach code kept for the other line.
#include <cstdint>

constexpr uint32_t VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr uint32_t VER_PLATFORM_WIN32_NT = 2;

uint32_t Win32Platform();
// Replaces the reported identifier; 0 restores the real one.
void SetWin32PlatformForTesting(uint32_t PlatformId);
