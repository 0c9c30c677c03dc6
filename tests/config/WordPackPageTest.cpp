// Export and Import on the selection page, driven as a keyboard user does:
// a click on the button, a full path typed into the file dialog's name field
// and Enter, then Enter on the closing message. Three words with recordings
// go out of one program folder and into an empty one and into one that holds
// one of them; the lists, sound files and checksums are checked against
// values written down here.
#include "ConfigTestSupport.h"

#include "data/uWordPack.h"
#include "platform/Event.h"
#include "platform/Language.h"
#include "support/MessageLog.h"
#include "support/WaveFiles.h"
#include "support/ZipBytes.h"
#include "widgets/oxBtns.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <zlib.h>

using namespace cfgtest;

namespace {

// Runs `act` on the modal window of type T once the event loop of whatever
// opened it shows it and it is the active window, where a user's keys go
// (polled, up to a limit; gives up quietly after that, and the test then
// fails on what did not happen).
template <class T>
void OnModal(std::function<void(T *)> act)
{
    auto *timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        T *w = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!w || !w->isVisible() || !w->isActiveWindow()) {
            if (++*tries < 2000)
                return;
        }
        timer->stop();
        timer->deleteLater();
        if (w)
            act(w);
    });
    timer->start(10);
}

struct TAnswered {
    QString FocusName;   // the file dialog's focused control
    QString Message;     // the closing message's text
    bool MessageClosed = false;
};

// Types `path` where the file dialog has the focus, presses Enter, and then
// Enter on the message that follows.
void TypePathThenEnter(const QString &path, TAnswered &seen)
{
    OnModal<QFileDialog>([path, &seen](QFileDialog *dialog) {
        QWidget *focus = dialog->focusWidget();
        seen.FocusName = focus ? focus->objectName() : QString();
        OnModal<QMessageBox>([&seen](QMessageBox *box) {
            seen.Message = box->text();
            QTest::keyClick(box, Qt::Key_Return);
            seen.MessageClosed = !box->isVisible();
        });
        if (!focus)
            return dialog->reject();
        QTest::keyClicks(focus, path);
        QTest::keyClick(focus, Qt::Key_Return);
    });
}

// The program's own message boxes, not the answering stand-in the tests'
// main puts in their place.
class RealMessageBoxes {
public:
    RealMessageBoxes() : FOld(SetMessageBoxHook({})) {}
    ~RealMessageBoxes() { SetMessageBoxHook(FOld); }

private:
    TMessageBoxHook FOld;
};

QString Crc(const QByteArray &bytes)
{
    return QStringLiteral("%1")
        .arg(uint(crc32(0, reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size()))), 8, 16, QChar('0'))
        .toUpper();
}

class PackPage : public ConfigFolder {
protected:
    void SetUp() override
    {
        ConfigFolder::SetUp();
        Images({"confetti.jpg"});
        LoadSettings();
    }
    void TearDown() override
    {
        SetFileJobHook({});
        ConfigFolder::TearDown();
    }
    // The program's folder becomes another, as on another computer.
    void MoveTo(QTemporaryDir &other, const QByteArray &list)
    {
        ClearWordLists();
        SetProgramFilePath(other.filePath("lumword"));
        QDir().mkpath(other.filePath("images"));
        QFile::copy(dir.filePath("images/confetti.jpg"), other.filePath("images/confetti.jpg"));
        Settings = TSettings();
        LoadSettings();
        if (!list.isEmpty()) {
            WriteAll(other.filePath("lumword.lst"), list);
            LoadWordList();
            SaveWordListAndSettings();
        }
    }
    void Import(const QString &pack, TAnswered &seen)
    {
        TfmConfig dlg;
        Show(dlg);
        ShowPage(dlg, 2);
        ASSERT_TRUE(dlg.btImport->isVisible());
        TypePathThenEnter(pack, seen);
        Click(dlg.btImport);
        ASSERT_TRUE(WaitForControls(dlg));
        EXPECT_EQ(dlg.laNew->text(), QString::number(NewWords.size()));
        Click(dlg.btCancel);   // the import is saved already; Cancel keeps it
    }
};

