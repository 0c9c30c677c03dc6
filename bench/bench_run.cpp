// Run-screen speed: painting one word over a 1920 x 1080 screen in 200-point bold
// type, word-wrapped and centred, and the time from the end of the blank between
// words to the new word being on the screen. Each is compared in the same run with
// a baseline: the plainest Qt way of painting a centred word, and the repaint of a
// bare Qt window of the same size.
#include "BenchMain.h"
#include "data/uCommon.h"
#include "sound/playsound.h"
#include "run/Dtmisc.h"
#include "run/uRun.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int ScreenW = 1920;
constexpr int ScreenH = 1080;
const QString Word = QStringLiteral("elephant");

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

QFont WordFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(200);
    f.setBold(true);
    return f;
}

void BM_PaintWordFullScreen(benchmark::State &state)
{
    TfmRun run;
    run.Mode = rmPreview;
    run.SetAppearance(clRed, 11927551, 200, QStringLiteral("Arial"), true);
    run.resize(ScreenW, ScreenH);
    run.CurrentText = Word;
    QImage target(ScreenW, ScreenH, QImage::Format_ARGB32_Premultiplied);
    const QFont font = WordFont();
    const QColor back = ToQColor(11927551);

    double subject = 0, baseline = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        {
            QPainter p(&target);
            run.FormPaint(p);
        }
        const auto t1 = Clock::now();
        {
            QPainter p(&target);
            p.fillRect(target.rect(), back);
            p.setFont(font);
            p.setPen(Qt::red);
            p.drawText(target.rect(), Qt::AlignCenter, Word);
        }
        const auto t2 = Clock::now();
        subject += Seconds(t0, t1);
        baseline += Seconds(t1, t2);
        state.SetIterationTime(Seconds(t0, t1));
    }
    state.counters["baseline_ms"] = benchmark::Counter(baseline * 1000 / state.iterations());
    state.counters["ratio"] = subject / baseline;
}
BENCHMARK(BM_PaintWordFullScreen)->UseManualTime()->Unit(benchmark::kMillisecond);

// A bare window: fills itself, nothing else.
class TBareWindow : public QWidget {
public:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), QColor(255, 255, 181)); }
};

void BM_DozeEndToWordPainted(benchmark::State &state)
{
    QTemporaryDir dir;
    Settings.SoundDir = dir.path() + "/";
    Settings.Transition = tmKeyPress;
    Settings.SoundMode = sndNormal;
    NowWords = {{QStringLiteral("elephant"), 1}, {QStringLiteral("giraffe"), 2}, {QStringLiteral("zebra"), 3}};

    TfmRun run;
    run.Mode = rmStart;
    run.SetAppearance(clRed, 11927551, 200, QStringLiteral("Arial"), true);
    run.show();
    run.setGeometry(0, 0, ScreenW, ScreenH);
    Clock::time_point wokeUp;
    run.Dozer->OnWakeUp = [&](QObject *) { wokeUp = Clock::now(); };

    TBareWindow bare;
    bare.setGeometry(0, 0, ScreenW, ScreenH);
    bare.show();
    QCoreApplication::processEvents();

    double subject = 0, baseline = 0;
    for (auto _ : state) {
        run.NextWord();  // 500 ms blank, then the word
        const auto painted = Clock::now();
        const auto b0 = Clock::now();
        bare.repaint();
        const auto b1 = Clock::now();
        subject += Seconds(wokeUp, painted);
        baseline += Seconds(b0, b1);
        state.SetIterationTime(Seconds(wokeUp, painted));
    }
    state.counters["baseline_ms"] = benchmark::Counter(baseline * 1000 / state.iterations());
    state.counters["ratio"] = subject / baseline;
    run.close();
    StopSound();
}
BENCHMARK(BM_DozeEndToWordPainted)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return RunWidgetBenchmarks(argc, argv); }
