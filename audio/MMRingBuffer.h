#pragma once
// TMMRingBuffer decouples a sound device from a wave file: a ring of fixed-size
// blocks plus a worker thread (TMMQueueThread) that moves data between the ring
// and the file in large chunks, so that a device's buffer callbacks only copy
// memory and never wait for the disk.
//
//  - qmWrite (after a capture device): BufferReady copies into the ring; from
//    half full on, the worker flushes the ring into Output. With a
//    FlushInterval the worker also flushes whatever is queued on that rhythm
//    and asks Output to commit it, so that a crash loses at most that much.
//    A full ring drops the new block (OnOverlow); with WaitIfFull it first
//    waits for room, at most TimeOut ms.
//  - qmRead (before a playback device): BufferLoad serves from the ring; below
//    half full the worker refills the ring from Input. The first read after a
//    start waits (at most TimeOut ms) for the first fill.
//
// End of data in read mode: the block that carries the source's last bytes is
// marked end-of-data, and BufferLoad hands that mark out as MoreBuffers False.
// A source that ends by returning no bytes at all with MoreBuffers False
// (instead of MoreBuffers False with its last bytes) is treated the same way;
// no bytes with MoreBuffers True means "nothing yet". The fill pass puts the mark on
// the newest block still in the ring, or, when the ring has already run dry,
// remembers that the source has ended so that the next read of the empty ring
// returns 0 bytes with the end-of-data mark instead of endless silence. The
// mark is forgotten at Stopped, Rewound and Closed.
//
// Locking: one mutex guards the counters, indices, slot headers and the loop
// state; it is never held while calling another component or an event.
//
// Closing against a producer or consumer on another thread: once Closed has
// begun, WriteBlock and ReadBlock refuse at once, and Closed waits (within a
// limit) for the calls already inside to leave before it frees the slots. The
// four events live as long as the ring, so a late caller never meets a freed
// event.
#include "audio/MMObj.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

enum TMMQueueMode { qmNone, qmRead, qmWrite, qmDuplex };

class TMMRingBuffer;

class TMMQueueThread : public TMMDSPThread {
public:
    explicit TMMQueueThread(TMMRingBuffer *Owner);
    // Takes the transfer buffer of a pass that is still running when the
    // ring lets the thread go, and frees it when the thread ends.
    void Keep(TWaveHdrPtr Transfer) { FKept = std::move(Transfer); }

protected:
    void Execute() override;

private:
    TMMRingBuffer *FRing;
    // The thread's own hold on the events it waits on and signals, so that
    // it never reaches into a ring that let it go.
    const std::shared_ptr<TEvent> FTerminate, FWork, FReadyOut;
    TWaveHdrPtr FKept;
};

class TMMRingBuffer : public TMMDSPComponent {
public:
    // Slot flags
    static constexpr uint32_t sfEndOfData = 1;
    static constexpr uint32_t sfLooped = 2;

    TMMRingBuffer();
    ~TMMRingBuffer() override;

