// The selection page: moving words between new, in use and known with the
// arrow buttons, All and None, the counts, and what OK and Cancel take over.
#include "ConfigTestSupport.h"

#include "widgets/oxBtns.h"

#include <QDrag>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>

using namespace cfgtest;

namespace {

class SelectPage : public ConfigFolder {
protected:
    void SetUp() override
    {
        ConfigFolder::SetUp();
        Images({"confetti.jpg"});
        LoadSettings();
    }
    void TearDown() override
    {
        SetWordDragHook({});
        ConfigFolder::TearDown();
    }
    // Drags row `row` of `from` with the mouse and lets it go over the middle
    // of `onto`. The test platform has no drag of its own, so the hook does
    // what a desktop's drag does: enter, move and drop events over the target,
    // carrying the data the list put into the drag.
    void DragRow(TWordListBox *from, int row, QWidget *onto)
    {
        Entered = Moved = Dropped = false;
        DropAction = Qt::IgnoreAction;
        SetWordDragHook([this, onto](QDrag *drag) {
            LastDrag = drag;
            QWidget *target = static_cast<QAbstractScrollArea *>(onto)->viewport();
            const QPoint at = target->rect().center();
            // A desktop offers copying too, and proposes it.
            const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
            QDragEnterEvent enter(at, actions, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &enter);
            Entered = enter.isAccepted();
            QDragMoveEvent move(at, actions, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &move);
            Moved = move.isAccepted();
            QDropEvent drop(QPointF(at), actions, drag->mimeData(), Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &drop);
            Dropped = drop.isAccepted();
            DropAction = drop.dropAction();
            ++Drags;
        });
        MouseDrag(from, row);
    }
    // Presses on row `row` and moves the mouse away with the button held.
    static void MouseDrag(TWordListBox *from, int row)
    {
        QWidget *vp = from->viewport();
        const QPoint start = from->visualItemRect(from->item(row)).center();
        QTest::mousePress(vp, Qt::LeftButton, {}, start);
        const QPoint end = start + QPoint(0, 3 * QApplication::startDragDistance());
        // The first move arms the drag, a move past the drag distance starts it.
        for (const QPoint &at : {start + QPoint(0, 1), end}) {
            QMouseEvent moved(QEvent::MouseMove, QPointF(at), QPointF(vp->mapToGlobal(at)), Qt::NoButton, Qt::LeftButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(vp, &moved);
        }
        QTest::mouseRelease(vp, Qt::LeftButton, {}, end);
    }
    int Drags = 0;
    bool Entered = false, Moved = false, Dropped = false;
    Qt::DropAction DropAction = Qt::IgnoreAction;
    QPointer<QDrag> LastDrag;
};

} // namespace

TEST_F(SelectPage, MovingAllNewWordsToInUseChangesBothCountsAndSelectsExactlyTheMovedWords)
{
    NewWords = {{"kite", 4}, {"apple", 1}, {"moon", 6}};
    NowWords = {{"dog", 2}, {"ball", 3}};
    KnownWords = {{"sun", 9}};
    AllWords = NewWords + NowWords + KnownWords;
    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    EXPECT_EQ(dlg.laNew->text(), "3");
    EXPECT_EQ(dlg.laNow->text(), "2");
    EXPECT_EQ(dlg.laKnown->text(), "1");
    // A word already selected in use is not part of the move.
    ClickRow(dlg.lbNow, 0);
    ASSERT_EQ(SelectedTexts(dlg.lbNow), QStringList({"ball"}));

    Click(dlg.btAllNew);
    EXPECT_EQ(SelectedTexts(dlg.lbNew), QStringList({"apple", "kite", "moon"}));
    Click(dlg.btNew2Now);
    EXPECT_EQ(dlg.laNew->text(), "0");
    EXPECT_EQ(dlg.laNow->text(), "5");
    EXPECT_EQ(dlg.laKnown->text(), "1");
    EXPECT_EQ(Texts(dlg.lbNow), QStringList({"apple", "ball", "dog", "kite", "moon"}));
    EXPECT_EQ(SelectedTexts(dlg.lbNow), QStringList({"apple", "kite", "moon"}));
    // Sound numbers travel with their words.
    EXPECT_EQ(dlg.lbNow->Words(), TWordList({{"apple", 1}, {"ball", 3}, {"dog", 2}, {"kite", 4}, {"moon", 6}}));

    // The opposite arrow takes them straight back.
    Click(dlg.btNow2New);
    EXPECT_EQ(Texts(dlg.lbNew), QStringList({"apple", "kite", "moon"}));
    EXPECT_EQ(SelectedTexts(dlg.lbNew), QStringList({"apple", "kite", "moon"}));
    EXPECT_EQ(Texts(dlg.lbNow), QStringList({"ball", "dog"}));
    EXPECT_EQ(dlg.laNow->text(), "2");
}

TEST_F(SelectPage, AnArrowWithNothingSelectedMovesNothingAndClearsTheDestinationSelection)
{
    NewWords = {{"apple", 1}};
    NowWords = {{"ball", 3}, {"dog", 2}};
    KnownWords = {{"sun", 9}};
    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    ClickRow(dlg.lbNow, 1);
    ASSERT_EQ(SelectedTexts(dlg.lbNow), QStringList({"dog"}));
    Click(dlg.btKnown2Now);   // nothing selected in known
    EXPECT_EQ(Texts(dlg.lbNow), QStringList({"ball", "dog"}));
    EXPECT_TRUE(SelectedTexts(dlg.lbNow).isEmpty());
    EXPECT_EQ(Texts(dlg.lbKnown), QStringList({"sun"}));
    EXPECT_EQ(dlg.laNow->text(), "2");
    EXPECT_EQ(dlg.laKnown->text(), "1");
}

TEST_F(SelectPage, TwoWordsWithTheSameTextMoveByTheirOwnSelection)
{
    NewWords = {{"ball", 3}, {"ball", 8}};
    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    ASSERT_EQ(dlg.lbNew->Words(), TWordList({{"ball", 3}, {"ball", 8}}));
    ClickRow(dlg.lbNew, 1);
    Click(dlg.btNew2Now);
    EXPECT_EQ(dlg.lbNew->Words(), TWordList({{"ball", 3}}));
    EXPECT_EQ(dlg.lbNow->Words(), TWordList({{"ball", 8}}));
    // A second click on a selected entry takes it out of the selection.
    ClickRow(dlg.lbNew, 0);
    ClickRow(dlg.lbNew, 0);
    Click(dlg.btNew2Now);
    EXPECT_EQ(dlg.lbNew->Words(), TWordList({{"ball", 3}}));
}

TEST_F(SelectPage, NoneClearsAllSelectsEveryWordAndKnownWordsGoThroughInUse)
{
    NowWords = {{"ball", 3}, {"dog", 2}, {"egg", 5}};
    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    Click(dlg.btAllNow);
    Click(dlg.btNow2Known);
    EXPECT_EQ(Texts(dlg.lbKnown), QStringList({"ball", "dog", "egg"}));
    EXPECT_EQ(dlg.laKnown->text(), "3");
    Click(dlg.btNoneKnow);
    EXPECT_TRUE(SelectedTexts(dlg.lbKnown).isEmpty());
    ClickRow(dlg.lbKnown, 2);
    Click(dlg.btKnown2Now);
    EXPECT_EQ(dlg.lbNow->Words(), TWordList({{"egg", 5}}));
}

TEST_F(SelectPage, OkTakesTheListsOverAndCancelDropsEveryMove)
{
    AllWords = {{"ball", 3}, {"apple", 1}, {"odd", 11}};
    NewWords = {{"ball", 3}, {"apple", 1}};
    {
        TfmConfig dlg;
        Show(dlg);
        ShowPage(dlg, 2);
        Click(dlg.btAllNew);
        Click(dlg.btNew2Now);
        Click(dlg.btCancel);
    }
    EXPECT_EQ(NewWords, TWordList({{"ball", 3}, {"apple", 1}}));
    EXPECT_TRUE(NowWords.isEmpty());

    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    ClickRow(dlg.lbNew, 1);   // ball
    Click(dlg.btNew2Now);
    Click(dlg.btOk);
    EXPECT_EQ(NewWords, TWordList({{"apple", 1}}));
    EXPECT_EQ(NowWords, TWordList({{"ball", 3}}));
    EXPECT_TRUE(KnownWords.isEmpty());
    // A word of no category stays in the list of all words, sorted.
    EXPECT_EQ(AllWords, TWordList({{"apple", 1}, {"ball", 3}, {"odd", 11}}));
}

TEST_F(SelectPage, WordsSortWithoutRegardToCaseAndTheInUseListIsYellow)
{
    NowWords = {{"Zoo", 1}, {"apple", 2}, {"Banana", 3}};
    TfmConfig dlg;
    Show(dlg);
    EXPECT_EQ(Texts(dlg.lbNow), QStringList({"apple", "Banana", "Zoo"}));
    EXPECT_EQ(dlg.lbNow->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(dlg.lbNew->geometry(), QRect(18, 38, 135, 220));
    EXPECT_EQ(dlg.btNew2Now->geometry(), QRect(128, 264, 25, 24));
    EXPECT_EQ(dlg.btNew2Now->Style(), bsBorderless);
    EXPECT_FALSE(dlg.btNew2Now->PictureUp()->Empty());
}

TEST_F(SelectPage, AWordDraggedWithTheMouseOntoAnotherListMovesThere)
{
    NewWords = {{"apple", 1}, {"kite", 4}, {"moon", 6}};
    NowWords = {{"ball", 3}};
    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    DragRow(dlg.lbNew, 1, dlg.lbNow);
    ASSERT_EQ(Drags, 1) << "the mouse did not start a drag";
    EXPECT_TRUE(Entered);
    EXPECT_TRUE(Moved);
    EXPECT_TRUE(Dropped);
    EXPECT_EQ(DropAction, Qt::MoveAction);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(LastDrag.isNull()) << "the drag outlived its end";
    EXPECT_EQ(dlg.lbNew->Words(), TWordList({{"apple", 1}, {"moon", 6}}));
    EXPECT_EQ(dlg.lbNow->Words(), TWordList({{"ball", 3}, {"kite", 4}}));
    EXPECT_EQ(dlg.laNew->text(), "2");
    EXPECT_EQ(dlg.laNow->text(), "2");
    // And on from there to the known words.
    DragRow(dlg.lbNow, 1, dlg.lbKnown);
    EXPECT_EQ(dlg.lbKnown->Words(), TWordList({{"kite", 4}}));
    EXPECT_EQ(dlg.laKnown->text(), "1");
    Click(dlg.btOk);
    EXPECT_EQ(KnownWords, TWordList({{"kite", 4}}));
    EXPECT_EQ(NowWords, TWordList({{"ball", 3}}));
}

TEST_F(SelectPage, AWordDraggedOntoItsOwnListOrTheRecordingListStaysWhereItWas)
{
    NewWords = {{"apple", 1}, {"kite", 4}};
    AllWords = NewWords;
    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    DragRow(dlg.lbNew, 0, dlg.lbNew);
    ASSERT_EQ(Drags, 1);
    EXPECT_FALSE(Entered);
    EXPECT_FALSE(Moved);
    EXPECT_FALSE(Dropped);
    EXPECT_EQ(dlg.lbNew->Words(), TWordList({{"apple", 1}, {"kite", 4}}));
    EXPECT_EQ(dlg.laNew->text(), "2");
    // A list of the other page takes no drop either.
    DragRow(dlg.lbNew, 1, dlg.lbAll);
    ASSERT_EQ(Drags, 2);
    EXPECT_FALSE(Entered);
    EXPECT_FALSE(Dropped);
    EXPECT_EQ(dlg.lbNew->count(), 2);
    EXPECT_EQ(dlg.lbAll->count(), 2);
    // The test platform's own drag ends at once, dropping nothing; the drag
    // is gone afterwards.
    SetWordDragHook({});
    MouseDrag(dlg.lbNew, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dlg.lbNew->findChildren<QDrag *>().isEmpty());
    EXPECT_EQ(dlg.lbNew->count(), 2);
    // A drag from another program (the same text, no list of ours) is refused.
    QMimeData foreign;
    foreign.setText("apple");
    const QPoint at = dlg.lbNow->viewport()->rect().center();
    QDropEvent drop(QPointF(at), Qt::MoveAction, &foreign, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(dlg.lbNow->viewport(), &drop);
    EXPECT_FALSE(drop.isAccepted());
    EXPECT_EQ(dlg.lbNow->count(), 0);
}

TEST_F(SelectPage, ADragMovesTheSourcesCurrentEntryNotItsSelection)
{
    NewWords = {{"apple", 1}, {"kite", 4}, {"moon", 6}};
    NowWords = {{"ball", 3}};
    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    ClickRow(dlg.lbNew, 0);   // apple selected
    ClickRow(dlg.lbNew, 2);   // moon selected and current
    ASSERT_EQ(dlg.lbNew->currentRow(), 2);
    // The drop is delivered by the platform's drag; its end is the dialog's.
    emit dlg.lbNow->DroppedFrom(dlg.lbNew);
    EXPECT_EQ(dlg.lbNew->Words(), TWordList({{"apple", 1}, {"kite", 4}}));
    EXPECT_EQ(dlg.lbNow->Words(), TWordList({{"ball", 3}, {"moon", 6}}));
    EXPECT_EQ(dlg.lbNew->currentItem(), nullptr);
    EXPECT_EQ(dlg.laNew->text(), "2");
    EXPECT_EQ(dlg.laNow->text(), "2");
    // With no current entry a drop moves nothing.
    emit dlg.lbNow->DroppedFrom(dlg.lbNew);
    EXPECT_EQ(dlg.lbNew->count(), 2);
    EXPECT_TRUE(dlg.lbAll->dragDropMode() == QAbstractItemView::NoDragDrop);
}
