#pragma once
// TfmRun: the full-screen run screen that shows the words in use one at a time,
// plays each word's sound, and moves on by time, mouse or key as the settings say.
// The configuration dialog opens it in preview mode to show the chosen look.
#include "platform/Colors.h"
#include "platform/keys.h"

#include <QBitArray>
#include <QFont>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

class QPainter;
class QPushButton;
class QRandomGenerator;
class QScreen;
class QTimer;
class TDozer;
class TPlaySoundSession;

enum TRunMode { rmStart = 0, rmShowing = 1, rmWaiting = 2, rmPreview = 3 };

// How long the screen stays blank between two words, in milliseconds.
constexpr uint16_t BlankLength = 500;
// How long a new word locks the next-word triggers, in milliseconds.
constexpr int ShowingLength = 2000;

// Draws the index of the next word out of count: never one already shown in this
// cycle (Shown), never LastIndex; a full cycle starts a new one. Updates Shown and
// LastIndex (-1 when there are fewer than 2 words). Returns -1 when count is 0.
int DrawNextWord(QBitArray &shown, int &lastIndex, int count, QRandomGenerator &random);

// Where the run screen reads the time it counts its words' showing times by.
using TRunClock = std::function<std::chrono::steady_clock::time_point()>;

class TfmRun : public QWidget {
    Q_OBJECT
public:
    // FormCreate runs here: the pointer position and the hot key are taken now.
    explicit TfmRun(QWidget *owner = nullptr);
    ~TfmRun() override;

    // Components.
    QTimer *Timer;
    TDozer *Dozer;
    QPushButton *Button1;

    // Fields.
    TRunMode Mode = rmStart;
    bool Ready = false;
    QString CurrentText;
    int LastIndex = -1;
    QPoint StartPos;
    uint16_t KeyCode = 0;
    TShiftState KeyShift = 0;
    QBitArray Shown;
    QString SoundFile;

    // Colours are platform colour values, the size is in points. In preview mode
    // this shows the sample text; otherwise it draws the first word and starts its
    // sound, before the screen is shown.
    void SetAppearance(TColor fontColor, TColor backColor, int fontSize, const QString &fontName, bool bold);

    // Shows the screen full screen above other windows and returns when it has
    // closed, handling events meanwhile (the modal loop of the opener).
    void ShowModal();
    // Asks the screen to close; inside NextWord that happens once NextWord is done.
    void Close();
    bool Closed() const { return FClosed; }

    void NextWord();

    // The clock the word times are counted by; the steady clock unless a test puts
    // one of its own here. An empty clock puts the steady clock back.
    void SetClock(TRunClock clock);
    // The clock's reading when the word now up had been painted for the first time.
    std::chrono::steady_clock::time_point WordPaintedAt() const { return FWordPaintedAt; }
    // True from NextWord until the new word's first paint.
    bool WordPending() const { return FWordPending; }

    // Handlers, public so that tests and the benchmark can drive them directly.
    void FormCreate();
    void FormShow();
    void FormPaint(QPainter &painter);
    void TimerTimer();
    void FormKeyUp(uint16_t key, TShiftState shift);
    void FormMouseUp(Qt::MouseButton button);
    void FormMouseMove(const QPoint &screenPos);
    void Button1Click();
    void FormClose();

    QColor FontColor() const { return FFontColor; }
    QColor BackColor() const { return FBackColor; }

signals:
    // Emitted once the screen has closed.
    void RunClosed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The screen of the window that opened the run screen.
    QScreen *HomeScreen() const;
    // Full screen, above every panel, on HomeScreen.
    void CoverScreen();
    void SetHourGlass();
    void SetDefaultCursor();
    void PlayWordSound();
    // Draws the word after the one now up and has its voice synthesised while
    // this one is shown, so that its speech is ready at its first paint.
    void DrawAhead();
    // The word drawn ahead when it is still valid, else one drawn now.
    int TakeAhead();
    void WordPainted();
    void ArmWakeAhead();
    int RestOfDelay() const;

    QColor FFontColor = Qt::black;
    QColor FBackColor = Qt::white;
    bool FCursorOverridden = false;
    int FBusyDepth = 0;
    bool FCloseRequested = false;
    bool FClosed = false;
    QTimer *FWakeAhead = nullptr;
    TRunClock FClock;
    std::chrono::steady_clock::time_point FWordPaintedAt{};
    bool FWordPending = false;
    int FWordIndex = -1;        // in NowWords, of the word now up
    // Keeps the player's output stream open while the screen is up.
    std::unique_ptr<TPlaySoundSession> FSoundSession;
    QString FWordText;          // of the word now up: what the voice says
    // The next word, drawn ahead: its index, the draw state it leaves, and the
    // entry it was (a list changed behind the screen's back voids it).
    int FAheadIndex = -1;
    QBitArray FAheadShown;
    int FAheadLast = -1;
    int FAheadCount = 0;
    QString FAheadText;
    int FAheadSoundNo = -1;
};

// True when the sound file can be played as a recording: a readable file with
// more than a wave header. Words without one are spoken instead.
bool SoundFileReadable(const QString &fileName);
