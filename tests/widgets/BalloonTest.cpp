// Balloon hints: size and placement on a given screen, the painted balloon
// over what lies beneath, the window's cut, what makes it go away, and the
// program-wide switch between balloons and Qt's plain tool tip.
#include "app/Application.h"
#include "platform/WindowSystem.h"
#include "widgets/Balloon.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

const QRect Screen800(0, 0, 800, 600);
const QColor PaleYellow(0xFF, 0xFF, 0xCA);   // 13303807 = 0xCAFFFF, red in the low byte

// A window of one plain colour, to stand beneath the balloons.
class TSolid : public QWidget {
public:
    explicit TSolid(QColor color) : FColor(color)
    {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    int Paints = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        ++Paints;
        QPainter(this).fillRect(rect(), FColor);
    }

private:
    QColor FColor;
};

class BalloonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hint = new TBalloonHint;
        hint->SetActive(false);   // each test switches the program's hints itself
        // The main window's settings.
        hint->SetBorderColor(clBlack);
        hint->SetColor(13303807);
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setPixelSize(11);
        hint->SetFont(f);
        hint->SetMaxWidth(-4);
        hint->SetBehavior(TBalloonBehaviors(bbNoShowMouseDown) | bbUseRegions | bbHideOnPaint);
        hint->SetPosition(bpAboveRight);
        hint->SetShadowDepth(8);
        hint->SetShape(bsRoundRect);
        hint->SetStyle(hsCustom);
    }
    void TearDown() override
    {
        SetDesktopCompositesProbe({});
        delete hint;
        SetApplicationShowHint(true);
        QToolTip::hideText();
    }
    // The mouse buttons the program has seen go up again.
    static void ReleaseAll(QWidget *w)
    {
        QTest::mouseRelease(w, Qt::LeftButton);
    }
    static QHelpEvent ToolTipEvent(QWidget *w)
    {
        const QPoint local = w->rect().center();
        return QHelpEvent(QEvent::ToolTip, local, w->mapToGlobal(local));
    }
    static bool PlainToolTipShown()
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->inherits("QTipLabel") && top->isVisible())
                return true;
        return false;
    }
    TBalloonHint *hint = nullptr;
};

TEST_F(BalloonTest, AboveRightNearTheTopShowsBelowRightAndNearTheRightEdgeFlipsLeft)
{
    TBalloonWindow w;
    w.ActivateHintOn(QPoint(100, 10), "Click to run", Screen800);
    EXPECT_EQ(w.CurrentPosition(), bpBelowRight);
    EXPECT_EQ(w.geometry().topLeft(), QPoint(101, 11));

    w.ActivateHintOn(QPoint(790, 300), "Click to run", Screen800);
    EXPECT_EQ(w.CurrentPosition(), bpAboveLeft);
    EXPECT_EQ(w.geometry().right() + 1, 790);
    EXPECT_EQ(w.geometry().bottom() + 1, 300);

    // Top right corner: below and to the left.
    w.ActivateHintOn(QPoint(795, 5), "Click to run", Screen800);
    EXPECT_EQ(w.CurrentPosition(), bpBelowLeft);
    EXPECT_EQ(w.geometry().topLeft(), QPoint(795 - w.width(), 5));

    // Room enough: the preferred side, tail tip 8 pixels above the pointer.
    w.ActivateHintOn(QPoint(300, 300), "Click to run", Screen800);
    EXPECT_EQ(w.CurrentPosition(), bpAboveRight);
    EXPECT_EQ(w.geometry().topLeft(), QPoint(300, 300 - w.height()));
    EXPECT_EQ(Balloon::Tail(w.size(), 8, bpAboveRight).first() + w.pos(), QPoint(300, 292));

    // A second screen to the right of the first: its own edges count.
    w.ActivateHintOn(QPoint(1590, 10), "Click to run", QRect(800, 0, 800, 600));
    EXPECT_EQ(w.CurrentPosition(), bpBelowLeft);
}

