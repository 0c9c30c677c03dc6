#include "RunFixture.h"
#include "support/ToneWave.h"
#include "support/TestSupport.h"

#include "data/uCommon.h"
#include "run/Dtmisc.h"
#include "run/uRun.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace std::chrono_literals;
using std::chrono::steady_clock;

// ---------------------------------------------------------------- the draw rule

// Draws cycles of words and checks every rule of the draw: each word once per
// cycle, never the same twice in a row (so never the last of a cycle first in the
// next), LastIndex -1 for a single word.
static void CheckDrawRule(int count, int cycles)
{
    for (quint32 seed = 1; seed <= 40; ++seed) {
        QRandomGenerator random(seed);
        QBitArray shown(count);
        int lastIndex = -1;
        int previous = -1;
        for (int c = 0; c < cycles; ++c) {
            std::set<int> cycle;
            for (int k = 0; k < count; ++k) {
                const int i = DrawNextWord(shown, lastIndex, count, random);
                ASSERT_GE(i, 0);
                ASSERT_LT(i, count);
                EXPECT_TRUE(cycle.insert(i).second) << "word " << i << " twice in cycle " << c << ", seed " << seed;
                if (count >= 2) {
                    EXPECT_NE(i, previous) << "same word twice in a row, seed " << seed;
                    EXPECT_EQ(lastIndex, i);
                } else {
                    EXPECT_EQ(lastIndex, -1);
                }
                previous = i;
            }
            EXPECT_EQ(int(cycle.size()), count);
        }
    }
}

TEST(DrawRule, OneWordComesAgainAndAgainWithLastIndexMinusOne) { CheckDrawRule(1, 30); }
TEST(DrawRule, TwoWordsStrictlyAlternate)
{
    CheckDrawRule(2, 30);
    QRandomGenerator random(7);
    QBitArray shown(2);
    int lastIndex = -1;
    const int first = DrawNextWord(shown, lastIndex, 2, random);
    for (int k = 1; k < 40; ++k)
        EXPECT_EQ(DrawNextWord(shown, lastIndex, 2, random), (first + k) % 2);
}
TEST(DrawRule, ThreeWordsEachOncePerCycleNeverRepeatedAcrossCycles) { CheckDrawRule(3, 40); }
TEST(DrawRule, TenWordsEachOncePerCycleNeverRepeatedAcrossCycles) { CheckDrawRule(10, 20); }

TEST(DrawRule, EveryOrderOfThreeWordsOccurs)
{
    // A draw that is not uniform (always starting a cycle at the lowest free word,
    // say) still passes the rules above; it must not pass this.
    std::set<std::vector<int>> orders;
    QRandomGenerator random(99);
    for (int run = 0; run < 300; ++run) {
        QBitArray shown(3);
        int lastIndex = -1;
        std::vector<int> order;
        for (int k = 0; k < 3; ++k)
            order.push_back(DrawNextWord(shown, lastIndex, 3, random));
        orders.insert(order);
    }
    EXPECT_EQ(orders.size(), 6u);
}

TEST(DrawRule, NoWordsAndDamagedBitsDoNotHang)
{
    QRandomGenerator random(1);
    QBitArray shown;
    int lastIndex = 3;
    EXPECT_EQ(DrawNextWord(shown, lastIndex, 0, random), -1);
    EXPECT_EQ(lastIndex, -1);

    // Only the word just shown left unmarked: the cycle starts again.
    shown = QBitArray(3, true);
    shown.clearBit(1);
    lastIndex = 1;
    const int i = DrawNextWord(shown, lastIndex, 3, random);
    EXPECT_NE(i, 1);
}

// ---------------------------------------------------------------- the run screen

namespace {

const QPoint StartPoint(100, 100);

class RunScreen : public TRunFixture {
protected:
    void SetUp() override
    {
        TRunFixture::SetUp();
        // These words have no recordings; the voice that would speak them has
        // tests of its own (SpeechTest.cpp).
        Settings.Speak = false;
        QCursor::setPos(StartPoint);
    }

    void UseWords(int n)
    {
        for (int i = 0; i < n; ++i)
            NowWords.append(TWordEntry{QStringLiteral("word%1").arg(i), 10 + i});
    }

