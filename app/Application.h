#pragma once
// The application object: catches the program's errors where the event loop
// delivers an event, shows their message and lets the program go on; holds the
// application-wide hint switch.
#include "platform/AppHints.h"

#include <QApplication>
#include <QPointer>

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Hints (tool tips) for every window of the program, switched at once.
    bool ShowHint() const { return ApplicationShowHint(); }
    void SetShowHint(bool on) { SetApplicationShowHint(on); }

    static void HandleException(const std::exception &e);

    // Ends the program: every window closes and the event loop ends. Outside
    // any event loop (a test driving windows by hand) it does nothing.
    static void Terminate();

    // Brings the program's topmost window to the front: an open dialog, run
    // screen or message box over everything else, otherwise the window used
    // last (the main window or the help viewer), or else `mainWindow`.
    // `activationToken` is the desktop's permission, handed to a later start,
    // to take the focus.
    void BringToFront(QWidget *mainWindow, const QByteArray &activationToken);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> FLastActive;
};

TApplication *Application();

// Puts the language of this start in place, before the first window: the one
// stored in the settings beside the program, else the desktop's, else English.
void InstallStartLanguage();
