// The ring buffer as a recording sees it: a capture device's thread hands
// over one 4096-byte block every 92.9 ms (22050 Hz stereo 8 bits) and must
// never wait for the disk.
//
//  - BM_RingBufferReady: the time each hand-over (BufferReady) takes on the
//    producer's thread, with the producer paced at 100 times real time into
//    the recording page's ring (100 blocks, qmWrite) and a wave file on disk;
//    median, 99th percentile and the blocks dropped (overflows).
//  - BM_PlainWriteOnDeviceThread: the baseline, what the same thread would
//    pay writing each block to a file itself, at the same pace.
//  - BM_LongestStallAbsorbed: the file stalls once for S at its first write;
//    the longest S (in real-time seconds; the run is paced at 100 times real
//    time with the stall scaled alike) that loses no block.
// Prints p99 ring / plain at the end.
#include "audio/MMRingBuffer.h"
#include "audio/MMWave.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int BlockSize = 4096;
constexpr int BytesPerSecond = 44100;
constexpr int Pace = 100; // times real time
constexpr int Blocks = 3000;
// One block every 92.9 ms in real time; 0.929 ms at 100 times.
const auto BlockInterval = std::chrono::nanoseconds(int64_t(1e9) * BlockSize / BytesPerSecond / Pace);

QTemporaryDir &Dir()
{
    static QTemporaryDir dir(QDir::tempPath() + "/bench_ringbuffer-XXXXXX");
    return dir;
}

struct TStats {
    double Median = 0, P99 = 0, Max = 0;
};
TStats Summarise(std::vector<double> Us)
{
    TStats s;
    if (Us.empty())
        return s;
    std::sort(Us.begin(), Us.end());
    s.Median = Us[Us.size() / 2];
    s.P99 = Us[std::min(Us.size() - 1, Us.size() * 99 / 100)];
    s.Max = Us.back();
    return s;
}

std::map<std::string, double> &P99s()
{
    static std::map<std::string, double> m;
    return m;
}

// The recording file, stalling once for Stall at its first write.
class TStallingFile : public TMMWaveFile {
public:
    std::chrono::microseconds Stall{0};
    void BufferReady(PWaveHdr H) override
    {
        if (Stall.count() > 0 && !FStalled.exchange(true))
            std::this_thread::sleep_for(Stall);
        TMMWaveFile::BufferReady(H);
    }

private:
    std::atomic<bool> FStalled{false};
};

struct TRun {
    std::vector<double> Us;
    int Overflows = 0;
    int64_t Written = 0;
};

// The recording page's chain minus the device: a source stands in for the
// capture device's thread.
TRun RecordPaced(std::chrono::microseconds Stall, int Count = Blocks)
{
    TMMDSPComponent source;
    TMMRingBuffer ring;
    TStallingFile file;
    file.Stall = Stall;
    const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
    source.SetWaveFormat(&f);
    ring.SetInput(&source);
    file.SetInput(&ring);
    ring.SetQueueMode(qmWrite);
    ring.SetNumBuffers(100);
    ring.SetBufferSize(BlockSize);
    file.Wave()->FileMustExist = false;
    file.Wave()->SetFileName(Dir().filePath("ring.wav"));
    file.SetBufferSize(BlockSize);
    std::atomic<int> overflows{0};
    ring.OnOverlow = [&](TMMComponent *) { ++overflows; };
    ring.Opened();
    file.Opened();
    ring.Started();
    file.Started();
    TWaveHdrPtr h = AllocWaveHeader(BlockSize);
    for (int i = 0; i < BlockSize; ++i)
        h->lpData[i] = char(i * 7);
    TRun run;
    run.Us.reserve(size_t(Count));
    auto next = Clock::now();
    for (int i = 0; i < Count; ++i) {
        std::this_thread::sleep_until(next);
        next += BlockInterval;
        h->dwBytesRecorded = BlockSize;
        const auto t0 = Clock::now();
        source.BufferReady(h.get());
        run.Us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    ring.Stopped();
    file.Stopped();
    ring.Closed();
    file.Closed();
    run.Overflows = overflows;
    run.Written = file.Wave()->DataBytes();
    return run;
}

void BM_RingBufferReady(benchmark::State &state)
{
    for (auto _ : state) {
        const TRun run = RecordPaced(std::chrono::microseconds(0));
        const TStats s = Summarise(run.Us);
        state.counters["median_us"] = s.Median;
        state.counters["p99_us"] = s.P99;
        state.counters["max_us"] = s.Max;
        state.counters["overflows"] = run.Overflows;
        P99s()["ring"] = s.P99;
        if (run.Written + int64_t(run.Overflows) * BlockSize != int64_t(Blocks) * BlockSize)
            state.SkipWithError("blocks went missing without an overflow");
    }
}

void BM_PlainWriteOnDeviceThread(benchmark::State &state)
{
    std::vector<char> block(BlockSize, 'x');
    for (auto _ : state) {
        const int fd = ::open(Dir().filePath("plain.raw").toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<double> us;
        us.reserve(Blocks);
        auto next = Clock::now();
        for (int i = 0; i < Blocks; ++i) {
            std::this_thread::sleep_until(next);
            next += BlockInterval;
            const auto t0 = Clock::now();
            if (::write(fd, block.data(), BlockSize) != BlockSize)
                state.SkipWithError("write failed");
            us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
        }
        ::close(fd);
        const TStats s = Summarise(us);
        state.counters["median_us"] = s.Median;
        state.counters["p99_us"] = s.P99;
        state.counters["max_us"] = s.Max;
        P99s()["plain"] = s.P99;
    }
}

void BM_LongestStallAbsorbed(benchmark::State &state)
{
    for (auto _ : state) {
        double absorbed = 0;
        // Real-time stalls of 1 to 8 seconds, run at 100 times real time.
        for (int tenths = 10; tenths <= 80; tenths += 5) {
            const auto stall = std::chrono::microseconds(int64_t(tenths) * 100000 / Pace);
            const TRun run = RecordPaced(stall, 1000); // the stall comes at block 50
            if (run.Overflows > 0)
                break;
            absorbed = tenths / 10.0;
        }
        state.counters["absorbed_s"] = absorbed;
    }
}

BENCHMARK(BM_PlainWriteOnDeviceThread)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_RingBufferReady)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_LongestStallAbsorbed)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double ring = P99s()["ring"], plain = P99s()["plain"];
        std::printf("\nBufferReady p99: ring %.1f us, plain write %.1f us, ratio ring/plain %.3f\n", ring, plain,
                    plain > 0 ? ring / plain : 0.0);
    }
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
