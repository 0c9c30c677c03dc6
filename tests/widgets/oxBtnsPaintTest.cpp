// The button face as pixels: frames, caption effects, backgrounds, pictures,
// the clear mode over a parent's picture, and the face cache.
#include "oxBtnsTestSupport.h"

#include <QTest>

using namespace oxtest;

namespace {

struct FrameCase {
    ToxButtonStyle Style;
    bool Down;   // shown down through a set Value
    bool D;      // default look: active with fsDefault
    std::vector<QRgb> Left, Right; // rings from the edge inwards, at mid height
};

void PrintTo(const FrameCase &c, std::ostream *os)
{
    *os << "style " << int(c.Style) << (c.Down ? " down" : " up") << (c.D ? " default" : "");
}

class ToxButtonFrames : public PaletteFixture, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(ToxButtonFrames, EdgesCarryTheStyleColours)
{
    const FrameCase &c = GetParam();
    ToxButton b;
    b.resize(40, 20);
    b.SetStyle(c.Style);
    b.SetFocusStyle(c.D ? ToxFocusStyles(fsDefault) : ToxFocusStyles());
    b.SetDefault(c.D); // a lone Default button with no focus anywhere is active
    if (c.Down) {
        b.SetButtonType(oxbToggle);
        b.SetValue(true);
        b.Background()->SetDitherDown(false);
    }
    const QImage img = Grab(b);
    for (size_t k = 0; k < c.Left.size(); ++k)
        EXPECT_EQ(Px(img, int(k), 10), c.Left[k]) << "left ring " << k;
    for (size_t k = 0; k < c.Right.size(); ++k)
        EXPECT_EQ(Px(img, 39 - int(k), 10), c.Right[k]) << "right ring " << k;
}

INSTANTIATE_TEST_SUITE_P(
    AllStyles, ToxButtonFrames,
    ::testing::Values(
        FrameCase{bsWin95, false, false, {kHigh, kFace}, {kBlack, kShadow}},
        FrameCase{bsAuto, false, false, {kHigh, kFace}, {kBlack, kShadow}},
        FrameCase{bsWin95, false, true, {kBlack, kHigh, kFace}, {kBlack, kBlack, kShadow}},
        FrameCase{bsWin95, true, false, {kBlack, kShadow}, {kHigh, kFace}},
        FrameCase{bsWin95, true, true, {kBlack, kShadow}, {kBlack, kShadow}},
        FrameCase{bsWin31, false, false, {kBlack, kHigh, kHigh}, {kBlack, kShadow, kShadow}},
        FrameCase{bsWin31, false, true, {kBlack, kBlack, kHigh}, {kBlack, kBlack, kShadow}},
        FrameCase{bsWin31, true, false, {kBlack, kShadow, kFace}, {kBlack, kFace}},
        FrameCase{bsInset, false, false, {kShadow, kBlack, kHigh}, {kHigh, kBlack, kShadow}},
        FrameCase{bsInset, false, true, {kShadow, kBlack, kHigh}, {kHigh, kBlack, kBlack}},
        FrameCase{bsInset, true, false, {kShadow, kBlack, kShadow}, {kHigh, kBlack, kFace}},
        FrameCase{bsStandard, false, false, {kShadow, kHigh}, {kBlack, kShadow}},
        FrameCase{bsStandard, false, true, {kShadow, kHigh}, {kBlack, kBlack}},
        FrameCase{bsStandard, true, false, {kShadow, kBlack}, {kHigh, kShadow}},
        FrameCase{bsSpeed, false, false, {kHigh, kFace}, {kBlack, kShadow}},
        FrameCase{bsSpeed, true, false, {kBlack, kShadow}, {kHigh, kFace}},
        FrameCase{bsWin97, false, false, {kFace}, {kFace}},
        FrameCase{bsWin97, false, true, {kBlack, kHigh}, {kBlack, kShadow}},
        FrameCase{bsWin97, true, false, {kShadow}, {kHigh}},
        FrameCase{bsWin97, true, true, {kBlack, kShadow}, {kBlack, kShadow}},
        FrameCase{bsBorderless, false, true, {kFace}, {kFace}},
        FrameCase{bsShaped, true, false, {kFace}, {kFace}}));

class ToxButtonFace : public PaletteFixture {};

TEST_F(ToxButtonFace, Win31PressedShowsTwoShadowLinesAndIgnoresValueForDown)
{
    TTiledParent parent;
    parent.resize(100, 60);
    auto *b = new ToxButton(&parent);
    b->setGeometry(10, 10, 40, 20);
    b->SetStyle(bsWin31);
    b->SetFocusStyle({});
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 10));
    const QImage img = Grab(*b);
    EXPECT_EQ(Px(img, 0, 10), kBlack);
    EXPECT_EQ(Px(img, 1, 10), kShadow);
    EXPECT_EQ(Px(img, 2, 10), kShadow);
    EXPECT_EQ(Px(img, 10, 2), kShadow);
    EXPECT_EQ(Px(img, 38, 10), kFace); // no bevel on the right when pressed
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(20, 10));
}