TEST_F(BalloonTest, ABalloonThatExactlyTouchesAnEdgeOfTheScreenStaysOnItsSide)
{
    TBalloonWindow w;
    const QString text = "Click to run";
    const QSize size = w.CalcHintSize(text, QPoint(400, 300), Screen800);
    const int width = size.width(), height = size.height();
    // Below and right: the window starts one pixel past the pointer.
    hint->SetPosition(bpBelowRight);
    w.ActivateHintOn(QPoint(300, 599 - height), text, Screen800);
    EXPECT_EQ(w.CurrentPosition(), bpBelowRight);
    EXPECT_EQ(w.geometry().bottom(), 599);
    w.ActivateHintOn(QPoint(300, 600 - height), text, Screen800);
    EXPECT_EQ(w.CurrentPosition(), bpAboveRight) << "one pixel past the bottom";
    w.ActivateHintOn(QPoint(799 - width, 300), text, Screen800);
    EXPECT_EQ(w.CurrentPosition(), bpBelowRight);
    EXPECT_EQ(w.geometry().right(), 799);
    w.ActivateHintOn(QPoint(800 - width, 300), text, Screen800);
    EXPECT_EQ(w.CurrentPosition(), bpBelowLeft) << "one pixel past the right edge";
    // Above and left: the window ends at the pointer.
    hint->SetPosition(bpAboveLeft);
    w.ActivateHintOn(QPoint(width, height), text, Screen800);
    EXPECT_EQ(w.CurrentPosition(), bpAboveLeft);
    EXPECT_EQ(w.geometry().topLeft(), QPoint(0, 0));
    w.ActivateHintOn(QPoint(width, height - 1), text, Screen800);
    EXPECT_EQ(w.CurrentPosition(), bpBelowLeft) << "one pixel past the top";
    w.ActivateHintOn(QPoint(width - 1, height), text, Screen800);
    EXPECT_EQ(w.CurrentPosition(), bpAboveRight) << "one pixel past the left edge";
}

TEST_F(BalloonTest, OneWordHintGetsAWindow59WideAndTheHeightFollowsTheText)
{
    TBalloonWindow w;
    const QSize size = w.CalcHintSize("Hi", QPoint(300, 300), Screen800);
    EXPECT_EQ(size.width(), 59);
    // One line of text, the shadow and 38 pixels of body and tail.
    const QFontMetrics fm(hint->Font());
    EXPECT_GE(size.height() - 8 - 38, fm.height());
    EXPECT_LE(size.height() - 8 - 38, fm.lineSpacing() + 1);
    EXPECT_EQ(Balloon::WindowSize(QSize(10, 13), 0), QSize(59, 51));
    EXPECT_EQ(Balloon::WindowSize(QSize(100, 13), 8), QSize(141, 59));
}

TEST_F(BalloonTest, MaxWidthMinusFourOnAn800PixelScreenLimitsTheBalloonTo200)
{
    EXPECT_EQ(hint->EffectiveMaxWidth(800), 200);
    EXPECT_EQ(Balloon::TextWidthLimit(*hint, 400, Screen800), 159);   // 200 - 8 - 33
    const QString longHint = QString("word ").repeated(60).trimmed();
    TBalloonWindow w;
    const QSize size = w.CalcHintSize(longHint, QPoint(400, 300), Screen800);
    EXPECT_LE(size.width(), 200);
    EXPECT_GT(size.width(), 150);   // wrapped, not one word a line
    EXPECT_GT(size.height(), 5 * QFontMetrics(hint->Font()).height());

    // Less room on both sides of the pointer than the maximum: the room counts.
    hint->SetMaxWidth(700);
    EXPECT_EQ(Balloon::TextWidthLimit(*hint, 400, Screen800), 359);   // 400 - 41
    EXPECT_EQ(Balloon::TextWidthLimit(*hint, 100, Screen800), 659);   // 700 - 41
    hint->SetMaxWidth(0);
    EXPECT_EQ(Balloon::TextWidthLimit(*hint, 100, Screen800), -41);
    EXPECT_EQ(w.CalcHintSize("Hi", QPoint(300, 300), Screen800).width(), 59);
    hint->SetMaxWidth(-2);
    EXPECT_EQ(hint->EffectiveMaxWidth(1024), 512);

    // At or above the screen's width it is kept as the screen's width.
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    hint->SetMaxWidth(screenWidth + 500);
    EXPECT_EQ(hint->MaxWidth(), screenWidth);
}

