// The button driven through real mouse and key events: clicks, toggle groups,
// repeat, dialog keys, accelerators, the borderless hit test and modal results.
#include "oxBtnsTestSupport.h"

#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace oxtest;

namespace {

class ToxButtonBehaviour : public PaletteFixture {
protected:
    void ShowActive(QWidget &w)
    {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
};

TEST_F(ToxButtonBehaviour, PressDragOffAndReleaseGivesNoClickReleaseInsideGivesOne)
{
    QWidget w;
    w.resize(200, 100);
    auto *b = new ToxButton(&w);
    b->setGeometry(10, 10, 75, 25);
    b->SetStyle(bsStandard);
    QSignalSpy onClick(b, &ToxButton::OnClick), clicked(b, &QAbstractButton::clicked);
    ShowActive(w);

    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_TRUE(b->IsDown());
    QTest::mouseMove(b, QPoint(120, 60));
    EXPECT_FALSE(b->IsDown());
    EXPECT_TRUE(b->IsPressed());
    QTest::mouseMove(b, QPoint(30, 12));
    EXPECT_TRUE(b->IsDown());
    QTest::mouseMove(b, QPoint(120, 60));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(120, 60));
    EXPECT_EQ(onClick.count(), 0);

    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_EQ(onClick.count(), 1);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_FALSE(b->IsDown());

