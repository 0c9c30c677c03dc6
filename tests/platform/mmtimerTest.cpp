// The millisecond timer service: ticks on the grid of the first, the limit on
// events, killing from inside a callback, giving up on a stuck callback and
// saying so, and the counted precision requests.
#include "platform/mmtimer.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {
template <typename F> bool WaitUntil(F Done, int LimitMs = 10000)
{
    const auto end = Clock::now() + std::chrono::milliseconds(LimitMs);
    while (!Done() && Clock::now() < end)
        std::this_thread::sleep_for(1ms);
    return Done();
}
} // namespace

TEST(MMTimer, TicksStayOnTheGridOfTheFirstEvenWhenACallbackRunsLong)
{
    std::mutex lock;
    std::vector<Clock::time_point> dues;
    std::vector<std::thread::id> threads;
    Clock::time_point blockedUntil;
    const Clock::time_point before = Clock::now();
    const uint32_t id = timeSetEvent(3, 0, [&](uint32_t) {
        std::lock_guard<std::mutex> g(lock);
        dues.push_back(CurrentTickDue());
        threads.push_back(std::this_thread::get_id());
        if (dues.size() == 4) {
            std::this_thread::sleep_for(10ms); // overruns about three periods
            blockedUntil = Clock::now();
        }
    });
    ASSERT_NE(id, 0u);
    ASSERT_TRUE(WaitUntil([&] {
        std::lock_guard<std::mutex> g(lock);
        return dues.size() >= 12;
    }));
    EXPECT_TRUE(timeKillEvent(id));
    EXPECT_EQ(CurrentTickDue(), Clock::time_point()); // only inside a callback
    std::lock_guard<std::mutex> g(lock);
    EXPECT_GE(dues[0], before + 3ms);
    bool skipped = false;
    for (size_t i = 1; i < dues.size(); ++i) {
        const auto step = dues[i] - dues[i - 1];
        EXPECT_GT(step, Clock::duration::zero()) << "tick " << i;
        EXPECT_EQ((dues[i] - dues[0]) % 3ms, Clock::duration::zero()) << "tick " << i;
        skipped |= step > 3ms;
        EXPECT_EQ(threads[i], threads[0]);
    }
    EXPECT_TRUE(skipped); // the ticks missed during the long callback were dropped, not bunched
    EXPECT_GT(dues[4], blockedUntil); // none of them came late
    EXPECT_NE(threads[0], std::this_thread::get_id());
}

TEST(MMTimer, AfterABlockedCallbackTheNextTickIsTheFirstOnTheGridStillAhead)
{
    // A 3 ms grid: tick n is due at n x 3 ms.
    EXPECT_EQ(TimerNextTick(4, 13500us, 3ms), 5); // tick 4 (12 ms) returned in time
    EXPECT_EQ(TimerNextTick(4, 12001us, 3ms), 5);
    // Tick 4 returned at 25 ms: 15, 18, 21 and 24 ms have passed, 27 is next.
    EXPECT_EQ(TimerNextTick(4, 25ms, 3ms), 9);
    EXPECT_EQ(TimerNextTick(4, 26999us, 3ms), 9);
    EXPECT_EQ(TimerNextTick(4, 27001us, 3ms), 10);
    // Blocked for a whole second on a 200 ms grid: one tick, at 1200 ms.
    EXPECT_EQ(TimerNextTick(1, 1100ms, 200ms), 6);
    // Never the same tick twice, however the clock reads.
    EXPECT_EQ(TimerNextTick(7, 0ms, 3ms), 8);
}

TEST(MMTimer, NoCallbackRunsOnceKillReturns)
{
    std::atomic<int> count{0};
    const uint32_t id = timeSetEvent(1, 0, [&](uint32_t) {
        std::this_thread::sleep_for(300us);
        ++count;
    });
    ASSERT_TRUE(WaitUntil([&] { return count >= 3; }));
    EXPECT_TRUE(timeKillEvent(id));
    const int atKill = count;
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(count, atKill);
    QString why;
    EXPECT_FALSE(timeKillEvent(id, &why)); // already gone
    EXPECT_EQ(why, QStringLiteral("no timer event %1").arg(id));
}

TEST(MMTimer, ACallbackMayKillItsOwnEvent)
{
    const int events = TimerEventCount();
    std::atomic<int> count{0};
    std::atomic<bool> killed{false};
    std::atomic<uint32_t> id{0};
    id = timeSetEvent(1, 0, [&](uint32_t self) {
        while (id == 0) {
        }
        EXPECT_EQ(self, id.load());
        if (++count == 2)
            killed = timeKillEvent(self);
    });
    ASSERT_TRUE(WaitUntil([&] { return killed.load(); }));
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(TimerEventCount(), events);
}

