// One copy of the program per folder: a second start asks the running copy to
// come forward and ends; a copy that was killed does not keep the next out.
#include "app/Application.h"
#include "platform/SingleStart.h"

#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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
    static bool Answers(const QString &serverName)
    {
        QLocalSocket probe;
        probe.connectToServer(serverName);
        return probe.waitForConnected(1000);
    }

    QTemporaryDir dir;
};

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
}

TEST_F(SingleStart, ACopyThatWasKilledDoesNotKeepTheNextStartOut)
{
    TSingleStart probe(Program());
    QProcess killed;
    Launch(killed);
    // Until the copy has taken the lock and listens; it never ends by itself.
    for (int tries = 0; tries < 600 && !Answers(probe.ServerName()) && killed.state() == QProcess::Running; ++tries)
        QTest::qSleep(100);
    ASSERT_TRUE(Answers(probe.ServerName())) << killed.readAllStandardError().toStdString();
    ::kill(pid_t(killed.processId()), SIGKILL);
    ASSERT_TRUE(killed.waitForFinished(30000));
    ASSERT_TRUE(QFileInfo::exists(probe.LockFileName())) << "the killed copy left its lock behind";

    TSingleStart next(Program());
    EXPECT_EQ(next.Start({}), TSingleStart::skFirst);
    EXPECT_TRUE(Answers(next.ServerName())) << "the next copy listens where the killed one did";
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
    Application()->BringToFront("token-from-the-desktop");
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_FALSE(main.isMinimized());
    EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), "token-from-the-desktop");
    qunsetenv("XDG_ACTIVATION_TOKEN");
}
