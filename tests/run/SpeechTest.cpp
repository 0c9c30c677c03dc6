// The voice for words without a recording: spoken on the run screen at the
// moment of each sound mode, heard in the speech band through the test sound
// server, a recording winning over it, odd and markup-like words spoken as
// plain text, and a machine without the voice's data staying silent.
#include "RunFixture.h"
#include "support/ToneWave.h"

#include "data/uCommon.h"
#include "sound/playsound.h"
#include "sound/speech.h"
#include "run/Dtmisc.h"
#include "run/uRun.h"
#include "support/SinkMonitor.h"
#include "support/Spectrum.h"
#include "support/TestSupport.h"
#include "support/WaveFiles.h"

#include <QApplication>
#include <QDateTime>
#include <QCursor>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <mutex>

namespace {

constexpr int WaveHeader = 44;
// Seconds of samples whose size reaches level, wherever they are: a stream that
// runs dry on a busy machine splits a sound but does not shorten it.
double LoudTotal(const std::vector<int16_t> &samples, int level)
{
    size_t n = 0;
    for (int16_t s : samples)
        n += std::abs(int(s)) >= level;
    return double(n) / TSinkMonitor::Rate;
}

// 16-bit mono: bytes of speech to seconds.
double Seconds(const QByteArray &wave) { return double(wave.size() - WaveHeader) / 2 / 22050; }

struct TRequest {
    QString Label;
    bool OnUiThread = false;
    QString TextUp;      // the run screen's word when the request was made
    bool Ready = false;  // the run screen's first tick had come
};

class Speech : public TRunFixture {
protected:
    void SetUp() override
    {
        TRunFixture::SetUp();
        Settings.Voice = QStringLiteral("en");
        Settings.Transition = tmKeyPress;
        SetPlaySoundObserver([this](TPlaySoundEvent event, const QString &label) {
            if (event != TPlaySoundEvent::Requested)
                return;
            TRequest r{label, QThread::currentThread() == qApp->thread(), {}, false};
            if (r.OnUiThread && FRun) {
                r.TextUp = FRun->CurrentText;
                r.Ready = FRun->Ready;
            }
            std::lock_guard lock(FMutex);
            FRequests.push_back(r);
        });
    }

    void TearDown() override
    {
        SetPlaySoundObserver({});
        TRunFixture::TearDown();
    }

    std::vector<TRequest> Requests()
    {
        std::lock_guard lock(FMutex);
        return FRequests;
    }

    TfmRun &Open()
    {
        FRun = std::make_unique<TfmRun>();
        FRun->Mode = rmStart;
        FRun->SetAppearance(clRed, clYellow, 48, QStringLiteral("Arial"), true);
        FRun->show();
        return *FRun;
    }
    bool WaitForTick()
    {
        FRun->Ready = false;
        return QTest::qWaitFor([this] { return FRun->Ready; }, 5000);
    }
    void Space() { QTest::keyClick(FRun->Button1, Qt::Key_Space); }
    // With two words in use the next one is the other.
    QString Other() const { return FRun->CurrentText == NowWords[0].Text ? NowWords[1].Text : NowWords[0].Text; }

    std::mutex FMutex;
    std::vector<TRequest> FRequests;
};

} // namespace

