#pragma once
// A small tmpfs of its own for a test that fills a disk, mounted for the
// life of the object. Mounting needs root; a test without it is skipped.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>

class TSmallVolume {
public:
    // Size as mount takes it ("200k").
    explicit TSmallVolume(const char *size)
    {
        if (!FPoint.isValid())
            return;
        FWhere = QFile::encodeName(FPoint.path());
        FMounted = ::mount("tmpfs", FWhere.constData(), "tmpfs", 0, (QByteArray("size=") + size).constData()) == 0;
    }
    ~TSmallVolume()
    {
        if (FMounted)
            ::umount2(FWhere.constData(), MNT_DETACH);
    }
    TSmallVolume(const TSmallVolume &) = delete;
    TSmallVolume &operator=(const TSmallVolume &) = delete;

    bool Mounted() const { return FMounted; }
    // The volume's folder, with a closing separator as the settings keep folders.
    QString Folder() const { return FPoint.path() + "/"; }
    bool MakeReadOnly() const
    {
        return ::mount(nullptr, FWhere.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QTemporaryDir FPoint;
    QByteArray FWhere;
    bool FMounted = false;
};
