#include "audio/MMWaveIO.h"

#include "platform/MessageBox.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

QString ResultText(int Result)
{
    QString text;
    if (!WaveDevErrorText(Result, text))
        text = MMMessage(28086);
    return text.left(255);
}

TWaveDevFormat DevFormat(const TWaveFormatEx *F)
{
    return TWaveDevFormat{F->nChannels, int(F->nSamplesPerSec), F->wBitsPerSample};
}

// Waits up to Count x 10 ms for Done; true when it came.
template <class F> bool WaitTicks(int Count, F Done)
{
    for (int i = 0; i < Count; ++i) {
        if (Done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return Done();
}

// The device's format check: id in range, a format, the device willing.
bool CanUseFormat(TWaveDirection Direction, int Id, int DeviceCount, const TWaveDevCaps &Caps,
                  const TWaveFormatEx *F)
{
    if (!F || Id < -1 || Id >= DeviceCount)
        return false;
    if (F->wFormatTag != WAVE_FORMAT_PCM)
        return false; // the ALSA layer takes PCM only
    if (WaveDevQueryFormat(Direction, Id, DevFormat(F)) != MMSYSERR_NOERROR)
        return false;
    const uint32_t bit = WaveFormatBit(F->nChannels, int(F->nSamplesPerSec & 0xFFFF), F->wBitsPerSample);
    return bit == 0 || (Caps.Formats & bit) != 0;
}

void ShowCallbackRefusal(const char *Caption)
{
    ShowMessageBox(QStringLiteral("\"CallBacks\" are called at interrupt time !\n\r"
                                  "This is currently only supported under Windows 95"),
                   QMessageBox::Warning, QMessageBox::Ok, QString::fromLatin1(Caption));
}

// The device number rule of both devices: the name of a device in range, else
// the no-device text; a number out of range is kept as badDeviceId.
TMMDeviceId ChooseDevice(TWaveDirection Direction, TMMDeviceId Id, int DeviceCount, int NoDeviceMessage,
                         TWaveDevCaps &Caps, QString &ProductName)
{
    ProductName = MMMessage(NoDeviceMessage);
    Caps = TWaveDevCaps();
    if (DeviceCount > 0 && Id >= -1 && Id < DeviceCount && WaveDevGetCaps(Direction, Id, Caps) == MMSYSERR_NOERROR)
        ProductName = Caps.ProductName;
    return (Id < -1 || Id >= DeviceCount) ? badDeviceId : Id;
}

// Ends a cmThread worker: asked to finish (its queue dropped), it leaves its
// loop after the notification it is handling. Its end is awaited within the
// limit; one still inside a handler then is let go and frees itself when the
// handler returns.
template <class TThread> void FinishWorker(std::unique_ptr<TThread> &Thread)
{
    if (!Thread)
        return;
    Thread->Finish();
    if (Thread->JoinFor(5000))
        Thread.reset();
    else
        Thread.release()->LetGo();
}

// A worker whose notification raised an error never closes the chain itself
// (that would make it wait for the user-interface thread, which may be
// waiting for it): it hands the close and the error over and ends.
void HandOverWorkerFailure(TPostTarget &Window, std::function<void()> Close, std::exception_ptr Error)
{
    Window.Post(std::move(Close));
    HandleWorkerException(Error);
}

// An exception raised through a device's Error, which has fired OnError
// already; the mark names the device, so that another device's error still
// counts as new here.
struct TRaisedThroughError {
    const void *Device;
};
template <class E> struct TReported : E, TRaisedThroughError {
    TReported(const QString &Msg, const void *Device) : E(Msg), TRaisedThroughError{Device} {}
};

// Inside a catch block: whether the exception being handled came from
// Device's Error.
bool RaisedThroughErrorOf(const void *Device)
{
    try {
        throw;
    } catch (const TRaisedThroughError &e) {
        return e.Device == Device;
    } catch (...) {
        return false;
    }
}

class TWaitCursor {
public:
    explicit TWaitCursor(bool On)
    {
        FOn = On && qobject_cast<QGuiApplication *>(QCoreApplication::instance()) && IsMainThread();
        if (FOn)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~TWaitCursor() { Restore(); }
    void Restore()
    {
        if (FOn)
            QGuiApplication::restoreOverrideCursor();
        FOn = false;
    }

private:
    bool FOn = false;
};

} // namespace

// ---------------------------------------------------------------------------
// Worker of cmThread

void TMMWaveDeviceThread::Post(std::function<void()> Work)
{
    {
        std::lock_guard<std::mutex> g(FLock);
        if (FFinish)
            return;
        FQueue.push_back(std::move(Work));
    }
    FWake.notify_one();
}

void TMMWaveDeviceThread::Finish()
{
    {
        std::lock_guard<std::mutex> g(FLock);
        FFinish = true;
        FQueue.clear();
    }
    Terminate();
    FWake.notify_one();
}

void TMMWaveDeviceThread::DropPending()
{
    std::lock_guard<std::mutex> g(FLock);
    FQueue.clear();
}

void TMMWaveDeviceThread::Execute()
{
    RaisePriority();
    SignalReady();
    for (;;) {
        std::function<void()> work;
        {
            std::unique_lock<std::mutex> g(FLock);
            FWake.wait_for(g, std::chrono::milliseconds(200), [this] { return FFinish || !FQueue.empty(); });
            if (FFinish)
                break;
            if (FQueue.empty())
                continue;
            work = std::move(FQueue.front());
            FQueue.pop_front();
        }
        try {
            work();
        } catch (...) {
            if (OnFailure)
                OnFailure(std::current_exception());
            break;
        }
    }
    SignalReady();
}

// ===========================================================================
// TMMCustomWaveDevice

TMMCustomWaveDevice::TMMCustomWaveDevice(TWaveDirection Direction, int NoDeviceMessage, const char *ClassName)
    : FDirection(Direction), FNoDeviceMessage(NoDeviceMessage), FClassName(ClassName), FAlsaName(WaveDevName())
{
    FWindow = std::make_unique<TPostTarget>();
}

void TMMCustomWaveDevice::Error(const QString &Msg)
{
    if (OnError)
        OnError(this);
    Raise(Msg);
}

[[noreturn]] void TMMCustomWaveDevice::Fail(const QString &Prefix, int Result)
{
    Error(MMPrefixed(Prefix, ResultText(Result)));
    std::abort(); // not reached: Error always raises
}

void TMMCustomWaveDevice::Check(const QString &Prefix, int Result)
{
    if (Result != MMSYSERR_NOERROR)
        Fail(Prefix, Result);
}

void TMMCustomWaveDevice::CheckClosed(bool Changing)
{
    if (Changing && IsDeviceOpen())
        Error(MMMessage(28060));
}

void TMMCustomWaveDevice::SetBufferSize(int Value)
{
    Value = std::max(Value, 32);
    CheckClosed(Value != FBufferSize);
    TMMCustomSoundComponent::SetBufferSize(Value);
}

void TMMCustomWaveDevice::SetNumBuffers(int Value)
{
    if (Value <= 1)
        return;
    Value = std::min(Value, 500);
    CheckClosed(Value != FNumBuffers);
    FNumBuffers = Value;
}

void TMMCustomWaveDevice::SetDeviceID(TMMDeviceId Value)
{
    CheckClosed(true);
    FRequestedID = Value;
    FResolved = false;
}

void TMMCustomWaveDevice::ResolveDevice() const
{
    if (FResolved)
        return;
    if (!FCounted) {
        FDeviceCount = WaveDevCount(FDirection, FAlsaName);
        FCounted = true;
    }
    FDeviceID = ChooseDevice(FDirection, FRequestedID, FDeviceCount, FNoDeviceMessage, FCaps, FProductName);
    FResolved = true;
}

void TMMCustomWaveDevice::SetCallBackMode(TMMCBMode Value)
{
    CheckClosed(IsDeviceOpen());
    if (Value == cmCallback) {
        // Handling buffers on the sound system's own thread is not offered:
        // the chain behind would run where it must not block.
        ShowCallbackRefusal(FClassName);
        return;
    }
    FCallBackMode = Value;
}

void TMMCustomWaveDevice::ReportFailure()
{
    if (!RaisedThroughErrorOf(this) && OnError)
        OnError(this);
}

[[noreturn]] void TMMCustomWaveDevice::CloseAndRethrow()
{
    ReportFailure();
    Close();
    throw;
}

void TMMCustomWaveDevice::StopWorker() { FinishWorker(FThread); }

void TMMCustomWaveDevice::DeliverBuffer(std::function<void()> Work)
{
    if (FCallBackMode == cmThread && FThread) {
        FThread->Post(std::move(Work));
        return;
    }
    const uint64_t session = FSession;
    FWindow->Post([this, session, Work = std::move(Work)] {
        try {
            Work();
        } catch (...) {
            if (session == FSession)
                Close();
            throw; // to the application's error display
        }
    });
}

void TMMCustomWaveDevice::DeviceBroke(int Result)
{
    const uint64_t session = FSession;
    auto fail = [this, session, Result] {
        if (session != FSession || !IsDeviceOpen())
            return; // closed meanwhile: whoever closed it has said why
        try {
            Fail(FDirection == TWaveDirection::Capture ? QStringLiteral("WaveIn:") : QStringLiteral("WaveOut:"), Result);
        } catch (...) {
            CloseAndRethrow();
        }
    };
    // Behind the buffers already on the worker, so that what was recorded
    // before the loss reaches the file.
    if (FCallBackMode == cmThread && FThread)
        FThread->Post([this, fail] { FWindow->Post(fail); });
    else
        FWindow->Post(fail);
}

void TMMCustomWaveDevice::EndSession()
{
    ++FSession;
    if (FThread)
        FThread->DropPending();
}

void TMMCustomWaveDevice::HoldAfterError()
{
    std::lock_guard<std::mutex> g(FLock);
    FStopping = true;
    if (FDirection == TWaveDirection::Playback && FDevice)
        FDevice->Pause();
}

void TMMCustomWaveDevice::CloseForDestruction()
{
    FComponentState |= csDestroying;
    if (IsDeviceOpen() || IsOpen())
        Close();
    // From here on nothing reaches the window; the device's thread ends first,
    // then the worker, so neither can post through a target that is going.
    FWindow->Close();
    if (FDevice)
        FDevice->Close();
    StopWorker();
    FDevice.reset();
    if (FClosePending) {
        // The close waited for a buffer's handling on the worker, which has
        // ended now: the stop and the close are finished here.
        {
            std::lock_guard<std::mutex> g(FLock);
            FCallbackDepth = 0;
        }
        FStopPending = false;
        CompleteStop();
    }
}

void TMMCustomWaveDevice::WorkerFailed(std::exception_ptr Error)
{
    FThreadFailed = true;
    const uint64_t session = FSession;
    HandOverWorkerFailure(*FWindow, [this, session] {
        if (session == FSession)
            Close();
    }, Error);
}

void TMMCustomWaveDevice::Stopped()
{
    // A link or format change on a running device stops it the full way.
    if (IsRunning() || IsPaused())
        Stop();
    else
        TMMDSPComponent::Stopped();
}

void TMMCustomWaveDevice::Closed()
{
    // Driven from elsewhere in the chain: close the device the full way.
    if (IsDeviceOpen())
        Close();
    else
        TMMCustomSoundComponent::Closed();
}

// ===========================================================================
// TMMWaveIn

TMMWaveIn::TMMWaveIn() : TMMCustomWaveDevice(TWaveDirection::Capture, 28160, "TMMWaveIn")
{
    RebuildFormat();
}

TMMWaveIn::~TMMWaveIn() { CloseForDestruction(); }

[[noreturn]] void TMMWaveIn::Raise(const QString &Msg) { throw TReported<EMMWaveInError>(Msg, this); }

void TMMWaveIn::SetMode(TMMMode Value)
{
    if (Value != mMono && Value != mStereo)
        return;
    if (Value == FMode)
        return; // no change: an open device stays open
    CheckClosed(true);
    FMode = Value;
    RebuildFormat();
}

void TMMWaveIn::SetBitLength(TMMBits Value)
{
    if (Value != b8Bit && Value != b16Bit)
        return;
    if (Value == FBitLength)
        return; // no change: an open device stays open
    CheckClosed(true);
    FBitLength = Value;
    RebuildFormat();
}

void TMMWaveIn::SetSampleRate(int Value)
{
    Value = MMClamp(Value, 8000, 100000);
    if (Value == FSampleRate)
        return; // no change: an open device stays open
    CheckClosed(true);
    FSampleRate = Value;
    RebuildFormat();
}

void TMMWaveIn::SetTimeFormat(TMMTimeFormats Value)
{
    if (FMaxRecordTime >= 0 && Value != FTimeFormat) {
        const TWaveFormatEx *f = GetWaveFormat();
        switch (Value) {
        case tfMillisecond: FMaxRecordTime = BytesToMs(f, FMaxBytes); break;
        case tfSample: FMaxRecordTime = BytesToSamples(f, FMaxBytes); break;
        case tfByte: FMaxRecordTime = FMaxBytes; break;
        }
    }
    FTimeFormat = Value;
}

void TMMWaveIn::SetMaxRecordTime(int64_t Value)
{
    FMaxRecordTime = Value;
    ComputeMaxBytes();
}

void TMMWaveIn::ComputeMaxBytes()
{
    const TWaveFormatEx *f = GetWaveFormat();
    int64_t bytes = 0xFFFFFFFF;
    if (FMaxRecordTime >= 0 && f) {
        switch (FTimeFormat) {
        case tfMillisecond: bytes = MsToBytes(f, FMaxRecordTime); break;
        case tfSample: bytes = SamplesToBytes(f, FMaxRecordTime); break;
        case tfByte: bytes = FMaxRecordTime; break;
        }
    }
    if (f && f->nBlockAlign > 1)
        bytes -= bytes % f->nBlockAlign;
    FMaxBytes = bytes;
}

void TMMWaveIn::RebuildFormat()
{
    const TWaveFormatEx f = MakePCMWaveFormat((int(FBitLength) + 1) * 8, int(FMode) + 1, uint32_t(FSampleRate));
    SetWaveFormat(&f);
}

void TMMWaveIn::AssignWaveFormat(const TWaveFormatEx *Format)
{
    if (Format && IsValidPCMFormat(Format) && Format != GetWaveFormat()) {
        if (IsDeviceOpen())
            Close();
        FSampleRate = int(Format->nSamplesPerSec);
        FBitLength = Format->wBitsPerSample == 16 ? b16Bit : b8Bit;
        FMode = Format->nChannels == 2 ? mStereo : mMono;
    }
    TMMCustomSoundComponent::AssignWaveFormat(Format);
    ComputeMaxBytes();
}

int64_t TMMWaveIn::Position() const
{
    const TWaveFormatEx *f = GetWaveFormat();
    if (!IsDeviceOpen() || !f || FClosing || !FDevice)
        return 0;
    int64_t v = SamplesToTimeFormat(f, FTimeFormat, FDevice->PositionSamples());
    if (FMaxRecordTime > 0)
        v = std::min(v, FMaxRecordTime);
    return v;
}

// --- the device thread's notifications -------------------------------------

void TMMWaveIn::OnDevice(TWaveDevMessage Message, void *Buffer, uint32_t Bytes)
{
    switch (Message) {
    case TWaveDevMessage::Open: FDeviceState = dsOpen; break;
    case TWaveDevMessage::Close: FDeviceState = dsClosed; break;
    case TWaveDevMessage::Data: {
        auto *h = static_cast<PWaveHdr>(Buffer);
        h->dwBytesRecorded = Bytes;
        h->dwFlags |= WHDR_DONE;
        if (FStopping)
            break;
        const uint64_t session = FSession;
        DeliverBuffer([this, h, session] { BufferReturned(h, session); });
        break;
    }
    case TWaveDevMessage::Error: DeviceBroke(int(Bytes)); break;
    case TWaveDevMessage::Done: break;
    }
}

void TMMWaveIn::BufferReturned(PWaveHdr H, uint64_t Session)
{
    if (Session != FSession || !IsRunning())
        return;
    {
        std::lock_guard<std::mutex> g(FLock);
        if (FResetting || FStopping) {
            if (--FQueuedCount <= 0)
                FResetting = false;
            return;
        }
        ++FCallbackDepth;
        --FQueuedCount;
    }
    std::exception_ptr error;
    try {
        BufferReady(H);
        if (!FStopPending)
            QueueHeader(H);
    } catch (...) {
        error = std::current_exception();
        ReportFailure();
        HoldAfterError();
    }
    bool stopNow = false;
    {
        std::lock_guard<std::mutex> g(FLock);
        if (--FCallbackDepth == 0 && FStopPending) {
            FStopping = true;
            stopNow = true;
        }
    }
    if (stopNow)
        FWindow->Post([this, Session] {
            if (Session == FSession)
                Stop();
        });
    if (error)
        std::rethrow_exception(error);
}

void TMMWaveIn::QueueHeader(PWaveHdr H)
{
    H->dwFlags = WHDR_PREPARED;
    H->dwBytesRecorded = 0;
    ++FQueuedCount;
    const int rc = FDevice ? FDevice->AddBuffer(H, H->lpData, H->dwBufferLength) : MMSYSERR_INVALHANDLE;
    if (rc != MMSYSERR_NOERROR) {
        --FQueuedCount;
        Fail(QStringLiteral("WaveInAddBuffer:"), rc);
    }
}

void TMMWaveIn::BufferReady(PWaveHdr lpWaveHdr)
{
    bool stopDue = false;
    const int64_t limit = FMaxBytes;
    int64_t recorded = FRecordedBytes + lpWaveHdr->dwBytesRecorded;
    if (recorded >= limit) {
        lpWaveHdr->dwBytesRecorded -= uint32_t(recorded - limit);
        recorded = limit;
        stopDue = true;
    }
    FRecordedBytes = recorded;
    FNextIndex = (FNextIndex + 1) % std::max(FNumBuffers, 1);
    TMMCustomSoundComponent::BufferReady(lpWaveHdr);
    if (stopDue)
        Stop();
}

// --- operations -------------------------------------------------------------

void TMMWaveIn::Open()
{
    ResolveDevice();
    if (FDeviceCount == 0)
        Error(MMMessage(28160));
    if (FDeviceID == badDeviceId)
        Error(MMMessage(28061));
    if (!GetWaveFormat())
        Error(MMMessage(28089));
    if (IsDeviceOpen())
        Close();
    if (IsDeviceOpen() || FClosing)
        return;
    FClosing = FResetting = FStopping = false;
    try {
        if (!CanUseFormat(TWaveDirection::Capture, FDeviceID, FDeviceCount, FCaps, GetWaveFormat()))
            Error(MMPrefixed(QStringLiteral("WaveInOpen:"), MMMessage(28087)));
        FDevice.reset();
        FClosePending = false;
        ++FSession;
        TMMCustomSoundComponent::Opened();
        if (FCallBackMode == cmThread)
            StartWorker<TMMWaveInThread>(QStringLiteral("WaveIn:"));
        const int rc = TWaveDevice::Open(FDevice, TWaveDirection::Capture, FDeviceID, DevFormat(GetWaveFormat()),
                                         [this](TWaveDevMessage m, void *b, uint32_t n) { OnDevice(m, b, n); });
        Check(QStringLiteral("WaveInOpen:"), rc);
        if (!WaitTicks(100, [this] { return FDeviceState == dsOpen; }))
            Error(MMPrefixed(QStringLiteral("WaveInOpen:"), MMMessage(28162)));
        const uint32_t size = EffectiveBufferSize();
        try {
            while (int(FHeaders.size()) < FNumBuffers)
                FHeaders.push_back(AllocWaveHeader(size));
        } catch (const std::bad_alloc &) {
            Error(MMMessage(28064));
        }
        for (auto &h : FHeaders) {
            h->lpData = reinterpret_cast<char *>(h.get()) + sizeof(TWaveHdr);
            h->dwBufferLength = size;
            h->dwFlags = WHDR_PREPARED;
        }
        if (OnOpen)
            OnOpen(this);
    } catch (...) {
        ReportFailure();
        FDeviceState = dsOpen;
        Close();
        FDeviceState = dsClosed;
        throw;
    }
}

void TMMWaveIn::Start()
{
    if (!IsDeviceOpen())
        Open();
    if (!IsDeviceOpen() || IsRunning())
        return;
    try {
        FRecordedBytes = 0;
        FNextIndex = 0;
        {
            std::lock_guard<std::mutex> g(FLock);
            FCallbackDepth = 0;
            FQueuedCount = 0;
            FStopPending = FStopping = FResetting = false;
        }
        ComputeMaxBytes();
        for (auto &h : FHeaders)
            QueueHeader(h.get());
        Started();
    } catch (...) {
        ReportFailure();
        FDeviceState |= dsRunning;
        Close();
        FDeviceState = dsClosed;
        throw;
    }
}

void TMMWaveIn::Started()
{
    FDeviceState |= dsRunning;
    if (!IsPaused() && FDevice)
        Check(QStringLiteral("WaveInStart:"), FDevice->Start());
    TMMCustomSoundComponent::Started();
    if (OnStart)
        OnStart(this);
}

void TMMWaveIn::Pause()
{
    if (!IsDeviceOpen())
        Open();
    if (!IsDeviceOpen() || IsPaused())
        return;
    try {
        if (IsRunning() && FDevice)
            Check(QStringLiteral("WaveInPause:"), FDevice->Stop());
        Paused();
    } catch (...) {
        CloseAndRethrow();
    }
}

void TMMWaveIn::Paused()
{
    FDeviceState |= dsPaused;
    TMMCustomSoundComponent::Paused();
    if (OnPause)
        OnPause(this);
}

void TMMWaveIn::Restart()
{
    if (!IsRunning() || !IsPaused())
        return;
    try {
        if (FDevice)
            Check(QStringLiteral("WaveInRestart:"), FDevice->Start());
        Restarted();
    } catch (...) {
        CloseAndRethrow();
    }
}

void TMMWaveIn::Restarted()
{
    FDeviceState &= ~unsigned(dsPaused);
    TMMCustomSoundComponent::Restarted();
    if (OnRestart)
        OnRestart(this);
}

void TMMWaveIn::Stop()
{
    if (!IsRunning() && !IsPaused())
        return;
    try {
        {
            std::lock_guard<std::mutex> g(FLock);
            FStopping = true;
            if (FDevice)
                Check(QStringLiteral("WaveInStop:"), FDevice->Stop());
            FResetting = true;
            if (FDevice)
                Check(QStringLiteral("WaveInReset:"), FDevice->Reset());
        }
        CompleteStop();
    } catch (...) {
        CloseAndRethrow();
    }
}

void TMMWaveIn::CompleteStop()
{
    {
        std::lock_guard<std::mutex> g(FLock);
        if (FCallbackDepth >= 1) {
            // Asked from inside a buffer's handling: finished when it ends.
            FStopPending = true;
            return;
        }
        FStopPending = false;
    }
    FDeviceState &= ~unsigned(dsRunning | dsPaused);
    FNextIndex = 0;
    FQueuedCount = 0;
    EndSession();
    TMMCustomSoundComponent::Stopped();
    if (OnStop && !(FComponentState & csDestroying))
        OnStop(this);
    if (FClosePending)
        Close();
}

void TMMWaveIn::ReleaseHeaders() { FHeaders.clear(); }

void TMMWaveIn::Close()
{
    if (!(IsDeviceOpen() || IsOpen()) || (FClosing && !FClosePending))
        return;
    try {
        FClosing = true;
        if (IsRunning() || IsPaused())
            Stop();
        if (FStopPending) {
            FClosePending = true;
            return;
        }
        FClosePending = false;
        bool closeNoticed = true;
        int resetResult = MMSYSERR_NOERROR;
        if (FDevice) {
            FStopping = true;
            resetResult = FDevice->Reset();
            // Every header is back once the reset returned; one the device
            // never returned is given up on.
            WaitTicks(100, [this] { return FDevice->QueuedBuffers() == 0; });
            for (auto &h : FHeaders)
                h->dwFlags = (h->dwFlags | WHDR_DONE) & ~WHDR_PREPARED;
            const int rc = FDevice->Close();
            closeNoticed = WaitTicks(100, [this] { return FDeviceState == dsClosed; }) && rc != WAVERR_TIMEOUT;
        } else {
            FDeviceState = dsClosed;
        }
        ++FSession;
        TMMCustomSoundComponent::Closed();
        StopWorker();
        FDevice.reset();
        ReleaseHeaders();
        if (OnClose && !(FComponentState & csDestroying))
            OnClose(this);
        FClosing = false;
        FDeviceState = dsClosed;
        Check(QStringLiteral("WaveInReset:"), resetResult);
        if (!closeNoticed)
            Error(MMPrefixed(QStringLiteral("WaveInClose:"), MMMessage(28163)));
    } catch (...) {
        ReportFailure();
        FClosing = false;
    }
}

void TMMWaveIn::Opened()
{
    TMMCustomSoundComponent::Opened();
    if (OnOpen)
        OnOpen(this);
}

// ===========================================================================
// TMMWaveOut

TMMWaveOut::TMMWaveOut() : TMMCustomWaveDevice(TWaveDirection::Playback, 28161, "TMMWaveOut") {}

TMMWaveOut::~TMMWaveOut() { CloseForDestruction(); }

[[noreturn]] void TMMWaveOut::Raise(const QString &Msg) { throw TReported<EMMWaveOutError>(Msg, this); }

void TMMWaveOut::SetLooping(bool Value)
{
    FLooping = Value;
    FLoopsLeft = FLoopCount;
}

void TMMWaveOut::SetLoopCount(uint16_t Value)
{
    FLoopCount = Value;
    FLoopsLeft = FLoopCount;
}

void TMMWaveOut::AssignWaveFormat(const TWaveFormatEx *Format)
{
    if (Format != GetWaveFormat() && IsDeviceOpen())
        Close();
    TMMCustomSoundComponent::AssignWaveFormat(Format);
}

int64_t TMMWaveOut::DevicePosition() const { return FDevice ? FDevice->PositionSamples() : 0; }

int64_t TMMWaveOut::Position() const
{
    const TWaveFormatEx *f = GetWaveFormat();
    if (!IsDeviceOpen() || !f || FClosing)
        return 0;
    int64_t samples;
    {
        std::lock_guard<std::mutex> g(FLock);
        samples = DevicePosition() + FPositionBase - FLoopPosition;
    }
    return SamplesToTimeFormat(f, FTimeFormat, std::max<int64_t>(samples, 0));
}

// --- the device thread's notifications -------------------------------------

void TMMWaveOut::OnDevice(TWaveDevMessage Message, void *Buffer, uint32_t Bytes)
{
    switch (Message) {
    case TWaveDevMessage::Open: FDeviceState = dsOpen; break;
    case TWaveDevMessage::Close: FDeviceState = dsClosed; break;
    case TWaveDevMessage::Done: {
        auto *h = static_cast<PWaveHdr>(Buffer);
        h->dwFlags |= WHDR_DONE;
        // Counted here, where the device hands it back, so that a stop can
        // wait for the count without the handler's thread.
        --FQueuedCount;
        const uint64_t session = FSession;
        DeliverBuffer([this, h, session] { BufferDone(h, session); });
        break;
    }
    case TWaveDevMessage::Error: DeviceBroke(int(Bytes)); break;
    case TWaveDevMessage::Data: break;
    }
}

int TMMWaveOut::Load(PWaveHdr H)
{
    bool more = false;
    BufferLoad(H, more);
    const int bytes = int(H->dwBytesRecorded);
    FAnnouncedMore = more;
    FMoreBuffers = more && bytes > 0;
    return bytes;
}

void TMMWaveOut::BufferLoad(PWaveHdr lpWaveHdr, bool &MoreBuffers)
{
    lpWaveHdr->dwBufferLength = EffectiveBufferSize();
    lpWaveHdr->dwBytesRecorded = 0;
    lpWaveHdr->LoopEnabled = FLooping ? MMTrue : 0;
    if (FLooping) {
        lpWaveHdr->LoopTotal = FLoopCount;
        lpWaveHdr->LoopsLeft = FLoopsLeft;
        lpWaveHdr->Looped = 0;
    }
    TMMCustomSoundComponent::BufferLoad(lpWaveHdr, MoreBuffers);
    lpWaveHdr->dwBufferLength = lpWaveHdr->dwBytesRecorded;
    if (FLooping)
        FLoopsLeft = lpWaveHdr->LoopsLeft;
}

void TMMWaveOut::BufferReady(PWaveHdr) {}

void TMMWaveOut::Write(PWaveHdr H)
{
    if (OnBufferFilled)
        OnBufferFilled(this, H);
    if (FStopping)
        return;
    H->dwFlags = WHDR_PREPARED;
    // Counted before the device can hand it back.
    ++FQueuedCount;
    const int rc = FDevice ? FDevice->AddBuffer(H, H->lpData, H->dwBufferLength) : MMSYSERR_INVALHANDLE;
    if (rc != MMSYSERR_NOERROR) {
        --FQueuedCount;
        Fail(QStringLiteral("WaveOutWrite:"), rc);
    }
}

void TMMWaveOut::BufferDone(PWaveHdr H, uint64_t Session)
{
    if (Session != FSession || !IsRunning())
        return;
    {
        std::lock_guard<std::mutex> g(FLock);
        if (FResetting || FStopping)
            return;
        ++FCallbackDepth;
    }
    std::exception_ptr error;
    try {
        PWaveHdr h = FHeaders[size_t(FCurrentIndex)].get();
        Q_UNUSED(H); // buffers finish in the order they were written
        FCurrentIndex = FUsedCount > 0 ? (FCurrentIndex + 1) % FUsedCount : 0;
        h->NextHeader = FHeaders[size_t(FCurrentIndex)].get();
        if (OnBufferReady)
            OnBufferReady(this, h);
        // The source wrapped at the end of this buffer's data, so the next
        // repetition starts where it ends. Noticed for every buffer played,
        // also when data short enough to be primed whole needs no refill.
        if (FLooping && h->Looped && !FStopPending) {
            {
                std::lock_guard<std::mutex> g(FLock);
                FLoopPosition = DevicePosition();
            }
            h->Looped = 0;
            if (OnLooping)
                OnLooping(this);
        }
        if (FMoreBuffers && !FStopPending) {
            const int n = Load(h);
            if (n <= 0 && !FStopPending && FAnnouncedMore)
                Error(MMMessage(28081));
            if (!FStopPending && n > 0)
                Write(h);
        }
    } catch (...) {
        error = std::current_exception();
        ReportFailure();
        HoldAfterError();
    }
    bool stopNow = false;
    {
        std::lock_guard<std::mutex> g(FLock);
        if (--FCallbackDepth == 0 && (FStopPending || FQueuedCount <= 0)) {
            // Everything has been played (or a stop was asked): hold the
            // device (under the lock, so that a stop completing on the user-
            // interface thread cannot close it meanwhile) and let that thread
            // finish the stop.
            FStopping = true;
            stopNow = true;
            if (FDevice)
                FDevice->Pause();
        }
    }
    if (stopNow) {
        FWindow->Post([this, Session] {
            if (Session == FSession)
                Stop();
        });
    }
    if (error)
        std::rethrow_exception(error);
}

// --- operations -------------------------------------------------------------

void TMMWaveOut::Open()
{
    ResolveDevice();
    if (FDeviceCount == 0)
        Error(MMMessage(28161));
    if (FDeviceID == badDeviceId)
        Error(MMMessage(28061));
    if (!GetWaveFormat())
        Error(MMPrefixed(QStringLiteral("WaveOutOpen:"), MMMessage(28089)));
    if (IsDeviceOpen())
        Close();
    if (IsDeviceOpen() || FClosing)
        return;
    FClosing = FResetting = FStopping = false;
    try {
        if (!CanUseFormat(TWaveDirection::Playback, FDeviceID, FDeviceCount, FCaps, GetWaveFormat()))
            Error(MMPrefixed(QStringLiteral("WaveOutOpen:"), MMMessage(28070)));
        FDevice.reset();
        FClosePending = false;
        ++FSession;
        TMMCustomSoundComponent::Opened();
        if (FCallBackMode == cmThread)
            StartWorker<TMMWaveOutThread>(QStringLiteral("WaveOut:"));
        const int rc = TWaveDevice::Open(FDevice, TWaveDirection::Playback, FDeviceID, DevFormat(GetWaveFormat()),
                                         [this](TWaveDevMessage m, void *b, uint32_t n) { OnDevice(m, b, n); });
        Check(QStringLiteral("WaveOutOpen:"), rc);
        if (!WaitTicks(500, [this] { return FDeviceState == dsOpen; }))
            Error(MMPrefixed(QStringLiteral("WaveOutOpen:"), MMMessage(28162)));
        if (OnOpen)
            OnOpen(this);
    } catch (...) {
        ReportFailure();
        FDeviceState = dsOpen;
        Close();
        FDeviceState = dsClosed;
        throw;
    }
}

int TMMWaveOut::Prime(bool Allocate)
{
    FMoreBuffers = true;
    int written = 0;
    const uint32_t size = EffectiveBufferSize();
    for (int i = 0; i < FNumBuffers && FMoreBuffers; ++i) {
        if (int(FHeaders.size()) <= i) {
            if (!Allocate)
                break;
            try {
                FHeaders.push_back(AllocWaveHeader(size));
            } catch (const std::bad_alloc &) {
                Error(MMMessage(28064));
            }
        }
        PWaveHdr h = FHeaders[size_t(i)].get();
        h->lpData = reinterpret_cast<char *>(h) + sizeof(TWaveHdr);
        h->dwFlags = WHDR_PREPARED;
        if (Load(h) < 1)
            break;
        Write(h);
        ++written;
    }
    return written;
}

void TMMWaveOut::Start()
{
    if (!IsDeviceOpen())
        Open();
    if (!IsDeviceOpen() || IsRunning())
        return;
    try {
        {
            std::lock_guard<std::mutex> g(FLock);
            FPositionBase = FLoopPosition = 0;
            FCallbackDepth = 0;
            FQueuedCount = 0;
            FStopPending = FResetting = FStopping = false;
        }
        FCurrentIndex = 0;
        FLoopsLeft = FLoopCount;
        TWaitCursor cursor(int64_t(BufferSize()) * FNumBuffers > 100000);
        Check(QStringLiteral("WaveOutPause:"), FDevice->Pause());
        TMMCustomSoundComponent::Started();
        FUsedCount = Prime(true);
        FDeviceState |= dsRunning;
        cursor.Restore();
        if (FUsedCount == 0) {
            TMMCustomSoundComponent::Stopped();
            Error(MMPrefixed(QStringLiteral("WaveOutStart:"), MMMessage(28080)));
        }
        if (!IsPaused())
            Check(QStringLiteral("WaveOutRestart:"), FDevice->Restart());
        if (OnStart)
            OnStart(this);
    } catch (...) {
        ReportFailure();
        FDeviceState |= dsRunning;
        Close();
        FDeviceState = dsClosed;
        throw;
    }
}

void TMMWaveOut::Started()
{
    // A device further up the chain drives this one.
    Start();
}

void TMMWaveOut::Pause()
{
    if (!IsDeviceOpen())
        Open();
    if (!IsDeviceOpen() || IsPaused())
        return;
    try {
        if (IsRunning()) {
            {
                std::lock_guard<std::mutex> g(FLock);
                Check(QStringLiteral("WaveOutPause:"), FDevice->Pause());
            }
            FDeviceState |= dsPaused;
            if (FHasUpstreamDevice) {
                {
                    std::lock_guard<std::mutex> g(FLock);
                    FPositionBase += DevicePosition();
                    FResetting = true;
                }
                Check(QStringLiteral("WaveOutReset:"), FDevice->Reset());
                FCurrentIndex = 0;
                FQueuedCount = 0;
            }
        }
        FDeviceState |= dsPaused;
        TMMCustomSoundComponent::Paused();
        if (OnPause)
            OnPause(this);
    } catch (...) {
        CloseAndRethrow();
    }
}

void TMMWaveOut::Paused() { Pause(); }

void TMMWaveOut::Restart()
{
    if (!IsRunning() || !IsPaused())
        return;
    try {
        FResetting = false;
        Check(QStringLiteral("WaveOutRestart:"), FDevice->Restart());
        FDeviceState &= ~unsigned(dsPaused);
        TMMCustomSoundComponent::Restarted();
        if (OnRestart)
            OnRestart(this);
    } catch (...) {
        CloseAndRethrow();
    }
}

void TMMWaveOut::Restarted() { Restart(); }

void TMMWaveOut::Rewind()
{
    if ((!IsRunning() && !IsPaused()) || FResetting)
        return;
    try {
        FResetting = true;
        Check(QStringLiteral("WaveOutPause:"), FDevice->Pause());
        // Notifications already on their way belong to the old pass.
        ++FSession;
        if (FThread)
            FThread->DropPending();
        Check(QStringLiteral("WaveOutReset:"), FDevice->Reset());
        WaitTicks(100, [this] { return FQueuedCount <= 0; });
        FResetting = false;
        {
            std::lock_guard<std::mutex> g(FLock);
            FPositionBase = FLoopPosition = 0;
        }
        FCurrentIndex = 0;
        FQueuedCount = 0;
        TMMCustomSoundComponent::Rewound();
        FUsedCount = Prime(false);
        if (!IsPaused())
            Check(QStringLiteral("WaveOutRestart:"), FDevice->Restart());
        if (FUsedCount == 0)
            Stop();
    } catch (...) {
        CloseAndRethrow();
    }
}

void TMMWaveOut::Stop()
{
    if (!IsRunning() && !IsPaused())
        return;
    try {
        {
            std::lock_guard<std::mutex> g(FLock);
            FStopping = true;
            FResetting = true;
        }
        const int rc = FDevice ? FDevice->Reset() : MMSYSERR_NOERROR;
        if (rc > 0)
            Fail(QStringLiteral("WaveOutReset:"), rc);
        CompleteStop();
    } catch (...) {
        CloseAndRethrow();
    }
}

void TMMWaveOut::CompleteStop()
{
    {
        std::lock_guard<std::mutex> g(FLock);
        if (FCallbackDepth >= 1) {
            FStopPending = true;
            return;
        }
    }
    FDeviceState &= ~unsigned(dsRunning | dsPaused);
    WaitTicks(500, [this] { return FQueuedCount <= 0; });
    EndSession();
    TMMCustomSoundComponent::Stopped();
    if (FDevice)
        WaitTicks(100, [this] { return FDevice->QueuedBuffers() == 0; });
    for (auto &h : FHeaders)
        h->dwFlags = (h->dwFlags | WHDR_DONE) & ~WHDR_PREPARED;
    try {
        FHeaders.clear();
    } catch (...) {
        Error(MMMessage(28065));
    }
    FUsedCount = 0;
    FQueuedCount = 0;
    FCurrentIndex = 0;
    FStopPending = false;
    if (OnStop && !(FComponentState & csDestroying))
        OnStop(this);
    if (FClosePending)
        Close();
}

void TMMWaveOut::Close()
{
    if (!(IsDeviceOpen() || IsOpen()) || (FClosing && !FClosePending))
        return;
    try {
        FClosing = true;
        if (IsRunning() || IsPaused())
            Stop();
        if (FStopPending) {
            FClosePending = true;
            return;
        }
        FClosePending = false;
        bool closeNoticed = true;
        if (FDevice) {
            const int rc = FDevice->Close();
            closeNoticed = WaitTicks(500, [this] { return FDeviceState == dsClosed; }) && rc != WAVERR_TIMEOUT;
        } else {
            FDeviceState = dsClosed;
        }
        ++FSession;
        TMMCustomSoundComponent::Closed();
        StopWorker();
        FDevice.reset();
        FHeaders.clear();
        FClosing = false;
        FDeviceState = dsClosed;
        if (OnClose && !(FComponentState & csDestroying))
            OnClose(this);
        if (!closeNoticed)
            Error(MMPrefixed(QStringLiteral("WaveOutClose:"), MMMessage(28163)));
    } catch (...) {
        ReportFailure();
        FClosing = false;
    }
}

void TMMWaveOut::Opened() { Open(); }

