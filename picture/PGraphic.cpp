// The pixel picture, the registries and the load path from a stream to a
// decoded picture.
#include "picture/PGraphic.h"
#include "picture/PGraphicFormats.h"
#include "platform/ProgramFile.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QMessageBox>
#include <QPainter>
#include <QRect>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

bool PGGammaCorrection = true;
double PGDefaultGamma = 1.8;
bool PGJPEGDefaultFastDCT = false;
bool PGPNGUseFileBackground = true;
int64_t PGMaxBitmapBytes = 0x7FFFFFFF;

// ---------------------------------------------------------------------------
// Warning boxes

namespace {
TPGWarningBox &WarningBoxHook()
{
    static TPGWarningBox hook;
    return hook;
}
} // namespace

void SetPGWarningBox(TPGWarningBox box) { WarningBoxHook() = std::move(box); }

bool PGShowWarningBox(const QString &caption, const QString &text, bool okCancel)
{
    if (WarningBoxHook())
        return WarningBoxHook()(caption, text, okCancel);
    // A box needs a widget application and its thread; without them (a
    // command-line tool, a worker) nobody could answer it, and Qt would
    // abort. The warning then passes as if OK had been pressed.
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app || QThread::currentThread() != app->thread())
        return true;
    const auto buttons = okCancel ? (QMessageBox::Ok | QMessageBox::Cancel) : QMessageBox::Ok;
    // The text names the picture's file, which may hold anything.
    QMessageBox box(QMessageBox::Warning, caption, text, buttons);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

// ---------------------------------------------------------------------------
// Standard palettes

std::vector<TColor> PGStandardPalette(TPaletteID id)
{
    std::vector<TColor> p;
    auto grey = [&](int n) {
        for (int i = 0; i < n; ++i) {
            const int v = int(std::lround(i * 255.0 / (n - 1)));
            p.push_back(RGBColor(v, v, v));
        }
    };
    auto cube = [&](int nr, int ng, int nb) {
        for (int r = 0; r < nr; ++r)
            for (int g = 0; g < ng; ++g)
                for (int b = 0; b < nb; ++b)
                    p.push_back(RGBColor(int(std::lround(r * 255.0 / (nr - 1))),
                                         int(std::lround(g * 255.0 / (ng - 1))),
                                         int(std::lround(b * 255.0 / (nb - 1)))));
    };
    switch (id) {
    case pBlackWhite: grey(2); break;
    case pSysGray4: p = {clBlack, clGray, clSilver, clWhite}; break;
    case pSys16:
        p = {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clSilver,
             clGray,  clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};
        break;
    case pGray4: grey(4); break;
    case pGray16: grey(16); break;
    case pGray236: grey(236); break;
    case pGray256: grey(256); break;
    case pSpecial125: cube(5, 5, 5); break;
    case pSpecial216: cube(6, 6, 6); break;
    case pSpecial252: cube(6, 7, 6); break;
    default: break;
    }
    return p;
}

// ---------------------------------------------------------------------------
// TPixelGraphic

TPixelGraphic::TPixelGraphic() : FGamma(PGDefaultGamma) {}

TPixelGraphic::~TPixelGraphic() { ReleaseBlock(); }

int64_t TPixelGraphic::StrideFor(int width, int bitCount)
{
    return ((int64_t(bitCount) * width + 31) / 32) * 4;
}

int TPixelGraphic::MaxPaletteSize(int bitCount)
{
    return bitCount <= 8 ? (1 << bitCount) : 0;
}

void TPixelGraphic::FreeBits()
{
    FBits = nullptr;
}

void TPixelGraphic::ReleaseBlock()
{
    std::free(FBlock);
    FBlock = nullptr;
    FBlockSize = 0;
    FBits = nullptr;
}

uint8_t *TPixelGraphic::ScanLine(int y)
{
    return FBits + int64_t(FHeight - 1 - y) * FStride;
}

