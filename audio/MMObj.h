#pragma once
// Audio engine core: PCM formats, the buffer header, time conversions, the
// chain component classes that link into a linear chain (source -> ... ->
// sink), the worker-thread base, the engine's numbered messages and errors.
//
// Data travels along a chain in buffers described by TWaveHdr, pushed down
// with BufferReady (recording) or pulled up with BufferLoad (playback). Sound
// devices drive the life cycle of their chain (Opened, Started, ... Closed).
// Links, formats and buffer sizes are changed on the user-interface thread
// only; BufferReady/BufferLoad may run on any thread.
#include "platform/Exceptions.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/Event.h"

// ---------------------------------------------------------------------------
// Wave format record: the same 18 bytes form the body of a RIFF "fmt " chunk.

#pragma pack(push, 1)
struct TWaveFormatEx {
    uint16_t wFormatTag;      // 1 = PCM
    uint16_t nChannels;       // 1 mono, 2 stereo
    uint32_t nSamplesPerSec;  // sample frames per second
    uint32_t nAvgBytesPerSec; // bytes per second
    uint16_t nBlockAlign;     // bytes per sample frame
    uint16_t wBitsPerSample;  // 8 or 16 for PCM
    uint16_t cbSize;          // extra format bytes that follow; 0 for PCM
};
#pragma pack(pop)
static_assert(sizeof(TWaveFormatEx) == 18, "the wave format record is 18 packed bytes");
using PWaveFormatEx = TWaveFormatEx *;

constexpr uint16_t WAVE_FORMAT_PCM = 1;

// Format copies are variable-sized blocks (18 + cbSize for non-PCM tags),
// owned by whoever made the copy.
struct TWaveFormatDeleter {
    void operator()(TWaveFormatEx *p) const noexcept;
};
using TWaveFormatPtr = std::unique_ptr<TWaveFormatEx, TWaveFormatDeleter>;

// 18 for PCM (cbSize counted), 18 + cbSize for any other tag, 0 for none.
size_t WaveFormatSize(const TWaveFormatEx *Format);
// Exactly WaveFormatSize bytes in a new block; none copies to none.
TWaveFormatPtr CopyWaveFormat(const TWaveFormatEx *Format);
// A zero-filled block with room for Size bytes (at least 18).
TWaveFormatPtr AllocWaveFormat(size_t Size);
// PCM record from (bits, channels, rate).
TWaveFormatEx MakePCMWaveFormat(int Bits, int Channels, uint32_t SampleRate);
// Tag 1, 8 or 16 bits, 1 or 2 channels, 4000..100000 samples per second.
bool IsValidPCMFormat(const TWaveFormatEx *Format);
// Display name of a format tag; "Unknown" for a tag not in the table.
QString WaveFormatName(uint16_t FormatTag);

// ---------------------------------------------------------------------------
// Buffer header: the platform's wave header followed by the chain's extension,
// then directly by the data area (lpData points just past the header for
// buffers made by AllocWaveHeader). Pointer-sized fields are 8 bytes here.

struct TWaveHdr;
using PWaveHdr = TWaveHdr *;

struct TWaveHdr {
    char *lpData;              // start of the data area
    uint32_t dwBufferLength;   // capacity; on a load, the number of bytes wanted
    uint32_t dwBytesRecorded;  // valid bytes in the buffer
    uintptr_t dwUser;          // passed through unchanged
    uint32_t dwFlags;          // WHDR_DONE, WHDR_PREPARED
    uint32_t dwLoops;          // the chain leaves it 0
    PWaveHdr lpNext;           // platform use
    uintptr_t reserved;        // platform use
    // extension used by the chain
    uint32_t reserved2[2];     // zero
    PWaveHdr NextHeader;       // playback: the buffer that plays after this one
    int32_t LoopEnabled;       // 0 or -1 (all bits set)
    int32_t LoopTotal;         // loops requested, 0 = endless
    int32_t LoopsLeft;         // loops still to play
    int32_t Looped;            // set by the source when it wrapped while filling
};
static_assert(offsetof(TWaveHdr, reserved2) == 6 * 8, "platform part first");
static_assert(offsetof(TWaveHdr, NextHeader) == 56, "extension layout");
static_assert(sizeof(TWaveHdr) == 80, "header size");

constexpr uint32_t WHDR_DONE = 0x1;
constexpr uint32_t WHDR_PREPARED = 0x2;
constexpr int32_t MMTrue = -1; // 32-bit boolean true: all bits set

struct TWaveHdrDeleter {
    void operator()(TWaveHdr *p) const noexcept;
};
using TWaveHdrPtr = std::unique_ptr<TWaveHdr, TWaveHdrDeleter>;
// One zero-filled block of header + BufferSize data bytes; lpData points just
// past the header, dwBufferLength = BufferSize.
TWaveHdrPtr AllocWaveHeader(uint32_t BufferSize);

