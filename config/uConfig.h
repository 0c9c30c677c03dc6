#pragma once
// TfmConfig: the configuration dialog. Three pages (general settings, word
// recording, word selection) and OK, Cancel and Help. It works on copies of
// Settings and the word lists; OK copies its controls back, and the main
// window then writes the files.
#include "data/uCommon.h"

#include <QBitArray>
#include <QDialog>
#include <QIcon>
#include <QListWidget>
#include <QMap>
#include <QStringList>
#include <QTabWidget>

#include <atomic>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QDrag;
class QMimeData;
class QLabel;
class QLineEdit;
class QProgressBar;
class TMMComponent;
class TMMCustomWaveDevice;
class TMMHiTimer;
class TMMLEDLABEL;
class TMMRingBuffer;
class TMMWaveFile;
class TMMWaveIn;
class TMMWaveOut;
class TPostTarget;
class QRadioButton;
class TColorButton;
class TFontComboBox;
class THotKey;
class TPGImage;
class TPGLabel;
class TPGPanel;
class TSpinEdit;
class TTrackBar;
class ToxButton;
class ToxForm;
class TPlanChart;

// How a word's drag runs once it has its data: the platform's drag unless a
// test stands in for it (delivering the drag and drop events itself).
using TWordDragHook = std::function<void(QDrag *drag)>;
TWordDragHook SetWordDragHook(TWordDragHook hook);

// Seam for tests: called on the dialog's file worker with each sound file
// before Even out all or Undo works on it, and with the pack before Import
// reads it, so that a test can hold the worker there as a slow disk would.
// Safe to replace while a worker runs. Returns the hook it replaced.
using TFileJobHook = std::function<void(const QString &file)>;
TFileJobHook SetFileJobHook(TFileJobHook hook);

// A list box of words, each entry carrying its sound number. Entries are kept
// in alphabetical order without regard to case; an added word goes after the
// entries that compare equal to it.
class TWordListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TWordListBox(QWidget *parent = nullptr);

    // Adds the word at its sorted place and returns its row.
    int AddWord(const TWordEntry &word);
    TWordEntry Word(int row) const;
    TWordList Words() const;
    // Replaces the contents with the words, sorted.
    void SetWords(const TWordList &words);

    // Lets the current entry be dragged to another list that allows it too;
    // the drop itself is the dialog's (DroppedFrom).
    void SetDragMoves(bool on);

signals:
    // A drag from `source` ended over this list.
    void DroppedFrom(TWordListBox *source);
    // A key moved the selection onto an entry (or selected the current one);
    // keys that leave it where it is do not tell.
    void KeySelected();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The list of this window a drag's data comes from, when this list takes
    // drops from it.
    TWordListBox *SourceOf(const QMimeData *data) const;
    bool FDragMoves = false;
};

// The page control: tabs of a fixed width that light up under the pointer.
class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageControl(QWidget *parent = nullptr);
    // The tag of the page shown (0 general, 1 recording, 2 selection).
    int ActiveTag() const;
};

// State of the recording page: no word chosen, a new word being typed (not
// saved yet), or a saved word selected in the list of all words.
enum TWordEditMode { weIdle, weNew, weSelected };

// The recording page's figure for a time in seconds: one decimal, at least 4
// characters right-aligned, with the decimal and thousands separators of the
// locale in use (the system's unless the program chose another).
QString LedTimeText(double seconds);

class TfmConfig : public QDialog {
    Q_OBJECT
public:
    explicit TfmConfig(QWidget *owner = nullptr);
    ~TfmConfig() override;

    // Frame.
    ToxForm *oxForm1;
    TPageControl *Pages;
    QWidget *tsGeneral;
    QWidget *tsRecord;
    QWidget *tsSelect;
    ToxButton *btOk;
    ToxButton *btCancel;
    ToxButton *btHelp;

    // General page.
    TPGPanel *pnLook, *pnChange, *pnMain, *pnOptions;
    TFontComboBox *cbFont;
    TSpinEdit *udSize;
    TColorButton *coFont;
    QCheckBox *cbBold;
    TColorButton *coBack;
    ToxButton *oxButton1;           // Preview
    QListWidget *Fondos;
    TPGImage *pgOpening;
    TPGLabel *laMain;
    TColorButton *coMainFont;
    QRadioButton *rbDelay, *rbMove, *rbClick, *rbKey;
    TTrackBar *tbDelay;
    QLabel *laDelay;
    ToxButton *btLeft, *btNone, *btRight;
    THotKey *hkKey;
    QCheckBox *cbHints, *cbProtect;
    QRadioButton *rbNormal, *rbDelayed, *rbMute;
    // The voice for words without a recording.
    QCheckBox *cbSpeak;
    QComboBox *cbVoice;             // item data: the voice's language
    QComboBox *cbLanguage;          // item data: the language's code, empty for Automatic
    QLabel *laLanguage;

