#include "support/ToneWave.h"
#include "support/SinkMonitor.h"
#include "support/TestSupport.h"
#include "support/WaveFiles.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <vector>

// The corpus' own verdict of what this program does with each file: "decode" must
// give samples, "unsupported" and "reject" must be refused, "either" must only
// not crash.
TEST(WaveParsing, FollowsTheProgramColumnOfTheWaveCorpus)
{
    SKIP_WITHOUT_CORPORA();
    QFile tsv(CorpusFile("wav/expected.tsv"));
    ASSERT_TRUE(tsv.open(QIODevice::ReadOnly)) << tsv.fileName().toStdString();
    QTextStream in(&tsv);
    int checked = 0;
    while (!in.atEnd()) {
        const QStringList cols = in.readLine().split('\t');
        if (cols.size() < 14 || cols[0].startsWith('#'))
            continue;
        const QString path = cols[0];
        const QString program = cols[2];
        const QByteArray bytes = ReadAll(CorpusFile(path));
        TWaveSound sound;
        QString error;
        const bool ok = ParseWaveSound(bytes, sound, error);
        SCOPED_TRACE(path.toStdString() + ": " + error.toStdString());
        if (program == "decode") {
            EXPECT_TRUE(ok);
            EXPECT_EQ(sound.Channels, cols[8].toInt());
            EXPECT_EQ(sound.SampleRate, cols[9].toInt());
            EXPECT_EQ(sound.BitsPerSample, cols[10].toInt());
            // Declared sizes of 0 mean "to the end of the file"; the column counts 0.
            bool framesKnown = false;
            const int frames = cols[13].toInt(&framesKnown);
            if (framesKnown && cols[11] != "0") {
                EXPECT_EQ(sound.Data.size() / (sound.Channels * sound.BitsPerSample / 8), frames);
            }
        } else if (program == "unsupported" || program == "reject") {
            EXPECT_FALSE(ok);
        }
        ++checked;
    }
    EXPECT_GT(checked, 60);
}

TEST(WaveParsing, UnpatchedRecordingPlaysToTheEndOfTheFile)
{
    SKIP_WITHOUT_CORPORA();
    TWaveSound sound;
    QString error;
    ASSERT_TRUE(ParseWaveSound(ReadAll(CorpusFile("wav/generated/zero-sizes-u8-stereo-22050.wav")), sound, error))
        << error.toStdString();
    EXPECT_EQ(sound.Data.size() / 2, 5512);
}

class PlaySoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        ASSERT_TRUE(WaitPlaySoundIdle(10000));
    }
    void TearDown() override
    {
        SetPlaySoundObserver(nullptr);
        StopSound();
        WaitPlaySoundIdle(10000);
    }
    QString Write(const QString &name, const QByteArray &bytes)
    {
        const QString path = FDir.filePath(name);
        WriteAll(path, bytes);
        return path;
    }
    QTemporaryDir FDir;
};

TEST_F(PlaySoundTest, MissingOrBadFilePlaysNothingAndRaisesNothing)
{
    const TPlaySoundStatus before = PlaySoundStatus();
    EXPECT_TRUE(PlaySound(FDir.filePath("word0042.wav")));
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    // The file's fault is told as the file's, not left to the device.
    EXPECT_FALSE(PlaySoundStatus().LastError.contains(QStringLiteral("ALSA")))
        << PlaySoundStatus().LastError.toStdString();
    const QString silent = Write("silent.wav", MakeWave(2, 8, 22050, 0));
    EXPECT_TRUE(PlaySound(silent));
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    EXPECT_TRUE(PlaySoundStatus().LastError.contains(QStringLiteral("no samples")))
        << PlaySoundStatus().LastError.toStdString();
    const QString notWave = Write("text.wav", "this is not a sound");
    EXPECT_TRUE(PlaySound(notWave));
    ASSERT_TRUE(WaitPlaySoundIdle(10000));

    const TPlaySoundStatus after = PlaySoundStatus();
    EXPECT_EQ(after.Requests, before.Requests + 3);
    EXPECT_EQ(after.Failed, before.Failed + 3);
    EXPECT_EQ(after.Started, before.Started);
    EXPECT_EQ(after.LastRequest, notWave);
    EXPECT_FALSE(after.Playing);
}

TEST_F(PlaySoundTest, WithoutAReachableDeviceTheSoundFailsQuietly)
{
    // A device that does not exist: what a machine without any sound card looks
    // like to the player.
    SetPlaySoundDevice(QStringLiteral("lumword_no_such_device"));
    const TPlaySoundStatus before = PlaySoundStatus();
    EXPECT_TRUE(PlaySound(Write("tone.wav", MakeWave(1, 16, 8000, 0.2))));
    const bool idle = WaitPlaySoundIdle(20000);
    SetPlaySoundDevice(QStringLiteral("default"));
    ASSERT_TRUE(idle);
    const TPlaySoundStatus after = PlaySoundStatus();
    EXPECT_EQ(after.Failed, before.Failed + 1);
    EXPECT_EQ(after.Finished, before.Finished);
    EXPECT_FALSE(after.LastError.isEmpty());
}

