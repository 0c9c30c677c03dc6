// The ring buffer between a device and a wave file, moving 100 MB into a file
// (capture side) and out of it (playback side), against a plain write() and
// read() loop of the same 4096-byte blocks in the same run. Prints MB/s and
// the ratio ring / plain for each direction.
#include "audio/MMRingBuffer.h"
#include "audio/MMWave.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int64_t TotalBytes = 100LL * 1024 * 1024;
constexpr int BlockSize = 4096;

QTemporaryDir &Dir()
{
    static QTemporaryDir dir(QDir::tempPath() + "/bench_ringbuffer-XXXXXX");
    return dir;
}
QString RingFile() { return Dir().filePath("ring.wav"); }
QString PlainFile() { return Dir().filePath("plain.raw"); }

std::vector<char> Block()
{
    std::vector<char> b(BlockSize);
    for (int i = 0; i < BlockSize; ++i)
        b[size_t(i)] = char(i * 7);
    return b;
}

// Capture side: a producer pushes blocks as a capture device would; the
// ring's worker writes them to the file in 64 KiB chunks.
void BM_RingIntoWaveFile(benchmark::State &state)
{
    const std::vector<char> block = Block();
    for (auto _ : state) {
        TMMDSPComponent source;
        TMMRingBuffer ring;
        TMMWaveFile file;
        const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
        source.SetWaveFormat(&f);
        ring.SetInput(&source);
        file.SetInput(&ring);
        ring.SetQueueMode(qmWrite);
        ring.SetNumBuffers(100);
        ring.SetBufferSize(BlockSize);
        ring.SetWaitIfFull(true); // a benchmark producer must not lose data
        file.Wave()->FileMustExist = false;
        file.Wave()->SetFileName(RingFile());
        file.SetBufferSize(BlockSize);
        ring.Opened();
        file.Opened();
        ring.Started();
        file.Started();
        TWaveHdrPtr h = AllocWaveHeader(BlockSize);
        std::memcpy(h->lpData, block.data(), BlockSize);
        h->dwBytesRecorded = BlockSize;
        for (int64_t done = 0; done < TotalBytes; done += BlockSize)
            source.BufferReady(h.get());
        ring.Stopped();
        file.Stopped();
        ring.Closed();
        file.Closed();
        if (file.Wave()->DataBytes() != TotalBytes)
            state.SkipWithError("recording incomplete");
    }
    state.SetBytesProcessed(state.iterations() * TotalBytes);
}

void BM_PlainWriteLoop(benchmark::State &state)
{
    const std::vector<char> block = Block();
    for (auto _ : state) {
        const int fd = ::open(PlainFile().toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (int64_t done = 0; done < TotalBytes; done += BlockSize)
            if (::write(fd, block.data(), BlockSize) != BlockSize)
                state.SkipWithError("write failed");
        ::close(fd);
    }
    state.SetBytesProcessed(state.iterations() * TotalBytes);
}

// Playback side: a consumer pulls blocks as a playback device would; the
// ring's worker reads the file in 64 KiB chunks. Like a device paced by its
// sound card, the consumer does not read an empty ring (which gives silence).
void BM_RingOutOfWaveFile(benchmark::State &state)
{
    for (auto _ : state) {
        TMMWaveFile file;
        TMMRingBuffer ring;
        TMMDSPComponent sink;
        file.Wave()->SetFileName(RingFile());
        ring.SetInput(&file);
        sink.SetInput(&ring);
        ring.SetQueueMode(qmRead);
        ring.SetNumBuffers(100);
        ring.SetBufferSize(BlockSize);
        file.SetBufferSize(BlockSize);
        file.Opened();
        ring.Opened();
        file.Started();
        ring.Started();
        TWaveHdrPtr h = AllocWaveHeader(BlockSize);
        int64_t got = 0;
        for (;;) {
            while (ring.IsPrimed() && ring.IsEmpty())
                std::this_thread::yield();
            h->dwBufferLength = BlockSize;
            h->dwBytesRecorded = 0;
            bool more = false;
            sink.BufferLoad(h.get(), more);
            got += h->dwBytesRecorded;
            benchmark::DoNotOptimize(h->lpData[0]);
            if (!more || h->dwBytesRecorded == 0)
                break;
        }
        ring.Stopped();
        file.Stopped();
        ring.Closed();
        file.Closed();
        if (got != TotalBytes)
            state.SkipWithError("playback incomplete");
    }
    state.SetBytesProcessed(state.iterations() * TotalBytes);
}

void BM_PlainReadLoop(benchmark::State &state)
{
    std::vector<char> block(BlockSize);
    for (auto _ : state) {
        const int fd = ::open(PlainFile().toLocal8Bit().constData(), O_RDONLY);
        int64_t got = 0;
        ssize_t n;
        while ((n = ::read(fd, block.data(), BlockSize)) > 0) {
            got += n;
            benchmark::DoNotOptimize(block[0]);
        }
        ::close(fd);
        if (got != TotalBytes)
            state.SkipWithError("read incomplete");
    }
    state.SetBytesProcessed(state.iterations() * TotalBytes);
}

// Order matters: each read benchmark reads the file its write partner made.
BENCHMARK(BM_PlainWriteLoop)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_RingIntoWaveFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_PlainReadLoop)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_RingOutOfWaveFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Prints the usual table, then MB/s and the ring / plain ratios.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &Runs) override
    {
        ConsoleReporter::ReportRuns(Runs);
        for (const Run &r : Runs) {
            if (r.run_type != Run::RT_Iteration || r.iterations == 0)
                continue;
            const double seconds = r.real_accumulated_time / double(r.iterations);
            FMBps[r.benchmark_name()] = double(TotalBytes) / (1024.0 * 1024.0) / seconds;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        auto mb = [&](const char *name) {
            for (const auto &[k, v] : FMBps)
                if (k.rfind(name, 0) == 0)
                    return v;
            return 0.0;
        };
        const double pw = mb("BM_PlainWriteLoop"), rw = mb("BM_RingIntoWaveFile");
        const double pr = mb("BM_PlainReadLoop"), rr = mb("BM_RingOutOfWaveFile");
        std::printf("\nwrite: ring %.1f MB/s, plain %.1f MB/s, ratio ring/plain %.3f\n", rw, pw, pw > 0 ? rw / pw : 0.0);
        std::printf("read:  ring %.1f MB/s, plain %.1f MB/s, ratio ring/plain %.3f\n", rr, pr, pr > 0 ? rr / pr : 0.0);
    }

private:
    std::map<std::string, double> FMBps;
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
