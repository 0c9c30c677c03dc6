// The dialog's file worker: Even out all, Undo and Import read and replace
// files with a flush or two each, which on a USB stick or a network home takes
// seconds per file. That work runs on a thread of its own; the dialog keeps
// repainting and answers Cancel at once, with the job's controls disabled
// until the worker has posted its end.
//
// Thread rules:
//  - the worker touches no widget and no member of the dialog: it has the
//    shared TFileJob and what its work captured (copies and shared results);
//  - it reaches the dialog only through posts (FPost), dropped once the
//    dialog is gone;
//  - the dialog waits for it only in its destructor, with a time limit, and
//    lets it go after that; nothing it shares with the dialog is freed then.
#include "config/uConfig.h"

#include "config/uConfigCommon.h"

#include <QWidget>

#include <chrono>
#include <exception>
#include <thread>
#include <utility>

namespace {

std::mutex GHookLock;
std::shared_ptr<const TFileJobHook> GHook;

} // namespace

TFileJobHook SetFileJobHook(TFileJobHook hook)
{
    auto next = hook ? std::make_shared<const TFileJobHook>(std::move(hook)) : nullptr;
    std::lock_guard<std::mutex> g(GHookLock);
    std::shared_ptr<const TFileJobHook> old = std::exchange(GHook, std::move(next));
    return old ? *old : TFileJobHook();
}

void RunFileJobHook(const QString &file)
{
    std::shared_ptr<const TFileJobHook> hook;
    {
        std::lock_guard<std::mutex> g(GHookLock);
        hook = GHook;
    }
    // Called outside the lock: a hook that holds the worker must not hold
    // up a test replacing it.
    if (hook)
        (*hook)(file);
}

void TfmConfig::StartFileJob(const QList<QWidget *> &Locked, std::function<void(TFileJob &)> Work,
                             std::function<void()> End)
{
    auto job = std::make_shared<TFileJob>();
    job->Post = FPost->Poster();
    // Runs here, never on the worker: it is the only part that reaches the dialog.
    std::function<void(std::exception_ptr)> finish = [this, End = std::move(End)](std::exception_ptr error) {
        EndFileJob();
        if (error)
            std::rethrow_exception(error);
        End();
    };
    std::thread([job, Work = std::move(Work), finish = std::move(finish)] {
        std::exception_ptr error;
        try {
            Work(*job);
        } catch (...) {
            error = std::current_exception();
        }
        job->Post([finish, error] { finish(error); });
        {
            std::lock_guard<std::mutex> g(job->Lock);
            job->Finished = true;
        }
        job->Stopped.notify_all();
    }).detach();

    FJob = job;
    QList<QPair<QWidget *, bool>> lockedNow;
    for (QWidget *w : Locked) {
        lockedNow.append({w, w->isEnabled()});
        w->setEnabled(false);
    }
    FJobLocked = lockedNow;
}

void TfmConfig::EndFileJob()
{
    FJob.reset();
    for (const auto &[w, wasEnabled] : std::exchange(FJobLocked, {}))
        w->setEnabled(wasEnabled);
}

void TfmConfig::AwaitFileJob()
{
    if (!FJob)
        return;
    FJob->Cancelled = true;
    std::unique_lock<std::mutex> lock(FJob->Lock);
    FJob->Stopped.wait_for(lock, std::chrono::milliseconds(FileJobWaitMs), [this] { return FJob->Finished; });
}
