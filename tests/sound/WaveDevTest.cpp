// The wave device layer over ALSA "default", on the test sound server
// (tools/soundserver.sh start): buffers come back in order with their byte
// counts, on the device's own thread; Reset hands everything back before it
// returns; a held playback device plays nothing; Close reports the close.
#include "sound/wavedev.h"

#include <gtest/gtest.h>

#include <QString>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

const char *ServerHint()
{
    return "no wave device on ALSA \"default\"; run tools/soundserver.sh start first";
}

// Records every notification with the thread it came on.
struct TLog {
    struct TEntry {
        TWaveDevMessage Message;
        void *Buffer;
        uint32_t Bytes;
        std::thread::id Thread;
    };
    std::mutex Lock;
    std::condition_variable Changed;
    std::vector<TEntry> Entries;

    TWaveDevCallback Callback()
    {
        return [this](TWaveDevMessage m, void *b, uint32_t n) {
            {
                std::lock_guard<std::mutex> g(Lock);
                Entries.push_back({m, b, n, std::this_thread::get_id()});
            }
            Changed.notify_all();
        };
    }
    int Count(TWaveDevMessage m)
    {
        std::lock_guard<std::mutex> g(Lock);
        int n = 0;
        for (const auto &e : Entries)
            n += e.Message == m;
        return n;
    }
    bool WaitCount(TWaveDevMessage m, int n, int LimitMs = 5000)
    {
        std::unique_lock<std::mutex> g(Lock);
        return Changed.wait_for(g, std::chrono::milliseconds(LimitMs), [&] {
            int c = 0;
            for (const auto &e : Entries)
                c += e.Message == m;
            return c >= n;
        });
    }
    std::vector<TEntry> Of(TWaveDevMessage m)
    {
        std::lock_guard<std::mutex> g(Lock);
        std::vector<TEntry> r;
        for (const auto &e : Entries)
            if (e.Message == m)
                r.push_back(e);
        return r;
    }
};

const TWaveDevFormat Recording{2, 22050, 8}; // 44100 bytes per second

} // namespace

TEST(WaveDevFormats, EachFormatHasTheCapabilityBitOfItsBand)
{
    const struct {
        int Channels, Rate, Bits;
        uint32_t Bit;
    } cases[] = {
        {1, 8000, 8, WAVE_FORMAT_1M08},    {2, 11025, 16, WAVE_FORMAT_1S16},  {1, 11026, 8, WAVE_FORMAT_2M08},
        {2, 22050, 8, WAVE_FORMAT_2S08},   {1, 22050, 16, WAVE_FORMAT_2M16},  {1, 22051, 16, WAVE_FORMAT_4M16},
        {2, 44100, 16, WAVE_FORMAT_4S16},  {2, 48000, 8, WAVE_FORMAT_4S08},   {1, 7999, 8, 0u},
        {2, 48001, 16, 0u},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WaveFormatBit(c.Channels, c.Rate, c.Bits), c.Bit) << c.Channels << " x " << c.Rate << " x " << c.Bits;
}

TEST(WaveDev, ErrorCodesHaveTexts)
{
    QString text;
    for (int code : {MMSYSERR_ERROR, MMSYSERR_BADDEVICEID, MMSYSERR_ALLOCATED, MMSYSERR_INVALHANDLE,
                     MMSYSERR_NODRIVER, MMSYSERR_NOMEM, MMSYSERR_INVALPARAM, WAVERR_BADFORMAT, WAVERR_TIMEOUT}) {
        EXPECT_TRUE(WaveDevErrorText(code, text)) << code;
        EXPECT_FALSE(text.isEmpty());
    }
    EXPECT_FALSE(WaveDevErrorText(12345, text));
}

