// Evening out on the recording page: the switch and its place in the
// settings file, Record/Stop evening the take (and saying when nothing was
// heard), Play playing the evened sound, Even out all with its progress and a
// Cancel clicked at every file, a full disk, files that are no recordings,
// and Undo putting every take back.
#include "ConfigTestSupport.h"

#include "audio/MMEvenOut.h"
#include "audio/MMWave.h"
#include "audio/MMWaveIO.h"
#include "platform/AtomicFile.h"
#include "platform/Event.h"
#include "sound/playsound.h"
#include "sound/wavedev.h"
#include "support/MessageLog.h"
#include "support/WaveFiles.h"
#include "widgets/oxBtns.h"
#include "support/Pump.h"
#include "support/SmallVolume.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

#include <thread>


using namespace cfgtest;

namespace {

// Words a0, a1, ... with sound numbers 0, 1, ... (their list order).
constexpr int TakeCount = 4;
const QByteArray &TakeOfWord(int n)
{
    static const QByteArray takes[TakeCount] = {
        Take(TTakeSound::Tone, -8, 300, 500, 400), Take(TTakeSound::Noise, -38, 600, 400, 200),
        Take(TTakeSound::Tone, -38, 100, 700, 900), Take(TTakeSound::Noise, -8, 0, 600, 50)};
    return takes[n];
}

// Runs `ui` on the user-interface thread and waits there for it (5 s at
// most): a file step hook runs on the dialog's worker, and the dialog's
// widgets are the user-interface thread's alone.
void OnUiThread(const std::function<void()> &ui)
{
    auto ran = std::make_shared<TEvent>(true);
    QMetaObject::invokeMethod(qApp, [ui, ran] { ui(); ran->SetEvent(); }, Qt::QueuedConnection);
    ran->WaitFor(5000);
}

// Holds the dialog's file worker before `file` until Release is set (5 s at
// most), as a disk that takes long over that file would. The events are
// shared with the hook, so a worker let go by the dialog can still leave it.
struct THold {
    std::shared_ptr<TEvent> Held = std::make_shared<TEvent>(true), Release = std::make_shared<TEvent>(true);
    explicit THold(const QString &file)
    {
        SetFileJobHook([held = Held, release = Release, file](const QString &at) {
            if (at == file) {
                held->SetEvent();
                release->WaitFor(5000);
            }
        });
    }
};

class EvenOutPage : public ConfigFolder {
protected:
    void SetUp() override
    {
        ConfigFolder::SetUp();
        Images({"confetti.jpg"});
        LoadSettings();
        // A word without a sound file is spoken; these tests are about files.
        Settings.Speak = false;
        QDir().mkpath(Settings.SoundDir);
    }
    void TearDown() override
    {
        SetFileStepHook({});
        SetFileJobHook({});
        StopSound();
        WaitPlaySoundIdle(5000);
        ConfigFolder::TearDown();
    }
    void Open(TfmConfig &dlg)
    {
        Show(dlg);
        ShowPage(dlg, 1);
        ASSERT_EQ(dlg.Pages->currentWidget(), dlg.tsRecord);
    }
    // The four recorded words, as captured.
    void RecordedWords()
    {
        QDir(Settings.SoundDir + "original").removeRecursively();
        AllWords.clear();
        for (int n = 0; n < TakeCount; ++n) {
            AllWords << TWordEntry{QStringLiteral("a%1").arg(n), n};
            WriteWave(SoundFileName(n), TakeOfWord(n));
            captured[n] = ReadAll(SoundFileName(n));
        }
        NowWords = AllWords;
    }
    bool Evened(int n) const
    {
        return ReadAll(SoundFileName(n)) != captured[n]
               && std::abs(MeasureLoudness(WaveSamples(SoundFileName(n))).Lufs - EvenTargetLufs) <= 1.0
               && ReadAll(OriginalSoundName(SoundFileName(n))) == captured[n];
    }
    QByteArray captured[TakeCount];
};

} // namespace

