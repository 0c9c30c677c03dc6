// The capture and playback devices on the test sound server (PulseAudio with
// a null sink whose monitor is the default source): both chains of the
// recording page end to end, the stop rules, the property rules and the
// failure messages. Without a server the tests fail and say how to start one.
#include "audio/MMRingBuffer.h"
#include "audio/MMWave.h"
#include "audio/MMWaveIO.h"
#include "platform/playsound.h"
#include "platform/wavedev.h"

#include "support/MessageLog.h"
#include "support/PageChains.h"
#include "support/SinkMonitor.h"
#include "support/TestSupport.h"
#include "support/WaveFiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <vector>
#include <thread>

namespace {

const char *ServerHint()
{
    return "no wave device on ALSA \"default\"; the device tests need the test sound server: "
           "run tools/soundserver.sh start first";
}

// Runs the event loop until Done() or the limit; true when Done().
template <class F> bool PumpUntil(F Done, int LimitMs = 10000)
{
    QElapsedTimer t;
    t.start();
    while (!Done() && t.elapsed() < LimitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return Done();
}

void PumpFor(int Ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < Ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

QByteArray WaveData(const QString &Path)
{
    TMMWave w;
    w.SetFileName(Path);
    if (w.DataBytes() == 0)
        return {};
    w.OpenFile();
    QByteArray out(int(w.DataBytes()), 0);
    out.resize(int(std::max<int64_t>(w.ReadData(out.data(), out.size()), 0)));
    return out;
}

// Power of one frequency in the left channel of 8-bit stereo data, relative
// to the signal's whole power (Goertzel filter).
double ToneShare(const QByteArray &Data, double Hz, int Rate)
{
    const int n = int(Data.size() / 2);
    const double k = 2 * std::cos(2 * M_PI * Hz / Rate);
    double s1 = 0, s2 = 0, energy = 0;
    for (int i = 0; i < n; ++i) {
        const double x = double(uint8_t(Data[2 * i])) - 128.0;
        energy += x * x;
        const double s = x + k * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    if (energy <= 0)
        return 0;
    const double power = s1 * s1 + s2 * s2 - k * s1 * s2;
    // A pure tone of n samples gives power = energy * n / 2.
    return power / (energy * n / 2);
}

// Counts OnStop and remembers on which thread it ran.
struct TStopWatch {
    std::atomic<int> Stops{0};
    std::atomic<bool> OffMainThread{false};
    void Attach(TMMCustomSoundComponent &Device)
    {
        Device.OnStop = [this](TMMComponent *) {
            ++Stops;
            if (QThread::currentThread() != QCoreApplication::instance()->thread())
                OffMainThread = true;
        };
    }
};

class WaveDevice : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        ASSERT_GT(WaveDevCount(TWaveDirection::Capture), 0) << ServerHint();
        ASSERT_GT(WaveDevCount(TWaveDirection::Playback), 0) << ServerHint();
    }
    QString File(const char *Name) const { return FDir.filePath(QString::fromLatin1(Name)); }
    QTemporaryDir FDir;
};

} // namespace

TEST_F(WaveDevice, RecordsTheToneThatIsPlaying)
{
    // A three-second tone goes to the null sink; its monitor is what we record.
    const QString tone = File("tone.wav");
    WriteWave(tone, Tone(440, 22050, 3 * 22050));
    const QString path = File("word0000.wav");
    TRecorder rec(path);
    rec.WaveIn.SetMaxRecordTime(2000);
    TStopWatch watch;
    watch.Attach(rec.WaveIn);
    rec.WaveIn.OnStop = [&, inner = rec.WaveIn.OnStop](TMMComponent *s) {
        inner(s);
        rec.WaveIn.Close(); // as the recording page does
    };
    ASSERT_TRUE(PlaySound(tone));
    ASSERT_TRUE(PumpUntil([] { return PlaySoundStatus().Playing; }, 5000)) << ServerHint();
    PumpFor(200); // past the start of the tone
    rec.WaveIn.Start();
    EXPECT_EQ(rec.WaveIn.DeviceState(), unsigned(dsOpen | dsRunning));
    ASSERT_TRUE(PumpUntil([&] { return watch.Stops > 0; }));
    ASSERT_TRUE(PumpUntil([&] { return rec.WaveIn.DeviceState() == dsClosed; }));
    StopSound();
    WaitPlaySoundIdle(5000);

    const QByteArray data = WaveData(path);
    EXPECT_EQ(data.size(), 2 * 44100); // two seconds, cut exactly
    const double at440 = ToneShare(data, 440, 22050);
    const double at1000 = ToneShare(data, 1000, 22050);
    EXPECT_GT(at440, 0.5) << "the recording does not hold the tone";
    EXPECT_LT(at1000, 0.05);
    EXPECT_EQ(watch.Stops, 1);
    EXPECT_FALSE(watch.OffMainThread);
}

TEST_F(WaveDevice, MaxRecordTimePassesExactlyThatMuchAndStopsByItself)
{
    for (TMMCBMode mode : {cmThread, cmWindow}) {
        SCOPED_TRACE(mode == cmWindow ? "cmWindow" : "cmThread");
        const QString path = File(mode == cmWindow ? "limit-window.wav" : "limit-thread.wav");
        TRecorder rec(path);
        rec.WaveIn.SetCallBackMode(mode);
        rec.WaveIn.SetMaxRecordTime(1000); // milliseconds at 44100 bytes per second
        std::atomic<int64_t> passed{0};
        rec.WaveIn.OnBufferReady = [&](TMMComponent *, PWaveHdr h) { passed += h->dwBytesRecorded; };
        TStopWatch watch;
        watch.Attach(rec.WaveIn);
        rec.WaveIn.Start();
        ASSERT_TRUE(PumpUntil([&] { return watch.Stops > 0; }));
        PumpFor(300); // a second OnStop would come now
        EXPECT_EQ(watch.Stops, 1);
        EXPECT_FALSE(watch.OffMainThread);
        EXPECT_EQ(passed, 44100);
        EXPECT_EQ(rec.WaveIn.RecordedBytes(), 44100);
        EXPECT_EQ(rec.WaveIn.DeviceState(), unsigned(dsOpen));
        EXPECT_LE(rec.WaveIn.Position(), 1000);
        // Stop on a stopped device does nothing.
        rec.WaveIn.Stop();
        PumpFor(50);
        EXPECT_EQ(watch.Stops, 1);
        rec.WaveIn.Close();
        EXPECT_EQ(rec.WaveIn.DeviceState(), unsigned(dsClosed));
        EXPECT_EQ(WaveData(path).size(), 44100);
    }
}

TEST_F(WaveDevice, RecordingStopAskedInsideOnBufferReadyCompletesOnTheUserInterfaceThread)
{
    TRecorder rec(File("inside.wav"));
    std::atomic<int> calls{0};
    std::atomic<bool> handlerDone{false}, stopBeforeHandlerEnded{false};
    TStopWatch watch;
    watch.Attach(rec.WaveIn);
    rec.WaveIn.OnBufferReady = [&](TMMComponent *, PWaveHdr) {
        if (++calls == 2) {
            rec.WaveIn.Stop();
            stopBeforeHandlerEnded = watch.Stops > 0;
            handlerDone = true;
        }
    };
    rec.WaveIn.Start();
    ASSERT_TRUE(PumpUntil([&] { return watch.Stops > 0; }));
    PumpFor(300);
    EXPECT_TRUE(handlerDone);
    EXPECT_FALSE(stopBeforeHandlerEnded);
    EXPECT_EQ(watch.Stops, 1);
    EXPECT_FALSE(watch.OffMainThread);
    EXPECT_EQ(calls, 2); // nothing is passed on after the stop was asked
    rec.WaveIn.Close();
}

TEST_F(WaveDevice, PlaysAFileToItsEndAndStopsOnceOnTheUserInterfaceThread)
{
    const QString path = File("second.wav");
    const QByteArray data = Tone(440, 22050, 22050); // one second: 44100 bytes
    WriteWave(path, data);
    for (TMMCBMode mode : {cmWindow, cmThread}) {
        SCOPED_TRACE(mode == cmWindow ? "cmWindow" : "cmThread");
        TPlayer p(mode);
        p.Load(path);
        TStopWatch watch;
        watch.Attach(p.WaveOut);
        int closes = 0;
        p.WaveOut.OnClose = [&](TMMComponent *) { ++closes; };
        std::atomic<int64_t> played{0};
        p.WaveOut.OnBufferReady = [&](TMMComponent *, PWaveHdr h) { played += h->dwBufferLength; };
        auto inner = p.WaveOut.OnStop;
        p.WaveOut.OnStop = [&](TMMComponent *s) {
            inner(s);
            p.WaveOut.Close();
        };
        p.WaveOut.Open();
        p.WaveOut.Start();
        // 44100 bytes in 4096-byte buffers: 10 full and one of 3140.
        EXPECT_EQ(p.WaveOut.UsedCount(), 11);
        ASSERT_TRUE(PumpUntil([&] { return watch.Stops > 0; }));
        PumpFor(300);
        EXPECT_EQ(watch.Stops, 1);
        EXPECT_FALSE(watch.OffMainThread);
        EXPECT_EQ(played, 44100);
        EXPECT_EQ(closes, 1);
        EXPECT_EQ(p.WaveOut.DeviceState(), unsigned(dsClosed));
        EXPECT_FALSE(p.PlayRingBuffer.IsActive());
        EXPECT_FALSE(p.PlayFile.IsFileOpen());
        // Stop on a stopped (here: closed) device does nothing.
        p.WaveOut.Stop();
        PumpFor(50);
        EXPECT_EQ(watch.Stops, 1);
    }
}

// The page's Play through whatever route ALSA "default" takes to the server,
// heard at the sink: the second of tone, then silence without a full-scale
// sample, and the device stops by itself.
TEST_F(WaveDevice, AOneSecondRecordingIsHeardForOneSecondAndNothingLoudAfterIt)
{
    TSinkMonitor monitor;
    QString error;
    ASSERT_TRUE(monitor.Start(error)) << ServerHint() << ": " << error.toStdString();
    const QString path = File("word.wav");
    WriteWave(path, Tone(440, 22050, 22050));
    TPlayer p;
    p.Load(path);
    TStopWatch watch;
    watch.Attach(p.WaveOut);
    p.WaveOut.Start();
    ASSERT_TRUE(PumpUntil([&] { return watch.Stops > 0; }));
    p.WaveOut.Close();
    const std::vector<int16_t> heard = monitor.StopAfter(1.0);
    EXPECT_NEAR(LoudSeconds(heard, 2000), 1.0, 0.05);
    EXPECT_GT(Peak(heard), 20000);
    EXPECT_LT(Peak(heard), 30000);
}

TEST_F(WaveDevice, AFileShorterThanOneBufferPlaysOnceAndStops)
{
    const QString path = File("short.wav");
    WriteWave(path, Tone(440, 22050, 500)); // 1000 bytes
    TPlayer p;
    p.Load(path);
    TStopWatch watch;
    watch.Attach(p.WaveOut);
    int buffers = 0;
    p.WaveOut.OnBufferReady = [&](TMMComponent *, PWaveHdr h) {
        ++buffers;
        EXPECT_EQ(h->dwBufferLength, 1000u);
    };
    p.WaveOut.Start(); // opens first
    EXPECT_EQ(p.WaveOut.UsedCount(), 1);
    ASSERT_TRUE(PumpUntil([&] { return watch.Stops > 0; }));
    PumpFor(300);
    EXPECT_EQ(buffers, 1);
    EXPECT_EQ(watch.Stops, 1);
    EXPECT_EQ(p.WaveOut.DeviceState(), unsigned(dsOpen));
    p.WaveOut.Close();
}

TEST_F(WaveDevice, PlaybackStopAskedInsideOnBufferReadyCompletesAfterTheHandler)
{
    const QString path = File("long.wav");
    WriteWave(path, Tone(440, 22050, 5 * 22050));
    TPlayer p;
    p.Load(path);
    TStopWatch watch;
    watch.Attach(p.WaveOut);
    int calls = 0;
    bool stoppedInside = true;
    unsigned stateInside = 0;
    p.WaveOut.OnBufferReady = [&](TMMComponent *, PWaveHdr) {
        if (++calls == 1) {
            p.WaveOut.Stop();
            stoppedInside = watch.Stops > 0;
            stateInside = p.WaveOut.DeviceState();
        }
    };
    p.WaveOut.Start();
    ASSERT_TRUE(PumpUntil([&] { return watch.Stops > 0; }));
    PumpFor(300);
    EXPECT_FALSE(stoppedInside);
    EXPECT_EQ(stateInside, unsigned(dsOpen | dsRunning));
    EXPECT_EQ(watch.Stops, 1);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(p.WaveOut.DeviceState(), unsigned(dsOpen));
    p.WaveOut.Close();
}

TEST_F(WaveDevice, AFileWithoutDataFailsToStartAndLeavesTheDeviceClosed)
{
    const QString path = File("empty.wav");
    WriteWave(path, QByteArray());
    TPlayer p;
    p.Load(path);
    int errors = 0;
    p.WaveOut.OnError = [&](TMMComponent *) { ++errors; };
    try {
        p.WaveOut.Start();
        ADD_FAILURE() << "Start did not fail";
    } catch (const EMMWaveOutError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("WaveOutStart:\n\rUnable to start device"));
    }
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(p.WaveOut.DeviceState(), unsigned(dsClosed));
    EXPECT_FALSE(p.WaveOut.IsOpen());
    EXPECT_FALSE(p.PlayRingBuffer.IsActive());
}

