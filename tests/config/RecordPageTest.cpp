// The word recording page: its controls and icons, New, Save, Cancel and
// Delete with the sound numbers they take and free, the SPACE rule, and
// recording and playing through the test sound server (a null sink whose
// monitor is the default source), with page changes, failures and a full disk.
#include "ConfigTestSupport.h"

#include "audio/MMEvenOut.h"
#include "audio/MMHiTimer.h"
#include "audio/MMWave.h"
#include "audio/MMWaveIO.h"
#include "platform/Exceptions.h"
#include "sound/playsound.h"
#include "sound/wavedev.h"
#include "support/MessageLog.h"
#include "support/WaveFiles.h"
#include "widgets/MMLEDLbl.h"
#include "widgets/oxBtns.h"
#include "support/Pump.h"
#include "support/SmallVolume.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <atomic>
#include <cerrno>
#include <cmath>
#include <utility>

using namespace cfgtest;

namespace {

// Data bytes of a wave file as the reader sees them, -1 when it is not one.
int64_t WaveDataBytes(const QString &path)
{
    TMMWave w;
    try {
        w.SetFileName(path);
    } catch (const std::exception &) {
        return -1;
    }
    return w.WaveFormat() ? w.DataBytes() : -1;
}

QImage IconImage(const QIcon &icon) { return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32); }

class RecordPage : public ConfigFolder {
protected:
    void SetUp() override
    {
        ConfigFolder::SetUp();
        Images({"confetti.jpg"});
        LoadSettings();
        // These tests look at the take as captured; evening it out has tests
        // of its own (EvenOutPageTest).
        Settings.SoundEven = false;
        // Play of a word without a recording speaks it; these tests are about
        // recordings (the voice's are in ConfigVoiceTest.cpp).
        Settings.Speak = false;
        QDir().mkpath(Settings.SoundDir);
    }
    // The dialog shown on the recording page.
    void Open(TfmConfig &dlg)
    {
        Show(dlg);
        ShowPage(dlg, 1);
        ASSERT_EQ(dlg.Pages->currentWidget(), dlg.tsRecord);
    }
    // New, the word typed, Save.
    static void AddWord(TfmConfig &dlg, const QString &text, bool inUse)
    {
        Click(dlg.btNew);
        QTest::keyClicks(dlg.edWord, text);
        if (dlg.cbAdd->isChecked() != inUse)
            Click(dlg.cbAdd);
        Click(dlg.btSave);
    }
    static int RowOf(const TWordListBox *list, const TWordEntry &word)
    {
        for (int i = 0; i < list->count(); ++i)
            if (list->Word(i) == word)
                return i;
        return -1;
    }
    static void RequireServer()
    {
        ASSERT_GT(WaveDevCount(TWaveDirection::Capture), 0) << SoundServerHint();
        ASSERT_GT(WaveDevCount(TWaveDirection::Playback), 0) << SoundServerHint();
    }
    // A tone into the sound server for as long as a test records.
    void StartTone()
    {
        const QString tone = File("tone.wav");
        WriteWave(tone, Tone(440, 22050, 8 * 22050));
        ASSERT_TRUE(PlaySound(tone));
        ASSERT_TRUE(PumpUntil([] { return PlaySoundStatus().Playing; }, 5000)) << SoundServerHint();
    }
    void TearDown() override
    {
        StopSound();
        WaitPlaySoundIdle(5000);
        ConfigFolder::TearDown();
    }
};

} // namespace

// ---------------------------------------------------------------------------
// Controls

