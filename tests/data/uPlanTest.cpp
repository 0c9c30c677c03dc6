// The daily plan lived through a clock of the test's own: weeks of starts and
// showings, a holiday, a clock put back, and plan files that are damaged, cannot
// be written, or whose save is cut off at every step.
#include "data/uPlan.h"
#include "platform/AtomicFile.h"
#include "platform/profile.h"
#include "support/MessageLog.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <zlib.h>

namespace {

QStringList Texts(const TWordList &l)
{
    QStringList t;
    for (const TWordEntry &w : l)
        t << w.Text;
    return t;
}

class DailyPlan : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        FOldClock = SetPlanClock([this] { return now; });
    }
    void TearDown() override
    {
        SetPlanClock(FOldClock);
        SetFileStepHook({});
        ProgramFolderTest::TearDown();
    }
    // Eight new words a..h, the plan on with 3 words in use, 2 days to learn,
    // 1 a day, and a saved database, as the dialog's OK leaves it.
    void Database()
    {
        Settings.ProgramDir = dir.path() + "/";
        for (int i = 0; i < 8; ++i)
            NewWords << TWordEntry{QString(QChar('a' + i)), i};
        AllWords = NewWords;
        Settings.PlanEnabled = true;
        Settings.PlanWords = 3;
        Settings.PlanDays = 2;
        Settings.PlanPerDay = 1;
        PlanConfigOk(false, {});
        SaveWordListAndSettings();
    }
    // What the main window does at start.
    void Start()
    {
        ClearWordLists();
        PlanClear();
        LoadSettings();
        FinishWordListSave();
        ASSERT_EQ(WordListChecksum(WordListFileName()), Settings.ListChecksum) << "the checksum message would stop the program";
        LoadWordList();
        PlanStart();
    }
    // One pass of the run screen over the words in use.
    void Showing()
    {
        for (qsizetype i = 0; i < NowWords.size(); ++i)
            PlanWordPainted(NowWords[i], i + 1 == NowWords.size());
        PlanRunClosed();
    }
    void Day(int day, int hour = 8) { now = QDateTime(QDate(2026, 12, day), QTime(hour, 0)); }

    QDateTime now{QDate(2026, 12, 7), QTime(8, 0)};
    MessageLog log;

private:
    TPlanClock FOldClock;
};

TEST_F(DailyPlan, WeeksOfUseRetireOneWordADayAndAHolidayOrAClockPutBackNeverRetiresUnseenWords)
{
    Database();
    EXPECT_EQ(Texts(NowWords), QStringList({"a", "b", "c"})) << "switching on fills up at once";
    Showing();
    now = now.addSecs(3600);
    Showing();

    Day(8);
    Start();
    EXPECT_EQ(Texts(NowWords), QStringList({"a", "b", "c"})) << "one day seen is not enough";
    Showing();

    Day(9);
    Start();
    EXPECT_EQ(Texts(KnownWords), QStringList({"a"})) << "equal days and equal time in use: list order";
    EXPECT_EQ(Texts(NowWords), QStringList({"b", "c", "d"}));
    EXPECT_EQ(Texts(NewWords), QStringList({"e", "f", "g", "h"}));
    Day(9, 18);
    Start();
    EXPECT_EQ(Texts(NowWords), QStringList({"b", "c", "d"})) << "one rotation a day, however many starts";
    Showing();

    // A week away: days the program was not used count for nothing.
    Day(17);
    Start();
    EXPECT_EQ(Texts(KnownWords), QStringList({"a", "b"}));
    EXPECT_EQ(Texts(NowWords), QStringList({"c", "d", "e"}));

    // The clock is put back a day on the same morning: no second rotation.
    Day(16, 9);
    Start();
    EXPECT_EQ(Texts(NowWords), QStringList({"c", "d", "e"}));
    Showing();   // c: 4 days, d: 2 days (9th and "16th"), e: 1
    Day(17, 10);
    Start();
    EXPECT_EQ(Texts(NowWords), QStringList({"c", "d", "e"})) << "back on the day that already rotated";

    Day(18);
    Start();
    EXPECT_EQ(Texts(KnownWords), QStringList({"a", "b", "c"})) << "most days first";
    EXPECT_EQ(Texts(NowWords), QStringList({"d", "e", "f"}));

    // What a restart reads from disk is what the rotations left.
    Start();
    EXPECT_EQ(Texts(NewWords), QStringList({"g", "h"}));
    EXPECT_EQ(Plan.ShowingsOn(QDate(2026, 12, 7)), 2);
    EXPECT_EQ(Plan.ShowingsOn(QDate(2026, 12, 16)), 1);
    EXPECT_TRUE(log.Texts.isEmpty()) << log.Texts.join('|').toStdString();
}

