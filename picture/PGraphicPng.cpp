// PNG reader on libpng 1.6.
//
// As with libjpeg, libpng's error hook must not return and C++ exceptions
// must not cross its C frames: the hooks leave by png_longjmp to the jump
// point in RunPng, which keeps only trivially destructible locals, and the
// C++ error is raised after we are back in our own frames.
#include "picture/PGraphic.h"
#include "picture/PGraphicFormats.h"

#include <QIODevice>

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstring>

namespace {

const QString PngPrefix = QStringLiteral("PNG: ");

[[noreturn]] void RaisePng(const QString &message)
{
    throw EPGPNGFileFormatReaderWriter(PngPrefix + message);
}

struct PngJob {
    png_structp png;
    png_infop info;
    TPixelGraphic *picture;
    QIODevice *stream;
    char message[256];
    bool cancelled;
    bool progressStarted;
};

void StoreMessage(PngJob *job, const char *text)
{
    std::strncpy(job->message, text ? text : "", sizeof job->message - 1);
    job->message[sizeof job->message - 1] = '\0';
}

void PngError(png_structp png, png_const_charp text)
{
    auto *job = static_cast<PngJob *>(png_get_error_ptr(png));
    StoreMessage(job, text);
    png_longjmp(png, 1);
}

bool AskAboutWarning(const char *text, bool okCancel) noexcept
{
    try {
        return PGShowWarningBox(QStringLiteral("PNG ") + PGLangStr(28), QString::fromLocal8Bit(text),
                                okCancel);
    } catch (...) {
        return false;
    }
}

void PngWarning(png_structp png, png_const_charp text)
{
    auto *job = static_cast<PngJob *>(png_get_error_ptr(png));
    const TPGWarningAction action = job->picture->ReadWarningAction();
    if (action == pgwaIgnore)
        return;
    if (action == pgwaRaise) {
        StoreMessage(job, text);
        png_longjmp(png, 1);
    }
    if (!AskAboutWarning(text, action == pgwaOKCancelBox) && action == pgwaOKCancelBox) {
        job->cancelled = true;
        png_longjmp(png, 1);
    }
}

void PngRead(png_structp png, png_bytep data, size_t length)
{
    auto *job = static_cast<PngJob *>(png_get_io_ptr(png));
    if (job->stream->read(reinterpret_cast<char *>(data), qint64(length)) != qint64(length))
        png_error(png, "Read Error");
}

// Expands a row of 2-bit pixels to 4 bits in place, from the right end so
// that no pixel is overwritten before it has been read.
void ExpandTwoBitRow(uint8_t *row, int width)
{
    for (int x = width - 1; x >= 0; --x) {
        const uint8_t v = (row[x >> 2] >> (6 - 2 * (x & 3))) & 3;
        uint8_t &dst = row[x >> 1];
        dst = (x & 1) ? uint8_t((dst & 0xF0) | v) : uint8_t((dst & 0x0F) | (v << 4));
    }
}

// Scales a colour channel of the picture's 8-bit background to the file's
// sample depth, the scale libpng compares and composes in.
png_uint_16 ToFileDepth(int value, int bitDepth)
{
    switch (bitDepth) {
    case 16: return png_uint_16(value * 256);
    case 8: return png_uint_16(value);
    default: return png_uint_16(value >> (8 - bitDepth));
    }
}

int ToEightBits(int value, int bitDepth)
{
    switch (bitDepth) {
    case 16: return value >> 8;
    case 8: return value & 0xFF;
    case 4: return (value & 15) * 17;
    case 2: return (value & 3) * 85;
    default: return (value & 1) * 255;
    }
}

// After the transformations are set up, so that palette entries composed
// onto the background come through.
void CopyPalette(png_structp png, png_infop info, TPixelGraphic &pic)
{
    png_colorp entries = nullptr;
    int count = 0;
    std::vector<TColor> colours;
    if (png_get_PLTE(png, info, &entries, &count) && entries)
        for (int i = 0; i < count; ++i)
            colours.push_back(RGBColor(entries[i].red, entries[i].green, entries[i].blue));
    pic.SetPalette(colours, pUnknown);
}

// Returns false when libpng raised an error.
bool RunPng(PngJob *job)
{
    if (setjmp(png_jmpbuf(job->png)))
        return false;

    png_structp png = job->png;
    png_infop info = job->info;
    TPixelGraphic &pic = *job->picture;
    png_set_read_fn(png, job, PngRead);
    // A chunk header may claim up to 2 GiB, and libpng allocates that much
    // for a text, profile or palette-suggestion chunk before it finds the
    // file is 100 bytes long. We use none of those chunks: skip them unread.
    static const png_byte ignored[] = "sPLT\0iCCP\0tEXt\0zTXt\0iTXt\0eXIf\0pCAL\0sCAL\0hIST\0tIME\0pHYs\0oFFs\0sBIT\0cHRM\0sRGB";
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, ignored, int(sizeof ignored / 5));
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_set_chunk_malloc_max(png, 8000000);
    png_read_info(png, info);

    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colorType = 0, interlace = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, &interlace, nullptr, nullptr);
    const int channels = png_get_channels(png, info);
    const bool palette = colorType == PNG_COLOR_TYPE_PALETTE;
    const bool colour = (colorType & PNG_COLOR_MASK_COLOR) != 0;

    int bitCount;
    if (channels > 2)
        bitCount = 24;
    else if (bitDepth == 1)
        bitCount = 1;
    else if (bitDepth <= 4)
        bitCount = 4;
    else
        bitCount = 8;

    // Transparency is composed onto a background colour.
    if (png_get_valid(png, info, PNG_INFO_tRNS) || (colorType & PNG_COLOR_MASK_ALPHA)) {
        png_color_16p fileBackground = nullptr;
        if (PGPNGUseFileBackground && png_get_bKGD(png, info, &fileBackground) && fileBackground) {
            png_set_background(png, fileBackground, PNG_BACKGROUND_GAMMA_FILE, 1, 1.0);
            if (colour || palette)
                pic.SetBackgroundColor(RGBColor(ToEightBits(fileBackground->red, palette ? 8 : bitDepth),
                                                ToEightBits(fileBackground->green, palette ? 8 : bitDepth),
                                                ToEightBits(fileBackground->blue, palette ? 8 : bitDepth)));
            else {
                const int g = ToEightBits(fileBackground->gray, bitDepth);
                pic.SetBackgroundColor(RGBColor(g, g, g));
            }
        } else {
            const TColor c = pic.BackgroundColor();
            const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
            png_color_16 bg{};
            bg.red = ToFileDepth(r, bitDepth);
            bg.green = ToFileDepth(g, bitDepth);
            bg.blue = ToFileDepth(b, bitDepth);
            bg.gray = ToFileDepth((r + g + b) / 3, bitDepth);
            if (palette) {
                bg.red = png_uint_16(r);
                bg.green = png_uint_16(g);
                bg.blue = png_uint_16(b);
            }
            png_set_background(png, &bg, PNG_BACKGROUND_GAMMA_SCREEN, 0, 1.0);
        }
    }

    double fileGamma = 0;
    if (png_get_gAMA(png, info, &fileGamma) && fileGamma > 0)
        pic.SetGamma(1.0 / fileGamma);

    if (bitDepth == 16)
        png_set_strip_16(png);
    if (colour)
        png_set_bgr(png);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);

    if (png_get_rowbytes(png, info) > size_t(TPixelGraphic::StrideFor(int(width), bitCount)))
        png_error(png, "Unexpected row size");

    pic.SetSize(int(width), int(height), bitCount);
    if (palette)
        CopyPalette(png, info, pic);
    else if (!colour) {
        pic.SetPaletteID(bitDepth == 1 ? pBlackWhite : bitDepth == 2 ? pGray4 : bitDepth == 4 ? pGray16 : pGray256);
    }

    pic.ProgressStart();
    job->progressStarted = true;
    bool aborted = false;
    const int h = int(height);
    for (int pass = 0; pass < passes && !aborted; ++pass)
        for (int y = 0; y < h && !aborted; ++y) {
            png_read_row(png, pic.ScanLine(y), nullptr);
            aborted = pic.Progress(y + h * pass, h * passes);
        }
    if (!aborted && bitDepth == 2)
        for (int y = 0; y < h; ++y)
            ExpandTwoBitRow(pic.ScanLine(y), int(width));
    job->progressStarted = false;
    pic.ProgressEnd();
    if (!aborted)
        png_read_end(png, nullptr);
    return true;
}