TEST_F(RecordPage, IconsAre32PixelFacesOfTheirShapeOnATransparentGround)
{
    TfmConfig dlg;
    const QImage play = IconImage(dlg.PlayIcon), rec = IconImage(dlg.RecIcon), stop = IconImage(dlg.StopIcon);
    ASSERT_EQ(play.size(), QSize(32, 32));
    ASSERT_EQ(rec.size(), QSize(32, 32));
    ASSERT_EQ(stop.size(), QSize(32, 32));
    // Inside each shape: lime for the triangle, red for the disc and the square.
    EXPECT_EQ(play.pixel(16, 16), qRgb(0, 255, 0));
    EXPECT_EQ(rec.pixel(16, 16), qRgb(255, 0, 0));
    EXPECT_EQ(stop.pixel(16, 16), qRgb(255, 0, 0));
    // The triangle points right: its left edge is tall, its tip narrow.
    EXPECT_NE(qAlpha(play.pixel(8, 6)), 0);
    EXPECT_EQ(qAlpha(play.pixel(26, 6)), 0);
    EXPECT_NE(qAlpha(play.pixel(25, 16)), 0);
    // The disc is round (its bounding corners are clear), the square fills its own.
    EXPECT_EQ(qAlpha(rec.pixel(6, 6)), 0);
    EXPECT_NE(qAlpha(stop.pixel(6, 6)), 0);
    for (const QImage *img : {&play, &rec, &stop}) {
        EXPECT_EQ(qAlpha(img->pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(img->pixel(31, 31)), 0);
    }
    // No more than 16 colours.
    QSet<QRgb> colours;
    for (const QImage *img : {&play, &rec, &stop})
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (qAlpha(img->pixel(x, y)))
                    colours.insert(img->pixel(x, y));
    EXPECT_LE(colours.size(), 16);
    EXPECT_EQ(dlg.btPlay->PictureUp()->Icon().cacheKey(), dlg.PlayIcon.cacheKey());
    EXPECT_EQ(dlg.btRec->PictureUp()->Icon().cacheKey(), dlg.RecIcon.cacheKey());
}

TEST_F(RecordPage, ControlsSitWhereTheyBelongWithTheirHintsAndHelp)
{
    TfmConfig dlg;
    struct Row {
        QWidget *w;
        QRect at;
        const char *hint;
        int help;
    } rows[] = {
        {dlg.lbAll, {14, 24, 189, 253}, "Select a word from the list to change the sound or delete it", 301},
        {dlg.btNew, {218, 24, 75, 25}, "Insert a new word", 302},
        {dlg.btDelete, {302, 24, 75, 25}, "Delete the word or cancel the action", 303},
        {dlg.btSave, {386, 24, 75, 25}, "Save the word and sound", 304},
        {dlg.edWord, {224, 68, 237, 22}, "", 309},
        {dlg.cbAdd, {282, 100, 121, 17}, "Check to add this word to the list of word to use", 305},
        {dlg.btRec, {222, 144, 110, 41}, "Click to Record a word", 306},
        {dlg.btPlay, {348, 144, 110, 41}, "Click to Play a word", 307},
        {dlg.laRecord, {228, 196, 225, 28}, "", 0},
        {dlg.Led, {297, 248, 86, 26}, "", 0},
    };
    for (const Row &r : rows) {
        EXPECT_EQ(r.w->parentWidget(), dlg.tsRecord) << r.w->metaObject()->className();
        EXPECT_EQ(r.w->geometry(), r.at) << r.w->metaObject()->className();
        EXPECT_EQ(r.w->toolTip(), QString::fromLatin1(r.hint));
        EXPECT_EQ(r.w->property("HelpContext").toInt(), r.help);
    }
    EXPECT_EQ(dlg.edWord->maxLength(), 128);
    EXPECT_FALSE(dlg.edWord->isEnabled());
    EXPECT_EQ(dlg.laRecord->text(), "To record use the buttons above or hit SPACE to start and again to stop");
    EXPECT_TRUE(dlg.laRecord->wordWrap());
    EXPECT_EQ(dlg.Led->Caption(), " 0.0");
    EXPECT_EQ(dlg.Led->NumChars(), 5);
    EXPECT_FALSE(dlg.Led->AutoSize());
    EXPECT_EQ(dlg.Led->Bevel()->BevelWidth(), 3);
    EXPECT_EQ(dlg.Timer->Interval(), 200);
    EXPECT_TRUE(dlg.Timer->Enabled());
    // What the chains are made of.
    EXPECT_EQ(dlg.WaveIn->SampleRate(), 22050);
    EXPECT_EQ(dlg.WaveIn->Mode(), mStereo);
    EXPECT_EQ(dlg.WaveIn->BitLength(), b8Bit);
    EXPECT_EQ(dlg.WaveIn->NumBuffers(), 50);
    EXPECT_EQ(dlg.WaveIn->CallBackMode(), cmThread);
    EXPECT_EQ(dlg.WaveOut->NumBuffers(), 50);
    EXPECT_EQ(dlg.WaveOut->CallBackMode(), cmWindow);
    // Names a screen reader says for the controls without a caption.
    EXPECT_EQ(dlg.edWord->accessibleName(), "Word");
    EXPECT_EQ(dlg.Led->accessibleName(), "Recorded time");
    EXPECT_EQ(dlg.lbAll->accessibleName(), "All words");
}

TEST_F(RecordPage, TheTimeFollowsTheNumberFormatOfTheLocale)
{
    EXPECT_EQ(LedTimeText(0.0), " 0.0");
    EXPECT_EQ(LedTimeText(0.2), " 0.2");
    EXPECT_EQ(LedTimeText(12.44), "12.4");
    EXPECT_EQ(LedTimeText(3.25), " 3.3");
    const QLocale old;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(LedTimeText(1234.5), "1,234.5");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(LedTimeText(1.2), " 1,2");
    EXPECT_EQ(LedTimeText(1234.5), "1.234,5");
    QLocale::setDefault(old);
}

TEST_F(RecordPage, EnteringThePageShowsNoWordAndNoRecordControls)
{
    AllWords = NewWords = {{"cat", 2}};
    TfmConfig dlg;
    Open(dlg);
    EXPECT_EQ(dlg.EditMode, weIdle);
    EXPECT_TRUE(dlg.btNew->isEnabled());
    EXPECT_EQ(dlg.btDelete->Caption(), "Delete");
    EXPECT_FALSE(dlg.btDelete->isEnabled());
    EXPECT_FALSE(dlg.btSave->isEnabled());
    EXPECT_FALSE(dlg.edWord->isEnabled());
    EXPECT_FALSE(dlg.cbAdd->isVisible());
    EXPECT_FALSE(dlg.btRec->isVisible());
    EXPECT_FALSE(dlg.btPlay->isVisible());
    EXPECT_FALSE(dlg.laRecord->isVisible());
    EXPECT_FALSE(dlg.Led->isVisible());
    EXPECT_TRUE(dlg.lbAll->selectedItems().isEmpty());
}

// ---------------------------------------------------------------------------
// New, Save, Cancel, Delete

TEST_F(RecordPage, NewAndSaveSelectTheWordInItsListAndDeleteAStaleFileOfItsNumber)
{
    AllWords = NewWords = {{"apple", 1}};
    WriteAll(SoundFileName(0), "stale sound of an earlier word");
    WriteAll(SoundFileName(1), "apple's own sound");
    TfmConfig dlg;
    Open(dlg);

    Click(dlg.btNew);
    EXPECT_EQ(dlg.EditMode, weNew);
    EXPECT_TRUE(dlg.edWord->isEnabled());
    EXPECT_TRUE(dlg.edWord->hasFocus());
    EXPECT_FALSE(dlg.btNew->isEnabled());
    EXPECT_EQ(dlg.btDelete->Caption(), "Cancel");
    EXPECT_TRUE(dlg.btDelete->isEnabled());
    EXPECT_TRUE(dlg.cbAdd->isVisible());
    EXPECT_FALSE(dlg.btSave->isEnabled());
    EXPECT_TRUE(dlg.btSave->Default());
    EXPECT_FALSE(dlg.btRec->isVisible());

    QTest::keyClicks(dlg.edWord, "ball");
    EXPECT_TRUE(dlg.btSave->isEnabled());
    if (!dlg.cbAdd->isChecked())
        Click(dlg.cbAdd);
    Click(dlg.btSave);

    EXPECT_EQ(dlg.EditMode, weSelected);
    EXPECT_EQ(dlg.lbAll->Words(), TWordList({{"apple", 1}, {"ball", 0}}));
    EXPECT_EQ(SelectedTexts(dlg.lbAll), QStringList({"ball"}));
    EXPECT_EQ(dlg.lbNow->Words(), TWordList({{"ball", 0}}));
    EXPECT_EQ(dlg.lbNew->Words(), TWordList({{"apple", 1}}));
    EXPECT_FALSE(QFile::exists(SoundFileName(0)));
    EXPECT_TRUE(QFile::exists(SoundFileName(1)));
    EXPECT_EQ(dlg.CurrentSoundFile, Settings.SoundDir + "word0000.wav");
    EXPECT_TRUE(dlg.btRec->isVisible());
    EXPECT_TRUE(dlg.btRec->isEnabled());
    EXPECT_TRUE(dlg.btPlay->isVisible());
    EXPECT_FALSE(dlg.btPlay->isEnabled());
    EXPECT_EQ(dlg.btRec->Caption(), "Record");
    EXPECT_EQ(dlg.btPlay->Caption(), "Play");
    EXPECT_FALSE(dlg.edWord->isEnabled());
    EXPECT_EQ(dlg.edWord->text(), "ball");
    EXPECT_FALSE(dlg.btSave->isEnabled());
    EXPECT_FALSE(dlg.btSave->Default());

    // Unchecked, the next word goes to the new words.
    AddWord(dlg, "cat", false);
    EXPECT_EQ(dlg.lbNew->Words(), TWordList({{"apple", 1}, {"cat", 2}}));

    // Selecting a word with a sound enables Play.
    ClickRow(dlg.lbAll, 0);
    EXPECT_EQ(dlg.edWord->text(), "apple");
    EXPECT_TRUE(dlg.btPlay->isEnabled());

    Click(dlg.btOk);
    EXPECT_EQ(AllWords, TWordList({{"apple", 1}, {"ball", 0}, {"cat", 2}}));
    EXPECT_EQ(NowWords, TWordList({{"ball", 0}}));
    EXPECT_EQ(NewWords, TWordList({{"apple", 1}, {"cat", 2}}));
}

TEST_F(RecordPage, ArrowKeysInTheListChooseTheWordTheyReach)
{
    AllWords = NewWords = {{"apple", 1}, {"ball", 5}, {"cat", 7}};
    WriteAll(SoundFileName(5), "sound");
    TfmConfig dlg;
    Open(dlg);
    ClickRow(dlg.lbAll, 0);
    EXPECT_EQ(dlg.CurrentSound, 1);
    QTest::keyClick(dlg.lbAll, Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_EQ(dlg.EditMode, weSelected);
    EXPECT_EQ(dlg.CurrentSound, 5);
    EXPECT_EQ(dlg.edWord->text(), "ball");
    EXPECT_TRUE(dlg.btPlay->isEnabled());
    QTest::keyClick(dlg.lbAll, Qt::Key_End);
    QCoreApplication::processEvents();
    EXPECT_EQ(dlg.CurrentSound, 7);
    EXPECT_FALSE(dlg.btPlay->isEnabled());
    // After New a click on the word still selected chooses it again.
    Click(dlg.btNew);
    ASSERT_EQ(dlg.EditMode, weNew);
    ClickRow(dlg.lbAll, 2);
    EXPECT_EQ(dlg.EditMode, weSelected);
    EXPECT_EQ(dlg.CurrentSound, 7);
}

TEST_F(RecordPage, NewTakesTheLowestFreeNumber)
{
    TfmConfig dlg;
    Open(dlg);
    AddWord(dlg, "zero", false);
    EXPECT_EQ(dlg.CurrentSound, 0);
    for (const char *w : {"one", "two", "three", "four"})
        AddWord(dlg, w, false);
    // Number 3 is "three"; delete it and the next word gets 3.
    ClickRow(dlg.lbAll, RowOf(dlg.lbAll, {"three", 3}));
    Click(dlg.btDelete);
    EXPECT_EQ(dlg.EditMode, weIdle);
    EXPECT_EQ(RowOf(dlg.lbAll, {"three", 3}), -1);
    AddWord(dlg, "five", false);
    EXPECT_EQ(dlg.CurrentSound, 3);
    AddWord(dlg, "six", false);
    EXPECT_EQ(dlg.CurrentSound, 5);
    Click(dlg.btOk);
    TWordList expected = {{"five", 3}, {"four", 4}, {"one", 1}, {"six", 5}, {"two", 2}, {"zero", 0}};
    EXPECT_EQ(AllWords, expected);
    EXPECT_EQ(NewWords, expected);
}

TEST_F(RecordPage, NewDoesNothingWhenTheDatabaseHolds500Words)
{
    for (int i = 0; i < 500; ++i)
        AllWords.append({QStringLiteral("w%1").arg(i, 3, 10, QLatin1Char('0')), i});
    NewWords = AllWords;
    TfmConfig dlg;
    Open(dlg);
    Click(dlg.btNew);
    EXPECT_EQ(dlg.EditMode, weIdle);
    EXPECT_FALSE(dlg.edWord->isEnabled());
    EXPECT_EQ(dlg.btDelete->Caption(), "Delete");
    EXPECT_EQ(dlg.lbAll->count(), 500);

    // With one deleted, New works again and takes that number.
    ClickRow(dlg.lbAll, 123);
    Click(dlg.btDelete);
    Click(dlg.btNew);
    EXPECT_EQ(dlg.EditMode, weNew);
    EXPECT_EQ(dlg.CurrentSound, 123);
}

TEST_F(RecordPage, CancelDuringNewChangesNothing)
{
    AllWords = NewWords = {{"apple", 0}, {"ball", 2}};
    TfmConfig dlg;
    Open(dlg);
    Click(dlg.btNew);
    EXPECT_EQ(dlg.CurrentSound, 1);
    QTest::keyClicks(dlg.edWord, "cat");
    Click(dlg.btDelete);   // "Cancel"
    EXPECT_EQ(dlg.EditMode, weIdle);
    EXPECT_EQ(dlg.edWord->text(), "");
    EXPECT_EQ(dlg.btDelete->Caption(), "Delete");
    EXPECT_EQ(dlg.lbAll->Words(), TWordList({{"apple", 0}, {"ball", 2}}));
    EXPECT_EQ(dlg.lbNew->Words(), TWordList({{"apple", 0}, {"ball", 2}}));
    EXPECT_TRUE(dlg.lbNow->Words().isEmpty());
    EXPECT_FALSE(dlg.UsedSounds.testBit(1));
    // The number stays free.
    Click(dlg.btNew);
    EXPECT_EQ(dlg.CurrentSound, 1);
    Click(dlg.btDelete);
    Click(dlg.btOk);
    EXPECT_EQ(AllWords, TWordList({{"apple", 0}, {"ball", 2}}));
}

TEST_F(RecordPage, AWordThatIsBlankOrHoldsTheFieldSeparatorIsRefused)
{
    TfmConfig dlg;
    Open(dlg);
    MessageLog log;
    Click(dlg.btNew);
    QTest::keyClicks(dlg.edWord, "   ");
    ASSERT_TRUE(dlg.btSave->isEnabled());
    Click(dlg.btSave);
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_EQ(log.Texts[0], "Type the word before saving it.");
    EXPECT_EQ(dlg.EditMode, weNew);
    EXPECT_EQ(dlg.lbAll->count(), 0);

    dlg.edWord->clear();
    QTest::keyClicks(dlg.edWord, "ice;cream");
    Click(dlg.btSave);
    ASSERT_EQ(log.Texts.size(), 2);
    EXPECT_EQ(log.Texts[1], "A word cannot contain \";\" or a line break. Please change the word.");
    EXPECT_EQ(dlg.lbAll->count(), 0);
    EXPECT_FALSE(dlg.UsedSounds.testBit(0));

    dlg.edWord->setText("ice\ncream");
    Click(dlg.btSave);
    EXPECT_EQ(log.Texts.size(), 3);
    EXPECT_EQ(dlg.lbAll->count(), 0);
    // A carriage return alone would split the line in the file as well.
    dlg.edWord->setText("ice\rcream");
    Click(dlg.btSave);
    EXPECT_EQ(log.Texts.size(), 4);
    EXPECT_EQ(dlg.lbAll->count(), 0);

    // Enter still saves a good word: Save stayed the default button.
    dlg.edWord->clear();
    QTest::keyClicks(dlg.edWord, "ice cream");
    QTest::keyClick(dlg.edWord, Qt::Key_Return);
    EXPECT_EQ(dlg.lbAll->Words(), TWordList({{"ice cream", 0}}));
    // What was saved reads back as the one word it is.
    Click(dlg.btOk);
    SaveWordListAndSettings();
    ClearWordLists();
    LoadWordList();
    EXPECT_EQ(AllWords, TWordList({{"ice cream", 0}}));
}

TEST_F(RecordPage, DeleteRemovesThatWordFromEveryListAndKeepsItsSoundFile)
{
    // Two words of the same text: each list entry belongs to its own number.
    AllWords = {{"ball", 3}, {"ball", 8}, {"cat", 1}};
    NewWords = {{"ball", 3}};
    NowWords = {{"ball", 8}, {"cat", 1}};
    WriteAll(SoundFileName(8), "sound");
    TfmConfig dlg;
    Open(dlg);
    const int row = RowOf(dlg.lbAll, {"ball", 8});
    ASSERT_GE(row, 0);
    ClickRow(dlg.lbAll, row);
    EXPECT_EQ(dlg.CurrentSound, 8);
    Click(dlg.btDelete);
    EXPECT_EQ(dlg.lbAll->Words(), TWordList({{"ball", 3}, {"cat", 1}}));
    EXPECT_EQ(dlg.lbNew->Words(), TWordList({{"ball", 3}}));
    EXPECT_EQ(dlg.lbNow->Words(), TWordList({{"cat", 1}}));
    EXPECT_FALSE(dlg.UsedSounds.testBit(8));
    EXPECT_TRUE(dlg.UsedSounds.testBit(3));
    EXPECT_TRUE(QFile::exists(SoundFileName(8)));
    EXPECT_EQ(dlg.EditMode, weIdle);
    EXPECT_FALSE(dlg.btRec->isVisible());
    // The selection page counts what is left.
    ShowPage(dlg, 2);
    EXPECT_EQ(dlg.laNew->text(), "1");
    EXPECT_EQ(dlg.laNow->text(), "1");
}

TEST_F(RecordPage, ANewWordBeingTypedSurvivesKeysInTheListThatDoNotMoveItsSelection)
{
    TfmConfig dlg;
    Open(dlg);
    AddWord(dlg, "apple", false);
    Click(dlg.btNew);
    QTest::keyClicks(dlg.edWord, "ball");
    // Back to the list of all words the way a user does: Shift+Tab.
    for (int i = 0; i < 6 && QApplication::focusWidget() != dlg.lbAll; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), dlg.lbAll);
    for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_A})
        QTest::keyClick(dlg.lbAll, key);
    EXPECT_EQ(dlg.EditMode, weNew);
    EXPECT_EQ(dlg.edWord->text(), "ball");
    EXPECT_EQ(dlg.CurrentSound, 1);
    Click(dlg.btSave);
    EXPECT_EQ(dlg.lbAll->Words(), TWordList({{"apple", 0}, {"ball", 1}}));
}

