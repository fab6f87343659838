#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/BackupRestore.h"
#include "app/Clock.h"
#include "app/CompanyDatabaseCheck.h"
#include "app/SafeFileCopy.h"
#include "app/gui/WidgetPromptService.h"
#include "data/Database.h"
#include "support/ScriptedPrompts.h"
#include "support/SmallDisk.h"
#include "support/TestEnvironment.h"

#include <QFileDialog>
#include <QToolButton>

#include <sqlite3.h>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString companyName(const QString& path)
{
    Connection db = OpenDatabase(path);
    return db.exec(QStringLiteral("SELECT strCompName FROM tblCompanyInfo WHERE intCompInfoID = 1;"))
        .columnText(0);
}

void setCompanyName(const QString& path, const QString& name)
{
    Connection db = OpenDatabase(path);
    db.exec(QStringLiteral("UPDATE tblCompanyInfo SET strCompName = ? WHERE intCompInfoID = 1;"), {name});
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

const QString kCancelled = QStringLiteral("Restore of company database cancelled");
const QDateTime kNow(QDate(2026, 12, 10), QTime(14, 30, 5));
const QString kKeptName = QStringLiteral("velmar7.db.before-restore-20261210-143005");

// Runs `sql` on the file with the plain engine, outside our access layer.
void rawExec(const QString& path, const char* sql)
{
    sqlite3* handle = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &handle);
    char* error = nullptr;
    const int result = sqlite3_exec(handle, sql, nullptr, nullptr, &error);
    const QString message = QString::fromUtf8(error ? error : "");
    sqlite3_free(error);
    sqlite3_close(handle);
    QVERIFY2(result == SQLITE_OK, qPrintable(message));
}

// Leaves beside `path` the journal of a write that was cut off: the file and its
// journal as they lie on disk in the middle of a transaction.
void leaveHotJournal(const QString& path, const QString& copyTo)
{
    sqlite3* handle = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &handle);
    sqlite3_exec(handle, "PRAGMA cache_size = 1; BEGIN; UPDATE tblCompanyInfo SET strCompName = 'Half written';"
                         "UPDATE tblCompanyInvData SET intInvNumber = 900;", nullptr, nullptr, nullptr);
    QFile::remove(copyTo);
    QFile::remove(copyTo + QStringLiteral("-journal"));
    QVERIFY(QFile::copy(path, copyTo));
    QVERIFY(QFile::copy(path + QStringLiteral("-journal"), copyTo + QStringLiteral("-journal")));
    sqlite3_exec(handle, "ROLLBACK;", nullptr, nullptr, nullptr);
    sqlite3_close(handle);
}

} // namespace

class TestBackupRestore : public QObject {
    Q_OBJECT

    AppState state;
    QTemporaryDir elsewhere;

private slots:
    void init()
    {
        TestEnvironment::freshDatabase(state);
        QDir(elsewhere.path()).removeRecursively();
        QDir().mkpath(elsewhere.path());
    }

    void backupReplacesAnExistingCopyWithoutAsking()
    {
        setCompanyName(DatabasePath(), QStringLiteral("Harbor Painting"));
        const QString target = elsewhere.filePath(QStringLiteral("velmar7.db"));
        writeFile(target, "an older backup");

        ScopedPrompts prompts;
        prompts->files.push_back(elsewhere.path());
        BackupDatabase();

        QCOMPARE(prompts->texts(QStringLiteral("folder")), QStringList{QStringLiteral("Backup Company Database")});
        QCOMPARE(prompts->texts(QStringLiteral("info")),
                 QStringList{QStringLiteral("Backup of company database successful")});
        QCOMPARE(fileBytes(target), fileBytes(DatabasePath()));
        QCOMPARE(companyName(target), QStringLiteral("Harbor Painting"));
        // The temporary copy was renamed into place; nothing else is left behind.
        QCOMPARE(filesIn(elsewhere.path()), QStringList{QStringLiteral("velmar7.db")});
    }