TEST_F(Speech, AWordWithoutARecordingIsSpokenWithItsFirstPaintAndHeardInTheSpeechBand)
{
    ASSERT_EQ(SpeechUnavailable(), QString()) << "install espeak-ng-data";
    NowWords = {{QStringLiteral("window"), 1}, {QStringLiteral("garden"), 2}};
    Settings.SoundMode = sndNormal;
    const uint64_t failedBefore = PlaySoundStatus().Failed;
    TSinkMonitor monitor;
    QString error;
    ASSERT_TRUE(monitor.Start(error)) << error.toStdString() << "; " << NoSoundServerHint();

    TfmRun &run = Open();
    // The first word's voice is made during the blank before it (on a busy
    // machine it may come a little after the word).
    ASSERT_TRUE(QTest::qWaitFor([&] { return Requests().size() == 1; }, 10000));
    EXPECT_EQ(Requests()[0].Label, SpeechLabel(run.CurrentText));

    // The next word is synthesised while this one is up: by the time it is
    // drawn its voice starts from the drawing itself, before its first paint.
    const QString next = Other();
    ASSERT_TRUE(QTest::qWaitFor([&] { return SpeechPrepared(next, QStringLiteral("en")); }, 10000))
        << "the next word is not synthesised ahead";
    ASSERT_TRUE(WaitForTick());
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    const uint64_t startedBefore = PlaySoundStatus().Started;
    Space();
    ASSERT_EQ(run.CurrentText, next);
    ASSERT_EQ(Requests().size(), 2u);
    EXPECT_EQ(Requests()[1].Label, SpeechLabel(next));
    EXPECT_TRUE(Requests()[1].OnUiThread);
    EXPECT_EQ(Requests()[1].TextUp, next);

    ASSERT_TRUE(QTest::qWaitFor([&] { return PlaySoundStatus().Started > startedBefore; }, 10000))
        << PlaySoundStatus().LastError.toStdString();
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    const std::vector<int16_t> heard = monitor.StopAfter(1.0);
    EXPECT_GT(LoudTotal(heard, 1000), 0.1) << "a spoken word was heard";
    EXPECT_GT(BandShare(heard, 300, 3400, TSinkMonitor::Rate), 0.6) << "speech lies in the speech band";
    EXPECT_EQ(PlaySoundStatus().Failed, failedBefore) << PlaySoundStatus().LastError.toStdString();
}

TEST_F(Speech, DelayedModeSpeaksAtTheFirstTickAndMuteNever)
{
    ASSERT_EQ(SpeechUnavailable(), QString()) << "install espeak-ng-data";
    NowWords = {{QStringLiteral("apple"), 1}, {QStringLiteral("river"), 2}};
    Settings.SoundMode = sndDelayed;
    TfmRun &run = Open();
    EXPECT_TRUE(Requests().empty()) << "nothing with the word itself";
    ASSERT_TRUE(WaitForTick());
    ASSERT_EQ(Requests().size(), 1u);
    EXPECT_EQ(Requests()[0].Label, SpeechLabel(run.CurrentText));
    EXPECT_TRUE(Requests()[0].Ready) << "spoken at the tick, two seconds after the word";
    EXPECT_EQ(Requests()[0].TextUp, run.CurrentText);
    Space();
    EXPECT_EQ(Requests().size(), 1u) << "the next word waits for its own tick";
    ASSERT_TRUE(WaitForTick());
    ASSERT_EQ(Requests().size(), 2u);
    EXPECT_EQ(Requests()[1].Label, SpeechLabel(run.CurrentText));
    run.close();

    Settings.SoundMode = sndMute;
    TfmRun &muted = Open();
    ASSERT_TRUE(WaitForTick());
    Space();
    ASSERT_TRUE(WaitForTick());
    EXPECT_EQ(Requests().size(), 2u) << "mute speaks no word";
    muted.close();

    // Switched off, a word without a recording is shown in silence again.
    Settings.SoundMode = sndNormal;
    Settings.Speak = false;
    Open();
    EXPECT_EQ(Requests().size(), 3u);
    EXPECT_FALSE(Requests().back().Label.startsWith(SpeechLabel({})));
}

TEST_F(Speech, ARecordedWordPlaysItsRecordingNotTheVoice)
{
    NowWords = {{QStringLiteral("tone"), 3}};
    // A 5 kHz tone, far above the speech band, as the word's recording.
    const QByteArray tone = Tone(5000, 22050, 22050);
    WriteWave(SoundFileName(3), tone);
    Settings.SoundMode = sndNormal;
    TSinkMonitor monitor;
    QString error;
    ASSERT_TRUE(monitor.Start(error)) << error.toStdString() << "; " << NoSoundServerHint();
    const uint64_t startedBefore = PlaySoundStatus().Started;
    Open();
    ASSERT_EQ(Requests().size(), 1u);
    EXPECT_EQ(Requests()[0].Label, SoundFileName(3));
    ASSERT_TRUE(QTest::qWaitFor([&] { return PlaySoundStatus().Started > startedBefore; }, 10000));
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    const std::vector<int16_t> heard = monitor.StopAfter(1.0);
    EXPECT_GT(LoudTotal(heard, 1000), 0.8) << "the recording was heard";
    EXPECT_LT(BandShare(heard, 300, 3400, TSinkMonitor::Rate), 0.1) << "and no voice over it";

    // A file too short to hold a sample is no recording: the voice speaks.
    WriteAll(SoundFileName(3), QByteArray(WaveHeader, '\0'));
    FRun.reset();
    Open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Requests().size() == 2; }, 10000));
    EXPECT_EQ(Requests()[1].Label, SpeechLabel(QStringLiteral("tone")));
}

