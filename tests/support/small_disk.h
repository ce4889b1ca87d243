#pragma once

#include <QDir>
#include <QFile>

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

// A 64 KB file system mounted over a folder while it lives, so that writes there run out of
// room; or, readOnly, the folder as it is but read-only, as an installed copy's folder is to its
// users, even root. Mounting needs root and the right to mount; error holds the reason when it
// failed.
struct SmallDisk
{
    explicit SmallDisk(const QString &folder, bool readOnly = false)
        : path(QFile::encodeName(folder))
    {
        QDir().mkpath(folder);
        const char *p = path.constData();
        const bool mounted = readOnly ? ::mount(p, p, nullptr, MS_BIND, nullptr) == 0
                                      : ::mount("tmpfs", p, "tmpfs", 0, "size=64k") == 0;
        if (!mounted
            || (readOnly && ::mount(nullptr, p, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0))
            error = QString::fromLocal8Bit(std::strerror(errno));
        if (mounted && !error.isNull())
            ::umount2(p, MNT_DETACH);
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