TEST_F(ToxButtonFace, Win97MainButtonFrameAndShadowFollowThePress)
{
    TTiledParent parent;
    parent.resize(260, 140);
    ToxButton *b = MainButton(&parent, QStringLiteral("Run"), QRect(20, 20, 200, 100));
    int clicks = 0;
    QObject::connect(b, &ToxButton::OnClick, [&] { ++clicks; });
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    b->setFocus(); // as on the main window, where one button always has the focus
    const QRect area(20, 20, 200, 100);

    // Flat: nothing of the button's own colour, no frame, shadow 2 below right.
    QImage up = Grab(parent);
    EXPECT_EQ(CountOf(up, kFace, area), 0);
    EXPECT_EQ(CountOf(up, kHigh, area), 0);
    const QRect text = BoxOf(up, kNavy, area);
    const QRect shadow = BoxOf(up, kShadow, area);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_EQ(shadow.right(), text.right() + 2);
    EXPECT_EQ(shadow.bottom(), text.bottom() + 2);

    // Hot: the raised one-pixel bevel.
    QTest::mouseMove(b, QPoint(100, 50));
    EXPECT_TRUE(b->IsHot());
    QImage hot = Grab(parent);
    EXPECT_EQ(Px(hot, 20, 70), kHigh);
    EXPECT_EQ(Px(hot, 219, 70), kShadow);

    // Pressed: sunken bevel; caption stays, shadow moves to 4.
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(100, 50));
    QImage down = Grab(parent);
    EXPECT_EQ(Px(down, 20, 70), kShadow);
    EXPECT_EQ(Px(down, 219, 70), kHigh);
    EXPECT_EQ(BoxOf(down, kNavy, area), text);
    const QRect shadowDown = BoxOf(down, kShadow, area.adjusted(1, 1, -1, -1));
    EXPECT_EQ(shadowDown.right(), text.right() + 4);
    EXPECT_EQ(shadowDown.bottom(), text.bottom() + 4);

    // Dragged off: raised bevel stays while pressed, the shadow is back at 2.
    QTest::mouseMove(b, QPoint(230, 50));
    QImage off = Grab(parent);
    EXPECT_EQ(Px(off, 20, 70), kHigh);
    const QRect shadowOff = BoxOf(off, kShadow, area.adjusted(1, 1, -1, -1));
    EXPECT_EQ(shadowOff.right(), text.right() + 2);
    EXPECT_EQ(BoxOf(off, kNavy, area), text);

    // Released off the button: no click, and the frame goes flat again.
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(230, 50));
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(b->IsPressed());
}

TEST_F(ToxButtonFace, ClearButtonLeavesTheParentPictureBetweenItsLetters)
{
    TTiledParent parent;
    parent.resize(260, 140);
    ToxButton *b = MainButton(&parent, QStringLiteral("Exit"), QRect(20, 20, 200, 100));
    b->hide();
    const QImage bare = Grab(parent);
    b->show();
    const QImage with = Grab(parent);

    int caption = 0, other = 0, between = 0;
    const QRect capRect = b->CaptionRect().translated(b->pos());
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x) {
            const QRgb p = Px(with, x, y);
            if (p == Px(bare, x, y)) {
                between += capRect.contains(x, y);
                continue;
            }
            if (p == kNavy || p == kShadow)
                ++caption;
            else
                ++other;
        }
    EXPECT_GT(caption, 50);
    EXPECT_EQ(other, 0) << "only caption and shadow pixels may differ from the parent's picture";
    EXPECT_GT(between, capRect.width() * capRect.height() / 3)
        << "the parent's picture shows between the letters";
}