TEST_F(RecordPage, CancelDeleteAndComingBackLeaveNoWordHighlighted)
{
    AllWords = NewWords = {{"apple", 0}, {"ball", 1}, {"cat", 2}};
    TfmConfig dlg;
    Open(dlg);
    auto nothingChosen = [&](const char *after) {
        EXPECT_EQ(dlg.EditMode, weIdle) << after;
        EXPECT_TRUE(dlg.lbAll->selectedItems().isEmpty()) << after;
        EXPECT_FALSE(dlg.btDelete->isEnabled()) << after;
        EXPECT_FALSE(dlg.btRec->isVisible()) << after;
        EXPECT_FALSE(dlg.edWord->isEnabled()) << after;
        EXPECT_TRUE(dlg.btNew->isEnabled()) << after;
        EXPECT_FALSE(dlg.btSave->isEnabled()) << after;
        EXPECT_FALSE(dlg.cbAdd->isVisible()) << after;
    };
    ClickRow(dlg.lbAll, 1);
    Click(dlg.btNew);
    QTest::keyClicks(dlg.edWord, "dog");
    Click(dlg.btDelete);   // "Cancel"
    nothingChosen("Cancel");
    ClickRow(dlg.lbAll, 0);
    Click(dlg.btDelete);   // apple, number 0, which the next new word takes
    nothingChosen("Delete");
    ClickRow(dlg.lbAll, 1);
    ShowPage(dlg, 2);
    ShowPage(dlg, 1);
    nothingChosen("coming back");
    // Space on the list then selects its current entry, and that chooses it.
    dlg.lbAll->setFocus();
    QTest::keyClick(dlg.lbAll, Qt::Key_Space);
    EXPECT_EQ(dlg.EditMode, weSelected);
    EXPECT_EQ(dlg.edWord->text(), "cat");
    Click(dlg.btNew);
    EXPECT_EQ(dlg.CurrentSound, 0);
}

