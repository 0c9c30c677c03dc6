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
// own thread (platform/wavedev) reports buffers; where they are handled is
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
#include "platform/wavedev.h"

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

class TMMWaveIn : public TMMCustomSoundComponent {
public:
    TMMWaveIn();
    ~TMMWaveIn() override;

    bool HasInputPort() const override { return false; }

    // Properties
    void SetBufferSize(int Value) override;           // below 32 becomes 32
    int NumBuffers() const { return FNumBuffers; }
    void SetNumBuffers(int Value);                    // <= 1 ignored, > 500 becomes 500
    TMMDeviceId DeviceID() const { return FDeviceID; }
    void SetDeviceID(TMMDeviceId Value);              // out of range stored as badDeviceId
    QString ProductName() const { return FProductName; }
    TMMMode Mode() const { return FMode; }
    void SetMode(TMMMode Value);
    TMMBits BitLength() const { return FBitLength; }
    void SetBitLength(TMMBits Value);
    int SampleRate() const { return FSampleRate; }
    void SetSampleRate(int Value);                    // clamped to 8000..100000
    TMMCBMode CallBackMode() const { return FCallBackMode; }
    void SetCallBackMode(TMMCBMode Value);
    TMMTimeFormats TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(TMMTimeFormats Value);
    int64_t MaxRecordTime() const { return FMaxRecordTime; }
    void SetMaxRecordTime(int64_t Value);             // -1 = no limit

    unsigned DeviceState() const { return FDeviceState; }
    int64_t Position() const;
    int DeviceCount() const { return FDeviceCount; }
    // Bytes passed down the chain since Start.
    int64_t RecordedBytes() const { return FRecordedBytes; }
    // The open platform device (for measuring), or none.
    const TWaveDevice *Device() const { return FDevice.get(); }

    // Operations
    void Error(const QString &Msg) override;
    void Open() override;
    void Close() override;
    void Start() override;
    void Pause() override;
    void Restart() override;
    void Stop() override;

    void AssignWaveFormat(const TWaveFormatEx *Format) override;
    void Opened() override;
    void Closed() override;
    void Started() override;
    void Paused() override;
    void Restarted() override;
    void Stopped() override;
    void BufferReady(PWaveHdr lpWaveHdr) override;

private:
    void CheckClosed(bool Changing);
    void RebuildFormat();
    void ComputeMaxBytes();
    bool IsDeviceOpen() const { return (FDeviceState & dsOpen) != 0; }
    bool IsRunning() const { return (FDeviceState & dsRunning) != 0; }
    bool IsPaused() const { return (FDeviceState & dsPaused) != 0; }
    [[noreturn]] void Fail(const QString &Prefix, int Result);
    void Check(const QString &Prefix, int Result);
    void OnDevice(TWaveDevMessage Message, void *Buffer, uint32_t Bytes);
    void BufferReturned(PWaveHdr H, uint64_t Session);
    void QueueHeader(PWaveHdr H);
    void CompleteStop();
    void ReleaseHeaders();
    void StopWorker();
    void FailedCleanly(std::exception_ptr Error, bool ViaError);
    void WorkerFailed(std::exception_ptr Error);

    int FNumBuffers = 10;
    TMMDeviceId FDeviceID = 0;
    QString FProductName;
    TMMMode FMode = mMono;
    TMMBits FBitLength = b8Bit;
    int FSampleRate = 11025;
    TMMCBMode FCallBackMode = cmWindow;
    TMMTimeFormats FTimeFormat = tfByte;
    int64_t FMaxRecordTime = -1;
    std::atomic<bool> FInError{false}; // an error is on its way through Error()

    std::unique_ptr<TPostTarget> FWindow; // the component's message window
    int FDeviceCount = 0;
    TWaveDevCaps FCaps;
    std::unique_ptr<TWaveDevice> FDevice;
    std::atomic<unsigned> FDeviceState{dsClosed};
    std::vector<TWaveHdrPtr> FHeaders;
    std::atomic<int> FQueuedCount{0};
    int FNextIndex = 0;
    std::atomic<int64_t> FRecordedBytes{0};
    int64_t FMaxBytes = 0xFFFFFFFF;
    int FCallbackDepth = 0;
    std::atomic<bool> FStopPending{false}, FClosePending{false}, FStopping{false}, FResetting{false},
        FClosing{false};
    std::atomic<bool> FThreadFailed{false};
    std::atomic<uint64_t> FSession{0}; // notifications of an earlier opening are ignored
    std::unique_ptr<TMMWaveInThread> FThread;
    std::mutex FLock;
};

