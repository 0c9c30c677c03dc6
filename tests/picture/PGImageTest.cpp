#include "picture/PGImage.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A 10 by 8 picture whose every pixel differs, saved as a 24-bit BMP so the
// decoded colours are exact.
QColor Source(int x, int y) { return QColor(20 + x * 20, 30 + y * 25, 100 + (x * 7 + y * 13) % 150); }

// Button colours that differ from each other and from the window colour, so
// each system colour shows which palette role it came from.
constexpr QRgb kFace = 0xFFB0C4D0, kHighlight = 0xFFF8F0E0, kShadow = 0xFF605870, kWindow = 0xFFE8E8E8;

class TKnownPalette {
public:
    TKnownPalette() : FSaved(QApplication::palette())
    {
        QPalette pal = FSaved;
        pal.setColor(QPalette::Button, QColor::fromRgb(kFace));
        pal.setColor(QPalette::Light, QColor::fromRgb(kHighlight));
        pal.setColor(QPalette::Dark, QColor::fromRgb(kShadow));
        pal.setColor(QPalette::Window, QColor::fromRgb(kWindow));
        QApplication::setPalette(pal);
    }
    ~TKnownPalette() { QApplication::setPalette(FSaved); }

private:
    QPalette FSaved;
};

class PictureBox : public ::testing::Test {
protected:
    TKnownPalette palette;

    void SetUp() override
    {
        QImage img(10, 8, QImage::Format_RGB888);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x)
                img.setPixelColor(x, y, Source(x, y));
        path = dir.filePath("tile.bmp");
        ASSERT_TRUE(img.save(path, "BMP"));
    }
    QImage Render(TPGImage &box) { return box.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QTemporaryDir dir;
    QString path;
};

// Expected colour at a control pixel for a box at (bx, by) with the given tiling.
QColor Tiled(int x, int y, int bx, int by, bool mirrorCols, bool mirrorRows, bool flipH = false)
{
    const int c = (x - bx) >= 0 ? (x - bx) / 10 : -(((bx - x) + 9) / 10);
    const int r = (y - by) >= 0 ? (y - by) / 8 : -(((by - y) + 7) / 8);
    int px = (x - bx) - c * 10, py = (y - by) - r * 8;
    if (flipH != (mirrorCols && (c & 1)))
        px = 9 - px;
    if (mirrorRows && (r & 1))
        py = 7 - py;
    return Source(px, py);
}

} // namespace

TEST_F(PictureBox, RepeatStartsAtTheBoxAndCutsTheLastTiles)
{
    TPGImage box;
    box.SetAutoScroll(false);
    box.SetTiling(tRepeat);
    box.resize(25, 20);
    box.SetFileName(path);
    EXPECT_EQ(box.BoxRect(), QRect(0, 0, 10, 8));
    const QImage out = Render(box);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 25; ++x)
            ASSERT_EQ(out.pixelColor(x, y), Source(x % 10, y % 8)) << x << "," << y;
}

TEST_F(PictureBox, MirrorTilesAreMirrorImagesAcrossEverySeam)
{
    // Small and large controls: few tiles per variant draw the picture turned
    // over, many use a mirrored copy made for the paint; both must agree.
    for (const QSize size : {QSize(20, 16), QSize(64, 50)}) {
        TPGImage box;
        box.SetAutoScroll(false);
        box.SetTiling(tMirror);
        box.resize(size);
        box.SetFileName(path);
        const QImage out = Render(box);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                ASSERT_EQ(out.pixelColor(x, y), Tiled(x, y, 0, 0, true, true)) << x << "," << y;
    }
}

TEST_F(PictureBox, CentredBoxIsTiledAboveAndLeftWithNegativeIndexes)
{
    TPGImage box;
    box.SetAutoScroll(false);
    box.SetCenter(true);
    box.SetTiling(tMirror);
    box.resize(44, 30);
    box.SetFileName(path);
    ASSERT_EQ(box.BoxRect(), QRect(17, 11, 10, 8));
    const QImage out = Render(box);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 44; ++x)
            ASSERT_EQ(out.pixelColor(x, y), Tiled(x, y, 17, 11, true, true)) << x << "," << y;
    // Tile (-1, 0) is a horizontal mirror image.
    EXPECT_EQ(out.pixelColor(16, 11), Source(0, 0));
    EXPECT_EQ(out.pixelColor(7, 11), Source(9, 0));
}

