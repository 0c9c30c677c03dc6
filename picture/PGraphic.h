#pragma once
// The in-memory pixel picture and the file-format layer under it: the picture
// itself (TPixelGraphic), the registries of format readers and writers, the
// message table the layer reports its failures with, and the error classes.
//
// Pixels live the way a device-independent bitmap keeps them: rows bottom-up
// (the first row in memory is the picture's bottom row), each padded to a
// multiple of 4 bytes, 24-bit pixels in blue-green-red order. Decoders write
// straight into those rows, and Draw wraps them without copying.
#include "platform/Colors.h"
#include "platform/Exceptions.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class QPainter;
class QRect;

// ---------------------------------------------------------------------------
// Messages

// Active language column: 0 English, 1 German, 2 French, 3 Dutch, 4 Spanish,
// 5 custom. The program keeps English.
extern int PGLanguage;
constexpr int PGLanguageCount = 6;
constexpr int PGLangStrCount = 85;

struct TPGLangStrEntry {
    int No;
    const char *Text[PGLanguageCount];
};

// The table itself (entry n carries number n).
const TPGLangStrEntry *PGLangStrEntries();

// Message n of the active language with %S1..%S3 replaced (first occurrence
// each) by the arguments given.
QString PGLangStr(int no, const QString &s1 = QString(), const QString &s2 = QString(),
                  const QString &s3 = QString());
// The same for an explicit language column.
QString PGLangStrIn(int language, int no, const QString &s1 = QString(),
                    const QString &s2 = QString(), const QString &s3 = QString());

// Start-up check that entry i carries number i; raises EPixelGraphic
// otherwise. Takes the table so that a damaged one can be checked too.
void PGCheckLangStrEntries(const TPGLangStrEntry *entries, int count);

// ---------------------------------------------------------------------------
// Errors

class EPixelGraphic : public Exception {
public:
    using Exception::Exception;
};

#define PG_DECLARE_ERROR(Name)                                                                     \
    class Name : public EPixelGraphic {                                                            \
    public:                                                                                        \
        using EPixelGraphic::EPixelGraphic;                                                        \
    };

PG_DECLARE_ERROR(EPGXYIndexOutOfRange)
PG_DECLARE_ERROR(EPGNoPalette)
PG_DECLARE_ERROR(EPGInvalidPaletteIndex)
PG_DECLARE_ERROR(EPGEmpty)
PG_DECLARE_ERROR(EPGCanWriteResolutionsEmpty)
PG_DECLARE_ERROR(EPGCannotWriteColorRes)
PG_DECLARE_ERROR(EPGFileFormatWritersEmpty)
PG_DECLARE_ERROR(EPGUnknownExtension)
PG_DECLARE_ERROR(EPGUnknownFileFormat)
PG_DECLARE_ERROR(EPGUnknownClipboardFormat)
PG_DECLARE_ERROR(EPGBMPFileFormatReader)
PG_DECLARE_ERROR(EPGJPGFileFormatReaderWriter)
PG_DECLARE_ERROR(EPGPNGFileFormatReaderWriter)
PG_DECLARE_ERROR(EPGPCXFileFormatReader)
PG_DECLARE_ERROR(EPGPxMFileFormatReader)
PG_DECLARE_ERROR(EPGPxMFileFormatWriter)
PG_DECLARE_ERROR(EPGTGAFileFormatReader)
PG_DECLARE_ERROR(EPGTIFFileFormatReader)
PG_DECLARE_ERROR(EPGTIFFileFormatWriter)
PG_DECLARE_ERROR(EPGInvalidBitCountNum)
PG_DECLARE_ERROR(EPGInvalidSize)
#undef PG_DECLARE_ERROR

// ---------------------------------------------------------------------------
// Library-wide settings

extern bool PGGammaCorrection;        // on
extern double PGDefaultGamma;         // 1.8
extern bool PGJPEGDefaultFastDCT;     // off: the accurate integer inverse transform
extern bool PGPNGUseFileBackground;   // on
// Largest pixel memory one picture may take. A device-independent bitmap
// records its image size in 32 bits, so nothing larger can be described;
// fuzzing lowers it to keep hostile headers from eating the machine.
extern int64_t PGMaxBitmapBytes;

// ---------------------------------------------------------------------------
// The picture

enum TPaletteID {
    pNone,
    pTrueColor,
    pUnknown,
    pBlackWhite,
    pSysGray4,
    pSys16,
    pGray4,
    pGray16,
    pGray236,
    pGray256,
    pSpecial125,
    pSpecial216,
    pSpecial252,
    pOptimized252Sys16,
    pSource
};

