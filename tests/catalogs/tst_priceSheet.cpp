#include "app/AppState.h"
#include "catalogs/AllowNumDecimalOnly.h"
#include "catalogs/PriceListModel.h"
#include "catalogs/PriceSheetStore.h"
#include "catalogs/gui/TfrmPriceVelmar.h"
#include "data/Database.h"
#include "printing/DataFeed.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "CatalogTestHelpers.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

// The price sheet in both modes, its key filter and the numbers it stores.
class TestPriceSheet : public QObject {
    Q_OBJECT

    AppState m_state;

    static void chooseRow(TfrmPriceVelmar& window, int row)
    {
        ClickListRow(child<QTreeView>(window, "lstPrice"), row);
    }
    static void retype(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    struct Stored {
        double labour;
        double material;
        QString labourType;
    };
    static Stored stored(const char* table, int item, int document = 0)
    {
        Connection db = OpenDatabase();
        const QString sql = document
            ? QStringLiteral("SELECT dbLbrPrc, dbMatPrc, typeof(dbLbrPrc) FROM tblSavedPrices "
                             "WHERE intPrcItemNumID = ? AND intPrcItemInvNum = ?;")
            : QStringLiteral("SELECT dbLbrPrc, dbMatPrc, typeof(dbLbrPrc) FROM %1 WHERE intPrcItemNumID = ?;")
                  .arg(QLatin1String(table));
        Statement& row = document ? db.exec(sql, {item, document}) : db.exec(sql, {item});
        return {row.columnReal(0), row.columnReal(1), row.columnText(2)};
    }
    // Document 600 with every saved price ten times the sheet's.
    static void saveDocumentPrices()
    {
        Connection db = OpenDatabase();
        for (int item = 1; item <= 27; ++item)
            db.exec(QStringLiteral("INSERT INTO tblSavedPrices(intPrcItemNumID,intPrcItemInvNum,dbLbrPrc,dbMatPrc) "
                                   "SELECT intPrcItemNumID, 600, dbLbrPrc * 10, dbMatPrc * 10 FROM tblPrices "
                                   "WHERE intPrcItemNumID = ?;"),
                    {item});
    }

private slots:
    void init()
    {
        m_state = AppState();
        TestEnvironment::freshDatabase(m_state);
    }

    void listShowsTwentyTwoItems()
    {
        TfrmPriceVelmar window(m_state);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmar Price Sheet"));
        const PriceListModel& model = *window.listModel();
        QCOMPARE(model.rowCount(), 22);
        QCOMPARE(model.cellText(0, PriceListModel::Description), QStringLiteral("Interior Painting - per SQFT"));
        QCOMPARE(model.cellText(21, PriceListModel::Description),
                 QStringLiteral("Exterior Paint Window Frame/Trim - each"));
        QCOMPARE(model.cellText(0, PriceListModel::LaborPrice), QStringLiteral("$0.21"));
        QCOMPARE(model.cellText(17, PriceListModel::MaterialPrice), QStringLiteral("$8.25"));
        QCOMPARE(model.cellText(0, PriceListModel::LabPrice), QStringLiteral("0.21"));
        QCOMPARE(model.cellText(16, PriceListModel::MatPrice), QStringLiteral("6.55"));
        QCOMPARE(model.cellText(21, PriceListModel::PriceItmID), QStringLiteral("22"));
        auto* list = child<QTreeView>(window, "lstPrice");
        for (int column : {PriceListModel::LabPrice, PriceListModel::MatPrice, PriceListModel::PriceItmID})
            QVERIFY(list->isColumnHidden(column));
        QVERIFY(list->columnWidth(PriceListModel::Description) >= 345);
        QVERIFY(!child(window, "txtLaborPrice")->isEnabled());
        QVERIFY(!action(window, "actSave")->isEnabled());
        QVERIFY(!action(window, "actCancel")->isEnabled());
        QCOMPARE(child(window, "txtMatPrice")->toolTip(), QStringLiteral("Enter a Material Price"));

        DataFeed* feed = m_state.listFeed;
        QVERIFY(feed);
        QCOMPARE(feed->rowCount(), 22);
        QCOMPARE(feed->value(21, QStringLiteral("rvstrDescription")),
                 QStringLiteral("Exterior Paint Window Frame/Trim - each"));
        QCOMPARE(feed->value(0, QStringLiteral("rvstrLabPrice")), QStringLiteral("$0.21"));
    }

    void commandsInTheirOrderWithTheirHints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::newRow("close") << "actClose" << "Close" << "Close";
        QTest::newRow("save") << "actSave" << "Save" << "Save current Price Item to your list";
        QTest::newRow("cancel") << "actCancel" << "Cancel" << "Cancel Edit of this price Item";
        QTest::newRow("preview") << "actPrintPreview" << "Print Preview" << "Print Preview current Price list";
        QTest::newRow("print") << "actPrint" << "Print" << "Print current Price list";
        QTest::newRow("help has no hint") << "actHelp" << "Help" << "";
    }

