// The recording page of the configuration dialog, through the real page on
// the test sound server (tools/soundserver.sh start):
//  - ClickRecordToRunning / ClickPlayToRunning: from the click on Record or
//    Play (the button's own click path) to the device running, that is, to
//    its thread's first ALSA read or write; median and worst of 20. Baseline
//    in the same run: Open + Start of the same chain without the page.
//  - TickToLedPainted: from the moment a Timer tick was due to the LED's
//    paint event while recording; median and worst of 20, and the part from
//    the tick's handler starting to the paint. Baseline: the same timer
//    setting the text of a QLabel of the LED's size.
//  - LedStepsOver10s: a 10-second recording; for every tick the position the
//    LED was given, then how many 200 ms steps were shown, skipped (a gap of
//    two steps or more between consecutive captions) or shown twice.
#include "BenchMain.h"

#include "audio/MMHiTimer.h"
#include "audio/MMRingBuffer.h"
#include "audio/MMWave.h"
#include "audio/MMWaveIO.h"
#include "config/uConfig.h"
#include "data/uCommon.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFile.h"
#include "sound/wavedev.h"
#include "widgets/MMLEDLbl.h"
#include "widgets/oxBtns.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

template <class F> bool PumpUntil(F done, int limitMs = 10000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    return done();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}
double Worst(const std::vector<double> &v) { return v.empty() ? 0 : *std::max_element(v.begin(), v.end()); }

// A program folder with one word (ball, number 0) and, for playing, a
// two-second sound.
struct TFolder {
    QTemporaryDir Dir{QDir::tempPath() + "/bench_recordpage-XXXXXX"};
    TFolder()
    {
        SetProgramFilePath(Dir.filePath("lumword"));
        QDir().mkpath(Dir.filePath("images"));
        QFile::copy(QStringLiteral(LUMWORD_SOURCE_DIR) + "/dist/images/confetti.jpg", Dir.filePath("images/confetti.jpg"));
        LoadSettings();
        QDir().mkpath(Settings.SoundDir);
        ClearWordLists();
        AllWords = NowWords = {{"ball", 0}, {"cat", 1}};
        QByteArray tone(22050 * 2 * 2, char(128));
        for (int i = 0; i < tone.size() / 2; ++i)
            tone[2 * i] = tone[2 * i + 1] = char(128 + int(100 * std::sin(2 * M_PI * 440.0 * i / 22050)));
        TMMWave w;
        const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
        w.CreateFile(SoundFileName(1), &f);
        w.WriteData(tone.constData(), tone.size());
        w.CloseFile();
    }
};

// The dialog on the recording page with one word chosen.
struct TPage {
    TfmConfig Dlg;
    explicit TPage(int row)
    {
        Dlg.show();
        Dlg.Pages->setCurrentWidget(Dlg.tsRecord);
        Dlg.lbAll->setCurrentRow(row);
        Dlg.lbAllClick();
        QCoreApplication::processEvents();
    }
};

bool HaveDevices(benchmark::State &state)
{
    if (WaveDevCount(TWaveDirection::Capture) > 0 && WaveDevCount(TWaveDirection::Playback) > 0)
        return true;
    state.SkipWithError("no wave device: run tools/soundserver.sh start first");
    return false;
}

bool Started(const TWaveDevice *d) { return d && d->FirstTransferTime().time_since_epoch().count() != 0; }

