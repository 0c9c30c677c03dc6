// The daily plan at the program's start: the first start of a day rotates the
// words in use and saves them so that the next start reads them back without
// the checksum message; the plan never keeps the program from starting.
#include "app/uMain.h"
#include "data/uPlan.h"
#include "support/MessageLog.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <functional>

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

// Starts once with a FIFO where `path` was, then puts the file back. `check`
// sees the window and the messages of that start.
void StartWithFifoAt(const QString &path, const std::function<void(TfmMain &, const QStringList &)> &check)
{
    const QString kept = path + ".kept";
    const bool had = QFile::rename(path, kept);
    {
        TFifoTrap fifo({path});
        MessageLog log;
        TfmMain w;
        EXPECT_TRUE(fifo.Released()) << "the start waited for a writer";
        check(w, log.Texts);
    }
    QFile::remove(path);
    if (had)
        QFile::rename(kept, path);
}

} // namespace

TEST_F(PlanStart, AFifoWhereTheStartReadsAFileIsNotWaitedOnButTakenForAFileThatCannotBeRead)
{
    {
        SCOPED_TRACE("the plan");
        StartWithFifoAt(PlanFileName(), [this](TfmMain &, const QStringList &texts) {
            ASSERT_EQ(texts.size(), 1);
            EXPECT_TRUE(texts[0].startsWith("The daily plan's file could not be read. It has been kept as"));
            EXPECT_TRUE(QFileInfo::exists(PlanFileName() + ".damaged"));
            EXPECT_EQ(NowWords.size(), 3) << "the words read, and the plan run afresh";
        });
    }
    {
        SCOPED_TRACE("the word list");
        StartWithFifoAt(WordListFileName(), [](TfmMain &w, const QStringList &texts) {
            ASSERT_EQ(texts.size(), 1);
            EXPECT_TRUE(texts[0].startsWith("Cannot open file ")) << texts[0].toStdString();
            EXPECT_TRUE(WordListUnreadable()) << "kept from being saved over";
            EXPECT_TRUE(AllWords.isEmpty());
            EXPECT_FALSE(w.Terminated());
        });
    }
    {
        SCOPED_TRACE("the settings");
        StartWithFifoAt(SettingsFileName(), [](TfmMain &w, const QStringList &texts) {
            // Without the settings the list's checksum is not known.
            EXPECT_EQ(texts, QStringList{"There was an error reading the sounds database. Terminating program"});
            EXPECT_TRUE(w.Terminated());
        });
    }
    {
        SCOPED_TRACE("the background");
        StartWithFifoAt(dir.filePath("images/confetti.jpg"), [](TfmMain &w, const QStringList &texts) {
            ASSERT_EQ(texts.size(), 1);
            EXPECT_TRUE(texts[0].startsWith("Cannot open file ")) << texts[0].toStdString();
            EXPECT_EQ(NowWords.size(), 3);
            EXPECT_FALSE(w.Terminated());
        });
    }
}