TEST_F(WaveDevice, PropertiesKeepToTheirRanges)
{
    TMMWaveIn in;
    EXPECT_EQ(in.SampleRate(), 11025);
    EXPECT_EQ(in.NumBuffers(), 10);
    EXPECT_EQ(in.BufferSize(), 2048);
    in.SetSampleRate(5000);
    EXPECT_EQ(in.SampleRate(), 8000);
    in.SetSampleRate(200000);
    EXPECT_EQ(in.SampleRate(), 100000);
    in.SetNumBuffers(1);
    EXPECT_EQ(in.NumBuffers(), 10);
    in.SetNumBuffers(1000);
    EXPECT_EQ(in.NumBuffers(), 500);
    in.SetBufferSize(10);
    EXPECT_EQ(in.BufferSize(), 32);
    in.SetMode(TMMMode(5));
    EXPECT_EQ(in.Mode(), mMono);
    // The format follows the properties: 16-bit stereo at 8000 Hz.
    in.SetSampleRate(8000);
    in.SetMode(mStereo);
    in.SetBitLength(b16Bit);
    ASSERT_NE(in.WaveFormat(), nullptr);
    EXPECT_EQ(in.WaveFormat()->nAvgBytesPerSec, 32000u);
    EXPECT_EQ(in.WaveFormat()->nBlockAlign, 4);
    // MaxRecordTime is re-expressed when the unit changes.
    in.SetTimeFormat(tfMillisecond);
    in.SetMaxRecordTime(500);
    in.SetTimeFormat(tfByte);
    EXPECT_EQ(in.MaxRecordTime(), 16000);
    in.SetTimeFormat(tfSample);
    EXPECT_EQ(in.MaxRecordTime(), 4000);

    TMMWaveOut out;
    out.SetNumBuffers(1);
    EXPECT_EQ(out.NumBuffers(), 10);
    out.SetNumBuffers(1000);
    EXPECT_EQ(out.NumBuffers(), 500);
    out.SetBufferSize(10);
    EXPECT_EQ(out.BufferSize(), 32);
}

