#pragma once
// A tone as a PCM wave file, shared by the run-screen and sound tests.
#include "sound/playsound.h"

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <cmath>

// A PCM wave file of a 440 Hz tone in the given format.
inline QByteArray MakeWave(int channels, int bits, int rate, double seconds)
{
    const int frames = int(rate * seconds);
    const int blockAlign = channels * bits / 8;
    QByteArray data;
    data.reserve(frames * blockAlign);
    for (int i = 0; i < frames; ++i) {
        const double v = 0.5 * std::sin(2 * M_PI * 440.0 * i / rate);
        for (int c = 0; c < channels; ++c) {
            if (bits == 8) {
                data.append(char(uint8_t(128 + v * 127)));
            } else {
                const int16_t s = int16_t(v * 32767);
                data.append(char(s & 0xFF));
                data.append(char((s >> 8) & 0xFF));
            }
        }
    }
    auto le32 = [](QByteArray &b, uint32_t v) {
        char x[4];
        qToLittleEndian(v, x);
        b.append(x, 4);
    };
    auto le16 = [](QByteArray &b, uint16_t v) {
        char x[2];
        qToLittleEndian(v, x);
        b.append(x, 2);
    };
    QByteArray f("RIFF");
    le32(f, uint32_t(4 + 8 + 16 + 8 + data.size()));
    f.append("WAVEfmt ");
    le32(f, 16);
    le16(f, 1);
    le16(f, uint16_t(channels));
    le32(f, uint32_t(rate));
    le32(f, uint32_t(rate * blockAlign));
    le16(f, uint16_t(blockAlign));
    le16(f, uint16_t(bits));
    f.append("data");
    le32(f, uint32_t(data.size()));
    f.append(data);
    return f;
}

inline const char *NoSoundServerHint()
{
    return "no sound device took the file; the sound tests need a sound server: "
           "run tools/soundserver.sh start first";
}
