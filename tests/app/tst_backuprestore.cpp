#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/BackupRestore.h"
#include "app/SafeFileCopy.h"
#include "app/gui/WidgetPromptService.h"
#include "data/Database.h"
#include "support/ScriptedPrompts.h"
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

        ScopedPrompts prompts;
        prompts->files.push_back(backup);
        QVERIFY(RestoreDatabase(state.companySettings));

        QCOMPARE(prompts->texts(QStringLiteral("open")),
                 QStringList{QStringLiteral("Restore Company Database\nDatabase File Name: velmar7.db")});
        QCOMPARE(prompts->openOffersNewFolder, std::vector<bool>{false});
        QCOMPARE(prompts->texts(QStringLiteral("message")),
                 QStringList{QStringLiteral("Restore of company database successful")});
        QCOMPARE(companyName(DatabasePath()), QStringLiteral("Backed Up Name"));
        QCOMPARE(state.companySettings.CompanyData.CompName, QStringLiteral("Backed Up Name"));
        // The preferences in memory are not reloaded.
        QVERIFY(!state.preferences[PrefFrmMainMaximized]);
        QCOMPARE(filesIn(DataFolder()), QStringList{QStringLiteral("velmar7.db")});
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
        QTest::newRow("text file") << QByteArray("text");
        QTest::newRow("empty file") << QByteArray("empty");
        QTest::newRow("database of another program") << QByteArray("foreign");
        QTest::newRow("company database missing a table") << QByteArray("missing-table");
        QTest::newRow("company database with a column renamed") << QByteArray("renamed-column");
        QTest::newRow("damaged company database") << QByteArray("damaged");
    }

    void restoreRefusesWhatIsNotACompanyDatabase()
    {
        QFETCH(QByteArray, kind);
        const QString chosen = elsewhere.filePath(QStringLiteral("velmar7.db"));
        if (kind == "text") {
            writeFile(chosen, "Dear customer,\nthank you for your order.\n");
        } else if (kind == "empty") {
            writeFile(chosen, QByteArray());
        } else if (kind == "foreign") {
            sqlite3* handle = nullptr;
            sqlite3_open(QFile::encodeName(chosen).constData(), &handle);
            sqlite3_exec(handle, "CREATE TABLE notes(id INTEGER, text TEXT);", nullptr, nullptr, nullptr);
            sqlite3_close(handle);
        } else {
            QVERIFY(QFile::copy(DatabasePath(), chosen));
            Connection db = OpenDatabase(chosen);
            if (kind == "missing-table")
                db.exec(QStringLiteral("DROP TABLE tblSavedPrices;"));
            else if (kind == "renamed-column")
                db.exec(QStringLiteral("ALTER TABLE tblCustomers RENAME COLUMN strCustCity TO strTown;"));
            db.close();
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
        QCOMPARE(prompts->texts(QStringLiteral("message")),
                 QStringList{QStringLiteral("\"%1\" is not a Velmar Kessa company database.\n").arg(chosen)
                             + kCancelled});
        QCOMPARE(fileBytes(DatabasePath()), before);
        QCOMPARE(state.companySettings.CompanyData.CompName, QStringLiteral("Current"));
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