    void backupAfterAnInterruptedWriteIsWhole()
    {
        // The live file carries the journal of a cut-off write; a copy of the file alone
        // would be half of that write.
        setCompanyName(DatabasePath(), QStringLiteral("Before The Crash"));
        const QString scratch = elsewhere.filePath(QStringLiteral("scratch.db"));
        QVERIFY(QFile::copy(DatabasePath(), scratch));
        leaveHotJournal(scratch, DatabasePath() + QStringLiteral(".crashed"));
        QFile::remove(DatabasePath());
        QVERIFY(QFile::rename(DatabasePath() + QStringLiteral(".crashed"), DatabasePath()));
        QVERIFY(QFile::rename(DatabasePath() + QStringLiteral(".crashed-journal"),
                              DatabasePath() + QStringLiteral("-journal")));
        const QString folder = elsewhere.filePath(QStringLiteral("backups"));
        QDir().mkpath(folder);

        ScopedPrompts prompts;
        prompts->files.push_back(folder);
        BackupDatabase();
        QCOMPARE(prompts->texts(QStringLiteral("info")),
                 QStringList{QStringLiteral("Backup of company database successful")});
        const QString copy = QDir(folder).filePath(QStringLiteral("velmar7.db"));
        QVERIFY(CheckRestoreCandidate(copy).ok());
        QCOMPARE(companyName(copy), QStringLiteral("Before The Crash"));
    }

    void backupCancelledOrFailing()
    {
        {
            ScopedPrompts prompts;
            BackupDatabase();
            QCOMPARE(prompts->texts(QStringLiteral("message")),
                     QStringList{QStringLiteral("Backup of company database cancelled")});
        }
        {
            ScopedPrompts prompts;
            prompts->files.push_back(elsewhere.filePath(QStringLiteral("gone")));
            BackupDatabase();
            QCOMPARE(prompts->texts(QStringLiteral("info")),
                     QStringList{QStringLiteral("Error 2 : No such file or directory")});
        }
    }

