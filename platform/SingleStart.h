#pragma once
// One copy of the program per folder: the words, the settings and the
// recordings beside the program are one database, and two copies working on
// it would each save over the other's words. The first start takes a lock
// file beside the program and listens on a local socket; a later start asks
// it, through that socket, to come to the front, and ends.
//
// Who runs is told by that socket alone. The lock file only settles which of
// two starts at the same moment becomes the copy; what it names (a process,
// a machine) is never trusted, since a copy killed on this machine or on the
// one the folder was copied from leaves it behind, and its process number
// may by now belong to anything, even to a copy serving another folder.
#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

class TSingleStart : public QObject {
    Q_OBJECT
public:
    enum TStartKind {
        skFirst,      // this is the copy that runs; it answers later starts
        skOtherRuns,  // another copy runs here and has been asked to come forward: end
        skAlone,      // no lock could be had, nor does a copy have one (a read-only
                      // folder): run, without the guard
    };

    // `programFile`: the program's full path; its folder is what is guarded.
    explicit TSingleStart(const QString &programFile, QObject *parent = nullptr);
    ~TSingleStart() override;

    // `activationToken`: what the desktop handed this start to let a window
    // take the focus, passed on to the running copy (empty when none).
    TStartKind Start(const QByteArray &activationToken);

    QString LockFileName() const { return FLockName; }
    // The local socket's name, from the program's canonical folder and the user.
    QString ServerName() const { return FServerName; }

signals:
    // A later start asked this copy to bring its topmost window forward.
    void RaiseRequested(const QByteArray &activationToken);

private:
    // True when a copy takes calls on this folder's name (it is then asked
    // to come forward).
    bool AskRunningCopy(const QByteArray &activationToken);
    // The same, giving a lock taken just now the moment its copy needs to listen.
    bool AwaitRunningCopy(const QByteArray &activationToken);
    // Removes the lock file unless a live process holds it locked (false).
    bool RemoveStaleLock();
    void Listen();
    void Serve();

    QString FLockName;
    QString FServerName;
    QLockFile FLock;
    QLocalServer *FServer = nullptr;
};
