// RIFF WAVE reader under the fuzzer: the parse from memory, then, for inputs
// that parse, the same bytes as a file through TMMWave: positions and reading
// to the end must stay inside the data and never divide by a zero field.
#include "audio/MMWave.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <unistd.h>

namespace {
QString ScratchFile()
{
    static const QString path = QDir::tempPath() + QString("/fuzz_wave-%1.wav").arg(::getpid());
    return path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(Data), int(Size));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    TWaveInfo info;
    const bool ok = ParseWaveInfo(buffer, info);
    if (!ok)
        return 0;

    // Whatever the header says, a copy never reads past the record.
    const TWaveFormatEx *f = info.Format.get();
    TWaveFormatPtr copy = CopyWaveFormat(f);
    volatile int64_t sink = int64_t(WaveFormatSize(copy.get())) + IsValidPCMFormat(f);
    sink = sink + BytesToSamples(f, info.DataBytes) + SamplesToBytes(f, info.SampleCount)
        + BytesToMs(f, info.DataBytes) + MsToBytes(f, 1000) + SamplesToMs(f, info.SampleCount);
    if (info.DataOffset + info.DataBytes > int64_t(Size))
        __builtin_trap(); // the data must lie inside the input

    {
        QFile out(ScratchFile());
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
            return 0;
    }
    try {
        TMMWave w;
        w.SetFileName(ScratchFile());
        if (w.DataBytes() != info.DataBytes)
            __builtin_trap(); // the file path parses as the memory path does
        if (w.SampleCount() > 0) {
            w.OpenFile();
            w.SetPosition(w.SampleCount() / 2);
            w.SetPosition(0);
            char chunk[4096];
            int64_t total = 0, n;
            while ((n = w.ReadData(chunk, sizeof chunk)) > 0)
                total += n;
            if (total > info.DataBytes)
                __builtin_trap(); // never more than the data
            w.TimeFormat = tfMillisecond;
            sink = sink + w.Position() + w.DataSize();
        }
    } catch (const EMMWaveError &) {
    }
    (void)sink;
    return 0;
}
