// libFuzzer harness for the JPEG reader: any bytes, straight into the reader
// (past the signature check), with warnings ignored or raised by the
// length of the input.
#include "picture/PGraphic.h"
#include "picture/PGraphicFormats.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Hostile headers ask for huge pictures; refuse them early.
    static const bool limited = (PGMaxBitmapBytes = 64 << 20, true);
    (void)limited;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    TPixelGraphic pg;
    pg.SetReadWarningAction((size & 1) ? pgwaRaise : pgwaIgnore);
    TJPGFileFormatReader reader;
    try {
        reader.Read(buffer, pg, 0);
    } catch (const Exception &) {
    }
    return 0;
}