TEST_F(WaveDevice, ADeviceNumberOutOfRangeIsStoredAsBadAndRefusedAtOpen)
{
    TMMWaveIn in;
    EXPECT_NE(in.ProductName(), QStringLiteral("No wave audio recording device found"));
    in.SetDeviceID(7);
    EXPECT_EQ(in.DeviceID(), -2);
    EXPECT_EQ(in.ProductName(), QStringLiteral("No wave audio recording device found"));
    int errors = 0;
    in.OnError = [&](TMMComponent *) { ++errors; };
    try {
        in.Open();
        ADD_FAILURE() << "Open did not fail";
    } catch (const EMMWaveInError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid DeviceID"));
    }
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(in.DeviceState(), unsigned(dsClosed));

    TMMWaveOut out;
    out.SetDeviceID(-5);
    EXPECT_EQ(out.DeviceID(), -2);
    EXPECT_THROW(out.Open(), EMMWaveOutError);
}

TEST_F(WaveDevice, PropertiesAreLockedWhileTheDeviceIsOpen)
{
    TRecorder rec(File("locked.wav"));
    rec.WaveIn.Open();
    auto expectLocked = [&](const std::function<void()> &Change) {
        try {
            Change();
            ADD_FAILURE() << "the change was taken";
        } catch (const EMMWaveInError &e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Change to property while device was open"));
        }
    };
    expectLocked([&] { rec.WaveIn.SetSampleRate(44100); });
    expectLocked([&] { rec.WaveIn.SetNumBuffers(20); });
    expectLocked([&] { rec.WaveIn.SetBufferSize(8192); });
    expectLocked([&] { rec.WaveIn.SetDeviceID(MapperId); }); // even to the value it has
    expectLocked([&] { rec.WaveIn.SetCallBackMode(cmThread); });
    rec.WaveIn.SetSampleRate(22050); // the same value is no change
    EXPECT_EQ(rec.WaveIn.SampleRate(), 22050);
    rec.WaveIn.Close();
    rec.WaveIn.SetSampleRate(44100);
    EXPECT_EQ(rec.WaveIn.SampleRate(), 44100);
}

