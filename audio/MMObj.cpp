#include "audio/MMObj.h"

#include "platform/PostTarget.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

// ---------------------------------------------------------------------------
// Formats

void TWaveFormatDeleter::operator()(TWaveFormatEx *p) const noexcept { std::free(p); }

size_t WaveFormatSize(const TWaveFormatEx *Format)
{
    if (!Format)
        return 0;
    if (Format->wFormatTag == WAVE_FORMAT_PCM)
        return sizeof(TWaveFormatEx);
    return sizeof(TWaveFormatEx) + Format->cbSize;
}

TWaveFormatPtr AllocWaveFormat(size_t Size)
{
    Size = std::max(Size, sizeof(TWaveFormatEx));
    auto *p = static_cast<TWaveFormatEx *>(std::calloc(1, Size));
    if (!p)
        throw std::bad_alloc();
    return TWaveFormatPtr(p);
}

TWaveFormatPtr CopyWaveFormat(const TWaveFormatEx *Format)
{
    if (!Format)
        return nullptr;
    const size_t size = WaveFormatSize(Format);
    TWaveFormatPtr copy = AllocWaveFormat(size);
    std::memcpy(copy.get(), Format, size);
    return copy;
}

TWaveFormatEx MakePCMWaveFormat(int Bits, int Channels, uint32_t SampleRate)
{
    TWaveFormatEx f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = uint16_t(Channels);
    f.nSamplesPerSec = SampleRate;
    f.wBitsPerSample = uint16_t(Bits);
    f.nBlockAlign = uint16_t(Channels * Bits / 8);
    f.nAvgBytesPerSec = f.nBlockAlign * SampleRate;
    f.cbSize = 0;
    return f;
}

bool IsValidPCMFormat(const TWaveFormatEx *Format)
{
    return Format && Format->wFormatTag == WAVE_FORMAT_PCM
        && (Format->wBitsPerSample == 8 || Format->wBitsPerSample == 16)
        && (Format->nChannels == 1 || Format->nChannels == 2)
        && Format->nSamplesPerSec >= 4000 && Format->nSamplesPerSec <= 100000;
}

QString WaveFormatName(uint16_t FormatTag)
{
    switch (FormatTag) {
    case 0: return QStringLiteral("Unknown");
    case 1: return QStringLiteral("PCM");
    case 2: return QStringLiteral("Microsoft ADPCM");
    case 3: return QStringLiteral("Mediavision's ADPCM");
    case 5: return QStringLiteral("IBM CVSD");
    case 6: return QStringLiteral("CCITT A-Law");
    case 7: return QStringLiteral("CCITT mu-Law");
    case 16: return QStringLiteral("OKI ADPCM");
    case 17: return QStringLiteral("IMA ADPCM");
    case 18: return QStringLiteral("Mediaspace's ADPCM");
    case 19: return QStringLiteral("Sierra's ADPCM");
    case 20: return QStringLiteral("CCITT G.723 ADPCM");
    case 21: return QStringLiteral("Digisound DIGISTD");
    case 22: return QStringLiteral("Digisound DIGIFIX");
    case 23: return QStringLiteral("Dialogic OKI ADPCM");
    case 32: return QStringLiteral("Yamaha ADPCM");
    case 33: return QStringLiteral("Sonarc");
    case 34: return QStringLiteral("DSP Group's Truespeech");
    case 35: return QStringLiteral("Echo SC1");
    case 36: return QStringLiteral("Audiofile AF36");
    case 37: return QStringLiteral("Audio Processing Technology");
    case 38: return QStringLiteral("Audiofile AF10");
    case 48: return QStringLiteral("Dolby AC2");
    case 49: return QStringLiteral("GSM 6.10");
    case 51: return QStringLiteral("Antex ADPCME");
    case 57: return QStringLiteral("CS IMA ADPCM");
    case 64: return QStringLiteral("CCITT G.721 ADPCM");
    case 80: return QStringLiteral("Microsoft MPEG");
    case 85: return QStringLiteral("MPEG Layer-3");
    case 512: return QStringLiteral("Creative's ADPCM");
    case 4097: return QStringLiteral("Olivetti's ADPCM");
    case 65535: return QStringLiteral("*DEVELOPMENT ONLY TAG*");
    default: return QStringLiteral("Unknown");
    }
}

