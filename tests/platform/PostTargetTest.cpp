#include "platform/PostTarget.h"
#include "support/Pump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>
#include <atomic>
#include <thread>

namespace {
} // namespace

TEST(TPostTarget, WorkPostedFromAWorkerRunsLaterOnTheUserInterfaceThread)
{
    TPostTarget target;
    QThread *ranOn = nullptr;
    std::atomic<bool> posted{false};
    std::thread worker([&] {
        posted = target.Post([&] { ranOn = QThread::currentThread(); });
    });
    worker.join(); // the post returned without the UI thread running anything
    EXPECT_TRUE(posted);
    EXPECT_EQ(ranOn, nullptr);
    EXPECT_EQ(target.Pending(), 1);
    ASSERT_TRUE(PumpUntil([&] { return ranOn != nullptr; }));
    EXPECT_EQ(ranOn, QCoreApplication::instance()->thread());
    EXPECT_EQ(target.Pending(), 0);
}

TEST(TPostTarget, CallsQueuedBeforeTheTargetGoesAwayNeverRun)
{
    int runs = 0;
    {
        TPostTarget target;
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(target.Post([&] { ++runs; }));
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(runs, 0);
}

TEST(TPostTarget, ClosedFromAWorkerDropsQueuedCallsAndRefusesNewOnes)
{
    int runs = 0;
    TPostTarget target;
    EXPECT_TRUE(target.Post([&] { ++runs; }));
    std::thread closer([&] { target.Close(); });
    closer.join();
    EXPECT_FALSE(target.Post([&] { ++runs; }));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(target.Pending(), 0);
}

TEST(TPostTarget, ManyPostersRaceAgainstCloseWithoutLosingOrder)
{
    // Under ThreadSanitizer this is the check that a post and Close() never
    // touch the receiver at the same time.
    std::vector<int> order;
    auto target = std::make_unique<TPostTarget>();
    std::atomic<bool> go{false};
    std::vector<std::thread> posters;
    for (int p = 0; p < 4; ++p)
        posters.emplace_back([&] {
            while (!go) {
            }
            for (int i = 0; i < 200; ++i)
                target->Post([] {});
        });
    std::thread serial([&] {
        while (!go) {
        }
        for (int i = 0; i < 50; ++i)
            target->Post([&order, i] { order.push_back(i); });
    });
    go = true;
    serial.join();
    PumpUntil([&] { return order.size() == 50; });
    target->Close();
    for (auto &t : posters)
        t.join();
    ASSERT_EQ(order.size(), 50u);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(order[i], i);
    target.reset();
}

TEST(TPostTarget, ACallMayCloseItsOwnTarget)
{
    // A timer handler that changes its timer closes the target whose call is
    // running: the rest of the queue is dropped and nothing is touched after.
    auto target = std::make_unique<TPostTarget>();
    int runs = 0;
    for (int i = 0; i < 3; ++i)
        target->Post([&] {
            ++runs;
            target->Close();
        });
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(target->Pending(), 0);
    EXPECT_FALSE(target->Post([&] { ++runs; }));
    target.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
}

TEST(TPostTarget, APosterHeldByAWorkerPostsWhileTheTargetLivesAndNothingOnceItIsGone)
{
    int runs = 0;
    TPostTarget::TPoster poster;
    {
        TPostTarget target;
        poster = target.Poster();
        std::thread worker([&] { EXPECT_TRUE(poster([&] { ++runs; })); });
        worker.join();
        EXPECT_EQ(target.Pending(), 1);
        ASSERT_TRUE(PumpUntil([&] { return runs == 1; }));
        EXPECT_TRUE(poster([&] { runs += 10; }));   // queued, then the target goes
    }
    // The worker outlived the target's owner: its posts go nowhere.
    std::thread late([&] { EXPECT_FALSE(poster([&] { runs += 100; })); });
    late.join();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(runs, 1);
}
