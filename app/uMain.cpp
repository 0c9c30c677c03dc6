#include "app/uMain.h"

#include "app/Application.h"
#include "app/uAbout.h"
#include "app/uError.h"
#include "audio/MMWave.h"
#include "config/uConfig.h"
#include "data/uCommon.h"
#include "data/uPlan.h"
#include "platform/Exceptions.h"
#include "platform/MessageBox.h"
#include "picture/PGImage.h"
#include "run/uRun.h"
#include "widgets/Balloon.h"
#include "widgets/oxBtns.h"
#include "platform/help.h"
#include "platform/WindowSystem.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <system_error>
#include <thread>

bool TfmMain::FDragging = false;

namespace {

const char *const DatabaseError =
    QT_TRANSLATE_NOOP("TfmMain", "There was an error reading the sounds database. Terminating program");

void ReportSetAside(const QString &aside)
{
    ShowMessageBox(QCoreApplication::translate("TfmMain", "The old word list could not be read. It has been kept as "
                                                          "%1.")
                       .arg(QDir::toNativeSeparators(aside)),
                   QMessageBox::Information);
}

// The picture of a background name. The configuration dialog lists pictures
// by lower-case name whatever their file is called ("Clouds.JPG" is
// "clouds"), so a name that is not there as written is looked for without
// regard to case.
QString BackgroundFile(const QString &name)
{
    const QString folder = Settings.ProgramDir + "images/";
    const QString exact = folder + name + ".jpg";
    if (QFileInfo::exists(exact))
        return exact;
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.completeBaseName().compare(name, Qt::CaseInsensitive) == 0
            && info.suffix().compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0)
            return info.filePath();
    }
    return exact;   // missing: the picture box reports it
}

} // namespace

ToxButton *CreateMainWindowButton(QWidget *parent, const QRect &geometry, const QString &caption, bool about)
{
    // Large text buttons standing straight on the picture: no frame until the
    // pointer touches them, a drop-shadowed caption, bold while focused.
    auto *b = new ToxButton(parent);
    b->setGeometry(geometry);
    b->SetStyle(about ? bsBorderless : bsWin97);
    b->SetFont3D(fsShadow);
    b->SetFocusStyle(about ? ToxFocusStyles() : ToxFocusStyles(fsBoldFont));
    b->Background()->SetStyle(oxbClear);
    b->Background()->SetDitherDown(false);
    b->Background()->SetGradient(clWhite);
    b->SetButtonType(oxbCommand);
    b->SetMultiLine(false);
    b->SetTextAngle(0);
    b->SetTextX(0);
    b->SetTextY(0);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(32);
    f.setBold(about);
    b->setFont(f);
    b->SetFontColor(clNavy);
    b->SetLines({caption});
    return b;
}

