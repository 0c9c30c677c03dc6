// The dialogs' hints are balloons too, through the main window's balloon
// component, and the dialog's "Show Hints" switches them all at once.
#include "app/Application.h"
#include "app/uMain.h"
#include "config/uConfig.h"
#include "data/uCommon.h"
#include "platform/ProgramFile.h"
#include "support/ProgramFolder.h"
#include "support/MessageLog.h"
#include "widgets/Balloon.h"
#include "widgets/oxBtns.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

class DialogHints : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyImage("confetti.jpg");
    }
    void TearDown() override
    {
        ProgramFolderTest::TearDown();
        CancelHint();
    }
    // The pointer comes to rest on `w`; the balloon's text, or empty when none shows.
    static QString RestOn(QWidget *w)
    {
        const QPoint at = w->rect().center();
        QHelpEvent rest(QEvent::ToolTip, at, w->mapToGlobal(at));
        QApplication::sendEvent(w, &rest);
        auto *balloon = qobject_cast<TBalloonHintWindow *>(ProgramHintWindow());
        EXPECT_FALSE(QToolTip::isVisible()) << "Qt's plain tip never shows";
        return balloon && balloon->isVisible() ? balloon->Hint() : QString();
    }
};

TEST_F(DialogHints, ConfigurationDialogHintsAreBalloonsAndItsShowHintsSwitchesThem)
{
    MessageLog log;
    TfmMain w;
    w.show();
    TfmConfig dialog(&w);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(RestOn(dialog.cbHints), "Select whether you want to use the balloon hints");
    // A tool that wants to look at it names a folder for the screenshot.
    if (const QString folder = qEnvironmentVariable("LUMWORD_SCREENSHOT_DIR"); !folder.isEmpty()) {
        QApplication::processEvents();
        QGuiApplication::sync();
        const QRect area = dialog.frameGeometry().united(ProgramHintWindow()->geometry());
        dialog.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(folder + "/dialog-balloon.png");
    }
    dialog.Pages->setCurrentWidget(dialog.tsRecord);
    EXPECT_EQ(RestOn(dialog.btNew), "Insert a new word");
    dialog.Pages->setCurrentWidget(dialog.tsGeneral);

    ASSERT_TRUE(dialog.cbHints->isChecked());
    QTest::mouseClick(dialog.cbHints, Qt::LeftButton, {}, QPoint(6, dialog.cbHints->height() / 2));
    ASSERT_FALSE(dialog.cbHints->isChecked());
    EXPECT_EQ(RestOn(dialog.cbHints), QString());
    EXPECT_EQ(RestOn(w.btRun), QString()) << "the main window's go too";
    QTest::mouseClick(dialog.cbHints, Qt::LeftButton, {}, QPoint(6, dialog.cbHints->height() / 2));
    EXPECT_EQ(RestOn(w.btRun), "Click to run");
}

} // namespace
