#include "app/AppState.h"
#include "app/DispatchModes.h"
#include "app/gui/Dispatcher.h"
#include "app/gui/FirstShow.h"
#include "data/DatabaseError.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

// A window that records the mode values it was created under and closes itself as
// soon as its modal loop runs.
class ProbeWindow : public QDialog {
public:
    static inline int windowModeSeen = -1;
    static inline bool dataChangedSeen = true;
    static inline bool editorOpenSeen = false;
    static inline int alive = 0;
    static inline bool ranModal = false;

    ProbeWindow(AppState& state, QWidget* parent, bool failOnCreate = false) : QDialog(parent)
    {
        if (failOnCreate)
            throw DatabaseError(1, QStringLiteral("SQLite Error 1 - no such table: tblCustomers"));
        ++alive;
        windowModeSeen = state.windowMode;
        dataChangedSeen = state.dataChanged;
        editorOpenSeen = state.editorOpen;
        // A window that changed something tells its caller through DataChanged.
        state.dataChanged = true;
        QTimer::singleShot(0, this, [this] {
            ranModal = isModal() && isVisible();
            accept();
        });
    }
    ~ProbeWindow() override { --alive; }
};

// A window whose filling fails when it is first shown, as a list that cannot be read.
class FailingFillWindow : public QDialog {
public:
    static inline int alive = 0;
    FailingFillWindow(AppState&, QWidget* parent) : QDialog(parent) { ++alive; }
    ~FailingFillWindow() override { --alive; }

protected:
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        RunFirstShow(this, [] {
            throw DatabaseError(11, QStringLiteral("SQLite Error 11 - database disk image is malformed"));
        });
    }
};

// Notes how many failing windows still existed when each error box came up.
class WitnessPrompts : public ScriptedPrompts {
public:
    std::vector<int> windowsAtError;
    void showError(const QString& text) override
    {
        windowsAtError.push_back(FailingFillWindow::alive);
        ScriptedPrompts::showError(text);
    }
};

using ModeRule = void (*)(AppState&);
Q_DECLARE_METATYPE(ModeRule)

class TestDispatcher : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        ProbeWindow::windowModeSeen = -1;
        ProbeWindow::dataChangedSeen = true;
        ProbeWindow::ranModal = false;
    }

    void modesSetBeforeTheWindowIsCreated_data()
    {
        QTest::addColumn<ModeRule>("rule");
        QTest::addColumn<bool>("editorOpen");
        QTest::addColumn<int>("modeBefore");
        QTest::addColumn<int>("modeSeen");
        QTest::addColumn<bool>("dataChangedCleared");

        QTest::newRow("customer window from the main window") << ModeRule(SetCustomerWindowModes) << false << 7 << 3 << true;
        QTest::newRow("customer window from the editor") << ModeRule(SetCustomerWindowModes) << true << 1 << 1 << true;
        QTest::newRow("price sheet from the main window") << ModeRule(SetPriceSheetModes) << false << 1 << 2 << true;
        QTest::newRow("price sheet from the editor") << ModeRule(SetPriceSheetModes) << true << 1 << 1 << true;
        QTest::newRow("text editor and dialogs") << ModeRule(SetDialogModes) << false << 5 << 5 << true;
        QTest::newRow("sales and tax report") << ModeRule(SetReportModes) << false << 3 << 7 << true;
        QTest::newRow("sales and tax report while editing") << ModeRule(SetReportModes) << true << 1 << 7 << true;
        QTest::newRow("document maintenance") << ModeRule(SetMaintenanceModes) << false << 2 << 8 << false;
        QTest::newRow("window without mode changes") << ModeRule(nullptr) << false << 4 << 4 << false;
    }

    void modesSetBeforeTheWindowIsCreated()
    {
        QFETCH(ModeRule, rule);
        QFETCH(bool, editorOpen);
        QFETCH(int, modeBefore);
        QFETCH(int, modeSeen);
        QFETCH(bool, dataChangedCleared);

        AppState state;
        state.editorOpen = editorOpen;
        state.windowMode = modeBefore;
        state.dataChanged = true;
        ScopedPrompts prompts;

        QVERIFY(Dispatcher::OpenModal<ProbeWindow>(state, rule, nullptr));
        QCOMPARE(ProbeWindow::windowModeSeen, modeSeen);
        QCOMPARE(ProbeWindow::dataChangedSeen, !dataChangedCleared);
        QCOMPARE(ProbeWindow::editorOpenSeen, editorOpen);
        QVERIFY(ProbeWindow::ranModal);
        QCOMPARE(ProbeWindow::alive, 0);
        // Nothing resets the values when the window closes; what the window set stays.
        QCOMPARE(state.windowMode, modeSeen);
        QVERIFY(state.dataChanged);
        QVERIFY(prompts->shown.empty());
    }

    void errorWhileOpeningIsShownAndLeavesNoWindow()
    {
        AppState state;
        ScopedPrompts prompts;
        QVERIFY(!Dispatcher::OpenModal<ProbeWindow>(state, SetCustomerWindowModes, nullptr, true));
        QCOMPARE(prompts->texts(QStringLiteral("error")),
                 QStringList{QStringLiteral("SQLite Error 1 - no such table: tblCustomers.")});
        QCOMPARE(ProbeWindow::alive, 0);
        QVERIFY(!ProbeWindow::ranModal);
        // The mode values were set before the window was attempted.
        QCOMPARE(state.windowMode, 3);
    }

    void errorWhileFillingIsShownOnceTheWindowIsGone_data()
    {
        QTest::addColumn<bool>("dispatched");
        QTest::newRow("opened by the dispatcher") << true;
        // A window shown some other way still reports its error itself.
        QTest::newRow("shown directly") << false;
    }

    void errorWhileFillingIsShownOnceTheWindowIsGone()
    {
        QFETCH(bool, dispatched);
        AppState state;
        auto* witness = new WitnessPrompts;
        std::unique_ptr<PromptService> previous = InstallPromptService(std::unique_ptr<PromptService>(witness));
        const auto restore = qScopeGuard([&] { InstallPromptService(std::move(previous)); });
        if (dispatched) {
            QVERIFY(!Dispatcher::OpenModal<FailingFillWindow>(state, nullptr, nullptr));
            QCOMPARE(witness->windowsAtError, std::vector<int>{0});
        } else {
            FailingFillWindow window(state, nullptr);
            QCOMPARE(window.exec(), int(QDialog::Rejected));
            QCOMPARE(witness->windowsAtError, std::vector<int>{1});
        }
        QCOMPARE(witness->texts(QStringLiteral("error")),
                 QStringList{QStringLiteral("SQLite Error 11 - database disk image is malformed.")});
        QCOMPARE(FailingFillWindow::alive, 0);
    }
};

VELMAR_TEST_MAIN(TestDispatcher)
#include "tst_dispatcher.moc"
