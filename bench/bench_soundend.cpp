// How soon the end of a one-second sound is known, on whatever route ALSA
// "default" takes (run it once per route; tools/soundserver.sh sets them up):
//  - the word-sound player, from PlaySound to its Finished event;
//  - the recording page's Play (file -> ring -> WaveOut), from Start to OnStop;
//  - the baseline in the same run: bare ALSA writing the same second as 16-bit
//    samples and waiting until the stream holds nothing more.
// Each time less the sound's own second is how long after its end the end was
// known, start-up included (so an upper bound); the aim is at most 0.3 s. The
// ratio to the baseline is printed at the end.
#include "BenchMain.h"
#include "sound/playsound.h"
#include "tests/support/PageChains.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <alsa/asoundlib.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Rate = 22050;

double Since(Clock::time_point t0) { return std::chrono::duration<double>(Clock::now() - t0).count(); }

std::map<std::string, double> &AfterEnd()
{
    static std::map<std::string, double> m;
    return m;
}

// One second of 440 Hz, 8-bit stereo as the program records it.
QString WordFile()
{
    static QTemporaryDir dir(QDir::tempPath() + "/bench_soundend-XXXXXX");
    const QString path = dir.filePath("word.wav");
    if (!QFile::exists(path)) {
        QByteArray d(Rate * 2, char(128));
        for (int i = 0; i < Rate; ++i)
            d[2 * i] = d[2 * i + 1] = char(128 + int(100 * std::sin(2 * M_PI * 440.0 * i / Rate)));
        TMMWave w;
        const TWaveFormatEx f = MakePCMWaveFormat(8, 2, Rate);
        w.CreateFile(path, &f);
        w.WriteData(d.constData(), d.size());
        w.CloseFile();
    }
    return path;
}

void Record(benchmark::State &state, const char *name, double seconds)
{
    state.counters["after_end_s"] = seconds - 1.0;
    AfterEnd()[name] = seconds - 1.0;
}

void BM_BareAlsaSecond(benchmark::State &state)
{
    std::vector<int16_t> data(size_t(Rate) * 2);
    for (int i = 0; i < Rate; ++i)
        data[size_t(2 * i)] = data[size_t(2 * i + 1)] = int16_t(25600 * std::sin(2 * M_PI * 440.0 * i / Rate));
    for (auto _ : state) {
        snd_pcm_t *pcm = nullptr;
        if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0
            || snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 2, Rate, 1, 100000) < 0) {
            state.SkipWithError("cannot open ALSA default for playback");
            return;
        }
        const auto t0 = Clock::now();
        for (size_t pos = 0; pos < size_t(Rate);) {
            const snd_pcm_sframes_t n = snd_pcm_writei(pcm, data.data() + 2 * pos, snd_pcm_uframes_t(Rate) - pos);
            if (n < 0)
                snd_pcm_recover(pcm, int(n), 1);
            else
                pos += size_t(n);
        }
        // Waits as long as the stream says it holds frames, 3 s at most.
        snd_pcm_sframes_t delay = 0;
        while (Since(t0) < 3 && snd_pcm_state(pcm) == SND_PCM_STATE_RUNNING && snd_pcm_delay(pcm, &delay) == 0
               && delay > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        Record(state, "bare", Since(t0));
        snd_pcm_drop(pcm);
        snd_pcm_close(pcm);
    }
}

void BM_PlaySoundSecond(benchmark::State &state)
{
    const QString word = WordFile();
    for (auto _ : state) {
        std::atomic<bool> finished{false}, failed{false};
        SetPlaySoundObserver([&](TPlaySoundEvent e, const QString &) {
            finished = finished || e == TPlaySoundEvent::Finished;
            failed = failed || e == TPlaySoundEvent::Failed;
        });
        const auto t0 = Clock::now();
        PlaySound(word);
        while (!finished && !failed && Since(t0) < 5)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        const double seconds = Since(t0);
        SetPlaySoundObserver(nullptr);
        WaitPlaySoundIdle(5000);
        if (!finished) {
            state.SkipWithError("the word did not finish: no sound server?");
            return;
        }
        Record(state, "PlaySound", seconds);
    }
}

void BM_PagePlaySecond(benchmark::State &state)
{
    const QString word = WordFile();
    for (auto _ : state) {
        TPlayer p;
        p.Load(word);
        QEventLoop loop;
        bool stopped = false;
        p.WaveOut.OnStop = [&](TMMComponent *) {
            stopped = true;
            loop.quit();
        };
        const auto t0 = Clock::now();
        p.WaveOut.Start();
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        const double seconds = Since(t0);
        p.WaveOut.Close();
        if (!stopped) {
            state.SkipWithError("Play did not end: no sound server?");
            return;
        }
        Record(state, "Play", seconds);
    }
}

BENCHMARK(BM_BareAlsaSecond)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_PlaySoundSecond)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_PagePlaySecond)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        auto &a = AfterEnd();
        std::printf("\n");
        for (const char *what : {"PlaySound", "Play"})
            if (a.count(what) && a.count("bare"))
                std::printf("%-9s: end known %.3f s after the sound's second (bare ALSA %.3f s), whole time ratio %.2f\n",
                            what, a[what], a["bare"], (1 + a[what]) / (1 + a["bare"]));
    }
};

} // namespace

int main(int argc, char **argv)
{
    TRatioReporter reporter;
    return RunWidgetBenchmarks(argc, argv, &reporter);
}