TEST_F(WaveDevice, CallbackModeIsRefusedWithAMessage)
{
    MessageLog log;
    TMMWaveIn in;
    in.SetCallBackMode(cmThread);
    in.SetCallBackMode(cmCallback);
    EXPECT_EQ(in.CallBackMode(), cmThread);
    TMMWaveOut out;
    out.SetCallBackMode(cmCallback);
    EXPECT_EQ(out.CallBackMode(), cmWindow);
    ASSERT_EQ(log.Texts.size(), 2);
    EXPECT_EQ(log.Captions, (QStringList{"TMMWaveIn", "TMMWaveOut"}));
    EXPECT_EQ(log.Texts[0], QStringLiteral("\"CallBacks\" are called at interrupt time !\n\r"
                                           "This is currently only supported under Windows 95"));
}

TEST(WaveDeviceWithoutSoundCard, OpeningShowsAMessageAndTheProgramGoesOn)
{
    // A device name that does not exist: what a machine without any sound
    // device looks like.
    SetWaveDevName(QStringLiteral("lumword_no_such_device"));
    EXPECT_EQ(WaveDevCount(TWaveDirection::Capture), 0);
    EXPECT_EQ(WaveDevCount(TWaveDirection::Playback), 0);
    auto in = std::make_unique<TMMWaveIn>();
    auto out = std::make_unique<TMMWaveOut>();
    SetWaveDevName(QStringLiteral("default"));
    EXPECT_EQ(in->ProductName(), QStringLiteral("No wave audio recording device found"));
    EXPECT_EQ(out->ProductName(), QStringLiteral("No wave audio playing device found"));

    MessageLog log;
    bool after = false;
    // Opened from inside the event loop, as a button click would.
    QTimer::singleShot(0, [&] { in->Open(); });
    QTimer::singleShot(0, [&] { out->Start(); });
    QTimer::singleShot(0, [&] { after = true; });
    PumpUntil([&] { return after && log.Texts.size() >= 2; }, 5000);
    EXPECT_TRUE(after);
    EXPECT_EQ(log.Texts, (QStringList{"No wave audio recording device found", "No wave audio playing device found"}));
    EXPECT_EQ(in->DeviceState(), unsigned(dsClosed));
    EXPECT_EQ(out->DeviceState(), unsigned(dsClosed));
}

