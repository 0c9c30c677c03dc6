// What the window system does with the program's windows, seen on the whole
// screen and driven by the real pointer: the run screen above every panel, the
// main window dragged by its picture, the balloon's corners and shadow gaps
// showing the live picture beneath. The test command runs these on Xvfb and on
// a Wayland compositor nested in it; elsewhere they are skipped.
#include "app/Application.h"
#include "app/uMain.h"
#include "data/uCommon.h"
#include "picture/PGImage.h"
#include "platform/HintWindow.h"
#include "platform/ProgramFile.h"
#include "platform/WindowSystem.h"
#include "run/Dtmisc.h"
#include "run/uRun.h"
#include "support/ProgramFolder.h"
#include "support/Desktop.h"
#include "widgets/Balloon.h"
#include "widgets/oxBtns.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

class DesktopTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        if (const QString missing = Desktop::Missing(); !missing.isEmpty())
            GTEST_SKIP() << missing.toStdString();
        ProgramFolderTest::SetUp();
        CopyImage("confetti.jpg");
        FSavedNowWords = NowWords;
        // The pointer in the bottom right corner, off every window and button.
        const QImage screen = Desktop::Grab();
        ASSERT_FALSE(screen.isNull());
        FCorner = QPoint(screen.width() - 1, screen.height() - 1);
        TrueUpPointer();
    }
    // A nested weston turns each X pointer motion into a relative one from the
    // last position it saw, and clamps its pointer to its output; once the two
    // disagree (a motion it missed) every jump lands elsewhere. Pushing the
    // pointer into two opposite corners clamps both to the same place, and
    // leaves it in the bottom right corner, off every window and button.
    void TrueUpPointer()
    {
        Desktop::MoveTo(QPoint(0, 0));
        QTest::qWait(50);
        Desktop::MoveTo(FCorner);
        QTest::qWait(50);
    }
    void TearDown() override
    {
        NowWords = FSavedNowWords;
        ProgramFolderTest::TearDown();
        CancelHint();
    }
    // Shows the main window and finds it on the screen, wherever the window
    // system put it, once it has stopped changing (a window made active
    // shows its default button's caption bold).
    QPoint ShowMain(TfmMain &w)
    {
        // The right edge: tiles and the bevel, which no focus or pointer changes.
        const QRect edge(w.pgBack->mapTo(&w, QPoint(436, 0)), QPoint(w.width() - 1, w.height() - 1));
        FEdge = w.grab(edge).toImage().convertToFormat(QImage::Format_RGB32);
        FEdgeAt = edge.topLeft();
        // The window of the test before may take a moment to leave the screen.
        EXPECT_TRUE(QTest::qWaitFor([&] { return Locate(Desktop::Grab()).x() < 0; }, 10000));
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        QPoint at(-1, -1);
        QImage last;
        (void)QTest::qWaitFor([&] {
            const QImage now = Desktop::Grab();
            const bool settled = now == last;
            last = now;
            return settled && (at = Locate(now)).x() >= 0;
        }, 10000);
        return at;
    }
    // Where the main window is in `screen`, or (-1, -1).
    QPoint Locate(const QImage &screen) const
    {
        const QPoint edge = Desktop::Find(screen, FEdge);
        return edge.x() < 0 ? edge : edge - FEdgeAt;
    }

    TWordList FSavedNowWords;
    QPoint FCorner;
    QImage FEdge;
    QPoint FEdgeAt;
};

// Notes what the program has seen of the real pointer: where it last moved
// over `window`, and whether `button` went down.
class TPointerWatch : public QObject {
public:
    TPointerWatch(QWidget *window, Qt::MouseButton button) : FWindow(window), FButton(button)
    {
        qApp->installEventFilter(this);
    }
    QPoint At{-1, -1};
    bool Pressed = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != FWindow->windowHandle())
            return false;
        // A pointer moved onto the window may arrive as an enter alone.
        const auto *mouse = static_cast<QSinglePointEvent *>(event);
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            At = mouse->position().toPoint();
        else if (event->type() == QEvent::MouseButtonPress && mouse->button() == FButton)
            Pressed = true;
        return false;
    }

