#include "platform/SingleStart.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray Request = "raise ";
const QByteArray Answer = "ok\n";
// Long enough for a busy copy to answer, short enough that a start on a hung
// one still ends soon.
constexpr int AnswerLimitMs = 5000;
// A copy listens a moment after it took the lock; a lock younger than this
// whose owner does not listen yet may still be such a copy.
constexpr qint64 StartingMs = 3000;
constexpr int PollMs = 50;
// A stale lock removed, the lock is taken; another start doing the same at
// that moment is the only reason to look again, and it answers then. A lock
// that keeps coming back and never answers is given up on: this copy runs.
constexpr int TakeOverTries = 3;

QString CanonicalFolder(const QString &programFile)
{
    const QFileInfo program(programFile);
    const QString canonical = QFileInfo(program.absolutePath()).canonicalFilePath();
    return canonical.isEmpty() ? program.absolutePath() : canonical;
}

bool PlainFileOrNone(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) != 0 ? errno == ENOENT : S_ISREG(st.st_mode);
}

struct TCloser {
    int Fd;
    ~TCloser() { ::close(Fd); }
};

} // namespace

TSingleStart::TSingleStart(const QString &programFile, QObject *parent)
    : QObject(parent),
      FLockName(QDir(CanonicalFolder(programFile)).filePath(QStringLiteral("lumword.lock"))),
      FLock(FLockName)
{
    // One name per folder and user, whatever path the folder was reached by.
    const QByteArray key = CanonicalFolder(programFile).toUtf8() + '\0' + QByteArray::number(uint(::getuid()));
    FServerName = QStringLiteral("lumword-")
                  + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
    // A copy runs for hours: a lock is never stale for being old, only when
    // no copy answers for it.
    FLock.setStaleLockTime(0);
}

TSingleStart::~TSingleStart() = default;

TSingleStart::TStartKind TSingleStart::Start(const QByteArray &activationToken)
{
    for (int tries = 0; tries < TakeOverTries; ++tries) {
        // A lock it cannot take is read to be judged, and the read of a FIFO
        // waits for a writer for ever: what is not a plain file is left to
        // the server alone.
        if (PlainFileOrNone(FLockName)) {
            if (FLock.tryLock(0)) {
                Listen();
                return skFirst;
            }
            // No lock file can be made here (a read-only folder, a full
            // disk), and there is none: no copy has one either.
            if (FLock.error() != QLockFile::LockFailedError)
                return skAlone;
        }
        if (AwaitRunningCopy(activationToken))
            return skOtherRuns;
        // Held open and locked by a live process of this machine: a copy
        // here that cannot listen. Still one copy too many to add.
        if (!RemoveStaleLock())
            return skOtherRuns;
    }
    return skAlone;
}

bool TSingleStart::AwaitRunningCopy(const QByteArray &activationToken)
{
    // A copy that took the lock just now is given the moment it needs to
    // listen: until the lock is that old, silence proves nothing.
    const QDateTime written = QFileInfo(FLockName).lastModified();
    const qint64 age = written.isValid() ? written.msecsTo(QDateTime::currentDateTime()) : StartingMs;
    const QDeadlineTimer settled(StartingMs - qBound<qint64>(0, age, StartingMs));
    for (;;) {
        if (AskRunningCopy(activationToken))
            return true;
        if (settled.hasExpired() || !QFileInfo::exists(FLockName))
            return false;
        QThread::msleep(PollMs);
    }
}

bool TSingleStart::AskRunningCopy(const QByteArray &activationToken)
{
    QLocalSocket socket;
    socket.connectToServer(FServerName);
    if (!socket.waitForConnected(AnswerLimitMs))
        return false;
    // The request goes out while the answer is awaited.
    socket.write(Request + activationToken + '\n');
    QByteArray reply;
    const QDeadlineTimer deadline(AnswerLimitMs);
    while (!reply.endsWith('\n') && !deadline.hasExpired()) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
        reply += socket.readAll();
    }
    // One that takes calls on this folder's name and does not answer is a
    // copy busy with something long: it runs all the same.
    return true;
}

bool TSingleStart::RemoveStaleLock()
{
    const QByteArray name = QFile::encodeName(FLockName);
    // Without waiting, whatever lies under that name: it is locked, not read.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    // Gone meanwhile, or not to be opened: the next try tells.
    if (fd < 0)
        return true;
    const TCloser closer{fd};
    // A copy holds its lock file locked as long as it lives, and the system
    // lets go of it when the copy ends however it ends. Where the file system
    // keeps no such locks, the silence on the server is all there is.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return false;
    // Only the file looked at: a start that removed it just before may have
    // put its own fresh lock under the name.
    struct stat opened, named;
    if (::fstat(fd, &opened) == 0 && ::lstat(name.constData(), &named) == 0 && opened.st_dev == named.st_dev
        && opened.st_ino == named.st_ino)
        ::unlink(name.constData());
    return true;
}

void TSingleStart::Listen()
{
    // We hold the lock, so a socket of that name is the leftover of a copy
    // that ended without removing it.
    QLocalServer::removeServer(FServerName);
    FServer = new QLocalServer(this);
    FServer->setSocketOptions(QLocalServer::UserAccessOption);
    // A copy that cannot listen still runs; later starts then end without
    // bringing it forward.
    if (FServer->listen(FServerName))
        connect(FServer, &QLocalServer::newConnection, this, &TSingleStart::Serve);
}

void TSingleStart::Serve()
{
    while (QLocalSocket *socket = FServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QByteArray line = socket->readLine();
            if (!line.startsWith(Request))
                return;
            socket->write(Answer);
            emit RaiseRequested(line.mid(Request.size()).trimmed());
        });
    }
}
