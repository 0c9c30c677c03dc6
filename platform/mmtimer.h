#pragma once
// The multimedia timer service: periodic timer events with a millisecond
// period, each calling back on a thread of its own.
//
// Tick n of an event is due at start + n * period on the monotonic clock, so
// the period never drifts however long a callback takes; a tick whose time has
// passed while its callback was still busy with an earlier one is skipped
// rather than delivered late in a burst. A process has at most
// kMaxTimerEvents events at a time, as the service it stands in for.
//
// Raising the timer precision (timeBeginPeriod) asks the timer threads for the
// tightest wake-up the kernel gives (a timer slack of 1 microsecond) instead of
// the default 50; requests are counted and each must be ended once.
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>

using MMRESULT = uint32_t;
constexpr MMRESULT TIMERR_NOERROR = 0;
constexpr MMRESULT TIMERR_NOCANDO = 97;

// Called on the event's own thread with the event's identifier.
using TTimerCallback = std::function<void(uint32_t TimerID)>;

struct TTimeCaps {
    uint32_t wPeriodMin;
    uint32_t wPeriodMax;
};

constexpr int kMaxTimerEvents = 16;
// How long stopping an event waits for a callback still running.
constexpr int kTimerStopLimitMs = 5000;

MMRESULT timeGetDevCaps(TTimeCaps &Caps);
// TIMERR_NOCANDO for a period outside the capabilities, or an end without a begin.
MMRESULT timeBeginPeriod(uint32_t Period);
MMRESULT timeEndPeriod(uint32_t Period);
// Precision requests not yet ended.
int TimerPeriodRequests();

// Starts a periodic event: Callback runs every Delay milliseconds, the first
// time Delay milliseconds from now. Returns its identifier, or 0 when Delay is
// outside the capabilities, Callback is empty, the process already has
// kMaxTimerEvents events or no thread could be started. Resolution is accepted
// for the shape of the call; the period is always kept to the millisecond.
uint32_t timeSetEvent(uint32_t Delay, uint32_t Resolution, TTimerCallback Callback);

// Stops an event. Returns true when it no longer exists and none of its
// callbacks is running or will run (called from the event's own callback, the
// running callback is the caller's and only later ones are stopped). A
// callback that does not return within TimeOutMs is given up on: the thread is
// let go to end by itself, false is returned and GaveUpOn (when given) says so;
// an unknown identifier also gives false.
bool timeKillEvent(uint32_t TimerID, QString *GaveUpOn = nullptr, int TimeOutMs = kTimerStopLimitMs);

// The tick that follows tick Tick (due at start + Tick x Period) when its
// callback returned Elapsed after the start: the first tick on the grid still
// ahead, so that ticks missed meanwhile are skipped and never bunched.
int64_t TimerNextTick(int64_t Tick, std::chrono::nanoseconds Elapsed, std::chrono::milliseconds Period);

// Events that exist right now (started and not killed).
int TimerEventCount();

// On an event's thread, inside its callback: when the tick being delivered was
// due. Elsewhere: the zero time point.
std::chrono::steady_clock::time_point CurrentTickDue();