TEST_F(WaveDevice, AnErrorOnTheRecordingWorkerIsShownAndClosesTheDevice)
{
    // The worker hands the close over to the user-interface thread instead of
    // closing the chain itself, and the error reaches the message box there.
    MessageLog log;
    TRecorder rec(File("failing.wav"));
    std::atomic<int> calls{0};
    rec.WaveIn.OnBufferReady = [&](TMMComponent *, PWaveHdr) {
        if (++calls == 1)
            throw EMMWaveInError(QStringLiteral("the chain broke"));
    };
    int closes = 0;
    rec.WaveIn.OnClose = [&](TMMComponent *) { ++closes; };
    rec.WaveIn.Start();
    ASSERT_TRUE(PumpUntil([&] { return rec.WaveIn.DeviceState() == dsClosed && !log.Texts.isEmpty(); }));
    EXPECT_EQ(log.Texts, QStringList{"the chain broke"});
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(rec.MMRingBuffer1.IsActive());
    EXPECT_FALSE(rec.RecFile.IsFileOpen());
}

TEST_F(WaveDevice, AFileOfExactlyAllBuffersPrimesEveryOneAndRefillsNone)
{
    const QString path = File("exact.wav");
    WriteWave(path, Tone(440, 22050, 4 * 4096 / 2)); // 4 buffers of 4096 bytes
    TPlayer p;
    p.WaveOut.SetNumBuffers(4);
    p.Load(path);
    TStopWatch watch;
    watch.Attach(p.WaveOut);
    int filled = 0;
    p.WaveOut.OnBufferFilled = [&](TMMComponent *, PWaveHdr h) {
        ++filled;
        EXPECT_EQ(h->dwBufferLength, 4096u);
    };
    int64_t positionAtStop = -1;
    p.WaveOut.OnStop = [&, inner = p.WaveOut.OnStop](TMMComponent *s) {
        inner(s);
        positionAtStop = p.WaveOut.Position();
    };
    p.WaveOut.Start();
    EXPECT_EQ(p.WaveOut.UsedCount(), 4);
    ASSERT_TRUE(PumpUntil([&] { return watch.Stops > 0; }));
    PumpFor(200);
    EXPECT_EQ(filled, 4);
    EXPECT_EQ(watch.Stops, 1);
    // 16384 bytes at 44100 bytes per second, in milliseconds.
    EXPECT_EQ(positionAtStop, 372);
    p.WaveOut.Close();
}