// ---------------------------------------------------------------------------
// SPACE

TEST_F(RecordPage, SpaceInTheEditBoxTypesASpace)
{
    TfmConfig dlg;
    Open(dlg);
    Click(dlg.btNew);
    QTest::keyClicks(dlg.edWord, "ice");
    QTest::keyClick(dlg.edWord, Qt::Key_Space);
    QTest::keyClicks(dlg.edWord, "cream");
    EXPECT_EQ(dlg.edWord->text(), "ice cream");
    EXPECT_FALSE(dlg.Recording);
}

TEST_F(RecordPage, SpaceBeforeSaveRecordsNothingAndDoesNotReachTheFocusedControl)
{
    TfmConfig dlg;
    Open(dlg);
    Click(dlg.btNew);
    QTest::keyClicks(dlg.edWord, "ball");
    dlg.cbAdd->setFocus();
    const bool checked = dlg.cbAdd->isChecked();
    QTest::keyClick(dlg.cbAdd, Qt::Key_Space);
    EXPECT_FALSE(dlg.Recording);
    EXPECT_FALSE(QFile::exists(SoundFileName(0)));
    EXPECT_EQ(dlg.cbAdd->isChecked(), checked) << "the space went through to the check box";
    // On another page the space is the control's own.
    ShowPage(dlg, 0);
    dlg.cbBold->setFocus();
    const bool bold = dlg.cbBold->isChecked();
    QTest::keyClick(dlg.cbBold, Qt::Key_Space);
    EXPECT_NE(dlg.cbBold->isChecked(), bold);
}

// ---------------------------------------------------------------------------
// Recording and playing on the test sound server

TEST_F(RecordPage, TheDialogShowsWithoutAskingTheSoundSystemAndRecordFindsTheDevice)
{
    RequireServer();
    AllWords = NowWords = {{"ball", 0}};
    const uint64_t before = WaveDevOpenCount();
    TfmConfig dlg;
    Open(dlg);
    ClickRow(dlg.lbAll, 0);
    EXPECT_EQ(WaveDevOpenCount(), before) << "the sound server was asked before the dialog was up";
    Click(dlg.btRec);
    EXPECT_TRUE(dlg.Recording);
    EXPECT_GT(WaveDevOpenCount(), before);
    ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 4096; })) << SoundServerHint();
    // A stop asked while the capture worker is inside a block takes effect
    // when that block is done, a moment later on this thread.
    Click(dlg.btRec);
    EXPECT_TRUE(PumpUntil([&] { return !dlg.Recording; }));
    EXPECT_NE(dlg.WaveOut->ProductName(), QStringLiteral("No wave audio playing device found"));
}

