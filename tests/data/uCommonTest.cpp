#include "data/uCommon.h"
#include "platform/AtomicFile.h"
#include "platform/Exceptions.h"
#include "platform/ProgramFile.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Each test gets a program folder of its own and empty lists.
class Database : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        SetWordListUnreadable(false);
        LoadSettings();
    }
    void loadList(const QByteArray &bytes)
    {
        WriteAll(file("lumword.lst"), bytes);
        LoadWordList();
    }
};

QStringList Texts(const TWordList &l)
{
    QStringList t;
    for (const TWordEntry &w : l)
        t << w.Text;
    return t;
}

} // namespace

TEST_F(Database, FreshFolderGivesDefaultsAndMakesTheSoundFolder)
{
    // Every field of a first start, as the settings file's table gives them.
    EXPECT_EQ(Settings.ProgramDir, dir.path() + "/");
    EXPECT_EQ(Settings.SoundDir, dir.path() + "/wav/");
    EXPECT_TRUE(QFileInfo(file("wav")).isDir());
    EXPECT_EQ(Settings.OpeningBack, "confetti");
    EXPECT_EQ(Settings.OpeningColor, 8388608);
    EXPECT_EQ(Settings.ListChecksum, "NOT DEFINED");
    EXPECT_EQ(Settings.Hints, true);
    EXPECT_EQ(Settings.Protect, false);
    EXPECT_EQ(Settings.SoundMode, 0);
    EXPECT_EQ(Settings.FontName, "Arial");
    EXPECT_EQ(Settings.FontSize, 96);
    EXPECT_EQ(Settings.FontColor, 255);
    EXPECT_EQ(Settings.FontBold, true);
    EXPECT_EQ(Settings.BackColor, 11927551);
    EXPECT_EQ(Settings.Transition, 0);
    EXPECT_EQ(Settings.Delay, 6);
    EXPECT_EQ(Settings.Button, 0);
    EXPECT_EQ(Settings.HotKey, 32);
    EXPECT_EQ(Settings.SoundSlot, 66305);
    EXPECT_EQ(Settings.AutoAdd, false);
    EXPECT_EQ(Settings.SoundEven, true);
    EXPECT_EQ(Settings.Speak, true);
    EXPECT_EQ(Settings.Voice, "") << "no voice chosen yet: the desktop's language";
    EXPECT_EQ(SettingsFileName(), file("lumword.INI"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);   // loading writes nothing

    // Saved as they are, they reach the file in the file's encodings.
    SaveSettings();
    EXPECT_EQ(ReadAll(file("lumword.INI")),
              QByteArray("[Opening]\nBack=confetti\nColor=8388608\n\n"
                         "[Main]\nPosition=NOT DEFINED\nName=Arial\nSize=96\nColor=255\nBold=1\nBack=11927551\n"
                         "Transition=0\nDelay=6\nButton=0\nKey=32\nSound=66305\n\n"
                         "[General]\nHints=1\nProtect=0\nSoundMode=0\n\n"
                         "[Config]\nAutoAdd=0\n\n"
                         "[Plan]\nEnabled=0\nWords=5\nDays=5\nPerDay=1\nShows=3\nGap=30\n\n"
                         "[Sound]\nEven=1\n\n"
                         "[Voice]\nSpeak=1\nVoice=\n"));
}

TEST_F(Database, SettingsEncodingsReadAndWriteBack)
{
    WriteAll(file("lumword.INI"), "[Main]\nSize=0x1F\nBold=2\nSound=12345\nColor=-16777216\nKey=$6041\n"
                                  "Delay=soon\n[General]\nHints=0\n[Opening]\nBack=stars\n");
    LoadSettings();
    EXPECT_EQ(Settings.FontSize, 31);
    EXPECT_TRUE(Settings.FontBold);
    EXPECT_EQ(Settings.SoundSlot, 12345);
    EXPECT_EQ(Settings.FontColor, -16777216);
    EXPECT_EQ(Settings.HotKey, 0x6041);
    EXPECT_EQ(Settings.Delay, 6);
    EXPECT_FALSE(Settings.Hints);
    EXPECT_EQ(Settings.OpeningBack, "stars");

    SaveSettings();
    const QString text = QString::fromUtf8(ReadAll(file("lumword.INI")));
    EXPECT_TRUE(text.contains("Bold=1\n"));
    EXPECT_TRUE(text.contains("Sound=12345\n"));
    EXPECT_TRUE(text.contains("Size=31\n"));
    EXPECT_TRUE(text.contains("Color=-16777216\n"));
    EXPECT_TRUE(text.contains("Key=24641\n"));
    EXPECT_TRUE(text.contains("Position=NOT DEFINED\n"));

    WriteAll(file("lumword.INI"), "[Main]\nSize=$20\n");
    LoadSettings();
    EXPECT_EQ(Settings.FontSize, 32);
}

TEST_F(Database, SaveSettingsReportsTheFullPathAndKeepsTheRecord)
{
    QDir().mkdir(file("lumword.INI"));
    Settings.FontSize = 44;
    try {
        SaveSettings();
        FAIL() << "no error";
    } catch (const EInOutError &e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + file("lumword.INI"));
    }
    EXPECT_EQ(Settings.FontSize, 44);
}