    // Opens the screen the way the main window and the configuration dialog do
    // (mode, appearance, show), counting the words it draws.
    template <class TScreen = TfmRun>
    TScreen &Open(TRunMode mode = rmStart, const std::function<void(TScreen &)> &beforeShow = {})
    {
        FRequestsBefore = PlaySoundStatus().Requests;
        auto screen = std::make_unique<TScreen>();
        TScreen &result = *screen;
        FRun = std::move(screen);
        if (FFakeClock)
            FRun->SetClock([this] { return FNow; });
        FRun->Mode = mode;
        FWords = 0;
        FRun->Dozer->OnWakeUp = [this](QObject *) { ++FWords; };
        FRun->SetAppearance(clRed, clYellow, 48, QStringLiteral("Arial"), true);
        if (beforeShow)
            beforeShow(result);
        FRun->show();
        return result;
    }

    // The screen reads FNow, which moves only when the test moves it.
    void UseFakeClock() { FFakeClock = true; }
    bool WaitForWordPainted(int timeoutMs = 5000)
    {
        return QTest::qWaitFor([this] { return !FRun->WordPending(); }, timeoutMs);
    }

    // The first timer tick: 2 s after a word, 1 s in preview.
    bool WaitForTick(int timeoutMs = 5000)
    {
        FRun->Ready = false;
        return QTest::qWaitFor([this] { return FRun->Ready; }, timeoutMs);
    }
    bool WaitForWords(int n, int timeoutMs)
    {
        return QTest::qWaitFor([&] { return FWords >= n; }, timeoutMs);
    }

    uint64_t SoundRequests() const { return PlaySoundStatus().Requests - FRequestsBefore; }

    static Qt::CursorShape Pointer()
    {
        const QCursor *c = QGuiApplication::overrideCursor();
        return c ? c->shape() : Qt::ArrowCursor;
    }

    void Release(Qt::MouseButton button)
    {
        QTest::mouseClick(FRun.get(), button, Qt::NoModifier, QPoint(400, 300));
    }
    // Sent straight to the screen: QTest::mouseMove warps the real pointer on some
    // platforms and the move then arrives whenever the window system delivers it.
    void MoveTo(const QPoint &screenPos)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(FRun->mapFromGlobal(screenPos)), QPointF(screenPos),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(FRun.get(), &move);
    }
    // Keys go to the focused control, Button1, as they do on the real screen.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(FRun->Button1, key, modifiers);
    }

    int FWords = 0;
    uint64_t FRequestsBefore = 0;
    bool FFakeClock = false;
    steady_clock::time_point FNow{100s};
};

// A screen whose paint a test can watch and slow down.
class TWatchedRun : public TfmRun {
public:
    std::function<void()> OnPaintBegin;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (OnPaintBegin)
            OnPaintBegin();
        TfmRun::paintEvent(event);
    }
};

} // namespace

