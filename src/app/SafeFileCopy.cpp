#include "app/SafeFileCopy.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace {

std::filesystem::path toPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// The copy must be on disk before the rename makes it the target.
std::error_code flushToDisk(const std::filesystem::path& path)
{
    const int handle = ::open(path.c_str(), O_RDONLY);
    if (handle < 0)
        return {errno, std::system_category()};
    std::error_code result;
    if (::fsync(handle) != 0)
        result = {errno, std::system_category()};
    ::close(handle);
    return result;
}

} // namespace

FileCopyOutcome CopyFileReplacing(const QString& source, const QString& target)
{
    namespace fs = std::filesystem;
    const QFileInfo targetInfo(target);
    const QString partialName = QStringLiteral(".%1.%2.partial")
                                    .arg(targetInfo.fileName())
                                    .arg(QRandomGenerator::global()->generate(), 8, 16,
                                         QLatin1Char('0'));
    const fs::path partial = toPath(targetInfo.dir().filePath(partialName));

    std::error_code error;
    fs::copy_file(toPath(source), partial, fs::copy_options::overwrite_existing, error);
    if (!error)
        error = flushToDisk(partial);
    if (!error)
        fs::rename(partial, toPath(target), error);
    if (!error)
        return {true, 0, QString()};

    std::error_code ignored;
    fs::remove(partial, ignored);
    return {false, error.value(), QString::fromLocal8Bit(error.message().c_str())};
}
