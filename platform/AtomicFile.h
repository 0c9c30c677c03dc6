#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

// Replaces a file as a whole: the bytes go to a temporary file beside it, are
// flushed to the disk, the temporary file is renamed over the old one, and the
// folder is flushed so that the rename itself survives a power cut. A crash, a
// full disk or a write error before the rename leaves the old file as it was.
// Returns false when a step failed: the old file is then in place, except when
// only the folder flush failed after the rename.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes);

// Renames a file over another in the same folder and flushes the folder.
bool RenameFileDurably(const QString &from, const QString &to);

// Writes files that nothing reads until the caller's next durable step (such
// as recordings under numbers no word holds yet): each is written in place,
// then one flush of the file system makes them all durable together, where a
// flush per file would take a disk's turn each. A stop before the flush may
// leave some of them partly written. False when a step failed. Steps: Write
// for each file, then FlushFolder once, with the last file.
bool WriteNewFilesDurably(const QList<QPair<QString, QByteArray>> &files);

// The steps of a replacement, in the order they run.
enum class TFileStep { Write, Flush, Rename, FlushFolder };

// Seam for tests: called before each step with the file that step makes or
// replaces. Returning false makes the step fail as the disk would; throwing
// stops the program at that instant as far as the files are concerned. An
// empty hook restores normal running. Returns the hook it replaced.
using TFileStepHook = std::function<bool(TFileStep step, const QString &path)>;
TFileStepHook SetFileStepHook(TFileStepHook hook);
