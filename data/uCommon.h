#pragma once
// Program-wide state: the settings record and the four word lists, with the
// files that keep them beside the program.
#include "data/FileBase.h"
#include "platform/Colors.h"

#include <QBitArray>
#include <QList>
#include <QStringList>
#include <QString>
#include <cstdint>

enum TSoundMode { sndNormal = 0, sndDelayed = 1, sndMute = 2 };
enum TTransition { tmDelay = 0, tmMouseMove = 1, tmMouseClick = 2, tmKeyPress = 3 };
enum TMouseButtonChoice { btnAny = 0, btnLeft = 1, btnRight = 2 };
enum TWordCategory { catNew = 1, catNow = 2, catKnown = 3 };

struct TSettings {
    QString ProgramDir;          // ends with a separator; base of every other path
    QString SoundDir;            // ProgramDir + "wav/"
    QString OpeningBack = "confetti";
    TColor OpeningColor = clNavy;
    QString ListChecksum = "NOT DEFINED";
    bool Hints = true;
    bool Protect = false;
    int SoundMode = sndNormal;
    QString FontName = "Arial";
    int FontSize = 96;
    TColor FontColor = clRed;
    bool FontBold = true;
    TColor BackColor = 11927551;
    int Transition = tmDelay;
    int Delay = 6;               // half-seconds
    int Button = btnAny;
    uint16_t HotKey = 32;        // key code in bits 0-12, Shift 0x2000, Ctrl 0x4000, Alt 0x8000
    int SoundSlot = 66305;       // kept only to be written back as it was read
    bool AutoAdd = false;
    // The daily plan ([Plan]; ranges and what they do in uPlan.h).
    bool PlanEnabled = false;
    int PlanWords = 5;
    int PlanDays = 5;
    int PlanPerDay = 1;
    int PlanShows = 3;
    int PlanGap = 30;            // minutes
    // [Sound]: every recording is evened out after it stops.
    bool SoundEven = true;
    // The voice for words without a recording ([Voice]).
    bool Speak = true;
    QString Voice;               // a voice's language ("en", "de"); empty: the desktop's language
    // [General] Language: the program's language ("de"); empty: the desktop's.
    // Read once at start-up, so a change takes effect at the next start.
    QString Language;
};

extern TSettings Settings;

struct TWordEntry {
    QString Text;
    int SoundNo = 0;
    bool operator==(const TWordEntry &) const = default;
};
using TWordList = QList<TWordEntry>;

extern TWordList AllWords;
extern TWordList NewWords;
extern TWordList NowWords;
extern TWordList KnownWords;

// Empties all four lists and forgets what they were read from.
void ClearWordLists();

// The word list file as the four lists were read from it or last saved.
TFileBase &WordListBase();

// Settings file: the program file's name with its extension replaced by ".INI".
QString SettingsFileName();
QString WordListFileName();      // ProgramDir + "lumword.lst"
// Where a save puts the new list until the settings hold its checksum.
QString PendingWordListFileName();   // ProgramDir + "lumword.lst.pending"

void LoadSettings();
// The stored language choice alone, read before the first window is made.
QString StoredLanguage();
// Throws EInOutError "Unable to write to %s" at the first key that cannot be written.
void SaveSettings();

// Appends the file's entries to the four lists; a missing file leaves them as
// they are. Throws EInOutError "Cannot open file %s" for a file that exists but
// cannot be read; the next save then keeps that file under another name.
void LoadWordList();
// Appends the entries of a word list file's bytes to the four lists: what
// LoadWordList does with the bytes it read.
void ParseWordList(const QByteArray &bytes);
struct TWordLists {
    TWordList All, New, Now, Known;
};
TWordLists ParseWordLists(const QByteArray &bytes);
// The bytes of the word list file for NewWords, NowWords and KnownWords:
// "%d;%s;%d" lines, each ended by CR LF, in category order.
QByteArray WordListBytes();
// The same for any three lists (a word pack's words.lst).
QByteArray WordListBytes(const TWordList &newWords, const TWordList &nowWords, const TWordList &knownWords);
// Replaces the word list file with NewWords, NowWords and KnownWords, keeping
// a list that could not be read under another name first. Throws EInOutError
// "Cannot create file %s" when the file cannot be written; the old file is
// then where it was. The list alone: the main window's save, which keeps the
// checksum in step, is SaveWordListAndSettings.
void SaveWordList();

// True when a word list file exists that could not be read at start-up: saving
// the (empty) lists over it would destroy the parent's database.
bool WordListUnreadable();
void SetWordListUnreadable(bool unreadable);

// When another copy of the program has saved the word list since this one
// read it (the settings file holds the checksum of the list now there), the
// four lists are read again from it and true is returned. A list changed any
// other way, or one that cannot be read, is left for the next save to report.
bool RereadWordListSavedElsewhere();

// What the main window does after the configuration dialog's OK: the word
// list, its new checksum in Settings, then the settings file. A stop at any
// instant leaves the old list and checksum or the new ones (FinishWordListSave
// settles it at the next start). When the settings cannot be written the old
// list file and checksum stay, so the next start does not stop on a checksum
// mismatch, and the error is passed on. A list that could not be read is kept
// under another name once the save has gone through; returns that name, or an
// empty text when there was none. A list file that is no longer the one the
// lists were read from (WordListBase) is not replaced: EInOutError.
QString SaveWordListAndSettings();

// Settles a save that stopped before its end; called at start-up after
// LoadSettings and before the checksum test. A pending list whose checksum the
// settings hold replaces lumword.lst (a list there that cannot be read is
// kept under another name, which is returned); any other pending list is
// removed. Throws EInOutError when the pending list cannot be put in place.
QString FinishWordListSave();

// Removes what replacements stopped before their rename left beside the
// program's own files: the file's name, a dot and six letters or digits (the
// save's temporary file where the file system cannot make it nameless), for
// the settings, the word list, its pending list, the files named in `others`
// (the daily plan's) and the recordings in wav/ and wav/original/. Nothing
// else is touched. Only for the copy that holds the folder's lock, before it
// saves anything: no save of another copy can then be under way.
void RemoveLeftoverTemporaries(const QStringList &others);

QString SoundFileName(int soundNo);

// A new word's sound number: the lowest that no word holds (`used` has a bit
// per number), -1 when every one is. A deleted word leaves its recordings on
// disk under its number; they go when the number is given to a new word
// (ClearLeftoverSound), so a word never plays another's recording.
int LowestFreeSound(const QBitArray &used);
// Deletes what a deleted word left under `soundNo`: its recording and the
// take kept as captured. False when one of them is still there.
bool ClearLeftoverSound(int soundNo);
// Whether a recording, as played or as captured, lies on disk under `soundNo`.
bool SoundOnDisk(int soundNo);
// The lowest number that no word holds and that has nothing on disk (where
// another copy of the program may have recorded under it), -1 when none.
int LowestSoundFreeOnDisk(const QBitArray &used);

QString WordListChecksum(const QString &path);
