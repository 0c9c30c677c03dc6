// The road of one word through the whole program on the test sound server:
// Configure, New, "ball", Save, Record, Record again, SPACE twice, Play, OK;
// the word list, its checksum and the sound file on disk; the next Run shows
// ball and plays its file. And a program killed in the middle of a recording:
// the files it leaves still open without the checksum message and the
// recording plays in both players; killed at chosen moments of a take, the
// word keeps its earlier recording until the take holds sound, and then holds
// what was captured up to half a second before the kill, as a whole file.
#include "app/Application.h"
#include "app/uMain.h"
#include "audio/MMHiTimer.h"
#include "audio/MMRingBuffer.h"
#include "audio/MMWave.h"
#include "audio/MMWaveIO.h"
#include "config/uConfig.h"
#include "data/uCommon.h"
#include "platform/ProgramFile.h"
#include "sound/playsound.h"
#include "sound/wavedev.h"
#include "run/uRun.h"
#include "support/MessageLog.h"
#include "support/ProgramFolder.h"
#include "support/TestSupport.h"
#include "support/WaveFiles.h"
#include "widgets/MMLEDLbl.h"
#include "widgets/oxBtns.h"
#include "support/Pump.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <zlib.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cmath>
#include <functional>
#include <iostream>
#include <thread>

#include <unistd.h>

namespace {

void Click(QWidget *w)
{
    const QPoint at = w->inherits("QCheckBox") ? QPoint(6, w->height() / 2) : w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

void ClickRow(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void ShowPage(TfmConfig &dlg, int index)
{
    QTabBar *bar = dlg.Pages->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

uint32_t U32At(const QByteArray &b, int at)
{
    uint32_t v = 0;
    memcpy(&v, b.constData() + at, 4);
    return v;
}

// CRC-32 of the bytes as eight upper-case hex digits.
QString Crc(const QByteArray &bytes)
{
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size()));
    return QStringLiteral("%1").arg(uint(crc), 8, 16, QChar('0')).toUpper();
}

int64_t NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// One whole line on the standard output, from any thread.
void Say(const QByteArray &line)
{
    const QByteArray l = line + '\n';
    (void)!::write(1, l.constData(), size_t(l.size()));
}

// Keeps the calling thread where it is until the parent kills the program.
void HoldForTheKill()
{
    std::this_thread::sleep_for(std::chrono::seconds(30));
    std::_Exit(3);
}

// What a clean Stop writes for these samples of the page's format.
QByteArray CleanRecording(const QString &scratch, const QByteArray &data)
{
    TMMWave w;
    const TWaveFormatEx f = MakePCMWaveFormat(8, 2, 22050);
    w.CreateFile(scratch, &f);
    w.WriteData(data.constData(), data.size());
    w.CloseFile();
    return ReadAll(scratch);
}

class WordRoad : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        CopyImage("confetti.jpg");
        QDir().mkpath(dir.filePath("wav"));
    }
    void TearDown() override
    {
        StopSound();
        WaitPlaySoundIdle(5000);
        ProgramFolderTest::TearDown();
    }
    static void RequireServer()
    {
        ASSERT_GT(WaveDevCount(TWaveDirection::Capture), 0) << SoundServerHint();
        ASSERT_GT(WaveDevCount(TWaveDirection::Playback), 0) << SoundServerHint();
    }
    void StartTone()
    {
        const QString tone = dir.filePath("tone.wav");
        WriteWave(tone, Tone(440, 22050, 10 * 22050));
        ASSERT_TRUE(PlaySound(tone));
        ASSERT_TRUE(PumpUntil([] { return PlaySoundStatus().Playing; }, 5000)) << SoundServerHint();
    }
    // Clicks Configure and runs `act` on the dialog once it is open.
    static void Configure(TfmMain &w, const std::function<void(TfmConfig &)> &act)
    {
        bool ran = false;
        QTimer::singleShot(0, &w, [&] {
            TfmConfig *dlg = w.findChild<TfmConfig *>();
            ASSERT_NE(dlg, nullptr);
            ran = true;
            act(*dlg);
            if (dlg->isVisible())
                dlg->reject();
        });
        Click(w.btConfigure);
        EXPECT_TRUE(ran);
    }
    // Clicks Run and returns the word the run screen showed first.
    static QString RunOnce(TfmMain &w)
    {
        QString shown;
        QTimer look;
        look.setSingleShot(true);
        QObject::connect(&look, &QTimer::timeout, [&] {
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *run = qobject_cast<TfmRun *>(top); run && run->isVisible()) {
                    shown = run->CurrentText;
                    QTest::keyClick(run, Qt::Key_Escape);
                }
        });
        look.start(1500);
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QApplication::closeAllWindows(); });
        guard.start(10000);
        w.btRun->click();
        return shown;
    }
    // Watches the LED while the page plays: each caption it shows, in order.
    static QStringList LedWhilePlaying(TfmConfig &dlg)
    {
        QStringList seen;
        PumpUntil([&] {
            if (seen.isEmpty() || seen.last() != dlg.Led->Caption())
                seen << dlg.Led->Caption();
            return !dlg.Playing;
        });
        return seen;
    }
};

} // namespace

