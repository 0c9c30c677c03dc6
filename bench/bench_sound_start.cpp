// "Sound at once": how soon a word's sound reaches the device.
//
// The real run screen (sound with the word) draws --words=N words (120 unless
// told; each takes its half-second blank); for every word the time from its
// first paint to the moment the player has handed the first samples to the
// device, and from the player being asked to that moment, are taken:
//   paint_to_sample_p50_ms / _p99_ms  word's paint to its first sample at the
//                                     device (negative: handed over before
//                                     the paint ended)
//   handover_p50_ms / _p99_ms         player asked to first sample handed
// Baselines in the same run, the same sound, the same number of times:
//   kept_open_p50_ms / _p99_ms        a bare ALSA stream kept open, woken by a
//                                     condition variable, writing the samples
//   vs_kept_open                      handover_p99_ms / kept_open_p99_ms
//   kept_open_in_run_p50_ms / _p99_ms the same bare stream woken where the run
//                                     screen asks for the word's sound, while
//                                     the screen paints the word (the player's
//                                     own conditions)
//   vs_kept_open_in_run               handover_p99_ms / kept_open_in_run_p99_ms
//   per_sound_open_p99_ms             the player outside a run screen, which
//                                     opens the device for each sound
// Needs a sound server (tools/soundserver.sh start); the context lines at the
// top say whether one answered and how busy the machine was.
#include "BenchMain.h"
#include "data/uCommon.h"
#include "sound/alsapcm.h"
#include "sound/playsound.h"
#include "run/uRun.h"
#include "tests/support/ToneWave.h"

#include <QTemporaryDir>
#include <QThread>
#include <alsa/asoundlib.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

int Words = 120;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

// The player's events with the time each came.
struct TWatch {
    std::mutex Mutex;
    std::condition_variable Cond;
    Clock::time_point Asked{}, Started{};
    uint64_t StartedCount = 0;
    void Install()
    {
        SetPlaySoundObserver([this](TPlaySoundEvent e, const QString &) {
            const auto now = Clock::now();
            std::lock_guard lock(Mutex);
            if (e == TPlaySoundEvent::Requested) {
                Asked = now;
            } else if (e == TPlaySoundEvent::Started) {
                Started = now;
                ++StartedCount;
                Cond.notify_all();
            }
        });
    }
    bool WaitStarted(uint64_t count)
    {
        std::unique_lock lock(Mutex);
        return Cond.wait_for(lock, std::chrono::seconds(3), [&] { return StartedCount >= count; });
    }
};

