// Both chains of the recording page, each driven by a small test device whose
// buffers move on a thread of its own, as a sound card's would:
//   source device -> ring buffer (write) -> wave file
//   wave file -> ring buffer (read) -> sink device
#include "audio/MMRingBuffer.h"
#include "audio/MMWave.h"

#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <cstring>
#include <functional>
#include <memory>

namespace {

QByteArray Pattern(int n, int seed = 0)
{
    QByteArray b(n, 0);
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 31 + i / 251 + seed) & 0xFF);
    return b;
}

// The device's buffer thread.
class TDeviceThread : public TMMDSPThread {
public:
    TDeviceThread(TMMDSPComponent *Owner, std::function<void()> Body) : TMMDSPThread(Owner), FBody(std::move(Body)) {}

protected:
    void Execute() override
    {
        SignalReady();
        FBody();
    }

private:
    std::function<void()> FBody;
};

// Shared device mechanics: open/start/stop/close walk the chain on the
// calling (user-interface) thread; the buffer thread only moves data.
class TTestDevice : public TMMCustomSoundComponent {
public:
    ~TTestDevice() override
    {
        FComponentState |= csDestroying;
        FThread.reset();
    }
    void Error(const QString &Msg) override { throw EMMWaveInError(Msg); }
    void Open() override
    {
        if (!IsOpen())
            Opened();
    }
    void Start() override
    {
        Open();
        if (IsStarted())
            return;
        Started();
        FThread = std::make_unique<TDeviceThread>(this, [this] { Run(); });
        if (!FThread->StartAndWait())
            Error(MMPrefixed("Test:", MMMessage(28088)));
    }
    void Pause() override { Paused(); }
    void Restart() override { Restarted(); }
    // Waits for the buffer thread, then tells the chain.
    void Stop() override
    {
        if (FThread) {
            FThread->Terminate();
            FThread->Join();
            FThread.reset();
        }
        if (IsStarted())
            Stopped();
    }
    void Close() override
    {
        Stop();
        if (IsOpen())
            Closed();
    }
    void WaitUntilDone()
    {
        if (FThread)
            FThread->Join();
    }

protected:
    virtual void Run() = 0;
    bool Terminated() const { return FThread && FThread->Terminated(); }
    std::unique_ptr<TDeviceThread> FThread;
};

// Pushes its data in buffers of BufferSize, like a capture device.
class TTestSource : public TTestDevice {
public:
    QByteArray Data;
    bool HasInputPort() const override { return false; }

protected:
    void Run() override
    {
        const int size = BufferSize();
        TWaveHdrPtr h = AllocWaveHeader(uint32_t(size));
        for (int pos = 0; pos < Data.size() && !Terminated(); pos += size) {
            const int n = std::min(size, int(Data.size()) - pos);
            std::memcpy(h->lpData, Data.constData() + pos, size_t(n));
            h->dwBytesRecorded = uint32_t(n);
            h->dwUser = uintptr_t(pos);
            BufferReady(h.get());
        }
    }
};

// Pulls buffers until the chain says there is no more, like a playback device.
class TTestSink : public TTestDevice {
public:
    QByteArray Got;
    std::atomic<int> Loads{0};
    std::atomic<bool> SawEnd{false};
    // A real device is paced by its sound card; this one may be told to wait.
    std::function<void()> BeforeLoad;

protected:
    void Run() override
    {
        TWaveHdrPtr h = AllocWaveHeader(EffectiveBufferSize());
        for (int guard = 0; guard < 1000000 && !Terminated(); ++guard) {
            if (BeforeLoad)
                BeforeLoad();
            h->dwBufferLength = EffectiveBufferSize();
            h->dwBytesRecorded = 0;
            bool more = false;
            BufferLoad(h.get(), more);
            ++Loads;
            Got.append(h->lpData, int(h->dwBytesRecorded));
            if (!more || h->dwBytesRecorded == 0) {
                SawEnd = !more;
                return;
            }
        }
    }
};