TEST_F(Speech, AnImageInMemoryIsPlayedCutAndCountedLikeAFile)
{
    const QString file = FDir.filePath("tone.wav");
    WriteAll(file, MakeWave(1, 16, 22050, 0.5));
    const TPlaySoundStatus before = PlaySoundStatus();
    ASSERT_TRUE(PlaySoundImage(MakeWave(1, 16, 22050, 3.0), QStringLiteral("three seconds")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return PlaySoundStatus().Started > before.Started; }, 10000))
        << NoSoundServerHint() << ": " << PlaySoundStatus().LastError.toStdString();
    EXPECT_EQ(PlaySoundStatus().LastRequest, "three seconds");
    // A file asked for now cuts the image, as it cuts another file.
    PlaySound(file);
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    TPlaySoundStatus after = PlaySoundStatus();
    EXPECT_EQ(after.Requests, before.Requests + 2);
    EXPECT_EQ(after.Started, before.Started + 2);
    EXPECT_EQ(after.Cut, before.Cut + 1);
    EXPECT_EQ(after.Finished, before.Finished + 1);
    EXPECT_EQ(after.LastRequest, file);
    ASSERT_EQ(Requests().size(), 2u);
    EXPECT_EQ(Requests()[0].Label, "three seconds");

    // An image that is no wave fails quietly under its label; an empty one too.
    PlaySoundImage("not a wave", QStringLiteral("bad"));
    PlaySoundImage(QByteArray(), QStringLiteral("empty"));
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    EXPECT_GE(PlaySoundStatus().Failed, after.Failed + 1);
    EXPECT_TRUE(PlaySoundStatus().LastError.startsWith("empty: ")) << PlaySoundStatus().LastError.toStdString();
}

TEST_F(Speech, MarkupAndOddWordsAreSpokenAsPlainTextAndNeverHang)
{
    ASSERT_EQ(SpeechUnavailable(), QString()) << "install espeak-ng-data";
    const QString en = QStringLiteral("en");
    const QByteArray cat = SpeechWave(QStringLiteral("cat"), en);
    ASSERT_GT(Seconds(cat), 0.15);
    // No silence before or after: the voice starts with the first sample handed over.
    auto sampleAt = [](const QByteArray &wave, int i) { return std::abs(int(qFromLittleEndian<int16_t>(wave.constData() + i))); };
    EXPECT_GE(sampleAt(cat, WaveHeader), 64);
    EXPECT_GE(sampleAt(cat, cat.size() - 2), 64);

    // Taken as markup these would say "cat", or nothing at all; as text they
    // read out their tags.
    EXPECT_GT(Seconds(SpeechWave(QStringLiteral("<voice gender=\"female\">cat</voice>"), en)), 2 * Seconds(cat));
    EXPECT_GT(Seconds(SpeechWave(QStringLiteral("<speak>cat</speak>"), en)), 2 * Seconds(cat));
    EXPECT_GT(Seconds(SpeechWave(QStringLiteral("<break time=\"3s\"/>"), en)), 0.3);
    EXPECT_GT(Seconds(SpeechWave(QStringLiteral("<audio src=\"/etc/passwd\"/>"), en)), 0.3);

    EXPECT_GT(Seconds(SpeechWave(QStringLiteral("1234567"), en)), 0.5);
    // A very long text is cut: at most SpeechMaxChars characters, at most
    // SpeechMaxSeconds of speech.
    const QByteArray longest = SpeechWave(QStringLiteral("cat ").repeated(5000), en, 60000);
    EXPECT_GT(Seconds(longest), 5.0);
    EXPECT_LE(Seconds(longest), double(SpeechMaxSeconds));
    const QByteArray cut = SpeechWave(QStringLiteral("cat ").repeated(SpeechMaxChars / 4), en, 60000);
    // (espeak-ng's output varies by a few samples from one synthesis to the next)
    EXPECT_NEAR(Seconds(longest), Seconds(cut), 0.05) << "the text beyond the limit is not spoken";

    // Whatever these say, each comes back within its time and the voice goes on.
    for (const QString &odd : {QStringLiteral("?!.,;:"), QStringLiteral("Привет"), QStringLiteral("日本語"),
                               QStringLiteral("مرحبا"), QStringLiteral("😀😀"), QString(QChar(0xD800)),
                               QStringLiteral("\x01\x02\t\n"), QStringLiteral("   "), QString()}) {
        SCOPED_TRACE(odd.toStdString());
        const QByteArray wave = SpeechWave(odd, en);
        EXPECT_TRUE(wave.isEmpty() || Seconds(wave) <= SpeechMaxSeconds);
    }
    // Not the kept result: a text of its own, synthesised after the odd ones.
    EXPECT_NEAR(Seconds(SpeechWave(QStringLiteral("cat."), en)), Seconds(cat), 0.1)
        << "the synthesiser still works after odd input";
}

