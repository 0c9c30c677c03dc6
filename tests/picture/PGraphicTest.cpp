// The picture itself (size, palette, drawing, saving), the registries, the
// message table, and the BMP and portable-anymap readers' own rules.
#include "support/TestSupport.h"
#include "picture/PGraphic.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

template <class E, class F>
QString ErrorOf(F &&f)
{
    try {
        f();
    } catch (const E &e) {
        return e.Message();
    } catch (const Exception &e) {
        return QStringLiteral("wrong class: ") + e.Message();
    }
    return QStringLiteral("no error");
}

void LoadBytes(TPixelGraphic &pg, const QByteArray &bytes, const QString &ext = QString())
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    pg.LoadFromStream(buffer, ext);
}

QByteArray Le32(uint32_t v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); }
QByteArray Le16(uint16_t v) { return QByteArray(reinterpret_cast<const char *>(&v), 2); }

// A BMP with a 40-byte info header and the given fields; data follows.
QByteArray InfoBmp(int32_t width, int32_t height, uint16_t planes, uint16_t bits, uint32_t compression,
                   const QByteArray &rest)
{
    QByteArray info = Le32(40) + Le32(uint32_t(width)) + Le32(uint32_t(height)) + Le16(planes) + Le16(bits) +
                      Le32(compression) + Le32(0) + Le32(0) + Le32(0) + Le32(0) + Le32(0);
    return QByteArray("BM") + Le32(uint32_t(14 + info.size() + rest.size())) + Le32(0) + Le32(0) + info + rest;
}

} // namespace

TEST(PGraphicPicture, SetSizeChecksItsArgumentsAndLaysOutBottomUpRows)
{
    TPixelGraphic pg;
    EXPECT_EQ(pg.BitCount(), 24);
    EXPECT_TRUE(pg.Empty());
    EXPECT_EQ(ErrorOf<EPGInvalidSize>([&] { pg.SetSize(-1, 5, 24); }), "Negative width");
    EXPECT_EQ(ErrorOf<EPGInvalidSize>([&] { pg.SetSize(5, -1, 24); }), "Negative height");
    EXPECT_THROW(pg.SetSize(5, 5, 16), EPGInvalidBitCountNum);

    // Stride: ((bits x width + 31) div 32) x 4.
    pg.SetSize(5, 3, 24);
    EXPECT_EQ(pg.Stride(), 16);
    EXPECT_EQ(pg.ImageSize(), 48);
    pg.SetSize(33, 2, 1);
    EXPECT_EQ(pg.Stride(), 8);
    pg.SetSize(9, 2, 4);
    EXPECT_EQ(pg.Stride(), 8);
    pg.SetSize(0, 0, 8);
    EXPECT_EQ(pg.Bits(), nullptr);

    // Row 0 of memory is the bottom row; pixels are blue, green, red.
    pg.SetSize(2, 2, 24);
    pg.ScanLine(1)[0] = 0x11;   // bottom-left blue
    pg.ScanLine(1)[2] = 0x33;   // bottom-left red
    EXPECT_EQ(pg.Bits()[0], 0x11);
    EXPECT_EQ(pg.Pixel(0, 1), RGBColor(0x33, 0, 0x11));
    EXPECT_THROW(pg.Pixel(2, 0), EPGXYIndexOutOfRange);
}

TEST(PGraphicPicture, SetSizeFillsWithTheBackgroundAndFailsCleanlyWhenMemoryIsRefused)
{
    TPixelGraphic pg;
    pg.SetBackgroundColor(RGBColor(10, 20, 30));
    pg.SetSize(3, 2, 24);
    EXPECT_EQ(pg.Pixel(2, 1), RGBColor(10, 20, 30));
    pg.Bits()[0] = 0;
    pg.SetSize(3, 2, 24);   // same size: only refilled
    EXPECT_EQ(pg.Pixel(0, 1), RGBColor(10, 20, 30));
    pg.SetBackgroundColor(5);
    pg.SetSize(3, 2, 4);
    EXPECT_EQ(pg.Pixel(1, 0), 5);
    pg.SetBackgroundColor(1);
    pg.SetSize(9, 1, 1);
    EXPECT_EQ(pg.Pixel(8, 0), 1);

    // More than a bitmap can describe: refused, and the picture is empty.
    EXPECT_EQ(ErrorOf<EPixelGraphic>([&] { pg.SetSize(60000, 60000, 24); }), "CreateDIBSection failed");
    EXPECT_TRUE(pg.Empty());
    EXPECT_EQ(pg.Bits(), nullptr);
}

