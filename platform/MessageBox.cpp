#include "platform/MessageBox.h"

#include <QApplication>

namespace {
TMessageBoxHook &Hook()
{
    static TMessageBoxHook hook;
    return hook;
}
} // namespace

TMessageBoxHook SetMessageBoxHook(TMessageBoxHook hook)
{
    TMessageBoxHook old = std::move(Hook());
    Hook() = std::move(hook);
    return old;
}

QMessageBox::StandardButton ShowMessageBox(const QString &text, QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons, const QString &caption)
{
    const QString title = caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
    if (Hook())
        return Hook()(icon, title, text, buttons);
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    // Messages carry words, pack titles, file names and error texts from
    // files: markup in them must show as typed, never be obeyed.
    box.setTextFormat(Qt::PlainText);
    return QMessageBox::StandardButton(box.exec());
}
