// The daily plan's rotation with its crash-safe saves (the plan file, then the
// word list and the settings with its checksum), on 500 words and a year of
// history, one simulated day per iteration; against the save of the lists
// alone, which every OK of the configuration dialog pays anyway.
#include "data/uPlan.h"
#include "platform/ProgramFile.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QDate GDay(2026, 1, 1);

// 25 words in use, 400 new, 75 known, and a year of three showings a day.
void Database(QTemporaryDir &dir)
{
    SetProgramFilePath(dir.filePath("lumword"));
    Settings = TSettings();
    Settings.ProgramDir = dir.path() + "/";
    ClearWordLists();
    PlanClear();
    for (int i = 0; i < 500; ++i) {
        const TWordEntry w{QStringLiteral("word%1").arg(i), i};
        AllWords << w;
        (i < 25 ? NowWords : i < 425 ? NewWords : KnownWords) << w;
    }
    Settings.PlanEnabled = true;
    Settings.PlanWords = 25;
    Settings.PlanDays = 5;
    Settings.PlanPerDay = 5;
    for (int i = 365; i >= 1; --i)
        Plan.Days << TPlanDay{GDay.addDays(-i), true, 75, {QTime(8, 0), QTime(12, 0), QTime(17, 0)}};
    SaveWordListAndSettings();
}

// Every word in use was shown on each of the last five days.
void ShowFiveDays()
{
    for (int d = 5; d >= 1; --d)
        for (const TWordEntry &w : std::as_const(NowWords))
            Plan.WordShown(w, QDateTime(GDay.addDays(-d), QTime(9, 0)), int(KnownWords.size()));
}

void RotationAndSave(benchmark::State &state)
{
    QTemporaryDir dir;
    Database(dir);
    const TPlanClock old = SetPlanClock([] { return QDateTime(GDay, QTime(7, 0)); });
    for (auto _ : state) {
        state.PauseTiming();
        ShowFiveDays();
        state.ResumeTiming();
        PlanConfigOk(true, {});   // the day's rotation and the plan file
        PlanSaveLists();
        state.PauseTiming();
        if (KnownWords.size() < 80 || Plan.Days.size() < 365)
            state.SkipWithError("the rotation did not run");
        GDay = GDay.addDays(1);
        state.ResumeTiming();
    }
    SetPlanClock(old);
}
BENCHMARK(RotationAndSave)->Unit(benchmark::kMillisecond)->Iterations(60);

void ListsSaveAlone(benchmark::State &state)
{
    QTemporaryDir dir;
    Database(dir);
    for (auto _ : state)
        SaveWordListAndSettings();
}
BENCHMARK(ListsSaveAlone)->Unit(benchmark::kMillisecond)->Iterations(60);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