// The tests below play through ALSA "default" in real time and need the test
// sound server (tools/soundserver.sh start). Without it they fail and say so.
TEST_F(PlaySoundTest, PlaysEveryFormatOfTheProgramToItsEnd)
{
    struct TFormat {
        int Channels, Bits, Rate;
    };
    for (const TFormat &f : {TFormat{2, 8, 22050}, TFormat{1, 8, 11025}, TFormat{1, 16, 44100},
                             TFormat{2, 16, 48000}, TFormat{2, 8, 8000}}) {
        SCOPED_TRACE(testing::Message() << f.Channels << " ch " << f.Bits << " bit " << f.Rate << " Hz");
        const TPlaySoundStatus before = PlaySoundStatus();
        const QString path = Write(QStringLiteral("tone-%1-%2-%3.wav").arg(f.Channels).arg(f.Bits).arg(f.Rate),
                                   MakeWave(f.Channels, f.Bits, f.Rate, 0.3));
        EXPECT_TRUE(PlaySound(path));
        ASSERT_TRUE(WaitPlaySoundIdle(10000));
        const TPlaySoundStatus after = PlaySoundStatus();
        ASSERT_EQ(after.Failed, before.Failed) << NoSoundServerHint() << ": " << after.LastError.toStdString();
        EXPECT_EQ(after.Started, before.Started + 1);
        EXPECT_EQ(after.Finished, before.Finished + 1);
        EXPECT_EQ(after.Cut, before.Cut);
    }
}

TEST_F(PlaySoundTest, ANewSoundReplacesTheOneStillPlaying)
{
    std::mutex m;
    std::vector<std::pair<TPlaySoundEvent, QString>> events;
    SetPlaySoundObserver([&](TPlaySoundEvent e, const QString &file) {
        std::lock_guard lock(m);
        events.emplace_back(e, file);
    });
    const QString longSound = Write("long.wav", MakeWave(2, 8, 22050, 5.0));
    const QString shortSound = Write("short.wav", MakeWave(2, 8, 22050, 0.2));
    const TPlaySoundStatus before = PlaySoundStatus();
    PlaySound(longSound);
    // Replace it once it is really playing.
    for (int i = 0; i < 500 && PlaySoundStatus().Started == before.Started && PlaySoundStatus().Failed == before.Failed; ++i)
        QThread::msleep(10);
    ASSERT_EQ(PlaySoundStatus().Failed, before.Failed) << NoSoundServerHint() << ": "
                                                       << PlaySoundStatus().LastError.toStdString();
    PlaySound(shortSound);
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    SetPlaySoundObserver(nullptr);

    const TPlaySoundStatus after = PlaySoundStatus();
    EXPECT_EQ(after.Cut, before.Cut + 1);
    EXPECT_EQ(after.Finished, before.Finished + 1);
    // Per file the events come in order; the worker cuts the old sound before it
    // starts the new one. (The new request's own event comes from this thread and
    // may come before or after the cut.)
    std::lock_guard lock(m);
    auto eventsOf = [&](const QString &file) {
        std::vector<TPlaySoundEvent> r;
        for (const auto &e : events)
            if (e.second == file)
                r.push_back(e.first);
        return r;
    };
    EXPECT_EQ(eventsOf(longSound), (std::vector{TPlaySoundEvent::Requested, TPlaySoundEvent::Started,
                                                TPlaySoundEvent::Cut}));
    EXPECT_EQ(eventsOf(shortSound), (std::vector{TPlaySoundEvent::Requested, TPlaySoundEvent::Started,
                                                 TPlaySoundEvent::Finished}));
    auto indexOf = [&](TPlaySoundEvent e, const QString &file) {
        for (size_t i = 0; i < events.size(); ++i)
            if (events[i].first == e && events[i].second == file)
                return int(i);
        return -1;
    };
    EXPECT_LT(indexOf(TPlaySoundEvent::Cut, longSound), indexOf(TPlaySoundEvent::Started, shortSound));
}

