#pragma once
// A wave file's playable samples, as the player, the stream and the voice hand
// them on: the one type they share, in a header of its own so that the stream
// below the player need not include the player. Beside it, the one reader and
// writer of the wave files this program makes itself, and the names of a
// word's sound files: the recorder, the evening, the voice and the word packs
// above all reach this layer.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

// The playable part of a PCM wave file.
struct TWaveSound {
    int Channels = 0;
    int SampleRate = 0;
    int BitsPerSample = 0;
    QByteArray Data;         // whole frames only
};
// Reads a RIFF WAVE file's format and samples. Returns false with a reason for a
// file that is missing, unreadable, not PCM, or of a sample size other than 8 or 16.
bool ParseWaveSound(const QByteArray &file, TWaveSound &sound, QString &error);

// ---------------------------------------------------------------------------
// The program's own wave files: "RIFF" <size> "WAVE", the "fmt " chunk, the
// "data" chunk and, once a recording is closed, the "fact" chunk with its
// number of frames and any lists after it. Every size field is 32 bits,
// little-endian.

// Where the RIFF size stands.
constexpr int WaveRiffSizeAt = 4;

// The 16 bytes of a PCM format record (no extra-size field).
QByteArray PcmWaveFormat(int Channels, int SampleRate, int BitsPerSample);

// A size field's four bytes, as written in place of an earlier one.
QByteArray WaveSizeField(uint32_t Size);

// Everything before the first sample: the RIFF header with RiffSize, the
// format chunk holding Format (padded to an even length) and the data chunk's
// header with DataBytes. Its last four bytes are the data size.
QByteArray WaveHead(const QByteArray &Format, uint32_t RiffSize, uint32_t DataBytes);

// What a closed recording holds right after DataBytes of samples: the pad
// byte of an odd length, then the "fact" chunk with Frames.
QByteArray WaveFactTrailer(int64_t DataBytes, uint32_t Frames);

// A "LIST" chunk of form "INFO" holding Items (a four-letter identifier and
// its text each); empty when there are none.
QByteArray WaveInfoList(const std::vector<std::pair<const char *, QByteArray>> &Items);

// A whole file: the head for Format, Samples, then After (trailer, lists),
// with the sizes that describe them.
QByteArray WaveImage(const QByteArray &Format, const QByteArray &Samples, const QByteArray &After = {});

// The head of a file laid out as this program writes it, read back.
struct TWaveHead {
    uint32_t RiffSize = 0;
    QByteArray Format;      // the format chunk's contents
    int64_t DataSizeAt = 0; // where the data chunk's size stands
    int64_t DataAt = 0;     // where the first sample stands
    uint32_t DataBytes = 0; // the data chunk's size as it stands
};
// Reads Count bytes at Pos of a file into Out; false when not all are there.
using TWaveReadAt = std::function<bool(int64_t Pos, int64_t Count, QByteArray &Out)>;
// False for anything but a RIFF WAVE file that starts with its format chunk
// (of 64 KiB at the most) and has its data chunk right after it.
bool ReadWaveHead(const TWaveReadAt &ReadAt, TWaveHead &Head);

// ---------------------------------------------------------------------------
// Sound file names

// Where the take as captured of SoundFile is kept: the same name in the
// folder "original" beside it.
QString OriginalSoundName(const QString &SoundFile);
// The file of word sound SoundNo in Folder (which ends in a separator), or of
// its take as captured: "wav/word0007.wav" and "wav/original/word0007.wav"
// for sound 7 in "wav/"; a negative number is written with its sign.
QString WordSoundName(int SoundNo, bool Original, const QString &Folder);