TEST_F(RunScreen, IsAFramelessTopmostFullScreenWithOneSmallButton)
{
    UseWords(1);
    TfmRun &run = Open();
    EXPECT_TRUE(run.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(run.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(run.geometry(), QGuiApplication::primaryScreen()->geometry());
    // Only the window system's full-screen state puts it above panels and top bars.
    EXPECT_TRUE(run.windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_EQ(run.Button1->geometry(), QRect(8, 8, 41, 17));
    EXPECT_TRUE(run.Button1->text().isEmpty());
    EXPECT_EQ(run.font().pointSize(), 48);
    EXPECT_TRUE(run.font().bold());
    EXPECT_EQ(run.BackColor(), QColor(255, 255, 0));
    EXPECT_EQ(run.FontColor(), QColor(255, 0, 0));
    EXPECT_EQ(run.StartPos, StartPoint);
}

TEST_F(RunScreen, NextWordDrawsFromTheWordsInUseAndNamesItsSoundFile)
{
    UseWords(3);
    Settings.Transition = tmKeyPress;
    TfmRun &run = Open();
    std::vector<int> order{run.LastIndex};
    for (int k = 0; k < 3; ++k) {
        run.NextWord();
        order.push_back(run.LastIndex);
    }
    for (int i : order) {
        ASSERT_GE(i, 0);
        ASSERT_LT(i, 3);
    }
    EXPECT_EQ(std::set<int>(order.begin(), order.begin() + 3).size(), 3u) << "one cycle holds every word";
    EXPECT_NE(order[3], order[2]);
    EXPECT_EQ(run.CurrentText, NowWords[run.LastIndex].Text);
    EXPECT_EQ(run.SoundFile, SoundFileName(NowWords[run.LastIndex].SoundNo));
    EXPECT_EQ(run.Mode, rmShowing);
    EXPECT_EQ(FWords, 4);
}

TEST_F(RunScreen, OneWordIsShownAgainWithLastIndexMinusOne)
{
    UseWords(1);
    Settings.Transition = tmKeyPress;
    TfmRun &run = Open();
    EXPECT_EQ(run.CurrentText, "word0");
    run.NextWord();
    EXPECT_EQ(run.CurrentText, "word0");
    EXPECT_EQ(run.LastIndex, -1);
}

TEST_F(RunScreen, DelayFourMovesOnAtEveryTickUnderTheHourglass)
{
    UseWords(3);
    Settings.Delay = 4;
    TfmRun &run = Open();
    EXPECT_EQ(run.Mode, rmShowing);
    EXPECT_EQ(Pointer(), Qt::WaitCursor);
    ASSERT_TRUE(WaitForWords(3, 10000)) << "a word every 2.5 s";
    EXPECT_EQ(run.Mode, rmShowing) << "with Delay 4 the screen never waits";
    EXPECT_EQ(Pointer(), Qt::WaitCursor);
    run.close();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "closing restores the pointer";
}

TEST_F(RunScreen, DelayTwentyWaitsEightMoreSecondsWithTheDefaultPointer)
{
    UseWords(3);
    Settings.Delay = 20;
    UseFakeClock();
    TfmRun &run = Open();
    ASSERT_TRUE(WaitForWordPainted());
    FNow = run.WordPaintedAt() + 2000ms;  // the clock as a punctual tick reads it
    ASSERT_TRUE(WaitForTick());
    EXPECT_EQ(run.Mode, rmWaiting);
    EXPECT_EQ(run.Timer->interval(), 8000);
    EXPECT_TRUE(run.Timer->isActive());
    // The event loop wakes shortly before the tick, so the kernel's slack on a long
    // wait (up to 8 ms here) cannot make the word late.
    const QTimer *wakeAhead = run.findChild<QTimer *>(QStringLiteral("WakeAhead"));
    ASSERT_NE(wakeAhead, nullptr);
    EXPECT_TRUE(wakeAhead->isActive());
    EXPECT_EQ(wakeAhead->timerType(), Qt::PreciseTimer);
    EXPECT_LE(wakeAhead->interval(), 8000 - 16);
    EXPECT_GE(wakeAhead->interval(), 7900);
    EXPECT_EQ(Pointer(), Qt::ArrowCursor);
    EXPECT_EQ(FWords, 1);
    ASSERT_TRUE(WaitForWords(2, 12000));
    EXPECT_EQ(run.Mode, rmShowing);
    EXPECT_EQ(Pointer(), Qt::WaitCursor);
    EXPECT_EQ(run.Timer->interval(), 2000);
}

TEST_F(RunScreen, WordTimeCountsFromTheEndOfItsPaintAndALateTickIsMadeUp)
{
    UseWords(3);
    Settings.Delay = 6;
    UseFakeClock();
    auto &run = Open<TWatchedRun>();
    EXPECT_EQ(run.Timer->timerType(), Qt::PreciseTimer) << "a coarse timer may be 5 % off";
    ASSERT_TRUE(WaitForWordPainted());

    std::vector<std::string> wordPaints;
    run.OnPaintBegin = [&] {
        if (run.CurrentText.isEmpty())
            return;
        wordPaints.push_back(run.Timer->isActive() ? "timer running" : "timer stopped");
        FNow += 300ms;  // a slow paint: 300 ms pass while the word is drawn
    };
    const steady_clock::time_point before{50s};
    FNow = before;
    run.NextWord();
    ASSERT_FALSE(wordPaints.empty());
    EXPECT_EQ(wordPaints.front(), "timer stopped") << "the word's time must not run while it is being painted";
    EXPECT_EQ(run.WordPaintedAt(), before + 300ms);
    EXPECT_TRUE(run.Timer->isActive());
    EXPECT_EQ(run.Timer->interval(), 2000);

    // Painting the same word again (the window uncovered, say) does not move its start.
    run.repaint();
    EXPECT_EQ(run.WordPaintedAt(), before + 300ms);

    // The 2-second tick comes 7 ms late: the rest of the 3 s is counted from the
    // paint, not from the tick (1000) nor from before the paint (700).
    FNow = before + 300ms + 2007ms;
    run.TimerTimer();
    EXPECT_EQ(run.Mode, rmWaiting);
    EXPECT_EQ(run.Timer->interval(), 993);
}

TEST_F(RunScreen, TheFirstWordCountsFromItsFirstPaintNotFromTheShow)
{
    UseWords(3);
    Settings.Delay = 6;
    UseFakeClock();
    int slowPaints = 0;
    auto &run = Open<TWatchedRun>(rmStart, [&](TWatchedRun &screen) {
        EXPECT_TRUE(screen.WordPending()) << "the first word is drawn before the screen shows";
        screen.OnPaintBegin = [&] {
            if (screen.WordPending()) {
                ++slowPaints;
                FNow += 250ms;
            }
        };
    });
    ASSERT_TRUE(WaitForWordPainted());
    EXPECT_EQ(slowPaints, 1);
    EXPECT_EQ(run.WordPaintedAt(), steady_clock::time_point(100s + 250ms));
    EXPECT_TRUE(run.Timer->isActive());
    FNow = run.WordPaintedAt() + 2000ms;
    run.TimerTimer();
    EXPECT_EQ(run.Timer->interval(), 1000);
}

TEST_F(RunScreen, ATickLaterThanTheWholeDelayMovesOnAtOnce)
{
    UseWords(3);
    Settings.Delay = 6;
    UseFakeClock();
    TfmRun &run = Open();
    ASSERT_TRUE(WaitForWordPainted());
    FNow = run.WordPaintedAt() + 3400ms;  // the machine stalled past the word's end
    run.TimerTimer();
    EXPECT_EQ(run.Mode, rmWaiting);
    EXPECT_EQ(run.Timer->interval(), 0);
}

TEST_F(RunScreen, AWordNotPaintedYetStillHasItsWholeTime)
{
    UseWords(3);
    Settings.Delay = 6;
    UseFakeClock();
    FRun = std::make_unique<TfmRun>();
    TfmRun &run = *FRun;
    run.SetClock([this] { return FNow; });
    run.Mode = rmStart;
    run.SetAppearance(clRed, clYellow, 48, QStringLiteral("Arial"), true);  // never shown
    EXPECT_TRUE(run.WordPending());
    EXPECT_TRUE(run.Timer->isActive()) << "a screen that cannot paint must not stand still";
    FNow += 2000ms;
    run.TimerTimer();
    EXPECT_EQ(run.Mode, rmWaiting);
    EXPECT_EQ(run.Timer->interval(), 1000);
}

TEST_F(RunScreen, TheTwoSecondLockCountsFromTheWordsPaint)
{
    UseWords(3);
    Settings.Transition = tmMouseClick;
    Settings.Button = btnAny;
    auto &run = Open<TWatchedRun>();
    ASSERT_TRUE(WaitForWordPainted());
    ASSERT_TRUE(WaitForTick());
    Release(Qt::LeftButton);
    ASSERT_EQ(FWords, 2);
    // The click's word has been painted and the lock runs from that paint.
    std::vector<std::string> order;
    run.OnPaintBegin = [&] { order.push_back(run.Timer->isActive() ? "lock running" : "lock stopped"); };
    run.NextWord();
    ASSERT_GE(order.size(), 2u);
    EXPECT_EQ(order.back(), "lock stopped");
    EXPECT_TRUE(run.Timer->isActive());
    EXPECT_EQ(run.Timer->interval(), 2000);
    Release(Qt::LeftButton);
    EXPECT_EQ(FWords, 3) << "a click during the lock does nothing";
}

TEST_F(RunScreen, LeftButtonSettingIgnoresOtherButtonsAndEarlyClicks)
{
    UseWords(3);
    Settings.Transition = tmMouseClick;
    Settings.Button = btnLeft;
    TfmRun &run = Open();
    Release(Qt::LeftButton);
    EXPECT_EQ(FWords, 1) << "clicks in the first 2 s do nothing";
    ASSERT_TRUE(WaitForTick());
    EXPECT_EQ(run.Mode, rmWaiting);
    EXPECT_FALSE(run.Timer->isActive()) << "the screen now waits for the mouse";
    EXPECT_EQ(Pointer(), Qt::ArrowCursor);
    Release(Qt::RightButton);
    Release(Qt::MiddleButton);
    EXPECT_EQ(FWords, 1);
    Release(Qt::LeftButton);
    EXPECT_EQ(FWords, 2);
    EXPECT_EQ(run.Mode, rmShowing);
}

TEST_F(RunScreen, AnyButtonSettingTakesTheMiddleButton)
{
    UseWords(3);
    Settings.Transition = tmMouseClick;
    Settings.Button = btnAny;
    Open();
    ASSERT_TRUE(WaitForTick());
    Release(Qt::MiddleButton);
    EXPECT_EQ(FWords, 2);
}

TEST_F(RunScreen, RightButtonSettingIgnoresTheLeftButton)
{
    UseWords(3);
    Settings.Transition = tmMouseClick;
    Settings.Button = btnRight;
    Open();
    ASSERT_TRUE(WaitForTick());
    Release(Qt::LeftButton);
    EXPECT_EQ(FWords, 1);
    Release(Qt::RightButton);
    EXPECT_EQ(FWords, 2);
}

TEST_F(RunScreen, CtrlNHotKeyNeedsExactlyCtrl)
{
    UseWords(3);
    Settings.Transition = tmKeyPress;
    Settings.HotKey = 0x4000 | 'N';
    TfmRun &run = Open();
    EXPECT_EQ(run.KeyCode, 'N');
    EXPECT_EQ(run.KeyShift, ssCtrl);
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(FWords, 1) << "keys in the first 2 s do nothing";
    ASSERT_TRUE(WaitForTick());
    Key(Qt::Key_N);
    Key(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    Key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(FWords, 1);
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(FWords, 2);
    EXPECT_FALSE(run.Closed());
}

TEST_F(RunScreen, SpaceHotKeyMovesOnWithoutPressingTheButton)
{
    UseWords(3);
    Settings.Transition = tmKeyPress;  // HotKey keeps its default, the space bar
    TfmRun &run = Open();
    ASSERT_TRUE(WaitForTick());
    Key(Qt::Key_Space);
    EXPECT_EQ(FWords, 2);
    EXPECT_FALSE(run.Closed()) << "the space bar must not also click Button1";
    ASSERT_TRUE(WaitForTick());
    Key(Qt::Key_Return);
    EXPECT_EQ(FWords, 2);
    EXPECT_FALSE(run.Closed());
}

TEST_F(RunScreen, HotKeyZeroTakesAnyKeyAndEscAlsoCloses)
{
    UseWords(3);
    Settings.Transition = tmKeyPress;
    Settings.HotKey = 0;
    TfmRun &run = Open();
    EXPECT_EQ(run.KeyCode, 0);
    ASSERT_TRUE(WaitForTick());
    Key(Qt::Key_Q);
    EXPECT_EQ(FWords, 2);
    ASSERT_TRUE(WaitForTick());
    Key(Qt::Key_Escape);
    EXPECT_EQ(FWords, 3) << "Esc is a key like any other here";
    EXPECT_TRUE(run.Closed());
    EXPECT_FALSE(run.isVisible());
}

TEST_F(RunScreen, SmallOrOneAxisMovesNeverMoveOn)
{
    UseWords(3);
    Settings.Transition = tmMouseMove;
    TfmRun &run = Open();
    ASSERT_EQ(run.StartPos, StartPoint);
    ASSERT_TRUE(WaitForTick());
    MoveTo(StartPoint + QPoint(3, 3));
    MoveTo(StartPoint + QPoint(200, 0));   // along the starting row
    MoveTo(StartPoint + QPoint(0, 200));   // along the starting column
    MoveTo(StartPoint + QPoint(300, 5));   // 5 pixels is still too close
    EXPECT_EQ(FWords, 1);
    MoveTo(StartPoint + QPoint(6, 6));
    EXPECT_EQ(FWords, 2);
    // The starting point never moves: once away from it every move counts.
    ASSERT_TRUE(WaitForTick());
    MoveTo(StartPoint + QPoint(7, 6));
    EXPECT_EQ(FWords, 3);
}

TEST_F(RunScreen, TransitionOutOfRangeKeepsTheFirstWordUntilEsc)
{
    UseWords(3);
    Settings.Transition = 7;
    Settings.HotKey = 0;
    TfmRun &run = Open();
    ASSERT_TRUE(WaitForTick());
    EXPECT_EQ(run.Mode, rmWaiting);
    EXPECT_FALSE(run.Timer->isActive());
    Release(Qt::LeftButton);
    MoveTo(StartPoint + QPoint(300, 300));
    Key(Qt::Key_Space);
    EXPECT_EQ(FWords, 1);
    EXPECT_FALSE(run.Closed());
    Key(Qt::Key_Escape);
    EXPECT_TRUE(run.Closed());
    EXPECT_EQ(FWords, 1);
}

TEST_F(RunScreen, ButtonOutOfRangeIgnoresEveryClickUntilButton1)
{
    UseWords(3);
    Settings.Transition = tmMouseClick;
    Settings.Button = 5;
    TfmRun &run = Open();
    ASSERT_TRUE(WaitForTick());
    Release(Qt::LeftButton);
    Release(Qt::RightButton);
    Release(Qt::MiddleButton);
    EXPECT_EQ(FWords, 1);
    QTest::mouseClick(run.Button1, Qt::LeftButton);
    EXPECT_TRUE(run.Closed());
}

TEST_F(RunScreen, NormalSoundStartsWithItsWord)
{
    UseWords(3);
    Settings.Transition = tmKeyPress;
    Settings.SoundMode = sndNormal;
    TfmRun &run = Open();
    EXPECT_EQ(SoundRequests(), 1u) << "started before the screen is even shown";
    EXPECT_EQ(PlaySoundStatus().LastRequest, SoundFileName(NowWords[run.LastIndex].SoundNo));
    ASSERT_TRUE(WaitForTick());
    EXPECT_EQ(SoundRequests(), 1u);
}

TEST_F(RunScreen, EachWordsSoundIsReadAheadDuringItsBlank)
{
    UseWords(3);
    for (const TWordEntry &w : NowWords)
        WriteAll(SoundFileName(w.SoundNo), MakeWave(2, 8, 22050, 0.1));
    Settings.Transition = tmKeyPress;
    Settings.SoundMode = sndNormal;
    const TPlaySoundStatus before = PlaySoundStatus();
    Open();
    for (int word = 2; word <= 3; ++word) {
        ASSERT_TRUE(WaitForTick());
        Key(Qt::Key_Space);
    }
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    const TPlaySoundStatus after = PlaySoundStatus();
    EXPECT_EQ(after.Requests, before.Requests + 3);
    EXPECT_EQ(after.Prepared, before.Prepared + 3) << "every word's sound played from what was read ahead";
}

TEST_F(RunScreen, TheScreenKeepsOneSoundStreamOpenWhileItIsUp)
{
    UseWords(3);
    Settings.Transition = tmKeyPress;
    Settings.SoundMode = sndMute;
    TfmRun &mute = Open();
    ASSERT_TRUE(WaitForTick());
    EXPECT_FALSE(PlaySoundStreamOpen()) << "a mute screen holds no device";
    mute.close();

    Settings.SoundMode = sndDelayed;
    TfmRun &run = Open();
    ASSERT_TRUE(QTest::qWaitFor([] { return PlaySoundStreamOpen(); }, 10000)) << NoSoundServerHint();
    Key(Qt::Key_Space);
    ASSERT_TRUE(WaitForTick());
    EXPECT_TRUE(PlaySoundStreamOpen()) << "kept from word to word";
    Key(Qt::Key_Escape);
    ASSERT_TRUE(run.Closed());
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    EXPECT_FALSE(PlaySoundStreamOpen()) << "closed with the screen";
}

TEST_F(RunScreen, DelayedSoundStartsAtTheFirstTick)
{
    UseWords(3);
    Settings.Transition = tmKeyPress;
    Settings.SoundMode = sndDelayed;
    TfmRun &run = Open();
    EXPECT_EQ(SoundRequests(), 0u);
    ASSERT_TRUE(WaitForTick());
    EXPECT_EQ(SoundRequests(), 1u);
    EXPECT_EQ(PlaySoundStatus().LastRequest, run.SoundFile);
    // The next word's sound waits for its own tick again.
    Key(Qt::Key_Space);
    EXPECT_EQ(SoundRequests(), 1u);
    ASSERT_TRUE(WaitForTick());
    EXPECT_EQ(SoundRequests(), 2u);
}

TEST_F(RunScreen, DelayedSoundWithShortDelayPlaysAsTheBlankBegins)
{
    UseWords(3);
    Settings.Delay = 4;
    Settings.SoundMode = sndDelayed;
    QString firstWordsSound;
    Open();
    firstWordsSound = FRun->SoundFile;
    ASSERT_TRUE(WaitForWords(2, 6000));
    EXPECT_EQ(SoundRequests(), 1u);
    EXPECT_EQ(PlaySoundStatus().LastRequest, firstWordsSound) << "the sound is the previous word's";
}

TEST_F(RunScreen, MuteAndUnknownSoundModesPlayNothing)
{
    for (int mode : {int(sndMute), 3, -1}) {
        SCOPED_TRACE(mode);
        UseWords(2);
        Settings.Transition = tmKeyPress;
        Settings.SoundMode = mode;
        TfmRun &run = Open();
        ASSERT_TRUE(WaitForTick());
        Key(Qt::Key_Space);
        EXPECT_EQ(FWords, 2);
        EXPECT_EQ(SoundRequests(), 0u);
        run.close();
        NowWords.clear();
    }
}

TEST_F(RunScreen, EscDuringTheBlankClosesOnceTheWordIsDrawn)
{
    UseWords(3);
    Settings.Transition = tmKeyPress;
    TfmRun &run = Open();
    bool visibleAfterEsc = false, closedAfterEsc = true;
    QString textDuringBlank = "?";
    QTimer::singleShot(150, [&] {
        Key(Qt::Key_Escape);
        visibleAfterEsc = run.isVisible();
        closedAfterEsc = run.Closed();
        textDuringBlank = run.CurrentText;
    });
    const uint64_t requests = SoundRequests();
    run.NextWord();
    EXPECT_TRUE(visibleAfterEsc);
    EXPECT_FALSE(closedAfterEsc);
    EXPECT_TRUE(textDuringBlank.isEmpty());
    EXPECT_FALSE(run.CurrentText.isEmpty()) << "NextWord finished its word";
    EXPECT_EQ(SoundRequests(), requests + 1) << "and started its sound";
    EXPECT_TRUE(run.Closed());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(RunScreen, Button1DuringTheBlankClosesOnceTheWordIsDrawn)
{
    UseWords(3);
    Settings.Transition = tmKeyPress;
    TfmRun &run = Open();
    bool closedAfterClick = true;
    QTimer::singleShot(150, [&] {
        QTest::mouseClick(run.Button1, Qt::LeftButton);
        closedAfterClick = run.Closed();
    });
    run.NextWord();
    EXPECT_FALSE(closedAfterClick);
    EXPECT_TRUE(run.Closed());
}

TEST_F(RunScreen, TriggersDuringTheBlankAreIgnored)
{
    UseWords(3);
    Settings.Transition = tmKeyPress;
    Settings.HotKey = 0;
    TfmRun &run = Open();
    ASSERT_TRUE(WaitForTick());
    QTimer::singleShot(150, [&] { Key(Qt::Key_A); });
    run.NextWord();
    EXPECT_EQ(FWords, 2) << "the key in the blank did not draw another word";
    EXPECT_EQ(run.Mode, rmShowing);
}

TEST_F(RunScreen, ModalLoopReturnsWhenTheScreenCloses)
{
    UseWords(2);
    Settings.Transition = tmKeyPress;
    FRun = std::make_unique<TfmRun>();
    FRun->Mode = rmStart;
    FRun->SetAppearance(clRed, clYellow, 48, QStringLiteral("Arial"), true);
    bool visibleInLoop = false;
    QTimer::singleShot(300, [&] {
        visibleInLoop = FRun->isVisible();
        QTest::keyClick(FRun->Button1, Qt::Key_Escape);
    });
    FRun->ShowModal();
    EXPECT_TRUE(visibleInLoop);
    EXPECT_TRUE(FRun->Closed());
    EXPECT_FALSE(FRun->isVisible());
}

// ---------------------------------------------------------------- preview

TEST_F(RunScreen, PreviewShowsTheSampleWithoutWordsSoundOrHourglass)
{
    Settings.SoundMode = sndNormal;
    TfmRun &run = Open(rmPreview);
    EXPECT_EQ(run.CurrentText, "wordlark");
    EXPECT_EQ(FWords, 0);
    EXPECT_EQ(SoundRequests(), 0u);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    Key(Qt::Key_A);
    Release(Qt::LeftButton);
    MoveTo(StartPoint + QPoint(300, 300));
    EXPECT_FALSE(run.Closed()) << "nothing but Esc and Button1 closes it before the first tick";
    ASSERT_TRUE(WaitForTick(3000));
    EXPECT_EQ(run.Mode, rmPreview);
    EXPECT_TRUE(run.Timer->isActive()) << "in preview the timer only sets Ready";
    Key(Qt::Key_A);
    EXPECT_TRUE(run.Closed());
}

TEST_F(RunScreen, PreviewClosesOnAMouseEventAfterTheFirstTick)
{
    UseWords(2);  // words in use play no part in preview
    TfmRun &run = Open(rmPreview);
    ASSERT_TRUE(WaitForTick(3000));
    MoveTo(StartPoint + QPoint(2, 300));
    EXPECT_FALSE(run.Closed());
    Release(Qt::RightButton);
    EXPECT_TRUE(run.Closed());
    EXPECT_EQ(FWords, 0);
}

TEST_F(RunScreen, PreviewClosesOnEscOrButton1AtOnce)
{
    Open(rmPreview);
    Key(Qt::Key_Escape);
    EXPECT_TRUE(FRun->Closed());
    Open(rmPreview);
    QTest::mouseClick(FRun->Button1, Qt::LeftButton);
    EXPECT_TRUE(FRun->Closed());
}

// ---------------------------------------------------------------- painting

namespace {

// Bounding box of the pixels in the given colour.
QRect InkBox(const QImage &img, QRgb ink)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (ink & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

QImage Paint(TfmRun &run)
{
    QImage img(run.size(), QImage::Format_RGB32);
    QPainter p(&img);
    run.FormPaint(p);
    return img;
}

} // namespace

TEST_F(RunScreen, BlankScreenIsAllBackground)
{
    TfmRun &run = Open(rmPreview);
    run.CurrentText.clear();
    const QImage img = Paint(run);
    EXPECT_TRUE(InkBox(img, qRgb(255, 0, 0)).isEmpty());
    EXPECT_EQ(InkBox(img, qRgb(255, 255, 0)), run.rect());
}

TEST_F(RunScreen, AmpersandIsDrawnAsItStands)
{
    TfmRun &run = Open(rmPreview);
    run.CurrentText = "&";
    EXPECT_FALSE(InkBox(Paint(run), qRgb(255, 0, 0)).isEmpty());
    run.CurrentText = "A&&B";
    const int doubled = InkBox(Paint(run), qRgb(255, 0, 0)).width();
    run.CurrentText = "A&B";
    EXPECT_GT(doubled, InkBox(Paint(run), qRgb(255, 0, 0)).width());
}

TEST_F(RunScreen, LongTextWrapsCentredBetweenTheMargins)
{
    TfmRun &run = Open(rmPreview);
    run.CurrentText = "the quick brown fox jumps over the lazy dog";
    const QImage img = Paint(run);
    const QRect ink = InkBox(img, qRgb(255, 0, 0));
    const QFontMetrics fm(run.font());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.height(), fm.height()) << "the text is wrapped onto several lines";
    EXPECT_GE(ink.left(), 20);
    EXPECT_LE(ink.right(), run.width() - 20);
    EXPECT_NEAR(ink.center().x(), run.width() / 2, 12);
    EXPECT_NEAR(ink.center().y(), run.height() / 2, fm.height() / 2);

    // A single short word sits in the middle of the screen.
    run.CurrentText = "cat";
    const QRect word = InkBox(Paint(run), qRgb(255, 0, 0));
    EXPECT_NEAR(word.center().x(), run.width() / 2, 6);
    EXPECT_NEAR(word.center().y(), run.height() / 2, fm.height() / 2);
}

// ---------------------------------------------------------------- real sound

// Plays through the test sound server (tools/soundserver.sh start); without it the
// test fails and says so.
TEST_F(RunScreen, ClosingTheScreenLetsTheWordsSoundPlayToItsEnd)
{
    UseWords(1);
    WriteAll(SoundFileName(NowWords[0].SoundNo), MakeWave(2, 8, 22050, 1.0));
    Settings.Transition = tmKeyPress;
    const TPlaySoundStatus before = PlaySoundStatus();
    TfmRun &run = Open();
    ASSERT_TRUE(QTest::qWaitFor([&] {
        const TPlaySoundStatus s = PlaySoundStatus();
        return s.Started > before.Started || s.Failed > before.Failed;
    }, 10000));
    ASSERT_EQ(PlaySoundStatus().Failed, before.Failed) << NoSoundServerHint() << ": "
                                                       << PlaySoundStatus().LastError.toStdString();
    Key(Qt::Key_Escape);
    ASSERT_TRUE(run.Closed());
    FRun.reset();
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    const TPlaySoundStatus after = PlaySoundStatus();
    EXPECT_EQ(after.Finished, before.Finished + 1);
    EXPECT_EQ(after.Cut, before.Cut);
}
