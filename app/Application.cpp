#include "app/Application.h"

#include "data/uCommon.h"
#include "platform/Exceptions.h"
#include "platform/HintWindow.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "resources/Resources.h"

#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QWidget>
#include <QWindow>
#include <QThread>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    installEventFilter(this);
    // The dialogs' "MS Sans Serif" is a narrow sans serif close to Arial's
    // widths; fontconfig has no alias for it and gives a much wider face, which
    // cuts off the captions of the dialogs' buttons. Arial's metric twins stand in.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    // Every window carries the icon of the menu entry, so the task bar shows
    // the program's own; the desktop file name lets a compositor that matches
    // windows to menu entries (Wayland's) find the same one.
    InitResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/appicon/48.png"));
    icon.addFile(QStringLiteral(":/appicon/256.png"));
    setWindowIcon(icon);
    setDesktopFileName(QStringLiteral("pellan-wordlark"));
}

TApplication *Application() { return qobject_cast<TApplication *>(QCoreApplication::instance()); }

void InstallStartLanguage() { InstallLanguage(ChooseLanguage(StoredLanguage(), QLocale::system().uiLanguages())); }

bool TApplication::eventFilter(QObject *watched, QEvent *event)
{
    // Every hint of the program goes through the program's hint machinery,
    // which also drops them all while hints are off.
    if (HintEvent(watched, event))
        return true;
    if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
        auto *w = static_cast<QWidget *>(watched);
        if (w->isWindow() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog))
            FLastActive = w;
    }
    return QApplication::eventFilter(watched, event);
}

void TApplication::HandleException(const std::exception &e)
{
    const auto *ours = dynamic_cast<const Exception *>(&e);
    ShowMessageBox(ours ? ours->Message() : QString::fromLocal8Bit(e.what()), QMessageBox::Critical);
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        HandleException(e);
    }
    return false;
}

void TApplication::Terminate()
{
    if (QThread::currentThread()->loopLevel() == 0)
        return;
    closeAllWindows();
    QCoreApplication::exit(0);
}

void TApplication::BringToFront(QWidget *mainWindow, const QByteArray &activationToken)
{
    // No window may have been active yet: a desktop need not give a new
    // window the focus.
    QWidget *top = activeModalWidget();
    if (!top && FLastActive && FLastActive->isVisible())
        top = FLastActive;
    if (!top)
        top = mainWindow;
    // A minimised window, or one under a minimised main window, comes back first.
    for (QWidget *w = top; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
        if (w->isMinimized())
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    top->raise();
    // Qt's Wayland support activates a window with the token the desktop left
    // in this variable; here it is the one the later start was given.
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    top->activateWindow();
}