// A bare ALSA stream kept open on a thread of its own: woken, it writes the
// sound in the same small pieces and notes when the first one was taken.
class TKeptOpen {
public:
    explicit TKeptOpen(const TWaveSound &sound) : FSound(sound)
    {
        // The player hands the server 16-bit samples; so does the baseline.
        FWide.resize(sound.Data.size() * 2);
        WidenU8(sound.Data.constData(), reinterpret_cast<int16_t *>(FWide.data()), size_t(sound.Data.size()));
        FThread = std::thread([this] { Run(); });
    }
    ~TKeptOpen()
    {
        {
            std::lock_guard lock(FMutex);
            FQuit = true;
        }
        FCond.notify_all();
        FThread.join();
    }
    bool Ok()
    {
        std::unique_lock lock(FMutex);
        FCond.wait_for(lock, std::chrono::seconds(10), [this] { return FReady; });
        return FPcm != nullptr;
    }
    // Wakes the thread and returns how long the first piece took to be taken.
    double Once()
    {
        Wake();
        return WaitTaken();
    }
    // The same in two halves, for a caller that goes on with its own work
    // (painting a word) in between.
    void Wake()
    {
        std::lock_guard lock(FMutex);
        FAskedAt = Clock::now();
        ++FAsked;
        FCond.notify_all();
    }
    double WaitTaken()
    {
        std::unique_lock lock(FMutex);
        FCond.wait_for(lock, std::chrono::seconds(3), [this] { return FDone == FAsked; });
        return Ms(FFirstAt - FAskedAt);
    }

private:
    void Run()
    {
        snd_pcm_t *pcm = nullptr;
        if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) == 0
            && snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 2, 22050, 1, 100000) == 0) {
            snd_pcm_uframes_t buffer = 0, period = 0;
            snd_pcm_get_params(pcm, &buffer, &period);
            snd_pcm_sw_params_t *sw;
            snd_pcm_sw_params_alloca(&sw);
            snd_pcm_sw_params_current(pcm, sw);
            snd_pcm_sw_params_set_start_threshold(pcm, sw, period);
            snd_pcm_sw_params(pcm, sw);
        } else if (pcm) {
            snd_pcm_close(pcm);
            pcm = nullptr;
        }
        std::unique_lock lock(FMutex);
        FPcm = pcm;
        FReady = true;
        FCond.notify_all();
        uint64_t seen = 0;
        while (FPcm) {
            FCond.wait(lock, [&] { return FQuit || FAsked != seen; });
            if (FQuit)
                break;
            seen = FAsked;
            lock.unlock();
            const snd_pcm_uframes_t frames = snd_pcm_uframes_t(FWide.size() / 4);
            const snd_pcm_uframes_t chunk = 22050 / 50;
            Clock::time_point first{};
            for (snd_pcm_uframes_t done = 0; done < frames;) {
                snd_pcm_sframes_t w = snd_pcm_writei(FPcm, FWide.constData() + done * 4, std::min(chunk, frames - done));
                if (w < 0) {
                    if (snd_pcm_recover(FPcm, int(w), 1) < 0)
                        break;
                    continue;
                }
                if (done == 0)
                    first = Clock::now();
                done += snd_pcm_uframes_t(w);
            }
            snd_pcm_drain(FPcm);
            snd_pcm_prepare(FPcm);
            lock.lock();
            FFirstAt = first;
            FDone = seen;
            FCond.notify_all();
        }
        if (FPcm)
            snd_pcm_close(FPcm);
    }

    const TWaveSound FSound;
    QByteArray FWide;
    std::thread FThread;
    std::mutex FMutex;
    std::condition_variable FCond;
    snd_pcm_t *FPcm = nullptr;
    bool FReady = false;
    bool FQuit = false;
    uint64_t FAsked = 0, FDone = 0;
    Clock::time_point FAskedAt{}, FFirstAt{};
};