TEST_F(EvenOutPage, ControlsSitOnThePageWithTheirHintsHelpAndNames)
{
    TfmConfig dlg;
    struct Row {
        QWidget *w;
        QRect at;
        const char *hint;
        int help;
        const char *name;
    } rows[] = {
        {dlg.cbEven, {228, 226, 225, 17},
         "Check to trim the silence around each new recording and bring it to the same loudness as the other words",
         701, "Even out the volume"},
        {dlg.btEvenAll, {222, 248, 90, 26}, "Even out the volume of every recorded word", 702, "Even out all"},
        {dlg.btUndo, {388, 248, 73, 26}, "Put back every recording as it was recorded", 703, "Undo evening out"},
        {dlg.pbEven, {228, 198, 150, 22}, "", 704, "Recordings done"},
        {dlg.btEvenCancel, {386, 196, 75, 25}, "Stop here; the words done so far keep their new sound", 704,
         "Cancel evening out"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.w->parentWidget(), dlg.tsRecord);
        EXPECT_EQ(r.w->geometry(), r.at);
        EXPECT_EQ(r.w->toolTip(), QString::fromLatin1(r.hint));
        EXPECT_EQ(r.w->property("HelpContext").toInt(), r.help);
        EXPECT_EQ(r.w->accessibleName(), QString::fromLatin1(r.name));
        EXPECT_TRUE(r.w->geometry().bottom() < dlg.tsRecord->height()) << "inside the page";
    }
    EXPECT_EQ(dlg.cbEven->text(), "Even out the volume");
    EXPECT_EQ(dlg.btEvenAll->Caption(), "Even out all");
    EXPECT_EQ(dlg.btUndo->Caption(), "Undo");
    EXPECT_EQ(dlg.btEvenCancel->Caption(), "Cancel");
    EXPECT_TRUE(dlg.cbEven->isChecked()) << "on by default";
    EXPECT_FALSE(dlg.pbEven->isVisibleTo(dlg.tsRecord));
    EXPECT_FALSE(dlg.btEvenCancel->isVisibleTo(dlg.tsRecord));
}

TEST_F(EvenOutPage, TheSwitchIsEvenUnderSoundInTheSettingsFileAndLeavesTheOtherKeys)
{
    Load("[Main]\nSize=50\n[Sound]\nEven=0\n[Later]\nKey=kept\n");
    for (const bool expected : {true, false}) {
        TfmConfig dlg;
        Open(dlg);
        EXPECT_EQ(dlg.cbEven->isChecked(), !expected);
        Click(dlg.cbEven);
        Click(dlg.btOk);
        EXPECT_EQ(Settings.SoundEven, expected);
        SaveSettings();
        const QByteArray ini = ReadAll(File("lumword.INI"));
        EXPECT_TRUE(ini.contains(expected ? "[Sound]\nEven=1\n" : "[Sound]\nEven=0\n")) << ini.constData();
        EXPECT_TRUE(ini.contains("Size=50\n"));
        EXPECT_TRUE(ini.contains("[Later]\nKey=kept\n"));
        LoadSettings();
    }
}