TfmMain::TfmMain(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QApplication::applicationDisplayName());
    setFixedSize(471, 292);

    PGPanel1 = new TPGPanel(this);
    PGPanel1->setGeometry(0, 0, 471, 292);
    PGPanel1->SetBevelWidth(5);
    PGPanel1->SetBevelOuter(TPGPanel::bvRaised);
    pgBack = new TPGImage(PGPanel1);
    pgBack->setGeometry(PGPanel1->InnerRect());
    pgBack->SetAutoScroll(false);
    pgBack->SetTiling(tRepeat);
    pgBack->SetZoomFactor(1.0);
    pgBack->SetActionMode(amNone);
    pgBack->SetReadWarningAction(pgwaRaise);
    pgBack->SetPicBoxColor(clBtnFace);
    pgBack->SetPicBoxParentColor(true);
    using namespace std::placeholders;
    pgBack->OnMouseDown = pgBack->PicBoxOnMouseDown = std::bind(&TfmMain::pgBackPicBoxOnMouseDown, this, _1, _2, _3, _4, _5);
    pgBack->OnMouseMove = pgBack->PicBoxOnMouseMove = std::bind(&TfmMain::pgBackPicBoxOnMouseMove, this, _1, _2, _3, _4, _5);
    pgBack->OnMouseUp = pgBack->PicBoxOnMouseUp = std::bind(&TfmMain::pgBackPicBoxOnMouseUp, this, _1, _2, _3, _4, _5);

    auto makeButton = [this](int x, int y, int w, int h, const QString &caption, const QString &hint, bool about) {
        ToxButton *b = CreateMainWindowButton(pgBack, QRect(x, y, w, h), caption, about);
        b->setToolTip(hint);
        return b;
    };
    // The about button carries the program's name, which stays as it is.
    btAbout = makeButton(22, 13, 411, 41, QStringLiteral("Pellan Wordlark"), tr("Click to open the About dialog box"),
                         true);
    btRun = makeButton(22, 61, 200, 100, tr("Run"), tr("Click to run"), false);
    btConfigure = makeButton(234, 61, 200, 100, tr("Configure"), tr("Click to open the configuration dialog"), false);
    btHelp = makeButton(22, 169, 200, 100, tr("Help"), tr("Click to open the help file"), false);
    btExit = makeButton(234, 169, 200, 100, tr("Exit"), tr("Click to Exit"), false);
    btAbout->SetDefault(true);
    btRun->SetDefault(true);
    setTabOrder(btRun, btConfigure);
    setTabOrder(btConfigure, btHelp);
    setTabOrder(btHelp, btExit);
    setTabOrder(btExit, btAbout);
    btRun->setFocus();

    // Every hint of the program, the dialogs' too, is a pale-yellow balloon.
    BalloonHint1 = new TBalloonHint(this);
    BalloonHint1->SetBorderColor(clBlack);
    BalloonHint1->SetColor(13303807);
    QFont hintFont(QStringLiteral("MS Sans Serif"));
    hintFont.setPixelSize(11);
    BalloonHint1->SetFont(hintFont);
    BalloonHint1->SetFontColor(clWindowText);
    BalloonHint1->SetMaxWidth(-4);
    BalloonHint1->SetBehavior(TBalloonBehaviors(bbNoShowMouseDown) | bbUseRegions | bbHideOnPaint);
    BalloonHint1->SetPosition(bpAboveRight);
    BalloonHint1->SetShadowDepth(8);
    BalloonHint1->SetShape(bsRoundRect);
    BalloonHint1->SetStyle(hsCustom);
    BalloonHint1->SetActive(true);

    connect(btRun, &ToxButton::OnClick, this, &TfmMain::btRunClick);
    connect(btConfigure, &ToxButton::OnClick, this, &TfmMain::btConfigureClick);
    connect(btHelp, &ToxButton::OnClick, this, &TfmMain::btHelpClick);
    connect(btExit, &ToxButton::OnClick, this, &TfmMain::btExitClick);
    connect(btAbout, &ToxButton::OnClick, this, &TfmMain::btAboutClick);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    ExecuteConfigDialog = [this] {
        TfmConfig fmConfig(this);
        return fmConfig.exec() == mrOk;
    };

    FormCreate();
}

TfmMain::~TfmMain()
{
    AwaitRecovery();
    FormClose();
}

void TfmMain::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // After the paint has reached the screen: beside it, the recovery's file
    // work slowed the first paint by about as much as doing it first.
    if (!FRecoveryStarted)
        QTimer::singleShot(0, this, [this] { StartRecovery(); });
}

void TfmMain::StartRecovery()
{
    if (FRecoveryStarted || FRecoveryDir.isEmpty())
        return;
    FRecoveryStarted = true;
    const QString soundDir = FRecoveryDir;
    std::packaged_task<void()> task([soundDir, before = BeforeRecovery] {
        if (before)
            before();
        RecoverRecordings(soundDir);
    });
    FRecovery = task.get_future().share();
    try {
        std::thread(std::move(task)).detach();
    } catch (const std::system_error &) {
        // No thread to be had: the recordings are finished here, as before.
        RecoverRecordings(soundDir);
        FRecovery = {};
    }
}

void TfmMain::AwaitRecovery()
{
    // Limited: a disk that stopped answering must not freeze the window. A
    // file still cut off then plays up to its end anyway, since its reader
    // never trusts sizes that were not patched.
    StartRecovery();
    if (FRecovery.valid())
        FRecovery.wait_for(std::chrono::seconds(10));
}

