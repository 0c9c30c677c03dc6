// The small event the audio workers meet on.
#include "platform/Event.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

TEST(TEvent, ManualResetStaysSetAutoResetReleasesOnce)
{
    TEvent manual(true);
    EXPECT_FALSE(manual.WaitFor(0));
    manual.SetEvent();
    EXPECT_TRUE(manual.WaitFor(0));
    EXPECT_TRUE(manual.WaitFor(0));
    manual.ResetEvent();
    EXPECT_FALSE(manual.IsSet());

    TEvent automatic(false, true);
    EXPECT_TRUE(automatic.IsSet());
    EXPECT_TRUE(automatic.WaitFor(0));
    EXPECT_FALSE(automatic.IsSet());
    EXPECT_FALSE(automatic.WaitFor(5));
}

TEST(TEvent, WaitForAnyReportsTheSignalledEventAndConsumesAutoReset)
{
    TEvent terminate(false), work(true);
    EXPECT_EQ(TEvent::WaitForAny({&terminate, &work}, 0), -1);
    work.SetEvent();
    EXPECT_EQ(TEvent::WaitForAny({&terminate, &work}, 0), 1);
    EXPECT_TRUE(work.IsSet()); // manual reset: still set
    terminate.SetEvent();
    EXPECT_EQ(TEvent::WaitForAny({&terminate, &work}, 0), 0);
    EXPECT_FALSE(terminate.IsSet());

    // A waiter parked on two events wakes for a signal from another thread.
    work.ResetEvent();
    std::atomic<int> got{-2};
    std::thread t([&] { got = TEvent::WaitForAny({&terminate, &work}); });
    terminate.SetEvent();
    t.join();
    EXPECT_EQ(got, 0);
    EXPECT_FALSE(terminate.IsSet());
}

TEST(TEvent, AutoResetWakesExactlyOneOfTwoWaiters)
{
    TEvent e(false);
    std::atomic<int> woken{0};
    std::thread a([&] { if (e.WaitFor(-1)) ++woken; });
    std::thread b([&] { if (e.WaitFor(-1)) ++woken; });
    e.SetEvent();
    while (woken < 1)
        std::this_thread::yield();
    EXPECT_EQ(woken, 1);
    e.SetEvent(); // release the other one
    a.join();
    b.join();
    EXPECT_EQ(woken, 2);
}