TEST_F(DailyPlan, RulesOrderTheRetiringWordsAndNeverBringInMoreThanExist)
{
    const QDate d0(2026, 3, 1);
    TPlan p;
    TWordList fresh{{"x", 7}}, now{{"old3", 1}, {"new4", 2}, {"old4", 3}, {"two", 4}}, known;
    auto days = [&](int n) {
        QList<QDate> l;
        for (int i = 0; i < n; ++i)
            l << d0.addDays(i);
        return l;
    };
    p.Words = {{now[0], d0, days(3), {}}, {now[1], d0.addDays(2), days(4), {}}, {now[2], d0, days(4), {}},
               {now[3], d0, days(2), {}}};
    const TPlanRotation r = p.Rotate(d0.addDays(10), {25, 3, 2, 3, 30}, false, fresh, now, known);
    EXPECT_EQ(Texts(r.Retired), QStringList({"old4", "new4"})) << "4 days before 3; equal days: longest in use first";
    EXPECT_EQ(Texts(known), QStringList({"old4", "new4"}));
    EXPECT_EQ(Texts(now), QStringList({"old3", "two", "x"})) << "only the one new word there is";
    EXPECT_TRUE(fresh.isEmpty());

    // The same day again retires nothing more, though old3 qualifies.
    const TPlanRotation again = p.Rotate(d0.addDays(10), {25, 3, 2, 3, 30}, false, fresh, now, known);
    EXPECT_FALSE(again.Changed());
}

TEST_F(DailyPlan, AWordPutBackIntoUseStartsItsCountAgain)
{
    Database();
    Showing();
    Day(8);
    Start();
    Showing();
    // The parent moved "a" out and back in the dialog, then OK.
    PlanConfigOk(true, {TWordEntry{"a", 0}});
    SaveWordListAndSettings();
    Day(9);
    Start();
    EXPECT_EQ(Texts(KnownWords), QStringList({"b"})) << "a's two days were forgotten";
    EXPECT_EQ(Texts(NowWords), QStringList({"a", "c", "d"}));
}

TEST_F(DailyPlan, ADamagedPlanFileIsSetAsideReportedOnceAndThePlanStartsAfresh)
{
    Database();
    Showing();
    const QByteArray good = ReadAll(PlanFileName());
    ASSERT_TRUE(good.startsWith("Pellan Wordlark daily plan"));
    QByteArray flipped = good;
    flipped[flipped.size() / 2] = flipped[flipped.size() / 2] ^ 1;
    const QByteArray cases[] = {flipped, good.left(good.size() - 5), "[Main]\nPosition=1234\n", QByteArray(300, '\xA7')};
    for (const QByteArray &bad : cases) {
        WriteAll(PlanFileName(), bad);
        log.Texts.clear();
        Start();
        ASSERT_EQ(log.Texts.size(), 1);
        const QString aside = log.Texts[0].section(" kept as ", 1).section(',', 0, 0);
        EXPECT_EQ(ReadAll(aside), bad) << "kept as it was";
        QFile::remove(aside);
        EXPECT_EQ(Texts(NowWords), QStringList({"a", "b", "c"})) << "no word lost";
        EXPECT_TRUE(Plan.RotatedOn(now.date())) << "afresh from today";
        log.Texts.clear();
        Start();
        EXPECT_TRUE(log.Texts.isEmpty()) << "reported once";
    }
}

