#include "platform/AtomicFile.h"

#include <QSaveFile>

#include <unistd.h>

namespace {

TFileStepHook &Hook()
{
    static TFileStepHook hook;
    return hook;
}

bool Allowed(TFileStep step, const QString &path) { return !Hook() || Hook()(step, path); }

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
    return Allowed(TFileStep::Rename, path) && f.commit();
}
