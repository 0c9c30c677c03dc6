#pragma once
// Small helpers shared by the dialog's pages.
#include "config/uConfig.h"
#include "platform/PostTarget.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>

class QLabel;
class QWidget;

// Sets a control's hint (tool tip) and its help context (the help topic that
// context help opens for it); an empty hint or a 0 context leaves that part.
void SetHint(QWidget *w, const QString &hint, int helpContext);
// A label for `buddy` (its Alt letter moves the focus there), whose caption
// without the "&" is the buddy's accessible name.
QLabel *CreateLabel(QWidget *parent, const QRect &geometry, const QString &caption, QWidget *buddy);
// A font asked for by family name, with its height in pixels.
QFont NamedFont(const QString &family, int pixelSize, bool bold);

// What the dialog and its file worker share. Cancelled is read by the work
// before each file; Post reaches the dialog while it lives and does nothing
// after; Finished (under Lock) is what the dialog's end waits for.
struct TfmConfig::TFileJob {
    std::atomic<bool> Cancelled{false};
    TPostTarget::TPoster Post;
    std::mutex Lock;
    std::condition_variable Stopped;
    bool Finished = false;
};

// Calls the test seam's hook (SetFileJobHook) when one is set.
void RunFileJobHook(const QString &file);
