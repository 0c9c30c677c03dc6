// ZSoft Paintbrush (PCX) reader: 1-bit, 4-bit (one plane of 4 bits or four
// planes of 1 bit), 8-bit with the 256-colour table at the end, and 24-bit
// (three planes of 8 bits); run-length encoded or plain.
#include "picture/PGraphic.h"
#include "picture/PGraphicFormats.h"

#include <QIODevice>

#include <cstring>

namespace {

const QString PcxPrefix = QStringLiteral("PCX: ");

[[noreturn]] void RaisePcx(const QString &message)
{
    throw EPGPCXFileFormatReader(PcxPrefix + message);
}

int U16(const uint8_t *p) { return p[0] | (p[1] << 8); }

} // namespace

bool TPCXFileFormatReader::IsSignature(const uint8_t *bytes, int count) const
{
    return count >= 1 && bytes[0] == 10;
}

void TPCXFileFormatReader::Read(QIODevice &stream, TPixelGraphic &picture, int imageNo)
{
    if (imageNo != 0)
        RaisePcx(PGIndexInvalid());
    const QByteArray file = stream.readAll();
    const uint8_t *p = reinterpret_cast<const uint8_t *>(file.constData());
    const int64_t size = file.size();
    if (size < 128)
        RaisePcx(PGLangStr(32));
    if (p[0] != 10)
        RaisePcx(PGLangStr(34, QStringLiteral("PCX")));
    const int encoding = p[2];
    const int bits = p[3];
    const int width = U16(p + 8) - U16(p + 4) + 1;
    const int height = U16(p + 10) - U16(p + 6) + 1;
    const int planes = p[65];
    const int bytesPerLine = U16(p + 66);
    if (encoding > 1)
        RaisePcx(PGLangStr(39));
    if (width <= 0 || height <= 0)
        RaisePcx(PGLangStr(35));

    int bitCount;
    if (bits == 1 && planes == 1)
        bitCount = 1;
    else if ((bits == 1 && planes == 4) || (bits == 4 && planes == 1))
        bitCount = 4;
    else if (bits == 8 && planes == 1)
        bitCount = 8;
    else if (bits == 8 && planes == 3)
        bitCount = 24;
    else
        RaisePcx(PGLangStr(33));
    if (int64_t(bytesPerLine) * 8 < int64_t(width) * bits)
        RaisePcx(PGLangStr(38, QString::number(bytesPerLine)));

    std::vector<TColor> palette;
    if (bitCount == 8) {
        // The 256-colour table: a 12 marker and 768 bytes at the very end.
        if (size < 128 + 769 || p[size - 769] != 12)
            RaisePcx(PGLangStr(2));
        for (int i = 0; i < 256; ++i) {
            const uint8_t *e = p + size - 768 + 3 * i;
            palette.push_back(RGBColor(e[0], e[1], e[2]));
        }
    } else if (bitCount != 24) {
        for (int i = 0; i < 16; ++i)
            palette.push_back(RGBColor(p[16 + 3 * i], p[17 + 3 * i], p[18 + 3 * i]));
        if (bitCount == 1 && palette[0] == palette[1])
            palette = PGStandardPalette(pBlackWhite);
    }

    picture.SetSize(width, height, bitCount);
    if (bitCount <= 8)
        picture.SetPalette(palette, bitCount == 1 && palette == PGStandardPalette(pBlackWhite) ? pBlackWhite : pUnknown);

    const int lineBytes = planes * bytesPerLine;
    std::vector<uint8_t> line(static_cast<size_t>(lineBytes));
    int64_t at = 128;
    int runLeft = 0;
    uint8_t runValue = 0;
    picture.ProgressStart();
    struct EndGuard {
        TPixelGraphic &pic;
        ~EndGuard() { pic.ProgressEnd(); }
    } endGuard{picture};
    for (int y = 0; y < height; ++y) {
        for (int i = 0; i < lineBytes; ++i) {
            if (encoding == 0) {
                if (at >= size)
                    RaisePcx(PGLangStr(32));
                line[size_t(i)] = p[at++];
                continue;
            }
            if (runLeft == 0) {
                if (at >= size)
                    RaisePcx(PGLangStr(32));
                const uint8_t c = p[at++];
                if ((c & 0xC0) == 0xC0) {
                    if (at >= size)
                        RaisePcx(PGLangStr(32));
                    runLeft = c & 0x3F;
                    runValue = p[at++];
                    if (runLeft == 0)
                        continue;
                } else {
                    runLeft = 1;
                    runValue = c;
                }
            }
            line[size_t(i)] = runValue;
            --runLeft;
        }
        uint8_t *row = picture.ScanLine(y);
        if (bitCount == 24) {
            for (int x = 0; x < width; ++x) {
                row[3 * x + 2] = line[size_t(x)];
                row[3 * x + 1] = line[size_t(bytesPerLine + x)];
                row[3 * x] = line[size_t(2 * bytesPerLine + x)];
            }
        } else if (planes == 4) {
            // Four bit planes: plane k holds bit k of each pixel's index.
            for (int x = 0; x < width; ++x) {
                int v = 0;
                for (int k = 0; k < 4; ++k)
                    v |= ((line[size_t(k * bytesPerLine + x / 8)] >> (7 - x % 8)) & 1) << k;
                uint8_t &b = row[x >> 1];
                b = (x & 1) ? uint8_t((b & 0xF0) | v) : uint8_t((b & 0x0F) | (v << 4));
            }
        } else {
            std::memcpy(row, line.data(), size_t(std::min<int64_t>(picture.Stride(), bytesPerLine)));
        }
        if (picture.Progress(y + 1, height))
            break;
    }
}
