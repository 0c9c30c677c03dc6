#include "app/Application.h"
#include "app/uMain.h"
#include "audio/MMWave.h"
#include "data/uCommon.h"
#include "picture/PGImage.h"
#include "run/uRun.h"
#include "widgets/Balloon.h"
#include "widgets/oxBtns.h"
#include "platform/AtomicFile.h"
#include "platform/ProgramFile.h"
#include "platform/help.h"
#include "support/ProgramFolder.h"
#include "support/MessageLog.h"
#include "support/TestSupport.h"
#include "support/WaveFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHelpEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QToolTip>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

// A program folder in a temporary directory, with or without the pictures
// that come with the program.
class ProgramFolder : public ProgramFolderTest {
protected:
    void withImages() { CopyImage("confetti.jpg"); }
    QStringList filesInFolder() const
    {
        QStringList files;
        QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(dir.path()).relativeFilePath(it.next());
        files.sort();
        return files;
    }
    void withHelp() { CopyHelp(); }

    // The help viewer that is open, if any.
    static THelpViewer *openViewer()
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *v = qobject_cast<THelpViewer *>(top); v && v->isVisible())
                return v;
        return nullptr;
    }

    // Runs the application's event loop the way the program does; a loop that
    // does not end within a generous time is ended with 1.
    static int RunEventLoop()
    {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(10000);
        const int result = QCoreApplication::exec();
        // Closing the last window inside the loop also posts Qt's own quit
        // event; the program ends before it arrives, but here it would reach
        // the next test's event loop and close its windows.
        QCoreApplication::removePostedEvents(QCoreApplication::instance(), QEvent::Quit);
        return result;
    }
};

} // namespace

TEST_F(ProgramFolder, FirstStartShowsDefaultsAndWritesNothing)
{
    withImages();
    MessageLog log;
    {
        TfmMain w;
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        EXPECT_FALSE(w.Terminated());
        EXPECT_TRUE(log.Texts.isEmpty()) << log.Texts.join("; ").toStdString();
        EXPECT_EQ(w.size(), QSize(471, 292));
        EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
        ASSERT_NE(w.pgBack->PixelGraphic(), nullptr);
        EXPECT_EQ(w.pgBack->Tiling(), tRepeat);
        EXPECT_EQ(w.pgBack->FileName(), file("images/confetti.jpg"));
        EXPECT_EQ(w.btRun->FontColor(), 0x800000);   // navy
        EXPECT_EQ(w.btAbout->FontColor(), 0x800000);
        EXPECT_EQ(w.btRun->toolTip(), "Click to run");
        EXPECT_TRUE(QFileInfo(file("wav")).isDir());
        EXPECT_TRUE(NowWords.isEmpty());
        w.btExit->click();
        EXPECT_FALSE(w.isVisible());
    }
    EXPECT_EQ(filesInFolder(), QStringList({"images/confetti.jpg"}));
}

TEST_F(ProgramFolder, TabOrderFollowsTheButtonsAndStartsOnRun)
{
    withImages();
    TfmMain w;
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(QApplication::focusWidget(), w.btRun);
    QList<QWidget *> order;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget();
    }
    EXPECT_EQ(order, (QList<QWidget *>{w.btConfigure, w.btHelp, w.btExit, w.btAbout, w.btRun}));
}

TEST_F(ProgramFolder, MissingBackgroundIsReportedAndTheWindowStillWorks)
{
    WriteAll(file("lumword.lst"), "2;ball;7\r\n");
    WriteAll(file("lumword.INI"), "[Main]\nPosition=" + WordListChecksum(file("lumword.lst")).toLatin1() + "\n");
    MessageLog log;
    TfmMain w;
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_TRUE(log.Texts[0].contains("confetti.jpg"));
    EXPECT_FALSE(w.Terminated());
    EXPECT_EQ(w.pgBack->PixelGraphic(), nullptr);
    EXPECT_TRUE(w.pgBack->FileName().isEmpty());
    EXPECT_EQ(NowWords, (TWordList{{"ball", 7}}));
}