TEST_F(BalloonTest, BodyAndTailGeometryForEachPosition)
{
    const QSize w(100, 80);
    EXPECT_EQ(Balloon::Body(w, 8, bpAboveLeft), QRect(0, 0, 77, 53));
    EXPECT_EQ(Balloon::Body(w, 8, bpAboveRight), QRect(15, 0, 77, 53));
    EXPECT_EQ(Balloon::Body(w, 8, bpBelowLeft), QRect(0, 19, 77, 53));
    EXPECT_EQ(Balloon::Body(w, 8, bpBelowRight), QRect(15, 19, 77, 53));
    EXPECT_EQ(Balloon::Tail(w, 8, bpAboveLeft), QPolygon({{92, 72}, {71, 52}, {51, 52}}));
    EXPECT_EQ(Balloon::Tail(w, 8, bpAboveRight), QPolygon({{0, 72}, {21, 52}, {41, 52}}));
    EXPECT_EQ(Balloon::Tail(w, 8, bpBelowLeft), QPolygon({{92, 0}, {71, 19}, {51, 19}}));
    EXPECT_EQ(Balloon::Tail(w, 8, bpBelowRight), QPolygon({{0, 0}, {21, 19}, {41, 19}}));
    EXPECT_EQ(Balloon::TextRect(w, 8, bpBelowRight), QRect(24, 28, 59, 35));

    const QRegion round = Balloon::Outline(w, 8, bpAboveRight, bsRoundRect);
    const QRegion square = Balloon::Outline(w, 8, bpAboveRight, bsRectangle);
    EXPECT_TRUE(square.contains(QPoint(15, 0)));    // the body's corner
    EXPECT_FALSE(round.contains(QPoint(15, 0)));    // rounded off
    EXPECT_TRUE(round.contains(QPoint(50, 30)));
    EXPECT_TRUE(round.contains(QPoint(6, 68)));     // inside the tail near its tip
    EXPECT_FALSE(round.contains(QPoint(3, 55)));    // beside the tail
    EXPECT_FALSE(round.contains(QPoint(95, 75)));   // the shadow's corner is not outline
}