// ---------------------------------------------------------------------------
// Buffer headers

void TWaveHdrDeleter::operator()(TWaveHdr *p) const noexcept { std::free(p); }

TWaveHdrPtr AllocWaveHeader(uint32_t BufferSize)
{
    auto *p = static_cast<TWaveHdr *>(std::calloc(1, sizeof(TWaveHdr) + BufferSize));
    if (!p)
        throw std::bad_alloc();
    p->lpData = reinterpret_cast<char *>(p) + sizeof(TWaveHdr);
    p->dwBufferLength = BufferSize;
    return TWaveHdrPtr(p);
}

// ---------------------------------------------------------------------------
// Conversions

int64_t MultiplyDivideRounded(int64_t a, int64_t b, int64_t c)
{
    if (c == 0)
        return 0;
    const __int128 product = __int128(a) * b;
    const __int128 quotient = product / c;
    const __int128 remainder = product % c;
    return int64_t(quotient + (2 * remainder) / c);
}

static int64_t RoundUpToFrames(const TWaveFormatEx *Format, int64_t Bytes)
{
    const int64_t align = Format->nBlockAlign;
    if (align <= 1)
        return Bytes;
    const int64_t rest = Bytes % align;
    return rest == 0 ? Bytes : Bytes + (align - rest);
}

int64_t BytesToSamples(const TWaveFormatEx *Format, int64_t Bytes)
{
    return Format ? MultiplyDivideRounded(Bytes, Format->nSamplesPerSec, Format->nAvgBytesPerSec) : 0;
}

int64_t BytesToMs(const TWaveFormatEx *Format, int64_t Bytes)
{
    return Format ? MultiplyDivideRounded(Bytes, 1000, Format->nAvgBytesPerSec) : 0;
}

int64_t SamplesToBytes(const TWaveFormatEx *Format, int64_t Samples)
{
    if (!Format)
        return 0;
    return RoundUpToFrames(Format, MultiplyDivideRounded(Samples, Format->nAvgBytesPerSec, Format->nSamplesPerSec));
}

int64_t SamplesToMs(const TWaveFormatEx *Format, int64_t Samples)
{
    return Format ? MultiplyDivideRounded(Samples, 1000, Format->nSamplesPerSec) : 0;
}

int64_t MsToSamples(const TWaveFormatEx *Format, int64_t Ms)
{
    return Format ? MultiplyDivideRounded(Ms, Format->nSamplesPerSec, 1000) : 0;
}

int64_t MsToBytes(const TWaveFormatEx *Format, int64_t Ms)
{
    if (!Format)
        return 0;
    return RoundUpToFrames(Format, MultiplyDivideRounded(Ms, Format->nAvgBytesPerSec, 1000));
}

int64_t SamplesToTimeFormat(const TWaveFormatEx *Format, TMMTimeFormats TimeFormat, int64_t Samples)
{
    switch (TimeFormat) {
    case tfMillisecond: return SamplesToMs(Format, Samples);
    case tfByte: return SamplesToBytes(Format, Samples);
    case tfSample: break;
    }
    return Samples;
}

int64_t TimeFormatToSamples(const TWaveFormatEx *Format, TMMTimeFormats TimeFormat, int64_t Value)
{
    switch (TimeFormat) {
    case tfMillisecond: return MsToSamples(Format, Value);
    case tfByte: return BytesToSamples(Format, Value);
    case tfSample: break;
    }
    return Value;
}