TEST_F(PackPage, ThreeWordsGoOutWithTheirRecordingsAndComeInUnderFreeNumbers)
{
    RealMessageBoxes boxes;
    // Four words; three are exported: cat (new), ball (in use), sun (known).
    const QByteArray cat = Tone(500, 22050, 300), ball = Tone(600, 22050, 400), sun = Tone(700, 22050, 500);
    WriteWave(File("wav/word0003.wav"), cat);
    WriteWave(File("wav/word0005.wav"), ball);
    WriteWave(File("wav/word0008.wav"), sun);
    WriteWave(File("wav/word0001.wav"), Tone(300, 22050, 100));
    const QByteArray catFile = ReadAll(File("wav/word0003.wav")), ballFile = ReadAll(File("wav/word0005.wav")),
                     sunFile = ReadAll(File("wav/word0008.wav"));
    WriteAll(File("lumword.lst"), "1;cat;3\r\n1;kite;1\r\n2;ball;5\r\n3;sun;8\r\n");
    LoadWordList();
    SaveWordListAndSettings();
    QTemporaryDir out;
    const QString packPath = out.filePath("three.wordpack");
    TAnswered exported;
    {
        TfmConfig dlg;
        Show(dlg);
        EXPECT_FALSE(dlg.btExport->isVisible());
        ShowPage(dlg, 2);
        ASSERT_TRUE(dlg.btExport->isVisible());
        EXPECT_EQ(dlg.btExport->accessibleName(), "Export...");
        EXPECT_EQ(dlg.btImport->accessibleName(), "Import...");
        ClickRow(dlg.lbNew, 0);    // cat (kite stays behind)
        ClickRow(dlg.lbNow, 0);    // ball
        ClickRow(dlg.lbKnown, 0);  // sun
        TypePathThenEnter(out.filePath("three"), exported);   // the dialog adds ".wordpack"
        Click(dlg.btExport);
        Click(dlg.btCancel);
    }
    EXPECT_EQ(exported.FocusName, "fileNameEdit");
    EXPECT_TRUE(exported.MessageClosed);
    EXPECT_TRUE(exported.Message.startsWith("3 words (3 with recordings) were exported")) << exported.Message.toStdString();
    const TWordPack pack = ReadWordPack(ReadAll(packPath));
    EXPECT_EQ(pack.Title, "three");
    EXPECT_EQ(pack.Words.size(), 3);

    // Into an empty program: numbers from 0, in the pack's order (new, in use, known).
    QTemporaryDir empty;
    MoveTo(empty, {});
    TAnswered into;
    Import(packPath, into);
    EXPECT_EQ(into.FocusName, "fileNameEdit");
    EXPECT_TRUE(into.MessageClosed);
    EXPECT_EQ(into.Message, "\"three\": 3 words were added as new words, 0 were already there.");
    const QByteArray list = "1;cat;0\r\n1;ball;1\r\n1;sun;2\r\n";
    EXPECT_EQ(ReadAll(empty.filePath("lumword.lst")), list);
    LoadSettings();
    EXPECT_EQ(Settings.ListChecksum, Crc(list));
    EXPECT_EQ(ReadAll(empty.filePath("wav/word0000.wav")), catFile);
    EXPECT_EQ(ReadAll(empty.filePath("wav/word0001.wav")), ballFile);
    EXPECT_EQ(ReadAll(empty.filePath("wav/word0002.wav")), sunFile);

    // Into a program that holds ball (under 0, its own recording) and dog (1).
    QTemporaryDir holding;
    QDir().mkpath(holding.filePath("wav"));
    WriteWave(holding.filePath("wav/word0000.wav"), Tone(900, 22050, 50));
    const QByteArray ownBall = ReadAll(holding.filePath("wav/word0000.wav"));
    MoveTo(holding, "2;ball;0\r\n2;dog;1\r\n");
    TAnswered again;
    Import(packPath, again);
    EXPECT_EQ(again.Message, "\"three\": 2 words were added as new words, 1 were already there.");
    const QByteArray merged = "1;cat;2\r\n1;sun;3\r\n2;ball;0\r\n2;dog;1\r\n";
    EXPECT_EQ(ReadAll(holding.filePath("lumword.lst")), merged);
    LoadSettings();
    EXPECT_EQ(Settings.ListChecksum, Crc(merged));
    EXPECT_EQ(ReadAll(holding.filePath("wav/word0000.wav")), ownBall);
    EXPECT_EQ(ReadAll(holding.filePath("wav/word0002.wav")), catFile);
    EXPECT_EQ(ReadAll(holding.filePath("wav/word0003.wav")), sunFile);
}

