#include "platform/SingleStart.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>

#include <unistd.h>

namespace {

const QByteArray Request = "raise ";
const QByteArray Answer = "ok\n";
// Long enough for a busy copy to answer, short enough that a start on a hung
// one still ends soon.
constexpr int AnswerLimitMs = 5000;

QString CanonicalFolder(const QString &programFile)
{
    const QFileInfo program(programFile);
    const QString canonical = QFileInfo(program.absolutePath()).canonicalFilePath();
    return canonical.isEmpty() ? program.absolutePath() : canonical;
}

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
    // A copy runs for hours: only a lock whose owner has died is stale, never
    // one that is merely old.
    FLock.setStaleLockTime(0);
}

TSingleStart::~TSingleStart() = default;

TSingleStart::TStartKind TSingleStart::Start(const QByteArray &activationToken)
{
    if (FLock.tryLock(0)) {
        Listen();
        return skFirst;
    }
    if (AskRunningCopy(activationToken))
        return skOtherRuns;
    // A copy of this machine that holds the lock but did not answer is still
    // starting (or busy): a second window would be the very thing to avoid.
    qint64 pid = 0;
    QString host, app;
    if (FLock.error() == QLockFile::LockFailedError && FLock.getLockInfo(&pid, &host, &app)
        && host == QSysInfo::machineHostName())
        return skOtherRuns;
    return skAlone;
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
    return reply == Answer;
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