    // Recording page.
    TWordListBox *lbAll;
    ToxButton *btNew, *btDelete, *btSave;
    QLineEdit *edWord;
    QCheckBox *cbAdd;
    ToxButton *btRec, *btPlay;
    QLabel *laRecord;
    TMMLEDLABEL *Led;
    // Evening out the recordings: the switch for new ones, all of them at once
    // (with its progress and Cancel), and back to the takes as captured.
    QCheckBox *cbEven;
    ToxButton *btEvenAll, *btUndo, *btEvenCancel;
    QProgressBar *pbEven;

    // Audio components of the recording page: WaveIn -> MMRingBuffer1 -> RecFile
    // records, PlayFile -> PlayRingBuffer -> WaveOut plays.
    TMMWaveIn *WaveIn;
    TMMRingBuffer *MMRingBuffer1;
    TMMWaveFile *RecFile;
    TMMWaveFile *PlayFile;
    TMMRingBuffer *PlayRingBuffer;
    TMMWaveOut *WaveOut;
    TMMHiTimer *Timer;              // refreshes Led every 200 ms

    // Selection page.
    QLabel *Label1, *Label2, *Label5;
    QLabel *laNew, *laNow, *laKnown;
    TWordListBox *lbNew, *lbNow, *lbKnown;
    ToxButton *btNew2Now, *btNow2New, *btNow2Known, *btKnown2Now;
    ToxButton *btAllNew, *btAllNow, *btAllKnow;
    ToxButton *btNoneNew, *btNoneNow, *btNoneKnow;
    // Word packs; shown in the button row while the selection page is.
    ToxButton *btExport, *btImport;

    // Daily plan page.
    QWidget *tsPlan;
    QCheckBox *cbPlan;
    TSpinEdit *udWords, *udDays, *udPerDay, *udShows, *udGap;
    QLabel *laToday, *laNext, *laRetire, *laNewLeft;
    TPlanChart *pgProgress;

    // Fields.
    QIcon PlayIcon, RecIcon, StopIcon;
    QStringList ImageNames;         // full paths of the background pictures, in Fondos' order
    int MaxWords = 500;
    QBitArray UsedSounds;           // sound numbers taken by the words of lbAll
    TWordEditMode EditMode = weIdle;
    int CurrentSound = -1;
    QString CurrentSoundFile;
    bool Playing = false;
    bool Recording = false;
    // How long the dialog's end waits for Even out all, Undo or Import to
    // stop after the file in hand, in ms; the worker is let go after that.
    int FileJobWaitMs = 5000;

    // Handlers.
    void FormCreate();
    void FormClose();
    void PagesChange();
    void rbOptClick();
    void tbDelayChange();
    void FondosClick();
    void coMainFontClick();
    void cbHintsClick();
    void btPreviewClick();
    void btOkClick();
    void btCancelClick();
    void btHelpClick();
    // The parent switched the voice on or off.
    void cbSpeakClick();

    // Recording page.
    void SetEditMode(TWordEditMode mode);
    void ShowRecordControls(bool visible);
    void lbAllClick();
    void btNewClick();
    void edWordChange();
    void btSaveClick();
    void btDeleteClick();
    void btRecClick();
    void btPlayClick();
    void DeviceStart(TMMComponent *sender);
    void DeviceStop(TMMComponent *sender);
    void TimerTimer();
    void btEvenAllClick();
    void btUndoClick();
    void btEvenCancelClick();
    // The SPACE rule; true when the key is swallowed.
    bool FormKeyDown(int key);
    bool FormKeyPress(int key);

    // The end of a drag from one selection list onto another: the source's
    // current entry moves (not its whole selection).
    void lbNewEndDrag(TWordListBox *source, TWordListBox *target);

    // Daily plan page: the figures for the values on the page, and what OK
    // takes back (the plan then rotates if it is due).
    void PlanPageChange();
    void PlanOkClick();

