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
#include <memory>
#include <vector>

namespace {

constexpr uint32_t StoredRate = 22050;
// Blocks of 5 ms tell sound from silence: fine enough to trim within a few
// milliseconds of the first and last sound.
constexpr int BlockMs = 5;
// Sound is told from the take's own background, not from a fixed level: a
// word said softly across the room is as much a word as one said close up.
// The background is the quietest tenth of the blocks, and never quieter than
// the rounding of 8-bit samples (a twelfth of a step squared, -53 dBFS): a
// take that is digitally silent around its word has no quieter background
// than one with the faint flicker of a quiet room.
constexpr double RoundingPower = 1.0 / (12.0 * 128.0 * 128.0);
// A block is sound when it stands this far above the background. Steady
// noise in blocks of 5 ms wavers up to some 5 dB above its quietest tenth
// (most at the level of one 8-bit step, where a block holds only a few
// samples off the middle), while a word spoken so softly that its peaks are
// at -33 dBFS still stands 8 dB and more above the flicker of 8-bit samples.
constexpr double SoundAboveFloorDb = 6.0;
// ...and no more than this under the loudest block: a rustle far beneath the
// word is no part of it.
constexpr double SoundRangeDb = 35.0;
// From its sound the word reaches out as far as the take stays this much
// above its background, so a soft start or fading end is kept and only
// background is cut.
constexpr double EdgeAboveFloorDb = 3.0;
// A take with nothing standing out of its background is still heard when it
// is plainly loud on its own: a word that fills the take from end to end.
constexpr double LoudDb = -30.0;
// The loudness gate needs one block of 400 ms: a shorter word is measured as
// if said again and again.
constexpr double MeasureSeconds = 0.4;
// A hair under the ceiling, for the rounding to 8 bits.
constexpr double CeilingMarginDb = 0.05;

// The mark is a comment in the INFO list.
const char *const EvenMarkId = "ICMT";
const QByteArray EvenMark = QByteArrayLiteral("Evened to -20 LUFS");

double DbToPower(double db) { return std::pow(10.0, db / 10.0); }

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
    const int mark = WaveInfoIndex(EvenMarkId);
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

// The word in a take, in blocks of the given powers: from First to Last, or
// Last before First when nothing was heard.
struct TWordBlocks {
    int64_t First = 1, Last = 0;
};

TWordBlocks FindWord(const std::vector<double> &Power)
{
    const int64_t blocks = int64_t(Power.size());
    std::vector<double> sorted = Power;
    std::nth_element(sorted.begin(), sorted.begin() + blocks / 10, sorted.end());
    const double floor = std::max(sorted[size_t(blocks / 10)], RoundingPower);
    const double loudest = *std::max_element(Power.begin(), Power.end());
    const double sound = std::max(floor * DbToPower(SoundAboveFloorDb), loudest * DbToPower(-SoundRangeDb));
    if (loudest < sound) {
        // No background to cut: all of it is the word, if it is loud enough.
        if (loudest < DbToPower(LoudDb))
            return {};
        return {0, blocks - 1};
    }
    int64_t first = 0, last = blocks - 1;
    while (Power[size_t(first)] < sound)
        ++first;
    while (Power[size_t(last)] < sound)
        --last;
    const double edge = floor * DbToPower(EdgeAboveFloorDb);
    while (first > 0 && Power[size_t(first - 1)] >= edge)
        --first;
    while (last + 1 < blocks && Power[size_t(last + 1)] >= edge)
        ++last;
    return {first, last};
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
    const TWordBlocks word = FindWord(power);
    if (word.Last < word.First)
        return out;
    const int64_t soundStart = word.First * block;
    const int64_t soundEnd = std::min(FrameCount, (word.Last + 1) * block);
    const int64_t start = std::max<int64_t>(0, soundStart - int64_t(Rate) * EvenLeadMs / 1000);
    const int64_t end = std::min<int64_t>(FrameCount, soundEnd + int64_t(Rate) * EvenTailMs / 1000);
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

    // The loudness is that of the sound alone: background kept before and
    // after it would make a word in a hissing room seem softer than the same
    // word in a quiet one. The peaks are those of all that is kept.
    std::vector<float> sound(x.size(), 0.0f);
    std::copy(x.begin() + (soundStart - start) * 2, x.begin() + (soundEnd - start) * 2,
              sound.begin() + (soundStart - start) * 2);
    using TMeter = std::unique_ptr<ebur128_state, void (*)(ebur128_state *)>;
    auto meter = [Rate](int Mode) { return TMeter(ebur128_init(2, Rate, Mode), [](ebur128_state *s) { ebur128_destroy(&s); }); };
    const TMeter loudnessMeter = meter(EBUR128_MODE_I), peakMeter = meter(EBUR128_MODE_TRUE_PEAK);
    if (!loudnessMeter || !peakMeter)
        return out;
    int64_t fed = 0;
    do {
        ebur128_add_frames_float(loudnessMeter.get(), sound.data(), size_t(n));
        fed += n;
    } while (fed < int64_t(MeasureSeconds * Rate));
    ebur128_add_frames_float(peakMeter.get(), x.data(), size_t(n));
    double loudness = -HUGE_VAL, peak0 = 0, peak1 = 0;
    if (ebur128_loudness_global(loudnessMeter.get(), &loudness) != EBUR128_SUCCESS || !std::isfinite(loudness)
        || ebur128_true_peak(peakMeter.get(), 0, &peak0) != EBUR128_SUCCESS
        || ebur128_true_peak(peakMeter.get(), 1, &peak1) != EBUR128_SUCCESS)
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
    QByteArray after = WaveFactTrailer(Samples.size(), uint32_t(Samples.size() / 2));
    if (Evened)
        after.append(WaveInfoList({{EvenMarkId, EvenMark}}));
    return WaveImage(QByteArray(reinterpret_cast<const char *>(&format), sizeof format), Samples, after);
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
