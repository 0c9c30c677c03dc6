// Ring buffer on its own: overflow, end of data, silence, short reads, the
// end of a source that gives no bytes, and properties locked while active.
#include "audio/MMRingBuffer.h"
#include "audio/MMWave.h"

#include "support/Pump.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace {

QByteArray Pattern(int n, int seed = 0)
{
    QByteArray b(n, 0);
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 13 + seed) & 0xFF);
    return b;
}

// Collects what the ring's worker writes out.
class TCollector : public TMMDSPComponent {
public:
    void BufferReady(PWaveHdr H) override
    {
        std::lock_guard<std::mutex> g(Lock);
        Data.append(H->lpData, int(H->dwBytesRecorded));
    }
    QByteArray Take()
    {
        std::lock_guard<std::mutex> g(Lock);
        return Data;
    }
    // What had been written out at each commit.
    void Commit() override
    {
        std::lock_guard<std::mutex> g(Lock);
        Committed.push_back(Data);
    }
    std::vector<QByteArray> Commits()
    {
        std::lock_guard<std::mutex> g(Lock);
        return Committed;
    }
    std::mutex Lock;
    QByteArray Data;
    std::vector<QByteArray> Committed;
};

// A file whose first commit lasts until the ring has filled up again.
class TSlowCommit : public TCollector {
public:
    TMMRingBuffer *Ring = nullptr;
    std::atomic<bool> InFirstCommit{false};
    void Commit() override
    {
        if (!FFirstDone.exchange(true)) {
            InFirstCommit = true;
            for (int i = 0; i < 5000 && !Ring->IsFull(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        TCollector::Commit();
    }

private:
    std::atomic<bool> FFirstDone{false};
};

template <class F> bool WaitUntil(F Done, int LimitMs = 10000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(LimitMs);
    while (!Done() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return Done();
}

// A ring in write mode between a source and a consumer, as the recorder
// wires it.
void WireWriteRing(TMMDSPComponent &Src, TMMRingBuffer &Ring, TMMDSPComponent &Out, int Buffers, int BlockSize)
{
    Ring.SetInput(&Src);
    Out.SetInput(&Ring);
    Ring.SetQueueMode(qmWrite);
    Ring.SetNumBuffers(Buffers);
    Ring.SetBufferSize(BlockSize);
}

// Hands block number I (64 bytes of its pattern) to the ring through H; returns it.
QByteArray PushBlock(TMMDSPComponent &Src, TWaveHdr *H, int I)
{
    const QByteArray block = Pattern(64, I);
    std::memcpy(H->lpData, block.constData(), 64);
    H->dwBytesRecorded = 64;
    Src.BufferReady(H);
    return block;
}

// A source that hands out a script of (bytes, more) answers, then repeats the last.
class TScriptSource : public TMMDSPComponent {
public:
    struct TStep {
        QByteArray Bytes;
        bool More;
    };
    std::vector<TStep> Steps;
    std::atomic<int> Calls{0};
    void BufferLoad(PWaveHdr H, bool &More) override
    {
        const int i = std::min<int>(Calls++, int(Steps.size()) - 1);
        const TStep &s = Steps[size_t(i)];
        const int n = std::min<int>(s.Bytes.size(), int(H->dwBufferLength));
        std::memcpy(H->lpData, s.Bytes.constData(), size_t(n));
        H->dwBytesRecorded = uint32_t(n);
        More = s.More;
    }
};

struct TLoad {
    QByteArray Bytes;
    bool More;
};

TLoad Load(TMMRingBuffer &Ring, int Length)
{
    TWaveHdrPtr h = AllocWaveHeader(uint32_t(Length));
    bool more = false;
    Ring.BufferLoad(h.get(), more);
    return {QByteArray(h->lpData, int(h->dwBytesRecorded)), more};
}

void WriteFile(const QString &Path, const TWaveFormatEx &F, const QByteArray &Data)
{
    TMMWave w;
    w.CreateFile(Path, &F);
    w.WriteData(Data.constData(), Data.size());
    w.CloseFile();
}

} // namespace

TEST(MMRingBuffer, PropertiesAreLockedWhileActive)
{
    TMMRingBuffer ring;
    ring.SetBufferSize(10);
    EXPECT_EQ(ring.BufferSize(), 32);
    ring.SetNumBuffers(1);
    EXPECT_EQ(ring.NumBuffers(), 20);
    ring.SetNumBuffers(8);
    ring.SetQueueMode(qmWrite);
    ring.Opened();
    EXPECT_TRUE(ring.IsActive());
    try {
        ring.SetNumBuffers(9);
        ADD_FAILURE() << "changed while active";
    } catch (const EMMBufferError &e) {
        EXPECT_EQ(e.Message(), "Change to property while device was open");
    }
    EXPECT_THROW(ring.SetQueueMode(qmRead), EMMBufferError);
    EXPECT_THROW(ring.SetBufferSize(64), EMMBufferError);
    EXPECT_NO_THROW(ring.SetNumBuffers(8)); // the same value is no change
    EXPECT_EQ(ring.FreeBytes(), 8 * 32);
    ring.Closed();
    EXPECT_FALSE(ring.IsActive());
    ring.SetNumBuffers(9);
    EXPECT_EQ(ring.NumBuffers(), 9);
}

TEST(MMRingBuffer, OverflowDropsBlocksOneByOneAndNeverExceedsTheRing)
{
    // A ring that waits for room gives up after its time-out when the worker
    // is stuck, and then drops the block like one that does not wait.
    for (const bool waitIfFull : {false, true}) {
        SCOPED_TRACE(waitIfFull ? "waiting at most the time-out" : "not waiting");
        TMMDSPComponent src;
        TMMRingBuffer ring;
        TCollector out;
        WireWriteRing(src, ring, out, 10, 64);
        ring.SetWaitIfFull(waitIfFull);
        ring.SetTimeOut(20);
        TEvent gate(true);
        ring.OnFlushQueue = [&](TMMComponent *) { gate.WaitFor(10000); }; // the worker cannot keep up
        std::atomic<int> overflows{0};
        ring.OnOverlow = [&](TMMComponent *) { ++overflows; };
        ring.Opened();
        ring.Started();

        QByteArray sent;
        TWaveHdrPtr h = AllocWaveHeader(64);
        for (int i = 0; i < 25; ++i) {
            const QByteArray block = PushBlock(src, h.get(), i);
            if (i < 10)
                sent += block;
        }
        EXPECT_EQ(overflows, 15);
        EXPECT_EQ(ring.Count(), 10);
        EXPECT_TRUE(ring.IsFull());
        gate.SetEvent();
        ring.Stopped();
        ring.Closed();
        EXPECT_EQ(out.Take(), sent);
    }
}

TEST(MMRingBuffer, WithAFlushIntervalTheWorkerWritesAndCommitsLongBeforeHalfFull)
{
    TMMDSPComponent src;
    TMMRingBuffer ring;
    TCollector out;
    WireWriteRing(src, ring, out, 100, 64);
    ring.SetFlushInterval(1);
    ring.Opened();
    ring.Started();
    QByteArray sent;
    TWaveHdrPtr h = AllocWaveHeader(64);
    const auto push = [&](int i) { sent += PushBlock(src, h.get(), i); };
    for (int i = 0; i < 3; ++i)
        push(i);
    // Three blocks of a hundred: only the rhythm writes them, then commits.
    ASSERT_TRUE(WaitUntil([&] { return !out.Commits().empty() && out.Commits().back() == sent; }));
    EXPECT_EQ(ring.Count(), 0);
    push(3);
    ASSERT_TRUE(WaitUntil([&] { return out.Commits().back() == sent; }));
    for (const QByteArray &c : out.Commits())
        EXPECT_FALSE(c.isEmpty()) << "a commit with nothing written";
    ring.Stopped();
    ring.Closed();
    EXPECT_EQ(out.Take(), sent);
}

TEST(MMRingBuffer, AWriterWaitingForRoomIsNotForgottenWhenTheRingFillsDuringACommit)
{
    TMMDSPComponent src;
    TMMRingBuffer ring;
    TSlowCommit out;
    out.Ring = &ring;
    WireWriteRing(src, ring, out, 10, 64);
    ring.SetWaitIfFull(true);
    ring.Opened();
    ring.Started();
    QByteArray sent;
    std::atomic<bool> done{false};
    std::thread writer([&] {
        TWaveHdrPtr h = AllocWaveHeader(64);
        for (int i = 0; i < 40; ++i) {
            // The fifth block asks for a pass; the rest wait until its commit
            // has begun, so that they fill the ring while it lasts however
            // the threads happen to be scheduled.
            if (i == 5)
                WaitUntil([&] { return out.InFirstCommit.load(); });
            sent += PushBlock(src, h.get(), i);
        }
        done = true;
    });
    EXPECT_TRUE(WaitUntil([&] { return done.load(); })) << "the writer waits for room no pass will make";
    ring.Stopped();
    ring.Closed(); // lets a writer still waiting go
    writer.join();
    EXPECT_EQ(out.Take(), sent);
}

TEST(MMRingBuffer, ReadModeHandsOutTheEndWithTheLastBlockAndKeepsRestsOfShortReads)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("short.wav");
    const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
    const QByteArray data = Pattern(10000); // shorter than one fill chunk
    WriteFile(path, f, data);

    TMMWaveFile file;
    TMMRingBuffer ring;
    file.Wave()->SetFileName(path);
    ring.SetInput(&file);
    ring.SetQueueMode(qmRead);
    ring.SetNumBuffers(8);
    ring.SetBufferSize(4096);
    file.SetBufferSize(4096);
    file.Opened();
    ring.Opened();
    file.Started();
    ring.Started();

    QByteArray got;
    int ends = 0;
    for (int guard = 0; guard < 100; ++guard) {
        const TLoad l = Load(ring, 1000); // shorter than a block
        got += l.Bytes;
        if (!l.More) {
            ++ends;
            break;
        }
    }
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(got, data);
    EXPECT_TRUE(ring.IsPrimed());
    ring.Stopped();
    file.Stopped();
    ring.Closed();
    file.Closed();
}

TEST(MMRingBuffer, EmptyRingGivesSilenceOrTheLastBlockOnceFilled)
{
    for (int bits : {8, 16}) {
        SCOPED_TRACE(bits);
        TScriptSource src;
        const TWaveFormatEx f = MakePCMWaveFormat(bits, 1, 22050);
        src.SetWaveFormat(&f);
        // One block now, then nothing for a while (but more is announced).
        src.Steps = {{Pattern(100), true}, {QByteArray(), true}};
        TMMRingBuffer ring;
        ring.SetInput(&src);
        ring.SetQueueMode(qmRead);
        ring.SetNumBuffers(4);
        ring.SetBufferSize(256);
        int empties = 0;
        ring.OnEmpty = [&](TMMComponent *) { ++empties; };
        ring.Opened();
        ring.Started();

        TLoad first = Load(ring, 256);
        EXPECT_EQ(first.Bytes, Pattern(100));
        EXPECT_TRUE(first.More);
        TLoad silent = Load(ring, 256);
        ASSERT_EQ(silent.Bytes.size(), 256);
        EXPECT_EQ(silent.Bytes, QByteArray(256, char(bits == 8 ? 128 : 0)));
        EXPECT_TRUE(silent.More);
        EXPECT_GE(empties, 1);

        ring.SetLoopIfEmpty(true);
        TLoad again = Load(ring, 256);
        EXPECT_EQ(again.Bytes, Pattern(100));
        EXPECT_TRUE(again.More);
        ring.Stopped();
        ring.Closed();
    }
}

TEST(MMRingBuffer, SourceThatEndsByGivingNothingEndsTheReader)
{
    // Data, then an answer of no bytes: the end goes out with the last block.
    {
        TScriptSource src;
        const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
        src.SetWaveFormat(&f);
        src.Steps = {{Pattern(3000), true}, {QByteArray(), false}};
        TMMRingBuffer ring;
        ring.SetInput(&src);
        ring.SetQueueMode(qmRead);
        ring.SetNumBuffers(4);
        ring.SetBufferSize(4096);
        ring.Opened();
        ring.Started();
        const TLoad l = Load(ring, 4096);
        EXPECT_EQ(l.Bytes, Pattern(3000));
        EXPECT_FALSE(l.More);
        ring.Stopped();
        ring.Closed();
    }
    // Nothing at all: the first read returns nothing and says so.
    {
        TScriptSource src;
        const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
        src.SetWaveFormat(&f);
        src.Steps = {{QByteArray(), false}};
        TMMRingBuffer ring;
        ring.SetInput(&src);
        ring.SetQueueMode(qmRead);
        ring.SetNumBuffers(4);
        ring.SetBufferSize(4096);
        ring.Opened();
        ring.Started();
        const TLoad l = Load(ring, 4096);
        EXPECT_EQ(l.Bytes.size(), 0);
        EXPECT_FALSE(l.More);
        EXPECT_EQ(Load(ring, 4096).Bytes.size(), 0); // and keeps saying so
        ring.Stopped();
        // After a stop the mark is forgotten: a new start asks the source again.
        src.Steps = {{Pattern(50), false}};
        src.Calls = 0;
        ring.Started();
        EXPECT_EQ(Load(ring, 4096).Bytes, Pattern(50));
        ring.Stopped();
        ring.Closed();
    }
}

TEST(MMRingBuffer, SourceEndingRightAfterTheWriteIndexWrappedMarksTheLastSlot)
{
    // Four slots of 32 bytes. The first fill stores slots 0 to 2; three reads
    // empty them, the third asks for a refill, which stores slot 3 (the write
    // index wraps to 0) and then gets nothing and no more: the end belongs on
    // slot 3, the newest block.
    TScriptSource src;
    const TWaveFormatEx f = MakePCMWaveFormat(8, 1, 22050);
    src.SetWaveFormat(&f);
    src.Steps = {{Pattern(96, 1), true}, {QByteArray(), true}, {Pattern(32, 2), true}, {QByteArray(), false}};
    TMMRingBuffer ring;
    ring.SetInput(&src);
    ring.SetQueueMode(qmRead);
    ring.SetNumBuffers(4);
    ring.SetBufferSize(32);
    std::atomic<int> fillsDone{0};
    ring.OnFillQueueEnd = [&](TMMComponent *) { ++fillsDone; };
    ring.Opened();
    ring.Started();

    QByteArray got;
    for (int i = 0; i < 3; ++i) {
        const TLoad l = Load(ring, 32);
        EXPECT_TRUE(l.More) << i;
        got += l.Bytes;
    }
    EXPECT_EQ(got, Pattern(96, 1));
    for (int i = 0; i < 5000 && fillsDone < 2; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(fillsDone, 2);
    ASSERT_EQ(src.Calls, 4);
    EXPECT_EQ(ring.Count(), 1);

    const TLoad last = Load(ring, 32);
    EXPECT_EQ(last.Bytes, Pattern(32, 2));
    EXPECT_FALSE(last.More) << "the end-of-data mark sits on slot 3";
    ring.Stopped();
    ring.Closed();
}

TEST(MMRingBuffer, FirstReadGivesUpAfterTimeOut)
{
    // A source whose first answer never comes in time.
    class TSlowSource : public TMMDSPComponent {
    public:
        TEvent Release{true};
        void BufferLoad(PWaveHdr H, bool &More) override
        {
            Release.WaitFor(10000);
            H->dwBytesRecorded = 0;
            More = false;
        }
    } src;
    TMMRingBuffer ring;
    ring.SetInput(&src);
    ring.SetQueueMode(qmRead);
    ring.SetNumBuffers(4);
    ring.SetBufferSize(512);
    ring.SetTimeOut(20);
    ring.Opened();
    ring.Started();
    const TLoad l = Load(ring, 512);
    EXPECT_EQ(l.Bytes.size(), 0);
    EXPECT_FALSE(ring.IsPrimed());
    src.Release.SetEvent();
    ring.Stopped();
    ring.Closed();
}

// A capture device's thread may still be handing over a block when the chain
// is closed on the user-interface thread. Under ThreadSanitizer this is the
// check that a block meets either a whole ring or a refusal, never freed
// slots or events.
TEST(MMRingBuffer, BlocksHandedOverWhileTheRingClosesAreRefusedSafely)
{
    TMMDSPComponent src;
    TMMRingBuffer ring;
    TCollector out;
    WireWriteRing(src, ring, out, 8, 256);
    for (bool waitIfFull : {false, true}) {
        ring.SetWaitIfFull(waitIfFull); // a waiting writer must leave at close too
        for (int round = 0; round < 20; ++round) {
            ring.Opened();
            ring.Started();
            std::atomic<bool> stop{false};
            std::atomic<int> handed{0};
            std::vector<std::thread> producers;
            for (int p = 0; p < 2; ++p)
                producers.emplace_back([&] {
                    TWaveHdrPtr h = AllocWaveHeader(256);
                    h->dwBytesRecorded = 256;
                    while (!stop) {
                        src.BufferReady(h.get());
                        ++handed;
                    }
                });
            while (handed < 50)
                std::this_thread::yield();
            ring.Closed();
            EXPECT_FALSE(ring.IsActive());
            const int before = handed;
            while (handed < before + 50)
                std::this_thread::yield();
            EXPECT_EQ(ring.Count(), 0); // refused after the close
            stop = true;
            for (auto &t : producers)
                t.join();
        }
    }
    EXPECT_GT(out.Take().size(), 0);
}

// The playback side: a reader pulling while the ring closes gets nothing
// rather than freed memory, and a reader waiting for the first fill is let go.
TEST(MMRingBuffer, ReadersRacingTheCloseGetNothing)
{
    TScriptSource src;
    src.Steps = {{Pattern(4096), true}};
    TMMRingBuffer ring;
    ring.SetInput(&src);
    ring.SetQueueMode(qmRead);
    ring.SetNumBuffers(8);
    ring.SetBufferSize(512);
    for (int round = 0; round < 20; ++round) {
        ring.Opened();
        ring.Started();
        std::atomic<bool> stop{false};
        std::atomic<int> loads{0};
        std::thread reader([&] {
            TWaveHdrPtr h = AllocWaveHeader(512);
            while (!stop) {
                bool more = false;
                h->dwBufferLength = 512;
                ring.BufferLoad(h.get(), more);
                ++loads;
            }
        });
        while (loads < 20)
            std::this_thread::yield();
        ring.Closed();
        EXPECT_EQ(Load(ring, 512).Bytes.size(), 0);
        stop = true;
        reader.join();
    }
}

TEST(MMRingBuffer, ClosingGivesUpOnAWorkerStuckInTheFileAndLetsItFinishAlone)
{
    // The file takes the worker's first chunk and then hangs (a dead network
    // disk): the close waits for it within its limit only, and the worker
    // keeps what it works with until it has finished.
    class TStuckFile : public TMMDSPComponent {
    public:
        void BufferReady(PWaveHdr H) override
        {
            std::unique_lock<std::mutex> g(Lock);
            Seen = QByteArray(H->lpData, int(H->dwBytesRecorded));
            Inside = true;
            Changed.notify_all();
            Changed.wait(g, [this] { return Release; });
            Done = true;
            Changed.notify_all();
        }
        std::mutex Lock;
        std::condition_variable Changed;
        bool Inside = false, Release = false, Done = false;
        QByteArray Seen;
    } file;
    TMMRingBuffer ring;
    ring.SetBufferSize(32);
    ring.SetNumBuffers(4);
    ring.SetQueueMode(qmWrite);
    ring.SetOutput(&file);
    std::atomic<int> passesEnded{0};
    ring.OnFlushQueueEnd = [&](TMMComponent *) { ++passesEnded; };
    ring.Opened();
    const QByteArray block = Pattern(32);
    ring.WriteBlock(block.constData(), 32, 0, 0);
    ring.WriteBlock(block.constData(), 32, 0, 0); // half full: the worker flushes
    {
        std::unique_lock<std::mutex> g(file.Lock);
        ASSERT_TRUE(file.Changed.wait_for(g, std::chrono::seconds(10), [&] { return file.Inside; }));
    }
    ring.Closed(); // returns although the worker is still inside the file
    EXPECT_FALSE(ring.IsActive());
    EXPECT_EQ(passesEnded, 0);
    {
        std::unique_lock<std::mutex> g(file.Lock);
        EXPECT_FALSE(file.Done);
        file.Release = true;
        file.Changed.notify_all();
        ASSERT_TRUE(file.Changed.wait_for(g, std::chrono::seconds(10), [&] { return file.Done; }));
    }
    // The worker finishes its pass on the buffer it was handed, then ends.
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (passesEnded == 0 && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(passesEnded, 1);
    EXPECT_EQ(file.Seen.left(32), block);
    // Opened again, the ring works with a worker of its own.
    ring.Opened();
    EXPECT_TRUE(ring.IsActive());
    ring.Closed();
}

TEST(MMRingBuffer, ComponentsDisposedWhileTheirWorkerIsHeldPastItsLimitAreFreedOnlyOnceItHasReturned)
{
    // The file's write hangs (a dead network disk) past the close's limit,
    // and the owner then disposes of the ring and the file, as a dialog that
    // closes does. The worker later returns into both; the test command runs
    // this under AddressSanitizer as well.
    struct TGate {
        std::mutex Lock;
        std::condition_variable Changed;
        bool Inside = false, Release = false, Done = false;
    };
    class THeldFile : public TMMDSPComponent {
    public:
        explicit THeldFile(std::shared_ptr<TGate> gate) : Gate(std::move(gate)) {}
        void BufferReady(PWaveHdr H) override
        {
            std::unique_lock<std::mutex> g(Gate->Lock);
            Gate->Inside = true;
            Gate->Changed.notify_all();
            Gate->Changed.wait(g, [this] { return Gate->Release; });
            Kept = QByteArray(H->lpData, int(H->dwBytesRecorded));   // back in the component
            Gate->Done = true;
            Gate->Changed.notify_all();
        }
        std::shared_ptr<TGate> Gate;
        QByteArray Kept;
    };
    const int before = ChainComponentCount();
    const auto gate = std::make_shared<TGate>();
    auto *file = new THeldFile(gate);
    auto *ring = new TMMRingBuffer;
    ring->SetBufferSize(32);
    ring->SetNumBuffers(4);
    ring->SetQueueMode(qmWrite);
    ring->SetOutput(file);
    ring->Opened();
    const QByteArray block = Pattern(32);
    ring->WriteBlock(block.constData(), 32, 0, 0);
    ring->WriteBlock(block.constData(), 32, 0, 0); // half full: the worker flushes
    {
        std::unique_lock<std::mutex> g(gate->Lock);
        ASSERT_TRUE(gate->Changed.wait_for(g, std::chrono::seconds(10), [&] { return gate->Inside; }));
    }
    ring->Closed();   // gives up on the worker after its limit
    EXPECT_EQ(LetGoWorkerCount(), 1);
    MMDispose(ring);
    MMDispose(file);
    PumpFor(100);
    EXPECT_EQ(ChainComponentCount(), before + 2) << "kept while their worker may still return into them";
    {
        std::unique_lock<std::mutex> g(gate->Lock);
        gate->Release = true;
        gate->Changed.notify_all();
        ASSERT_TRUE(gate->Changed.wait_for(g, std::chrono::seconds(10), [&] { return gate->Done; }));
    }
    EXPECT_TRUE(PumpUntil([&] { return ChainComponentCount() == before; }, 10000)) << "freed once it has ended";
    EXPECT_EQ(LetGoWorkerCount(), 0);
    // With no worker left running, a component goes at once.
    const int now = ChainComponentCount();
    MMDispose(new TMMRingBuffer);
    EXPECT_EQ(ChainComponentCount(), now);
}
