// Evening out takes: generated tones and noise at levels 30 dB apart with
// silences of different lengths come out trimmed and at one loudness
// (measured here on its own with libebur128); words said softly keep their
// soft start and end, and come out as loud in a hissing room as in a quiet
// one; silence, steady noise (down to the flicker of 8-bit samples) and files
// that are not recordings are left alone; a full disk and a kill at any step
// of evening or undoing leave every word with a sound and its take as captured.
#include "audio/MMEvenOut.h"

#include "audio/MMWave.h"
#include "platform/AtomicFile.h"
#include "support/TestSupport.h"
#include "support/WaveFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace {

struct TCase {
    const char *Name;
    TTakeSound Kind;
    double LevelDb;
    int LeadMs, SoundMs, TailMs;
};

// Loud and quiet are 30 dB apart; the silences are shorter and longer than
// what is kept.
const TCase Cases[] = {
    {"loud tone", TTakeSound::Tone, -8, 300, 800, 700},
    {"quiet tone", TTakeSound::Tone, -38, 30, 600, 1200},
    {"loud noise", TTakeSound::Noise, -8, 900, 500, 100},
    {"quiet noise", TTakeSound::Noise, -38, 400, 700, 400},
    {"short quiet tone", TTakeSound::Tone, -38, 500, 300, 300},
    {"loud noise from end to end", TTakeSound::Noise, -8, 0, 900, 0},
};

// Milliseconds from the start of Frames to the first sample off the middle
// by more than Above steps.
double OnsetMs(const QByteArray &Frames, int Above)
{
    for (qsizetype i = 0; i < Frames.size(); ++i)
        if (std::abs(int(uint8_t(Frames[i])) - 128) > Above)
            return double(i / 2) * 1000.0 / 22050.0;
    return -1;
}

// A word as said into the recorder, built here: WordMs that swell in over
// the first 100 ms and die away over the last 150 ms, with PeakDb its highest
// sample (dBFS), LeadMs and TailMs around it, all in a steady Gaussian hiss
// of HissDb RMS (none below -100). A hum is a 220 Hz tone that wavers by a
// quarter five times a second; a voice is pulses 125 times a second, each a
// 600 Hz ring that dies within a few milliseconds, as a vowel's waveform
// does (its loudness lies some 15 dB under its peaks, as speech's does).
enum class TVoice { Hum, Voice };
constexpr double Fs = 22050.0;

QByteArray SaidWord(TVoice Kind, double PeakDb, int LeadMs, int WordMs, int TailMs, double HissDb = -200)
{
    const int lead = int(Fs * LeadMs / 1000), word = int(Fs * WordMs / 1000), frames = lead + word + int(Fs * TailMs / 1000);
    std::vector<double> w(size_t(word), 0.0);
    double top = 0;
    for (int i = 0; i < word; ++i) {
        const double t = i / Fs, swell = std::min({1.0, t / 0.1, (WordMs / 1000.0 - t) / 0.15});
        if (Kind == TVoice::Hum) {
            w[size_t(i)] = swell * (0.75 + 0.25 * std::cos(2 * M_PI * 5 * t)) * std::sin(2 * M_PI * 220 * t);
        } else {
            const double ring = std::fmod(t, 1 / 125.0);
            w[size_t(i)] = swell * (0.6 + 0.4 * std::cos(2 * M_PI * 5 * (t - 0.1))) * std::exp(-ring / 0.001)
                * std::sin(2 * M_PI * 600 * ring);
        }
        top = std::max(top, std::abs(w[size_t(i)]));
    }
    const double peak = top > 0 ? 128.0 * std::pow(10.0, PeakDb / 20.0) / top : 0.0;
    const double hiss = HissDb > -100 ? 128.0 * std::pow(10.0, HissDb / 20.0) : 0.0;
    QByteArray b(frames * 2, char(128));
    uint32_t seed = 2024;
    for (int i = 0; i < frames; ++i) {
        double v = -6;
        for (int k = 0; k < 12; ++k) { // twelve uniforms add up to a Gaussian of deviation 1
            seed = seed * 1664525u + 1013904223u;
            v += double(seed >> 8) / double(1u << 24);
        }
        v *= hiss;
        if (i >= lead && i < lead + word)
            v += peak * w[size_t(i - lead)];
        b[2 * i] = b[2 * i + 1] = char(std::clamp(128 + int(std::lround(v)), 0, 255));
    }
    return b;
}

