#include "audio/MMEvenOut.h"

#include "audio/MMObj.h"
#include "audio/MMWave.h"
#include "platform/AtomicFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr uint32_t StoredRate = 22050;
// Blocks of 5 ms tell sound from silence: fine enough to trim within a few
// milliseconds of the first and last sound.
constexpr int BlockMs = 5;
// Below this a block is silence whatever surrounds it (about one step of the
// 8-bit samples, the flicker of a quiet room).
constexpr double SilentDb = -40.0;
// A take is heard when something in it stands this far above its quietest
// tenth, or is plainly loud on its own (a word over a steady hum).
constexpr double ContrastDb = 12.0;
constexpr double LoudDb = -30.0;
// The loudness gate needs one block of 400 ms: a shorter word is measured as
// if said again and again.
constexpr double MeasureSeconds = 0.4;
// A hair under the ceiling, for the rounding to 8 bits.
constexpr double CeilingMarginDb = 0.05;

const QByteArray EvenMark = QByteArrayLiteral("Evened to -20 LUFS");

double DbToPower(double db) { return std::pow(10.0, db / 10.0); }

void PutU32(QByteArray &b, uint32_t v)
{
    const char c[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    b.append(c, 4);
}

struct TTake {
    TEvenOutcome Outcome = TEvenOutcome::Unreadable;
    QByteArray Bytes;      // the whole file
    QByteArray Samples;    // its sample data
    uint32_t Rate = 0;
    bool Evened = false;   // carries the mark
};

TTake ReadTake(const QString &Path)
{
    TTake t;
    QFile f(Path);
    if (!f.open(QIODevice::ReadOnly))
        return t;
    t.Bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return t;
    QBuffer buffer(&t.Bytes);
    buffer.open(QIODevice::ReadOnly);
    TWaveInfo info;
    if (!ParseWaveInfo(buffer, info) || !info.Format)
        return t;
    const TWaveFormatEx *format = info.Format.get();
    t.Rate = format->nSamplesPerSec;
    const int mark = WaveInfoIndex("ICMT");
    t.Evened = mark >= 0 && info.InfoItems[size_t(mark)] == EvenMark;
    if (format->wFormatTag != WAVE_FORMAT_PCM || format->nChannels != 2 || format->wBitsPerSample != 8
        || format->nSamplesPerSec != StoredRate) {
        t.Outcome = TEvenOutcome::OtherFormat;
        return t;
    }
    const int64_t bytes = std::min<int64_t>(info.DataBytes, t.Bytes.size() - info.DataOffset) & ~int64_t(1);
    t.Samples = t.Bytes.mid(qsizetype(info.DataOffset), qsizetype(std::max<int64_t>(bytes, 0)));
    t.Outcome = TEvenOutcome::Evened;
    return t;
}

int64_t Milliseconds(const QByteArray &Samples, uint32_t Rate)
{
    return Rate ? int64_t(Samples.size() / 2) * 1000 / Rate : 0;
}

bool WriteKept(const QString &Path, const QByteArray &Bytes)
{
    if (!QDir().mkpath(QFileInfo(Path).absolutePath()))
        return false;
    return WriteFileAtomically(Path, Bytes);
}

// Keeps the take as the original unless that is already what is kept.
bool KeepOriginal(const QString &SoundFile, const QByteArray &Bytes)
{
    const QString original = OriginalSoundName(SoundFile);
    QFile kept(original);
    if (kept.size() == Bytes.size() && kept.open(QIODevice::ReadOnly) && kept.readAll() == Bytes)
        return true;
    return WriteKept(original, Bytes);
}

// Evens Take into SoundFile.
TEvenReport EvenInto(const QString &SoundFile, const TTake &Take)
{
    TEvenReport r;
    const TEvenedSound even = EvenOutSamples(reinterpret_cast<const uint8_t *>(Take.Samples.constData()),
                                             Take.Samples.size() / 2, Take.Rate);
    r.Outcome = even.Outcome;
    if (even.Outcome != TEvenOutcome::Evened) {
        r.Milliseconds = Milliseconds(Take.Samples, Take.Rate);
        return r;
    }
    if (!WriteFileAtomically(SoundFile, EvenWaveImage(even.Samples, Take.Rate, true))) {
        r.Outcome = TEvenOutcome::WriteFailed;
        return r;
    }
    r.Milliseconds = Milliseconds(even.Samples, Take.Rate);
    return r;
}

// Without its original nothing is evened: what was recorded stays as it is.
TEvenReport KeepOriginalAndEven(const QString &SoundFile, const TTake &Take)
{
    if (!KeepOriginal(SoundFile, Take.Bytes)) {
        TEvenReport r;
        r.Outcome = TEvenOutcome::WriteFailed;
        return r;
    }
    return EvenInto(SoundFile, Take);
}

} // namespace