TEST_F(BalloonTest, PaintedBalloonStandsOnWhatLiesBeneathWithAShadedShadow)
{
    TSolid green(Qt::green);
    green.setGeometry(50, 50, 400, 300);
    green.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&green));

    TBalloonWindow w;
    w.ActivateHintOn(QPoint(150, 250), "Click to run", Screen800);
    ASSERT_EQ(w.CurrentPosition(), bpAboveRight);
    EXPECT_EQ(w.FillColor(), PaleYellow);
    EXPECT_EQ(w.BorderColor(), QColor(Qt::black));
    const QImage face = w.Face().convertToFormat(QImage::Format_RGB32);
    const QRect body = Balloon::Body(w.size(), 8, bpAboveRight);
    // Outside the balloon and its shadow: the window beneath.
    EXPECT_EQ(face.pixelColor(1, 1), QColor(Qt::green));
    EXPECT_EQ(face.pixelColor(body.left() + 4, body.center().y()), PaleYellow) << "fill";
    EXPECT_EQ(face.pixelColor(body.left() + 30, body.top()), QColor(Qt::black)) << "frame";
    // Right of the body, inside its shadow: every second pixel blackened.
    const int x = body.right() + 4, y = body.center().y();
    const QColor a = face.pixelColor(x, y), b = face.pixelColor(x + 1, y);
    EXPECT_EQ((x + y) % 2 == 0 ? a : b, QColor(Qt::black));
    EXPECT_EQ((x + y) % 2 == 0 ? b : a, QColor(Qt::green));
    // The text is there, in the font's colour (black here).
    int dark = 0;
    const QRect text = Balloon::TextRect(w.size(), 8, bpAboveRight);
    for (int yy = text.top(); yy <= text.bottom(); ++yy)
        for (int xx = text.left(); xx <= text.right(); ++xx)
            dark += face.pixelColor(xx, yy).value() < 100;
    EXPECT_GT(dark, 20);
    // The window shows exactly the painted picture.
    EXPECT_EQ(w.grab().toImage().convertToFormat(QImage::Format_RGB32), face);

    // Solid: the whole shadow is black.
    hint->SetShadowStyle(ssSolid);
    w.ActivateHintOn(QPoint(150, 250), "Click to run", Screen800);
    const QImage solid = w.Face().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(solid.pixelColor(x, y), QColor(Qt::black));
    EXPECT_EQ(solid.pixelColor(x + 1, y), QColor(Qt::black));
    // No shadow at all.
    hint->SetShadowDepth(0);
    w.ActivateHintOn(QPoint(150, 250), "Click to run", Screen800);
    const QRect flat = Balloon::Body(w.size(), 0, bpAboveRight);
    EXPECT_EQ(w.Face().pixelColor(flat.right() - 12, flat.bottom() + 3), QColor(Qt::green));
    EXPECT_EQ(w.Face().pixelColor(flat.right() - 12, flat.bottom()), QColor(Qt::black));
}

TEST_F(BalloonTest, WhereACompositorRunsTheBalloonIsPaintedOnNothingAndItsGapsStayTransparent)
{
    TSolid green(Qt::green);
    green.setGeometry(50, 50, 400, 300);
    green.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&green));
    SetDesktopCompositesProbe([] { return true; });

    TBalloonWindow w;
    w.ActivateHintOn(QPoint(150, 250), "Click to run", Screen800);
    ASSERT_EQ(w.CurrentPosition(), bpAboveRight);
    EXPECT_TRUE(w.testAttribute(Qt::WA_TranslucentBackground));
    // A hint of the window under the pointer, so a compositor that places
    // windows itself puts it beside that window.
    EXPECT_EQ(w.windowHandle()->transientParent(), green.windowHandle());
    // Not the active window when that is elsewhere.
    TSolid elsewhere(Qt::blue);
    elsewhere.setGeometry(500, 400, 100, 100);
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    w.ActivateHintOn(QPoint(150, 250), "Click to run", Screen800);
    EXPECT_EQ(w.windowHandle()->transientParent(), green.windowHandle());
    // Of two windows under the pointer, the active one.
    TSolid red(Qt::red);
    red.setGeometry(100, 200, 200, 100);
    red.show();
    QApplication::setActiveWindow(&red);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&red));
    w.ActivateHintOn(QPoint(150, 250), "Click to run", Screen800);
    EXPECT_EQ(w.windowHandle()->transientParent(), red.windowHandle());
    const QImage face = w.Face();
    const QRect body = Balloon::Body(w.size(), 8, bpAboveRight);
    EXPECT_EQ(face.pixelColor(1, 1), QColor(Qt::transparent)) << "corner";
    EXPECT_EQ(face.pixelColor(body.left() + 4, body.center().y()), PaleYellow) << "fill";
    EXPECT_EQ(face.pixelColor(body.left() + 30, body.top()), QColor(Qt::black)) << "frame";
    // The shadow right of the body: black where x + y is even, a gap elsewhere.
    const int x = body.right() + 4, y = body.center().y();
    const QColor a = face.pixelColor(x, y), b = face.pixelColor(x + 1, y);
    EXPECT_EQ((x + y) % 2 == 0 ? a : b, QColor(Qt::black));
    EXPECT_EQ((x + y) % 2 == 0 ? b : a, QColor(Qt::transparent));
    // Nothing of the window beneath went into the picture.
    for (int yy = 0; yy < face.height(); ++yy)
        for (int xx = 0; xx < face.width(); ++xx)
            ASSERT_NE(face.pixelColor(xx, yy), QColor(Qt::green)) << xx << ", " << yy;
    // The window shows exactly the painted picture, gaps included, and is
    // still cut to the balloon.
    EXPECT_EQ(w.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              face.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_FALSE(w.mask().contains(QPoint(w.width() - 1, 0)));

    // The compositor gone: the balloon stands on a picture of the screen again.
    SetDesktopCompositesProbe([] { return false; });
    w.ActivateHintOn(QPoint(150, 250), "Click to run", Screen800);
    EXPECT_FALSE(w.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(w.Face().pixelColor(1, 1), QColor(Qt::green));
    EXPECT_TRUE(w.isVisible());
}

TEST_F(BalloonTest, ABalloonMovedOverItsOldPlaceDoesNotShowItselfBeneath)
{
    TSolid green(Qt::green);
    green.setGeometry(50, 50, 400, 300);
    green.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&green));
    TBalloonWindow w;
    w.ActivateHintOn(QPoint(150, 250), "Click to run", Screen800);
    QApplication::processEvents();
    w.ActivateHintOn(QPoint(165, 262), "Click to run", Screen800);
    const QImage beneath = w.Beneath().convertToFormat(QImage::Format_RGB32);
    int green_ = 0;
    for (int y = 0; y < beneath.height(); ++y)
        for (int x = 0; x < beneath.width(); ++x)
            green_ += beneath.pixelColor(x, y) == QColor(Qt::green);
    EXPECT_EQ(green_, beneath.width() * beneath.height());
}

