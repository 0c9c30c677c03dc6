// Choosing the reader, the JPEG and PNG paths with their warning actions,
// gamma and transparency, progress and abort.
#include "support/TestSupport.h"
#include "picture/PGraphic.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>

#include <zlib.h>

namespace {

struct BoxCall {
    QString caption;
    QString text;
    bool okCancel;
};

// No test may block on a real message box: outside a BoxStub a warning box
// is a test failure.
bool UnexpectedBox(const QString &caption, const QString &text, bool)
{
    ADD_FAILURE() << "unexpected warning box " << caption.toStdString() << ": " << text.toStdString();
    return true;
}

class NoBoxEnvironment : public ::testing::Environment {
public:
    void SetUp() override { SetPGWarningBox(UnexpectedBox); }
};
const auto *const NoBox = ::testing::AddGlobalTestEnvironment(new NoBoxEnvironment);

// Replaces the message box for one test; answers with `answer`.
class BoxStub {
public:
    explicit BoxStub(bool answer)
    {
        SetPGWarningBox([this, answer](const QString &caption, const QString &text, bool okCancel) {
            Calls.push_back({caption, text, okCancel});
            return answer;
        });
    }
    ~BoxStub() { SetPGWarningBox(UnexpectedBox); }
    std::vector<BoxCall> Calls;
};

template <class E>
QString LoadError(TPixelGraphic &pg, const QString &path, int imageNo = 0)
{
    try {
        pg.LoadFromFile(path, imageNo);
    } catch (const E &e) {
        return e.Message();
    } catch (const Exception &e) {
        return QStringLiteral("wrong class: ") + e.Message();
    }
    return QStringLiteral("no error");
}

// A copy of a corpus file under another name, in a temporary folder.
QString CopyAs(const QTemporaryDir &dir, const QString &corpus, const QString &name)
{
    const QString path = dir.filePath(name);
    WriteAll(path, ReadAll(CorpusFile(corpus)));
    return path;
}

QByteArray PngChunk(const char *type, const QByteArray &data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    const QByteArray body = QByteArray(type, 4) + data;
    chunk += body;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))),
                          crc.data());
    return chunk + crc;
}

// The PNG without its gAMA chunk.
QByteArray WithoutGamma(const QByteArray &png)
{
    qsizetype at = 8;
    while (at + 12 <= png.size()) {
        const quint32 len = qFromBigEndian<quint32>(png.constData() + at);
        if (png.mid(at + 4, 4) == "gAMA")
            return png.left(at) + png.mid(at + 12 + qsizetype(len));
        at += 12 + qsizetype(len);
    }
    return png;
}

// The PNG with only the given gAMA chunk, right after its header chunk.
QByteArray WithGamma(const QByteArray &png, quint32 gamma100000)
{
    QByteArray g(4, '\0');
    qToBigEndian<quint32>(gamma100000, g.data());
    const QByteArray plain = WithoutGamma(png);
    const qsizetype afterIhdr = 8 + 12 + 13;
    return plain.left(afterIhdr) + PngChunk("gAMA", g) + plain.mid(afterIhdr);
}

void LoadBytes(TPixelGraphic &pg, const QByteArray &bytes, const QString &ext = QString())
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    pg.LoadFromStream(buffer, ext);
}

// A PngSuite file with its gAMA chunk taken out, so that the load's gamma
// rule leaves the decoded values alone.
void LoadWithoutGamma(TPixelGraphic &pg, const char *corpus)
{
    LoadBytes(pg, WithoutGamma(ReadAll(CorpusFile(corpus))));
}

QString ErrorOfLoad(TPixelGraphic &pg, const QByteArray &bytes)
{
    try {
        LoadBytes(pg, bytes);
    } catch (const EPGPNGFileFormatReaderWriter &e) {
        return e.Message();
    }
    return QStringLiteral("no PNG error");
}