TEST_F(RecordPage, RecordThenRecordAgainMakesOneRecordingOfTheElapsedTime)
{
    RequireServer();
    AllWords = NowWords = {{"ball", 0}};
    TfmConfig dlg;
    Open(dlg);
    ClickRow(dlg.lbAll, 0);
    ASSERT_FALSE(dlg.btPlay->isEnabled());
    StartTone();

    Click(dlg.btRec);
    EXPECT_TRUE(dlg.Recording);
    EXPECT_EQ(dlg.btRec->Caption(), "Stop");
    EXPECT_EQ(dlg.btRec->PictureUp()->Icon().cacheKey(), dlg.StopIcon.cacheKey());
    EXPECT_FALSE(dlg.btPlay->isEnabled()) << "Play while recording";
    EXPECT_TRUE(dlg.Led->isVisible());
    EXPECT_TRUE(dlg.Timer->Enabled());
    // The LED counts seconds with one decimal while recording.
    QStringList seen;
    const QRegularExpression shape(QStringLiteral("^ ?\\d+\\.\\d$"));
    PumpUntil([&] {
        if (seen.isEmpty() || seen.last() != dlg.Led->Caption())
            seen << dlg.Led->Caption();
        return dlg.WaveIn->RecordedBytes() >= 44100;
    });
    PumpFor(250);
    seen << dlg.Led->Caption();
    int64_t recorded = 0;
    dlg.WaveIn->OnStop = [&, inner = dlg.WaveIn->OnStop](TMMComponent *s) {
        recorded = dlg.WaveIn->RecordedBytes();
        inner(s);
    };
    Click(dlg.btRec);
    EXPECT_TRUE(PumpUntil([&] { return !dlg.Recording; }));
    EXPECT_EQ(dlg.WaveIn->DeviceState(), unsigned(dsClosed));
    EXPECT_EQ(dlg.btRec->Caption(), "Record");
    EXPECT_EQ(dlg.btRec->PictureUp()->Icon().cacheKey(), dlg.RecIcon.cacheKey());
    EXPECT_TRUE(dlg.btPlay->isEnabled());
    EXPECT_EQ(dlg.Led->Caption(), " 0.0");
    EXPECT_FALSE(dlg.Timer->Enabled());

    for (const QString &s : seen)
        EXPECT_TRUE(shape.match(s).hasMatch()) << s.toStdString();
    double last = -1;
    for (const QString &s : seen) {
        EXPECT_GE(s.toDouble(), last) << "the time went back";
        last = s.toDouble();
    }
    EXPECT_GE(last, 1.0);
    // One wave file with everything that was recorded, in whole frames.
    ASSERT_GE(recorded, 44100);
    EXPECT_EQ(WaveDataBytes(SoundFileName(0)), recorded);
}

TEST_F(RecordPage, SpaceTwiceOutsideTheEditBoxRecordsAndStops)
{
    RequireServer();
    AllWords = NowWords = {{"ball", 4}};
    TfmConfig dlg;
    Open(dlg);
    ClickRow(dlg.lbAll, 0);
    StartTone();
    dlg.lbAll->setFocus();
    QTest::keyClick(dlg.lbAll, Qt::Key_Space);
    EXPECT_TRUE(dlg.Recording);
    EXPECT_EQ(dlg.btRec->Caption(), "Stop");
    ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 22050; }));
    QTest::keyClick(dlg.lbAll, Qt::Key_Space);
    EXPECT_TRUE(PumpUntil([&] { return !dlg.Recording; }));
    EXPECT_EQ(dlg.btRec->Caption(), "Record");
    EXPECT_EQ(dlg.Led->Caption(), " 0.0");
    EXPECT_TRUE(dlg.btPlay->isEnabled());
    EXPECT_GE(WaveDataBytes(SoundFileName(4)), 22050);
    EXPECT_EQ(SelectedTexts(dlg.lbAll), QStringList({"ball"})) << "the list box took the space";
}

TEST_F(RecordPage, PlayPlaysToTheEndWithStopOnTheButtonMeanwhile)
{
    RequireServer();
    AllWords = NowWords = {{"ball", 2}};
    WriteWave(SoundFileName(2), Tone(440, 22050, 22050 * 3 / 4));   // three quarters of a second
    TfmConfig dlg;
    Open(dlg);
    ClickRow(dlg.lbAll, 0);
    ASSERT_TRUE(dlg.btPlay->isEnabled());
    Click(dlg.btPlay);
    EXPECT_TRUE(dlg.Playing);
    EXPECT_EQ(dlg.btPlay->Caption(), "Stop");
    EXPECT_EQ(dlg.btPlay->PictureUp()->Icon().cacheKey(), dlg.StopIcon.cacheKey());
    EXPECT_FALSE(dlg.btRec->isEnabled()) << "Record while playing";
    // SPACE does nothing while playing.
    dlg.lbAll->setFocus();
    QTest::keyClick(dlg.lbAll, Qt::Key_Space);
    EXPECT_FALSE(dlg.Recording);
    ASSERT_TRUE(PumpUntil([&] { return !dlg.Playing; }));
    EXPECT_EQ(dlg.btPlay->Caption(), "Play");
    EXPECT_EQ(dlg.btPlay->PictureUp()->Icon().cacheKey(), dlg.PlayIcon.cacheKey());
    EXPECT_TRUE(dlg.btRec->isEnabled());
    EXPECT_TRUE(dlg.btPlay->isEnabled());
    EXPECT_EQ(dlg.WaveOut->DeviceState(), unsigned(dsClosed));
    EXPECT_EQ(dlg.Led->Caption(), " 0.0");

    // Stop in the middle.
    Click(dlg.btPlay);
    ASSERT_TRUE(dlg.Playing);
    Click(dlg.btPlay);
    EXPECT_FALSE(dlg.Playing);
    EXPECT_EQ(dlg.btPlay->Caption(), "Play");
}

TEST_F(RecordPage, LeavingThePageWhileRecordingStopsItAndKeepsTheFile)
{
    RequireServer();
    AllWords = NowWords = {{"ball", 0}};
    for (int target : {0, 2}) {
        TfmConfig dlg;
        Open(dlg);
        ClickRow(dlg.lbAll, 0);
        Click(dlg.btRec);
        ASSERT_TRUE(dlg.Recording);
        ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 8192; }));
        ShowPage(dlg, target);
        EXPECT_TRUE(PumpUntil([&] { return !dlg.Recording; })) << "page " << target;
        EXPECT_EQ(dlg.WaveIn->DeviceState(), unsigned(dsClosed));
        EXPECT_GE(WaveDataBytes(SoundFileName(0)), 8192);
        // Back on the page nothing is chosen.
        ShowPage(dlg, 1);
        EXPECT_EQ(dlg.EditMode, weIdle);
        EXPECT_FALSE(dlg.btRec->isVisible());
    }
}