private:
    QWidget *FWindow;
    Qt::MouseButton FButton;
};

} // namespace

TEST_F(DesktopTest, BalloonCornersAndShadowGapsShowThePictureBeneath)
{
    TfmMain w;
    const QPoint at = ShowMain(w);
    ASSERT_GE(at.x(), 0);
    const QImage before = Desktop::Grab();
    // The Run button's hint as the hint machinery shows it for a pointer at
    // rest low on the button: the balloon stands over the picture and the
    // buttons above it.
    const QPoint pointer(w.btRun->width() * 3 / 4, w.btRun->height() - 10);
    QHelpEvent rest(QEvent::ToolTip, pointer, w.btRun->mapToGlobal(pointer));
    QApplication::sendEvent(w.btRun, &rest);
    auto *balloon = qobject_cast<TBalloonWindow *>(ProgramHintWindow());
    ASSERT_NE(balloon, nullptr);
    ASSERT_TRUE(balloon->isVisible()) << "buttons held: " << int(MouseButtonsDown());
    // Where the program put it relative to its window is where it is on the
    // screen, whatever the window system made of the window's own place.
    const QRect area = balloon->geometry().translated(at - w.pos());
    const int s = BalloonSettings().ShadowDepth();
    const QRegion outline = Balloon::Outline(area.size(), s, balloon->CurrentPosition(), BalloonSettings().Shape());
    const QRegion shadow = outline.translated(s, s).subtracted(outline);
    const QRect body = Balloon::Body(area.size(), s, balloon->CurrentPosition());
    const QColor fill(0xFF, 0xFF, 0xCA);

    QImage shot;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        shot = Desktop::Grab();
        return QColor(shot.pixel(area.topLeft() + body.topLeft() + QPoint(5, 9))) == fill;
    }, 10000)) << "no balloon at (" << area.x() << ", " << area.y() << ")";
    int corners = 0, gaps = 0, shade = 0, wrong = 0;
    QString firstWrong;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            const QPoint p = area.topLeft() + QPoint(x, y);
            QRgb expected;
            if (outline.contains(QPoint(x, y)))
                continue;
            if (!shadow.contains(QPoint(x, y))) {
                ++corners;
                expected = before.pixel(p);
            } else if ((x + y) % 2 == 0) {
                ++shade;
                expected = qRgb(0, 0, 0);
            } else {
                ++gaps;
                expected = before.pixel(p);
            }
            if (shot.pixel(p) != expected && wrong++ == 0)
                firstWrong = QStringLiteral("(%1, %2) is %3, not %4")
                                 .arg(x).arg(y).arg(QColor(shot.pixel(p)).name(), QColor(expected).name());
        }
    EXPECT_GT(corners, 100);
    EXPECT_GT(gaps, 100);
    EXPECT_GT(shade, 100);
    EXPECT_EQ(wrong, 0) << firstWrong.toStdString();
    CancelHint();
}

TEST_F(DesktopTest, RunScreenCoversEveryPixelOfTheOutputAbovePanels)
{
    if (WindowSystemPlacesWindows()) {
        // The compositor's panel along the top: more than one colour there.
        ASSERT_TRUE(QTest::qWaitFor([] {
            const QImage screen = Desktop::Grab();
            const QImage top = screen.copy(0, 0, screen.width(), 32);
            for (int y = 0; y < top.height(); ++y)
                for (int x = 0; x < top.width(); ++x)
                    if (top.pixel(x, y) != top.pixel(0, 0))
                        return true;
            return false;
        }, 10000)) << "no panel on the compositor's output";
    }
    TfmMain w;
    ASSERT_GE(ShowMain(w).x(), 0);
    // One word in the background colour and no next word until a key: the
    // screen stays all one colour but for its small button.
    NowWords = {TWordEntry{QStringLiteral("wordlark"), 1}};
    Settings.Transition = tmKeyPress;
    Settings.SoundMode = sndMute;
    const QColor back = ToQColor(clFuchsia);
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    TfmRun run(&w);
    run.Mode = rmStart;
    run.SetAppearance(clFuchsia, clFuchsia, 20, QStringLiteral("Arial"), false);

    QPoint stray;
    QColor strayColor;
    QRect button;
    QTimer::singleShot(0, &run, [&] {
        button = QRect(run.Button1->pos(), run.Button1->size());
        auto coveredAll = [&] {
            const QImage shot = Desktop::Grab();
            stray = QPoint(-1, -1);
            for (int y = 0; y < shot.height() && stray.x() < 0; ++y)
                for (int x = 0; x < shot.width(); ++x)
                    if (!button.contains(x, y) && QColor(shot.pixel(x, y)) != back) {
                        stray = QPoint(x, y);
                        strayColor = QColor(shot.pixel(x, y));
                        break;
                    }
            return stray.x() < 0;
        };
        // The hourglass of the word's first 2 seconds may stand in the corner.
        (void)QTest::qWaitFor(coveredAll, 15000);
        run.Close();
    });
    run.ShowModal();
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(button, QRect(8, 8, 41, 17));
    EXPECT_EQ(stray, QPoint(-1, -1)) << "uncovered pixel in " << strayColor.name().toStdString();
}

