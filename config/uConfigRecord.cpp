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
//    ends with a message and the file keeps what was written;
//  - a take is evened out once it has become the word's sound file, after
//    the capture chain has closed it; the take as captured is kept beside it
//    (MMEvenOut.h says how), so evening never costs a recording.
#include "config/uConfig.h"

#include "audio/MMEvenOut.h"
#include "audio/MMHiTimer.h"
#include "audio/MMRingBuffer.h"
#include "audio/MMWave.h"
#include "audio/MMWaveIO.h"
#include "config/uConfigCommon.h"
#include "platform/MessageBox.h"
#include "platform/PostTarget.h"
#include "sound/speech.h"
#include "resources/Resources.h"
#include "widgets/MMLEDLbl.h"
#include "widgets/oxBtns.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QSet>

#include <optional>
#include <utility>

namespace {

constexpr int VK_SPACE = 32;

// The sound numbers in the word list another copy of the program saved since
// this dialog read it (none when nobody did); nothing when the list on disk
// cannot be read, so that no number can be known to be free there.
std::optional<QBitArray> SoundsOfOtherCopy(int maxWords)
{
    QBitArray taken(maxWords);
    try {
        std::optional<QByteArray> disk;
        if (!WordListBase().ChangedOnDisk(WordListFileName(), &disk) || !disk)
            return taken;
        for (const TWordEntry &w : ParseWordLists(*disk).All)
            if (w.SoundNo >= 0 && w.SoundNo < maxWords)
                taken.setBit(w.SoundNo);
    } catch (const std::exception &) {
        return std::nullopt;
    }
    return taken;
}

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
    lbAll->setAccessibleName(tr("All words"));
    SetHint(lbAll, tr("Select a word from the list to change the sound or delete it"), 301);

    btNew = CreateCommandButton(page, QRect(218, 24, 75, 25), tr("New"), TCommandLook::Plain);
    btDelete = CreateCommandButton(page, QRect(302, 24, 75, 25), tr("Delete"), TCommandLook::Plain);
    btSave = CreateCommandButton(page, QRect(386, 24, 75, 25), tr("Save"), TCommandLook::Plain);
    SetHint(btNew, tr("Insert a new word"), 302);
    SetHint(btDelete, tr("Delete the word or cancel the action"), 303);
    SetHint(btSave, tr("Save the word and sound"), 304);

    edWord = new QLineEdit(page);
    edWord->setGeometry(224, 68, 237, 22);
    edWord->setMaxLength(128);
    edWord->setEnabled(false);
    edWord->setAccessibleName(tr("Word"));
    SetHint(edWord, QString(), 309);

    cbAdd = new QCheckBox(tr("Add to use words"), page);
    cbAdd->setGeometry(282, 100, 121, 17);
    SetHint(cbAdd, tr("Check to add this word to the list of word to use"), 305);

    btRec = CreateCommandButton(page, QRect(222, 144, 110, 41), tr("Record"), TCommandLook::Plain);
    btPlay = CreateCommandButton(page, QRect(348, 144, 110, 41), tr("Play"), TCommandLook::Plain);
    SetHint(btRec, tr("Click to Record a word"), 306);
    SetHint(btPlay, tr("Click to Play a word"), 307);

    laRecord = new QLabel(tr("To record use the buttons above or hit SPACE to start and again to stop"), page);
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
    Led->setAccessibleName(tr("Recorded time"));

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

    CreateEvenControls();

    // The dialog sees every key before the focused control.
    qApp->installEventFilter(this);
}

