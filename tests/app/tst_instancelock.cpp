#include "app/AppPaths.h"
#include "app/InstanceLock.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QProcess>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The process id of a program that has ended.
qint64 endedProcessId()
{
    QProcess process;
    process.start(QStringLiteral("true"), {});
    process.waitForStarted();
    const qint64 id = process.processId();
    process.waitForFinished();
    return id > 0 ? id : 999999;
}

} // namespace

class TestInstanceLock : public QObject {
    Q_OBJECT

private slots:
    void init() { TestEnvironment::freshDatabase(); }

    void aSecondStartIsRefusedWhileTheFirstRuns()
    {
        InstanceLock first;
        QVERIFY(ClaimSingleInstance(first));
        QVERIFY(QFile::exists(InstanceLock::lockPath()));
        QCOMPARE(QFileInfo(InstanceLock::lockPath()).path(), CompanyFolder());
        const QByteArray database = fileBytes(DatabasePath());
        const QStringList dataFiles = QDir(DataFolder()).entryList(QDir::Files | QDir::Hidden);

        {
            ScopedPrompts prompts;
            InstanceLock second;
            QVERIFY(!ClaimSingleInstance(second));
            QCOMPARE(prompts->texts(QStringLiteral("message")),
                     QStringList{QStringLiteral("Velmar Kessa is already running on this computer.\n"
                                                "Please use the window that is open.")});
            QCOMPARE(prompts->shown.size(), size_t(1));
        }
        // The refused start touched nothing, and its end does not free the first's lock.
        QCOMPARE(fileBytes(DatabasePath()), database);
        QCOMPARE(QDir(DataFolder()).entryList(QDir::Files | QDir::Hidden), dataFiles);
        InstanceLock third;
        QCOMPARE(third.acquire(), InstanceLock::Result::HeldByAnother);
    }

    void theLockIsFreedWhenTheProgramEnds()
    {
        {
            InstanceLock first;
            QCOMPARE(first.acquire(), InstanceLock::Result::Taken);
        }
        QVERIFY(!QFile::exists(InstanceLock::lockPath()));
        InstanceLock next;
        QCOMPARE(next.acquire(), InstanceLock::Result::Taken);
    }

    void aLockLeftByAKilledProgramIsTakenOver()
    {
        // A lock file as a program writes it, but of a program that has ended (killed).
        QByteArray content;
        {
            InstanceLock genuine;
            QCOMPARE(genuine.acquire(), InstanceLock::Result::Taken);
            content = fileBytes(InstanceLock::lockPath());
        }
        QList<QByteArray> lines = content.split('\n');
        QVERIFY(lines.size() >= 3);
        lines[0] = QByteArray::number(endedProcessId());
        QFile stale(InstanceLock::lockPath());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(lines.join('\n'));
        stale.close();
        // Hours old: age alone never makes a running program's lock stale.
        QVERIFY(stale.open(QIODevice::ReadWrite));
        stale.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-6 * 3600), QFileDevice::FileModificationTime);
        stale.close();

        ScopedPrompts prompts;
        InstanceLock next;
        QVERIFY(ClaimSingleInstance(next));
        QVERIFY(prompts->shown.empty());
    }

    void aRunningProgramsLockIsNeverStaleByAge()
    {
        InstanceLock first;
        QCOMPARE(first.acquire(), InstanceLock::Result::Taken);
        QFile lock(InstanceLock::lockPath());
        QVERIFY(lock.open(QIODevice::ReadWrite));
        lock.setFileTime(QDateTime::currentDateTimeUtc().addDays(-2), QFileDevice::FileModificationTime);
        lock.close();
        InstanceLock second;
        QCOMPARE(second.acquire(), InstanceLock::Result::HeldByAnother);
    }

    void theFirstStartOnACleanMachineMakesOnlyTheCompanyFolder()
    {
        TestEnvironment::removeAllData();
        InstanceLock first;
        QCOMPARE(first.acquire(), InstanceLock::Result::Taken);
        QVERIFY(QFileInfo(CompanyFolder()).isDir());
        QVERIFY(!QFileInfo::exists(DataFolder()));
    }
};

VELMAR_TEST_MAIN(TestInstanceLock)
#include "tst_instancelock.moc"
