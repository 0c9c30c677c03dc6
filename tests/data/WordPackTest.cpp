// Word packs: packs from outside refused for each way they can be unsafe
// (archives built here with libzip or patched byte by byte), with nothing
// changed on disk; an import into a program holding some of the words; and
// an import killed before each of its file steps.
#include "data/uWordPack.h"
#include "platform/AtomicFile.h"
#include "platform/ProgramFile.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"
#include "support/WaveFiles.h"
#include "support/ZipBytes.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <zip.h>
#include <zlib.h>

namespace {

struct TEntrySpec {
    QString Name;
    QByteArray Bytes;
    bool Deflate = false;
    quint32 UnixMode = 0;   // file type and permissions; 0 leaves the library's
};

// An archive made by the ZIP library itself, entry by entry as given.
QByteArray Zip(const QList<TEntrySpec> &entries)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *out = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(out);
    zip_t *z = zip_open_from_source(out, ZIP_TRUNCATE, &error);
    EXPECT_NE(z, nullptr);
    for (const TEntrySpec &e : entries) {
        zip_source_t *src = zip_source_buffer(z, e.Bytes.constData(), zip_uint64_t(e.Bytes.size()), 0);
        const zip_int64_t i = zip_file_add(z, e.Name.toUtf8().constData(), src, ZIP_FL_ENC_UTF_8);
        EXPECT_GE(i, 0) << e.Name.toStdString();
        zip_set_file_compression(z, zip_uint64_t(i), e.Deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 1);
        if (e.UnixMode)
            zip_file_set_external_attributes(z, zip_uint64_t(i), 0, ZIP_OPSYS_UNIX, e.UnixMode << 16);
    }
    EXPECT_EQ(zip_close(z), 0);
    zip_stat_t st;
    zip_source_stat(out, &st);
    zip_source_open(out);
    QByteArray bytes(qsizetype(st.size), '\0');
    zip_source_read(out, bytes.data(), st.size);
    zip_source_close(out);
    zip_source_free(out);
    return bytes;
}

quint32 Le32(const QByteArray &b, qsizetype at)
{
    return quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16 | quint32(quint8(b[at + 3])) << 24;
}
void SetLe32(QByteArray &b, qsizetype at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char(v >> (8 * i));
}

// Rewrites what the local and the central header of every entry say about
// its sizes, as a hostile pack would; the data stays as it was.
// Of the entry `name`; `packed` < 0 keeps the packed size as it is.
void PatchSizes(QByteArray &zip, const QByteArray &name, qint64 packed, quint32 unpacked)
{
    for (qsizetype at = 0; at + 46 <= zip.size(); ++at) {
        const quint32 sig = Le32(zip, at);
        const int offset = sig == 0x04034b50 ? 18 : sig == 0x02014b50 ? 20 : -1;
        const int nameAt = sig == 0x04034b50 ? 30 : 46;
        if (offset < 0 || zip.mid(at + nameAt, name.size()) != name)
            continue;
        if (packed >= 0)
            SetLe32(zip, at + offset, quint32(packed));
        SetLe32(zip, at + offset + 4, unpacked);
    }
}

// What the central header of the entry `name` gives as its packed size.
quint32 PackedSize(const QByteArray &zip, const QByteArray &name)
{
    for (qsizetype at = 0; at + 46 <= zip.size(); ++at)
        if (Le32(zip, at) == 0x02014b50 && zip.mid(at + 46, name.size()) == name)
            return Le32(zip, at + 20);
    return 0;
}

QByteArray WaveBytes(const QString &path, double hz, int frames)
{
    WriteWave(path, Tone(hz, 22050, frames));
    return ReadAll(path);
}

// A wave file of a few bytes of data whose format chunk says what is given;
// block size and bytes per second follow from it unless given.
QByteArray FormatWave(quint16 tag, quint16 channels, quint32 rate, quint16 bits, int align = -1, qint64 perSecond = -1)
{
    const quint16 block = quint16(align >= 0 ? align : channels * bits / 8);
    QByteArray b("RIFF");
    zipbytes::Put(b, 4 + 24 + 8 + 4, 4);
    b += "WAVEfmt ";
    zipbytes::Put(b, 16, 4);
    zipbytes::Put(b, tag, 2);
    zipbytes::Put(b, channels, 2);
    zipbytes::Put(b, rate, 4);
    zipbytes::Put(b, quint32(perSecond >= 0 ? perSecond : rate * block), 4);
    zipbytes::Put(b, block, 2);
    zipbytes::Put(b, bits, 2);
    b += "data";
    zipbytes::Put(b, 4, 4);
    return b + QByteArray(4, char(0x80));
}

