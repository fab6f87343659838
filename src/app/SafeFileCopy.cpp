#include "app/SafeFileCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kChunk = 1 << 20;

// Closes a descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now, so a failing close (a delayed write error) is seen.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

// Writes all of `size` bytes; a short write is followed by another, so the error
// that stops the copy is the system's own (ENOSPC on a full disk), never a made-up one.
int writeAll(int fd, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        size -= written;
    }
    return 0;
}

void flushFolder(const QString& folder)
{
    Descriptor dir(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

QString partialName(const QString& targetName)
{
    return QStringLiteral(".%1.%2.partial")
        .arg(targetName)
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

} // namespace

FileCopyOutcome FileCopyFailure(int errorNumber)
{
    return {false, errorNumber, QString::fromLocal8Bit(std::strerror(errorNumber))};
}

FileCopyOutcome CopyToPartialFile(const QString& source, const QString& besideTarget,
                                  QString& copyPath, const CopyProgress& progress)
{
    copyPath.clear();
    Descriptor in(::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0)
        return FileCopyFailure(errno);
    struct stat status {};
    if (::fstat(in.get(), &status) != 0)
        return FileCopyFailure(errno);
    // A folder, pipe or device would never end or never be a database file.
    if (!S_ISREG(status.st_mode))
        return FileCopyFailure(S_ISDIR(status.st_mode) ? EISDIR : EINVAL);

    const QFileInfo target(besideTarget);
    QString path;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        path = target.dir().filePath(partialName(target.fileName()));
        fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST)
            return FileCopyFailure(errno);
    }
    if (fd < 0)
        return FileCopyFailure(EEXIST);
    Descriptor out(fd);

    int error = 0;
    std::vector<char> buffer(kChunk);
    qint64 copied = 0;
    for (;;) {
        const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        if (got == 0)
            break;
        error = writeAll(out.get(), buffer.data(), got);
        if (error)
            break;
        copied += got;
        if (progress)
            progress(copied, qint64(status.st_size));
    }
    // The copy must be on disk before a rename makes it the target.
    if (!error && ::fsync(out.get()) != 0)
        error = errno;
    if (out.close() != 0 && !error)
        error = errno;
    if (error) {
        QFile::remove(path);
        return FileCopyFailure(error);
    }
    copyPath = path;
    return {true, 0, QString()};
}

FileCopyOutcome RenameReplacing(const QString& from, const QString& to)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return FileCopyFailure(errno);
    flushFolder(QFileInfo(to).absolutePath());
    return {true, 0, QString()};
}

FileCopyOutcome CopyFileReplacing(const QString& source, const QString& target,
                                  const CopyProgress& progress)
{
    QString partial;
    FileCopyOutcome outcome = CopyToPartialFile(source, target, partial, progress);
    if (!outcome.ok)
        return outcome;
    outcome = RenameReplacing(partial, target);
    if (!outcome.ok)
        QFile::remove(partial);
    return outcome;
}

bool IsPartialCopyOf(const QString& fileName, const QString& targetName)
{
    static const QRegularExpression suffix(QStringLiteral("^\\.[0-9a-f]{8}\\.partial$"));
    const QString prefix = QLatin1Char('.') + targetName;
    return fileName.startsWith(prefix) && suffix.match(fileName.mid(prefix.size())).hasMatch();
}

void RemovePartialCopies(const QString& folder, const QString& targetName)
{
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral(".*.partial")},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        if (IsPartialCopyOf(name, targetName))
            QFile::remove(dir.filePath(name));
}