TEST_F(EvenOutPage, EvenOutAllStopsAtTheFileWhereCancelIsClickedAndUndoPutsEveryTakeBack)
{
    for (int cancelAt = 0; cancelAt < TakeCount; ++cancelAt) {
        SCOPED_TRACE(testing::Message() << "Cancel at word " << cancelAt);
        RecordedWords();
        MessageLog log;
        TfmConfig dlg;
        Open(dlg);
        ClickRow(dlg.lbAll, 0);
        ASSERT_TRUE(dlg.laRecord->isVisible());
        bool shownWhileRunning = false;
        int doneWhenCancelled = -1;
        SetFileStepHook([&](TFileStep step, const QString &path) {
            if (step == TFileStep::Rename && path == SoundFileName(cancelAt))
                OnUiThread([&] {
                    shownWhileRunning = dlg.pbEven->isVisible() && dlg.btEvenCancel->isVisible()
                                        && !dlg.laRecord->isVisible() && !dlg.btOk->isEnabled();
                    doneWhenCancelled = dlg.pbEven->value();
                    Click(dlg.btEvenCancel);
                });
            return true;
        });
        Click(dlg.btEvenAll);
        ASSERT_TRUE(WaitForControls(dlg));
        SetFileStepHook({});
        EXPECT_TRUE(shownWhileRunning);
        EXPECT_EQ(doneWhenCancelled, cancelAt);
        EXPECT_EQ(dlg.pbEven->maximum(), TakeCount);
        for (int n = 0; n < TakeCount; ++n) {
            if (n <= cancelAt)
                EXPECT_TRUE(Evened(n)) << n;
            else
                EXPECT_EQ(ReadAll(SoundFileName(n)), captured[n]) << n;
        }
        EXPECT_FALSE(dlg.pbEven->isVisible());
        EXPECT_FALSE(dlg.btEvenCancel->isVisible());
        EXPECT_TRUE(dlg.laRecord->isVisible());
        EXPECT_TRUE(dlg.btEvenAll->isEnabled());
        EXPECT_TRUE(dlg.btOk->isEnabled());
        EXPECT_TRUE(log.Texts.isEmpty()) << log.Texts.join('\n').toStdString();

        // Undo puts back what was evened; a second Even out all evens all.
        Click(dlg.btUndo);
        ASSERT_TRUE(WaitForControls(dlg));
        for (int n = 0; n < TakeCount; ++n)
            EXPECT_EQ(ReadAll(SoundFileName(n)), captured[n]) << n;
        Click(dlg.btEvenAll);
        ASSERT_TRUE(WaitForControls(dlg));
        for (int n = 0; n < TakeCount; ++n)
            EXPECT_TRUE(Evened(n)) << n;
    }
}

TEST_F(EvenOutPage, CancelIsTakenAtOnceWhileAFileTakesLongAndNoFurtherFileIsTouched)
{
    RecordedWords();
    // In list order a0, a00, a1, a2, a3, b4; a00 and b4 cannot be read.
    AllWords << TWordEntry{"a00", 5} << TWordEntry{"b4", 4};
    WriteAll(SoundFileName(5), "junk");
    WriteAll(SoundFileName(4), "junk");
    MessageLog log;
    TfmConfig dlg;
    Open(dlg);
    const THold hold(SoundFileName(1));
    Click(dlg.btEvenAll);
    ASSERT_TRUE(PumpUntil([&] { return hold.Held->IsSet() && dlg.pbEven->value() == 2; }));
    EXPECT_EQ(QApplication::focusWidget(), dlg.btEvenCancel) << "keys reach Cancel only";

    QElapsedTimer answered;
    answered.start();
    bool looped = false;
    QTimer::singleShot(0, &dlg, [&] { looped = true; });
    Click(dlg.btEvenCancel);
    EXPECT_FALSE(dlg.btEvenCancel->isEnabled()) << "the cancel is shown as taken";
    EXPECT_TRUE(PumpUntil([&] { return looped; }, 100));
    EXPECT_LT(answered.elapsed(), 100);
    // The file in hand is still going: the controls wait for it, and so
    // does the window system's close.
    EXPECT_FALSE(dlg.btOk->isEnabled());
    EXPECT_TRUE(dlg.pbEven->isVisible());
    EXPECT_FALSE(dlg.close());
    EXPECT_TRUE(dlg.isVisible());

    hold.Release->SetEvent();
    ASSERT_TRUE(WaitForControls(dlg));
    EXPECT_TRUE(Evened(0));
    EXPECT_TRUE(Evened(1)) << "the file in hand is finished";
    for (int n : {2, 3}) {
        EXPECT_EQ(ReadAll(SoundFileName(n)), captured[n]) << n;
        EXPECT_FALSE(QFile::exists(OriginalSoundName(SoundFileName(n)))) << n;
    }
    EXPECT_EQ(ReadAll(SoundFileName(4)), "junk");
    EXPECT_FALSE(dlg.pbEven->isVisible());
    EXPECT_FALSE(dlg.btEvenCancel->isVisible());
    EXPECT_TRUE(dlg.lbAll->isEnabled());
    EXPECT_TRUE(dlg.btEvenAll->isEnabled());
    EXPECT_EQ(log.Texts, QStringList({"These sound files cannot be read (empty or damaged); they were left as they "
                                      "are:\na00 (word0005.wav)"}));
}