TEST(WaveDev, CaptureHandsBuffersBackInOrderOnItsOwnThread)
{
    ASSERT_EQ(WaveDevCount(TWaveDirection::Capture), 1) << ServerHint();
    TWaveDevCaps caps;
    ASSERT_EQ(WaveDevGetCaps(TWaveDirection::Capture, WAVE_MAPPER, caps), MMSYSERR_NOERROR);
    EXPECT_FALSE(caps.ProductName.isEmpty());
    EXPECT_NE(caps.Formats & WAVE_FORMAT_2S08, 0u); // 22050 Hz stereo 8 bits
    EXPECT_EQ(WaveDevGetCaps(TWaveDirection::Capture, 3, caps), MMSYSERR_BADDEVICEID);

    TLog log;
    std::unique_ptr<TWaveDevice> dev;
    ASSERT_EQ(TWaveDevice::Open(dev, TWaveDirection::Capture, WAVE_MAPPER, Recording, log.Callback()), 0);
    ASSERT_TRUE(log.WaitCount(TWaveDevMessage::Open, 1));
    std::vector<std::vector<char>> bufs(5, std::vector<char>(4410)); // 50 ms each
    for (auto &b : bufs)
        ASSERT_EQ(dev->AddBuffer(&b, b.data(), uint32_t(b.size())), 0);
    EXPECT_EQ(dev->QueuedBuffers(), 5);
    ASSERT_EQ(dev->Start(), 0);
    ASSERT_TRUE(log.WaitCount(TWaveDevMessage::Data, 3));
    ASSERT_EQ(dev->Reset(), 0);
    // Everything is back once Reset returns: the filled ones whole, the rest
    // with what they hold, all in the order they were queued.
    const auto data = log.Of(TWaveDevMessage::Data);
    ASSERT_EQ(data.size(), 5u);
    for (size_t i = 0; i < data.size(); ++i) {
        EXPECT_EQ(data[i].Buffer, &bufs[i]);
        EXPECT_NE(data[i].Thread, std::this_thread::get_id());
        EXPECT_EQ(data[i].Bytes % 2, 0u); // whole frames
    }
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(data[i].Bytes, 4410u);
    EXPECT_EQ(dev->QueuedBuffers(), 0);
    EXPECT_GE(dev->PositionSamples(), 3 * 2205);
    EXPECT_EQ(dev->Close(), 0);
    EXPECT_EQ(log.Count(TWaveDevMessage::Close), 1);
    EXPECT_EQ(dev->AddBuffer(&bufs[0], bufs[0].data(), 10), MMSYSERR_INVALHANDLE);
}

TEST(WaveDev, PlaybackReportsEachBufferOnceItHasBeenPlayed)
{
    ASSERT_EQ(WaveDevCount(TWaveDirection::Playback), 1) << ServerHint();
    TLog log;
    std::unique_ptr<TWaveDevice> dev;
    ASSERT_EQ(TWaveDevice::Open(dev, TWaveDirection::Playback, 0, Recording, log.Callback()), 0);
    // Held: buffers written now wait.
    ASSERT_EQ(dev->Pause(), 0);
    std::vector<std::vector<char>> bufs(4, std::vector<char>(4410, char(128)));
    bufs[3].resize(1000);
    for (auto &b : bufs)
        ASSERT_EQ(dev->AddBuffer(&b, b.data(), uint32_t(b.size())), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(log.Count(TWaveDevMessage::Done), 0);
    EXPECT_EQ(dev->FirstTransferTime().time_since_epoch().count(), 0);
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_EQ(dev->Restart(), 0);
    ASSERT_TRUE(log.WaitCount(TWaveDevMessage::Done, 4));
    // Done means heard, not handed over: 3 x 50 ms and 1000 bytes more cannot
    // have been played in less than 150 ms (a lower bound; a slow machine only
    // makes it longer).
    EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(150));
    const auto done = log.Of(TWaveDevMessage::Done);
    for (size_t i = 0; i < done.size(); ++i) {
        EXPECT_EQ(done[i].Buffer, &bufs[i]);
        EXPECT_EQ(done[i].Bytes, uint32_t(bufs[i].size()));
    }
    EXPECT_EQ(dev->PositionSamples(), (3 * 4410 + 1000) / 2);
    EXPECT_EQ(dev->Close(), 0);
    EXPECT_EQ(log.Count(TWaveDevMessage::Close), 1);
}

