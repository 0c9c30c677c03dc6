// Start-up: from creating the application object to the first paint of the
// main window (settings, checksum, a 200-word list, the background picture),
// against a bare Qt window measured the same way. Each start runs in a fresh
// child process of this benchmark, because an application object can be
// created only once per process; the child reports its own elapsed time.
#include "app/Application.h"
#include "app/uMain.h"
#include "data/uCommon.h"
#include "data/uPlan.h"
#include "platform/ProgramFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>
#include <numeric>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

class FirstPaint : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void ShowUntilPainted(QWidget *w)
{
    FirstPaint probe;
    w->installEventFilter(&probe);
    w->show();
    while (!probe.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// Child side: returns the nanoseconds from creating the application to the first paint.
enum TChildKind { ckBare, ckBareText, ckMain };

qint64 Child(int argc, char **argv, TChildKind kind, const char *folder)
{
    QElapsedTimer t;
    t.start();
    TApplication app(argc, argv);
    // Read at the paint: closing the window is not part of the start.
    qint64 painted = 0;
    if (kind == ckMain) {
        SetProgramFilePath(QString::fromLocal8Bit(folder) + "/lumword");
        // As the program starts: its language before its first window.
        InstallStartLanguage();
        TfmMain w;
        ShowUntilPainted(&w);
        painted = t.nsecsElapsed();
    } else {
        QWidget w(nullptr, Qt::Window | Qt::FramelessWindowHint);
        w.setFixedSize(471, 292);
        // The first text drawn in a process loads the font database, which
        // costs far more than everything else here; this baseline pays it too.
        if (kind == ckBareText)
            new QLabel(QStringLiteral("Run"), &w);
        ShowUntilPainted(&w);
        painted = t.nsecsElapsed();
    }
    return painted;
}

QString Folder()
{
    static QTemporaryDir dir;
    static bool made = [] {
        QDir().mkdir(dir.filePath("images"));
        QFile::copy(QStringLiteral(LUMWORD_SOURCE_DIR) + "/dist/images/confetti.jpg", dir.filePath("images/confetti.jpg"));
        SetProgramFilePath(dir.filePath("lumword"));
        Settings = TSettings();
        Settings.ProgramDir = dir.path() + "/";
        for (int i = 0; i < 200; ++i)
            NowWords.append({QStringLiteral("word%1").arg(i), i});
        SaveWordList();
        Settings.ListChecksum = WordListChecksum(WordListFileName());
        SaveSettings();
        return true;
    }();
    (void)made;
    return dir.path();
}

// Another program folder with the plain one's picture, words and settings.
QString CopyOfFolder(const QTemporaryDir &dir)
{
    const QString plain = Folder();
    QDir().mkdir(dir.filePath("images"));
    for (const QString &f : {QStringLiteral("images/confetti.jpg"), QStringLiteral("lumword.lst"), QStringLiteral("lumword.INI")})
        QFile::copy(plain + "/" + f, dir.filePath(f));
    return plain;
}

// The same program folder with the daily plan on and a year of its history,
// today's rotation already done: the start of every day after the first.
QString PlanFolder()
{
    static QTemporaryDir dir;
    static bool made = [] {
        const QString plain = CopyOfFolder(dir);
        SetProgramFilePath(dir.filePath("lumword"));
        LoadSettings();
        Settings.PlanEnabled = true;
        Settings.PlanWords = 25;
        SaveSettings();
        const QDate today = QDate::currentDate();
        for (int i = 365; i >= 0; --i)
            Plan.Days << TPlanDay{today.addDays(-i), true, 0, {QTime(8, 0), QTime(12, 0), QTime(17, 0)}};
        Plan.LastRotation = today;
        for (int i = 0; i < 200; ++i)
            Plan.Words << TPlanWord{{QStringLiteral("word%1").arg(i), i}, today.addDays(-3), {today.addDays(-2), today.addDays(-1)}, {}};
        PlanSave();
        SetProgramFilePath(plain + "/lumword");
        return true;
    }();
    (void)made;
    return dir.path();
}

// The same program folder set to German: its translation is loaded at start.
QString GermanFolder()
{
    static QTemporaryDir dir;
    static bool made = [] {
        const QString plain = CopyOfFolder(dir);
        SetProgramFilePath(dir.filePath("lumword"));
        LoadSettings();
        Settings.Language = QStringLiteral("de");
        SaveSettings();
        SetProgramFilePath(plain + "/lumword");
        return true;
    }();
    (void)made;
    return dir.path();
}

// The same program folder with a one-second recording for each of its 200
// words, as a parent's folder is after the first weeks.
QString RecordedFolder()
{
    static QTemporaryDir dir;
    static bool made = [] {
        CopyOfFolder(dir);
        QDir().mkdir(dir.filePath("wav"));
        // 8-bit stereo at 22050 per second, as the recording page writes.
        const quint32 bytes = 2 * 22050;
        QByteArray wave("RIFF");
        const auto u32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) wave.append(char((v >> (8 * i)) & 0xFF)); };
        const auto u16 = [&](quint16 v) { wave.append(char(v & 0xFF)).append(char(v >> 8)); };
        u32(36 + bytes);
        wave.append("WAVEfmt ");
        u32(16);
        u16(1), u16(2), u32(22050), u32(2 * 22050), u16(2), u16(8);
        wave.append("data");
        u32(bytes);
        wave.append(QByteArray(int(bytes), char(128)));
        for (int i = 0; i < 200; ++i) {
            QFile f(dir.filePath(QStringLiteral("wav/word%1.wav").arg(i, 4, 10, QLatin1Char('0'))));
            if (!f.open(QIODevice::WriteOnly) || f.write(wave) != wave.size())
                return false;
        }
        return true;
    }();
    return made ? dir.path() : QString();
}