TEST_F(EvenOutPage, TheDialogGoneMidFileWaitsForTheWorkerWithinItsLimitAndTheWorkerStopsAfterThatFile)
{
    for (const bool pastTheLimit : {false, true}) {
        SCOPED_TRACE(pastTheLimit ? "held past the limit" : "released within the limit");
        RecordedWords();
        MessageLog log;
        auto dlg = std::make_unique<TfmConfig>();
        Open(*dlg);
        dlg->FileJobWaitMs = pastTheLimit ? 300 : 5000;
        const THold hold(SoundFileName(1));
        Click(dlg->btEvenAll);
        ASSERT_TRUE(PumpUntil([&] { return hold.Held->IsSet(); }));
        std::thread release;
        if (!pastTheLimit)
            release = std::thread([&hold] {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                hold.Release->SetEvent();
            });
        QElapsedTimer t;
        t.start();
        dlg.reset();
        const qint64 waited = t.elapsed();
        if (release.joinable())
            release.join();
        if (pastTheLimit) {
            EXPECT_GE(waited, 300);
            EXPECT_FALSE(Evened(1));
            hold.Release->SetEvent();
            // Its posts now find no dialog.
            EXPECT_TRUE(PumpUntil([&] { return Evened(1); }));
            PumpFor(300);
        } else {
            EXPECT_GE(waited, 150);
            EXPECT_TRUE(Evened(1)) << "the dialog waited for the file in hand";
        }
        EXPECT_LT(waited, 2000);
        for (int n : {2, 3})
            EXPECT_EQ(ReadAll(SoundFileName(n)), captured[n]) << n;
        EXPECT_TRUE(log.Texts.isEmpty());
    }
}

TEST_F(EvenOutPage, UndoBringsBackASoundFileThatWasLostAndPlayWithIt)
{
    RecordedWords();
    TfmConfig dlg;
    Open(dlg);
    Click(dlg.btEvenAll);
    ASSERT_TRUE(WaitForControls(dlg));
    ASSERT_TRUE(Evened(0));
    ASSERT_TRUE(QFile::remove(SoundFileName(0)));
    ClickRow(dlg.lbAll, 0);
    ASSERT_FALSE(dlg.btPlay->isEnabled());
    Click(dlg.btUndo);
    ASSERT_TRUE(WaitForControls(dlg));
    EXPECT_EQ(ReadAll(SoundFileName(0)), captured[0]);
    EXPECT_TRUE(dlg.btPlay->isEnabled());
}