TEST_F(Database, LinesSplitIntoFieldsAndCategories)
{
    loadList("3;ball;12\r\n4;cat;1\r\n;;ball;12\r\n\r\n2;a;b;c\nx;dog;7\r2;;sun;;9;;\r\n2;$10;0x1F");
    ASSERT_EQ(AllWords.size(), 8);
    EXPECT_EQ(AllWords[0], (TWordEntry{"ball", 12}));
    EXPECT_EQ(AllWords[1], (TWordEntry{"cat", 1}));
    EXPECT_EQ(AllWords[2], (TWordEntry{"12", 0}));    // ";;ball;12": ball is the category field
    EXPECT_EQ(AllWords[3], (TWordEntry{"", 0}));      // an empty line
    EXPECT_EQ(AllWords[4], (TWordEntry{"a", 0}));     // a text with ";" loses its tail
    EXPECT_EQ(AllWords[5], (TWordEntry{"dog", 7}));
    EXPECT_EQ(AllWords[6], (TWordEntry{"sun", 9}));
    EXPECT_EQ(AllWords[7], (TWordEntry{"$10", 31}));
    EXPECT_EQ(Texts(NewWords), QStringList({"12", "", "dog"}));
    EXPECT_EQ(Texts(NowWords), QStringList({"a", "sun", "$10"}));
    EXPECT_EQ(Texts(KnownWords), QStringList({"ball"}));   // category 4 stays in AllWords only
}

TEST_F(Database, SaveWritesExactLinesInCategoryOrderAndDropsUncategorised)
{
    loadList("4;lost;3\r\n");
    NowWords = {{"ball", 7}, {"sun", 2}, {"tree", 499}};
    KnownWords = {{"mum", 0}};
    NewWords = {{"dad", 1}, {"häus", 12345}};
    SaveWordList();
    EXPECT_EQ(ReadAll(file("lumword.lst")),
              QByteArray("1;dad;1\r\n1;h\xc3\xa4us;12345\r\n2;ball;7\r\n2;sun;2\r\n2;tree;499\r\n3;mum;0\r\n"));

    ClearWordLists();
    LoadWordList();
    EXPECT_EQ(NewWords, (TWordList{{"dad", 1}, {"häus", 12345}}));
    EXPECT_EQ(NowWords.size(), 3);
    EXPECT_EQ(AllWords.size(), 6);
}

TEST_F(Database, EmptyListsWriteAnEmptyFile)
{
    SaveWordList();
    EXPECT_TRUE(QFileInfo::exists(file("lumword.lst")));
    EXPECT_EQ(ReadAll(file("lumword.lst")).size(), 0);
}

TEST_F(Database, SoundFileNamesPadToFourDigits)
{
    EXPECT_EQ(SoundFileName(0), Settings.SoundDir + "word0000.wav");
    EXPECT_EQ(SoundFileName(7), Settings.SoundDir + "word0007.wav");
    EXPECT_EQ(SoundFileName(123), Settings.SoundDir + "word0123.wav");
    EXPECT_EQ(SoundFileName(499), Settings.SoundDir + "word0499.wav");
    EXPECT_EQ(SoundFileName(12345), Settings.SoundDir + "word12345.wav");
    EXPECT_EQ(SoundFileName(-3), Settings.SoundDir + "word-0003.wav");
}

