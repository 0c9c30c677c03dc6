// PBM, PGM and PPM readers (the plain "P1"-"P3" and raw "P4"-"P6" forms of
// the portable anymap formats).
#include "picture/PGraphic.h"
#include "picture/PGraphicFormats.h"

#include <QIODevice>

#include <cstring>

namespace {

struct PxMParser {
    const uint8_t *p;
    int64_t size;
    int64_t at = 0;
    QString prefix;

    [[noreturn]] void Fail(const QString &message) const
    {
        throw EPGPxMFileFormatReader(prefix + message);
    }
    [[noreturn]] void Eof() const { Fail(PGLangStr(32)); }

    void SkipSpace()
    {
        while (at < size) {
            const uint8_t c = p[at];
            if (c == '#') {
                while (at < size && p[at] != '\n' && p[at] != '\r')
                    ++at;
            } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') {
                ++at;
            } else {
                break;
            }
        }
    }
    // A decimal header or plain-text sample value.
    int Number(int maxDigits = 9)
    {
        SkipSpace();
        if (at >= size)
            Eof();
        if (p[at] < '0' || p[at] > '9')
            Fail(PGLangStr(33));
        int64_t v = 0;
        int digits = 0;
        while (at < size && p[at] >= '0' && p[at] <= '9') {
            v = v * 10 + (p[at++] - '0');
            if (++digits > maxDigits)
                Fail(PGLangStr(33));
        }
        return int(v);
    }
    // One plain-text PBM digit; the digits need not be separated.
    int Bit()
    {
        SkipSpace();
        if (at >= size)
            Eof();
        const uint8_t c = p[at++];
        if (c != '0' && c != '1')
            Fail(PGLangStr(33));
        return c - '0';
    }
};

} // namespace

bool TPxMFileFormatReader::IsSignature(const uint8_t *bytes, int count) const
{
    return count >= 2 && bytes[0] == 'P' && (bytes[1] == FKind || bytes[1] == FKind + 3);
}

void TPxMFileFormatReader::Read(QIODevice &stream, TPixelGraphic &picture, int imageNo)
{
    const QString name = Extension().toUpper();
    const QString prefix = name + QStringLiteral(": ");
    if (imageNo != 0)
        throw EPGPxMFileFormatReader(prefix + PGIndexInvalid());
    const QByteArray file = stream.readAll();
    PxMParser in{reinterpret_cast<const uint8_t *>(file.constData()), file.size(), 0, prefix};
    if (in.size < 2 || in.p[0] != 'P' || !(in.p[1] == FKind || in.p[1] == FKind + 3))
        in.Fail(PGLangStr(34, name));
    const bool raw = in.p[1] > '3';
    in.at = 2;
    const int width = in.Number();
    const int height = in.Number();
    const int maxval = FKind == '1' ? 1 : in.Number();
    if (width == 0 || height == 0)
        in.Fail(PGLangStr(35));
    if (maxval < 1 || maxval > 65535)
        in.Fail(PGLangStr(20, QStringLiteral("MaxVal")));
    // Exactly one whitespace character separates a raw header from the data.
    if (raw) {
        if (in.at >= in.size)
            in.Eof();
        ++in.at;
    }

    const int bitCount = FKind == '1' ? 1 : FKind == '2' ? 8 : 24;
    picture.SetSize(width, height, bitCount);
    if (bitCount == 1)
        picture.SetPaletteID(pBlackWhite);
    else if (bitCount == 8)
        picture.SetPaletteID(pGray256);

    const bool wide = maxval > 255;
    auto sample = [&]() -> int {
        int v;
        if (!raw) {
            v = in.Number(5);
        } else if (wide) {
            if (in.at + 2 > in.size)
                in.Eof();
            v = (in.p[in.at] << 8) | in.p[in.at + 1];
            in.at += 2;
        } else {
            if (in.at >= in.size)
                in.Eof();
            v = in.p[in.at++];
        }
        if (v > maxval)
            v = maxval;
        return maxval == 255 ? v : int((int64_t(v) * 255 + maxval / 2) / maxval);
    };

    picture.ProgressStart();
    struct EndGuard {
        TPixelGraphic &p;
        ~EndGuard() { p.ProgressEnd(); }
    } endGuard{picture};
    for (int y = 0; y < height; ++y) {
        uint8_t *row = picture.ScanLine(y);
        if (bitCount == 1) {
            // Portable bitmaps mark black with 1; the picture's palette has
            // black at index 0.
            const int rowBytes = (width + 7) / 8;
            if (raw) {
                if (in.at + rowBytes > in.size)
                    in.Eof();
                for (int i = 0; i < rowBytes; ++i)
                    row[i] = uint8_t(~in.p[in.at + i]);
                in.at += rowBytes;
            } else {
                std::memset(row, 0, size_t(rowBytes));
                for (int x = 0; x < width; ++x)
                    if (!in.Bit())
                        row[x >> 3] |= uint8_t(0x80 >> (x & 7));
            }
        } else if (bitCount == 8) {
            for (int x = 0; x < width; ++x)
                row[x] = uint8_t(sample());
        } else {
            for (int x = 0; x < width; ++x) {
                row[3 * x + 2] = uint8_t(sample());
                row[3 * x + 1] = uint8_t(sample());
                row[3 * x] = uint8_t(sample());
            }
        }
        if (picture.Progress(y + 1, height))
            break;
    }
}