const QString Truncated = QStringLiteral("jpeg/generated/testorig-truncated-2900.jpg");

} // namespace

TEST(PGraphicLoad, ContentsDecideTheFormatNotTheExtension)
{
    SKIP_WITHOUT_CORPORA();
    QTemporaryDir dir;
    TPixelGraphic pg;
    // A PNG named .jpg is read by the PNG reader.
    pg.LoadFromFile(CorpusFile("jpeg/jpeg-decoder/mozilla/jpg-size-6x6.jpg"));
    EXPECT_EQ(pg.Width(), 6);
    // A JPEG named .bmp is read as JPEG, in 24 bits.
    pg.LoadFromFile(CopyAs(dir, "jpeg/libjpeg-turbo/testorig.jpg", "photo.bmp"));
    EXPECT_EQ(pg.Width(), 227);
    EXPECT_EQ(pg.BitCount(), 24);
    // A .bmp file that does not start with "BM" never reaches the BMP reader.
    EXPECT_EQ(LoadError<EPGUnknownFileFormat>(pg, CopyAs(dir, "bmp/x/ba-bm.bmp", "array.bmp")),
              "Unknown file format");
    EXPECT_TRUE(pg.Empty());
}

TEST(PGraphicLoad, ShortAndEmptyStreamsAreUnknownAndMissingFilesRaiseTheOpenError)
{
    TPixelGraphic pg;
    EXPECT_THROW(LoadBytes(pg, QByteArray()), EPGUnknownFileFormat);
    EXPECT_THROW(LoadBytes(pg, QByteArray("hello, world", 12), "jpg"), EPGUnknownFileFormat);
    // A file shorter than the 17 signature bytes still loads.
    LoadBytes(pg, QByteArray("P1 2 1 0 1", 10));
    EXPECT_EQ(pg.Width(), 2);
    EXPECT_THROW(pg.LoadFromFile("/nonexistent/folder/x.jpg"), EInOutError);
}

TEST(PGraphicLoad, TargaLoadsOnlyByItsExtensionInAnyCase)
{
    // 2 by 2, uncompressed true colour, bottom-left origin.
    QByteArray tga(18, '\0');
    tga[2] = 2;
    tga[12] = 2;
    tga[14] = 2;
    tga[16] = 24;
    // Bottom row: blue, green; top row: red, white (stored as B, G, R).
    tga += QByteArray::fromHex("ff0000" "00ff00" "0000ff" "ffffff");
    QTemporaryDir dir;
    for (const char *name : {"a.tga", "b.TGA", "c.Tga"}) {
        WriteAll(dir.filePath(name), tga);
        TPixelGraphic pg;
        pg.LoadFromFile(dir.filePath(name));
        EXPECT_EQ(pg.PixelColor(0, 0), clRed) << name;
        EXPECT_EQ(pg.PixelColor(1, 0), clWhite) << name;
        EXPECT_EQ(pg.PixelColor(0, 1), clBlue) << name;
        EXPECT_EQ(pg.PixelColor(1, 1), clLime) << name;
    }
    WriteAll(dir.filePath("d.dat"), tga);
    TPixelGraphic pg;
    EXPECT_EQ(LoadError<EPGUnknownFileFormat>(pg, dir.filePath("d.dat")), "Unknown file format");
}

TEST(PGraphicLoad, TargaRunLengthAndTopDownImagesLoad)
{
    // 3 by 2 grey, RLE, top-left origin: a run of 3 x 10, then raw 20, 30, 40.
    QByteArray tga(18, '\0');
    tga[2] = 11;
    tga[12] = 3;
    tga[14] = 2;
    tga[16] = 8;
    tga[17] = 0x20;
    tga += QByteArray::fromHex("820a" "02141e28");
    TPixelGraphic pg;
    LoadBytes(pg, tga, ".tga");
    EXPECT_EQ(pg.BitCount(), 8);
    EXPECT_EQ(pg.Pixel(0, 0), 10);
    EXPECT_EQ(pg.Pixel(2, 0), 10);
    EXPECT_EQ(pg.Pixel(0, 1), 20);
    EXPECT_EQ(pg.Pixel(2, 1), 40);
    // Cut short: the run promises more than the file holds.
    EXPECT_THROW(LoadBytes(pg, tga.left(tga.size() - 2), "tga"), EPGTGAFileFormatReader);
}

