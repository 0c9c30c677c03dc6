#include "run/uRun.h"

#include "data/uCommon.h"
#include "data/uPlan.h"
#include "platform/WindowSystem.h"
#include "sound/playsound.h"
#include "sound/speech.h"
#include "run/Dtmisc.h"

#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cstdlib>

int DrawNextWord(QBitArray &shown, int &lastIndex, int count, QRandomGenerator &random)
{
    if (count <= 0) {
        lastIndex = -1;
        return -1;
    }
    if (shown.size() != count)
        shown = QBitArray(count);
    if (count < 2)
        lastIndex = -1;
    if (shown.count(true) == count)
        shown.fill(false);
    // The rejection draw below needs at least one candidate; a cycle whose only
    // word left is the one just shown (possible only if the bits were changed from
    // outside) starts afresh rather than spin for ever.
    auto candidates = [&] {
        int n = 0;
        for (int i = 0; i < count; ++i)
            n += !shown.testBit(i) && i != lastIndex;
        return n;
    };
    if (candidates() == 0)
        shown.fill(false);
    int i;
    do {
        i = int(random.bounded(count));
    } while (shown.testBit(i) || i == lastIndex);
    lastIndex = count >= 2 ? i : -1;
    shown.setBit(i);
    return i;
}

namespace {

// Keeps a close asked for by a handler (Esc, Button1, a close from the window
// system) until the outermost handler has returned, so a word being drawn is
// finished first: the modal loop below the handler sees the request afterwards.
class TBusyScope {
public:
    TBusyScope(int &depth, bool &closeRequested, QWidget *form)
        : FDepth(depth), FCloseRequested(closeRequested), FForm(form)
    {
        ++FDepth;
    }
    ~TBusyScope()
    {
        if (!FForm)
            return;
        if (--FDepth == 0 && FCloseRequested) {
            FCloseRequested = false;
            FForm->close();
        }
    }

private:
    int &FDepth;
    bool &FCloseRequested;
    QPointer<QWidget> FForm;
};

} // namespace

TfmRun::TfmRun(QWidget *owner) : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);

    Timer = new QTimer(this);
    // A coarse timer may move a 2000 ms timeout by up to 5 %, which a child sees as
    // one word staying up noticeably shorter or longer than the others.
    Timer->setTimerType(Qt::PreciseTimer);
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, &TfmRun::TimerTimer);

    // The kernel lets a long wait of the event loop end up to 0.1 % late (10 ms on a
    // 10 s word) to bundle wake-ups, precise timer or not. Waking the loop a little
    // before each tick leaves only a short last wait, which ends on time. Waking up
    // is all this timer is for.
    FWakeAhead = new QTimer(this);
    FWakeAhead->setObjectName(QStringLiteral("WakeAhead"));
    FWakeAhead->setTimerType(Qt::PreciseTimer);
    FWakeAhead->setSingleShot(true);

    Dozer = new TDozer(this);

    Button1 = new QPushButton(this);
    Button1->setGeometry(8, 8, 41, 17);
    Button1->setAutoDefault(false);
    Button1->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &TfmRun::Button1Click);

    SetClock({});
    FormCreate();
}

TfmRun::~TfmRun() { SetDefaultCursor(); }

void TfmRun::SetClock(TRunClock clock)
{
    FClock = clock ? std::move(clock) : TRunClock(&std::chrono::steady_clock::now);
}

void TfmRun::FormCreate()
{
    Ready = false;
    LastIndex = -1;
    StartPos = QCursor::pos();
    KeyCode = 0;
    KeyShift = 0;
    if (Settings.Transition == tmKeyPress)
        ShortCutToKey(Settings.HotKey, KeyCode, KeyShift);
    Shown = QBitArray(int(NowWords.size()));
}

