// The high-resolution timer: when a timer runs at all, the three ways a tick
// reaches the handler and on which thread, the bounded queue behind a busy
// user-interface thread, rebuilding on a change, teardown, and its errors.
// Behaviour is checked by counting ticks, timer events and threads; nothing
// here asserts on how long something took.
#include "audio/MMHiTimer.h"
#include "platform/mmtimer.h"
#include "platform/osversion.h"
#include "support/MessageLog.h"
#include "support/TestSupport.h"
#include "support/Pump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include <sys/resource.h>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// Lets events and threads run for a while without expecting anything.
void Idle(int Ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < Ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

std::thread::id MainThreadId()
{
    static std::thread::id id = std::this_thread::get_id(); // first use is on the test's main thread
    return id;
}

struct TTickLog {
    std::atomic<int> Count{0};
    std::mutex Lock;
    std::set<std::thread::id> Threads;
    std::vector<Clock::time_point> Dues;
    std::vector<int> Nice;

    TMMNotifyEvent Handler()
    {
        return [this](TMMComponent *Sender) {
            {
                std::lock_guard<std::mutex> g(Lock);
                Threads.insert(std::this_thread::get_id());
                Dues.push_back(static_cast<TMMHiTimer *>(Sender)->TickDue());
                Nice.push_back(getpriority(PRIO_PROCESS, 0));
            }
            ++Count;
        };
    }
};

class HiTimer : public ::testing::Test {
protected:
    void SetUp() override
    {
        MainThreadId();
        FEvents = TimerEventCount();
        FPeriods = TimerPeriodRequests();
    }
    void TearDown() override
    {
        SetWin32PlatformForTesting(0);
        SetWorkerErrorHandler(nullptr);
        // Every timer of the test is gone: no event left running, no raised
        // precision left behind, no worker thread left alive.
        EXPECT_EQ(TimerEventCount(), FEvents);
        EXPECT_EQ(TimerPeriodRequests(), FPeriods);
        EXPECT_TRUE(PumpUntil([] { return TMMHiTimer::ThreadCount() == 0; }));
    }
    int FEvents = 0, FPeriods = 0;
};

} // namespace

TEST_F(HiTimer, StartsWithTheDocumentedDefaults)
{
    TMMHiTimer t;
    EXPECT_TRUE(t.Enabled());
    EXPECT_EQ(t.Interval(), 1000);
    EXPECT_FALSE(t.OnTimer());
    EXPECT_EQ(t.CallBackMode(), cmWindow);
    EXPECT_EQ(t.Priority(), tpNormal);
    EXPECT_TRUE(t.Synchronize());
    EXPECT_FALSE(t.WaitForTerminate());
    EXPECT_EQ(t.TimerID(), 0u); // no handler yet, so no timer
}

TEST_F(HiTimer, NoTimerRunsWithoutIntervalEnabledOrHandler)
{
    for (TMMCBMode mode : {cmWindow, cmThread}) {
        TTickLog log;
        TMMHiTimer zero, disabled, bare;
        for (TMMHiTimer *t : {&zero, &disabled, &bare})
            t->SetCallBackMode(mode);
        zero.SetInterval(0);
        zero.SetOnTimer(log.Handler());
        disabled.SetInterval(1);
        disabled.SetEnabled(false);
        disabled.SetOnTimer(log.Handler());
        bare.SetInterval(1);
        for (TMMHiTimer *t : {&zero, &disabled, &bare})
            EXPECT_EQ(t->TimerID(), 0u) << "mode " << mode;
        EXPECT_EQ(TimerEventCount(), FEvents);
        EXPECT_EQ(TMMHiTimer::ThreadCount(), 0);
        Idle(50);
        EXPECT_EQ(log.Count, 0);

        // The same timer ticks once the last missing piece arrives.
        disabled.SetEnabled(true);
        EXPECT_NE(disabled.TimerID(), 0u);
        EXPECT_TRUE(PumpUntil([&] { return log.Count >= 2; })) << "mode " << mode;
    }
}

TEST_F(HiTimer, WindowModeRunsTheHandlerOnTheUserInterfaceThread)
{
    TTickLog log;
    TMMHiTimer t;
    t.SetInterval(5);
    t.SetOnTimer(log.Handler());
    ASSERT_TRUE(PumpUntil([&] { return log.Count >= 3; }));
    t.SetEnabled(false);
    EXPECT_EQ(log.Threads, std::set<std::thread::id>{MainThreadId()});
}

