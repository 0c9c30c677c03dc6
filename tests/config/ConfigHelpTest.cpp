// Help beside the open dialog: the viewer takes clicks and keys while the
// modal dialog is open, closes by its own button, and outlives the dialog;
// links in the "?" pop-ups open their topics. Every click and key goes
// through the window, where a blocked window would drop it.
#include "ConfigTestSupport.h"

#include "platform/help.h"
#include "widgets/oxBtns.h"
#include "widgets/oxForm.h"

#include "support/PointerScan.h"

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QWhatsThis>

using namespace cfgtest;

namespace {

class DialogHelp : public ConfigFolder {
protected:
    void SetUp() override
    {
        ConfigFolder::SetUp();
        SetHelpFile(QStringLiteral(LUMWORD_SOURCE_DIR) + "/dist/Lumword.hlp");
        Images({"confetti.jpg"});
        LoadSettings();
    }
    void TearDown() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<THelpViewer *>(w))
                delete w;
        SetHelpFile(QStringLiteral("Lumword.hlp"));
        ConfigFolder::TearDown();
    }

    static THelpViewer *OpenViewer()
    {
        for (QWidget *w : QApplication::allWidgets())
            if (auto *v = qobject_cast<THelpViewer *>(w); v && v->isVisible())
                return v;
        return nullptr;
    }

    // A click as the window system delivers it: to the widget's window,
    // which a modal dialog may block.
    static void WindowClick(QWidget *w, QPoint at = QPoint(-1, -1))
    {
        if (at.x() < 0)
            at = w->rect().center();
        QWidget *top = w->window();
        ASSERT_NE(top->windowHandle(), nullptr);
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, w->mapTo(top, at));
        QApplication::processEvents();
    }

    // Where the browser shows a link to the topic, in viewport coordinates.
    static QPoint LinkAt(QTextBrowser *browser, int topic)
    {
        const QString href = QStringLiteral("topic:%1").arg(topic);
        QWidget *vp = browser->viewport();
        for (int y = 2; y < vp->height(); y += 3)
            for (int x = 2; x < vp->width(); x += 3)
                if (browser->anchorAt(QPoint(x, y)) == href)
                    return QPoint(x, y);
        return QPoint(-1, -1);
    }

    static QPushButton *ViewerButton(THelpViewer *v, const QString &caption)
    {
        for (QPushButton *b : v->findChildren<QPushButton *>())
            if (b->text() == caption)
                return b;
        return nullptr;
    }
};

} // namespace

TEST_F(DialogHelp, ViewerFromTheHelpButtonTakesClicksAndKeysAndClosesWhileTheDialogStaysAsItWas)
{
    TfmConfig dlg;
    Show(dlg);
    ASSERT_TRUE(dlg.isModal());
    Click(dlg.cbBold);   // some state of the dialog that must survive the help
    const bool bold = dlg.cbBold->isChecked();

    Click(dlg.btHelp);
    QPointer<THelpViewer> viewer = OpenViewer();
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
    EXPECT_EQ(viewer->CurrentTopic(), 200);

    // A link, clicked in the viewer's own window.
    auto *browser = viewer->findChild<QTextBrowser *>();
    const QPoint link = LinkAt(browser, 217);
    ASSERT_GE(link.x(), 0);
    WindowClick(browser->viewport(), link);
    EXPECT_EQ(viewer->CurrentTopic(), 217);

    // Contents, then scrolling by keys: the keys reach it only if its
    // window can have the focus.
    WindowClick(ViewerButton(viewer, "&Contents"));
    ASSERT_EQ(viewer->CurrentTopic(), 0);
    viewer->activateWindow();
    QApplication::setActiveWindow(viewer);
    browser->setFocus();
    ASSERT_GT(browser->verticalScrollBar()->maximum(), 0) << "the contents are longer than the window";
    QTest::keyClick(viewer->windowHandle(), Qt::Key_Space);
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);

    WindowClick(ViewerButton(viewer, "C&lose"));
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(viewer.isNull()) << "the viewer's own Close button closes it";
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), 0) << "the dialog was not closed";
    EXPECT_EQ(dlg.cbBold->isChecked(), bold);
    EXPECT_EQ(dlg.Pages->currentWidget(), dlg.tsGeneral);
}

