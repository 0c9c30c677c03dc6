#pragma once
// The application object: catches the program's errors where the event loop
// delivers an event, shows their message and lets the program go on; holds the
// application-wide hint switch.
#include "platform/AppHints.h"

#include <QApplication>

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

TApplication *Application();
