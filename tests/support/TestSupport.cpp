#include "TestSupport.h"

#include "platform/AtomicFile.h"

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

bool CorporaPresent() { return QDir(QStringLiteral(LUMWORD_CORPORA)).exists(); }

QString CorporaDir()
{
    const QString dir = QStringLiteral(LUMWORD_CORPORA);
    if (!QDir(dir).exists())
        ADD_FAILURE() << "corpora folder missing: " << dir.toStdString();
    return dir;
}

QString CorpusFile(const QString &relative) { return CorporaDir() + "/" + relative; }

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return f.readAll();
}

void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

bool RunsToItsEndBeforeStep(int killAt, const std::function<void()> &work)
{
    const pid_t child = fork();
    EXPECT_GE(child, 0);
    if (child == 0) {
        int step = 0;
        SetFileStepHook([&](TFileStep, const QString &) {
            if (step++ == killAt)
                ::kill(::getpid(), SIGKILL);
            return true;
        });
        try {
            work();
        } catch (...) {
            ::_exit(2);
        }
        ::_exit(0);
    }
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    if (WIFEXITED(status)) {
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the work failed in the child";
        return true;
    }
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    return false;
}

TFifoTrap::TFifoTrap(const QStringList &paths, int limitMs) : FPaths(paths)
{
    for (const QString &path : paths)
        if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            ADD_FAILURE() << "cannot make the FIFO " << path.toStdString();
    FWatch = std::thread([this, limitMs] {
        std::unique_lock<std::mutex> lock(FLock);
        if (FDone.wait_for(lock, std::chrono::milliseconds(limitMs), [this] { return FReleased; }))
            return;
        FSprung = true;
        do {
            // A writer that comes and goes: the waiting open returns, and its
            // reads find the end at once.
            for (const QString &path : std::as_const(FPaths)) {
                const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0)
                    ::close(fd);
            }
        } while (!FDone.wait_for(lock, std::chrono::milliseconds(50), [this] { return FReleased; }));
    });
}

TFifoTrap::~TFifoTrap() { Released(); }

bool TFifoTrap::Released()
{
    {
        std::lock_guard<std::mutex> lock(FLock);
        FReleased = true;
    }
    FDone.notify_all();
    if (FWatch.joinable())
        FWatch.join();
    return !FSprung;
}