TEST_F(PackPage, ImportedWordsJoinTheDialogsListsAndOkKeepsThemBesideItsOwnChanges)
{
    WriteAll(File("lumword.lst"), "2;ball;0\r\n");
    LoadWordList();
    SaveWordListAndSettings();
    TWordPack pack;
    pack.Words = {{{"moon", 0}, catNow}, {{"ball", 1}, catNew}};
    WriteAll(File("moon.wordpack"), WriteWordPack(pack));

    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    ClickRow(dlg.lbNow, 0);
    Click(dlg.btNow2Known);   // not saved until OK
    MessageLog log;
    TAnswered seen;
    OnModal<QFileDialog>([this](QFileDialog *d) {
        QTest::keyClicks(d->focusWidget(), File("moon.wordpack"));
        QTest::keyClick(d->focusWidget(), Qt::Key_Enter);
    });
    Click(dlg.btImport);
    ASSERT_TRUE(WaitForControls(dlg));
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_EQ(log.Texts[0], "\"moon\": 1 words were added as new words, 1 were already there.");
    EXPECT_EQ(Texts(dlg.lbNew), QStringList({"moon"}));
    EXPECT_EQ(Texts(dlg.lbAll), QStringList({"ball", "moon"}));
    EXPECT_EQ(dlg.laNew->text(), "1");
    // The next new word takes the number after moon's.
    ShowPage(dlg, 1);
    Click(dlg.btNew);
    EXPECT_EQ(dlg.CurrentSound, 2);
    EXPECT_EQ(ReadAll(File("lumword.lst")), QByteArray("1;moon;1\r\n2;ball;0\r\n"));
    Click(dlg.btOk);
    EXPECT_EQ(NewWords, TWordList({{"moon", 1}}));
    EXPECT_EQ(KnownWords, TWordList({{"ball", 0}}));
}

