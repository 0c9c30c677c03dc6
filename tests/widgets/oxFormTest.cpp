// ToxForm: the painted caption bar, its buttons, the border, context help and
// the owner checks, on real frameless dialogs driven through real events.
#include "widgets/oxForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <QWhatsThis>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr QRgb kFace = 0xC0C0C0, kShadow = 0x808080, kHigh = 0xFFFFFF, kFrame = 0x000000;
// Caption colours: navy while active, dark green while inactive, so that the
// last of the 128 gradient bands is 127 in one channel (0 + trunc(128 * 127 / 128)).
constexpr QRgb kActiveCaption = 0x000080, kInactiveCaption = 0x008000;

QRgb Px(const QImage &img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }
QImage Grab(QWidget &w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }
int Luma(QRgb c) { return (qRed(c) * 30 + qGreen(c) * 59 + qBlue(c) * 11) / 100; }

struct Record {
    int Topic = -1;
    bool Popup = false;
    QPoint Pos;
    int Count = 0;
};

class CaptionFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        FSaved = QApplication::palette();
        QPalette pal = FSaved;
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            pal.setColor(g, QPalette::Button, QColor::fromRgb(kFace));
            pal.setColor(g, QPalette::Window, QColor::fromRgb(kFace));
            pal.setColor(g, QPalette::Dark, QColor::fromRgb(kShadow));
            pal.setColor(g, QPalette::Light, QColor::fromRgb(kHigh));
            pal.setColor(g, QPalette::Shadow, QColor::fromRgb(kFrame));
            pal.setColor(g, QPalette::WindowText, QColor::fromRgb(kFrame));
            pal.setColor(g, QPalette::ButtonText, QColor::fromRgb(kFrame));
        }
        pal.setColor(QPalette::Active, QPalette::Highlight, QColor::fromRgb(kActiveCaption));
        pal.setColor(QPalette::Inactive, QPalette::Mid, QColor::fromRgb(kInactiveCaption));
        QApplication::setPalette(pal);
    }
    void TearDown() override
    {
        if (QWhatsThis::inWhatsThisMode())
            QWhatsThis::leaveWhatsThisMode();
        QApplication::setPalette(FSaved);
    }

    // A frameless dialog with its caption extension, shown and active.
    std::unique_ptr<QDialog> MakeDialog(const QString &title, int clientWidth = 320, int clientHeight = 120,
                                        Qt::WindowFlags flags = Qt::Dialog)
    {
        auto d = std::make_unique<QDialog>(nullptr, flags);
        d->setWindowTitle(title);
        auto *ox = new ToxForm(d.get());
        ox->SetCaptionButtons({});
        ox->SetClientSize(clientWidth, clientHeight);
        return d;
    }
    static ToxForm *Ox(QWidget *form) { return form->findChild<ToxForm *>(); }
    static void ShowActive(QWidget &w)
    {
        w.show();
        w.activateWindow();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    static void Recorder(ToxForm *ox, Record &rec)
    {
        ox->ShowHelp = [&rec](int topic, bool popup, const QPoint &pos) {
            rec.Topic = topic;
            rec.Popup = popup;
            rec.Pos = pos;
            ++rec.Count;
        };
    }

    // Columns of the bar (form coordinates) holding pixels brighter than the
    // gradient behind them: the caption text in white.
    static QList<int> InkColumns(const QImage &img, const QRect &bar, int threshold = 160)
    {
        QList<int> cols;
        for (int x = bar.left(); x <= bar.right(); ++x)
            for (int y = bar.top(); y <= bar.bottom(); ++y)
                if (Luma(Px(img, x, y)) >= threshold) {
                    cols << x;
                    break;
                }
        return cols;
    }

private:
    QPalette FSaved;
};

} // namespace