TEST(PGraphicPicture, PaletteIsCutToTheFormatAndTheColourTableRepeatsEntryZero)
{
    TPixelGraphic pg;
    pg.SetSize(4, 4, 8);
    pg.SetPaletteID(pGray256);
    EXPECT_EQ(pg.Palette().size(), 256u);
    pg.SetSize(4, 4, 4);
    EXPECT_EQ(pg.Palette().size(), 16u);
    pg.SetPalette({clRed, clBlue, clLime});
    EXPECT_EQ(pg.PaletteEntry(1), clBlue);
    EXPECT_EQ(ErrorOf<EPGInvalidPaletteIndex>([&] { pg.PaletteEntry(3); }), "Invalid palette index");
    const QByteArray info = pg.BitmapInfo();
    ASSERT_EQ(info.size(), 40 + 16 * 4);
    EXPECT_EQ(uint8_t(info[14]), 4);   // bits per pixel
    EXPECT_EQ(uint8_t(info[32]), 16);  // colours used
    // Entry 1 is blue (B, G, R, 0); entries past the palette repeat entry 0 (red).
    EXPECT_EQ(info.mid(44, 4), QByteArray::fromHex("ff000000"));
    EXPECT_EQ(info.mid(40 + 4 * 15, 4), QByteArray::fromHex("0000ff00"));
    pg.SetSize(4, 4, 24);
    EXPECT_TRUE(pg.Palette().empty());
    EXPECT_EQ(pg.PaletteID(), pTrueColor);
    EXPECT_THROW(pg.PaletteEntry(0), EPGNoPalette);
    EXPECT_EQ(PGStandardPalette(pGray4), (std::vector<TColor>{0, 0x555555, 0xAAAAAA, 0xFFFFFF}));
    EXPECT_EQ(PGStandardPalette(pSpecial216).size(), 216u);
}