TEST_F(RecordPage, ChoosingAnotherWordOrDeletingStopsTheDeviceFirst)
{
    RequireServer();
    AllWords = NowWords = {{"ball", 0}, {"cat", 1}};
    WriteWave(SoundFileName(1), Tone(440, 22050, 22050 * 4));
    TfmConfig dlg;
    Open(dlg);
    ClickRow(dlg.lbAll, 0);
    Click(dlg.btRec);
    ASSERT_TRUE(dlg.Recording);
    ClickRow(dlg.lbAll, 1);
    EXPECT_TRUE(PumpUntil([&] { return !dlg.Recording; }));
    EXPECT_EQ(dlg.CurrentSound, 1);
    EXPECT_TRUE(dlg.btPlay->isEnabled());
    EXPECT_GT(WaveDataBytes(SoundFileName(0)), 0) << "the stopped recording is a wave file";

    Click(dlg.btPlay);
    ASSERT_TRUE(dlg.Playing);
    Click(dlg.btDelete);
    EXPECT_FALSE(dlg.Playing);
    EXPECT_EQ(dlg.WaveOut->DeviceState(), unsigned(dsClosed));
    EXPECT_EQ(dlg.EditMode, weIdle);
    EXPECT_FALSE(dlg.btPlay->isVisible());
}

TEST_F(RecordPage, ARecordingThatCannotStartLeavesThePageUsable)
{
    RequireServer();
    AllWords = NowWords = {{"ball", 0}};
    TfmConfig dlg;
    Open(dlg);
    ClickRow(dlg.lbAll, 0);
    // No sound folder: the recording file cannot be created.
    ASSERT_TRUE(QDir(Settings.SoundDir).removeRecursively());
    MessageLog log;
    Click(dlg.btRec);
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_EQ(log.Texts[0], "Unable to create wave file");
    EXPECT_FALSE(dlg.Recording);
    EXPECT_EQ(dlg.WaveIn->DeviceState(), unsigned(dsClosed));
    EXPECT_EQ(dlg.btRec->Caption(), "Record");
    EXPECT_TRUE(dlg.btRec->isEnabled());
    EXPECT_FALSE(dlg.btPlay->isEnabled());

    // With the folder back the same button records.
    QDir().mkpath(Settings.SoundDir);
    Click(dlg.btRec);
    EXPECT_TRUE(dlg.Recording);
    ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 4096; }));
    Click(dlg.btRec);
    EXPECT_TRUE(PumpUntil([&] { return !dlg.Recording; }));
    EXPECT_TRUE(dlg.btPlay->isEnabled());
    EXPECT_EQ(log.Texts.size(), 1);
}

TEST_F(RecordPage, EnterRightAfterSaveRecordsTheWordInsteadOfClosingTheDialog)
{
    RequireServer();
    TfmConfig dlg;
    Open(dlg);
    Click(dlg.btNew);
    QTest::keyClicks(dlg.edWord, "ball");
    QTest::keyClick(dlg.edWord, Qt::Key_Return);   // Save
    ASSERT_EQ(dlg.lbAll->Words(), TWordList({{"ball", 0}}));
    EXPECT_EQ(QApplication::focusWidget(), dlg.btRec);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_NE(dlg.result(), int(QDialog::Accepted));
    EXPECT_TRUE(dlg.Recording);
    Click(dlg.btRec);
    EXPECT_TRUE(PumpUntil([&] { return !dlg.Recording; }));
    EXPECT_GE(WaveDataBytes(SoundFileName(0)), 0);
}

TEST_F(RecordPage, AStopThatFailsGivesRecordAndPlayBack)
{
    RequireServer();
    AllWords = NowWords = {{"ball", 0}};
    TfmConfig dlg;
    Open(dlg);
    ClickRow(dlg.lbAll, 0);
    // The device's stop fails once, the way a sound server that went away does.
    auto failOnce = [](TMMCustomWaveDevice *device) {
        device->OnStop = [failed = false, inner = device->OnStop](TMMComponent *s) mutable {
            if (!std::exchange(failed, true))
                throw Exception(QStringLiteral("the device is gone"));
            inner(s);
        };
    };
    MessageLog log;
    failOnce(dlg.WaveIn);
    Click(dlg.btRec);
    ASSERT_TRUE(dlg.Recording);
    ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 4096; }));
    Click(dlg.btRec);
    EXPECT_EQ(log.Texts, QStringList({"the device is gone"}));
    EXPECT_FALSE(dlg.Recording);
    EXPECT_EQ(dlg.btRec->Caption(), "Record");
    EXPECT_TRUE(dlg.btRec->isEnabled());
    EXPECT_TRUE(dlg.btPlay->isEnabled());
    EXPECT_EQ(dlg.WaveIn->DeviceState(), unsigned(dsClosed));
    EXPECT_FALSE(dlg.Timer->Enabled());
    EXPECT_EQ(dlg.Led->Caption(), " 0.0");

    failOnce(dlg.WaveOut);
    Click(dlg.btPlay);
    ASSERT_TRUE(dlg.Playing);
    Click(dlg.btPlay);
    EXPECT_EQ(log.Texts.size(), 2);
    EXPECT_FALSE(dlg.Playing);
    EXPECT_EQ(dlg.btPlay->Caption(), "Play");
    EXPECT_TRUE(dlg.btRec->isEnabled());
    EXPECT_EQ(dlg.WaveOut->DeviceState(), unsigned(dsClosed));
    // Both buttons work again.
    Click(dlg.btRec);
    EXPECT_TRUE(dlg.Recording);
    Click(dlg.btRec);
    EXPECT_TRUE(PumpUntil([&] { return !dlg.Recording; }));
    EXPECT_EQ(log.Texts.size(), 2);
}

TEST_F(RecordPage, AHeldDownSpaceStartsOneRecordingAndTheNextPressStopsIt)
{
    RequireServer();
    AllWords = NowWords = {{"ball", 0}};
    TfmConfig dlg;
    Open(dlg);
    ClickRow(dlg.lbAll, 0);
    // On the Record button, which would click on a space that reached it.
    dlg.btRec->setFocus();
    auto send = [&](QEvent::Type type, bool repeat) {
        QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
        QCoreApplication::sendEvent(dlg.btRec, &e);
    };
    send(QEvent::KeyPress, false);
    ASSERT_TRUE(dlg.Recording);
    // Held down: the window system repeats release and press.
    for (int i = 0; i < 5; ++i) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    send(QEvent::KeyRelease, false);
    EXPECT_TRUE(dlg.Recording);
    EXPECT_EQ(dlg.btRec->Caption(), "Stop");
    send(QEvent::KeyPress, false);
    EXPECT_TRUE(PumpUntil([&] { return !dlg.Recording; }));
    for (int i = 0; i < 5; ++i) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    send(QEvent::KeyRelease, false);
    EXPECT_FALSE(dlg.Recording);
    EXPECT_EQ(dlg.btRec->Caption(), "Record");
}

