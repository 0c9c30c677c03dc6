#include "audio/MMHiTimer.h"

#include "platform/Event.h"
#include "platform/MessageBox.h"
#include "platform/PostTarget.h"
#include "platform/mmtimer.h"
#include "platform/osversion.h"

#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include <pthread.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using Clock = std::chrono::steady_clock;

namespace {
constexpr int kMaxPendingTicks = 10;
std::atomic<int> LiveThreads{0};

int64_t ToNs(Clock::time_point t) { return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count(); }

// Nice steps relative to the thread's starting value. Raising needs a
// privilege the program usually lacks; the thread then simply stays where it is.
int NiceOffset(TThreadPriority p)
{
    switch (p) {
    case tpIdle: return 19;
    case tpLowest: return 2;
    case tpLower: return 1;
    case tpNormal: return 0;
    case tpHigher: return -1;
    case tpHighest: return -2;
    case tpTimeCritical: return -15;
    }
    return 0;
}
} // namespace

// ---------------------------------------------------------------------------
// The worker thread of cmThread mode. It is shared between its owner and the
// running thread and freed by whichever lets go last, so it frees itself when
// the owner has let it go and it ends. Its events live with it, never with the
// owner, so a late tick or the thread's own end never touches a closed event.

class TMMTimerThread : public std::enable_shared_from_this<TMMTimerThread> {
public:
    TMMTimerThread(TMMHiTimer *Owner, TThreadPriority Priority)
        : Sync(std::make_shared<TMMSyncChannel>()), FOwner(Owner), FPriority(Priority)
    {
        ++LiveThreads;
    }
    ~TMMTimerThread() { --LiveThreads; }

    // Starts the thread; false when the system would not create one.
    static bool Launch(const std::shared_ptr<TMMTimerThread> &Self, bool MayRun)
    {
        try {
            std::thread([Self, MayRun] {
                if (MayRun)
                    Self->Execute();
            }).detach();
        } catch (const std::system_error &) {
            return false;
        }
        return true;
    }

    void ApplyPriority(TThreadPriority Priority)
    {
        const pid_t tid = FTid.load();
        if (tid)
            (void)setpriority(PRIO_PROCESS, tid, FBaseNice + NiceOffset(Priority));
    }

    std::atomic<bool> StopRequest{false};
    std::atomic<bool> Terminated{false};
    TEvent TickEvent{false};   // one tick to dispatch
    TEvent ThreadEvent{false}; // started; again when it ends while it still has an owner
    std::atomic<int64_t> Due{0};
    const std::shared_ptr<TMMSyncChannel> Sync;
    // Guards FOwner and InDispatch. The owner lets the thread go only once no
    // handler runs here (InDispatch clear), so none is half-way through when
    // the owner is gone.
    std::mutex OwnerLock;
    std::condition_variable OwnerIdle;
    TMMHiTimer *FOwner;      // guarded by OwnerLock
    bool InDispatch = false; // guarded by OwnerLock
    // Set on the user-interface thread once the owner has let go; read there
    // by a tick handed over before that.
    bool Released = false;
    std::atomic<std::thread::id> ThreadId{};

private:
    void Execute();
    void DispatchTick();

    TThreadPriority FPriority;
    std::atomic<pid_t> FTid{0};
    int FBaseNice = 0;
};

void TMMTimerThread::Execute()
{
    pthread_setname_np(pthread_self(), "mmhitimer");
    TMMSyncChannel::BindToCurrentThread(Sync);
    try {
        ThreadId = std::this_thread::get_id();
        errno = 0;
        FBaseNice = getpriority(PRIO_PROCESS, 0);
        FTid = pid_t(syscall(SYS_gettid));
        ApplyPriority(FPriority);
        ThreadEvent.SetEvent();
        while (!Terminated && !StopRequest) {
            // The owner sets TickEvent when it lets go, so the limit only
            // bounds how long a lost wake-up could go unnoticed.
            if (!TickEvent.WaitFor(1000))
                continue;
            if (Terminated || StopRequest)
                break;
            DispatchTick();
        }
        std::lock_guard<std::mutex> g(OwnerLock);
        if (FOwner)
            ThreadEvent.SetEvent();
    } catch (...) {
        HandleWorkerException(std::current_exception());
    }
    TMMSyncChannel::BindToCurrentThread(nullptr);
}