TEST_F(ProgramFolder, ChangedWordListEndsTheProgramAfterTheMessage)
{
    withImages();
    withHelp();
    WriteAll(file("lumword.lst"), "2;ball;7\r\n");
    WriteAll(file("lumword.INI"), "[Main]\nPosition=" + WordListChecksum(file("lumword.lst")).toLatin1() + "\n");
    WriteAll(file("lumword.lst"), "2;bell;7\r\n");   // one character changed by hand

    // Another window of the program is open: it must not keep the program alive.
    QPointer<THelpViewer> viewer = HelpShowTopic(0);
    MessageLog log;
    TfmMain w;
    EXPECT_EQ(log.Texts, QStringList({"There was an error reading the sounds database. Terminating program"}));
    EXPECT_TRUE(w.Terminated());
    EXPECT_TRUE(NowWords.isEmpty());

    // The end is already asked for: the event loop ends on its own.
    EXPECT_EQ(RunEventLoop(), 0);
    EXPECT_TRUE(viewer.isNull() || !viewer->isVisible());
}

TEST_F(ProgramFolder, AHandEditedListStopsTheStartEvenBesideALeftoverPendingList)
{
    withImages();
    WriteAll(file("lumword.lst"), "2;ball;7\r\n");
    WriteAll(file("lumword.INI"), "[Main]\nPosition=" + WordListChecksum(file("lumword.lst")).toLatin1() + "\n");
    WriteAll(file("lumword.lst"), "2;bell;7\r\n");
    WriteAll(file("lumword.lst.pending"), "2;half a save;9\r\n");
    MessageLog log;
    TfmMain w;
    EXPECT_EQ(log.Texts, QStringList({"There was an error reading the sounds database. Terminating program"}));
    EXPECT_TRUE(w.Terminated());
    EXPECT_EQ(ReadAll(file("lumword.lst")), QByteArray("2;bell;7\r\n"));
    QCoreApplication::processEvents();   // the end request lapses outside the event loop
}

namespace {
struct TStopHere {};   // the program stops at this instant; nothing after it runs
} // namespace

