#pragma once
// Shared body of the picture reader harnesses: any bytes, straight into one
// reader, with warnings ignored or raised by the length of the input. A
// reader may refuse the input with its error; anything else (a crash, a
// sanitizer report, an escaping foreign exception) is a finding.
#include "picture/PGraphic.h"
#include "picture/PGraphicFormats.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

template <class Reader>
int FuzzPictureReader(const uint8_t *data, size_t size)
{
    // Hostile headers ask for huge pictures; refuse them early.
    static const bool limited = (PGMaxBitmapBytes = 64 << 20, true);
    (void)limited;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    TPixelGraphic pg;
    pg.SetReadWarningAction((size & 1) ? pgwaRaise : pgwaIgnore);
    Reader reader;
    try {
        reader.Read(buffer, pg, 0);
    } catch (const Exception &) {
    }
    return 0;
}