// ---------------------------------------------------------------------------
// Time formats and conversions

enum TMMTimeFormats { tfMillisecond, tfByte, tfSample };
enum TMMMode { mMono, mStereo };
// Where a device or timer hands its notifications over: posted to the
// user-interface thread, on the platform's own callback thread, or on a
// worker thread of the component.
enum TMMCBMode { cmWindow, cmCallback, cmThread };

// a * b / c with a 64-bit intermediate, rounded by adding 2 * (a*b mod c) / c
// to the truncated quotient. A divisor of 0 (a damaged format) gives 0.
int64_t MultiplyDivideRounded(int64_t a, int64_t b, int64_t c);

int64_t BytesToSamples(const TWaveFormatEx *Format, int64_t Bytes);
int64_t BytesToMs(const TWaveFormatEx *Format, int64_t Bytes);
int64_t SamplesToBytes(const TWaveFormatEx *Format, int64_t Samples); // whole frames, rounded up
int64_t SamplesToMs(const TWaveFormatEx *Format, int64_t Samples);
int64_t MsToSamples(const TWaveFormatEx *Format, int64_t Ms);
int64_t MsToBytes(const TWaveFormatEx *Format, int64_t Ms); // whole frames, rounded up
// Sample frames to and from a value in the given time format.
int64_t SamplesToTimeFormat(const TWaveFormatEx *Format, TMMTimeFormats TimeFormat, int64_t Samples);
int64_t TimeFormatToSamples(const TWaveFormatEx *Format, TMMTimeFormats TimeFormat, int64_t Value);

template <class T> constexpr T MMMin(T a, T b) { return a < b ? a : b; }
template <class T> constexpr T MMMax(T a, T b) { return a > b ? a : b; }
// low when Value < low, else the smaller of Value and high
template <class T> constexpr T MMClamp(T Value, T Low, T High) { return Value < Low ? Low : MMMin(Value, High); }

// Waits Ms milliseconds polling the clock; with ProcessMessages the
// user-interface event loop runs on each pass (only on the UI thread).
void MMDelay(int Ms, bool ProcessMessages);

// ---------------------------------------------------------------------------
// Messages 28000 + n and the engine's errors

// Numbered message texts of the audio engine, loaded when an error is raised.
QString MMMessage(int Number);
// "Prefix:" + line feed + carriage return + text, the engine's form of a step
// prefix in front of a message.
QString MMPrefixed(const QString &Prefix, const QString &Text);

class EMMWaveInError : public Exception { public: using Exception::Exception; };
class EMMWaveOutError : public Exception { public: using Exception::Exception; };
class EMMBufferError : public Exception { public: using Exception::Exception; };
class EMMWaveError : public Exception { public: using Exception::Exception; };

// ---------------------------------------------------------------------------
// Components

class TMMComponent;
class TMMDSPComponent;

using TMMNotifyEvent = std::function<void(TMMComponent *Sender)>;
using TMMBufferEvent = std::function<void(TMMComponent *Sender, PWaveHdr lpWaveHdr)>;
using TMMBufferLoadEvent = std::function<void(TMMComponent *Sender, PWaveHdr lpWaveHdr, bool &MoreBuffers)>;

// Component states during which formats are not propagated.
enum TMMComponentStateFlag : unsigned { csLoading = 1, csReading = 2, csDestroying = 4 };

class TMMComponent {
public:
    TMMComponent() = default;
    virtual ~TMMComponent() = default;
    TMMComponent(const TMMComponent &) = delete;
    TMMComponent &operator=(const TMMComponent &) = delete;

    QString Name;
    unsigned ComponentState() const { return FComponentState; }
    // Stored-form loading: properties are set between the two calls; Loaded
    // lets the component settle (chain components re-announce their format).
    void BeginLoading() { FComponentState |= csLoading; }
    virtual void Loaded() { FComponentState &= ~unsigned(csLoading); }

protected:
    unsigned FComponentState = 0;
};

class TMMNonVisualComponent : public TMMComponent {};

// Abstract chain component.
class TMMCustomDSPComponent : public TMMNonVisualComponent {};

// Chain component with ports, format, buffer size and notifications.
// Created and destroyed on the user-interface thread.
class TMMDSPComponent : public TMMCustomDSPComponent {
public:
    TMMDSPComponent();
    ~TMMDSPComponent() override;

    void Loaded() override;