void TfmMain::FormCreate()
{
    LoadSettings();
    FRecoveryDir = Settings.SoundDir;
    if (TApplication *app = Application())
        app->SetShowHint(Settings.Hints);
    // A background that cannot be shown is reported, and the window still
    // comes up with its settings and words.
    try {
        ApplyLook();
    } catch (const std::exception &e) {
        TApplication::HandleException(e);
    }
    // The run screen's draws come from QRandomGenerator::global(), which is
    // seeded from the system's entropy source at start.
    ClearWordLists();
    SetWordListUnreadable(false);

    try {
        // A save stopped half-way is finished or undone before the checksum test.
        const QString aside = FinishWordListSave();
        if (!aside.isEmpty())
            ReportSetAside(aside);
        const QString checksum = WordListChecksum(WordListFileName());
        if (checksum != Settings.ListChecksum && checksum != QLatin1String("NOT DEFINED")) {
            ShowMessageBox(QCoreApplication::translate("TfmMain", DatabaseError), QMessageBox::Critical);
            FTerminated = true;
            EndProgram();
            return;
        }
        LoadWordList();
        PlanStart();   // never throws: the plan cannot keep the program from starting
    } catch (const std::exception &e) {
        // The file exists but cannot be read: go on with empty lists, and keep
        // the next save from replacing what could not be read.
        SetWordListUnreadable(true);
        ClearWordLists();
        TApplication::HandleException(e);
    }
}

void TfmMain::FormClose() { ClearWordLists(); }

void TfmMain::EndProgram()
{
    // Queued: at start-up the event loop has not begun yet, and in an event
    // handler the loop ends once the handler returns. A window destroyed
    // before then (tests) takes the request with it.
    QMetaObject::invokeMethod(this, [] { TApplication::Terminate(); }, Qt::QueuedConnection);
}

void TfmMain::ApplyLook()
{
    // The colour first: a background that fails to load must not leave the
    // buttons in the old colour.
    for (ToxButton *b : {btAbout, btRun, btConfigure, btHelp, btExit})
        b->SetFontColor(Settings.OpeningColor);
    pgBack->SetFileName(BackgroundFile(Settings.OpeningBack));
}

void TfmMain::btRunClick()
{
    // The run screen handles events while it blanks before its first word, so
    // a second click could arrive before it is modal.
    if (FRunOpen)
        return;
    AwaitRecovery();
    if (NowWords.isEmpty()) {
        TfmError fmError(this);
        fmError.exec();
        return;
    }
    FRunOpen = true;
    struct Reset {
        bool &flag;
        ~Reset() { flag = false; }
    } reset{FRunOpen};
    TfmRun fmRun(this);
    fmRun.Mode = rmStart;
    fmRun.SetAppearance(Settings.FontColor, Settings.BackColor, Settings.FontSize, Settings.FontName, Settings.FontBold);
    fmRun.ShowModal();
}

void TfmMain::btConfigureClick()
{
    const Qt::KeyboardModifiers held = QGuiApplication::keyboardModifiers();
    if (Settings.Protect && !((held & Qt::ShiftModifier) && (held & Qt::AltModifier)))
        return;
    AwaitRecovery();
    // The dialog starts from the list as another copy of the program may have
    // saved it meanwhile, rather than have its OK undo that copy's work.
    RereadWordListSavedElsewhere();
    if (!ExecuteConfigDialog())
        return;
    // A background that cannot be shown is reported, and the words and
    // settings the parent has just set are still written: losing them over a
    // picture would be far worse. A failing write stops the steps after it;
    // the dialog's values stay in memory.
    try {
        ApplyLook();
    } catch (const std::exception &e) {
        TApplication::HandleException(e);
    }
    const QString aside = SaveWordListAndSettings();
    if (!aside.isEmpty())
        ReportSetAside(aside);
}

void TfmMain::btHelpClick() { HelpShowTopic(0); }

void TfmMain::btExitClick() { close(); }

void TfmMain::btAboutClick()
{
    TfmAbout fmAbout(this);
    fmAbout.exec();
}

void TfmMain::pgBackPicBoxOnMouseDown(QObject *, Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y)
{
    // Where the window system keeps the windows' places to itself (Wayland),
    // a window moved by the program stays where it is; the window system's
    // own move follows the pointer until the button goes up. Qt hands that
    // move only the left button cleanly: after any other, it goes on taking
    // that button for held, and no hint would show again.
    if (WindowSystemPlacesWindows()) {
        if (button == Qt::LeftButton)
            StartWindowSystemMove(windowHandle());
        return;
    }
    FDragging = true;
    FDragPoint = QPoint(x, y);
}

void TfmMain::pgBackPicBoxOnMouseMove(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    if (FDragging)
        move(this->x() + x - FDragPoint.x(), this->y() + y - FDragPoint.y());
}

void TfmMain::pgBackPicBoxOnMouseUp(QObject *, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    FDragging = false;
}

void TfmMain::closeEvent(QCloseEvent *event)
{
    // Nothing is saved at exit. This window's close ends the program, whatever
    // other windows (the help viewer) are still open.
    event->accept();
    EndProgram();
}