// An 18-byte Targa header.
QByteArray TgaHeader(int idLength, int mapType, int imageType, int mapFirst, int mapLength, int mapBits,
                     int width, int height, int depth, int descriptor = 0)
{
    QByteArray h(18, '\0');
    h[0] = char(idLength);
    h[1] = char(mapType);
    h[2] = char(imageType);
    h[3] = char(mapFirst);
    h[5] = char(mapLength);
    h[7] = char(mapBits);
    h[12] = char(width);
    h[14] = char(height);
    h[16] = char(depth);
    h[17] = char(descriptor);
    return h;
}

TEST(PGraphicLoad, TargaFifteenAndSixteenBitColoursWidenEachChannel)
{
    // x RRRRR GGGGG BBBBB, little-endian: full red, full green, full blue, and
    // r 16, g 8, b 1 with the top bit set (ignored). 5 bits widen to 8 as
    // c * 8 + c / 4: 31 -> 255, 16 -> 132, 8 -> 66, 1 -> 8.
    const QByteArray pixels = QByteArray::fromHex("007c" "e003" "1f00" "01c1");
    for (int depth : {15, 16}) {
        SCOPED_TRACE(depth);
        TPixelGraphic pg;
        LoadBytes(pg, TgaHeader(0, 0, 2, 0, 0, 0, 4, 1, depth) + pixels, "tga");
        EXPECT_EQ(pg.BitCount(), 24);
        EXPECT_EQ(pg.PixelColor(0, 0), RGBColor(255, 0, 0));
        EXPECT_EQ(pg.PixelColor(1, 0), RGBColor(0, 255, 0));
        EXPECT_EQ(pg.PixelColor(2, 0), RGBColor(0, 0, 255));
        EXPECT_EQ(pg.PixelColor(3, 0), RGBColor(132, 66, 8));
    }
    // Run-length encoded: a run of two reds, then green and blue as they are.
    TPixelGraphic pg;
    LoadBytes(pg, TgaHeader(0, 0, 10, 0, 0, 0, 4, 1, 16) + QByteArray::fromHex("81007c" "01e0031f00"), "tga");
    EXPECT_EQ(pg.PixelColor(0, 0), RGBColor(255, 0, 0));
    EXPECT_EQ(pg.PixelColor(1, 0), RGBColor(255, 0, 0));
    EXPECT_EQ(pg.PixelColor(2, 0), RGBColor(0, 255, 0));
    EXPECT_EQ(pg.PixelColor(3, 0), RGBColor(0, 0, 255));
}

