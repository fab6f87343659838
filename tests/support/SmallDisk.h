#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

// A small RAM disk mounted on a folder, private to this test process, so a write can
// meet a real full disk (ENOSPC). Where the process may not mount (no privileges),
// mounted() is false and reason() says why; the test then skips.
class SmallDisk {
public:
    SmallDisk(const QString& folder, qint64 bytes) : m_folder(folder)
    {
        QDir().mkpath(folder);
        static const QString unshared = [] {
            // Mounts made from here on are seen by this process only.
            if (::unshare(CLONE_NEWNS) != 0)
                return QStringLiteral("unshare: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
                return QStringLiteral("mount --make-rprivate: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            return QString();
        }();
        if (!unshared.isEmpty()) {
            m_reason = unshared;
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(bytes);
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) != 0) {
            m_reason = QStringLiteral("mount tmpfs: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        m_mounted = true;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString reason() const { return m_reason; }

    // Leaves about `spare` bytes free: a filler file takes the rest.
    void fillLeaving(qint64 spare) const
    {
        const QString filler = QDir(m_folder).filePath(QStringLiteral("filler"));
        const int fd = ::open(QFile::encodeName(filler).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const QByteArray block(4096, 'x');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        ::close(fd);
        const qint64 size = QFileInfo(filler).size();
        if (::truncate(QFile::encodeName(filler).constData(), qMax<qint64>(0, size - spare)) != 0)
            return;
    }

private:
    QString m_folder;
    QString m_reason;
    bool m_mounted = false;
};
