// The daily plan page, used through its controls: what it tells the parent
// about today and the days ahead, its picture, and what OK does with it.
#include "config/ConfigTestSupport.h"
#include "config/uConfigPlan.h"
#include "data/uPlan.h"
#include "platform/help.h"
#include "platform/profile.h"
#include "widgets/StdCtrls.h"
#include "widgets/oxBtns.h"
#include "support/MessageLog.h"

#include <QCheckBox>
#include <QLabel>

namespace {

using namespace cfgtest;

class PlanPage : public ConfigFolder {
protected:
    void SetUp() override
    {
        ConfigFolder::SetUp();
        FOldClock = SetPlanClock([this] { return now; });
        Images({"confetti.jpg"});
        LoadSettings();
    }
    void TearDown() override
    {
        SetPlanClock(FOldClock);
        ConfigFolder::TearDown();
    }
    static void Type(TSpinEdit *edit, const char *text)
    {
        Click(edit);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // Monday 7 December 2026, with three words in use that came in on three
    // days and were shown since, two new words, and a month of showings.
    void History()
    {
        Settings.PlanEnabled = true;
        Settings.PlanWords = 3;
        NowWords = {{"cat", 1}, {"dog", 2}, {"sun", 3}};
        NewWords = {{"ant", 4}, {"bee", 5}};
        KnownWords = {{"one", 6}, {"two", 7}};
        AllWords = NowWords + NewWords + KnownWords;
        const QDate today(2026, 12, 7);
        auto days = [&](int n) {
            QList<QDate> l;
            for (int i = n - 1; i >= 0; --i)
                l << today.addDays(-i);
            return l;
        };
        Plan.Words = {{NowWords[0], today.addDays(-7), days(4), {}}, {NowWords[1], today.addDays(-6), days(3), {}},
                      {NowWords[2], today.addDays(-4), days(1), {}}};
        for (int i = 29; i >= 1; --i)
            if (i % 7 != 3)   // a day off each week
                Plan.Days << TPlanDay{today.addDays(-i), true, 2 - (i > 20), {QTime(8, 0), QTime(12, 0), QTime(17, 0)}};
        Plan.Days << TPlanDay{today, true, 2, {QTime(8, 0), QTime(9, 40)}};
        Plan.LastRotation = today;
    }

    QDateTime now{QDate(2026, 12, 7), QTime(10, 0)};

private:
    TPlanClock FOldClock;
};

TEST_F(PlanPage, TellsTodaysShowingsWhenTheNextIsDueAndWhatTheComingDaysBring)
{
    History();
    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 3);
    ASSERT_EQ(dlg.Pages->currentWidget(), dlg.tsPlan);
    EXPECT_TRUE(dlg.cbPlan->isChecked());
    EXPECT_EQ(dlg.laToday->text(), "2 of 3 today");
    EXPECT_EQ(dlg.laNext->text(), "Next showing: from 10:10") << "9:40 and 30 minutes";
    // cat has 4 days, dog 3, sun 1, each needs 5; one word a day at most.
    EXPECT_EQ(dlg.laRetire->text(), "Known next: cat on Wed 9 Dec, dog on Thu 10 Dec, sun on Sat 12 Dec");
    EXPECT_EQ(dlg.laRetire->textFormat(), Qt::PlainText) << "words are the parent's own text";
    EXPECT_EQ(dlg.laNewLeft->text(), "2 new words left; the last comes into use on Thu 10 Dec.");

    const QList<TPlanChartDay> &chart = dlg.pgProgress->Days();
    ASSERT_EQ(chart.size(), 30);
    EXPECT_EQ(chart.first().Date, QDate(2026, 11, 8));
    EXPECT_EQ(chart.last().Showings, 2);
    EXPECT_EQ(chart[0].Showings, 3);
    EXPECT_FALSE(chart[5].Used) << "the 13th, a day off";
    EXPECT_EQ(chart[0].Known, 1);
    EXPECT_EQ(chart.last().Known, 2);
    // A tool that wants to look at the page names a folder for the screenshot.
    if (const QString folder = qEnvironmentVariable("LUMWORD_SCREENSHOT_DIR"); !folder.isEmpty()) {
        QApplication::processEvents();
        dlg.grab().save(folder + "/plan-page.png");
    }

