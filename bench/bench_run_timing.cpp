// Run-screen timing: the real run screen (1920 x 1080, delay mode, delayed sound)
// runs for a number of words with Delay 4, 6 and 20, and every blank and every word
// is timed from its paint to the next paint, every delayed sound from its word's
// paint to the moment the player is asked for it and to the moment its samples
// reach the device. Each kind of interval is reported as its median and its
// largest deviation from its mark (word: Delay x 500 ms, at least 2000; blank:
// 500 ms; sound: 2000 ms after its word).
//
// Baseline in the same run: a bare precise Qt timer on a thread of its own, firing
// the same intervals meanwhile; its largest lateness shows how much of a deviation
// the machine itself causes.
//
// Runs in real time: 60 words take 2.5, 3.5 and 10.5 minutes with Delay 4, 6 and
// 20 (about 17 minutes in all). --cycles=N changes the count of words;
// --minutes=M instead runs each delay for about M minutes (--minutes=60
// --benchmark_filter=/4 is the one-hour run); --benchmark_filter=/20 runs one
// delay. Every kind is also reported with its shortest and longest interval,
// the worst the run saw. On a shared, busy machine the figures are
// steadier with a higher priority (the program uses almost no processor time):
//     nice -n -10 build/bench/bench_run_timing
#include "BenchMain.h"
#include "data/uCommon.h"
#include "sound/playsound.h"
#include "run/uRun.h"
#include "tests/support/ToneWave.h"

#include <QEventLoop>
#include <QFile>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

int Cycles = 60;
int Minutes = 0;   // when set, the count of words follows from the delay

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

enum class TMoment { Blank, Word, SoundAsked, SoundPlaying };

struct TRecord {
    TMoment Kind;
    Clock::time_point At;
};

// Everything the screen and the player did, in order of time.
class TTimeline {
public:
    void Add(TMoment kind, Clock::time_point at = Clock::now())
    {
        std::lock_guard<std::mutex> lock(FMutex);
        FRecords.push_back({kind, at});
    }
    std::vector<TRecord> Records()
    {
        std::lock_guard<std::mutex> lock(FMutex);
        std::vector<TRecord> r = FRecords;
        std::stable_sort(r.begin(), r.end(), [](const TRecord &a, const TRecord &b) { return a.At < b.At; });
        return r;
    }

private:
    std::mutex FMutex;
    std::vector<TRecord> FRecords;
};

// The run screen with a stopwatch on its paint: a blank or a word counts once,
// when its first paint has ended (repaints of the same picture are left out).
class TTimedRun : public TfmRun {
public:
    TTimeline *Timeline = nullptr;
    int Words = 0;
    std::function<void()> OnWord;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        TfmRun::paintEvent(event);
        const bool blank = CurrentText.isEmpty();
        if (blank == FLastBlank)
            return;
        FLastBlank = blank;
        Timeline->Add(blank ? TMoment::Blank : TMoment::Word);
        if (!blank) {
            ++Words;
            if (OnWord)
                OnWord();
        }
    }

private:
    bool FLastBlank = true;
};

// A precise Qt timer on a thread of its own, firing the word and blank intervals
// one after the other; records how late each firing came.
class TBaselineTimer : public QThread {
public:
    explicit TBaselineTimer(int wordMs) : FIntervals{wordMs, BlankLength} {}
    std::vector<double> Lateness;

protected:
    void run() override
    {
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        Clock::time_point started;
        size_t k = 0;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            const auto now = Clock::now();
            Lateness.push_back(Ms(now - started) - FIntervals[k % 2]);
            ++k;
            started = Clock::now();
            timer.start(FIntervals[k % 2]);
        });
        started = Clock::now();
        timer.start(FIntervals[0]);
        exec();
    }

private:
    int FIntervals[2];
};

struct TSummary {
    double Median = 0;
    double WorstDeviation = 0;  // signed: the largest in size
    double Shortest = 0;
    double Longest = 0;
    size_t Count = 0;
};

TSummary Summarise(std::vector<double> values, double mark)
{
    TSummary s;
    s.Count = values.size();
    if (values.empty())
        return s;
    for (double v : values)
        if (std::abs(v - mark) > std::abs(s.WorstDeviation))
            s.WorstDeviation = v - mark;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    s.Shortest = values.front();
    s.Longest = values.back();
    s.Median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return s;
}

void Report(benchmark::State &state, const char *name, const TSummary &s, double mark)
{
    state.counters[std::string(name) + "_median_ms"] = s.Median;
    state.counters[std::string(name) + "_worst_dev_ms"] = s.WorstDeviation;
    state.counters[std::string(name) + "_shortest_ms"] = s.Shortest;
    state.counters[std::string(name) + "_longest_ms"] = s.Longest;
    std::fprintf(stderr,
                 "  %-22s mark %6.0f ms  n %3zu  median %9.2f ms  worst deviation %+8.2f ms  "
                 "shortest %9.2f  longest %9.2f ms\n",
                 name, mark, s.Count, s.Median, s.WorstDeviation, s.Shortest, s.Longest);
}

