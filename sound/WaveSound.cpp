#include "sound/WaveSound.h"

#include <QDir>
#include <QFileInfo>

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

void PutLe32(QByteArray &b, uint32_t v)
{
    const char c[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    b.append(c, 4);
}

void PutLe16(QByteArray &b, uint16_t v)
{
    const char c[2] = {char(v), char(v >> 8)};
    b.append(c, 2);
}

// No format this program writes comes near this; a larger chunk is no head of its own.
constexpr int64_t MaxHeadFormat = 1 << 16;

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

QByteArray PcmWaveFormat(int Channels, int SampleRate, int BitsPerSample)
{
    const int blockAlign = Channels * BitsPerSample / 8;
    QByteArray f;
    PutLe16(f, 1); // PCM
    PutLe16(f, uint16_t(Channels));
    PutLe32(f, uint32_t(SampleRate));
    PutLe32(f, uint32_t(SampleRate) * uint32_t(blockAlign));
    PutLe16(f, uint16_t(blockAlign));
    PutLe16(f, uint16_t(BitsPerSample));
    return f;
}

QByteArray WaveSizeField(uint32_t Size)
{
    QByteArray b;
    PutLe32(b, Size);
    return b;
}

QByteArray WaveHead(const QByteArray &Format, uint32_t RiffSize, uint32_t DataBytes)
{
    QByteArray h("RIFF", 4);
    PutLe32(h, RiffSize);
    h.append("WAVE", 4);
    h.append("fmt ", 4);
    PutLe32(h, uint32_t(Format.size()));
    h.append(Format);
    if (Format.size() & 1)
        h.append('\0');
    h.append("data", 4);
    PutLe32(h, DataBytes);
    return h;
}

QByteArray WaveFactTrailer(int64_t DataBytes, uint32_t Frames)
{
    QByteArray t;
    if (DataBytes & 1)
        t.append('\0');
    t.append("fact", 4);
    PutLe32(t, 4);
    PutLe32(t, Frames);
    return t;
}

QByteArray WaveInfoList(const std::vector<std::pair<const char *, QByteArray>> &Items)
{
    QByteArray info;
    for (const auto &[id, text] : Items) {
        // Each text ends in a zero byte, and each item on an even boundary.
        info.append(id, 4);
        PutLe32(info, uint32_t(text.size() + 1));
        info.append(text);
        info.append('\0');
        if ((text.size() + 1) & 1)
            info.append('\0');
    }
    if (info.isEmpty())
        return info;
    QByteArray list("LIST", 4);
    PutLe32(list, uint32_t(4 + info.size()));
    list.append("INFO", 4);
    return list + info;
}

QByteArray WaveImage(const QByteArray &Format, const QByteArray &Samples, const QByteArray &After)
{
    QByteArray b = WaveHead(Format, 0, uint32_t(Samples.size()));
    b.reserve(b.size() + Samples.size() + After.size());
    b.append(Samples);
    b.append(After);
    b.replace(WaveRiffSizeAt, 4, WaveSizeField(uint32_t(b.size() - 8)));
    return b;
}

bool ReadWaveHead(const TWaveReadAt &ReadAt, TWaveHead &Head)
{
    QByteArray h, data;
    if (!ReadAt(0, 20, h) || std::memcmp(h.constData(), "RIFF", 4) != 0
        || std::memcmp(h.constData() + 8, "WAVE", 4) != 0 || std::memcmp(h.constData() + 12, "fmt ", 4) != 0)
        return false;
    const int64_t formatSize = Le32(h.constData() + 16);
    if (formatSize > MaxHeadFormat || !ReadAt(20, formatSize, Head.Format))
        return false;
    const int64_t dataHeader = 20 + formatSize + (formatSize & 1);
    if (!ReadAt(dataHeader, 8, data) || std::memcmp(data.constData(), "data", 4) != 0)
        return false;
    Head.RiffSize = Le32(h.constData() + WaveRiffSizeAt);
    Head.DataSizeAt = dataHeader + 4;
    Head.DataAt = dataHeader + 8;
    Head.DataBytes = Le32(data.constData() + 4);
    return true;
}

QString OriginalSoundName(const QString &SoundFile)
{
    const QFileInfo info(SoundFile);
    return info.dir().filePath(QStringLiteral("original/") + info.fileName());
}

QString WordSoundName(int SoundNo, bool Original, const QString &Folder)
{
    const QString digits = QString::number(qAbs(qint64(SoundNo))).rightJustified(4, '0');
    const QString file = Folder + "word" + (SoundNo < 0 ? "-" : "") + digits + ".wav";
    return Original ? OriginalSoundName(file) : file;
}