enum TPGWarningAction { pgwaIgnore, pgwaOKBox, pgwaOKCancelBox, pgwaRaise };

// Shows a decoder warning: caption, text, and whether Cancel is offered.
// Returns true for OK. Tests replace it so that nothing blocks.
using TPGWarningBox = std::function<bool(const QString &caption, const QString &text, bool okCancel)>;
void SetPGWarningBox(TPGWarningBox box);   // empty restores the message box
bool PGShowWarningBox(const QString &caption, const QString &text, bool okCancel);

// The standard palettes (colours as TColor, red in the low byte).
std::vector<TColor> PGStandardPalette(TPaletteID id);

class TPixelGraphic {
public:
    TPixelGraphic();
    ~TPixelGraphic();
    TPixelGraphic(const TPixelGraphic &) = delete;
    TPixelGraphic &operator=(const TPixelGraphic &) = delete;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int BitCount() const { return FBitCount; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }
    // ((bits per pixel x width + 31) div 32) x 4
    int Stride() const { return FStride; }
    static int64_t StrideFor(int width, int bitCount);

    // Raw rows: memory row 0 is the bottom row of the picture.
    uint8_t *Bits() { return FBits; }
    const uint8_t *Bits() const { return FBits; }
    int64_t ImageSize() const { return int64_t(FStride) * FHeight; }
    // Row y counted from the top of the picture.
    uint8_t *ScanLine(int y);
    const uint8_t *ScanLine(int y) const;

    // Raises EPGInvalidSize for negative sizes, EPGInvalidBitCountNum for a
    // bit count other than 1, 4, 8, 24, EPixelGraphic ("CreateDIBSection
    // failed") when the pixel memory cannot be had.
    void SetSize(int width, int height, int bitCount);
    // For decoders that write every row themselves: the same, without
    // painting the background first. Whatever rows such a decoder does not
    // write (after an error or an abort) it must fill with FillBackgroundRows,
    // so that no stale memory ever shows.
    void SetSizeUnfilled(int width, int height, int bitCount);
    // Sets `count` rows, counted from row `top` of the picture, to the background.
    void FillBackgroundRows(int top, int count);

    // The 40-byte bitmap header followed by the colour table, as a file or
    // the clipboard would carry it.
    QByteArray BitmapInfo() const;

    const std::vector<TColor> &Palette() const { return FPalette; }
    // Cut to the format's maximum; the bitmap colour table follows.
    void SetPalette(const std::vector<TColor> &palette, TPaletteID id = pUnknown);
    TPaletteID PaletteID() const { return FPaletteID; }
    // Fills the palette with a standard one.
    void SetPaletteID(TPaletteID id);
    TColor PaletteEntry(int index) const;   // EPGNoPalette / EPGInvalidPaletteIndex
    static int MaxPaletteSize(int bitCount);

    // Pixel value (palette index, or TColor for 24 bits); EPGXYIndexOutOfRange.
    TColor Pixel(int x, int y) const;
    // Colour of a pixel through the palette for the indexed formats.
    TColor PixelColor(int x, int y) const;

    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor c) { FBackgroundColor = c; }
    double Gamma() const { return FGamma; }
    void SetGamma(double g) { FGamma = g; }
    TPGWarningAction ReadWarningAction() const { return FReadWarningAction; }
    void SetReadWarningAction(TPGWarningAction a) { FReadWarningAction = a; }
    TPGWarningAction SaveColorResWarningAction() const { return FSaveColorResWarningAction; }
    void SetSaveColorResWarningAction(TPGWarningAction a) { FSaveColorResWarningAction = a; }
    bool FastDecoding() const { return FFastDecoding; }
    void SetFastDecoding(bool on) { FFastDecoding = on; }

    // Change notifications are held while the counter is above 0.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    // Tells the picture its pixels or palette changed (fires OnChange unless held).
    void Changed();

    std::function<void()> OnChange;
    std::function<void(int step, int maximum, bool &abort)> OnProgress;
    std::function<void()> OnProgressStart;
    std::function<void()> OnProgressEnd;
    // Called by the readers.
    void ProgressStart();
    bool Progress(int step, int maximum);   // true = abort requested
    void ProgressEnd();

    void LoadFromFile(const QString &fileName, int imageNo = 0);
    void LoadFromStream(QIODevice &stream, const QString &extension = QString(), int imageNo = 0);
    void SaveToFile(const QString &fileName);

    // Stretches the picture into the rectangle (right and bottom exclusive);
    // a rectangle whose right edge lies left of its left edge (or bottom
    // above top) draws the picture mirrored. Nothing for an empty picture.
    void Draw(QPainter &painter, int left, int top, int right, int bottom) const;
    void Draw(QPainter &painter, const QRect &rect) const;

    // A top-down QImage sharing nothing with the picture (for tests and for
    // callers that need an ordinary image).
    QImage ToImage() const;

