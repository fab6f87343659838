#include "app/InstanceLock.h"

#include "app/AppPaths.h"
#include "app/PromptService.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

InstanceLock::InstanceLock() = default;

InstanceLock::~InstanceLock() = default;

QString InstanceLock::lockPath()
{
    return QDir(CompanyFolder()).filePath(ProductFolderName() + QStringLiteral(".lock"));
}

InstanceLock::Result InstanceLock::acquire()
{
    if (m_lock && m_lock->isLocked())
        return Result::Taken;
    const QString folder = CompanyFolder();
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        m_error = QStringLiteral("Cannot create folder %1").arg(folder);
        return Result::Failed;
    }
    m_lock = std::make_unique<QLockFile>(lockPath());
    // The program stays open for hours: only a lock whose program has ended is stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Result::Taken;
    switch (m_lock->error()) {
    case QLockFile::LockFailedError:
        return Result::HeldByAnother;
    case QLockFile::PermissionError:
        m_error = QStringLiteral("Cannot create the lock file %1: permission denied").arg(lockPath());
        return Result::Failed;
    default:
        m_error = QStringLiteral("Cannot create the lock file %1").arg(lockPath());
        return Result::Failed;
    }
}

QString AlreadyRunningText()
{
    return ProductName() + QStringLiteral(" is already running on this computer.\n"
                                          "Please use the window that is open.");
}

bool ClaimSingleInstance(InstanceLock& lock)
{
    switch (lock.acquire()) {
    case InstanceLock::Result::Taken:
        return true;
    case InstanceLock::Result::HeldByAnother:
        ShowMessage(AlreadyRunningText());
        return false;
    case InstanceLock::Result::Failed:
        ShowError(lock.errorText());
        return false;
    }
    return false;
}
