// How soon a spoken word's voice follows the word onto the screen: from the end
// of the word's first paint on the run screen to the player's Started event (its
// first samples handed to ALSA "default"), with the next word synthesised ahead
// while the current one is up. The baseline in the same run: a recording of the
// same length and format (the voice's own samples written as the word's file),
// played the same way. A negative time means the sound started before the paint
// ended; the aim is a p99 under 20 ms. Needs a sound server
// (tools/soundserver.sh start).
#include "BenchMain.h"

#include "data/uCommon.h"
#include "sound/playsound.h"
#include "sound/speech.h"
#include "run/uRun.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Words = 40;

std::map<std::string, double> &P99()
{
    static std::map<std::string, double> m;
    return m;
}

template <class F> bool PumpUntil(F done, int limitMs)
{
    const auto end = Clock::now() + std::chrono::milliseconds(limitMs);
    while (!done()) {
        if (Clock::now() > end)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(500);
    }
    return true;
}

// Milliseconds from each word's first paint to its sound's first samples.
void MeasureWords(benchmark::State &state, bool recorded)
{
    static QTemporaryDir dir;
    Settings = TSettings();
    Settings.SoundDir = dir.path() + "/";
    Settings.Transition = tmKeyPress;
    Settings.SoundMode = sndNormal;
    Settings.Voice = QStringLiteral("en");
    NowWords = {{QStringLiteral("window"), 1}, {QStringLiteral("garden"), 2}};
    const QByteArray voice = SpeechWave(QStringLiteral("window"), Settings.Voice);
    if (voice.isEmpty()) {
        state.SkipWithError("espeak-ng cannot speak here (install espeak-ng-data)");
        return;
    }
    for (int n : {1, 2}) {
        QFile::remove(SoundFileName(n));
        if (recorded) {
            QFile f(SoundFileName(n));
            f.open(QIODevice::WriteOnly);
            f.write(voice);
        }
    }

    std::atomic<int64_t> startedAt{0};
    SetPlaySoundObserver([&](TPlaySoundEvent event, const QString &) {
        if (event == TPlaySoundEvent::Started)
            startedAt = Clock::now().time_since_epoch().count();
    });
    std::vector<double> ms;
    for (auto _ : state) {
        TfmRun run;
        run.Mode = rmStart;
        run.SetAppearance(clRed, clYellow, 96, QStringLiteral("Arial"), true);
        run.show();
        for (int i = 0; i < Words; ++i) {
            const QString next = run.CurrentText == "window" ? QStringLiteral("garden") : QStringLiteral("window");
            if (!recorded && !PumpUntil([&] { return SpeechPrepared(next, Settings.Voice); }, 10000)) {
                state.SkipWithError("the next word was not synthesised ahead");
                break;
            }
            startedAt = 0;
            run.NextWord();
            if (!PumpUntil([&] { return startedAt != 0; }, 5000)) {
                state.SkipWithError(qPrintable("no sound started: " + PlaySoundStatus().LastError));
                break;
            }
            const auto started = Clock::time_point(Clock::duration(startedAt.load()));
            ms.push_back(std::chrono::duration<double, std::milli>(started - run.WordPaintedAt()).count());
        }
        run.close();
    }
    SetPlaySoundObserver({});
    StopSound();
    WaitPlaySoundIdle(5000);
    if (ms.empty())
        return;
    std::sort(ms.begin(), ms.end());
    const double p50 = ms[ms.size() / 2];
    const double p99 = ms[std::min(ms.size() - 1, size_t(double(ms.size()) * 0.99))];
    state.counters["p50_ms"] = p50;
    state.counters["p99_ms"] = p99;
    state.counters["max_ms"] = ms.back();
    P99()[recorded ? "recording" : "voice"] = p99;
}

void BM_FirstPaintToRecordingSound(benchmark::State &state) { MeasureWords(state, true); }
void BM_FirstPaintToVoiceSound(benchmark::State &state) { MeasureWords(state, false); }

BENCHMARK(BM_FirstPaintToRecordingSound)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstPaintToVoiceSound)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    const int rc = RunWidgetBenchmarks(argc, argv);
    if (P99().count("voice") && P99().count("recording"))
        std::printf("first paint to first sample, p99: voice %.2f ms, recording %.2f ms, difference %+.2f ms "
                    "(aim: voice under 20 ms)\n",
                    P99()["voice"], P99()["recording"], P99()["voice"] - P99()["recording"]);
    return rc;
}