TEST_F(ToxButtonFace, DisabledCaptionIsGrayWithHighlightCopyWhateverTheEffect)
{
    for (ToxFont3D effect : {fsNone, fsNormal, fsShadow, fsRidged}) {
        ToxButton b;
        b.resize(120, 40);
        b.SetStyle(bsBorderless);
        b.SetFont3D(effect);
        b.setFont(CrispFont(20));
        b.SetFontColor(clNavy);
        b.SetCaption(QStringLiteral("Stop"));
        b.setEnabled(false);
        const QImage img = Grab(b);
        const QRect gray = BoxOf(img, 0x808080);
        const QRect white = BoxOf(img, kHigh);
        ASSERT_FALSE(gray.isEmpty()) << effect;
        EXPECT_EQ(CountOf(img, kNavy), 0) << effect;
        EXPECT_EQ(white.right(), gray.right() + 1) << effect;
        EXPECT_EQ(white.bottom(), gray.bottom() + 1) << effect;
    }
}

TEST_F(ToxButtonFace, CaptionEffectsLayerTheirCopies)
{
    struct Case { ToxFont3D Effect; QRgb Colour; int Dx; };
    for (const Case &c : {Case{fsRaised, kHigh, -1}, Case{fsInset, kHigh, 1},
                          Case{fsShadow, kShadow, 2}}) {
        ToxButton b;
        b.resize(120, 40);
        b.SetStyle(bsBorderless);
        b.SetFont3D(c.Effect);
        b.setFont(CrispFont(20));
        b.SetFontColor(clNavy);
        b.SetCaption(QStringLiteral("Play"));
        const QImage img = Grab(b);
        const QRect text = BoxOf(img, kNavy), copy = BoxOf(img, c.Colour);
        ASSERT_FALSE(copy.isEmpty()) << c.Effect;
        if (c.Dx > 0)
            EXPECT_EQ(copy.right(), text.right() + c.Dx) << c.Effect;
        else
            EXPECT_EQ(copy.left(), text.left() + c.Dx) << c.Effect;
    }
    ToxButton none;
    none.resize(120, 40);
    none.SetStyle(bsBorderless);
    none.SetFont3D(fsNone);
    none.SetFontColor(clNavy);
    none.SetCaption(QStringLiteral("Play"));
    EXPECT_EQ(CountOf(Grab(none), kNavy), 0);
}

TEST_F(ToxButtonFace, CaptionPlacementFollowsTextXAndTextY)
{
    ToxButton b;
    b.resize(200, 60);
    b.setFont(CrispFont(16));
    b.SetCaption(QStringLiteral("Word"));
    const QRect defaults = b.CaptionRect(); // -5, -5: 5 from the right and bottom
    EXPECT_EQ(defaults.right(), 199 - 5);
    EXPECT_EQ(defaults.bottom(), 59 - 5);
    b.SetTextX(10);
    b.SetTextY(0);
    EXPECT_EQ(b.CaptionRect().left(), 10);
    EXPECT_LE(qAbs(b.CaptionRect().center().y() - 30), 1);

    // Multi-line: "||" breaks the caption into lines, Lines sees them too.
    b.SetMultiLine(true);
    b.SetCaption(QStringLiteral("one||two||three"));
    EXPECT_EQ(b.Lines(), (QStringList{"one", "two", "three"}));
    EXPECT_GT(b.CaptionRect().height(), 3 * QFontMetrics(b.font()).height() - 1);
    b.SetLine(1, QStringLiteral("TWO"));
    EXPECT_EQ(b.Caption(), QStringLiteral("one||TWO||three"));
    b.SetCaption(QString());
    EXPECT_TRUE(b.CaptionRect().isEmpty());
}

TEST_F(ToxButtonFace, DownToggleButtonShowsTheCheckerboardUnlessHot)
{
    ToxButton b;
    b.resize(40, 20);
    b.SetStyle(bsStandard);
    b.SetButtonType(oxbToggle);
    b.SetValue(true);
    const QImage img = Grab(b);
    for (int y = 6; y < 10; ++y)
        for (int x = 6; x < 10; ++x)
            EXPECT_EQ(Px(img, x, y), (x & 1) == (y & 1) ? kFace : kHigh) << x << "," << y;

    b.Background()->SetDitherDown(false);
    EXPECT_EQ(CountOf(Grab(b), kHigh, QRect(4, 4, 30, 12)), 0);
}