TEST(PGraphicLoad, TargaColourMappedImagesUseTheirMapFromItsFirstIndex)
{
    // A 3-byte ID field to skip; a 24-bit map (blue, green, red per entry) that
    // starts at index 2: 2 red, 3 green, 4 blue. 3 by 2, bottom row first.
    TPixelGraphic pg;
    LoadBytes(pg, TgaHeader(3, 1, 1, 2, 3, 24, 3, 2, 8) + "abc" + QByteArray::fromHex("0000ff" "00ff00" "ff0000") +
                      QByteArray::fromHex("020304" "040403"), "tga");
    EXPECT_EQ(pg.BitCount(), 8);
    EXPECT_EQ(pg.Pixel(0, 1), 2);
    EXPECT_EQ(pg.PixelColor(0, 1), clRed);
    EXPECT_EQ(pg.PixelColor(1, 1), clLime);
    EXPECT_EQ(pg.PixelColor(2, 1), clBlue);
    EXPECT_EQ(pg.PixelColor(0, 0), clBlue);
    EXPECT_EQ(pg.PixelColor(2, 0), clLime);

    // 16-bit map entries and run-length data: index 0 once, then a run of two 1s.
    LoadBytes(pg, TgaHeader(0, 1, 9, 0, 2, 16, 3, 1, 8) + QByteArray::fromHex("007c" "1f00") +
                      QByteArray::fromHex("0000" "8101"), "tga");
    EXPECT_EQ(pg.PixelColor(0, 0), RGBColor(255, 0, 0));
    EXPECT_EQ(pg.PixelColor(1, 0), RGBColor(0, 0, 255));
    EXPECT_EQ(pg.PixelColor(2, 0), RGBColor(0, 0, 255));

    // A mapped image without a map is refused.
    EXPECT_THROW(LoadBytes(pg, TgaHeader(0, 0, 1, 0, 0, 0, 1, 1, 8) + QByteArray(1, '\0'), "tga"),
                 EPGTGAFileFormatReader);
}

TEST(PGraphicLoad, ImageNumberOtherThanZeroIsRefusedWithTheFormatPrefix)
{
    SKIP_WITHOUT_CORPORA();
    TPixelGraphic pg;
    EXPECT_EQ(LoadError<EPGJPGFileFormatReaderWriter>(pg, CorpusFile("jpeg/libjpeg-turbo/testorig.jpg"), 1),
              "JPG: Index invalid");
    EXPECT_EQ(LoadError<EPGPNGFileFormatReaderWriter>(pg, CorpusFile("png/basn2c08.png"), 1),
              "PNG: Index invalid");
    EXPECT_EQ(LoadError<EPGBMPFileFormatReader>(pg, CorpusFile("bmp/g/pal8.bmp"), 1), "BMP: Index invalid");
}

TEST(PGraphicLoad, JpegGreyIsEightBitWithGreyPaletteAndCmykIsRefused)
{
    SKIP_WITHOUT_CORPORA();
    TPixelGraphic pg;
    pg.LoadFromFile(CorpusFile("jpeg/jpeg-decoder/mozilla/jpg-gray.jpg"));
    EXPECT_EQ(pg.BitCount(), 8);
    EXPECT_EQ(pg.PaletteID(), pGray256);
    ASSERT_EQ(pg.Palette().size(), 256u);
    EXPECT_EQ(pg.Palette()[128], RGBColor(128, 128, 128));
    EXPECT_EQ(LoadError<EPGJPGFileFormatReaderWriter>(pg, CorpusFile("jpeg/jpeg-decoder/mozilla/jpg-cmyk-1.jpg")),
              "JPG: Not supported subformat");
    EXPECT_EQ(LoadError<EPGJPGFileFormatReaderWriter>(pg, CorpusFile("jpeg/jpeg-decoder/crashtest/missing-sos.jpg")),
              "JPG: Invalid JPEG file structure: missing SOS marker");
}

