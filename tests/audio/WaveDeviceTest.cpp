// The capture and playback devices on the test sound server (PulseAudio with
// a null sink whose monitor is the default source): both chains of the
// recording page end to end, the stop rules, the property rules and the
// failure messages. Without a server the tests fail and say how to start one.
#include "audio/MMRingBuffer.h"
#include "audio/MMWave.h"
#include "audio/MMWaveIO.h"
#include "sound/playsound.h"
#include "sound/wavedev.h"

#include "support/MessageLog.h"
#include "support/PageChains.h"
#include "support/SinkMonitor.h"
#include "support/TestSupport.h"
#include "support/WaveFiles.h"
#include "support/Pump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <vector>
#include <stdexcept>
#include <thread>

namespace {

const char *ServerHint()
{
    return "no wave device on ALSA \"default\"; the device tests need the test sound server: "
           "run tools/soundserver.sh start first";
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

TEST_F(WaveDevice, AFormatTheDeviceCannotPlayIsRefusedInPlainWords)
{
    // Three channels: a wave file may say so, the device plays one or two.
    const QString path = File("three.wav");
    {
        TMMWave w;
        const TWaveFormatEx f = MakePCMWaveFormat(16, 3, 22050);
        w.CreateFile(path, &f);
        w.WriteData(QByteArray(6000, '\0').constData(), 6000);
        w.CloseFile();
    }
    TPlayer p;
    p.Load(path);
    try {
        p.WaveOut.Start();
        ADD_FAILURE() << "Start did not fail";
    } catch (const EMMWaveOutError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("WaveOutOpen:\n\rThe actual device can't play this format"));
    }
    EXPECT_FALSE(p.WaveOut.IsOpen());
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

TEST_F(WaveDevice, TheDeviceIsAskedAboutOnFirstUseAndOnlyOnce)
{
    const uint64_t atStart = WaveDevOpenCount();
    TMMWaveOut out;
    out.SetDeviceID(MapperId);
    EXPECT_EQ(WaveDevOpenCount(), atStart) << "asked before anything was wanted of it";
    EXPECT_GT(out.DeviceCount(), 0);
    const uint64_t asked = WaveDevOpenCount();
    EXPECT_GT(asked, atStart);
    EXPECT_EQ(out.DeviceID(), MapperId);
    EXPECT_FALSE(out.ProductName().isEmpty());
    EXPECT_EQ(out.DeviceCount(), 1);
    EXPECT_EQ(WaveDevOpenCount(), asked) << "asked again for what it already knew";
    // A new number is looked up again; the count of devices is kept.
    out.SetDeviceID(0);
    EXPECT_EQ(out.DeviceID(), 0);
    EXPECT_EQ(WaveDevOpenCount(), asked + 1);
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
    // The values it has are no change: the device stays open, its file too.
    int closes = 0;
    rec.WaveIn.OnClose = [&](TMMComponent *) { ++closes; };
    rec.WaveIn.SetSampleRate(22050);
    rec.WaveIn.SetMode(mStereo);
    rec.WaveIn.SetBitLength(b8Bit);
    EXPECT_EQ(rec.WaveIn.SampleRate(), 22050);
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(rec.WaveIn.DeviceState(), unsigned(dsOpen));
    EXPECT_TRUE(rec.RecFile.IsFileOpen());
    rec.WaveIn.Close();
    EXPECT_EQ(closes, 1);
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
    // In window mode the error is raised on the user-interface thread, and
    // closes the device there before it is shown.
    for (TMMCBMode mode : {cmThread, cmWindow}) {
        SCOPED_TRACE(mode == cmWindow ? "cmWindow" : "cmThread");
        MessageLog log;
        TRecorder rec(File("failing.wav"));
        rec.WaveIn.SetCallBackMode(mode);
        std::atomic<int> calls{0};
        rec.WaveIn.OnBufferReady = [&](TMMComponent *, PWaveHdr) {
            if (++calls == 1)
                throw EMMWaveInError(QStringLiteral("the chain broke"));
        };
        int closes = 0, errors = 0;
        rec.WaveIn.OnClose = [&](TMMComponent *) { ++closes; };
        rec.WaveIn.OnError = [&](TMMComponent *) { ++errors; };
        // An earlier error that the caller dealt with leaves no trace.
        rec.WaveIn.Open();
        EXPECT_THROW(rec.WaveIn.SetSampleRate(44100), EMMWaveInError);
        EXPECT_EQ(errors, 1);
        rec.WaveIn.Start();
        ASSERT_TRUE(PumpUntil([&] { return rec.WaveIn.DeviceState() == dsClosed && !log.Texts.isEmpty(); }));
        PumpFor(200);
        EXPECT_EQ(log.Texts, QStringList{"the chain broke"});
        EXPECT_EQ(closes, 1);
        EXPECT_EQ(errors, 2);
        EXPECT_EQ(calls, 1);
        EXPECT_FALSE(rec.MMRingBuffer1.IsActive());
        EXPECT_FALSE(rec.RecFile.IsFileOpen());
    }
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
    rec.WaveIn.Pause(); // already held: nothing
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

namespace {
// Makes every device thread's ALSA call of one kind fail while it lives.
struct TBrokenAlsa {
    std::atomic<bool> Broken{false};
    TBrokenAlsa(TWaveDirection Direction, TAlsaCall Call, int Error = -EIO)
    {
        SetWaveDevFaultHook([this, Direction, Call, Error](TWaveDirection d, TAlsaCall c) {
            return Broken && d == Direction && c == Call ? Error : 0;
        });
    }
    ~TBrokenAlsa() { SetWaveDevFaultHook(nullptr); }
};

const QString LostText = QStringLiteral(
    "The sound device stopped working: it was unplugged, or the sound system was stopped.");
} // namespace

TEST_F(WaveDevice, ARecordingWhoseStartFailsIsClosedWithOneMessage)
{
    TBrokenAlsa alsa(TWaveDirection::Capture, TAlsaCall::Start, -EBADFD);
    alsa.Broken = true;
    MessageLog log;
    TRecorder rec(File("nostart.wav"));
    int errors = 0;
    rec.WaveIn.OnError = [&](TMMComponent *) { ++errors; };
    try {
        rec.WaveIn.Start();
        ADD_FAILURE() << "Start did not fail";
    } catch (const EMMWaveInError &e) {
        EXPECT_EQ(e.Message(), "WaveInStart:\n\r" + LostText);
    }
    PumpFor(300); // the device's own report of the failure comes too late to count
    EXPECT_EQ(errors, 1);
    EXPECT_TRUE(log.Texts.isEmpty());
    EXPECT_EQ(rec.WaveIn.DeviceState(), unsigned(dsClosed));
    EXPECT_FALSE(rec.MMRingBuffer1.IsActive());
    EXPECT_FALSE(rec.RecFile.IsFileOpen());

    // A start that fails in its own handler is reported and closed the same way.
    alsa.Broken = false;
    rec.WaveIn.OnStart = [](TMMComponent *) { throw std::runtime_error("no start"); };
    EXPECT_THROW(rec.WaveIn.Start(), std::runtime_error);
    EXPECT_EQ(errors, 2);
    EXPECT_EQ(rec.WaveIn.DeviceState(), unsigned(dsClosed));
    EXPECT_FALSE(rec.RecFile.IsFileOpen());
}

TEST_F(WaveDevice, APlaybackWhoseSourceRunsDryIsClosedWithOneMessage)
{
    // A source that promises more and then gives nothing: the device stops at
    // once instead of playing on what it still holds.
    for (TMMCBMode mode : {cmWindow, cmThread}) {
        SCOPED_TRACE(mode == cmWindow ? "cmWindow" : "cmThread");
        MessageLog log;
        TMMWaveOut out;
        out.SetCallBackMode(mode);
        bool promise = true;
        out.SetBufferSize(4096);
        out.SetNumBuffers(4);
        const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
        out.SetWaveFormat(&f);
        std::atomic<int> loads{0}, played{0}, playedAtError{-1};
        out.OnBufferLoad = [&](TMMComponent *, PWaveHdr h, bool &more) {
            more = promise;
            if (++loads <= 6) { // four primed, two refilled
                more = true;
                memset(h->lpData, 128, 4096);
                h->dwBytesRecorded = 4096;
            }
        };
        out.OnBufferReady = [&](TMMComponent *, PWaveHdr) { ++played; };
        out.OnError = [&](TMMComponent *) { playedAtError = played.load(); };
        out.Start();
        ASSERT_TRUE(PumpUntil([&] { return out.DeviceState() == dsClosed && !log.Texts.isEmpty(); }));
        PumpFor(400); // what the device held would play now
        EXPECT_EQ(log.Texts, QStringList{"Error filling wave buffer"});
        EXPECT_EQ(playedAtError, 3);
        EXPECT_EQ(played, playedAtError);
        EXPECT_EQ(loads, 7);

        // A source that says it has ended is no error: what was loaded plays
        // to its end.
        promise = false;
        loads = 0;
        played = 0;
        TStopWatch watch;
        watch.Attach(out);
        out.Start();
        ASSERT_TRUE(PumpUntil([&] { return watch.Stops > 0; }));
        PumpFor(200);
        EXPECT_EQ(log.Texts.size(), 1);
        EXPECT_EQ(played, 6);
        EXPECT_EQ(watch.Stops, 1);
        out.Close();
    }
}

TEST_F(WaveDevice, PlaybackStopThenStartWithoutCloseForgetsTheFirstStart)
{
    const QString path = File("again.wav");
    WriteWave(path, Tone(440, 22050, 22050)); // 44100 bytes: 11 buffers
    TPlayer p;
    p.Load(path);
    TStopWatch watch;
    watch.Attach(p.WaveOut);
    int64_t played = 0;
    p.WaveOut.OnBufferReady = [&](TMMComponent *, PWaveHdr h) { played += h->dwBufferLength; };
    p.WaveOut.Start();
    // Stopped before the event loop ran: the reset's done notifications of
    // all eleven buffers are still queued when the second start begins.
    p.WaveOut.Stop();
    EXPECT_EQ(watch.Stops, 1);
    played = 0;
    p.WaveOut.Start();
    ASSERT_TRUE(PumpUntil([&] { return watch.Stops == 2; }));
    PumpFor(200);
    EXPECT_EQ(played, 44100);
    EXPECT_EQ(watch.Stops, 2);
    p.WaveOut.Close();
}

TEST_F(WaveDevice, RecordingStopThenStartWithoutCloseQueuesEachBufferOnce)
{
    TRecorder rec(File("again.wav"));
    rec.WaveIn.SetCallBackMode(cmWindow);
    rec.WaveIn.SetNumBuffers(4);
    int64_t passed = 0;
    int mostQueued = 0;
    auto watchQueue = [&] {
        if (rec.WaveIn.Device())
            mostQueued = std::max(mostQueued, rec.WaveIn.Device()->QueuedBuffers());
    };
    rec.WaveIn.OnBufferReady = [&](TMMComponent *, PWaveHdr h) {
        passed += h->dwBytesRecorded;
        watchQueue();
    };
    rec.WaveIn.Start();
    // All four buffers fill while the event loop does not run; their
    // notifications wait in the queue through the stop and the next start.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    rec.WaveIn.Stop();
    passed = 0;
    rec.WaveIn.Start();
    rec.WaveIn.Start(); // on a running device: nothing
    ASSERT_TRUE(PumpUntil([&] {
        watchQueue();
        return passed >= 8 * 4096;
    }));
    // A buffer handed on twice would be queued twice: the device would fill
    // the same memory while the chain still reads it.
    EXPECT_LE(mostQueued, 4);
    EXPECT_EQ(rec.WaveIn.RecordedBytes(), passed);
    rec.WaveIn.Close();
}

TEST_F(WaveDevice, DestroyingARecorderWhileABufferIsHandledFinishesItsFile)
{
    const QString path = File("destroyed.wav");
    TMMRingBuffer ring;
    TMMWaveFile file;
    auto in = std::make_unique<TMMWaveIn>();
    in->SetBufferSize(4096);
    in->SetCallBackMode(cmThread);
    in->SetMode(mStereo);
    in->SetSampleRate(22050);
    ring.SetInput(in.get());
    ring.SetOutput(&file);
    ring.SetBufferSize(4096);
    ring.SetNumBuffers(100);
    ring.SetQueueMode(qmWrite);
    file.Wave()->FileMustExist = false;
    file.Wave()->SetFileName(path);
    std::mutex m;
    std::condition_variable cv;
    bool inside = false, release = false;
    std::atomic<int64_t> passed{0};
    in->OnBufferReady = [&](TMMComponent *, PWaveHdr h) {
        passed += h->dwBytesRecorded;
        std::unique_lock<std::mutex> g(m);
        inside = true;
        cv.notify_all();
        cv.wait_for(g, std::chrono::seconds(10), [&] { return release; });
    };
    in->Start();
    {
        std::unique_lock<std::mutex> g(m);
        ASSERT_TRUE(cv.wait_for(g, std::chrono::seconds(10), [&] { return inside; }));
    }
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        std::lock_guard<std::mutex> g(m);
        release = true;
        cv.notify_all();
    });
    in.reset(); // the worker is inside OnBufferReady
    releaser.join();
    PumpFor(100);
    EXPECT_FALSE(ring.IsActive());
    EXPECT_FALSE(file.IsFileOpen());
    EXPECT_EQ(WaveData(path).size(), passed.load());
    EXPECT_EQ(passed, 4096);
}

TEST(WaveInLimit, MaxRecordTimeCutsAtWholeFramesInEveryUnit)
{
    // 16-bit mono at 22050 Hz: 2-byte frames, 44100 bytes per second.
    struct TCase {
        TMMTimeFormats Unit;
        int64_t Limit;
        std::vector<uint32_t> In, Out; // bytes of each buffer before and after the cut
        int64_t Ms, Samples, Bytes;    // the limit read back in each unit
    } cases[] = {
        // A limit that is an exact multiple of the buffer: two whole buffers.
        {tfByte, 8192, {4096, 4096, 4096}, {4096, 4096, 0}, 186, 4096, 8192},
        // An odd byte limit goes down to a whole frame: 1000 bytes.
        {tfByte, 1001, {512, 512, 512}, {512, 488, 0}, 23, 500, 1000},
        // 333 samples are 666 bytes.
        {tfSample, 333, {4096}, {666}, 15, 333, 666},
        // 10 ms are 441 bytes, rounded up to a whole frame: 442.
        {tfMillisecond, 10, {400, 400}, {400, 42}, 10, 221, 442},
    };
    {
        // Without a limit there is nothing to re-express.
        TMMWaveIn in;
        in.SetTimeFormat(tfMillisecond);
        in.SetTimeFormat(tfSample);
        EXPECT_EQ(in.MaxRecordTime(), -1);
    }
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.Limit);
        TMMWaveIn in;
        in.SetMode(mMono);
        in.SetBitLength(b16Bit);
        in.SetSampleRate(22050);
        in.SetTimeFormat(c.Unit);
        in.SetMaxRecordTime(c.Limit);
        std::vector<uint32_t> seen;
        in.OnBufferReady = [&](TMMComponent *, PWaveHdr h) { seen.push_back(h->dwBytesRecorded); };
        for (uint32_t bytes : c.In) {
            TWaveHdr h{};
            h.dwBytesRecorded = bytes;
            in.BufferReady(&h);
        }
        EXPECT_EQ(seen, c.Out);
        EXPECT_EQ(in.RecordedBytes(), c.Bytes);
        in.SetTimeFormat(tfMillisecond);
        EXPECT_EQ(in.MaxRecordTime(), c.Ms);
        in.SetTimeFormat(tfSample);
        EXPECT_EQ(in.MaxRecordTime(), c.Samples);
        in.SetTimeFormat(tfByte);
        EXPECT_EQ(in.MaxRecordTime(), c.Bytes);
    }
}

