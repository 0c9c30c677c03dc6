#include "audio/MMRingBuffer.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace {
void Pause1ms() { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }
// How long Closed waits for producers and consumers still inside.
constexpr auto UsersLimit = std::chrono::milliseconds(5000);
// How long the ring waits for a pass of its worker to finish, and for the
// worker to end.
constexpr auto PassLimit = std::chrono::milliseconds(5000);
constexpr int ThreadEndLimitMs = 5000;
} // namespace

// Holds a producer's or consumer's place while it works on the ring.
struct TRingUse {
    explicit TRingUse(TMMRingBuffer &Ring) : FRing(Ring), FIn(Ring.Enter()) {}
    ~TRingUse()
    {
        if (FIn)
            FRing.Leave();
    }
    explicit operator bool() const { return FIn; }
    TMMRingBuffer &FRing;
    const bool FIn;
};

// ---------------------------------------------------------------------------
// TMMQueueThread

TMMQueueThread::TMMQueueThread(TMMRingBuffer *Owner)
    : TMMDSPThread(Owner), FRing(Owner), FTerminate(Owner->FTerminateEvent), FWork(Owner->FWorkRequested),
      FReadyOut(Owner->FReadyEvent)
{
}

void TMMQueueThread::Execute()
{
    RaisePriority();
    SignalReady();
    // Read once: a worker that was let go after its ring closed must not
    // reach back into the ring between passes.
    const bool timed = FRing->FQueueMode == qmWrite && FRing->FFlushInterval > 0;
    const auto interval = std::chrono::milliseconds(std::max(FRing->FFlushInterval.load(), 0));
    auto due = std::chrono::steady_clock::now() + interval;
    for (;;) {
        int wait = -1;
        if (timed) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(due - std::chrono::steady_clock::now());
            wait = int(std::max<int64_t>(left.count(), 0));
        }
        const int which = TEvent::WaitForAny({FTerminate.get(), FWork.get()}, wait);
        if (which == 0 || Terminated())
            break;
        try {
            if (which < 0)
                FRing->TimedFlushPass();
            else if (FRing->FQueueMode == qmRead)
                FRing->FillPass();
            else
                FRing->FlushPass();
            due = std::chrono::steady_clock::now() + interval;
        } catch (...) {
            HandleWorkerException(std::current_exception());
        }
    }
    FReadyOut->SetEvent();
}

// ---------------------------------------------------------------------------
// TMMRingBuffer

TMMRingBuffer::TMMRingBuffer() = default;

TMMRingBuffer::~TMMRingBuffer()
{
    FComponentState |= csDestroying;
    try {
        if (FActive)
            Closed();
    } catch (...) {
    }
}

void TMMRingBuffer::CheckInactive(bool Changing)
{
    if (Changing && FActive)
        throw EMMBufferError(MMMessage(28060));
}

void TMMRingBuffer::SetBufferSize(int Value)
{
    Value = std::max(Value, 32);
    CheckInactive(Value != FBufferSize);
    TMMDSPComponent::SetBufferSize(Value);
}

void TMMRingBuffer::SetNumBuffers(int Value)
{
    if (Value <= 1)
        return;
    CheckInactive(Value != FNumBuffers);
    FNumBuffers = Value;
}

void TMMRingBuffer::SetQueueMode(TMMQueueMode Value)
{
    CheckInactive(Value != FQueueMode);
    FQueueMode = Value;
}

bool TMMRingBuffer::Enter()
{
    std::lock_guard<std::mutex> g(FLock);
    if (!FActive || FClosing)
        return false;
    ++FUsers;
    return true;
}

void TMMRingBuffer::Leave()
{
    {
        std::lock_guard<std::mutex> g(FLock);
        --FUsers;
    }
    FUsersGone.notify_all();
}

void TMMRingBuffer::Fire(const TMMNotifyEvent &Event)
{
    if (Event)
        Event(this);
}

bool TMMRingBuffer::IsEmpty() const
{
    std::lock_guard<std::mutex> g(FLock);
    return FCount == 0;
}

bool TMMRingBuffer::IsFull() const
{
    std::lock_guard<std::mutex> g(FLock);
    return FCount >= int(FSlots.size());
}

int TMMRingBuffer::Count() const
{
    std::lock_guard<std::mutex> g(FLock);
    return FCount;
}

int64_t TMMRingBuffer::QueuedBytes() const
{
    std::lock_guard<std::mutex> g(FLock);
    return FQueuedBytes;
}