    void failedCopyLeavesTheTargetAsItWas()
    {
        const QString target = elsewhere.filePath(QStringLiteral("velmar7.db"));
        writeFile(target, "the copy we keep");
        const FileCopyOutcome outcome =
            CopyFileReplacing(elsewhere.filePath(QStringLiteral("missing.db")), target);
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.errorNumber, ENOENT);
        QCOMPARE(fileBytes(target), QByteArray("the copy we keep"));
        QCOMPARE(filesIn(elsewhere.path()), QStringList{QStringLiteral("velmar7.db")});
    }

    void restoreReloadsTheCompanySettings()
    {
        setCompanyName(DatabasePath(), QStringLiteral("Backed Up Name"));
        const QString backup = elsewhere.filePath(QStringLiteral("velmar7.db"));
        QVERIFY(QFile::copy(DatabasePath(), backup));
        setCompanyName(DatabasePath(), QStringLiteral("Changed Since"));
        LoadCompanySettings(state.companySettings);
        state.preferences[PrefFrmMainMaximized] = false;

        const QByteArray replaced = fileBytes(DatabasePath());

        SetClockForTesting(kNow);
        const auto clock = qScopeGuard([] { SetClockForTesting(QDateTime()); });
        ScopedPrompts prompts;
        prompts->files.push_back(backup);
        QStringList progress;
        const CopyHooks hooks{[&](const QString& caption) { progress << caption; },
                              [&] { progress << QStringLiteral("hide"); }, {}};
        QVERIFY(RestoreDatabase(state.companySettings, hooks));

        QCOMPARE(prompts->texts(QStringLiteral("open")),
                 QStringList{QStringLiteral("Restore Company Database\nDatabase File Name: velmar7.db")});
        QCOMPARE(prompts->openOffersNewFolder, std::vector<bool>{false});
        const QString kept = QDir(DataFolder()).filePath(kKeptName);
        QCOMPARE(prompts->texts(QStringLiteral("message")),
                 QStringList{QStringLiteral("Restore of company database successful\n"
                                            "The database it replaced is kept as \"%1\".").arg(kept)});
        QCOMPARE(progress, (QStringList{QStringLiteral("Restoring Company Data ..."), QStringLiteral("hide")}));
        QCOMPARE(companyName(DatabasePath()), QStringLiteral("Backed Up Name"));
        QCOMPARE(state.companySettings.CompanyData.CompName, QStringLiteral("Backed Up Name"));
        // The preferences in memory are not reloaded.
        QVERIFY(!state.preferences[PrefFrmMainMaximized]);
        // The replaced database is kept byte for byte, so a wrong restore can be undone;
        // the staging copy is gone.
        QCOMPARE(fileBytes(kept), replaced);
        QCOMPARE(companyName(kept), QStringLiteral("Changed Since"));
        QCOMPARE(filesIn(DataFolder()), (QStringList{QStringLiteral("velmar7.db"), kKeptName}));

        // A second restore in the same second keeps the first keepsake too.
        prompts->files.push_back(backup);
        QVERIFY(RestoreDatabase(state.companySettings));
        QCOMPARE(filesIn(DataFolder()),
                 (QStringList{QStringLiteral("velmar7.db"), kKeptName, kKeptName + QStringLiteral("-2")}));
        QCOMPARE(fileBytes(kept), replaced);
    }

    void restoreWritesThroughALinkedDatabase()
    {
        // The data folder's database is a link to a file kept elsewhere.
        const QString real = elsewhere.filePath(QStringLiteral("linked/velmar7.db"));
        QDir().mkpath(QFileInfo(real).path());
        QVERIFY(QFile::rename(DatabasePath(), real));
        QVERIFY(QFile::link(real, DatabasePath()));
        const auto removeLink = qScopeGuard([] { QFile::remove(DatabasePath()); });
        setCompanyName(real, QStringLiteral("Linked Current"));
        const QByteArray replaced = fileBytes(real);

        const QString backup = elsewhere.filePath(QStringLiteral("velmar7.db"));
        QVERIFY(QFile::copy(real, backup));
        setCompanyName(backup, QStringLiteral("From The Backup"));

        ScopedPrompts prompts;
        prompts->files.push_back(backup);
        QVERIFY(RestoreDatabase(state.companySettings));
        QVERIFY(QFileInfo(DatabasePath()).isSymLink());
        QCOMPARE(QFileInfo(DatabasePath()).symLinkTarget(), real);
        QCOMPARE(companyName(real), QStringLiteral("From The Backup"));
        QCOMPARE(state.companySettings.CompanyData.CompName, QStringLiteral("From The Backup"));
        const QStringList kept = QDir(DataFolder()).entryList({QStringLiteral("velmar7.db.before-restore-*")});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(fileBytes(QDir(DataFolder()).filePath(kept.front())), replaced);
        QCOMPARE(filesIn(QFileInfo(real).path()), QStringList{QStringLiteral("velmar7.db")});
    }

    void restoreOverAnInterruptedWrite()
    {
        // The live database carries the journal of a write that was cut off; the
        // restored file must not get the old file's pages played back into it.
        setCompanyName(DatabasePath(), QStringLiteral("Before The Crash"));
        const QString backup = elsewhere.filePath(QStringLiteral("velmar7.db"));
        QVERIFY(QFile::copy(DatabasePath(), backup));
        setCompanyName(backup, QStringLiteral("Restored"));
        const QString scratch = elsewhere.filePath(QStringLiteral("scratch.db"));
        QVERIFY(QFile::copy(DatabasePath(), scratch));
        leaveHotJournal(scratch, DatabasePath() + QStringLiteral(".crashed"));
        QFile::remove(DatabasePath());
        QVERIFY(QFile::rename(DatabasePath() + QStringLiteral(".crashed"), DatabasePath()));
        QVERIFY(QFile::rename(DatabasePath() + QStringLiteral(".crashed-journal"),
                              DatabasePath() + QStringLiteral("-journal")));

        ScopedPrompts prompts;
        prompts->files.push_back(backup);
        QVERIFY(RestoreDatabase(state.companySettings));
        QVERIFY(!QFile::exists(DatabasePath() + QStringLiteral("-journal")));
        QCOMPARE(companyName(DatabasePath()), QStringLiteral("Restored"));
        QVERIFY(CheckRestoreCandidate(DatabasePath()).ok());
        // The keepsake is the old file with its cut-off write rolled back.
        const QStringList kept = QDir(DataFolder()).entryList({QStringLiteral("velmar7.db.before-restore-*")});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(companyName(QDir(DataFolder()).filePath(kept.front())), QStringLiteral("Before The Crash"));
    }

    void fileChooserNewFolderButton_data()
    {
        QTest::addColumn<bool>("newFolder");
        QTest::newRow("offered") << true;
        QTest::newRow("restore: not offered") << false;
    }
    void fileChooserNewFolderButton()
    {
        QFETCH(bool, newFolder);
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            const auto closeChooser = qScopeGuard([chooser] { chooser->reject(); });
            checked = true;
            QCOMPARE(chooser->windowTitle(), QStringLiteral("Restore Company Database"));
            QCOMPARE(chooser->testOption(QFileDialog::ReadOnly), !newFolder);
            auto* button = chooser->findChild<QToolButton*>(QStringLiteral("newFolderButton"));
            QVERIFY(button);
            QCOMPARE(button->isEnabled(), newFolder);
        });
        WidgetPromptService real;
        QCOMPARE(real.chooseOpenFile(QStringLiteral("Restore Company Database"), elsewhere.path(),
                                     QString(), newFolder),
                 QString());
        QVERIFY(checked);
    }

    void restoreRefusesOtherFileNames_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("upper case") << QStringLiteral("VELMAR7.DB");
        QTest::newRow("letter case differs once") << QStringLiteral("Velmar7.db");
        QTest::newRow("another name") << QStringLiteral("backup.db");
    }

    void restoreRefusesOtherFileNames()
    {
        QFETCH(QString, fileName);
        const QString chosen = elsewhere.filePath(fileName);
        QVERIFY(QFile::copy(DatabasePath(), chosen));
        setCompanyName(DatabasePath(), QStringLiteral("Current"));
        const QByteArray before = fileBytes(DatabasePath());

        ScopedPrompts prompts;
        prompts->files.push_back(chosen);
        QVERIFY(!RestoreDatabase(state.companySettings));
        QCOMPARE(prompts->texts(QStringLiteral("message")),
                 QStringList{QStringLiteral("Database File \"velmar7.db\" not found\n") + kCancelled});
        QCOMPARE(fileBytes(DatabasePath()), before);
    }

    void restoreRefusesWhatIsNotACompanyDatabase_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QString>("reason");
        const QString notOurs = QStringLiteral("\"%1\" is not a Velmar Kessa company database.\n");
        const QString damaged = QStringLiteral("\"%1\" is a damaged Velmar Kessa company database: %2.\n");
        QTest::newRow("text file") << QByteArray("text") << notOurs;
        QTest::newRow("empty file") << QByteArray("empty") << notOurs;
        QTest::newRow("database of another program") << QByteArray("foreign") << notOurs;
        QTest::newRow("company database missing a table") << QByteArray("missing-table") << notOurs;
        QTest::newRow("company database with a column renamed") << QByteArray("renamed-column") << notOurs;
        QTest::newRow("damaged company database") << QByteArray("damaged") << notOurs;
        QTest::newRow("a trigger") << QByteArray("trigger") << notOurs;
        QTest::newRow("a view") << QByteArray("view") << notOurs;
        QTest::newRow("an index on UPPER") << QByteArray("index") << notOurs;
        QTest::newRow("a fifteenth table") << QByteArray("extra-table") << notOurs;
        QTest::newRow("a table statement written another way")
            << QByteArray("respelled") << notOurs;
        QTest::newRow("NULL flags")
            << QByteArray("null-flags") << damaged.arg(QStringLiteral("%1"), QStringLiteral("'' is not a valid boolean value"));
        QTest::newRow("NULL preference")
            << QByteArray("null-preference") << damaged.arg(QStringLiteral("%1"), QStringLiteral("'' is not a valid boolean value"));
        QTest::newRow("single-row table emptied")
            << QByteArray("emptied") << damaged.arg(QStringLiteral("%1"), QStringLiteral("the row of tblCompanyInfo is missing"));
        QTest::newRow("counter beyond the integer range")
            << QByteArray("counter-huge")
            << damaged.arg(QStringLiteral("%1"), QStringLiteral("its document counter \"4294967796\" is not a number from 1 to 2147483646"));
        QTest::newRow("counter at the top of the range")
            << QByteArray("counter-top")
            << damaged.arg(QStringLiteral("%1"), QStringLiteral("its document counter \"2147483647\" is not a number from 1 to 2147483646"));
        QTest::newRow("counter as text")
            << QByteArray("counter-text")
            << damaged.arg(QStringLiteral("%1"), QStringLiteral("its document counter \"five hundred\" is not a number from 1 to 2147483646"));
        QTest::newRow("counter zero")
            << QByteArray("counter-zero")
            << damaged.arg(QStringLiteral("%1"), QStringLiteral("its document counter \"0\" is not a number from 1 to 2147483646"));
        QTest::newRow("write-ahead log mode")
            << QByteArray("wal")
            << QStringLiteral("\"%1\" is kept in write-ahead log mode: part of its data may be in "
                              "another file, so it cannot be restored.\n");
        QTest::newRow("unfinished transaction beside it")
            << QByteArray("hot-journal")
            << QStringLiteral("\"%1\" has an unfinished transaction in \"%1-journal\", so it "
                              "cannot be restored as it is.\n");
    }

    void restoreRefusesWhatIsNotACompanyDatabase()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QString, reason);
        const QString chosen = elsewhere.filePath(QStringLiteral("velmar7.db"));
        if (kind == "text") {
            writeFile(chosen, "Dear customer,\nthank you for your order.\n");
        } else if (kind == "empty") {
            writeFile(chosen, QByteArray());
        } else if (kind == "foreign") {
            rawExec(chosen, "CREATE TABLE notes(id INTEGER, text TEXT);");
        } else if (kind == "hot-journal") {
            const QString scratch = elsewhere.filePath(QStringLiteral("scratch.db"));
            QVERIFY(QFile::copy(DatabasePath(), scratch));
            leaveHotJournal(scratch, chosen);
        } else {
            QVERIFY(QFile::copy(DatabasePath(), chosen));
            const QHash<QByteArray, const char*> changes = {
                {"missing-table", "DROP TABLE tblSavedPrices;"},
                {"renamed-column", "ALTER TABLE tblCustomers RENAME COLUMN strCustCity TO strTown;"},
                {"trigger", "CREATE TRIGGER wipe AFTER INSERT ON tblInvHeader BEGIN DELETE FROM tblCustomers; END;"},
                {"view", "CREATE VIEW everyone AS SELECT * FROM tblCustomers;"},
                {"index", "CREATE INDEX byName ON tblCustomers(UPPER(strCustLastName));"},
                {"extra-table", "CREATE TABLE tblExtra(intID INTEGER);"},
                {"respelled", "DROP TABLE tblRecurring; CREATE TABLE tblRecurring(intRecurringID INTEGER, strLastPrintedDate TEXT);"
                              "INSERT INTO tblRecurring VALUES(1, '');"},
                {"null-flags", "UPDATE tblCompanyInvData SET strShowTotal = NULL;"},
                {"null-preference", "UPDATE tblAppPreferences SET strPlannerShow = NULL;"},
                {"emptied", "DELETE FROM tblCompanyInfo;"},
                {"counter-huge", "UPDATE tblCompanyInvData SET intInvNumber = 4294967796;"},
                {"counter-top", "UPDATE tblCompanyInvData SET intInvNumber = 2147483647;"},
                {"counter-text", "UPDATE tblCompanyInvData SET intInvNumber = 'five hundred';"},
                {"counter-zero", "UPDATE tblCompanyInvData SET intInvNumber = 0;"},
                {"wal", "PRAGMA journal_mode = WAL; UPDATE tblCompanyInfo SET strCompName = 'In the log';"},
            };
            if (changes.contains(kind))
                rawExec(chosen, changes.value(kind));
            if (kind == "damaged") {
                // Scribble over the pages after the first, as a failing disk might.
                QFile file(chosen);
                QVERIFY(file.open(QIODevice::ReadWrite));
                QByteArray bytes = file.readAll();
                for (qsizetype i = 4096; i < bytes.size(); i += 7)
                    bytes[i] = char(0xA5);
                file.seek(0);
                file.write(bytes);
            }
        }
        setCompanyName(DatabasePath(), QStringLiteral("Current"));
        LoadCompanySettings(state.companySettings);
        const QByteArray before = fileBytes(DatabasePath());

        ScopedPrompts prompts;
        prompts->files.push_back(chosen);
        QVERIFY(!RestoreDatabase(state.companySettings));
        QCOMPARE(prompts->texts(QStringLiteral("message")), QStringList{reason.arg(chosen) + kCancelled});
        // The current database is untouched, still loads, and nothing is left beside it.
        QCOMPARE(fileBytes(DatabasePath()), before);
        QCOMPARE(state.companySettings.CompanyData.CompName, QStringLiteral("Current"));
        CompanySettings reloaded;
        LoadCompanySettings(reloaded);
        QCOMPARE(reloaded.CompanyData.CompName, QStringLiteral("Current"));
        QCOMPARE(filesIn(DataFolder()), QStringList{QStringLiteral("velmar7.db")});
    }

    void theCheckNeverChangesTheCandidate()
    {
        // Its own freshly made database passes; checking leaves no byte changed.
        const QByteArray before = fileBytes(DatabasePath());
        QVERIFY(CheckRestoreCandidate(DatabasePath()).ok());
        QCOMPARE(fileBytes(DatabasePath()), before);
        QCOMPARE(filesIn(DataFolder()), QStringList{QStringLiteral("velmar7.db")});
    }

    void leftoversOfInterruptedCopiesAreRemoved()
    {
        const QStringList leftovers = {QStringLiteral(".velmar7.db.0123abcd.partial"),
                                       QStringLiteral(".velmar7.db.ffffffff.partial"),
                                       QStringLiteral(".%1.0123abcd.partial").arg(kKeptName)};
        const QStringList others = {QStringLiteral(".velmar7.db.notours.partial"), kKeptName,
                                    QStringLiteral(".CmpLogo.jpg.0123abcd.partial"),
                                    QStringLiteral("velmar7.db.0123abcd.partial")};
        for (const QString& name : leftovers + others)
            writeFile(QDir(DataFolder()).filePath(name), "partial");
        RemoveRestoreLeftovers();
        QStringList expected = others + QStringList{QStringLiteral("velmar7.db")};
        expected.sort();
        QStringList found = filesIn(DataFolder());
        found.sort();
        QCOMPARE(found, expected);
    }

    void aFullDiskIsReportedAsSuch_data()
    {
        QTest::addColumn<bool>("restore");
        QTest::newRow("backup") << false;
        QTest::newRow("restore") << true;
    }

    void aFullDiskIsReportedAsSuch()
    {
        QFETCH(bool, restore);
        // Some rows so the database is larger than what is left on the small disk.
        rawExec(DatabasePath(), "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                                "INSERT INTO tblCustomers(strCustFirstName, strCustNotes) "
                                "SELECT 'Customer ' || i, hex(randomblob(64)) FROM n;");
        const QString disk = elsewhere.filePath(QStringLiteral("small"));
        SmallDisk small(disk, 4 * 1024 * 1024);
        if (!small.mounted())
            QSKIP(qPrintable(QStringLiteral("no small disk can be mounted here: ") + small.reason()));

        QString chosen = DatabasePath();
        QString linkedTarget;
        if (restore) {
            // The live database lives on the small disk behind a link; the backup is elsewhere.
            chosen = elsewhere.filePath(QStringLiteral("velmar7.db"));
            QVERIFY(QFile::copy(DatabasePath(), chosen));
            setCompanyName(chosen, QStringLiteral("Would Be Restored"));
            linkedTarget = QDir(disk).filePath(QStringLiteral("velmar7.db"));
            QVERIFY(QFile::copy(DatabasePath(), linkedTarget));
            QFile::remove(DatabasePath());
            QVERIFY(QFile::link(linkedTarget, DatabasePath()));
        }
        const auto removeLink = qScopeGuard([&] {
            if (restore)
                QFile::remove(DatabasePath());
        });
        small.fillLeaving(64 * 1024);
        const QByteArray before = fileBytes(restore ? linkedTarget : DatabasePath());

        ScopedPrompts prompts;
        if (restore) {
            prompts->files.push_back(chosen);
            QVERIFY(!RestoreDatabase(state.companySettings));
        } else {
            prompts->files.push_back(disk);
            BackupDatabase();
        }
        QCOMPARE(prompts->texts(QStringLiteral("info")),
                 QStringList{QStringLiteral("Error %1 : %2").arg(ENOSPC).arg(QString::fromLocal8Bit(std::strerror(ENOSPC)))});
        QCOMPARE(prompts->texts(QStringLiteral("info")).front(), QStringLiteral("Error 28 : No space left on device"));
        // Nothing half-written is left on the full disk.
        QStringList onDisk = filesIn(disk);
        onDisk.removeAll(QStringLiteral("filler"));
        QCOMPARE(onDisk, restore ? QStringList{QStringLiteral("velmar7.db")} : QStringList());
        if (restore) {
            QCOMPARE(fileBytes(linkedTarget), before);
            QCOMPARE(companyName(DatabasePath()), QStringLiteral("My Company Name"));
        }
    }

    void restoreCancelled()
    {
        const QByteArray before = fileBytes(DatabasePath());
        ScopedPrompts prompts;
        QVERIFY(!RestoreDatabase(state.companySettings));
        QCOMPARE(prompts->texts(QStringLiteral("message")), QStringList{kCancelled});
        QCOMPARE(fileBytes(DatabasePath()), before);
    }
};

VELMAR_TEST_MAIN(TestBackupRestore)
#include "tst_backuprestore.moc"
