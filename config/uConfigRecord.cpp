// The word recording page: adding and deleting words, recording a word's
// sound straight into its sound file and playing it back.
//
// Choices of this page beyond the bare steps:
//  - SPACE starts a recording only for a saved, selected word, so nothing is
//    recorded into the file of a number that Save would then delete;
//  - Play is disabled while recording and Record while playing;
//  - choosing another word, New, Delete and leaving the page stop a running
//    device first, so a device never keeps writing to or reading from the
//    file of a word that is no longer the current one;
//  - a device that fails to open, start or stop clears its flag, closes both
//    devices and leaves the page usable; the device's message is shown;
//  - an empty word, or one holding ";" or a line break (which the word list
//    file cannot keep), is refused with a message;
//  - Delete removes from the selection lists the entry with the same text and
//    the same sound number, never another word of the same text;
//  - when the recording file cannot take more (a full disk), the recording
//    ends with a message and the file keeps what was written.
#include "config/uConfig.h"

#include "audio/MMHiTimer.h"
#include "audio/MMRingBuffer.h"
#include "audio/MMWave.h"
#include "audio/MMWaveIO.h"
#include "config/uConfigCommon.h"
#include "platform/MessageBox.h"
#include "platform/PostTarget.h"
#include "platform/speech.h"
#include "resources/Resources.h"
#include "widgets/MMLEDLbl.h"
#include "widgets/oxBtns.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace {

constexpr int VK_SPACE = 32;

} // namespace

QString LedTimeText(double seconds)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(seconds, 'f', 1).rightJustified(4, QLatin1Char(' '));
}

// ---------------------------------------------------------------------------
// Creation

void TfmConfig::CreateRecordPage()
{
    QWidget *page = tsRecord;
    lbAll = new TWordListBox(page);
    lbAll->setGeometry(14, 24, 189, 253);
    lbAll->setSelectionMode(QAbstractItemView::SingleSelection);
    lbAll->setAccessibleName(QStringLiteral("All words"));
    SetHint(lbAll, QStringLiteral("Select a word from the list to change the sound or delete it"), 301);

    btNew = CreateCommandButton(page, QRect(218, 24, 75, 25), QStringLiteral("New"), TCommandLook::Plain);
    btDelete = CreateCommandButton(page, QRect(302, 24, 75, 25), QStringLiteral("Delete"), TCommandLook::Plain);
    btSave = CreateCommandButton(page, QRect(386, 24, 75, 25), QStringLiteral("Save"), TCommandLook::Plain);
    SetHint(btNew, QStringLiteral("Insert a new word"), 302);
    SetHint(btDelete, QStringLiteral("Delete the word or cancel the action"), 303);
    SetHint(btSave, QStringLiteral("Save the word and sound"), 304);

    edWord = new QLineEdit(page);
    edWord->setGeometry(224, 68, 237, 22);
    edWord->setMaxLength(128);
    edWord->setEnabled(false);
    edWord->setAccessibleName(QStringLiteral("Word"));
    SetHint(edWord, QString(), 309);

    cbAdd = new QCheckBox(QStringLiteral("Add to use words"), page);
    cbAdd->setGeometry(282, 100, 121, 17);
    SetHint(cbAdd, QStringLiteral("Check to add this word to the list of word to use"), 305);

    btRec = CreateCommandButton(page, QRect(222, 144, 110, 41), QStringLiteral("Record"), TCommandLook::Plain);
    btPlay = CreateCommandButton(page, QRect(348, 144, 110, 41), QStringLiteral("Play"), TCommandLook::Plain);
    SetHint(btRec, QStringLiteral("Click to Record a word"), 306);
    SetHint(btPlay, QStringLiteral("Click to Play a word"), 307);

    laRecord = new QLabel(QStringLiteral("To record use the buttons above or hit SPACE to start and again to stop"), page);
    laRecord->setGeometry(228, 196, 225, 28);
    laRecord->setWordWrap(true);

    Led = new TMMLEDLABEL(page);
    Led->SetAutoSize(false);
    Led->SetNumChars(5);
    Led->SetParentColor(false);
    TMMBevel *bevel = Led->Bevel();
    bevel->SetBevelOuter(TMMBevel::bvLowered);
    bevel->SetBevelOuterWidth(1);
    bevel->SetOuterLightColor(clBtnHighlight);
    bevel->SetOuterShadowColor(clBtnShadow);
    bevel->SetBevelInner(TMMBevel::bvNone);
    bevel->SetBorderStyle(TMMBevel::bsNone);
    bevel->SetBorderWidth(0);
    bevel->SetBorderSpace(2);
    bevel->SetBorderSpaceColor(clBlack);
    Led->SetBounds(297, 248, 86, 26);
    Led->SetCaption(LedTimeText(0.0));
    Led->setAccessibleName(QStringLiteral("Recorded time"));

    // A word is chosen by a click (also on the entry already selected, which
    // chooses it again after New) or by a key that moved the selection; the
    // list's own changes (entries added or removed, focus arriving) and keys
    // that leave the selection where it is (Tab, Shift) choose nothing, so
    // they never throw away a new word being typed.
    connect(lbAll, &QListWidget::itemClicked, this, [this] { lbAllClick(); });
    connect(lbAll, &TWordListBox::KeySelected, this, &TfmConfig::lbAllClick);
    connect(btNew, &ToxButton::OnClick, this, &TfmConfig::btNewClick);
    connect(btDelete, &ToxButton::OnClick, this, &TfmConfig::btDeleteClick);
    connect(btSave, &ToxButton::OnClick, this, &TfmConfig::btSaveClick);
    connect(btRec, &ToxButton::OnClick, this, &TfmConfig::btRecClick);
    connect(btPlay, &ToxButton::OnClick, this, &TfmConfig::btPlayClick);
    connect(edWord, &QLineEdit::textChanged, this, &TfmConfig::edWordChange);

    // The dialog sees every key before the focused control.
    qApp->installEventFilter(this);
}

