#include "platform/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>   // rename

namespace {

TFileStepHook &Hook()
{
    static TFileStepHook hook;
    return hook;
}

bool Allowed(TFileStep step, const QString &path) { return !Hook() || Hook()(step, path); }

// The folder of `path` to the disk; with `wholeFileSystem`, everything
// written on its file system too.
bool SyncFolderOf(const QString &path, bool wholeFileSystem)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = (wholeFileSystem ? ::syncfs(fd) : ::fsync(fd)) == 0;
    ::close(fd);
    return ok;
}

bool FlushFolderOf(const QString &path) { return Allowed(TFileStep::FlushFolder, path) && SyncFolderOf(path, false); }

} // namespace

TFileStepHook SetFileStepHook(TFileStepHook hook)
{
    TFileStepHook old = std::move(Hook());
    Hook() = std::move(hook);
    return old;
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    // A save file that is not committed removes its temporary file.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (!Allowed(TFileStep::Write, path) || f.write(bytes) != bytes.size())
        return false;
    if (!Allowed(TFileStep::Flush, path) || !f.flush() || ::fsync(f.handle()) != 0)
        return false;
    if (!Allowed(TFileStep::Rename, path) || !f.commit())
        return false;
    return FlushFolderOf(path);
}

bool RenameFileDurably(const QString &from, const QString &to)
{
    if (!Allowed(TFileStep::Rename, to))
        return false;
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return false;
    return FlushFolderOf(to);
}

bool WriteNewFilesDurably(const QList<QPair<QString, QByteArray>> &files)
{
    for (const auto &[path, bytes] : files) {
        QFile f(path);
        if (!Allowed(TFileStep::Write, path) || !f.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || f.write(bytes) != bytes.size() || !f.flush())
            return false;
    }
    if (files.isEmpty())
        return true;
    const QString &last = files.last().first;
    return Allowed(TFileStep::FlushFolder, last) && SyncFolderOf(last, true);
}
