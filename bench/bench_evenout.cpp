// Evening out recordings: one 3-second take (what Stop on the recording page
// adds; target under 10 ms) against a plain pass over the same samples, and
// Even out all over 500 words with its progress bar (target under 5 s)
// against replacing the same 500 files whole without evening them.
#include "BenchMain.h"
#include "audio/MMEvenOut.h"
#include "audio/MMObj.h"
#include "audio/MMWave.h"
#include "config/uConfig.h"
#include "data/uCommon.h"
#include "platform/AtomicFile.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFile.h"
#include "widgets/oxBtns.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <vector>

namespace {

constexpr int Rate = 22050;

// A word said after a pause: 0.6 s of silence, 1.6 s of a tone that rises
// and falls over a low hiss, 0.8 s of silence.
QByteArray ThreeSecondTake(double levelDb)
{
    const int frames = 3 * Rate;
    QByteArray b(frames * 2, char(128));
    uint32_t seed = 7;
    const double amp = std::pow(10.0, levelDb / 20.0) * 128.0 * 1.41;
    for (int i = 0; i < frames; ++i) {
        seed = seed * 1664525u + 1013904223u;
        double v = double(int(seed >> 30) - 2) * 0.5;
        if (i >= Rate * 6 / 10 && i < Rate * 22 / 10)
            v += amp * std::sin(M_PI * (i - Rate * 0.6) / (Rate * 1.6)) * std::sin(2 * M_PI * 220.0 * i / Rate);
        const char c = char(std::clamp(128 + int(std::lround(v)), 0, 255));
        b[2 * i] = c;
        b[2 * i + 1] = c;
    }
    return b;
}

void WriteTake(const QString &path, const QByteArray &samples)
{
    TMMWave w;
    const TWaveFormatEx f = MakePCMWaveFormat(8, 2, Rate);
    w.CreateFile(path, &f);
    w.WriteData(samples.constData(), samples.size());
    w.CloseFile();
}

void EvenThreeSecondTake(benchmark::State &state)
{
    const QByteArray take = ThreeSecondTake(-30);
    for (auto _ : state) {
        const TEvenedSound s = EvenOutSamples(reinterpret_cast<const uint8_t *>(take.constData()), take.size() / 2, Rate);
        benchmark::DoNotOptimize(s.Samples.constData());
    }
}
BENCHMARK(EvenThreeSecondTake)->Unit(benchmark::kMillisecond);

// Baseline: every sample read, scaled and written back once.
void ScaleThreeSecondTake(benchmark::State &state)
{
    const QByteArray take = ThreeSecondTake(-30);
    QByteArray out(take.size(), 0);
    for (auto _ : state) {
        for (qsizetype i = 0; i < take.size(); ++i)
            out[i] = char(std::clamp(int(std::lround((int(uint8_t(take[i])) - 128) * 1.7f)) + 128, 0, 255));
        benchmark::DoNotOptimize(out.constData());
    }
}
BENCHMARK(ScaleThreeSecondTake)->Unit(benchmark::kMillisecond);

struct TWords {
    QTemporaryDir dir;
    std::vector<QByteArray> files;
    TWords()
    {
        SetProgramFilePath(dir.filePath("lumword"));
        Settings.ProgramDir = dir.path() + "/";
        Settings.SoundDir = Settings.ProgramDir + "wav/";
        QDir().mkpath(Settings.SoundDir);
        ClearWordLists();
        const QByteArray take = ThreeSecondTake(-30).left(Rate * 2 * 3 / 2);
        for (int i = 0; i < 500; ++i) {
            AllWords.append({QStringLiteral("word %1").arg(i, 3, 10, QLatin1Char('0')), i});
            WriteTake(SoundFileName(i), take);
        }
        NowWords = AllWords;
        QFile f(SoundFileName(0));
        f.open(QIODevice::ReadOnly);
        files.assign(500, f.readAll());
    }
    // Every word back to its take as captured, no originals.
    void Reset()
    {
        QDir(Settings.SoundDir + "original").removeRecursively();
        for (int i = 0; i < 500; ++i) {
            QFile f(SoundFileName(i));
            f.open(QIODevice::WriteOnly | QIODevice::Truncate);
            f.write(files[size_t(i)]);
        }
    }
};

void EvenOutAll500Words(benchmark::State &state)
{
    TWords words;
    SetMessageBoxHook([](QMessageBox::Icon, const QString &, const QString &, QMessageBox::StandardButtons) {
        return QMessageBox::Ok;
    });
    TfmConfig dlg;
    dlg.show();
    dlg.Pages->setCurrentWidget(dlg.tsRecord);
    for (auto _ : state) {
        state.PauseTiming();
        words.Reset();
        state.ResumeTiming();
        dlg.btEvenAllClick();
        // The files are evened on the dialog's worker; OK comes back when it is
        // done. The loop sleeps between the worker's posts rather than spinning
        // beside it; the tick only keeps the time limit looked at.
        QElapsedTimer limit;
        limit.start();
        QTimer tick;
        tick.start(100);
        while (!dlg.btOk->isEnabled() && limit.elapsed() < 600000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    SetMessageBoxHook({});
}
BENCHMARK(EvenOutAll500Words)->Unit(benchmark::kMillisecond)->Iterations(2);

// Baseline: the same 500 files replaced whole, twice (original and sound),
// as the evening does, without reading or evening them.
void Replace500FilesTwice(benchmark::State &state)
{
    TWords words;
    QDir().mkpath(Settings.SoundDir + "original");
    for (auto _ : state)
        for (int i = 0; i < 500; ++i) {
            WriteFileAtomically(OriginalSoundName(SoundFileName(i)), words.files[size_t(i)]);
            WriteFileAtomically(SoundFileName(i), words.files[size_t(i)]);
        }
}
BENCHMARK(Replace500FilesTwice)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char **argv) { return RunWidgetBenchmarks(argc, argv); }