TEST_F(ProgramFolder, ASaveStoppedAtAnyStepStartsQuietlyWithTheOldOrTheNewWords)
{
    const QByteArray oldList("2;ball;7\r\n");
    const QByteArray newList("1;cat;1\r\n2;ball;7\r\n2;sun;8\r\n");
    // A folder holding the old database, saved the usual way, and the new
    // lists in memory as the configuration dialog leaves them.
    auto prepare = [&](QTemporaryDir &folder) {
        SetProgramFilePath(folder.filePath("lumword"));
        QDir().mkdir(folder.filePath("images"));
        QFile::copy(QStringLiteral(LUMWORD_SOURCE_DIR) + "/dist/images/confetti.jpg", folder.filePath("images/confetti.jpg"));
        LoadSettings();
        ClearWordLists();
        SetWordListUnreadable(false);
        NowWords = {{"ball", 7}};
        SaveWordListAndSettings();
        EXPECT_EQ(ReadAll(folder.filePath("lumword.lst")), oldList);
        NewWords = {{"cat", 1}};
        NowWords = {{"ball", 7}, {"sun", 8}};
    };

    int steps = 0;
    {
        QTemporaryDir folder;
        prepare(folder);
        const TFileStepHook old = SetFileStepHook([&](TFileStep, const QString &) { ++steps; return true; });
        SaveWordListAndSettings();
        SetFileStepHook(old);
    }
    ASSERT_GT(steps, 0);

    bool sawOld = false, sawNew = false;
    for (int stopAt = 0; stopAt <= steps; ++stopAt) {
        QTemporaryDir folder;
        prepare(folder);
        int step = 0;
        const TFileStepHook old = SetFileStepHook([&](TFileStep, const QString &) {
            if (step++ == stopAt)
                throw TStopHere();
            return true;
        });
        try {
            SaveWordListAndSettings();
        } catch (const TStopHere &) {
        }
        SetFileStepHook(old);

        // The next start.
        Settings = TSettings();
        ClearWordLists();
        MessageLog log;
        TfmMain w;
        EXPECT_TRUE(log.Texts.isEmpty()) << "stopped before step " << stopAt << ": " << log.Texts.join("; ").toStdString();
        EXPECT_FALSE(w.Terminated()) << stopAt;
        const QByteArray list = ReadAll(folder.filePath("lumword.lst"));
        EXPECT_EQ(WordListChecksum(folder.filePath("lumword.lst")), Settings.ListChecksum) << stopAt;
        EXPECT_TRUE(list == oldList || list == newList) << stopAt << ": " << list.toStdString();
        EXPECT_EQ(NowWords.size(), list == newList ? 2 : 1) << stopAt;
        EXPECT_FALSE(QFileInfo::exists(folder.filePath("lumword.lst.pending"))) << stopAt;
        sawOld = sawOld || list == oldList;
        sawNew = sawNew || list == newList;
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(sawOld);
    EXPECT_TRUE(sawNew);
}

TEST_F(ProgramFolder, AChecksumWithoutAWordListStartsWithoutAMessage)
{
    withImages();
    WriteAll(file("lumword.INI"), "[Main]\nPosition=1A2B3C4D\n");
    MessageLog log;
    TfmMain w;
    EXPECT_TRUE(log.Texts.isEmpty()) << log.Texts.join("; ").toStdString();
    EXPECT_FALSE(w.Terminated());
    EXPECT_TRUE(AllWords.isEmpty());
    EXPECT_FALSE(WordListUnreadable());
}

TEST_F(ProgramFolder, WordListWithoutSettingsCountsAsChanged)
{
    withImages();
    WriteAll(file("lumword.lst"), "2;ball;7\r\n");
    MessageLog log;
    TfmMain w;
    EXPECT_TRUE(w.Terminated());
    QCoreApplication::processEvents();   // consume the queued quit
}

TEST_F(ProgramFolder, UnreadableWordListIsReportedAndNotOverwritten)
{
    withImages();
    QDir().mkdir(file("lumword.lst"));   // exists, cannot be read as a file
    MessageLog log;
    TfmMain w;
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_EQ(log.Texts[0], "Cannot open file " + file("lumword.lst"));
    EXPECT_FALSE(w.Terminated());
    EXPECT_TRUE(WordListUnreadable());

    // The first OK keeps it under another name and says where, once.
    w.ExecuteConfigDialog = [] {
        NowWords = {{"ball", 7}};
        return true;
    };
    w.btConfigure->click();
    ASSERT_EQ(log.Texts.size(), 2);
    EXPECT_EQ(log.Texts[1], "The old word list could not be read. It has been kept as " + file("lumword.lst.unreadable") + ".");
    EXPECT_TRUE(QFileInfo(file("lumword.lst.unreadable")).isDir());
    EXPECT_EQ(ReadAll(file("lumword.lst")), QByteArray("2;ball;7\r\n"));
    w.btConfigure->click();
    EXPECT_EQ(log.Texts.size(), 2);
}

TEST_F(ProgramFolder, ProtectNeedsShiftAndAltHeldWhileClicking)
{
    withImages();
    WriteAll(file("lumword.INI"), "[General]\nProtect=1\n");
    TfmMain w;
    w.show();
    int opened = 0;
    w.ExecuteConfigDialog = [&] { ++opened; return false; };
    const QPoint centre = w.btConfigure->rect().center();
    QTest::mouseClick(w.btConfigure, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseClick(w.btConfigure, Qt::LeftButton, Qt::ShiftModifier, centre);
    QTest::mouseClick(w.btConfigure, Qt::LeftButton, Qt::AltModifier, centre);
    EXPECT_EQ(opened, 0);
    QTest::mouseClick(w.btConfigure, Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier, centre);
    EXPECT_EQ(opened, 1);

    Settings.Protect = false;
    QTest::mouseClick(w.btConfigure, Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_EQ(opened, 2);
}

TEST_F(ProgramFolder, ACutRecordingIsFinishedAfterTheWindowIsUpAndBeforeConfigureOrRunOpen)
{
    withImages();
    QDir().mkdir(file("wav"));
    const QString sound = file("wav/word0000.wav");
    WriteWave(sound, Tone(440, 22050, 22050));
    const QByteArray whole = ReadAll(sound);
    // Cut off as by a crash: both sizes never patched.
    QByteArray cut = whole;
    cut.replace(4, 4, QByteArray(4, '\0'));
    cut.replace(whole.indexOf("data") + 4, 4, QByteArray(4, '\0'));
    // What the recovery makes of it, on a copy.
    QTemporaryDir other;
    WriteAll(other.filePath("word0000.wav"), cut);
    RecoverRecordings(other.path());
    const QByteArray repaired = ReadAll(other.filePath("word0000.wav"));
    ASSERT_NE(repaired, cut);
    // The recovery is held back a little, as by a slow disk.
    static std::atomic<int> recoveries{0};
    TfmMain::BeforeRecovery = [] {
        ++recoveries;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    };
    struct Reset {
        ~Reset() { TfmMain::BeforeRecovery = nullptr; }
    } reset;
    enum { shown, configure, run };
    {
        // Closed at once: the window does not end before the recovery has.
        WriteAll(sound, cut);
        TfmMain w;
    }
    EXPECT_EQ(ReadAll(sound), repaired) << "closed";
    for (const int way : {shown, configure, run}) {
        WriteAll(sound, cut);
        TfmMain w;
        EXPECT_EQ(ReadAll(sound), cut) << "the window waited for the recovery";
        QByteArray seen;
        if (way == shown) {
            // Once the window has painted, the recovery goes ahead by itself.
            recoveries = 0;
            w.show();
            EXPECT_TRUE(QTest::qWaitFor([&] { return ReadAll(sound) == repaired; }, 5000));
            // Painted again and then asked for by Configure: still the one recovery.
            w.repaint();
            w.ExecuteConfigDialog = [] { return false; };
            w.btConfigure->click();
            EXPECT_EQ(recoveries, 1);
            continue;
        }
        if (way == configure) {
            w.ExecuteConfigDialog = [&] {
                seen = ReadAll(sound);
                return false;
            };
            w.btConfigure->click();
        } else {
            // No word in use: Run shows its message box, modally.
            QTimer::singleShot(0, [&] {
                seen = ReadAll(sound);
                if (QWidget *box = QApplication::activeModalWidget())
                    box->close();
            });
            w.btRun->click();
        }
        EXPECT_EQ(seen, repaired) << (way == configure ? "Configure" : "Run");
    }
}

TEST_F(ProgramFolder, ConfigureOkSavesListChecksumAndSettingsCancelSavesNothing)
{
    withImages();
    TfmMain w;
    w.ExecuteConfigDialog = [] { return false; };
    w.btConfigure->click();
    EXPECT_EQ(filesInFolder(), QStringList({"images/confetti.jpg"}));

    w.ExecuteConfigDialog = [] {
        NowWords = {{"ball", 7}};
        Settings.OpeningColor = clMaroon;
        return true;
    };
    w.btConfigure->click();
    EXPECT_EQ(ReadAll(file("lumword.lst")), QByteArray("2;ball;7\r\n"));
    EXPECT_EQ(w.btRun->FontColor(), clMaroon);
    EXPECT_EQ(w.btExit->FontColor(), clMaroon);
    LoadSettings();
    EXPECT_EQ(Settings.ListChecksum, WordListChecksum(file("lumword.lst")));
    EXPECT_EQ(Settings.OpeningColor, clMaroon);
}

TEST_F(ProgramFolder, BackgroundDragsTheWindowWithAnyButtonOverPictureAndTiles)
{
    withImages();
    TfmMain w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_EQ(w.pgBack->BoxRect(), QRect(0, 0, 128, 128));   // the confetti tile, repeated around it
    // Events go to the window, so Qt delivers them to whatever lies under the
    // pointer: the picture box at (20, 20), the tiled area right of the buttons at (445, 150). The
    // pointer is a point on the screen; as the window follows it, the same
    // screen point has new window coordinates.
    QWindow *win = w.windowHandle();
    auto local = [&](const QPoint &screen) { return screen - w.pos(); };
    for (const QPoint at : {QPoint(20, 20), QPoint(445, 150)})
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            const QPoint start = w.pos();
            const QPoint pointer = w.pgBack->mapTo(&w, at) + w.pos();
            QTest::mousePress(win, button, Qt::NoModifier, local(pointer));
            QTest::mouseMove(win, local(pointer + QPoint(20, 15)));
            QTest::mouseRelease(win, button, Qt::NoModifier, local(pointer + QPoint(20, 15)));
            EXPECT_EQ(w.pos(), start + QPoint(20, 15)) << "button " << int(button) << " at " << at.x();
            // After the release, moving the pointer leaves the window where it is.
            const QPoint after = w.pos();
            QTest::mouseMove(win, local(pointer + QPoint(60, 60)));
            EXPECT_EQ(w.pos(), after) << "button " << int(button) << " at " << at.x();
        }
}

TEST_F(ProgramFolder, HintsFollowTheSettingAndAreBalloons)
{
    withImages();
    WriteAll(file("lumword.INI"), "[General]\nHints=0\n");
    TfmMain w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_FALSE(Application()->ShowHint());
    const QPoint at = w.btRun->rect().center();
    QHelpEvent off(QEvent::ToolTip, at, w.btRun->mapToGlobal(at));
    QApplication::sendEvent(w.btRun, &off);
    EXPECT_FALSE(QToolTip::isVisible());
    EXPECT_TRUE(ProgramHintWindow() == nullptr || !ProgramHintWindow()->isVisible());

    Application()->SetShowHint(true);
    QHelpEvent on(QEvent::ToolTip, at, w.btRun->mapToGlobal(at));
    QApplication::sendEvent(w.btRun, &on);
    EXPECT_FALSE(QToolTip::isVisible());
    auto *balloon = qobject_cast<TBalloonHintWindow *>(ProgramHintWindow());
    ASSERT_NE(balloon, nullptr);
    EXPECT_TRUE(balloon->isVisible());
    EXPECT_EQ(balloon->Hint(), "Click to run");
    CancelHint();
}

TEST_F(ProgramFolder, HelpButtonOpensTheContents)
{
    withImages();
    withHelp();
    TfmMain w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.btHelp, Qt::LeftButton, Qt::NoModifier, w.btHelp->rect().center());
    THelpViewer *viewer = openViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->CurrentTopic(), 0);
    EXPECT_FALSE(viewer->CurrentText().contains("no help topic"));
    EXPECT_FALSE(viewer->CurrentText().contains("could not be"));
    viewer->close();
}