    // 1. format settles from the Input (or is handed to the Output)
    virtual void UpdateFormat();
    // 2. a link of Component on Side ("Input"/"Output") is about to change
    virtual void PortChanged(TMMDSPComponent *Component, const QString &Side);
    // 3-6. the Input and Output properties
    virtual void SetInput(TMMDSPComponent *Value);
    virtual TMMDSPComponent *GetInput() const { return FInput; }
    virtual void SetOutput(TMMDSPComponent *Value);
    virtual TMMDSPComponent *GetOutput() const { return FOutput; }
    TMMDSPComponent *Input() const { return GetInput(); }
    TMMDSPComponent *Output() const { return GetOutput(); }
    // 7-9. format; the component keeps its own copy
    virtual void SetWaveFormat(const TWaveFormatEx *Format);
    virtual void AssignWaveFormat(const TWaveFormatEx *Format);
    virtual const TWaveFormatEx *GetWaveFormat() const { return FWaveFormat.get(); }
    const TWaveFormatEx *WaveFormat() const { return GetWaveFormat(); }
    // 10-11. requested size while closed, effective size while open
    virtual int GetBufferSize() const;
    virtual void SetBufferSize(int Value);
    int BufferSize() const { return GetBufferSize(); }
    uint32_t EffectiveBufferSize() const { return FEffectiveBufferSize; }
    // 12-18. life-cycle notifications
    virtual void Opened();
    virtual void Closed();
    virtual void Started();
    virtual void Paused();
    virtual void Restarted();
    virtual void Stopped();
    virtual void Rewound();
    // 19-20. data
    virtual void BufferReady(PWaveHdr lpWaveHdr);
    virtual void BufferLoad(PWaveHdr lpWaveHdr, bool &MoreBuffers);
    // Everything pushed down so far is to outlive a crash: a component that
    // stores data makes it durable; the others pass the request to the Output.
    virtual void Commit();
    // 23-24. link rules: no self-link, no loop, partner must have the port
    virtual bool CanConnectInput(TMMComponent *Component);
    virtual bool CanConnectOutput(TMMComponent *Component);

    // Whether this class publishes an Input / Output property.
    virtual bool HasInputPort() const { return true; }
    virtual bool HasOutputPort() const { return true; }

    bool IsOpen() const { return FIsOpen; }
    bool IsStarted() const { return FIsStarted; }
    const QString &InputPortName() const { return FInputPortName; }
    const QString &OutputPortName() const { return FOutputPortName; }

    bool AcceptsInput = false;
    bool AcceptsOutput = false;
    TMMBufferEvent OnBufferReady;
    TMMBufferLoadEvent OnBufferLoad;

protected:
    // 21-22. raw link setters used when a link is made
    virtual void SetInputPort(TMMDSPComponent *Component, const QString &PortName);
    virtual void SetOutputPort(TMMDSPComponent *Component, const QString &PortName);
    bool FormatsFrozen() const { return (FComponentState & (csLoading | csReading | csDestroying)) != 0; }

    TMMDSPComponent *FInput = nullptr;
    TMMDSPComponent *FOutput = nullptr;
    TWaveFormatPtr FWaveFormat;
    int FBufferSize = 2048;
    uint32_t FEffectiveBufferSize = 2048;
    std::atomic<bool> FIsOpen{false};
    std::atomic<bool> FIsStarted{false};
    QString FInputPortName;
    QString FOutputPortName;
};

enum TMMChainNotification { cnOpened, cnClosed, cnStarted, cnPaused, cnRestarted, cnStopped, cnRewound };

// A chain component that is a sound device. Its notifications walk its chain
// in a fixed order: the components between it and the next device hear of it.
class TMMCustomSoundComponent : public TMMDSPComponent {
public:
    virtual void Error(const QString &Msg) = 0;
    virtual void Open() = 0;
    virtual void Close() = 0;
    virtual void Start() = 0;
    virtual void Pause() = 0;
    virtual void Restart() = 0;
    virtual void Stop() = 0;

    // Each runs the walk of its notification, then the base step on itself.
    void Opened() override;
    void Closed() override;
    void Started() override;
    void Paused() override;
    void Restarted() override;
    void Stopped() override;
    void Rewound() override;

    bool HasUpstreamDevice() const { return FHasUpstreamDevice; }

    TMMNotifyEvent OnError, OnOpen, OnStart, OnPause, OnRestart, OnStop, OnClose;

protected:
    // The walk alone (without the base step on this device).
    void NotifyChain(TMMChainNotification What);
    bool FHasUpstreamDevice = false;
};

bool IsSoundDevice(const TMMComponent *Component);

// ---------------------------------------------------------------------------
// A worker thread's synchronize facility: runs calls on the user-interface
// thread with the worker waiting for each. The worker only waits while the
// channel is open; whoever is about to wait for that worker on the UI thread
// closes its channel first, which wakes the worker at once and drops a call
// the UI thread has not started. So the two never wait for each other.

