// The wave devices through the recording page's whole chains, on the test
// sound server (tools/soundserver.sh start):
//  - processor time per second of recording (WaveIn -> ring -> file, cmThread)
//    and of playback (file -> ring -> WaveOut, cmWindow), against a bare ALSA
//    loop moving the same format in the same run (ratio printed at the end);
//  - from Start to capture running (the device thread's snd_pcm_start) and
//    to the first samples read, and from Start to the first playback buffer
//    handed to ALSA (priming of 50 buffers from the ring included).
//  - the recording again with the ring's flush rhythm off, to show what the
//    page's quarter-second writes and commits cost (ratio printed at the end).
// Processor time is the whole process's (all threads, ALSA's included).
#include "BenchMain.h"
#include "audio/MMRingBuffer.h"
#include "audio/MMWave.h"
#include "audio/MMWaveIO.h"
#include "tests/support/PageChains.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <time.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Seconds = 3;

QTemporaryDir &Dir()
{
    static QTemporaryDir dir(QDir::tempPath() + "/bench_wavedev-XXXXXX");
    return dir;
}

double CpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

double Since(Clock::time_point t0) { return std::chrono::duration<double>(Clock::now() - t0).count(); }

void RunLoopFor(int Ms)
{
    QEventLoop loop;
    QTimer::singleShot(Ms, &loop, &QEventLoop::quit);
    loop.exec();
}

std::map<std::string, double> &CpuPercent()
{
    static std::map<std::string, double> m;
    return m;
}

QByteArray ToneData(int Seconds_)
{
    QByteArray b(22050 * 2 * Seconds_, 0);
    for (int i = 0; i < b.size() / 2; ++i)
        b[2 * i] = b[2 * i + 1] = char(128 + int(100 * std::sin(2 * M_PI * 440.0 * i / 22050)));
    return b;
}

QString ToneFile()
{
    const QString path = Dir().filePath("tone.wav");
    if (!QFile::exists(path)) {
        TMMWave w;
        const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
        w.CreateFile(path, &f);
        const QByteArray d = ToneData(Seconds);
        w.WriteData(d.constData(), d.size());
        w.CloseFile();
    }
    return path;
}

bool HaveDevices(benchmark::State &state)
{
    if (WaveDevCount(TWaveDirection::Capture) > 0 && WaveDevCount(TWaveDirection::Playback) > 0)
        return true;
    state.SkipWithError("no wave device: run tools/soundserver.sh start first");
    return false;
}

void BM_RecordingChainCpu(benchmark::State &state)
{
    if (!HaveDevices(state))
        return;
    for (auto _ : state) {
        TRecorder rec(Dir().filePath("rec.wav"));
        const int interval = int(state.range(0));
        rec.MMRingBuffer1.SetFlushInterval(interval);
        rec.WaveIn.Open();
        const double cpu0 = CpuSeconds();
        const auto t0 = Clock::now();
        rec.WaveIn.Start();
        RunLoopFor(Seconds * 1000);
        const double cpu = CpuSeconds() - cpu0, wall = Since(t0);
        rec.WaveIn.Stop();
        rec.WaveIn.Close();
        state.counters["cpu_percent"] = 100 * cpu / wall;
        state.counters["recorded_s"] = double(rec.RecFile.Wave()->DataBytes()) / 44100;
        CpuPercent()[interval > 0 ? "recording" : "recording without rhythm"] = 100 * cpu / wall;
    }
}

snd_pcm_t *OpenAlsa(snd_pcm_stream_t Stream)
{
    snd_pcm_t *pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", Stream, 0) < 0)
        return nullptr;
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_U8, SND_PCM_ACCESS_RW_INTERLEAVED, 2, 22050, 1, 100000) < 0) {
        snd_pcm_close(pcm);
        return nullptr;
    }
    return pcm;
}

void BM_BareAlsaCaptureCpu(benchmark::State &state)
{
    std::vector<char> buf(4096);
    for (auto _ : state) {
        snd_pcm_t *pcm = OpenAlsa(SND_PCM_STREAM_CAPTURE);
        if (!pcm) {
            state.SkipWithError("cannot open ALSA default for capture");
            return;
        }
        const double cpu0 = CpuSeconds();
        const auto t0 = Clock::now();
        while (Since(t0) < Seconds) {
            const snd_pcm_sframes_t n = snd_pcm_readi(pcm, buf.data(), 2048);
            if (n < 0)
                snd_pcm_recover(pcm, int(n), 1);
        }
        const double cpu = CpuSeconds() - cpu0, wall = Since(t0);
        snd_pcm_close(pcm);
        state.counters["cpu_percent"] = 100 * cpu / wall;
        CpuPercent()["bare capture"] = 100 * cpu / wall;
    }
}

void BM_PlaybackChainCpu(benchmark::State &state)
{
    if (!HaveDevices(state))
        return;
    for (auto _ : state) {
        TPlayer p;
        p.Load(ToneFile());
        QEventLoop loop;
        p.WaveOut.OnStop = [&](TMMComponent *) { loop.quit(); };
        p.WaveOut.Open();
        const double cpu0 = CpuSeconds();
        const auto t0 = Clock::now();
        p.WaveOut.Start();
        QTimer::singleShot(Seconds * 1000 + 5000, &loop, &QEventLoop::quit);
        loop.exec();
        const double cpu = CpuSeconds() - cpu0, wall = Since(t0);
        p.WaveOut.Close();
        state.counters["cpu_percent"] = 100 * cpu / wall;
        state.counters["played_s"] = wall;
        CpuPercent()["playback"] = 100 * cpu / wall;
    }
}