TEST_F(DialogHelp, ViewerStaysOpenWhenTheDialogCloses)
{
    QPointer<THelpViewer> viewer;
    {
        TfmConfig dlg;
        Show(dlg);
        ShowPage(dlg, 2);
        Click(dlg.btHelp);
        viewer = OpenViewer();
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->CurrentTopic(), 400);
        Click(dlg.btCancel);
        EXPECT_FALSE(dlg.isVisible());
    }
    ASSERT_FALSE(viewer.isNull()) << "the viewer went with the dialog";
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->isWindow());
    EXPECT_EQ(viewer->parentWidget(), nullptr);
    EXPECT_EQ(viewer->CurrentTopic(), 400);
}

TEST_F(DialogHelp, ViewerOpenBeforeTheDialogIsUsableWithIt)
{
    QPointer<THelpViewer> viewer = HelpShowTopic(0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
    TfmConfig dlg;
    Show(dlg);
    QApplication::processEvents();
    auto *browser = viewer->findChild<QTextBrowser *>();
    const QPoint link = LinkAt(browser, 5000);
    ASSERT_GE(link.x(), 0);
    WindowClick(browser->viewport(), link);
    EXPECT_EQ(viewer->CurrentTopic(), 5000);
}

TEST_F(DialogHelp, ALinkInAPopUpOpensItsTopicInTheViewer)
{
    TfmConfig dlg;
    Show(dlg);
    // "?" in the caption, then the control: the Help button's pop-up (104)
    // links to the help of the three pages.
    QTest::mouseClick(dlg.oxForm1->CaptionButton(oxbHelp), Qt::LeftButton);
    ASSERT_TRUE(QWhatsThis::inWhatsThisMode());
    QTest::mouseClick(dlg.btHelp, Qt::LeftButton, {}, QPoint(5, 5));
    QWidget *popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    ASSERT_EQ(OpenViewer(), nullptr);

    // The pop-up shows a pointing hand over a link.
    const QPoint link = FindPointingHand(popup);
    ASSERT_GE(link.x(), 0) << "no link in the pop-up";
    QTest::mouseClick(popup, Qt::LeftButton, {}, link);
    QApplication::processEvents();

    THelpViewer *viewer = OpenViewer();
    ASSERT_NE(viewer, nullptr) << "the link opened nothing";
    EXPECT_TRUE(QList<int>({200, 300, 400}).contains(viewer->CurrentTopic())) << viewer->CurrentTopic();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the pop-up makes way for the viewer";
    EXPECT_TRUE(dlg.isVisible());
}

TEST_F(DialogHelp, EveryControlsHelpContextNamesATopicOfTheHelpFile)
{
    const THelpFile file = THelpFile::Load(HelpFilePath());
    ASSERT_TRUE(file.IsLoaded());
    TfmConfig dlg;
    QSet<int> used;
    for (QWidget *w : dlg.findChildren<QWidget *>())
        if (const int n = HelpContextOf(w); n != 0) {
            used.insert(n);
            EXPECT_TRUE(file.HasTopic(n)) << "topic " << n << " of " << w->metaObject()->className();
        }
    QSet<int> wanted = {104, 501, 502};
    for (int n = 201; n <= 220; ++n) wanted << n;   // 220: the language chooser beside the page
    for (int n = 301; n <= 309; ++n) wanted << n;
    wanted.remove(308);   // the time display has none: its topic is reached from 300
    for (int n = 401; n <= 408; ++n) wanted << n;
    wanted << 600;   // the daily plan's page and every control on it
    for (int n = 701; n <= 704; ++n) wanted << n;   // evening out the recordings
    wanted << 801 << 802;   // the voice for words without a recording
    wanted << 901 << 902;   // exporting and importing word packs
    EXPECT_EQ(used, wanted) << "each of these topics is some control's context help";
}