void ClickRecordToRunning(benchmark::State &state)
{
    if (!HaveDevices(state))
        return;
    TFolder folder;
    for (auto _ : state) {
        std::vector<double> page, bare;
        TPage p(0);
        for (int i = 0; i < 20; ++i) {
            const auto t0 = Clock::now();
            p.Dlg.btRec->click();
            if (!PumpUntil([&] { return Started(p.Dlg.WaveIn->Device()); })) {
                state.SkipWithError("the recording never ran");
                return;
            }
            page.push_back(Ms(t0, p.Dlg.WaveIn->Device()->FirstTransferTime()));
            PumpUntil([&] { return p.Dlg.WaveIn->RecordedBytes() > 0; });
            p.Dlg.btRec->click();
            // The stop completes through the device's notification; a click
            // before that would be a second stop, not a new recording.
            PumpUntil([&] { return !p.Dlg.Recording; });
        }
        // The same chain, opened and started directly.
        for (int i = 0; i < 20; ++i) {
            TMMWaveIn in;
            TMMRingBuffer ring;
            TMMWaveFile file;
            in.SetDeviceID(MapperId);
            in.SetMode(mStereo);
            in.SetSampleRate(22050);
            in.SetBufferSize(4096);
            in.SetNumBuffers(50);
            in.SetCallBackMode(cmThread);
            ring.SetInput(&in);
            ring.SetOutput(&file);
            ring.SetBufferSize(4096);
            ring.SetNumBuffers(100);
            ring.SetQueueMode(qmWrite);
            file.Wave()->FileMustExist = false;
            file.Wave()->SetFileName(SoundFileName(0));
            const auto t0 = Clock::now();
            in.Open();
            in.Start();
            PumpUntil([&] { return Started(in.Device()); });
            bare.push_back(Ms(t0, in.Device()->FirstTransferTime()));
            in.Stop();
            in.Close();
        }
        state.counters["median_ms"] = Median(page);
        state.counters["worst_ms"] = Worst(page);
        state.counters["bare_median_ms"] = Median(bare);
        state.counters["vs_bare"] = Median(page) / std::max(Median(bare), 1e-6);
    }
}
BENCHMARK(ClickRecordToRunning)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void ClickPlayToRunning(benchmark::State &state)
{
    if (!HaveDevices(state))
        return;
    TFolder folder;
    for (auto _ : state) {
        std::vector<double> page, bare;
        TPage p(1);
        for (int i = 0; i < 20; ++i) {
            const auto t0 = Clock::now();
            p.Dlg.btPlay->click();
            if (!PumpUntil([&] { return Started(p.Dlg.WaveOut->Device()); })) {
                state.SkipWithError("the playback never ran");
                return;
            }
            page.push_back(Ms(t0, p.Dlg.WaveOut->Device()->FirstTransferTime()));
            p.Dlg.btPlay->click();
            PumpUntil([&] { return !p.Dlg.Playing; });
        }
        for (int i = 0; i < 20; ++i) {
            TMMWaveFile file;
            TMMRingBuffer ring;
            TMMWaveOut out;
            ring.SetInput(&file);
            ring.SetBufferSize(4096);
            ring.SetNumBuffers(100);
            ring.SetQueueMode(qmRead);
            out.SetInput(&ring);
            out.SetDeviceID(MapperId);
            out.SetBufferSize(4096);
            out.SetNumBuffers(50);
            const auto t0 = Clock::now();
            file.Wave()->SetFileName(SoundFileName(1));
            out.Open();
            out.Start();
            PumpUntil([&] { return Started(out.Device()); });
            bare.push_back(Ms(t0, out.Device()->FirstTransferTime()));
            out.Stop();
            out.Close();
        }
        state.counters["median_ms"] = Median(page);
        state.counters["worst_ms"] = Worst(page);
        state.counters["bare_median_ms"] = Median(bare);
        state.counters["vs_bare"] = Median(page) / std::max(Median(bare), 1e-6);
    }
}
BENCHMARK(ClickPlayToRunning)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// Notes when a widget's paint event arrives.
class TPaintWatch : public QObject {
public:
    std::function<void()> OnPaint;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && OnPaint)
            OnPaint();
        return false;
    }
};