TEST(WaveDev, PlaybackHeldMidwayHoldsItsPosition)
{
    ASSERT_EQ(WaveDevCount(TWaveDirection::Playback), 1) << ServerHint();
    TLog log;
    std::unique_ptr<TWaveDevice> dev;
    ASSERT_EQ(TWaveDevice::Open(dev, TWaveDirection::Playback, 0, Recording, log.Callback()), 0);
    std::vector<std::vector<char>> bufs(20, std::vector<char>(4410, char(128))); // one second
    for (auto &b : bufs)
        ASSERT_EQ(dev->AddBuffer(&b, b.data(), uint32_t(b.size())), 0);
    ASSERT_TRUE(log.WaitCount(TWaveDevMessage::Done, 2));
    const int xruns = dev->XRuns();
    ASSERT_EQ(dev->Pause(), 0);
    const int64_t atHold = dev->PositionSamples();
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    // Held (every server the tests use pauses a stream), nothing more is
    // heard, and the 600 ms of waiting count for nothing; not even the
    // 100 ms ALSA already had (2205 frames), which a device that cannot pause
    // would play out. Only when a loaded machine let ALSA run dry just
    // before the hold does that much count as heard.
    EXPECT_LE(dev->PositionSamples() - atHold, dev->XRuns() == xruns ? 441 : 2205 + 441);
    ASSERT_EQ(dev->Restart(), 0);
    ASSERT_TRUE(log.WaitCount(TWaveDevMessage::Done, 20));
    EXPECT_EQ(dev->PositionSamples(), 20 * 2205);
    EXPECT_EQ(dev->Close(), 0);
}