void TfmRun::SetAppearance(TColor fontColor, TColor backColor, int fontSize, const QString &fontName, bool bold)
{
    FBackColor = ToQColor(backColor);
    FFontColor = ToQColor(fontColor);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, FBackColor);
    setPalette(pal);

    QFont f(fontName);
    // A size of 0 or less (a settings file edited by hand) keeps the default size
    // rather than asking for an impossible font.
    if (fontSize > 0)
        f.setPointSize(fontSize);
    f.setBold(bold);
    setFont(f);

    if (Mode == rmPreview)
        CurrentText = QStringLiteral("wordlark");
    else
        NextWord();
}

void TfmRun::ShowModal()
{
    if (FClosed)
        return;
    QPointer<TfmRun> self(this);
    setWindowModality(Qt::ApplicationModal);
    CoverScreen();
    show();
    if (!self || FClosed)
        return;
    QEventLoop loop;
    connect(this, &TfmRun::RunClosed, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
}

void TfmRun::Close()
{
    if (FBusyDepth > 0)
        FCloseRequested = true;
    else
        close();
}

QScreen *TfmRun::HomeScreen() const
{
    // On a desktop of several screens the child sits in front of the one
    // that holds the window the run screen was opened from.
    if (const QWidget *owner = parentWidget())
        if (QScreen *s = owner->window()->screen())
            return s;
    return screen() ? screen() : QGuiApplication::primaryScreen();
}

void TfmRun::CoverScreen()
{
    // A window the size of the screen is still an ordinary window to a window
    // manager or compositor: panels and top bars stay above it, and it may be
    // placed below them. Only the window system's full-screen state lies above
    // all of them and covers the whole output. The size is given as well for
    // window systems without that state (no window manager, offscreen).
    if (QScreen *s = HomeScreen()) {
        if (screen() != s)
            setScreen(s);
        setGeometry(s->geometry());
    }
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void TfmRun::FormShow()
{
    CoverScreen();
    raise();
    activateWindow();
    // Opened now, in the background, so the first word's sound finds the
    // device ready.
    if (Settings.SoundMode != sndMute && !FSoundSession)
        FSoundSession = std::make_unique<TPlaySoundSession>();
    Timer->start();
    ArmWakeAhead();
}

void TfmRun::NextWord()
{
    TBusyScope busy(FBusyDepth, FCloseRequested, this);
    QPointer<TfmRun> self(this);

    Mode = rmShowing;
    SetHourGlass();
    Timer->stop();
    FWakeAhead->stop();
    // The word was drawn while the last one was up, and its voice synthesised
    // then; the first word has no word before it, and its voice is synthesised
    // during the blank. Its sound file is read while the blank is up, so that
    // it only has to be handed to the device as the word is painted.
    if (FAheadIndex < 0)
        DrawAhead();
    int i = TakeAhead();
    if (i >= 0 && Settings.SoundMode != sndMute)
        PrepareSound(SoundFileName(NowWords.at(i).SoundNo));
    CurrentText.clear();
    repaint();
    Dozer->Doze(BlankLength);
    if (!self)
        return;
    if (i >= NowWords.size()) // the list shrank behind the screen's back
        i = DrawNextWord(Shown, LastIndex, int(NowWords.size()), *QRandomGenerator::global());

    FWordIndex = i;
    Timer->setInterval(ShowingLength);
    if (i >= 0) {
        const TWordEntry &word = NowWords.at(i);
        CurrentText = word.Text;
        FWordText = word.Text;
        SoundFile = SoundFileName(word.SoundNo);
        if (Settings.SoundMode == sndNormal)
            PlayWordSound();
    } else {
        // Only reachable when the list emptied behind the screen's back.
        SoundFile.clear();
    }
    // The word's time counts from its paint (WordPainted), so a slow paint does
    // not cut it short. A screen that is up paints here and then; one not shown
    // yet (the first word) or not painted at once runs the timer from now, and
    // the first paint starts it afresh.
    FWordPending = i >= 0;
    repaint();
    if (FWordPending || i < 0) {
        Timer->start();
        ArmWakeAhead();
    }
    if (self && !FClosed)
        DrawAhead();
}

void TfmRun::DrawAhead()
{
    // Drawn on copies: Shown and LastIndex stay those of the word now up.
    FAheadShown = Shown;
    FAheadLast = LastIndex;
    FAheadCount = int(NowWords.size());
    FAheadIndex = DrawNextWord(FAheadShown, FAheadLast, FAheadCount, *QRandomGenerator::global());
    if (FAheadIndex < 0)
        return;
    const TWordEntry &word = NowWords.at(FAheadIndex);
    FAheadText = word.Text;
    FAheadSoundNo = word.SoundNo;
    const bool sounds = Settings.SoundMode == sndNormal || Settings.SoundMode == sndDelayed;
    if (sounds && Settings.Speak && !SoundFileReadable(SoundFileName(word.SoundNo)))
        SpeechPrepare(word.Text, Settings.Voice);
}

int TfmRun::TakeAhead()
{
    const int i = FAheadIndex;
    FAheadIndex = -1;
    const bool valid = i >= 0 && FAheadCount == NowWords.size() && i < NowWords.size() &&
                       NowWords.at(i).Text == FAheadText && NowWords.at(i).SoundNo == FAheadSoundNo;
    if (!valid)
        return DrawNextWord(Shown, LastIndex, int(NowWords.size()), *QRandomGenerator::global());
    Shown = FAheadShown;
    LastIndex = FAheadLast;
    return i;
}

void TfmRun::WordPainted()
{
    FWordPending = false;
    // The daily plan counts what the child has actually seen: a word once
    // painted, and a pass over every word in use once its last word is.
    if (FWordIndex >= 0 && FWordIndex < NowWords.size())
        PlanWordPainted(NowWords.at(FWordIndex), Shown.count(true) == Shown.size());
    FWordPaintedAt = FClock();
    Timer->start();
    ArmWakeAhead();
}

void TfmRun::ArmWakeAhead()
{
    const int interval = Timer->interval();
    if (!Timer->isActive() || interval < 100) {
        FWakeAhead->stop();
        return;
    }
    // Twice the kernel's 0.1 % and 2 ms more: even a late wake-up comes before the tick.
    FWakeAhead->start(interval - interval / 500 - 2);
}

int TfmRun::RestOfDelay() const
{
    using namespace std::chrono;
    // Hand-edited delays beyond the dialog's range still give a valid interval.
    const qint64 nominal = std::min<qint64>(qint64(Settings.Delay) * 500 - ShowingLength, INT_MAX);
    if (FWordPending)
        return int(nominal);
    // Counted from the word's paint rather than from this tick: the word still ends
    // Delay half-seconds after its paint when this tick came a little late.
    const auto end = FWordPaintedAt + milliseconds(qint64(Settings.Delay) * 500);
    const qint64 left = ceil<milliseconds>(end - FClock()).count();
    return int(std::clamp<qint64>(left, 0, nominal));
}

void TfmRun::TimerTimer()
{
    TBusyScope busy(FBusyDepth, FCloseRequested, this);
    Ready = true;
    if (Settings.SoundMode == sndDelayed && Mode == rmShowing)
        PlayWordSound();
    if (Settings.Transition == tmDelay) {
        if (Mode == rmShowing) {
            if (Settings.Delay <= 4) {
                NextWord();
            } else {
                Timer->setInterval(RestOfDelay());
                Mode = rmWaiting;
            }
        } else if (Mode == rmWaiting) {
            NextWord();
        }
    } else if (Mode == rmShowing) {
        Mode = rmWaiting;
        Timer->stop();
    }
    if (Mode == rmWaiting)
        SetDefaultCursor();
    ArmWakeAhead();
}

void TfmRun::FormKeyUp(uint16_t key, TShiftState shift)
{
    TBusyScope busy(FBusyDepth, FCloseRequested, this);
    if (Mode == rmPreview && Ready) {
        Close();
        return;
    }
    if (key == VK_ESCAPE)
        Close();
    if (Mode == rmWaiting && Settings.Transition == tmKeyPress) {
        if (key == KeyCode && shift == KeyShift)
            NextWord();
        else if (KeyCode == 0)
            NextWord();
    }
}

void TfmRun::FormMouseUp(Qt::MouseButton button)
{
    TBusyScope busy(FBusyDepth, FCloseRequested, this);
    if (Mode == rmPreview && Ready) {
        Close();
        return;
    }
    if (Mode == rmWaiting && Settings.Transition == tmMouseClick) {
        if ((button == Qt::LeftButton && Settings.Button == btnLeft) ||
            (button == Qt::RightButton && Settings.Button == btnRight) || Settings.Button == btnAny)
            NextWord();
    }
}

void TfmRun::FormMouseMove(const QPoint &screenPos)
{
    TBusyScope busy(FBusyDepth, FCloseRequested, this);
    if (std::abs(screenPos.x() - StartPos.x()) <= 5 || std::abs(screenPos.y() - StartPos.y()) <= 5)
        return;
    if (Mode == rmPreview && Ready) {
        Close();
        return;
    }
    if (Mode == rmWaiting && Settings.Transition == tmMouseMove)
        NextWord();
}

void TfmRun::Button1Click()
{
    TBusyScope busy(FBusyDepth, FCloseRequested, this);
    Close();
}

void TfmRun::FormClose()
{
    SetDefaultCursor();
    // A hidden screen must not go on drawing words and starting their sounds.
    Timer->stop();
    FWakeAhead->stop();
    Shown.clear();
    FSoundSession.reset();
    PlanRunClosed();
}

void TfmRun::FormPaint(QPainter &painter)
{
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), FBackColor);
    if (CurrentText.isEmpty())
        return;
    painter.setFont(font());
    painter.setPen(FFontColor);
    // Without Qt::TextShowMnemonic an "&" is drawn as it stands.
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const QRect area(QPoint(20, 0), QPoint(w - 20 - 1, h - 1));
    const int needed = painter.boundingRect(area, flags, CurrentText).height();
    const int top = (h - needed) / 2;
    painter.drawText(QRect(QPoint(20, top), QPoint(w - 20 - 1, h - 1)), flags, CurrentText);
}