TEST_F(ToxButtonFace, GradientHas128BandsFromGradientToButtonColour)
{
    ToxButton b;
    b.resize(256, 20);
    b.SetStyle(bsBorderless);
    b.SetColor(clBlack);
    b.Background()->SetStyle(oxbGradient);
    b.Background()->SetGradient(clWhite);
    const QImage img = Grab(b);
    EXPECT_EQ(Px(img, 0, 5), 0xFFFFFFu);
    EXPECT_EQ(Px(img, 2, 5), 0xFEFEFEu);   // band 1: 255 - trunc(255/128)
    EXPECT_EQ(Px(img, 255, 5), 0x020202u); // band 127: 255 - trunc(255/128*127)
}

TEST_F(ToxButtonFace, PictureBackgroundsClipStretchAndRepeat)
{
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    ToxPicture pic;
    pic.SetBitmap(red);
    for (ToxBackgroundStyle style : {oxbPictureClip, oxbPictureStretch, oxbPicturePattern}) {
        ToxButton b;
        b.resize(20, 20);
        b.SetStyle(bsBorderless);
        b.Background()->SetStyle(style);
        b.Background()->SetPicture(pic);
        const QImage img = Grab(b);
        const int reds = CountOf(img, 0xFF0000);
        if (style == oxbPictureClip) {
            EXPECT_EQ(reds, 16);
            EXPECT_EQ(Px(img, 9, 9), 0xFF0000u); // centred
            EXPECT_EQ(Px(img, 0, 0), kFace);
        } else {
            EXPECT_EQ(reds, 400) << style;
        }
    }
}

// An 8 by 8 bitmap: magenta (its bottom-left pixel, so transparent) around a
// red 4 by 4 square.
QImage RedSquare()
{
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 255));
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x)
            img.setPixel(x, y, qRgb(255, 0, 0));
    return img;
}

TEST_F(ToxButtonFace, BitmapDrawsWithoutItsTransparentColourAndWithItsShadow)
{
    TTiledParent parent;
    parent.resize(80, 60);
    auto *b = new ToxButton(&parent);
    b->setGeometry(10, 10, 40, 30);
    b->SetStyle(bsStandard);
    b->PictureUp()->SetBitmap(RedSquare());
    b->SetPictureX(5);
    b->SetPictureY(5);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));

    QImage img = Grab(*b);
    EXPECT_EQ(CountOf(img, 0xFF00FF), 0);
    EXPECT_EQ(BoxOf(img, 0xFF0000), QRect(7, 7, 4, 4));
    EXPECT_EQ(BoxOf(img, kShadow, QRect(5, 5, 20, 15)), QRect(9, 9, 4, 4))
        << "shadow 2 below right, partly under the picture";
    EXPECT_EQ(Px(img, 12, 12), kShadow);

    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 15));
    img = Grab(*b);
    EXPECT_EQ(BoxOf(img, 0xFF0000), QRect(7, 7, 4, 4)) << "the picture stays when it has a shadow";
    EXPECT_EQ(Px(img, 14, 14), kShadow) << "shadow 4 below right while pressed";
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(20, 15));

    // Shadow colour equal to the button colour: no shadow, the picture moves instead.
    b->SetShadowColor(clBtnFace);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 15));
    img = Grab(*b);
    EXPECT_EQ(BoxOf(img, 0xFF0000), QRect(9, 9, 4, 4));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(20, 15));
}

TEST_F(ToxButtonFace, PictureDownAndDisabledFallBackToPictureUp)
{
    ToxButton b;
    b.resize(40, 30);
    b.SetStyle(bsBorderless);
    b.SetButtonType(oxbToggle);
    b.SetGroupAllowNoSel(true);
    b.Background()->SetDitherDown(false);
    b.SetPictureX(5);
    b.SetPictureY(5);
    b.PictureUp()->SetBitmap(RedSquare());
    QImage thin(8, 1, QImage::Format_RGB32);
    thin.fill(Qt::blue);
    b.PictureDown()->SetBitmap(thin); // too small: PictureUp is used
    b.SetValue(true);
    EXPECT_GT(CountOf(Grab(b), 0xFF0000), 0);

    QImage green = RedSquare();
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x)
            green.setPixel(x, y, qRgb(0, 255, 0));
    b.PictureDown()->SetBitmap(green);
    QImage img = Grab(b);
    EXPECT_EQ(CountOf(img, 0xFF0000), 0);
    EXPECT_EQ(CountOf(img, 0x00FF00), 16);

    // Disabled without a PictureDisabled: the etched silhouette, no colours.
    b.SetValue(false);
    b.setEnabled(false);
    img = Grab(b);
    EXPECT_EQ(CountOf(img, 0xFF0000), 0);
    EXPECT_GT(CountOf(img, kHigh), 0);
    b.PictureDisabled()->SetBitmap(green);
    EXPECT_EQ(CountOf(Grab(b), 0x00FF00), 16);
}