TEST_F(WaveDevice, LoopingTwicePlaysTheDataThreeTimes)
{
    const QString path = File("loop.wav");
    WriteWave(path, Tone(440, 22050, 5000)); // 10000 bytes
    TPlayer p;
    p.Load(path);
    p.WaveOut.SetLooping(true);
    p.WaveOut.SetLoopCount(2);
    TStopWatch watch;
    watch.Attach(p.WaveOut);
    int loops = 0;
    std::vector<int64_t> positionsAtLoop;
    p.WaveOut.OnLooping = [&](TMMComponent *) {
        ++loops;
        positionsAtLoop.push_back(p.WaveOut.Position());
    };
    int64_t played = 0;
    p.WaveOut.OnBufferReady = [&](TMMComponent *, PWaveHdr h) { played += h->dwBufferLength; };
    p.WaveOut.Start();
    ASSERT_TRUE(PumpUntil([&] { return watch.Stops > 0; }));
    PumpFor(200);
    EXPECT_EQ(played, 30000);
    EXPECT_EQ(loops, 2);
    // Position restarts at each repetition: just after a loop it is near 0.
    for (int64_t pos : positionsAtLoop)
        EXPECT_LT(pos, 150);
    EXPECT_EQ(watch.Stops, 1);
    p.WaveOut.Close();
}

