#include "platform/Event.h"

#include <chrono>

TEvent::TEvent(bool ManualReset, bool InitialState) : FManualReset(ManualReset), FState(InitialState) {}

TEvent::~TEvent() = default;

void TEvent::SetEvent()
{
    std::lock_guard<std::mutex> g(FLock);
    FState = true;
    if (FManualReset)
        FCond.notify_all();
    else
        FCond.notify_one();
    // Multi-event waiters get a nudge; they re-check and consume under our lock.
    for (TWaiter *w : FWaiters) {
        std::lock_guard<std::mutex> wg(w->Lock);
        w->Signalled = true;
        w->Cond.notify_one();
    }
}

void TEvent::ResetEvent()
{
    std::lock_guard<std::mutex> g(FLock);
    FState = false;
}

bool TEvent::IsSet() const
{
    std::lock_guard<std::mutex> g(FLock);
    return FState;
}

bool TEvent::TryConsumeLocked()
{
    if (!FState)
        return false;
    if (!FManualReset)
        FState = false;
    return true;
}

bool TEvent::WaitFor(int TimeOutMs)
{
    std::unique_lock<std::mutex> g(FLock);
    const auto signalled = [this] { return FState; };
    ++FWaiting;
    bool got = true;
    if (TimeOutMs < 0)
        FCond.wait(g, signalled);
    else
        got = FCond.wait_for(g, std::chrono::milliseconds(TimeOutMs), signalled);
    --FWaiting;
    return got && TryConsumeLocked();
}

int TEvent::Waiting() const
{
    std::lock_guard<std::mutex> g(FLock);
    return FWaiting + int(FWaiters.size());
}

void TEvent::AddWaiter(TWaiter *W)
{
    std::lock_guard<std::mutex> g(FLock);
    FWaiters.push_back(W);
}

void TEvent::RemoveWaiter(TWaiter *W)
{
    std::lock_guard<std::mutex> g(FLock);
    for (auto it = FWaiters.begin(); it != FWaiters.end(); ++it)
        if (*it == W) {
            FWaiters.erase(it);
            break;
        }
}

int TEvent::WaitForAny(std::initializer_list<TEvent *> Events, int TimeOutMs)
{
    TWaiter waiter;
    for (TEvent *e : Events)
        e->AddWaiter(&waiter);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeOutMs < 0 ? 0 : TimeOutMs);
    int result = -1;
    bool lastLook = false;
    for (;;) {
        // Our own lock is never held while an event's lock is taken, so this
        // cannot deadlock against SetEvent (event lock, then waiter lock).
        int index = 0;
        for (TEvent *e : Events) {
            std::lock_guard<std::mutex> g(e->FLock);
            if (e->TryConsumeLocked()) {
                result = index;
                break;
            }
            ++index;
        }
        if (result >= 0 || lastLook)
            break;
        std::unique_lock<std::mutex> wg(waiter.Lock);
        const auto nudged = [&waiter] { return waiter.Signalled; };
        if (TimeOutMs < 0)
            waiter.Cond.wait(wg, nudged);
        else if (!waiter.Cond.wait_until(wg, deadline, nudged))
            lastLook = true; // one more look: a signal may have raced the deadline
        waiter.Signalled = false;
    }
    for (TEvent *e : Events)
        e->RemoveWaiter(&waiter);
    return result;
}