TEST_F(Database, ChecksumIsZlibCrc32InUpperCaseHex)
{
    EXPECT_EQ(WordListChecksum(file("none.lst")), "NOT DEFINED");
    WriteAll(file("a.lst"), "123456789");
    EXPECT_EQ(WordListChecksum(file("a.lst")), "CBF43926");
    WriteAll(file("e.lst"), "");
    EXPECT_EQ(WordListChecksum(file("e.lst")), "00000000");
    // Longer than one 4096-byte block, so the blocks must chain (value from Python zlib).
    QByteArray big;
    for (int i = 0; i < 10000; ++i)
        big += char(i * 7);
    WriteAll(file("b.lst"), big);
    EXPECT_EQ(WordListChecksum(file("b.lst")), "A0B70144");
}

TEST_F(Database, FailedSettingsSavePutsTheOldListBack)
{
    NowWords = {{"old", 1}};
    SaveWordList();
    Settings.ListChecksum = WordListChecksum(file("lumword.lst"));
    SaveSettings();
    const QByteArray oldList = ReadAll(file("lumword.lst"));
    const QString oldSum = Settings.ListChecksum;

    QFile::remove(file("lumword.INI"));
    QDir().mkdir(file("lumword.INI"));   // the settings file cannot be replaced now
    NowWords = {{"new", 2}};
    EXPECT_THROW(SaveWordListAndSettings(), EInOutError);
    EXPECT_EQ(ReadAll(file("lumword.lst")), oldList);
    EXPECT_FALSE(QFileInfo::exists(file("lumword.lst.pending")));
    EXPECT_EQ(Settings.ListChecksum, oldSum);
    EXPECT_EQ(NowWords, (TWordList{{"new", 2}}));   // the dialog's values stay in memory

    QDir().rmdir(file("lumword.INI"));
    SaveWordListAndSettings();
    LoadSettings();
    EXPECT_EQ(Settings.ListChecksum, WordListChecksum(file("lumword.lst")));
    EXPECT_NE(Settings.ListChecksum, oldSum);
}

TEST_F(Database, FailedListSaveLeavesFileAndChecksumAlone)
{
    QDir().mkdir(file("lumword.lst"));
    NowWords = {{"x", 1}};
    Settings.ListChecksum = "12345678";
    try {
        SaveWordListAndSettings();
        FAIL() << "no error";
    } catch (const EInOutError &e) {
        EXPECT_EQ(e.Message(), "Cannot create file " + file("lumword.lst"));
    }
    EXPECT_EQ(Settings.ListChecksum, "12345678");
    EXPECT_FALSE(QFileInfo::exists(file("lumword.INI")));
}

TEST_F(Database, AnUnreadableListIsSetAsideNotOverwritten)
{
    WriteAll(file("lumword.lst"), "2;precious;1\r\n");
    SetWordListUnreadable(true);   // as when start-up could not read it
    NowWords = {{"fresh", 3}};
    SaveWordList();
    EXPECT_EQ(ReadAll(file("lumword.lst.unreadable")), QByteArray("2;precious;1\r\n"));
    EXPECT_EQ(ReadAll(file("lumword.lst")), QByteArray("2;fresh;3\r\n"));
    EXPECT_FALSE(WordListUnreadable());

    // Twice more: each goes under a name of its own, the ones before kept.
    SetWordListUnreadable(true);
    SaveWordList();
    SetWordListUnreadable(true);
    WriteAll(file("lumword.lst"), "2;third;4\r\n");
    SaveWordList();
    EXPECT_EQ(ReadAll(file("lumword.lst.unreadable")), QByteArray("2;precious;1\r\n"));
    EXPECT_EQ(ReadAll(file("lumword.lst.unreadable1")), QByteArray("2;fresh;3\r\n"));
    EXPECT_EQ(ReadAll(file("lumword.lst.unreadable2")), QByteArray("2;third;4\r\n"));
    EXPECT_EQ(ReadAll(file("lumword.lst")), QByteArray("2;fresh;3\r\n"));
}