TEST(PGraphicPicture, ToImageGivesEveryPixelTheColourItHasInEachFormat)
{
    // Nine pixels wide, so that rows end inside a byte; short palettes, so
    // that values past them show as entry 0.
    for (const int bits : {1, 4, 8, 24}) {
        TPixelGraphic pg;
        pg.SetSize(9, 2, bits);
        if (bits == 1)
            pg.SetPalette({clBlue});
        else if (bits != 24)
            pg.SetPalette({clRed, clBlue, clLime});
        for (int y = 0; y < 2; ++y)
            for (int i = 0; i < pg.Stride(); ++i)
                pg.ScanLine(y)[i] = uint8_t(bits == 8 ? (i + y) % 4 : 37 * i + 101 * y + 13);
        const QImage img = pg.ToImage();
        ASSERT_EQ(img.size(), QSize(9, 2));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 9; ++x) {
                const TColor c = pg.PixelColor(x, y);
                EXPECT_EQ(img.pixel(x, y), qRgb(c & 0xFF, (c >> 8) & 0xFF, c >> 16)) << bits << " bits at " << x << "," << y;
            }
        if (bits == 24) {
            EXPECT_EQ(img.pixel(1, 0), qRgb(pg.ScanLine(0)[5], pg.ScanLine(0)[4], pg.ScanLine(0)[3]));
        }
    }
    TPixelGraphic pg;
    pg.SetSize(4, 1, 8);
    pg.SetPalette({clRed, clBlue, clLime});
    for (int x = 0; x < 4; ++x)
        pg.ScanLine(0)[x] = uint8_t(x);
    const QImage img = pg.ToImage();
    EXPECT_EQ(img.pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(2, 0), qRgb(0, 255, 0));
    EXPECT_EQ(img.pixel(3, 0), qRgb(255, 0, 0)) << "a value past the palette";

    // Bits and nibbles taken from the left, each from its own place in the row.
    TPixelGraphic mono;
    mono.SetSize(9, 1, 1);
    mono.SetPalette({clBlack, clWhite});
    mono.ScanLine(0)[0] = 0xA0;   // 1010 0000
    mono.ScanLine(0)[1] = 0x80;   // the ninth pixel
    const QImage m = mono.ToImage();
    const QRgb w = qRgb(255, 255, 255), k = qRgb(0, 0, 0);
    const QRgb monoWanted[9] = {w, k, w, k, k, k, k, k, w};
    for (int x = 0; x < 9; ++x)
        EXPECT_EQ(m.pixel(x, 0), monoWanted[x]) << "1 bit at " << x;
    TPixelGraphic nib;
    nib.SetSize(3, 1, 4);
    nib.SetPalette({clRed, clBlue, clLime});
    nib.ScanLine(0)[0] = 0x12;
    nib.ScanLine(0)[1] = 0x20;
    const QImage n = nib.ToImage();
    EXPECT_EQ(n.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(n.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(n.pixel(2, 0), qRgb(0, 255, 0));
}

TEST(PGraphicPicture, ChangeNotificationsAreHeldWhileTheCounterIsUp)
{
    TPixelGraphic pg;
    int changes = 0;
    pg.OnChange = [&] { ++changes; };
    pg.SetSize(2, 2, 24);
    EXPECT_EQ(changes, 1);
    pg.BeginUpdate();
    pg.BeginUpdate();
    pg.SetSize(3, 3, 24);
    pg.EndUpdate();
    EXPECT_EQ(changes, 1);
    pg.EndUpdate();
    EXPECT_EQ(changes, 2);
}

TEST(PGraphicPicture, DrawPaintsEachFormatUprightAndMirrorsForReversedRectangles)
{
    // 3 by 2: top row red, green, blue; bottom row white, black, grey.
    const TColor top[3] = {clRed, clLime, clBlue};
    const TColor bottom[3] = {clWhite, clBlack, clGray};
    const std::vector<TColor> palette = {clRed, clLime, clBlue, clWhite, clBlack, clGray};
    for (int bits : {24, 8, 4}) {
        SCOPED_TRACE(bits);
        TPixelGraphic pg;
        pg.SetSize(3, 2, bits);
        if (bits != 24)
            pg.SetPalette(palette);
        for (int x = 0; x < 3; ++x) {
            if (bits == 24) {
                for (int y = 0; y < 2; ++y) {
                    const TColor c = y == 0 ? top[x] : bottom[x];
                    pg.ScanLine(y)[3 * x] = uint8_t(c >> 16);
                    pg.ScanLine(y)[3 * x + 1] = uint8_t(c >> 8);
                    pg.ScanLine(y)[3 * x + 2] = uint8_t(c);
                }
            } else if (bits == 8) {
                pg.ScanLine(0)[x] = uint8_t(x);
                pg.ScanLine(1)[x] = uint8_t(3 + x);
            } else {
                auto set = [&](int y, int v) {
                    uint8_t &b = pg.ScanLine(y)[x / 2];
                    b = (x & 1) ? uint8_t((b & 0xF0) | v) : uint8_t((b & 0x0F) | (v << 4));
                };
                set(0, x);
                set(1, 3 + x);
            }
        }
        pg.Changed();
        QImage canvas(8, 6, QImage::Format_RGB32);
        canvas.fill(Qt::magenta);
        {
            QPainter p(&canvas);
            pg.Draw(p, QRect(0, 0, 3, 2));        // natural size
            pg.Draw(p, 3, 2, 0, 4);                // mirrored left-right: right < left
            pg.Draw(p, QRect(2, 4, 6, 2));         // stretched twice as wide
        }
        auto at = [&](int x, int y) { return FromQColor(QColor(canvas.pixel(x, y))); };
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(at(x, 0), top[x]) << x;
            EXPECT_EQ(at(x, 1), bottom[x]) << x;
            EXPECT_EQ(at(x + 1, 2), top[2 - x]) << x;
            EXPECT_EQ(at(x + 1, 3), bottom[2 - x]) << x;
            EXPECT_EQ(at(2 + 2 * x, 4), top[x]) << x;
            EXPECT_EQ(at(3 + 2 * x, 5), bottom[x]) << x;
        }
        EXPECT_EQ(at(0, 2), FromQColor(Qt::magenta));
    }
}