void TfmConfig::CreateAudio()
{
    FPost = std::make_unique<TPostTarget>();

    WaveIn = new TMMWaveIn;
    MMRingBuffer1 = new TMMRingBuffer;
    RecFile = new TMMWaveFile;
    PlayFile = new TMMWaveFile;
    PlayRingBuffer = new TMMRingBuffer;
    WaveOut = new TMMWaveOut;
    WaveIn->Name = QStringLiteral("WaveIn");
    MMRingBuffer1->Name = QStringLiteral("MMRingBuffer1");
    RecFile->Name = QStringLiteral("RecFile");
    PlayFile->Name = QStringLiteral("PlayFile");
    PlayRingBuffer->Name = QStringLiteral("PlayRingBuffer");
    WaveOut->Name = QStringLiteral("WaveOut");

    // Every recording is 8-bit stereo PCM at 22050 samples per second.
    WaveIn->SetDeviceID(MapperId);
    WaveIn->SetMode(mStereo);
    WaveIn->SetSampleRate(22050);
    WaveIn->SetBitLength(b8Bit);
    WaveIn->SetBufferSize(4096);
    WaveIn->SetNumBuffers(50);
    WaveIn->SetCallBackMode(cmThread);
    WaveIn->SetTimeFormat(tfMillisecond);
    MMRingBuffer1->SetInput(WaveIn);
    MMRingBuffer1->SetOutput(RecFile);
    MMRingBuffer1->SetBufferSize(4096);
    MMRingBuffer1->SetNumBuffers(100);
    MMRingBuffer1->SetQueueMode(qmWrite);
    // A block reaches the disk within a quarter second of arriving: with the
    // device's own 93 ms blocks, a crash loses at most the last half second.
    MMRingBuffer1->SetFlushInterval(250);
    RecFile->Wave()->TimeFormat = tfMillisecond;
    RecFile->Wave()->FileMustExist = false;

    PlayFile->Wave()->TimeFormat = tfMillisecond;
    PlayRingBuffer->SetInput(PlayFile);
    PlayRingBuffer->SetBufferSize(4096);
    PlayRingBuffer->SetNumBuffers(100);
    PlayRingBuffer->SetQueueMode(qmRead);
    WaveOut->SetInput(PlayRingBuffer);
    WaveOut->SetDeviceID(MapperId);
    WaveOut->SetBufferSize(4096);
    WaveOut->SetNumBuffers(50);
    WaveOut->SetTimeFormat(tfMillisecond);

    // Enabled as it is made: until a device has run, its ticks show 0.0.
    Timer = new TMMHiTimer;
    Timer->Name = QStringLiteral("Timer");
    Timer->SetInterval(200);
    Timer->SetOnTimer([this](TMMComponent *) { TimerTimer(); });

    WaveIn->OnStart = [this](TMMComponent *s) { DeviceStart(s); };
    WaveIn->OnStop = [this](TMMComponent *s) { DeviceStop(s); };
    WaveOut->OnStart = [this](TMMComponent *s) { DeviceStart(s); };
    WaveOut->OnStop = [this](TMMComponent *s) { DeviceStop(s); };

    // Runs on the ring buffer's worker for every block it writes to the file:
    // once the file has been finished early (the disk took no more), the user
    // interface is told, once per recording.
    RecFile->OnBufferReady = [this](TMMComponent *, PWaveHdr) {
        if (!RecFile->IsFileOpen() && !FCutShortPosted.exchange(true)) {
            const uint64_t session = FRecordSession;
            FPost->Post([this, session] { RecordingCutShort(session); });
        }
    };
}