TEST(PGraphicLoad, TruncatedJpegFollowsTheReadWarningAction)
{
    SKIP_WITHOUT_CORPORA();
    const QString path = CorpusFile(Truncated);
    {
        BoxStub box(true);
        TPixelGraphic pg;
        pg.SetReadWarningAction(pgwaRaise);
        EXPECT_EQ(LoadError<EPGJPGFileFormatReaderWriter>(pg, path), "JPG: Premature end of JPEG file");
        EXPECT_TRUE(box.Calls.empty());
    }
    {
        BoxStub box(true);
        TPixelGraphic pg;   // pgwaOKCancelBox at creation
        pg.LoadFromFile(path);
        ASSERT_EQ(box.Calls.size(), 1u);   // only the first warning of the file
        EXPECT_EQ(box.Calls[0].caption, "JPG Warning");
        EXPECT_EQ(box.Calls[0].text, "Premature end of JPEG file");
        EXPECT_TRUE(box.Calls[0].okCancel);
        EXPECT_EQ(pg.Width(), 227);
    }
    {
        BoxStub box(false);
        TPixelGraphic pg;
        EXPECT_EQ(LoadError<EPGJPGFileFormatReaderWriter>(pg, path), "JPG: Operation aborted on user request");
    }
    {
        BoxStub box(false);   // the OK box has only OK: its answer cannot stop the load
        TPixelGraphic pg;
        pg.SetReadWarningAction(pgwaOKBox);
        pg.LoadFromFile(path);
        ASSERT_EQ(box.Calls.size(), 1u);
        EXPECT_FALSE(box.Calls[0].okCancel);
        EXPECT_EQ(pg.Height(), 149);
    }
    {
        BoxStub box(true);
        TPixelGraphic pg;
        pg.SetReadWarningAction(pgwaIgnore);
        pg.LoadFromFile(path);
        EXPECT_TRUE(box.Calls.empty());
        // The decoder fills the missing part: the loaded rows equal those of
        // the complete file down to where the data ran out.
        TPixelGraphic whole;
        whole.LoadFromFile(CorpusFile("jpeg/libjpeg-turbo/testorig.jpg"));
        EXPECT_EQ(pg.ToImage().copy(0, 0, 227, 16), whole.ToImage().copy(0, 0, 227, 16));
    }
}

TEST(PGraphicLoad, PngWarningsFollowTheReadWarningAction)
{
    SKIP_WITHOUT_CORPORA();
    // A second gAMA chunk draws libpng's "gAMA: duplicate" warning.
    const QByteArray png = ReadAll(CorpusFile("png/basn2c08.png"));
    QByteArray g(4, '\0');
    qToBigEndian<quint32>(45455, g.data());
    const qsizetype afterIhdr = 8 + 12 + 13;
    const QByteArray twice = png.left(afterIhdr) + PngChunk("gAMA", g) + png.mid(afterIhdr);
    {
        TPixelGraphic pg;
        pg.SetReadWarningAction(pgwaRaise);
        EXPECT_EQ(ErrorOfLoad(pg, twice), "PNG: gAMA: duplicate");
    }
    {
        BoxStub box(false);
        TPixelGraphic pg;
        EXPECT_EQ(ErrorOfLoad(pg, twice), "PNG: Operation aborted on user request");
        ASSERT_EQ(box.Calls.size(), 1u);
        EXPECT_EQ(box.Calls[0].caption, "PNG Warning");
        EXPECT_EQ(box.Calls[0].text, "gAMA: duplicate");
        EXPECT_TRUE(box.Calls[0].okCancel);
    }
    {
        BoxStub box(true);
        TPixelGraphic pg;
        pg.SetReadWarningAction(pgwaOKBox);
        LoadBytes(pg, twice);
        EXPECT_EQ(pg.Width(), 32);
        ASSERT_EQ(box.Calls.size(), 1u);
        EXPECT_FALSE(box.Calls[0].okCancel);
    }
    TPixelGraphic quiet;
    quiet.SetReadWarningAction(pgwaIgnore);
    LoadBytes(quiet, twice);
    EXPECT_EQ(quiet.Width(), 32);
}