TEST_F(Speech, WithoutTheVoicesDataTheWordIsShownInSilence)
{
    QTemporaryDir empty;
    SetSpeechDataPath(empty.path());
    EXPECT_NE(SpeechUnavailable(), QString());
    EXPECT_TRUE(SpeechVoices().isEmpty());
    NowWords = {{QStringLiteral("silent"), 4}};
    Settings.SoundMode = sndNormal;
    Open();
    ASSERT_TRUE(WaitForTick());
    EXPECT_TRUE(Requests().empty());
    EXPECT_TRUE(SpeechWave(QStringLiteral("silent"), QStringLiteral("en")).isEmpty());

    SetSpeechDataPath(QString());
    EXPECT_EQ(SpeechUnavailable(), QString()) << "the voice comes back with its data";
    EXPECT_FALSE(SpeechWave(QStringLiteral("silent"), QStringLiteral("en")).isEmpty());
}

TEST_F(Speech, ALateVoiceIsNeverHeardOverANewerSoundAndTheWordUpIsSpokenBeforeThoseAhead)
{
    ASSERT_EQ(SpeechUnavailable(), QString()) << "install espeak-ng-data";
    // Long texts keep the synthesiser busy for a while; each test run's own,
    // so that none of them is ready from an earlier run.
    const QString run = QString::number(QDateTime::currentMSecsSinceEpoch());
    auto longText = [&](const char *word) { return (QString::fromLatin1(word) + ' ').repeated(15) + run; };
    auto heard = [&] {
        QStringList labels;
        for (const TRequest &r : Requests())
            labels << r.Label;
        return labels;
    };

    // Word A's voice is asked for, then word B's before A's is ready: A's
    // comes too late and is never heard.
    const QString a = longText("butterfly");
    SpeechPlay(a, Settings.Voice);
    SpeechPlay(QStringLiteral("cat"), Settings.Voice);
    ASSERT_TRUE(QTest::qWaitFor([&] { return SpeechPrepared(a, Settings.Voice); }, 20000));
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    EXPECT_EQ(heard(), QStringList({SpeechLabel("cat")}));

    // The same when B is a recording.
    const QString b = longText("caterpillar");
    const QString file = FDir.filePath("dog.wav");
    WriteAll(file, MakeWave(1, 16, 22050, 0.2));
    SpeechPlay(b, Settings.Voice);
    PlaySound(file);
    ASSERT_TRUE(QTest::qWaitFor([&] { return SpeechPrepared(b, Settings.Voice); }, 20000));
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
    EXPECT_EQ(heard(), QStringList({SpeechLabel("cat"), file}));

    // Voices for the words ahead are being made when the word up asks for
    // its own: it is spoken before they are all ready.
    const QString ahead1 = longText("grasshopper"), ahead2 = longText("dragonfly");
    SpeechPrepare(ahead1, Settings.Voice);
    SpeechPrepare(ahead2, Settings.Voice);
    std::atomic<int> aheadReadyWhenSpoken{-1};
    SetPlaySoundObserver([&](TPlaySoundEvent event, const QString &label) {
        if (event == TPlaySoundEvent::Requested && label == SpeechLabel("sun"))
            aheadReadyWhenSpoken = SpeechPrepared(ahead2, Settings.Voice) ? 1 : 0;
    });
    SpeechPlay(QStringLiteral("sun"), Settings.Voice);
    ASSERT_TRUE(QTest::qWaitFor([&] { return aheadReadyWhenSpoken >= 0; }, 20000));
    EXPECT_EQ(aheadReadyWhenSpoken, 0) << "the word up waited behind the words ahead";
    ASSERT_TRUE(QTest::qWaitFor([&] { return SpeechPrepared(ahead2, Settings.Voice); }, 20000));
    SetPlaySoundObserver({});
    ASSERT_TRUE(WaitPlaySoundIdle(10000));
}