TEST_F(CaptionFixture, WindowIsFramelessAndHoldsTheClientBelowTheCaption)
{
    auto d = MakeDialog("Wordlark", 423, 140);
    ToxForm *ox = Ox(d.get());
    EXPECT_TRUE(d->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(ox->Client()->size(), QSize(423, 140));
    EXPECT_EQ(d->size(), QSize(423 + 2 * ox->FrameWidth(), 140 + 2 * ox->FrameHeight() + ox->CaptionHeight()));
    EXPECT_EQ(ox->Client()->pos(), QPoint(ox->FrameWidth(), ox->FrameHeight() + ox->CaptionHeight()));
    // The caption font and height come from the platform style's title bars.
    QStyleOptionTitleBar opt;
    opt.initFrom(d.get());
    opt.fontMetrics = QFontMetrics(ox->CaptionFont());
    EXPECT_GE(ox->CaptionHeight(), d->style()->pixelMetric(QStyle::PM_TitleBarHeight, &opt, nullptr));
    EXPECT_GE(ox->CaptionHeight(), QFontMetrics(ox->CaptionFont()).height());
    EXPECT_GE(ox->FrameWidth(), 3);
}

TEST_F(CaptionFixture, ControlsAlreadyOnTheFormMoveOntoTheClient)
{
    QDialog d;
    auto *edit = new QLineEdit(&d);
    edit->setGeometry(8, 9, 100, 20);
    d.resize(200, 80);
    auto *ox = new ToxForm(&d);
    EXPECT_EQ(edit->parentWidget(), ox->Client());
    EXPECT_EQ(edit->geometry(), QRect(8, 9, 100, 20));
    EXPECT_EQ(ox->Client()->size(), QSize(200, 80));
}

TEST_F(CaptionFixture, GradientRunsFromBlackToTheCaptionColourInBands)
{
    auto d = MakeDialog(QString());
    ToxForm *ox = Ox(d.get());
    // Make the caption bar exactly 256 pixels wide: band i starts at 2i.
    const int extra = 256 - ox->CaptionRect().width();
    ox->SetClientSize(320 + extra, 120);
    ShowActive(*d);
    const QRect bar = ox->CaptionRect();
    ASSERT_EQ(bar.width(), 256);
    const QImage img = Grab(*d);
    const int y = bar.top();
    EXPECT_EQ(Px(img, bar.left(), y), 0x000000u);
    EXPECT_EQ(Px(img, bar.left() + 1, y), 0x000000u);
    EXPECT_EQ(Px(img, bar.left() + 2, y), 0x000001u);   // band 1: trunc(128 / 128 * 1)
    EXPECT_EQ(Px(img, bar.left() + 128, y), 0x000040u); // band 64
    EXPECT_EQ(Px(img, bar.right(), y), 0x00007Fu);      // band 127, the right end
    EXPECT_EQ(Px(img, bar.right(), bar.bottom()), 0x00007Fu);
    // The platform buttons area beyond the bar is in the caption colour.
    EXPECT_EQ(Px(img, ox->PlatformButtonsRect().center().x(), y), kActiveCaption);
}

TEST_F(CaptionFixture, TextIsWhiteOnTheBlackGradientAndBlackOnAWhiteOne)
{
    auto d = MakeDialog("Wordlark Wordlark");
    ToxForm *ox = Ox(d.get());
    ShowActive(*d);
    const QRect text = ox->TextRect().intersected(QRect(ox->TextRect().topLeft(), QSize(60, 100)));
    auto count = [&](const QImage &img, auto pred) {
        int n = 0;
        for (int y = text.top(); y <= text.bottom(); ++y)
            for (int x = text.left(); x <= text.right(); ++x)
                n += pred(Px(img, x, y));
        return n;
    };
    // The middle of the bold strokes has the exact text colour.
    const auto white = [](QRgb c) { return c == 0xFFFFFFu; };
    const auto black = [](QRgb c) { return c == 0x000000u; };
    EXPECT_GT(count(Grab(*d), white), 10);

    ox->SetActiveGradient(clWhite);
    const QImage img = Grab(*d);
    EXPECT_EQ(Px(img, ox->CaptionRect().left(), ox->CaptionRect().top()), 0xFFFFFFu);
    EXPECT_GT(count(img, black), 10);

    // No caption, no ink: the counts above come from the text.
    d->setWindowTitle(QString());
    EXPECT_EQ(count(Grab(*d), black), 0);
}

TEST_F(CaptionFixture, LongCaptionEndsInDotsAndIsLeftAlignedEvenWhenCentred)
{
    auto d = MakeDialog("Short");
    ToxForm *ox = Ox(d.get());
    ox->SetAlignment(taCenter);
    ox->SetItalicWords(0);
    ShowActive(*d);
    const QRect area = ox->TextRect();
    // A short caption is centred: its ink starts well right of the text area's left.
    QList<int> cols = InkColumns(Grab(*d), area);
    ASSERT_FALSE(cols.isEmpty());
    EXPECT_GT(cols.first(), area.left() + area.width() / 4);

    d->setWindowTitle(QString("A caption far too long for this small bar ").repeated(4));
    const QImage img = Grab(*d);
    cols = InkColumns(img, area);
    ASSERT_FALSE(cols.isEmpty());
    EXPECT_LE(cols.first(), area.left() + 2);
    EXPECT_LE(cols.last(), area.right());
    // The last three runs of ink are dots: narrow, and only a few rows high near
    // the baseline, unlike letters.
    QList<QPair<int, int>> runs;   // first and last column of each run
    for (int x : cols) {
        if (!runs.isEmpty() && runs.last().second == x - 1)
            runs.last().second = x;
        else
            runs << qMakePair(x, x);
    }
    ASSERT_GE(runs.size(), 4);
    auto rowsOf = [&](QPair<int, int> run) {
        int top = 1000, bottom = -1;
        for (int x = run.first; x <= run.second; ++x)
            for (int y = area.top(); y <= area.bottom(); ++y)
                if (Luma(Px(img, x, y)) >= 160) {
                    top = qMin(top, y);
                    bottom = qMax(bottom, y);
                }
        return qMakePair(top, bottom);
    };
    const auto letter = rowsOf(runs.at(0));
    for (int i = runs.size() - 3; i < runs.size(); ++i) {
        const auto rows = rowsOf(runs.at(i));
        EXPECT_LE(runs.at(i).second - runs.at(i).first, 3) << "run " << i;
        EXPECT_LE(rows.second - rows.first, 3) << "run " << i;
        EXPECT_GE(rows.first, letter.first + 4) << "dot stands low, near the baseline";
    }
}

TEST_F(CaptionFixture, FirstWordIsItalic)
{
    // "I I": the stem of the first I leans in italic, the second stands upright.
    auto d = MakeDialog("I I");
    ToxForm *ox = Ox(d.get());
    ShowActive(*d);
    const QRect area = ox->TextRect();
    const QImage img = Grab(*d);
    const QList<int> cols = InkColumns(img, area);
    ASSERT_FALSE(cols.isEmpty());
    // Split the ink into the two words at the widest gap.
    int split = cols.first();
    int widest = 0;
    for (int i = 1; i < cols.size(); ++i)
        if (cols[i] - cols[i - 1] > widest) {
            widest = cols[i] - cols[i - 1];
            split = cols[i];
        }
    auto lean = [&](int from, int to) {
        // Leftmost ink in the topmost and the bottommost inked row of the word.
        int top = -1, bottom = -1;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = from; x < to; ++x)
                if (Luma(Px(img, x, y)) >= 160) {
                    if (top < 0)
                        top = y;
                    bottom = y;
                }
        auto leftAt = [&](int y) {
            for (int x = from; x < to; ++x)
                if (Luma(Px(img, x, y)) >= 160)
                    return x;
            return -1;
        };
        return leftAt(top) - leftAt(bottom);
    };
    EXPECT_GE(lean(cols.first(), split), 1) << "first word leans right at the top";
    EXPECT_EQ(lean(split, cols.last() + 1), 0) << "second word stands upright";

    ox->SetItalicWords(2);
    const QImage both = Grab(*d);
    const QList<int> cols2 = InkColumns(both, area);
    ASSERT_FALSE(cols2.isEmpty());
    int top = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = cols2.last() - 6; x <= cols2.last(); ++x)
            if (Luma(Px(both, x, y)) >= 160) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
    auto rightAt = [&](int y) {
        for (int x = cols2.last(); x >= cols2.last() - 6; --x)
            if (Luma(Px(both, x, y)) >= 160)
                return x;
        return -1;
    };
    EXPECT_GE(rightAt(top) - rightAt(bottom), 1) << "with two italic words the second leans too";
}