private:
    void FreeBits();
    void ReleaseBlock();
    void FillBackground();
    void Resize(int width, int height, int bitCount, bool fill);
    void ApplyGammaCorrection();
    const QImage &WrappedImage() const;

    int FWidth = 0;
    int FHeight = 0;
    int FBitCount = 24;
    int FStride = 0;
    uint8_t *FBits = nullptr;
    // The pixel block stays allocated across sizes that fit in it (a load
    // first empties the picture, then sizes it again): fresh memory costs a
    // page fault per 4 KiB on every load.
    uint8_t *FBlock = nullptr;
    int64_t FBlockSize = 0;
    std::vector<TColor> FPalette;
    TPaletteID FPaletteID = pTrueColor;
    TColor FBackgroundColor = 0;
    double FGamma;
    TPGWarningAction FReadWarningAction = pgwaOKCancelBox;
    TPGWarningAction FSaveColorResWarningAction = pgwaOKCancelBox;
    bool FFastDecoding = false;
    int FUpdateCount = 0;
    uint64_t FChangeStamp = 0;
    // The drawing wrapper: rebuilt when the picture changes.
    mutable QImage FWrapped;
    mutable uint64_t FWrappedStamp = ~uint64_t(0);
};

// ---------------------------------------------------------------------------
// Readers and writers

struct TPGFileInfo {
    int ImageCount = 1;
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 0;
    QString ColorCount;
    QString SubFormat;
    QString Compression;
};

class TFileFormatReaderWriter {
public:
    TFileFormatReaderWriter(const QString &extension, const QString &description, int capability = 1)
        : FExtension(extension), FDescription(description), FCapability(capability) {}
    virtual ~TFileFormatReaderWriter() = default;
    const QString &Extension() const { return FExtension; }
    const QString &Description() const { return FDescription; }
    int Capability() const { return FCapability; }

private:
    QString FExtension;
    QString FDescription;
    int FCapability;
};

constexpr int PGSignatureSize = 17;

class TFileFormatReader : public TFileFormatReaderWriter {
public:
    TFileFormatReader(const QString &extension, const QString &description, bool detectable)
        : TFileFormatReaderWriter(extension, description), FDetectable(detectable) {}
    bool Detectable() const { return FDetectable; }
    // The file's first bytes (up to 17; `count` says how many the file had).
    virtual bool IsSignature(const uint8_t *bytes, int count) const { return false; }
    virtual void Read(QIODevice &stream, TPixelGraphic &picture, int imageNo) = 0;
    virtual TPGFileInfo Information(QIODevice &stream, int imageNo) { return TPGFileInfo(); }

private:
    bool FDetectable;
};

class TFileFormatWriter : public TFileFormatReaderWriter {
public:
    using TFileFormatReaderWriter::TFileFormatReaderWriter;
    // Bit counts the writer can store.
    virtual std::vector<int> CanWriteResolutions() const { return {}; }
    virtual void Write(QIODevice &stream, const TPixelGraphic &picture) {}
    virtual void SetOptions() {}
    virtual QString OptionsText() const { return QString(); }
};

// Ordered lists that sort themselves by extension before use.
template <class T>
class TPGRegistry {
public:
    void Add(std::unique_ptr<T> item) { FItems.push_back(std::move(item)); }
    int Count() const { return int(FItems.size()); }
    T *Item(int i) const { return FItems[size_t(i)].get(); }
    // Sorts by extension (case-insensitive, ascending) if a neighbouring pair
    // is out of order.
    void SortIfNeeded();
    void Clear() { FItems.clear(); }
    QStringList Extensions() const;

private:
    std::vector<std::unique_ptr<T>> FItems;
};

using TFileFormatReaders = TPGRegistry<TFileFormatReader>;
using TFileFormatWriters = TPGRegistry<TFileFormatWriter>;

// Built on first use (the start-up order: message table check, settings,
// reader registry, writer registry), freed at program end.
TFileFormatReaders &FileFormatReaders();
TFileFormatWriters &FileFormatWriters();

// The reader a stream of that extension would be given (nullptr for none);
// leaves the stream where it was.
TFileFormatReader *PGFindReader(QIODevice &stream, const QString &extension);

// The gamma table t[i] = 255 x (i/255)^exponent, halves rounded to even.
std::array<uint8_t, 256> PGGammaTable(double exponent);