TEST_F(HiTimer, ABlockedUserInterfaceThreadHandlesTenTicksAfterwardsNotAHundred)
{
    TTickLog log;
    TMMHiTimer t;
    t.SetInterval(10);
    t.SetOnTimer(log.Handler());
    ASSERT_TRUE(PumpUntil([&] { return log.Count >= 1; }));
    // Whatever is queued now is handled before the block starts.
    QCoreApplication::sendPostedEvents();
    const int before = log.Count;

    std::this_thread::sleep_for(1000ms); // about 100 ticks fall due meanwhile
    EXPECT_EQ(t.PendingTicks(), 10);
    // One pass over what was queued before it started: the backlog alone.
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(log.Count - before, 10);
}

TEST_F(HiTimer, ClearingEnabledDropsQueuedTicks)
{
    TTickLog log;
    TMMHiTimer t;
    t.SetInterval(2);
    t.SetOnTimer(log.Handler());
    ASSERT_TRUE(PumpUntil([&] { return log.Count >= 1; }));
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(t.PendingTicks(), 10);
    const int before = log.Count;
    t.SetEnabled(false);
    EXPECT_EQ(t.TimerID(), 0u);
    Idle(50);
    EXPECT_EQ(log.Count, before);
}

TEST_F(HiTimer, ChangingTheIntervalRestartsThePeriodFromTheChange)
{
    TTickLog log;
    TMMHiTimer t;
    t.SetInterval(20);
    t.SetOnTimer(log.Handler());
    ASSERT_TRUE(PumpUntil([&] { return log.Count >= 1; }));
    const uint32_t oldId = t.TimerID();
    const Clock::time_point change = Clock::now();
    t.SetInterval(300);
    EXPECT_NE(t.TimerID(), oldId);
    const int before = log.Count;
    ASSERT_TRUE(PumpUntil([&] { return log.Count > before; }));
    // Kept on the old grid, the next tick would be due at most 300 ms after
    // the last tick of the old timer, which came before the change.
    std::lock_guard<std::mutex> g(log.Lock);
    EXPECT_GE(log.Dues[size_t(before)], change + 300ms);
}

TEST_F(HiTimer, ThreadModeWithoutSynchronizeRunsTheHandlerOnItsOwnThread)
{
    TTickLog log;
    TMMHiTimer t;
    t.SetSynchronize(false);
    t.SetWaitForTerminate(true);
    t.SetInterval(2);
    t.SetCallBackMode(cmThread);
    t.SetOnTimer(log.Handler());
    EXPECT_EQ(TMMHiTimer::ThreadCount(), 1);
    ASSERT_TRUE(PumpUntil([&] { return log.Count >= 5; }));
    t.SetEnabled(false);
    // Waited for; the thread's own last reference goes a moment after it
    // signals its end, so its freeing is awaited, within a limit.
    EXPECT_TRUE(PumpUntil([] { return TMMHiTimer::ThreadCount() == 0; }));
    std::lock_guard<std::mutex> g(log.Lock);
    ASSERT_EQ(log.Threads.size(), 1u); // one worker for every tick
    EXPECT_NE(*log.Threads.begin(), MainThreadId());
}

TEST_F(HiTimer, ThreadModeWithSynchronizeRunsTheHandlerOnTheUserInterfaceThread)
{
    TTickLog log;
    TMMHiTimer t;
    t.SetInterval(2);
    t.SetCallBackMode(cmThread);
    t.SetOnTimer(log.Handler());
    EXPECT_EQ(TMMHiTimer::ThreadCount(), 1);
    ASSERT_TRUE(PumpUntil([&] { return log.Count >= 5; }));
    t.SetEnabled(false);
    std::lock_guard<std::mutex> g(log.Lock);
    EXPECT_EQ(log.Threads, std::set<std::thread::id>{MainThreadId()});
}