TEST_F(WordRoad, OneWordFromNewToTheRunScreen)
{
    RequireServer();
    // A sound file left behind by an earlier word of number 0.
    WriteAll(dir.filePath("wav/word0000.wav"), "stale");
    MessageLog log;
    TfmMain w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    int64_t recorded = 0;
    QStringList ledWhilePlaying;
    QString playCaptionWhilePlaying, playCaptionAfter;
    Configure(w, [&](TfmConfig &dlg) {
        ShowPage(dlg, 1);
        Click(dlg.btNew);
        QTest::keyClicks(dlg.edWord, "ball");
        if (!dlg.cbAdd->isChecked())
            Click(dlg.cbAdd);
        Click(dlg.btSave);
        EXPECT_EQ(dlg.lbAll->currentItem()->text(), "ball");
        EXPECT_TRUE(dlg.lbAll->currentItem()->isSelected());
        EXPECT_EQ(dlg.lbNow->Words(), TWordList({{"ball", 0}}));
        EXPECT_TRUE(dlg.btRec->isEnabled());
        // Not recorded yet, the word is spoken by the voice, which is on at first.
        EXPECT_TRUE(dlg.btPlay->isEnabled());
        EXPECT_FALSE(QFile::exists(dir.filePath("wav/word0000.wav")));

        dlg.WaveIn->OnStop = [&, inner = dlg.WaveIn->OnStop](TMMComponent *s) {
            recorded = dlg.WaveIn->RecordedBytes();
            inner(s);
        };
        StartTone();
        // Record, about a second, Record again.
        Click(dlg.btRec);
        ASSERT_TRUE(dlg.Recording);
        ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 44100; }));
        Click(dlg.btRec);
        ASSERT_TRUE(PumpUntil([&] { return !dlg.Recording; }));
        EXPECT_TRUE(dlg.btPlay->isEnabled());
        EXPECT_EQ(dlg.Led->Caption(), " 0.0");
        EXPECT_GE(recorded, 44100);
        // The same with SPACE twice, the focus on the list.
        dlg.lbAll->setFocus();
        QTest::keyClick(dlg.lbAll, Qt::Key_Space);
        ASSERT_TRUE(dlg.Recording);
        ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 44100; }));
        QTest::keyClick(dlg.lbAll, Qt::Key_Space);
        ASSERT_TRUE(PumpUntil([&] { return !dlg.Recording; }));
        EXPECT_EQ(dlg.Led->Caption(), " 0.0");
        StopSound();

        // Play to the end.
        Click(dlg.btPlay);
        ASSERT_TRUE(dlg.Playing);
        playCaptionWhilePlaying = dlg.btPlay->Caption();
        ledWhilePlaying = LedWhilePlaying(dlg);
        playCaptionAfter = dlg.btPlay->Caption();
        Click(dlg.btOk);
    });
    EXPECT_EQ(playCaptionWhilePlaying, "Stop");
    EXPECT_EQ(playCaptionAfter, "Play");
    // The LED counted up in tenths of a second, then went back to 0.0.
    ASSERT_GE(ledWhilePlaying.size(), 3) << ledWhilePlaying.join('|').toStdString();
    double last = -1;
    for (const QString &s : ledWhilePlaying.mid(0, ledWhilePlaying.size() - 1)) {
        EXPECT_GE(s.toDouble(), last) << ledWhilePlaying.join('|').toStdString();
        last = s.toDouble();
    }
    EXPECT_GE(last, 0.6) << "the LED did not count the second played";
    EXPECT_EQ(ledWhilePlaying.last(), " 0.0");
    EXPECT_TRUE(log.Texts.isEmpty()) << log.Texts.join('\n').toStdString();

    // The word list, its checksum in the settings and the sound file.
    const QByteArray list = ReadAll(dir.filePath("lumword.lst"));
    EXPECT_EQ(list, QByteArray("2;ball;0\r\n"));
    EXPECT_TRUE(ReadAll(dir.filePath("lumword.INI")).contains("Position=" + Crc(list).toLatin1()));
    const QByteArray wave = ReadAll(dir.filePath("wav/word0000.wav"));
    ASSERT_GT(wave.size(), 44);
    EXPECT_EQ(wave.left(4), "RIFF");
    EXPECT_EQ(wave.mid(8, 4), "WAVE");
    EXPECT_EQ(U32At(wave, 4), uint32_t(wave.size() - 8));
    const int fmt = wave.indexOf("fmt ");
    ASSERT_GT(fmt, 0);
    EXPECT_EQ(U32At(wave, fmt + 8) & 0xFFFF, 1u);              // PCM
    EXPECT_EQ(U32At(wave, fmt + 8) >> 16, 2u);                 // stereo
    EXPECT_EQ(U32At(wave, fmt + 12), 22050u);                  // samples per second
    EXPECT_EQ(U32At(wave, fmt + 16), 44100u);                  // bytes per second
    EXPECT_EQ(U32At(wave, fmt + 20) >> 16, 8u);                // bits
    const int data = wave.indexOf("data");
    ASSERT_GT(data, fmt);
    EXPECT_EQ(int64_t(U32At(wave, data + 4)), recorded) << "the data is the second recording, whole";
    const int fact = wave.indexOf("fact", data + 8 + int(U32At(wave, data + 4)));
    ASSERT_GT(fact, 0);
    EXPECT_EQ(int64_t(U32At(wave, fact + 8)), recorded / 2);    // sample frames

    // The next Run shows ball and plays its file.
    const uint64_t started = PlaySoundStatus().Started;
    EXPECT_EQ(RunOnce(w), "ball");
    EXPECT_EQ(PlaySoundStatus().LastRequest, dir.filePath("wav/word0000.wav"));
    EXPECT_TRUE(PumpUntil([&] { return PlaySoundStatus().Started > started; }, 5000));
    EXPECT_TRUE(log.Texts.isEmpty()) << log.Texts.join('\n').toStdString();
}

