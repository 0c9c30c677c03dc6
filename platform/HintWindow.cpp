#include "platform/HintWindow.h"

#include "platform/AppHints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>

namespace {

struct THintState {
    THintWindowClass Class;
    QPointer<THintWindow> Window;
    QPointer<QWidget> Owner;
    QRect OwnerRect;   // global
    QTimer *HideTimer = nullptr;
    Qt::MouseButtons Buttons;
};

THintState &State()
{
    static THintState state;
    return state;
}

void DestroyWindow()
{
    THintState &s = State();
    if (s.Window) {
        s.Window->hide();
        // The window may be inside one of its own handlers.
        s.Window->deleteLater();
    }
    s.Window = nullptr;
}

void StartHideTimer(const QString &hint)
{
    THintState &s = State();
    if (!s.HideTimer) {
        s.HideTimer = new QTimer(QCoreApplication::instance());
        s.HideTimer->setSingleShot(true);
        QObject::connect(s.HideTimer, &QTimer::timeout, [] { CancelHint(); });
    }
    // As long as Qt keeps its own tool tips up.
    s.HideTimer->start(10000 + 40 * qMax(0, int(hint.size()) - 100));
}

bool HintVisible()
{
    const THintState &s = State();
    return s.Window && s.Window->isVisible();
}

} // namespace

THintWindow::THintWindow(QWidget *parent, Qt::WindowFlags f) : QWidget(parent, f)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

void SetHintWindowClass(THintWindowClass hintClass)
{
    CancelHint();
    QToolTip::hideText();
    DestroyWindow();
    State().Class = std::move(hintClass);
}

bool HasHintWindowClass() { return bool(State().Class); }

THintWindow *ProgramHintWindow()
{
    THintState &s = State();
    if (!s.Window && s.Class)
        s.Window = s.Class();
    return s.Window;
}

void CancelHint()
{
    THintState &s = State();
    if (s.HideTimer)
        s.HideTimer->stop();
    s.Owner = nullptr;
    if (s.Window)
        s.Window->hide();
}

QWidget *HintOwner() { return HintVisible() ? State().Owner.data() : nullptr; }

Qt::MouseButtons MouseButtonsDown() { return State().Buttons | QGuiApplication::mouseButtons(); }

bool HintEvent(QObject *watched, QEvent *event)
{
    THintState &s = State();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
        s.Buttons = static_cast<QMouseEvent *>(event)->buttons();
        if (event->type() != QEvent::MouseButtonRelease && event->type() != QEvent::NonClientAreaMouseButtonRelease)
            CancelHint();
        break;
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::ApplicationDeactivate:
        CancelHint();
        break;
    case QEvent::MouseMove:
        // The pointer leaving the widget ends its hint.
        if (HintVisible() && (!s.Owner || !s.OwnerRect.contains(static_cast<QMouseEvent *>(event)->globalPosition().toPoint())))
            CancelHint();
        break;
    case QEvent::Hide:
        if (HintVisible() && s.Owner && (watched == s.Owner || watched == s.Owner->window()))
            CancelHint();
        break;
    case QEvent::ToolTip: {
        if (!ApplicationShowHint()) {
            CancelHint();
            QToolTip::hideText();
            return true;
        }
        if (!s.Class)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            return false;
        const QString hint = widget->toolTip().left(MaxHintLength);
        if (hint.isEmpty())
            return false;   // the parent's hint, if any, is asked for next
        THintWindow *window = ProgramHintWindow();
        if (!window)
            return false;
        s.Owner = widget;
        s.OwnerRect = QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        window->ActivateHint(static_cast<QHelpEvent *>(event)->globalPos(), hint);
        if (window->isVisible())
            StartHideTimer(hint);
        else
            s.Owner = nullptr;
        return true;
    }
    default:
        break;
    }
    return false;
}