TEvenedSound EvenOutSamples(const uint8_t *Frames, int64_t FrameCount, uint32_t Rate)
{
    TEvenedSound out;
    if (!Frames || FrameCount <= 0 || Rate == 0)
        return out;
    const int64_t block = std::max<int64_t>(1, int64_t(Rate) * BlockMs / 1000);
    const int64_t blocks = (FrameCount + block - 1) / block;
    std::vector<double> power(size_t(blocks), 0.0);
    for (int64_t b = 0; b < blocks; ++b) {
        const int64_t end = std::min(FrameCount, (b + 1) * block);
        int64_t sum = 0;
        for (int64_t i = b * block * 2; i < end * 2; ++i) {
            const int v = int(Frames[i]) - 128;
            sum += v * v;
        }
        power[size_t(b)] = double(sum) / (double(end - b * block) * 2 * 128.0 * 128.0);
    }
    std::vector<double> sorted = power;
    std::nth_element(sorted.begin(), sorted.begin() + blocks / 10, sorted.end());
    const double floor = sorted[size_t(blocks / 10)];
    const double loudest = *std::max_element(power.begin(), power.end());
    const bool contrast = loudest >= floor * DbToPower(ContrastDb);
    if (loudest < DbToPower(SilentDb) || (!contrast && loudest < DbToPower(LoudDb)))
        return out;

    // Sound is what stands clearly above the background; a take that is
    // loud from end to end has no background to cut.
    const double threshold = std::min(
        loudest, std::max({DbToPower(SilentDb), contrast ? floor * DbToPower(ContrastDb / 2) : 0.0,
                           loudest * DbToPower(-40)}));
    int64_t first = 0, last = blocks - 1;
    while (power[size_t(first)] < threshold)
        ++first;
    while (power[size_t(last)] < threshold)
        --last;
    const int64_t start = std::max<int64_t>(0, first * block - int64_t(Rate) * EvenLeadMs / 1000);
    const int64_t end = std::min<int64_t>(FrameCount, (last + 1) * block + int64_t(Rate) * EvenTailMs / 1000);
    const int64_t n = end - start;

    std::vector<float> x(size_t(n * 2));
    for (int64_t i = 0; i < n * 2; ++i)
        x[size_t(i)] = float(int(Frames[start * 2 + i]) - 128) / 128.0f;
    // Linear fades: a cut through the background never starts or ends with a step.
    const int64_t fade = std::min<int64_t>(n / 2, int64_t(Rate) * EvenFadeMs / 1000);
    for (int64_t i = 0; i < fade; ++i) {
        const float g = float(i) / float(fade);
        for (int c = 0; c < 2; ++c) {
            x[size_t(i * 2 + c)] *= g;
            x[size_t((n - 1 - i) * 2 + c)] *= g;
        }
    }

    std::unique_ptr<ebur128_state, void (*)(ebur128_state *)> st(
        ebur128_init(2, Rate, EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK),
        [](ebur128_state *s) { ebur128_destroy(&s); });
    if (!st)
        return out;
    int64_t fed = 0;
    do {
        ebur128_add_frames_float(st.get(), x.data(), size_t(n));
        fed += n;
    } while (fed < int64_t(MeasureSeconds * Rate));
    double loudness = -HUGE_VAL, peak0 = 0, peak1 = 0;
    if (ebur128_loudness_global(st.get(), &loudness) != EBUR128_SUCCESS || !std::isfinite(loudness)
        || ebur128_true_peak(st.get(), 0, &peak0) != EBUR128_SUCCESS
        || ebur128_true_peak(st.get(), 1, &peak1) != EBUR128_SUCCESS)
        return out;
    double gain = std::pow(10.0, (EvenTargetLufs - loudness) / 20.0);
    const double peak = std::max(peak0, peak1);
    const double ceiling = std::pow(10.0, (EvenPeakCeilingDb - CeilingMarginDb) / 20.0);
    if (peak * gain > ceiling)
        gain = ceiling / peak;

    out.Samples.resize(qsizetype(n * 2));
    auto *dst = reinterpret_cast<uint8_t *>(out.Samples.data());
    const float scale = float(gain * 128.0);
    for (int64_t i = 0; i < n * 2; ++i)
        dst[i] = uint8_t(std::clamp(std::lround(x[size_t(i)] * scale) + 128, 0L, 255L));
    out.Outcome = TEvenOutcome::Evened;
    out.FirstFrame = start;
    out.EndFrame = end;
    out.LoudnessIn = loudness;
    out.GainDb = 20.0 * std::log10(gain);
    return out;
}