TEST(PGraphicPicture, DrawFollowsChangesAndAnEmptyPictureDrawsNothing)
{
    TPixelGraphic pg;
    QImage canvas(2, 2, QImage::Format_RGB32);
    canvas.fill(Qt::magenta);
    {
        QPainter p(&canvas);
        pg.Draw(p, QRect(0, 0, 2, 2));
    }
    EXPECT_EQ(canvas.pixel(0, 0), QColor(Qt::magenta).rgb());
    pg.SetSize(1, 1, 8);
    pg.SetPalette({clRed, clBlue});
    {
        QPainter p(&canvas);
        pg.Draw(p, QRect(0, 0, 1, 1));
        pg.Bits()[0] = 1;
        pg.Changed();
        pg.Draw(p, QRect(1, 0, 1, 1));
    }
    EXPECT_EQ(FromQColor(QColor(canvas.pixel(0, 0))), clRed);
    EXPECT_EQ(FromQColor(QColor(canvas.pixel(1, 0))), clBlue);
}

TEST(PGraphicPicture, SavingPicksTheWriterByExtensionAndLeavesNoFileBehindOnFailure)
{
    QTemporaryDir dir;
    TPixelGraphic pg;
    pg.SetSize(3, 2, 8);
    pg.SetPaletteID(pGray256);
    pg.ScanLine(0)[1] = 200;
    const QString bmp = dir.filePath("x.BMP");
    pg.SaveToFile(bmp);
    TPixelGraphic back;
    back.LoadFromFile(bmp);
    EXPECT_EQ(back.BitCount(), 8);
    EXPECT_EQ(back.PixelColor(1, 0), RGBColor(200, 200, 200));
    EXPECT_EQ(back.ToImage(), pg.ToImage());

    const QString unknown = dir.filePath("x.XyZ");
    EXPECT_EQ(ErrorOf<EPGUnknownExtension>([&] { pg.SaveToFile(unknown); }), "Unknown file extension \"xyz\"");
    EXPECT_FALSE(QFile::exists(unknown));
    const QString png = dir.filePath("x.png");
    EXPECT_THROW(pg.SaveToFile(png), EPGCanWriteResolutionsEmpty);
    EXPECT_FALSE(QFile::exists(png));
}

TEST(PGraphicRegistry, ReadersAndWritersAreRegisteredAndSortedByExtension)
{
    TFileFormatReaders &readers = FileFormatReaders();
    readers.SortIfNeeded();
    EXPECT_EQ(readers.Extensions(), (QStringList{"bmp", "dib", "jif", "jpeg", "jpg", "pbm", "pcx", "pgm", "png",
                                                 "ppm", "rle", "tga"}));
    for (int i = 0; i < readers.Count(); ++i) {
        const TFileFormatReader *r = readers.Item(i);
        EXPECT_EQ(r->Detectable(), r->Extension() != "tga") << r->Extension().toStdString();
        EXPECT_EQ(r->Capability(), 1);
    }
    EXPECT_EQ(readers.Item(4)->Description(), "JPEG (JFIF compliant)");
    EXPECT_EQ(readers.Item(8)->Description(), "Portable Network Graphics");
    TFileFormatWriters &writers = FileFormatWriters();
    writers.SortIfNeeded();
    EXPECT_EQ(writers.Extensions(), (QStringList{"bmp", "dib", "jif", "jpeg", "jpg", "pbm", "pgm", "png", "ppm",
                                                 "tga", "tif", "tiff"}));
    EXPECT_EQ(writers.Item(10)->Capability(), 0);
}

