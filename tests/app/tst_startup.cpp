#include "app/AppPaths.h"
#include "app/Startup.h"
#include "data/Database.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void namesAndPaths()
    {
        QCOMPARE(ProductName(), QStringLiteral("Velmar Kessa"));
        QCOMPARE(FullProductName(), QStringLiteral("Morvane Velmar Kessa"));
        QCOMPARE(ApplicationTitle(), QStringLiteral("Velmar Kessa"));
        QCOMPARE(VersionText(), QStringLiteral("7.0.0.0"));
        const QString base = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
        QCOMPARE(CompanyFolder(), base + QStringLiteral("/Morvane Software"));
        QCOMPARE(DataFolder(), base + QStringLiteral("/Morvane Software/velmar7"));
        QCOMPARE(DatabasePath(), base + QStringLiteral("/Morvane Software/velmar7/velmar7.db"));
        QCOMPARE(LogoPath(), base + QStringLiteral("/Morvane Software/velmar7/CmpLogo.jpg"));
        QVERIFY(HelpFilePath().endsWith(QStringLiteral("/velmarhelp.html")));
    }

    void applicationNameLeavesWindowCaptionsAlone()
    {
        const QString before = QCoreApplication::applicationName();
        const auto restore = qScopeGuard([&] { QCoreApplication::setApplicationName(before); });
        NameApplication();
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Velmar Kessa"));
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Morvane Software"));
        // A display name of its own would be appended to every other window's caption
        // ("Check For Updates — Velmar Kessa"); without one it follows the name.
        QCoreApplication::setApplicationName(QStringLiteral("probe"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
    }

    void firstStartOnACleanMachine()
    {
        TestEnvironment::removeAllData();
        QStringList progress;
        AppState state;
        state.editorOpen = true;
        state.dataChanged = true;
        const bool created = PrepareApplicationData(
            state, {[&](const QString& caption) { progress << caption; }, [&] { progress << QStringLiteral("hide"); }});
        QVERIFY(created);
        QVERIFY(QFileInfo(DataFolder()).isDir());
        QVERIFY(QFileInfo::exists(DatabasePath()));
        QCOMPARE(progress, QStringList({"Building DataBase...", "hide"}));
        QVERIFY(!state.editorOpen);
        QVERIFY(!state.dataChanged);
        QCOMPARE(state.companySettings.InvData.TaxNames[1], QStringLiteral("State Tax"));
        QVERIFY(state.preferences[PrefFrmMainMaximized]);
        QCOMPARE(QDir(DataFolder()).entryList(QDir::Files), QStringList({"velmar7.db"}));
    }

    void foldersPresentDatabaseMissing()
    {
        TestEnvironment::removeAllData();
        EnsureDataFolders();
        QFile marker(DataFolder() + QStringLiteral("/CmpLogo.jpg"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.write("logo");
        marker.close();
        AppState state;
        QVERIFY(PrepareApplicationData(state));
        QCOMPARE(fileBytes(marker.fileName()), QByteArray("logo"));
    }

    void secondStartKeepsTheData()
    {
        AppState first;
        TestEnvironment::freshDatabase(first);
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblCompanyInfo SET strCompName = ? WHERE intCompInfoID = 1;"),
                    {QStringLiteral("O'Brien \"Best\" Painting")});
        }
        int progressShown = 0;
        AppState second;
        QVERIFY(!PrepareApplicationData(second, {[&](const QString&) { ++progressShown; }, {}}));
        QCOMPARE(progressShown, 0);
        QCOMPARE(second.companySettings.CompanyData.CompName, QStringLiteral("O'Brien \"Best\" Painting"));
    }

    void aFileThatIsNotADatabaseIsReportedAndKept()
    {
        TestEnvironment::removeAllData();
        EnsureDataFolders();
        const QByteArray content("This is a letter, not a database.\n");
        QFile file(DatabasePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        AppState state;
        try {
            PrepareApplicationData(state);
            QFAIL("start-up must fail");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.text(), QStringLiteral("SQLite Error 26 - file is not a database"));
        }
        QCOMPARE(fileBytes(DatabasePath()), content);
    }

    void aDataFolderThatCannotBeMadeIsReported()
    {
        TestEnvironment::removeAllData();
        QDir().mkpath(CompanyFolder());
        QFile blocker(DataFolder());  // a file where the folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        AppState state;
        try {
            PrepareApplicationData(state);
            QFAIL("start-up must fail");
        } catch (const VelmarError& error) {
            QCOMPARE(error.text(), QStringLiteral("Cannot create folder %1").arg(DataFolder()));
        }
        QVERIFY(QFileInfo(DataFolder()).isFile());
    }
};

VELMAR_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
