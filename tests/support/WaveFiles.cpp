#include "support/WaveFiles.h"

#include "audio/MMWave.h"

#include <cmath>

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