TEST_F(Database, AFolderInPlaceOfTheListCannotBeOpened)
{
    QDir().mkdir(file("lumword.lst"));
    EXPECT_THROW(LoadWordList(), EInOutError);
    EXPECT_TRUE(WordListUnreadable());
    EXPECT_TRUE(AllWords.isEmpty());
}

TEST_F(Database, AListWhoseReadFailsAfterItOpenedIsUnreadableAndKeptNotSavedOverShortened)
{
    // The process's own memory reads as a file that opens and then fails at
    // its first byte, as a failing disk does part-way through a file.
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), file("lumword.lst")));
    EXPECT_THROW(LoadWordList(), EInOutError);
    EXPECT_TRUE(WordListUnreadable());
    EXPECT_TRUE(AllWords.isEmpty());
    NowWords = {{"fresh", 3}};
    SaveWordList();
    EXPECT_EQ(QFileInfo(file("lumword.lst.unreadable")).symLinkTarget(), "/proc/self/mem") << "kept as it was";
    EXPECT_EQ(ReadAll(file("lumword.lst")), QByteArray("2;fresh;3\r\n"));
}

namespace {

// Makes one step of replacing `target` fail while it lives.
class FailingStep {
public:
    FailingStep(TFileStep failing, const QString &target)
    {
        FOld = SetFileStepHook([failing, target](TFileStep step, const QString &path) {
            return !(step == failing && path == target);
        });
    }
    ~FailingStep() { SetFileStepHook(FOld); }

private:
    TFileStepHook FOld;
};

} // namespace

TEST_F(Database, SettingsWhoseFlushOrRenameFailsAreReportedAndTheOldFileStays)
{
    WriteAll(file("lumword.INI"), "[Main]\nSize=12\n");
    LoadSettings();
    for (TFileStep failing : {TFileStep::Flush, TFileStep::Rename}) {
        FailingStep fail(failing, file("lumword.INI"));
        Settings.FontSize = 40;
        try {
            SaveSettings();
            FAIL() << "no error";
        } catch (const EInOutError &e) {
            EXPECT_EQ(e.Message(), "Unable to write to " + file("lumword.INI"));
        }
        EXPECT_EQ(ReadAll(file("lumword.INI")), QByteArray("[Main]\nSize=12\n"));
    }
}

TEST_F(Database, AListWhoseFlushOrRenameFailsIsReportedAndTheOldFileStays)
{
    WriteAll(file("lumword.lst"), "2;old;1\r\n");
    NowWords = {{"new", 2}};
    for (TFileStep failing : {TFileStep::Flush, TFileStep::Rename}) {
        FailingStep fail(failing, file("lumword.lst"));
        try {
            SaveWordList();
            FAIL() << "no error";
        } catch (const EInOutError &e) {
            EXPECT_EQ(e.Message(), "Cannot create file " + file("lumword.lst"));
        }
        EXPECT_EQ(ReadAll(file("lumword.lst")), QByteArray("2;old;1\r\n"));
    }
}

TEST_F(Database, AnUnreadableListComesBackWhenTheSettingsCannotBeSaved)
{
    QDir().mkdir(file("lumword.lst"));   // a list that cannot be read as a file
    WriteAll(file("lumword.lst/inside"), "kept");
    SetWordListUnreadable(true);
    NowWords = {{"fresh", 3}};
    {
        FailingStep fail(TFileStep::Rename, file("lumword.INI"));
        EXPECT_THROW(SaveWordListAndSettings(), EInOutError);
    }
    EXPECT_TRUE(QFileInfo(file("lumword.lst")).isDir());
    EXPECT_EQ(ReadAll(file("lumword.lst/inside")), QByteArray("kept"));
    EXPECT_FALSE(QFileInfo::exists(file("lumword.lst.unreadable")));
    EXPECT_TRUE(WordListUnreadable());   // the next save still keeps it
    EXPECT_EQ(Settings.ListChecksum, "NOT DEFINED");

    // Saved once more, the list is set aside and the caller learns where.
    EXPECT_EQ(SaveWordListAndSettings(), file("lumword.lst.unreadable"));
    EXPECT_EQ(ReadAll(file("lumword.lst.unreadable/inside")), QByteArray("kept"));
    EXPECT_EQ(ReadAll(file("lumword.lst")), QByteArray("2;fresh;3\r\n"));
    EXPECT_FALSE(WordListUnreadable());
    EXPECT_EQ(SaveWordListAndSettings(), QString());
}