TEST_F(HiTimer, ASynchronizedHandlerMayChangeItsTimer)
{
    // The worker waits for the handler while the handler tears the worker
    // down: with WaitForTerminate set, that must neither hang nor leave the
    // timer without a thread.
    TMMHiTimer t;
    t.SetWaitForTerminate(true);
    t.SetInterval(2);
    t.SetCallBackMode(cmThread);
    std::atomic<int> count{0};
    t.SetOnTimer([&](TMMComponent *) {
        if (++count == 2)
            t.SetInterval(3);
    });
    ASSERT_TRUE(PumpUntil([&] { return count >= 6; }));
    EXPECT_EQ(t.Interval(), 3);
    EXPECT_EQ(TMMHiTimer::ThreadCount(), 1);
}

TEST_F(HiTimer, NoHandlerCallAfterDestruction)
{
    struct TCase {
        TMMCBMode Mode;
        bool Sync;
    };
    SetWin32PlatformForTesting(VER_PLATFORM_WIN32_WINDOWS); // to reach cmCallback
    for (TCase c : {TCase{cmWindow, true}, TCase{cmThread, true}, TCase{cmThread, false}, TCase{cmCallback, true}}) {
        std::atomic<int> count{0};
        std::atomic<bool> alive{true};
        std::atomic<int> afterDeath{0};
        {
            TMMHiTimer t;
            t.SetInterval(1);
            t.SetSynchronize(c.Sync);
            t.SetCallBackMode(c.Mode);
            t.SetOnTimer([&](TMMComponent *) {
                if (!alive)
                    ++afterDeath;
                ++count;
                std::this_thread::sleep_for(200us); // widen the window for a late call
            });
            ASSERT_TRUE(PumpUntil([&] { return count >= 5; })) << "mode " << c.Mode;
            std::this_thread::sleep_for(30ms); // ticks queue up behind the test
        }
        alive = false;
        const int atDeath = count;
        Idle(100);
        EXPECT_EQ(count, atDeath) << "mode " << c.Mode << " sync " << c.Sync;
        EXPECT_EQ(afterDeath, 0);
    }
}

TEST_F(HiTimer, DoTimerChecksEnabled)
{
    TTickLog log;
    TMMHiTimer t;
    t.SetOnTimer(log.Handler());
    t.SetEnabled(false);
    t.DoTimer();
    EXPECT_EQ(log.Count, 0);
    t.SetEnabled(true);
    t.DoTimer();
    EXPECT_EQ(log.Count, 1);
}

TEST_F(HiTimer, CallbackModeIsRefusedWhereCallbacksRunOnOrdinaryThreads)
{
    MessageLog boxes;
    TMMHiTimer t;
    t.SetCallBackMode(cmCallback);
    EXPECT_EQ(t.CallBackMode(), cmWindow);
    ASSERT_EQ(boxes.Captions.size(), 1);
    EXPECT_EQ(boxes.Captions[0], "TMMHiTimer");
    EXPECT_EQ(boxes.Texts[0], "\"CallBacks\" are called at interrupt time !\n\r"
                              "This is currently only supported under Windows 95");
}

TEST_F(HiTimer, CallbackModeRunsTheHandlerOnTheTimerServiceThread)
{
    SetWin32PlatformForTesting(VER_PLATFORM_WIN32_WINDOWS);
    MessageLog boxes;
    TTickLog log;
    TMMHiTimer t;
    t.SetInterval(2);
    t.SetCallBackMode(cmCallback);
    ASSERT_EQ(t.CallBackMode(), cmCallback);
    t.SetOnTimer(log.Handler());
    EXPECT_EQ(TMMHiTimer::ThreadCount(), 0); // no worker of its own
    ASSERT_TRUE(PumpUntil([&] { return log.Count >= 3; }));
    t.SetEnabled(false);
    EXPECT_TRUE(boxes.Texts.isEmpty());
    std::lock_guard<std::mutex> g(log.Lock);
    ASSERT_EQ(log.Threads.size(), 1u);
    EXPECT_NE(*log.Threads.begin(), MainThreadId());
    // Every tick on the grid of the first: no drift.
    for (size_t i = 1; i < log.Dues.size(); ++i) {
        const auto step = log.Dues[i] - log.Dues[0];
        EXPECT_EQ(step % 2ms, Clock::duration::zero()) << "tick " << i;
    }
}

