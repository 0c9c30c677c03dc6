#pragma once
// The program's hint machinery. Qt decides when the pointer has come to rest
// on a widget (its tool-tip event); this decides in which window the widget's
// hint is shown and when it goes away again. Without a hint window class of
// the program's own, Qt's plain tool tip shows the hints.
//
// The application object hands every event to HintEvent() before anyone else
// sees it.
#include <QPointer>
#include <QWidget>
#include <functional>

class THintWindow : public QWidget {
    Q_OBJECT
public:
    explicit THintWindow(QWidget *parent = nullptr, Qt::WindowFlags f = Qt::ToolTip);

    // Shows `hint` for the pointer at `pointer` (global coordinates).
    virtual void ActivateHint(const QPoint &pointer, const QString &hint) = 0;
};

using THintWindowClass = std::function<THintWindow *()>;

// Makes `hintClass` the class of the program's hint window (empty: Qt's own
// tool tip). A hint on show is hidden and the window made again with the new
// class the next time a hint is due.
void SetHintWindowClass(THintWindowClass hintClass);
bool HasHintWindowClass();
// The program's hint window, made from the class on first use; null without a class.
THintWindow *ProgramHintWindow();

// Hides the hint on show, whichever window shows it.
void CancelHint();
// The widget whose hint is on show, if any.
QWidget *HintOwner();

// Mouse buttons held down, as the program last saw them.
Qt::MouseButtons MouseButtonsDown();

// Hints are at most this long; longer texts are cut.
constexpr int MaxHintLength = 255;

// Called by the application object for every event before it is delivered;
// true when the event was dealt with here and goes no further.
bool HintEvent(QObject *watched, QEvent *event);
