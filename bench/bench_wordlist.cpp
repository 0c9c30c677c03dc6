// Saving, reloading and checksumming a 500-word list (what the configuration
// dialog's OK and the next start do), against writing and reading the same
// bytes with plain QFile calls.
#include "BenchMain.h"
#include "data/uCommon.h"
#include "platform/ProgramFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Database {
    QTemporaryDir dir;
    Database()
    {
        SetProgramFilePath(dir.filePath("lumword"));
        Settings.ProgramDir = dir.path() + "/";
        ClearWordLists();
        for (int i = 0; i < 500; ++i) {
            TWordList &list = i % 3 == 0 ? NewWords : i % 3 == 1 ? NowWords : KnownWords;
            list.append({QStringLiteral("word number %1").arg(i), i});
        }
    }
};

void SaveReloadChecksum(benchmark::State &state)
{
    Database db;
    const TWordList news = NewWords, nows = NowWords, knowns = KnownWords;
    for (auto _ : state) {
        SaveWordList();
        ClearWordLists();
        LoadWordList();
        benchmark::DoNotOptimize(WordListChecksum(WordListFileName()));
    }
    state.SetLabel(QStringLiteral("%1 words").arg(AllWords.size()).toStdString());
}
BENCHMARK(SaveReloadChecksum)->Unit(benchmark::kMicrosecond);

void PlainWriteRead(benchmark::State &state)
{
    Database db;
    SaveWordList();
    QFile in(WordListFileName());
    in.open(QIODevice::ReadOnly);
    const QByteArray bytes = in.readAll();
    in.close();
    const QString path = db.dir.filePath("plain.lst");
    for (auto _ : state) {
        QFile out(path);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(bytes);
        out.close();
        QFile back(path);
        back.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(back.readAll());
    }
}
BENCHMARK(PlainWriteRead)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) { return RunWidgetBenchmarks(argc, argv); }