TEST_F(ProgramFolder, ExitEndsTheProgramWhileTheHelpWindowIsOpen)
{
    withImages();
    withHelp();
    TfmMain w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QPointer<THelpViewer> viewer;
    bool opened = false;
    // The clicks come from inside the running event loop, as a person's do.
    QTimer clicks;
    clicks.setSingleShot(true);
    QObject::connect(&clicks, &QTimer::timeout, [&] {
        QTest::mouseClick(w.btHelp, Qt::LeftButton, Qt::NoModifier, w.btHelp->rect().center());
        viewer = openViewer();
        opened = viewer;
        QTest::mouseClick(w.btExit, Qt::LeftButton, Qt::NoModifier, w.btExit->rect().center());
    });
    clicks.start(0);
    EXPECT_EQ(RunEventLoop(), 0);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(viewer.isNull() || !viewer->isVisible());   // closing deletes it
    EXPECT_FALSE(w.isVisible());
}

TEST_F(ProgramFolder, RunShowsTheWordsInUseUntilEscape)
{
    withImages();
    WriteAll(file("lumword.lst"), "2;ball;7\r\n2;sun;8\r\n");
    WriteAll(file("lumword.INI"), "[General]\nSoundMode=2\n[Main]\nPosition=" +
                                      WordListChecksum(file("lumword.lst")).toLatin1() + "\n");
    TfmMain w;
    w.show();
    QString shown;
    bool sawScreen = false;
    QTimer look;
    look.setSingleShot(true);
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *run = qobject_cast<TfmRun *>(top); run && run->isVisible()) {
                sawScreen = true;
                shown = run->CurrentText;
                QTest::keyClick(run, Qt::Key_Escape);
            }
    });
    look.start(1500);
    QTimer guard;   // never hang the suite; dies with this test
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QApplication::closeAllWindows(); });
    guard.start(8000);
    w.btRun->click();
    EXPECT_TRUE(sawScreen);
    EXPECT_TRUE(shown == "ball" || shown == "sun") << shown.toStdString();
    EXPECT_TRUE(w.isVisible());
}
