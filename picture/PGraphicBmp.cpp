// BMP reader (OS/2 core header and Windows info header), and the BMP writer.
// The whole file is taken into memory and every access is bounds-checked:
// the header fields are outside data and are trusted for nothing.
#include "picture/PGraphic.h"
#include "picture/PGraphicFormats.h"

#include <QIODevice>

#include <bit>
#include <cstring>

namespace {

const QString BmpPrefix = QStringLiteral("BMP: ");

[[noreturn]] void RaiseBmp(const QString &message)
{
    throw EPGBMPFileFormatReader(BmpPrefix + message);
}
[[noreturn]] void RaiseBmpInvalid(const char *field)
{
    RaiseBmp(PGLangStr(7, QString::fromLatin1(field)));
}
[[noreturn]] void RaiseBmpEof() { RaiseBmp(PGLangStr(32)); }

enum { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3 };

struct Bytes {
    const uint8_t *p;
    int64_t size;
    uint32_t U16(int64_t at) const
    {
        if (at < 0 || at + 2 > size)
            RaiseBmpEof();
        return uint32_t(p[at] | (p[at + 1] << 8));
    }
    uint32_t U32(int64_t at) const
    {
        if (at < 0 || at + 4 > size)
            RaiseBmpEof();
        return uint32_t(p[at]) | (uint32_t(p[at + 1]) << 8) | (uint32_t(p[at + 2]) << 16) |
               (uint32_t(p[at + 3]) << 24);
    }
};

struct BmpHeader {
    bool core = false;
    int width = 0;
    int height = 0;       // absolute
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = BI_RGB;
    uint32_t colorsUsed = 0;
    uint32_t offBits = 0;
    int64_t afterHeader = 0;   // offset of what follows the header
};

BmpHeader ParseHeader(const Bytes &data)
{
    BmpHeader h;
    if (data.size < 18)
        RaiseBmpEof();
    h.offBits = data.U32(10);
    const uint32_t size = data.U32(14);
    if (size == 12) {
        h.core = true;
        h.width = int(data.U16(18));
        h.height = int(data.U16(20));
        if (data.U16(22) != 1)
            RaiseBmpInvalid("BitmapCoreHeader.bcPlanes");
        h.bitCount = int(data.U16(24));
        if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 24)
            RaiseBmpInvalid("BitmapCoreHeader.bcBitCount");
        h.afterHeader = 14 + 12;
        return h;
    }
    if (size != 40)
        RaiseBmp(PGLangStr(27, QStringLiteral("BitmapInfoHeader/BitmapCoreHeader")));
    const int32_t width = int32_t(data.U32(18));
    const int32_t height = int32_t(data.U32(22));
    if (data.U16(26) != 1)
        RaiseBmpInvalid("BitmapInfoHeader.biPlanes");
    h.bitCount = int(data.U16(28));
    if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 16 && h.bitCount != 24 &&
        h.bitCount != 32)
        RaiseBmpInvalid("BitmapInfoHeader.biBitCount");
    h.compression = data.U32(30);
    const bool ok = h.compression == BI_RGB ||
                    (h.compression == BI_BITFIELDS && (h.bitCount == 16 || h.bitCount == 32)) ||
                    (h.compression == BI_RLE4 && h.bitCount == 4 && height >= 0) ||
                    (h.compression == BI_RLE8 && h.bitCount == 8 && height >= 0);
    if (!ok)
        RaiseBmpInvalid("BitmapInfoHeader.biCompression");
    if (width < 0)
        RaiseBmpInvalid("BitmapInfoHeader.biWidth");
    if (height == INT32_MIN)
        RaiseBmpInvalid("BitmapInfoHeader.biHeight");
    h.width = width;
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    h.colorsUsed = data.U32(46);
    h.afterHeader = 14 + 40;
    return h;
}

// One channel of a bit-field pixel, scaled to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
    explicit Channel(uint32_t m) : mask(m)
    {
        if (m) {
            shift = std::countr_zero(m);
            bits = std::bit_width(m >> shift);
        }
    }
    uint8_t Get(uint32_t px) const
    {
        if (!bits)
            return 0;
        const uint32_t v = (px & mask) >> shift;
        if (bits >= 8)
            return uint8_t(v >> (bits - 8));
        const uint32_t max = (1u << bits) - 1;
        return uint8_t((v * 255 + max / 2) / max);
    }
};

