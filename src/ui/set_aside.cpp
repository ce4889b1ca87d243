#include "ui/set_aside.h"

#include <QFile>

#include <cstdio>

#include <sys/stat.h>

namespace ui {

QString setAside(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    qsizetype dot = path.lastIndexOf(u'.');
    if (dot <= slash + 1)
        dot = path.size();
    for (int n = 1;; ++n) {
        const QString mark
            = n == 1 ? QStringLiteral(" (unreadable)") : QStringLiteral(" (unreadable %1)").arg(n);
        const QString target = path.left(dot) + mark + path.mid(dot);
        struct stat status
        { };
        // lstat, so that a link to nothing counts as taken.
        if (::lstat(QFile::encodeName(target).constData(), &status) == 0)
            continue;
        const bool moved
            = std::rename(QFile::encodeName(path).constData(), QFile::encodeName(target).constData())
            == 0;
        return moved ? target : QString();
    }
}

} // namespace ui
