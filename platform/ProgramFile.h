#pragma once
#include <QString>

// Full path of the program file. Everything the program keeps lives beside it.
// Tests point it at a file in a temporary folder.
QString ProgramFilePath();
void SetProgramFilePath(const QString &path);
