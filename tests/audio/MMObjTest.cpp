// Chain core: formats, conversions, links, format flow, buffer sizes, the
// notification walks of devices, and running handlers on the UI thread.
#include "audio/MMObj.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

// A plain chain component that logs what reaches it.
class TSpy : public TMMDSPComponent {
public:
    TSpy(std::vector<std::string> *Log, const char *Tag) : FLog(Log), FTag(Tag) {}
    void Opened() override { Note("Opened"); TMMDSPComponent::Opened(); }
    void Closed() override { Note("Closed"); TMMDSPComponent::Closed(); }
    void Started() override { Note("Started"); TMMDSPComponent::Started(); }
    void Stopped() override { Note("Stopped"); TMMDSPComponent::Stopped(); }
    void Paused() override { Note("Paused"); }
    void SetBufferSize(int Value) override
    {
        if (FLog && Value != FBufferSize)
            FLog->push_back(FTag + ".Size" + std::to_string(Value));
        TMMDSPComponent::SetBufferSize(Value);
    }
    bool LogStops = false;

protected:
    void Note(const char *What)
    {
        if (FLog && (LogStops || std::strcmp(What, "Stopped") != 0))
            FLog->push_back(FTag + "." + What);
    }
    std::vector<std::string> *FLog;
    std::string FTag;
};

// A device that only walks its chain.
class TSpyDevice : public TMMCustomSoundComponent {
public:
    TSpyDevice(std::vector<std::string> *Log, const char *Tag) : FLog(Log), FTag(Tag) {}
    void Error(const QString &Msg) override { throw EMMWaveInError(Msg); }
    void Open() override { Opened(); }
    void Close() override { Closed(); }
    void Start() override { Started(); }
    void Pause() override { Paused(); }
    void Restart() override { Restarted(); }
    void Stop() override { Stopped(); }
    void Opened() override { Note("Opened"); TMMCustomSoundComponent::Opened(); }
    void Closed() override { Note("Closed"); TMMCustomSoundComponent::Closed(); }
    void Stopped() override { Note("Stopped"); TMMCustomSoundComponent::Stopped(); }
    bool LogStops = false;

private:
    void Note(const char *What)
    {
        if (FLog && (LogStops || std::strcmp(What, "Stopped") != 0))
            FLog->push_back(FTag + "." + What);
    }
    std::vector<std::string> *FLog;
    std::string FTag;
};

TWaveFormatEx Rec8Stereo() { return MakePCMWaveFormat(8, 2, 22050); }

} // namespace

TEST(MMFormat, PCMRecordIs18BytesAndCopiesExactlyItsSize)
{
    TWaveFormatEx f = Rec8Stereo();
    EXPECT_EQ(WaveFormatSize(&f), 18u);
    f.cbSize = 1234; // garbage in cbSize does not count for PCM
    EXPECT_EQ(WaveFormatSize(&f), 18u);
    EXPECT_EQ(f.nBlockAlign, 2);
    EXPECT_EQ(f.nAvgBytesPerSec, 44100u);
    EXPECT_EQ(WaveFormatSize(nullptr), 0u);
    EXPECT_EQ(CopyWaveFormat(nullptr), nullptr);

    // A non-PCM format carries its extra bytes along.
    TWaveFormatPtr adpcm = AllocWaveFormat(18 + 32);
    adpcm->wFormatTag = 2;
    adpcm->cbSize = 32;
    reinterpret_cast<unsigned char *>(adpcm.get())[18 + 31] = 0xAB;
    TWaveFormatPtr copy = CopyWaveFormat(adpcm.get());
    ASSERT_NE(copy.get(), adpcm.get());
    EXPECT_EQ(WaveFormatSize(copy.get()), 50u);
    EXPECT_EQ(std::memcmp(copy.get(), adpcm.get(), 50), 0);
}