TEST_F(PlaySoundTest, APreparedSoundPlaysFromMemoryUntilItsFileChanges)
{
    const QString word = Write("word.wav", MakeWave(2, 8, 22050, 0.2));
    const QString other = Write("other.wav", MakeWave(2, 8, 22050, 0.2));
    const TPlaySoundStatus before = PlaySoundStatus();
    PrepareSound(word);
    PlaySound(word);
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    PlaySound(other); // never prepared
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    PlaySound(word);  // still the one prepared
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    TPlaySoundStatus after = PlaySoundStatus();
    EXPECT_EQ(after.Prepared, before.Prepared + 2);
    EXPECT_EQ(after.Finished, before.Finished + 3) << after.LastError.toStdString();

    // Recorded again: the new recording is read at the play.
    WriteAll(word, MakeWave(1, 16, 44100, 0.1));
    PlaySound(word);
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    after = PlaySoundStatus();
    EXPECT_EQ(after.Prepared, before.Prepared + 2);
    EXPECT_EQ(after.Finished, before.Finished + 4) << after.LastError.toStdString();
    // Gone since: nothing is played from memory.
    PrepareSound(other);
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    QFile::remove(other);
    PlaySound(other);
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    after = PlaySoundStatus();
    EXPECT_EQ(after.Prepared, before.Prepared + 2);
    EXPECT_EQ(after.Failed, before.Failed + 1);
}

// A voice comes through the same queue as files, its samples perhaps made after
// it was asked for (here given by the test, in the synthesiser's place).
TEST_F(PlaySoundTest, AVoiceMadeLateIsDroppedForANewerSoundAndPlayedInItsTurnOtherwise)
{
    std::mutex m;
    std::vector<std::pair<QString, bool>> requested;   // label, told on this thread
    const Qt::HANDLE self = QThread::currentThreadId();
    SetPlaySoundObserver([&](TPlaySoundEvent e, const QString &label) {
        std::lock_guard lock(m);
        if (e == TPlaySoundEvent::Requested)
            requested.emplace_back(label, QThread::currentThreadId() == self);
    });
    auto requests = [&] {
        std::lock_guard lock(m);
        return requested;
    };
    using TRequests = std::vector<std::pair<QString, bool>>;
    const QByteArray speech = MakeWave(1, 16, 22050, 0.2);
    const QString file = Write("word.wav", MakeWave(2, 8, 22050, 0.2));
    const TPlaySoundStatus before = PlaySoundStatus();

    // Still being made when a file is asked for: the wait ends at once (not at
    // its time limit) and the voice, made after all, is never played.
    const auto late = std::make_shared<TPlaySoundVoice>(QStringLiteral("late"));
    PlaySoundVoice(late);
    EXPECT_FALSE(WaitPlaySoundIdle(300)) << "the player waits for the voice";
    PlaySound(file);
    ASSERT_TRUE(WaitPlaySoundIdle(5000));
    late->Give(speech);
    ASSERT_TRUE(WaitPlaySoundIdle(5000));
    TPlaySoundStatus after = PlaySoundStatus();
    ASSERT_EQ(after.Failed, before.Failed) << NoSoundServerHint() << ": " << after.LastError.toStdString();
    EXPECT_EQ(requests(), (TRequests{{file, true}}));
    EXPECT_EQ(after.Requests, before.Requests + 1);
    EXPECT_EQ(after.Finished, before.Finished + 1);
    EXPECT_EQ(after.LastRequest, file);

    // Nothing newer: played as it comes, told from the player's worker; one
    // made already is played and told at once. With nothing to say, nothing.
    const auto slow = std::make_shared<TPlaySoundVoice>(QStringLiteral("slow"));
    PlaySoundVoice(slow);
    EXPECT_FALSE(WaitPlaySoundIdle(300));
    slow->Give(speech);
    ASSERT_TRUE(WaitPlaySoundIdle(5000));
    const auto ready = std::make_shared<TPlaySoundVoice>(QStringLiteral("ready"));
    ready->Give(speech);
    PlaySoundVoice(ready);
    EXPECT_EQ(PlaySoundStatus().LastRequest, "ready");
    ASSERT_TRUE(WaitPlaySoundIdle(5000));
    const auto mute = std::make_shared<TPlaySoundVoice>(QStringLiteral("mute"));
    PlaySoundVoice(mute);
    mute->Give({});
    ASSERT_TRUE(WaitPlaySoundIdle(5000));
    after = PlaySoundStatus();
    EXPECT_EQ(requests(), (TRequests{{file, true}, {"slow", false}, {"ready", true}}));
    EXPECT_EQ(after.Requests, before.Requests + 3);
    EXPECT_EQ(after.Finished, before.Finished + 3);
    EXPECT_EQ(after.Failed, before.Failed);
    EXPECT_EQ(after.LastRequest, "ready");
}

// The sound server's count of playback streams, or -1 without pactl.
static int ServerStreams()
{
    QProcess p;
    p.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    if (!p.waitForFinished(5000) || p.exitCode() != 0)
        return -1;
    int streams = 0;
    for (const QByteArray &line : p.readAllStandardOutput().split('\n'))
        streams += line.trimmed().isEmpty() ? 0 : 1;
    return streams;
}

