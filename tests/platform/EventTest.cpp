// The small event the audio workers meet on.
#include "platform/Event.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
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
    std::thread t([&] { got = TEvent::WaitForAny({&terminate, &work}, 10000); });
    terminate.SetEvent();
    t.join();
    EXPECT_EQ(got, 0);
    EXPECT_FALSE(terminate.IsSet());
}

TEST(TEvent, AutoResetWakesExactlyOneOfTwoWaiters)
{
    // Both waiters are parked before the signal, and both have finished their
    // wait (the one left out by running out of time) before the wake-ups are
    // counted, so a second wake-up cannot slip in after the count.
    TEvent e(false);
    std::atomic<int> woken{0};
    auto waiter = [&] {
        if (e.WaitFor(1000))
            ++woken;
    };
    std::thread a(waiter), b(waiter);
    for (int i = 0; i < 5000 && e.Waiting() < 2; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(e.Waiting(), 2);
    e.SetEvent();
    a.join();
    b.join();
    EXPECT_EQ(woken, 1);
    EXPECT_FALSE(e.IsSet()) << "the one wake-up used the signal up";
    EXPECT_EQ(e.Waiting(), 0);

    // A manual-reset event releases both.
    TEvent m(true);
    std::atomic<int> released{0};
    std::thread c([&] { released += m.WaitFor(10000); }), d([&] { released += m.WaitFor(10000); });
    for (int i = 0; i < 5000 && m.Waiting() < 2; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    m.SetEvent();
    c.join();
    d.join();
    EXPECT_EQ(released, 2);
}
