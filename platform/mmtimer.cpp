#include "platform/mmtimer.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include <cerrno>

#include <pthread.h>
#include <sys/resource.h>
#include <sys/prctl.h>

using Clock = std::chrono::steady_clock;

namespace {

constexpr uint32_t kPeriodMin = 1;
constexpr uint32_t kPeriodMax = 1000000;
constexpr unsigned long kFineSlackNs = 1000;
constexpr int kRaisedNiceSteps = 10;

std::atomic<int> PeriodRequests{0};
thread_local Clock::time_point TickDue{};

struct TTimerEvent {
    uint32_t Id = 0;
    std::chrono::milliseconds Period{0};
    TTimerCallback Callback;
    std::mutex Lock;
    std::condition_variable Wake;
    bool Stop = false;   // guarded by Lock
    bool Ended = false;  // guarded by Lock; the thread has left its loop for good
    std::thread::id ThreadId;
    std::thread Thread;
};

std::mutex &RegistryLock()
{
    static std::mutex m;
    return m;
}
std::map<uint32_t, std::shared_ptr<TTimerEvent>> &Registry()
{
    static std::map<uint32_t, std::shared_ptr<TTimerEvent>> r;
    return r;
}
uint32_t NextId = 1; // guarded by RegistryLock

void ApplySlack(bool &fine)
{
    const bool want = PeriodRequests.load() > 0;
    if (want == fine)
        return;
    fine = want;
    prctl(PR_SET_TIMERSLACK, want ? kFineSlackNs : 0UL, 0, 0, 0);
}

void RunEvent(std::shared_ptr<TTimerEvent> ev)
{
    pthread_setname_np(pthread_self(), "mmtimer");
    // The service this stands in for runs its callbacks at the highest
    // priority; where the system lets us, ours go well ahead of ordinary work
    // too (they only post or signal, so they take little). Without the
    // privilege the thread simply stays at normal priority.
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, 0);
    if (errno == 0)
        (void)setpriority(PRIO_PROCESS, 0, nice - kRaisedNiceSteps);
    bool fine = false;
    const Clock::time_point start = Clock::now();
    int64_t n = 1;
    std::unique_lock<std::mutex> g(ev->Lock);
    for (;;) {
        ApplySlack(fine);
        const Clock::time_point due = start + n * ev->Period;
        if (ev->Wake.wait_until(g, due, [&] { return ev->Stop; }))
            break;
        g.unlock();
        TickDue = due;
        ev->Callback(ev->Id);
        TickDue = {};
        g.lock();
        n = TimerNextTick(n, Clock::now() - start, ev->Period);
    }
    ev->Ended = true;
    ev->Wake.notify_all();
}

} // namespace

int64_t TimerNextTick(int64_t Tick, std::chrono::nanoseconds Elapsed, std::chrono::milliseconds Period)
{
    return std::max<int64_t>(Tick + 1, Elapsed / Period + 1);
}

MMRESULT timeGetDevCaps(TTimeCaps &Caps)
{
    Caps.wPeriodMin = kPeriodMin;
    Caps.wPeriodMax = kPeriodMax;
    return TIMERR_NOERROR;
}

MMRESULT timeBeginPeriod(uint32_t Period)
{
    if (Period < kPeriodMin || Period > kPeriodMax)
        return TIMERR_NOCANDO;
    ++PeriodRequests;
    return TIMERR_NOERROR;
}

MMRESULT timeEndPeriod(uint32_t Period)
{
    if (Period < kPeriodMin || Period > kPeriodMax)
        return TIMERR_NOCANDO;
    int n = PeriodRequests.load();
    while (n > 0 && !PeriodRequests.compare_exchange_weak(n, n - 1)) {
    }
    return n > 0 ? TIMERR_NOERROR : TIMERR_NOCANDO;
}

int TimerPeriodRequests() { return PeriodRequests.load(); }

uint32_t timeSetEvent(uint32_t Delay, uint32_t Resolution, TTimerCallback Callback)
{
    (void)Resolution;
    if (Delay < kPeriodMin || Delay > kPeriodMax || !Callback)
        return 0;
    auto ev = std::make_shared<TTimerEvent>();
    ev->Period = std::chrono::milliseconds(Delay);
    ev->Callback = std::move(Callback);
    std::lock_guard<std::mutex> g(RegistryLock());
    auto &reg = Registry();
    if (int(reg.size()) >= kMaxTimerEvents)
        return 0;
    while (NextId == 0 || reg.count(NextId))
        ++NextId;
    ev->Id = NextId++;
    {
        // The thread reads Id, Period and Callback only after this lock is let go.
        std::lock_guard<std::mutex> eg(ev->Lock);
        try {
            ev->Thread = std::thread(RunEvent, ev);
        } catch (const std::system_error &) {
            return 0;
        }
        ev->ThreadId = ev->Thread.get_id();
    }
    reg[ev->Id] = ev;
    return ev->Id;
}

bool timeKillEvent(uint32_t TimerID, QString *GaveUpOn, int TimeOutMs)
{
    std::shared_ptr<TTimerEvent> ev;
    {
        std::lock_guard<std::mutex> g(RegistryLock());
        auto it = Registry().find(TimerID);
        if (it == Registry().end()) {
            if (GaveUpOn)
                *GaveUpOn = QStringLiteral("no timer event %1").arg(TimerID);
            return false;
        }
        ev = it->second;
        Registry().erase(it);
    }
    std::unique_lock<std::mutex> g(ev->Lock);
    ev->Stop = true;
    ev->Wake.notify_all();
    if (ev->ThreadId == std::this_thread::get_id()) {
        // Killed from its own callback: the loop ends once that returns.
        g.unlock();
        ev->Thread.detach();
        return true;
    }
    const bool ended = ev->Wake.wait_for(g, std::chrono::milliseconds(std::max(TimeOutMs, 0)),
                                         [&] { return ev->Ended; });
    g.unlock();
    if (ended) {
        ev->Thread.join();
        return true;
    }
    // The callback still runs; the thread keeps the event alive and ends by
    // itself once the callback returns.
    ev->Thread.detach();
    if (GaveUpOn)
        *GaveUpOn = QStringLiteral("the callback of timer event %1 was still running after %2 ms; "
                                   "its thread was left to end by itself")
                        .arg(TimerID)
                        .arg(TimeOutMs);
    return false;
}

int TimerEventCount()
{
    std::lock_guard<std::mutex> g(RegistryLock());
    return int(Registry().size());
}

Clock::time_point CurrentTickDue() { return TickDue; }