TEST_F(PackPage, WhileAPackIsReadTheDialogAnswersWithItsButtonsAndListsLockedAndKeysHeld)
{
    TWordPack pack;
    pack.Words = {{{"moon", 0}, catNew}};
    WriteAll(File("moon.wordpack"), WriteWordPack(pack));
    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    MessageLog log;
    auto held = std::make_shared<TEvent>(true), release = std::make_shared<TEvent>(true);
    SetFileJobHook([held, release](const QString &) {
        held->SetEvent();
        release->WaitFor(5000);
    });
    OnModal<QFileDialog>([this](QFileDialog *d) {
        QTest::keyClicks(d->focusWidget(), File("moon.wordpack"));
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    Click(dlg.btImport);
    const bool wasHeld = PumpUntil([&] { return held->IsSet(); });
    const QList<QWidget *> locked = {dlg.Pages->tabBar(), dlg.btOk,   dlg.btCancel, dlg.btImport,
                                     dlg.btExport,        dlg.lbNew, dlg.btAllNew};
    for (QWidget *w : locked)
        EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    bool looped = false;
    QTimer::singleShot(0, &dlg, [&] { looped = true; });
    EXPECT_TRUE(PumpUntil([&] { return looped; }, 100));
    EXPECT_TRUE(dlg.isVisible()) << "Escape closed the dialog under the import";
    EXPECT_TRUE(log.Texts.isEmpty());
    release->SetEvent();
    ASSERT_TRUE(wasHeld);
    ASSERT_TRUE(WaitForControls(dlg));
    EXPECT_TRUE(dlg.btImport->isEnabled());
    EXPECT_TRUE(dlg.lbNew->isEnabled());
    EXPECT_EQ(log.Texts, QStringList({"\"moon\": 1 words were added as new words, 0 were already there."}));
    EXPECT_EQ(Texts(dlg.lbNew), QStringList({"moon"}));
}

TEST_F(PackPage, NumbersTheDialogOrTheSavedListStillHoldAreNotGivenToImportedWords)
{
    WriteAll(File("lumword.lst"), "2;ball;0\r\n");
    LoadWordList();
    SaveWordListAndSettings();
    for (const char *word : {"moon", "sun"}) {
        TWordPack pack;
        pack.Words = {{{word, 0}, catNew}};
        WriteAll(File(QString(word) + ".wordpack"), WriteWordPack(pack));
    }
    const auto import = [this](TfmConfig &dlg, const QString &pack) {
        ShowPage(dlg, 2);
        OnModal<QFileDialog>([this, pack](QFileDialog *d) {
            QTest::keyClicks(d->focusWidget(), File(pack));
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        });
        Click(dlg.btImport);
        ASSERT_TRUE(WaitForControls(dlg));
    };
    TfmConfig dlg;
    Show(dlg);
    MessageLog log;
    // A new word being typed holds the lowest free number, 1.
    ShowPage(dlg, 1);
    Click(dlg.btNew);
    ASSERT_EQ(dlg.CurrentSound, 1);
    import(dlg, "moon.wordpack");
    // ball is deleted in the dialog, but until OK the saved list names it with 0.
    ShowPage(dlg, 1);
    ClickRow(dlg.lbAll, 0);
    ASSERT_EQ(dlg.edWord->text(), "ball");
    Click(dlg.btDelete);
    import(dlg, "sun.wordpack");
    EXPECT_EQ(log.Texts.size(), 2);
    EXPECT_EQ(ReadAll(File("lumword.lst")), QByteArray("1;moon;2\r\n1;sun;1\r\n2;ball;0\r\n"));
}

TEST_F(PackPage, AnUnsafePackIsRefusedInOneMessageThatSaysWhyAndNothingChanges)
{
    WriteAll(File("lumword.lst"), "2;ball;0\r\n");
    LoadWordList();
    SaveWordListAndSettings();
    WriteWave(File("wav/word0000.wav"), Tone(440, 22050, 200));
    const QByteArray list = ReadAll(File("lumword.lst")), ini = ReadAll(File("lumword.INI")),
                     ballWave = ReadAll(File("wav/word0000.wav"));
    // A wave whose format says no channels, no rate and no bits.
    QByteArray silent = ballWave;
    ASSERT_EQ(silent.mid(12, 4), "fmt ");
    for (int at : {22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35})
        silent[at] = 0;
    const TRawEntry words{"words.lst", "1;mum;0\r\n"};
    TRawEntry inside{"pack.ini", "[Pack]\r\nTitle=x\r\n"};
    inside.Written = false;
    inside.At = RawLocalEntry(words).size() + 30 + 16;
    const struct {
        const char *name;
        QByteArray bytes;
        const char *says;
    } packs[] = {
        {"bad", "PK\x03\x04 not really", "not a ZIP archive"},
        {"silent", RawZip({words, {"wav/word0000.wav", silent}}),
         "The recording wav/word0000.wav in the pack cannot be played: PCM, 0 channels, 0 Hz, 0 bits"},
        {"twice", RawZip({words, {"words.lst", "1;dad;1\r\n"}}), "The pack holds \"words.lst\" twice."},
        {"squeezed", RawZip({words, {"wav/word0000.wav", "x"}, {"wav/word0001.wav", "y", 14}}),
         "\"wav/word0001.wav\" in the pack is packed in a way this program does not read"},
        {"overlap", RawZip({words, {"wav/word0000.wav", RawLocalEntry({"pack.ini", "[Pack]\r\nTitle=x\r\n"})}, inside}),
         "The files \"wav/word0000.wav\" and \"pack.ini\" in the pack overlap"},
    };

    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    MessageLog log;
    for (const auto &pack : packs) {
        const QString path = File(QStringLiteral("%1.wordpack").arg(pack.name));
        WriteAll(path, pack.bytes);
        OnModal<QFileDialog>([path](QFileDialog *d) {
            QTest::keyClicks(d->focusWidget(), path);
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        });
        log.Texts.clear();
        Click(dlg.btImport);
        ASSERT_TRUE(WaitForControls(dlg));
        ASSERT_EQ(log.Texts.size(), 1) << pack.name;
        EXPECT_TRUE(log.Texts[0].contains(pack.says)) << log.Texts[0].toStdString();
        EXPECT_TRUE(log.Texts[0].endsWith("Nothing has been changed.")) << log.Texts[0].toStdString();
    }
    EXPECT_EQ(ReadAll(File("lumword.lst")), list);
    EXPECT_EQ(ReadAll(File("lumword.INI")), ini);
    EXPECT_EQ(QDir(File("wav")).entryList(QDir::Files), QStringList({"word0000.wav"}));
    EXPECT_EQ(ReadAll(File("wav/word0000.wav")), ballWave);
    EXPECT_EQ(dlg.lbNew->count(), 0);
    EXPECT_EQ(Texts(dlg.lbAll), QStringList({"ball"}));
}

TEST_F(PackPage, AWordImportedAfterADeletedOneDoesNotPlayTheDeletedWordsRecording)
{
    WriteWave(File("wav/word0000.wav"), Tone(500, 22050, 300));   // cat
    QDir().mkpath(File("wav/original"));
    WriteWave(File("wav/original/word0000.wav"), Tone(510, 22050, 300));
    WriteWave(File("wav/word0001.wav"), Tone(600, 22050, 300));   // dog
    const QByteArray dogWave = ReadAll(File("wav/word0001.wav"));
    WriteAll(File("lumword.lst"), "2;cat;0\r\n2;dog;1\r\n");
    LoadWordList();
    SaveWordListAndSettings();
    TWordPack pack;
    pack.Words = {{{"mum", 0}, catNew}};   // as the starter packs: text only
    WriteAll(File("mum.wordpack"), WriteWordPack(pack));
    MessageLog log;
    {
        TfmConfig dlg;
        Show(dlg);
        ShowPage(dlg, 1);
        ClickRow(dlg.lbAll, 0);
        ASSERT_EQ(dlg.edWord->text(), "cat");
        Click(dlg.btDelete);
        Click(dlg.btOk);
    }
    SaveWordListAndSettings();   // as the main window does after OK
    ASSERT_EQ(ReadAll(File("lumword.lst")), QByteArray("2;dog;1\r\n"));
    ASSERT_TRUE(QFileInfo::exists(File("wav/word0000.wav")));   // kept until the number is given again

    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    OnModal<QFileDialog>([this](QFileDialog *d) {
        QTest::keyClicks(d->focusWidget(), File("mum.wordpack"));
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    Click(dlg.btImport);
    ASSERT_TRUE(WaitForControls(dlg));
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_EQ(log.Texts[0], "\"mum\": 1 words were added as new words, 0 were already there.");
    EXPECT_EQ(ReadAll(File("lumword.lst")), QByteArray("1;mum;0\r\n2;dog;1\r\n"));
    EXPECT_FALSE(QFileInfo::exists(File("wav/word0000.wav"))) << "mum plays cat's recording";
    EXPECT_FALSE(QFileInfo::exists(File("wav/original/word0000.wav"))) << "evening out would bring cat's back";
    EXPECT_EQ(ReadAll(File("wav/word0001.wav")), dogWave);
    Click(dlg.btCancel);
}

TEST_F(PackPage, ImportOpensWhereTheStarterPacksAreAndTheyReadAsAHundredFirstWords)
{
    // The starter packs as the build lays them beside the program.
    QDir().mkpath(File("packs"));
    const QString shipped = QStringLiteral(LUMWORD_DIST_DIR) + "/packs/";
    for (const char *name : {"en", "de", "fr", "es"}) {
        const TWordPack pack = ReadWordPack(ReadAll(shipped + name + ".wordpack"));
        EXPECT_EQ(pack.Language, name);
        EXPECT_GE(pack.Words.size(), 95) << name;
        EXPECT_LE(pack.Words.size(), 110) << name;
        EXPECT_TRUE(pack.Sounds.isEmpty()) << name;
        QFile::copy(shipped + name + ".wordpack", File(QStringLiteral("packs/%1.wordpack").arg(name)));
    }
    TfmConfig dlg;
    Show(dlg);
    ShowPage(dlg, 2);
    QString opened;
    OnModal<QFileDialog>([&opened](QFileDialog *d) {
        opened = d->directory().absolutePath();
        d->reject();
    });
    Click(dlg.btImport);
    ASSERT_TRUE(WaitForControls(dlg));
    EXPECT_EQ(opened, QDir(File("packs")).absolutePath());
}

} // namespace

TEST_F(PackPage, ImportStartsAtTheStarterPackOfTheProgramsLanguage)
{
    QDir().mkpath(File("packs"));
    WriteAll(File("packs/de.wordpack"), "not read");
    WriteAll(File("packs/en.wordpack"), "not read");
    for (const QString language : {"de", "en", "pl"}) {   // there is no Polish starter pack
        ASSERT_TRUE(InstallLanguage(language));
        TfmConfig dlg;
        Show(dlg);
        ShowPage(dlg, 2);
        QString named = "(no dialog)";
        OnModal<QFileDialog>([&named](QFileDialog *d) {
            named = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
            d->reject();
        });
        Click(dlg.btImport);
        EXPECT_EQ(named, language == "pl" ? QString() : language + ".wordpack") << language.toStdString();
        Click(dlg.btCancel);
    }
    RemoveLanguage();
}