TEST_F(ToxButtonFace, IconIsDrawnThroughItsMaskAndSmallIconsShrinkIt)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.fillRect(8, 8, 16, 16, Qt::red);
    }
    ToxButton b;
    b.resize(60, 40);
    b.SetStyle(bsBorderless);
    b.SetPictureX(0);
    b.SetPictureY(0);
    b.SetShadowColor(clBtnFace);
    b.PictureUp()->SetIcon(QIcon(pm));
    EXPECT_EQ(b.PictureRect().size(), QSize(32, 32));
    EXPECT_EQ(CountOf(Grab(b), 0xFF0000), 256);
    b.SetOptions(ToxButtonOptions(oxbCacheImages) | oxbSmallIcons);
    EXPECT_EQ(b.PictureRect().size(), QSize(16, 16));
    EXPECT_EQ(CountOf(Grab(b), 0xFF0000), 64);
}

TEST_F(ToxButtonFace, FocusedButtonIsBoldAndBtAboutKeepsItsWeight)
{
    QWidget window;
    window.resize(300, 200);
    ToxButton *run = MainButton(&window, QStringLiteral("Run"), QRect(0, 0, 150, 60));
    ToxButton *exit = MainButton(&window, QStringLiteral("Exit"), QRect(0, 70, 150, 60));
    ToxButton *about = MainButton(&window, QStringLiteral("About"), QRect(0, 140, 150, 50));
    about->SetStyle(bsBorderless);
    about->SetFocusStyle({});
    about->setFont(CrispFont(32, true));
    run->SetDefault(true);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    auto navy = [](ToxButton *b) { return CountOf(Grab(*b), kNavy); };
    run->setFocus();
    const int runBold = navy(run), exitPlain = navy(exit), aboutBefore = navy(about);
    exit->setFocus();
    EXPECT_LT(navy(run), runBold) << "the first button turns plain";
    EXPECT_GT(navy(exit), exitPlain) << "the focused one turns bold";
    about->setFocus();
    EXPECT_EQ(navy(about), aboutBefore);

    // With the stored font bold, an unfocused fsBoldFont button is still plain.
    exit->setFont(CrispFont(32, true));
    EXPECT_EQ(navy(exit), exitPlain);
}

TEST_F(ToxButtonFace, OwnFontStaysWhenTheContainerFontChanges)
{
    // A dialog form in Arial; its buttons carry their own small font.
    QWidget form;
    form.resize(300, 100);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(14);
    form.setFont(arial);
    auto *own = new ToxButton(&form), *plain = new ToxButton(&form);
    own->setGeometry(5, 5, 120, 30);
    plain->setGeometry(5, 40, 120, 30);
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(11); // family and size set; weight and style left open
    own->setFont(small);
    for (ToxButton *b : {own, plain}) {
        b->SetStyle(bsStandard);
        b->SetFocusStyle({});
        b->SetCaption(QStringLiteral("Save"));
    }
    EXPECT_FALSE(own->ParentFont());
    const QImage ownBefore = Grab(*own), plainBefore = Grab(*plain);
    const QFont appFont = QApplication::font(plain);
    EXPECT_EQ(plain->font().pixelSize(), appFont.pixelSize());
    EXPECT_EQ(plain->font().pointSize(), appFont.pointSize());

    QFont big(QStringLiteral("Arial"));
    big.setPixelSize(24);
    big.setBold(true);
    big.setItalic(true);
    form.setFont(big);
    EXPECT_EQ(own->font().pixelSize(), 11);
    EXPECT_FALSE(own->font().bold());
    EXPECT_FALSE(own->font().italic());
    EXPECT_EQ(Grab(*own), ownBefore);
    EXPECT_FALSE(plain->font().bold());
    EXPECT_EQ(Grab(*plain), plainBefore) << "a button never given a font keeps the default";

    // A font set while the form is bold takes what it leaves open from the
    // default font, not from the form.
    QFont eleven(QStringLiteral("Arial"));
    eleven.setPixelSize(11);
    own->setFont(eleven);
    EXPECT_FALSE(own->font().bold());
    EXPECT_FALSE(own->font().italic());
    EXPECT_EQ(Grab(*own), ownBefore);

    // ParentFont follows the form from then on; setting a font turns it off.
    own->SetParentFont(true);
    EXPECT_EQ(own->font().pixelSize(), 24);
    EXPECT_TRUE(own->font().bold());
    EXPECT_NE(Grab(*own), ownBefore);
    form.setFont(arial);
    EXPECT_EQ(own->font().pixelSize(), 14);
    EXPECT_FALSE(own->font().bold());
    own->setFont(eleven);
    EXPECT_FALSE(own->ParentFont());
    form.setFont(big);
    EXPECT_EQ(Grab(*own), ownBefore);

    // A font set through a QWidget pointer takes what it leaves open from the
    // form as it is then, and keeps it from then on.
    static_cast<QWidget *>(own)->setFont(eleven);
    EXPECT_TRUE(own->font().bold());
    form.setFont(arial);
    EXPECT_TRUE(own->font().bold());
    EXPECT_EQ(own->font().pixelSize(), 11);
}

