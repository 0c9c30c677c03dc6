// A word pack comes from the internet. The reader takes the bytes from
// memory; whatever it accepts must write back into a pack that reads to the
// same words and recordings.
#include "data/uWordPack.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    TWordPack pack;
    try {
        pack = ReadWordPack(bytes);
    } catch (const EWordPack &) {
        return 0;
    }
    qint64 total = 0;
    for (const QByteArray &b : std::as_const(pack.Sounds))
        total += b.size();
    for (const QByteArray &b : std::as_const(pack.Originals))
        total += b.size();
    if (total > kPackMaxTotalBytes || pack.Words.size() * 4 > qsizetype(size) + 4)
        __builtin_trap();   // more came out than the limits (or the input) allow

    // What writing keeps: words by category, in order within each.
    TWordPack again = ReadWordPack(WriteWordPack(pack));
    QList<TPackWord> grouped;
    for (int category : {catNew, catNow, catKnown})
        for (const TPackWord &w : std::as_const(pack.Words))
            if (w.Category == category)
                grouped.append(w);
    if (again.Words != grouped || again.Sounds != pack.Sounds || again.Originals != pack.Originals
        || again.Title != pack.Title || again.Language != pack.Language)
        __builtin_trap();
    return 0;
}