TEST_F(RecordPage, ARecordThatOpensButFailsToStartKeepsTheWordsEarlierRecording)
{
    RequireServer();
    AllWords = NowWords = {{"ball", 0}};
    WriteWave(SoundFileName(0), Tone(440, 22050, 11025));
    const QByteArray earlier = ReadAll(SoundFileName(0));
    TfmConfig dlg;
    Open(dlg);
    ClickRow(dlg.lbAll, 0);
    // The device opens (the chain makes the new take) and then fails to
    // start: nothing it may have captured meanwhile counts.
    dlg.WaveIn->OnBufferReady = [](TMMComponent *, PWaveHdr h) { h->dwBytesRecorded = 0; };
    dlg.WaveIn->OnStart = [](TMMComponent *) { throw EMMWaveInError(QStringLiteral("Unable to start device")); };
    MessageLog log;
    Click(dlg.btRec);
    ASSERT_FALSE(log.Texts.isEmpty());
    EXPECT_EQ(log.Texts.last(), "Unable to start device");
    EXPECT_FALSE(dlg.Recording);
    EXPECT_EQ(dlg.WaveIn->DeviceState(), unsigned(dsClosed));
    EXPECT_EQ(ReadAll(SoundFileName(0)), earlier) << "the failed Record replaced the earlier recording";
    EXPECT_FALSE(QFile::exists(WaveTakeName(SoundFileName(0))));
    EXPECT_TRUE(dlg.btPlay->isEnabled());
}

TEST_F(RecordPage, AFullDiskEndsTheRecordingWithAMessageAndAValidFile)
{
    RequireServer();
    // A small volume of its own for the sound folder.
    const TSmallVolume volume("200k");
    if (!volume.Mounted())
        GTEST_SKIP() << "cannot mount a 200 KB tmpfs here (needs root): the full-disk case is not run";
    Settings.SoundDir = volume.Folder();
    // Evening a take on a full disk fails too; the message says why the
    // recording stopped, and that alone.
    Settings.SoundEven = true;
    AllWords = NowWords = {{"ball", 0}};
    TfmConfig dlg;
    Open(dlg);
    ClickRow(dlg.lbAll, 0);
    StartTone();
    MessageLog log;
    Click(dlg.btRec);
    ASSERT_TRUE(dlg.Recording);
    // 200 KB hold about four seconds at 44100 bytes a second.
    ASSERT_TRUE(PumpUntil([&] { return !dlg.Recording; }, 20000)) << "the recording did not end by itself";
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_EQ(log.Texts[0],
              "The recording stopped because " + SoundFileName(0)
                  + " could not be written: the disk may be full. The sound recorded up to that moment is kept.");
    EXPECT_EQ(dlg.WaveIn->DeviceState(), unsigned(dsClosed));
    EXPECT_EQ(dlg.btRec->Caption(), "Record");
    EXPECT_TRUE(dlg.btPlay->isEnabled());
    const int64_t bytes = WaveDataBytes(SoundFileName(0));
    EXPECT_GT(bytes, 44100);
    EXPECT_LT(bytes, 200 * 1024);
    EXPECT_EQ(bytes % 2, 0) << "whole stereo frames";
    // The header tells the truth: its data size is what the file holds.
    const QByteArray file = ReadAll(SoundFileName(0));
    const int at = file.indexOf("data");
    ASSERT_GT(at, 0);
    uint32_t declared = 0;
    memcpy(&declared, file.constData() + at + 4, 4);
    EXPECT_EQ(int64_t(declared), bytes);
    EXPECT_GE(file.size(), at + 8 + int64_t(declared));

    // Recording the word again replaces the file, fills the volume again and
    // is cut short with its own message.
    Click(dlg.btRec);
    ASSERT_TRUE(dlg.Recording);
    ASSERT_TRUE(PumpUntil([&] { return !dlg.Recording; }, 20000)) << "the second recording did not end by itself";
    ASSERT_EQ(log.Texts.size(), 2);
    EXPECT_EQ(log.Texts[1], log.Texts[0]);
    EXPECT_GT(WaveDataBytes(SoundFileName(0)), 44100);
    EXPECT_EQ(dlg.btRec->Caption(), "Record");
}

TEST_F(RecordPage, LosingTheSoundServerEndsRecordingAndPlayingWithOneMessageEach)
{
    RequireServer();
    AllWords = NowWords = {{"ball", 0}};
    TfmConfig dlg;
    Open(dlg);
    ClickRow(dlg.lbAll, 0);
    StartTone();
    // Stands in for the sound server going away: from the moment it is set,
    // every read (while recording) or write (while playing) fails as the
    // server's ALSA plugin fails then.
    std::atomic<bool> lost{false};
    std::atomic<TAlsaCall> failing{TAlsaCall::Read};
    SetWaveDevFaultHook([&](TWaveDirection, TAlsaCall call) { return lost && call == failing ? -EIO : 0; });
    struct Unhook {
        ~Unhook() { SetWaveDevFaultHook(nullptr); }
    } unhook;
    const QString lostText = QStringLiteral(
        "The sound device stopped working: it was unplugged, or the sound system was stopped.");

    MessageLog log;
    int64_t recorded = -1;
    dlg.WaveIn->OnStop = [&, inner = dlg.WaveIn->OnStop](TMMComponent *s) {
        recorded = dlg.WaveIn->RecordedBytes();
        inner(s);
    };
    Click(dlg.btRec);
    ASSERT_TRUE(dlg.Recording);
    EXPECT_EQ(dlg.btRec->Caption(), "Stop");
    ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 3 * 4096; }));
    lost = true;
    ASSERT_TRUE(PumpUntil([&] { return !dlg.Recording; })) << "the page still records";
    PumpFor(300);
    EXPECT_EQ(log.Texts, QStringList{"WaveIn:\n\r" + lostText});
    EXPECT_EQ(dlg.WaveIn->DeviceState(), unsigned(dsClosed));
    EXPECT_EQ(dlg.btRec->Caption(), "Record");
    EXPECT_TRUE(dlg.btRec->isEnabled());
    EXPECT_TRUE(dlg.btPlay->isEnabled());
    EXPECT_FALSE(dlg.Timer->Enabled());
    // What was recorded before the loss is a wave file of its own.
    EXPECT_GE(recorded, 3 * 4096);
    EXPECT_EQ(WaveDataBytes(SoundFileName(0)), recorded);

    // Playing it while the server is gone again.
    lost = false;
    failing = TAlsaCall::Write;
    int played = 0;
    dlg.WaveOut->OnBufferReady = [&](TMMComponent *, PWaveHdr) {
        if (++played == 1)
            lost = true;
    };
    Click(dlg.btPlay);
    ASSERT_TRUE(dlg.Playing);
    EXPECT_EQ(dlg.btPlay->Caption(), "Stop");
    ASSERT_TRUE(PumpUntil([&] { return !dlg.Playing; })) << "the page still plays";
    PumpFor(300);
    EXPECT_EQ(log.Texts, (QStringList{"WaveIn:\n\r" + lostText, "WaveOut:\n\r" + lostText}));
    EXPECT_EQ(dlg.WaveOut->DeviceState(), unsigned(dsClosed));
    EXPECT_EQ(dlg.btPlay->Caption(), "Play");
    EXPECT_TRUE(dlg.btRec->isEnabled());
    EXPECT_TRUE(dlg.btPlay->isEnabled());

    // With the server back the same button records again.
    lost = false;
    Click(dlg.btRec);
    ASSERT_TRUE(dlg.Recording);
    ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 4096; }));
    Click(dlg.btRec);
    EXPECT_TRUE(PumpUntil([&] { return !dlg.Recording; }));
    EXPECT_EQ(log.Texts.size(), 2);
}

