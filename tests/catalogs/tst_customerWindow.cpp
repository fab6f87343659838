#include "app/AppState.h"
#include "catalogs/CustomerListModel.h"
#include "catalogs/CustomerStore.h"
#include "catalogs/gui/TfrmCustomer.h"
#include "printing/DataFeed.h"
#include "data/Database.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "CatalogTestHelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTreeView>

// The customer window as the user drives it.
class TestCustomerWindow : public QObject {
    Q_OBJECT

    AppState m_state;

    static QStringList listedNames(TfrmCustomer& window)
    {
        QStringList names;
        for (int row = 0; row < window.listModel()->rowCount(); ++row)
            names << window.listModel()->cellText(row, CustomerListModel::CustomerName);
        return names;
    }
    static void clickCustomer(TfrmCustomer& window, const QString& fullName)
    {
        const QStringList names = listedNames(window);
        const int row = int(names.indexOf(fullName));
        QVERIFY2(row >= 0, qPrintable(fullName));
        ClickListRow(child<QTreeView>(window, "lstvCustomers"), row, 1);
    }
    static bool onEditPage(TfrmCustomer& window)
    {
        return child<QStackedWidget>(window, "pgctrlCustomer")->currentWidget()->objectName()
               == QLatin1String("tbsheetEditArea");
    }
    static int customerCount()
    {
        Connection db = OpenDatabase();
        return int(db.exec(QStringLiteral("SELECT COUNT(*) FROM tblCustomers;")).columnInt(0));
    }

private slots:
    void init()
    {
        m_state = AppState();
        TestEnvironment::freshDatabase(m_state);
    }

    void opensOnTheFullList()
    {
        TfrmCustomer window(m_state);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Customer Maintenance"));
        QCOMPARE(listedNames(window), (QStringList{"Joe Blow", "John Doe", "Jane Doe"}));
        QVERIFY(!onEditPage(window));
        QCOMPARE(child<QGroupBox>(window, "gbxCustomer")->title(), QStringLiteral("Customer Information Work Area"));
        QVERIFY(action(window, "actNewCustomer")->isEnabled());
        QVERIFY(!action(window, "actSave")->isEnabled());
        QVERIFY(!action(window, "actCancel")->isEnabled());
        QVERIFY(!action(window, "actDelete")->isEnabled());
        QVERIFY(!child<QLineEdit>(window, "txtCustSearch")->isEnabled());
        QVERIFY(child<QTreeView>(window, "lstvCustomers")->isColumnHidden(CustomerListModel::CustId));
        auto* searchType = child<QComboBox>(window, "cmboCustSearch");
        QStringList searchTypes;
        for (int i = 0; i < searchType->count(); ++i)
            searchTypes << searchType->itemText(i);
        QCOMPARE(searchTypes, (QStringList{"All Customers", "Company Name", "Last Name", "First Name", "Phone Number",
                                           "City", "State", "Zip Code", "Customer ID Number", "Tax Exempt"}));
        QVERIFY(!searchType->isEditable());
        QCOMPARE(searchType->maxVisibleItems(), 14);
        QVERIFY(child<QComboBox>(window, "cmbPaymentTerms")->isEditable());
        QCOMPARE(child<QComboBox>(window, "cmbPaymentTerms")->count(), 4);
        QCOMPARE(child<QComboBox>(window, "cmbPaymentTerms")->currentText(), QString());
        QCOMPARE(child(window, "txtCustId")->toolTip(), QStringLiteral("Computer generated number – Cannot be changed"));
        QCOMPARE(child(window, "cmbPaymentTerms")->statusTip(), QStringLiteral("Select oe Enter Payment Terms for this Customer"));
        QCOMPARE(child<QLineEdit>(window, "txtCustCmpnyName")->maxLength(), 35);
        QCOMPARE(child<QLineEdit>(window, "txtCustZipCode")->maxLength(), 16);
        QCOMPARE(child<QLineEdit>(window, "txtCustSearch")->maxLength(), 30);
        QCOMPARE(m_state.listFeed->rowCount(), 3);
    }