TEST(MMFormat, ValidityAndNames)
{
    TWaveFormatEx f = Rec8Stereo();
    EXPECT_TRUE(IsValidPCMFormat(&f));
    f.nSamplesPerSec = 4000;
    EXPECT_TRUE(IsValidPCMFormat(&f));
    f.nSamplesPerSec = 3999;
    EXPECT_FALSE(IsValidPCMFormat(&f));
    f.nSamplesPerSec = 100000;
    EXPECT_TRUE(IsValidPCMFormat(&f));
    f.nSamplesPerSec = 100001;
    EXPECT_FALSE(IsValidPCMFormat(&f));
    f = MakePCMWaveFormat(24, 2, 44100);
    EXPECT_FALSE(IsValidPCMFormat(&f));
    f = MakePCMWaveFormat(16, 3, 44100);
    EXPECT_FALSE(IsValidPCMFormat(&f));
    f = MakePCMWaveFormat(16, 1, 44100);
    f.wFormatTag = 0xFFFE;
    EXPECT_FALSE(IsValidPCMFormat(&f));
    EXPECT_FALSE(IsValidPCMFormat(nullptr));

    EXPECT_EQ(WaveFormatName(1), "PCM");
    EXPECT_EQ(WaveFormatName(17), "IMA ADPCM");
    EXPECT_EQ(WaveFormatName(85), "MPEG Layer-3");
    EXPECT_EQ(WaveFormatName(65535), "*DEVELOPMENT ONLY TAG*");
    EXPECT_EQ(WaveFormatName(4), "Unknown");
}

TEST(MMFormat, HeaderDataFollowsTheHeader)
{
    TWaveHdrPtr h = AllocWaveHeader(4096);
    EXPECT_EQ(h->lpData, reinterpret_cast<char *>(h.get()) + sizeof(TWaveHdr));
    EXPECT_EQ(h->dwBufferLength, 4096u);
    EXPECT_EQ(h->dwBytesRecorded, 0u);
    EXPECT_EQ(h->LoopEnabled, 0);
    h->lpData[4095] = 1; // the whole data area is ours
}

TEST(MMConversions, RoundingAndTheRecordingFormat)
{
    EXPECT_EQ(MultiplyDivideRounded(1, 1, 3), 0);  // 0.33 -> 0
    EXPECT_EQ(MultiplyDivideRounded(1, 2, 3), 1);  // 0.67 -> 1
    EXPECT_EQ(MultiplyDivideRounded(5, 1, 2), 3);  // 2.5 -> 3
    EXPECT_EQ(MultiplyDivideRounded(4000000000LL, 4000000000LL, 8000000000LL), 2000000000LL);
    EXPECT_EQ(MultiplyDivideRounded(7, 7, 0), 0);   // a damaged format never divides by zero

    const TWaveFormatEx f = Rec8Stereo();
    EXPECT_EQ(BytesToMs(&f, 44100), 1000);
    EXPECT_EQ(BytesToSamples(&f, 44100), 22050);
    EXPECT_EQ(SamplesToBytes(&f, 1), 2);
    EXPECT_EQ(SamplesToMs(&f, 22050), 1000);
    EXPECT_EQ(MsToSamples(&f, 1000), 22050);
    EXPECT_EQ(MsToBytes(&f, 1), 44); // 44.1 -> 44, already whole frames
    // Rounded up to whole frames for a 3-byte frame: 1 ms of 1000 B/s -> 1 -> 3.
    TWaveFormatEx odd = MakePCMWaveFormat(8, 3, 1000);
    EXPECT_EQ(MsToBytes(&odd, 1), 3);
    EXPECT_EQ(SamplesToBytes(&odd, 1), 3);
    EXPECT_EQ(SamplesToTimeFormat(&f, tfMillisecond, 2), 0); // 2 frames < half a millisecond
    EXPECT_EQ(BytesToSamples(nullptr, 100), 0);
}

TEST(MMChain, EffectiveBufferSizeIsWholeFramesAndAtLeastOne)
{
    TMMDSPComponent c;
    TWaveFormatEx f = Rec8Stereo();
    c.SetWaveFormat(&f);
    c.SetBufferSize(4096);
    c.Opened();
    EXPECT_EQ(c.EffectiveBufferSize(), 4096u);
    EXPECT_EQ(c.BufferSize(), 4096);
    c.Closed();

    TWaveFormatEx three = MakePCMWaveFormat(8, 3, 22050);
    c.SetWaveFormat(&three);
    c.Opened();
    EXPECT_EQ(c.EffectiveBufferSize(), 4095u);
    c.Closed();

    TWaveFormatEx big = MakePCMWaveFormat(16, 2, 22050); // 4-byte frames
    c.SetWaveFormat(&big);
    c.SetBufferSize(3);
    c.Opened();
    EXPECT_EQ(c.EffectiveBufferSize(), 4u);
    EXPECT_EQ(c.BufferSize(), 4); // the effective size while open
    c.Closed();
    EXPECT_EQ(c.BufferSize(), 3);
}