TEST_F(EvenOutPage, AFullDiskAndFilesThatAreNoRecordingsAreNamedAndLeftAsTheyAre)
{
    RecordedWords();
    // Word b4 holds a 16-bit mono file of another program, b5 a damaged one.
    AllWords << TWordEntry{"b4", 4} << TWordEntry{"b5", 5};
    {
        TMMWave w;
        const TWaveFormatEx f = MakePCMWaveFormat(16, 1, 44100);
        w.CreateFile(SoundFileName(4), &f);
        const QByteArray pcm(8000, '\x40');
        w.WriteData(pcm.constData(), pcm.size());
        w.CloseFile();
    }
    WriteAll(SoundFileName(5), "RIFF\x10\0\0\0WAVEjunk");
    const QByteArray other = ReadAll(SoundFileName(4)), damaged = ReadAll(SoundFileName(5));
    MessageLog log;
    TfmConfig dlg;
    Open(dlg);
    SetFileStepHook([&](TFileStep step, const QString &path) {
        return !(step == TFileStep::Write && path == SoundFileName(1));
    });
    Click(dlg.btEvenAll);
    ASSERT_TRUE(WaitForControls(dlg));
    SetFileStepHook({});
    EXPECT_EQ(ReadAll(SoundFileName(1)), captured[1]);
    EXPECT_TRUE(Evened(0));
    EXPECT_TRUE(Evened(2));
    EXPECT_EQ(ReadAll(SoundFileName(4)), other);
    EXPECT_EQ(ReadAll(SoundFileName(5)), damaged);
    ASSERT_EQ(log.Texts.size(), 1);
    const QString text = log.Texts[0];
    EXPECT_TRUE(text.contains("could not be written") && text.contains("a1 (word0001.wav)")) << text.toStdString();
    EXPECT_TRUE(text.contains("another wave format") && text.contains("b4 (word0004.wav)")) << text.toStdString();
    EXPECT_TRUE(text.contains("cannot be read") && text.contains("b5 (word0005.wav)")) << text.toStdString();
    EXPECT_FALSE(text.contains("a0") || text.contains("a2")) << text.toStdString();
}

TEST_F(EvenOutPage, AFullAndThenReadOnlySoundFolderIsSaidAndLosesNothing)
{
    // A small volume of its own for the sound folder: room for the four takes
    // and about half of their originals.
    const TSmallVolume volume("320k");
    if (!volume.Mounted())
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): the full and read-only cases are not run";
    Settings.SoundDir = volume.Folder();
    RecordedWords();
    MessageLog log;
    TfmConfig dlg;
    Open(dlg);
    Click(dlg.btEvenAll);
    ASSERT_TRUE(WaitForControls(dlg));
    int evened = 0;
    for (int n = 0; n < TakeCount; ++n) {
        if (Evened(n))
            ++evened;
        else
            EXPECT_EQ(ReadAll(SoundFileName(n)), captured[n]) << n;
    }
    EXPECT_GT(evened, 0);
    EXPECT_LT(evened, TakeCount);
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_TRUE(log.Texts[0].contains("could not be written")) << log.Texts[0].toStdString();

    // Read-only: Undo can put nothing back, and says so.
    QByteArray before[TakeCount];
    for (int n = 0; n < TakeCount; ++n)
        before[n] = ReadAll(SoundFileName(n));
    if (!volume.MakeReadOnly())
        GTEST_SKIP() << "cannot make the tmpfs read-only";
    Click(dlg.btUndo);
    ASSERT_TRUE(WaitForControls(dlg));
    ASSERT_EQ(log.Texts.size(), 2);
    EXPECT_TRUE(log.Texts[1].contains("could not be written")) << log.Texts[1].toStdString();
    for (int n = 0; n < TakeCount; ++n)
        EXPECT_EQ(ReadAll(SoundFileName(n)), before[n]) << n;
    Click(dlg.btEvenAll);
    ASSERT_TRUE(WaitForControls(dlg));
    for (int n = 0; n < TakeCount; ++n)
        EXPECT_EQ(ReadAll(SoundFileName(n)), before[n]) << n;
}

