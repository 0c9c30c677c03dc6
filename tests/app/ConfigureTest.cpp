// The main window's Configure with the real dialog: OK writes the word list,
// its checksum and the settings; Cancel leaves both files as they were.
#include "app/Application.h"
#include "app/uMain.h"
#include "config/uConfig.h"
#include "picture/PGImage.h"
#include "data/uCommon.h"
#include "platform/ProgramFile.h"
#include "platform/profile.h"
#include "support/MessageLog.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"
#include "widgets/oxBtns.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

class Configure : public ProgramFolderTest {
protected:
    void WithImages() { CopyImage("confetti.jpg"); }
    // A database saved by the program: two new words and one in use.
    void SavedDatabase()
    {
        LoadSettings();
        NewWords = {{"kite", 4}, {"apple", 1}};
        NowWords = {{"ball", 3}};
        SaveWordListAndSettings();
        ClearWordLists();
        Settings = TSettings();
    }
    // Clicks Configure and runs `act` on the dialog once it is open.
    void Configure_(TfmMain &w, const std::function<void(TfmConfig &)> &act)
    {
        bool ran = false;
        QTimer::singleShot(0, &w, [&] {
            TfmConfig *dlg = w.findChild<TfmConfig *>();
            ASSERT_NE(dlg, nullptr);
            ASSERT_TRUE(dlg->isVisible());
            ran = true;
            act(*dlg);
            // Whatever happened, the dialog must not stay open.
            if (dlg->isVisible())
                dlg->reject();
        });
        QTest::mouseClick(w.btConfigure, Qt::LeftButton, {}, w.btConfigure->rect().center());
        EXPECT_TRUE(ran);
        EXPECT_EQ(w.findChild<TfmConfig *>(), nullptr) << "the dialog is released after use";
    }
    static void Click(QWidget *b) { QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center()); }
    static void MoveAllNewToNow(TfmConfig &dlg)
    {
        QTabBar *bar = dlg.Pages->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
        Click(dlg.btAllNew);
        Click(dlg.btNew2Now);
    }
    QString File(const QString &name) const { return dir.filePath(name); }
    static void ShowPage(TfmConfig &dlg, int index)
    {
        QTabBar *bar = dlg.Pages->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    // Another copy of the program saves its list (and its checksum) here.
    void OtherCopySaves(const QByteArray &list)
    {
        WriteAll(File("lumword.lst"), list);
        TIniFile ini(File("lumword.INI"));
        ini.WriteString("Main", "Position", WordListChecksum(File("lumword.lst")));
        ASSERT_TRUE(ini.UpdateFile());
    }
};

} // namespace

TEST_F(Configure, CancelAfterChangesLeavesBothFilesUntouched)
{
    WithImages();
    SavedDatabase();
    const QByteArray ini = ReadAll(File("lumword.INI")), list = ReadAll(File("lumword.lst"));
    const QDateTime iniTime = QFileInfo(File("lumword.INI")).lastModified();
    const QDateTime listTime = QFileInfo(File("lumword.lst")).lastModified();
    TfmMain w;
    w.show();
    ASSERT_FALSE(w.Terminated());
    Configure_(w, [](TfmConfig &dlg) {
        QTest::mouseClick(dlg.cbBold, Qt::LeftButton, {}, QPoint(6, dlg.cbBold->height() / 2));
        MoveAllNewToNow(dlg);
        Click(dlg.btCancel);
    });
    EXPECT_EQ(ReadAll(File("lumword.INI")), ini);
    EXPECT_EQ(ReadAll(File("lumword.lst")), list);
    EXPECT_EQ(QFileInfo(File("lumword.INI")).lastModified(), iniTime);
    EXPECT_EQ(QFileInfo(File("lumword.lst")).lastModified(), listTime);
    EXPECT_TRUE(Settings.FontBold);
    EXPECT_EQ(NowWords, TWordList({{"ball", 3}}));
}

TEST_F(Configure, OkWritesTheNewSelectionItsChecksumAndTheSettings)
{
    WithImages();
    SavedDatabase();
    TfmMain w;
    w.show();
    ASSERT_FALSE(w.Terminated());
    Configure_(w, [](TfmConfig &dlg) {
        QTest::mouseClick(dlg.cbBold, Qt::LeftButton, {}, QPoint(6, dlg.cbBold->height() / 2));
        MoveAllNewToNow(dlg);
        Click(dlg.btOk);
    });
    EXPECT_EQ(ReadAll(File("lumword.lst")), QByteArray("2;apple;1\r\n2;ball;3\r\n2;kite;4\r\n"));
    // The next start reads what was written and finds the checksum in agreement.
    Settings = TSettings();
    LoadSettings();
    EXPECT_EQ(Settings.ListChecksum, WordListChecksum(File("lumword.lst")));
    EXPECT_FALSE(Settings.FontBold);
    MessageLog log;
    TfmMain again;
    EXPECT_FALSE(again.Terminated());
    EXPECT_TRUE(log.Texts.isEmpty());
    EXPECT_EQ(NowWords, TWordList({{"apple", 1}, {"ball", 3}, {"kite", 4}}));
}