void TfmConfig::LoadRecordIcons()
{
    InitResources();
    PlayIcon = QIcon(QStringLiteral(":/PLAY"));
    RecIcon = QIcon(QStringLiteral(":/REC"));
    StopIcon = QIcon(QStringLiteral(":/STOP"));
    btPlay->PictureUp()->SetIcon(PlayIcon);
    btRec->PictureUp()->SetIcon(RecIcon);
}

void TfmConfig::DestroyAudio()
{
    if (FPost)
        FPost->Close();
    delete Timer;
    Timer = nullptr;
    delete WaveIn;
    delete WaveOut;
    delete MMRingBuffer1;
    delete PlayRingBuffer;
    delete RecFile;
    delete PlayFile;
    WaveIn = nullptr;
    WaveOut = nullptr;
    MMRingBuffer1 = PlayRingBuffer = nullptr;
    RecFile = PlayFile = nullptr;
}

// ---------------------------------------------------------------------------
// Page state

void TfmConfig::SetEditMode(TWordEditMode mode)
{
    EditMode = mode;
    switch (mode) {
    case weIdle:
        lbAll->clearSelection();
        btNew->setEnabled(true);
        btDelete->SetCaption(QStringLiteral("Delete"));
        btDelete->setEnabled(false);
        btSave->setEnabled(false);
        edWord->clear();
        edWord->setEnabled(false);
        cbAdd->hide();
        break;
    case weNew:
        edWord->setEnabled(true);
        edWord->clear();
        edWord->setFocus();
        btSave->SetDefault(true);
        btNew->setEnabled(false);
        btDelete->SetCaption(QStringLiteral("Cancel"));
        btDelete->setEnabled(true);
        cbAdd->show();
        break;
    case weSelected:
        edWord->setEnabled(false);
        cbAdd->hide();
        btDelete->setEnabled(true);
        btDelete->SetCaption(QStringLiteral("Delete"));
        btSave->setEnabled(false);
        btNew->setEnabled(true);
        if (const QListWidgetItem *item = lbAll->currentItem(); item && item->isSelected())
            edWord->setText(item->text());
        break;
    }
}

void TfmConfig::ShowRecordControls(bool visible)
{
    btPlay->setVisible(visible);
    btRec->setVisible(visible);
    laRecord->setVisible(visible);
    Led->setVisible(visible);
    Led->SetCaption(LedTimeText(0.0));
    btPlay->PictureUp()->SetIcon(Playing ? StopIcon : PlayIcon);
    btPlay->SetCaption(Playing ? QStringLiteral("Stop") : QStringLiteral("Play"));
    btRec->PictureUp()->SetIcon(Recording ? StopIcon : RecIcon);
    btRec->SetCaption(Recording ? QStringLiteral("Stop") : QStringLiteral("Record"));
}

void TfmConfig::StopDevices()
{
    if (!Playing && !Recording)
        return;
    StopDevice(WaveIn);
    StopDevice(WaveOut);
}

void TfmConfig::StopDevice(TMMCustomWaveDevice *device)
{
    try {
        device->Stop();
    } catch (...) {
        DeviceFailed();
        throw;
    }
}