const uint8_t *TPixelGraphic::ScanLine(int y) const
{
    return FBits + int64_t(FHeight - 1 - y) * FStride;
}

void TPixelGraphic::SetSize(int width, int height, int bitCount)
{
    Resize(width, height, bitCount, true);
}

void TPixelGraphic::SetSizeUnfilled(int width, int height, int bitCount)
{
    Resize(width, height, bitCount, false);
}

void TPixelGraphic::Resize(int width, int height, int bitCount, bool fill)
{
    if (width < 0)
        throw EPGInvalidSize(PGLangStr(22));
    if (height < 0)
        throw EPGInvalidSize(PGLangStr(21));
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24)
        throw EPGInvalidBitCountNum(PGLangStr(36));

    ++FChangeStamp;
    if (width == FWidth && height == FHeight && bitCount == FBitCount) {
        if (fill)
            FillBackground();
        Changed();
        return;
    }

    FreeBits();
    FWidth = FHeight = FStride = 0;
    const int maxPal = MaxPaletteSize(bitCount);
    if (int(FPalette.size()) > maxPal)
        FPalette.resize(size_t(maxPal));
    if (bitCount == 24)
        FPaletteID = pTrueColor;
    else if (FPaletteID == pTrueColor)
        FPaletteID = FPalette.empty() ? pNone : pUnknown;
    FBitCount = bitCount;

    if (width > 0 && height > 0) {
        const int64_t stride = StrideFor(width, bitCount);
        const int64_t size = stride * height;
        // Reuse the block when the new size fits and does not waste most of it.
        if (size > FBlockSize || size < FBlockSize / 2) {
            ReleaseBlock();
            void *block = size <= PGMaxBitmapBytes ? std::malloc(size_t(size)) : nullptr;
            if (!block) {
                Changed();
                throw EPixelGraphic(PGLangStr(31, QStringLiteral("CreateDIBSection")));
            }
            FBlock = static_cast<uint8_t *>(block);
            FBlockSize = size;
        }
        FBits = FBlock;
        FStride = int(stride);
    }
    FWidth = width;
    FHeight = height;
    if (fill)
        FillBackground();
    Changed();
}

void TPixelGraphic::FillBackground()
{
    FillBackgroundRows(0, FHeight);
}

void TPixelGraphic::FillBackgroundRows(int top, int count)
{
    if (!FBits || top < 0 || count <= 0 || top + count > FHeight)
        return;
    // Rows top .. top+count-1 lie at memory rows height-top-count .. height-1-top.
    uint8_t *const start = FBits + int64_t(FHeight - top - count) * FStride;
    const int64_t size = int64_t(count) * FStride;
    if (FBitCount == 24) {
        const uint8_t b = uint8_t(FBackgroundColor >> 16), g = uint8_t(FBackgroundColor >> 8),
                      r = uint8_t(FBackgroundColor);
        if (r == g && g == b) {
            std::memset(start, r, size_t(size));
            return;
        }
        for (int y = 0; y < count; ++y) {
            uint8_t *p = start + int64_t(y) * FStride;
            for (int x = 0; x < FWidth; ++x) {
                *p++ = b;
                *p++ = g;
                *p++ = r;
            }
        }
        return;
    }
    const int index = FBackgroundColor & (MaxPaletteSize(FBitCount) - 1);
    uint8_t byte = uint8_t(index);
    if (FBitCount == 1)
        byte = index ? 0xFF : 0x00;
    else if (FBitCount == 4)
        byte = uint8_t(index | (index << 4));
    std::memset(start, byte, size_t(size));
}

