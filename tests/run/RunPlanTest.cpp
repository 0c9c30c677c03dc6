// What the run screen tells the daily plan: each word the child has seen that
// day, and a showing once every word in use was seen.
#include "data/uPlan.h"
#include "run/Dtmisc.h"
#include "run/uRun.h"
#include "support/ProgramFolder.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class RunPlan : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        FOldClock = SetPlanClock([this] { return now; });
        Settings.SoundMode = sndMute;
        Settings.Transition = tmKeyPress;
        Settings.PlanEnabled = true;
        NowWords = {{"cat", 1}, {"dog", 2}, {"sun", 3}};
    }
    void TearDown() override
    {
        run.reset();
        SetPlanClock(FOldClock);
        ProgramFolderTest::TearDown();
    }
    void Open(TRunMode mode)
    {
        run = std::make_unique<TfmRun>();
        run->Mode = mode;
        run->SetAppearance(clRed, clYellow, 48, QStringLiteral("Arial"), true);
        run->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(run.get()));
        Painted();
    }
    void Painted() { ASSERT_TRUE(QTest::qWaitFor([this] { return !run->WordPending(); }, 5000)); }
    int DaysOf(const QString &text) const
    {
        for (const TPlanWord &p : Plan.Words)
            if (p.Word.Text == text)
                return int(p.ShownDays.size());
        return 0;
    }

    QDateTime now{QDate(2026, 12, 7), QTime(9, 0)};
    std::unique_ptr<TfmRun> run;

private:
    TPlanClock FOldClock;
};

TEST_F(RunPlan, EachPaintedWordCountsItsDayAndAPassOverAllWordsCountsOneShowing)
{
    Open(rmStart);
    const QString first = run->CurrentText;
    EXPECT_EQ(DaysOf(first), 1);
    EXPECT_EQ(Plan.ShowingsOn(now.date()), 0);
    run->NextWord();
    Painted();
    EXPECT_EQ(Plan.ShowingsOn(now.date()), 0) << "two of three words seen";
    run->NextWord();
    Painted();
    EXPECT_EQ(Plan.ShowingsOn(now.date()), 1);
    EXPECT_EQ(DaysOf("cat") + DaysOf("dog") + DaysOf("sun"), 3);
    now = now.addSecs(600);
    run->NextWord();   // a new pass begins, on the same day
    Painted();
    EXPECT_EQ(Plan.ShowingsOn(now.date()), 1);
    EXPECT_EQ(DaysOf(run->CurrentText), 1) << "a day counts once";
    run->close();

    // What it counted is in the plan's file once the screen has closed.
    ASSERT_EQ(PlanLoad(), QString());
    EXPECT_EQ(Plan.ShowingsOn(now.date()), 1);
    EXPECT_EQ(DaysOf("cat") + DaysOf("dog") + DaysOf("sun"), 3);
}

TEST_F(RunPlan, PreviewAndAPlanSwitchedOffCountNothing)
{
    Open(rmPreview);
    run->close();
    Settings.PlanEnabled = false;
    Open(rmStart);
    run->NextWord();
    Painted();
    run->NextWord();
    Painted();
    run->close();
    EXPECT_TRUE(Plan.Words.isEmpty());
    EXPECT_TRUE(Plan.Days.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(PlanFileName()));
}

} // namespace
