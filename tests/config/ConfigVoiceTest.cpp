// The voice on the general page (its switch and chooser, round trip through the
// settings file, the message when it cannot speak) and Play on the recording
// page for a word without a recording.
#include "ConfigTestSupport.h"

#include "sound/playsound.h"
#include "sound/speech.h"
#include "support/MessageLog.h"
#include "widgets/oxBtns.h"
#include "widgets/oxForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>

using namespace cfgtest;

namespace {

class ConfigVoice : public ConfigFolder {
protected:
    void SetUp() override
    {
        ConfigFolder::SetUp();
        Images({"confetti.jpg"});
        FLocale = QLocale();
    }
    void TearDown() override
    {
        QLocale::setDefault(FLocale);
        SetSpeechDataPath(QString());
        StopSound();
        WaitPlaySoundIdle(5000);
        ConfigFolder::TearDown();
    }
    // Picks the voice of a language with the keyboard, as a parent would.
    static void ChooseVoice(QComboBox *box, const QString &language)
    {
        const int wanted = box->findData(language);
        ASSERT_GE(wanted, 0) << language.toStdString();
        box->setFocus();
        for (int guard = 0; box->currentIndex() != wanted && guard < box->count(); ++guard)
            QTest::keyClick(box, box->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(box->currentIndex(), wanted);
    }
    QLocale FLocale;
};

} // namespace

TEST_F(ConfigVoice, SwitchAndVoiceRoundTripThroughTheSettingsFileLeavingEveryOtherKey)
{
    ASSERT_EQ(SpeechUnavailable(), QString()) << "install espeak-ng-data";
    const QByteArray before =
        "[Opening]\r\nBack=confetti\r\nColor=255\r\n[General]\r\nHints=0\r\nProtect=1\r\nSoundMode=1\r\n"
        "[Main]\r\nName=Arial\r\nSize=40\r\nColor=65280\r\nBold=0\r\nBack=16711680\r\nTransition=2\r\nDelay=10\r\n"
        "Button=2\r\nKey=16462\r\nSound=12345\r\nPosition=NOT DEFINED\r\n[Config]\r\nAutoAdd=1\r\n";
    // A German desktop and no [Voice] yet: speaking, in German.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Load(before);
    {
        TfmConfig dlg;
        Show(dlg);
        EXPECT_TRUE(dlg.cbSpeak->isChecked());
        EXPECT_EQ(dlg.cbVoice->currentData().toString(), "de");
        EXPECT_EQ(dlg.cbSpeak->text(), "Speak words that have no recording");
        EXPECT_EQ(HelpContextOf(dlg.cbSpeak), 801);
        EXPECT_EQ(HelpContextOf(dlg.cbVoice), 802);
        EXPECT_FALSE(dlg.cbSpeak->toolTip().isEmpty());
        EXPECT_FALSE(dlg.cbVoice->toolTip().isEmpty());
        EXPECT_EQ(dlg.cbVoice->accessibleName(), "Voice");
        EXPECT_GT(dlg.cbVoice->count(), 20) << "espeak-ng's voices are listed";

        MessageLog log;
        Click(dlg.cbSpeak);
        ChooseVoice(dlg.cbVoice, QStringLiteral("fr-fr"));
        Click(dlg.btOk);
        ASSERT_EQ(dlg.result(), mrOk);
        EXPECT_TRUE(log.Texts.isEmpty()) << "switching off says nothing";
    }
    SaveSettings();
    const QString ini = QString::fromUtf8(ReadAll(File("lumword.INI")));
    EXPECT_TRUE(ini.contains("[Voice]"));
    EXPECT_TRUE(ini.contains("Speak=0"));
    EXPECT_TRUE(ini.contains("Voice=fr-fr"));
    for (const QByteArray &line : before.split('\n')) {
        if (!line.trimmed().isEmpty()) {
            EXPECT_TRUE(ini.contains(QString::fromUtf8(line.trimmed()))) << line.toStdString();
        }
    }

    // Read back: off, in French; switched on again and OK, stored on.
    LoadSettings();
    EXPECT_FALSE(Settings.Speak);
    EXPECT_EQ(Settings.Voice, "fr-fr");
    TfmConfig dlg;
    Show(dlg);
    EXPECT_FALSE(dlg.cbSpeak->isChecked());
    EXPECT_EQ(dlg.cbVoice->currentData().toString(), "fr-fr");
    MessageLog log;
    Click(dlg.cbSpeak);
    EXPECT_TRUE(log.Texts.isEmpty()) << "a working voice needs no message";
    Click(dlg.btOk);
    EXPECT_TRUE(Settings.Speak);
}

TEST_F(ConfigVoice, ADesktopLanguageWithoutAVoiceGetsEnglish)
{
    ASSERT_EQ(SpeechUnavailable(), QString()) << "install espeak-ng-data";
    QLocale::setDefault(QLocale(QLocale::Tibetan, QLocale::China));   // espeak-ng has no Tibetan
    LoadSettings();
    TfmConfig dlg;
    Show(dlg);
    EXPECT_EQ(dlg.cbVoice->currentData().toString(), "en-gb") << "espeak-ng's English";
    // A stored voice this machine lacks falls back the same way, by its language first.
    Settings.Voice = QStringLiteral("de-xx");
    TfmConfig other;
    EXPECT_EQ(other.cbVoice->currentData().toString(), "de");
}

TEST_F(ConfigVoice, SwitchingTheVoiceOnWithoutItsDataSaysSoOnceAndKeepsTheStoredVoice)
{
    QTemporaryDir empty;
    SetSpeechDataPath(empty.path());
    Load("[Voice]\nSpeak=1\nVoice=de\n");
    TfmConfig dlg;
    Show(dlg);
    EXPECT_EQ(dlg.cbVoice->count(), 0);
    EXPECT_FALSE(dlg.cbVoice->isEnabled());
    MessageLog log;
    Click(dlg.cbSpeak);                 // off: nothing to say
    EXPECT_TRUE(log.Texts.isEmpty());
    Click(dlg.cbSpeak);                 // on
    ASSERT_EQ(log.Texts.size(), 1);
    EXPECT_TRUE(log.Texts[0].contains("espeak-ng")) << log.Texts[0].toStdString();
    Click(dlg.btOk);
    EXPECT_TRUE(Settings.Speak);
    EXPECT_EQ(Settings.Voice, "de") << "kept for a machine that has the voice";
}

TEST_F(ConfigVoice, PlayOnASavedWordWithoutARecordingSpeaksItInTheVoiceChosen)
{
    ASSERT_EQ(SpeechUnavailable(), QString()) << "install espeak-ng-data";
    LoadSettings();
    QDir().mkpath(Settings.SoundDir);
    TfmConfig dlg;
    Show(dlg);
    ChooseVoice(dlg.cbVoice, QStringLiteral("en-gb"));
    ShowPage(dlg, 1);
    Click(dlg.btNew);
    QTest::keyClicks(dlg.edWord, "ball");
    Click(dlg.btSave);
    ASSERT_FALSE(QFile::exists(dlg.CurrentSoundFile));
    ASSERT_TRUE(dlg.btPlay->isEnabled()) << "a word without a recording can be heard";

    const uint64_t started = PlaySoundStatus().Started;
    Click(dlg.btPlay);
    ASSERT_TRUE(QTest::qWaitFor([&] { return PlaySoundStatus().Started > started; }, 10000))
        << PlaySoundStatus().LastError.toStdString();
    EXPECT_EQ(PlaySoundStatus().LastRequest, SpeechLabel("ball"));
    EXPECT_FALSE(dlg.Playing) << "the recording chain was not used";

    // With the voice switched off there is nothing to play until it is recorded.
    ShowPage(dlg, 0);
    Click(dlg.cbSpeak);
    ShowPage(dlg, 1);
    ClickRow(dlg.lbAll, 0);
    EXPECT_FALSE(dlg.btPlay->isEnabled());
}
