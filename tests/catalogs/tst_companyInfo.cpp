#include "app/AppPaths.h"
#include "app/AppState.h"
#include "catalogs/CompanyInfoStore.h"
#include "catalogs/gui/ColorSwatch.h"
#include "catalogs/gui/TfrmCompanyInfo.h"
#include "data/Database.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "CatalogTestHelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QGroupBox>
#include <QTemporaryDir>

// The company information window: what it shows, its editors and what saving writes.
class TestCompanyInfo : public QObject {
    Q_OBJECT

    AppState m_state;
    QTemporaryDir m_pictures;

    static QPushButton* button(QWidget& window, const char* name) { return child<QPushButton>(window, QString::fromLatin1(name)); }
    static QString countLine(QWidget& window) { return child<QLabel>(window, QStringLiteral("Label5"))->text(); }
    static QStringList terms(QWidget& window)
    {
        QStringList list;
        QAbstractItemModel* model = child<QListView>(window, QStringLiteral("lstPmtTerms"))->model();
        for (int row = 0; row < model->rowCount(); ++row)
            list << model->index(row, 0).data().toString();
        return list;
    }
    static void addTerm(QWidget& window, const QString& term)
    {
        QTest::keyClicks(child(window, QStringLiteral("txtPmtTerm")), term);
        button(window, "btnAddPmtTerms")->click();
    }
    static QVariant stored(const QString& column, const QString& table = QStringLiteral("tblCompanyInvData"))
    {
        Connection db = OpenDatabase();
        Statement& row = db.exec(QStringLiteral("SELECT %1 FROM %2;").arg(column, table));
        return row.columnIsNull(0) ? QVariant() : QVariant(row.columnText(0));
    }
    QString writePicture(const char* name, const char* format)
    {
        QImage picture(60, 30, QImage::Format_RGB32);
        picture.fill(QColor(200, 40, 40));
        const QString path = m_pictures.filePath(QString::fromLatin1(name));
        if (!picture.save(path, format))
            qFatal("cannot write %s", name);
        return path;
    }
    static QByteArray fileStart(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.read(3);
    }

private slots:
    void init()
    {
        m_state = AppState();
        TestEnvironment::freshDatabase(m_state);
    }

    void opensWithTheStoredValues()
    {
        TfrmCompanyInfo window(m_state);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Company Information"));
        QCOMPARE(window.currentPage(), int(TfrmCompanyInfo::CompanyPage));
        QVERIFY(!action(window, "actSave")->isEnabled());
        QCOMPARE(window.focusWidget(), child(window, "txtCompName"));
        QCOMPARE(child<QLineEdit>(window, "txtCompName")->text(), QStringLiteral("My Company Name"));
        QCOMPARE(child<QLineEdit>(window, "txtTaxName1")->text(), QStringLiteral("Local Tax"));
        QCOMPARE(child<QLineEdit>(window, "txtTax1")->text(), QStringLiteral("0.0123"));
        QCOMPARE(child<QLineEdit>(window, "txtTaxName2")->text(), QStringLiteral("State Tax"));
        QCOMPARE(child<QLineEdit>(window, "txtTax2")->text(), QStringLiteral("0.0500"));
        QCOMPARE(child<QLineEdit>(window, "txtTaxName3")->text(), QString());
        QCOMPARE(child<QLineEdit>(window, "txtTax3")->text(), QStringLiteral("0.0000"));
        QVERIFY(child<QRadioButton>(window, "RadioGroupTaxOnItem0")->isChecked());
        QCOMPARE(child<QRadioButton>(window, "RadioGroupTaxOnItem0")->text(), QStringLiteral("Labor and Material"));
        QCOMPARE(terms(window).size(), 4);
        QCOMPARE(countLine(window), QStringLiteral("You may add 6 more Payment Terms"));
        QCOMPARE(child<QSpinBox>(window, "spinEditDepPercent")->value(), 25);
        QCOMPARE(child<QSpinBox>(window, "spinEditNumEstDays")->value(), 30);
        QCOMPARE(child<QLabel>(window, "lblLogo")->text(), QStringLiteral("No Logo"));
        QVERIFY(!button(window, "btnRemoveLogo")->isEnabled());
        QVERIFY(child<QRadioButton>(window, "rbtnLargeLogo")->isChecked());
        QVERIFY(!child<QCheckBox>(window, "ckbxShowTotalonWOVelmar")->isChecked());
        QVERIFY(child<QCheckBox>(window, "ckbxShowWorkSheetSQFT")->isChecked());
        QVERIFY(child<QRadioButton>(window, "rbtn30Day")->isChecked());
        QVERIFY(child<QRadioButton>(window, "rbtnDayPlanner")->isChecked());
        QCOMPARE(child<QLineEdit>(window, "txtCompZipCode")->maxLength(), 15);
        QCOMPARE(child<QLineEdit>(window, "txtCompLicenseNumber2")->maxLength(), 24);
        QCOMPARE(child(window, "txtCompExtraPhone1Name")->toolTip(),
                 QStringLiteral("Enter your Extra Phone Name - Cell, Fax ..."));
        QCOMPARE(child<ColorSwatch>(window, "shpWeekendColor")->color(), QColor(215, 228, 242));

        action(window, "actTaxPage")->trigger();
        QCOMPARE(window.currentPage(), int(TfrmCompanyInfo::TaxPage));
        QVERIFY(!action(window, "actSave")->isEnabled());
    }