TEST_F(DailyPlan, TheFileKeepsEveryFieldAndRefusesFieldsThatAreNotWhatTheyShouldBeDespiteARightChecksum)
{
    TPlan p;
    p.LastRotation = QDate(2026, 12, 7);
    p.Words = {{{"tab\there;50%", 499}, QDate(2026, 12, 1), {QDate(2026, 12, 2), QDate(2026, 12, 7)}, QDate(2026, 12, 7)},
               {{"", 0}, QDate(2025, 1, 31), {}, {}}};
    p.Days = {{QDate(2026, 12, 6), false, 3, {QTime(7, 5, 9)}}, {QDate(2026, 12, 7), true, 12, {}}};
    TPlan back;
    ASSERT_TRUE(TPlan::Parse(p.Bytes(), back));
    EXPECT_TRUE(back == p);

    // The same file with one field spoilt and its checksum made right again.
    auto resealed = [&](const QByteArray &from, const QByteArray &to) {
        QByteArray body = p.Bytes();
        body.truncate(body.lastIndexOf("end\t"));
        body.replace(from, to);
        const uLong crc = crc32(0L, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()));
        return body + "end\t" + QByteArray::number(qulonglong(crc), 16).toUpper().rightJustified(8, '0') + "\n";
    };
    ASSERT_TRUE(TPlan::Parse(resealed("x", "x"), back)) << "the resealing itself is right";
    // A day shown twice is one day, in order; a plan that never rotated has no date.
    TPlan other;
    ASSERT_TRUE(TPlan::Parse(resealed("2026-12-02,2026-12-07", "2026-12-07,2026-12-02,2026-12-07"), other));
    EXPECT_TRUE(other == p);
    ASSERT_TRUE(TPlan::Parse(resealed("last\t2026-12-07", "last\t-"), other));
    EXPECT_FALSE(other.LastRotation.isValid());
    for (const auto &[from, to] : std::initializer_list<std::pair<QByteArray, QByteArray>>{
             {"2026-12-02", "2026-1x-02"}, {"2026-12-02", "2026-1/-02"}, {"2026-12-02", "2026-12-2"}, {"2026-12-02", "2026-02-30"},
             {"07:05:09", "07:05:9x"}, {"07:05:09", "25:05:09"}, {"\t499\t", "\tmany\t"}, {"\t1\t12\t", "\tyes\t12\t"},
             // The lines and their fields as they are laid out: none missing, none empty, none extra.
             {"2026-12-02,2026-12-07", "2026-12-02,,2026-12-07"}, {"07:05:09", "07:05:09,"}, {"\t12\t-\n", "\t12\t-\tx\n"},
             {"\t-\t-\t\n", "\t-\t-\n"}, {"\t-\t-\t\n", "\t-\t-\t\tx\n"}, {"\nday\t", "\n\nday\t"},
             {"last\t2026-12-07\n", ""}, {"day\t2026-12-06", "day\t-"}}) {
        TPlan kept = back;
        EXPECT_FALSE(TPlan::Parse(resealed(from, to), kept)) << to.toStdString();
        EXPECT_TRUE(kept == back) << "a refused file leaves the plan as it was";
    }
}

TEST_F(DailyPlan, APlanThatCannotBeWrittenLeavesTheWordsAsTheyAre)
{
    Database();
    Showing();
    Day(8);
    Start();
    Showing();
    Day(9);
    SetFileStepHook([](TFileStep step, const QString &path) { return !path.endsWith(".plan"); });
    Start();
    EXPECT_EQ(Texts(NowWords), QStringList({"a", "b", "c"}));
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_TRUE(log.Texts[0].startsWith("The daily plan could not be saved to"));
    SetFileStepHook({});
    Start();
    EXPECT_EQ(Texts(NowWords), QStringList({"b", "c", "d"})) << "the rotation comes once the file can be written";
}