TEST_F(PlaySoundTest, ASessionPlaysEverySoundThroughOneStreamKeptOpenBetweenThem)
{
    const QString word = Write("word.wav", MakeWave(2, 8, 22050, 0.2));
    const QString mono = Write("mono.wav", MakeWave(1, 16, 44100, 0.2));
    const QString longSound = Write("long.wav", MakeWave(2, 8, 22050, 5.0));
    const TPlaySoundStatus before = PlaySoundStatus();
    // The server may hold streams of its own (a loopback).
    const int serverOwn = ServerStreams();
    {
        TPlaySoundSession session;
        ASSERT_TRUE(QTest::qWaitFor([] { return PlaySoundStreamOpen(); }, 10000)) << NoSoundServerHint();
        for (const QString &file : {word, mono, word}) {
            PlaySound(file);
            ASSERT_TRUE(WaitPlaySoundIdle(10000));
            EXPECT_EQ(PlaySoundStatus().Failed, before.Failed) << PlaySoundStatus().LastError.toStdString();
            // Between sounds the stream stays open, even after a change of format.
            EXPECT_TRUE(PlaySoundStreamOpen());
        }
        PlaySound(longSound);
        ASSERT_TRUE(QTest::qWaitFor([&] { return PlaySoundStatus().Started == before.Started + 4; }, 10000));
        StopSound();
        ASSERT_TRUE(WaitPlaySoundIdle(10000));
        EXPECT_EQ(ServerStreams(), serverOwn + 1) << "one stream, open and idle";
    }
    EXPECT_FALSE(PlaySoundStreamOpen());
    EXPECT_EQ(ServerStreams(), serverOwn) << "the device closes with the session";
    const TPlaySoundStatus after = PlaySoundStatus();
    EXPECT_EQ(after.Started, before.Started + 4);
    EXPECT_EQ(after.Finished, before.Finished + 3);
    EXPECT_EQ(after.Cut, before.Cut + 1);
    EXPECT_EQ(after.Failed, before.Failed);
}

TEST_F(PlaySoundTest, ASessionWithoutADeviceFailsEachSoundQuietly)
{
    SetPlaySoundDevice(QStringLiteral("lumword_no_such_device"));
    const TPlaySoundStatus before = PlaySoundStatus();
    {
        TPlaySoundSession session;
        PlaySound(Write("tone.wav", MakeWave(2, 8, 22050, 0.2)));
        ASSERT_TRUE(WaitPlaySoundIdle(20000));
        EXPECT_FALSE(PlaySoundStreamOpen());
    }
    SetPlaySoundDevice(QStringLiteral("default"));
    const TPlaySoundStatus after = PlaySoundStatus();
    EXPECT_EQ(after.Failed, before.Failed + 1);
    EXPECT_EQ(after.Started, before.Started);
    EXPECT_TRUE(after.LastError.contains(QStringLiteral("lumword_no_such_device"))) << after.LastError.toStdString();
}

// A word as the program records it (8-bit stereo, 22050 Hz), through whatever
// route ALSA "default" takes to the server, heard at the sink: its second of
// tone, then silence without a full-scale sample (the click or thump of a
// stack that pads 8-bit data with zero bytes), and the player ends by itself.
static void HearOneSecondWord(const QTemporaryDir &dir)
{
    TSinkMonitor monitor;
    QString error;
    ASSERT_TRUE(monitor.Start(error)) << NoSoundServerHint() << ": " << error.toStdString();
    const QString word = dir.filePath("word0000.wav");
    WriteWave(word, Tone(440, 22050, 22050));
    const TPlaySoundStatus before = PlaySoundStatus();
    PlaySound(word);
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    const std::vector<int16_t> heard = monitor.StopAfter(1.0);
    const TPlaySoundStatus after = PlaySoundStatus();
    ASSERT_EQ(after.Failed, before.Failed) << after.LastError.toStdString();
    EXPECT_EQ(after.Finished, before.Finished + 1);
    EXPECT_NEAR(LoudSeconds(heard, 2000), 1.0, 0.05);
    // The tone is 100/128 of full scale.
    EXPECT_GT(Peak(heard), 20000);
    EXPECT_LT(Peak(heard), 30000);
}

TEST_F(PlaySoundTest, AOneSecondWordIsHeardForOneSecondAndNothingLoudAfterIt)
{
    HearOneSecondWord(FDir);
}

// The same through the stream a run screen keeps open between words.
TEST_F(PlaySoundTest, AOneSecondWordThroughAKeptStreamIsHeardForOneSecondAndNothingLoudAfterIt)
{
    TPlaySoundSession session;
    ASSERT_TRUE(QTest::qWaitFor([] { return PlaySoundStreamOpen(); }, 10000)) << NoSoundServerHint();
    HearOneSecondWord(FDir);
}