    void commandsAndPages()
    {
        TfrmCompanyInfo window(m_state);
        window.show();
        QCOMPARE(ToolBarCommands(window, QStringLiteral("ToolBarCompany")),
                 (QStringList{"actClose", "|", "actSave", "|", "actHelp"}));
        const std::pair<const char*, const char*> commands[] = {
            {"actClose", "Close"}, {"actSave", "Save changes to company information"}, {"actHelp", "Open Help"}};
        for (const auto& [name, hint] : commands)
            COMPARE_HINT(action(window, name), QString::fromLatin1(hint));
        QCOMPARE(action(window, "actClose")->text(), QStringLiteral("Close"));
        QCOMPARE(action(window, "actSave")->text(), QStringLiteral("Save"));
        QCOMPARE(action(window, "actHelp")->text(), QStringLiteral("Help"));

        QCOMPARE(ToolBarCommands(window, QStringLiteral("ToolBarPages")),
                 (QStringList{"actCompanyPage", "actTaxPage", "actInvoicePage", "actInvoiceColorPage",
                              "actInvoiceDescriptionPage", "actGeneralInformationPage", "actPlannerPage"}));
        const QStringList captions{"Company", "Tax", "Invoice", "Invoice Color", "Invoice Description",
                                   "General Information", "Planner Page"};
        const QList<QAction*> pages = child<QToolBar>(window, QStringLiteral("ToolBarPages"))->actions();
        for (int page = 0; page < TfrmCompanyInfo::PageCount; ++page) {
            QCOMPARE(pages.at(page)->text(), captions.at(page));
            pages.at(page)->trigger();
            QCOMPARE(window.currentPage(), page);
        }
    }