TEST(MMChain, SelfLinkAndLoopsLeaveEveryLinkUnchanged)
{
    TMMDSPComponent a, b, c;
    b.SetInput(&a);
    c.SetInput(&b);
    a.SetInput(&a);
    a.SetOutput(&a);
    EXPECT_EQ(a.Input(), nullptr);
    EXPECT_EQ(a.Output(), &b);

    a.SetInput(&c);  // would close the loop a -> b -> c -> a
    c.SetOutput(&a);
    EXPECT_EQ(a.Input(), nullptr);
    EXPECT_EQ(c.Output(), nullptr);
    EXPECT_EQ(b.Input(), &a);
    EXPECT_EQ(b.Output(), &c);
    EXPECT_EQ(c.Input(), &b);
    EXPECT_EQ(b.InputPortName(), "Output");
    EXPECT_EQ(b.OutputPortName(), "Input");
}

TEST(MMChain, RelinkingTheInputDetachesTheFormerConsumerButLeavesItsFormat)
{
    TMMDSPComponent a, b, c;
    TWaveFormatEx f = Rec8Stereo();
    a.SetWaveFormat(&f);
    b.SetInput(&a);
    ASSERT_NE(b.WaveFormat(), nullptr);

    c.SetInput(&a);
    EXPECT_EQ(b.Input(), nullptr);
    EXPECT_EQ(b.InputPortName(), "");
    ASSERT_NE(b.WaveFormat(), nullptr); // b keeps the format it had
    EXPECT_EQ(a.Output(), &c);
    EXPECT_EQ(c.Input(), &a);
    ASSERT_NE(c.WaveFormat(), nullptr);
    EXPECT_NE(c.WaveFormat(), a.WaveFormat()); // its own copy
    EXPECT_EQ(std::memcmp(c.WaveFormat(), &f, 18), 0);
}

TEST(MMChain, RelinkingTheOutputClearsTheFormerConsumersFormat)
{
    TMMDSPComponent a, b, c;
    TWaveFormatEx f = Rec8Stereo();
    a.SetWaveFormat(&f);
    a.SetOutput(&b);
    ASSERT_NE(b.WaveFormat(), nullptr);
    a.SetOutput(&c);
    EXPECT_EQ(b.Input(), nullptr);
    EXPECT_EQ(b.WaveFormat(), nullptr);
    EXPECT_EQ(a.Output(), &c);
    EXPECT_EQ(c.Input(), &a);
    ASSERT_NE(c.WaveFormat(), nullptr);
    EXPECT_EQ(std::memcmp(c.WaveFormat(), &f, 18), 0);
}

TEST(MMChain, FormatsFlowDownstreamAndUnlinkingClearsThem)
{
    TMMDSPComponent a, b, c;
    b.SetInput(&a);
    c.SetInput(&b);
    TWaveFormatEx f = MakePCMWaveFormat(16, 1, 44100);
    a.SetWaveFormat(&f);
    ASSERT_NE(c.WaveFormat(), nullptr);
    EXPECT_EQ(c.WaveFormat()->wBitsPerSample, 16);
    a.SetWaveFormat(nullptr);
    EXPECT_EQ(c.WaveFormat(), nullptr);
    a.SetWaveFormat(&f);
    b.SetInput(nullptr);
    EXPECT_EQ(b.WaveFormat(), nullptr);
    EXPECT_EQ(c.WaveFormat(), nullptr);
    EXPECT_EQ(a.Output(), nullptr);

    // While loading, formats settle only when loading has finished.
    TMMDSPComponent d;
    d.BeginLoading();
    TMMDSPComponent e;
    e.SetInput(&d);
    TWaveFormatEx g = Rec8Stereo();
    d.SetWaveFormat(&g);
    EXPECT_EQ(e.WaveFormat(), nullptr);
    d.Loaded();
    ASSERT_NE(e.WaveFormat(), nullptr);
    EXPECT_EQ(e.WaveFormat()->nChannels, 2);
}

TEST(MMChain, DestroyingAComponentUnlinksIt)
{
    const int before = ChainComponentCount();
    TMMDSPComponent a, c;
    {
        TMMDSPComponent b;
        EXPECT_EQ(ChainComponentCount(), before + 3);
        b.SetInput(&a);
        c.SetInput(&b);
    }
    EXPECT_EQ(a.Output(), nullptr);
    EXPECT_EQ(c.Input(), nullptr);
    EXPECT_EQ(ChainComponentCount(), before + 2);
}