TEST_F(CaptionFixture, InactiveColoursAfterAnotherWindowIsActivated)
{
    auto d = MakeDialog(QString());
    ToxForm *ox = Ox(d.get());
    ox->SetInactiveGradient(RGBColor(0, 0, 0x40));
    ShowActive(*d);
    const QRect bar = ox->CaptionRect();
    QImage img = Grab(*d);
    EXPECT_EQ(Px(img, bar.left(), bar.top()), 0x000000u);

    QWidget other;
    other.resize(50, 50);
    ShowActive(other);
    ASSERT_FALSE(d->isActiveWindow());
    img = Grab(*d);
    EXPECT_EQ(Px(img, bar.left(), bar.top()), 0x000040u);
    // Band 127 of 0x40 -> green 0x80: blue 64 - trunc(64 / 128 * 127) = 1, green trunc(128 * 127 / 128) = 127.
    EXPECT_EQ(Px(img, bar.right(), bar.top()), 0x007F01u);
    EXPECT_EQ(Px(img, ox->PlatformButtonsRect().center().x(), bar.top()), kInactiveCaption);
    // The inactive text colour is the complement of the inactive gradient.
    EXPECT_EQ(ox->TextColor(false).rgb() & 0xFFFFFF, 0xFFFFBFu);

    ShowActive(*d);
    img = Grab(*d);
    EXPECT_EQ(Px(img, bar.right(), bar.top()), 0x00007Fu);
}