    void commandsInTheirOrderWithTheirHints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::newRow("close") << "actClose" << "Close" << "Close";
        QTest::newRow("new") << "actNewCustomer" << "New Customer" << "Add a new Customer";
        QTest::newRow("save") << "actSave" << "Save" << "Save changes to current Customer";
        QTest::newRow("cancel") << "actCancel" << "Cancel" << "Cancel and return to main Customer list";
        QTest::newRow("delete") << "actDelete" << "Delete" << "Delete current Customer";
        QTest::newRow("preview") << "actPrintPreview" << "Print Preview" << "Print Preview customer list";
        QTest::newRow("print") << "actPrint" << "Print" << "Print customer list";
        QTest::newRow("help") << "actHelp" << "Help" << "Open Help";
    }

    void commandsInTheirOrderWithTheirHints()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        TfrmCustomer window(m_state);
        window.show();
        auto* command = child<QAction>(window, name);
        QCOMPARE(command->text(), caption);
        COMPARE_HINT(command, hint);
        QCOMPARE(ToolBarCommands(window, QStringLiteral("ToolBarCustomer")),
                 (QStringList{"actClose", "|", "actNewCustomer", "|", "actSave", "actCancel", "actDelete", "|",
                              "actPrintPreview", "actPrint", "|", "actHelp"}));
    }

    void fieldsCaptionsHintsAndLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<int>("limit");
        const QString phoneName = QStringLiteral("Enter Customer Extra Phone Name");
        const QString phone = QStringLiteral("Enter Customer Extra Phone Number");
        QTest::newRow("search type") << "cmboCustSearch" << "Search By: " << "Search Customer list by" << -1;
        QTest::newRow("search text") << "txtCustSearch" << "Search For: " << "Enter Customer information to search by" << 30;
        QTest::newRow("list") << "lstvCustomers" << "" << "Select Customer to edit" << -1;
        QTest::newRow("id") << "txtCustId" << "Customer Id Number"
                            << QString::fromUtf8("Computer generated number \u2013 Cannot be changed") << -1;
        QTest::newRow("company") << "txtCustCmpnyName" << "Company Name" << "Enter Customers Company Name" << 35;
        QTest::newRow("first") << "txtCustFrstName" << "First Name" << "Enter Customer First Name" << 20;
        QTest::newRow("last") << "txtCustLstName" << "Last Name" << "Enter Customer Last Name" << 20;
        QTest::newRow("address") << "txtCustAddress" << "Address" << "Enter Customer Address" << 40;
        QTest::newRow("city") << "txtCustCity" << "City" << "Enter Customer City" << 25;
        QTest::newRow("state") << "txtCustState" << "State" << "Enter Customer State" << 25;
        QTest::newRow("zip") << "txtCustZipCode" << "Zip Code" << "Enter Customer Zip Code" << 16;
        QTest::newRow("main phone") << "txtCustMainPhone" << "Main Phone Number" << "Enter Customer Main Phone Number" << 25;
        QTest::newRow("phone 1 name") << "txtCustExtraPhone1Name" << "Name" << phoneName << 12;
        QTest::newRow("phone 1") << "txtCustExtraPhone1" << "Extra Phone Number 1" << phone << 25;
        QTest::newRow("phone 2 name") << "txtCustExtraPhone2Name" << "Name" << phoneName << 12;
        QTest::newRow("phone 2") << "txtCustExtraPhone2" << "Extra Phone Number 2" << phone << 25;
        QTest::newRow("tax number") << "txtCustTaxExemptNumber" << "Tax Exempt Number" << "Enter Customer Tax Exempt Number" << 20;
        QTest::newRow("tax exempt") << "ckbxTaxExempt" << "Tax Exempt" << "Check if Customer is Tax Exempt" << -1;
        QTest::newRow("terms") << "cmbPaymentTerms" << "Payment Terms" << "Select oe Enter Payment Terms for this Customer" << 25;
        QTest::newRow("discount") << "SpinEditCustDiscount" << "Customer Discount" << "Enter Customer Discount Percent" << -1;
        QTest::newRow("notes") << "txtCustNotes" << "Notes" << "Enter Notes about this Customer" << 250;
    }

    void fieldsCaptionsHintsAndLimits()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(int, limit);
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        action(window, "actNewCustomer")->trigger();
        QWidget* field = child(window, name);
        if (auto* box = qobject_cast<QCheckBox*>(field))
            QCOMPARE(box->text(), caption);
        else
            QCOMPARE(LabelOf(window, field), caption);
        COMPARE_HINT(field, hint);
        if (limit < 0)
            return;
        QLineEdit* edit = qobject_cast<QLineEdit*>(field);
        if (auto* combo = qobject_cast<QComboBox*>(field))
            edit = combo->lineEdit();
        if (edit) {
            QCOMPARE(edit->maxLength(), limit);
            return;
        }
        auto* memo = qobject_cast<QPlainTextEdit*>(field);
        QVERIFY(memo);
        memo->setFocus();
        QTest::keyClicks(memo, QString(limit + 1, QLatin1Char('x')));
        QCOMPARE(memo->toPlainText().size(), limit);
    }

    void editPageTabOrder()
    {
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        action(window, "actNewCustomer")->trigger();
        const QStringList expected{
            "txtCustCmpnyName", "txtCustFrstName", "txtCustLstName", "txtCustAddress", "txtCustCity",
            "txtCustState", "txtCustZipCode", "txtCustMainPhone", "txtCustExtraPhone1Name",
            "txtCustExtraPhone1", "txtCustExtraPhone2Name", "txtCustExtraPhone2", "txtCustTaxExemptNumber",
            "ckbxTaxExempt", "cmbPaymentTerms", "SpinEditCustDiscount", "txtCustNotes"};
        QStringList order;
        QWidget* start = child(window, "txtCustCmpnyName");
        QWidget* w = start;
        do {
            if (expected.contains(w->objectName()) && !order.contains(w->objectName())
                && (w->focusPolicy() & Qt::TabFocus))
                order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != start);
        QCOMPARE(order, expected);

        // Tab reads the page as it stands: each field is right of the one before on the
        // same line, or below it; the one step up is from the bottom of the left column
        // to the top of the right one.
        int stepsUp = 0;
        for (int i = 1; i < order.size(); ++i) {
            const QRect before = child(window, order[i - 1])->geometry().translated(
                child(window, order[i - 1])->parentWidget()->mapTo(&window, QPoint()));
            const QRect after = child(window, order[i])->geometry().translated(
                child(window, order[i])->parentWidget()->mapTo(&window, QPoint()));
            const bool sameLine = qAbs(before.center().y() - after.center().y()) < before.height() / 2;
            if (sameLine)
                QVERIFY2(after.left() > before.right(), qPrintable(order[i]));
            else if (after.top() < before.top())
                ++stepsUp;
        }
        QCOMPARE(stepsUp, 1);

        auto* id = child<QLineEdit>(window, "txtCustId");
        QVERIFY(id->isReadOnly());
        QVERIFY(!(id->focusPolicy() & Qt::TabFocus));
        QCOMPARE(id->palette().color(QPalette::Base), id->palette().color(QPalette::ToolTipBase));
    }

    void searchRunsOnEveryKeystroke()
    {
        TfrmCustomer window(m_state);
        window.show();
        auto* type = child<QComboBox>(window, "cmboCustSearch");
        auto* text = child<QLineEdit>(window, "txtCustSearch");
        type->setCurrentIndex(int(CustomerSearch::LastName));
        QVERIFY(text->isEnabled());
        QTest::keyClicks(text, QStringLiteral("d"));
        QCOMPARE(listedNames(window), (QStringList{"John Doe", "Jane Doe"}));
        QTest::keyClicks(text, QStringLiteral("X"));
        QCOMPARE(listedNames(window), QStringList{});
        QTest::keyClick(text, Qt::Key_Backspace);
        QCOMPARE(listedNames(window).size(), 2);

        // A new type starts with an empty search text.
        type->setCurrentIndex(int(CustomerSearch::FirstName));
        QCOMPARE(text->text(), QString());
        QCOMPARE(listedNames(window).size(), 3);
    }

    void focusFollowsTheCommand()
    {
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* type = child<QComboBox>(window, "cmboCustSearch");
        type->setCurrentIndex(int(CustomerSearch::City));
        QCOMPARE(QApplication::focusWidget(), child(window, "txtCustSearch"));
        type->setCurrentIndex(int(CustomerSearch::TaxExempt));
        QCOMPARE(QApplication::focusWidget(), child(window, "lstvCustomers"));
        type->setCurrentIndex(int(CustomerSearch::AllCustomers));
        action(window, "actNewCustomer")->trigger();
        QCOMPARE(QApplication::focusWidget(), child(window, "txtCustCmpnyName"));
        action(window, "actCancel")->trigger();
        clickCustomer(window, QStringLiteral("John Doe"));
        QCOMPARE(QApplication::focusWidget(), child(window, "txtCustCmpnyName"));
    }

    void taxExemptListsFlaggedCustomersOnly()
    {
        TfrmCustomer window(m_state);
        window.show();
        auto* text = child<QLineEdit>(window, "txtCustSearch");
        child<QComboBox>(window, "cmboCustSearch")->setCurrentIndex(int(CustomerSearch::LastName));
        QTest::keyClicks(text, QStringLiteral("b"));
        child<QComboBox>(window, "cmboCustSearch")->setCurrentIndex(int(CustomerSearch::TaxExempt));
        QCOMPARE(listedNames(window), QStringList{"Jane Doe"});
        QCOMPARE(text->text(), QString());
        QVERIFY(!text->isEnabled());
    }

    void saveRule_data()
    {
        QTest::addColumn<QString>("company");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("saveable");
        QTest::newRow("company only") << "Acme" << "" << "" << true;
        QTest::newRow("first name only") << "" << "Ann" << "" << true;
        QTest::newRow("last name only") << "" << "" << "Lee" << true;
        QTest::newRow("no names") << "" << "" << "" << false;
    }

    void saveRule()
    {
        QFETCH(QString, company);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(bool, saveable);
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        action(window, "actNewCustomer")->trigger();
        QVERIFY(onEditPage(window));
        QCOMPARE(child<QGroupBox>(window, "gbxCustomer")->title(), QStringLiteral("New Customer Information"));
        QVERIFY(!action(window, "actSave")->isEnabled());
        QVERIFY(!action(window, "actNewCustomer")->isEnabled());
        QVERIFY(!action(window, "actDelete")->isEnabled());
        QVERIFY(action(window, "actCancel")->isEnabled());
        QVERIFY(!child(window, "cmboCustSearch")->isEnabled());

        QTest::keyClicks(child(window, "txtCustAddress"), QStringLiteral("1 Main St"));
        QTest::keyClicks(child(window, "txtCustCmpnyName"), company);
        QTest::keyClicks(child(window, "txtCustFrstName"), first);
        QTest::keyClicks(child(window, "txtCustLstName"), last);
        QCOMPARE(action(window, "actSave")->isEnabled(), saveable);

        action(window, "actSave")->trigger();
        QCOMPARE(customerCount(), saveable ? 4 : 3);
        QCOMPARE(onEditPage(window), !saveable);
        if (saveable) {
            QCOMPARE(listedNames(window).size(), 4);
            const auto added = LoadCustomer(4);
            QCOMPARE(added->Company, company);
            QCOMPARE(added->Address, QStringLiteral("1 Main St"));
            QVERIFY(!added->TaxExempt);
        }
        QCOMPARE(prompts->shown.size(), std::size_t(0));
    }

    void editingAnExistingCustomer()
    {
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        clickCustomer(window, QStringLiteral("Jane Doe"));
        QVERIFY(onEditPage(window));
        QCOMPARE(child<QGroupBox>(window, "gbxCustomer")->title(), QStringLiteral("Edit Customer Information"));
        QCOMPARE(child<QLineEdit>(window, "txtCustId")->text(), QStringLiteral("3"));
        QCOMPARE(child<QLineEdit>(window, "txtCustExtraPhone1Name")->text(), QStringLiteral("2nd Line"));
        QVERIFY(child<QCheckBox>(window, "ckbxTaxExempt")->isChecked());
        QCOMPARE(child<QComboBox>(window, "cmbPaymentTerms")->currentText(), QStringLiteral("Due by the 15th"));
        QCOMPARE(child<QSpinBox>(window, "SpinEditCustDiscount")->value(), 5);
        QCOMPARE(child<QPlainTextEdit>(window, "txtCustNotes")->toPlainText(), QStringLiteral("Fast Pay"));
        QVERIFY(!action(window, "actSave")->isEnabled());
        QVERIFY(action(window, "actDelete")->isEnabled());
        QVERIFY(!action(window, "actPrint")->isEnabled());
        QVERIFY(!action(window, "actPrintPreview")->isEnabled());

        // The discount moves by its arrows only.
        auto* discount = child<QSpinBox>(window, "SpinEditCustDiscount");
        discount->setFocus();
        QTest::keyClicks(discount, QStringLiteral("9"));
        QCOMPARE(discount->value(), 5);
        QTest::keyClick(discount, Qt::Key_Up);
        QCOMPARE(discount->value(), 6);
        QVERIFY(action(window, "actSave")->isEnabled());
        child<QCheckBox>(window, "ckbxTaxExempt")->click();
        action(window, "actSave")->trigger();

        const auto saved = LoadCustomer(3);
        QCOMPARE(saved->Discount, 6);
        QVERIFY(!saved->TaxExempt);
        QCOMPARE(saved->ExtraPhone1, QStringLiteral("220-444-9875"));
        QCOMPARE(customerCount(), 3);
        QVERIFY(!onEditPage(window));
        QCOMPARE(child<QComboBox>(window, "cmboCustSearch")->currentIndex(), 0);
    }

    void cancelAsksAboutUnsavedChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("staysEditing");
        QTest::addColumn<QString>("storedCity");
        QTest::newRow("Cancel stays") << int(PromptAnswer::Cancel) << true << "Jane City";
        QTest::newRow("No drops") << int(PromptAnswer::No) << false << "Jane City";
        QTest::newRow("Yes saves") << int(PromptAnswer::Yes) << false << "Jane CityX";
    }

    void cancelAsksAboutUnsavedChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, staysEditing);
        QFETCH(QString, storedCity);
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer(answer));
        TfrmCustomer window(m_state);
        window.show();
        clickCustomer(window, QStringLiteral("Jane Doe"));
        QTest::keyClicks(child(window, "txtCustCity"), QStringLiteral("X"));
        action(window, "actCancel")->trigger();
        QCOMPARE(prompts->texts("yesnocancel"), QStringList{"Save changes to this customer?"});
        QCOMPARE(onEditPage(window), staysEditing);
        if (staysEditing)
            QCOMPARE(child<QLineEdit>(window, "txtCustCity")->text(), QStringLiteral("Jane CityX"));
        QCOMPARE(LoadCustomer(3)->City, storedCity);
    }

    void notesHoldTheirLimitButAStoredTextIsShownWhole()
    {
        {
            TrecCustomer c = *LoadCustomer(2);
            c.Notes = QString(300, QLatin1Char('n'));
            SaveCustomer(c);
        }
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        clickCustomer(window, QStringLiteral("John Doe"));
        auto* notes = child<QPlainTextEdit>(window, "txtCustNotes");
        QCOMPARE(notes->toPlainText().size(), 300);
        notes->setFocus();
        notes->moveCursor(QTextCursor::End);
        QTest::keyClicks(notes, QStringLiteral("x"));
        QCOMPARE(notes->toPlainText().size(), 300);
        QTest::keyClick(notes, Qt::Key_Backspace);
        QCOMPARE(notes->toPlainText().size(), 299);

        prompts->answers.push_back(PromptAnswer::No);
        action(window, "actCancel")->trigger();
        QCOMPARE(prompts->texts("yesnocancel"), QStringList{"Save changes to this customer?"});
        QCOMPARE(LoadCustomer(2)->Notes.size(), 300);

        action(window, "actNewCustomer")->trigger();
        notes->setFocus();
        QTest::keyClicks(notes, QString(251, QLatin1Char('a')));
        QCOMPARE(notes->toPlainText().size(), 250);
    }

    void cancelWithoutChangesAsksNothing()
    {
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        clickCustomer(window, QStringLiteral("John Doe"));
        action(window, "actCancel")->trigger();
        QVERIFY(!onEditPage(window));
        QVERIFY(prompts->shown.empty());
        QCOMPARE(child<QLineEdit>(window, "txtCustId")->text(), QString());
    }

    void closingWithUnsavedChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("customers");
        QTest::newRow("Cancel keeps the window") << int(PromptAnswer::Cancel) << false << 3;
        QTest::newRow("No closes unsaved") << int(PromptAnswer::No) << true << 3;
        QTest::newRow("Yes saves and closes") << int(PromptAnswer::Yes) << true << 4;
    }

    void closingWithUnsavedChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(int, customers);
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer(answer));
        TfrmCustomer window(m_state);
        window.show();
        action(window, "actNewCustomer")->trigger();
        QTest::keyClicks(child(window, "txtCustLstName"), QStringLiteral("Lee"));
        action(window, "actClose")->trigger();
        QCOMPARE(prompts->texts("yesnocancel"), QStringList{"Save changes to this customer?"});
        QCOMPARE(window.isVisible(), !closes);
        QCOMPARE(customerCount(), customers);
    }

    void deleteAsksAndLeavesDocumentsAlone()
    {
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("INSERT INTO tblInvHeader(strInvName,intInvNumber,strCustCmpnyName,"
                                   "strCustFullName,strCustExtraPhone1) VALUES (?,?,?,?,?);"),
                    {QStringLiteral("Invoice"), 500, QStringLiteral("Janes Place"), QStringLiteral("Jane Doe"),
                     QStringLiteral("2nd Line: 220-444-9875")});
        }
        ScopedPrompts prompts;
        prompts->answers = {PromptAnswer::No, PromptAnswer::Yes};
        TfrmCustomer window(m_state);
        window.show();
        clickCustomer(window, QStringLiteral("Jane Doe"));
        action(window, "actDelete")->trigger();
        QCOMPARE(customerCount(), 3);
        QVERIFY(onEditPage(window));
        action(window, "actDelete")->trigger();
        QCOMPARE(prompts->texts("yesnocancel"),
                 (QStringList{"Delete this Customers from your list?", "Delete this Customers from your list?"}));
        QCOMPARE(listedNames(window), (QStringList{"Joe Blow", "John Doe"}));
        QVERIFY(!onEditPage(window));

        Connection db = OpenDatabase();
        Statement& doc = db.exec(QStringLiteral("SELECT strCustCmpnyName,strCustFullName,strCustExtraPhone1 "
                                                "FROM tblInvHeader WHERE intInvNumber = 500;"));
        QCOMPARE(doc.columnText(0), QStringLiteral("Janes Place"));
        QCOMPARE(doc.columnText(1), QStringLiteral("Jane Doe"));
        QCOMPARE(doc.columnText(2), QStringLiteral("2nd Line: 220-444-9875"));
    }

    void pickerCopiesTheCustomerIntoTheDocument()
    {
        m_state.editorOpen = true;
        m_state.windowMode = 1;
        m_state.currentDocument.Header.CustPONumber = QStringLiteral("PO-7");
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        QVERIFY(window.isPicker());
        clickCustomer(window, QStringLiteral("Jane Doe"));
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(m_state.dataChanged);
        QCOMPARE(m_state.windowMode, 1);
        const TrecInvHeader& h = m_state.currentDocument.Header;
        QCOMPARE(h.CustFullName, QStringLiteral("Jane Doe"));
        QCOMPARE(h.CustCtyStZp, QStringLiteral("Jane City Jane State 88888"));
        QCOMPARE(h.CustExtraPhone1, QStringLiteral("2nd Line: 220-444-9875"));
        QCOMPARE(h.CustExtraPhone2, QStringLiteral("Fax: 220-444-9876"));
        QCOMPARE(h.CustPymntTerms, QStringLiteral("Due by the 15th"));
        QCOMPARE(h.CustPONumber, QStringLiteral("PO-7"));
        QVERIFY(prompts->shown.empty());
    }

    void notesAreStoredWithCrLf_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("untouched CR LF stays") << "Gate code\r\n1234" << QString() << "Gate code\r\n1234";
        // Written elsewhere with LF: left byte for byte until someone edits it.
        QTest::newRow("untouched LF stays") << "Gate code\n1234" << QString() << "Gate code\n1234";
        QTest::newRow("typed line break") << "Gate code" << "\nDog" << "Gate code\r\nDog";
        QTest::newRow("edited LF text") << "Gate code\n1234" << "!" << "Gate code\r\n1234!";
    }

    void notesAreStoredWithCrLf()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        {
            TrecCustomer c = *LoadCustomer(2);
            c.Notes = stored;
            SaveCustomer(c);
        }
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        clickCustomer(window, QStringLiteral("John Doe"));
        auto* notes = child<QPlainTextEdit>(window, "txtCustNotes");
        QCOMPARE(notes->toPlainText(), QString(stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        notes->setFocus();
        notes->moveCursor(QTextCursor::End);
        // Without typing in the notes, another field is changed so Save is there.
        if (typed.isEmpty())
            QTest::keyClick(child<QSpinBox>(window, "SpinEditCustDiscount"), Qt::Key_Up);
        for (const QChar c : typed) {
            if (c == QLatin1Char('\n'))
                QTest::keyClick(notes, Qt::Key_Return);
            else
                QTest::keyClicks(notes, QString(c));
        }
        action(window, "actSave")->trigger();
        QCOMPARE(LoadCustomer(2)->Notes, saved);
    }

    void notesCountTheirLineBreaksAsStored()
    {
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        action(window, "actNewCustomer")->trigger();
        auto* notes = child<QPlainTextEdit>(window, "txtCustNotes");
        notes->setFocus();
        // 124 + CR LF + 124 = 250 stored characters: full.
        QTest::keyClicks(notes, QString(124, QLatin1Char('a')));
        QTest::keyClick(notes, Qt::Key_Return);
        QTest::keyClicks(notes, QString(124, QLatin1Char('b')));
        QCOMPARE(notes->toPlainText().size(), 249);
        QTest::keyClicks(notes, QStringLiteral("c"));
        QCOMPARE(notes->toPlainText().size(), 249);
        QTest::keyClick(notes, Qt::Key_Return);
        QCOMPARE(notes->toPlainText().size(), 249);
    }

    void pickerCopiesNotesAsStored()
    {
        {
            TrecCustomer c = *LoadCustomer(3);
            c.Notes = QStringLiteral("Fast Pay\r\nCall first");
            SaveCustomer(c);
        }
        m_state.editorOpen = true;
        m_state.windowMode = 1;
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        clickCustomer(window, QStringLiteral("Jane Doe"));
        QCOMPARE(m_state.currentDocument.Header.CustNotes, QStringLiteral("Fast Pay\r\nCall first"));
    }

    void pickerKeepsPrintingOffButAddsCustomers()
    {
        m_state.editorOpen = true;
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        QVERIFY(!action(window, "actPrint")->isEnabled());
        QVERIFY(!action(window, "actPrintPreview")->isEnabled());
        action(window, "actNewCustomer")->trigger();
        QTest::keyClicks(child(window, "txtCustCmpnyName"), QStringLiteral("Acme Paints"));
        action(window, "actSave")->trigger();
        QVERIFY(window.isVisible());
        QVERIFY(!m_state.dataChanged);
        QVERIFY(!action(window, "actPrint")->isEnabled());
        QCOMPARE(listedNames(window).size(), 4);

        clickCustomer(window, QStringLiteral(" "));
        QVERIFY(!window.isVisible());
        QCOMPARE(m_state.currentDocument.Header.CustCmpnyName, QStringLiteral("Acme Paints"));
        QCOMPARE(m_state.currentDocument.Header.CustFullName, QString());
        QCOMPARE(m_state.currentDocument.Header.CustExtraPhone1, QString());
        QVERIFY(m_state.dataChanged);
    }

    void feedFollowsTheListedRows()
    {
        {
            TfrmCustomer window(m_state);
            window.show();
            child<QComboBox>(window, "cmboCustSearch")->setCurrentIndex(int(CustomerSearch::LastName));
            QTest::keyClicks(child(window, "txtCustSearch"), QStringLiteral("doe"));
            DataFeed* feed = m_state.listFeed;
            QVERIFY(feed);
            QCOMPARE(feed->rowCount(), 2);
            QCOMPARE(feed->value(1, QStringLiteral("rvstrCustFirstLastName")), QStringLiteral("Jane Doe"));
            QCOMPARE(feed->value(1, QStringLiteral("rvstrCustCityStateZip")), QStringLiteral("Jane City,Jane State 88888"));
        }
        QVERIFY(!m_state.listFeed);
    }

    void rowsThatCannotBeReadAreReported()
    {
        ScopedPrompts prompts;
        TfrmCustomer window(m_state);
        window.show();
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("ALTER TABLE tblCustomers RENAME TO tblCustomersGone;"));
        }
        // The texts of the rows are read again, as after a search.
        window.listModel()->setCustomerIds({1, 2, 3});
        QCOMPARE(window.listModel()->cellText(0, CustomerListModel::CustId), QStringLiteral("1"));
        QCOMPARE(window.listModel()->cellText(0, CustomerListModel::Company), QString());
        QTRY_COMPARE(prompts->texts("error"), QStringList{"SQLite Error 1 - no such table: tblCustomers."});
        QVERIFY(window.isVisible());
    }

    void feedIsHandedBackWhenTheWindowGoes()
    {
        {
            TfrmCustomer window(m_state);
            QVERIFY(m_state.listFeed);
        }
        QVERIFY(!m_state.listFeed);
    }
};

VELMAR_TEST_MAIN(TestCustomerWindow)
#include "tst_customerWindow.moc"