TEST_F(BalloonTest, ThreeStylesTakeTheirColoursFromTheirOwnPlaces)
{
    TBalloonWindow w;
    hint->SetStyle(hsDefault);
    w.ActivateHintOn(QPoint(300, 300), "Hint", Screen800);
    EXPECT_EQ(w.FillColor(), ToQColor(clInfoBk));
    EXPECT_EQ(w.BorderColor(), ToQColor(clWindowFrame));
    hint->SetStyle(hsSystem);
    w.ActivateHintOn(QPoint(300, 300), "Hint", Screen800);
    EXPECT_EQ(w.FillColor(), QToolTip::palette().color(QPalette::ToolTipBase));
    hint->SetStyle(hsCustom);
    hint->SetColor(clAqua);
    hint->SetBorderColor(clRed);
    w.ActivateHintOn(QPoint(300, 300), "Hint", Screen800);
    EXPECT_EQ(w.FillColor(), QColor(0, 255, 255));
    EXPECT_EQ(w.BorderColor(), QColor(255, 0, 0));
}

TEST_F(BalloonTest, WindowIsCutToTheOutlineAndItsShadowOnlyWithUseRegions)
{
    TBalloonWindow w;
    w.ActivateHintOn(QPoint(300, 300), "Click to run", Screen800);
    const QRect body = Balloon::Body(w.size(), 8, bpAboveRight);
    const QRegion mask = w.mask();
    EXPECT_TRUE(mask.contains(body.center()));
    EXPECT_TRUE(mask.contains(QPoint(body.right() + 8, body.center().y())));   // shadow
    EXPECT_FALSE(mask.contains(QPoint(1, 1)));
    EXPECT_FALSE(mask.contains(QPoint(w.width() - 1, 0)));

    hint->SetBehavior(bbNoShowMouseDown);
    w.ActivateHintOn(QPoint(300, 300), "Click to run", Screen800);
    EXPECT_TRUE(w.mask().isEmpty());
}