TEST(PGraphicRegistry, SignaturesPickTheFirstReaderInSortedOrder)
{
    struct Case {
        QByteArray head;
        const char *ext;
    } cases[] = {
        {QByteArray("BM"), "bmp"},
        {QByteArray::fromHex("ffd8ffe0"), "jif"},
        {QByteArray::fromHex("89504e470d0a1a0a"), "png"},
        {QByteArray("P4\n"), "pbm"},
        {QByteArray("\x0a\x05\x01"), "pcx"},
        {QByteArray("P2\n"), "pgm"},
        {QByteArray("P6\n"), "ppm"},
    };
    for (const Case &c : cases) {
        QBuffer buffer;
        buffer.setData(c.head + QByteArray(20, 'x'));
        buffer.open(QIODevice::ReadOnly);
        buffer.seek(0);
        TFileFormatReader *r = PGFindReader(buffer, "tga");
        ASSERT_NE(r, nullptr) << c.ext;
        EXPECT_EQ(r->Extension(), c.ext);
        EXPECT_EQ(buffer.pos(), 0);   // the stream is put back
    }
    QBuffer none;
    none.setData(QByteArray(30, 'x'));
    none.open(QIODevice::ReadOnly);
    EXPECT_EQ(PGFindReader(none, ".TGA")->Extension(), "tga");
    EXPECT_EQ(PGFindReader(none, "bmp"), nullptr);
}

TEST(PGraphicMessages, TableHasEightyFiveEntriesInFiveLanguagesWithSubstitution)
{
    EXPECT_NO_THROW(PGCheckLangStrEntries(PGLangStrEntries(), PGLangStrCount));
    EXPECT_EQ(PGLanguage, 0);
    EXPECT_EQ(PGLangStr(6), "Unknown file format");
    EXPECT_EQ(PGLangStrIn(1, 6), "Unbekanntes Dateiformat");
    EXPECT_EQ(PGLangStrIn(2, 6), "Format de fichier inconnu");
    EXPECT_EQ(PGLangStrIn(3, 6), "Onbekend bestand formaat");
    EXPECT_EQ(PGLangStrIn(4, 6), "Formato de fichero desconocido");
    EXPECT_EQ(PGLangStrIn(5, 25), "Image files");
    EXPECT_EQ(PGLangStrIn(5, 6), "");
    for (int n = 1; n < 84; ++n)
        for (int lang = 0; lang < 5; ++lang)
            EXPECT_FALSE(PGLangStrIn(lang, n).isEmpty()) << n << " " << lang;
    EXPECT_EQ(PGLangStr(0), "");
    EXPECT_EQ(PGLangStr(84), "");
    EXPECT_EQ(PGLangStr(19, "jpx"), "Unknown file extension \"jpx\"");
    EXPECT_EQ(PGLangStr(17, "BMP", "24 bit", "8 bit"),
              "The graphic cannot be saved to a BMP file with the current color resolution (24 bit).\n\n"
              "The graphic will be saved with a different color resolution (8 bit).");
    // An argument that looks like a placeholder is not substituted again.
    EXPECT_EQ(PGLangStr(7, "%S2", "x"), "%S2 invalid");
    EXPECT_EQ(PGLangStr(7), " invalid");

    // A damaged table is caught at start-up.
    std::vector<TPGLangStrEntry> damaged(PGLangStrEntries(), PGLangStrEntries() + PGLangStrCount);
    damaged[12].No = 13;
    EXPECT_EQ(ErrorOf<EPixelGraphic>([&] { PGCheckLangStrEntries(damaged.data(), PGLangStrCount); }),
              "PGLangStrEntries order wrong 12 and 13 are not identical");
}