TEST(MMChain, PortsAreNeededOnTheOtherSide)
{
    class TNoOutput : public TMMDSPComponent {
    public:
        bool HasOutputPort() const override { return false; }
    };
    TNoOutput a;
    TMMDSPComponent b;
    b.SetInput(&a);
    EXPECT_EQ(b.Input(), nullptr);
    a.AcceptsOutput = true;
    b.SetInput(&a);
    EXPECT_EQ(b.Input(), &a);
}

TEST(MMChain, DeviceOpenedReachesTheComponentsBelowItWithItsBufferSize)
{
    std::vector<std::string> log;
    TSpyDevice waveIn(&log, "In");
    TSpy ring(&log, "Ring"), file(&log, "File");
    ring.SetInput(&waveIn);
    file.SetInput(&ring);
    waveIn.SetBufferSize(4096);
    log.clear();
    waveIn.Open();
    const std::vector<std::string> want = {"In.Opened", "Ring.Size4096", "Ring.Opened", "File.Size4096", "File.Opened"};
    EXPECT_EQ(log, want);
    EXPECT_FALSE(waveIn.HasUpstreamDevice());
    EXPECT_TRUE(ring.IsOpen());
    EXPECT_TRUE(waveIn.IsOpen());

    // A sink device at the end walks from the head of its chain.
    std::vector<std::string> log2;
    TSpy playFile(&log2, "File"), playRing(&log2, "Ring");
    TSpyDevice waveOut(&log2, "Out");
    playRing.SetInput(&playFile);
    waveOut.SetInput(&playRing);
    waveOut.SetBufferSize(4096);
    log2.clear();
    waveOut.Open();
    const std::vector<std::string> want2 = {"Out.Opened", "File.Size4096", "File.Opened", "Ring.Size4096", "Ring.Opened"};
    EXPECT_EQ(log2, want2);
}

TEST(MMChain, DeviceWithAnotherDeviceUpstreamNotifiesOnlyTheComponentsUpToTheNextDevice)
{
    std::vector<std::string> log;
    TSpyDevice src(&log, "Src"), d(&log, "D"), e(&log, "E");
    TSpy x(&log, "X"), y(&log, "Y"), z(&log, "Z");
    x.SetInput(&src);
    d.SetInput(&x);
    y.SetInput(&d);
    e.SetInput(&y);
    z.SetInput(&e);
    log.clear();
    d.Opened();
    // E's own walk starts at E (D is upstream of it) and reaches Z.
    EXPECT_EQ(log, std::vector<std::string>({"D.Opened", "Y.Opened", "E.Opened", "Z.Opened"}));
    EXPECT_TRUE(d.HasUpstreamDevice());
    EXPECT_TRUE(e.HasUpstreamDevice());
    EXPECT_FALSE(x.IsOpen());

    // Closing reaches the next device downstream first, then the components
    // between; E is not told twice and X above D hears nothing.
    log.clear();
    d.Closed();
    EXPECT_EQ(log, std::vector<std::string>({"D.Closed", "E.Closed", "Z.Closed", "Y.Closed"}));
    EXPECT_FALSE(d.IsOpen());
    EXPECT_FALSE(y.IsOpen());
}

TEST(MMChain, BufferReadyPushesDownAndBufferLoadPullsUp)
{
    TMMDSPComponent a, b, c;
    b.SetInput(&a);
    c.SetInput(&b);
    std::vector<std::string> seen;
    b.OnBufferReady = [&](TMMComponent *s, PWaveHdr) { seen.push_back(s == &b ? "b" : "?"); };
    c.OnBufferReady = [&](TMMComponent *s, PWaveHdr) { seen.push_back(s == &c ? "c" : "?"); };
    TWaveHdrPtr h = AllocWaveHeader(16);
    a.BufferReady(h.get());
    EXPECT_EQ(seen, std::vector<std::string>({"b", "c"}));

    // Pull: the head fills; a head without a handler leaves H as prepared.
    a.OnBufferLoad = [](TMMComponent *, PWaveHdr H, bool &More) {
        std::memset(H->lpData, 7, H->dwBufferLength);
        H->dwBytesRecorded = H->dwBufferLength;
        More = true;
    };
    bool more = false;
    c.BufferLoad(h.get(), more);
    EXPECT_TRUE(more);
    EXPECT_EQ(h->dwBytesRecorded, 16u);
    EXPECT_EQ(h->lpData[15], 7);
    a.OnBufferLoad = nullptr;
    h->dwBytesRecorded = 3;
    more = false;
    c.BufferLoad(h.get(), more);
    EXPECT_EQ(h->dwBytesRecorded, 3u);
    EXPECT_FALSE(more);
}