void TMMTimerThread::DispatchTick()
{
    const Clock::time_point due{Clock::duration(Due.load())};
    std::unique_lock<std::mutex> g(OwnerLock);
    TMMHiTimer *owner = FOwner;
    if (!owner || StopRequest)
        return;
    if (owner->FSynchronize) {
        g.unlock();
        // The owner lives as long as the channel is open: tearing it down
        // closes the channel on the UI thread before anything is freed, and a
        // handed-over call runs on that same thread. The call holds the thread
        // object, which it may outlive both the worker and the owner's hold on.
        std::shared_ptr<TMMTimerThread> self = shared_from_this();
        try {
            Sync->Call([owner, due, self] {
                owner->FInSynchronize = true;
                struct TReset {
                    TMMHiTimer *O;
                    TMMTimerThread *T;
                    ~TReset()
                    {
                        // Released: the handler tore the timer down or freed it.
                        if (!T->Released)
                            O->FInSynchronize = false;
                    }
                } reset{owner, self.get()};
                owner->SetTickDue(due);
                owner->DoTimer();
            });
        } catch (...) {
            HandleWorkerException(std::current_exception());
        }
        return;
    }
    InDispatch = true;
    g.unlock();
    try {
        owner->SetTickDue(due);
        owner->DoTimer();
    } catch (...) {
        HandleWorkerException(std::current_exception());
    }
    g.lock();
    InDispatch = false;
    g.unlock();
    OwnerIdle.notify_all();
}

// ---------------------------------------------------------------------------

TMMHiTimer::TMMHiTimer() = default;

TMMHiTimer::~TMMHiTimer()
{
    // A tick already under way finds Enabled clear; StopTimer then makes sure
    // none is under way any more before the handler goes.
    FEnabled = false;
    StopTimer();
    FOnTimer = nullptr;
}

int TMMHiTimer::ThreadCount() { return LiveThreads.load(); }

int TMMHiTimer::PendingTicks() const { return FTickWindow ? FTickWindow->Pending() : 0; }

Clock::time_point TMMHiTimer::TickDue() const { return Clock::time_point(Clock::duration(FTickDue.load())); }

void TMMHiTimer::SetTickDue(Clock::time_point Due) { FTickDue = ToNs(Due); }

void TMMHiTimer::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    StopTimer();
    FEnabled = Value;
    StartTimer();
}

void TMMHiTimer::SetInterval(int Value)
{
    if (Value == FInterval)
        return;
    StopTimer();
    FInterval = Value;
    StartTimer();
}

void TMMHiTimer::SetOnTimer(TMMNotifyEvent Value)
{
    StopTimer();
    FOnTimer = std::move(Value);
    StartTimer();
}

void TMMHiTimer::SetCallBackMode(TMMCBMode Value)
{
    if (Value == FCallBackMode)
        return;
    if (Value == cmCallback && Win32Platform() != VER_PLATFORM_WIN32_WINDOWS) {
        ShowMessageBox(QStringLiteral("\"CallBacks\" are called at interrupt time !\n\r"
                                      "This is currently only supported under Windows 95"),
                       QMessageBox::NoIcon, QMessageBox::Ok, QStringLiteral("TMMHiTimer"));
        return;
    }
    StopTimer();
    FCallBackMode = Value;
    StartTimer();
}

void TMMHiTimer::SetPriority(TThreadPriority Value)
{
    FPriority = Value;
    if (FThread)
        FThread->ApplyPriority(Value);
}

void TMMHiTimer::UpdateTimer()
{
    StopTimer();
    StartTimer();
}

void TMMHiTimer::Report(const QString &What)
{
    HandleWorkerException(std::make_exception_ptr(EMMHiTimerError(MMPrefixed(QStringLiteral("HiTimer:"), What))));
}

void TMMHiTimer::StopTimer()
{
    // The timer event goes first: once it is killed no callback can post a
    // tick or wake the worker any more.
    if (FTimerID) {
        QString why;
        if (!timeKillEvent(FTimerID, &why))
            Report(why);
        FTimerID = 0;
    }
    StopThread();
    if (FTickWindow) {
        FTickWindow->Close(); // drops every tick still queued
        FTickWindow.reset();
    }
    if (FPeriodRaised) {
        timeEndPeriod(FPeriodRaised);
        FPeriodRaised = 0;
    }
}

