// Importing a 500-word pack with a recording for every word (about 1.5 s of
// sound each, 33 MB in all): reading and checking the pack from memory,
// writing the recordings and saving the list and settings. The baseline
// writes the same recordings and list with plain QFile calls, unchecked and
// unflushed. The target is under 2 s a pack.
#include "BenchMain.h"
#include "data/uWordPack.h"
#include "platform/ProgramFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// 8-bit stereo PCM at 22050 per second, as the program records.
QByteArray Wave(int frames, int seed)
{
    QByteArray data(frames * 2, '\0');
    quint32 x = quint32(seed) * 2654435761u + 1;
    for (char &c : data) {
        x = x * 1103515245u + 12345u;
        c = char(128 + int((x >> 16) % 61) - 30);
    }
    QByteArray w("RIFF....WAVEfmt ");
    const auto le32 = [&w](quint32 v) { w.append(reinterpret_cast<const char *>(&(v = qToLittleEndian(v))), 4); };
    const auto le16 = [&w](quint16 v) { w.append(reinterpret_cast<const char *>(&(v = qToLittleEndian(v))), 2); };
    le32(16);
    le16(1);
    le16(2);
    le32(22050);
    le32(44100);
    le16(2);
    le16(8);
    w.append("data");
    le32(quint32(data.size()));
    w.append(data);
    const quint32 riff = qToLittleEndian(quint32(w.size() - 8));
    w.replace(4, 4, reinterpret_cast<const char *>(&riff), 4);
    return w;
}

const QByteArray &PackBytes()
{
    static const QByteArray bytes = [] {
        TWordPack pack;
        pack.Title = QStringLiteral("bench");
        for (int i = 0; i < 500; ++i) {
            pack.Words.append({{QStringLiteral("word number %1").arg(i), i}, catNew});
            pack.Sounds.insert(i, Wave(33075, i));
        }
        return WriteWordPack(pack);
    }();
    return bytes;
}

// A fresh, empty program folder.
std::unique_ptr<QTemporaryDir> Fresh()
{
    auto dir = std::make_unique<QTemporaryDir>();
    SetProgramFilePath(dir->filePath("lumword"));
    Settings = TSettings();
    ClearWordLists();
    LoadSettings();
    return dir;
}

void ImportPack500(benchmark::State &state)
{
    const QByteArray &bytes = PackBytes();
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = Fresh();
        state.ResumeTiming();
        const TPackImport done = ImportWordPack(ReadWordPack(bytes), {}, QBitArray(500));
        if (done.Added != 500)
            state.SkipWithError("not every word was added");
        state.PauseTiming();
        dir.reset();
        state.ResumeTiming();
    }
    state.SetLabel(QStringLiteral("%1 MB pack").arg(bytes.size() / 1e6, 0, 'f', 1).toStdString());
}
BENCHMARK(ImportPack500)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void PlainWrite500(benchmark::State &state)
{
    const TWordPack pack = ReadWordPack(PackBytes());
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = Fresh();
        state.ResumeTiming();
        for (auto it = pack.Sounds.cbegin(); it != pack.Sounds.cend(); ++it) {
            QFile f(SoundFileName(it.key()));
            f.open(QIODevice::WriteOnly);
            f.write(it.value());
        }
        QFile list(WordListFileName());
        list.open(QIODevice::WriteOnly);
        list.write(QByteArray(500 * 20, 'x'));
        state.PauseTiming();
        dir.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(PlainWrite500)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char **argv) { return RunWidgetBenchmarks(argc, argv); }