TEST_F(EvenOutPage, RecordStopEvensTheTakeOrSaysNothingWasHeardAndPlayPlaysTheEvenedSound)
{
    ASSERT_GT(WaveDevCount(TWaveDirection::Capture), 0) << SoundServerHint();
    AllWords = NowWords = {{"ball", 0}};
    const QString sound = SoundFileName(0);
    const QString tone = File("tone.wav");
    WriteWave(tone, Take(TTakeSound::Tone, -10, 0, 600, 0));
    MessageLog log;
    TfmConfig dlg;
    Open(dlg);
    ClickRow(dlg.lbAll, 0);

    // Silence: kept as it was, and the parent is told.
    Click(dlg.btRec);
    ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 44100; }));
    Click(dlg.btRec);
    ASSERT_TRUE(PumpUntil([&] { return !dlg.Recording; }));
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_TRUE(log.Texts[0].startsWith("Nothing was heard")) << log.Texts[0].toStdString();
    EXPECT_GE(WaveSamples(sound).size(), 44100);
    EXPECT_EQ(ReadAll(OriginalSoundName(sound)), ReadAll(sound));

    // A word after a pause, then silence: trimmed and evened.
    Click(dlg.btRec);
    ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 22050; }));
    ASSERT_TRUE(PlaySound(tone));
    ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 3 * 44100; }));
    Click(dlg.btRec);
    ASSERT_TRUE(PumpUntil([&] { return !dlg.Recording; }));
    EXPECT_EQ(log.Texts.size(), 1) << log.Texts.join('\n').toStdString();
    const QByteArray evened = WaveSamples(sound);
    const QByteArray take = WaveSamples(OriginalSoundName(sound));
    EXPECT_GE(take.size(), 3 * 44100);
    const double seconds = double(evened.size()) / 44100.0;
    EXPECT_GT(seconds, 0.6 + 0.05 + 0.15 - 0.03);
    EXPECT_LT(seconds, 0.6 + 0.05 + 0.15 + 0.06);
    EXPECT_NEAR(MeasureLoudness(evened).Lufs, EvenTargetLufs, 1.0);

    // Play reads the evened file.
    Click(dlg.btPlay);
    ASSERT_TRUE(dlg.Playing);
    EXPECT_EQ(dlg.PlayFile->Wave()->DataBytes(), evened.size());
    EXPECT_TRUE(PumpUntil([&] { return !dlg.Playing; }));
}

TEST_F(EvenOutPage, AnUndoneRecordingStillGoesWithItsWordToAFreshNumberWithItsTake)
{
    ASSERT_GT(WaveDevCount(TWaveDirection::Capture), 0) << SoundServerHint();
    WriteAll(File("lumword.lst"), "2;ball;0\r\n");
    LoadWordList();
    const QString tone = File("tone.wav");
    WriteWave(tone, Take(TTakeSound::Tone, -10, 0, 400, 0));
    TfmConfig dlg;
    Open(dlg);
    Click(dlg.btNew);
    QTest::keyClicks(dlg.edWord, "bee");
    Click(dlg.btSave);
    ASSERT_EQ(dlg.CurrentSound, 1);
    MessageLog log;
    Click(dlg.btRec);
    ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 22050; }));
    ASSERT_TRUE(PlaySound(tone));
    ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 2 * 44100; }));
    Click(dlg.btRec);
    ASSERT_TRUE(PumpUntil([&] { return !dlg.Recording; }));
    ASSERT_TRUE(log.Texts.isEmpty()) << log.Texts.join('\n').toStdString();
    const QByteArray take = ReadAll(OriginalSoundName(SoundFileName(1)));
    ASSERT_NE(ReadAll(SoundFileName(1)), take) << "evened";
    Click(dlg.btUndo);
    ASSERT_TRUE(WaitForControls(dlg));
    ASSERT_EQ(ReadAll(SoundFileName(1)), take);
    // Another copy saves a word of its own under number 1.
    WriteAll(File("lumword.lst"), "1;ant;1\r\n2;ball;0\r\n");
    Click(dlg.btOk);
    EXPECT_EQ(ReadAll(SoundFileName(2)), take);
    EXPECT_EQ(ReadAll(OriginalSoundName(SoundFileName(2))), take);
    EXPECT_FALSE(QFile::exists(OriginalSoundName(SoundFileName(1))));
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_TRUE(log.Texts[0].contains("\"bee\" now has sound number 2 and keeps its recording")) << log.Texts[0].toStdString();
}
