#pragma once
// The sound card's wave devices as chain components:
//  - TMMWaveIn records and pushes each filled buffer down its chain
//    (WaveIn -> ring buffer (qmWrite) -> wave file);
//  - TMMWaveOut pulls buffers up its chain and plays them
//    (wave file -> ring buffer (qmRead) -> WaveOut), primes all its buffers
//    while the device is held, refills each as it comes back, and stops by
//    itself at the end of the data.
//
// Threads. Operations are called on the user-interface thread. The device's
// own thread (sound/wavedev) reports buffers; where they are handled is
// chosen by CallBackMode: cmWindow on the user-interface thread, cmThread on a
// worker of the component. A stop that arises while a buffer is handled
// (from OnBufferReady, a time limit or the end of the data) is completed later
// on the user-interface thread through the component's post target, so OnStop
// always fires there, once. Nothing here waits for the user-interface thread,
// and every wait has a time limit.
//
// Locking: one mutex per device guards the queued count, the stopping and
// resetting flags and the callback depth, so that a buffer is either handed
// on completely before a stop completes, or dropped.
#include "audio/MMObj.h"
#include "platform/PostTarget.h"
#include "sound/wavedev.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

enum TMMBits { b8Bit, b16Bit };
enum TMMDeviceStateFlag : unsigned { dsClosed = 1, dsOpen = 2, dsRunning = 4, dsPaused = 8 };
using TMMDeviceId = int;
constexpr TMMDeviceId MapperId = -1;
constexpr TMMDeviceId badDeviceId = -2;

// Worker of cmThread: runs the device's buffer notifications in the order
// they were posted.
class TMMWaveDeviceThread : public TMMDSPThread {
public:
    explicit TMMWaveDeviceThread(TMMDSPComponent *Owner) : TMMDSPThread(Owner) {}
    // Queues Work; never waits.
    void Post(std::function<void()> Work);
    // Asks the loop to end and wakes it.
    void Finish();
    // Drops the notifications still waiting.
    void DropPending();
    // Called when a notification raised an error; the loop then ends.
    std::function<void(std::exception_ptr)> OnFailure;

protected:
    void Execute() override;

private:
    std::mutex FLock;
    std::condition_variable FWake;
    std::deque<std::function<void()>> FQueue;
    bool FFinish = false;
};

class TMMWaveInThread : public TMMWaveDeviceThread {
public:
    using TMMWaveDeviceThread::TMMWaveDeviceThread;
};
class TMMWaveOutThread : public TMMWaveDeviceThread {
public:
    using TMMWaveDeviceThread::TMMWaveDeviceThread;
};

// ---------------------------------------------------------------------------

// What both wave devices share: the device number, buffer count and
// callback mode with their checks, the error path, and the state a running
// device keeps between the device's thread and the user-interface thread.
class TMMCustomWaveDevice : public TMMCustomSoundComponent {
public:
    // Properties
    void SetBufferSize(int Value) override;           // below 32 becomes 32
    int NumBuffers() const { return FNumBuffers; }
    void SetNumBuffers(int Value);                    // <= 1 ignored, > 500 becomes 500
    TMMDeviceId DeviceID() const { ResolveDevice(); return FDeviceID; }
    void SetDeviceID(TMMDeviceId Value);              // out of range stored as badDeviceId
    QString ProductName() const { ResolveDevice(); return FProductName; }
    TMMTimeFormats TimeFormat() const { return FTimeFormat; }
    TMMCBMode CallBackMode() const { return FCallBackMode; }
    void SetCallBackMode(TMMCBMode Value);

    unsigned DeviceState() const { return FDeviceState; }
    int DeviceCount() const { ResolveDevice(); return FDeviceCount; }
    // The open platform device (for measuring), or none.
    const TWaveDevice *Device() const { return FDevice.get(); }

    // Calls OnError and raises the device's own error class.
    void Error(const QString &Msg) override;
    void Closed() override;
    void Stopped() override;

protected:
    // ClassName is the caption of the callback mode refusal; NoDeviceMessage
    // names the product when there is no such device.
    TMMCustomWaveDevice(TWaveDirection Direction, int NoDeviceMessage, const char *ClassName);