constexpr int kMMSyncPickUpLimitMs = 5000;

class TMMSyncChannel {
public:
    enum TResult {
        srDone,     // the handler ran (its exception, if any, is raised again)
        srClosed,   // the channel was closed: dropped, or left running on the UI thread
        srTimedOut  // the UI thread did not start it within the limit: dropped
    };
    TMMSyncChannel();
    ~TMMSyncChannel(); // closes
    TMMSyncChannel(const TMMSyncChannel &) = delete;
    TMMSyncChannel &operator=(const TMMSyncChannel &) = delete;

    // Worker side. Must not be called on the user-interface thread.
    TResult Call(std::function<void()> Handler, int PickUpLimitMs = kMMSyncPickUpLimitMs);
    // Any thread; safe to call twice.
    void Close();
    bool IsClosed() const;

    // The channel CallInMainThread uses on the calling thread (none: unbind).
    static void BindToCurrentThread(std::shared_ptr<TMMSyncChannel> Channel);
    static std::shared_ptr<TMMSyncChannel> Current();

private:
    struct TState;
    std::shared_ptr<TState> FState;
};

class EMMSyncError : public Exception { public: using Exception::Exception; };

// ---------------------------------------------------------------------------
// Worker thread bound to one chain component. Registered in a process-wide
// list while it exists, so that CallInMainThread can tell chain workers apart.

class TMMDSPThread {
public:
    explicit TMMDSPThread(TMMDSPComponent *Owner);
    virtual ~TMMDSPThread(); // joins the thread

    // Launches the (suspended) thread and waits up to 5000 ms for it to say it
    // runs; false when it did not.
    bool StartAndWait(int TimeOutMs = 5000);
    void Terminate() { FTerminated = true; }
    bool Terminated() const { return FTerminated; }
    // Closes the thread's hand-over first, so a worker waiting in
    // CallInMainThread cannot hold up the join.
    void Join();
    // Waits up to LimitMs for the thread to end and joins it; false when it
    // still runs (it is then left as it is).
    bool JoinFor(int LimitMs);
    // Lets go of a thread that did not end in time, instead of deleting it:
    // it frees itself when it ends (at once when it has already). Whatever
    // it still uses must be its own by then.
    void LetGo();
    TMMDSPComponent *Owner() const { return FOwner; }
    TEvent &ReadyEvent() { return FReady; }

protected:
    virtual void Execute() = 0;
    void SignalReady() { FReady.SetEvent(); }
    // One step above normal where the system allows it.
    static void RaisePriority();

private:
    void Run();
    TMMDSPComponent *FOwner;
    std::shared_ptr<TMMSyncChannel> FSync;
    std::thread FThread;
    std::atomic<bool> FTerminated{false};
    TEvent FReady{false};
    std::mutex FEndLock;
    std::condition_variable FEndChanged;
    bool FEnded = false; // guarded by FEndLock
    bool FLetGo = false; // guarded by FEndLock
};

// True when the calling thread is a registered chain worker.
bool IsChainWorkerThread();
// True on the user-interface thread (or when there is no application object).
bool IsMainThread();

// Runs Handler on the user-interface thread. A thread with a hand-over of its
// own (chain workers, the high-resolution timer's thread) waits until the UI
// thread has run it and gets its exception raised again; when the thread is
// being stopped the handler is dropped, and when the UI thread does not pick
// it up within kMMSyncPickUpLimitMs, EMMSyncError says so. Any other thread,
// the UI thread included, calls it directly.
void CallInMainThread(const std::function<void()> &Handler);

// Where an exception that reached the top of a worker goes. The default posts
// it to the user-interface thread, which raises it again inside the event
// loop, where the application object shows it.
using TMMWorkerErrorHandler = std::function<void(std::exception_ptr)>;
void SetWorkerErrorHandler(TMMWorkerErrorHandler Handler);
void HandleWorkerException(std::exception_ptr Error);

// Number of live chain components and registered workers (process-wide lists).
int ChainComponentCount();
// Workers let go inside a handler (past their end's time limit) that have not
// ended yet.
int LetGoWorkerCount();

// Destroys a chain component on the user-interface thread. While any worker
// that was let go inside a handler (a slow disk, a stuck device) still runs,
// it may yet return into this component or the ones around it: the component
// is then kept, linked as it is, and deleted once every such worker has
// ended. The owner clears the handlers that reach into it before.
// Components still kept when the application object goes are left to the
// end of the process.
void MMDispose(TMMDSPComponent *Component);
int ChainThreadCount();
