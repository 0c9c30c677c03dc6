#pragma once
// Word packs: words with their recordings in one ZIP file (".wordpack"), to
// share them or take them to another computer. Inside: "words.lst" in the
// word list file's own line format and encoding, "wav/wordNNNN.wav" for the
// sound numbers it names ("wav/original/wordNNNN.wav" for a recording kept as
// it was taken), and "pack.ini" with the pack's title, language and count.
//
// A pack comes from anywhere: the reader works on bytes in memory, trusts no
// size a header states (it counts while it inflates) and refuses the whole
// pack, with the reason, at the first thing out of order. Nothing reaches the
// disk until the whole pack has been read.
#include "data/uCommon.h"
#include "platform/Exceptions.h"

#include <QBitArray>
#include <QByteArray>
#include <QMap>
#include <QSet>

// What a pack may hold at most.
constexpr int kPackMaxEntries = 1000;
constexpr qint64 kPackMaxFileBytes = 20LL * 1024 * 1024;     // one file, unpacked
constexpr qint64 kPackMaxTotalBytes = 200LL * 1024 * 1024;   // everything, unpacked
constexpr qint64 kPackMaxRatio = 100;                        // unpacked : packed

// A pack that cannot be read or written; the message says why.
class EWordPack : public Exception {
public:
    using Exception::Exception;
};

struct TPackWord {
    TWordEntry Word;
    int Category = catNew;
    bool operator==(const TPackWord &) const = default;
};

struct TWordPack {
    QString Title;
    QString Language;
    QList<TPackWord> Words;            // in words.lst order
    QMap<int, QByteArray> Sounds;      // sound number -> wave file
    QMap<int, QByteArray> Originals;   // sound number -> the recording as taken
};

// The ZIP file of a pack. Throws EWordPack when the library fails.
QByteArray WriteWordPack(const TWordPack &pack);
// Reads a pack from its file's bytes. Throws EWordPack with the reason.
TWordPack ReadWordPack(const QByteArray &bytes);

// A pack of the words with the recordings the program holds for them.
TWordPack CollectWordPack(const QList<TPackWord> &words, const QString &title, const QString &language);

struct TPackImport {
    int Added = 0;
    int AlreadyThere = 0;
    TWordList AddedWords;              // with the numbers they were given
    QString Warning;                   // a save that went through but may not last a power cut
};

// Adds the pack's words to NewWords and AllWords: a text in `present` (or
// already in the pack) is left out and counted; every other word gets the
// lowest number not in `taken` (LowestFreeSound, its leftover recordings
// cleared as for a typed word) and its recordings are copied under it. Then the list and the settings are saved as
// OK saves them, so a stop at any moment leaves the old words or the new.
// Throws EWordPack when there are not enough free numbers and EInOutError
// when a file cannot be written; the lists are then as they were.
TPackImport ImportWordPack(const TWordPack &pack, const QSet<QString> &present, const QBitArray &taken);
// Its two halves, for a dialog that does the file work on a worker: the first
// numbers the words and writes their recordings, and touches no word list or
// setting; the second, on the user-interface thread, adds the words and saves.
TPackImport WritePackRecordings(const TWordPack &pack, const QSet<QString> &present, const QBitArray &taken);
void AddImportedWords(TPackImport &done);