// Hiss with the loudness of a noisy room (-41 LUFS) and the faint flicker
// of 8-bit samples in a quiet one, as RMS in dBFS.
constexpr double RoomHissDb = -48.2, FlickerDb = -50.0;

double Ms(int64_t Frames) { return double(Frames) * 1000.0 / Fs; }

class EvenOut : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override { SetFileStepHook({}); }
    QString Sound(int n) const { return dir.filePath(QStringLiteral("word%1.wav").arg(n, 4, 10, QLatin1Char('0'))); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(EvenOut, TakesAtLevels30dBApartComeOutTrimmedAtOneLoudnessBelowTheCeiling)
{
    std::vector<double> loudness;
    for (size_t k = 0; k < std::size(Cases); ++k) {
        const TCase &c = Cases[k];
        SCOPED_TRACE(c.Name);
        const QString file = Sound(int(k));
        WriteWave(file, Take(c.Kind, c.LevelDb, c.LeadMs, c.SoundMs, c.TailMs));
        const QByteArray captured = ReadAll(file);

        const TEvenReport r = EvenSoundFile(file);
        ASSERT_EQ(r.Outcome, TEvenOutcome::Evened);
        EXPECT_EQ(ReadAll(OriginalSoundName(file)), captured) << "the take as captured is kept";
        EXPECT_EQ(OriginalSoundName(file), dir.filePath(QStringLiteral("original/word%1.wav").arg(k, 4, 10, QLatin1Char('0'))));

        bool stored = false;
        const QByteArray out = WaveSamples(file, &stored);
        EXPECT_TRUE(stored) << "written back as 8-bit stereo at 22050";
        const TLoudness l = MeasureLoudness(out);
        EXPECT_NEAR(l.Lufs, EvenTargetLufs, 1.0);
        EXPECT_LE(l.TruePeakDb, -1.0);
        loudness.push_back(l.Lufs);

        // What is kept: up to 50 ms before the sound, up to 150 ms after it.
        const double lead = std::min(c.LeadMs, 50), tail = std::min(c.TailMs, 150);
        const double length = double(out.size() / 2) * 1000.0 / 22050.0;
        EXPECT_NEAR(length, lead + c.SoundMs + tail, 20.0);
        EXPECT_NEAR(r.Milliseconds, length, 1.0);
        EXPECT_NEAR(OnsetMs(out, 3), lead, 20.0);
        // The cut is faded in both channels: no step at either end.
        for (const qsizetype at : {qsizetype(0), qsizetype(1), out.size() - 2, out.size() - 1})
            EXPECT_LE(std::abs(int(uint8_t(out[at])) - 128), 1) << at;
    }
    const auto [lo, hi] = std::minmax_element(loudness.begin(), loudness.end());
    EXPECT_LE(*hi - *lo, 1.0) << "the words are within 1 LU of each other";
}

TEST_F(EvenOut, ASoftWordKeepsItsSoftStartAndEndAndComesOutAsLoudInAHissingRoomAsInAQuietOne)
{
    struct TWordCase {
        const char *Name;
        TVoice Kind;
        double PeakDb, HissDb;
        int LeadMs, WordMs, TailMs;
        bool Rustle;  // a soft rustle from 300 to 400 ms, 35 dB and more under the word
        // Where the kept part begins and ends in the take, in ms.
        double FromLo, FromHi, ToLo, ToHi;
    };
    // The soft hum (peaks 3.2 steps of 8 bits) has samples off the middle
    // from 16 ms into its swell (where it passes 0.52 steps and they fill a
    // sixth of a block) until 24 ms before its end. Cut at the 5 ms block
    // holding that, less 50 ms and plus 150 ms: it begins 29 to 39 ms before
    // the word and ends 121 to 131 ms after it (a few ms more either way in
    // hiss). An ordinary word is heard from its first millisecond: 50 ms
    // before it, 150 after, each within a block. The soft voice's first pulse
    // off the middle comes 40 ms into its swell and its last 48 ms before its
    // end; the short hum swells faster than it can be worked out here: both
    // are kept whole, with no more than 50 ms before and 150 after.
    const TWordCase cases[] = {
        {"soft hum", TVoice::Hum, -32, -200, 700, 600, 800, false, 658, 672, 1415, 1435},
        {"soft hum in a hissing room", TVoice::Hum, -32, RoomHissDb, 700, 600, 800, false, 655, 676, 1412, 1438},
        {"ordinary hum", TVoice::Hum, -6, -200, 700, 600, 800, false, 645, 655, 1444, 1455},
        {"ordinary hum in a hissing room", TVoice::Hum, -6, RoomHissDb, 700, 600, 800, false, 645, 655, 1444, 1455},
        {"short soft hum", TVoice::Hum, -32, -200, 700, 200, 800, false, 645, 700, 900, 1055},
        {"short soft hum in a hissing room", TVoice::Hum, -32, RoomHissDb, 700, 200, 800, false, 645, 700, 900, 1055},
        {"soft hum with little silence", TVoice::Hum, -32, -200, 20, 600, 40, false, 0, 0, 660, 660},
        {"ordinary hum from the first moment", TVoice::Hum, -6, -200, 0, 600, 800, false, 0, 0, 744, 755},
        {"loud hum after a rustle", TVoice::Hum, -1, -200, 700, 600, 800, true, 645, 655, 1444, 1455},
        {"soft voice", TVoice::Voice, -32.6, -200, 700, 600, 800, false, 685, 740, 1253, 1407},
        {"soft voice in the flicker of 8 bits", TVoice::Voice, -32.6, FlickerDb, 700, 600, 800, false, 685, 740, 1253, 1407},
    };
    double wordDb[std::size(cases)] = {};
    for (size_t k = 0; k < std::size(cases); ++k) {
        const TWordCase &c = cases[k];
        SCOPED_TRACE(c.Name);
        QByteArray take = SaidWord(c.Kind, c.PeakDb, c.LeadMs, c.WordMs, c.TailMs, c.HissDb);
        if (c.Rustle) // a 1 kHz tone of 1.45 steps: -43 dBFS, the word's loudest 5 ms are at -4
            for (int i = int(Fs * 0.3); i < int(Fs * 0.4); ++i)
                take[2 * i] = take[2 * i + 1] = char(128 + std::lround(1.45 * std::sin(2 * M_PI * 1000 * i / Fs)));
        const TEvenedSound even = EvenOutSamples(reinterpret_cast<const uint8_t *>(take.constData()), take.size() / 2, 22050);
        ASSERT_EQ(even.Outcome, TEvenOutcome::Evened);
        EXPECT_GE(Ms(even.FirstFrame), c.FromLo);
        EXPECT_LE(Ms(even.FirstFrame), c.FromHi);
        EXPECT_GE(Ms(even.EndFrame), c.ToLo);
        EXPECT_LE(Ms(even.EndFrame), c.ToHi);

        // What came out is the kept part of the take at one gain (but for
        // the fades at its ends).
        const qsizetype fade = 220, n = even.Samples.size() / 2;
        ASSERT_EQ(n, even.EndFrame - even.FirstFrame);
        const double gain = std::pow(10.0, even.GainDb / 20.0);
        int wrong = 0;
        for (qsizetype i = fade * 2; i < (n - fade) * 2; ++i)
            wrong += std::abs(int(uint8_t(even.Samples[i])) - 128 - (int(uint8_t(take[even.FirstFrame * 2 + i])) - 128) * gain) > 1;
        EXPECT_EQ(wrong, 0);

        // The word itself, measured in what came out, is at the target.
        const int64_t lead = int64_t(Fs * c.LeadMs / 1000);
        const int64_t from = std::max(lead, even.FirstFrame), to = std::min(lead + int64_t(Fs * c.WordMs / 1000), even.EndFrame);
        const QByteArray word = even.Samples.mid(qsizetype(from - even.FirstFrame) * 2, qsizetype(to - from) * 2);
        if (c.WordMs >= 400) { // the loudness gate needs 400 ms
            EXPECT_NEAR(MeasureLoudness(word).Lufs, EvenTargetLufs, 1.0);
        }
        double power = 0;
        for (const char v : word)
            power += std::pow(int(uint8_t(v)) - 128, 2);
        wordDb[k] = 10 * std::log10(power / double(word.size()));

        // Evening the file gives the same.
        WriteWave(Sound(0), take);
        ASSERT_EQ(EvenSoundFile(Sound(0)).Outcome, TEvenOutcome::Evened);
        EXPECT_EQ(WaveSamples(Sound(0)), even.Samples);
    }
    // With and without hiss, as loud (RMS over the word).
    for (const size_t k : {0, 2, 4})
        EXPECT_NEAR(wordDb[k], wordDb[k + 1], 1.0) << cases[k].Name;
}

TEST_F(EvenOut, TheEvenedFileIsTheRecordersFileWithAMarkAfterItsSamples)
{
    const QByteArray samples = Take(TTakeSound::Tone, -10, 10, 20, 10);
    WriteWave(Sound(0), samples);
    const QByteArray recorded = ReadAll(Sound(0));
    EXPECT_EQ(EvenWaveImage(samples, 22050, false), recorded);
    QByteArray mark("LIST\x20\0\0\0INFOICMT\x13\0\0\0Evened to -20 LUFS\0\0", 40);
    QByteArray expected = recorded + mark;
    const uint32_t riff = uint32_t(expected.size() - 8);
    std::memcpy(expected.data() + 4, &riff, 4);
    EXPECT_EQ(EvenWaveImage(samples, 22050, true), expected);
}

TEST_F(EvenOut, EveningAgainStartsFromTheOriginalAndGivesTheSameSound)
{
    const QString file = Sound(0);
    WriteWave(file, Take(TTakeSound::Tone, -38, 400, 600, 400));
    const QByteArray captured = ReadAll(file);
    ASSERT_EQ(KeepAndEvenTake(file, true).Outcome, TEvenOutcome::Evened);
    const QByteArray once = ReadAll(file);
    ASSERT_NE(once, captured);
    ASSERT_EQ(EvenSoundFile(file).Outcome, TEvenOutcome::Evened);
    EXPECT_EQ(ReadAll(file), once);
    EXPECT_EQ(ReadAll(OriginalSoundName(file)), captured);

    // Undo puts the take back; a second Undo finds nothing more to do.
    EXPECT_EQ(RestoreOriginalSound(file).Outcome, TEvenOutcome::Restored);
    EXPECT_EQ(ReadAll(file), captured);
    EXPECT_EQ(RestoreOriginalSound(file).Outcome, TEvenOutcome::NothingHeard);
    EXPECT_EQ(ReadAll(file), captured);

    // A new take recorded with evening off is the word's sound as it is: its
    // stale original goes, and Undo never brings the older take back.
    ASSERT_EQ(EvenSoundFile(file).Outcome, TEvenOutcome::Evened);
    const QByteArray newer = Take(TTakeSound::Noise, -20, 100, 500, 100);
    WriteWave(file, newer);
    const QByteArray newTake = ReadAll(file);
    EXPECT_EQ(KeepAndEvenTake(file, false).Outcome, TEvenOutcome::Kept);
    EXPECT_FALSE(QFile::exists(OriginalSoundName(file)));
    EXPECT_EQ(RestoreOriginalSound(file).Outcome, TEvenOutcome::NothingHeard);
    EXPECT_EQ(ReadAll(file), newTake);
}

TEST_F(EvenOut, SilenceSteadyNoiseAndFilesThatAreNoRecordingsAreLeftAsTheyAre)
{
    struct TBad {
        const char *Name;
        QByteArray Bytes;
        TEvenOutcome Outcome;
    };
    auto wave = [&](const QByteArray &samples, int rate = 22050) {
        WriteWave(dir.filePath("tmp.wav"), samples, rate);
        const QByteArray b = ReadAll(dir.filePath("tmp.wav"));
        QFile::remove(dir.filePath("tmp.wav"));
        return b;
    };
    // Steady noise at the level of a quiet room, with no word over it.
    const QByteArray hiss = Take(TTakeSound::Noise, -44, 0, 2000, 0);
    const QByteArray roomHiss = SaidWord(TVoice::Hum, -200, 0, 0, 2000, RoomHissDb);
    EXPECT_NEAR(MeasureLoudness(roomHiss).Lufs, -41.0, 0.5);
    const QByteArray tone = wave(Take(TTakeSound::Tone, -10, 200, 500, 200));
    const TBad bad[] = {
        {"silence", wave(Take(TTakeSound::Tone, -200, 0, 1500, 0)), TEvenOutcome::NothingHeard},
        {"steady hiss", wave(hiss), TEvenOutcome::NothingHeard},
        {"hiss of a noisy room", wave(roomHiss), TEvenOutcome::NothingHeard},
        {"flicker of 8 bits", wave(SaidWord(TVoice::Hum, -200, 0, 0, 3000, FlickerDb)), TEvenOutcome::NothingHeard},
        {"ten seconds of the faintest flicker", wave(SaidWord(TVoice::Hum, -200, 0, 0, 10000, -52)), TEvenOutcome::NothingHeard},
        {"no samples", wave({}), TEvenOutcome::NothingHeard},
        {"empty file", QByteArray(), TEvenOutcome::Unreadable},
        {"cut in its header", tone.left(30), TEvenOutcome::Unreadable},
        {"not a wave", QByteArray(5000, 'x'), TEvenOutcome::Unreadable},
        {"another rate", wave(Take(TTakeSound::Tone, -10, 200, 500, 200), 44100), TEvenOutcome::OtherFormat},
    };
    for (const TBad &b : bad) {
        SCOPED_TRACE(b.Name);
        const QString file = Sound(0);
        QDir(dir.filePath("original")).removeRecursively();
        WriteAll(file, b.Bytes);
        EXPECT_EQ(KeepAndEvenTake(file, true).Outcome, b.Outcome);
        EXPECT_EQ(EvenSoundFile(file).Outcome, b.Outcome);
        EXPECT_EQ(ReadAll(file), b.Bytes);
        EXPECT_FALSE(QFile::exists(OriginalSoundName(file)) && ReadAll(OriginalSoundName(file)) != b.Bytes);
    }
    // A take cut off in its samples still has its sound and is evened.
    WriteAll(Sound(1), tone.left(tone.size() - 3000));
    EXPECT_EQ(EvenSoundFile(Sound(1)).Outcome, TEvenOutcome::Evened);
    EXPECT_NEAR(MeasureLoudness(WaveSamples(Sound(1))).Lufs, EvenTargetLufs, 1.0);
}

TEST_F(EvenOut, AFullDiskLeavesTheSoundFileAsItWasAndNeverLosesTheOriginal)
{
    const QString file = Sound(0);
    WriteWave(file, Take(TTakeSound::Tone, -30, 300, 500, 300));
    const QByteArray captured = ReadAll(file);
    for (const QString &refused : {OriginalSoundName(file), file}) {
        SCOPED_TRACE(refused.toStdString());
        SetFileStepHook([&](TFileStep step, const QString &path) { return !(step == TFileStep::Write && path == refused); });
        EXPECT_EQ(KeepAndEvenTake(file, true).Outcome, TEvenOutcome::WriteFailed);
        EXPECT_EQ(ReadAll(file), captured);
        SetFileStepHook({});
    }
    EXPECT_EQ(ReadAll(OriginalSoundName(file)), captured);

    // Undo that cannot write keeps the evened sound.
    ASSERT_EQ(EvenSoundFile(file).Outcome, TEvenOutcome::Evened);
    const QByteArray evened = ReadAll(file);
    SetFileStepHook([](TFileStep step, const QString &) { return step != TFileStep::Flush; });
    EXPECT_EQ(RestoreOriginalSound(file).Outcome, TEvenOutcome::WriteFailed);
    EXPECT_EQ(ReadAll(file), evened);
}

TEST_F(EvenOut, AKillAtAnyStepOfEveningOrUndoingLeavesEveryWordASoundAndItsTake)
{
    // Three words: two takes as captured, one evened before with its original.
    const QByteArray takes[] = {Take(TTakeSound::Tone, -8, 300, 400, 300), Take(TTakeSound::Noise, -38, 100, 500, 600),
                                Take(TTakeSound::Tone, -25, 200, 600, 200)};
    QByteArray captured[3];
    auto reset = [&] {
        QDir(dir.filePath("original")).removeRecursively();
        for (int n = 0; n < 3; ++n) {
            WriteWave(Sound(n), takes[n]);
            captured[n] = ReadAll(Sound(n));
        }
        ASSERT_EQ(EvenSoundFile(Sound(2)).Outcome, TEvenOutcome::Evened);
    };
    // Every word plays its take or an evening of it, and an evened word's
    // take is kept.
    auto check = [&](const char *when) {
        RecoverRecordings(dir.path());
        for (int n = 0; n < 3; ++n) {
            SCOPED_TRACE(testing::Message() << when << " word " << n);
            const QByteArray now = ReadAll(Sound(n));
            if (now == captured[n])
                continue;
            const QByteArray samples = WaveSamples(Sound(n));
            ASSERT_FALSE(samples.isEmpty());
            EXPECT_NEAR(MeasureLoudness(samples).Lufs, EvenTargetLufs, 1.0);
            EXPECT_EQ(ReadAll(OriginalSoundName(Sound(n))), captured[n]);
        }
    };
    struct TKilled : std::runtime_error {
        TKilled() : std::runtime_error("killed") {}
    };
    for (const bool undo : {false, true}) {
        int steps = 0;
        for (int killAt = 0;; ++killAt) {
            SCOPED_TRACE(testing::Message() << (undo ? "undo" : "even") << ", killed at step " << killAt);
            reset();
            if (undo) {
                for (int n = 0; n < 3; ++n)
                    ASSERT_EQ(EvenSoundFile(Sound(n)).Outcome, TEvenOutcome::Evened);
            }
            int step = 0;
            SetFileStepHook([&](TFileStep, const QString &) {
                if (step++ == killAt)
                    throw TKilled();
                return true;
            });
            bool killed = false;
            try {
                for (int n = 0; n < 3; ++n)
                    undo ? RestoreOriginalSound(Sound(n)) : EvenSoundFile(Sound(n));
            } catch (const TKilled &) {
                killed = true;
            }
            SetFileStepHook({});
            check("after the kill");
            // Started again, the run finishes the job.
            for (int n = 0; n < 3; ++n)
                undo ? RestoreOriginalSound(Sound(n)) : EvenSoundFile(Sound(n));
            for (int n = 0; n < 3; ++n) {
                if (undo)
                    EXPECT_EQ(ReadAll(Sound(n)), captured[n]) << n;
                else
                    EXPECT_NEAR(MeasureLoudness(WaveSamples(Sound(n))).Lufs, EvenTargetLufs, 1.0) << n;
            }
            if (!killed) {
                steps = killAt;
                break;
            }
        }
        // Each word: its original and its sound, four steps for each file.
        EXPECT_GE(steps, undo ? 12 : 20);
    }
}
