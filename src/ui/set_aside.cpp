#include "ui/set_aside.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>

namespace ui {

QString setAside(const QString &path, QString *reason)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    qsizetype dot = path.lastIndexOf(u'.');
    if (dot <= slash + 1)
        dot = path.size();
    int error = EEXIST;
    for (int n = 1; error == EEXIST; ++n) {
        const QString mark
            = n == 1 ? QStringLiteral(" (unreadable)") : QStringLiteral(" (unreadable %1)").arg(n);
        const QString target = path.left(dot) + mark + path.mid(dot);
        const QByteArray to = QFile::encodeName(target);
        struct stat status
        { };
        // lstat, so that a link to nothing counts as taken.
        if (::lstat(to.constData(), &status) == 0)
            continue;
        if (std::rename(QFile::encodeName(path).constData(), to.constData()) == 0)
            return target;
        error = errno;
    }
    if (reason)
        *reason = QString::fromLocal8Bit(std::strerror(error));
    return {};
}

} // namespace ui
