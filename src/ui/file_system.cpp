#include "ui/file_system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {
namespace {
QString &folderOverride()
{
    static QString folder;
    return folder;
}

std::function<void(const QString &)> &readObserver()
{
    static std::function<void(const QString &)> observer;
    return observer;
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

FileBytes failed(int error)
{
    return {{}, FileBytes::Problem::Unreadable, systemReason(error)};
}

} // namespace

QString programFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString &folder)
{
    folderOverride() = folder;
}

QString programPath(const QString &name)
{
    return programFolder() + QLatin1Char('/') + name;
}

QString userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/pindrel");
}

// A copy in a folder of the user's own keeps its vocabularies beside it. An installed copy lies
// in a folder its users cannot write to: theirs go into their own data folder.
QString customVocabFolder()
{
    if (folderWritable(programFolder()))
        return programPath(QStringLiteral("Custom Vocab"));
    return userDataFolder() + QStringLiteral("/Custom Vocab");
}

QString customVocabPath(const QString &name)
{
    return customVocabFolder() + QLatin1Char('/') + name;
}

QString shortName(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

bool folderExists(const QString &path)
{
    return QFileInfo(path).isDir();
}

bool fileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool makeFolder(const QString &path)
{
    return QDir().mkpath(path) && folderExists(path);
}

bool folderWritable(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

QStringList matchingFiles(const QString &folder, const QString &pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
}

QString firstMatch(const QString &folder, const QString &pattern)
{
    const QStringList names = matchingFiles(folder, pattern);
    return names.isEmpty() ? QString() : names.first();
}

QStringList fileNames(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

void setFileReadObserver(std::function<void(const QString &path)> observer)
{
    readObserver() = std::move(observer);
}

FileBytes readWholeFile(const QString &path, qint64 maxBytes)
{
    using Problem = FileBytes::Problem;
    if (readObserver())
        readObserver()(path);
    // Non-blocking, so that opening a pipe does not wait for a writer that never comes.
    const int fd
        = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? FileBytes {{}, Problem::Missing, {}}
                                                   : failed(errno);
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat status
    { };
    if (::fstat(fd, &status) != 0)
        return failed(errno);
    if (S_ISDIR(status.st_mode))
        return {{}, Problem::Folder, {}};
    if (!S_ISREG(status.st_mode))
        return {{}, Problem::NotRegular, {}};
    if (status.st_size > maxBytes)
        return {{}, Problem::TooLarge, {}};

    FileBytes result;
    result.bytes.reserve(static_cast<qsizetype>(status.st_size));
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failed(errno);
        if (got == 0)
            return result;
        if (result.bytes.size() + got > maxBytes)
            return {{}, Problem::TooLarge, {}};
        result.bytes.append(buffer, got);
    }
}

QString writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.isDir() && !target.isSymLink())
        return QStringLiteral("a folder of that name is in the way");
    // A short hidden name: the target's own name may already be as long as a name can be.
    QByteArray temporary = QFile::encodeName(target.absolutePath()) + "/.pindrel-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return systemReason(errno);
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.constData());
        return systemReason(error);
    };
    // The file keeps the permissions of the one it replaces; a new one gets the usual ones.
    struct stat old
    { };
    const bool replacesFile
        = ::lstat(QFile::encodeName(path).constData(), &old) == 0 && S_ISREG(old.st_mode);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, replacesFile ? old.st_mode & 07777 : 0666 & ~mask) != 0)
        return fail(errno);
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t n
            = ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(errno);
        written += n;
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return systemReason(error);
    }
    // rename() replaces the name itself: a link at path is replaced, not followed.
    if (::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return systemReason(error);
    }
    return {};
}

} // namespace ui