void TMMHiTimer::StopThread()
{
    if (!FThread)
        return;
    const std::shared_ptr<TMMTimerThread> t = std::move(FThread);
    t->StopRequest = true;
    t->Terminated = true;
    // A tick handed to the UI thread and not started is dropped, and a worker
    // waiting for one goes on at once.
    t->Sync->Close();
    t->TickEvent.SetEvent();
    const bool onWorker = t->ThreadId == std::this_thread::get_id();
    std::unique_lock<std::mutex> g(t->OwnerLock);
    // A handler running on the worker finishes before we go on (unless it is
    // the one calling us).
    if (!onWorker &&
        !t->OwnerIdle.wait_for(g, std::chrono::milliseconds(FThreadEndLimitMs), [&] { return !t->InDispatch; })) {
        // Nothing better is left: the handler keeps running on a timer that
        // may be gone before it returns. The thread itself touches the owner
        // no more once its handler returns.
        g.unlock();
        Report(QStringLiteral("the timer's handler was still running on its thread after %1 ms; "
                              "the thread was let go without waiting for it")
                   .arg(FThreadEndLimitMs));
        t->Released = true;
        FInSynchronize = false;
        return;
    }
    g.unlock();
    if (FWaitForTerminate && !FInSynchronize && !onWorker && !t->ThreadEvent.WaitFor(FThreadEndLimitMs))
        Report(QStringLiteral("the timer thread did not end within %1 ms; it was let go").arg(FThreadEndLimitMs));
    g.lock();
    t->FOwner = nullptr;
    g.unlock();
    t->Released = true;
    FInSynchronize = false;
}

void TMMHiTimer::StartTimer()
{
    if (FInterval <= 0 || !FEnabled || !FOnTimer)
        return;
    switch (FCallBackMode) {
    case cmWindow:
        FTickWindow = std::make_shared<TPostTarget>();
        break;
    case cmThread: {
        auto t = std::make_shared<TMMTimerThread>(this, FPriority);
        FThread = t;
        if (!TMMTimerThread::Launch(t, AcceptThreadStart()) || !t->ThreadEvent.WaitFor(FThreadStartLimitMs)) {
            StopThread();
            throw EMMHiTimerError(MMPrefixed(QStringLiteral("HiTimer:"), MMMessage(28088)));
        }
        break;
    }
    case cmCallback:
        break;
    }

    TTimeCaps caps;
    timeGetDevCaps(caps);
    if (timeBeginPeriod(caps.wPeriodMin) == TIMERR_NOERROR)
        FPeriodRaised = caps.wPeriodMin;

    TTimerCallback tick;
    switch (FCallBackMode) {
    case cmWindow: {
        std::shared_ptr<TPostTarget> window = FTickWindow;
        tick = [this, window](uint32_t id) {
            if (window->Pending() >= kMaxPendingTicks)
                return;
            const Clock::time_point due = CurrentTickDue();
            window->Post([this, id, due] { TickProc(id, due); });
        };
        break;
    }
    case cmCallback:
        tick = [this](uint32_t) {
            try {
                Dispatch(CurrentTickDue());
            } catch (...) {
                HandleWorkerException(std::current_exception());
            }
        };
        break;
    case cmThread: {
        std::shared_ptr<TMMTimerThread> thread = FThread;
        tick = [thread](uint32_t) {
            thread->Due = ToNs(CurrentTickDue());
            thread->TickEvent.SetEvent();
        };
        break;
    }
    }
    FTimerID = timeSetEvent(uint32_t(FInterval), 0, std::move(tick));
    if (!FTimerID) {
        StopTimer();
        throw EOutOfResources(QStringLiteral("Not enough timers available"));
    }
}

void TMMHiTimer::TickProc(uint32_t TimerID, Clock::time_point Due)
{
    // Ticks of an earlier timer are dropped with their window already; the
    // identifier check keeps it so should one ever slip through.
    if (TimerID != FTimerID)
        return;
    SetTickDue(Due);
    DoTimer();
}

void TMMHiTimer::Dispatch(Clock::time_point Due)
{
    SetTickDue(Due);
    DoTimer();
}

void TMMHiTimer::DoTimer()
{
    if (!FEnabled || !FOnTimer)
        return;
    // A copy: the handler may replace OnTimer while it runs.
    const TMMNotifyEvent handler = FOnTimer;
    handler(this);
}
