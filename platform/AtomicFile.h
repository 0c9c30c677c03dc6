#pragma once
#include <QByteArray>
#include <QString>

// Replaces a file as a whole: the bytes go to a temporary file beside it, are
// flushed to the disk, and the temporary file is renamed over the old one. A
// crash, a full disk or a write error leaves the old file as it was. Returns
// false when the file could not be replaced.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes);