void MMDelay(int Ms, bool ProcessMessages)
{
    QElapsedTimer t;
    t.start();
    const bool pump = ProcessMessages && IsMainThread() && QCoreApplication::instance();
    while (t.elapsed() < Ms) {
        if (pump)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// ---------------------------------------------------------------------------
// Messages

QString MMMessage(int Number)
{
    switch (Number) {
    case 28060: return QCoreApplication::translate("MMObj", "Change to property while device was open");
    case 28061: return QCoreApplication::translate("MMObj", "Invalid DeviceID");
    case 28064: return QCoreApplication::translate("MMObj", "Unable to allocate memory for wave header");
    case 28065: return QCoreApplication::translate("MMObj", "Unable to free header memory");
    case 28070: return QCoreApplication::translate("MMObj", "The actual device can't play this format");
    case 28080: return QCoreApplication::translate("MMObj", "Unable to start device");
    case 28081: return QCoreApplication::translate("MMObj", "Error filling wave buffer");
    case 28086: return QCoreApplication::translate("MMObj", "Specified error number is out of range (unknown error)");
    case 28087: return QCoreApplication::translate("MMObj", "The actual device can't record this format");
    case 28088: return QCoreApplication::translate("MMObj", "Could not create thread");
    case 28089: return QCoreApplication::translate("MMObj", "Invalid wave format");
    case 28130: return QCoreApplication::translate("MMObj", "Error reading wave file");
    case 28131: return QCoreApplication::translate("MMObj", "Can't write to MemoryWave");
    case 28133: return QCoreApplication::translate("MMObj", "Invalid wave file...");
    case 28137: return QCoreApplication::translate("MMObj", "Unable to setup file IO buffer");
    case 28138: return QCoreApplication::translate("MMObj", "Unable to open wave file");
    case 28139: return QCoreApplication::translate("MMObj", "Unable to create wave file");
    case 28145: return QCoreApplication::translate("MMObj", "Unable to set start position");
    case 28146: return QCoreApplication::translate("MMObj", "Unable to set end position");
    case 28147: return QCoreApplication::translate("MMObj", "Error seeking file position");
    case 28160: return QCoreApplication::translate("MMObj", "No wave audio recording device found");
    case 28161: return QCoreApplication::translate("MMObj", "No wave audio playing device found");
    case 28162: return QCoreApplication::translate("MMObj", "Unable to open device");
    case 28163: return QCoreApplication::translate("MMObj", "Unable to close device");
    default: return QString();
    }
}

QString MMPrefixed(const QString &Prefix, const QString &Text)
{
    return Prefix + QStringLiteral("\n\r") + Text;
}

// ---------------------------------------------------------------------------
// Process-wide lists. Components live on the user-interface thread, but the
// lists are guarded anyway: tests and benchmarks build chains on other threads.

namespace {
std::mutex &ComponentListLock()
{
    static std::mutex m;
    return m;
}
std::vector<TMMDSPComponent *> &ComponentList()
{
    static std::vector<TMMDSPComponent *> list;
    return list;
}
std::mutex &ThreadListLock()
{
    static std::mutex m;
    return m;
}
std::vector<std::thread::id> &ThreadList()
{
    static std::vector<std::thread::id> list;
    return list;
}
std::vector<TMMDSPComponent *> ComponentSnapshot()
{
    std::lock_guard<std::mutex> g(ComponentListLock());
    return ComponentList();
}
bool IsRegisteredComponent(TMMDSPComponent *c)
{
    std::lock_guard<std::mutex> g(ComponentListLock());
    const auto &l = ComponentList();
    return std::find(l.begin(), l.end(), c) != l.end();
}
} // namespace

int ChainComponentCount()
{
    std::lock_guard<std::mutex> g(ComponentListLock());
    return int(ComponentList().size());
}

namespace {

std::atomic<int> &LetGoWorkers()
{
    static std::atomic<int> count{0};
    return count;
}

// Holds disposed components on the user-interface thread until no let-go
// worker runs, looking again every few milliseconds.
class TComponentKeeper : public QObject {
public:
    explicit TComponentKeeper(QObject *parent) : QObject(parent)
    {
        FTimer.setInterval(20);
        connect(&FTimer, &QTimer::timeout, this, &TComponentKeeper::Sweep);
    }
    // The application object goes: whatever is still kept may be in use.
    ~TComponentKeeper() override { FKept.clear(); }
    void Keep(TMMDSPComponent *Component)
    {
        FKept.push_back(Component);
        FTimer.start();
    }

private:
    void Sweep()
    {
        if (LetGoWorkers() > 0)
            return;
        FTimer.stop();
        for (TMMDSPComponent *c : std::exchange(FKept, {}))
            delete c;
    }
    QTimer FTimer;
    std::vector<TMMDSPComponent *> FKept;
};

} // namespace

int LetGoWorkerCount() { return LetGoWorkers(); }

void MMDispose(TMMDSPComponent *Component)
{
    if (!Component)
        return;
    QCoreApplication *app = QCoreApplication::instance();
    if (LetGoWorkers() == 0 || !app) {
        delete Component;
        return;
    }
    static QPointer<TComponentKeeper> keeper;
    if (!keeper)
        keeper = new TComponentKeeper(app);
    keeper->Keep(Component);
}

int ChainThreadCount()
{
    std::lock_guard<std::mutex> g(ThreadListLock());
    return int(ThreadList().size());
}

// ---------------------------------------------------------------------------
// TMMDSPComponent

TMMDSPComponent::TMMDSPComponent()
{
    std::lock_guard<std::mutex> g(ComponentListLock());
    ComponentList().push_back(this);
}

TMMDSPComponent::~TMMDSPComponent()
{
    FComponentState |= csDestroying;
    // Undo the links through the regular setters so partners forget us.
    SetInput(nullptr);
    SetOutput(nullptr);
    SetWaveFormat(nullptr);
    std::lock_guard<std::mutex> g(ComponentListLock());
    auto &l = ComponentList();
    l.erase(std::remove(l.begin(), l.end(), this), l.end());
}

void TMMDSPComponent::Loaded()
{
    TMMComponent::Loaded();
    AssignWaveFormat(FWaveFormat.get());
}

void TMMDSPComponent::UpdateFormat()
{
    if (FormatsFrozen())
        return;
    if (FInput)
        SetWaveFormat(FInput->GetWaveFormat());
    else if (FOutput)
        FOutput->SetWaveFormat(GetWaveFormat());
}

void TMMDSPComponent::PortChanged(TMMDSPComponent *Component, const QString &Side)
{
    // Only the partner that the changing side really names lets go of it.
    if (Side == QLatin1String("Input")) {
        if (FOutput == Component && FOutputPortName == QLatin1String("Input") && Component->FInput == this) {
            FOutput = nullptr;
            FOutputPortName.clear();
        }
    } else if (Side == QLatin1String("Output")) {
        if (FInput == Component && FInputPortName == QLatin1String("Output") && Component->FOutput == this) {
            FInput = nullptr;
            FInputPortName.clear();
        }
    }
}

static void BroadcastPortChanged(TMMDSPComponent *Component, const QString &Side)
{
    for (TMMDSPComponent *c : ComponentSnapshot())
        if (IsRegisteredComponent(c))
            c->PortChanged(Component, Side);
}

void TMMDSPComponent::SetInputPort(TMMDSPComponent *Component, const QString &PortName)
{
    FInput = Component;
    FInputPortName = Component ? PortName.left(20) : QString();
}

void TMMDSPComponent::SetOutputPort(TMMDSPComponent *Component, const QString &PortName)
{
    FOutput = Component;
    FOutputPortName = Component ? PortName.left(20) : QString();
}

void TMMDSPComponent::SetInput(TMMDSPComponent *Value)
{
    if (Value == FInput)
        return;
    if (Value && !CanConnectInput(Value))
        return;
    Stopped();
    if (FInput) {
        BroadcastPortChanged(this, QStringLiteral("Input"));
        SetInputPort(nullptr, QString());
        SetWaveFormat(nullptr);
    }
    if (!Value)
        return;
    // Value's former consumer is detached, keeping the format it had.
    BroadcastPortChanged(Value, QStringLiteral("Output"));
    SetInputPort(Value, QStringLiteral("Output"));
    Value->SetOutputPort(this, QStringLiteral("Input"));
    UpdateFormat();
}

void TMMDSPComponent::SetOutput(TMMDSPComponent *Value)
{
    if (Value == FOutput)
        return;
    if (Value && !CanConnectOutput(Value))
        return;
    Stopped();
    if (TMMDSPComponent *old = FOutput) {
        BroadcastPortChanged(this, QStringLiteral("Output"));
        SetOutputPort(nullptr, QString());
        // The former consumer lost its source, so it loses its format too.
        if (IsRegisteredComponent(old) && !(old->FComponentState & csDestroying))
            old->SetWaveFormat(nullptr);
    }
    if (!Value)
        return;
    BroadcastPortChanged(Value, QStringLiteral("Input"));
    SetOutputPort(Value, QStringLiteral("Input"));
    Value->SetInputPort(this, QStringLiteral("Output"));
    UpdateFormat();
}

bool TMMDSPComponent::CanConnectInput(TMMComponent *Component)
{
    auto *a = dynamic_cast<TMMDSPComponent *>(Component);
    if (!a || a == this)
        return false;
    if (!a->HasOutputPort() && !a->AcceptsOutput)
        return false;
    // Walk down from here: meeting the new source would close a loop.
    int guard = 0;
    for (TMMDSPComponent *c = FOutput; c; c = c->FOutput) {
        if (c == a || ++guard > 100000)
            return false;
    }
    return true;
}

bool TMMDSPComponent::CanConnectOutput(TMMComponent *Component)
{
    auto *a = dynamic_cast<TMMDSPComponent *>(Component);
    if (!a || a == this)
        return false;
    if (!a->HasInputPort() && !a->AcceptsInput)
        return false;
    int guard = 0;
    for (TMMDSPComponent *c = FInput; c; c = c->FInput) {
        if (c == a || ++guard > 100000)
            return false;
    }
    return true;
}

void TMMDSPComponent::SetWaveFormat(const TWaveFormatEx *Format) { AssignWaveFormat(Format); }

void TMMDSPComponent::AssignWaveFormat(const TWaveFormatEx *Format)
{
    if (Format != FWaveFormat.get()) {
        if (FIsStarted)
            Stopped();
        // Copy before releasing: Format may be a view of data we are about to drop.
        TWaveFormatPtr copy = CopyWaveFormat(Format);
        FWaveFormat = std::move(copy);
    }
    if (!FormatsFrozen() && FOutput)
        FOutput->SetWaveFormat(FWaveFormat.get());
}

int TMMDSPComponent::GetBufferSize() const { return FIsOpen ? int(FEffectiveBufferSize) : FBufferSize; }

void TMMDSPComponent::SetBufferSize(int Value)
{
    if (Value == FBufferSize)
        return;
    if (FIsStarted)
        Stopped();
    FBufferSize = Value;
}

void TMMDSPComponent::Opened()
{
    if (FIsOpen)
        return;
    if (FWaveFormat && FWaveFormat->nBlockAlign > 0) {
        const int align = FWaveFormat->nBlockAlign;
        FEffectiveBufferSize = uint32_t(std::max(FBufferSize - FBufferSize % align, align));
    } else {
        FEffectiveBufferSize = uint32_t(std::max(FBufferSize, 0));
    }
    FIsOpen = true;
}

void TMMDSPComponent::Closed() { FIsOpen = false; }

void TMMDSPComponent::Started()
{
    if (FIsOpen && !FIsStarted)
        FIsStarted = true;
}

void TMMDSPComponent::Paused() {}
void TMMDSPComponent::Restarted() {}
void TMMDSPComponent::Stopped() { FIsStarted = false; }
void TMMDSPComponent::Rewound() {}

void TMMDSPComponent::BufferReady(PWaveHdr lpWaveHdr)
{
    if (OnBufferReady)
        OnBufferReady(this, lpWaveHdr);
    if (FOutput)
        FOutput->BufferReady(lpWaveHdr);
}

void TMMDSPComponent::BufferLoad(PWaveHdr lpWaveHdr, bool &MoreBuffers)
{
    if (OnBufferLoad)
        OnBufferLoad(this, lpWaveHdr, MoreBuffers);
    if (FInput)
        FInput->BufferLoad(lpWaveHdr, MoreBuffers);
}

void TMMDSPComponent::Commit()
{
    if (FOutput)
        FOutput->Commit();
}

// ---------------------------------------------------------------------------
// TMMCustomSoundComponent

bool IsSoundDevice(const TMMComponent *Component)
{
    return dynamic_cast<const TMMCustomSoundComponent *>(Component) != nullptr;
}

static void Deliver(TMMDSPComponent *c, TMMChainNotification What)
{
    switch (What) {
    case cnOpened: c->Opened(); break;
    case cnClosed: c->Closed(); break;
    case cnStarted: c->Started(); break;
    case cnPaused: c->Paused(); break;
    case cnRestarted: c->Restarted(); break;
    case cnStopped: c->Stopped(); break;
    case cnRewound: c->Rewound(); break;
    }
}

void TMMCustomSoundComponent::NotifyChain(TMMChainNotification What)
{
    const bool closing = What == cnClosed || What == cnStopped;
    const bool opening = What == cnOpened;

    // Closing and stopping reach the next device downstream first.
    if (closing) {
        TMMDSPComponent *c = FOutput;
        while (c && !IsSoundDevice(c))
            c = c->GetOutput();
        if (c)
            Deliver(c, What);
    }

    // Where the walk starts: here when another device sits upstream (that one
    // drives the part above us), else at the head of the chain.
    TMMDSPComponent *start = this;
    bool upstreamDevice = false;
    for (TMMDSPComponent *c = FInput; c; c = c->GetInput()) {
        if (IsSoundDevice(c)) {
            upstreamDevice = true;
            break;
        }
        start = c;
    }
    if (upstreamDevice)
        start = this;
    if (opening)
        FHasUpstreamDevice = upstreamDevice;

    const int size = BufferSize();
    for (TMMDSPComponent *c = start; c; c = c->GetOutput()) {
        if (c == this)
            continue;
        const bool device = IsSoundDevice(c);
        if (device && closing)
            break;
        if (opening)
            c->SetBufferSize(size);
        Deliver(c, What);
        if (device)
            break;
    }
}

void TMMCustomSoundComponent::Opened()
{
    NotifyChain(cnOpened);
    TMMDSPComponent::Opened();
}

void TMMCustomSoundComponent::Closed()
{
    NotifyChain(cnClosed);
    TMMDSPComponent::Closed();
}

void TMMCustomSoundComponent::Started()
{
    NotifyChain(cnStarted);
    TMMDSPComponent::Started();
}

void TMMCustomSoundComponent::Paused()
{
    NotifyChain(cnPaused);
    TMMDSPComponent::Paused();
}

void TMMCustomSoundComponent::Restarted()
{
    NotifyChain(cnRestarted);
    TMMDSPComponent::Restarted();
}

void TMMCustomSoundComponent::Stopped()
{
    NotifyChain(cnStopped);
    TMMDSPComponent::Stopped();
}

void TMMCustomSoundComponent::Rewound()
{
    NotifyChain(cnRewound);
    TMMDSPComponent::Rewound();
}

// ---------------------------------------------------------------------------
// Worker threads

TMMDSPThread::TMMDSPThread(TMMDSPComponent *Owner) : FOwner(Owner), FSync(std::make_shared<TMMSyncChannel>()) {}

TMMDSPThread::~TMMDSPThread() { Join(); }

bool TMMDSPThread::StartAndWait(int TimeOutMs)
{
    if (FThread.joinable())
        return false;
    try {
        FThread = std::thread([this] { Run(); });
    } catch (const std::system_error &) {
        return false;
    }
    return FReady.WaitFor(TimeOutMs);
}

void TMMDSPThread::Join()
{
    if (FThread.joinable() && FThread.get_id() != std::this_thread::get_id()) {
        FSync->Close();
        FThread.join();
    }
}

bool TMMDSPThread::JoinFor(int LimitMs)
{
    if (!FThread.joinable())
        return true;
    if (FThread.get_id() == std::this_thread::get_id())
        return false;
    FSync->Close();
    {
        std::unique_lock<std::mutex> g(FEndLock);
        if (!FEndChanged.wait_for(g, std::chrono::milliseconds(std::max(LimitMs, 0)), [this] { return FEnded; }))
            return false;
    }
    FThread.join(); // it has left Run: at once
    return true;
}

void TMMDSPThread::LetGo()
{
    FSync->Close();
    {
        std::lock_guard<std::mutex> g(FEndLock);
        if (!FEnded) {
            // Detached under the lock, so that the thread, which deletes
            // itself when it ends, never meets a joinable handle.
            FLetGo = true;
            FThread.detach();
            ++LetGoWorkers();
            return;
        }
    }
    delete this; // joins a thread that has already left Run
}

void TMMDSPThread::RaisePriority()
{
    // Unprivileged processes may not raise a thread's priority; then it
    // simply stays at normal.
    const int current = getpriority(PRIO_PROCESS, 0);
    (void)setpriority(PRIO_PROCESS, 0, current - 1);
}

void TMMDSPThread::Run()
{
    {
        std::lock_guard<std::mutex> g(ThreadListLock());
        ThreadList().push_back(std::this_thread::get_id());
    }
    TMMSyncChannel::BindToCurrentThread(FSync);
    try {
        Execute();
    } catch (...) {
        HandleWorkerException(std::current_exception());
    }
    TMMSyncChannel::BindToCurrentThread(nullptr);
    {
        std::lock_guard<std::mutex> g(ThreadListLock());
        auto &l = ThreadList();
        l.erase(std::remove(l.begin(), l.end(), std::this_thread::get_id()), l.end());
    }
    bool letGo;
    {
        std::lock_guard<std::mutex> g(FEndLock);
        FEnded = true;
        letGo = FLetGo;
        FEndChanged.notify_all();
    }
    if (letGo) {
        delete this; // nobody owns it any more; nothing of it is touched after
        --LetGoWorkers();
    }
}

bool IsChainWorkerThread()
{
    std::lock_guard<std::mutex> g(ThreadListLock());
    const auto &l = ThreadList();
    return std::find(l.begin(), l.end(), std::this_thread::get_id()) != l.end();
}

bool IsMainThread()
{
    QCoreApplication *app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

// ---------------------------------------------------------------------------
// Hand-over to the user-interface thread

struct TMMSyncChannel::TState {
    // One lock for the channel and the phases of its calls; a call is in
    // exactly one phase, so the UI thread and the worker agree on whether it
    // runs.
    std::mutex Lock;
    std::condition_variable Changed;
    bool Closed = false;
    TPostTarget Target;
};

namespace {
enum class TCallPhase { Queued, Running, Done, Dropped };
struct TSyncCall {
    TCallPhase Phase = TCallPhase::Queued; // guarded by the channel's lock
    std::exception_ptr Error;
};
thread_local std::shared_ptr<TMMSyncChannel> BoundChannel;
} // namespace

TMMSyncChannel::TMMSyncChannel() : FState(std::make_shared<TState>()) {}

TMMSyncChannel::~TMMSyncChannel() { Close(); }

void TMMSyncChannel::Close()
{
    {
        std::lock_guard<std::mutex> g(FState->Lock);
        if (FState->Closed)
            return;
        FState->Closed = true;
    }
    FState->Changed.notify_all();
    FState->Target.Close();
}

bool TMMSyncChannel::IsClosed() const
{
    std::lock_guard<std::mutex> g(FState->Lock);
    return FState->Closed;
}

TMMSyncChannel::TResult TMMSyncChannel::Call(std::function<void()> Handler, int PickUpLimitMs)
{
    const std::shared_ptr<TState> st = FState;
    auto call = std::make_shared<TSyncCall>();
    {
        std::lock_guard<std::mutex> g(st->Lock);
        if (st->Closed)
            return srClosed;
    }
    const bool posted = st->Target.Post([st, call, Handler = std::move(Handler)] {
        {
            std::lock_guard<std::mutex> g(st->Lock);
            if (call->Phase != TCallPhase::Queued)
                return;
            call->Phase = TCallPhase::Running;
        }
        std::exception_ptr error;
        try {
            Handler();
        } catch (...) {
            error = std::current_exception();
        }
        {
            std::lock_guard<std::mutex> g(st->Lock);
            call->Phase = TCallPhase::Done;
            call->Error = error;
        }
        st->Changed.notify_all();
    });
    if (!posted)
        return srClosed;

    using Clock = std::chrono::steady_clock;
    const Clock::time_point pickUpBy = Clock::now() + std::chrono::milliseconds(std::max(PickUpLimitMs, 0));
    std::unique_lock<std::mutex> g(st->Lock);
    for (;;) {
        if (call->Phase == TCallPhase::Done) {
            const std::exception_ptr error = call->Error;
            g.unlock();
            if (error)
                std::rethrow_exception(error);
            return srDone;
        }
        if (st->Closed) {
            if (call->Phase == TCallPhase::Queued)
                call->Phase = TCallPhase::Dropped;
            return srClosed;
        }
        const Clock::time_point now = Clock::now();
        if (call->Phase == TCallPhase::Queued) {
            if (now >= pickUpBy) {
                call->Phase = TCallPhase::Dropped;
                return srTimedOut;
            }
            st->Changed.wait_until(g, pickUpBy);
        } else {
            // Running on the UI thread: it is busy with our handler, not stuck
            // waiting for us; look again now and then in case we are closed.
            st->Changed.wait_for(g, std::chrono::seconds(1));
        }
    }
}

void TMMSyncChannel::BindToCurrentThread(std::shared_ptr<TMMSyncChannel> Channel) { BoundChannel = std::move(Channel); }

std::shared_ptr<TMMSyncChannel> TMMSyncChannel::Current() { return BoundChannel; }

void CallInMainThread(const std::function<void()> &Handler)
{
    if (!Handler)
        return;
    QCoreApplication *app = QCoreApplication::instance();
    const std::shared_ptr<TMMSyncChannel> channel = TMMSyncChannel::Current();
    if (!app || IsMainThread() || !channel) {
        Handler();
        return;
    }
    if (channel->Call(Handler) == TMMSyncChannel::srTimedOut)
        throw EMMSyncError(QStringLiteral("The user-interface thread did not take the handler within %1 ms; "
                                          "it was not run")
                               .arg(kMMSyncPickUpLimitMs));
}

namespace {
std::mutex &WorkerErrorLock()
{
    static std::mutex m;
    return m;
}
TMMWorkerErrorHandler &WorkerErrorHandler()
{
    static TMMWorkerErrorHandler h;
    return h;
}
} // namespace

void SetWorkerErrorHandler(TMMWorkerErrorHandler Handler)
{
    std::lock_guard<std::mutex> g(WorkerErrorLock());
    WorkerErrorHandler() = std::move(Handler);
}

void HandleWorkerException(std::exception_ptr Error)
{
    TMMWorkerErrorHandler h;
    {
        std::lock_guard<std::mutex> g(WorkerErrorLock());
        h = WorkerErrorHandler();
    }
    if (h) {
        try {
            h(Error);
        } catch (...) {
        }
        return;
    }
    if (QCoreApplication *app = QCoreApplication::instance()) {
        // The error object was made on this thread and is read on the UI
        // thread; the release and acquire on Ready order the two in a way a
        // thread checker can see (Qt's own queue is not instrumented).
        struct TPassed {
            std::atomic<bool> Ready{false};
            std::exception_ptr Error;
        };
        auto passed = std::make_shared<TPassed>();
        passed->Error = Error;
        passed->Ready.store(true, std::memory_order_release);
        QMetaObject::invokeMethod(
            app,
            [passed] {
                if (passed->Ready.load(std::memory_order_acquire))
                    std::rethrow_exception(passed->Error);
            },
            Qt::QueuedConnection);
    }
}