TEST_F(PictureBox, FlipHorizontalWithMirroredColumnsShowsOddColumnsUnmirrored)
{
    TPGImage box;
    box.SetAutoScroll(false);
    box.SetTiling(tMirrorHorizontal);
    box.SetFlipHorizontal(true);
    box.resize(30, 8);
    box.SetFileName(path);
    const QImage out = Render(box);
    EXPECT_EQ(out.pixelColor(0, 0), Source(9, 0));    // the box itself, mirrored
    EXPECT_EQ(out.pixelColor(10, 0), Source(0, 0));   // odd column, plain
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(out.pixelColor(x, y), Tiled(x, y, 0, 0, true, false, true)) << x << "," << y;
}

TEST_F(PictureBox, LargerPictureIsClippedNotTiled)
{
    TPGImage box;
    box.SetAutoScroll(false);
    box.SetTiling(tRepeat);
    box.resize(6, 5);
    box.SetFileName(path);
    QImage out = Render(box);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(out.pixelColor(x, y), Source(x, y));

    box.resize(7, 20);   // wider only: cut at the right, repeated downwards
    out = Render(box);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(out.pixelColor(x, y), Source(x, y % 8)) << x << "," << y;
}

TEST_F(PictureBox, UntiledMarginsTakeTheControlColour)
{
    TPGImage box;
    box.SetAutoScroll(false);
    box.SetColor(clTeal);
    box.SetCenter(true);
    box.resize(30, 20);
    box.SetFileName(path);
    const QImage out = Render(box);
    EXPECT_EQ(out.pixelColor(0, 0), QColor(0, 0x80, 0x80));
    EXPECT_EQ(out.pixelColor(29, 19), QColor(0, 0x80, 0x80));
    EXPECT_EQ(out.pixelColor(10, 6), Source(0, 0));
}

