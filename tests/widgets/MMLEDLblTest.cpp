// The LED label as pixels and sizes: the cells of the recording page's time
// display, bars, blanks, the disabled look, the frame, sizes from CalcSize,
// the pitch, scrolling, and the font bitmaps themselves. Expected dot patterns
// are written out here by hand, cell by cell.
#include "resources/Resources.h"
#include "support/TestSupport.h"
#include "widgets/MMLEDLbl.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

#include <array>

namespace {

constexpr QRgb kBack = 0x000000, kLit = 0x00FF00, kUnlit = 0x008000;
constexpr QRgb kShadow = 0x404040, kLight = 0xF0F0F0, kFrame = 0x101010, kRed = 0xFF0000;

using TGlyph = std::array<const char *, 7>;
const TGlyph kBlank = {".....", ".....", ".....", ".....", ".....", ".....", "....."};
const TGlyph kZero = {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."};
const TGlyph kPoint = {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."};
const TGlyph kComma = {".....", ".....", ".....", ".....", ".##..", "..#..", ".#..."};
const TGlyph kOne = {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."};
const TGlyph kTwo = {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"};
const TGlyph kThree = {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."};
const TGlyph kFour = {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."};
const TGlyph kEight = {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."};

QRgb Px(const QImage &img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

QImage Render(QWidget &w, qreal ratio = 1)
{
    QImage img(w.size() * ratio, QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    img.fill(Qt::magenta);
    w.render(&img);
    return img;
}

// Reads the 5 x 7 dots of the cell at (X, Y) in the 16 x 20 font: '#' for a lit
// 2 x 2 square, '.' for an unlit dot (top-left and bottom-right in Unlit, the
// other two in the background), '?' for anything else.
TGlyph *ReadLarge(const QImage &img, int X, int Y, QRgb Unlit = kUnlit)
{
    static std::array<std::string, 7> rows;
    static TGlyph out;
    for (int r = 0; r < 7; ++r) {
        rows[size_t(r)].clear();
        for (int c = 0; c < 5; ++c) {
            const int x = X + 1 + 3 * c, y = Y + 3 * r;
            const QRgb a = Px(img, x, y), b = Px(img, x + 1, y), d = Px(img, x, y + 1), e = Px(img, x + 1, y + 1);
            if (a == kLit && b == kLit && d == kLit && e == kLit)
                rows[size_t(r)] += '#';
            else if (a == Unlit && e == Unlit && b == kBack && d == kBack)
                rows[size_t(r)] += '.';
            else
                rows[size_t(r)] += '?';
        }
        out[size_t(r)] = rows[size_t(r)].c_str();
    }
    return &out;
}

std::string Str(const TGlyph &g)
{
    std::string s;
    for (const char *row : g)
        s += std::string(row) + "/";
    return s;
}

// The recording page's display: 86 pixels wide, whole cells only.
void MakeDialogLed(TMMLEDLABEL &led)
{
    led.SetAutoSize(false);
    led.SetBounds(8, 8, 86, 30);
}

class LEDLabel : public ::testing::Test {
protected:
    void SetUp() override
    {
        FSaved = QApplication::palette();
        QPalette pal = FSaved;
        pal.setColor(QPalette::Dark, QColor::fromRgb(kShadow));
        pal.setColor(QPalette::Light, QColor::fromRgb(kLight));
        pal.setColor(QPalette::Shadow, QColor::fromRgb(kFrame));
        QApplication::setPalette(pal);
    }
    void TearDown() override { QApplication::setPalette(FSaved); }

private:
    QPalette FSaved;
};

} // namespace

TEST_F(LEDLabel, DialogDisplayHasFiveCellsIn86By26)
{
    QWidget parent; // outlives its child
    TMMLEDLABEL led;
    MakeDialogLed(led);
    EXPECT_EQ(led.NumChars(), 5);
    EXPECT_EQ(led.geometry(), QRect(8, 8, 86, 26));
    EXPECT_EQ(led.Bevel()->BevelWidth(), 3);

    // Widths between whole cells snap down: 103 holds 6 cells (102 pixels),
    // 101 only 5 (86 pixels).
    led.SetBounds(0, 0, 103, 10);
    EXPECT_EQ(led.NumChars(), 6);
    EXPECT_EQ(led.size(), QSize(102, 26));
    led.setParent(&parent);
    parent.show();
    led.resize(101, 40); // a plain resize of a shown label goes the same way
    EXPECT_EQ(led.NumChars(), 5);
    EXPECT_EQ(led.size(), QSize(86, 26));
    // NumChars follows the width; setting it only recomputes.
    led.SetNumChars(9);
    EXPECT_EQ(led.NumChars(), 5);
}

TEST_F(LEDLabel, TimeShowsBlankZeroPointZeroBlank)
{
    TMMLEDLABEL led;
    MakeDialogLed(led);
    led.SetCaption(QStringLiteral(" 0.0"));
    const QImage img = Render(led);
    const TGlyph expected[5] = {kBlank, kZero, kPoint, kZero, kBlank};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Str(*ReadLarge(img, 3 + 16 * i, 3)), Str(expected[i])) << "cell " << i;
    // Between the cells and around them only the background.
    EXPECT_EQ(Px(img, 3, 3), kBack);       // column 0 of a cell holds no dot
    EXPECT_EQ(Px(img, 3 + 16, 22), kBack); // row 19 neither
}

TEST_F(LEDLabel, LongTextShowsItsFirstFiveCharacters)
{
    TMMLEDLABEL led;
    MakeDialogLed(led);
    led.SetCaption(QStringLiteral("1,234.5"));
    EXPECT_EQ(led.VisibleText(), QStringLiteral("1,234"));
    const QImage img = Render(led);
    const TGlyph expected[5] = {kOne, kComma, kTwo, kThree, kFour};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Str(*ReadLarge(img, 3 + 16 * i, 3)), Str(expected[i])) << "cell " << i;
}

TEST_F(LEDLabel, AlignmentPicksAndPadsTheVisiblePart)
{
    TMMLEDLABEL led;
    MakeDialogLed(led);
    led.SetCaption(QStringLiteral("1,234.5"));
    led.SetAlignment(TMMLEDLABEL::taRightJustify);
    EXPECT_EQ(led.VisibleText(), QStringLiteral("234.5"));
    led.SetAlignment(TMMLEDLABEL::taCenter);
    EXPECT_EQ(led.VisibleText(), QStringLiteral(",234."));
    led.SetCaption(QStringLiteral("12"));
    EXPECT_EQ(led.VisibleText(), QStringLiteral(" 12  "));
    led.SetAlignment(TMMLEDLABEL::taRightJustify);
    EXPECT_EQ(led.VisibleText(), QStringLiteral("   12"));
    led.SetAlignment(TMMLEDLABEL::taLeftJustify);
    EXPECT_EQ(led.VisibleText(), QStringLiteral("12   "));
    const QImage img = Render(led);
    EXPECT_EQ(Str(*ReadLarge(img, 3, 3)), Str(kOne));
    EXPECT_EQ(Str(*ReadLarge(img, 3 + 16 * 4, 3)), Str(kBlank));
}

TEST_F(LEDLabel, LettersAToGRiseAsBarsAndTheRestIsBlank)
{
    TMMLEDLABEL led; // AutoSize: one cell per character
    led.SetCaption(QStringLiteral("abcdefgh~") + QChar(0xE9));
    ASSERT_EQ(led.NumChars(), 10);
    const QImage img = Render(led);
    for (int i = 0; i < 7; ++i) {
        TGlyph bar;
        for (int r = 0; r < 7; ++r)
            bar[size_t(r)] = r >= 6 - i ? "#####" : ".....";
        EXPECT_EQ(Str(*ReadLarge(img, 3 + 16 * i, 3)), Str(bar)) << "letter " << char('a' + i);
    }
    for (int i = 7; i < 10; ++i)
        EXPECT_EQ(Str(*ReadLarge(img, 3 + 16 * i, 3)), Str(kBlank)) << "cell " << i;
}

TEST_F(LEDLabel, DisabledShowsOnlyUnlitDots)
{
    TMMLEDLABEL led;
    MakeDialogLed(led);
    led.SetCaption(QStringLiteral("88888"));
    led.setEnabled(false);
    const QImage img = Render(led);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Str(*ReadLarge(img, 3 + 16 * i, 3)), Str(kBlank)) << "cell " << i;
    led.setEnabled(true);
    EXPECT_EQ(Str(*ReadLarge(Render(led), 3, 3)), Str(kEight));
}

TEST_F(LEDLabel, WithoutDrawInactiveUnlitDotsVanish)
{
    TMMLEDLABEL led;
    MakeDialogLed(led);
    led.SetCaption(QStringLiteral(" 0"));
    led.SetDrawInactive(false);
    const QImage img = Render(led);
    // Every dot of the blank cell and the unlit dots of the zero are background.
    EXPECT_EQ(Str(*ReadLarge(img, 3, 3, kBack)), Str(kBlank));
    EXPECT_EQ(Str(*ReadLarge(img, 3 + 16, 3, kBack)), Str(kZero));
    int unlit = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            unlit += Px(img, x, y) == kUnlit;
    EXPECT_EQ(unlit, 0);
}

TEST_F(LEDLabel, ColoursChangeTheDotsAndAreAppliedOncePerChange)
{
    TMMLEDLABEL led;
    MakeDialogLed(led);
    led.SetCaption(QStringLiteral("8"));
    const int before = led.Recolors();
    led.SetLEDColor(clRed);
    led.SetLEDColor(clRed);
    EXPECT_EQ(led.Recolors(), before + 1);
    led.SetCaption(QStringLiteral("0"));
    QImage img = Render(led);
    img = Render(led);
    EXPECT_EQ(led.Recolors(), before + 1); // painting copies, never recolours
    // Dot (1, 0) of the zero is lit, dot (0, 0) unlit.
    EXPECT_EQ(Px(img, 3 + 1 + 3, 3), kRed);
    EXPECT_EQ(Px(img, 3 + 1, 3), kUnlit);
    led.SetInactiveColor(clBlue);
    led.SetColor(clNavy);
    img = Render(led);
    EXPECT_EQ(Px(img, 3 + 1, 3), 0x0000FFu);
    EXPECT_EQ(Px(img, 3 + 2, 3), 0x000080u); // beside the unlit dot: the background
    EXPECT_EQ(Px(img, 2, 12), 0x000000u);    // the border space stays black
    EXPECT_EQ(led.Recolors(), before + 3);
}

TEST_F(LEDLabel, SmallFontWithLEDSpaceThreeHasAPitchOfThirteen)
{
    TMMLEDLABEL led;
    led.SetFontSize(fs11x13);
    led.SetLEDSpace(3);
    led.SetLEDSpace(0); // ignored
    EXPECT_EQ(led.LEDSpace(), 3);
    led.SetCaption(QStringLiteral("88"));
    EXPECT_EQ(led.CharWidth(), 11);
    EXPECT_EQ(led.size(), QSize(6 + 13 * 2 - 3 + 1, 13 + 6));
    const QImage img = Render(led);
    // Cell 1 starts at 3 + 13; its dots are single pixels at x + 1 + 2c, y + 2r.
    for (int cell = 0; cell < 2; ++cell)
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 5; ++c) {
                const bool lit = kEight[size_t(r)][c] == '#';
                EXPECT_EQ(Px(img, 3 + 13 * cell + 1 + 2 * c, 3 + 2 * r), lit ? kLit : kUnlit)
                    << "cell " << cell << " dot " << c << "," << r;
            }
    EXPECT_EQ(Px(img, 3 + 11, 3), kBack); // the two spare columns between cells
    EXPECT_EQ(Px(img, 3 + 12, 3), kBack);
}

TEST_F(LEDLabel, AutoSizeWidensByWholeCells)
{
    QWidget parent; // outlives its child
    TMMLEDLABEL led;
    led.SetCaption(QStringLiteral("12.3"));
    const int four = led.width();
    EXPECT_EQ(four, 6 + 16 * 4 - 1 + 1);
    led.SetCaption(QStringLiteral("1234.5"));
    EXPECT_EQ(led.width() - four, 2 * 16);
    EXPECT_EQ(led.NumChars(), 6);
    led.setParent(&parent);
    parent.show();
    led.resize(300, 300); // AutoSize keeps the caption's cells
    EXPECT_EQ(led.size(), QSize(6 + 16 * 6, 26));
}

TEST_F(LEDLabel, FrameIsDrawnRingByRingFromTheOutside)
{
    TMMLEDLABEL led;
    MakeDialogLed(led);
    QImage img = Render(led);
    // Lowered outer bevel: shadow on top and left, light on the bottom and right,
    // which also take the top-right and bottom-left corners.
    EXPECT_EQ(Px(img, 0, 10), kShadow);
    EXPECT_EQ(Px(img, 10, 0), kShadow);
    EXPECT_EQ(Px(img, 0, 0), kShadow);
    EXPECT_EQ(Px(img, 85, 10), kLight);
    EXPECT_EQ(Px(img, 10, 25), kLight);
    EXPECT_EQ(Px(img, 85, 0), kLight);
    EXPECT_EQ(Px(img, 0, 25), kLight);
    EXPECT_EQ(Px(img, 1, 10), kBack); // two pixels of border space
    EXPECT_EQ(Px(img, 2, 10), kBack);

    // With AutoSize the cells stay five however the frame grows.
    led.SetCaption(QStringLiteral("     "));
    led.SetAutoSize(true);
    TMMBevel *b = led.Bevel();
    b->SetBorderStyle(TMMBevel::bsSingle);
    b->SetBorderWidth(1);
    b->SetBorderColor(clRed);
    b->SetBevelInner(TMMBevel::bvRaised);
    b->SetBorderSpaceColor(clYellow);
    EXPECT_EQ(b->BevelWidth(), 1 + 1 + 1 + 1 + 2);
    EXPECT_EQ(led.size(), QSize(12 + 16 * 5, 20 + 12)); // re-laid out at once
    img = Render(led);
    const QRgb left[] = {kFrame, kShadow, kRed, kLight, 0xFFFF00, 0xFFFF00};
    const QRgb right[] = {kFrame, kLight, kRed, kShadow, 0xFFFF00, 0xFFFF00};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(Px(img, k, 15), left[k]) << "left ring " << k;
        EXPECT_EQ(Px(img, img.width() - 1 - k, 15), right[k]) << "right ring " << k;
    }
    EXPECT_EQ(Str(*ReadLarge(img, 6, 6)), Str(kBlank)); // the cells moved in by 3
}

TEST_F(LEDLabel, DigitsStayCrispOnAScaledDesktop)
{
    TMMLEDLABEL led;
    MakeDialogLed(led);
    led.SetCaption(QStringLiteral(" 0.0"));
    const QImage img = Render(led, 2.0);
    ASSERT_EQ(img.size(), QSize(172, 52));
    // Every pixel has one of the label's own colours: nothing was blended.
    QSet<QRgb> colours;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            colours.insert(Px(img, x, y));
    EXPECT_EQ(colours, (QSet<QRgb>{kBack, kLit, kUnlit, kShadow, kLight}));
    // The lit dot (1, 0) of the zero in cell 1 is a 4 x 4 square.
    const int x = 2 * (3 + 16 + 1 + 3), y = 2 * 3;
    for (int dy = 0; dy < 4; ++dy)
        for (int dx = 0; dx < 4; ++dx)
            EXPECT_EQ(Px(img, x + dx, y + dy), kLit);
    EXPECT_EQ(Px(img, x + 4, y), kBack);
}

TEST_F(LEDLabel, StepsOutsideTheCaptionAreIgnored)
{
    TMMLEDLABEL led;
    led.SetAutoSize(false);
    led.SetBounds(0, 0, 86, 26);
    led.SetCaption(QStringLiteral("HELLO"));
    led.SetCurrentStep(6);
    EXPECT_EQ(led.CurrentStep(), 0);
    led.SetCurrentStep(-1);
    EXPECT_EQ(led.CurrentStep(), 0);
    led.SetCurrentStep(2);
    EXPECT_EQ(led.VisibleText(), QStringLiteral("LLO  "));
    led.SetStartStep(1);
    EXPECT_EQ(led.CurrentStep(), 1);
    led.SetStartStep(9);
    EXPECT_EQ(led.StartStep(), 1);
}

TEST_F(LEDLabel, AutoScrollStepsThroughTheTextAndWraps)
{
    TMMLEDLABEL led;
    led.SetAutoSize(false);
    led.SetBounds(0, 0, 86, 26);
    led.SetCaption(QStringLiteral("ABC"));
    led.SetAlignment(TMMLEDLABEL::taRightJustify);
    led.SetScrollSpeed(1);
    QString events;
    QObject::connect(&led, &TMMLEDLABEL::OnBegin, [&] { events += 'B'; });
    QObject::connect(&led, &TMMLEDLABEL::OnStep, [&] { events += QString::number(led.CurrentStep()); });
    QObject::connect(&led, &TMMLEDLABEL::OnEnd, [&] { events += 'E'; });
    led.SetAutoScroll(true);
    EXPECT_TRUE(led.Scrolling());
    EXPECT_EQ(led.Alignment(), TMMLEDLABEL::taLeftJustify); // scrolling goes left
    EXPECT_TRUE(QTest::qWaitFor([&] { return events.count('E') >= 2; }, 10000));
    led.SetAutoScroll(false);
    EXPECT_FALSE(led.Scrolling());
    EXPECT_TRUE(events.startsWith(QStringLiteral("B12E12E"))) << events.toStdString();
    EXPECT_EQ(led.CurrentStep(), 0);
}

TEST_F(LEDLabel, MouseEventsAndAnAnnouncedName)
{
    QWidget parent;
    TMMLEDLABEL *led = new TMMLEDLABEL(&parent);
    led->SetCaption(QStringLiteral("12.3"));
    parent.show();
    int clicks = 0, doubles = 0, downs = 0;
    QObject::connect(led, &TMMLEDLABEL::OnClick, [&] { ++clicks; });
    QObject::connect(led, &TMMLEDLABEL::OnDblClick, [&] { ++doubles; });
    QObject::connect(led, &TMMLEDLABEL::OnMouseDown,
                     [&](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
                         downs += b == Qt::LeftButton && x == 10 && y == 5;
                     });
    QTest::mouseClick(led, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs, 1);
    QTest::mouseClick(led, Qt::RightButton, {}, QPoint(10, 5));
    EXPECT_EQ(clicks, 1); // only the left button clicks
    QTest::mouseDClick(led, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(doubles, 1);
    EXPECT_FALSE(led->accessibleName().isEmpty());
    EXPECT_EQ(led->accessibleDescription(), QStringLiteral("12.3"));
}

TEST(LEDFonts, BitmapsHoldSeventyTwoThreeColourCells)
{
    InitResources();
    struct {
        const char *Name;
        int W, H, CellW;
        bool Large;
    } fonts[] = {{":/FONT_11X13", 792, 13, 11, false}, {":/FONT_16X20", 1152, 20, 16, true}};
    for (const auto &f : fonts) {
        const QImage img = QImage(QString::fromLatin1(f.Name)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(img.size(), QSize(f.W, f.H)) << f.Name;
        QSet<QRgb> colours;
        int wrong = 0;
        for (int y = 0; y < f.H; ++y)
            for (int x = 0; x < f.W; ++x) {
                const QRgb c = Px(img, x, y);
                colours.insert(c);
                const int cx = x % f.CellW;
                bool dot; // a pixel that belongs to a dot of the 5 x 7 grid
                if (f.Large)
                    dot = cx >= 1 && cx <= 14 && (cx - 1) % 3 != 2 && y <= 19 && y % 3 != 2;
                else
                    dot = cx >= 1 && cx <= 9 && (cx - 1) % 2 == 0 && y % 2 == 0;
                if (!dot && c != 0x000000)
                    ++wrong;
            }
        EXPECT_EQ(wrong, 0) << f.Name;
        EXPECT_EQ(colours, (QSet<QRgb>{0x000000, 0xC0C0C0, 0xFFFFFF})) << f.Name;
    }
}
