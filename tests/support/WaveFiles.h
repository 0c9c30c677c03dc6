#pragma once
// Sound data and wave files for the tests that record and play.
#include <QByteArray>
#include <QString>

// 8-bit stereo PCM of a sine (amplitude 100 around 128), or of silence when
// Hz is 0.
QByteArray Tone(double Hz, int Rate, int Frames);

// An 8-bit stereo PCM wave file holding Data.
void WriteWave(const QString &Path, const QByteArray &Data, int Rate = 22050);

// What to do when the sound server's wave devices are missing.
const char *SoundServerHint();

// A take as the recording page stores it (8-bit stereo at 22050 per second):
// LeadMs of digital silence, SoundMs of a 440 Hz tone (or of white noise) at
// LevelDb RMS below full scale, then TailMs of silence.
enum class TTakeSound { Tone, Noise };
QByteArray Take(TTakeSound Kind, double LevelDb, int LeadMs, int SoundMs, int TailMs);

// Loudness of 8-bit stereo frames at 22050 per second, measured on its own
// by libebur128: integrated LUFS and the true peak in dBFS.
struct TLoudness {
    double Lufs;
    double TruePeakDb;
};
TLoudness MeasureLoudness(const QByteArray &Frames);

// The sample data of a wave file and whether it is 8-bit stereo at 22050
// per second (empty when it cannot be read).
QByteArray WaveSamples(const QString &Path, bool *StoredFormat = nullptr);
