#pragma once
// The main window: a small borderless card with a background picture and the
// five buttons, moved by dragging its background.
#include <QWidget>
#include <functional>
#include <future>

class TBalloonHint;
class ToxButton;
class TPGImage;
class TPGPanel;

// One of the main window's five buttons, with its look; the about button
// (`about`) is borderless, bold and keeps its weight when focused.
ToxButton *CreateMainWindowButton(QWidget *parent, const QRect &geometry, const QString &caption, bool about);

class TfmMain : public QWidget {
    Q_OBJECT
public:
    explicit TfmMain(QWidget *parent = nullptr);
    ~TfmMain() override;

    // Set when start-up found the word list changed behind the program's back
    // and asked the application to end.
    bool Terminated() const { return FTerminated; }

    void ApplyLook();

    void btRunClick();
    void btConfigureClick();
    void btHelpClick();
    void btExitClick();
    void btAboutClick();

    // Opens the configuration dialog modally; true when it closed with OK.
    // Tests put their own in its place to drive the steps after OK.
    std::function<bool()> ExecuteConfigDialog;

    // Runs on the recovery's own thread before it starts; tests hold the
    // recovery back with it.
    static inline std::function<void()> BeforeRecovery;

    TPGPanel *PGPanel1;
    TPGImage *pgBack;
    ToxButton *btAbout;
    ToxButton *btRun;
    ToxButton *btConfigure;
    ToxButton *btHelp;
    ToxButton *btExit;
    TBalloonHint *BalloonHint1;

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void FormCreate();
    void FormClose();
    // Recordings a crash cut off are finished on a thread of their own, so
    // that a parent's hundreds of recordings do not hold up the first paint.
    // It starts once the window has painted, or when something waits for it;
    // whatever plays or changes a recording waits for it first.
    void StartRecovery();
    void AwaitRecovery();
    // Asks the program to end, whatever windows are open.
    void EndProgram();
    void pgBackPicBoxOnMouseDown(QObject *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void pgBackPicBoxOnMouseMove(QObject *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void pgBackPicBoxOnMouseUp(QObject *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    bool FTerminated = false;
    bool FRunOpen = false;
    QString FRecoveryDir;
    bool FRecoveryStarted = false;
    std::shared_future<void> FRecovery;
    static bool FDragging;   // one drag for the whole program
    QPoint FDragPoint;       // where the button went down, in the picture box's coordinates
};