TEST_F(RecordPage, ARecordingGoesWithItsWordToAFreshNumberOnlyWhileItIsStillOurs)
{
    RequireServer();
    for (const bool theirsRecordedLast : {false, true}) {
        SCOPED_TRACE(theirsRecordedLast ? "the other copy recorded last" : "this dialog recorded last");
        for (int n : {1, 2, 3})
            QFile::remove(SoundFileName(n));
        ClearWordLists();
        WriteAll(File("lumword.lst"), "2;ball;0\r\n");
        LoadWordList();
        TfmConfig dlg;
        Open(dlg);
        AddWord(dlg, "bee", false);
        ASSERT_EQ(dlg.CurrentSound, 1);
        Click(dlg.btRec);
        ASSERT_TRUE(dlg.Recording);
        ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 8192; }));
        Click(dlg.btRec);
        ASSERT_FALSE(dlg.Recording);
        const QByteArray ours = ReadAll(SoundFileName(1));
        ASSERT_FALSE(ours.isEmpty());
        // The other copy saves two new words of its own, the first under number 1.
        WriteAll(File("lumword.lst"), "1;ant;1\r\n1;cat;2\r\n2;ball;0\r\n");
        WriteAll(SoundFileName(2), "cat's recording");
        if (theirsRecordedLast)
            WriteAll(SoundFileName(1), "ant's recording");
        MessageLog log;
        Click(dlg.btOk);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.lbNew->Words(), TWordList({{"ant", 1}, {"bee", 3}, {"cat", 2}}));
        EXPECT_EQ(ReadAll(SoundFileName(2)), QByteArray("cat's recording"));
        if (theirsRecordedLast) {
            EXPECT_EQ(ReadAll(SoundFileName(1)), QByteArray("ant's recording"));
            EXPECT_FALSE(QFileInfo::exists(SoundFileName(3)));
        } else {
            EXPECT_EQ(ReadAll(SoundFileName(3)), ours);
            EXPECT_FALSE(QFileInfo::exists(SoundFileName(1)));
        }
        ASSERT_EQ(log.Texts.size(), 1);
        EXPECT_TRUE(log.Texts[0].contains(theirsRecordedLast ? "\"bee\" now has sound number 3 and no recording"
                                                             : "\"bee\" now has sound number 3 and keeps its recording"))
            << log.Texts[0].toStdString();
    }
}

TEST_F(RecordPage, SaveLeavesTheFilesOfANumberAnotherCopyGaveOutMeanwhile)
{
    QDir().mkpath(QFileInfo(OriginalSoundName(SoundFileName(0))).path());
    // The dialog opens on a list of ball alone, under number 1.
    auto ballAlone = [this] {
        ClearWordLists();
        WriteAll(File("lumword.lst"), "2;ball;1\r\n");
        LoadWordList();
    };
    ballAlone();
    {
        TfmConfig dlg;
        Open(dlg);
        // Meanwhile another copy saves "ant" under number 0 and records it; a
        // deleted word's leftover lies at number 2.
        WriteAll(File("lumword.lst"), "1;ant;0\r\n2;ball;1\r\n");
        WriteAll(SoundFileName(0), "ant's recording");
        WriteAll(OriginalSoundName(SoundFileName(0)), "ant's take");
        WriteAll(SoundFileName(2), "a deleted word's leftover");
        AddWord(dlg, "bee", false);
        EXPECT_EQ(dlg.lbNew->Words(), TWordList({{"bee", 3}})) << "0 is theirs, 1 ball's, 2 has a file";
        EXPECT_EQ(ReadAll(SoundFileName(0)), QByteArray("ant's recording"));
        EXPECT_EQ(ReadAll(OriginalSoundName(SoundFileName(0))), QByteArray("ant's take"));
        EXPECT_EQ(ReadAll(SoundFileName(2)), QByteArray("a deleted word's leftover"));
        MessageLog log;
        Click(dlg.btOk);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_TRUE(log.Texts.isEmpty()) << log.Texts.join('|').toStdString();
        EXPECT_EQ(NewWords, TWordList({{"ant", 0}, {"bee", 3}}));
    }
    {
        // Nobody else saved: a word deleted here leaves its number, and its
        // leftover goes with the next word saved.
        SaveWordListAndSettings();
        TfmConfig dlg;
        Open(dlg);
        ClickRow(dlg.lbAll, RowOf(dlg.lbAll, {"ant", 0}));
        Click(dlg.btDelete);
        AddWord(dlg, "cow", false);
        EXPECT_TRUE(dlg.lbNew->Words().contains(TWordEntry{"cow", 0}));
        EXPECT_FALSE(QFileInfo::exists(SoundFileName(0)));
        EXPECT_FALSE(QFileInfo::exists(OriginalSoundName(SoundFileName(0))));
        Click(dlg.btCancel);
    }
    {
        // A list on disk that cannot be read tells nothing of what is free:
        // only a number without files is given out.
        ballAlone();
        TfmConfig dlg;
        Open(dlg);
        ASSERT_TRUE(QFile::remove(File("lumword.lst")));
        ASSERT_TRUE(QDir().mkdir(File("lumword.lst")));
        WriteAll(SoundFileName(0), "someone's recording");
        AddWord(dlg, "dog", false);
        EXPECT_EQ(dlg.lbNew->Words(), TWordList({{"dog", 3}}));
        EXPECT_EQ(ReadAll(SoundFileName(0)), QByteArray("someone's recording"));
        QFile::remove(SoundFileName(0));
        AddWord(dlg, "elk", false);
        EXPECT_TRUE(dlg.lbNew->Words().contains(TWordEntry{"elk", 0}));
        Click(dlg.btCancel);
        ASSERT_TRUE(QDir().rmdir(File("lumword.lst")));
    }
    {
        // Every other number has something on disk: the word is not saved.
        ballAlone();
        TfmConfig dlg;
        Open(dlg);
        WriteAll(File("lumword.lst"), "1;ant;0\r\n2;ball;1\r\n");
        WriteAll(SoundFileName(0), "ant's recording");
        for (int n = 2; n < 500; ++n)
            WriteAll(SoundFileName(n), "x");
        MessageLog log;
        AddWord(dlg, "fox", false);
        EXPECT_EQ(log.Texts, QStringList({"There is no free sound number left for another word."}));
        EXPECT_TRUE(dlg.lbNew->Words().isEmpty());
        EXPECT_EQ(ReadAll(SoundFileName(0)), QByteArray("ant's recording"));
        Click(dlg.btCancel);
    }
}
