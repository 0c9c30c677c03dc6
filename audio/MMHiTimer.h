#pragma once
// TMMHiTimer: calls OnTimer periodically from the millisecond timer service
// instead of the coarse window timer. A tick reaches the handler in one of
// three ways:
//   cmWindow   posted to the user-interface thread, at most 10 waiting, so a
//              busy UI thread drops ticks instead of piling them up;
//   cmCallback on the timer service's own thread (refused unless the platform
//              runs those callbacks at interrupt time, see SetCallBackMode);
//   cmThread   through a worker thread of the timer's own (TMMTimerThread),
//              which runs the handler itself or, with Synchronize, hands it to
//              the user-interface thread and waits for it.
// Every property change tears the running timer down and builds it anew, so
// ticks of the old one never reach the handler; destroying the timer stops
// every delivery before it returns.
//
// Properties are set on the user-interface thread.
#include "audio/MMObj.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>

class TPostTarget;
class TMMTimerThread;

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class EMMHiTimerError : public Exception { public: using Exception::Exception; };

class TMMHiTimer : public TMMComponent {
public:
    TMMHiTimer();
    ~TMMHiTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    int Interval() const { return FInterval; }
    void SetInterval(int Value);
    const TMMNotifyEvent &OnTimer() const { return FOnTimer; }
    void SetOnTimer(TMMNotifyEvent Value);
    TMMCBMode CallBackMode() const { return FCallBackMode; }
    void SetCallBackMode(TMMCBMode Value);
    TThreadPriority Priority() const { return FPriority; }
    void SetPriority(TThreadPriority Value);
    bool Synchronize() const { return FSynchronize; }
    void SetSynchronize(bool Value) { FSynchronize = Value; }
    bool WaitForTerminate() const { return FWaitForTerminate; }
    void SetWaitForTerminate(bool Value) { FWaitForTerminate = Value; }

    // The running timer event (0 when none runs) and, in cmWindow mode, the
    // ticks posted and not yet handled.
    uint32_t TimerID() const { return FTimerID; }
    int PendingTicks() const;
    // Inside OnTimer: when the tick being handled was due.
    std::chrono::steady_clock::time_point TickDue() const;

    // Calls OnTimer when one is assigned and the timer is enabled.
    virtual void DoTimer();

    // TMMTimerThread objects alive in the process.
    static int ThreadCount();

protected:
    // Tears the running timer down and builds it from the properties.
    void UpdateTimer();
    // A descendant may refuse to let a new worker thread run (the thread then
    // ends without saying it started).
    virtual bool AcceptThreadStart() { return true; }
    // How long UpdateTimer waits for a new worker thread to say it started,
    // and, when it lets a worker go, for a handler running there to return
    // (and with WaitForTerminate for the thread to end).
    int FThreadStartLimitMs = 5000;
    int FThreadEndLimitMs = 5000;

private:
    friend class TMMTimerThread;
    void StopTimer();
    void StartTimer();
    void StopThread();
    void TickProc(uint32_t TimerID, std::chrono::steady_clock::time_point Due);
    void Dispatch(std::chrono::steady_clock::time_point Due);
    void SetTickDue(std::chrono::steady_clock::time_point Due);
    static void Report(const QString &What);

    std::atomic<bool> FEnabled{true};
    int FInterval = 1000;
    TMMNotifyEvent FOnTimer;
    TMMCBMode FCallBackMode = cmWindow;
    TThreadPriority FPriority = tpNormal;
    std::atomic<bool> FSynchronize{true};
    bool FWaitForTerminate = false;

    uint32_t FTimerID = 0;
    uint32_t FPeriodRaised = 0; // the period passed to timeBeginPeriod, 0 when none
    std::shared_ptr<TPostTarget> FTickWindow;
    std::shared_ptr<TMMTimerThread> FThread;
    bool FInSynchronize = false; // user-interface thread only
    std::atomic<int64_t> FTickDue{0};
};
