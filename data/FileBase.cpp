#include "data/FileBase.h"

#include "platform/Exceptions.h"
#include "platform/ProgramFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>

void TFileBase::Remember(const QByteArray &bytes)
{
    FKnown = true;
    FExists = true;
    FBytes = bytes;
}

void TFileBase::RememberMissing()
{
    FKnown = true;
    FExists = false;
    FBytes.clear();
}

void TFileBase::Forget()
{
    FKnown = false;
    FExists = false;
    FBytes.clear();
}

std::optional<QByteArray> TFileBase::Read(const QString &path)
{
    QFile f(path);
    if (!f.exists())
        return std::nullopt;
    QByteArray bytes;
    if (OpenPlainFile(f))
        bytes = f.readAll();
    if (!f.isOpen() || f.error() != QFileDevice::NoError)
        throw EInOutError(QCoreApplication::translate("Files", "Cannot open file %1").arg(QDir::toNativeSeparators(path)));
    return bytes;
}

bool TFileBase::ChangedOnDisk(const QString &path, std::optional<QByteArray> *now) const
{
    if (!FKnown && !now)
        return false;
    const std::optional<QByteArray> there = Read(path);
    if (now)
        *now = there;
    if (!FKnown)
        return false;
    return there.has_value() != FExists || (there && *there != FBytes);
}

QByteArray TFileBase::Digest(const QString &path)
{
    QFile f(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!OpenPlainFile(f) || !hash.addData(&f))
        return QByteArray();
    return hash.result();
}