QByteArray TPixelGraphic::BitmapInfo() const
{
    const int colors = MaxPaletteSize(FBitCount);
    QByteArray info(40 + 4 * colors, '\0');
    auto put32 = [&](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            info[at + i] = char(v >> (8 * i));
    };
    put32(0, 40);
    put32(4, uint32_t(FWidth));
    put32(8, uint32_t(FHeight));
    info[12] = 1;
    info[14] = char(FBitCount);
    put32(16, 0);
    put32(20, uint32_t(ImageSize()));
    put32(32, uint32_t(colors));
    for (int i = 0; i < colors; ++i) {
        const TColor c = FPalette.empty() ? 0 : FPalette[i < int(FPalette.size()) ? size_t(i) : 0];
        info[40 + 4 * i] = char(c >> 16);
        info[41 + 4 * i] = char(c >> 8);
        info[42 + 4 * i] = char(c);
    }
    return info;
}

void TPixelGraphic::SetPalette(const std::vector<TColor> &palette, TPaletteID id)
{
    FPalette = palette;
    const int maxPal = MaxPaletteSize(FBitCount);
    if (int(FPalette.size()) > maxPal)
        FPalette.resize(size_t(maxPal));
    FPaletteID = FBitCount == 24 ? pTrueColor : id;
    ++FChangeStamp;
}

void TPixelGraphic::SetPaletteID(TPaletteID id)
{
    SetPalette(PGStandardPalette(id), id);
}

TColor TPixelGraphic::PaletteEntry(int index) const
{
    if (FPalette.empty())
        throw EPGNoPalette(PGLangStr(2));
    if (index < 0 || index >= int(FPalette.size()))
        throw EPGInvalidPaletteIndex(PGLangStr(3));
    return FPalette[size_t(index)];
}

TColor TPixelGraphic::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight)
        throw EPGXYIndexOutOfRange(PGLangStr(1));
    const uint8_t *row = ScanLine(y);
    switch (FBitCount) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4: return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15;
    case 8: return row[x];
    default: return RGBColor(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    }
}

TColor TPixelGraphic::PixelColor(int x, int y) const
{
    const TColor v = Pixel(x, y);
    if (FBitCount == 24)
        return v;
    // Entries beyond the palette show as entry 0, as the bitmap's colour
    // table does.
    if (FPalette.empty())
        return clBlack;
    return FPalette[v < int(FPalette.size()) ? size_t(v) : 0];
}

void TPixelGraphic::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    Changed();
}

void TPixelGraphic::Changed()
{
    ++FChangeStamp;
    if (FUpdateCount == 0 && OnChange)
        OnChange();
}

void TPixelGraphic::ProgressStart()
{
    if (OnProgressStart)
        OnProgressStart();
}

bool TPixelGraphic::Progress(int step, int maximum)
{
    bool abort = false;
    if (OnProgress)
        OnProgress(step, maximum, abort);
    return abort;
}

void TPixelGraphic::ProgressEnd()
{
    if (OnProgressEnd)
        OnProgressEnd();
}

// ---------------------------------------------------------------------------
// Loading and saving

std::array<uint8_t, 256> PGGammaTable(double exponent)
{
    std::array<uint8_t, 256> t{};
    for (int i = 0; i < 256; ++i) {
        // nearbyint rounds halves to even in the default rounding mode.
        const double v = std::nearbyint(255.0 * std::pow(i / 255.0, exponent));
        t[size_t(i)] = uint8_t(std::clamp(v, 0.0, 255.0));
    }
    return t;
}

void TPixelGraphic::ApplyGammaCorrection()
{
    const double r = FGamma / PGDefaultGamma;
    if (!(std::fabs(r - 1.0) > 0.05))
        return;
    const auto t = PGGammaTable(r);
    if (FBitCount == 24) {
        for (int y = 0; y < FHeight; ++y) {
            uint8_t *p = FBits + int64_t(y) * FStride;
            for (int i = 0; i < FWidth * 3; ++i)
                p[i] = t[p[i]];
        }
    } else {
        for (TColor &c : FPalette)
            c = RGBColor(t[c & 0xFF], t[(c >> 8) & 0xFF], t[(c >> 16) & 0xFF]);
        ++FChangeStamp;
    }
    FGamma = PGDefaultGamma;
}