void TfmConfig::CreateEvenControls()
{
    QWidget *page = tsRecord;
    cbEven = new QCheckBox(tr("Even out the volume"), page);
    cbEven->setGeometry(228, 226, 225, 17);
    cbEven->setChecked(true);
    cbEven->setAccessibleName(tr("Even out the volume"));
    SetHint(cbEven, tr("Check to trim the silence around each new recording and bring it to the same "
                       "loudness as the other words"), 701);

    btEvenAll = CreateCommandButton(page, QRect(222, 248, 90, 26), tr("Even out all"), TCommandLook::Plain);
    btUndo = CreateCommandButton(page, QRect(388, 248, 73, 26), tr("Undo"), TCommandLook::Plain);
    btEvenAll->setAccessibleName(tr("Even out all"));
    btUndo->setAccessibleName(tr("Undo evening out"));
    SetHint(btEvenAll, tr("Even out the volume of every recorded word"), 702);
    SetHint(btUndo, tr("Put back every recording as it was recorded"), 703);

    // Over the recording hint while Even out all or Undo runs.
    pbEven = new QProgressBar(page);
    pbEven->setGeometry(228, 198, 150, 22);
    pbEven->setTextVisible(false);
    pbEven->setAccessibleName(tr("Recordings done"));
    pbEven->hide();
    SetHint(pbEven, QString(), 704);
    btEvenCancel = CreateCommandButton(page, QRect(386, 196, 75, 25), tr("Cancel"), TCommandLook::Plain);
    btEvenCancel->setAccessibleName(tr("Cancel evening out"));
    SetHint(btEvenCancel, tr("Stop here; the words done so far keep their new sound"), 704);
    btEvenCancel->hide();

    connect(btEvenAll, &ToxButton::OnClick, this, &TfmConfig::btEvenAllClick);
    connect(btUndo, &ToxButton::OnClick, this, &TfmConfig::btUndoClick);
    connect(btEvenCancel, &ToxButton::OnClick, this, &TfmConfig::btEvenCancelClick);
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
    // interface is told, once per recording. That worker may outlive this
    // dialog (let go by a close that gave up on a stuck disk), so it reaches
    // only what it shares with the dialog, and the dialog only through posts.
    RecFile->OnBufferReady = [this, notice = FCutShort, post = FPost->Poster()](TMMComponent *file, PWaveHdr) {
        if (!static_cast<TMMWaveFile *>(file)->IsFileOpen() && !notice->Posted.exchange(true)) {
            const uint64_t session = notice->Session;
            post([this, session] { RecordingCutShort(session); });
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
    // A worker let go by a close that gave up on it may still return into
    // these components: they may outlive the dialog, and must not call it.
    for (TMMCustomSoundComponent *device : std::initializer_list<TMMCustomSoundComponent *>{WaveIn, WaveOut})
        if (device)
            device->OnStart = device->OnStop = nullptr;
    MMDispose(WaveIn);
    MMDispose(WaveOut);
    MMDispose(MMRingBuffer1);
    MMDispose(PlayRingBuffer);
    MMDispose(RecFile);
    MMDispose(PlayFile);
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
        btDelete->SetCaption(tr("Delete"));
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
        btDelete->SetCaption(tr("Cancel"));
        btDelete->setEnabled(true);
        cbAdd->show();
        break;
    case weSelected:
        edWord->setEnabled(false);
        cbAdd->hide();
        btDelete->setEnabled(true);
        btDelete->SetCaption(tr("Delete"));
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
    btPlay->SetCaption(Playing ? tr("Stop") : tr("Play"));
    btRec->PictureUp()->SetIcon(Recording ? StopIcon : RecIcon);
    btRec->SetCaption(Recording ? tr("Stop") : tr("Record"));
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
    const int free = LowestFreeSound(UsedSounds);
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
        refusal = tr("Type the word before saving it.");
    else if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        refusal = tr("A word cannot contain \";\" or a line break. Please change the word.");
    if (!refusal.isEmpty()) {
        btSave->SetDefault(true);
        edWord->setFocus();
        ShowMessageBox(refusal, QMessageBox::Warning);
        return;
    }

    // Files at the number New gave out are a deleted word's leftovers, and
    // go below, unless another copy of the program has given out that number
    // since the dialog read the list: they are then its word's. The word
    // takes a number free on both sides with no files on disk instead.
    if (const std::optional<QBitArray> theirs = SoundsOfOtherCopy(MaxWords); !theirs || theirs->testBit(CurrentSound)) {
        const int fresh = LowestSoundFreeOnDisk(theirs ? UsedSounds | *theirs : UsedSounds);
        if (fresh < 0) {
            ShowMessageBox(tr("There is no free sound number left for another word."), QMessageBox::Warning);
            return;
        }
        CurrentSound = fresh;
        CurrentSoundFile = SoundFileName(fresh);
    }
    const TWordEntry word{text, CurrentSound};
    const int row = lbAll->AddWord(word);
    UsedSounds.setBit(CurrentSound);
    (cbAdd->isChecked() ? lbNow : lbNew)->AddWord(word);
    const bool staleKept = !ClearLeftoverSound(CurrentSound);

    lbAll->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    lbAllClick();
    // The word box has just been disabled under the focus; left to itself the
    // focus would move on to a button that Enter presses (OK, which closes
    // the dialog). The next step is recording the word.
    btRec->setFocus();
    if (staleKept)
        ShowMessageBox(tr("The old sound file %1 could not be deleted. Record the word to replace it.")
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
    FCutShort->Session = ++FRecordSession;
    FTakeCutShort = false;
    FCutShort->Posted = false;
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
    const bool cutShort = std::exchange(FTakeCutShort, false);
    Playing = false;
    Recording = false;
    Timer->SetEnabled(false);
    Led->SetCaption(LedTimeText(0.0));
    btPlay->setEnabled(Playable());
    btRec->setEnabled(true);
    CloseDevices();
    if (recorded) {
        EvenTake(cutShort);
        FRecorded.insert(RecFile->Wave()->FileName(), TFileBase::Digest(RecFile->Wave()->FileName()));
    }
    // A stop that arrives after the word was put aside leaves the page's
    // controls as that change set them.
    ShowRecordControls(EditMode == weSelected);
}

void TfmConfig::RecordingCutShort(uint64_t session)
{
    if (!Recording || session != FRecordSession || RecFile->IsFileOpen())
        return;
    const QString file = CurrentSoundFile;
    FTakeCutShort = true;
    StopDevice(WaveIn);
    ShowMessageBox(tr("The recording stopped because %1 could not be written: the disk may be full. "
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
// Evening out

void TfmConfig::EvenTake(bool quiet)
{
    const QString file = RecFile->Wave()->FileName();
    if (!QFile::exists(file))
        return;   // nothing was recorded: the earlier recording stayed
    const TEvenReport r = KeepAndEvenTake(file, cbEven->isChecked());
    QString text;
    switch (r.Outcome) {
    case TEvenOutcome::NothingHeard:
        text = tr("Nothing was heard in this recording, so its volume was left as it is. "
                  "Check the microphone and record the word again.");
        break;
    case TEvenOutcome::WriteFailed:
        text = tr("The recording could not be evened out because the folder %1 could not be written "
                  "(the disk may be full or the folder read-only). The recording is kept as it was "
                  "recorded.")
                   .arg(QFileInfo(file).absolutePath());
        break;
    case TEvenOutcome::Unreadable:
        text = tr("The recording %1 cannot be read back, so it was not evened out.").arg(file);
        break;
    default:
        return;
    }
    if (!quiet)
        ShowMessageBox(text, QMessageBox::Warning);
}

void TfmConfig::btEvenAllClick() { RunOverSounds(true); }

void TfmConfig::btUndoClick() { RunOverSounds(false); }

void TfmConfig::btEvenCancelClick()
{
    // Taken at once; the worker stops after the file in hand, and the
    // controls come back when it says so.
    if (FJob)
        FJob->Cancelled = true;
    btEvenCancel->setEnabled(false);
}

namespace {

// What Even out all or Undo found, gathered on this thread from the worker's
// posts, one per file.
struct TEvenTally {
    QStringList Nothing, Other, Unreadable, Failed;
};

} // namespace

void TfmConfig::RunOverSounds(bool Even)
{
    if (FJob || Recording || Playing)
        return;
    QStringList files, words;
    for (const TWordEntry &w : lbAll->Words()) {
        const QString file = SoundFileName(w.SoundNo);
        if (!files.contains(file) && (QFile::exists(file) || QFile::exists(OriginalSoundName(file)))) {
            files << file;
            words << w.Text;
        }
    }
    // Our own recordings stay ours once evened or put back: the worker reads
    // their new digests.
    const QSet<QString> recorded(FRecorded.keyBegin(), FRecorded.keyEnd());

    const bool hintShown = laRecord->isVisible();
    auto tally = std::make_shared<TEvenTally>();
    const std::function<void(int, TEvenOutcome, QByteArray)> fileDone =
        [this, tally, files, words, Even](int i, TEvenOutcome outcome, const QByteArray &digest) {
            const QString name = QStringLiteral("%1 (%2)").arg(words[i], QFileInfo(files[i]).fileName());
            switch (outcome) {
            case TEvenOutcome::NothingHeard:
                if (Even)
                    tally->Nothing << name;
                break;
            case TEvenOutcome::OtherFormat: tally->Other << name; break;
            case TEvenOutcome::Unreadable: tally->Unreadable << name; break;
            case TEvenOutcome::WriteFailed: tally->Failed << name; break;
            default: break;
            }
            if (FRecorded.contains(files[i]))
                FRecorded.insert(files[i], digest);
            pbEven->setValue(i + 1);
        };
    const auto work = [files, Even, recorded, fileDone](TFileJob &job) {
        for (int i = 0; i < files.size() && !job.Cancelled; ++i) {
            const QString &file = files[i];
            RunFileJobHook(file);
            const TEvenReport r = Even ? EvenSoundFile(file) : RestoreOriginalSound(file);
            const QByteArray digest = recorded.contains(file) ? TFileBase::Digest(file) : QByteArray();
            job.Post([fileDone, i, outcome = r.Outcome, digest] { fileDone(i, outcome, digest); });
        }
    };
    const auto end = [this, tally, hintShown] {
        pbEven->hide();
        btEvenCancel->hide();
        laRecord->setVisible(hintShown);
        if (EditMode == weSelected)
            btPlay->setEnabled(QFile::exists(CurrentSoundFile));

        QStringList parts;
        if (!tally->Failed.isEmpty())
            parts << tr("These could not be written (the disk may be full or the folder read-only); "
                        "they are as they were:\n%1")
                         .arg(tally->Failed.join('\n'));
        if (!tally->Nothing.isEmpty())
            parts << tr("Nothing was heard in these recordings; they were left as they are:\n%1")
                         .arg(tally->Nothing.join('\n'));
        if (!tally->Other.isEmpty())
            parts << tr("These sound files are not recordings of this program (another wave format); "
                        "they were left as they are:\n%1")
                         .arg(tally->Other.join('\n'));
        if (!tally->Unreadable.isEmpty())
            parts << tr("These sound files cannot be read (empty or damaged); they were left as they "
                        "are:\n%1")
                         .arg(tally->Unreadable.join('\n'));
        if (!parts.isEmpty())
            ShowMessageBox(parts.join(QStringLiteral("\n\n")), QMessageBox::Warning);
    };

    // Everything but Cancel waits; the page's own handlers are not entered
    // while the files change under them.
    StartFileJob({Pages->tabBar(), btOk, btCancel, btHelp, lbAll, btNew, btDelete, btSave, edWord, cbAdd, btRec,
                  btPlay, cbEven, btEvenAll, btUndo},
                 work, end);
    laRecord->hide();
    pbEven->setRange(0, int(files.size()));
    pbEven->setValue(0);
    pbEven->show();
    btEvenCancel->setEnabled(true);
    btEvenCancel->show();
    btEvenCancel->setFocus();
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

