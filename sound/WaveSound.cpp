#include "sound/WaveSound.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

uint32_t Le32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return uint32_t(u[0]) | (uint32_t(u[1]) << 8) | (uint32_t(u[2]) << 16) | (uint32_t(u[3]) << 24);
}

uint16_t Le16(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return uint16_t(u[0] | (u[1] << 8));
}

} // namespace

bool ParseWaveSound(const QByteArray &file, TWaveSound &sound, QString &error)
{
    sound = TWaveSound();
    const qint64 size = file.size();
    const char *p = file.constData();
    if (size < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) {
        error = QStringLiteral("not a RIFF WAVE file");
        return false;
    }
    // A RIFF size larger than the file (a recording never patched) is bounded by it.
    const qint64 declaredEnd = 8 + qint64(Le32(p + 4));
    const qint64 riffEnd = declaredEnd < 12 ? size : std::min(size, declaredEnd);
    bool haveFormat = false;
    qint64 pos = 12;
    while (pos + 8 <= riffEnd) {
        const char *id = p + pos;
        const qint64 chunkSize = Le32(p + pos + 4);
        const qint64 body = pos + 8;
        if (std::memcmp(id, "fmt ", 4) == 0 && !haveFormat) {
            if (chunkSize < 16 || body + 16 > size) {
                error = QStringLiteral("format chunk too short");
                return false;
            }
            const uint16_t tag = Le16(p + body);
            sound.Channels = Le16(p + body + 2);
            sound.SampleRate = int(std::min<uint32_t>(Le32(p + body + 4), 0x7FFFFFFF));
            sound.BitsPerSample = Le16(p + body + 14);
            if (tag != 1) {
                error = QStringLiteral("not PCM (format tag %1)").arg(tag);
                return false;
            }
            if (sound.Channels < 1 || sound.Channels > 2 || (sound.BitsPerSample != 8 && sound.BitsPerSample != 16) ||
                sound.SampleRate <= 0) {
                error = QStringLiteral("unsupported PCM format (%1 channels, %2 bits, %3 Hz)")
                            .arg(sound.Channels).arg(sound.BitsPerSample).arg(sound.SampleRate);
                return false;
            }
            haveFormat = true;
        } else if (std::memcmp(id, "data", 4) == 0) {
            if (!haveFormat) {
                error = QStringLiteral("data before format");
                return false;
            }
            // A size of 0 is what a recorder leaves before it patches the header:
            // the samples run to the end of the file.
            qint64 available = size - body;
            qint64 bytes = chunkSize == 0 ? available : std::min(chunkSize, available);
            const int frameBytes = sound.Channels * sound.BitsPerSample / 8;
            bytes -= bytes % frameBytes;
            sound.Data = file.mid(body, bytes);
            return true;
        }
        pos = body + chunkSize + (chunkSize & 1);
    }
    error = haveFormat ? QStringLiteral("no data chunk") : QStringLiteral("no format chunk");
    return false;
}