TEST_F(WaveDevice, ALimitOfWholeBuffersPassesThemAndNothingAfter)
{
    TRecorder rec(File("whole.wav"));
    rec.WaveIn.SetTimeFormat(tfByte);
    rec.WaveIn.SetMaxRecordTime(2 * 4096);
    std::vector<uint32_t> seen;
    std::mutex m;
    rec.WaveIn.OnBufferReady = [&](TMMComponent *, PWaveHdr h) {
        std::lock_guard<std::mutex> g(m);
        seen.push_back(h->dwBytesRecorded);
    };
    TStopWatch watch;
    watch.Attach(rec.WaveIn);
    rec.WaveIn.Start();
    ASSERT_TRUE(PumpUntil([&] { return watch.Stops > 0; }));
    PumpFor(300);
    {
        std::lock_guard<std::mutex> g(m);
        EXPECT_EQ(seen, (std::vector<uint32_t>{4096, 4096}));
    }
    EXPECT_EQ(watch.Stops, 1);
    rec.WaveIn.Close();
    EXPECT_EQ(WaveData(File("whole.wav")).size(), 2 * 4096);
}

TEST_F(WaveDevice, StopAndCloseRacingASlowHandlerPassEveryBufferWholeOrNotAtAll)
{
    // The worker's handler is slower than the buffers come (one every 93 ms),
    // so notifications pile up behind it when the stop or the close comes.
    for (bool closeDirectly : {false, true}) {
        SCOPED_TRACE(closeDirectly ? "Close" : "Stop");
        const QString path = File(closeDirectly ? "slow-close.wav" : "slow-stop.wav");
        TRecorder rec(path);
        std::atomic<int> calls{0}, callsAfterStop{0};
        std::atomic<int64_t> passed{0};
        std::atomic<bool> stopped{false};
        std::atomic<bool> partial{false};
        rec.WaveIn.OnBufferReady = [&](TMMComponent *, PWaveHdr h) {
            if (stopped)
                ++callsAfterStop;
            if (h->dwBytesRecorded != 4096)
                partial = true;
            passed += h->dwBytesRecorded;
            ++calls;
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
        };
        int closes = 0;
        rec.WaveIn.OnStop = [&](TMMComponent *) {
            stopped = true;
            rec.WaveIn.Close();
        };
        rec.WaveIn.OnClose = [&](TMMComponent *) { ++closes; };
        rec.WaveIn.Start();
        ASSERT_TRUE(PumpUntil([&] { return calls >= 3; }));
        std::this_thread::sleep_for(std::chrono::milliseconds(200)); // more pile up
        if (closeDirectly)
            rec.WaveIn.Close();
        else
            rec.WaveIn.Stop();
        ASSERT_TRUE(PumpUntil([&] { return closes > 0; }));
        PumpFor(400);
        EXPECT_EQ(callsAfterStop, 0);
        EXPECT_FALSE(partial);
        EXPECT_EQ(closes, 1);
        EXPECT_EQ(rec.WaveIn.RecordedBytes(), passed.load());
        EXPECT_EQ(WaveData(path).size(), passed.load());
    }
}