TEST_F(CaptionFixture, CaptionBitmapIsDrawnOncePerStateAndRebuiltWhenItsRectangleChanges)
{
    QDialog d;
    d.setWindowTitle("Cached caption");
    auto *ox = new ToxForm(&d);
    ox->SetCaptionButtons({});
    d.resize(300, 100);
    ShowActive(d);
    Grab(d);
    const int builds = ox->CaptionBuilds();
    EXPECT_GE(builds, 1);
    Grab(d);
    d.repaint();
    EXPECT_EQ(ox->CaptionBuilds(), builds);
    d.resize(360, 100);
    Grab(d);
    EXPECT_EQ(ox->CaptionBuilds(), builds + 1);
    d.setWindowTitle("Another caption");
    Grab(d);
    EXPECT_EQ(ox->CaptionBuilds(), builds + 2);
}

TEST_F(CaptionFixture, EveryBorderEffectDrawsItsBevels)
{
    struct Case {
        T3DEffect Effect;
        std::array<QRgb, 3> Top;      // rows 0, 1, 2 in the middle of the top edge
        std::array<QRgb, 3> Bottom;   // rows h-1, h-2, h-3 in the middle of the bottom edge
    };
    const Case cases[] = {
        {ox3Flat, {kHigh, kFace, kFace}, {kShadow, kFrame, kFace}},
        {ox3Raised, {kFace, kHigh, kHigh}, {kFrame, kShadow, kShadow}},
        {ox3Inset, {kFrame, kShadow, kFace}, {kFace, kHigh, kFace}},
        {ox3Ridged, {kFace, kHigh, kFace}, {kShadow, kFace, kHigh}},
        {ox3Grooved, {kShadow, kFace, kHigh}, {kFace, kHigh, kFace}},
    };
    auto d = MakeDialog("Borders");
    ToxForm *ox = Ox(d.get());
    ShowActive(*d);
    for (const Case &c : cases) {
        ox->SetActiveBorder(c.Effect);
        const QImage img = Grab(*d);
        const int x = d->width() / 2, h = d->height();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Px(img, x, i), c.Top[i]) << "effect " << c.Effect << " top row " << i;
            EXPECT_EQ(Px(img, x, h - 1 - i), c.Bottom[i]) << "effect " << c.Effect << " bottom row " << i;
        }
    }
    // The drop shadow: black along the right edge, light grey in the top-right corner.
    ox->SetActiveBorder(ox3Shadow);
    const QImage img = Grab(*d);
    EXPECT_EQ(Px(img, d->width() - 1, d->height() / 2), 0x000000u);
    EXPECT_EQ(Px(img, d->width() - 1, 0), 0xC0C0C0u);
    EXPECT_EQ(Px(img, 0, d->height() - 1), 0xC0C0C0u);
    // The inactive border effect is used while another window is active.
    ox->SetInactiveBorder(ox3Raised);
    QWidget other;
    other.resize(40, 40);
    ShowActive(other);
    EXPECT_EQ(Px(Grab(*d), d->width() / 2, 1), kHigh);
}