    // Right button: nothing; a disabled button: nothing.
    QTest::mouseClick(b, Qt::RightButton, {}, QPoint(30, 12));
    b->setEnabled(false);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_EQ(onClick.count(), 1);
}

TEST_F(ToxButtonBehaviour, LeavingWhilePressedKeepsTheHotLookUntilTheRelease)
{
    TTiledParent w;
    w.resize(300, 140);
    ToxButton *b = MainButton(&w, QStringLiteral("Run"), QRect(10, 10, 200, 100));
    QSignalSpy left(b, &ToxButton::OnMouseLeave), clicks(b, &ToxButton::OnClick);
    ShowActive(w);
    b->setFocus();
    const QImage flat = Grab(w);

    QTest::mouseMove(b, QPoint(100, 50));
    ASSERT_TRUE(b->IsHot());
    QTest::keyPress(b, Qt::Key_Space);
    QTest::mouseMove(&w, QPoint(260, 120)); // off the button, still in the window
    ASSERT_EQ(left.count(), 1);
    EXPECT_TRUE(b->IsHot()) << "Leave while pressed leaves hot alone";
    EXPECT_TRUE(b->IsDown());
    QTest::keyRelease(b, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(b->IsHot()) << "released with the pointer outside";
    EXPECT_EQ(Grab(w), flat) << "flat again: no bevel";

    // Not pressed, Leave clears hot at once.
    QTest::mouseMove(b, QPoint(100, 50));
    EXPECT_TRUE(b->IsHot());
    QTest::mouseMove(&w, QPoint(260, 120));
    EXPECT_EQ(left.count(), 2);
    EXPECT_FALSE(b->IsHot());

    // Pressed with Space and released over the button: still hot.
    QTest::mouseMove(b, QPoint(100, 50));
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_TRUE(b->IsHot());
    EXPECT_EQ(clicks.count(), 2);

    // The mouse: dragged off and released there, hot goes with the release.
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(100, 50));
    QTest::mouseMove(b, QPoint(250, 110));
    EXPECT_TRUE(b->IsHot());
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(250, 110));
    EXPECT_FALSE(b->IsHot());
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(ToxButtonBehaviour, ToggleGroupActsAsRadioButtonsAndKeepsOneDown)
{
    QWidget w;
    w.resize(300, 100);
    QWidget *box = new QWidget(&w), *other = new QWidget(&w);
    box->setGeometry(0, 0, 150, 40);
    other->setGeometry(0, 50, 150, 40);
    ToxButton *btLeft = new ToxButton(box), *btRight = new ToxButton(box), *btNone = new ToxButton(box);
    ToxButton *elsewhere = new ToxButton(other);
    int x = 0;
    for (ToxButton *b : {btLeft, btRight, btNone, elsewhere}) {
        b->setGeometry(x % 150, 0, 42, 20);
        x += 45;
        b->SetStyle(bsStandard);
        b->SetButtonType(oxbToggle);
    }
    QSignalSpy leftClicks(btLeft, &ToxButton::OnClick);
    ShowActive(w);
    elsewhere->SetValue(true);

    QTest::mouseClick(btLeft, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(btLeft->Value());
    QTest::mouseClick(btRight, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(btRight->Value());
    EXPECT_FALSE(btLeft->Value());
    EXPECT_TRUE(elsewhere->Value()) << "groups are per parent container";

    // Writing True releases whichever other was down.
    btNone->SetValue(true);
    EXPECT_TRUE(btNone->Value());
    EXPECT_FALSE(btRight->Value());

    // Clicking the down one leaves it down and still clicks; writing False is ignored.
    QTest::mouseClick(btNone, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(btNone->Value());
    btNone->SetValue(false);
    EXPECT_TRUE(btNone->Value());
    btNone->toggle(); // an assistive tool's toggle action obeys the group too
    EXPECT_TRUE(btNone->Value());
    EXPECT_TRUE(btNone->isChecked());
    btRight->toggle();
    EXPECT_TRUE(btRight->Value());
    EXPECT_FALSE(btNone->isChecked());
    btNone->SetValue(true);
    QTest::mouseClick(btLeft, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(btLeft->Value());
    EXPECT_FALSE(btNone->Value());
    EXPECT_EQ(leftClicks.count(), 2);

    // With GroupAllowNoSel the group may be left empty, and the setting spreads.
    btLeft->SetGroupAllowNoSel(true);
    EXPECT_TRUE(btLeft->Value()) << "changing the setting keeps the choice";
    EXPECT_TRUE(btRight->GroupAllowNoSel());
    QTest::mouseClick(btLeft, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(btLeft->Value());
    EXPECT_FALSE(btNone->Value());

    // A button that is not a toggle button never stores True.
    ToxButton plain(box);
    plain.SetValue(true);
    EXPECT_FALSE(plain.Value());
}

TEST_F(ToxButtonBehaviour, GroupSettingsChangedOnAnUpButtonLeaveTheDownButtonAlone)
{
    QWidget w;
    w.resize(200, 60);
    ToxButton *btLeft = new ToxButton(&w), *btRight = new ToxButton(&w), *btNone = new ToxButton(&w);
    int x = 0;
    for (ToxButton *b : {btLeft, btRight, btNone}) {
        b->setGeometry(x, 0, 42, 20);
        x += 45;
        b->SetStyle(bsStandard);
        b->SetButtonType(oxbToggle);
    }
    ShowActive(w);
    QTest::mouseClick(btRight, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(btRight->Value());

    btLeft->SetGroup(3);
    btLeft->SetGroup(0); // back into the group, still up
    EXPECT_TRUE(btRight->Value());
    EXPECT_TRUE(btRight->isChecked());
    btNone->SetGroupAllowNoSel(true);
    EXPECT_TRUE(btRight->Value());
    EXPECT_TRUE(btRight->GroupAllowNoSel()) << "the setting still spreads through the group";
    EXPECT_FALSE(btLeft->Value());
    EXPECT_FALSE(btNone->Value());

    // The group keeps working: a click moves the choice.
    QTest::mouseClick(btNone, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(btNone->Value());
    EXPECT_FALSE(btRight->Value());
}

TEST_F(ToxButtonBehaviour, DisablingAPressedButtonDrawsItUpAndItDoesNotClick)
{
    QWidget w;
    w.resize(200, 80);
    auto *b = new ToxButton(&w), *reference = new ToxButton(&w);
    b->setGeometry(0, 0, 60, 25);
    reference->setGeometry(0, 40, 60, 25);
    for (ToxButton *x : {b, reference}) {
        x->SetStyle(bsStandard);
        x->SetFocusStyle({});
        x->SetCaption(QStringLiteral("Stop"));
    }
    QSignalSpy clicks(b, &ToxButton::OnClick);
    ShowActive(w);
    const QImage up = Grab(*reference);
    reference->setEnabled(false);
    const QImage disabledUp = Grab(*reference);

    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(30, 12));
    ASSERT_TRUE(b->IsDown());
    b->setEnabled(false);
    EXPECT_FALSE(b->IsDown());
    EXPECT_FALSE(b->IsPressed());
    EXPECT_EQ(Grab(*b), disabledUp);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(30, 12));
    b->setEnabled(true);
    EXPECT_EQ(Grab(*b), up);
    EXPECT_EQ(clicks.count(), 0);

    // The same when Space holds it down.
    b->setFocus();
    QTest::keyPress(b, Qt::Key_Space);
    ASSERT_TRUE(b->IsDown());
    b->setEnabled(false);
    EXPECT_EQ(Grab(*b), disabledUp);
    QTest::keyRelease(b, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ToxButtonBehaviour, SpaceClicksOnReleaseAndTogglesAToggleButton)
{
    QWidget w;
    w.resize(200, 60);
    auto *b = new ToxButton(&w);
    b->setGeometry(0, 0, 75, 25);
    QSignalSpy clicks(b, &ToxButton::OnClick);
    ShowActive(w);
    b->setFocus();

    QTest::keyPress(b, Qt::Key_Space);
    EXPECT_TRUE(b->IsDown());
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(b, Qt::Key_Space);
    EXPECT_FALSE(b->IsDown());
    EXPECT_EQ(clicks.count(), 1);

    b->SetButtonType(oxbToggle);
    b->SetGroupAllowNoSel(true);
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_TRUE(b->Value());
    QTest::keyClick(b, Qt::Key_Return);
    EXPECT_FALSE(b->Value()) << "Enter toggles as well";
    EXPECT_EQ(clicks.count(), 3);
}

TEST_F(ToxButtonBehaviour, RepeatButtonClicksWhileHeldAndOnceForAQuickClick)
{
    QWidget w;
    w.resize(200, 60);
    auto *b = new ToxButton(&w);
    b->setGeometry(0, 0, 75, 25);
    b->SetButtonType(oxbRepeat);
    b->SetInitDelay(20);
    b->SetDelay(5);
    int clicks = 0;
    QObject::connect(b, &ToxButton::OnClick, [&] { ++clicks; });
    ShowActive(w);

    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks >= 3; }, 5000));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(20, 10));
    const int held = clicks;
    QTest::qWait(30);
    EXPECT_EQ(clicks, held) << "release stops the repeat and adds no click";

    // Dragged off, the repeat pauses.
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(b, QPoint(150, 40));
    const int off = clicks;
    QTest::qWait(40);
    EXPECT_EQ(clicks, off);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(150, 40));

    b->SetInitDelay(60000);
    clicks = 0;
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks, 1);
}

// A small dialog: a list box holding the focus, an OK (Default) and a Cancel button.
struct TDialogFixture {
    QDialog Dialog;
    QListWidget *List;
    ToxButton *Ok, *Cancel, *Other;
    TDialogFixture()
    {
        Dialog.resize(300, 200);
        List = new QListWidget(&Dialog);
        List->setGeometry(5, 5, 200, 100);
        List->addItems({"cat", "dog"});
        Ok = new ToxButton(&Dialog);
        Ok->setGeometry(5, 120, 75, 25);
        Ok->SetKind(bkOK);
        Cancel = new ToxButton(&Dialog);
        Cancel->setGeometry(90, 120, 75, 25);
        Cancel->SetKind(bkCancel);
        Other = new ToxButton(&Dialog);
        Other->setGeometry(175, 120, 75, 25);
        Other->SetCaption(QStringLiteral("&Preview"));
    }
};

TEST_F(ToxButtonBehaviour, EnterClicksDefaultWhileAListBoxHasFocusEscapeTheCancelButton)
{
    TDialogFixture f;
    EXPECT_EQ(f.Ok->Caption(), QStringLiteral("OK"));
    EXPECT_TRUE(f.Ok->Default());
    EXPECT_TRUE(f.Cancel->Cancel());
    QSignalSpy ok(f.Ok, &ToxButton::OnClick), cancel(f.Cancel, &ToxButton::OnClick);
    ShowActive(f.Dialog);
    f.List->setFocus();
    EXPECT_TRUE(f.Ok->IsActive());

    QTest::keyClick(f.List, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(f.List, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(ok.count(), 0);
    EXPECT_EQ(cancel.count(), 0);
    EXPECT_TRUE(f.Dialog.isVisible());

    QTest::keyClick(f.List, Qt::Key_Return);
    EXPECT_EQ(ok.count(), 1);
    EXPECT_EQ(f.Dialog.result(), mrOk);
    EXPECT_FALSE(f.Dialog.isVisible());

    ShowActive(f.Dialog);
    f.List->setFocus();
    QTest::keyClick(f.List, Qt::Key_Escape);
    EXPECT_EQ(cancel.count(), 1);
    EXPECT_EQ(f.Dialog.result(), mrCancel);
    EXPECT_FALSE(f.Dialog.isVisible());
}

TEST_F(ToxButtonBehaviour, EscapeDoesNothingInADialogWithoutAUsableCancelButton)
{
    // The no-words dialog: a Yes (Default) and a No button, neither of them Cancel.
    QDialog dialog;
    dialog.resize(300, 100);
    auto *yes = new ToxButton(&dialog);
    yes->setGeometry(5, 5, 120, 25);
    yes->SetCaption(QStringLiteral("&Yes"));
    yes->SetDefault(true);
    yes->SetModalResult(mrYes);
    auto *no = new ToxButton(&dialog);
    no->setGeometry(130, 5, 120, 25);
    no->SetCaption(QStringLiteral("&No"));
    no->SetModalResult(mrNo);
    QSignalSpy yesClicks(yes, &ToxButton::OnClick), noClicks(no, &ToxButton::OnClick);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    ShowActive(dialog);

    no->setFocus();
    QTest::keyClick(no, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(rejected.count(), 0);
    dialog.setFocus(); // nothing focused inside: the key goes to the dialog itself
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(rejected.count(), 0);
    EXPECT_EQ(yesClicks.count() + noClicks.count(), 0);

    // A Cancel button that is disabled cannot act, so Escape still does nothing.
    no->SetCancel(true);
    no->setEnabled(false);
    yes->setFocus();
    QTest::keyClick(yes, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(noClicks.count(), 0);
    no->setEnabled(true);
    QTest::keyClick(yes, Qt::Key_Escape);
    EXPECT_EQ(noClicks.count(), 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), mrNo);
}

TEST_F(ToxButtonBehaviour, EnterClicksTheFocusedButtonNotTheDefault)
{
    TDialogFixture f;
    QSignalSpy ok(f.Ok, &ToxButton::OnClick), other(f.Other, &ToxButton::OnClick);
    ShowActive(f.Dialog);
    f.Other->setFocus();
    EXPECT_FALSE(f.Ok->IsActive());
    EXPECT_TRUE(f.Other->IsActive());
    QTest::keyClick(f.Other, Qt::Key_Return);
    EXPECT_EQ(other.count(), 1);
    EXPECT_EQ(ok.count(), 0);
    EXPECT_TRUE(f.Dialog.isVisible()) << "ModalResult 0 keeps the dialog open";
}

TEST_F(ToxButtonBehaviour, AcceleratorClicksLikeEnter)
{
    TDialogFixture f;
    QSignalSpy preview(f.Other, &ToxButton::OnClick), cancel(f.Cancel, &ToxButton::OnClick);
    ShowActive(f.Dialog);
    f.List->setFocus();
    QTest::keyClick(f.List, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(preview.count(), 1);

    // A plain letter counts too while a button, which takes no text, has the focus.
    f.Other->setFocus();
    QTest::keyClick(f.Other, Qt::Key_C);
    EXPECT_EQ(cancel.count(), 1);
    EXPECT_EQ(f.Dialog.result(), mrCancel);
}

TEST_F(ToxButtonBehaviour, ModalResultEndsExecAndHandlerSeesItFirst)
{
    TDialogFixture f;
    int seen = -1;
    QObject::connect(f.Ok, &ToxButton::OnClick, [&] { seen = f.Dialog.result(); });
    QTimer::singleShot(0, f.Ok, [&] { QTest::mouseClick(f.Ok, Qt::LeftButton, {}, QPoint(10, 10)); });
    EXPECT_EQ(f.Dialog.exec(), mrOk);
    EXPECT_EQ(seen, mrOk);

    // QAbstractButton's own click paths give the same result and one OnClick.
    QSignalSpy onClick(f.Ok, &ToxButton::OnClick), clicked(f.Ok, &QAbstractButton::clicked);
    ShowActive(f.Dialog);
    static_cast<QAbstractButton *>(f.Ok)->click();
    EXPECT_EQ(f.Dialog.result(), mrOk);
    EXPECT_FALSE(f.Dialog.isVisible());
    EXPECT_EQ(onClick.count(), 1);
    EXPECT_EQ(clicked.count(), 1);
    ShowActive(f.Dialog);
    f.Ok->animateClick();
    EXPECT_TRUE(QTest::qWaitFor([&] { return onClick.count() == 2; }, 5000));
    EXPECT_EQ(clicked.count(), 2);

    // A handler that clears the result keeps the dialog open.
    QObject::connect(f.Cancel, &ToxButton::OnClick, [&] { f.Dialog.setResult(mrNone); });
    ShowActive(f.Dialog);
    f.Cancel->Click();
    EXPECT_TRUE(f.Dialog.isVisible());
}

TEST_F(ToxButtonBehaviour, BorderlessButtonReactsOnlyOverCaptionOrPicture)
{
    TTiledParent parent;
    parent.resize(460, 120);
    ToxButton *about = MainButton(&parent, QStringLiteral("Pellan"), QRect(20, 10, 411, 41));
    about->SetStyle(bsBorderless);
    QSignalSpy aboutClicks(about, &ToxButton::OnClick);

    auto *arrow = new ToxButton(&parent);
    arrow->setGeometry(20, 60, 40, 40);
    arrow->SetStyle(bsBorderless);
    QPixmap pm(16, 16);
    pm.fill(Qt::red);
    arrow->PictureUp()->SetIcon(QIcon(pm));
    arrow->SetPictureX(0);
    arrow->SetPictureY(0);
    QSignalSpy arrowClicks(arrow, &ToxButton::OnClick);
    ShowActive(parent);

    const QRect caption = about->CaptionRect();
    ASSERT_FALSE(caption.isEmpty());
    arrow->setFocus();
    QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(aboutClicks.count(), 0);
    EXPECT_EQ(parent.Presses, 1) << "the press went to the picture beneath";
    EXPECT_FALSE(about->hasFocus());
    QTest::mouseClick(about, Qt::LeftButton, {}, caption.center());
    EXPECT_EQ(aboutClicks.count(), 1);
    EXPECT_TRUE(about->hasFocus()) << "a clear button takes the focus when pressed";

    // Hot follows the hit test.
    QTest::mouseMove(about, QPoint(3, 3));
    EXPECT_FALSE(about->IsHot());
    QTest::mouseMove(about, caption.center());
    EXPECT_TRUE(about->IsHot());

    QTest::mouseClick(arrow, Qt::LeftButton, {}, QPoint(36, 36));
    EXPECT_EQ(arrowClicks.count(), 0);
    QTest::mouseClick(arrow, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(arrowClicks.count(), 1);
}

TEST_F(ToxButtonBehaviour, KindsAndLines)
{
    ToxButton b;
    b.SetKind(bkNo);
    EXPECT_EQ(b.Caption(), QStringLiteral("&No"));
    EXPECT_EQ(b.ModalResult(), mrNo);
    EXPECT_TRUE(b.Cancel());
    b.SetKind(bkYes);
    EXPECT_TRUE(b.Default());
    EXPECT_EQ(b.ModalResult(), mrYes);

    EXPECT_EQ(LinesToCaption({"a", "", "b"}), QStringLiteral("a||||b"));
    EXPECT_EQ(CaptionToLines(QStringLiteral("a||||b")), (QStringList{"a", "", "b"}));
    EXPECT_EQ(CaptionToLines(QStringLiteral("Run")), QStringList{"Run"});
    EXPECT_EQ(CaptionToLines(QString(300, QLatin1Char('x'))).first().size(), 254);

    // bkClose closes its form.
    QWidget form;
    auto *close = new ToxButton(&form);
    close->SetKind(bkClose);
    form.show();
    close->Click();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ToxButtonBehaviour, ClickHandlerErrorReachesTheCallerAndTheDialogStillCloses)
{
    TDialogFixture f;
    QObject::connect(f.Ok, &ToxButton::OnClick, [] { throw std::runtime_error("handler failed"); });
    ShowActive(f.Dialog);
    EXPECT_THROW(f.Ok->Click(), std::runtime_error);
    EXPECT_EQ(f.Dialog.result(), mrOk);
    EXPECT_FALSE(f.Dialog.isVisible());
}

TEST_F(ToxButtonBehaviour, MenuButtonDropsItsMenuUnderItselfAndDoesNotClick)
{
    QWidget w;
    w.resize(200, 100);
    auto *b = new ToxButton(&w);
    b->setGeometry(10, 10, 75, 25);
    b->SetButtonType(oxbMenu);
    QMenu menu;
    menu.addAction(QStringLiteral("one"));
    b->SetPopupMenu(&menu);
    QSignalSpy clicks(b, &ToxButton::OnClick);
    ShowActive(w);

    int shown = 0;
    QPoint at;
    auto watch = [&] {
        QTimer::singleShot(0, &menu, [&] {
            shown += menu.isVisible();
            at = menu.pos();
            menu.close();
        });
    };
    watch();
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(at.x(), b->mapToGlobal(QPoint(0, 0)).x());
    EXPECT_GE(at.y(), b->mapToGlobal(QPoint(0, 25)).y());
    EXPECT_FALSE(b->IsDown());
    EXPECT_FALSE(b->IsPressed());
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(20, 10));

    b->setFocus();
    watch();
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ToxButtonBehaviour, FocusedButtonDrawsADottedRectangleAroundItsCaption)
{
    QWidget w;
    w.resize(200, 100);
    auto *a = new ToxButton(&w), *b = new ToxButton(&w);
    a->setGeometry(10, 10, 100, 30);
    b->setGeometry(10, 50, 100, 30);
    for (ToxButton *x : {a, b}) {
        x->SetStyle(bsStandard);
        x->SetTextX(0);
        x->SetTextY(0);
        x->SetCaption(QStringLiteral("Save"));
    }
    ShowActive(w);
    a->setFocus();
    const QRect r = a->CaptionRect();
    QImage img = Grab(*a);
    const QRgb inverted = kFace ^ 0xFFFFFF;
    EXPECT_EQ(Px(img, r.left(), r.top()), inverted);
    EXPECT_EQ(Px(img, r.left() + 1, r.top()), kFace);
    EXPECT_EQ(Px(img, r.left() + 2, r.top()), inverted);
    b->setFocus();
    EXPECT_EQ(CountOf(Grab(*a), inverted, QRect(r.left(), r.top(), r.width(), 1)), 0);
}

TEST_F(ToxButtonBehaviour, FocusOutlineOfAPressedInsetButtonMovesWithTheFace)
{
    QWidget w;
    w.resize(200, 100);
    auto *inset = new ToxButton(&w), *standard = new ToxButton(&w);
    inset->setGeometry(10, 10, 60, 30);
    standard->setGeometry(10, 50, 60, 30);
    for (ToxButton *b : {inset, standard})
        b->SetFocusStyle(fsOutline);
    inset->SetStyle(bsInset);
    standard->SetStyle(bsStandard);
    ShowActive(w);
    const QRgb inverted = kFace ^ 0xFFFFFF;

    // bsInset: 4 pixels in, one pixel further right and down while pressed.
    inset->setFocus();
    const QRect up = BoxOf(Grab(*inset), inverted);
    EXPECT_EQ(up, QRect(4, 4, 52, 22));
    QTest::mousePress(inset, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_EQ(BoxOf(Grab(*inset), inverted), up.translated(1, 1));
    QTest::mouseRelease(inset, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_EQ(BoxOf(Grab(*inset), inverted), up);

    // bsStandard: 3 pixels in, and it stays put.
    standard->setFocus();
    const QRect standardUp = BoxOf(Grab(*standard), inverted);
    EXPECT_EQ(standardUp, QRect(3, 3, 54, 24));
    QTest::mousePress(standard, Qt::LeftButton, {}, QPoint(30, 15));
    EXPECT_EQ(BoxOf(Grab(*standard), inverted), standardUp);
    QTest::mouseRelease(standard, Qt::LeftButton, {}, QPoint(30, 15));
}

TEST(CreateCommandButton, DialogLookAndPlainLook)
{
    QWidget w;
    ToxButton *dialog = CreateCommandButton(&w, QRect(7, 108, 162, 25), QStringLiteral("&Yes"), TCommandLook::Dialog);
    EXPECT_EQ(dialog->parentWidget(), &w);
    EXPECT_EQ(dialog->geometry(), QRect(7, 108, 162, 25));
    EXPECT_EQ(dialog->Caption(), QStringLiteral("&Yes"));
    EXPECT_EQ(dialog->Style(), bsStandard);
    EXPECT_EQ(dialog->Font3D(), fsInset);
    EXPECT_EQ(dialog->Background()->Style(), oxbSolid);
    EXPECT_EQ(dialog->FocusStyle(), ToxFocusStyles(fsBoldFont));
    EXPECT_EQ(dialog->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(dialog->font().pixelSize(), 11);

    ToxButton *plain = CreateCommandButton(&w, QRect(7, 331, 75, 25), QStringLiteral("&Ok"), TCommandLook::Plain);
    EXPECT_EQ(plain->geometry(), QRect(7, 331, 75, 25));
    EXPECT_EQ(plain->Caption(), QStringLiteral("&Ok"));
    EXPECT_EQ(plain->Style(), bsAuto);
    EXPECT_EQ(plain->Font3D(), fsNormal);
    EXPECT_EQ(plain->FocusStyle(), ToxFocusStyles(fsDefault) | fsText);
    const ToxButton fresh(&w);
    EXPECT_EQ(plain->font(), fresh.font());
}

// A translated caption a little too wide for its fixed button is drawn one
// step smaller at a time, down to three quarters of the size and no further.
TEST(CreateCommandButton, ACaptionTooWideIsDrawnSmallerDownToThreeQuartersOfTheSize)
{
    QWidget w;
    const QString caption = QStringLiteral("Alle angleichen");
    auto wide = [&](int pixels, bool bold) {
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setPixelSize(pixels);
        f.setBold(bold);
        return QFontMetrics(f).size(Qt::TextShowMnemonic, caption).width() + 4;
    };
    // The dialog look is bold while focused: it is the bold caption that must fit.
    ASSERT_GT(wide(11, true), wide(11, false));
    ASSERT_LE(wide(10, true), wide(11, false));
    const struct {
        int width, pixels;
    } cases[] = {
        {wide(11, true), 11},       // fits: unchanged
        {wide(11, false), 10},      // fits only while not focused
        {wide(10, true), 10},       // one step
        {wide(9, true) + 1, 9},     // two steps
        {wide(9, true) - 1, 11},    // three quarters of 11 is 8.25: 9 is the last step, so no fit, no change
    };
    for (const auto &c : cases) {
        ToxButton *b = CreateCommandButton(&w, QRect(0, 0, c.width, 25), caption, TCommandLook::Dialog);
        EXPECT_EQ(b->font().pixelSize(), c.pixels) << c.width;
    }
    QFont twelve(QStringLiteral("MS Sans Serif"));
    twelve.setPixelSize(12);
    ToxButton *large = CreateCommandButton(&w, QRect(0, 0, wide(9, true), 25), QString(), TCommandLook::Dialog);
    large->setFont(twelve);
    large->SetCaption(caption);
    ShrinkCaptionToFit(large);
    EXPECT_EQ(large->font().pixelSize(), 9);   // exactly three quarters of 12

    // The plain look's font is in points, halved a step at a time.
    ToxButton *plain = CreateCommandButton(&w, QRect(0, 0, 400, 25), caption, TCommandLook::Plain);
    QFont smaller = plain->font();
    smaller.setPointSizeF(plain->font().pointSizeF() - 0.5);
    plain->setFixedWidth(QFontMetrics(smaller).size(Qt::TextShowMnemonic, caption).width() + 4);
    const qreal before = plain->font().pointSizeF();
    ShrinkCaptionToFit(plain);
    EXPECT_EQ(plain->font().pointSizeF(), before - 0.5);
}

} // namespace