TEST(WaveDev, ResetHandsBackWhatIsStillQueuedBeforeItReturns)
{
    ASSERT_EQ(WaveDevCount(TWaveDirection::Playback), 1) << ServerHint();
    TLog log;
    std::unique_ptr<TWaveDevice> dev;
    ASSERT_EQ(TWaveDevice::Open(dev, TWaveDirection::Playback, 0, Recording, log.Callback()), 0);
    std::vector<std::vector<char>> bufs(10, std::vector<char>(44100, char(128))); // ten seconds
    for (auto &b : bufs)
        ASSERT_EQ(dev->AddBuffer(&b, b.data(), uint32_t(b.size())), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_EQ(dev->Reset(), 0);
    EXPECT_EQ(log.Count(TWaveDevMessage::Done), 10);
    for (const auto &d : log.Of(TWaveDevMessage::Done))
        EXPECT_EQ(d.Bytes, 44100u); // each with the length it was queued with
    EXPECT_EQ(dev->QueuedBuffers(), 0);
    dev.reset(); // closes
    EXPECT_EQ(log.Count(TWaveDevMessage::Close), 1);
}

TEST(WaveDev, AMachineWithoutDevicesCountsNone)
{
    SetWaveDevName(QStringLiteral("lumword_no_such_device"));
    const int in = WaveDevCount(TWaveDirection::Capture);
    const int out = WaveDevCount(TWaveDirection::Playback);
    std::unique_ptr<TWaveDevice> dev;
    const int rc = TWaveDevice::Open(dev, TWaveDirection::Playback, 0, Recording, nullptr);
    SetWaveDevName(QStringLiteral("default"));
    EXPECT_EQ(in, 0);
    EXPECT_EQ(out, 0);
    EXPECT_NE(rc, 0);
    EXPECT_EQ(dev, nullptr);
}

TEST(WaveDev, CaptureGoesOnAfterAStallWithNothingQueued)
{
    ASSERT_EQ(WaveDevCount(TWaveDirection::Capture), 1) << ServerHint();
    TLog log;
    std::unique_ptr<TWaveDevice> dev;
    ASSERT_EQ(TWaveDevice::Open(dev, TWaveDirection::Capture, 0, Recording, log.Callback()), 0);
    // Recording with nothing to record into: ALSA's 100 ms buffer overflows
    // (a real card reports an overrun here; the PulseAudio plugin drops
    // quietly), and recording must go on once buffers come.
    ASSERT_EQ(dev->Start(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    std::vector<std::vector<char>> bufs(2, std::vector<char>(4410));
    for (auto &b : bufs)
        ASSERT_EQ(dev->AddBuffer(&b, b.data(), uint32_t(b.size())), 0);
    ASSERT_TRUE(log.WaitCount(TWaveDevMessage::Data, 2));
    for (const auto &d : log.Of(TWaveDevMessage::Data))
        EXPECT_EQ(d.Bytes, 4410u);
    dev->Close();
}

namespace {
// Breaks one ALSA call of the device threads while it lives, and counts every
// call that asks the seam.
struct TBrokenAlsa {
    std::atomic<bool> Broken{false};
    std::atomic<int> Calls{0};
    TBrokenAlsa(TWaveDirection Direction, TAlsaCall Call, int Error = -EIO)
    {
        SetWaveDevFaultHook([this, Direction, Call, Error](TWaveDirection d, TAlsaCall c) {
            ++Calls;
            return Broken && d == Direction && c == Call ? Error : 0;
        });
    }
    ~TBrokenAlsa() { SetWaveDevFaultHook(nullptr); }
};
} // namespace

TEST(WaveDev, ABrokenStreamIsReportedOnceAndLeftAloneUntilClosed)
{
    ASSERT_EQ(WaveDevCount(TWaveDirection::Capture), 1) << ServerHint();
    TBrokenAlsa alsa(TWaveDirection::Capture, TAlsaCall::Read);
    TLog log;
    std::unique_ptr<TWaveDevice> dev;
    ASSERT_EQ(TWaveDevice::Open(dev, TWaveDirection::Capture, 0, Recording, log.Callback()), 0);
    std::vector<std::vector<char>> bufs(4, std::vector<char>(4410));
    for (auto &b : bufs)
        ASSERT_EQ(dev->AddBuffer(&b, b.data(), uint32_t(b.size())), 0);
    ASSERT_EQ(dev->Start(), 0);
    ASSERT_TRUE(log.WaitCount(TWaveDevMessage::Data, 1));
    alsa.Broken = true; // the sound server goes away
    ASSERT_TRUE(log.WaitCount(TWaveDevMessage::Error, 1));
    const auto errors = log.Of(TWaveDevMessage::Error);
    EXPECT_EQ(errors[0].Bytes, uint32_t(WAVERR_DEVICELOST));
    EXPECT_NE(errors[0].Thread, std::this_thread::get_id());
    QString text;
    EXPECT_TRUE(WaveDevErrorText(WAVERR_DEVICELOST, text));

    // A broken device neither calls ALSA nor wakes for it: over 300 ms (three
    // of its poll limits) not one call, while commands are still answered.
    const int calls = alsa.Calls;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(dev->Start(), WAVERR_DEVICELOST);
    EXPECT_EQ(alsa.Calls, calls);
    // The buffers it held come back with the reset, each once.
    const int before = log.Count(TWaveDevMessage::Data);
    ASSERT_EQ(dev->Reset(), 0);
    EXPECT_EQ(log.Count(TWaveDevMessage::Data), 4);
    EXPECT_LT(before, 4);
    EXPECT_EQ(log.Of(TWaveDevMessage::Data).back().Bytes, 0u); // never filled: nothing recorded
    EXPECT_EQ(dev->QueuedBuffers(), 0);
    EXPECT_EQ(dev->Close(), 0);
    EXPECT_EQ(log.Count(TWaveDevMessage::Error), 1);
    EXPECT_EQ(log.Count(TWaveDevMessage::Close), 1);
}

TEST(WaveDev, AnOverrunIsRecoveredAndRecordingGoesOn)
{
    ASSERT_EQ(WaveDevCount(TWaveDirection::Capture), 1) << ServerHint();
    // The first read reports an overrun; only that one.
    std::atomic<int> reads{0};
    SetWaveDevFaultHook([&](TWaveDirection, TAlsaCall c) { return c == TAlsaCall::Read && ++reads == 1 ? -EPIPE : 0; });
    TLog log;
    std::unique_ptr<TWaveDevice> dev;
    ASSERT_EQ(TWaveDevice::Open(dev, TWaveDirection::Capture, 0, Recording, log.Callback()), 0);
    std::vector<std::vector<char>> bufs(2, std::vector<char>(4410));
    for (auto &b : bufs)
        ASSERT_EQ(dev->AddBuffer(&b, b.data(), uint32_t(b.size())), 0);
    ASSERT_EQ(dev->Start(), 0);
    const bool filled = log.WaitCount(TWaveDevMessage::Data, 2);
    SetWaveDevFaultHook(nullptr);
    EXPECT_TRUE(filled);
    EXPECT_EQ(dev->XRuns(), 1);
    EXPECT_EQ(log.Count(TWaveDevMessage::Error), 0);
    dev->Close();
}

TEST(WaveDev, AStartThatFailsSaysSoAndBreaksTheDevice)
{
    ASSERT_EQ(WaveDevCount(TWaveDirection::Capture), 1) << ServerHint();
    TBrokenAlsa alsa(TWaveDirection::Capture, TAlsaCall::Start, -EBADFD);
    alsa.Broken = true;
    TLog log;
    std::unique_ptr<TWaveDevice> dev;
    ASSERT_EQ(TWaveDevice::Open(dev, TWaveDirection::Capture, 0, Recording, log.Callback()), 0);
    EXPECT_EQ(dev->Start(), WAVERR_DEVICELOST);
    EXPECT_TRUE(log.WaitCount(TWaveDevMessage::Error, 1));
    EXPECT_EQ(dev->Close(), 0);
    EXPECT_EQ(log.Count(TWaveDevMessage::Error), 1);
}

TEST(WaveDev, ManyShortBuffersAddedFromAnotherThreadWhilePlayingComeBackDoneOnceEachInOrder)
{
    // The device's thread hands buffers to the sound system and reports them
    // done while a feeder on a thread of its own keeps adding: every buffer
    // comes back once, in the order it was added, with its own byte count.
    // The test command runs this under ThreadSanitizer too.
    ASSERT_EQ(WaveDevCount(TWaveDirection::Playback), 1) << ServerHint();
    TLog log;
    std::unique_ptr<TWaveDevice> dev;
    ASSERT_EQ(TWaveDevice::Open(dev, TWaveDirection::Playback, 0, Recording, log.Callback()), 0);
    constexpr int Count = 400;
    std::vector<std::vector<char>> bufs(Count);
    for (int i = 0; i < Count; ++i)
        bufs[size_t(i)].assign(size_t(2 * (20 + i % 23)), char(128));   // 20 to 42 frames each
    std::atomic<int> refused{0};
    std::thread feeder([&] {
        for (int i = 0; i < Count; ++i) {
            if (dev->AddBuffer(&bufs[size_t(i)], bufs[size_t(i)].data(), uint32_t(bufs[size_t(i)].size())) != 0)
                ++refused;
            if (i % 16 == 15)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    feeder.join();
    EXPECT_EQ(refused, 0);
    ASSERT_TRUE(log.WaitCount(TWaveDevMessage::Done, Count, 20000)) << log.Count(TWaveDevMessage::Done);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const auto done = log.Of(TWaveDevMessage::Done);
    ASSERT_EQ(done.size(), size_t(Count)) << "each buffer done once";
    for (int i = 0; i < Count; ++i) {
        EXPECT_EQ(done[size_t(i)].Buffer, &bufs[size_t(i)]) << "buffer " << i;
        EXPECT_EQ(done[size_t(i)].Bytes, uint32_t(bufs[size_t(i)].size())) << "buffer " << i;
        if (HasFailure())
            break;
    }
    EXPECT_EQ(dev->Close(), 0);
}