TEST(MMTimer, AStuckCallbackIsGivenUpOnAndSaysSo)
{
    std::atomic<bool> inside{false}, release{false}, finished{false};
    const uint32_t id = timeSetEvent(1, 0, [&](uint32_t) {
        if (inside.exchange(true))
            return;
        while (!release)
            std::this_thread::sleep_for(1ms);
        finished = true;
    });
    ASSERT_TRUE(WaitUntil([&] { return inside.load(); }));
    QString why;
    EXPECT_FALSE(timeKillEvent(id, &why, 30));
    EXPECT_EQ(why, QStringLiteral("the callback of timer event %1 was still running after 30 ms; "
                                  "its thread was left to end by itself")
                       .arg(id));
    release = true;
    EXPECT_TRUE(WaitUntil([&] { return finished.load(); })); // and it does end
}

TEST(MMTimer, EventsAreLimitedAndBadRequestsRefused)
{
    EXPECT_EQ(timeSetEvent(0, 0, [](uint32_t) {}), 0u);
    EXPECT_EQ(timeSetEvent(5, 0, nullptr), 0u);
    std::vector<uint32_t> ids;
    while (TimerEventCount() < kMaxTimerEvents)
        ids.push_back(timeSetEvent(1000, 0, [](uint32_t) {}));
    EXPECT_EQ(timeSetEvent(1000, 0, [](uint32_t) {}), 0u);
    for (uint32_t id : ids)
        EXPECT_TRUE(timeKillEvent(id));
    const uint32_t again = timeSetEvent(1000, 0, [](uint32_t) {});
    EXPECT_NE(again, 0u);
    EXPECT_TRUE(timeKillEvent(again));
}

TEST(MMTimer, PrecisionRequestsAreCountedAndEachEndedOnce)
{
    TTimeCaps caps{};
    EXPECT_EQ(timeGetDevCaps(caps), TIMERR_NOERROR);
    EXPECT_EQ(caps.wPeriodMin, 1u);
    const int base = TimerPeriodRequests();
    EXPECT_EQ(timeBeginPeriod(caps.wPeriodMin), TIMERR_NOERROR);
    EXPECT_EQ(timeBeginPeriod(caps.wPeriodMin), TIMERR_NOERROR);
    EXPECT_EQ(TimerPeriodRequests(), base + 2);
    EXPECT_EQ(timeBeginPeriod(0), TIMERR_NOCANDO);
    EXPECT_EQ(timeEndPeriod(caps.wPeriodMin), TIMERR_NOERROR);
    EXPECT_EQ(timeEndPeriod(caps.wPeriodMin), TIMERR_NOERROR);
    EXPECT_EQ(TimerPeriodRequests(), base);
    if (base == 0) {
        EXPECT_EQ(timeEndPeriod(caps.wPeriodMin), TIMERR_NOCANDO);
    }
}

TEST(MMTimer, WhilePrecisionIsAskedForTheTimersThreadSleepsWithAMicrosecondOfSlack)
{
    // The kernel lets a sleeping thread wake up to its slack late (50 us by
    // default); a precision request brings that down to 1 us for the ticks.
    ASSERT_EQ(TimerPeriodRequests(), 0);
    std::atomic<long> slack{-1};
    std::atomic<int> ticks{0};
    auto tick = [&](uint32_t) {
        slack = long(prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0));
        ++ticks;
    };
    const uint32_t id = timeSetEvent(2, 0, tick);
    ASSERT_NE(id, 0u);
    auto slackAfterTwoMoreTicks = [&] {
        const int from = ticks;
        EXPECT_TRUE(WaitUntil([&] { return ticks >= from + 2; }));
        return slack.load();
    };
    const long coarse = slackAfterTwoMoreTicks();
    EXPECT_GT(coarse, 1000);
    ASSERT_EQ(timeBeginPeriod(1), TIMERR_NOERROR);
    EXPECT_EQ(slackAfterTwoMoreTicks(), 1000);
    ASSERT_EQ(timeEndPeriod(1), TIMERR_NOERROR);
    EXPECT_EQ(slackAfterTwoMoreTicks(), coarse);
    EXPECT_TRUE(timeKillEvent(id));
}
