#include "platform/ProgramFile.h"

#include <QCoreApplication>

namespace {
QString &Override()
{
    static QString path;
    return path;
}
} // namespace

QString ProgramFilePath()
{
    if (!Override().isEmpty())
        return Override();
    return QCoreApplication::applicationFilePath();
}

void SetProgramFilePath(const QString &path) { Override() = path; }