void TfmConfig::CloseDevices()
{
    WaveIn->Close();
    WaveOut->Close();
}

// ---------------------------------------------------------------------------
// Words

void TfmConfig::lbAllClick()
{
    const int row = lbAll->currentRow();
    if (row < 0 || !lbAll->item(row)->isSelected())
        return;
    StopDevices();
    SetEditMode(weSelected);
    CurrentSound = lbAll->Word(row).SoundNo;
    CurrentSoundFile = SoundFileName(CurrentSound);
    ShowRecordControls(true);
    btRec->setEnabled(!Playing);
    btPlay->setEnabled(!Recording && Playable());
}

void TfmConfig::btNewClick()
{
    if (lbAll->count() >= MaxWords)
        return;
    int free = -1;
    for (int n = 0; n < MaxWords && n < UsedSounds.size(); ++n)
        if (!UsedSounds.testBit(n)) {
            free = n;
            break;
        }
    if (free < 0)
        return;   // every number is taken (the list names some twice)
    StopDevices();
    SetEditMode(weNew);
    CurrentSound = free;
    CurrentSoundFile = SoundFileName(CurrentSound);
    ShowRecordControls(false);
}

void TfmConfig::edWordChange()
{
    if (!edWord->text().isEmpty() && EditMode == weNew)
        btSave->setEnabled(true);
}

void TfmConfig::btSaveClick()
{
    btSave->SetDefault(false);
    const QString text = edWord->text();
    if (EditMode != weNew)
        return;
    // The word list file keeps one word per line with ";" between the fields.
    QString refusal;
    if (text.trimmed().isEmpty())
        refusal = QStringLiteral("Type the word before saving it.");
    else if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        refusal = QStringLiteral("A word cannot contain \";\" or a line break. Please change the word.");
    if (!refusal.isEmpty()) {
        btSave->SetDefault(true);
        edWord->setFocus();
        ShowMessageBox(refusal, QMessageBox::Warning);
        return;
    }

    const TWordEntry word{text, CurrentSound};
    const int row = lbAll->AddWord(word);
    UsedSounds.setBit(CurrentSound);
    (cbAdd->isChecked() ? lbNow : lbNew)->AddWord(word);
    bool staleKept = false;
    if (QFile::exists(CurrentSoundFile))
        staleKept = !QFile::remove(CurrentSoundFile);

    lbAll->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    lbAllClick();
    // The word box has just been disabled under the focus; left to itself the
    // focus would move on to a button that Enter presses (OK, which closes
    // the dialog). The next step is recording the word.
    btRec->setFocus();
    if (staleKept)
        ShowMessageBox(QStringLiteral("The old sound file %1 could not be deleted. Record the word to replace it.")
                           .arg(CurrentSoundFile),
                       QMessageBox::Warning);
}

void TfmConfig::btDeleteClick()
{
    if (EditMode == weNew) {
        SetEditMode(weIdle);
        return;
    }
    if (EditMode != weSelected)
        return;
    const int row = lbAll->currentRow();
    if (row < 0 || !lbAll->item(row)->isSelected())
        return;
    StopDevices();
    const TWordEntry word = lbAll->Word(row);
    if (word.SoundNo >= 0 && word.SoundNo < UsedSounds.size())
        UsedSounds.clearBit(word.SoundNo);
    delete lbAll->takeItem(row);
    for (TWordListBox *list : {lbNew, lbNow, lbKnown})
        for (int i = 0; i < list->count(); ++i) {
            const TWordEntry other = list->Word(i);
            if (other.SoundNo == word.SoundNo && other.Text.compare(word.Text, Qt::CaseInsensitive) == 0) {
                delete list->takeItem(i);
                break;
            }
        }
    SetEditMode(weIdle);
    ShowRecordControls(false);
}

// ---------------------------------------------------------------------------
// Devices

void TfmConfig::btRecClick()
{
    if (Recording) {
        StopDevice(WaveIn);
        return;
    }
    if (Playing || EditMode != weSelected || CurrentSoundFile.isEmpty())
        return;
    btPlay->setEnabled(false);
    RecFile->Wave()->SetFileName(CurrentSoundFile);
    ++FRecordSession;
    FCutShortPosted = false;
    Recording = true;
    try {
        WaveIn->Open();
        WaveIn->Start();
    } catch (...) {
        DeviceFailed();
        throw;
    }
}