    void groupsOnTheirPages_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("page");
        QTest::newRow("company name") << "Company Name" << int(TfrmCompanyInfo::CompanyPage);
        QTest::newRow("logo") << "Company Logo" << int(TfrmCompanyInfo::CompanyPage);
        QTest::newRow("tax on") << "Tax On . . ." << int(TfrmCompanyInfo::TaxPage);
        QTest::newRow("tax 1") << "Tax Option 1" << int(TfrmCompanyInfo::TaxPage);
        QTest::newRow("tax 2") << "Tax Option 2" << int(TfrmCompanyInfo::TaxPage);
        QTest::newRow("tax 3") << "Tax Option 3" << int(TfrmCompanyInfo::TaxPage);
        QTest::newRow("terms") << "Payment Terms" << int(TfrmCompanyInfo::InvoicePage);
        QTest::newRow("foot notes") << "Invoice Foot Notes" << int(TfrmCompanyInfo::InvoicePage);
        QTest::newRow("days") << "Deposit percent, Number of Estimate/Change Order Days" << int(TfrmCompanyInfo::InvoicePage);
        QTest::newRow("colours") << "Select Colors" << int(TfrmCompanyInfo::InvoiceColorPage);
        QTest::newRow("all colours") << "All Invoice Types This Color" << int(TfrmCompanyInfo::InvoiceColorPage);
        QTest::newRow("description") << "Invoice Description" << int(TfrmCompanyInfo::InvoiceDescriptionPage);
        QTest::newRow("licences") << "Company License Information" << int(TfrmCompanyInfo::GeneralInformationPage);
        QTest::newRow("web") << "Email and Web Address" << int(TfrmCompanyInfo::GeneralInformationPage);
        QTest::newRow("signature") << "Signature line Information" << int(TfrmCompanyInfo::GeneralInformationPage);
        QTest::newRow("remove") << "Automatically remove activities older than" << int(TfrmCompanyInfo::PlannerPage);
        QTest::newRow("default view") << "Default  Planner" << int(TfrmCompanyInfo::PlannerPage);
        QTest::newRow("planner colours") << "Planner Color" << int(TfrmCompanyInfo::PlannerPage);
    }

    void groupsOnTheirPages()
    {
        QFETCH(QString, title);
        QFETCH(int, page);
        TfrmCompanyInfo window(m_state);
        QWidget* pageWidget = child<QStackedWidget>(window, QStringLiteral("pgctrlCompanyInfo"))->widget(page);
        int found = 0;
        for (const QGroupBox* box : pageWidget->findChildren<QGroupBox*>())
            found += box->title() == title;
        QCOMPARE(found, 1);
    }

    void controlsCaptionsHintsAndLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<int>("limit");
        const int company = TfrmCompanyInfo::CompanyPage;
        const int tax = TfrmCompanyInfo::TaxPage;
        const int invoice = TfrmCompanyInfo::InvoicePage;
        const int colour = TfrmCompanyInfo::InvoiceColorPage;
        const int description = TfrmCompanyInfo::InvoiceDescriptionPage;
        const int general = TfrmCompanyInfo::GeneralInformationPage;
        const int planner = TfrmCompanyInfo::PlannerPage;
        const int none = 32767;
        const QString phoneName = QStringLiteral("Enter your Extra Phone Name - Cell, Fax ...");
        const QString phone = QStringLiteral("Enter your Extra Phone Number");
        QTest::newRow("name") << "txtCompName" << company << "Company Name" << "Enter your Company Name" << 45;
        QTest::newRow("address") << "txtCompAddress" << company << "Address" << "Enter your Address" << 45;
        QTest::newRow("city") << "txtCompCity" << company << "City" << "Enter your City" << 25;
        QTest::newRow("state") << "txtCompState" << company << "State" << "Enter your State" << 25;
        QTest::newRow("zip") << "txtCompZipCode" << company << "Zip Code" << "Enter your Zip Code" << 15;
        QTest::newRow("phone") << "txtCompPhoneNumber" << company << "Main Phone Number" << "Enter your Phone Number" << 25;
        QTest::newRow("phone 1 name") << "txtCompExtraPhone1Name" << company << "Extra Phone Name" << phoneName << none;
        QTest::newRow("phone 1") << "txtCompExtraPhone1" << company << "Extra Phone Number" << phone << none;
        QTest::newRow("phone 2 name") << "txtCompExtraPhone2Name" << company << "Extra Phone Name" << phoneName << none;
        QTest::newRow("phone 2") << "txtCompExtraPhone2" << company << "Extra Phone Number" << phone << none;
        QTest::newRow("small logo") << "rbtnSmallLogo" << company << "Small Logo" << "Use small company logo" << -1;
        QTest::newRow("large logo") << "rbtnLargeLogo" << company << "Large Logo" << "Use Large company logo" << -1;
        QTest::newRow("browse") << "btnBrowseForLogo" << company << "Browse" << "Browse for a new Company Logo" << -1;
        QTest::newRow("remove logo") << "btnRemoveLogo" << company << "Remove Logo" << "Remove Company Logo" << -1;

        QTest::newRow("tax on") << "RadioGroupTaxOn" << tax << "Tax On . . ." << "Set Tax on Labor, Material or both, when tax is used" << -1;
        for (int i = 1; i <= 3; ++i) {
            QTest::addRow("tax name %d", i) << QStringLiteral("txtTaxName%1").arg(i) << tax << "Tax Name"
                                            << "Enter a name for this tax option" << 25;
            QTest::addRow("tax amount %d", i) << QStringLiteral("txtTax%1").arg(i) << tax << "Tax Amount"
                                              << "Enter a tax amount for this tax option" << -1;
        }

        QTest::newRow("term") << "txtPmtTerm" << invoice << "" << "Enter or edit a Payment Term here" << 25;
        QTest::newRow("terms") << "lstPmtTerms" << invoice << "" << "Select a Payment Term to edit" << -1;
        QTest::newRow("add term") << "btnAddPmtTerms" << invoice << "Add" << "Add this Payment Term to the list" << -1;
        QTest::newRow("remove term") << "btnRemovePmtTerms" << invoice << "Remove" << "Remove this Payment Term from the list" << -1;
        QTest::newRow("cancel term") << "btnCancelPmtTerms" << invoice << "Cancel" << "Cancel changes to this Payment Term" << -1;
        for (int i = 1; i <= 3; ++i)
            QTest::addRow("foot note %d", i) << QStringLiteral("txtFtNote%1").arg(i) << invoice
                                             << QStringLiteral("Foot Note %1").arg(i) << "Enter a Invoice Foot Note" << -1;
        QTest::newRow("days") << "spinEditNumEstDays" << invoice << "Number of days an Estimate/Change Order is Valid for:"
                              << "Number of days a Estimate is good for" << 180;
        QTest::newRow("deposit") << "spinEditDepPercent" << invoice << "If you require a deposit, enter the percent:"
                                 << "Enter a Deposit Percent" << 100;

        QTest::newRow("estimate") << "btnEstColor" << colour << "Estimate Color" << "Select a color for Estimates" << -1;
        QTest::newRow("work order") << "btnWrkOrderColor" << colour << "Work Order Color" << "Select a color for Work Orders" << -1;
        QTest::newRow("change order") << "btnChangeOrderColor" << colour << "Change Order Color" << "Select a color for Change Orders" << -1;
        QTest::newRow("invoice") << "btnInvColor" << colour << "Invoice Color" << "Select a color for Invoices" << -1;
        QTest::newRow("credit") << "btnCrdtColor" << colour << "Credit Color" << "Select a color for Credits" << -1;
        QTest::newRow("past due") << "btnPstDueColor" << colour << "Past Due Color" << "Select a color for Past Due Notices" << -1;
        QTest::newRow("all") << "btnAllInvTypColor" << colour << "All This Color" << "Select a color for all Invoice types" << -1;

        QTest::newRow("sqft") << "ckbxShowWorkSheetSQFT" << description << "Show Work Sheet SQFT" << "" << -1;
        QTest::newRow("total") << "ckbxShowWorkSheetTotal" << description << "Show Work Sheet Total" << "" << -1;
        QTest::newRow("info") << "ckbxShowWorkSheetInfo" << description << "Show Work Sheet Information" << "" << -1;
        QTest::newRow("prep") << "ckbxShowSurfacePrep" << description << "Show Surface Prep" << "" << -1;
        QTest::newRow("add-ons") << "ckbxShowWorkSheetAddons" << description << "Show Work Sheet Add-ons" << "" << -1;
        QTest::newRow("wallpaper") << "ckbxShowWallpaper" << description << "Show Wallpaper Work" << "" << -1;
        QTest::newRow("extras") << "ckbxShowExtraCharges" << description << "Show Extra Charges" << "" << -1;
        QTest::newRow("total on work order") << "ckbxShowTotalonWOVelmar" << description << "Show Total on Work Order" << "" << -1;

        for (int i = 1; i <= 3; ++i) {
            QTest::addRow("licence name %d", i) << QStringLiteral("txtCompLicenseName%1").arg(i) << general
                                                << QStringLiteral("Company License Name %1").arg(i)
                                                << "Enter your Company License Name" << 30;
            QTest::addRow("licence number %d", i) << QStringLiteral("txtCompLicenseNumber%1").arg(i) << general
                                                  << QStringLiteral("Company License Number %1").arg(i)
                                                  << "Enter your Company License Number" << 24;
        }
        QTest::newRow("email") << "txtCompEmailAddress" << general << "Email Address" << "Enter your Email Address" << 45;
        QTest::newRow("web") << "txtCompWebAddress" << general << "Web Site Address" << "Enter your Web Address" << 45;
        QTest::newRow("acceptance") << "txtAcceptanceInfo" << general << "Acceptance Information" << "Enter Acceptance Information" << 250;
        QTest::newRow("acceptance colour") << "btnAcceptanceColor" << general << "Acceptance Area Color"
                                           << "Select Acceptance Information area color" << -1;

        QTest::newRow("1 day") << "rbtn1Day" << planner << "1 Day" << "Remove Activities older than 1 day" << -1;
        QTest::newRow("30 day") << "rbtn30Day" << planner << "30 Day" << "Remove Activities older than 30 days" << -1;
        QTest::newRow("1 year") << "rbtn1Year" << planner << "1 Year" << "Remove Activities older than 1 Year" << -1;
        QTest::newRow("keep") << "rbtnDontRemove" << planner << "Do not Remove" << "Do not remove older Activities" << -1;
        QTest::newRow("day") << "rbtnDayPlanner" << planner << "Day Planner" << "Set Default as Day Planner" << -1;
        QTest::newRow("week") << "rbtnWeekPlanner" << planner << "Week Planner" << "Set Default as Week Planner" << -1;
        QTest::newRow("month") << "rbtnMonthPlanner" << planner << "Month Planner" << "Set Default as Month Planner" << -1;
        QTest::newRow("weekend") << "btnWeekendColor" << planner << "Weekend Color" << "Select a color for Weekends" << -1;
        QTest::newRow("activity") << "btnActivityColor" << planner << "Activity Color" << "Select a color for Activities" << -1;
        QTest::newRow("priority") << "btnPriorityColor" << planner << "Priority Color" << "Select a color for Priority Activities" << -1;
    }

    void controlsCaptionsHintsAndLimits()
    {
        QFETCH(QString, name);
        QFETCH(int, page);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(int, limit);
        TfrmCompanyInfo window(m_state);
        window.show();
        QWidget* control = child(window, name);
        QVERIFY(child<QStackedWidget>(window, QStringLiteral("pgctrlCompanyInfo"))->widget(page)->isAncestorOf(control));
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            QCOMPARE(button->text(), caption);
        else if (auto* box = qobject_cast<QGroupBox*>(control))
            QCOMPARE(box->title(), caption);
        else
            QCOMPARE(LabelOf(window, control), caption);
        COMPARE_HINT(control, hint);
        if (limit < 0)
            return;
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            QCOMPARE(edit->maxLength(), limit);
        } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
            QCOMPARE(spin->minimum(), 0);
            QCOMPARE(spin->maximum(), limit);
            // Changed by its arrows only.
            const int before = spin->value();
            spin->setFocus();
            QTest::keyClicks(spin, QStringLiteral("7"));
            QCOMPARE(spin->value(), before);
            QTest::keyClick(spin, Qt::Key_Up);
            QCOMPARE(spin->value(), before + 1);
        } else {
            auto* memo = qobject_cast<QPlainTextEdit*>(control);
            QVERIFY(memo);
            window.showPage(page);
            memo->setPlainText(QString());
            memo->setFocus();
            QTest::keyClicks(memo, QString(limit + 1, QLatin1Char('x')));
            QCOMPARE(memo->toPlainText().size(), limit);
        }
    }

    void samplesShowHowDocumentsPrint()
    {
        TfrmCompanyInfo window(m_state);
        window.show();
        const std::pair<const char*, const char*> samples[] = {
            {"lblEstSample", "Estimate 500"}, {"lblWrkOrderSample", "Work Order 500"},
            {"lblChangeOrderSample", "Change Order 500"}, {"lblInvSample", "Invoice 500"},
            {"lblCrdtSample", "Credit 500"}, {"lblPstDueSample", "Past Due 500"}};
        for (const auto& [name, text] : samples) {
            auto* sample = child<QLabel>(window, QString::fromLatin1(name));
            QCOMPARE(sample->text(), QString::fromLatin1(text));
            QVERIFY(sample->font().bold());
            QCOMPARE(sample->font().pixelSize(), 19);
        }
        QStringList signature;
        for (const QLabel* line : child(window, QStringLiteral("ShapeAcceptance"))->findChildren<QLabel*>())
            signature << line->text();
        signature.sort();
        QCOMPARE(signature, (QStringList{"Acceptance Information", "Authorized Signature____________________",
                                         "Date         _____________________________",
                                         "Signature _____________________________",
                                         "Signature _____________________________"}));
        QCOMPARE(child(window, QStringLiteral("imgLogo"))->size(), QSize(247, 140));
        QCOMPARE(child(window, QStringLiteral("imgLogoSmall"))->size(), QSize(120, 70));
        QCOMPARE(child<QLabel>(window, QStringLiteral("lblLogo"))->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    }

    void enterInAFieldPressesNoButton_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("termsAfter");
        QTest::newRow("company name") << int(TfrmCompanyInfo::CompanyPage) << "txtCompName" << 4;
        // Enter in the term field adds the term, and presses no button.
        QTest::newRow("payment term") << int(TfrmCompanyInfo::InvoicePage) << "txtPmtTerm" << 5;
        QTest::newRow("email") << int(TfrmCompanyInfo::GeneralInformationPage) << "txtCompEmailAddress" << 4;
    }

    void enterInAFieldPressesNoButton()
    {
        QFETCH(int, page);
        QFETCH(QString, field);
        QFETCH(int, termsAfter);
        ScopedPrompts prompts;
        prompts->colors.push_back(QColor(1, 2, 3));
        TfrmCompanyInfo window(m_state);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.showPage(page);
        // A button clicked before makes no difference to Enter in a field afterwards.
        if (page == TfrmCompanyInfo::GeneralInformationPage) {
            button(window, "btnAcceptanceColor")->setFocus();
            QTest::keyClick(button(window, "btnAcceptanceColor"), Qt::Key_Space);
        }
        auto* edit = child<QLineEdit>(window, field);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("Net 45"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(window.isVisible());
        QCOMPARE(prompts->texts("open"), QStringList{});
        QCOMPARE(prompts->texts("color").size(), page == TfrmCompanyInfo::GeneralInformationPage ? 1 : 0);
        QCOMPARE(terms(window).size(), termsAfter);
    }

    void aTaxAmountWithoutNameIsRefused()
    {
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer::Yes);
        TfrmCompanyInfo window(m_state);
        window.show();
        child<QLineEdit>(window, "txtCompName")->setText(QStringLiteral("Changed Name"));
        auto* amount = child<QLineEdit>(window, "txtTax3");
        amount->setFocus();
        amount->setCursorPosition(3);
        QTest::keyClicks(amount, QStringLiteral("2"));
        QCOMPARE(amount->text(), QStringLiteral("0.0200"));

        action(window, "actSave")->trigger();
        QCOMPARE(prompts->texts("info"), QStringList{"Please enter a Tax Name for Tax Option 3."});
        QCOMPARE(window.currentPage(), int(TfrmCompanyInfo::TaxPage));
        QCOMPARE(window.focusWidget(), child(window, "txtTaxName3"));
        QCOMPARE(stored(QStringLiteral("dbTaxRate3")).toDouble(), 0.0);
        QCOMPARE(stored(QStringLiteral("strCompName"), QStringLiteral("tblCompanyInfo")).toString(),
                 QStringLiteral("My Company Name"));
        QCOMPARE(m_state.companySettings.CompanyData.CompName, QStringLiteral("My Company Name"));

        // Closing and answering Yes keeps the window open on the Tax page.
        window.showPage(TfrmCompanyInfo::CompanyPage);
        action(window, "actClose")->trigger();
        QVERIFY(window.isVisible());
        QCOMPARE(window.currentPage(), int(TfrmCompanyInfo::TaxPage));
        QCOMPARE(prompts->texts("yesnocancel"), QStringList{"Do you want to save changes to Company Information?"});

        QTest::keyClicks(child(window, "txtTaxName3"), QStringLiteral("City Tax"));
        action(window, "actSave")->trigger();
        QCOMPARE(stored(QStringLiteral("dbTaxRate3")).toDouble(), 0.02);
        QCOMPARE(m_state.companySettings.InvData.TaxNames[2], QStringLiteral("City Tax"));
        QCOMPARE(m_state.companySettings.InvData.TaxRates[2], 0.02);
    }

    void aTaxAmountStaysComplete_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("erased decimal") << "0.0500" << 4 << int(Qt::Key_Backspace) << "0.0000";
        QTest::newRow("deleted first digit") << "5.0000" << 0 << int(Qt::Key_Delete) << "0.0000";
        QTest::newRow("deleted last digit") << "0.1234" << 5 << int(Qt::Key_Delete) << "0.1230";
    }

    void aTaxAmountStaysComplete()
    {
        QFETCH(QString, start);
        QFETCH(int, cursor);
        QFETCH(int, key);
        QFETCH(QString, expected);
        TfrmCompanyInfo window(m_state);
        window.show();
        auto* amount = child<QLineEdit>(window, "txtTax1");
        amount->setText(start);
        amount->setFocus();
        amount->setCursorPosition(cursor);
        QTest::keyClick(amount, Qt::Key(key));
        QCOMPARE(amount->displayText(), expected);
        QVERIFY(action(window, "actSave")->isEnabled());
    }

    void completeTaxAmount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blank first") << " .0500" << "0.0500";
        QTest::newRow("blank point") << "0 0500" << "0.0500";
        QTest::newRow("blank decimals") << "5.  1 " << "5.0010";
        QTest::newRow("short text") << "1" << "1.0000";
        QTest::newRow("empty") << "" << "0.0000";
    }

    void completeTaxAmount()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(CompleteTaxAmount(text), expected);
    }

    void footNotesHoldFiveLines()
    {
        TfrmCompanyInfo window(m_state);
        window.show();
        auto* note = child<QPlainTextEdit>(window, "txtFtNote2");
        note->setPlainText(QStringLiteral("one\ntwo\nthree\nfour\nfive"));
        note->setFocus();
        note->moveCursor(QTextCursor::End);
        QTest::keyClick(note, Qt::Key_Return);
        QCOMPARE(note->toPlainText(), QStringLiteral("one\ntwo\nthree\nfour\nfive"));
        QVERIFY(!note->document()->isUndoAvailable());
        QTest::keyClicks(note, QStringLiteral("!"));
        QCOMPARE(note->toPlainText(), QStringLiteral("one\ntwo\nthree\nfour\nfive!"));
        // A kept change cannot be undone either.
        QVERIFY(!note->document()->isUndoAvailable());
        QTest::keyClick(note, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(note->toPlainText(), QStringLiteral("one\ntwo\nthree\nfour\nfive!"));

        auto* acceptance = child<QPlainTextEdit>(window, "txtAcceptanceInfo");
        acceptance->setPlainText(QString(250, QLatin1Char('a')));
        acceptance->setFocus();
        acceptance->moveCursor(QTextCursor::End);
        QTest::keyClicks(acceptance, QStringLiteral("b"));
        QCOMPARE(acceptance->toPlainText().size(), 250);
        QTest::keyClick(acceptance, Qt::Key_Backspace);
        QVERIFY(!acceptance->document()->isUndoAvailable());
        QVERIFY(action(window, "actSave")->isEnabled());
    }

    void footNotesAndAcceptanceAreStoredWithCrLf()
    {
        {
            Connection db = OpenDatabase();
            db.exec(QStringLiteral("UPDATE tblCompanyInvData SET strInvFootNote1 = ?, strInvFootNote2 = ?, "
                                   "strAcceptanceInfo = ? WHERE intCompInvDataID = 1;"),
                    {QStringLiteral("Thank you\r\nfor your business"), QStringLiteral("Written\nelsewhere"),
                     QStringLiteral("I accept\r\nthe work")});
        }
        LoadCompanySettings(m_state.companySettings);
        ScopedPrompts prompts;
        TfrmCompanyInfo window(m_state);
        window.show();
        QCOMPARE(child<QPlainTextEdit>(window, "txtFtNote1")->toPlainText(), QStringLiteral("Thank you\nfor your business"));
        QCOMPARE(child<QPlainTextEdit>(window, "txtAcceptanceInfo")->toPlainText(), QStringLiteral("I accept\nthe work"));
        auto* note = child<QPlainTextEdit>(window, "txtFtNote3");
        note->setFocus();
        note->selectAll(); // typing replaces the seeded foot note
        QTest::keyClicks(note, QStringLiteral("Net 30"));
        QTest::keyClick(note, Qt::Key_Return);
        QTest::keyClicks(note, QStringLiteral("No returns"));
        action(window, "actSave")->trigger();

        QCOMPARE(stored(QStringLiteral("strInvFootNote3")).toString(), QStringLiteral("Net 30\r\nNo returns"));
        // Untouched texts go back byte for byte, whatever their line breaks.
        QCOMPARE(stored(QStringLiteral("strInvFootNote1")).toString(), QStringLiteral("Thank you\r\nfor your business"));
        QCOMPARE(stored(QStringLiteral("strInvFootNote2")).toString(), QStringLiteral("Written\nelsewhere"));
        QCOMPARE(stored(QStringLiteral("strAcceptanceInfo")).toString(), QStringLiteral("I accept\r\nthe work"));
        QCOMPARE(m_state.companySettings.InvData.FootNotes[3], QStringLiteral("Net 30\r\nNo returns"));
    }

    void acceptanceCountsItsLineBreaksAsStored()
    {
        TfrmCompanyInfo window(m_state);
        window.show();
        auto* acceptance = child<QPlainTextEdit>(window, "txtAcceptanceInfo");
        acceptance->clear();
        acceptance->setFocus();
        // 124 + CR LF + 124 = 250 stored characters: full.
        QTest::keyClicks(acceptance, QString(124, QLatin1Char('a')));
        QTest::keyClick(acceptance, Qt::Key_Return);
        QTest::keyClicks(acceptance, QString(124, QLatin1Char('b')));
        QCOMPARE(acceptance->toPlainText().size(), 249);
        QTest::keyClicks(acceptance, QStringLiteral("c"));
        QCOMPARE(acceptance->toPlainText().size(), 249);
    }

    void tenTermsMakeTheListFull()
    {
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer::Yes);
        TfrmCompanyInfo window(m_state);
        window.show();
        window.showPage(TfrmCompanyInfo::InvoicePage);
        auto* field = child<QLineEdit>(window, "txtPmtTerm");
        auto* list = child<QListView>(window, "lstPmtTerms");
        QTest::keyClicks(field, QStringLiteral("Net 5"));
        QVERIFY(button(window, "btnAddPmtTerms")->isEnabled());
        QVERIFY(!list->isEnabled());
        button(window, "btnAddPmtTerms")->click();
        QVERIFY(action(window, "actSave")->isEnabled());
        QCOMPARE(countLine(window), QStringLiteral("You may add 5 more Payment Terms"));
        for (int i = 6; i <= 10; ++i)
            addTerm(window, QStringLiteral("Net %1").arg(i));
        QCOMPARE(terms(window).size(), 10);
        QCOMPARE(countLine(window), QStringLiteral("Payment Terms are full"));
        QTest::keyClicks(field, QStringLiteral("Net 11"));
        QVERIFY(!button(window, "btnAddPmtTerms")->isEnabled());
        button(window, "btnCancelPmtTerms")->click();
        QCOMPARE(field->text(), QString());

        // A term can still be chosen, changed and removed.
        ClickListRow(list, 4);
        QCOMPARE(field->text(), QStringLiteral("Net 5"));
        QVERIFY(!list->isEnabled());
        QVERIFY(button(window, "btnRemovePmtTerms")->isEnabled());
        QCOMPARE(button(window, "btnAddPmtTerms")->text(), QStringLiteral("Change"));
        QCOMPARE(button(window, "btnAddPmtTerms")->toolTip(), QStringLiteral("Change this Payment Term on the list"));
        QTest::keyClicks(field, QStringLiteral("0"));
        button(window, "btnAddPmtTerms")->click();
        QCOMPARE(terms(window).at(4), QStringLiteral("Net 50"));
        QCOMPARE(button(window, "btnAddPmtTerms")->text(), QStringLiteral("Add"));
        QVERIFY(list->isEnabled());

        ClickListRow(list, 0);
        button(window, "btnRemovePmtTerms")->click();
        QCOMPARE(prompts->texts("yesnocancel"), QStringList{"Remove \"Due on day of completion\" from list?"});
        QCOMPARE(terms(window).size(), 9);
        QCOMPARE(countLine(window), QStringLiteral("You may add 1 more Payment Terms"));

        action(window, "actSave")->trigger();
        QCOMPARE(stored(QStringLiteral("strInvTerms1")).toString(), QStringLiteral("Due on the 10th"));
        QCOMPARE(stored(QStringLiteral("strInvTerms4")).toString(), QStringLiteral("Net 50"));
        QCOMPARE(stored(QStringLiteral("strInvTerms9")).toString(), QStringLiteral("Net 10"));
        QCOMPARE(stored(QStringLiteral("strInvTerms10")).toString(), QString());
        QCOMPARE(m_state.companySettings.InvData.PaymentTerms[9], QString());
        QCOMPARE(m_state.companySettings.InvData.PaymentTerms[3], QStringLiteral("Net 50"));
    }

    void aBitmapLogoIsWrittenAsJpeg()
    {
        ScopedPrompts prompts;
        prompts->files.push_back(writePicture("logo.bmp", "BMP"));
        {
            TfrmCompanyInfo window(m_state);
            window.show();
            button(window, "btnBrowseForLogo")->click();
            QCOMPARE(child<QLabel>(window, "lblLogo")->text(), QStringLiteral("Current Logo"));
            QVERIFY(button(window, "btnRemoveLogo")->isEnabled());
            QVERIFY(!child<QLabel>(window, "imgLogo")->pixmap().isNull());
            QVERIFY(!QFile::exists(LogoPath()));
            action(window, "actSave")->trigger();
        }
        QVERIFY(LogoPath().endsWith(QLatin1String("CmpLogo.jpg")));
        QCOMPARE(fileStart(LogoPath()), QByteArray("\xFF\xD8\xFF"));
        QCOMPARE(QImage(LogoPath()).size(), QSize(60, 30));
    }

    void removingTheLogo_data()
    {
        QTest::addColumn<bool>("saveOnClose");
        QTest::addColumn<bool>("fileKept");
        QTest::newRow("saved: the file goes") << true << false;
        QTest::newRow("closed with No: the file stays") << false << true;
    }

    void removingTheLogo()
    {
        QFETCH(bool, saveOnClose);
        QFETCH(bool, fileKept);
        QVERIFY(QFile::copy(writePicture("start.jpg", "JPEG"), LogoPath()));
        ScopedPrompts prompts;
        prompts->answers = {PromptAnswer::Yes, saveOnClose ? PromptAnswer::Yes : PromptAnswer::No};
        TfrmCompanyInfo window(m_state);
        window.show();
        QCOMPARE(child<QLabel>(window, "lblLogo")->text(), QStringLiteral("Current Logo"));
        button(window, "btnRemoveLogo")->click();
        QCOMPARE(child<QLabel>(window, "lblLogo")->text(), QStringLiteral("No Logo"));
        QVERIFY(!child<QRadioButton>(window, "rbtnSmallLogo")->isEnabled());
        QVERIFY(window.logoPicture().isNull());
        QVERIFY(QFile::exists(LogoPath()));
        action(window, "actClose")->trigger();
        QVERIFY(!window.isVisible());
        QCOMPARE(prompts->texts("yesnocancel"),
                 (QStringList{"Do you want to remove the current logo?",
                              "Do you want to save changes to Company Information?"}));
        QCOMPARE(QFile::exists(LogoPath()), fileKept);
    }

    void savingWithoutLogoChangesLeavesTheFile()
    {
        QFile::remove(LogoPath());
        const QByteArray marker("not really a picture");
        {
            QFile file(LogoPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(marker);
        }
        TfrmCompanyInfo window(m_state);
        window.show();
        QTest::keyClicks(child(window, "txtCompCity"), QStringLiteral("X"));
        action(window, "actSave")->trigger();
        QFile file(LogoPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), marker);
    }

    void anUnreadablePictureIsReported()
    {
        const QString path = m_pictures.filePath(QStringLiteral("broken.bmp"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("BM broken");
        }
        ScopedPrompts prompts;
        prompts->files.push_back(path);
        TfrmCompanyInfo window(m_state);
        window.show();
        button(window, "btnBrowseForLogo")->click();
        QCOMPARE(prompts->texts("error").size(), 1);
        QVERIFY(prompts->texts("error").at(0).contains(QLatin1String("broken.bmp")));
        QCOMPARE(child<QLabel>(window, "lblLogo")->text(), QStringLiteral("No Logo"));
        QVERIFY(!action(window, "actSave")->isEnabled());
    }

    void allThisColorColoursEveryKind()
    {
        ScopedPrompts prompts;
        prompts->colors.push_back(QColor(10, 20, 30));
        prompts->colors.push_back(std::nullopt);
        TfrmCompanyInfo window(m_state);
        window.show();
        button(window, "btnAllInvTypColor")->click();
        QCOMPARE(child<QLabel>(window, "lblPstDueSample")->palette().color(QPalette::WindowText), QColor(10, 20, 30));
        QCOMPARE(child<ColorSwatch>(window, "shpEstBar")->color(), QColor(10, 20, 30));
        // A cancelled chooser changes nothing.
        button(window, "btnInvColor")->click();
        QCOMPARE(child<ColorSwatch>(window, "shpInvBar")->color(), QColor(10, 20, 30));
        action(window, "actSave")->trigger();

        Connection db = OpenDatabase();
        Statement& row = db.exec(QStringLiteral("SELECT * FROM tblCompColorData WHERE intColorID = 1;"));
        for (int kind = 0; kind < 6; ++kind) {
            QCOMPARE(row.columnInt(1 + kind * 3), 10);
            QCOMPARE(row.columnInt(2 + kind * 3), 20);
            QCOMPARE(row.columnInt(3 + kind * 3), 30);
            QCOMPARE(m_state.companySettings.DocumentColors[std::size_t(kind)], CombineColor(10, 20, 30));
        }
    }

    void savingWritesEveryPageAndRefreshesTheSettings()
    {
        ScopedPrompts prompts;
        prompts->colors = {QColor(1, 2, 3), QColor(4, 5, 6)};
        TfrmCompanyInfo window(m_state);
        window.show();
        child<QLineEdit>(window, "txtCompName")->setText(QStringLiteral("Brush \"Best\" & Sons"));
        child<QLineEdit>(window, "txtCompLicenseName3")->setText(QStringLiteral("County"));
        child<QLineEdit>(window, "txtCompWebAddress")->setText(QStringLiteral("www.brush.example"));
        child<QRadioButton>(window, "RadioGroupTaxOnItem2")->click();
        child<QRadioButton>(window, "rbtnSmallLogo")->setEnabled(true);
        child<QRadioButton>(window, "rbtnSmallLogo")->click();
        child<QPlainTextEdit>(window, "txtFtNote3")->setPlainText(QStringLiteral("Paid is paid"));
        auto* days = child<QSpinBox>(window, "spinEditNumEstDays");
        days->setFocus();
        QTest::keyClick(days, Qt::Key_Down);
        child<QCheckBox>(window, "ckbxShowWorkSheetSQFT")->click();
        child<QCheckBox>(window, "ckbxShowTotalonWOVelmar")->click();
        child<QCheckBox>(window, "ckbxShowWallpaper")->click();
        child<QRadioButton>(window, "rbtn1Year")->click();
        child<QRadioButton>(window, "rbtnMonthPlanner")->click();
        button(window, "btnAcceptanceColor")->click();
        button(window, "btnPriorityColor")->click();
        QVERIFY(action(window, "actSave")->isEnabled());
        action(window, "actSave")->trigger();
        QVERIFY(!action(window, "actSave")->isEnabled());

        CompanySettings reloaded;
        LoadCompanySettings(reloaded);
        for (const CompanySettings* s : {&reloaded, &m_state.companySettings}) {
            QCOMPARE(s->CompanyData.CompName, QStringLiteral("Brush \"Best\" & Sons"));
            QCOMPARE(s->CompanyData.CompLicName3, QStringLiteral("County"));
            QCOMPARE(s->CompanyData.CompWebSite, QStringLiteral("www.brush.example"));
            QCOMPARE(s->CompanyData.CompZip, QStringLiteral("Zip 123456"));
            QCOMPARE(s->InvData.TaxOn, 2);
            QVERIFY(!s->InvData.LargeLogo);
            QCOMPARE(s->InvData.FootNotes[3], QStringLiteral("Paid is paid"));
            QCOMPARE(s->InvData.EstimateValidDays, 29);
            QCOMPARE(s->InvData.DepositPercent, 25);
            QVERIFY(!s->InvData.ShowQuantity);
            QVERIFY(s->InvData.ShowTotalOnWorkOrder);
            QVERIFY(!s->InvData.ShowWallpaper);
            QVERIFY(s->InvData.ShowPriceEach);
            QCOMPARE(s->InvData.TaxRates[1], 0.05);
            QCOMPARE(s->InvData.AcceptanceColor, CombineColor(1, 2, 3));
            QCOMPARE(s->PlannerPriorityColor, CombineColor(4, 5, 6));
            QCOMPARE(s->PlannerWeekendColor, CombineColor(215, 228, 242));
            QCOMPARE(s->PlannerRemoveActivity, 3);
            QCOMPARE(s->PlannerDefaultView, 2);
            QCOMPARE(s->InvData.PaymentTerms[0], QStringLiteral("Due on day of completion"));
        }
        QCOMPARE(m_state.companySettings.PlannerHeaderColor, kSystemButtonFace);
        QCOMPARE(stored(QStringLiteral("strShowQuantity")).toString(), QStringLiteral("0"));
        QCOMPARE(stored(QStringLiteral("strShowTotalonWO")).toString(), QStringLiteral("-1"));
        QCOMPARE(stored(QStringLiteral("intInvNumber")).toString(), QStringLiteral("500"));
    }

    void closingWithUnsavedChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("storedCity");
        QTest::newRow("Cancel keeps the window") << int(PromptAnswer::Cancel) << false << "My City";
        QTest::newRow("No closes unsaved") << int(PromptAnswer::No) << true << "My City";
        QTest::newRow("Yes saves and closes") << int(PromptAnswer::Yes) << true << "My CityX";
    }

    void closingWithUnsavedChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(QString, storedCity);
        ScopedPrompts prompts;
        prompts->answers.push_back(PromptAnswer(answer));
        TfrmCompanyInfo window(m_state);
        window.show();
        QTest::keyClicks(child(window, "txtCompCity"), QStringLiteral("X"));
        action(window, "actClose")->trigger();
        QCOMPARE(window.isVisible(), !closes);
        QCOMPARE(stored(QStringLiteral("strCompCity"), QStringLiteral("tblCompanyInfo")).toString(), storedCity);
        QCOMPARE(m_state.companySettings.CompanyData.CompCity, storedCity);
    }
};

VELMAR_TEST_MAIN(TestCompanyInfo)
#include "tst_companyInfo.moc"