TEST_F(CaptionFixture, CaptionFrameEffectsBevelTheBar)
{
    auto d = MakeDialog("Frame");
    ToxForm *ox = Ox(d.get());
    ShowActive(*d);
    const QRect bar = ox->CaptionRect();
    const int x = bar.center().x();
    ox->SetActiveCaption(ox3Raised);
    QImage img = Grab(*d);
    EXPECT_EQ(Px(img, x, bar.top() - 1), kHigh);
    EXPECT_EQ(Px(img, x, bar.bottom() + 1), kShadow);
    ox->SetActiveCaption(ox3Inset);
    img = Grab(*d);
    EXPECT_EQ(Px(img, x, bar.top() - 1), kShadow);
    EXPECT_EQ(Px(img, x, bar.bottom() + 1), kHigh);
    ox->SetActiveCaption(ox3Ridged);
    img = Grab(*d);
    EXPECT_EQ(Px(img, x, bar.top() - 2), kHigh);
    EXPECT_EQ(Px(img, x, bar.top() - 1), kShadow);
    EXPECT_EQ(Px(img, x, bar.bottom() + 2), kShadow);
    EXPECT_EQ(Px(img, x, bar.bottom() + 1), kHigh);
}

TEST_F(CaptionFixture, CaptionButtonsStandRightToLeftAndPaintUpAndPressed)
{
    auto d = MakeDialog("Buttons");
    ToxForm *ox = Ox(d.get());
    ox->SetCaptionButtons(ToxCaptionButtons(oxbHelp) | oxbRollUp);
    ShowActive(*d);
    TNCButton *help = ox->CaptionButton(oxbHelp);
    TNCButton *roll = ox->CaptionButton(oxbRollUp);
    ASSERT_TRUE(help->isVisible());
    EXPECT_EQ(ox->CaptionButton(oxbStart), nullptr) << "a button never shown is never made";
    const int w = ox->ButtonWidth() - 2;
    // Roll-up comes first, so it stands rightmost; its gap parts it from "?".
    EXPECT_EQ(roll->geometry(), QRect(d->width() - ox->PlatformButtonsWidth() - 2 - w, ox->FrameHeight() + 2, w,
                                      ox->CaptionHeight() - 4));
    EXPECT_EQ(help->x(), roll->x() - 2 - w);
    EXPECT_EQ(help->font().bold(), true);
    EXPECT_LE(ox->TextRect().right(), help->x() - 2);

    const QPoint at = help->geometry().topLeft();
    QImage img = Grab(*d);
    EXPECT_EQ(Px(img, at.x(), at.y()), kHigh);
    EXPECT_EQ(Px(img, at.x() + w - 1, at.y() + help->height() - 1), kFrame);
    EXPECT_EQ(Px(img, at.x() + w - 2, at.y() + help->height() - 2), kShadow);
    QTest::mousePress(help, Qt::LeftButton, {}, QPoint(3, 3));
    img = Grab(*d);
    EXPECT_EQ(Px(img, at.x(), at.y()), kFrame);
    EXPECT_EQ(Px(img, at.x() + 1, at.y() + 1), kShadow);
    EXPECT_EQ(Px(img, at.x() + w - 1, at.y() + help->height() - 1), kHigh);
    QTest::mouseRelease(help, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();

    // The on-top toggle shows down while set.
    ox->SetCaptionButtons(oxbOnTop);
    TNCButton *onTop = ox->CaptionButton(oxbOnTop);
    QTest::mouseClick(onTop, Qt::LeftButton);
    EXPECT_TRUE(ox->OnTop());
    img = Grab(*d);
    EXPECT_EQ(Px(img, onTop->x(), onTop->y()), kShadow);
}

TEST_F(CaptionFixture, RollUpLeavesTheCaptionAndTheFrameAndUnrollingGivesTheSizeBack)
{
    auto d = MakeDialog("Rolling", 320, 120);
    ToxForm *ox = Ox(d.get());
    ox->SetCaptionButtons(oxbRollUp);
    ShowActive(*d);
    const QSize before = d->size();
    TNCButton *roll = ox->CaptionButton(oxbRollUp);
    ASSERT_NE(roll, nullptr);
    QTest::mouseClick(roll, Qt::LeftButton);
    EXPECT_TRUE(ox->RollUp());
    EXPECT_EQ(d->size(), QSize(before.width(), 2 * ox->FrameHeight() + ox->CaptionHeight()));
    EXPECT_FALSE(ox->Client()->isVisible());
    QTest::mouseClick(roll, Qt::LeftButton);
    EXPECT_FALSE(ox->RollUp());
    EXPECT_EQ(d->size(), before);
    EXPECT_TRUE(ox->Client()->isVisible());
    EXPECT_EQ(ox->Client()->size(), QSize(320, 120));
}

TEST_F(CaptionFixture, DialogReservesOnePlatformButtonAndTheCloseButtonCloses)
{
    auto noButtons = MakeDialog("Wordlark", 200, 60, Qt::Dialog | Qt::WindowTitleHint);
    ToxForm *ox = Ox(noButtons.get());
    EXPECT_EQ(ox->CloseButton(), nullptr);
    EXPECT_EQ(noButtons->width() - ox->CaptionRect().right() - 1,
              ox->FrameWidth() + ox->ButtonWidth() - 2 + 4);

    auto d = MakeDialog("About");
    ox = Ox(d.get());
    ShowActive(*d);
    ASSERT_TRUE(ox->CloseButton()->isVisible());
    EXPECT_TRUE(ox->PlatformButtonsRect().contains(ox->CloseButton()->geometry()));
    QTest::mouseClick(ox->CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), 2);   // Cancel
}