struct TRecordingChain {
    TTestSource WaveIn;
    TMMRingBuffer MMRingBuffer1;
    TMMWaveFile RecFile;
    TRecordingChain(const QString &Path, int NumBuffers = 100)
    {
        const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
        WaveIn.SetWaveFormat(&f);
        WaveIn.SetBufferSize(4096);
        MMRingBuffer1.SetInput(&WaveIn);
        MMRingBuffer1.SetOutput(&RecFile);
        MMRingBuffer1.SetNumBuffers(NumBuffers);
        MMRingBuffer1.SetBufferSize(4096);
        MMRingBuffer1.SetQueueMode(qmWrite);
        RecFile.Wave()->FileMustExist = false;
        RecFile.Wave()->TimeFormat = tfMillisecond;
        RecFile.Wave()->SetFileName(Path);
    }
};

struct TPlaybackChain {
    TMMWaveFile PlayFile;
    TMMRingBuffer PlayRingBuffer;
    TTestSink WaveOut;
    TPlaybackChain()
    {
        PlayFile.Wave()->TimeFormat = tfMillisecond;
        PlayRingBuffer.SetInput(&PlayFile);
        PlayRingBuffer.SetNumBuffers(100);
        PlayRingBuffer.SetBufferSize(4096);
        PlayRingBuffer.SetQueueMode(qmRead);
        WaveOut.SetInput(&PlayRingBuffer);
        WaveOut.SetBufferSize(4096);
        // Content is compared, so the sink never outruns the file: an empty
        // ring would (rightly) hand out silence.
        WaveOut.BeforeLoad = [this] {
            for (int i = 0; i < 20000 && PlayRingBuffer.IsPrimed() && PlayRingBuffer.IsEmpty(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        };
    }
};

QByteArray RecordedData(const QString &Path)
{
    TMMWave w;
    w.SetFileName(Path);
    if (w.DataBytes() == 0)
        return {};
    w.OpenFile();
    QByteArray out(int(w.DataBytes()), 0);
    const int64_t n = w.ReadData(out.data(), out.size());
    out.resize(int(std::max<int64_t>(n, 0)));
    return out;
}

} // namespace

TEST(AudioChain, RecordingWritesEveryQueuedBlockWhenStopped)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("word0001.wav");
    TRecordingChain chain(path);
    // 30 blocks stay below the half-full mark: only the stop writes them.
    chain.WaveIn.Data = Pattern(30 * 4096 - 100);
    int flushes = 0;
    chain.MMRingBuffer1.OnFlushQueue = [&](TMMComponent *) { ++flushes; };
    chain.WaveIn.Open();
    EXPECT_TRUE(chain.MMRingBuffer1.IsActive());
    EXPECT_TRUE(chain.RecFile.IsFileOpen());
    EXPECT_EQ(chain.MMRingBuffer1.BufferSize(), 4096);
    chain.WaveIn.Start();
    chain.WaveIn.WaitUntilDone();
    EXPECT_EQ(chain.MMRingBuffer1.Count(), 30);
    EXPECT_EQ(flushes, 0);
    chain.WaveIn.Stop();
    EXPECT_EQ(flushes, 1);
    EXPECT_TRUE(chain.MMRingBuffer1.IsEmpty());
    chain.WaveIn.Close();
    EXPECT_FALSE(chain.MMRingBuffer1.IsActive());
    EXPECT_FALSE(chain.RecFile.IsFileOpen());
    EXPECT_EQ(RecordedData(path), chain.WaveIn.Data);
}

TEST(AudioChain, LongRecordingIsFlushedByTheWorkerWhileItRuns)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("long.wav");
    TRecordingChain chain(path, 20);
    chain.MMRingBuffer1.SetWaitIfFull(true); // never drop: the content is compared
    chain.WaveIn.Data = Pattern(3 * 1024 * 1024 + 2);
    std::atomic<int> overflows{0};
    chain.MMRingBuffer1.OnOverlow = [&](TMMComponent *) { ++overflows; };
    chain.WaveIn.Start(); // opens first
    chain.WaveIn.WaitUntilDone();
    chain.WaveIn.Close();
    EXPECT_EQ(overflows, 0);
    EXPECT_EQ(RecordedData(path), chain.WaveIn.Data);
    // Start and stop again: the file is created afresh.
    chain.WaveIn.Data = Pattern(5000, 1);
    chain.WaveIn.Start();
    chain.WaveIn.WaitUntilDone();
    chain.WaveIn.Close();
    EXPECT_EQ(RecordedData(path), chain.WaveIn.Data);
}

