#pragma once
// A wave file's playable samples, as the player, the stream and the voice hand
// them on: the one type they share, in a header of its own so that the stream
// below the player need not include the player.
#include <QByteArray>
#include <QString>

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