int64_t TMMRingBuffer::FreeBytes() const
{
    std::lock_guard<std::mutex> g(FLock);
    return int64_t(FBlockSize) * (int64_t(FSlots.size()) - FCount);
}

void TMMRingBuffer::ResetQueue()
{
    std::lock_guard<std::mutex> g(FLock);
    FCount = 0;
    FQueuedBytes = 0;
    FWriteIndex = FReadIndex = FLastReadIndex = 0;
    FSourceEnded = false;
    FPrimed = false;
}

bool TMMRingBuffer::StoreBlock(const char *Data, int Length, uintptr_t User, uint32_t Flags)
{
    std::lock_guard<std::mutex> g(FLock);
    const int n = int(FSlots.size());
    if (n == 0 || FCount >= n)
        return false;
    TSlot &s = FSlots[size_t(FWriteIndex)];
    Length = std::min(Length, FBlockSize);
    std::memcpy(s.Data, Data, size_t(Length));
    s.Length = Length;
    s.User = User;
    s.Flags = Flags;
    FWriteIndex = (FWriteIndex + 1) % n;
    ++FCount;
    FQueuedBytes += Length;
    return true;
}

int TMMRingBuffer::TakeFromReadSlot(char *Data, int Length, uint32_t *Flags, uintptr_t *User)
{
    // Copied under the lock: a slot is only 'BufferSize' bytes, and this keeps
    // a second reader (a final flush racing a late worker pass) harmless.
    std::lock_guard<std::mutex> g(FLock);
    if (FCount == 0 || Length <= 0)
        return 0;
    TSlot &s = FSlots[size_t(FReadIndex)];
    const int a = std::min(s.Length, Length);
    std::memcpy(Data, s.Data, size_t(a));
    uint32_t flags = s.Flags;
    if (a < s.Length) {
        // The slot keeps the rest; the end-of-data mark goes out with the
        // read that empties it, the looped mark with the first part.
        std::memmove(s.Data, s.Data + a, size_t(s.Length - a));
        s.Length -= a;
        flags &= ~sfEndOfData;
        s.Flags &= ~sfLooped;
    } else {
        FLastReadIndex = FReadIndex;
        FReadIndex = (FReadIndex + 1) % int(FSlots.size());
        --FCount;
    }
    FQueuedBytes -= a;
    if (Flags)
        *Flags = flags;
    if (User)
        *User = s.User;
    return a;
}

void TMMRingBuffer::RequestFlushPass()
{
    bool expected = false;
    if (FQueueMode == qmWrite && FPassRequested.compare_exchange_strong(expected, true)) {
        FIdleEvent->ResetEvent();
        FWorkRequested->SetEvent();
    }
}

void TMMRingBuffer::WriteBlock(const void *Data, int Length, uintptr_t User, uint32_t Flags)
{
    if (!FEnabled)
        return;
    TRingUse use(*this);
    if (!use)
        return;
    if (IsFull() && !FWaitIfFull) {
        Fire(OnOverlow);
        return;
    }
    if (!Data || Length <= 0)
        return;
    bool request = false;
    {
        std::lock_guard<std::mutex> g(FLock);
        if (FQueueMode == qmWrite && FCount + 1 >= int(FSlots.size()) / 2) {
            bool expected = false;
            request = FPassRequested.compare_exchange_strong(expected, true);
        }
    }
    if (request) {
        FIdleEvent->ResetEvent();
        FWorkRequested->SetEvent();
    }
    if (FWaitIfFull) {
        // At most TimeOut: a disk that stopped answering must not hold the
        // producer (the capture thread, and with it the device) for ever; the
        // block is then lost and reported as a ring that does not wait would.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(FTimeOut.load());
        for (;;) {
            {
                std::lock_guard<std::mutex> g(FLock);
                if (FClosing || FCount < int(FSlots.size()))
                    break;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                Fire(OnOverlow);
                return;
            }
            // A pass that ended while the ring filled up again (its commit
            // waits for the disk) would otherwise leave us waiting for ever.
            RequestFlushPass();
            Pause1ms();
        }
    }
    if (!StoreBlock(static_cast<const char *>(Data), Length, User, Flags))
        Fire(OnOverlow); // only when the ring was closed while we waited
}

int TMMRingBuffer::WriteChunk(const void *Data, int Length, uint32_t LastFlags)
{
    const char *p = static_cast<const char *>(Data);
    int done = 0;
    while (done < Length) {
        const int piece = std::min(Length - done, FBlockSize);
        const bool last = done + piece >= Length;
        if (!StoreBlock(p + done, piece, 0, last ? LastFlags : 0))
            break;
        done += piece;
    }
    return done;
}