void BM_SoundAtOnce(benchmark::State &state)
{
    QTemporaryDir dir;
    Settings = TSettings();
    Settings.SoundDir = dir.path() + "/";
    Settings.Transition = tmKeyPress;
    Settings.SoundMode = sndNormal;
    NowWords = {{QStringLiteral("elephant"), 1}, {QStringLiteral("giraffe"), 2}, {QStringLiteral("zebra"), 3}};
    const QByteArray wave = MakeWave(2, 8, 22050, 0.3);
    for (const TWordEntry &w : NowWords) {
        QFile f(SoundFileName(w.SoundNo));
        if (!f.open(QIODevice::WriteOnly) || f.write(wave) <= 0) {
            state.SkipWithError("cannot write the word sounds");
            return;
        }
    }
    TWaveSound sound;
    QString error;
    ParseWaveSound(wave, sound, error);

    for (auto _ : state) {
        TWatch watch;
        watch.Install();
        std::vector<double> paintToSample, handover, keptOpen, keptInRun, perSound;
        {
            TfmRun run;
            run.Mode = rmStart;
            run.SetAppearance(Settings.FontColor, Settings.BackColor, 200, Settings.FontName, true);
            run.show();
            run.setGeometry(0, 0, 1280, 720);
            // The stream opens in the background as the screen shows.
            for (int i = 0; i < 500 && !PlaySoundStreamOpen(); ++i)
                QThread::msleep(10);
            if (!PlaySoundStreamOpen()) {
                state.SkipWithError("no sound device (start tools/soundserver.sh)");
                return;
            }
            WaitPlaySoundIdle(3000);
            for (int i = 0; i < Words; ++i) {
                const uint64_t before = watch.StartedCount;
                run.NextWord();
                const Clock::time_point painted = run.WordPaintedAt();
                if (!watch.WaitStarted(before + 1)) {
                    state.SkipWithError("a word's sound did not start");
                    return;
                }
                std::lock_guard lock(watch.Mutex);
                paintToSample.push_back(Ms(watch.Started - painted));
                handover.push_back(Ms(watch.Started - watch.Asked));
            }
            run.close();
        }
        WaitPlaySoundIdle(3000);
        // The player outside a run screen: one device opening per sound.
        for (int i = 0; i < Words / 4; ++i) {
            const uint64_t before = watch.StartedCount;
            PlaySound(SoundFileName(1));
            if (!watch.WaitStarted(before + 1))
                break;
            {
                std::lock_guard lock(watch.Mutex);
                perSound.push_back(Ms(watch.Started - watch.Asked));
            }
            WaitPlaySoundIdle(3000);
        }
        SetPlaySoundObserver({});
        {
            TKeptOpen kept(sound);
            if (!kept.Ok()) {
                state.SkipWithError("the baseline stream did not open");
                return;
            }
            for (int i = 0; i < Words; ++i) {
                keptOpen.push_back(kept.Once());
                QThread::msleep(100);
            }
        }
        // The bare stream once more, woken where the run screen asks for the
        // word's sound (its files are missing, so the player has nothing to
        // do) while the screen goes on to paint the word: the same moment and
        // the same competition for the processor as the player's hand-over.
        {
            TKeptOpen kept(sound);
            if (!kept.Ok()) {
                state.SkipWithError("the baseline stream did not open");
                return;
            }
            const TWordList words = NowWords;
            for (TWordEntry &w : NowWords)
                w.SoundNo += 1000;
            SetPlaySoundObserver([&kept](TPlaySoundEvent e, const QString &) {
                if (e == TPlaySoundEvent::Requested)
                    kept.Wake();
            });
            {
                TfmRun run;
                run.Mode = rmStart;
                run.SetAppearance(Settings.FontColor, Settings.BackColor, 200, Settings.FontName, true);
                kept.WaitTaken();
                run.show();
                run.setGeometry(0, 0, 1280, 720);
                for (int i = 0; i < Words; ++i) {
                    run.NextWord();
                    keptInRun.push_back(kept.WaitTaken());
                }
                run.close();
            }
            SetPlaySoundObserver({});
            NowWords = words;
        }
        const double keptInRunP99 = Percentile(keptInRun, 0.99);
        state.counters["kept_open_in_run_p50_ms"] = Percentile(keptInRun, 0.5);
        state.counters["kept_open_in_run_p99_ms"] = keptInRunP99;
        const double handoverP99 = Percentile(handover, 0.99);
        state.counters["vs_kept_open_in_run"] = keptInRunP99 > 0 ? handoverP99 / keptInRunP99 : 0;
        const double keptP99 = Percentile(keptOpen, 0.99);
        state.counters["paint_to_sample_p50_ms"] = Percentile(paintToSample, 0.5);
        state.counters["paint_to_sample_p99_ms"] = Percentile(paintToSample, 0.99);
        state.counters["handover_p50_ms"] = Percentile(handover, 0.5);
        state.counters["handover_p99_ms"] = handoverP99;
        state.counters["kept_open_p50_ms"] = Percentile(keptOpen, 0.5);
        state.counters["kept_open_p99_ms"] = keptP99;
        state.counters["vs_kept_open"] = keptP99 > 0 ? handoverP99 / keptP99 : 0;
        state.counters["per_sound_open_p99_ms"] = Percentile(perSound, 0.99);
        state.counters["words"] = double(paintToSample.size());
    }
}
BENCHMARK(BM_SoundAtOnce)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Our own option first; Google Benchmark refuses options it does not know.
    int out = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--words=", 8) == 0)
            Words = std::max(4, std::atoi(argv[i] + 8));
        else
            argv[out++] = argv[i];
    }
    argc = out;
    return RunWidgetBenchmarks(argc, argv);
}