TFileFormatReader *PGFindReader(QIODevice &stream, const QString &extension)
{
    uint8_t head[PGSignatureSize] = {};
    int count = 0;
    bool ok = true;
    if (!stream.isReadable()) {
        ok = false;
    } else {
        const qint64 pos = stream.pos();
        const qint64 got = stream.read(reinterpret_cast<char *>(head), PGSignatureSize);
        if (got < 0)
            ok = false;
        else
            count = int(got);
        if (!stream.seek(pos))
            ok = false;
    }
    if (!ok)
        return nullptr;

    TFileFormatReaders &readers = FileFormatReaders();
    readers.SortIfNeeded();
    for (int i = 0; i < readers.Count(); ++i) {
        TFileFormatReader *r = readers.Item(i);
        if (r->Detectable() && r->IsSignature(head, count))
            return r;
    }
    QString ext = extension;
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    if (!ext.isEmpty()) {
        for (int i = 0; i < readers.Count(); ++i) {
            TFileFormatReader *r = readers.Item(i);
            if (!r->Detectable() && r->Extension().compare(ext, Qt::CaseInsensitive) == 0)
                return r;
        }
    }
    return nullptr;
}

void TPixelGraphic::LoadFromFile(const QString &fileName, int imageNo)
{
    QFile file(fileName);
    // The readers buffer for themselves (the JPEG source in 4096-byte
    // blocks); a second buffer in QFile would only copy everything twice.
    if (!OpenPlainFile(file, QIODevice::Unbuffered))
        throw EInOutError(QCoreApplication::translate("Files", "Cannot open file %1").arg(QDir::toNativeSeparators(fileName)));
    LoadFromStream(file, QFileInfo(fileName).suffix(), imageNo);
}