void TickToLedPainted(benchmark::State &state)
{
    if (!HaveDevices(state))
        return;
    TFolder folder;
    for (auto _ : state) {
        TPage p(0);
        std::vector<double> led, label, ours;
        Clock::time_point due{}, handler{};
        bool waiting = false;
        TPaintWatch watch;
        p.Dlg.Led->installEventFilter(&watch);
        watch.OnPaint = [&] {
            if (waiting && due.time_since_epoch().count() != 0) {
                const auto now = Clock::now();
                led.push_back(Ms(due, now));
                ours.push_back(Ms(handler, now));
                waiting = false;
            }
        };
        p.Dlg.btRec->click();
        p.Dlg.Timer->SetOnTimer([&](TMMComponent *) {
            due = p.Dlg.Timer->TickDue();
            handler = Clock::now();
            waiting = true;
            p.Dlg.TimerTimer();
        });
        PumpUntil([&] { return led.size() >= 20; }, 15000);
        p.Dlg.btRec->click();

        // Baseline: the same timer, a QLabel of the LED's size.
        QLabel text(QStringLiteral(" 0.0"), p.Dlg.tsRecord);
        text.setGeometry(297, 280, 86, 26);
        text.show();
        TPaintWatch labelWatch;
        text.installEventFilter(&labelWatch);
        labelWatch.OnPaint = [&] {
            if (waiting) {
                label.push_back(Ms(due, Clock::now()));
                waiting = false;
            }
        };
        int n = 0;
        p.Dlg.Timer->SetOnTimer([&](TMMComponent *) {
            due = p.Dlg.Timer->TickDue();
            waiting = true;
            text.setText(QString::number(++n / 10.0, 'f', 1).rightJustified(4));
        });
        p.Dlg.Timer->SetEnabled(true);
        PumpUntil([&] { return label.size() >= 20; }, 15000);
        p.Dlg.Timer->SetEnabled(false);

        state.counters["median_ms"] = Median(led);
        state.counters["worst_ms"] = Worst(led);
        state.counters["handler_to_paint_median_ms"] = Median(ours);
        state.counters["handler_to_paint_worst_ms"] = Worst(ours);
        state.counters["qlabel_median_ms"] = Median(label);
        state.counters["vs_qlabel"] = Median(led) / std::max(Median(label), 1e-6);
    }
}
BENCHMARK(TickToLedPainted)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void LedStepsOver10s(benchmark::State &state)
{
    if (!HaveDevices(state))
        return;
    TFolder folder;
    for (auto _ : state) {
        TPage p(0);
        std::vector<QString> set, painted;
        TPaintWatch watch;
        p.Dlg.Led->installEventFilter(&watch);
        watch.OnPaint = [&] {
            if (p.Dlg.Recording && (painted.empty() || painted.back() != p.Dlg.Led->Caption()))
                painted.push_back(p.Dlg.Led->Caption());
        };
        p.Dlg.Timer->SetOnTimer([&](TMMComponent *) {
            p.Dlg.TimerTimer();
            if (p.Dlg.Recording)
                set.push_back(p.Dlg.Led->Caption());
        });
        p.Dlg.btRec->click();
        PumpUntil([&] { return p.Dlg.WaveIn->Position() >= 10000; }, 20000);
        p.Dlg.btRec->click();

        // Captions are tenths of a second; one step is two tenths.
        int skipped = 0, repeated = 0, distinct = 0, unpainted = 0;
        int last = -1;
        for (const QString &c : set) {
            const int t = int(std::lround(c.trimmed().toDouble() * 10));
            if (last >= 0 && t == last)
                ++repeated;
            else if (last >= 0 && t - last >= 4)
                skipped += (t - last) / 2 - 1;
            if (t != last) {
                ++distinct;
                if (std::find(painted.begin(), painted.end(), c) == painted.end())
                    ++unpainted;
            }
            last = t;
        }
        std::fprintf(stderr, "LED captions, one per tick while recording:");
        for (const QString &c : set)
            std::fprintf(stderr, " [%s]", qPrintable(c));
        std::fprintf(stderr, "\n");
        state.counters["ticks"] = double(set.size());
        state.counters["steps_shown"] = distinct;
        state.counters["shown_twice"] = repeated;
        state.counters["skipped"] = skipped;
        state.counters["set_not_painted"] = unpainted;
    }
}
BENCHMARK(LedStepsOver10s)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    SetMessageBoxHook([](QMessageBox::Icon, const QString &, const QString &text, QMessageBox::StandardButtons) {
        std::fprintf(stderr, "[message box] %s\n", qPrintable(text));
        return QMessageBox::Ok;
    });
    return RunWidgetBenchmarks(argc, argv);
}