TEST_F(BalloonTest, WithoutTheCutTheSecondMouseMoveOrAPressOrAPaintBeneathHidesIt)
{
    hint->SetBehavior(TBalloonBehaviors(bbHideOnPaint));
    TSolid under(Qt::green), elsewhere(Qt::blue);
    under.setGeometry(100, 100, 300, 200);
    elsewhere.setGeometry(500, 400, 100, 100);
    under.show();
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&under));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));
    TBalloonWindow w;

    w.ActivateHintOn(QPoint(200, 250), "Hint", Screen800);
    ASSERT_TRUE(w.isVisible());
    QTest::mouseMove(&under, QPoint(100, 150));
    EXPECT_TRUE(w.isVisible()) << "the first move is let through";
    QTest::mouseMove(&under, QPoint(101, 150));
    EXPECT_FALSE(w.isVisible());

    w.ActivateHintOn(QPoint(200, 250), "Hint", Screen800);
    QTest::mousePress(&under, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_FALSE(w.isVisible());
    QTest::mouseRelease(&under, Qt::RightButton, {}, QPoint(10, 10));

    w.ActivateHintOn(QPoint(200, 250), "Hint", Screen800);
    elsewhere.repaint();
    EXPECT_TRUE(w.isVisible()) << "a window away from the balloon";
    under.repaint(QRect(0, 0, 10, 10));
    EXPECT_TRUE(w.isVisible()) << "a part of the window away from the balloon";
    under.repaint();
    EXPECT_FALSE(w.isVisible());

    // Paints beneath count only with bbHideOnPaint.
    hint->SetBehavior({});
    w.ActivateHintOn(QPoint(200, 250), "Hint", Screen800);
    under.repaint();
    EXPECT_TRUE(w.isVisible());

    // With the cut no move hides it by itself.
    hint->SetBehavior(TBalloonBehaviors(bbUseRegions) | bbHideOnPaint);
    w.ActivateHintOn(QPoint(200, 250), "Hint", Screen800);
    QTest::mouseMove(&under, QPoint(100, 150));
    QTest::mouseMove(&under, QPoint(101, 150));
    under.repaint();
    EXPECT_TRUE(w.isVisible());
}

TEST_F(BalloonTest, NeverTakesTheFocus)
{
    QWidget host;
    auto *edit = new QLineEdit(&host);
    host.show();
    QApplication::setActiveWindow(&host);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    edit->setFocus();
    TBalloonWindow w;
    w.ActivateHintOn(QPoint(300, 300), "Hint", Screen800);
    QApplication::processEvents();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(QApplication::activeWindow(), &host);
    EXPECT_EQ(w.focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(w.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(w.windowFlags() & Qt::WindowTransparentForInput);
}

// ---------------------------------------------------------------- the program's hints

TEST_F(BalloonTest, ActiveMakesEveryHintOfTheProgramABalloonAndOffGivesQtsToolTipBack)
{
    QWidget host;
    host.setGeometry(100, 100, 300, 200);
    auto *button = new QPushButton("Run", &host);
    button->setGeometry(10, 10, 100, 40);
    button->setToolTip("Click to run");
    auto *plain = new QWidget(&host);   // no hint of its own: its parent's
    plain->setGeometry(10, 100, 100, 40);
    host.setToolTip("The host");
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));

    hint->SetActive(true);
    QHelpEvent onButton = ToolTipEvent(button);
    QApplication::sendEvent(button, &onButton);
    auto *balloon = qobject_cast<TBalloonHintWindow *>(ProgramHintWindow());
    ASSERT_NE(balloon, nullptr);
    EXPECT_TRUE(balloon->isVisible());
    EXPECT_EQ(balloon->Hint(), "Click to run");
    EXPECT_EQ(balloon->accessibleName(), "Click to run");
    EXPECT_EQ(HintOwner(), button);
    EXPECT_FALSE(PlainToolTipShown());

    QHelpEvent onPlain = ToolTipEvent(plain);
    QApplication::sendEvent(plain, &onPlain);
    EXPECT_EQ(balloon->Hint(), "The host");

    // A key press ends the hint.
    QTest::keyClick(button, Qt::Key_A);
    EXPECT_FALSE(balloon->isVisible());

    // Long hints are cut to 255 characters.
    button->setToolTip(QString(300, 'x'));
    QApplication::sendEvent(button, &onButton);
    EXPECT_EQ(balloon->Hint().size(), 255);

    hint->SetActive(false);
    EXPECT_EQ(ProgramHintWindow(), nullptr);
    button->setToolTip("Click to run");
    QApplication::sendEvent(button, &onButton);
    EXPECT_TRUE(PlainToolTipShown());

    // Destroying the component gives the plain hints back too.
    QToolTip::hideText();
    delete hint;
    hint = new TBalloonHint;
    EXPECT_TRUE(hint->Active());
    EXPECT_TRUE(HasHintWindowClass());
    delete hint;
    hint = nullptr;
    EXPECT_FALSE(HasHintWindowClass());
    hint = new TBalloonHint;
}