    void commandsInTheirOrderWithTheirHints()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        TfrmPriceVelmar window(m_state);
        window.show();
        auto* command = child<QAction>(window, name);
        QCOMPARE(command->text(), caption);
        QCOMPARE(command->statusTip(), hint);
        QCOMPARE(command->toolTip(), TipOf(command, hint.isEmpty() ? caption : hint));
        QCOMPARE(ToolBarCommands(window, QStringLiteral("ToolBarPrice")),
                 (QStringList{"actClose", "|", "actSave", "actCancel", "|", "actPrintPreview", "actPrint", "|",
                              "actHelp"}));
    }

    void fieldsCaptionsHintsAndLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("tabStop");
        QTest::newRow("list") << "lstPrice" << "" << "Select a Price Item to edit" << -1 << false;
        QTest::newRow("description") << "txtPriceItmDiscription" << "Price Item Description" << "Name of Price Item" << 45 << false;
        QTest::newRow("labour") << "txtLaborPrice" << "Labor Price" << "Enter a Labor Price" << 10 << true;
        QTest::newRow("material") << "txtMatPrice" << "Material Price" << "Enter a Material Price" << 10 << true;
    }

    void fieldsCaptionsHintsAndLimits()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(int, limit);
        QFETCH(bool, tabStop);
        TfrmPriceVelmar window(m_state);
        window.show();
        QWidget* field = child(window, name);
        if (!caption.isEmpty()) {
            // The edit area names its fields in a row of captions above them.
            QStringList captions;
            for (const QLabel* l : child(window, "gbxEditArea")->findChildren<QLabel*>())
                captions << l->text();
            QVERIFY2(captions.contains(caption), qPrintable(captions.join(QLatin1Char('|'))));
        }
        COMPARE_HINT(field, hint);
        QCOMPARE(bool(field->focusPolicy() & Qt::TabFocus), tabStop);
        if (limit >= 0)
            QCOMPARE(qobject_cast<QLineEdit*>(field)->maxLength(), limit);
        QVERIFY(!child(window, "lblPriceItmID")->isVisible());
    }

    void keyFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("digits and one point") << "12.50" << "12.50";
        QTest::newRow("second point ignored") << "1.2.3" << "1.23";
        QTest::newRow("letters ignored") << "a1b2" << "12";
        QTest::newRow("signs ignored") << "-5+" << "5";
        QTest::newRow("blanks ignored") << " 7 " << "7";
        QTest::newRow("comma is not the separator here") << "3,5" << "35";
        QTest::newRow("separator alone") << "." << ".";
    }

    void keyFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        TfrmPriceVelmar window(m_state);
        window.show();
        chooseRow(window, 0);
        auto* labour = child<QLineEdit>(window, "txtLaborPrice");
        retype(labour, typed);
        QCOMPARE(labour->text(), kept);
        QTest::keyClick(labour, Qt::Key_Backspace);
        QCOMPARE(labour->text(), kept.chopped(1));
    }

    void keyFilterFollowsTheSeparator_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << "" << QChar('.') << true;
        QTest::newRow("point") << "0.25" << QChar('.') << true;
        QTest::newRow("comma locale") << "0,25" << QChar(',') << true;
        QTest::newRow("point in comma locale") << "0.25" << QChar(',') << false;
        QTest::newRow("two separators") << "1,2,5" << QChar(',') << false;
        QTest::newRow("minus") << "-1" << QChar('.') << false;
        QTest::newRow("exponent") << "1e5" << QChar('.') << false;
        QTest::newRow("arabic digit") << QString::fromUtf8("\u0661") << QChar('.') << false;
    }

    void keyFilterFollowsTheSeparator()
    {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QFETCH(bool, accepted);
        QCOMPARE(AllowNumDecimalOnly::accepts(text, separator), accepted);
    }

    void choosingARowAndTheChangeRule()
    {
        TfrmPriceVelmar window(m_state);
        window.show();
        chooseRow(window, 2);
        QCOMPARE(child<QLineEdit>(window, "txtPriceItmDiscription")->text(),
                 QStringLiteral("Interior Trim Painting - per LNFT"));
        QCOMPARE(child<QLineEdit>(window, "txtLaborPrice")->text(), QStringLiteral("0.95"));
        QCOMPARE(child<QLineEdit>(window, "txtMatPrice")->text(), QStringLiteral("0.24"));
        QCOMPARE(child<QLabel>(window, "lblPriceItmID")->text(), QStringLiteral("3"));
        QVERIFY(!child<QLabel>(window, "lblPriceItmID")->isVisible());
        QVERIFY(!child(window, "lstPrice")->isEnabled());
        QVERIFY(!action(window, "actSave")->isEnabled());
        QVERIFY(action(window, "actCancel")->isEnabled());
        QVERIFY(child<QLineEdit>(window, "txtPriceItmDiscription")->isReadOnly());

        auto* material = child<QLineEdit>(window, "txtMatPrice");
        QTest::keyClicks(material, QStringLiteral("5"));
        QVERIFY(action(window, "actSave")->isEnabled());
        material->clear();
        QVERIFY(!action(window, "actSave")->isEnabled());
    }

    void focusFollowsTheEdit()
    {
        ScopedPrompts prompts;
        TfrmPriceVelmar window(m_state);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        chooseRow(window, 3);
        QCOMPARE(QApplication::focusWidget(), child(window, "txtLaborPrice"));
        action(window, "actCancel")->trigger();
        QCOMPARE(QApplication::focusWidget(), child(window, "lstPrice"));
    }

    void aTypedPriceIsStoredAsANumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("edited");
        QTest::newRow("whole number") << "5" << 5.0 << "$5.00" << "5.0";
        QTest::newRow("decimals") << "12.375" << 12.375 << "$12.38" << "12.375";
        QTest::newRow("trailing point") << "7." << 7.0 << "$7.00" << "7.0";
        QTest::newRow("point alone") << "." << 0.0 << "$0.00" << "0.0";
    }

    void aTypedPriceIsStoredAsANumber()
    {
        QFETCH(QString, typed);
        QFETCH(double, number);
        QFETCH(QString, shown);
        QFETCH(QString, edited);
        ScopedPrompts prompts;
        TfrmPriceVelmar window(m_state);
        window.show();
        chooseRow(window, 0);
        retype(child<QLineEdit>(window, "txtLaborPrice"), typed);
        action(window, "actSave")->trigger();

        const Stored price = stored("tblPrices", 1);
        QCOMPARE(price.labour, number);
        QCOMPARE(price.labourType, QStringLiteral("real"));
        QCOMPARE(price.material, 0.09);
        QCOMPARE(window.listModel()->cellText(0, PriceListModel::LaborPrice), shown);
        QCOMPARE(window.listModel()->cellText(0, PriceListModel::LabPrice), edited);
        QVERIFY(child(window, "lstPrice")->isEnabled());
        QVERIFY(!child(window, "txtLaborPrice")->isEnabled());
        QCOMPARE(child<QLineEdit>(window, "txtLaborPrice")->text(), QString());
        QVERIFY(!m_state.dataChanged);
        QVERIFY(prompts->shown.empty());
    }

    void aStoredPriceSurvivesEverySave_data()
    {
        QTest::addColumn<double>("price");
        QTest::addColumn<QString>("field");
        // The database's own text of 1e-05 is "1.0e-05", which the key filter read as 1.005.
        QTest::newRow("1e-05") << 1e-05 << "0.00001";
        QTest::newRow("1.5e-07") << 1.5e-07 << "0.00000015";
        QTest::newRow("one tenth") << 0.1 << "0.1";
        QTest::newRow("whole") << 5.0 << "5";
        QTest::newRow("large") << 1234567.5 << "1234567.5";
    }

    void aStoredPriceSurvivesEverySave()
    {
        QFETCH(double, price);
        QFETCH(QString, field);
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblPrices SET dbLbrPrc = ? WHERE intPrcItemNumID = 1;"), {price});
        }
        ScopedPrompts prompts;
        TfrmPriceVelmar window(m_state);
        window.show();
        for (int save = 0; save < 3; ++save) {
            chooseRow(window, 0);
            QCOMPARE(child<QLineEdit>(window, "txtLaborPrice")->text(), field);
            // Only the material is changed; the labour goes back as it came.
            retype(child<QLineEdit>(window, "txtMatPrice"), QString::number(save + 1));
            action(window, "actSave")->trigger();
            QCOMPARE(stored("tblPrices", 1).labour, price);
            QCOMPARE(stored("tblPrices", 1).material, double(save + 1));
        }
        QVERIFY(prompts->shown.empty());
    }

    void priceTextToNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("no digits") << "." << 0.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("plain") << "22.0" << 22.0;
    }

    void priceTextToNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(PriceFromText(text), number);
    }

    void commaLocaleStoresAPointNumber()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const double parsed = PriceFromText(QStringLiteral("12,5"));
        const QString edited = PriceEditText(0.21);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(parsed, 12.5);
        QCOMPARE(edited, QStringLiteral("0,21"));
    }

    void cancelWithUnsavedChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("staysEditing");
        QTest::addColumn<double>("storedLabour");
        QTest::newRow("Cancel keeps editing") << int(PromptAnswer::Cancel) << true << 0.22;
        QTest::newRow("No drops the change") << int(PromptAnswer::No) << false << 0.22;
        QTest::newRow("Yes saves") << int(PromptAnswer::Yes) << false << 0.229;
    }

    void cancelWithUnsavedChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, staysEditing);
        QFETCH(double, storedLabour);
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer(answer));
        TfrmPriceVelmar window(m_state);
        window.show();
        chooseRow(window, 1);
        auto* labour = child<QLineEdit>(window, "txtLaborPrice");
        QTest::keyClicks(labour, QStringLiteral("9"));
        action(window, "actCancel")->trigger();
        QCOMPARE(prompts->texts("yesnocancel"), QStringList{"Save changes to this Price Item?"});
        QCOMPARE(!child(window, "lstPrice")->isEnabled(), staysEditing);
        QCOMPARE(labour->text(), staysEditing ? QStringLiteral("0.229") : QString());
        QCOMPARE(stored("tblPrices", 2).labour, storedLabour);
    }

    void closingWithUnsavedChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<double>("storedMaterial");
        QTest::newRow("Cancel keeps the window") << int(PromptAnswer::Cancel) << false << 0.09;
        QTest::newRow("No closes") << int(PromptAnswer::No) << true << 0.09;
        QTest::newRow("Yes saves and closes") << int(PromptAnswer::Yes) << true << 1.0;
    }

    void closingWithUnsavedChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(double, storedMaterial);
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer(answer));
        TfrmPriceVelmar window(m_state);
        window.show();
        chooseRow(window, 0);
        retype(child<QLineEdit>(window, "txtMatPrice"), QStringLiteral("1"));
        action(window, "actClose")->trigger();
        QCOMPARE(prompts->texts("yesnocancel"), QStringList{"Save changes to this Price Item?"});
        QCOMPARE(window.isVisible(), !closes);
        QCOMPARE(stored("tblPrices", 1).material, storedMaterial);
    }

    void documentModeEditsTheFrozenPrices()
    {
        saveDocumentPrices();
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblPrices SET strPrcItemName = ? WHERE intPrcItemNumID = 2;"),
                    {QStringLiteral("Outside walls")});
        }
        m_state.editorOpen = true;
        m_state.windowMode = 1;
        m_state.currentDocument.Header.InvNumber = 600;
        ScopedPrompts prompts;
        TfrmPriceVelmar window(m_state);
        window.show();
        QVERIFY(window.isDocumentMode());
        const PriceListModel& model = *window.listModel();
        QCOMPARE(model.rowCount(), 22);
        QCOMPARE(model.cellText(1, PriceListModel::Description), QStringLiteral("Outside walls"));
        QCOMPARE(model.cellText(1, PriceListModel::LaborPrice), QStringLiteral("$2.20"));
        QCOMPARE(model.cellText(16, PriceListModel::LabPrice), QStringLiteral("283.5"));
        QVERIFY(!action(window, "actPrint")->isEnabled());
        QVERIFY(!action(window, "actPrintPreview")->isEnabled());

        chooseRow(window, 0);
        QCOMPARE(child<QLineEdit>(window, "txtLaborPrice")->text(), QStringLiteral("2.1"));
        retype(child<QLineEdit>(window, "txtLaborPrice"), QStringLiteral("3"));
        action(window, "actSave")->trigger();
        QVERIFY(m_state.dataChanged);
        QCOMPARE(m_state.windowMode, 1);
        QCOMPARE(stored("tblSavedPrices", 1, 600).labour, 3.0);
        QCOMPARE(stored("tblPrices", 1).labour, 0.21);
        QCOMPARE(model.cellText(0, PriceListModel::LaborPrice), QStringLiteral("$3.00"));
        QVERIFY(!action(window, "actPrint")->isEnabled());
    }

    void aListThatCannotBeReadEndsTheWindow()
    {
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("DROP TABLE tblPrices;"));
        }
        ScopedPrompts prompts;
        TfrmPriceVelmar window(m_state);
        window.show();
        QCOMPARE(prompts->texts("error"), QStringList{"SQLite Error 1 - no such table: tblPrices."});
        QTRY_VERIFY(!window.isVisible());
    }

    void globalModeLeavesSavedDocumentsAlone()
    {
        saveDocumentPrices();
        ScopedPrompts prompts;
        TfrmPriceVelmar window(m_state);
        window.show();
        chooseRow(window, 0);
        retype(child<QLineEdit>(window, "txtLaborPrice"), QStringLiteral("0.5"));
        action(window, "actSave")->trigger();
        QCOMPARE(stored("tblPrices", 1).labour, 0.5);
        QCOMPARE(stored("tblSavedPrices", 1, 600).labour, 2.1);
        QVERIFY(!m_state.dataChanged);
    }
};

VELMAR_TEST_MAIN(TestPriceSheet)
#include "tst_priceSheet.moc"