TEST(PGraphicMessages, GammaTableIsTheRoundedPowerCurve)
{
    const auto identity = PGGammaTable(1.0);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(identity[size_t(i)], i);
    const auto square = PGGammaTable(2.0);
    EXPECT_EQ(square[128], 64);    // 64.25
    EXPECT_EQ(square[255], 255);
    EXPECT_EQ(PGGammaTable(0.5)[1], 16);   // 255 x sqrt(1/255) = 15.97
    EXPECT_EQ(PGGammaTable(0.5)[0], 0);
}

TEST(PGraphicBmp, HeaderChecksRaiseTheirFieldNames)
{
    SKIP_WITHOUT_CORPORA();
    TPixelGraphic pg;
    auto err = [&](const QByteArray &bmp) { return ErrorOf<EPGBMPFileFormatReader>([&] { LoadBytes(pg, bmp); }); };
    EXPECT_EQ(err(InfoBmp(1, 1, 2, 24, 0, QByteArray(4, 0))), "BMP: BitmapInfoHeader.biPlanes invalid");
    EXPECT_EQ(err(InfoBmp(1, 1, 1, 2, 0, QByteArray(4, 0))), "BMP: BitmapInfoHeader.biBitCount invalid");
    EXPECT_EQ(err(InfoBmp(1, -1, 1, 8, 1, QByteArray(8, 0))), "BMP: BitmapInfoHeader.biCompression invalid");
    EXPECT_EQ(err(InfoBmp(1, 1, 1, 24, 3, QByteArray(8, 0))), "BMP: BitmapInfoHeader.biCompression invalid");
    EXPECT_EQ(err(InfoBmp(1, 1, 1, 24, 0, QByteArray(2, 0))), "BMP: Unexpected end of file");
    EXPECT_EQ(ErrorOf<EPGBMPFileFormatReader>([&] { pg.LoadFromFile(CorpusFile("bmp/g/pal8v4.bmp")); }),
              "BMP: Invalid size of BitmapInfoHeader/BitmapCoreHeader");
    // An OS/2 core header with a bad bit count.
    QByteArray core = QByteArray("BM") + Le32(40) + Le32(0) + Le32(26) + Le32(12) + Le16(1) + Le16(1) + Le16(1) +
                      Le16(16) + QByteArray(4, 0);
    EXPECT_EQ(err(core), "BMP: BitmapCoreHeader.bcBitCount invalid");
}