QString Crc(const QByteArray &bytes)
{
    return QStringLiteral("%1").arg(uint(crc32(0, reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size()))), 8, 16, QChar('0')).toUpper();
}

class WordPack : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        LoadSettings();
    }
    QString File(const QString &name) const { return dir.filePath(name); }

    // Every file of the program folder with its bytes.
    QMap<QString, QByteArray> Snapshot() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files.insert(QDir(dir.path()).relativeFilePath(path), ReadAll(path));
        }
        return files;
    }

    // The refusal's text, after checking that the pack changed nothing.
    std::string Refusal(const QByteArray &pack)
    {
        const QMap<QString, QByteArray> before = Snapshot();
        const TWordList words = AllWords;
        std::string why = "accepted";
        try {
            ImportWordPack(ReadWordPack(pack), {}, QBitArray(500));
        } catch (const EWordPack &e) {
            why = e.Message().toStdString();
            EXPECT_EQ(Snapshot(), before);
            EXPECT_EQ(AllWords, words);
        }
        return why;
    }
};

TEST_F(WordPack, APackAddsItsNewTextsUnderTheLowestFreeNumbersWithTheirRecordings)
{
    // The program holds ball (0) and dog (2); 1 is free, and so is 3 on.
    const QByteArray ballOld = WaveBytes(File("wav/word0000.wav"), 440, 300);
    NowWords = {{"ball", 0}, {"dog", 2}};
    AllWords = NowWords;
    SaveWordListAndSettings();

    const QByteArray cat = WaveBytes(File("cat.wav"), 500, 400);
    const QByteArray ballNew = WaveBytes(File("ball.wav"), 600, 200);
    const QByteArray sunTake = WaveBytes(File("sun0.wav"), 700, 250);
    const QByteArray sun = WaveBytes(File("sun.wav"), 800, 250);
    TWordPack pack;
    pack.Words = {{{"cat", 7}, catNow}, {{"ball", 8}, catNew}, {{"sun", 12}, catKnown}, {{"cat", 7}, catNew}};
    pack.Sounds = {{7, cat}, {8, ballNew}, {12, sun}};
    pack.Originals = {{12, sunTake}};
    pack.Title = "Sky and toys";
    pack.Language = "en";
    const TWordPack read = ReadWordPack(WriteWordPack(pack));
    EXPECT_EQ(read.Title, "Sky and toys");
    EXPECT_EQ(read.Language, "en");
    EXPECT_EQ(read.Originals.keys(), QList<int>({12}));

    QBitArray taken(500);
    taken.setBit(0);
    taken.setBit(2);
    const TPackImport done = ImportWordPack(read, {"ball", "dog"}, taken);
    EXPECT_EQ(done.Added, 2);
    EXPECT_EQ(done.AlreadyThere, 2);   // ball, and cat's second line

    const QByteArray list = "1;cat;1\r\n1;sun;3\r\n2;ball;0\r\n2;dog;2\r\n";
    EXPECT_EQ(ReadAll(File("lumword.lst")), list);
    LoadSettings();
    EXPECT_EQ(Settings.ListChecksum, Crc(list));
    EXPECT_EQ(ReadAll(File("wav/word0001.wav")), cat);
    EXPECT_EQ(ReadAll(File("wav/word0003.wav")), sun);
    EXPECT_EQ(ReadAll(File("wav/original/word0003.wav")), sunTake);
    EXPECT_EQ(ReadAll(File("wav/word0000.wav")), ballOld);   // the word there keeps its own
    EXPECT_FALSE(QFileInfo::exists(File("wav/original/word0001.wav")));
}

TEST_F(WordPack, AFullListTakesNothingAndSaysWhy)
{
    TWordPack pack;
    pack.Words = {{{"a", 0}, catNew}, {{"b", 1}, catNew}};
    QBitArray taken(500, true);
    taken.clearBit(499);
    const QMap<QString, QByteArray> before = Snapshot();
    EXPECT_THROW(ImportWordPack(pack, {}, taken), EWordPack);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(NewWords.isEmpty());
}