// ---------------------------------------------------------------- a save stopped half-way

namespace {

// Every file of the folder with its bytes.
QMap<QString, QByteArray> Snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        files[name] = ReadAll(folder + "/" + name);
    return files;
}

} // namespace

TEST_F(Database, EveryReplacementFlushesItsFolderAfterItsRename)
{
    NowWords = {{"ball", 7}};
    QList<QPair<TFileStep, QString>> steps;
    const TFileStepHook old = SetFileStepHook([&](TFileStep step, const QString &path) {
        steps.append({step, QFileInfo(path).fileName()});
        return true;
    });
    SaveWordListAndSettings();
    SetFileStepHook(old);
    const QList<QPair<TFileStep, QString>> expected = {
        {TFileStep::Write, "lumword.lst.pending"}, {TFileStep::Flush, "lumword.lst.pending"},
        {TFileStep::Rename, "lumword.lst.pending"}, {TFileStep::FlushFolder, "lumword.lst.pending"},
        {TFileStep::Write, "lumword.INI"}, {TFileStep::Flush, "lumword.INI"},
        {TFileStep::Rename, "lumword.INI"}, {TFileStep::FlushFolder, "lumword.INI"},
        {TFileStep::Rename, "lumword.lst"}, {TFileStep::FlushFolder, "lumword.lst"}};
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(ReadAll(file("lumword.lst")), QByteArray("2;ball;7\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"lumword.INI", "lumword.lst"}));
}

TEST_F(Database, SettingsOnDiskWhoseFolderFlushFailedStillCarryTheSaveThrough)
{
    NowWords = {{"old", 1}};
    SaveWordListAndSettings();
    NowWords = {{"new", 2}};
    {
        FailingStep fail(TFileStep::FlushFolder, file("lumword.INI"));
        EXPECT_THROW(SaveWordListAndSettings(), EInOutError);
    }
    // The settings name the new list, so the new list is the one in place.
    EXPECT_EQ(ReadAll(file("lumword.lst")), QByteArray("2;new;2\r\n"));
    EXPECT_FALSE(QFileInfo::exists(file("lumword.lst.pending")));
    const QString inMemory = Settings.ListChecksum;
    LoadSettings();
    EXPECT_EQ(Settings.ListChecksum, inMemory);
    EXPECT_EQ(Settings.ListChecksum, WordListChecksum(file("lumword.lst")));
}

TEST_F(Database, APendingListBesideAListMatchingTheChecksumIsRemovedAndNothingElseChanges)
{
    NowWords = {{"ball", 7}};
    SaveWordListAndSettings();
    const QMap<QString, QByteArray> before = Snapshot(dir.path());
    for (const QByteArray &leftover : {QByteArray("1;half a save;3\r\n"), QByteArray("2;ball;7\r\n")}) {
        WriteAll(file("lumword.lst.pending"), leftover);
        LoadSettings();
        const TSettings loaded = Settings;
        EXPECT_EQ(FinishWordListSave(), QString());
        EXPECT_EQ(Snapshot(dir.path()), before);
        EXPECT_EQ(Settings.ListChecksum, loaded.ListChecksum);
        EXPECT_FALSE(WordListUnreadable());
    }
}

TEST_F(Database, APendingListTheSettingsNameReplacesTheListAtStart)
{
    NowWords = {{"ball", 7}};
    SaveWordListAndSettings();
    // As a save leaves the folder when it stops right after the settings.
    WriteAll(file("lumword.lst.pending"), "2;sun;8\r\n");
    Settings.ListChecksum = WordListChecksum(file("lumword.lst.pending"));
    SaveSettings();

    LoadSettings();
    EXPECT_EQ(FinishWordListSave(), QString());
    EXPECT_EQ(ReadAll(file("lumword.lst")), QByteArray("2;sun;8\r\n"));
    EXPECT_FALSE(QFileInfo::exists(file("lumword.lst.pending")));
    EXPECT_EQ(WordListChecksum(file("lumword.lst")), Settings.ListChecksum);
}

TEST_F(Database, AnUnreadableListInTheWayOfAFinishedSaveIsKeptAside)
{
    QDir().mkdir(file("lumword.lst"));
    WriteAll(file("lumword.lst/inside"), "kept");
    WriteAll(file("lumword.lst.pending"), "2;sun;8\r\n");
    Settings.ListChecksum = WordListChecksum(file("lumword.lst.pending"));
    SaveSettings();

    LoadSettings();
    EXPECT_EQ(FinishWordListSave(), file("lumword.lst.unreadable"));
    EXPECT_EQ(ReadAll(file("lumword.lst.unreadable/inside")), QByteArray("kept"));
    EXPECT_EQ(ReadAll(file("lumword.lst")), QByteArray("2;sun;8\r\n"));
    EXPECT_FALSE(WordListUnreadable());
}

TEST_F(Database, ASaveKilledAtAnyStepLeavesTheOldOrTheNewListWithItsChecksum)
{
    // A child process does the save and is killed before one of its steps, as
    // a crash or a power cut would stop it: no destructor, no clean-up runs.
    const QByteArray oldList("2;ball;7\r\n");
    const QByteArray newList("1;cat;1\r\n2;ball;7\r\n2;sun;8\r\n");
    NowWords = {{"ball", 7}};
    SaveWordListAndSettings();
    ASSERT_EQ(ReadAll(file("lumword.lst")), oldList);
    const QByteArray oldSettings = ReadAll(file("lumword.INI"));
    const TSettings inMemory = Settings;

    bool sawOld = false, sawNew = false, sawCompleted = false;
    for (int killAt = 0; !sawCompleted; ++killAt) {
        ASSERT_LT(killAt, 50) << "the save never completed";
        WriteAll(file("lumword.lst"), oldList);
        WriteAll(file("lumword.INI"), oldSettings);
        QFile::remove(file("lumword.lst.pending"));
        Settings = inMemory;
        NewWords = {{"cat", 1}};
        NowWords = {{"ball", 7}, {"sun", 8}};

        sawCompleted = RunsToItsEndBeforeStep(killAt, [] { SaveWordListAndSettings(); });

        // The next start, up to its checksum test.
        ClearWordLists();
        LoadSettings();
        EXPECT_NO_THROW(FinishWordListSave()) << killAt;
        const QByteArray list = ReadAll(file("lumword.lst"));
        EXPECT_TRUE(list == oldList || list == newList) << killAt << ": " << list.toStdString();
        EXPECT_EQ(WordListChecksum(file("lumword.lst")), Settings.ListChecksum) << killAt;
        EXPECT_FALSE(QFileInfo::exists(file("lumword.lst.pending"))) << killAt;
        sawOld = sawOld || list == oldList;
        sawNew = sawNew || list == newList;
    }
    EXPECT_TRUE(sawOld);
    EXPECT_TRUE(sawNew);
}

TEST_F(Database, AListReplacedSinceItWasReadIsNotSavedOver)
{
    loadList("1;kite;4\r\n");
    const QByteArray other = "1;kite;4\r\n1;ant;0\r\n";
    WriteAll(file("lumword.lst"), other);
    NewWords = {{"bee", 0}, {"kite", 4}};
    try {
        SaveWordListAndSettings();
        FAIL() << "saved over another copy's list";
    } catch (const EInOutError &e) {
        EXPECT_TRUE(e.Message().contains("changed by another copy")) << e.Message().toStdString();
    }
    EXPECT_EQ(ReadAll(file("lumword.lst")), other);
    EXPECT_FALSE(QFileInfo::exists(file("lumword.INI")));

    // Nor over one that another copy made where there was none.
    QFile::remove(file("lumword.lst"));
    ClearWordLists();
    LoadWordList();
    WriteAll(file("lumword.lst"), other);
    NewWords = {{"bee", 0}};
    EXPECT_THROW(SaveWordListAndSettings(), EInOutError);
    EXPECT_EQ(ReadAll(file("lumword.lst")), other);

    // What this copy saved itself is what the next save compares with.
    ClearWordLists();
    LoadWordList();
    NewWords = {{"ant", 0}};
    SaveWordListAndSettings();
    NewWords = {{"ant", 0}, {"bee", 2}};
    SaveWordListAndSettings();
    EXPECT_EQ(ReadAll(file("lumword.lst")), QByteArray("1;ant;0\r\n1;bee;2\r\n"));
}