TEST_F(WaveDevice, CloseWhileABufferIsHandledIsCompletedAfterTheStop)
{
    TRecorder rec(File("closing.wav"));
    std::mutex m;
    std::condition_variable cv;
    bool inside = false, release = false;
    std::atomic<int> calls{0};
    rec.WaveIn.OnBufferReady = [&](TMMComponent *, PWaveHdr) {
        if (++calls != 1)
            return;
        std::unique_lock<std::mutex> g(m);
        inside = true;
        cv.notify_all();
        cv.wait_for(g, std::chrono::seconds(10), [&] { return release; });
    };
    TStopWatch watch;
    watch.Attach(rec.WaveIn);
    int closes = 0;
    rec.WaveIn.OnClose = [&](TMMComponent *) { ++closes; };
    rec.WaveIn.Start();
    {
        std::unique_lock<std::mutex> g(m);
        ASSERT_TRUE(cv.wait_for(g, std::chrono::seconds(10), [&] { return inside; }));
    }
    rec.WaveIn.Close(); // the worker is inside OnBufferReady
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(watch.Stops, 0);
    EXPECT_TRUE(rec.MMRingBuffer1.IsActive());
    {
        std::lock_guard<std::mutex> g(m);
        release = true;
    }
    cv.notify_all();
    ASSERT_TRUE(PumpUntil([&] { return closes > 0; }));
    EXPECT_EQ(watch.Stops, 1);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(watch.OffMainThread);
    EXPECT_EQ(rec.WaveIn.DeviceState(), unsigned(dsClosed));
    EXPECT_FALSE(rec.MMRingBuffer1.IsActive());
    EXPECT_FALSE(rec.RecFile.IsFileOpen());
}

TEST_F(WaveDevice, PauseAndRestartHoldAndResumeTheRecording)
{
    TRecorder rec(File("paused.wav"));
    int pauses = 0, restarts = 0;
    rec.WaveIn.OnPause = [&](TMMComponent *) { ++pauses; };
    rec.WaveIn.OnRestart = [&](TMMComponent *) { ++restarts; };
    rec.WaveIn.Start();
    ASSERT_TRUE(PumpUntil([&] { return rec.WaveIn.RecordedBytes() > 0; }));
    rec.WaveIn.Pause();
    EXPECT_EQ(rec.WaveIn.DeviceState(), unsigned(dsOpen | dsRunning | dsPaused));
    PumpFor(150); // a buffer handed back by the pause may still arrive
    const int64_t held = rec.WaveIn.RecordedBytes();
    PumpFor(400);
    EXPECT_EQ(rec.WaveIn.RecordedBytes(), held);
    rec.WaveIn.Restart();
    EXPECT_EQ(rec.WaveIn.DeviceState(), unsigned(dsOpen | dsRunning));
    ASSERT_TRUE(PumpUntil([&] { return rec.WaveIn.RecordedBytes() > held; }));
    EXPECT_EQ(pauses, 1);
    EXPECT_EQ(restarts, 1);
    rec.WaveIn.Close();
}

TEST_F(WaveDevice, ChangingTheFileWhilePlayingClosesTheDeviceFirst)
{
    const QString first = File("first.wav");
    WriteWave(first, Tone(440, 22050, 3 * 22050));
    const QString other = File("other.wav");
    WriteWave(other, Tone(440, 11025, 11025), 11025);
    TPlayer p;
    p.Load(first);
    int closes = 0;
    p.WaveOut.OnClose = [&](TMMComponent *) { ++closes; };
    p.WaveOut.Start();
    ASSERT_EQ(p.WaveOut.DeviceState(), unsigned(dsOpen | dsRunning));
    p.PlayFile.Wave()->SetFileName(other); // another format reaches the device
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(p.WaveOut.DeviceState(), unsigned(dsClosed));
    ASSERT_NE(p.WaveOut.WaveFormat(), nullptr);
    EXPECT_EQ(p.WaveOut.WaveFormat()->nSamplesPerSec, 11025u);
}