TEST(AudioChain, PlaybackDeliversTheWholeFileAndEndsWithTheData)
{
    QTemporaryDir dir;
    for (int size : {1000, 4096 * 100, 2 * 1024 * 1024 + 6}) {
        SCOPED_TRACE(size);
        const QString path = dir.filePath(QString("play%1.wav").arg(size));
        const QByteArray data = Pattern(size, size);
        {
            TMMWave w;
            const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
            w.CreateFile(path, &f);
            w.WriteData(data.constData(), data.size());
            w.CloseFile();
        }
        TPlaybackChain chain;
        chain.PlayFile.Wave()->SetFileName("");
        chain.PlayFile.Wave()->SetFileName(path);
        ASSERT_NE(chain.WaveOut.WaveFormat(), nullptr); // the file's format reached the device
        EXPECT_EQ(chain.WaveOut.WaveFormat()->nChannels, 2);
        chain.WaveOut.Open();
        EXPECT_TRUE(chain.PlayFile.IsFileOpen());
        EXPECT_TRUE(chain.PlayRingBuffer.IsActive());
        chain.WaveOut.Start();
        chain.WaveOut.WaitUntilDone();
        EXPECT_TRUE(chain.WaveOut.SawEnd);
        EXPECT_EQ(chain.WaveOut.Got, data);
        chain.WaveOut.Close();
        EXPECT_FALSE(chain.PlayFile.IsFileOpen());
        EXPECT_FALSE(chain.PlayRingBuffer.IsActive());
    }
}

TEST(AudioChain, PlaybackOfARealRecordingAndOfAFileWithoutSamples)
{
    SKIP_WITHOUT_CORPORA();
    TPlaybackChain chain;
    chain.PlayFile.Wave()->SetFileName(CorpusFile("wav/generated/sox-u8-stereo-22050-piped-unpatched.wav"));
    chain.WaveOut.Start();
    chain.WaveOut.WaitUntilDone();
    EXPECT_EQ(chain.WaveOut.Got, ReadAll(CorpusFile("wav/generated/sox-u8-stereo-22050.wav")).mid(44));
    chain.WaveOut.Close();

    // Without samples the first load gives nothing and says it is the end.
    TPlaybackChain empty;
    empty.PlayFile.Wave()->SetFileName(CorpusFile("wav/wavefile-gem/valid/no_samples.wav"));
    empty.WaveOut.Start();
    empty.WaveOut.WaitUntilDone();
    EXPECT_EQ(empty.WaveOut.Got.size(), 0);
    EXPECT_EQ(empty.WaveOut.Loads, 1);
    EXPECT_TRUE(empty.WaveOut.SawEnd);
    empty.WaveOut.Close();
}

TEST(AudioChain, RecordThenPlayBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("word0002.wav");
    TRecordingChain rec(path);
    rec.MMRingBuffer1.SetWaitIfFull(true);
    rec.WaveIn.Data = Pattern(22050 * 2 * 3); // three seconds
    rec.WaveIn.Start();
    rec.WaveIn.WaitUntilDone();
    rec.WaveIn.Close();

    TPlaybackChain play;
    play.WaveOut.Close();
    play.PlayFile.Wave()->SetFileName("");
    play.PlayFile.Wave()->SetFileName(path);
    EXPECT_EQ(play.PlayFile.Wave()->DataSize(), 3000);
    play.WaveOut.Open();
    play.WaveOut.Start();
    play.WaveOut.WaitUntilDone();
    play.WaveOut.Close();
    EXPECT_EQ(play.WaveOut.Got, rec.WaveIn.Data);
}