    // Properties; NumBuffers, QueueMode and BufferSize refuse a new value
    // while the ring is active (EMMBufferError 28060).
    void SetBufferSize(int Value) override;
    int NumBuffers() const { return FNumBuffers; }
    void SetNumBuffers(int Value);
    TMMQueueMode QueueMode() const { return FQueueMode; }
    void SetQueueMode(TMMQueueMode Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool WaitIfFull() const { return FWaitIfFull; }
    void SetWaitIfFull(bool Value) { FWaitIfFull = Value; }
    bool LoopIfEmpty() const { return FLoopIfEmpty; }
    void SetLoopIfEmpty(bool Value) { FLoopIfEmpty = Value; }
    int TimeOut() const { return FTimeOut; }
    void SetTimeOut(int Value) { FTimeOut = Value; }
    // Write mode: the longest time (ms) a block waits in the ring before the
    // worker writes it and commits the Output; 0 waits for half full.
    int FlushInterval() const { return FFlushInterval; }
    void SetFlushInterval(int Value) { FFlushInterval = std::max(Value, 0); }

    TMMNotifyEvent OnOverlow, OnEmpty, OnFillQueue, OnFillQueueEnd, OnFlushQueue, OnFlushQueueEnd;

    // Queries (under the lock)
    bool IsEmpty() const;
    bool IsFull() const;
    int Count() const;
    int64_t QueuedBytes() const;
    int64_t FreeBytes() const;
    bool IsActive() const { return FActive; }
    bool IsPrimed() const { return FPrimed; }

    // Block operations
    void WriteBlock(const void *Data, int Length, uintptr_t User, uint32_t Flags);
    int ReadBlock(void *Data, int Length, uint32_t &Flags, uintptr_t &User);
    int WriteChunk(const void *Data, int Length, uint32_t LastFlags);
    int ReadChunk(void *Data, int Length);

    // Chain overrides
    void Opened() override;
    void Closed() override;
    void Started() override;
    void Stopped() override;
    void Rewound() override;
    void BufferReady(PWaveHdr lpWaveHdr) override;
    void BufferLoad(PWaveHdr lpWaveHdr, bool &MoreBuffers) override;

    // Empties the ring (written out in write mode, discarded in read mode).
    void Flush();

private:
    friend class TMMQueueThread;
    struct TSlot {
        char *Data = nullptr;
        int Length = 0;
        uintptr_t User = 0;
        uint32_t Flags = 0;
    };

    void CheckInactive(bool Changing);
    void FlushPass();
    // The worker's flush on the FlushInterval rhythm, unless a pass is
    // already requested or running.
    void TimedFlushPass();
    // Wakes the worker for a flush pass unless one is requested or running.
    void RequestFlushPass();
    void FillPass();
    void EndPass();
    // Waits (within a limit) until no pass is requested or running; false
    // when one still runs.
    bool WaitForIdle(bool Forced);
    // Flush; false when a pass of the worker did not end in time.
    bool FlushAll();
    void ResetQueue();
    // Copies out of the slot at the read index; the slot keeps what is left.
    int TakeFromReadSlot(char *Data, int Length, uint32_t *Flags, uintptr_t *User);
    bool StoreBlock(const char *Data, int Length, uintptr_t User, uint32_t Flags);
    void Fire(const TMMNotifyEvent &Event);
    // Entry of a producer or consumer call: false once closing has begun.
    bool Enter();
    void Leave();
    friend struct TRingUse;

    int FNumBuffers = 20;
    TMMQueueMode FQueueMode = qmNone;
    std::atomic<bool> FEnabled{true};
    std::atomic<bool> FWaitIfFull{false};
    std::atomic<bool> FLoopIfEmpty{false};
    std::atomic<int> FTimeOut{10000};
    std::atomic<int> FFlushInterval{0};

    // Ring storage, allocated while active
    std::vector<TSlot> FSlots;
    std::unique_ptr<char[]> FSlotData;
    TWaveHdrPtr FTransfer;
    int FBlockSize = 0; // BufferSize fixed at activation
    int FFillChunk = 0;
    int FFlushChunk = 0;

    // Guarded by FLock
    mutable std::mutex FLock;
    int FCount = 0;
    int64_t FQueuedBytes = 0;
    int FWriteIndex = 0;
    int FReadIndex = 0;
    int FLastReadIndex = 0;
    bool FSourceEnded = false;
    bool FClosing = false; // Closed has begun: producers and consumers are refused
    int FUsers = 0;        // WriteBlock / ReadBlock calls inside right now
    std::condition_variable FUsersGone;
    std::condition_variable FPassDone; // a pass finished (FPassesDone grew)
    int32_t FLoopEnabled = 0, FLoopTotal = 0, FLoopsLeft = 0, FLooped = 0;

    std::atomic<bool> FActive{false};
    std::atomic<bool> FPrimed{false};
    std::atomic<bool> FAborting{false};
    std::atomic<bool> FPassRequested{false}; // a pass is requested or running
    std::atomic<uint64_t> FPassesDone{0};    // passes finished so far

    // Made with the ring and kept until it goes (and by a worker it let go,
    // until that ends).
    const std::shared_ptr<TEvent> FReadyEvent{std::make_shared<TEvent>(false)};    // auto reset
    const std::shared_ptr<TEvent> FWorkRequested{std::make_shared<TEvent>(true)};  // manual reset
    const std::shared_ptr<TEvent> FIdleEvent{std::make_shared<TEvent>(false)};     // auto reset
    const std::shared_ptr<TEvent> FTerminateEvent{std::make_shared<TEvent>(false)}; // auto reset
    std::unique_ptr<TMMQueueThread> FThread;
};