void TfmRun::paintEvent(QPaintEvent *)
{
    {
        QPainter painter(this);
        FormPaint(painter);
    }
    if (FWordPending && !FClosed && !CurrentText.isEmpty())
        WordPainted();
}

void TfmRun::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfmRun::closeEvent(QCloseEvent *event)
{
    if (FBusyDepth > 0) {
        FCloseRequested = true;
        event->ignore();
        return;
    }
    FormClose();
    FClosed = true;
    event->accept();
    emit RunClosed();
}

void TfmRun::keyPressEvent(QKeyEvent *event) { event->accept(); }

void TfmRun::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
    // The platform reports one key-up per key, however long it was held.
    if (event->isAutoRepeat())
        return;
    FormKeyUp(VirtualKeyOf(*event), ShiftStateFromModifiers(event->modifiers()));
}

void TfmRun::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    FormMouseUp(event->button());
}

void TfmRun::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    FormMouseMove(event->globalPosition().toPoint());
}

bool TfmRun::eventFilter(QObject *watched, QEvent *event)
{
    // The screen sees every key before its button, and the button takes none: the
    // space bar is the usual next-word key and must not also press Button1.
    if (watched == Button1) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            event->accept();
            return true;
        case QEvent::KeyRelease:
            keyReleaseEvent(static_cast<QKeyEvent *>(event));
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfmRun::SetHourGlass()
{
    if (FCursorOverridden)
        return;
    QGuiApplication::setOverrideCursor(BusyCursor());
    FCursorOverridden = true;
}

void TfmRun::SetDefaultCursor()
{
    if (!FCursorOverridden)
        return;
    QGuiApplication::restoreOverrideCursor();
    FCursorOverridden = false;
}

void TfmRun::PlayWordSound()
{
    if (SoundFile.isEmpty())
        return;
    if (Settings.Speak && !SoundFileReadable(SoundFile))
        SpeechPlay(FWordText, Settings.Voice);
    else
        PlaySound(SoundFile, SND_FILENAME | SND_NODEFAULT | SND_ASYNC);
}

bool SoundFileReadable(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.isFile() && info.isReadable() && info.size() > 44;
}