void TfmConfig::btPlayClick()
{
    if (Playing) {
        StopDevice(WaveOut);
        return;
    }
    if (Recording || EditMode != weSelected)
        return;
    if (!QFile::exists(CurrentSoundFile)) {
        // What the run screen will say for this word, in the voice chosen now.
        if (SpeaksUnrecorded())
            SpeechPlay(edWord->text(), cbVoice->currentData().toString());
        return;
    }
    btRec->setEnabled(false);
    try {
        WaveOut->Close();
        PlayFile->Wave()->SetFileName(QString());
        PlayFile->Wave()->SetFileName(CurrentSoundFile);
        Playing = true;
        WaveOut->Open();
        WaveOut->Start();
    } catch (...) {
        DeviceFailed();
        throw;
    }
}

void TfmConfig::DeviceFailed()
{
    // Open, Start or Stop raised. The devices have closed themselves; the
    // page goes back to a word that
    // can be recorded or played again.
    Recording = false;
    Playing = false;
    CloseDevices();
    Timer->SetEnabled(false);
    btRec->setEnabled(true);
    btPlay->setEnabled(Playable());
    ShowRecordControls(EditMode == weSelected);
}

void TfmConfig::DeviceStart(TMMComponent *)
{
    Led->setVisible(true);
    Timer->SetEnabled(true);
    if (Recording)
        btPlay->setEnabled(false);
    if (Playing)
        btRec->setEnabled(false);
    ShowRecordControls(true);
}

void TfmConfig::DeviceStop(TMMComponent *)
{
    const bool recorded = Recording;
    Playing = false;
    Recording = false;
    Timer->SetEnabled(false);
    Led->SetCaption(LedTimeText(0.0));
    btPlay->setEnabled(Playable());
    btRec->setEnabled(true);
    CloseDevices();
    if (recorded)
        FRecorded.insert(RecFile->Wave()->FileName(), TFileBase::Digest(RecFile->Wave()->FileName()));
    // A stop that arrives after the word was put aside leaves the page's
    // controls as that change set them.
    ShowRecordControls(EditMode == weSelected);
}

void TfmConfig::RecordingCutShort(uint64_t session)
{
    if (!Recording || session != FRecordSession || RecFile->IsFileOpen())
        return;
    const QString file = CurrentSoundFile;
    StopDevice(WaveIn);
    ShowMessageBox(QStringLiteral("The recording stopped because %1 could not be written: the disk may be full. "
                                  "The sound recorded up to that moment is kept.")
                       .arg(file),
                   QMessageBox::Warning);
}

void TfmConfig::TimerTimer()
{
    const int64_t ms = Playing ? WaveOut->Position() : WaveIn->Position();
    Led->SetCaption(LedTimeText(double(ms) * 0.001));
    // Painted now rather than with the window's next update, so the time
    // shown is the time of this tick.
    if (Led->isVisible())
        Led->repaint();
}

// ---------------------------------------------------------------------------
// SPACE starts and stops a recording

bool TfmConfig::SpaceRuleApplies(int key) const
{
    return Pages->currentWidget() == tsRecord && key == VK_SPACE && (EditMode == weNew || EditMode == weSelected)
           && !edWord->text().isEmpty() && QApplication::focusWidget() != edWord && !Playing;
}

bool TfmConfig::FormKeyDown(int key) { return SpaceRuleApplies(key); }

bool TfmConfig::FormKeyPress(int key)
{
    if (!SpaceRuleApplies(key))
        return false;
    if (Recording)
        StopDevice(WaveIn);
    else if (EditMode == weSelected)
        btRecClick();
    return true;
}

bool TfmConfig::KeyPreview(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWidgetType()
        || static_cast<QWidget *>(watched)->window() != this || FClosed)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const int vk = key->key() == Qt::Key_Space ? VK_SPACE : 0;
    if (type == QEvent::KeyRelease)
        return FormKeyDown(vk);
    const bool swallowed = FormKeyDown(vk);
    // A held key repeats; only the first press starts or stops.
    if (swallowed && !key->isAutoRepeat())
        FormKeyPress(key->text() == QLatin1String(" ") ? VK_SPACE : 0);
    return swallowed;
}