QString Self;

void RunChild(benchmark::State &state, const char *mode)
{
    const QString folder = Folder();
    for (auto _ : state) {
        QProcess p;
        p.start(Self, {QString::fromLatin1(mode), folder});
        p.waitForFinished(-1);
        const qint64 ns = p.readAllStandardOutput().trimmed().toLongLong();
        if (ns <= 0) {
            state.SkipWithError("child failed");
            break;
        }
        state.SetIterationTime(double(ns) / 1e9);
    }
}

qint64 ChildNanoseconds(const QString &folder, const QString &mode = QStringLiteral("--child-main"))
{
    QProcess p;
    p.start(Self, {mode, folder});
    p.waitForFinished(-1);
    return p.readAllStandardOutput().trimmed().toLongLong();
}

// Two kinds of start taken in turns, so that both meet the same machine; the
// subject's times are the iteration times. Reports the ratio of their sums
// as `counter`, and of their medians as `counter`_median.
struct TStart {
    QString Folder;
    QString Mode = QStringLiteral("--child-main");
};
void InTurns(benchmark::State &state, const TStart &subject, const TStart &baseline, const std::string &counter)
{
    std::vector<double> a, b;
    for (auto _ : state) {
        const qint64 x = ChildNanoseconds(subject.Folder, subject.Mode), y = ChildNanoseconds(baseline.Folder, baseline.Mode);
        if (x <= 0 || y <= 0) {
            state.SkipWithError("child failed");
            return;
        }
        a.push_back(double(x));
        b.push_back(double(y));
        state.SetIterationTime(double(x) / 1e9);
    }
    if (a.empty())
        return;
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    state.counters[counter] = std::accumulate(a.begin(), a.end(), 0.0) / std::accumulate(b.begin(), b.end(), 0.0);
    state.counters[counter + "_median"] = median(a) / median(b);
}

// The plan's cost at start: the plan on against off.
void MainWindowPlanOnVsOff(benchmark::State &state) { InTurns(state, {PlanFolder()}, {Folder()}, "vs_plan_off"); }

// What a recording for every word costs at start (the files are in the page
// cache, as on a second start).
void MainWindowRecordingsVsNone(benchmark::State &state)
{
    const QString recorded = RecordedFolder();
    if (recorded.isEmpty()) {
        state.SkipWithError("cannot write the recordings");
        return;
    }
    InTurns(state, {recorded}, {Folder()}, "vs_no_recordings");
}

// What a translation costs at start: German against English.
void MainWindowGermanVsEnglish(benchmark::State &state) { InTurns(state, {GermanFolder()}, {Folder()}, "vs_english"); }

// The start-up figure: the main window against the bare window with one label.
void MainWindowVsBareText(benchmark::State &state)
{
    InTurns(state, {Folder()}, {Folder(), QStringLiteral("--child-text")}, "vs_bare_text");
}

void BareWindow(benchmark::State &state) { RunChild(state, "--child-bare"); }
void BareWindowWithText(benchmark::State &state) { RunChild(state, "--child-text"); }
void MainWindow(benchmark::State &state) { RunChild(state, "--child-main"); }
BENCHMARK(BareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BareWindowWithText)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(MainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(MainWindowPlanOnVsOff)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(MainWindowVsBareText)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(60);
BENCHMARK(MainWindowRecordingsVsNone)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(MainWindowGermanVsEnglish)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(60);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 3 && !strncmp(argv[1], "--child-", 8)) {
        int childArgc = 1;
        const TChildKind kind = !strcmp(argv[1], "--child-main")   ? ckMain
                                : !strcmp(argv[1], "--child-text") ? ckBareText
                                                                   : ckBare;
        printf("%lld\n", (long long)Child(childArgc, argv, kind, argv[2]));
        return 0;
    }
    Self = QString::fromLocal8Bit(argv[0]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