TEST_F(WordPack, PacksThatCouldHarmOrMisleadAreRefusedWithTheReasonAndNothingChanges)
{
    const QByteArray wave = WaveBytes(File("t.wav"), 440, 100);
    QFile::remove(File("t.wav"));
    const TEntrySpec words{"words.lst", "1;ball;0\r\n"};
    const TEntrySpec sound{"wav/word0000.wav", wave};
    // The same pack, well formed, goes in: what each case changes is the fault.
    EXPECT_EQ(Refusal(Zip({words, sound})), "accepted");
    QList<TEntrySpec> many = {words};
    for (int i = 0; i < 999; ++i)
        many.append({QStringLiteral("x/%1").arg(i), "x"});
    EXPECT_EQ(Refusal(Zip(many)), "accepted");   // 1000 entries in all
    many.append({QStringLiteral("x/999"), "x"});

    struct Case {
        const char *what;
        QByteArray pack;
        const char *says;
    };
    QByteArray bigger = Zip({words, {"wav/word0000.wav", QByteArray(1'000'000, '\0'), true}});
    PatchSizes(bigger, "wav/word0000.wav", -1, 1'000);   // the headers understate what inflating gives
    // One byte more than 100 times its packed size, by the headers.
    QByteArray over = Zip({words, {"wav/word0000.wav", QByteArray(50'000, '\0'), true}});
    PatchSizes(over, "wav/word0000.wav", -1, 100 * PackedSize(over, "wav/word0000.wav") + 1);
    QByteArray huge = Zip({words, {"big", QByteArray(30, 'a')}});
    PatchSizes(huge, "big", 30, 21 * 1024 * 1024);
    // Ten files of up to 20 MB that pack about 10 to 1: with the word list
    // exactly 200 MB unpacked, then one byte more.
    QByteArray part(kPackMaxFileBytes, 'b');
    for (qsizetype i = 0; i < part.size(); i += 16)
        part[i] = char(i * 2654435761u >> 13);
    QList<TEntrySpec> ten = {words};
    for (int i = 0; i < 10; ++i)
        ten.append({QStringLiteral("f%1").arg(i), i == 9 ? part.left(part.size() - words.Bytes.size()) : part, true});
    EXPECT_EQ(Refusal(Zip(ten)), "accepted");
    ten.last().Bytes.append('b');
    const QByteArray total = Zip(ten);
    part.clear();
    ten.clear();
    ClearWordLists();
    LoadWordList();
    const QByteArray listBefore = ReadAll(File("lumword.lst"));
    const Case cases[] = {
        {"absolute path", Zip({words, {"/tmp/evil.wav", wave}}), "outside"},
        {"parent folder", Zip({words, {"wav/../../evil.wav", wave}}), "outside"},
        {"backslashes", Zip({words, {"..\\evil.wav", wave}}), "outside"},
        {"drive letter", Zip({words, {"C:/evil.wav", wave}}), "outside"},
        {"a drive alone", Zip({words, {"C:", wave}}), "outside"},
        {"link", Zip({words, {"wav/word0000.wav", "/etc/passwd", false, S_IFLNK | 0777}}), "link"},
        {"device", Zip({words, {"wav/dev", "", false, S_IFCHR | 0666}}), "device"},
        {"1001 entries", Zip(many), "more than 1000 files"},
        {"over 100:1", Zip({words, {"wav/word0000.wav", QByteArray(1'000'000, '\0'), true}}), "100 to 1"},
        {"just over 100:1", over, "100 to 1"},
        {"header understates", bigger, "more than its header says"},
        {"file over 20 MB", huge, "larger than 20 MB"},
        {"total over 200 MB", total, "200 MB"},
        {"wave that does not parse", Zip({words, {"wav/word0000.wav", "RIFF junk that is no wave"}}), "not a wave"},
        {"no word list", Zip({sound}), "no word list"},
        {"not a ZIP", QByteArray("1;ball;0\r\n"), "not a ZIP"},
        {"cut short", Zip({words, sound}).left(100), "not a ZIP"},
    };
    for (const Case &c : cases) {
        const std::string why = Refusal(c.pack);
        EXPECT_NE(why.find(c.says), std::string::npos) << c.what << ": " << why;
    }
    // Lines the word list reader would change or drop.
    for (const char *line : {"4;ball;1", "1;ball", "1;ball;x", "", "1;ball;2;3", ";1;ball;2", "1; ;2", "1;ball;10000",
                             "2;ball;-1", "01;ball;2"}) {
        const std::string why = Refusal(Zip({{"words.lst", QByteArray("1;sun;1\r\n") + line + "\r\n"}}));
        EXPECT_NE(why.find("Line 2 of the pack's word list"), std::string::npos) << '"' << line << "\": " << why;
    }
    EXPECT_EQ(ReadAll(File("lumword.lst")), listBefore);
}

TEST_F(WordPack, ArchivesNoZipLibraryWritesAndUnplayableRecordingsAreRefusedSayingWhatIsWrong)
{
    const QByteArray wave = WaveBytes(File("t.wav"), 440, 100);
    QFile::remove(File("t.wav"));
    const TRawEntry words{"words.lst", "1;ball;0\r\n"};
    const TRawEntry sound{"wav/word0000.wav", wave};
    // Written byte by byte, well formed, they go in: what each case changes is the fault.
    EXPECT_EQ(Refusal(RawZip({words, sound})), "accepted");
    // Comments: the archive's, as long as it may be, and one that holds the
    // end record's mark; the directory's, on each entry.
    EXPECT_EQ(Refusal(RawZip({words, sound}, QByteArray(0xFFFF, 'c'))), "accepted");
    EXPECT_EQ(Refusal(RawZip({words, sound}, QByteArray("PK\x05\x06") + QByteArray(30, '\0'))), "accepted");
    EXPECT_EQ(Refusal(RawZip({{"words.lst", "1;ball;0\r\n", 0, 0, -1, {}, true, "list"}, {"a", "b", 0, 0, -1, {}, true, "c"}})),
              "accepted");
    EXPECT_EQ(Refusal(RawZip({words, {"wav/word0000.wav", FormatWave(1, 1, 4000, 16)}})), "accepted");

    // A recording whose stored bytes are the local entry of another file that
    // the table of contents also names: one set of bytes, two files.
    const TRawEntry inner{"wav/original/word0000.wav", wave};
    const QByteArray outerName = "wav/word0000.wav";
    TRawEntry innerSeen = inner;
    innerSeen.Written = false;
    innerSeen.At = RawLocalEntry(words).size() + 30 + outerName.size();
    TRawEntry pointsBeside = sound;
    pointsBeside.At = 1;
    TRawEntry renamed = words;
    renamed.LocalName = "words.lsx";
    QByteArray farDirectory = RawZip({words, sound});
    SetLe32(farDirectory, farDirectory.size() - 6, 0xFFFFFFFF);
    QByteArray twoDisks = RawZip({words, sound});
    twoDisks[twoDisks.size() - 18] = 1;   // the end record's disk number
    TRawEntry farEntry = sound;
    farEntry.At = 0xFFFFFFFF;
    const TRawEntry encrypted{"wav/word0000.wav", wave, 0, 1};
    const auto withWave = [&](const QByteArray &bytes, const QByteArray &name = "wav/word0000.wav") {
        return RawZip({words, {name, bytes}});
    };
    const struct {
        const char *what;
        QByteArray pack;
        const char *says;
    } cases[] = {
        {"a name twice", RawZip({words, sound, {"words.lst", "1;sun;0\r\n"}}), "The pack holds \"words.lst\" twice."},
        {"an unknown method", RawZip({words, {"wav/word0000.wav", wave, 6}}),
         "The file \"wav/word0000.wav\" in the pack is packed in a way this program does not read (method 6)."},
        {"WinZip's encryption", RawZip({words, {"wav/word0000.wav", wave, 99}}), "\"wav/word0000.wav\" in the pack is encrypted"},
        {"the encrypted flag", RawZip({words, encrypted}), "\"wav/word0000.wav\" in the pack is encrypted"},
        {"overlapping entries", RawZip({words, {outerName, RawLocalEntry(inner)}, innerSeen}),
         "The files \"wav/word0000.wav\" and \"wav/original/word0000.wav\" in the pack overlap"},
        {"headers that disagree", RawZip({renamed, sound}), "its table of contents does not match the files in it"},
        {"a directory past 32 bits", farDirectory, "ZIP64"},
        {"an entry past 32 bits", RawZip({words, farEntry}), "ZIP64"},
        {"one of several disks", twoDisks, "This file is not a word pack (not a ZIP archive)."},
        {"an entry pointing beside its header", RawZip({words, pointsBeside}), "table of contents cannot be read"},
        {"a broken table", RawZip({words, sound}).remove(RawLocalEntry(words).size() + RawLocalEntry(sound).size(), 1),
         "its table of contents cannot be read"},
        {"a comment too long by one", RawZip({words, sound}, QByteArray(0xFFFF, 'c')) + "c", "table of contents cannot be read"},
        {"an empty archive", RawZip({}), "it has no word list"},
        {"no format", withWave(FormatWave(1, 0, 0, 0)),
         "The recording wav/word0000.wav in the pack cannot be played: PCM, 0 channels, 0 Hz, 0 bits"},
        {"three channels", withWave(FormatWave(1, 3, 22050, 16)), "cannot be played: PCM, 3 channels, 22050 Hz, 16 bits"},
        {"24 bits", withWave(FormatWave(1, 1, 22050, 24)), "cannot be played: PCM, 1 channels, 22050 Hz, 24 bits"},
        {"too slow", withWave(FormatWave(1, 1, 3999, 8)), "cannot be played: PCM, 1 channels, 3999 Hz, 8 bits"},
        {"mu-law", withWave(FormatWave(7, 1, 8000, 8)), "cannot be played: CCITT mu-Law, 1 channels, 8000 Hz"},
        {"a wrong block size", withWave(FormatWave(1, 2, 22050, 16, 2)), "bytes per second or per sample do not match"},
        {"wrong bytes per second", withWave(FormatWave(1, 2, 22050, 16, -1, 22050)),
         "bytes per second or per sample do not match"},
        {"an unplayable take kept as captured", RawZip({words, sound, {"wav/original/word0000.wav", FormatWave(1, 0, 0, 0)}}),
         "The recording wav/original/word0000.wav in the pack cannot be played"},
    };
    for (const auto &c : cases) {
        const std::string why = Refusal(c.pack);
        EXPECT_NE(why.find(c.says), std::string::npos) << c.what << ": " << why;
    }
}

TEST_F(WordPack, ImportedWordsTakeNumbersAsTypedWordsDoAndNeverADeletedWordsRecording)
{
    // Deleted words left 0 (a recording and its take), 1 (a take only) and 2
    // (something that cannot be deleted); 3 is clean.
    QDir().mkpath(File("wav/original"));
    QDir().mkpath(File("wav/word0002.wav/stuck"));
    WaveBytes(File("wav/word0000.wav"), 500, 300);
    WaveBytes(File("wav/original/word0000.wav"), 510, 300);
    WaveBytes(File("wav/original/word0001.wav"), 520, 300);
    NowWords = {{"dog", 4}};
    AllWords = NowWords;
    SaveWordListAndSettings();

    TWordPack pack;
    pack.Words = {{{"mum", 0}, catNew}, {{"sun", 1}, catNew}, {{"moon", 2}, catNew}};
    pack.Sounds = {{1, WaveBytes(File("sun.wav"), 700, 200)}};
    QBitArray taken(500);
    taken.setBit(4);
    const TPackImport done = ImportWordPack(pack, {"dog"}, taken);
    EXPECT_EQ(done.AddedWords, TWordList({{"mum", 0}, {"sun", 1}, {"moon", 3}}));
    EXPECT_EQ(ReadAll(File("lumword.lst")), QByteArray("1;mum;0\r\n1;sun;1\r\n1;moon;3\r\n2;dog;4\r\n"));
    EXPECT_FALSE(QFileInfo::exists(File("wav/word0000.wav"))) << "mum would say what cat said";
    EXPECT_FALSE(QFileInfo::exists(File("wav/original/word0000.wav")));
    EXPECT_EQ(ReadAll(File("wav/word0001.wav")), pack.Sounds[1]);
    EXPECT_FALSE(QFileInfo::exists(File("wav/original/word0001.wav")));
    EXPECT_TRUE(QFileInfo(File("wav/word0002.wav")).isDir());
    // The only number left holds what cannot be deleted: no room after all.
    QBitArray onlyStuck(500, true);
    onlyStuck.clearBit(2);
    TWordPack kite;
    kite.Words = {{{"kite", 0}, catNew}};
    EXPECT_THROW(ImportWordPack(kite, {}, onlyStuck), EWordPack);
    EXPECT_EQ(AllWords.size(), 4);

    // Room is counted before anything goes: 495 numbers are left and 496 words come.
    WaveBytes(File("wav/word0005.wav"), 530, 100);
    TWordPack many;
    for (int i = 0; i < 496; ++i)
        many.Words.append({{QStringLiteral("w%1").arg(i), i}, catNew});
    QBitArray full(500);
    for (int n : {0, 1, 2, 3, 4})
        full.setBit(n);
    EXPECT_THROW(ImportWordPack(many, {}, full), EWordPack);
    EXPECT_TRUE(QFileInfo::exists(File("wav/word0005.wav")));
    many.Words.removeLast();
    EXPECT_EQ(ImportWordPack(many, {}, full).Added, 495);
    EXPECT_FALSE(QFileInfo::exists(File("wav/word0005.wav")));
}

TEST_F(WordPack, AnImportKilledBeforeAnyOfItsStepsLeavesTheOldOrTheNewWordsAndAMatchingChecksum)
{
    NowWords = {{"ball", 0}};
    AllWords = NowWords;
    SaveWordListAndSettings();
    const QByteArray oldList = ReadAll(File("lumword.lst"));
    const QByteArray oldSettings = ReadAll(File("lumword.INI"));
    const QByteArray newList = "1;cat;1\r\n1;sun;2\r\n2;ball;0\r\n";
    TWordPack pack;
    pack.Words = {{{"cat", 0}, catNew}, {{"sun", 1}, catNew}};
    pack.Sounds = {{0, WaveBytes(File("cat.wav"), 500, 300)}, {1, WaveBytes(File("sun.wav"), 700, 300)}};
    pack.Originals = {{1, WaveBytes(File("sun0.wav"), 300, 200)}};
    const TSettings inMemory = Settings;

    bool sawOld = false, sawNew = false, sawCompleted = false;
    int killAt = 0;
    for (; !sawCompleted; ++killAt) {
        ASSERT_LT(killAt, 60) << "the import never completed";
        WriteAll(File("lumword.lst"), oldList);
        WriteAll(File("lumword.INI"), oldSettings);
        QFile::remove(File("lumword.lst.pending"));
        for (const char *f : {"wav/word0001.wav", "wav/word0002.wav", "wav/original/word0002.wav"})
            QFile::remove(File(f));
        Settings = inMemory;
        ClearWordLists();
        LoadWordList();

        QBitArray taken(500);
        taken.setBit(0);
        sawCompleted = RunsToItsEndBeforeStep(killAt, [&] { ImportWordPack(pack, {"ball"}, taken); });

        // The next start, up to its checksum test.
        ClearWordLists();
        LoadSettings();
        EXPECT_NO_THROW(FinishWordListSave()) << killAt;
        const QByteArray list = ReadAll(File("lumword.lst"));
        EXPECT_TRUE(list == oldList || list == newList) << killAt << ": " << list.toStdString();
        EXPECT_EQ(WordListChecksum(File("lumword.lst")), Settings.ListChecksum) << killAt;
        if (list == newList) {
            // The words the list names have their recordings whole.
            EXPECT_EQ(ReadAll(File("wav/word0001.wav")), pack.Sounds[0]) << killAt;
            EXPECT_EQ(ReadAll(File("wav/word0002.wav")), pack.Sounds[1]) << killAt;
            EXPECT_EQ(ReadAll(File("wav/original/word0002.wav")), pack.Originals[1]) << killAt;
        }
        sawOld = sawOld || list == oldList;
        sawNew = sawNew || list == newList;
    }
    EXPECT_TRUE(sawOld);
    EXPECT_TRUE(sawNew);
    // Three recordings, their flush, then the save's ten steps.
    EXPECT_EQ(killAt, 3 + 1 + 10 + 1);
}

} // namespace
