// The word list file may have been edited by hand or damaged on disk. The
// bytes go through the same parser the file reader uses, without touching the
// disk.
#include "data/uCommon.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    ClearWordLists();
    ParseWordList(bytes);
    if (NewWords.size() + NowWords.size() + KnownWords.size() > AllWords.size())
        __builtin_trap();
    for (const TWordEntry &w : AllWords)
        SoundFileName(w.SoundNo);

    // What was saved once reads back to the same lists and saves to the same bytes.
    const QByteArray once = WordListBytes();
    ClearWordLists();
    ParseWordList(once);
    const TWordList newWords = NewWords, nowWords = NowWords, knownWords = KnownWords;
    const QByteArray first = WordListBytes();
    ClearWordLists();
    ParseWordList(first);
    if (WordListBytes() != first || NewWords != newWords || NowWords != nowWords || KnownWords != knownWords)
        __builtin_trap();
    return 0;
}
