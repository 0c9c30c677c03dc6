// The dialog's standard controls driven through real clicks and keys: the
// colour button's palette and "Other", the spin edit's range and steps, the
// hot-key entry's shortcut and rules, and the font-name combo box.
#include "widgets/ColorBtn.h"
#include "widgets/StdCtrls.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDatabase>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void ShowActive(QWidget &w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// Clicks the colour button and returns its palette.
TColorPalette *OpenPalette(TColorButton *b)
{
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    return b->Palette();
}

class HookGuard {
public:
    explicit HookGuard(TColorDialogHook hook) : FOld(SetColorDialogHook(std::move(hook))) {}
    ~HookGuard() { SetColorDialogHook(FOld); }

private:
    TColorDialogHook FOld;
};

} // namespace

TEST(ColorButton, PaletteOffersTheTwentyColoursInTheirOrder)
{
    // Written as the platform's colour values (red in the low byte).
    const TColor expected[20] = {
        0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0xBFD7BF, 0x000000, 0x00007F, 0x007F00, 0x7F0000, 0xEFBF9F,
        0xBFBFBF, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0xEFF7FF, 0x7F7F7F, 0x007F7F, 0x7F7F00, 0x7F007F, 0x9F9F9F,
    };
    QWidget w;
    w.resize(200, 200);
    auto *b = new TColorButton(&w);
    b->setGeometry(10, 10, 56, 22);
    ShowActive(w);
    QSignalSpy changed(b, &TColorButton::OnChange);
    for (int i = 0; i < 20; ++i) {
        TColorPalette *palette = OpenPalette(b);
        ASSERT_NE(palette, nullptr) << i;
        ASSERT_TRUE(palette->isVisible());
        QAbstractButton *swatch = palette->Swatch(i);
        QTest::mouseClick(swatch, Qt::LeftButton, {}, swatch->rect().center());
        EXPECT_EQ(b->Color(), expected[i]) << "swatch " << i;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(b->Palette(), nullptr);
    }
    // Black to white and on: every pick but a repeat of the same colour tells.
    EXPECT_EQ(changed.count(), 20);
}

TEST(ColorButton, ArrowKeysMoveThroughThePaletteAndEnterTakesTheColour)
{
    QWidget w;
    w.resize(200, 200);
    auto *b = new TColorButton(&w);
    b->setGeometry(10, 10, 56, 22);
    b->SetColor(0xFFFFFF);   // first swatch
    ShowActive(w);
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Space);
    TColorPalette *palette = b->Palette();
    ASSERT_NE(palette, nullptr);
    QApplication::setActiveWindow(palette);
    ASSERT_TRUE(palette->Swatch(0)->hasFocus());
    // Right, right, down: row 1, column 2 is 007F00.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(palette->Swatch(7)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(b->Color(), 0x007F00);
}

