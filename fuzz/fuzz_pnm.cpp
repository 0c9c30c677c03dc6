// libFuzzer harness for the portable anymap readers: the whole load path, so
// that the signature picks the PBM, PGM or PPM reader as it does for files.
#include "picture/PGraphic.h"

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
    try {
        pg.LoadFromStream(buffer, QStringLiteral("pgm"));
    } catch (const Exception &) {
    }
    return 0;
}