TEST_F(Configure, ABackgroundThatCannotBeShownIsReportedAndTheWordsAreStillWritten)
{
    // No images folder: the dialog says so, the main window's picture fails
    // after OK, and the parent's moves still reach the disk.
    SavedDatabase();
    MessageLog log;
    TfmMain w;
    w.show();
    ASSERT_FALSE(w.Terminated());
    log.Texts.clear();
    Configure_(w, [](TfmConfig &dlg) {
        MoveAllNewToNow(dlg);
        Click(dlg.btOk);
    });
    ASSERT_EQ(log.Texts.size(), 2) << log.Texts.join("; ").toStdString();
    EXPECT_EQ(log.Texts[0], "Invalid starting directory");
    EXPECT_EQ(ReadAll(File("lumword.lst")), QByteArray("2;apple;1\r\n2;ball;3\r\n2;kite;4\r\n"));
    Settings = TSettings();
    LoadSettings();
    EXPECT_EQ(Settings.ListChecksum, WordListChecksum(File("lumword.lst")));
    EXPECT_EQ(Settings.OpeningBack, "confetti");
}

TEST_F(Configure, ABackgroundWhoseFileNameHasCapitalsIsShownAfterOk)
{
    QDir().mkdir(dir.filePath("images"));
    for (const char *name : {"confetti.jpg", "Clouds.JPG"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(LUMWORD_SOURCE_DIR) + "/dist/images/confetti.jpg",
                                dir.filePath(QString("images/") + name)));
    MessageLog log;
    TfmMain w;
    w.show();
    Configure_(w, [](TfmConfig &dlg) {
        const QList<QListWidgetItem *> found = dlg.Fondos->findItems("clouds", Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        const QRect r = dlg.Fondos->visualItemRect(found.first());
        QTest::mouseClick(dlg.Fondos->viewport(), Qt::LeftButton, {}, r.center());
        Click(dlg.btOk);
    });
    EXPECT_TRUE(log.Texts.isEmpty()) << log.Texts.join("; ").toStdString();
    EXPECT_EQ(Settings.OpeningBack, "clouds");
    EXPECT_EQ(w.pgBack->FileName(), File("images/Clouds.JPG"));
    EXPECT_NE(w.pgBack->PixelGraphic(), nullptr);
}

TEST_F(Configure, WordsAnotherCopySavedBehindTheDialogAreKeptAndAClashingNumberMoves)
{
    WithImages();
    SavedDatabase();   // new: kite 4, apple 1; in use: ball 3
    TfmMain w;
    w.show();
    ASSERT_FALSE(w.Terminated());
    MessageLog log;
    Configure_(w, [this](TfmConfig &dlg) {
        ShowPage(dlg, 1);
        Click(dlg.btNew);
        QTest::keyClicks(dlg.edWord, "bee");
        Click(dlg.btSave);
        // Meanwhile the other copy gave its new word the same lowest free
        // number, and put ball among the known words.
        OtherCopySaves("1;kite;4\r\n1;apple;1\r\n1;ant;0\r\n3;ball;3\r\n");
        WriteAll(File("wav/word0000.wav"), "ant's recording");
        Click(dlg.btOk);
    });
    EXPECT_EQ(ReadAll(File("lumword.lst")), QByteArray("1;ant;0\r\n1;apple;1\r\n1;bee;2\r\n1;kite;4\r\n3;ball;3\r\n"));
    EXPECT_EQ(ReadAll(File("wav/word0000.wav")), QByteArray("ant's recording"));
    EXPECT_FALSE(QFileInfo::exists(File("wav/word0002.wav")));
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_TRUE(log.Texts[0].contains("\"bee\" now has sound number 2")) << log.Texts[0].toStdString();
}

TEST_F(Configure, OkThatWouldUndoAnotherCopysChangeSavesNothingAndNamesIt)
{
    WithImages();
    SavedDatabase();
    TfmMain w;
    w.show();
    ASSERT_FALSE(w.Terminated());
    const QByteArray theirs = "1;apple;1\r\n2;ball;3\r\n";   // kite deleted there
    MessageLog log;
    Configure_(w, [&](TfmConfig &dlg) {
        MoveAllNewToNow(dlg);   // and moved here
        OtherCopySaves(theirs);
        Click(dlg.btOk);
        EXPECT_TRUE(dlg.isVisible()) << "the dialog stays open with the parent's changes";
    });
    EXPECT_EQ(ReadAll(File("lumword.lst")), theirs);
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_TRUE(log.Texts[0].contains("\"kite\" (deleted)")) << log.Texts[0].toStdString();
    EXPECT_FALSE(log.Texts[0].contains("apple"));

    // Opened again, the dialog starts from the other copy's list.
    Configure_(w, [](TfmConfig &dlg) {
        EXPECT_EQ(dlg.lbNew->Words(), TWordList({{"apple", 1}}));
        MoveAllNewToNow(dlg);
        Click(dlg.btOk);
    });
    EXPECT_EQ(ReadAll(File("lumword.lst")), QByteArray("2;apple;1\r\n2;ball;3\r\n"));
}

TEST_F(Configure, OkAfterTheListWasRemovedBehindTheDialogWritesItsLists)
{
    WithImages();
    SavedDatabase();
    TfmMain w;
    w.show();
    Configure_(w, [this](TfmConfig &dlg) {
        MoveAllNewToNow(dlg);
        ASSERT_TRUE(QFile::remove(File("lumword.lst")));
        Click(dlg.btOk);
    });
    EXPECT_EQ(ReadAll(File("lumword.lst")), QByteArray("2;apple;1\r\n2;ball;3\r\n2;kite;4\r\n"));
}
