// The main window as it looks: the captions standing straight on the tiled
// picture with their shadows, the bold caption of the focused or default
// button, the recolouring, and the balloon hints.
#include "app/Application.h"
#include "app/uMain.h"
#include "data/uCommon.h"
#include "picture/PGImage.h"
#include "platform/ProgramFile.h"
#include "widgets/Balloon.h"
#include "widgets/oxBtns.h"
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

const QColor Navy(0, 0, 128);
const QColor Maroon(128, 0, 0);

class MainWindowLook : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyImage("confetti.jpg");
        // The pointer away from the window: no button is hot.
        QCursor::setPos(QPoint(2, 2));
    }
    void TearDown() override
    {
        ProgramFolderTest::TearDown();
        CancelHint();
    }
    void ShowActive(TfmMain &w)
    {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        // On a bare X server (no window manager) a window is not made active.
        QApplication::setActiveWindow(&w);
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        }
    }
    // What the screen shows where the window is.
    static QImage ScreenShot(const QWidget &w, const QRect &area)
    {
        QApplication::processEvents();
        QGuiApplication::sync();
        const QPoint at = w.mapToGlobal(area.topLeft()) - w.screen()->geometry().topLeft();
        return w.screen()->grabWindow(0, at.x(), at.y(), area.width(), area.height()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    static QImage ScreenShot(const QWidget &w) { return ScreenShot(w, w.rect()); }
    // A tool that wants to look at the pictures names a folder for them.
    static void Keep(const QImage &image, const QString &name)
    {
        const QString folder = qEnvironmentVariable("LUMWORD_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            image.save(folder + "/" + name);
            image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(folder + "/x4-" + name);
        }
    }
    static QList<ToxButton *> Buttons(TfmMain &w) { return {w.btAbout, w.btRun, w.btConfigure, w.btHelp, w.btExit}; }
    static QImage Without(TfmMain &w)
    {
        for (ToxButton *b : Buttons(w))
            b->hide();
        QImage picture = ScreenShot(w);
        for (ToxButton *b : Buttons(w))
            b->show();
        return picture;
    }
    static int Count(const QImage &image, const QRect &area, const QColor &color)
    {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += image.pixelColor(x, y) == color;
        return n;
    }
    QRect InWindow(TfmMain &w, QWidget *b) { return QRect(b->mapTo(&w, QPoint(0, 0)), b->size()); }
};

TEST_F(MainWindowLook, BalloonHintHasTheWindowsSettings)
{
    TfmMain w;
    const TBalloonHint *h = w.BalloonHint1;
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(&BalloonSettings(), h);
    EXPECT_TRUE(h->Active());
    EXPECT_EQ(h->BorderColor(), 0);
    EXPECT_EQ(h->Color(), 0xCAFFFF);
    EXPECT_EQ(h->Font().family(), "MS Sans Serif");
    EXPECT_EQ(h->Font().pixelSize(), 11);
    EXPECT_FALSE(h->Font().bold());
    EXPECT_EQ(h->FontColor(), clWindowText);
    EXPECT_EQ(h->MaxWidth(), -4);
    EXPECT_EQ(int(h->Behavior()), 7);
    EXPECT_EQ(h->Position(), bpAboveRight);
    EXPECT_EQ(h->ShadowDepth(), 8);
    EXPECT_EQ(h->ShadowStyle(), ssShaded);
    EXPECT_EQ(h->Shape(), bsRoundRect);
    EXPECT_EQ(h->Style(), hsCustom);
}

TEST_F(MainWindowLook, CaptionsStandOnThePictureWithTheirShadowTwoPixelsBelowRight)
{
    TfmMain w;
    ShowActive(w);
    const QImage shot = ScreenShot(w);
    const QImage picture = Without(w);
    Keep(shot, "mainwindow.png");
    const QColor shadow = QColor(ToQColor(clBtnShadow).rgb());
    ASSERT_NE(shadow, Navy);

    // The bevel frame, then the picture: the picture starts 5 pixels in.
    EXPECT_NE(shot.pixelColor(2, 100), picture.pixelColor(7, 100)) << "bevel, not picture";

    for (ToxButton *b : {w.btRun, w.btConfigure, w.btHelp, w.btExit}) {
        SCOPED_TRACE(b->Caption().toStdString());
        const QRect area = InWindow(w, b);
        // Where the caption is drawn: the pixels that differ from the picture.
        QRect ink;
        int navy = 0, navyWithShadow = 0, shadowPixels = 0, shadowOfNavy = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                if (shot.pixelColor(x, y) != picture.pixelColor(x, y))
                    ink |= QRect(x, y, 1, 1);
                if (shot.pixelColor(x, y) == shadow) {
                    // The shadow is the letters moved 2 pixels right and down.
                    ++shadowPixels;
                    shadowOfNavy += shot.pixelColor(x - 2, y - 2) == Navy;
                }
                if (shot.pixelColor(x, y) != Navy)
                    continue;
                ++navy;
                // 2 pixels below right of a letter's inside: the letter or its
                // shadow, never the bare picture.
                if (shot.pixel(x + 2, y + 2) != picture.pixel(x + 2, y + 2))
                    ++navyWithShadow;
            }
        ASSERT_GT(navy, 50);
        EXPECT_GT(shadowPixels, 30);
        EXPECT_EQ(navyWithShadow, navy);
        EXPECT_GE(shadowOfNavy * 100, shadowPixels * 95);
        // Between and around the letters, inside the caption's box, the picture.
        const int bare = [&] {
            int n = 0;
            for (int y = ink.top(); y <= ink.bottom(); ++y)
                for (int x = ink.left(); x <= ink.right(); ++x)
                    n += shot.pixelColor(x, y) == picture.pixelColor(x, y);
            return n;
        }();
        EXPECT_GT(bare * 100, ink.width() * ink.height() * 30);
        // No frame: the button's edges show the picture.
        EXPECT_EQ(shot.pixelColor(area.topLeft() + QPoint(1, 1)), picture.pixelColor(area.topLeft() + QPoint(1, 1)));
    }
}

