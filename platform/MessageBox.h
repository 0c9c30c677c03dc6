#pragma once
// Message boxes go through one function so that tests can answer them without
// a person at the keyboard (and record what was shown).
#include <QMessageBox>
#include <QString>
#include <functional>

using TMessageBoxHook = std::function<QMessageBox::StandardButton(
    QMessageBox::Icon icon, const QString &caption, const QString &text, QMessageBox::StandardButtons buttons)>;

// Shows a modal box with the application's title as caption unless one is given.
QMessageBox::StandardButton ShowMessageBox(const QString &text,
                                           QMessageBox::Icon icon = QMessageBox::Critical,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                           const QString &caption = QString());

// Installs a replacement for the real box; an empty hook restores the real one.
// Returns the hook it replaced.
TMessageBoxHook SetMessageBoxHook(TMessageBoxHook hook);