TEST_F(BalloonTest, WithHintsOffNothingShows)
{
    QWidget host;
    auto *button = new QPushButton("Run", &host);
    button->setToolTip("Click to run");
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QHelpEvent onButton = ToolTipEvent(button);

    SetApplicationShowHint(false);
    hint->SetActive(true);
    QApplication::sendEvent(button, &onButton);
    ASSERT_NE(ProgramHintWindow(), nullptr);
    EXPECT_FALSE(ProgramHintWindow()->isVisible());
    hint->SetActive(false);
    QApplication::sendEvent(button, &onButton);
    EXPECT_FALSE(PlainToolTipShown());

    SetApplicationShowHint(true);
    hint->SetActive(true);
    QApplication::sendEvent(button, &onButton);
    EXPECT_TRUE(ProgramHintWindow()->isVisible());
}

TEST_F(BalloonTest, AMousePressCancelsAHintAboutToShow)
{
    QWidget host;
    host.setGeometry(100, 100, 300, 200);
    auto *button = new QPushButton("Run", &host);
    button->setGeometry(10, 10, 100, 40);
    button->setToolTip("Click to run");
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    hint->SetActive(true);

    // The hint comes while the button is held: none.
    QTest::mousePress(button, Qt::LeftButton);
    QHelpEvent onButton = ToolTipEvent(button);
    QApplication::sendEvent(button, &onButton);
    EXPECT_FALSE(ProgramHintWindow()->isVisible());
    QTest::mouseRelease(button, Qt::LeftButton);
    QApplication::sendEvent(button, &onButton);
    EXPECT_TRUE(ProgramHintWindow()->isVisible());
    CancelHint();

    // Without bbNoShowMouseDown a held button does not stop it.
    hint->SetBehavior(bbUseRegions);
    QTest::mousePress(button, Qt::LeftButton);
    QApplication::sendEvent(button, &onButton);
    EXPECT_TRUE(ProgramHintWindow()->isVisible());
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_TRUE(ProgramHintWindow()->isVisible());
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_FALSE(ProgramHintWindow()->isVisible()) << "a press while on show ends it";
    QTest::mouseRelease(button, Qt::LeftButton);
}

TEST_F(BalloonTest, PointerComingToRestOnAWidgetShowsItsBalloonAndLeavingItHidesIt)
{
    QWidget host;
    host.setGeometry(100, 100, 300, 200);
    auto *button = new QPushButton("Run", &host);
    button->setGeometry(10, 10, 100, 40);
    button->setToolTip("Click to run");
    host.show();
    QApplication::setActiveWindow(&host);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    hint->SetActive(true);

    QTest::mouseMove(button, QPoint(50, 20));
    QTest::mouseMove(button, QPoint(51, 20));
    QTRY_VERIFY_WITH_TIMEOUT(ProgramHintWindow() && ProgramHintWindow()->isVisible(), 10000);
    EXPECT_EQ(HintOwner(), button);
    QTest::mouseMove(&host, QPoint(250, 150));
    EXPECT_FALSE(ProgramHintWindow()->isVisible());
}

} // namespace