void BM_BareAlsaPlaybackCpu(benchmark::State &state)
{
    const QByteArray data = ToneData(Seconds);
    for (auto _ : state) {
        snd_pcm_t *pcm = OpenAlsa(SND_PCM_STREAM_PLAYBACK);
        if (!pcm) {
            state.SkipWithError("cannot open ALSA default for playback");
            return;
        }
        const double cpu0 = CpuSeconds();
        const auto t0 = Clock::now();
        for (int pos = 0; pos < data.size();) {
            const int frames = std::min(2048, int(data.size() - pos) / 2);
            const snd_pcm_sframes_t n = snd_pcm_writei(pcm, data.constData() + pos, snd_pcm_uframes_t(frames));
            if (n < 0)
                snd_pcm_recover(pcm, int(n), 1);
            else
                pos += int(n) * 2;
        }
        snd_pcm_drain(pcm);
        const double cpu = CpuSeconds() - cpu0, wall = Since(t0);
        snd_pcm_close(pcm);
        state.counters["cpu_percent"] = 100 * cpu / wall;
        CpuPercent()["bare playback"] = 100 * cpu / wall;
    }
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double Ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

bool WaitFor(const std::function<bool()> &Done, int LimitMs = 3000)
{
    const auto t0 = Clock::now();
    while (!Done()) {
        if (Since(t0) * 1000 > LimitMs)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return true;
}

void BM_StartToCaptureRunning(benchmark::State &state)
{
    if (!HaveDevices(state))
        return;
    for (auto _ : state) {
        std::vector<double> running, firstData;
        for (int i = 0; i < 10; ++i) {
            TRecorder rec(Dir().filePath("rec.wav"));
            std::atomic<int64_t> firstNs{0};
            rec.WaveIn.OnBufferReady = [&](TMMComponent *, PWaveHdr) {
                int64_t zero = 0;
                firstNs.compare_exchange_strong(zero, Clock::now().time_since_epoch().count());
            };
            rec.WaveIn.Open();
            const auto t0 = Clock::now();
            rec.WaveIn.Start();
            if (!WaitFor([&] { return rec.WaveIn.Device()->FirstTransferTime().time_since_epoch().count() != 0; })) {
                state.SkipWithError("capture never ran");
                return;
            }
            running.push_back(Ms(t0, rec.WaveIn.Device()->FirstTransferTime()));
            WaitFor([&] { return firstNs != 0; });
            firstData.push_back(Ms(t0, Clock::time_point(Clock::duration(firstNs.load()))));
            rec.WaveIn.Stop();
            rec.WaveIn.Close();
        }
        state.counters["to_running_ms"] = Median(running);
        state.counters["to_first_buffer_ms"] = Median(firstData);
    }
}

void BM_StartToFirstPlaybackWrite(benchmark::State &state)
{
    if (!HaveDevices(state))
        return;
    for (auto _ : state) {
        std::vector<double> first, started;
        for (int i = 0; i < 10; ++i) {
            TPlayer p;
            p.Load(ToneFile());
        p.Load(ToneFile());
            p.WaveOut.Open();
            const auto t0 = Clock::now();
            p.WaveOut.Start();
            started.push_back(Ms(t0, Clock::now()));
            if (!WaitFor([&] { return p.WaveOut.Device()->FirstTransferTime().time_since_epoch().count() != 0; })) {
                state.SkipWithError("playback never reached ALSA");
                return;
            }
            first.push_back(Ms(t0, p.WaveOut.Device()->FirstTransferTime()));
            p.WaveOut.Stop();
            p.WaveOut.Close();
        }
        state.counters["to_first_write_ms"] = Median(first);
        state.counters["start_returned_ms"] = Median(started);
    }
}

BENCHMARK(BM_BareAlsaCaptureCpu)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_RecordingChainCpu)->Arg(250)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_BareAlsaPlaybackCpu)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_PlaybackChainCpu)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_StartToCaptureRunning)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_StartToFirstPlaybackWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        auto &c = CpuPercent();
        auto line = [&](const char *what, const char *chain, const char *bare) {
            if (c.count(chain) && c.count(bare))
                std::printf("%s: chain %.2f %% of one core, bare ALSA %.2f %%, ratio chain/bare %.2f\n", what, c[chain],
                            c[bare], c[bare] > 0 ? c[chain] / c[bare] : 0.0);
        };
        std::printf("\n");
        line("recording", "recording", "bare capture");
        if (c.count("recording") && c.count("recording without rhythm"))
            std::printf("recording: with the flush rhythm %.2f %% of one core, without %.2f %%, difference %.2f %%\n",
                        c["recording"], c["recording without rhythm"], c["recording"] - c["recording without rhythm"]);
        line("playback ", "playback", "bare playback");
    }
};

} // namespace

int main(int argc, char **argv)
{
    TRatioReporter reporter;
    return RunWidgetBenchmarks(argc, argv, &reporter);
}