TEST(PGraphicLoad, PngGammaIsCorrectedToTheDefaultGamma)
{
    SKIP_WITHOUT_CORPORA();
    const QByteArray plain = WithoutGamma(ReadAll(CorpusFile("png/basn2c08.png")));
    const QByteArray gamma = WithGamma(plain, 45455);
    TPixelGraphic raw, corrected;
    LoadBytes(raw, plain);
    LoadBytes(corrected, gamma);
    EXPECT_DOUBLE_EQ(corrected.Gamma(), 1.8);
    // Each channel becomes 255 x (v / 255)^(2.2 / 1.8), rounded: 128 -> 110, 64 -> 47.
    const double r = (100000.0 / 45455) / 1.8;
    const auto expect = [r](int v) { return int(std::lround(255.0 * std::pow(v / 255.0, r))); };
    ASSERT_EQ(expect(128), 110);
    ASSERT_EQ(expect(64), 47);
    int checked = 0, mid = 0;
    for (int y = 0; y < raw.Height(); y += 5)
        for (int x = 0; x < raw.Width(); x += 3) {
            const TColor c = raw.Pixel(x, y);
            const int red = c & 0xFF, green = (c >> 8) & 0xFF, blue = (c >> 16) & 0xFF;
            EXPECT_EQ(corrected.Pixel(x, y), RGBColor(expect(red), expect(green), expect(blue))) << x << "," << y;
            ++checked;
            mid += red > 20 && red < 235;
        }
    EXPECT_GT(checked, 50);
    EXPECT_GT(mid, 10) << "the samples must include values the curve moves";
    // With the correction switched off the picture keeps the file's gamma.
    PGGammaCorrection = false;
    TPixelGraphic kept;
    LoadBytes(kept, gamma);
    PGGammaCorrection = true;
    EXPECT_NEAR(kept.Gamma(), 2.2, 0.001);
    EXPECT_EQ(kept.ToImage(), raw.ToImage());
    // Within 5 percent of the default nothing changes.
    TPixelGraphic close;
    LoadBytes(close, WithGamma(plain, quint32(100000 / 1.85)));
    EXPECT_EQ(close.ToImage(), raw.ToImage());
}

TEST(PGraphicLoad, PngTransparencyIsComposedOntoThePicturesBackground)
{
    SKIP_WITHOUT_CORPORA();
    // basn6a08 has an alpha channel and no background chunk.
    const QImage src = QImage(CorpusFile("png/basn6a08.png")).convertToFormat(QImage::Format_ARGB32);
    TPixelGraphic black;
    LoadWithoutGamma(black, "png/basn6a08.png");
    TPixelGraphic red;
    red.SetBackgroundColor(clRed);
    LoadWithoutGamma(red, "png/basn6a08.png");
    int transparent = 0;
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb p = src.pixel(x, y);
            const int a = qAlpha(p);
            auto over = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
            const TColor onBlack = RGBColor(over(qRed(p), 0), over(qGreen(p), 0), over(qBlue(p), 0));
            const TColor onRed = RGBColor(over(qRed(p), 255), over(qGreen(p), 0), over(qBlue(p), 0));
            ASSERT_EQ(black.Pixel(x, y), onBlack) << x << "," << y;
            ASSERT_EQ(red.Pixel(x, y), onRed) << x << "," << y;
            transparent += a == 0;
        }
    EXPECT_GT(transparent, 0);
    // The same with 16-bit samples: fully transparent pixels show the colour.
    TPixelGraphic wide;
    wide.SetBackgroundColor(RGBColor(10, 200, 30));
    LoadWithoutGamma(wide, "png/basn6a16.png");
    const QImage src16 = QImage(CorpusFile("png/basn6a16.png")).convertToFormat(QImage::Format_ARGB32);
    int checked = 0;
    for (int y = 0; y < src16.height(); ++y)
        for (int x = 0; x < src16.width(); ++x)
            if (qAlpha(src16.pixel(x, y)) == 0) {
                EXPECT_EQ(wide.Pixel(x, y), RGBColor(10, 200, 30));
                ++checked;
            }
    EXPECT_GT(checked, 0);
}

