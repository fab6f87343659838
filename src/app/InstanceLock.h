#pragma once

#include <QString>
#include <memory>

class QLockFile;

// One running program per data folder: a lock file in CompanyFolder, taken at start-up
// before the database is touched and held until the program ends. A lock left by a
// program that no longer runs (killed, crashed) is taken over.
class InstanceLock {
public:
    enum class Result { Taken, HeldByAnother, Failed };

    InstanceLock();
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Makes CompanyFolder when needed (nothing else) and tries the lock once.
    Result acquire();
    // Why acquire() failed, for Failed.
    QString errorText() const { return m_error; }

    static QString lockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_error;
};

// The start-up's first step once the application object exists: takes the lock, or
// tells the user why the program cannot start. False means: end without touching
// anything.
bool ClaimSingleInstance(InstanceLock& lock);

// The message a second start shows.
QString AlreadyRunningText();
