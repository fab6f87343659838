#include "app/AppState.h"
#include "app/gui/TfrmMain.h"
#include "catalogs/gui/TfrmCompanyInfo.h"
#include "catalogs/gui/TfrmCustomer.h"
#include "catalogs/gui/TfrmPriceVelmar.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QTimer>

// The main window's catalog commands open their windows through the dispatcher with
// the mode values the print service and the windows rely on.
class TestCatalogDispatch : public QObject {
    Q_OBJECT

    AppState m_state;

    struct Seen {
        QString window;
        int windowMode = -1;
        bool dataChanged = true;
        bool picker = false;
        bool documentMode = false;
    };

    // Triggers a main-window command and records the modal window it opens, then closes it.
    Seen open(TfrmMain& main, const char* command)
    {
        Seen seen;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            seen.window = modal->objectName();
            seen.windowMode = m_state.windowMode;
            seen.dataChanged = m_state.dataChanged;
            if (auto* customers = qobject_cast<TfrmCustomer*>(modal))
                seen.picker = customers->isPicker();
            if (auto* prices = qobject_cast<TfrmPriceVelmar*>(modal))
                seen.documentMode = prices->isDocumentMode();
            modal->close();
        });
        main.findChild<QAction*>(QString::fromLatin1(command))->trigger();
        return seen;
    }

private slots:
    void init()
    {
        m_state = AppState();
        TestEnvironment::freshDatabase(m_state);
    }

    void commandsOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("windowMode");
        QTest::newRow("customers") << "actCustomerMaintenance" << "frmCustomer" << 3;
        QTest::newRow("price sheet") << "actPriceSheet" << "frmPriceVelmar" << 2;
        QTest::newRow("company") << "actCompanyMaintenance" << "frmCompanyInfo" << 7;
    }

    void commandsOpenTheirWindows()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QFETCH(int, windowMode);
        ScopedPrompts prompts;
        TfrmMain main(m_state);
        main.show();
        m_state.windowMode = 7;
        m_state.dataChanged = true;
        const Seen seen = open(main, command.toLatin1().constData());
        QCOMPARE(seen.window, window);
        QCOMPARE(seen.windowMode, windowMode);
        QVERIFY(!seen.picker);
        QVERIFY(!seen.documentMode);
        QVERIFY(!m_state.listFeed);
        QVERIFY(prompts->shown.empty());
    }

    void anOpenEditorKeepsItsWindowMode()
    {
        ScopedPrompts prompts;
        TfrmMain main(m_state);
        main.show();
        m_state.editorOpen = true;
        m_state.windowMode = 1;
        m_state.dataChanged = true;
        Seen seen = open(main, "actCustomerMaintenance");
        QCOMPARE(seen.windowMode, 1);
        QVERIFY(!seen.dataChanged);
        QVERIFY(seen.picker);
        m_state.dataChanged = true;
        seen = open(main, "actPriceSheet");
        QCOMPARE(seen.windowMode, 1);
        QVERIFY(!seen.dataChanged);
        QVERIFY(seen.documentMode);

        // Once the editor has closed the next command sets its own mode again.
        m_state.editorOpen = false;
        QCOMPARE(open(main, "actPriceSheet").windowMode, 2);
    }
};

VELMAR_TEST_MAIN(TestCatalogDispatch)
#include "tst_catalogDispatch.moc"