TEST(PGraphicBmp, TopDownRleAndBitFieldFilesDecodeToTheBitmapLayout)
{
    SKIP_WITHOUT_CORPORA();
    // 2 by 2 top-down 24-bit: first stored row is the top.
    const QByteArray rows = QByteArray::fromHex("0000ff" "00ff00" "0000" "ff0000" "ffffff" "0000");
    TPixelGraphic pg;
    LoadBytes(pg, InfoBmp(2, -2, 1, 24, 0, rows));
    EXPECT_EQ(pg.PixelColor(0, 0), clRed);
    EXPECT_EQ(pg.PixelColor(1, 1), clWhite);
    // 16-bit 5-6-5 bit fields: full channels widen to 255.
    const QByteArray masks = Le32(0xF800) + Le32(0x07E0) + Le32(0x001F);
    LoadBytes(pg, InfoBmp(2, 1, 1, 16, 3, masks + Le16(0xF800) + Le16(0x07FF)));
    EXPECT_EQ(pg.BitCount(), 24);
    EXPECT_EQ(pg.PixelColor(0, 0), clRed);
    EXPECT_EQ(pg.PixelColor(1, 0), clAqua);
    // RLE8 that runs past the right edge and jumps past the top is clipped.
    const QByteArray palette = Le32(0x000000) + Le32(0xFF0000) + QByteArray(254 * 4, 0);
    const QByteArray rle = QByteArray::fromHex("0501" "0000" "0002" "0009" "0001");
    LoadBytes(pg, InfoBmp(3, 2, 1, 8, 1, palette + rle));
    EXPECT_EQ(pg.Pixel(2, 1), 1);
    EXPECT_EQ(pg.Pixel(0, 0), 0);
    // The information operation.
    QFile f(CorpusFile("bmp/g/pal4rle.bmp"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const TPGFileInfo info = FileFormatReaders().Item(0)->Information(f, 0);
    EXPECT_EQ(info.SubFormat, "Windows");
    EXPECT_EQ(info.Compression, ", RLE4");
    EXPECT_EQ(info.ColorCount, "16");
}

TEST(PGraphicPxM, PlainAndRawAnymapsLoadWithTheirPalettes)
{
    TPixelGraphic pg;
    LoadBytes(pg, "P1\n# a comment\n3 2\n1 0 1\n010");
    EXPECT_EQ(pg.BitCount(), 1);
    EXPECT_EQ(pg.PixelColor(0, 0), clBlack);   // 1 is black in a bitmap
    EXPECT_EQ(pg.PixelColor(1, 0), clWhite);
    EXPECT_EQ(pg.PixelColor(1, 1), clBlack);
    LoadBytes(pg, QByteArray("P4 9 1\n") + QByteArray::fromHex("8080"));
    EXPECT_EQ(pg.PixelColor(0, 0), clBlack);
    EXPECT_EQ(pg.PixelColor(8, 0), clBlack);
    EXPECT_EQ(pg.PixelColor(4, 0), clWhite);
    LoadBytes(pg, "P2 2 1 15 15 0");
    EXPECT_EQ(pg.BitCount(), 8);
    EXPECT_EQ(pg.Pixel(0, 0), 255);
    LoadBytes(pg, QByteArray("P5 1 1 65535\n") + QByteArray::fromHex("8000"));
    EXPECT_EQ(pg.Pixel(0, 0), 128);
    LoadBytes(pg, QByteArray("P6 1 1 255\n") + QByteArray::fromHex("102030"));
    EXPECT_EQ(pg.Pixel(0, 0), RGBColor(0x10, 0x20, 0x30));
    LoadBytes(pg, "P3 1 1 255 1 2 3");
    EXPECT_EQ(pg.Pixel(0, 0), RGBColor(1, 2, 3));

    EXPECT_EQ(ErrorOf<EPGPxMFileFormatReader>([&] { LoadBytes(pg, "P6 2 2 255\nabc"); }),
              "PPM: Unexpected end of file");
    EXPECT_EQ(ErrorOf<EPGPxMFileFormatReader>([&] { LoadBytes(pg, "P5 0 2 255\n"); }),
              "PGM: Width = 0 or Height = 0");
    EXPECT_EQ(ErrorOf<EPGPxMFileFormatReader>([&] { LoadBytes(pg, "P2 1 1 x"); }), "PGM: Unknown subformat");
}

namespace {

// A PCX header for the given layout; pixel data and any palette follow.
QByteArray PcxHeader(int width, int height, int bits, int planes, int bytesPerLine, bool rle)
{
    QByteArray h(128, '\0');
    h[0] = 10;
    h[1] = 5;
    h[2] = rle ? 1 : 0;
    h[3] = char(bits);
    h[8] = char(width - 1);
    h[10] = char(height - 1);
    h[65] = char(planes);
    h[66] = char(bytesPerLine);
    // EGA palette: entry 0 black, entry 1 white, entry 5 red.
    h[19] = h[20] = h[21] = char(255);
    h[31] = char(255);
    return h;
}

} // namespace

TEST(PGraphicPcx, RunLengthPlanesAndTheTrailingPaletteDecode)
{
    TPixelGraphic pg;
    // 8-bit, 3 by 1, RLE: a run of three 2s; palette entry 2 is green.
    QByteArray pal(769, '\0');
    pal[0] = 12;
    pal[1 + 3 * 2 + 1] = char(255);
    LoadBytes(pg, PcxHeader(3, 1, 8, 1, 4, true) + QByteArray::fromHex("c302" "00") + pal);
    EXPECT_EQ(pg.BitCount(), 8);
    EXPECT_EQ(pg.PixelColor(2, 0), clLime);
    // 24-bit, 2 by 1, three planes of red, green and blue, unencoded.
    LoadBytes(pg, PcxHeader(2, 1, 8, 3, 2, false) + QByteArray::fromHex("ff00" "00ff" "1020"));
    EXPECT_EQ(pg.PixelColor(0, 0), RGBColor(255, 0, 0x10));
    EXPECT_EQ(pg.PixelColor(1, 0), RGBColor(0, 255, 0x20));
    // Four 1-bit planes: pixel 0 has bits 0 and 2 set, index 5 (red).
    LoadBytes(pg, PcxHeader(2, 1, 1, 4, 1, false) + QByteArray::fromHex("80" "40" "80" "00"));
    EXPECT_EQ(pg.BitCount(), 4);
    EXPECT_EQ(pg.Pixel(0, 0), 5);
    EXPECT_EQ(pg.PixelColor(0, 0), clRed);
    EXPECT_EQ(pg.Pixel(1, 0), 2);
    EXPECT_EQ(ErrorOf<EPGPCXFileFormatReader>([&] { LoadBytes(pg, PcxHeader(2, 1, 8, 3, 2, true) + "\xc3"); }),
              "PCX: Unexpected end of file");
    EXPECT_EQ(ErrorOf<EPGPCXFileFormatReader>([&] { LoadBytes(pg, PcxHeader(3, 1, 8, 1, 4, true) + "\xc3"); }),
              "PCX: No palette");
    EXPECT_EQ(ErrorOf<EPGPCXFileFormatReader>([&] { LoadBytes(pg, PcxHeader(3, 1, 2, 1, 4, true)); }),
              "PCX: Unknown subformat");
}

TEST(PGraphicPcx, RunsUpToSixtyThreeBytesAndAcrossPlanes)
{
    TPixelGraphic pg;
    // 8-bit, 72 by 2. Row 0: 63 x 2, 7 x 3, one 0xC5 (a value that needs a run
    // of one), a plain 4. Row 1: 63 x 7, 9 x 7.
    QByteArray pal(769, '\0');
    pal[0] = 12;
    LoadBytes(pg, PcxHeader(72, 2, 8, 1, 72, true) +
                      QByteArray::fromHex("ff02" "c703" "c1c5" "04" "ff07" "c907") + pal);
    ASSERT_EQ(pg.Width(), 72);
    for (int x = 0; x < 63; ++x)
        ASSERT_EQ(pg.Pixel(x, 0), 2) << x;
    for (int x = 63; x < 70; ++x)
        ASSERT_EQ(pg.Pixel(x, 0), 3) << x;
    EXPECT_EQ(pg.Pixel(70, 0), 0xC5);
    EXPECT_EQ(pg.Pixel(71, 0), 4);
    for (int x = 0; x < 72; ++x)
        ASSERT_EQ(pg.Pixel(x, 1), 7) << x;

    // 24-bit, 40 by 1: a run of 60 fills the red plane and half the green one.
    LoadBytes(pg, PcxHeader(40, 1, 8, 3, 40, true) + QByteArray::fromHex("fc11" "d422" "e833"));
    EXPECT_EQ(pg.BitCount(), 24);
    EXPECT_EQ(pg.PixelColor(0, 0), RGBColor(0x11, 0x11, 0x33));
    EXPECT_EQ(pg.PixelColor(19, 0), RGBColor(0x11, 0x11, 0x33));
    EXPECT_EQ(pg.PixelColor(20, 0), RGBColor(0x11, 0x22, 0x33));
    EXPECT_EQ(pg.PixelColor(39, 0), RGBColor(0x11, 0x22, 0x33));
}
