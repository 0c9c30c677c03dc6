// The voice for words without a recording: its switch and its chooser on the
// general page, and what the recording page's Play asks of it.
#include "config/uConfig.h"

#include "config/uConfigCommon.h"
#include "platform/MessageBox.h"
#include "sound/speech.h"
#include "sound/wavedev.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>

void TfmConfig::CreateVoiceControls()
{
    // The band above the four panels is the page's only free room.
    cbSpeak = new QCheckBox(tr("Speak words that have no recording"), tsGeneral);
    cbSpeak->setGeometry(13, 3, 257, 18);
    cbVoice = new QComboBox(tsGeneral);
    cbVoice->setGeometry(277, 1, 185, 21);
    cbVoice->setAccessibleName(tr("Voice"));
    SetHint(cbSpeak, tr("Check to have the words that have no recording spoken by the computer's voice"), 801);
    SetHint(cbVoice, tr("Select the voice (language) that speaks the words that have no recording"), 802);
    // Only the parent's click, not the dialog filling it, may bring the message.
    connect(cbSpeak, &QCheckBox::clicked, this, &TfmConfig::cbSpeakClick);
}

void TfmConfig::VoiceFormCreate()
{
    const QList<TSpeechVoice> voices = SpeechVoices();
    cbVoice->clear();
    for (const TSpeechVoice &v : voices)
        cbVoice->addItem(QStringLiteral("%1 (%2)").arg(v.Name, v.Language), v.Language);
    cbVoice->setCurrentIndex(cbVoice->findData(MatchVoice(voices, Settings.Voice)));
    cbVoice->setEnabled(!voices.isEmpty());
    cbSpeak->setChecked(Settings.Speak);
}

void TfmConfig::VoiceOkClick()
{
    Settings.Speak = cbSpeak->isChecked();
    // Without a voice list the stored choice stays for a machine that has one.
    if (cbVoice->currentIndex() >= 0)
        Settings.Voice = cbVoice->currentData().toString();
}

void TfmConfig::cbSpeakClick()
{
    if (!cbSpeak->isChecked())
        return;
    QString why = SpeechUnavailable();
    if (why.isEmpty() && WaveDevCount(TWaveDirection::Playback) == 0)
        why = tr("There is no sound device to speak through: words that have no recording will stay silent.");
    if (!why.isEmpty())
        ShowMessageBox(why, QMessageBox::Warning);
}

bool TfmConfig::SpeaksUnrecorded() const { return cbSpeak->isChecked() && cbVoice->currentIndex() >= 0; }

bool TfmConfig::Playable() const { return QFile::exists(CurrentSoundFile) || SpeaksUnrecorded(); }