namespace {
class TCallerThread : public TMMDSPThread {
public:
    using TMMDSPThread::TMMDSPThread;
    std::function<void()> Body;
    std::atomic<bool> Done{false};

protected:
    void Execute() override
    {
        SignalReady();
        Body();
        Done = true;
    }
};
} // namespace

TEST(MMThreads, CallInMainThreadRunsOnTheUserInterfaceThread)
{
    // On the UI thread itself: called directly, no deadlock.
    bool ran = false;
    CallInMainThread([&] { ran = true; });
    EXPECT_TRUE(ran);

    TMMDSPComponent owner;
    TCallerThread worker(&owner);
    QThread *ranOn = nullptr;
    bool caught = false;
    bool registered = false;
    worker.Body = [&] {
        registered = IsChainWorkerThread();
        CallInMainThread([&] { ranOn = QThread::currentThread(); });
        try {
            CallInMainThread([] { throw EMMWaveError("boom"); });
        } catch (const EMMWaveError &e) {
            caught = e.Message() == "boom";
        }
    };
    ASSERT_TRUE(worker.StartAndWait());
    while (!worker.Done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    worker.Join();
    EXPECT_TRUE(registered);
    EXPECT_EQ(ranOn, QCoreApplication::instance()->thread());
    EXPECT_TRUE(caught); // the handler's error is raised again in the worker
    EXPECT_FALSE(IsChainWorkerThread());
}

TEST(MMThreads, JoiningAWorkerThatWaitsForTheUserInterfaceThreadDoesNotHang)
{
    // The UI thread joins while the worker waits in CallInMainThread: before
    // the join the worker's hand-over is closed, so it goes on and ends, and
    // the handler it asked for never runs.
    TMMDSPComponent owner;
    TCallerThread worker(&owner);
    std::atomic<bool> asking{false};
    bool ran = false;
    worker.Body = [&] {
        asking = true;
        CallInMainThread([&] { ran = true; });
    };
    ASSERT_TRUE(worker.StartAndWait());
    while (!asking)
        std::this_thread::yield();
    worker.Join(); // no event is processed on this thread until it returns
    EXPECT_TRUE(worker.Done);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
}

TEST(MMThreads, HandOverNotPickedUpInTimeIsDroppedAndSaysSo)
{
    TMMSyncChannel channel;
    std::atomic<int> result{-1};
    bool ran = false;
    std::thread worker([&] { result = channel.Call([&] { ran = true; }, 20); });
    worker.join(); // the UI thread took nothing meanwhile
    EXPECT_EQ(result, TMMSyncChannel::srTimedOut);
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);

    // Through CallInMainThread on a thread bound to a closed channel: dropped quietly.
    auto closed = std::make_shared<TMMSyncChannel>();
    closed->Close();
    bool threw = false;
    std::thread other([&] {
        TMMSyncChannel::BindToCurrentThread(closed);
        try {
            CallInMainThread([&] { ran = true; });
        } catch (...) {
            threw = true;
        }
        TMMSyncChannel::BindToCurrentThread(nullptr);
    });
    other.join();
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
    EXPECT_FALSE(threw);
}

TEST(MMThreads, WorkerExceptionsGoToTheErrorHandler)
{
    std::atomic<int> handled{0};
    SetWorkerErrorHandler([&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const EMMBufferError &) {
            ++handled;
        }
    });
    TMMDSPComponent owner;
    {
        TCallerThread worker(&owner);
        worker.Body = [] { throw EMMBufferError("worker failed"); };
        ASSERT_TRUE(worker.StartAndWait());
    }
    SetWorkerErrorHandler(nullptr);
    EXPECT_EQ(handled, 1);
}

TEST(MMMessages, NumberedTextsAndPrefix)
{
    EXPECT_EQ(MMMessage(28060), "Change to property while device was open");
    EXPECT_EQ(MMMessage(28088), "Could not create thread");
    EXPECT_EQ(MMMessage(28133), "Invalid wave file...");
    EXPECT_EQ(MMMessage(28087), "The actual device can't record this format");   // one apostrophe
    EXPECT_EQ(MMPrefixed("RingBuffer:", MMMessage(28088)), "RingBuffer:\n\rCould not create thread");
    const EMMWaveError e(MMMessage(28139));
    const Exception &base = e;
    EXPECT_EQ(base.Message(), "Unable to create wave file");
}
