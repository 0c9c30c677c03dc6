// The daily plan at the program's start: the first start of a day rotates the
// words in use and saves them so that the next start reads them back without
// the checksum message; the plan never keeps the program from starting.
#include "app/uMain.h"
#include "data/uPlan.h"
#include "support/MessageLog.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

class PlanStart : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        FOldClock = SetPlanClock([this] { return now; });
        CopyImage("confetti.jpg");
        Settings.ProgramDir = dir.path() + "/";
        NewWords = {{"elk", 5}};
        NowWords = {{"cat", 1}, {"dog", 2}};
        Settings.PlanEnabled = true;
        Settings.PlanDays = 1;
        SaveWordListAndSettings();
        ClearWordLists();
    }
    void TearDown() override
    {
        SetPlanClock(FOldClock);
        ProgramFolderTest::TearDown();
    }
    QDateTime now{QDate(2026, 12, 7), QTime(9, 0)};

private:
    TPlanClock FOldClock;
};

TEST_F(PlanStart, TheFirstStartOfADayRotatesAndTheNextStartReadsItBack)
{
    MessageLog log;
    {
        TfmMain w;   // the plan meets cat and dog: in use from today
        EXPECT_EQ(NowWords.size(), 3) << "room for elk, one a day";
        for (const TWordEntry &word : std::as_const(NowWords))
            PlanWordPainted(word, false);
        PlanRunClosed();
    }
    now = now.addDays(1);
    {
        TfmMain w;
        EXPECT_EQ(KnownWords, TWordList({{"cat", 1}})) << "seen on one day, the first in the list";
        EXPECT_EQ(NowWords, TWordList({{"dog", 2}, {"elk", 5}}));
    }
    {
        TfmMain w;
        EXPECT_EQ(KnownWords, TWordList({{"cat", 1}}));
        EXPECT_EQ(NowWords, TWordList({{"dog", 2}, {"elk", 5}}));
    }
    EXPECT_TRUE(log.Texts.isEmpty()) << log.Texts.join('|').toStdString();
}

TEST_F(PlanStart, ADamagedPlanFileIsReportedAndTheWindowStillComesUpWithItsWords)
{
    WriteAll(PlanFileName(), QByteArray(64, '\0'));
    MessageLog log;
    TfmMain w;
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_TRUE(log.Texts[0].startsWith("The daily plan's file could not be read. It has been kept as"));
    EXPECT_TRUE(QFileInfo::exists(PlanFileName() + ".damaged"));
    EXPECT_EQ(NowWords.size(), 3);
}

} // namespace