TEST_F(CaptionFixture, DraggingTheCaptionMovesTheWindow)
{
    auto d = MakeDialog("Drag me");
    ToxForm *ox = Ox(d.get());
    ShowActive(*d);
    d->move(100, 100);
    const QPoint start = d->pos();
    const QPoint grip = ox->CaptionRect().center();
    QTest::mousePress(d.get(), Qt::LeftButton, {}, grip);
    QTest::mouseMove(d.get(), grip + QPoint(30, 20));
    QTest::mouseRelease(d.get(), Qt::LeftButton, {}, grip + QPoint(30, 20));
    EXPECT_EQ(d->pos(), start + QPoint(30, 20));
    // A press in the client area moves nothing.
    const QPoint client = ox->ClientRect().center();
    QTest::mousePress(d.get(), Qt::LeftButton, {}, client);
    QTest::mouseMove(d.get(), client + QPoint(30, 20));
    QTest::mouseRelease(d.get(), Qt::LeftButton, {}, client + QPoint(30, 20));
    EXPECT_EQ(d->pos(), start + QPoint(30, 20));
}

TEST_F(CaptionFixture, HelpButtonThenClickShowsTheControlsTopicAsPopup)
{
    auto d = MakeDialog("Configuration");
    ToxForm *ox = Ox(d.get());
    ox->SetCaptionButtons(oxbHelp);
    auto *check = new QCheckBox("Show Hints", ox->Client());
    check->setGeometry(10, 10, 150, 20);
    SetHelpContext(check, 214);
    ShowActive(*d);
    Record rec;
    Recorder(ox, rec);

    QTest::mouseClick(ox->CaptionButton(oxbHelp), Qt::LeftButton);
    ASSERT_TRUE(QWhatsThis::inWhatsThisMode());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(rec.Count, 1);
    EXPECT_EQ(rec.Topic, 214);
    EXPECT_TRUE(rec.Popup);
    EXPECT_EQ(rec.Pos, check->mapToGlobal(QPoint(5, 5)));
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
    EXPECT_FALSE(check->isChecked()) << "the help click does not reach the control";
}

