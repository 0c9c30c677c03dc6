#include "platform/ProgramFile.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool OpenPlainFile(QFile &file, QIODevice::OpenMode mode)
{
    // The type is told by the open file itself, so nothing can be put under
    // the name between the look and the open; opening without waiting is
    // what makes that look possible for a FIFO.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0
        || !file.open(fd, mode | QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}