struct PngJobGuard {
    PngJob *job;
    ~PngJobGuard()
    {
        if (job->progressStarted) {
            job->progressStarted = false;
            try {
                job->picture->ProgressEnd();
            } catch (...) {
            }
        }
        png_destroy_read_struct(&job->png, job->info ? &job->info : nullptr, nullptr);
    }
};

} // namespace

bool TPNGFileFormatReader::IsSignature(const uint8_t *bytes, int count) const
{
    static const uint8_t signature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
    return count >= 8 && std::memcmp(bytes, signature, 8) == 0;
}

void TPNGFileFormatReader::Read(QIODevice &stream, TPixelGraphic &picture, int imageNo)
{
    if (imageNo != 0)
        RaisePng(PGIndexInvalid());
    // The library we run against must be the 1.6 series we were built for,
    // over a zlib of our major version.
    if (png_access_version_number() / 100 != PNG_LIBPNG_VER / 100 || zlibVersion()[0] != ZLIB_VERSION[0])
        RaisePng(QStringLiteral("Invalid library version"));
    picture.SetGamma(PGDefaultGamma);

    PngJob job{};
    job.picture = &picture;
    job.stream = &stream;
    job.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &job, PngError, PngWarning);
    if (!job.png)
        RaisePng(PGLangStr(31, QStringLiteral("png_create_read_struct")));
    bool ok;
    {
        PngJobGuard guard{&job};
        job.info = png_create_info_struct(job.png);
        if (!job.info)
            RaisePng(PGLangStr(31, QStringLiteral("png_create_info_struct")));
        ok = RunPng(&job);
    }
    if (!ok) {
        if (job.cancelled)
            RaisePng(PGLangStr(29));
        RaisePng(QString::fromLocal8Bit(job.message));
    }
}
