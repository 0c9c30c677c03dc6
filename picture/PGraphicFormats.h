#pragma once
// The format readers and writers that make up the registries.
#include "picture/PGraphic.h"

class QIODevice;

// --- BMP (and its dib and rle aliases) --------------------------------------
class TBMPFileFormatReader : public TFileFormatReader {
public:
    TBMPFileFormatReader(const QString &ext = "bmp") : TFileFormatReader(ext, "Bitmap", true) {}
    bool IsSignature(const uint8_t *bytes, int count) const override;
    void Read(QIODevice &stream, TPixelGraphic &picture, int imageNo) override;
    TPGFileInfo Information(QIODevice &stream, int imageNo) override;
};
class TDIBFileFormatReader : public TBMPFileFormatReader {
public:
    TDIBFileFormatReader() : TBMPFileFormatReader("dib") {}
};
class TRLEFileFormatReader : public TBMPFileFormatReader {
public:
    TRLEFileFormatReader() : TBMPFileFormatReader("rle") {}
};

// --- JPEG ----------------------------------------------------------------------
class TJPGFileFormatReader : public TFileFormatReader {
public:
    TJPGFileFormatReader(const QString &ext = "jpg")
        : TFileFormatReader(ext, "JPEG (JFIF compliant)", true) {}
    bool IsSignature(const uint8_t *bytes, int count) const override;
    void Read(QIODevice &stream, TPixelGraphic &picture, int imageNo) override;
    TPGFileInfo Information(QIODevice &stream, int imageNo) override;
};
class TJPEGFileFormatReader : public TJPGFileFormatReader {
public:
    TJPEGFileFormatReader() : TJPGFileFormatReader("jpeg") {}
};
class TJIFFileFormatReader : public TJPGFileFormatReader {
public:
    TJIFFileFormatReader() : TJPGFileFormatReader("jif") {}
};

// --- PNG -----------------------------------------------------------------------
class TPNGFileFormatReader : public TFileFormatReader {
public:
    TPNGFileFormatReader() : TFileFormatReader("png", "Portable Network Graphics", true) {}
    bool IsSignature(const uint8_t *bytes, int count) const override;
    void Read(QIODevice &stream, TPixelGraphic &picture, int imageNo) override;
};

// --- PCX -----------------------------------------------------------------------
class TPCXFileFormatReader : public TFileFormatReader {
public:
    TPCXFileFormatReader() : TFileFormatReader("pcx", "Paintbrush", true) {}
    bool IsSignature(const uint8_t *bytes, int count) const override;
    void Read(QIODevice &stream, TPixelGraphic &picture, int imageNo) override;
};

// --- PBM, PGM, PPM ---------------------------------------------------------
class TPxMFileFormatReader : public TFileFormatReader {
public:
    // kind: '1' bitmap, '2' graymap, '3' pixmap (the plain-text digit).
    TPxMFileFormatReader(const QString &ext, const QString &description, char kind)
        : TFileFormatReader(ext, description, true), FKind(kind) {}
    bool IsSignature(const uint8_t *bytes, int count) const override;
    void Read(QIODevice &stream, TPixelGraphic &picture, int imageNo) override;

private:
    char FKind;
};
class TPBMFileFormatReader : public TPxMFileFormatReader {
public:
    TPBMFileFormatReader() : TPxMFileFormatReader("pbm", "Portable Bitmap", '1') {}
};
class TPGMFileFormatReader : public TPxMFileFormatReader {
public:
    TPGMFileFormatReader() : TPxMFileFormatReader("pgm", "Portable Graymap", '2') {}
};
class TPPMFileFormatReader : public TPxMFileFormatReader {
public:
    TPPMFileFormatReader() : TPxMFileFormatReader("ppm", "Portable Pixelmap", '3') {}
};

// --- Targa (no signature: chosen by extension only) ---------------------------
class TTGAFileFormatReader : public TFileFormatReader {
public:
    TTGAFileFormatReader() : TFileFormatReader("tga", "Truevision Targa", false) {}
    void Read(QIODevice &stream, TPixelGraphic &picture, int imageNo) override;
};

// --- Writers -------------------------------------------------------------------
// BMP and DIB store the picture's own rows and colour table.
class TBMPFileFormatWriter : public TFileFormatWriter {
public:
    TBMPFileFormatWriter(const QString &ext = "bmp") : TFileFormatWriter(ext, "Bitmap") {}
    std::vector<int> CanWriteResolutions() const override { return {1, 4, 8, 24}; }
    void Write(QIODevice &stream, const TPixelGraphic &picture) override;
};
class TDIBFileFormatWriter : public TBMPFileFormatWriter {
public:
    TDIBFileFormatWriter() : TBMPFileFormatWriter("dib") {}
};

// Writers this program registers but does not implement: they can write no
// colour resolution, so saving through them fails cleanly.
class TPGUnimplementedWriter : public TFileFormatWriter {
public:
    using TFileFormatWriter::TFileFormatWriter;
};

// Shared by the readers: message 7 with "Index".
QString PGIndexInvalid();   // message 7 with "Index"