void DecodeRle(const Bytes &data, int64_t at, TPixelGraphic &pic, bool four)
{
    const int w = pic.Width(), h = pic.Height();
    int x = 0, y = 0;   // y counts memory rows: bottom-up
    auto put = [&](int value) {
        if (x < w && y < h) {
            uint8_t *row = pic.Bits() + int64_t(y) * pic.Stride();
            if (four) {
                uint8_t &b = row[x >> 1];
                b = (x & 1) ? uint8_t((b & 0xF0) | (value & 15)) : uint8_t((b & 0x0F) | (value << 4));
            } else {
                row[x] = uint8_t(value);
            }
        }
        ++x;
    };
    auto byte = [&]() -> int {
        if (at >= data.size)
            RaiseBmpEof();
        return data.p[at++];
    };
    while (y < h) {
        const int count = byte();
        const int value = byte();
        if (count > 0) {
            for (int i = 0; i < count && x < w; ++i)
                put(four ? ((i & 1) ? value & 15 : value >> 4) : value);
            continue;
        }
        if (value == 0) {   // end of line
            x = 0;
            ++y;
        } else if (value == 1) {   // end of bitmap
            return;
        } else if (value == 2) {   // delta
            x += byte();
            y += byte();
        } else {   // absolute run
            const int n = value;
            const int bytes = four ? (n + 1) / 2 : n;
            for (int i = 0; i < n; ++i) {
                const int64_t src = at + (four ? i / 2 : i);
                if (src >= data.size)
                    RaiseBmpEof();
                const int b = data.p[src];
                if (x < w)
                    put(four ? ((i & 1) ? b & 15 : b >> 4) : b);
                else
                    ++x;
            }
            at += bytes + (bytes & 1);
        }
    }
}

QByteArray ReadRest(QIODevice &stream) { return stream.readAll(); }

} // namespace