QByteArray EvenWaveImage(const QByteArray &Samples, uint32_t Rate, bool Evened)
{
    const TWaveFormatEx format = MakePCMWaveFormat(8, 2, Rate);
    QByteArray b;
    b.reserve(Samples.size() + 96);
    b.append("RIFF", 4);
    PutU32(b, 0);
    b.append("WAVE", 4);
    b.append("fmt ", 4);
    PutU32(b, uint32_t(sizeof format));
    b.append(reinterpret_cast<const char *>(&format), sizeof format);
    b.append("data", 4);
    PutU32(b, uint32_t(Samples.size()));
    b.append(Samples);
    if (Samples.size() & 1)
        b.append('\0');
    b.append("fact", 4);
    PutU32(b, 4);
    PutU32(b, uint32_t(Samples.size() / 2));
    if (Evened) {
        QByteArray item = EvenMark;
        item.append('\0');
        if (item.size() & 1)
            item.append('\0');
        b.append("LIST", 4);
        PutU32(b, uint32_t(4 + 8 + item.size()));
        b.append("INFO", 4);
        b.append("ICMT", 4);
        PutU32(b, uint32_t(EvenMark.size() + 1));
        b.append(item);
    }
    const uint32_t riff = uint32_t(b.size() - 8);
    std::memcpy(b.data() + 4, &riff, 4);
    return b;
}

QString OriginalSoundName(const QString &SoundFile)
{
    const QFileInfo info(SoundFile);
    return info.dir().filePath(QStringLiteral("original/") + info.fileName());
}

TEvenReport KeepAndEvenTake(const QString &SoundFile, bool Even)
{
    TEvenReport r;
    const TTake take = ReadTake(SoundFile);
    if (!Even) {
        // The file is a take as captured (no mark): an earlier original is
        // stale, and Even out all keeps this one when it gets to it.
        QFile::remove(OriginalSoundName(SoundFile));
        r.Outcome = take.Outcome == TEvenOutcome::Evened ? TEvenOutcome::Kept : take.Outcome;
        r.Milliseconds = Milliseconds(take.Samples, take.Rate);
        return r;
    }
    if (take.Outcome != TEvenOutcome::Evened) {
        r.Outcome = take.Outcome;
        return r;
    }
    return KeepOriginalAndEven(SoundFile, take);
}

TEvenReport EvenSoundFile(const QString &SoundFile)
{
    TEvenReport r;
    const TTake file = ReadTake(SoundFile);
    if (file.Outcome != TEvenOutcome::Evened) {
        r.Outcome = file.Outcome;
        return r;
    }
    if (file.Evened) {
        const TTake original = ReadTake(OriginalSoundName(SoundFile));
        if (original.Outcome == TEvenOutcome::Evened)
            return EvenInto(SoundFile, original);
        // The original is gone: the file itself is the best there is.
    }
    return KeepOriginalAndEven(SoundFile, file);
}

TEvenReport RestoreOriginalSound(const QString &SoundFile)
{
    TEvenReport r;
    r.Outcome = TEvenOutcome::NothingHeard;
    const TTake original = ReadTake(OriginalSoundName(SoundFile));
    if (original.Outcome == TEvenOutcome::Unreadable)
        return r;
    const TTake file = ReadTake(SoundFile);
    // A sound file without the mark is a take as captured, newer than any
    // original beside it.
    if (QFileInfo::exists(SoundFile) && !file.Evened)
        return r;
    if (!WriteFileAtomically(SoundFile, original.Bytes)) {
        r.Outcome = TEvenOutcome::WriteFailed;
        return r;
    }
    r.Outcome = TEvenOutcome::Restored;
    r.Milliseconds = Milliseconds(original.Samples, original.Rate);
    return r;
}