    // Throws the device's own error class with Msg.
    [[noreturn]] virtual void Raise(const QString &Msg) = 0;

    void CheckClosed(bool Changing);
    bool IsDeviceOpen() const { return (FDeviceState & dsOpen) != 0; }
    bool IsRunning() const { return (FDeviceState & dsRunning) != 0; }
    bool IsPaused() const { return (FDeviceState & dsPaused) != 0; }
    [[noreturn]] void Fail(const QString &Prefix, int Result);
    void Check(const QString &Prefix, int Result);
    // Inside a catch block: calls OnError unless this device's Error already
    // did for the exception being handled.
    void ReportFailure();
    // Inside a catch block: reports the failure, closes and rethrows.
    [[noreturn]] void CloseAndRethrow();
    void StopWorker();
    void WorkerFailed(std::exception_ptr Error);
    // Starts the cmThread worker; a worker that does not come up is an error
    // prefixed with Prefix.
    template <class TThread> void StartWorker(const QString &Prefix);
    // Device thread: hands a buffer's handling to where CallBackMode says. In
    // cmWindow an error raised there closes the device before it is shown.
    void DeliverBuffer(std::function<void()> Work);
    // Device thread: the device broke for good (its sound server went away,
    // it was unplugged). The user-interface thread takes it through Error
    // once, after the buffers that came before it: the device is closed, the
    // chain finished, and the message shown.
    void DeviceBroke(int Result);
    // After an error in a buffer's handling: nothing more is passed on, and a
    // playback device is held, until the close that follows.
    void HoldAfterError();
    // Closes the device from the destructor, also when a buffer's handling
    // still runs on the worker: the device's thread and the worker end (each
    // within its limit) before the window target goes.
    void CloseForDestruction();
    virtual void CompleteStop() = 0;
    // Ends the notifications of the session that is stopping: what they would
    // still deliver belongs to buffers handed back by the reset.
    void EndSession();

    const TWaveDirection FDirection;
    const int FNoDeviceMessage;
    const char *const FClassName;

    // Asks the sound system about the device the first time its number,
    // name or count is wanted: a window holding devices it may never open
    // (the configuration dialog) shows without waiting for the sound server.
    void ResolveDevice() const;

    int FNumBuffers = 10;
    TMMDeviceId FRequestedID = 0;
    const QString FAlsaName;          // the device at construction, counted on first use
    mutable bool FCounted = false;
    mutable bool FResolved = false;
    mutable TMMDeviceId FDeviceID = 0;
    mutable QString FProductName;
    TMMTimeFormats FTimeFormat = tfByte;
    TMMCBMode FCallBackMode = cmWindow;

    std::unique_ptr<TPostTarget> FWindow; // the component's message window
    mutable int FDeviceCount = 0;
    mutable TWaveDevCaps FCaps;
    std::unique_ptr<TWaveDevice> FDevice;
    std::atomic<unsigned> FDeviceState{dsClosed};
    std::vector<TWaveHdrPtr> FHeaders;
    std::atomic<int> FQueuedCount{0};
    int FCallbackDepth = 0;
    std::atomic<bool> FStopPending{false}, FClosePending{false}, FStopping{false}, FResetting{false},
        FClosing{false};
    std::atomic<bool> FThreadFailed{false};
    std::atomic<uint64_t> FSession{0}; // notifications of an earlier opening are ignored
    std::unique_ptr<TMMWaveDeviceThread> FThread;
    mutable std::mutex FLock;
};

template <class TThread> void TMMCustomWaveDevice::StartWorker(const QString &Prefix)
{
    FThread = std::make_unique<TThread>(this);
    FThread->OnFailure = [this](std::exception_ptr e) { WorkerFailed(e); };
    if (!FThread->StartAndWait(5000)) {
        StopWorker();
        Error(MMPrefixed(Prefix, MMMessage(28088)));
    }
}