TEST_F(MainWindowLook, OpeningColorRecoloursAllFiveCaptionsAndLeavesTheShadows)
{
    TfmMain w;
    ShowActive(w);
    const QImage before = ScreenShot(w);
    Settings.OpeningColor = clMaroon;
    w.ApplyLook();
    const QImage after = ScreenShot(w);
    const QColor shadow = QColor(ToQColor(clBtnShadow).rgb());
    for (ToxButton *b : Buttons(w)) {
        SCOPED_TRACE(b->Caption().toStdString());
        const QRect area = InWindow(w, b);
        int navy = 0, moved = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                if (before.pixelColor(x, y) == Navy) {
                    ++navy;
                    moved += after.pixelColor(x, y) == Maroon;
                }
                if (before.pixelColor(x, y) == shadow) {
                    EXPECT_EQ(after.pixelColor(x, y), shadow) << x << "," << y;
                }
            }
        EXPECT_GT(navy, 50);
        EXPECT_EQ(moved, navy);
        EXPECT_EQ(Count(after, area, Navy), 0);
    }
}

TEST_F(MainWindowLook, FocusedOrDefaultButtonHasABoldCaptionTheTitleNeverChanges)
{
    TfmMain w;
    ShowActive(w);
    auto ink = [&](ToxButton *b) { return Count(ScreenShot(w), InWindow(w, b), Navy); };
    ASSERT_EQ(QApplication::focusWidget(), w.btRun);
    const int runBold = ink(w.btRun), configurePlain = ink(w.btConfigure), aboutPlain = ink(w.btAbout);
    w.btConfigure->setFocus();
    QApplication::processEvents();
    const int runPlain = ink(w.btRun), configureBold = ink(w.btConfigure);
    EXPECT_GT(runBold, runPlain + runPlain / 5);
    EXPECT_GT(configureBold, configurePlain + configurePlain / 5);
    w.btAbout->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(ink(w.btAbout), aboutPlain);
    EXPECT_TRUE(w.btAbout->font().bold());
}

TEST_F(MainWindowLook, PointerAtRestOnAButtonShowsAPaleYellowBalloonPointingAtIt)
{
    TfmMain w;
    ShowActive(w);
    const QPoint at(60, 40);
    QTest::mouseMove(w.btExit, at);
    QTest::mouseMove(w.btExit, at + QPoint(1, 0));
    QTRY_VERIFY_WITH_TIMEOUT(ProgramHintWindow() && ProgramHintWindow()->isVisible(), 10000);
    auto *balloon = qobject_cast<TBalloonHintWindow *>(ProgramHintWindow());
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->Hint(), "Click to Exit");
    EXPECT_EQ(balloon->FillColor(), QColor(0xFF, 0xFF, 0xCA));
    const QPoint pointer = w.btExit->mapToGlobal(at + QPoint(1, 0));
    EXPECT_EQ(balloon->CurrentPosition(), bpAboveRight);
    EXPECT_EQ(balloon->pos() + Balloon::Tail(balloon->size(), 8, bpAboveRight).first(), pointer - QPoint(0, 8));
    // Beneath the shadow the window's picture shows through every second pixel.
    const QImage beneath = balloon->Beneath().convertToFormat(QImage::Format_RGB32);
    const QImage face = balloon->Face().convertToFormat(QImage::Format_RGB32);
    const QRect body = Balloon::Body(balloon->size(), 8, bpAboveRight);
    const int x = body.right() + 5, y = body.center().y();
    const int even = (x + y) % 2 == 0 ? x : x + 1;
    EXPECT_EQ(face.pixelColor(even, y), QColor(Qt::black));
    EXPECT_EQ(face.pixelColor(even + 1, y), beneath.pixelColor(even + 1, y));
    EXPECT_EQ(beneath.pixelColor(even + 1, y), ScreenShot(w, QRect(w.mapFromGlobal(balloon->mapToGlobal(QPoint(even + 1, y))), QSize(1, 1))).pixelColor(0, 0))
        << "what lies beneath is the main window";
    Keep(ScreenShot(w, QRect(w.mapFromGlobal(balloon->pos()), balloon->size())), "balloon.png");
    // Leaving the button ends it.
    QTest::mouseMove(&w, QPoint(5, 280));
    QTRY_VERIFY_WITH_TIMEOUT(!balloon->isVisible(), 5000);
}

TEST_F(MainWindowLook, WithHintsOffRestingOnAButtonShowsNothing)
{
    Settings.Hints = false;
    SaveSettings();
    TfmMain w;
    ShowActive(w);
    EXPECT_FALSE(Application()->ShowHint());
    QTest::mouseMove(w.btRun, QPoint(50, 50));
    QHelpEvent rest(QEvent::ToolTip, QPoint(50, 50), w.btRun->mapToGlobal(QPoint(50, 50)));
    QApplication::sendEvent(w.btRun, &rest);
    EXPECT_TRUE(ProgramHintWindow() == nullptr || !ProgramHintWindow()->isVisible());
    EXPECT_FALSE(QToolTip::isVisible());
}

} // namespace