TEST_F(DesktopTest, MainWindowMovesWhenDraggedByItsPictureAndBalloonsShowRightAfter)
{
    Application()->SetShowHint(false);
    TfmMain w;
    QPoint at = ShowMain(w);
    ASSERT_GE(at.x(), 0);
    // The picture below the buttons, away from the right edge by which the
    // window is found: a compositor draws the pointer into its output.
    const QPoint grip = w.pgBack->mapTo(&w, QPoint(200, 276));
    const QSize screen = Desktop::Grab().size();
    const struct {
        int x11Button;
        Qt::MouseButton qtButton;
    } drags[] = {{1, Qt::LeftButton}, {3, Qt::RightButton}};
    for (const auto &drag : drags) {
        // On Wayland only the left button moves the window.
        if (drag.qtButton != Qt::LeftButton && WindowSystemPlacesWindows())
            continue;
        // Towards the middle of the screen, where the pointer can follow.
        const QPoint middle = at + QPoint(w.width(), w.height()) / 2;
        const QPoint by(middle.x() < screen.width() / 2 ? 40 : -40, middle.y() < screen.height() / 2 ? 30 : -30);
        TPointerWatch watch(&w, drag.qtButton);
        // A nested compositor now and then misses a jump of the X pointer;
        // it is given the pointer's arrival again until it sees it.
        for (int tries = 0; tries < 5 && watch.At != grip; ++tries) {
            if (tries > 0)
                TrueUpPointer();
            Desktop::MoveTo(at + grip);
            (void)QTest::qWaitFor([&] { return watch.At == grip; }, 2000);
        }
        ASSERT_EQ(watch.At, grip) << "the pointer never reached the window";
        Desktop::Press(drag.x11Button);
        // The program starts the move when it sees the press.
        EXPECT_TRUE(QTest::qWaitFor([&] { return watch.Pressed; }, 5000));
        QTest::qWait(100);
        for (int step = 1; step <= 4; ++step) {
            Desktop::MoveTo(at + grip + by * step / 4);
            QTest::qWait(50);
        }
        Desktop::Release(drag.x11Button);
        QPoint now(-1, -1);
        EXPECT_TRUE(QTest::qWaitFor([&] { return (now = Locate(Desktop::Grab())) == at + by; }, 10000))
            << "button " << drag.x11Button << ": from (" << at.x() << ", " << at.y() << ") to (" << now.x() << ", "
            << now.y() << ")";
        if (now.x() >= 0)
            at = now;
        // After the release the window stays where it is.
        Desktop::MoveTo(FCorner);
        QTest::qWait(200);
        EXPECT_EQ(Locate(Desktop::Grab()), at) << "button " << drag.x11Button;

        // Resting on "Run" straight after, with no click between, brings its
        // balloon: no widget holds the pointer, no button counts as held.
        Application()->SetShowHint(true);
        const QPoint onRun = w.btRun->mapTo(&w, QPoint(w.btRun->width() / 2, w.btRun->height() / 2));
        TPointerWatch rest(&w, drag.qtButton);
        for (int tries = 0; tries < 5 && rest.At != onRun; ++tries) {
            TrueUpPointer();
            Desktop::MoveTo(at + onRun);
            (void)QTest::qWaitFor([&] { return rest.At == onRun; }, 2000);
        }
        EXPECT_EQ(rest.At, onRun) << "the pointer never reached Run";
        EXPECT_TRUE(QTest::qWaitFor([] { return ProgramHintWindow() && ProgramHintWindow()->isVisible(); }, 5000))
            << "button " << drag.x11Button << ": no balloon; buttons held: " << int(MouseButtonsDown());
        Application()->SetShowHint(false);
        CancelHint();
        Desktop::MoveTo(FCorner);
    }
}

