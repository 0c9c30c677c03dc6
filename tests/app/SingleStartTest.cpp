// One copy of the program per folder: a second start asks the running copy to
// come forward and ends; a copy that was killed does not keep the next out.
#include "app/Application.h"
#include "platform/SingleStart.h"
#include "support/TestSupport.h"

#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <QDir>

#include <csignal>
#include <functional>
#include <optional>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class SingleStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QFile::copy(QStringLiteral(LUMWORD_DIST_DIR) + "/lumword", Program()));
    }
    QString Program() const { return dir.filePath("lumword"); }
    // Starts the program copied into `folder` (the test's own by default).
    void Launch(QProcess &p, const QByteArray &token = {}, const QString &folder = {})
    {
        const QString in = folder.isEmpty() ? dir.path() : folder;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        if (!token.isEmpty())
            env.insert("XDG_ACTIVATION_TOKEN", QString::fromLatin1(token));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(in);
        p.start(QDir(in).filePath("lumword"), {});
        ASSERT_TRUE(p.waitForStarted(30000)) << p.errorString().toStdString();
    }
    // Turns this process's event loop (it may be the copy being asked) until
    // the program ends by itself; false, with the program killed, when it was
    // still running after half a minute.
    static bool EndsByItself(QProcess &p)
    {
        QEventLoop loop;
        QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        if (p.state() != QProcess::NotRunning)
            loop.exec();
        if (p.state() == QProcess::NotRunning)
            return true;
        p.kill();
        p.waitForFinished(30000);
        return false;
    }
    // Until the copy has taken the lock and listens; it never ends by itself.
    static bool Listening(QProcess &p, const QString &serverName)
    {
        for (int tries = 0; tries < 600 && !Answers(serverName) && p.state() == QProcess::Running; ++tries)
            QTest::qSleep(100);
        return Answers(serverName);
    }
    // The lock a copy of the program leaves when it is killed.
    void LockOfAKilledCopy()
    {
        TSingleStart probe(Program());
        QProcess killed;
        Launch(killed);
        ASSERT_TRUE(Listening(killed, probe.ServerName())) << killed.readAllStandardError().toStdString();
        ::kill(pid_t(killed.processId()), SIGKILL);
        ASSERT_TRUE(killed.waitForFinished(30000));
        ASSERT_TRUE(QFileInfo::exists(probe.LockFileName())) << "the killed copy left its lock behind";
    }
    // The lock file with its line `line` (0: process, 2: machine) replaced.
    void LockWith(int line, const QByteArray &value)
    {
        const QString name = TSingleStart(Program()).LockFileName();
        QList<QByteArray> lines = ReadAll(name).split('\n');
        ASSERT_GT(lines.size(), line);
        lines[line] = value;
        WriteAll(name, lines.join('\n'));
    }
    static bool Answers(const QString &serverName)
    {
        QLocalSocket probe;
        probe.connectToServer(serverName);
        return probe.waitForConnected(1000);
    }

    QTemporaryDir dir;
};

// A file as a minute old: left from earlier, not by a copy starting now.
void Backdate(const QString &path)
{
    const timespec minuteAgo{::time(nullptr) - 60, 0};
    const timespec times[2] = {minuteAgo, minuteAgo};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0) << path.toStdString();
}

// Lets go of the system's lock on `path` that this process holds, as a copy on
// a file system without such locks would run: the lock file alone then says
// who runs.
void DropNativeLock(const QString &path)
{
    int dropped = 0;
    const QString target = QFileInfo(path).canonicalFilePath();
    for (const QFileInfo &fd : QDir("/proc/self/fd").entryInfoList(QDir::System | QDir::Files))
        if (fd.symLinkTarget() == target && ::flock(fd.fileName().toInt(), LOCK_UN) == 0)
            ++dropped;
    ASSERT_EQ(dropped, 1);
}

// The window the application holds active (a window owned by it would also
// count as active to QWindow).
bool BecomesActive(QWidget *w)
{
    return QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }, 5000);
}

} // namespace