TEST(PictureBoxSize, EachStretchAgainstSizesWorkedOutByHand)
{
    // Picture 200 x 100 into 100 x 100 available, scroll bars 16.
    auto box = [](TStretch s, int pw, int ph, int aw, int ah, double zoom = 1.0) {
        const TPGBoxSize b = PGComputeBoxSize(s, pw, ph, aw, ah, 16, 16, zoom);
        return std::tuple(b.Width, b.Height, b.Scale);
    };
    EXPECT_EQ(box(sNeverKAR, 200, 100, 100, 100), std::tuple(200, 100, 1.0));
    EXPECT_EQ(box(sAlways, 200, 100, 100, 100), std::tuple(100, 100, -1.0));
    EXPECT_EQ(box(sAlwaysKAR, 200, 100, 100, 100), std::tuple(100, 50, 0.5));
    EXPECT_EQ(box(sAlwaysKAR, 100, 300, 90, 150), std::tuple(50, 150, 0.5));
    EXPECT_EQ(box(sShrink, 200, 100, 100, 100), std::tuple(100, 100, -1.0));
    EXPECT_EQ(box(sShrink, 50, 40, 100, 100), std::tuple(50, 40, 1.0));
    EXPECT_EQ(box(sShrinkKAR, 50, 40, 100, 100), std::tuple(50, 40, 1.0));
    EXPECT_EQ(box(sShrinkKAR, 200, 100, 100, 100), std::tuple(100, 50, 0.5));
    EXPECT_EQ(box(sEnlarge, 50, 40, 100, 100), std::tuple(100, 100, -1.0));
    // Wider than the area: the height loses the horizontal scroll bar.
    EXPECT_EQ(box(sEnlarge, 200, 40, 100, 100), std::tuple(200, 84, -1.0));
    EXPECT_EQ(box(sEnlargeKAR, 50, 25, 100, 100), std::tuple(100, 50, 2.0));
    EXPECT_EQ(box(sEnlargeKAR, 200, 25, 100, 100), std::tuple(200, 25, 1.0));
    // Longer edge: the keep-aspect fit of 200x100 is 100x50, too low, so the
    // height becomes 100 - 16 and the width follows.
    EXPECT_EQ(box(sAlwaysLongerEdgeKAR, 200, 100, 100, 100), std::tuple(168, 84, 0.84));
    EXPECT_EQ(box(sShrinkLongerEdgeKAR, 90, 50, 100, 100), std::tuple(90, 50, 1.0));
    EXPECT_EQ(box(sShrinkLongerEdgeKAR, 200, 100, 100, 100), std::tuple(168, 84, 0.84));
    EXPECT_EQ(box(sEnlargeShrinkLongerEdgeKAR, 50, 25, 100, 100), std::tuple(100, 50, 2.0));
    EXPECT_EQ(box(sEnlargeLongerEdgeKAR, 50, 25, 100, 100), std::tuple(168, 84, 3.36));
    EXPECT_EQ(box(sEnlargeLongerEdgeKAR, 200, 200, 100, 100), std::tuple(200, 200, 1.0));
    // Zoom rounds halves to even; 0 and below act as 1.
    EXPECT_EQ(box(sZoomKAR, 5, 7, 100, 100, 0.5), std::tuple(2, 4, 0.5));
    EXPECT_EQ(box(sZoomKAR, 5, 7, 100, 100, 0.0), std::tuple(5, 7, 1.0));
    EXPECT_EQ(box(sZoomKAR, 5, 7, 100, 100, -3.0), std::tuple(5, 7, 1.0));
    // Nothing to fit: the picture size and scale 1.
    EXPECT_EQ(box(sAlwaysKAR, 0, 0, 100, 100), std::tuple(0, 0, 1.0));
    EXPECT_EQ(box(sAlwaysKAR, 200, 100, 0, 100), std::tuple(200, 100, 1.0));
}

TEST_F(PictureBox, StretchedPreviewFillsTheBoxAndZoomChangesAreReported)
{
    TPGImage box;
    box.SetCenter(true);
    box.SetStretch(sAlways);
    box.SetShowHourGlass(false);
    box.resize(88, 80);
    box.SetFileName(path);
    EXPECT_EQ(box.BoxRect(), QRect(0, 0, 88, 80));
    const QImage out = Render(box);
    EXPECT_EQ(out.pixelColor(0, 0), Source(0, 0));
    EXPECT_EQ(out.pixelColor(87, 79), Source(9, 7));

    int changes = 0;
    box.OnZoomFactorChange = [&] { ++changes; };
    box.SetStretch(sZoomKAR);
    box.SetZoomFactor(2.0);
    EXPECT_EQ(box.EffectiveScale(), 2.0);
    EXPECT_EQ(changes, 2);   // -1 to 1, then 1 to 2
    EXPECT_EQ(box.BoxRect().size(), QSize(20, 16));
}

TEST_F(PictureBox, FailedLoadLeavesTheControlEmptyAndPassesTheErrorOn)
{
    TPGImage box;
    box.SetTiling(tRepeat);
    box.resize(30, 20);
    box.SetFileName(path);
    ASSERT_NE(box.PixelGraphic(), nullptr);
    WriteAll(dir.filePath("bad.jpg"), "not a picture at all");
    EXPECT_THROW(box.SetFileName(dir.filePath("bad.jpg")), Exception);
    EXPECT_EQ(box.PixelGraphic(), nullptr);
    EXPECT_TRUE(box.FileName().isEmpty());
    EXPECT_THROW(box.SetFileName(dir.filePath("missing.jpg")), Exception);
    EXPECT_FALSE(QGuiApplication::overrideCursor());   // the hourglass is gone again
    const QImage out = Render(box);
    EXPECT_EQ(out.pixel(15, 10), kFace);

    // A name without a file part is no error: just nothing to show.
    box.SetFileName(dir.path() + "/");
    EXPECT_EQ(box.PixelGraphic(), nullptr);
    EXPECT_EQ(box.FileName(), dir.path() + "/");
}

