#pragma once

#include <QDir>
#include <QFile>

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

// A 64 KB file system mounted over a folder while it lives, so that writes there run out of
// room. Mounting needs root and the right to mount; error holds the reason when it failed.
struct SmallDisk
{
    explicit SmallDisk(const QString &folder)
        : path(QFile::encodeName(folder))
    {
        QDir().mkpath(folder);
        if (::mount("tmpfs", path.constData(), "tmpfs", 0, "size=64k") != 0)
            error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallDisk()
    {
        if (error.isNull())
            ::umount2(path.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    QByteArray path;
    QString error;
};