TEST_F(DailyPlan, AStopAtAnyStepOfTheRotationsSaveNeverStopsTheNextStartOrLosesOrDoublesAWord)
{
    struct Stop {};
    for (int stopAt = 0;; ++stopAt) {
        SCOPED_TRACE(stopAt);
        ClearWordLists();
        PlanClear();
        for (const QString &f : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(dir.filePath(f));
        Settings = TSettings();
        Day(7);
        Database();
        Showing();
        Day(8);
        Start();
        Showing();
        Day(9);
        int steps = 0;
        SetFileStepHook([&](TFileStep, const QString &) {
            if (steps++ == stopAt)
                throw Stop{};
            return true;
        });
        Start();   // the stop is caught where the plan starts, as a crash would leave the files
        SetFileStepHook({});
        Start();
        QStringList all = Texts(NewWords) + Texts(NowWords) + Texts(KnownWords);
        all.sort();
        EXPECT_EQ(all, QStringList({"a", "b", "c", "d", "e", "f", "g", "h"}));
        EXPECT_LE(KnownWords.size(), 1) << "never a second rotation on the same day";
        Day(10);
        Start();
        EXPECT_GE(KnownWords.size(), 1) << "the rotations go on";
        if (steps <= stopAt)
            break;   // the whole save ran without reaching the stop
    }
}

TEST_F(DailyPlan, PlanSettingsReadWithTheFilesEncodingsAndRunWithinTheirRanges)
{
    WriteAll(SettingsFileName(), "[Plan]\nEnabled=2\nWords=0x1F\nDays=$0\nPerDay=x\nShows=-4\nGap=999\n");
    LoadSettings();
    EXPECT_TRUE(Settings.PlanEnabled);
    EXPECT_EQ(Settings.PlanWords, 31);
    EXPECT_EQ(Settings.PlanDays, 0);
    EXPECT_EQ(Settings.PlanPerDay, 1);
    const TPlanRules r = TPlanRules::FromSettings();
    EXPECT_EQ(r.Words, 25);
    EXPECT_EQ(r.Days, 1);
    EXPECT_EQ(r.PerDay, 1);
    EXPECT_EQ(r.Shows, 1);
    EXPECT_EQ(r.Gap, 240);
    EXPECT_EQ(PlanFileName(), dir.filePath("lumword.plan"));
}

TEST_F(DailyPlan, TheChartCarriesTheKnownCountOverDaysWithoutUse)
{
    TPlan p;
    p.Days = {{QDate(2026, 11, 1), true, 4, {}}, {QDate(2026, 12, 1), true, 6, {QTime(8, 0), QTime(9, 0)}},
              {QDate(2026, 12, 3), false, 7, {QTime(8, 0)}}};
    const QList<TPlanChartDay> c = p.Chart(QDate(2026, 12, 5), 30, 9);
    ASSERT_EQ(c.size(), 30);
    EXPECT_EQ(c[0].Date, QDate(2026, 11, 6));
    EXPECT_EQ(c[0].Known, 4);
    EXPECT_FALSE(c[0].Used);
    EXPECT_EQ(c[25].Showings, 2);
    EXPECT_EQ(c[25].Known, 6);
    EXPECT_EQ(c[26].Known, 6);
    EXPECT_FALSE(c[26].Used);
    EXPECT_EQ(c[27].Known, 7);
    EXPECT_EQ(c[28].Known, 7);
    EXPECT_EQ(c[29].Known, 9) << "today's is the count now";
}

TEST_F(DailyPlan, AClockPutFarAheadAndBackKeepsTheHistoryAndOnlyDaysOfUseBeyondAYearAreForgotten)
{
    Database();
    Showing();
    Day(8);
    Start();
    Showing();
    // 400 days ahead for one start, then back.
    now = QDateTime(QDate(2028, 1, 12), QTime(8, 0));
    Start();
    Showing();
    Day(9);
    Start();
    Showing();
    const QList<TPlanChartDay> chart = Plan.Chart(QDate(2026, 12, 9), 30, int(KnownWords.size()));
    ASSERT_EQ(chart.size(), 30);
    EXPECT_TRUE(chart[27].Used) << "the 7th";
    EXPECT_TRUE(chart[28].Used) << "the 8th";
    EXPECT_EQ(Plan.ShowingsOn(QDate(2026, 12, 7)), 1);
    EXPECT_TRUE(Plan.Day(QDate(2028, 1, 12))) << "a day ahead is kept until its time comes";

    // A day of use for each of 400 days: the newest 367 up to today stay,
    // with a day ahead of today beside them.
    TPlan p;
    const QDate first(2025, 1, 1);
    for (int i = 0; i < 400; ++i)
        p.Days << TPlanDay{first.addDays(i), true, 0, {}};
    p.Days << TPlanDay{first.addDays(500), true, 0, {}};
    p.Prune(first.addDays(399));
    ASSERT_EQ(p.Days.size(), 368);
    EXPECT_EQ(p.Days.first().Date, first.addDays(33));
    EXPECT_EQ(p.Days[366].Date, first.addDays(399));
    // Days of use far apart are not forgotten for the calendar's sake.
    TPlan sparse;
    for (int i = 0; i < 10; ++i)
        sparse.Days << TPlanDay{first.addDays(100 * i), true, 0, {}};
    sparse.Prune(first.addDays(900));
    EXPECT_EQ(sparse.Days.size(), 10);
}

TEST_F(DailyPlan, APlanOnWithNoMemoryFillsTheWordsInUseAtItsFirstRotationAndOneADayAfter)
{
    Database();
    // Settings restored from a backup with the plan on, its memory file lost.
    ASSERT_TRUE(QFile::remove(PlanFileName()));
    NewWords << NowWords;
    NowWords.clear();
    SaveWordListAndSettings();
    Day(8);
    Start();
    EXPECT_EQ(NowWords.size(), 3) << "filled up to the words in use";
    EXPECT_EQ(NewWords.size(), 5);
    Showing();
    Settings.PlanWords = 5;
    SaveWordListAndSettings();
    Day(9);
    Start();
    EXPECT_EQ(NowWords.size(), 4) << "later rotations bring in one a day";
    EXPECT_TRUE(log.Texts.isEmpty()) << log.Texts.join('|').toStdString();
}

} // namespace