TEST_F(CaptionFixture, HelpButtonPopupIsShownByTheHelpViewer)
{
    auto d = MakeDialog("Configuration");
    ToxForm *ox = Ox(d.get());
    ox->SetCaptionButtons(oxbHelp);
    auto *edit = new QLineEdit(ox->Client());
    edit->setGeometry(10, 10, 100, 20);
    SetHelpContext(edit, 301);
    ShowActive(*d);
    QTest::mouseClick(ox->CaptionButton(oxbHelp), Qt::LeftButton);
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(5, 5));
    QWidget *popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    popup->close();
}

TEST_F(CaptionFixture, HelpRequestWalksUpToTheFirstParentWithAContext)
{
    auto d = MakeDialog("Walk");
    ToxForm *ox = Ox(d.get());
    auto *page = new QWidget(ox->Client());
    page->setGeometry(0, 0, 300, 100);
    SetHelpContext(page, 300);
    auto *group = new QWidget(page);
    group->setGeometry(5, 5, 200, 80);
    auto *edit = new QLineEdit(group);
    edit->setGeometry(5, 5, 100, 20);
    SetHelpContext(d.get(), 104);
    ShowActive(*d);
    edit->setFocus();
    Record rec;
    Recorder(ox, rec);

    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(rec.Topic, 300);
    EXPECT_FALSE(rec.Popup) << "without a help caption button the topic opens in the viewer";
    EXPECT_EQ(rec.Count, 1);

    SetHelpContext(page, 0);
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(rec.Topic, 104) << "up to the form itself";

    SetHelpContext(edit, 305);
    ox->SetCaptionButtons(oxbHelp);
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(rec.Topic, 305);
    EXPECT_TRUE(rec.Popup);
    EXPECT_EQ(rec.Count, 3);

    // A handler that takes the request stops it; nothing is shown.
    QWidget *seen = nullptr;
    int seenContext = -1;
    ox->OnHelpSelect = [&](QWidget *control, int context, bool &handled) {
        seen = control;
        seenContext = context;
        handled = true;
    };
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(seen, edit);
    EXPECT_EQ(seenContext, 305);
    EXPECT_EQ(rec.Count, 3);

    // No context anywhere up the chain: nothing.
    ox->OnHelpSelect = nullptr;
    SetHelpContext(edit, 0);
    SetHelpContext(d.get(), 0);
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(rec.Count, 3);
}

TEST(ToxFormOwner, OwnerMustBeAFormAndHaveNoOtherToxForm)
{
    try {
        ToxForm ox(nullptr);
        FAIL() << "no error";
    } catch (const ENotOwnerError &e) {
        EXPECT_EQ(e.Message(), QString("A Form MUST be the owner"));
    }
    QDialog d;
    auto *child = new QWidget(&d);
    EXPECT_THROW(ToxForm{child}, ENotOwnerError);
    new ToxForm(&d);
    try {
        ToxForm second(&d);
        FAIL() << "no error";
    } catch (const EDuplicationError &e) {
        EXPECT_EQ(e.Message(), QString("Only 1 ToxForm component(s) are allowed on the selected Form"));
    }
    EXPECT_EQ(d.findChildren<ToxForm *>().size(), 1);
}