int TMMRingBuffer::ReadChunk(void *Data, int Length)
{
    char *p = static_cast<char *>(Data);
    int done = 0;
    while (done < Length) {
        const int n = TakeFromReadSlot(p + done, Length - done, nullptr, nullptr);
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

int TMMRingBuffer::ReadBlock(void *Data, int Length, uint32_t &Flags, uintptr_t &User)
{
    Flags = 0;
    User = 0;
    if (!Data || Length <= 0)
        return 0;
    TRingUse use(*this);
    if (!use)
        return 0;
    char *out = static_cast<char *>(Data);

    if (FQueueMode == qmDuplex && Count() <= int(FSlots.size()) / 2) {
        const int n = std::min<int>(Length, int(FTransfer->dwBufferLength));
        std::memcpy(out, FTransfer->lpData, size_t(n));
        return n;
    }

    if (FQueueMode == qmRead && FEnabled) {
        bool request = false;
        bool pending = false;
        uint64_t passesBefore = 0;
        {
            std::lock_guard<std::mutex> g(FLock);
            passesBefore = FPassesDone;
            if (FCount < int(FSlots.size()) / 2) {
                bool expected = false;
                request = FPassRequested.compare_exchange_strong(expected, true);
            }
            pending = FPassRequested;
        }
        if (request) {
            FIdleEvent->ResetEvent();
            FWorkRequested->SetEvent();
        }
        if (!FPrimed && pending) {
            // The first read after a start waits for the first fill, on the
            // pass count: the idle event is auto-reset and WaitForIdle on
            // another thread may take its signal first.
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(FTimeOut.load());
            bool filled;
            {
                std::unique_lock<std::mutex> g(FLock);
                filled = FPassDone.wait_until(g, deadline, [&] { return FPassesDone > passesBefore || FClosing; })
                      && !FClosing;
            }
            if (!filled || IsEmpty()) {
                std::lock_guard<std::mutex> g(FLock);
                if (FSourceEnded)
                    Flags = sfEndOfData;
                return 0;
            }
            FPrimed = true;
        }
    }

    if (IsEmpty()) {
        Fire(OnEmpty);
        std::lock_guard<std::mutex> g(FLock);
        if (FSourceEnded) {
            Flags = sfEndOfData;
            return 0;
        }
        const TWaveFormatEx *f = GetWaveFormat();
        if ((FLoopIfEmpty || (f && f->wFormatTag != WAVE_FORMAT_PCM)) && !FSlots.empty()) {
            const TSlot &s = FSlots[size_t(FLastReadIndex)];
            const int n = std::min(s.Length, Length);
            std::memcpy(out, s.Data, size_t(n));
            Flags = s.Flags;
            User = s.User;
            return n;
        }
        std::memset(out, f && f->wBitsPerSample == 8 ? 128 : 0, size_t(Length));
        return Length;
    }
    return TakeFromReadSlot(out, Length, &Flags, &User);
}

void TMMRingBuffer::EndPass()
{
    // Counted and cleared before idle is signalled, so that a waiter woken by
    // idle always sees the pass as finished.
    FWorkRequested->ResetEvent();
    {
        std::lock_guard<std::mutex> g(FLock);
        ++FPassesDone;
        FPassRequested = false;
    }
    FPassDone.notify_all();
    FIdleEvent->SetEvent();
}

namespace {
struct TPassEnd {
    std::function<void()> F;
    ~TPassEnd() { F(); }
};
} // namespace

void TMMRingBuffer::FlushPass()
{
    TPassEnd end{[this] { EndPass(); }};
    if (!FActive || QueuedBytes() <= 0)
        return;
    // Taken once: a ring that gives up waiting for this pass hands the buffer
    // over to the worker instead of freeing it.
    TWaveHdr *t = FTransfer.get();
    Fire(OnFlushQueue);
    while (QueuedBytes() > 0) {
        const int want = int(std::min<int64_t>(QueuedBytes(), FFlushChunk));
        const int n = ReadChunk(t->lpData, want);
        if (n <= 0)
            break;
        t->dwBytesRecorded = uint32_t(n);
        t->dwBufferLength = uint32_t(FFlushChunk);
        TMMDSPComponent::BufferReady(t);
        Pause1ms();
    }
    TMMDSPComponent::Commit();
    Fire(OnFlushQueueEnd);
}

void TMMRingBuffer::TimedFlushPass()
{
    if (FQueueMode != qmWrite || !FActive || QueuedBytes() <= 0)
        return;
    // The request flag keeps a flush on another thread (a stop) out meanwhile.
    bool expected = false;
    if (!FPassRequested.compare_exchange_strong(expected, true))
        return;
    FlushPass();
}

void TMMRingBuffer::FillPass()
{
    TPassEnd end{[this] { EndPass(); }};
    if (!FActive || FreeBytes() <= 0)
        return;
    Fire(OnFillQueue);
    TWaveHdr *h = FTransfer.get();
    while (FreeBytes() >= 1 && !FAborting) {
        h->dwBufferLength = uint32_t(std::min<int64_t>(FreeBytes(), FFillChunk));
        h->dwBytesRecorded = 0;
        {
            std::lock_guard<std::mutex> g(FLock);
            h->LoopEnabled = FLoopEnabled;
            h->LoopTotal = FLoopTotal;
            h->LoopsLeft = FLoopsLeft;
            h->Looped = FLooped;
        }
        bool more = false;
        TMMDSPComponent::BufferLoad(h, more);
        Pause1ms();
        if (h->dwBytesRecorded < 1) {
            // A source that ends by giving nothing (and not announcing more):
            // the end goes on the newest block still queued, or is remembered
            // for the next read of the empty ring.
            if (!more) {
                std::lock_guard<std::mutex> g(FLock);
                if (FCount > 0) {
                    const int n = int(FSlots.size());
                    FSlots[size_t((FWriteIndex + n - 1) % n)].Flags |= sfEndOfData;
                } else {
                    FSourceEnded = true;
                }
            }
            break;
        }
        {
            std::lock_guard<std::mutex> g(FLock);
            FLoopEnabled = h->LoopEnabled;
            FLoopTotal = h->LoopTotal;
            FLoopsLeft = h->LoopsLeft;
            FLooped = h->Looped;
        }
        const uint32_t flags = (h->Looped ? sfLooped : 0) | (more ? 0 : sfEndOfData);
        WriteChunk(h->lpData, int(std::min<uint32_t>(h->dwBytesRecorded, h->dwBufferLength)), flags);
        {
            std::lock_guard<std::mutex> g(FLock);
            FLooped = 0;
        }
        if (!more || FAborting)
            break;
        Pause1ms();
    }
    Fire(OnFillQueueEnd);
}

bool TMMRingBuffer::WaitForIdle(bool Forced)
{
    // The idle event only wakes us; whether the worker is idle is told by
    // the request flag, which a pass clears before it signals idle.
    (void)Forced;
    const auto deadline = std::chrono::steady_clock::now() + PassLimit;
    while (FPassRequested) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        FIdleEvent->WaitFor(1);
    }
    FIdleEvent->ResetEvent();
    return true;
}

void TMMRingBuffer::Flush() { FlushAll(); }

bool TMMRingBuffer::FlushAll()
{
    bool idle = true;
    if (FActive && (FQueueMode == qmRead || FQueueMode == qmWrite)) {
        idle = WaitForIdle(false);
        if (FQueueMode == qmWrite) {
            // The rest of the recording reaches the file on this thread; the
            // request flag keeps the worker out meanwhile. A worker stuck in
            // its pass keeps the file: this thread does not write beside it.
            bool expected = false;
            while (idle && !FPassRequested.compare_exchange_strong(expected, true)) {
                expected = false;
                idle = WaitForIdle(false);
            }
            if (idle) {
                FlushPass();
                idle = WaitForIdle(true);
            }
        }
    }
    ResetQueue();
    return idle;
}

void TMMRingBuffer::Opened()
{
    TMMDSPComponent::Opened();
    if (FActive)
        return;
    FBlockSize = std::max(int(EffectiveBufferSize()), 1);
    FFillChunk = std::max((65536 / FBlockSize) * FBlockSize, FBlockSize);
    FFlushChunk = FFillChunk;
    FSlotData.reset(new char[size_t(FNumBuffers) * size_t(FBlockSize)]);
    FSlots.assign(size_t(FNumBuffers), TSlot{});
    for (int i = 0; i < FNumBuffers; ++i)
        FSlots[size_t(i)].Data = FSlotData.get() + size_t(i) * size_t(FBlockSize);
    if (FQueueMode != qmNone)
        FTransfer = AllocWaveHeader(uint32_t(std::max(65536, FBlockSize)));
    ResetQueue();
    {
        std::lock_guard<std::mutex> g(FLock);
        FLoopEnabled = FLoopTotal = FLoopsLeft = FLooped = 0;
    }
    FPassRequested = false;
    {
        std::lock_guard<std::mutex> g(FLock);
        FClosing = false;
    }
    FReadyEvent->ResetEvent();
    FWorkRequested->ResetEvent();
    FIdleEvent->ResetEvent();
    FTerminateEvent->ResetEvent();
    if (FQueueMode == qmRead || FQueueMode == qmWrite) {
        FThread = std::make_unique<TMMQueueThread>(this);
        if (!FThread->StartAndWait(5000)) {
            FThread->Terminate();
            FTerminateEvent->SetEvent();
            if (FThread->JoinFor(ThreadEndLimitMs))
                FThread.reset();
            else
                FThread.release()->LetGo();
            FSlots.clear();
            FSlotData.reset();
            FTransfer.reset();
            throw EMMBufferError(MMPrefixed(QStringLiteral("RingBuffer:"), MMMessage(28088)));
        }
    }
    FActive = true;
    FAborting = false;
}

void TMMRingBuffer::Started()
{
    FAborting = false;
    TMMDSPComponent::Started();
}

void TMMRingBuffer::Stopped()
{
    FPrimed = false;
    FAborting = true;
    {
        std::lock_guard<std::mutex> g(FLock);
        FLoopEnabled = FLoopTotal = FLoopsLeft = FLooped = 0;
    }
    Flush();
    TMMDSPComponent::Stopped();
}

void TMMRingBuffer::Rewound()
{
    FPrimed = false;
    FAborting = true;
    {
        std::lock_guard<std::mutex> g(FLock);
        FLoopEnabled = FLoopTotal = FLoopsLeft = FLooped = 0;
    }
    Flush();
    ResetQueue();
    FAborting = false;
    TMMDSPComponent::Rewound();
}

void TMMRingBuffer::Closed()
{
    if (FActive) {
        FAborting = true;
        {
            // From here on producers and consumers are turned away; the ones
            // inside finish before anything they use is freed.
            std::unique_lock<std::mutex> g(FLock);
            FClosing = true;
            FPassDone.notify_all();
            FUsersGone.wait_for(g, UsersLimit, [this] { return FUsers == 0; });
        }
        bool idle = FlushAll();
        FActive = false;
        if (FThread) {
            idle = idle && WaitForIdle(false);
            FThread->Terminate();
            FTerminateEvent->SetEvent();
            if (idle && FThread->JoinFor(ThreadEndLimitMs)) {
                FThread.reset();
            } else {
                // A pass that does not end in time keeps the transfer buffer
                // it works with; the thread frees it when it ends.
                FThread->Keep(std::move(FTransfer));
                FThread.release()->LetGo();
            }
        }
        ResetQueue();
        {
            std::lock_guard<std::mutex> g(FLock);
            FSlots.clear();
        }
        FSlotData.reset();
        FTransfer.reset();
    }
    TMMDSPComponent::Closed();
}

void TMMRingBuffer::BufferReady(PWaveHdr lpWaveHdr)
{
    if (FQueueMode == qmWrite || FQueueMode == qmDuplex)
        WriteBlock(lpWaveHdr->lpData, int(lpWaveHdr->dwBytesRecorded), lpWaveHdr->dwUser, 0);
    else
        TMMDSPComponent::BufferReady(lpWaveHdr);
}

void TMMRingBuffer::BufferLoad(PWaveHdr lpWaveHdr, bool &MoreBuffers)
{
    if (FQueueMode == qmRead || FQueueMode == qmDuplex) {
        if (!FActive)
            return;
        if (FEnabled || QueuedBytes() > 0 || FQueueMode == qmDuplex) {
            {
                std::lock_guard<std::mutex> g(FLock);
                if ((lpWaveHdr->LoopEnabled != 0) != (FLoopEnabled != 0)) {
                    FLoopEnabled = lpWaveHdr->LoopEnabled;
                    FLoopTotal = lpWaveHdr->LoopTotal;
                    FLoopsLeft = lpWaveHdr->LoopsLeft;
                    FLooped = 0;
                }
            }
            lpWaveHdr->dwBytesRecorded = lpWaveHdr->dwBufferLength;
            uint32_t flags = 0;
            uintptr_t user = 0;
            const int n = ReadBlock(lpWaveHdr->lpData, int(lpWaveHdr->dwBufferLength), flags, user);
            lpWaveHdr->dwBytesRecorded = uint32_t(std::max(n, 0));
            lpWaveHdr->dwUser = user;
            lpWaveHdr->Looped = (flags & sfLooped) ? MMTrue : 0;
            MoreBuffers = FQueueMode == qmDuplex || !(flags & sfEndOfData);
            return;
        }
    }
    TMMDSPComponent::BufferLoad(lpWaveHdr, MoreBuffers);
}