TEST_F(PictureBox, ProgressHandlerStopsALongLoadAndLeavesTheBoxEmpty)
{
    // 200 rows, so each format reports progress 200 times when left alone.
    QImage tall(16, 200, QImage::Format_RGB888);
    tall.fill(QColor(200, 40, 40));
    const QString png = dir.filePath("tall.png"), jpg = dir.filePath("tall.jpg");
    ASSERT_TRUE(tall.save(png, "PNG"));
    ASSERT_TRUE(tall.save(jpg, "JPG"));

    for (const QString &file : {png, jpg}) {
        SCOPED_TRACE(file.toStdString());
        TPGImage box;
        box.SetTiling(tRepeat);
        box.resize(30, 20);
        box.SetFileName(path); // something shown before
        ASSERT_NE(box.PixelGraphic(), nullptr);

        int calls = 0, callsAfterStop = 0, starts = 0, ends = 0, maximum = 0;
        bool stopped = false;
        box.OnPixelGraphicProgressStart = [&] { ++starts; };
        box.OnPixelGraphicProgressEnd = [&] { ++ends; };
        box.OnPixelGraphicProgress = [&](int, int max, bool &abort) {
            EXPECT_FALSE(abort) << "the flag starts clear";
            maximum = max;
            callsAfterStop += stopped;
            if (++calls == 10) {
                abort = true;
                stopped = true;
            }
        };
        EXPECT_NO_THROW(box.SetFileName(file));
        EXPECT_EQ(maximum, 200);
        EXPECT_EQ(calls, 10) << "the reader stops at the first abort";
        EXPECT_EQ(callsAfterStop, 0);
        EXPECT_EQ(starts, 1);
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(box.PixelGraphic(), nullptr);
        EXPECT_TRUE(box.FileName().isEmpty());
        EXPECT_EQ(box.BoxRect().size(), QSize(0, 0));
        EXPECT_EQ(Render(box).pixel(15, 10), kFace);
        EXPECT_FALSE(QGuiApplication::overrideCursor());

        // The next load, not stopped, shows the whole picture.
        calls = 0;
        box.OnPixelGraphicProgress = [&](int, int, bool &) { ++calls; };
        box.SetFileName(file);
        EXPECT_EQ(calls, 200);
        ASSERT_NE(box.PixelGraphic(), nullptr);
        EXPECT_EQ(box.PixelGraphic()->Height(), 200);
        EXPECT_EQ(box.FileName(), file);
        const QRgb shown = Render(box).pixel(5, 5);
        EXPECT_LE(qAbs(qRed(shown) - 200) + qAbs(qGreen(shown) - 40) + qAbs(qBlue(shown) - 40), 6);
    }
}

TEST_F(PictureBox, ZeroSizedControlsPaintWithoutTrouble)
{
    TPGImage box;
    box.SetTiling(tMirror);
    box.SetCenter(true);
    box.SetStretch(sAlwaysKAR);
    box.resize(0, 30);
    box.SetFileName(path);
    box.grab();
    box.resize(1, 1000);   // the fit gives a box 1 wide and 0 high
    box.grab();
    box.SetStretch(sZoomKAR);
    box.SetZoomFactor(0.01);   // rounds to 0 by 0
    const QImage out = Render(box);
    EXPECT_EQ(out.size(), QSize(1, 1000));
}