TEST_F(SingleStart, ASecondStartAsksTheRunningCopyToComeForwardAndEnds)
{
    TSingleStart first(Program());
    ASSERT_EQ(first.Start({}), TSingleStart::skFirst);
    QSignalSpy raised(&first, &TSingleStart::RaiseRequested);
    // The running copy's save, half-way: not the second start's to tidy.
    WriteAll(dir.filePath("lumword.INI.Ab12Cd"), "[Main]\r\n");

    QProcess second;
    Launch(second, "token-from-the-desktop");
    ASSERT_TRUE(EndsByItself(second)) << "a second copy opened";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    ASSERT_EQ(raised.count(), 1);
    EXPECT_EQ(raised.at(0).at(0).toByteArray(), "token-from-the-desktop");
    // It ended before reading or making anything of the database.
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("wav")));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("lumword.INI.Ab12Cd")));
    // Nor does the running copy keep anything of the conversation.
    for (int i = 0; i < 500 && !first.findChildren<QLocalSocket *>().isEmpty(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(first.findChildren<QLocalSocket *>().isEmpty());
}

TEST_F(SingleStart, ACopyThatAnswersIsAskedHoweverOldItsLock)
{
    // A copy runs for hours. Where the file system keeps no locks of its own
    // only the lock file is there to be judged, and its age says nothing.
    TSingleStart first(Program());
    ASSERT_EQ(first.Start({}), TSingleStart::skFirst);
    QSignalSpy raised(&first, &TSingleStart::RaiseRequested);
    Backdate(first.LockFileName());
    DropNativeLock(first.LockFileName());

    QProcess second;
    Launch(second);
    ASSERT_TRUE(EndsByItself(second)) << "a second copy opened";
    EXPECT_EQ(raised.count(), 1);
}

TEST_F(SingleStart, ACopyThatWasKilledDoesNotKeepTheNextStartOut)
{
    LockOfAKilledCopy();
    TSingleStart next(Program());
    EXPECT_EQ(next.Start({}), TSingleStart::skFirst);
    EXPECT_TRUE(Answers(next.ServerName())) << "the next copy listens where the killed one did";
}

TEST_F(SingleStart, ALockNoCopyHereAnswersForIsTakenOver)
{
    // A copy serving another folder, whose process number a killed copy's
    // lock here may come to name.
    QTemporaryDir other;
    ASSERT_TRUE(QFile::copy(Program(), other.filePath("lumword")));
    QProcess elsewhere;
    Launch(elsewhere, {}, other.path());
    ASSERT_TRUE(Listening(elsewhere, TSingleStart(other.filePath("lumword")).ServerName()));

    LockOfAKilledCopy();
    const QString lock = TSingleStart(Program()).LockFileName();
    const QByteArray killed = ReadAll(lock);
    std::optional<TFifoTrap> fifo;
    const struct {
        const char *what;
        std::function<void()> plant;
    } locks[] = {
        {"empty", [&] { WriteAll(lock, {}); }},
        {"copied with the folder from another machine", [&] {
             WriteAll(lock, killed);
             // Its name, machine and start-up.
             LockWith(2, "another-machine");
             LockWith(3, "0123456789abcdef0123456789abcdef");
             LockWith(4, "01234567-89ab-cdef-0123-456789abcdef");
         }},
        {"naming a copy serving another folder", [&] {
             WriteAll(lock, killed);
             LockWith(0, QByteArray::number(elsewhere.processId()));
         }},
        {"a FIFO", [&] { fifo.emplace(QStringList{lock}); }},
    };
    for (const auto &planted : locks) {
        SCOPED_TRACE(planted.what);
        QFile::remove(lock);
        planted.plant();
        Backdate(lock);
        TSingleStart here(Program());
        EXPECT_EQ(here.Start({}), TSingleStart::skFirst);
        if (fifo) {
            EXPECT_TRUE(fifo->Released()) << "the start waited for a writer";
        }
        EXPECT_TRUE(Answers(here.ServerName()));
        qint64 pid = 0;
        QString host, app;
        EXPECT_TRUE(QLockFile(lock).getLockInfo(&pid, &host, &app));
        EXPECT_EQ(pid, QCoreApplication::applicationPid()) << "the lock is this copy's now";
    }
    elsewhere.kill();
    elsewhere.waitForFinished(30000);
}

TEST_F(SingleStart, ACopyHereThatHoldsTheLockButDoesNotListenYetIsNotDoubled)
{
    const QString lock = TSingleStart(Program()).LockFileName();
    {
        QLockFile starting(lock);
        ASSERT_TRUE(starting.tryLock(0));
        TSingleStart later(Program());
        EXPECT_EQ(later.Start({}), TSingleStart::skOtherRuns);
    }

    // Where the file system keeps no locks of its own, the copy that took
    // the lock is given the moment it needs to listen, and is then asked.
    QLockFile starting(lock);
    ASSERT_TRUE(starting.tryLock(0));
    DropNativeLock(lock);
    QProcess later;
    Launch(later);
    QTest::qWait(1000);
    QLocalServer listening;
    ASSERT_TRUE(listening.listen(TSingleStart(Program()).ServerName()));
    int asked = 0;
    QObject::connect(&listening, &QLocalServer::newConnection, [&] {
        QLocalSocket *call = listening.nextPendingConnection();
        QObject::connect(call, &QLocalSocket::readyRead, [call, &asked] {
            if (call->canReadLine() && call->readLine().startsWith("raise ")) {
                call->write("ok\n");
                ++asked;
            }
        });
    });
    ASSERT_TRUE(EndsByItself(later)) << "a second copy opened";
    EXPECT_EQ(asked, 1);
}

TEST_F(SingleStart, TheStartRemovesWhatAStoppedSaveLeftAndNothingElse)
{
    // Where the file system cannot make a save's file without a name, a stop
    // before the rename leaves it beside the file it was to replace.
    QDir folder(dir.path());
    ASSERT_TRUE(folder.mkpath("wav/original"));
    const QStringList left = {"lumword.INI.Ab12Cd", "lumword.lst.QwErTy", "lumword.lst.pending.x1Y2z3",
                              "lumword.plan.abcdef", "wav/word0007.wav.ZZZZZZ", "wav/word-0002.wav.a0b1c2",
                              "wav/word12345.wav.AAAAAA", "wav/original/word0007.wav.Qq1234"};
    const QStringList others = {"lumword.plan.damaged", "lumword.lst.unreadable", "lumword.INI.Ab12C",
                                "lumword.INI.Ab12CdE", "lumword.plan.ab-def", "notes.txt.Ab12Cd",
                                "xlumword.plan.Ab12Cd", "lumword.lock.Ab12Cd", "wav/word0007.wav",
                                "wav/word7.wav.Ab12Cd", "wav/tune.wav.Ab12Cd", "wav/word0007.wav.Ab12Cd.x",
                                "wav/original/lumword.plan.Ab12Cd", "images.Ab12Cd/word0007.wav.Ab12Cd"};
    ASSERT_TRUE(folder.mkpath("images.Ab12Cd"));
    for (const QString &name : left + others)
        WriteAll(folder.filePath(name), "kept?");

    QProcess first;
    Launch(first);
    TSingleStart probe(Program());
    ASSERT_TRUE(Listening(first, probe.ServerName()));
    // It answers once its start is over.
    EXPECT_EQ(probe.Start({}), TSingleStart::skOtherRuns);
    for (const QString &name : left)
        EXPECT_FALSE(QFileInfo::exists(folder.filePath(name))) << name.toStdString();
    for (const QString &name : others)
        EXPECT_EQ(ReadAll(folder.filePath(name)), "kept?") << name.toStdString();
    first.kill();
    first.waitForFinished(30000);
}

TEST(BringToFront, WithNoDialogOpenTheWindowUsedLastComesForward)
{
    QWidget main;
    main.show();
    QWidget viewer(&main, Qt::Window);
    viewer.show();
    viewer.activateWindow();
    ASSERT_TRUE(BecomesActive(&viewer));
    // The desktop gives another program the focus.
    QWindow elsewhere;
    elsewhere.show();
    elsewhere.requestActivate();
    ASSERT_TRUE(BecomesActive(nullptr));

    Application()->BringToFront(&main, {});
    EXPECT_TRUE(BecomesActive(&viewer));

    // A window closed since is not brought back; the main window comes.
    elsewhere.requestActivate();
    ASSERT_TRUE(BecomesActive(nullptr));
    viewer.hide();
    Application()->BringToFront(&main, {});
    EXPECT_TRUE(BecomesActive(&main));
    EXPECT_FALSE(viewer.isVisible());
}

TEST(BringToFront, TheOpenDialogComesForwardWithTheDesktopsToken)
{
    QWidget main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QDialog dialog(&main);
    dialog.setAttribute(Qt::WA_ShowWithoutActivating);
    dialog.setModal(true);
    dialog.show();
    main.showMinimized();
    ASSERT_NE(QApplication::activeWindow(), &dialog);

    qunsetenv("XDG_ACTIVATION_TOKEN");
    Application()->BringToFront(&main, "token-from-the-desktop");
    EXPECT_TRUE(BecomesActive(&dialog));
    EXPECT_FALSE(main.isMinimized());
    EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), "token-from-the-desktop");
    qunsetenv("XDG_ACTIVATION_TOKEN");
}
