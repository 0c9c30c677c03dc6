#pragma once
#include <QIODevice>
#include <QString>

class QFile;

// Full path of the program file. Everything the program keeps lives beside it.
// Tests point it at a file in a temporary folder.
QString ProgramFilePath();
void SetProgramFilePath(const QString &path);

// Opens `file` (by its name) for reading when it is a plain file, and fails
// at once, leaving it closed, when it is anything else: a FIFO under the name
// of one of the program's files would keep its open waiting for a writer
// that never comes, with no window up yet. `mode` adds to ReadOnly.
bool OpenPlainFile(QFile &file, QIODevice::OpenMode mode = QIODevice::ReadOnly);