TEST_F(CaptionFixture, FrameOfASizeableFormResizesItAndAFixedOneDoesNot)
{
    QWidget w;
    w.setWindowTitle("Sizeable");
    auto *ox = new ToxForm(&w);
    ox->SetCaptionButtons({});
    w.setMinimumSize(150, 100);
    w.setGeometry(200, 200, 300, 200);
    ShowActive(w);
    const int mid = w.height() / 2;
    QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(w.width() - 1, mid));
    QTest::mouseMove(&w, QPoint(w.width() + 29, mid));
    QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(w.width() - 1, mid));
    EXPECT_EQ(w.geometry(), QRect(200, 200, 330, 200));
    EXPECT_EQ(ox->Client()->size(), QSize(330 - 2 * ox->FrameWidth(), 200 - 2 * ox->FrameHeight() - ox->CaptionHeight()));
    // The left edge stops at the minimum width.
    QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(0, mid));
    QTest::mouseMove(&w, QPoint(300, mid));
    QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(300, mid));
    EXPECT_EQ(w.geometry(), QRect(380, 200, 150, 200));

    auto d = MakeDialog("Fixed");
    ShowActive(*d);
    const QSize before = d->size();
    QTest::mousePress(d.get(), Qt::LeftButton, {}, QPoint(d->width() - 1, d->height() / 2));
    QTest::mouseMove(d.get(), QPoint(d->width() + 29, d->height() / 2));
    QTest::mouseRelease(d.get(), Qt::LeftButton, {}, QPoint(d->width() + 29, d->height() / 2));
    EXPECT_EQ(d->size(), before);
}

TEST_F(CaptionFixture, AlignmentPlacesAShortCaptionLeftOrRight)
{
    auto d = MakeDialog("Short");
    ToxForm *ox = Ox(d.get());
    ox->SetItalicWords(0);
    ShowActive(*d);
    const QRect area = ox->TextRect();
    QList<int> cols = InkColumns(Grab(*d), area);
    ASSERT_FALSE(cols.isEmpty());
    EXPECT_LE(cols.first(), area.left() + 2);
    ox->SetAlignment(taRightJustify);
    cols = InkColumns(Grab(*d), area);
    ASSERT_FALSE(cols.isEmpty());
    EXPECT_GE(cols.last(), area.right() - 2);
    EXPECT_GT(cols.first(), area.left() + area.width() / 2);
}

TEST_F(CaptionFixture, PlainWindowsShowTheirIconAndDialogsNone)
{
    QPixmap red(32, 32);
    red.fill(Qt::red);
    QWidget w;
    w.setWindowTitle("Window");
    w.setWindowIcon(QIcon(red));
    auto *ox = new ToxForm(&w);
    ox->SetCaptionButtons({});
    w.resize(300, 120);
    ShowActive(w);
    const QRect bar = ox->CaptionRect();
    QImage img = Grab(w);
    // The icon sits 1 pixel in, at (button width - 2) by (caption height - 2).
    EXPECT_EQ(Px(img, bar.left() + 1, bar.top() + 1), 0xFF0000u);
    EXPECT_EQ(Px(img, bar.left() + ox->ButtonWidth() - 2, bar.top() + ox->CaptionHeight() - 2), 0xFF0000u);
    EXPECT_NE(Px(img, bar.left() + ox->ButtonWidth() + 2, bar.top() + 1), 0xFF0000u);
    EXPECT_GE(ox->TextRect().left(), bar.left() + ox->ButtonWidth() - 1);

    auto d = MakeDialog("Dialog");
    d->setWindowIcon(QIcon(red));
    ShowActive(*d);
    img = Grab(*d);
    EXPECT_EQ(Px(img, Ox(d.get())->CaptionRect().left() + 1, Ox(d.get())->CaptionRect().top() + 1), 0x000000u);
    EXPECT_EQ(Ox(d.get())->TextRect().left(), Ox(d.get())->CaptionRect().left() + 2);
}
