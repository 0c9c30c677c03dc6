#include "run/Dtmisc.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

TEST(Dozer, IntervalFollowsAShorterDozeLengthButNotZero)
{
    TDozer d;
    EXPECT_EQ(d.DozeLength(), 0);
    EXPECT_EQ(d.Interval(), 0);

    d.SetInterval(1000);
    EXPECT_EQ(d.Interval(), 1000) << "with DozeLength 0 Interval keeps any value";
    d.SetDozeLength(300);
    EXPECT_EQ(d.Interval(), 300);
    d.SetInterval(1000);
    EXPECT_EQ(d.Interval(), 300) << "Interval longer than the doze is cut to it";
    d.SetInterval(100);
    d.SetDozeLength(500);
    EXPECT_EQ(d.Interval(), 100) << "a shorter Interval stays";
    d.SetDozeLength(0);
    d.SetInterval(2000);
    EXPECT_EQ(d.Interval(), 2000);
}

TEST(Dozer, SettingPropertiesDoesNotStartADoze)
{
    TDozer d;
    d.SetDozeLength(200);
    d.SetInterval(50);
    EXPECT_FALSE(d.Dozing());
}

// Time moved by hand: every tick of the internal timer advances the clock by the
// interval, so the count of ticks is exact whatever the machine's load.
struct TManualClock {
    uint32_t Now;
    uint32_t Step;
};

TEST(Dozer, EndsAtTheFirstTickAtOrAfterTheLengthEvenWhenTheTickCountWraps)
{
    for (uint32_t start : {1000u, 0xFFFFFF38u /* wraps after 200 ms */, 0xFFFFFFFFu}) {
        TDozer d;
        TManualClock clock{start, 100};
        d.SetTickSource([&] { return clock.Now; });
        d.SetInterval(100);
        int ticks = 0, wakeUps = 0, ticksAtWakeUp = -1;
        d.OnTimer = [&](QObject *sender) {
            EXPECT_EQ(sender, &d);
            ++ticks;
            clock.Now += clock.Step;
        };
        d.OnWakeUp = [&](QObject *sender) {
            EXPECT_EQ(sender, &d);
            ++wakeUps;
            ticksAtWakeUp = ticks;
        };
        d.Doze(500);
        EXPECT_EQ(ticks, 5) << "start " << start;
        EXPECT_EQ(wakeUps, 1);
        EXPECT_EQ(ticksAtWakeUp, 5) << "OnWakeUp comes after the last tick";
        EXPECT_FALSE(d.Dozing());
        EXPECT_EQ(d.DozeLength(), 500);
    }
}

TEST(Dozer, IntervalZeroUsesTheDozeLengthAsPeriod)
{
    TDozer d;
    uint32_t now = 0;
    d.SetTickSource([&] { return now; });
    int ticks = 0;
    d.OnTimer = [&](QObject *) {
        ++ticks;
        now += 300;
    };
    d.Doze(300);
    EXPECT_EQ(ticks, 1);
}

TEST(Dozer, RealDozeHandlesPaintAndPostedEventsBeforeReturning)
{
    int paints = 0;
    struct TPaintCounter : QWidget {
        int *Count;
        void paintEvent(QPaintEvent *) override
        {
            QPainter(this).fillRect(rect(), Qt::red);
            ++*Count;
        }
    } painted;
    painted.Count = &paints;
    painted.resize(50, 50);
    painted.show();
    QCoreApplication::processEvents();
    const int paintsBefore = paints;

    bool posted = false;
    QTimer::singleShot(50, [&] {
        posted = true;
        painted.update();
    });
    TDozer d;
    int wakeUps = 0;
    d.OnWakeUp = [&](QObject *) {
        ++wakeUps;
        EXPECT_TRUE(posted) << "the event came 50 ms into a 300 ms doze";
    };
    d.Doze(300);
    EXPECT_EQ(wakeUps, 1);
    EXPECT_TRUE(posted);
    EXPECT_GT(paints, paintsBefore) << "a paint request made during the doze is served in it";
}

TEST(Dozer, DozeCalledDuringADozeReturnsAtOnceWithoutWakeUp)
{
    TDozer d;
    uint32_t now = 0;
    d.SetTickSource([&] { return now; });
    d.SetInterval(100);
    int wakeUps = 0, nestedReturned = 0;
    bool dozingInNested = false;
    d.OnWakeUp = [&](QObject *) { ++wakeUps; };
    d.OnTimer = [&](QObject *) {
        now += 100;
        if (nestedReturned == 0) {
            dozingInNested = d.Dozing();
            d.Doze(400);
            ++nestedReturned;
            EXPECT_EQ(wakeUps, 0) << "the nested call must not report a wake-up";
        }
    };
    d.Doze(400);
    EXPECT_TRUE(dozingInNested);
    EXPECT_EQ(nestedReturned, 1);
    EXPECT_EQ(wakeUps, 1);
}

TEST(Dozer, ZeroLengthDozeReturns)
{
    TDozer d;
    int wakeUps = 0;
    d.OnWakeUp = [&](QObject *) { ++wakeUps; };
    d.Doze(0);
    EXPECT_FALSE(d.Dozing());
    EXPECT_EQ(wakeUps, 1);
}