    Type(dlg.udShows, "2");
    EXPECT_EQ(dlg.laToday->text(), "2 of 2 today");
    EXPECT_EQ(dlg.laNext->text(), "Today's showings are done.");
    EXPECT_EQ(dlg.pgProgress->Shows(), 2);
    Type(dlg.udDays, "4");
    EXPECT_EQ(dlg.laRetire->text(), "Known next: cat on Tue 8 Dec, dog on Wed 9 Dec, sun on Fri 11 Dec");
    EXPECT_EQ(dlg.laNewLeft->text(), "2 new words left; the last comes into use on Wed 9 Dec.");
    now = QDateTime(QDate(2026, 12, 7), QTime(10, 20));
    Type(dlg.udShows, "3");
    EXPECT_EQ(dlg.laNext->text(), "Next showing: now");
    // The last showing at 23:50: the gap ends after midnight.
    Plan.Days.last().Showings << QTime(23, 50);
    now = QDateTime(QDate(2026, 12, 7), QTime(23, 55));
    Type(dlg.udShows, "4");
    EXPECT_EQ(dlg.laNext->text(), "Next showing: tomorrow");
}

TEST_F(PlanPage, OkAfterAnotherCopySavedTheListKeepsTheCountsOfTheWordsInUse)
{
    History();
    SaveWordListAndSettings();
    const TPlan before = Plan;
    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    // Meanwhile another copy adds a new word of its own.
    WriteAll(WordListFileName(), ReadAll(WordListFileName()) + "1;elk;8\r\n");
    Click(dlg.btOk);
    ASSERT_FALSE(dlg.isVisible());
    EXPECT_TRUE(dlg.lbNew->Words().contains(TWordEntry{"elk", 8}));
    EXPECT_EQ(Plan.Words, before.Words) << "cat, dog and sun keep their days";
}

TEST_F(PlanPage, ThePictureHasAGreenBarForEachDayThatMetTheAimAnAmberOneForEachShortDayAndARisingLine)
{
    TPlanChart chart;
    chart.resize(458, 134);
    QList<TPlanChartDay> days;
    for (int i = 0; i < 30; ++i) {
        const int showings = i % 3 == 0 ? 3 : i % 3 == 1 ? 1 : 0;   // met, short, none
        days << TPlanChartDay{QDate(2026, 11, 8).addDays(i), showings, 10 + i / 3, showings > 0};
    }
    chart.SetDays(days, 3);
    const QImage img = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Runs of neighbouring columns holding the colour on one row.
    auto bars = [&](int y, QRgb colour) {
        int runs = 0;
        bool inside = false;
        for (int x = 0; x < img.width(); ++x) {
            const bool here = img.pixel(x, y) == colour;
            runs += here && !inside;
            inside = here;
        }
        return runs;
    };
    const QRgb green = qRgb(0x30, 0x80, 0x30), amber = qRgb(0xE0, 0xA0, 0x20), blue = qRgb(0x20, 0x40, 0xC0);
    // Halfway up only the full days reach; three quarters down every bar does.
    EXPECT_EQ(bars(img.height() / 2, green), 10);
    EXPECT_EQ(bars(img.height() / 2, amber), 0);
    EXPECT_EQ(bars(img.height() * 3 / 4, green), 10);
    EXPECT_EQ(bars(img.height() * 3 / 4, amber), 10);

    // The aim runs dashed across the picture, over the days without bars.
    const QRgb mid = chart.palette().color(QPalette::Mid).rgb();
    int longest = 0;
    for (int y = 3; y < img.height() - 3; ++y) {
        int n = 0;
        for (int x = 0; x < img.width(); ++x)
            n += img.pixel(x, y) == mid;
        longest = std::max(longest, n);
    }
    EXPECT_GT(longest, img.width() / 3);

    // The words-known line ends higher than it starts.
    auto lineY = [&](int x) {
        for (int y = img.height() / 5; y < img.height() * 9 / 10; ++y)
            if (img.pixel(x, y) == blue)
                return y;
        return -1;
    };
    int left = -1, right = -1;
    for (int x = 30; x < img.width() / 4 && left < 0; ++x)
        left = lineY(x);
    for (int x = img.width() - 40; x > img.width() * 3 / 4 && right < 0; --x)
        right = lineY(x);
    ASSERT_GT(left, 0);
    ASSERT_GT(right, 0);
    EXPECT_LT(right, left - img.height() / 3);
}

TEST_F(PlanPage, SwitchingThePlanOnAndOkFillsTheWordsInUseAndTheSettingsKeepIt)
{
    NewWords = {{"bee", 2}, {"ant", 1}, {"cow", 3}, {"dog", 4}, {"elk", 5}};
    AllWords = NewWords;
    {
        TfmConfig dlg;
        Show(dlg);
        ShowPage(dlg, 3);
        EXPECT_EQ(dlg.laNewLeft->text(), "5 new words left; the last comes into use on Fri 11 Dec.");
        Click(dlg.cbPlan);
        Type(dlg.udWords, "3");
        Type(dlg.udGap, "45");
        Click(dlg.btOk);
    }
    SaveWordListAndSettings();   // the main window's part of OK
    // The new-words list box keeps them sorted: the first three in that order.
    EXPECT_EQ(ReadAll(WordListFileName()), QByteArray("1;dog;4\r\n1;elk;5\r\n2;ant;1\r\n2;bee;2\r\n2;cow;3\r\n"));
    const TIniFile ini(SettingsFileName());
    EXPECT_EQ(ini.ReadString("Plan", "Enabled", "?"), "1");
    EXPECT_EQ(ini.ReadString("Plan", "Words", "?"), "3");
    EXPECT_EQ(ini.ReadString("Plan", "Gap", "?"), "45");
    EXPECT_EQ(ini.ReadString("Plan", "Days", "?"), "5");
    EXPECT_TRUE(QFileInfo::exists(PlanFileName()));

    // Shown today; then the parent moves "bee" out of use and back: its count
    // starts again, the others keep theirs.
    for (const TWordEntry &w : std::as_const(NowWords))
        PlanWordPainted(w, false);
    {
        TfmConfig dlg;
        Show(dlg);
        ShowPage(dlg, 2);
        ClickRow(dlg.lbNow, 1);
        Click(dlg.btNow2New);
        Click(dlg.btNew2Now);
        Click(dlg.btOk);
    }
    for (const TPlanWord &p : std::as_const(Plan.Words))
        EXPECT_EQ(p.ShownDays.size(), p.Word.Text == "bee" ? 0 : 1) << p.Word.Text.toStdString();
}

TEST_F(PlanPage, ControlsCarryHintsAndHelpTopicsThatTheHelpFileHas)
{
    TfmConfig dlg;
    Show(dlg);
    const THelpFile help = THelpFile::Load(QStringLiteral(LUMWORD_SOURCE_DIR) + "/dist/Lumword.hlp");
    ASSERT_TRUE(help.IsLoaded());
    // One topic for the page and its controls, each control with a balloon of its own.
    ASSERT_TRUE(help.HasTopic(600));
    EXPECT_EQ(dlg.tsPlan->property("HelpContext").toInt(), 600);
    QSet<QString> hints;
    for (QWidget *w : std::initializer_list<QWidget *>{dlg.cbPlan, dlg.udWords, dlg.udDays, dlg.udPerDay, dlg.udShows,
                                                       dlg.udGap, dlg.laToday, dlg.laNext, dlg.laRetire, dlg.laNewLeft,
                                                       dlg.pgProgress}) {
        EXPECT_EQ(w->property("HelpContext").toInt(), 600) << w->toolTip().toStdString();
        EXPECT_FALSE(w->toolTip().isEmpty());
        hints << w->toolTip();
    }
    EXPECT_EQ(hints.size(), 11);

    ShowPage(dlg, 3);
    Click(dlg.btHelp);
    THelpViewer *viewer = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *v = qobject_cast<THelpViewer *>(w); v && v->isVisible())
            viewer = v;
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->CurrentTopic(), 600);
    viewer->close();
}

} // namespace