TEST(ColorButton, UpMovesARowUpFromTheSecondRowAndUpAndLeftStopAtTheFirstSwatch)
{
    QWidget w;
    w.resize(200, 200);
    auto *b = new TColorButton(&w);
    b->setGeometry(10, 10, 56, 22);
    b->SetColor(0xBFD7BF);   // swatch 4, the end of the first row
    ShowActive(w);
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Space);
    TColorPalette *palette = b->Palette();
    ASSERT_NE(palette, nullptr);
    QApplication::setActiveWindow(palette);
    ASSERT_TRUE(palette->Swatch(4)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);   // 5: start of the second row
    ASSERT_TRUE(palette->Swatch(5)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_TRUE(palette->Swatch(0)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_TRUE(palette->Swatch(0)->hasFocus());
    // Left stops at the first swatch too.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_TRUE(palette->Swatch(0)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_TRUE(palette->Swatch(0)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(b->Color(), 0xFFFFFF);

    // Down from the first swatch goes a row down, and from the last row to "Other".
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(b->Palette(), nullptr);
    QApplication::setActiveWindow(&w);
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Space);
    palette = b->Palette();
    ASSERT_NE(palette, nullptr);
    QApplication::setActiveWindow(palette);
    ASSERT_TRUE(palette->Swatch(0)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(palette->Swatch(5)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(palette->Swatch(15)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(palette->OtherButton()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
}

TEST(ColorButton, OtherOpensTheColourDialogFromTheCurrentColour)
{
    QWidget w;
    w.resize(200, 200);
    auto *b = new TColorButton(&w);
    b->setGeometry(10, 10, 56, 22);
    b->SetColor(0x123456);
    ShowActive(w);

    TColor offered = -1;
    bool answer = false;
    HookGuard guard([&](TColor &color, QWidget *) {
        offered = color;
        color = 0x00A0B0;
        return answer;
    });
    TColorPalette *palette = OpenPalette(b);
    ASSERT_NE(palette, nullptr);
    QTest::mouseClick(palette->OtherButton(), Qt::LeftButton, {}, palette->OtherButton()->rect().center());
    EXPECT_EQ(offered, 0x123456);
    EXPECT_EQ(b->Color(), 0x123456) << "a cancelled colour dialog changes nothing";

    answer = true;
    palette = OpenPalette(b);
    ASSERT_NE(palette, nullptr);
    QTest::mouseClick(palette->OtherButton(), Qt::LeftButton, {}, palette->OtherButton()->rect().center());
    EXPECT_EQ(b->Color(), 0x00A0B0);
}

TEST(ColorButton, CustomColoursOfTheColourDialogStartWhite)
{
    TColorButton b;
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(QColorDialog::customColor(i).rgb(), QColor(Qt::white).rgb()) << i;
}

TEST(SpinEdit, StepsByTwoPagesByTenAndStaysInRange)
{
    QWidget w;
    auto *s = new TSpinEdit(&w);
    s->SetRange(12, 200);
    s->SetIncrement(2);
    s->SetPageIncrement(10);
    s->SetValue(96);
    ShowActive(w);
    s->setFocus();
    QTest::keyClick(s, Qt::Key_Up);
    EXPECT_EQ(s->Value(), 98);
    QTest::keyClick(s, Qt::Key_PageUp);
    EXPECT_EQ(s->Value(), 108);
    QTest::keyClick(s, Qt::Key_PageDown);
    QTest::keyClick(s, Qt::Key_Down);
    EXPECT_EQ(s->Value(), 96);
    s->SetValue(195);
    QTest::keyClick(s, Qt::Key_PageUp);
    EXPECT_EQ(s->Value(), 200);
    QTest::keyClick(s, Qt::Key_Up);
    EXPECT_EQ(s->Value(), 200);
    s->SetValue(5);
    EXPECT_EQ(s->Value(), 12);
    EXPECT_EQ(s->text(), "12");
}

namespace {
// The spin edit with the arrows' state as its style draws them.
class TProbedSpinEdit : public TSpinEdit {
public:
    using TSpinEdit::TSpinEdit;
    QAbstractSpinBox::StepEnabled Arrows() const
    {
        QStyleOptionSpinBox opt;
        initStyleOption(&opt);
        return opt.stepEnabled;
    }
    QString Selected() const { return lineEdit()->selectedText(); }
    QPoint ArrowCentre(QStyle::SubControl arrow) const
    {
        QStyleOptionSpinBox opt;
        initStyleOption(&opt);
        return style()->subControlRect(QStyle::CC_SpinBox, &opt, arrow, this).center();
    }
};
} // namespace

TEST(SpinEdit, AnArrowIsDisabledAtItsEndAndAClickOnItChangesNothing)
{
    QWidget w;
    auto *s = new TProbedSpinEdit(&w);
    s->SetRange(12, 200);
    s->SetIncrement(2);
    s->resize(62, 22);
    s->SetValue(200);
    ShowActive(w);
    EXPECT_EQ(s->Arrows(), QAbstractSpinBox::StepDownEnabled);
    QSignalSpy changed(s, &TSpinEdit::OnChange);
    QTest::mouseClick(s, Qt::LeftButton, {}, s->ArrowCentre(QStyle::SC_SpinBoxUp));
    EXPECT_EQ(s->Value(), 200);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(s->Selected().isEmpty()) << "the up arrow stepped";
    QTest::mouseClick(s, Qt::LeftButton, {}, s->ArrowCentre(QStyle::SC_SpinBoxDown));
    EXPECT_EQ(s->Value(), 198);
    EXPECT_EQ(s->Arrows(), QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled);
    s->SetValue(12);
    EXPECT_EQ(s->Arrows(), QAbstractSpinBox::StepUpEnabled);
    QTest::mouseClick(s, Qt::LeftButton, {}, s->ArrowCentre(QStyle::SC_SpinBoxDown));
    EXPECT_EQ(s->Value(), 12);
}

TEST(SpinEdit, TypedTextCountsAsItsNumberTheMinimumOrTheNumberCutTowardZero)
{
    QWidget w;
    auto *s = new TSpinEdit(&w);
    s->SetRange(12, 200);
    ShowActive(w);
    s->setFocus();
    auto type = [s](const QString &text) {
        s->selectAll();
        QTest::keyClick(s, Qt::Key_Backspace);
        QTest::keyClicks(s, text);
    };
    type("abc");
    EXPECT_EQ(s->Value(), 12);
    type("150");
    EXPECT_EQ(s->Value(), 150);
    type("20.7");
    EXPECT_EQ(s->Value(), 20);
    type("999");
    EXPECT_EQ(s->Value(), 200);
    type("");
    EXPECT_EQ(s->Value(), 12);
}

TEST(HotKey, TakesTheKeyWithItsModifiersAsTheShortcut)
{
    QWidget w;
    auto *h = new THotKey(&w);
    auto *next = new QLineEdit(&w);
    next->move(0, 40);
    h->SetInvalidKeys(hcNone | hcShift);
    ShowActive(w);
    h->setFocus();
    QSignalSpy changed(h, &THotKey::OnChange);

    // Invalid combinations with no replacement modifiers are kept as typed.
    QTest::keyClick(h, Qt::Key_K);
    EXPECT_EQ(h->HotKey(), 75);
    QTest::keyClick(h, Qt::Key_K, Qt::ShiftModifier);
    EXPECT_EQ(h->HotKey(), 0x2000 | 75);
    QTest::keyClick(h, Qt::Key_F5, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(h->HotKey(), 0x4000 | 0x8000 | 116);
    EXPECT_EQ(h->text(), "Ctrl+Alt+F5");
    QTest::keyClick(h, Qt::Key_Space);
    EXPECT_EQ(h->HotKey(), 32);
    QTest::keyClick(h, Qt::Key_Backspace);
    EXPECT_EQ(h->HotKey(), 0);
    EXPECT_EQ(h->text(), "None");
    EXPECT_EQ(changed.count(), 5);

    // Tab still moves on.
    QTest::keyClick(h, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(h->HotKey(), 0);
}

TEST(HotKey, InvalidCombinationsGetTheReplacementModifiers)
{
    QWidget w;
    auto *h = new THotKey(&w);
    h->SetInvalidKeys(hcNone | hcShift);
    h->SetModifiers(0x8000);
    ShowActive(w);
    h->setFocus();
    QTest::keyClick(h, Qt::Key_K);
    EXPECT_EQ(h->HotKey(), 0x8000 | 75);
    QTest::keyClick(h, Qt::Key_K, Qt::ShiftModifier);
    EXPECT_EQ(h->HotKey(), 0x8000 | 0x2000 | 75);
    QTest::keyClick(h, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(h->HotKey(), 0x4000 | 75);
    h->SetHotKey(0x4000 | 78);
    EXPECT_EQ(h->text(), "Ctrl+N");
}

TEST(FontComboBox, NamesAskedForAreKeptWhetherInstalledOrNot)
{
    TFontComboBox c;
    const QStringList families = QFontDatabase::families();
    ASSERT_FALSE(families.isEmpty());
    ASSERT_GT(c.count(), 0);
    for (const QString &name : {QStringLiteral("Arial"), QStringLiteral("MS Sans Serif")}) {
        c.SetFontName(name);
        EXPECT_EQ(c.FontName(), name);
    }
    // An installed family is picked from the list, not added again.
    const QString installed = c.itemText(c.count() - 1);
    const int before = c.count();
    c.SetFontName(installed);
    EXPECT_EQ(c.FontName(), installed);
    EXPECT_EQ(c.count(), before);
    // Keys move through the list.
    c.SetFontName(c.itemText(0));
    QTest::keyClick(&c, Qt::Key_Down);
    EXPECT_EQ(c.FontName(), c.itemText(1));
}