// ---------------------------------------------------------------------------

class TMMWaveOut : public TMMCustomSoundComponent {
public:
    TMMWaveOut();
    ~TMMWaveOut() override;

    void SetBufferSize(int Value) override;
    int NumBuffers() const { return FNumBuffers; }
    void SetNumBuffers(int Value);
    TMMDeviceId DeviceID() const { return FDeviceID; }
    void SetDeviceID(TMMDeviceId Value);
    QString ProductName() const { return FProductName; }
    TMMTimeFormats TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(TMMTimeFormats Value) { FTimeFormat = Value; }
    TMMCBMode CallBackMode() const { return FCallBackMode; }
    void SetCallBackMode(TMMCBMode Value);
    bool Looping() const { return FLooping; }
    void SetLooping(bool Value);
    uint16_t LoopCount() const { return FLoopCount; }
    void SetLoopCount(uint16_t Value);

    TMMNotifyEvent OnLooping;
    TMMBufferEvent OnBufferFilled;

    unsigned DeviceState() const { return FDeviceState; }
    int64_t Position() const;
    int DeviceCount() const { return FDeviceCount; }
    // Headers written since Start (for tests and measuring).
    int UsedCount() const { return FUsedCount; }
    const TWaveDevice *Device() const { return FDevice.get(); }

    void Error(const QString &Msg) override;
    void Open() override;
    void Close() override;
    void Rewind();
    void Start() override;
    void Pause() override;
    void Restart() override;
    void Stop() override;

    void AssignWaveFormat(const TWaveFormatEx *Format) override;
    void Opened() override;
    void Closed() override;
    void Started() override;
    void Paused() override;
    void Restarted() override;
    void Stopped() override;
    void BufferReady(PWaveHdr lpWaveHdr) override;
    void BufferLoad(PWaveHdr lpWaveHdr, bool &MoreBuffers) override;

private:
    void CheckClosed(bool Changing);
    bool IsDeviceOpen() const { return (FDeviceState & dsOpen) != 0; }
    bool IsRunning() const { return (FDeviceState & dsRunning) != 0; }
    bool IsPaused() const { return (FDeviceState & dsPaused) != 0; }
    [[noreturn]] void Fail(const QString &Prefix, int Result);
    void Check(const QString &Prefix, int Result);
    void OnDevice(TWaveDevMessage Message, void *Buffer, uint32_t Bytes);
    void BufferDone(PWaveHdr H, uint64_t Session);
    int Load(PWaveHdr H);
    void Write(PWaveHdr H);
    int Prime(bool Allocate);
    void CompleteStop();
    void StopWorker();
    void FailedCleanly(std::exception_ptr Error, bool ViaError);
    void WorkerFailed(std::exception_ptr Error);
    int64_t DevicePosition() const;

    int FNumBuffers = 10;
    TMMDeviceId FDeviceID = 0;
    QString FProductName;
    TMMTimeFormats FTimeFormat = tfByte;
    TMMCBMode FCallBackMode = cmWindow;
    bool FLooping = false;
    uint16_t FLoopCount = 0;
    std::atomic<bool> FInError{false};

    std::unique_ptr<TPostTarget> FWindow;
    int FDeviceCount = 0;
    TWaveDevCaps FCaps;
    std::unique_ptr<TWaveDevice> FDevice;
    std::atomic<unsigned> FDeviceState{dsClosed};
    std::vector<TWaveHdrPtr> FHeaders;
    int FCurrentIndex = 0;
    int FUsedCount = 0;
    std::atomic<int> FQueuedCount{0};
    bool FMoreBuffers = false;
    bool FAnnouncedMore = false; // the chain said more would come on the last load
    int32_t FLoopsLeft = 0;
    int64_t FPositionBase = 0;
    int64_t FLoopPosition = 0;
    int FCallbackDepth = 0;
    std::atomic<bool> FStopPending{false}, FClosePending{false}, FStopping{false}, FResetting{false},
        FClosing{false};
    std::atomic<bool> FThreadFailed{false};
    std::atomic<uint64_t> FSession{0};
    std::unique_ptr<TMMWaveOutThread> FThread;
    mutable std::mutex FLock;
};