TEST_F(ToxButtonFace, ParentColourIsFollowedAndRepaintsTheCachedFace)
{
    QWidget form;
    form.resize(200, 100);
    form.setProperty("Color", clRed);
    auto *b = new ToxButton(&form);
    b->setGeometry(5, 5, 40, 20);
    b->SetStyle(bsStandard);
    EXPECT_TRUE(b->ParentColor());
    EXPECT_EQ(Px(Grab(*b), 20, 10), 0xFF0000u);
    EXPECT_EQ(Px(Grab(*b), 20, 10), 0xFF0000u); // now from the cache

    form.setProperty("Color", clLime);
    EXPECT_EQ(Px(Grab(*b), 20, 10), 0x00FF00u);

    // Without the property, the container's own background colour counts.
    form.setProperty("Color", QVariant());
    EXPECT_EQ(Px(Grab(*b), 20, 10), kFace);
    QPalette pal = form.palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(0x2040C0));
    form.setPalette(pal);
    EXPECT_EQ(Px(Grab(*b), 20, 10), 0x2040C0u);

    // A colour of its own ends the following, until ParentColor is set again.
    b->SetColor(clYellow);
    EXPECT_FALSE(b->ParentColor());
    form.setProperty("Color", clLime);
    EXPECT_EQ(Px(Grab(*b), 20, 10), 0xFFFF00u);
    b->SetParentColor(true);
    EXPECT_EQ(Px(Grab(*b), 20, 10), 0x00FF00u);

    // Moved to another container, it takes that one's colour.
    QWidget other;
    other.setProperty("Color", clBlue);
    b->setParent(&other);
    EXPECT_EQ(Px(Grab(*b), 20, 10), 0x0000FFu);
    form.setProperty("Color", clRed);
    EXPECT_EQ(Px(Grab(*b), 20, 10), 0x0000FFu) << "the old container no longer counts";
    other.setProperty("Color", clFuchsia);
    EXPECT_EQ(Px(Grab(*b), 20, 10), 0xFF00FFu);
}

TEST_F(ToxButtonFace, CachedFaceIsPaintedOncePerStateAndRedrawnAfterAChange)
{
    ToxButton b;
    b.resize(75, 25);
    b.SetStyle(bsStandard);
    b.SetFont3D(fsInset);
    b.SetCaption(QStringLiteral("&Ok"));
    const QImage first = Grab(b);
    const int paints = b.FacePaints();
    EXPECT_EQ(Grab(b), first);
    EXPECT_EQ(b.FacePaints(), paints) << "the second paint copies the cached face";

    b.SetCaption(QStringLiteral("&Cancel"));
    EXPECT_NE(Grab(b), first);
    EXPECT_EQ(b.FacePaints(), paints + 1);

    // Replacing the picture inside PictureUp shows the new one.
    b.PictureUp()->SetBitmap(RedSquare());
    b.SetPictureX(1);
    EXPECT_GT(CountOf(Grab(b), 0xFF0000), 0);
    QImage blue = RedSquare();
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x)
            blue.setPixel(x, y, qRgb(0, 0, 255));
    b.PictureUp()->SetBitmap(blue);
    const QImage swapped = Grab(b);
    EXPECT_EQ(CountOf(swapped, 0xFF0000), 0);
    EXPECT_EQ(CountOf(swapped, 0x0000FF), 16);

    // A clear button never uses the cache.
    b.Background()->SetStyle(oxbClear);
    const int before = b.FacePaints();
    Grab(b);
    Grab(b);
    EXPECT_EQ(b.FacePaints(), before + 2);
}

} // namespace
