// One copy of the program per folder: a second start asks the running copy to
// come forward and ends; a copy that was killed does not keep the next out.
#include "app/Application.h"
#include "platform/SingleStart.h"

#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <csignal>

namespace {

class SingleStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QFile::copy(QStringLiteral(LUMWORD_DIST_DIR) + "/lumword", Program()));
    }
    QString Program() const { return dir.filePath("lumword"); }
    void Launch(QProcess &p, const QByteArray &token = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        if (!token.isEmpty())
            env.insert("XDG_ACTIVATION_TOKEN", QString::fromLatin1(token));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(Program(), {});
        ASSERT_TRUE(p.waitForStarted(30000)) << p.errorString().toStdString();
    }
    // Turns this process's event loop (it may be the copy being asked) until
    // the program ends by itself; false, with the program killed, when it was
    // still running after a minute.
    static bool EndsByItself(QProcess &p)
    {
        QEventLoop loop;
        QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
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
    // The lock file with its machine's name (third line) replaced.
    void LockOf(const QString &host)
    {
        const QString name = TSingleStart(Program()).LockFileName();
        QFile f(name);
        QList<QByteArray> lines = f.open(QIODevice::ReadOnly) ? f.readAll().split('\n') : QList<QByteArray>{"999999", "lumword", "", ""};
        f.close();
        lines[2] = host.toUtf8();
        QFile out(name);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(lines.join('\n'));
    }
    static bool Answers(const QString &serverName)
    {
        QLocalSocket probe;
        probe.connectToServer(serverName);
        return probe.waitForConnected(1000);
    }

    QTemporaryDir dir;
};

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

    QProcess second;
    Launch(second, "token-from-the-desktop");
    ASSERT_TRUE(EndsByItself(second)) << "a second copy opened";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    ASSERT_EQ(raised.count(), 1);
    EXPECT_EQ(raised.at(0).at(0).toByteArray(), "token-from-the-desktop");
    // It ended before reading or making anything of the database.
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("wav")));
    // Nor does the running copy keep anything of the conversation.
    for (int i = 0; i < 500 && !first.findChildren<QLocalSocket *>().isEmpty(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(first.findChildren<QLocalSocket *>().isEmpty());
}

TEST_F(SingleStart, ACopyThatWasKilledDoesNotKeepTheNextStartOut)
{
    TSingleStart probe(Program());
    QProcess killed;
    Launch(killed);
    ASSERT_TRUE(Listening(killed, probe.ServerName())) << killed.readAllStandardError().toStdString();
    ::kill(pid_t(killed.processId()), SIGKILL);
    ASSERT_TRUE(killed.waitForFinished(30000));
    ASSERT_TRUE(QFileInfo::exists(probe.LockFileName())) << "the killed copy left its lock behind";

    TSingleStart next(Program());
    EXPECT_EQ(next.Start({}), TSingleStart::skFirst);
    EXPECT_TRUE(Answers(next.ServerName())) << "the next copy listens where the killed one did";
}

TEST_F(SingleStart, ACopyHereThatHoldsTheLockButDoesNotListenYetIsNotDoubled)
{
    QLockFile starting(TSingleStart(Program()).LockFileName());
    ASSERT_TRUE(starting.tryLock(0));
    TSingleStart later(Program());
    EXPECT_EQ(later.Start({}), TSingleStart::skOtherRuns);
}

TEST_F(SingleStart, ALockFromAnotherMachineKeepsOutOnlyACopyThatAnswers)
{
    // A copy on another machine sharing the folder: whether it still runs
    // cannot be told from here, and it cannot be asked.
    LockOf("another-machine");
    TSingleStart here(Program());
    EXPECT_EQ(here.Start({}), TSingleStart::skAlone);
    ASSERT_TRUE(QFile::remove(here.LockFileName()));

    // One that answers is asked, whatever machine its lock names.
    QProcess running;
    Launch(running);
    ASSERT_TRUE(Listening(running, here.ServerName()));
    LockOf("another-machine");
    TSingleStart later(Program());
    EXPECT_EQ(later.Start({}), TSingleStart::skOtherRuns);
    running.kill();
    running.waitForFinished(30000);
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