// ---------------------------------------------------------------------------

class TMMWaveIn : public TMMCustomWaveDevice {
public:
    TMMWaveIn();
    ~TMMWaveIn() override;

    bool HasInputPort() const override { return false; }

    // Properties
    TMMMode Mode() const { return FMode; }
    void SetMode(TMMMode Value);
    TMMBits BitLength() const { return FBitLength; }
    void SetBitLength(TMMBits Value);
    int SampleRate() const { return FSampleRate; }
    void SetSampleRate(int Value);                    // clamped to 8000..100000
    void SetTimeFormat(TMMTimeFormats Value);
    int64_t MaxRecordTime() const { return FMaxRecordTime; }
    void SetMaxRecordTime(int64_t Value);             // -1 = no limit

    int64_t Position() const;
    // Bytes passed down the chain since Start.
    int64_t RecordedBytes() const { return FRecordedBytes; }

    // Operations
    void Open() override;
    void Close() override;
    void Start() override;
    void Pause() override;
    void Restart() override;
    void Stop() override;

    void AssignWaveFormat(const TWaveFormatEx *Format) override;
    void Opened() override;
    void Started() override;
    void Paused() override;
    void Restarted() override;
    void BufferReady(PWaveHdr lpWaveHdr) override;

protected:
    [[noreturn]] void Raise(const QString &Msg) override;

private:
    void RebuildFormat();
    void ComputeMaxBytes();
    void OnDevice(TWaveDevMessage Message, void *Buffer, uint32_t Bytes);
    void BufferReturned(PWaveHdr H, uint64_t Session);
    void QueueHeader(PWaveHdr H);
    void CompleteStop() override;
    void ReleaseHeaders();

    TMMMode FMode = mMono;
    TMMBits FBitLength = b8Bit;
    int FSampleRate = 11025;
    int64_t FMaxRecordTime = -1;

    int FNextIndex = 0;
    std::atomic<int64_t> FRecordedBytes{0};
    std::atomic<int64_t> FMaxBytes{0xFFFFFFFF}; // set on the UI thread, read by the buffer handling
};

// ---------------------------------------------------------------------------

class TMMWaveOut : public TMMCustomWaveDevice {
public:
    TMMWaveOut();
    ~TMMWaveOut() override;

    void SetTimeFormat(TMMTimeFormats Value) { FTimeFormat = Value; }
    bool Looping() const { return FLooping; }
    void SetLooping(bool Value);
    uint16_t LoopCount() const { return FLoopCount; }
    void SetLoopCount(uint16_t Value);

    TMMNotifyEvent OnLooping;
    TMMBufferEvent OnBufferFilled;

    int64_t Position() const;
    // Headers written since Start (for tests and measuring).
    int UsedCount() const { return FUsedCount; }

    void Open() override;
    void Close() override;
    void Rewind();
    void Start() override;
    void Pause() override;
    void Restart() override;
    void Stop() override;

    void AssignWaveFormat(const TWaveFormatEx *Format) override;
    void Opened() override;
    void Started() override;
    void Paused() override;
    void Restarted() override;
    void BufferReady(PWaveHdr lpWaveHdr) override;
    void BufferLoad(PWaveHdr lpWaveHdr, bool &MoreBuffers) override;

protected:
    [[noreturn]] void Raise(const QString &Msg) override;

private:
    void OnDevice(TWaveDevMessage Message, void *Buffer, uint32_t Bytes);
    void BufferDone(PWaveHdr H, uint64_t Session);
    int Load(PWaveHdr H);
    void Write(PWaveHdr H);
    int Prime(bool Allocate);
    void CompleteStop() override;
    int64_t DevicePosition() const;

    bool FLooping = false;
    uint16_t FLoopCount = 0;

    int FCurrentIndex = 0;
    int FUsedCount = 0;
    bool FMoreBuffers = false;
    bool FAnnouncedMore = false; // the chain said more would come on the last load
    int32_t FLoopsLeft = 0;
    int64_t FPositionBase = 0;
    int64_t FLoopPosition = 0;
};
