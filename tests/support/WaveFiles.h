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
