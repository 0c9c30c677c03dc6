#pragma once
// Evening out a word's recording: the silence or steady background before
// and after the word is cut away (a little is kept, with short fades, so the
// word neither starts abruptly nor clicks), and the rest is brought to one
// loudness for every word (ITU-R BS.1770 integrated loudness of the word
// alone, not of the background around it) with its true peak kept below
// full scale. The recording's own format is written back, so every player
// of the sound files plays the result as before.
//
// The take as captured is kept under the same name in the folder "original"
// beside the sound file. A sound file that was evened carries a mark (a
// comment in its INFO list); one without the mark is a take as captured, and
// an "original" beside it that differs is older than it, never the other way
// round. That is what keeps every step below safe to cut off: each file is
// replaced whole (WriteFileAtomically), the original before the sound file.
#include "sound/WaveSound.h" // OriginalSoundName: where the take as captured is kept

#include <QByteArray>
#include <QString>

#include <cstdint>

// Integrated loudness every word is brought to, in LUFS. Spoken words have
// peaks some 12 to 18 dB above their loudness, so at -20 LUFS they stay under
// the -1 dBFS ceiling without being squeezed, while the quiet ends of a word
// remain well above the hiss of 8-bit samples (about -48 dBFS); it is close
// to the level of speech in broadcast (-23) and a little under that of
// streamed speech (-16 to -18), so the words sit well beside other sounds of
// the computer at the same volume setting.
constexpr double EvenTargetLufs = -20.0;
// No sample, nor any peak between samples, goes above this (dBFS).
constexpr double EvenPeakCeilingDb = -1.0;
// Kept before the first and after the last sound, in milliseconds.
constexpr int EvenLeadMs = 50;
constexpr int EvenTailMs = 150;
constexpr int EvenFadeMs = 10;

enum class TEvenOutcome {
    Evened,        // trimmed and brought to the target
    NothingHeard,  // nothing stands out of silence or a steady noise: left as it is
    OtherFormat,   // not 8-bit stereo PCM at 22050 samples per second: left as it is
    Unreadable,    // not a wave file, or none at all
    WriteFailed,   // the disk took no new file; the old one is in place
    Kept,          // kept as the original, not evened (evening is off)
    Restored,      // the original put back
};

struct TEvenedSound {
    TEvenOutcome Outcome = TEvenOutcome::NothingHeard;
    QByteArray Samples;      // the evened 8-bit stereo frames, when Evened
    int64_t FirstFrame = 0;  // the part of the input kept, in frames
    int64_t EndFrame = 0;
    double LoudnessIn = 0;   // LUFS of the word before the gain
    double GainDb = 0;
};

// Evens 8-bit unsigned stereo frames at Rate samples per second.
TEvenedSound EvenOutSamples(const uint8_t *Frames, int64_t FrameCount, uint32_t Rate);

// The wave file image this program records, holding Samples (8-bit stereo
// frames at Rate), marked as evened when Evened.
QByteArray EvenWaveImage(const QByteArray &Samples, uint32_t Rate, bool Evened);

struct TEvenReport {
    TEvenOutcome Outcome = TEvenOutcome::Unreadable;
    int64_t Milliseconds = 0;  // length of the sound file afterwards
};

// A recording has just become SoundFile. With Even it is kept as the
// original (replacing an earlier one) and then evened; without, the earlier
// original goes, as the file is now the take as captured.
TEvenReport KeepAndEvenTake(const QString &SoundFile, bool Even);

// Evens SoundFile from its original; a file that is not marked as evened is
// a take as captured and becomes the original first.
TEvenReport EvenSoundFile(const QString &SoundFile);

// Puts the original back over an evened SoundFile (a take as captured is left
// as it is): Restored, or NothingHeard when there was nothing to put back.
TEvenReport RestoreOriginalSound(const QString &SoundFile);
