#pragma once
// A waitable event in the manner of the operating-system events the audio
// engine was designed around: manual-reset events stay signalled until reset,
// auto-reset events release exactly one waiter and clear themselves.
// Every wait is a condition wait on the event's state, so spurious wake-ups
// never count as a signal.
#include <condition_variable>
#include <initializer_list>
#include <mutex>
#include <vector>

class TEvent {
public:
    explicit TEvent(bool ManualReset, bool InitialState = false);
    ~TEvent();
    TEvent(const TEvent &) = delete;
    TEvent &operator=(const TEvent &) = delete;

    void SetEvent();
    void ResetEvent();
    // Current state without consuming it (also for auto-reset events).
    bool IsSet() const;
    bool ManualReset() const { return FManualReset; }
    // Threads parked in WaitFor or WaitForAny on this event right now.
    int Waiting() const;

    // Waits until the event is signalled; TimeOutMs < 0 waits for ever.
    // Returns false when the time ran out. An auto-reset event is consumed.
    bool WaitFor(int TimeOutMs = -1);

    // Waits until one of Events is signalled and returns its index (the first
    // signalled one in list order, consumed when it is auto-reset), or -1 when
    // the time ran out.
    static int WaitForAny(std::initializer_list<TEvent *> Events, int TimeOutMs = -1);

private:
    struct TWaiter {
        std::mutex Lock;
        std::condition_variable Cond;
        bool Signalled = false;
    };
    bool TryConsumeLocked();
    void AddWaiter(TWaiter *W);
    void RemoveWaiter(TWaiter *W);

    const bool FManualReset;
    mutable std::mutex FLock;
    std::condition_variable FCond;
    bool FState;
    std::vector<TWaiter *> FWaiters; // multi-event waits currently parked on this event
    int FWaiting = 0;                // WaitFor calls currently parked
};
