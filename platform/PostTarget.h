#pragma once
// Hands work from any thread to the thread an object lives on (in practice the
// user-interface thread) without blocking the poster and without ever running
// the work once its receiver is gone.
//
// A component that receives notifications from a worker owns one TPostTarget,
// created on the user-interface thread. Workers call Post(); the work runs
// later inside that thread's event loop. Destroying the target (on its own
// thread) drops everything still queued and makes later posts no-ops, so a
// worker that outlives its component can never reach freed memory through a
// post.

#include <atomic>
#include <functional>
#include <memory>

class QObject;

class TPostTarget {
public:
    TPostTarget();
    ~TPostTarget();
    TPostTarget(const TPostTarget &) = delete;
    TPostTarget &operator=(const TPostTarget &) = delete;

    // Queues Work; true when it was queued, false when the target is closed.
    // Safe from any thread, never waits for the receiving thread.
    bool Post(std::function<void()> Work);

    // What Post does, for a worker that may outlive this target's owner (and
    // so this object): once the target is closed or destroyed, a post through
    // it does nothing and returns false.
    using TPoster = std::function<bool(std::function<void()>)>;
    TPoster Poster() const;

    // Calls posted but not yet run (or dropped). Lets a poster bound its queue,
    // for example a timer that must not pile up ticks behind a busy thread.
    int Pending() const;

    // Stops accepting posts and drops the ones already queued; Post() returns
    // false from here on. Called by the destructor; safe to call twice.
    void Close();

private:
    struct TState;
    std::shared_ptr<TState> FState;
};
