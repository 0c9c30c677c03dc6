// The word list file may have been edited by hand or damaged on disk.
#include "data/uCommon.h"
#include "platform/ProgramFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static bool ready = [] {
        SetProgramFilePath(dir.filePath("lumword"));
        Settings.ProgramDir = dir.path() + "/";
        Settings.SoundDir = Settings.ProgramDir + "wav/";
        return true;
    }();
    (void)ready;
    {
        QFile f(WordListFileName());
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    ClearWordLists();
    LoadWordList();
    if (NewWords.size() + NowWords.size() + KnownWords.size() > AllWords.size())
        __builtin_trap();
    WordListChecksum(WordListFileName());
    for (const TWordEntry &w : AllWords)
        SoundFileName(w.SoundNo);

    // What was saved once reads back to the same lists.
    SaveWordList();
    ClearWordLists();
    LoadWordList();
    SaveWordList();
    const QByteArray first = [] { QFile f(WordListFileName()); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    ClearWordLists();
    LoadWordList();
    SaveWordList();
    const QByteArray second = [] { QFile f(WordListFileName()); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    if (first != second)
        __builtin_trap();
    return 0;
}