// Run only as the child of the test below: records into the word's file until
// it is killed.
TEST_F(WordRoad, DISABLED_ChildRecordsUntilKilled)
{
    const QString folder = qEnvironmentVariable("LUMWORD_KILL_TEST_DIR");
    ASSERT_FALSE(folder.isEmpty());
    SetProgramFilePath(folder + "/lumword");
    LoadSettings();
    LoadWordList();
    TfmConfig dlg;
    dlg.show();
    ShowPage(dlg, 1);
    ClickRow(dlg.lbAll, 0);
    Click(dlg.btRec);
    ASSERT_TRUE(dlg.Recording);
    // Until well past the first blocks the ring buffer writes to the file.
    ASSERT_TRUE(PumpUntil([&] {
        return QFileInfo(SoundFileName(0)).size() > 3 * 44100 && dlg.WaveIn->RecordedBytes() > 4 * 44100;
    }, 20000));
    std::cout << "RECORDING" << std::endl;
    PumpUntil([] { return false; }, 30000);
    FAIL() << "not killed";
}

TEST_F(WordRoad, AProgramKilledWhileRecordingLeavesFilesThatOpenAndARecordingThatPlays)
{
    RequireServer();
    // The database as the program saved it: ball, in use, number 0.
    LoadSettings();
    NowWords = {{"ball", 0}};
    AllWords = NowWords;
    SaveWordListAndSettings();
    const QByteArray listBefore = ReadAll(dir.filePath("lumword.lst"));
    const QByteArray iniBefore = ReadAll(dir.filePath("lumword.INI"));
    ClearWordLists();

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LUMWORD_KILL_TEST_DIR", dir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_also_run_disabled_tests", "--gtest_filter=WordRoad.DISABLED_ChildRecordsUntilKilled"});
    ASSERT_TRUE(child.waitForStarted(10000));
    QByteArray out;
    QElapsedTimer t;
    t.start();
    while (!out.contains("RECORDING") && child.state() == QProcess::Running && t.elapsed() < 40000) {
        child.waitForReadyRead(200);
        out += child.readAllStandardOutput();
    }
    ASSERT_TRUE(out.contains("RECORDING")) << out.toStdString() << child.readAllStandardError().toStdString();
    ::kill(pid_t(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    // The word list and the settings are as they were; the program starts
    // without the checksum message and with its word.
    EXPECT_EQ(ReadAll(dir.filePath("lumword.lst")), listBefore);
    EXPECT_EQ(ReadAll(dir.filePath("lumword.INI")), iniBefore);
    MessageLog log;
    {
        TfmMain w;
        EXPECT_TRUE(log.Texts.isEmpty()) << log.Texts.join('\n').toStdString();
        EXPECT_EQ(NowWords, TWordList({{"ball", 0}}));
    }

    // The cut recording, finished at the start: a wave header and the data
    // behind it.
    const QString sound = dir.filePath("wav/word0000.wav");
    const QByteArray wave = ReadAll(sound);
    ASSERT_GT(wave.size(), 3 * 44100);
    EXPECT_EQ(wave.left(4), "RIFF");
    TMMWave reader;
    reader.SetFileName(sound);
    const int64_t bytes = reader.DataBytes();
    EXPECT_GT(bytes, 3 * 44100) << "the reader does not see the data of the cut file";

    // The page's player plays it to its end.
    LoadSettings();
    LoadWordList();
    {
        TfmConfig dlg;
        dlg.show();
        ShowPage(dlg, 1);
        ClickRow(dlg.lbAll, 0);
        ASSERT_TRUE(dlg.btPlay->isEnabled());
        std::atomic<int64_t> handed{0};
        dlg.WaveOut->OnBufferFilled = [&](TMMComponent *, PWaveHdr h) { handed += h->dwBytesRecorded; };
        Click(dlg.btPlay);
        ASSERT_TRUE(dlg.Playing);
        ASSERT_TRUE(PumpUntil([&] { return !dlg.Playing; }, 30000));
        // Every byte of the data went to the device.
        EXPECT_EQ(handed.load(), bytes);
        EXPECT_TRUE(log.Texts.isEmpty()) << log.Texts.join('\n').toStdString();
    }
    // And so does the run screen's player.
    const TPlaySoundStatus before = PlaySoundStatus();
    ASSERT_TRUE(PlaySound(sound));
    EXPECT_TRUE(PumpUntil([&] { return PlaySoundStatus().Finished > before.Finished; }, 30000));
    EXPECT_EQ(PlaySoundStatus().Failed, before.Failed) << PlaySoundStatus().LastError.toStdString();
}

// Run only as the child of the test below: records the word's new take and
// says MOMENT at the moment LUMWORD_KILL_MOMENT names, then waits to be
// killed. Meanwhile it says every 20 ms how many bytes the device captured.
TEST_F(WordRoad, DISABLED_ChildRecordsATakeUntilKilledAtAMoment)
{
    const QString folder = qEnvironmentVariable("LUMWORD_KILL_TEST_DIR");
    const QString moment = qEnvironmentVariable("LUMWORD_KILL_MOMENT");
    ASSERT_FALSE(folder.isEmpty());
    SetProgramFilePath(folder + "/lumword");
    LoadSettings();
    LoadWordList();
    TfmConfig dlg;
    dlg.show();
    ShowPage(dlg, 1);
    ClickRow(dlg.lbAll, 0);
    std::atomic<int> flushes{0};
    std::atomic<bool> said{false};
    const auto sayOnce = [&said](const QByteArray &line) {
        if (!said.exchange(true))
            Say(line);
    };
    if (moment == "first-block") {
        dlg.WaveIn->OnBufferReady = [&](TMMComponent *, PWaveHdr) {
            sayOnce("MOMENT");
            HoldForTheKill();
        };
    } else if (moment == "first-flush") {
        dlg.MMRingBuffer1->OnFlushQueue = [&](TMMComponent *) {
            sayOnce("MOMENT");
            HoldForTheKill();
        };
    } else if (moment == "after-flush") {
        // The worker's third flush has written and committed.
        dlg.MMRingBuffer1->OnFlushQueueEnd = [&](TMMComponent *) {
            if (++flushes == 3)
                sayOnce("MOMENT " + QByteArray::number(qlonglong(dlg.RecFile->Wave()->DataBytes())));
        };
    } else if (moment == "stop") {
        // Within the stop: its last flush before it writes, or, when the
        // worker left nothing to flush, the device's stop notification.
        dlg.MMRingBuffer1->OnFlushQueue = [&](TMMComponent *) {
            if (IsMainThread()) {
                sayOnce("MOMENT");
                HoldForTheKill();
            }
        };
        dlg.WaveIn->OnStop = [&](TMMComponent *) {
            sayOnce("MOMENT");
            HoldForTheKill();
        };
    }
    const int64_t killAt = moment.startsWith("mid-take-") ? moment.mid(9).toLongLong() * 441 / 10 : -1;
    QTimer report;
    QObject::connect(&report, &QTimer::timeout, [&] {
        const int64_t captured = dlg.WaveIn->RecordedBytes();
        Say("AT " + QByteArray::number(qlonglong(NowNs())) + ' ' + QByteArray::number(qlonglong(captured)));
        if (killAt >= 0 && captured >= killAt)
            sayOnce("MOMENT");
    });
    report.start(20);
    Click(dlg.btRec);
    ASSERT_TRUE(dlg.Recording);
    if (moment == "stop") {
        ASSERT_TRUE(PumpUntil([&] { return dlg.WaveIn->RecordedBytes() >= 53000; }, 20000));
        Click(dlg.btRec);
    }
    PumpUntil([] { return false; }, 30000);
    FAIL() << "not killed";
}

TEST_F(WordRoad, ATakeKilledAtAnyMomentLeavesACleanStartAWordThatPlaysAndTheSoundCapturedBeforeIt)
{
    RequireServer();
    LoadSettings();
    NowWords = {{"ball", 0}};
    AllWords = NowWords;
    SaveWordListAndSettings();
    ClearWordLists();
    const QString sound = dir.filePath("wav/word0000.wav");
    const QByteArray earlierData = Tone(660, 22050, 11025);
    struct TMoment {
        const char *Name;
        bool KeepsEarlier; // killed before the take's first flush
    };
    const TMoment moments[] = {{"first-block", true}, {"first-flush", true}, {"mid-take-700", false},
                               {"mid-take-1600", false}, {"after-flush", false}, {"stop", false}};
    for (const TMoment &m : moments) {
        SCOPED_TRACE(m.Name);
        WriteWave(sound, earlierData);
        const QByteArray earlier = ReadAll(sound);

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LUMWORD_KILL_TEST_DIR", dir.path());
        env.insert("LUMWORD_KILL_MOMENT", m.Name);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_also_run_disabled_tests",
                     "--gtest_filter=WordRoad.DISABLED_ChildRecordsATakeUntilKilledAtAMoment"});
        ASSERT_TRUE(child.waitForStarted(10000));
        // (time, bytes captured) as the child said them, and the moment.
        std::vector<std::pair<int64_t, int64_t>> captured;
        QByteArray pending, momentLine, all;
        int64_t killedAt = 0;
        QElapsedTimer t;
        t.start();
        while (momentLine.isEmpty() && child.state() == QProcess::Running && t.elapsed() < 40000) {
            child.waitForReadyRead(50);
            const QByteArray got = child.readAllStandardOutput();
            all += got;
            pending += got;
            for (int nl; (nl = pending.indexOf('\n')) >= 0; pending.remove(0, nl + 1)) {
                const QList<QByteArray> f = pending.left(nl).split(' ');
                if (f[0] == "AT" && f.size() == 3)
                    captured.emplace_back(f[1].toLongLong(), f[2].toLongLong());
                else if (f[0] == "MOMENT" && momentLine.isEmpty()) {
                    killedAt = NowNs();
                    ::kill(pid_t(child.processId()), SIGKILL);
                    momentLine = pending.left(nl);
                }
            }
        }
        ASSERT_FALSE(momentLine.isEmpty()) << all.right(2000).toStdString() << child.readAllStandardError().toStdString();
        ASSERT_TRUE(child.waitForFinished(10000));
        EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

        // The next start is clean and has its word; no take is left over.
        {
            MessageLog log;
            TfmMain w;
            EXPECT_TRUE(log.Texts.isEmpty()) << log.Texts.join('\n').toStdString();
            EXPECT_EQ(NowWords, TWordList({{"ball", 0}}));
        }
        EXPECT_EQ(QDir(dir.filePath("wav")).entryList({"*.take"}, QDir::Files), QStringList());

        // Everything captured half a second before the kill (and as much
        // again for a loaded machine) is in the file.
        int64_t due = 0;
        for (const auto &[ns, bytes] : captured)
            if (ns <= killedAt - 1'000'000'000)
                due = std::max(due, bytes);
        if (const QList<QByteArray> f = momentLine.split(' '); f.size() == 2)
            due = std::max<int64_t>(due, f[1].toLongLong()); // what the flush had committed
        const QByteArray file = ReadAll(sound);
        if (m.KeepsEarlier || (due == 0 && file == earlier)) {
            EXPECT_EQ(file, earlier) << "the earlier recording was lost";
        } else {
            TMMWave reader;
            reader.SetFileName(sound);
            const int64_t bytes = reader.DataBytes();
            EXPECT_GE(bytes, due);
            EXPECT_GT(bytes, 0);
            EXPECT_EQ(file, CleanRecording(dir.filePath("clean.wav"), file.mid(46, int(bytes))))
                << "not as a clean stop leaves it";
        }

        // The word plays.
        const TPlaySoundStatus before = PlaySoundStatus();
        ASSERT_TRUE(PlaySound(sound));
        EXPECT_TRUE(PumpUntil([&] { return PlaySoundStatus().Finished > before.Finished; }, 30000));
        EXPECT_EQ(PlaySoundStatus().Failed, before.Failed) << PlaySoundStatus().LastError.toStdString();
    }
}