void BM_RunScreenTiming(benchmark::State &state)
{
    const int delay = int(state.range(0));
    const double wordMark = delay <= 4 ? ShowingLength : delay * 500.0;
    const int cycles = Minutes > 0 ? std::max(1, int(Minutes * 60000.0 / (wordMark + BlankLength))) : Cycles;

    QTemporaryDir dir;
    Settings = TSettings();
    Settings.SoundDir = dir.path() + "/";
    Settings.Transition = tmDelay;
    Settings.Delay = delay;
    Settings.SoundMode = sndDelayed;
    NowWords = {{QStringLiteral("elephant"), 1}, {QStringLiteral("giraffe"), 2}, {QStringLiteral("zebra"), 3}};
    for (const TWordEntry &w : NowWords) {
        QFile f(SoundFileName(w.SoundNo));
        if (!f.open(QIODevice::WriteOnly) || f.write(MakeWave(2, 8, 22050, 0.3)) <= 0) {
            state.SkipWithError("cannot write the word sounds");
            return;
        }
    }

    for (auto _ : state) {
        TTimeline timeline;
        SetPlaySoundObserver([&](TPlaySoundEvent e, const QString &) {
            if (e == TPlaySoundEvent::Requested)
                timeline.Add(TMoment::SoundAsked);
            else if (e == TPlaySoundEvent::Started)
                timeline.Add(TMoment::SoundPlaying);
        });
        TBaselineTimer baseline{int(wordMark)};
        baseline.start();

        QEventLoop loop;
        TTimedRun run;
        run.Timeline = &timeline;
        // One word more than the cycles, so that the last cycle's word has its blank.
        run.OnWord = [&] {
            if (run.Words > cycles)
                loop.quit();
        };
        run.Mode = rmStart;
        run.SetAppearance(Settings.FontColor, Settings.BackColor, 200, Settings.FontName, true);
        run.show();
        run.setGeometry(0, 0, 1920, 1080);
        const int expectedMs = int((cycles + 1) * (wordMark + BlankLength));
        bool timedOut = false;
        QTimer::singleShot(expectedMs + 30000, &loop, [&] {
            timedOut = true;
            loop.quit();
        });
        const auto t0 = Clock::now();
        loop.exec();
        const auto t1 = Clock::now();
        run.close();
        baseline.quit();
        baseline.wait();
        SetPlaySoundObserver({});
        StopSound();
        WaitPlaySoundIdle(5000);
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        if (timedOut) {
            state.SkipWithError("the screen fell behind by more than 30 s");
            return;
        }

        std::vector<double> words, blanks, asked, playing;
        const std::vector<TRecord> r = timeline.Records();
        for (size_t i = 0; i < r.size(); ++i) {
            if (r[i].Kind == TMoment::Blank || r[i].Kind == TMoment::Word) {
                // The next paint of the other kind ends this one.
                const TMoment other = r[i].Kind == TMoment::Blank ? TMoment::Word : TMoment::Blank;
                for (size_t j = i + 1; j < r.size(); ++j)
                    if (r[j].Kind == other) {
                        (r[i].Kind == TMoment::Blank ? blanks : words).push_back(Ms(r[j].At - r[i].At));
                        break;
                    }
            }
            if (r[i].Kind != TMoment::Word)
                continue;
            // This word's sound: the first request and start before the next word.
            bool gotAsked = false, gotPlaying = false;
            for (size_t j = i + 1; j < r.size() && r[j].Kind != TMoment::Word; ++j) {
                if (r[j].Kind == TMoment::SoundAsked && !gotAsked) {
                    asked.push_back(Ms(r[j].At - r[i].At));
                    gotAsked = true;
                } else if (r[j].Kind == TMoment::SoundPlaying && !gotPlaying && gotAsked) {
                    playing.push_back(Ms(r[j].At - r[i].At));
                    gotPlaying = true;
                }
            }
        }
        std::fprintf(stderr, "Delay %d, %d words:\n", delay, cycles);
        Report(state, "word", Summarise(words, wordMark), wordMark);
        Report(state, "blank", Summarise(blanks, BlankLength), BlankLength);
        Report(state, "sound_asked", Summarise(asked, ShowingLength), ShowingLength);
        Report(state, "sound_playing", Summarise(playing, ShowingLength), ShowingLength);
        std::vector<double> late = baseline.Lateness;
        const TSummary b = Summarise(late, 0);
        state.counters["baseline_worst_late_ms"] = b.WorstDeviation;
        std::fprintf(stderr, "  %-22s n %3zu  median lateness %6.2f ms  worst %+8.2f ms\n", "baseline precise timer",
                     b.Count, b.Median, b.WorstDeviation);
    }
}
BENCHMARK(BM_RunScreenTiming)->Arg(4)->Arg(6)->Arg(20)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char **argv)
{
    // Our own option first; Google Benchmark refuses options it does not know.
    int out = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--cycles=", 9) == 0)
            Cycles = std::max(1, std::atoi(argv[i] + 9));
        else if (std::strncmp(argv[i], "--minutes=", 10) == 0)
            Minutes = std::max(1, std::atoi(argv[i] + 10));
        else
            argv[out++] = argv[i];
    }
    argc = out;
    return RunWidgetBenchmarks(argc, argv);
}