TEST(PGraphicLoad, PngFileBackgroundWinsAndBecomesThePicturesBackground)
{
    SKIP_WITHOUT_CORPORA();
    // bgyn6a16: 16-bit RGBA with a yellow background chunk.
    TPixelGraphic pg;
    pg.SetBackgroundColor(clRed);
    pg.LoadFromFile(CorpusFile("png/bgyn6a16.png"));
    EXPECT_EQ(pg.BackgroundColor(), clYellow);
    PGPNGUseFileBackground = false;
    TPixelGraphic own;
    own.SetBackgroundColor(clRed);
    own.LoadFromFile(CorpusFile("png/bgyn6a16.png"));
    PGPNGUseFileBackground = true;
    EXPECT_EQ(own.BackgroundColor(), clRed);
    EXPECT_NE(own.ToImage(), pg.ToImage());
}

TEST(PGraphicLoad, PngPixelFormatsFollowChannelsAndBitDepth)
{
    SKIP_WITHOUT_CORPORA();
    struct Case {
        const char *file;
        int bits;
        TPaletteID palette;
    } cases[] = {
        {"png/basn0g01.png", 1, pBlackWhite}, {"png/basn0g02.png", 4, pGray4},
        {"png/basn0g04.png", 4, pGray16},     {"png/basn0g16.png", 8, pGray256},
        {"png/basn3p02.png", 4, pUnknown},    {"png/basn4a08.png", 8, pGray256},
        {"png/basn2c16.png", 24, pTrueColor}, {"png/basi6a08.png", 24, pTrueColor},
    };
    for (const Case &c : cases) {
        TPixelGraphic pg;
        pg.LoadFromFile(CorpusFile(c.file));
        EXPECT_EQ(pg.BitCount(), c.bits) << c.file;
        EXPECT_EQ(pg.PaletteID(), c.palette) << c.file;
    }
    // The 2-bit expansion, pixel by pixel against Qt.
    TPixelGraphic two;
    LoadWithoutGamma(two, "png/basn0g02.png");
    const QImage ref = QImage(CorpusFile("png/basn0g02.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(ref.size(), QSize(two.Width(), two.Height()));
    for (int y = 0; y < ref.height(); ++y)
        for (int x = 0; x < ref.width(); ++x)
            ASSERT_EQ(QRgb(two.PixelColor(x, y)) | 0xFF000000u, ref.pixel(x, y)) << x << "," << y;
}

TEST(PGraphicLoad, ProgressRunsFromStartToEndAndAbortStopsTheReaders)
{
    SKIP_WITHOUT_CORPORA();
    TPixelGraphic pg;
    int starts = 0, ends = 0, steps = 0, lastStep = 0, lastMax = 0;
    pg.OnProgressStart = [&] { ++starts; };
    pg.OnProgressEnd = [&] { ++ends; };
    pg.OnProgress = [&](int step, int max, bool &) {
        ++steps;
        lastStep = step;
        lastMax = max;
    };
    pg.LoadFromFile(CorpusFile("png/basi2c08.png"));   // interlaced: 7 passes
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(steps, 7 * 32);
    EXPECT_EQ(lastMax, 7 * 32);
    EXPECT_EQ(lastStep, 7 * 32 - 1);

    steps = 0;
    pg.LoadFromFile(CorpusFile("jpeg/libjpeg-turbo/testorig.jpg"));
    EXPECT_EQ(steps, 149);
    EXPECT_EQ(lastStep, 149);
    EXPECT_EQ(lastMax, 149);

    // Abort after 10 rows: the PNG reader stops quietly, the rows not read
    // keep the background.
    pg.OnProgress = [&](int step, int, bool &abort) { abort = step >= 10; };
    pg.SetBackgroundColor(RGBColor(1, 2, 3));
    LoadWithoutGamma(pg, "png/basn2c08.png");
    EXPECT_EQ(pg.Pixel(0, 31), RGBColor(1, 2, 3));
    EXPECT_NE(pg.Pixel(0, 0), RGBColor(1, 2, 3));
    // The JPEG reader stops reading rows and its finishing step fails.
    pg.OnProgress = nullptr;
    pg.LoadFromFile(CorpusFile("jpeg/libjpeg-turbo/testorig.jpg"));
    pg.OnProgress = [&](int step, int, bool &abort) { abort = step >= 10; };
    ends = 0;
    EXPECT_EQ(LoadError<EPGJPGFileFormatReaderWriter>(pg, CorpusFile("jpeg/libjpeg-turbo/testorig.jpg")),
              "JPG: Application transferred too few scanlines");
    EXPECT_EQ(ends, 1);
    // The rows not decoded show the background, not the previous picture.
    EXPECT_EQ(pg.Pixel(0, 148), RGBColor(1, 2, 3));
    EXPECT_EQ(pg.Pixel(226, 10), RGBColor(1, 2, 3));
    EXPECT_NE(pg.Pixel(0, 9), RGBColor(1, 2, 3));
}

TEST(PGraphicLoad, ErrorsFromCallbacksLeaveTheDecoderCleanly)
{
    SKIP_WITHOUT_CORPORA();
    // A progress callback that throws: the error reaches the caller, the
    // progress end still fires, and the next load works.
    TPixelGraphic pg;
    int ends = 0;
    pg.OnProgressEnd = [&] { ++ends; };
    pg.OnProgress = [](int step, int, bool &) {
        if (step == 5)
            throw EPixelGraphic("stop here");
    };
    for (const char *f : {"jpeg/libjpeg-turbo/testorig.jpg", "png/basn2c08.png"}) {
        ends = 0;
        EXPECT_EQ(LoadError<EPixelGraphic>(pg, CorpusFile(f)), "stop here") << f;
        EXPECT_EQ(ends, 1) << f;
    }
    pg.OnProgress = nullptr;
    pg.LoadFromFile(CorpusFile("jpeg/libjpeg-turbo/testorig.jpg"));
    EXPECT_EQ(pg.Width(), 227);
}

TEST(PGraphicLoad, ChangeFiresOnceAfterALoadAndTheFailedLoadLeavesItEmpty)
{
    SKIP_WITHOUT_CORPORA();
    TPixelGraphic pg;
    int changes = 0;
    pg.OnChange = [&] {
        ++changes;
        EXPECT_EQ(pg.UpdateCount(), 0);
    };
    pg.LoadFromFile(CorpusFile("jpeg/libjpeg-turbo/testorig.jpg"));
    EXPECT_EQ(changes, 1);
    changes = 0;
    EXPECT_THROW(pg.LoadFromFile(CorpusFile("png/xcsn0g01.png")), EPGPNGFileFormatReaderWriter);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(pg.UpdateCount(), 0);
}

TEST(PGraphicLoad, PngErrorsCarryTheLibrarysMessage)
{
    SKIP_WITHOUT_CORPORA();
    TPixelGraphic pg;
    EXPECT_EQ(LoadError<EPGPNGFileFormatReaderWriter>(pg, CorpusFile("png/xcsn0g01.png")), "PNG: IDAT: CRC error");
    // A PNG cut short inside its image data.
    const QByteArray png = ReadAll(CorpusFile("png/basn2c08.png"));
    try {
        LoadBytes(pg, png.left(png.size() / 2));
        FAIL();
    } catch (const EPGPNGFileFormatReaderWriter &e) {
        EXPECT_EQ(e.Message(), "PNG: Read Error");
    }
}

TEST(PGraphicLoad, JpegReaderOnAnEmptyStreamGivesEmptyInputFile)
{
    // Detection never hands an empty file to the JPEG reader; called
    // directly, its source reports the library's "Empty input file".
    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    TPixelGraphic pg;
    TFileFormatReaders &readers = FileFormatReaders();
    readers.SortIfNeeded();
    TFileFormatReader *jpg = readers.Item(4);
    ASSERT_EQ(jpg->Extension(), "jpg");
    try {
        jpg->Read(empty, pg, 0);
        FAIL();
    } catch (const EPGJPGFileFormatReaderWriter &e) {
        EXPECT_EQ(e.Message(), "JPG: Empty input file");
    }
}
