#include "FakeOpener.h"
#include "app/AppPaths.h"
#include "app/ShellServices.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

// Help and web pages go to the desktop opener; its exit status decides whether the user
// hears that the page could not be opened.
class TestShellServices : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QFile::remove(HelpFilePath());
        QVERIFY(QFile::copy(QStringLiteral(VELMAR_TEST_DATA_DIR "/../resources/help/velmarhelp.html"),
                            HelpFilePath()));
    }
    void cleanupTestCase() { QFile::remove(HelpFilePath()); }

    void openerStatusDecides_data()
    {
        QTest::addColumn<bool>("help");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString helpFailure = QStringLiteral("Unable to open the Help files!");
        const QString webFailure = QStringLiteral("Unable to open the Web Browser!");
        QTest::newRow("help opened") << true << 0 << QString();
        QTest::newRow("help: opener fails") << true << 4 << helpFailure;
        QTest::newRow("help: no handler for the file") << true << 3 << helpFailure;
        QTest::newRow("help: no opener") << true << -1 << helpFailure;
        QTest::newRow("web opened") << false << 0 << QString();
        QTest::newRow("web: opener fails") << false << 4 << webFailure;
        QTest::newRow("web: no opener") << false << -1 << webFailure;
    }

    void openerStatusDecides()
    {
        QFETCH(bool, help);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        FakeOpener opener(exitCode);
        ScopedPrompts prompts;
        if (help)
            OpenHelpFile();
        else
            OpenWebSite();

        const QString target = help ? HelpFilePath() : QString::fromLatin1(kWebSiteAddress);
        if (exitCode >= 0)
            QTRY_COMPARE(opener.opened(), QStringList{target});
        if (message.isEmpty()) {
            // Give a late failure report the time to arrive before deciding there is none.
            QTest::qWait(200);
            QVERIFY(prompts->shown.empty());
        } else {
            QTRY_COMPARE(prompts->texts(QStringLiteral("message")), QStringList{message});
        }
    }

    void aMissingHelpFileNeverReachesTheOpener()
    {
        FakeOpener opener(0);
        QFile::rename(HelpFilePath(), HelpFilePath() + QStringLiteral(".away"));
        const auto putBack = qScopeGuard([] {
            QFile::rename(HelpFilePath() + QStringLiteral(".away"), HelpFilePath());
        });
        ScopedPrompts prompts;
        OpenHelpFile();
        QCOMPARE(prompts->texts(QStringLiteral("message")),
                 QStringList{QStringLiteral("Unable to open the Help files!")});
        QTest::qWait(100);
        QVERIFY(opener.opened().isEmpty());
    }
};

VELMAR_TEST_MAIN(TestShellServices)
#include "tst_shellservices.moc"