TEST_F(HiTimer, PriorityReachesTheRunningWorkerAtOnce)
{
    TTickLog log;
    TMMHiTimer t;
    t.SetSynchronize(false);
    t.SetInterval(2);
    t.SetCallBackMode(cmThread);
    t.SetOnTimer(log.Handler());
    ASSERT_TRUE(PumpUntil([&] { return log.Count >= 1; }));
    int normal;
    {
        std::lock_guard<std::mutex> g(log.Lock);
        normal = log.Nice.back();
    }
    t.SetPriority(tpLowest); // two steps lower; lowering needs no privilege
    const int before = log.Count;
    ASSERT_TRUE(PumpUntil([&] { return log.Count >= before + 3; }));
    std::lock_guard<std::mutex> g(log.Lock);
    EXPECT_EQ(log.Nice.back(), normal + 2);
}

TEST_F(HiTimer, AHandlerFailureIsShownAndTheTicksGoOn)
{
    for (TMMCBMode mode : {cmWindow, cmThread}) {
        MessageLog boxes;
        std::atomic<int> count{0};
        TMMHiTimer t;
        t.SetInterval(5);
        t.SetSynchronize(false);
        t.SetCallBackMode(mode);
        t.SetOnTimer([&](TMMComponent *) {
            if (++count == 1)
                throw EMMWaveError("tick failed");
        });
        ASSERT_TRUE(PumpUntil([&] { return count >= 3 && !boxes.Texts.isEmpty(); })) << "mode " << mode;
        t.SetEnabled(false);
        EXPECT_EQ(boxes.Texts.first(), "tick failed");
    }
}

TEST_F(HiTimer, RunningOutOfTimerEventsRaisesNotEnoughTimers)
{
    std::vector<std::unique_ptr<TMMHiTimer>> timers;
    const auto handler = [](TMMComponent *) {};
    while (TimerEventCount() < kMaxTimerEvents) {
        timers.push_back(std::make_unique<TMMHiTimer>());
        timers.back()->SetOnTimer(handler);
    }
    TMMHiTimer extra;
    try {
        extra.SetOnTimer(handler);
        FAIL() << "no error";
    } catch (const EOutOfResources &e) {
        EXPECT_EQ(e.Message(), "Not enough timers available");
    }
    EXPECT_EQ(extra.TimerID(), 0u);
    EXPECT_EQ(TimerPeriodRequests(), FPeriods + kMaxTimerEvents); // the failed one gave its request back
}

namespace {
class TStillbornTimer : public TMMHiTimer {
public:
    TStillbornTimer() { FThreadStartLimitMs = 100; }

protected:
    bool AcceptThreadStart() override { return false; }
};
} // namespace

TEST_F(HiTimer, AWorkerThatNeverStartsRaisesCouldNotCreateThread)
{
    TStillbornTimer t;
    t.SetOnTimer([](TMMComponent *) {});
    ASSERT_NE(t.TimerID(), 0u);
    try {
        t.SetCallBackMode(cmThread);
        FAIL() << "no error";
    } catch (const EMMHiTimerError &e) {
        EXPECT_EQ(e.Message(), "HiTimer:\n\rCould not create thread");
    }
    EXPECT_EQ(t.TimerID(), 0u);
}

namespace {
class TImpatientTimer : public TMMHiTimer {
public:
    TImpatientTimer() { FThreadEndLimitMs = 50; }
};
} // namespace

TEST_F(HiTimer, AHandlerStuckOnTheWorkerIsGivenUpOnAndSaidSo)
{
    MessageLog boxes;
    std::atomic<bool> inside{false}, release{false}, returned{false};
    {
        TImpatientTimer t;
        t.SetSynchronize(false);
        t.SetInterval(1);
        t.SetCallBackMode(cmThread);
        t.SetOnTimer([&](TMMComponent *) {
            if (inside.exchange(true))
                return;
            while (!release)
                std::this_thread::sleep_for(1ms);
            returned = true;
        });
        ASSERT_TRUE(PumpUntil([&] { return inside.load(); }));
    } // the timer goes while its handler still runs on the worker
    ASSERT_TRUE(PumpUntil([&] { return !boxes.Texts.isEmpty(); }));
    EXPECT_EQ(boxes.Texts.first(), "HiTimer:\n\rthe timer's handler was still running on its thread after 50 ms; "
                                   "the thread was let go without waiting for it");
    release = true;
    EXPECT_TRUE(PumpUntil([&] { return returned.load(); })); // and the worker ends by itself (TearDown)
}