// A minute of the run screen under a resting pointer, a new word every half
// second with the busy pointer between words. The test command runs it on the
// Wayland compositor with WAYLAND_DEBUG=1, under which the theme's animated
// busy pointer brought Qt's Wayland client down within seconds.
using DesktopSoak = DesktopTest;

TEST_F(DesktopSoak, TheRunScreenUnderThePointerLivesThroughAMinuteOfWords)
{
    TfmMain w;
    ASSERT_GE(ShowMain(w).x(), 0);
    NowWords = {{QStringLiteral("cat"), 1}, {QStringLiteral("dog"), 2}, {QStringLiteral("sun"), 3}};
    Settings.Transition = tmDelay;
    Settings.Delay = 1;
    Settings.SoundMode = sndMute;
    TfmRun run(&w);
    run.Mode = rmStart;
    run.SetAppearance(clWhite, clNavy, 40, QStringLiteral("Arial"), false);
    int words = 0;
    run.Dozer->OnWakeUp = [&words](QObject *) { ++words; };
    QList<Qt::CursorShape> shapes;
    QTimer::singleShot(0, &run, [&] {
        (void)QTest::qWaitFor([&] { return run.isVisible(); }, 5000);
        TrueUpPointer();
        Desktop::MoveTo(FCorner / 2);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000) {
            QTest::qWait(20);
            const QCursor *c = QGuiApplication::overrideCursor();
            if (c && !shapes.contains(c->shape()))
                shapes << c->shape();
        }
        run.Close();
    });
    run.ShowModal();
    EXPECT_GT(words, 15) << "a word every 2.5 s";
    EXPECT_EQ(shapes, QList<Qt::CursorShape>({WindowSystemPlacesWindows() ? Qt::BitmapCursor : Qt::WaitCursor}))
        << "a still busy pointer on Wayland, the theme's elsewhere";
}

TEST_F(DesktopTest, ACompositingManagerTakingItsSelectionMakesTheDesktopComposited)
{
    if (WindowSystemPlacesWindows()) {
        EXPECT_TRUE(DesktopComposites()) << "a Wayland compositor always blends";
        return;
    }
    EXPECT_FALSE(DesktopComposites()) << "Xvfb alone";
    // A stand-in compositing manager: another client owns the screen's selection.
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> c(xcb_connect(nullptr, nullptr), &xcb_disconnect);
    ASSERT_FALSE(xcb_connection_has_error(c.get()));
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c.get())).data;
    const xcb_window_t owner = xcb_generate_id(c.get());
    xcb_create_window(c.get(), XCB_COPY_FROM_PARENT, owner, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    const char name[] = "_NET_WM_CM_S0";
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(c.get(), xcb_intern_atom(c.get(), 0, sizeof name - 1, name), nullptr), &std::free);
    ASSERT_TRUE(atom);
    xcb_set_selection_owner(c.get(), owner, atom->atom, XCB_CURRENT_TIME);
    free(xcb_get_input_focus_reply(c.get(), xcb_get_input_focus(c.get()), nullptr));   // round trip: it is done
    EXPECT_TRUE(DesktopComposites());
    xcb_destroy_window(c.get(), owner);
    free(xcb_get_input_focus_reply(c.get(), xcb_get_input_focus(c.get()), nullptr));
    EXPECT_FALSE(DesktopComposites()) << "the manager gone";
}