TEST_F(PictureBox, BoxEventsGoToTheActionModeThenToTheHandlers)
{
    TPGImage box;
    box.SetActionMode(amNone);
    box.SetAutoScroll(false);
    box.SetTiling(tRepeat);
    box.resize(40, 30);
    box.SetFileName(path);
    box.show();
    QStringList seen;
    auto log = [&](const char *what) {
        return [&seen, what](QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
            seen << QStringLiteral("%1 %2,%3").arg(what).arg(x).arg(y);
        };
    };
    box.PicBoxOnMouseDown = log("box-down");
    box.PicBoxOnMouseUp = log("box-up");
    box.OnMouseDown = log("down");
    box.OnMouseUp = log("up");
    QTest::mousePress(box.windowHandle(), Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseRelease(box.windowHandle(), Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mousePress(box.windowHandle(), Qt::RightButton, {}, QPoint(25, 20));
    QTest::mouseRelease(box.windowHandle(), Qt::RightButton, {}, QPoint(25, 20));
    EXPECT_EQ(seen, QStringList({"box-down 3,4", "box-up 3,4", "down 25,20", "up 25,20"}));
    EXPECT_FALSE(box.PicBox()->testAttribute(Qt::WA_SetCursor));   // amNone adds nothing of its own
}

TEST_F(PictureBox, MoveImageDragScrollsALargePicture)
{
    TPGImage box;
    box.SetActionMode(amMoveImage);
    box.SetStretch(sZoomKAR);
    box.SetZoomFactor(10.0);   // a 100 x 80 box in a 60 x 50 control
    box.resize(60, 50);
    box.SetFileName(path);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    ASSERT_EQ(box.BoxRect().size(), QSize(100, 80));
    // Dragging left shows more of the right side, up to the end and no further.
    QTest::mousePress(box.PicBox(), Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseMove(box.PicBox(), QPoint(25, 30));
    EXPECT_EQ(box.HorzScrollPos(), 5);
    EXPECT_EQ(box.VertScrollPos(), 0);
    QTest::mouseMove(box.PicBox(), QPoint(-300, -300));
    const QRect client = box.ClientRect();
    EXPECT_EQ(box.HorzScrollPos(), 100 - client.width());
    EXPECT_EQ(box.VertScrollPos(), 80 - client.height());
    EXPECT_EQ(box.BoxRect().topLeft(), client.topLeft() - QPoint(box.HorzScrollPos(), box.VertScrollPos()));
    QTest::mouseRelease(box.PicBox(), Qt::LeftButton, {}, QPoint(-300, -300));
    // After the release the pointer no longer moves the picture.
    QTest::mouseMove(box.PicBox(), QPoint(90, 70));
    EXPECT_EQ(box.HorzScrollPos(), 100 - client.width());
}

TEST(TransparentPanel, DrawsOnlyItsBevelFrame)
{
    TKnownPalette palette;
    QWidget parent;
    parent.resize(30, 30);
    parent.setAutoFillBackground(true);
    QPalette pal;
    pal.setColor(QPalette::Window, Qt::magenta);
    parent.setPalette(pal);
    auto *panel = new TPGPanel(&parent);
    panel->SetBevelWidth(5);
    panel->setGeometry(0, 0, 30, 30);
    EXPECT_EQ(panel->InnerRect(), QRect(5, 5, 20, 20));
    const QImage out = parent.grab().toImage();
    EXPECT_EQ(out.pixelColor(15, 15), QColor(Qt::magenta));
    EXPECT_EQ(out.pixel(0, 0), kHighlight);
    EXPECT_EQ(out.pixel(4, 10), kHighlight);
    EXPECT_EQ(out.pixel(29, 29), kShadow);
    EXPECT_EQ(out.pixel(25, 10), kShadow);
}

TEST_F(PictureBox, AutoSizeFollowsThePictureWithinItsBounds)
{
    TPGImage box;
    QSize wanted;
    box.OnNewAutoSize = [&](int w, int h) { wanted = QSize(w, h); };
    box.SetAutoScroll(false);
    box.SetAutoSize(true);
    box.SetFileName(path);
    EXPECT_EQ(wanted, QSize(10, 8));
    EXPECT_EQ(box.size(), QSize(10, 8));
    box.SetBorderStyle(pgbsSingle);
    box.SetAutoSizeBounds(30, 0, 2147483647, 2147483647);
    EXPECT_EQ(box.size(), QSize(30, 12));   // border 2 on each side, width held at its minimum
}

TEST_F(PictureBox, EmptyBoxShowsItsFrameAndClocks)
{
    TPGImage box;
    box.SetStretch(sAlways);
    box.SetColor(clWhite);
    box.SetPicBoxFrameColor(clRed);
    box.resize(120, 120);
    box.SetFileName(path);
    box.SetFileName(QString());   // nothing to show; the box keeps the size of no picture
    EXPECT_EQ(box.BoxRect().size(), QSize(0, 0));
    EXPECT_EQ(Render(box).pixel(60, 60), qRgb(255, 255, 255));

    // A box with a size but nothing to draw in it shows its frame and clocks.
    TPGImage framed;
    framed.SetPicBoxParentColor(false);
    framed.SetPicBoxColor(clYellow);
    framed.SetPicBoxFrameColor(clRed);
    framed.resize(120, 120);
    framed.show();   // let the pending resize lay the empty box out first
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&framed));
    framed.PicBox()->setGeometry(0, 0, 120, 120);
    const QImage out = Render(framed);
    EXPECT_EQ(out.pixel(0, 50), qRgb(255, 0, 0));          // frame
    EXPECT_EQ(out.pixel(40, 40), qRgb(255, 255, 0));       // box colour
    EXPECT_EQ(out.pixel(59 - 7, 59), kShadow);   // centre clock outline
    EXPECT_EQ(out.pixel(12, 15), kFace);         // a corner clock face, under its hands
}

TEST_F(PictureBox, DraggingCreatesASelectionAndReportsIt)
{
    TPGImage box;
    box.SetActionMode(amMoveResizeCreateSelection);
    box.SetStretch(sZoomKAR);
    box.SetZoomFactor(4.0);   // 40 x 32 on screen, 4 screen pixels a picture pixel
    box.resize(60, 50);
    box.SetFileName(path);
    box.show();
    int made = 0, changes = 0;
    box.OnSelectionMade = [&] { ++made; };
    box.OnSelectionChange = [&] { ++changes; };
    QTest::mousePress(box.PicBox(), Qt::LeftButton, {}, QPoint(4, 8));
    QTest::mouseMove(box.PicBox(), QPoint(21, 29));
    QTest::mouseRelease(box.PicBox(), Qt::LeftButton, {}, QPoint(21, 29));
    EXPECT_TRUE(box.Selection());
    EXPECT_EQ(box.SelectionRect(), QRect(QPoint(1, 2), QPoint(5, 7)));
    EXPECT_EQ(made, 1);
    EXPECT_GE(changes, 1);

    // Dragging inside it moves it, kept within the picture.
    QTest::mousePress(box.PicBox(), Qt::LeftButton, {}, QPoint(12, 16));
    QTest::mouseMove(box.PicBox(), QPoint(100, 16));
    QTest::mouseRelease(box.PicBox(), Qt::LeftButton, {}, QPoint(100, 16));
    EXPECT_EQ(box.SelectionRect(), QRect(QPoint(5, 2), QPoint(9, 7)));
    EXPECT_EQ(made, 2);
}

TEST(TransparentLabel, ShowsTheParentBetweenItsLetters)
{
    QWidget parent;
    parent.resize(80, 30);
    parent.setAutoFillBackground(true);
    QPalette pal;
    pal.setColor(QPalette::Window, Qt::magenta);
    parent.setPalette(pal);
    auto *label = new TPGLabel("Buttons", &parent);
    label->setGeometry(0, 0, 80, 30);
    label->SetFontColor(clNavy);
    label->SetShadow(true);
    const QImage out = parent.grab().toImage();
    int navy = 0, magenta = 0, shadow = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) {
            const QRgb c = out.pixel(x, y);
            // Letters are antialiased: count pixels near each colour.
            navy += qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) > 90 && qBlue(c) < 170;
            magenta += c == qRgb(255, 0, 255);
            shadow += qAbs(qRed(c) - qGreen(c)) < 12 && qAbs(qGreen(c) - qBlue(c)) < 12;
        }
    EXPECT_GT(navy, 10);
    EXPECT_GT(shadow, 10);
    EXPECT_GT(magenta, 80 * 30 / 2);
}
