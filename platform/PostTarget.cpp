#include "platform/PostTarget.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>
#include <mutex>

struct TPostTarget::TState {
    // Guards Receiver: a post and Close() never overlap, so a post either
    // reaches a live receiver or sees that it is gone.
    std::mutex Lock;
    QObject *Receiver = nullptr;
    std::atomic<int> Pending{0};
    // Set by Close(): calls already queued then do nothing, even where the
    // receiver's deletion has to wait for its own thread.
    std::atomic<bool> Closed{false};
};

TPostTarget::TPostTarget() : FState(std::make_shared<TState>())
{
    FState->Receiver = new QObject;
    // Qt queues the calls on the receiver's thread; a target made before the
    // application object exists still delivers there once it does.
    if (QCoreApplication *app = QCoreApplication::instance())
        FState->Receiver->moveToThread(app->thread());
}

TPostTarget::~TPostTarget() { Close(); }

void TPostTarget::Close()
{
    QObject *receiver;
    {
        std::lock_guard<std::mutex> g(FState->Lock);
        receiver = FState->Receiver;
        FState->Receiver = nullptr;
        FState->Closed = true;
    }
    if (!receiver)
        return;
    // Deleting the receiver removes its queued calls; off its thread that must
    // go through the receiver's own loop instead.
    if (QThread::currentThread() == receiver->thread())
        delete receiver;
    else
        receiver->deleteLater();
    FState->Pending = 0;
}

namespace {

template <class TState> bool PostThrough(const std::shared_ptr<TState> &state, std::function<void()> Work)
{
    std::lock_guard<std::mutex> g(state->Lock);
    if (!state->Receiver)
        return false;
    ++state->Pending;
    // The state is held by the queued call, not by the target: the call may be
    // the last thing alive of a target closed from another thread.
    QMetaObject::invokeMethod(
        state->Receiver,
        [state, Work = std::move(Work)] {
            if (state->Closed)
                return;
            --state->Pending;
            if (Work)
                Work();
        },
        Qt::QueuedConnection);
    return true;
}

} // namespace

bool TPostTarget::Post(std::function<void()> Work) { return PostThrough(FState, std::move(Work)); }

TPostTarget::TPoster TPostTarget::Poster() const
{
    return [state = FState](std::function<void()> Work) { return PostThrough(state, std::move(Work)); };
}

int TPostTarget::Pending() const { return FState->Pending.load(); }
