#include "support/WaveFiles.h"

#include "audio/MMWave.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <vector>

QByteArray Tone(double Hz, int Rate, int Frames)
{
    QByteArray b(Frames * 2, char(128));
    for (int i = 0; i < Frames && Hz > 0; ++i) {
        const char v = char(128 + int(std::lround(100 * std::sin(2 * M_PI * Hz * i / Rate))));
        b[2 * i] = v;
        b[2 * i + 1] = v;
    }
    return b;
}

void WriteWave(const QString &Path, const QByteArray &Data, int Rate)
{
    TMMWave w;
    const TWaveFormatEx f = MakePCMWaveFormat(8, 2, uint32_t(Rate));
    w.CreateFile(Path, &f);
    if (!Data.isEmpty())
        w.WriteData(Data.constData(), Data.size());
    w.CloseFile();
}

const char *SoundServerHint()
{
    return "no wave device on ALSA \"default\"; start the test sound server: tools/soundserver.sh start";
}

QByteArray Take(TTakeSound Kind, double LevelDb, int LeadMs, int SoundMs, int TailMs)
{
    const int rate = 22050, lead = rate * LeadMs / 1000, sound = rate * SoundMs / 1000, tail = rate * TailMs / 1000;
    QByteArray b((lead + sound + tail) * 2, char(128));
    const double rms = std::pow(10.0, LevelDb / 20.0);
    // A sine's peak is its RMS times the square root of 2, uniform noise's
    // the square root of 3.
    const double peak = rms * (Kind == TTakeSound::Tone ? std::sqrt(2.0) : std::sqrt(3.0)) * 128.0;
    uint32_t seed = 12345;
    for (int i = 0; i < sound; ++i) {
        double v;
        if (Kind == TTakeSound::Tone) {
            v = std::sin(2 * M_PI * 440.0 * i / rate);
        } else {
            seed = seed * 1664525u + 1013904223u;
            v = double(seed >> 8) / double(1u << 23) - 1.0;
        }
        const char c = char(std::clamp(128 + int(std::lround(peak * v)), 0, 255));
        b[2 * (lead + i)] = c;
        b[2 * (lead + i) + 1] = c;
    }
    return b;
}

TLoudness MeasureLoudness(const QByteArray &Frames)
{
    ebur128_state *st = ebur128_init(2, 22050, EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK);
    std::vector<short> s(size_t(Frames.size()));
    for (qsizetype i = 0; i < Frames.size(); ++i)
        s[size_t(i)] = short((int(uint8_t(Frames[i])) - 128) * 256);
    ebur128_add_frames_short(st, s.data(), s.size() / 2);
    TLoudness l{-HUGE_VAL, -HUGE_VAL};
    double p0 = 0, p1 = 0;
    ebur128_loudness_global(st, &l.Lufs);
    ebur128_true_peak(st, 0, &p0);
    ebur128_true_peak(st, 1, &p1);
    l.TruePeakDb = 20 * std::log10(std::max(p0, p1));
    ebur128_destroy(&st);
    return l;
}

QByteArray WaveSamples(const QString &Path, bool *StoredFormat)
{
    TMMWave w;
    try {
        w.SetFileName(Path);
    } catch (const std::exception &) {
        return {};
    }
    const TWaveFormatEx *f = w.WaveFormat();
    if (!f)
        return {};
    if (StoredFormat)
        *StoredFormat = f->wFormatTag == 1 && f->nChannels == 2 && f->wBitsPerSample == 8 && f->nSamplesPerSec == 22050;
    QByteArray b(qsizetype(w.DataBytes()), 0);
    w.OpenFile();
    const int64_t got = w.ReadData(b.data(), b.size());
    w.CloseFile();
    b.resize(qsizetype(std::max<int64_t>(got, 0)));
    return b;
}