void TPixelGraphic::LoadFromStream(QIODevice &stream, const QString &extension, int imageNo)
{
    BeginUpdate();
    try {
        SetSize(0, 0, 24);
        FGamma = PGDefaultGamma;
        TFileFormatReader *reader = PGFindReader(stream, extension);
        if (!reader)
            throw EPGUnknownFileFormat(PGLangStr(6));
        reader->Read(stream, *this, imageNo);
        if (PGGammaCorrection)
            ApplyGammaCorrection();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TPixelGraphic::SaveToFile(const QString &fileName)
{
    TFileFormatWriters &writers = FileFormatWriters();
    if (writers.Count() == 0)
        throw EPGFileFormatWritersEmpty(PGLangStr(16, QStringLiteral("FileFormatWriters")));
    writers.SortIfNeeded();
    const QString ext = QFileInfo(fileName).suffix();
    TFileFormatWriter *writer = nullptr;
    for (int i = 0; i < writers.Count() && !writer; ++i)
        if (writers.Item(i)->Extension().compare(ext, Qt::CaseInsensitive) == 0)
            writer = writers.Item(i);
    if (!writer)
        throw EPGUnknownExtension(PGLangStr(19, ext.toLower()));
    const std::vector<int> can = writer->CanWriteResolutions();
    if (can.empty())
        throw EPGCanWriteResolutionsEmpty(PGLangStr(16, QStringLiteral("CanWriteResolutions")));
    if (std::find(can.begin(), can.end(), FBitCount) == can.end())
        throw EPGCannotWriteColorRes(PGLangStr(18, ext.toUpper(),
                                               QStringLiteral("%1 %2").arg(FBitCount).arg(PGLangStr(24))));

    const bool existed = QFile::exists(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EInOutError(QCoreApplication::translate("Files", "Cannot create file %1").arg(QDir::toNativeSeparators(fileName)));
    try {
        writer->Write(file, *this);
        if (!file.flush() || file.error() != QFileDevice::NoError)
            throw EInOutError(QCoreApplication::translate("Files", "Unable to write to %1").arg(QDir::toNativeSeparators(fileName)));
    } catch (...) {
        file.close();
        if (!existed)
            QFile::remove(fileName);
        throw;
    }
}

// ---------------------------------------------------------------------------
// Drawing

const QImage &TPixelGraphic::WrappedImage() const
{
    if (FWrappedStamp == FChangeStamp && !FWrapped.isNull())
        return FWrapped;
    QList<QRgb> table;
    const int colors = MaxPaletteSize(FBitCount);
    for (int i = 0; i < colors; ++i) {
        const TColor c = FPalette.empty() ? 0 : FPalette[i < int(FPalette.size()) ? size_t(i) : 0];
        table.append(qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    }
    switch (FBitCount) {
    case 24:
        FWrapped = QImage(FBits, FWidth, FHeight, FStride, QImage::Format_BGR888);
        break;
    case 8:
        FWrapped = QImage(FBits, FWidth, FHeight, FStride, QImage::Format_Indexed8);
        FWrapped.setColorTable(table);
        break;
    case 1:
        FWrapped = QImage(FBits, FWidth, FHeight, FStride, QImage::Format_Mono);
        FWrapped.setColorTable(table);
        break;
    default: {
        // Qt has no 4-bit format: unpack once per change, not per paint.
        QImage img(FWidth, FHeight, QImage::Format_Indexed8);
        for (int y = 0; y < FHeight; ++y) {
            const uint8_t *src = FBits + int64_t(y) * FStride;
            uchar *dst = img.scanLine(y);
            for (int x = 0; x < FWidth; ++x)
                dst[x] = (src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15;
        }
        img.setColorTable(table);
        FWrapped = img;
        break;
    }
    }
    FWrappedStamp = FChangeStamp;
    return FWrapped;
}

void TPixelGraphic::Draw(QPainter &painter, int left, int top, int right, int bottom) const
{
    if (Empty() || right == left || bottom == top)
        return;
    const QImage &img = WrappedImage();
    // A reversed edge pair (right = left' - 1 of the mirrored rectangle)
    // covers the columns right+1 .. left.
    const bool mirrorH = right < left;
    const bool mirrorV = bottom < top;
    const int w = mirrorH ? left - right : right - left;
    const int h = mirrorV ? top - bottom : bottom - top;
    const int x0 = mirrorH ? right + 1 : left;
    const int y0 = mirrorV ? bottom + 1 : top;
    // The rows are stored bottom-up, so an unmirrored picture is drawn with
    // the vertical axis turned over, and a vertically mirrored one without.
    const bool turnV = !mirrorV;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.translate(x0 + (mirrorH ? w : 0), y0 + (turnV ? h : 0));
    painter.scale(mirrorH ? -1 : 1, turnV ? -1 : 1);
    painter.drawImage(QRectF(0, 0, w, h), img, QRectF(0, 0, FWidth, FHeight));
    painter.restore();
}

void TPixelGraphic::Draw(QPainter &painter, const QRect &rect) const
{
    Draw(painter, rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height());
}

QImage TPixelGraphic::ToImage() const
{
    // Row by row rather than through PixelColor: the main window converts its
    // background before its first paint, and a call per pixel was most of it.
    QImage img(FWidth, FHeight, QImage::Format_RGB32);
    QRgb table[256];
    if (FBitCount != 24) {
        const auto rgb = [](TColor c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); };
        for (int i = 0; i < 256; ++i)
            table[i] = FPalette.empty() ? rgb(clBlack) : rgb(FPalette[i < int(FPalette.size()) ? size_t(i) : 0]);
    }
    for (int y = 0; y < FHeight; ++y) {
        const uint8_t *row = ScanLine(y);
        QRgb *dst = reinterpret_cast<QRgb *>(img.scanLine(y));
        switch (FBitCount) {
        case 1:
            for (int x = 0; x < FWidth; ++x)
                dst[x] = table[(row[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case 4:
            for (int x = 0; x < FWidth; ++x)
                dst[x] = table[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
            break;
        case 8:
            for (int x = 0; x < FWidth; ++x)
                dst[x] = table[row[x]];
            break;
        default:
            for (int x = 0; x < FWidth; ++x)
                dst[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            break;
        }
    }
    return img;
}

// ---------------------------------------------------------------------------
// Registries

template <class T>
void TPGRegistry<T>::SortIfNeeded()
{
    auto less = [](const std::unique_ptr<T> &a, const std::unique_ptr<T> &b) {
        return a->Extension().compare(b->Extension(), Qt::CaseInsensitive) < 0;
    };
    if (!std::is_sorted(FItems.begin(), FItems.end(), less))
        std::stable_sort(FItems.begin(), FItems.end(), less);
}

template <class T>
QStringList TPGRegistry<T>::Extensions() const
{
    QStringList list;
    for (const auto &item : FItems)
        list << item->Extension();
    return list;
}

template class TPGRegistry<TFileFormatReader>;
template class TPGRegistry<TFileFormatWriter>;

namespace {

struct TPGLibrary {
    TFileFormatReaders Readers;
    TFileFormatWriters Writers;

    TPGLibrary()
    {
        PGCheckLangStrEntries(PGLangStrEntries(), PGLangStrCount);
        PGLanguage = 0;
        PGGammaCorrection = true;
        PGDefaultGamma = 1.8;
        PGJPEGDefaultFastDCT = false;
        PGPNGUseFileBackground = true;

        Readers.Add(std::make_unique<TBMPFileFormatReader>());
        Readers.Add(std::make_unique<TDIBFileFormatReader>());
        Readers.Add(std::make_unique<TRLEFileFormatReader>());
        Readers.Add(std::make_unique<TJPGFileFormatReader>());
        Readers.Add(std::make_unique<TJPEGFileFormatReader>());
        Readers.Add(std::make_unique<TJIFFileFormatReader>());
        Readers.Add(std::make_unique<TPNGFileFormatReader>());
        Readers.Add(std::make_unique<TPCXFileFormatReader>());
        Readers.Add(std::make_unique<TPBMFileFormatReader>());
        Readers.Add(std::make_unique<TPGMFileFormatReader>());
        Readers.Add(std::make_unique<TPPMFileFormatReader>());
        Readers.Add(std::make_unique<TTGAFileFormatReader>());

        Writers.Add(std::make_unique<TBMPFileFormatWriter>());
        Writers.Add(std::make_unique<TDIBFileFormatWriter>());
        Writers.Add(std::make_unique<TPGUnimplementedWriter>("jpg", "JPEG (JFIF compliant)"));
        Writers.Add(std::make_unique<TPGUnimplementedWriter>("jpeg", "JPEG (JFIF compliant)"));
        Writers.Add(std::make_unique<TPGUnimplementedWriter>("jif", "JPEG (JFIF compliant)"));
        Writers.Add(std::make_unique<TPGUnimplementedWriter>("png", "Portable Network Graphics"));
        Writers.Add(std::make_unique<TPGUnimplementedWriter>("pbm", "Portable Bitmap"));
        Writers.Add(std::make_unique<TPGUnimplementedWriter>("pgm", "Portable Graymap"));
        Writers.Add(std::make_unique<TPGUnimplementedWriter>("ppm", "Portable Pixelmap"));
        Writers.Add(std::make_unique<TPGUnimplementedWriter>("tga", "Truevision Targa"));
        Writers.Add(std::make_unique<TPGUnimplementedWriter>("tif", "Tagged Image File Format", 0));
        Writers.Add(std::make_unique<TPGUnimplementedWriter>("tiff", "Tagged Image File Format", 0));
    }
};

TPGLibrary &Library()
{
    static TPGLibrary library;
    return library;
}

} // namespace

TFileFormatReaders &FileFormatReaders() { return Library().Readers; }
TFileFormatWriters &FileFormatWriters() { return Library().Writers; }

// ---------------------------------------------------------------------------
// Shared reader helpers

QString PGIndexInvalid() { return PGLangStr(7, QStringLiteral("Index")); }