    // Word packs: the selected words (all when none is) with their
    // recordings into a pack file; a pack's words added as new words.
    void btExportClick();
    void btImportClick();
    // The voice: controls filled from Settings, and taken back on OK.
    void VoiceFormCreate();
    void VoiceOkClick();
    void LanguageFormCreate();
    void LanguageOkClick();
    void ShowLanguageControls(bool shown);
    // Play on the recording page speaks a word without a recording.
    bool SpeaksUnrecorded() const;
    bool Playable() const;

    void MoveSelected(TWordListBox *source, TWordListBox *destination);
    void SelectAll(QListWidget *list, bool value);
    void UpdateCounts();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The window system's close (or the caption's) waits while a file job
    // runs, as OK and Cancel do: ending the dialog would stall it for the
    // file in hand and let the worker go.
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateFrame();
    void CreateGeneralPage();
    void CreateRecordPage();
    void CreateSelectPage();
    void CreatePlanPage();
    void CreatePackButtons();
    // The pack file to write or read, from a file dialog whose name field has
    // the focus; empty when the parent cancels.
    QString AskWordPackFile(bool save);
    void CreateVoiceControls();
    void CreateLanguageControls();
    void PlanFormCreate();
    void CreateAudio();
    void SetTabOrder();
    // Asks a running recording or playback to stop.
    void StopDevices();
    void CloseDevices();
    // Stop, recovering the page as after a failed open when it raises.
    void StopDevice(TMMCustomWaveDevice *device);
    // The recording file could not take more (a full disk): ends the recording.
    void RecordingCutShort(uint64_t session);
    // A device failed to open, start or stop: both closed, the flags cleared.
    void DeviceFailed();
    void LoadRecordIcons();
    void DestroyAudio();
    void CreateEvenControls();
    // A recording has just stopped: its take is kept and evened out. A take
    // cut short by a full disk says only why it stopped, not why it could
    // not be evened out as well.
    void EvenTake(bool quiet);
    // Evens (or, with Even false, puts back) every word's recording, one file
    // after the other, until done or cancelled.
    void RunOverSounds(bool Even);

    // Even out all, Undo and Import do their file work on a thread of their
    // own while the dialog goes on answering (uConfigJob.cpp). The worker
    // shares only the job and what its work captures; it may outlive the
    // dialog, let go by a destructor that gave up waiting for it.
    struct TFileJob;
    // Runs Work on the worker with Locked disabled; then, on this thread, the
    // controls come back and End runs (or what Work threw is thrown here).
    void StartFileJob(const QList<QWidget *> &Locked, std::function<void(TFileJob &)> Work, std::function<void()> End);
    void EndFileJob();
    // Cancels a job still running and waits for it, FileJobWaitMs at most.
    void AwaitFileJob();
    bool SpaceRuleApplies(int key) const;
    // Keys reaching any control of the dialog, before the control sees them;
    // true when swallowed.
    bool KeyPreview(QObject *watched, QEvent *event);
    // Lists the background pictures into ImageNames and Fondos; false when
    // the images folder cannot be listed.
    bool ListBackgrounds();
    // Takes into the lists what another copy of the program saved to the word
    // list since it was read; false, after saying what ours would undo, when
    // that cannot be done.
    bool TakeInOtherCopysWords();

    bool FClosed = false;
    // Sound file -> digest of what this dialog recorded into it, to tell our
    // recording from one another copy of the program made under that number.
    QMap<QString, QByteArray> FRecorded;
    std::unique_ptr<TPostTarget> FPost;     // work handed over by the audio and file workers
    // What the recording file's notice on the ring buffer's worker shares
    // with the dialog; that worker may outlive the dialog.
    struct TCutShortNotice {
        std::atomic<bool> Posted{false};
        std::atomic<uint64_t> Session{0};
    };
    std::shared_ptr<TCutShortNotice> FCutShort = std::make_shared<TCutShortNotice>();
    std::atomic<uint64_t> FRecordSession{0}; // one per recording started
    bool FTakeCutShort = false;              // the recording stopping now was ended by a full disk
    TWordList FEnteredUse;                   // words put into lbNow while the dialog is open
    std::shared_ptr<TFileJob> FJob;          // Even out all, Undo or Import is running
    QList<QPair<QWidget *, bool>> FJobLocked; // what the job locked, and whether it was enabled
};
