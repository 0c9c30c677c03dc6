// Truevision Targa reader: colour-mapped, true-colour and grey images,
// uncompressed or run-length encoded. Targa files carry no signature, so
// this reader is only ever chosen by the "tga" extension.
#include "picture/PGraphic.h"
#include "picture/PGraphicFormats.h"

#include <QIODevice>

namespace {

const QString TgaPrefix = QStringLiteral("TGA: ");

[[noreturn]] void RaiseTga(const QString &message)
{
    throw EPGTGAFileFormatReader(TgaPrefix + message);
}

struct TgaInput {
    const uint8_t *p;
    int64_t size;
    int64_t at;
    uint8_t Byte()
    {
        if (at >= size)
            RaiseTga(PGLangStr(32));
        return p[at++];
    }
};

// A 15 or 16-bit Targa colour (x RRRRR GGGGG BBBBB, little-endian).
TColor Colour16(uint32_t v)
{
    auto scale = [](uint32_t c) { return int((c << 3) | (c >> 2)); };
    return RGBColor(scale((v >> 10) & 31), scale((v >> 5) & 31), scale(v & 31));
}

} // namespace

void TTGAFileFormatReader::Read(QIODevice &stream, TPixelGraphic &picture, int imageNo)
{
    if (imageNo != 0)
        RaiseTga(PGIndexInvalid());
    const QByteArray file = stream.readAll();
    TgaInput in{reinterpret_cast<const uint8_t *>(file.constData()), file.size(), 0};
    if (in.size < 18)
        RaiseTga(PGLangStr(32));
    const uint8_t *h = in.p;
    const int idLength = h[0];
    const int mapType = h[1];
    const int imageType = h[2];
    const int mapFirst = h[3] | (h[4] << 8);
    const int mapLength = h[5] | (h[6] << 8);
    const int mapEntryBits = h[7];
    const int width = h[12] | (h[13] << 8);
    const int height = h[14] | (h[15] << 8);
    const int depth = h[16];
    const int descriptor = h[17];
    in.at = 18 + idLength;

    const bool rle = imageType >= 9;
    const int kind = rle ? imageType - 8 : imageType;   // 1 mapped, 2 true colour, 3 grey
    if (kind < 1 || kind > 3)
        RaiseTga(PGLangStr(33));
    if (width == 0 || height == 0)
        RaiseTga(PGLangStr(35));
    if ((kind == 1 && depth != 8) || (kind == 3 && depth != 8) ||
        (kind == 2 && depth != 15 && depth != 16 && depth != 24 && depth != 32))
        RaiseTga(PGLangStr(36));
    if (kind == 1 && mapType != 1)
        RaiseTga(PGLangStr(7, QStringLiteral("ColorMapType")));

    // The colour map (it may be present even for images that do not use it).
    std::vector<TColor> palette;
    if (mapType == 1) {
        const int entryBytes = (mapEntryBits + 7) / 8;
        if (entryBytes < 2 || entryBytes > 4)
            RaiseTga(PGLangStr(7, QStringLiteral("ColorMapEntrySize")));
        for (int i = 0; i < mapLength; ++i) {
            uint32_t v = 0;
            for (int k = 0; k < entryBytes; ++k)
                v |= uint32_t(in.Byte()) << (8 * k);
            const TColor c = entryBytes == 2 ? Colour16(v) : RGBColor((v >> 16) & 255, (v >> 8) & 255, v & 255);
            if (i + mapFirst < 256 && kind == 1) {
                if (int(palette.size()) < i + mapFirst + 1)
                    palette.resize(size_t(i + mapFirst + 1), clBlack);
                palette[size_t(i + mapFirst)] = c;
            }
        }
    }

    const int bitCount = kind == 2 ? 24 : 8;
    picture.SetSize(width, height, bitCount);
    if (kind == 1)
        picture.SetPalette(palette, pUnknown);
    else if (kind == 3)
        picture.SetPaletteID(pGray256);

    const int pixelBytes = (depth + 7) / 8;
    const bool topDown = (descriptor & 0x20) != 0;
    const bool rightToLeft = (descriptor & 0x10) != 0;
    uint8_t pixel[4] = {0, 0, 0, 0};
    int runLeft = 0;
    bool runRepeat = false;
    auto next = [&]() {
        if (rle) {
            if (runLeft == 0) {
                const uint8_t c = in.Byte();
                runRepeat = (c & 0x80) != 0;
                runLeft = (c & 0x7F) + 1;
                if (runRepeat)
                    for (int k = 0; k < pixelBytes; ++k)
                        pixel[k] = in.Byte();
            }
            --runLeft;
            if (runRepeat)
                return;
        }
        for (int k = 0; k < pixelBytes; ++k)
            pixel[k] = in.Byte();
    };

    picture.ProgressStart();
    struct EndGuard {
        TPixelGraphic &p;
        ~EndGuard() { p.ProgressEnd(); }
    } endGuard{picture};
    for (int i = 0; i < height; ++i) {
        uint8_t *row = topDown ? picture.ScanLine(i) : picture.Bits() + int64_t(i) * picture.Stride();
        for (int j = 0; j < width; ++j) {
            next();
            const int x = rightToLeft ? width - 1 - j : j;
            if (bitCount == 8) {
                row[x] = pixel[0];
            } else if (pixelBytes == 2) {
                const TColor c = Colour16(uint32_t(pixel[0] | (pixel[1] << 8)));
                row[3 * x] = uint8_t(c >> 16);
                row[3 * x + 1] = uint8_t(c >> 8);
                row[3 * x + 2] = uint8_t(c);
            } else {
                row[3 * x] = pixel[0];
                row[3 * x + 1] = pixel[1];
                row[3 * x + 2] = pixel[2];
            }
        }
        if (picture.Progress(i + 1, height))
            break;
    }
}