bool TBMPFileFormatReader::IsSignature(const uint8_t *bytes, int count) const
{
    return count >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

void TBMPFileFormatReader::Read(QIODevice &stream, TPixelGraphic &picture, int imageNo)
{
    if (imageNo != 0)
        RaiseBmp(PGIndexInvalid());
    const QByteArray file = ReadRest(stream);
    const Bytes data{reinterpret_cast<const uint8_t *>(file.constData()), file.size()};
    const BmpHeader h = ParseHeader(data);

    int64_t at = h.afterHeader;
    uint32_t masks[3] = {0, 0, 0};
    if (h.compression == BI_BITFIELDS) {
        for (int i = 0; i < 3; ++i)
            masks[i] = data.U32(at + 4 * i);
        at += 12;
    } else if (h.bitCount == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    } else if (h.bitCount == 32) {
        masks[0] = 0xFF0000;
        masks[1] = 0x00FF00;
        masks[2] = 0x0000FF;
    }

    const int outBits = h.bitCount <= 8 ? h.bitCount : 24;
    std::vector<TColor> palette;
    if (h.bitCount <= 8) {
        const int max = 1 << h.bitCount;
        int count = (h.core || h.colorsUsed == 0 || h.colorsUsed > uint32_t(max)) ? max : int(h.colorsUsed);
        const int entry = h.core ? 3 : 4;
        // A colour table cut short by the pixel data keeps what fits.
        if (h.offBits >= at && h.offBits < at + int64_t(count) * entry)
            count = int((h.offBits - at) / entry);
        for (int i = 0; i < count; ++i) {
            const int64_t e = at + int64_t(i) * entry;
            if (e + 3 > data.size)
                RaiseBmpEof();
            palette.push_back(RGBColor(data.p[e + 2], data.p[e + 1], data.p[e]));
        }
        at += int64_t(count) * entry;
    }
    // The pixel data sits at the header's offset; an offset pointing into
    // the headers is not believed.
    if (h.offBits >= at)
        at = h.offBits;

    picture.SetSize(h.width, h.height, outBits);
    if (outBits <= 8)
        picture.SetPalette(palette, pUnknown);
    if (picture.Empty())
        return;

    picture.ProgressStart();
    struct EndGuard {
        TPixelGraphic &p;
        ~EndGuard() { p.ProgressEnd(); }
    } endGuard{picture};

    if (h.compression == BI_RLE4 || h.compression == BI_RLE8) {
        DecodeRle(data, at, picture, h.compression == BI_RLE4);
        picture.Progress(h.height, h.height);
        return;
    }

    const int64_t srcStride = TPixelGraphic::StrideFor(h.width, h.bitCount);
    const Channel r(masks[0]), g(masks[1]), b(masks[2]);
    for (int i = 0; i < h.height; ++i) {
        const int64_t src = at + int64_t(i) * srcStride;
        if (src + srcStride > data.size)
            RaiseBmpEof();
        const uint8_t *s = data.p + src;
        // File row i is the bottom row for bottom-up files, the top row for
        // top-down ones.
        uint8_t *dst = h.topDown ? picture.ScanLine(i) : picture.Bits() + int64_t(i) * picture.Stride();
        if (h.bitCount <= 8 || h.bitCount == 24) {
            std::memcpy(dst, s, size_t(picture.Stride()));
        } else if (h.bitCount == 16) {
            for (int x = 0; x < h.width; ++x) {
                const uint32_t px = uint32_t(s[2 * x] | (s[2 * x + 1] << 8));
                dst[3 * x] = b.Get(px);
                dst[3 * x + 1] = g.Get(px);
                dst[3 * x + 2] = r.Get(px);
            }
        } else {
            for (int x = 0; x < h.width; ++x) {
                const uint32_t px = uint32_t(s[4 * x]) | (uint32_t(s[4 * x + 1]) << 8) |
                                    (uint32_t(s[4 * x + 2]) << 16) | (uint32_t(s[4 * x + 3]) << 24);
                dst[3 * x] = b.Get(px);
                dst[3 * x + 1] = g.Get(px);
                dst[3 * x + 2] = r.Get(px);
            }
        }
        if (picture.Progress(i + 1, h.height))
            break;
    }
}

TPGFileInfo TBMPFileFormatReader::Information(QIODevice &stream, int imageNo)
{
    if (imageNo != 0)
        RaiseBmp(PGIndexInvalid());
    QByteArray head = stream.read(14 + 40);
    const Bytes data{reinterpret_cast<const uint8_t *>(head.constData()), head.size()};
    const BmpHeader h = ParseHeader(data);
    TPGFileInfo info;
    info.Width = h.width;
    info.Height = h.height;
    info.BitsPerPixel = h.bitCount;
    info.SubFormat = h.core ? QStringLiteral("OS/2") : QStringLiteral("Windows");
    switch (h.compression) {
    case BI_RLE8: info.Compression = QStringLiteral(", RLE8"); break;
    case BI_RLE4: info.Compression = QStringLiteral(", RLE4"); break;
    default: info.Compression = QStringLiteral(", RGB"); break;
    }
    if (h.topDown)
        info.Compression += QStringLiteral(", Top-Down");
    switch (h.bitCount) {
    case 1: info.ColorCount = QStringLiteral("2"); break;
    case 4: info.ColorCount = QStringLiteral("16"); break;
    case 8: info.ColorCount = QStringLiteral("256"); break;
    case 16: info.ColorCount = QStringLiteral("64K"); break;
    default: info.ColorCount = QStringLiteral("16.7M"); break;
    }
    return info;
}

void TBMPFileFormatWriter::Write(QIODevice &stream, const TPixelGraphic &picture)
{
    const QByteArray info = picture.BitmapInfo();
    const int64_t offBits = 14 + info.size();
    const int64_t fileSize = offBits + picture.ImageSize();
    QByteArray head(14, '\0');
    head[0] = 'B';
    head[1] = 'M';
    for (int i = 0; i < 4; ++i) {
        head[2 + i] = char(uint32_t(fileSize) >> (8 * i));
        head[10 + i] = char(uint32_t(offBits) >> (8 * i));
    }
    stream.write(head);
    stream.write(info);
    if (picture.ImageSize() > 0)
        stream.write(reinterpret_cast<const char *>(picture.Bits()), picture.ImageSize());
}
