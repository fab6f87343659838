#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/Regional.h"
#include "app/gui/Dispatcher.h"
#include "app/gui/TfrmMain.h"
#include "catalogs/CustomerStore.h"
#include "data/Database.h"
#include "documents/DocumentStorage.h"
#include "documents/EditorRules.h"
#include "documents/EditorSession.h"
#include "documents/Totals.h"
#include "documents/gui/TfrmInvoiceVelmar.h"
#include "printing/gui/TmodPrintData.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QAbstractItemView>
#include <QTreeWidget>
#include <memory>
#include <sqlite3.h>

namespace {

template <class T>
T* Find(QWidget* window, const char* name)
{
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

QAction* Command(QWidget* window, const char* name) { return Find<QAction>(window, name); }

QRadioButton* Choice(QWidget* window, const char* group, const QString& caption)
{
    for (QRadioButton* radio : Find<QGroupBox>(window, group)->findChildren<QRadioButton*>()) {
        if (radio->text() == caption)
            return radio;
    }
    qFatal("no choice %s", qPrintable(caption));
    return nullptr;
}

void GiveCustomer(AppState& state)
{
    TrecInvHeader& h = state.currentDocument.Header;
    h.CustCmpnyName = QStringLiteral("Doe \"Painting\" Ltd.");
    h.CustFullName = QStringLiteral("Jane O'Doe");
    h.CustAddress = QStringLiteral("12 Elm Street");
}

WorkSheet PaintedRoom(const QString& name)
{
    WorkSheet sheet = NewWorkSheet(1);
    sheet.WorkSheetName = name;
    sheet.AreaWorkOn = AreaWork::WallsOnly;
    sheet.PaintsCoats = 2;
    sheet.AreaLength = 12;
    sheet.AreaWidth = 10;
    sheet.AreaHeight = 8;
    sheet.Wash = FlagSet;
    sheet.Sand = FlagSet;
    return sheet;
}

// Every stored and computed field of a sheet, for before/after comparisons.
QString Dump(const WorkSheet& s)
{
    return QStringList{s.WorkSheetName, QString::number(s.IntExt), QString::number(s.AreaWorkOn),
                       QString::number(s.PaintsCoats), QString::number(s.TrimCoats), QString::number(s.AreaLength),
                       QString::number(s.AreaWidth), QString::number(s.AreaHeight), QString::number(s.AreaMultiplier),
                       QString::number(s.Prime), QString::number(s.Wash), QString::number(s.Sand),
                       QString::number(s.Caulk), QString::number(s.Mask), QString::number(s.NumOfDoors),
                       QString::number(s.NumOfDoorFrmTrm), QString::number(s.NumOfWindowFrmTrm),
                       QString::number(s.NumOfClosets), QString::number(s.HngWallpaper),
                       QString::number(s.RmvWallpaper), QString::number(s.HngBoarder), QString::number(s.RmvBorder),
                       s.ExtraChargesName, s.ExtraChargesLabor, s.ExtraChargesMaterial, s.AraNotes}
        .join(QLatin1Char('|'));
}

// Presses Tab until the focus is on `target` (or inside it).
bool TabTo(QWidget* target)
{
    for (int i = 0; i < 120; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && (focus == target || target->isAncestorOf(focus)))
            return true;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return false;
}

void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

qint64 Count(const QString& sql)
{
    Connection db = OpenDatabase();
    return db.exec(sql).columnInt(0);
}

} // namespace

class TestEditor : public QObject {
    Q_OBJECT

    AppState m_state;
    std::unique_ptr<TfrmInvoiceVelmar> m_window;

    // Prepares the document as the dispatcher does and shows the editor on it.
    TfrmInvoiceVelmar* open(bool isNew, int number = 0, bool customer = true)
    {
        m_state.currentDocument.Header.InvNumber = number;
        OpenEditorSession(m_state, isNew);
        if (customer && isNew)
            GiveCustomer(m_state);
        m_window = std::make_unique<TfrmInvoiceVelmar>(m_state);
        m_window->show();
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qWarning("the editor did not become active");
        return m_window.get();
    }

    // A saved document with the given sheets; returns its number.
    int saved(const QString& kind, const std::vector<WorkSheet>& sheets)
    {
        CurrentDocument document;
        document.Header.IsNew = true;
        LoadDocument(document, m_state.companySettings);
        document.Header.InvName = kind;
        document.Header.InvDate = QStringLiteral("3/14/2011");
        document.Header.CustFullName = QStringLiteral("Saved Customer");
        document.WorkSheets = sheets;
        ComputeTotals(document, m_state.companySettings);
        SaveDocument(document);
        return document.Header.InvNumber;
    }

    void addSheet(QWidget* w) { Command(w, "actAddWorkSheet")->trigger(); }
    bool saveEnabled(QWidget* w) { return Command(w, "actSave")->isEnabled(); }
    QString required(QWidget* w)
    {
        auto* label = Find<QLabel>(w, "lblRequiredDataLine");
        return label->isVisibleTo(w) ? label->text() : QString();
    }

private slots:
    void init()
    {
        m_window.reset();
        m_state = AppState();
        TestEnvironment::freshDatabase(m_state);
    }

    void cleanup() { m_window.reset(); }

    void aNewDocumentOpensEmptyAndAsksForWhatIsMissing()
    {
        ScopedPrompts prompts;
        TfrmInvoiceVelmar* w = open(true, 0, false);
        auto* kinds = Find<QComboBox>(w, "cmbInvoiceType");
        QCOMPARE(kinds->count(), 6);
        QCOMPARE(kinds->currentText(), QStringLiteral("Estimate"));
        QVERIFY(kinds->isEnabled());
        QCOMPARE(Find<QDateEdit>(w, "dateTimePickerInvoice")->date(), QDate::currentDate());
        QCOMPARE(m_state.currentDocument.Header.InvName, QStringLiteral("Estimate"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Estimate %1").arg(m_state.currentDocument.Header.InvNumber));
        for (const char* name : {"actSave", "actPrint", "actPrintPreview", "actPDF", "actDelete", "actEditPrices"})
            QVERIFY2(!Command(w, name)->isEnabled(), name);
        QCOMPARE(required(w), QStringLiteral("Required Information Needed:\n* Add Customer\n* Add a new Work Sheet\n"
                                             " . . .  Add a new Work Sheet for each Area or Room"));
        QCOMPARE(Find<QPushButton>(w, "btnAddCustomer")->text(), QStringLiteral("* Add Customer"));
        QCOMPARE(Find<QLabel>(w, "lblAddNewWorkSheet")->text(), QStringLiteral("* Add a new Work Sheet"));
        QVERIFY(!Find<QLineEdit>(w, "txtAreaName")->isEnabled());
        QVERIFY(!Find<QTreeWidget>(w, "lstvwWorkSheetName")->isEnabled());
        QCOMPARE(Find<QGroupBox>(w, "grpWorkSheet")->title(), QStringLiteral("Work Sheet Name: None"));
        QCOMPARE(Find<QLabel>(w, "lblTotal")->text(), QStringLiteral("Estimate Total"));
        QCOMPARE(Find<QPushButton>(w, "btnPaidDeposit")->text(), QStringLiteral("Deposit Required"));
        QVERIFY(!Find<QCheckBox>(w, "ckbxRecurring")->isEnabled());
        QVERIFY(prompts->shown.empty());
        QVERIFY(m_state.editorOpen);

        // Without a customer no sheet can be added.
        addSheet(w);
        QCOMPARE(prompts->texts(QStringLiteral("info")), QStringList{QStringLiteral("Please Add a Customer before continuing.")});
        QVERIFY(m_state.currentDocument.WorkSheets.empty());
        QVERIFY(!w->onWorkSheetPage());
    }

    void captionsLimitsRangesAndHints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("discount") << "SpinEditCustDiscount" << "Enter customer Discount Percent" << 0 << 100;
        QTest::newRow("coats") << "SpinEditNumOfPaintCoats" << "Number of Coats of Paint" << 0 << 10;
        QTest::newRow("trim") << "SpinEditNumOfTrimCoats" << "Number of Trim Coats of Paint" << 0 << 10;
        QTest::newRow("doors") << "SpinEditNumOfDoors" << "Select Number of Doors to paint for this Work Sheet" << 0 << 200;
        QTest::newRow("closets") << "SpinEditNumOfClosets" << "Select Number of Closets to paint for this Work Sheet" << 0 << 200;
        QTest::newRow("length") << "SpinEditAreaLength" << "Length of This area" << 0 << 1000;
        QTest::newRow("width") << "SpinEditAreaWidth" << "Width of This area" << 0 << 1000;
        QTest::newRow("height") << "SpinEditAreaHeight" << "Height of This area" << 0 << 500;
        QTest::newRow("multiplier") << "SpinEditAreaMultiplier" << "Number of times to use this Work Sheet" << 1 << 25;
        QTest::newRow("po") << "txtCustPO" << "Enter a PO number for this Customer" << -1 << 25;
        QTest::newRow("exempt number") << "txtcustTaxExemptNumber" << "Enter Customer Tax Exemption Number" << -1 << 25;
        QTest::newRow("name") << "txtAreaName" << "Enter a name for this Work Sheet - Bedroom, Hall, Office ..." << -1 << 20;
        QTest::newRow("labor") << "txtExtraChargesLabor" << "Enter a Labor Extra Charge" << -1 << 9;
        QTest::newRow("material") << "txtExtraChargesMaterial" << "Enter a Material Extra Charge" << -1 << 9;
        QTest::newRow("extra name") << "txtExtraChargesName" << "Enter a description for this Extra Charge" << -1 << 25;
    }

    void captionsLimitsRangesAndHints()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        QFETCH(int, low);
        QFETCH(int, high);
        ScopedPrompts prompts;
        TfrmInvoiceVelmar* w = open(true);
        QWidget* control = w->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->statusTip(), hint);
        if (auto* spin = qobject_cast<QSpinBox*>(control)) {
            QCOMPARE(spin->minimum(), low);
            QCOMPARE(spin->maximum(), high);
            // Arrows only: typing is refused.
            QVERIFY(spin->findChild<QLineEdit*>()->isReadOnly());
        } else {
            QCOMPARE(qobject_cast<QLineEdit*>(control)->maxLength(), high);
        }
    }

    void toolBarCommandsAndShortcuts()
    {
        ScopedPrompts prompts;
        TfrmInvoiceVelmar* w = open(true);
        const QList<QAction*> bar = Find<QWidget>(w, "ToolBarInvoice")->actions();
        QStringList order;
        for (QAction* a : bar)
            order << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
        QCOMPARE(order.join(QLatin1Char(' ')),
                 QStringLiteral("actClose | actSave actDelete actPDF | actPrintPreview actPrint | actEditPrices | actHelp"));
        const std::pair<const char*, const char*> expected[] = {
            {"actSave", "Ctrl+S"}, {"actPrint", "Ctrl+P"}, {"actPrintPreview", "Ctrl+Shift+P"}, {"actHelp", "F1"}};
        for (auto [name, keys] : expected) {
            QAction* a = Command(w, name);
            QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(keys)));
            QVERIFY2(a->toolTip().contains(QString::fromLatin1(keys)), name);
        }
        QCOMPARE(Command(w, "actSave")->statusTip(), QStringLiteral("Save Changes to Invoice"));
        QCOMPARE(Command(w, "actEditPrices")->statusTip(), QStringLiteral("Edit Prices saved with this Invoice"));
    }

    void sheetCompleteness_data()
    {
        QTest::addColumn<QString>("surface");
        QTest::addColumn<int>("coats");
        QTest::addColumn<int>("doors");
        QTest::addColumn<bool>("border");
        QTest::addColumn<QList<int>>("dimensions");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QStringList>("lines");
        const QList<int> none{0, 0, 0};
        QTest::newRow("nothing yet") << "Walls and Ceiling" << 0 << 0 << false << none << false
                                     << QStringList{"* Add Area Work as Needed"};
        QTest::newRow("one door, no dimensions") << "Walls and Ceiling" << 0 << 1 << false << none << true << QStringList{};
        QTest::newRow("two coats on walls need all three")
            << "Walls Only" << 2 << 0 << false << none << false
            << QStringList{"* Area Length", "* Area Width", "* Area Height"};
        QTest::newRow("two coats with a height missing") << "Walls Only" << 2 << 0 << false << QList<int>{12, 10, 0}
                                                         << false << QStringList{"* Area Height"};
        QTest::newRow("two coats measured") << "Walls Only" << 2 << 0 << false << QList<int>{12, 10, 8} << true
                                            << QStringList{};
        QTest::newRow("border on one wall needs its length")
            << "1 Wall Only" << 0 << 0 << true << none << false << QStringList{"* Area Length"};
        QTest::newRow("ceiling needs no height") << "Ceiling Only" << 1 << 0 << false << QList<int>{12, 10, 0} << true
                                                 << QStringList{};
    }

    void sheetCompleteness()
    {
        QFETCH(QString, surface);
        QFETCH(int, coats);
        QFETCH(int, doors);
        QFETCH(bool, border);
        QFETCH(QList<int>, dimensions);
        QFETCH(bool, complete);
        QFETCH(QStringList, lines);
        ScopedPrompts prompts;
        TfrmInvoiceVelmar* w = open(true);
        addSheet(w);
        QVERIFY(w->onWorkSheetPage());
        Choice(w, "RadioGroupAreaWorkOn", surface)->click();
        Find<QSpinBox>(w, "SpinEditNumOfPaintCoats")->setValue(coats);
        Find<QSpinBox>(w, "SpinEditNumOfDoors")->setValue(doors);
        if (border)
            Find<QCheckBox>(w, "ckbxHangBoarder")->click();
        Find<QSpinBox>(w, "SpinEditAreaLength")->setValue(dimensions[0]);
        Find<QSpinBox>(w, "SpinEditAreaWidth")->setValue(dimensions[1]);
        Find<QSpinBox>(w, "SpinEditAreaHeight")->setValue(dimensions[2]);

        QCOMPARE(Find<QPushButton>(w, "btnCompleteWorkSheet")->isEnabled(), complete);
        QCOMPARE(required(w), lines.isEmpty() ? QString() : QStringLiteral("Required Information Needed:\n") + lines.join('\n'));
        if (lines.contains(QStringLiteral("* Area Length")))
            QCOMPARE(Find<QLabel>(w, "lblAreaLength")->text(), QStringLiteral("* Area Length"));
        else
            QCOMPARE(Find<QLabel>(w, "lblAreaLength")->text(), QStringLiteral("Area Length"));
        // The document commands stay off the Work Sheet page.
        QVERIFY(!Command(w, "actSave")->isVisible());

        // Leaving through Complete only when complete; the list then refuses nothing.
        if (complete) {
            Find<QPushButton>(w, "btnCompleteWorkSheet")->click();
            QVERIFY(!w->onWorkSheetPage());
            QVERIFY(Command(w, "actSave")->isVisible());
            QVERIFY(saveEnabled(w));
        }
    }

    void aZeroTotalKeepsSaveAndPrintOff()
    {
        ScopedPrompts prompts;
        TfrmInvoiceVelmar* w = open(true);
        m_state.currentDocument.Prices = PriceTable{};
        addSheet(w);
        Find<QSpinBox>(w, "SpinEditNumOfDoors")->setValue(1);
        Find<QPushButton>(w, "btnCompleteWorkSheet")->click();
        QVERIFY(!w->onWorkSheetPage());
        QCOMPARE(m_state.currentDocument.WorkSheets[0].SheetTotal, 0.0);
        QVERIFY(!saveEnabled(w));
        QVERIFY(!Command(w, "actPrint")->isEnabled());
        QVERIFY(!Command(w, "actPDF")->isEnabled());
        QCOMPARE(required(w), QString());
    }

    void exteriorAndFloorRulesClearTheSheet()
    {
        ScopedPrompts prompts;
        TfrmInvoiceVelmar* w = open(true);
        addSheet(w);
        Find<QSpinBox>(w, "SpinEditNumOfClosets")->setValue(2);
        Find<QSpinBox>(w, "SpinEditAreaHeight")->setValue(9);
        for (const char* name : {"ckbxHangWallpaper", "ckbxRemoveWallpaper", "ckbxHangBoarder", "ckbxRemoveBoarder"})
            Find<QCheckBox>(w, name)->click();
        const WorkSheet& s = m_state.currentDocument.WorkSheets[0];
        QCOMPARE(s.NumOfClosets, 2);
        QCOMPARE(s.HngBoarder, FlagSet);

        Choice(w, "RadioGroupInteriorExterior", QStringLiteral("Exterior"))->click();
        QCOMPARE(s.IntExt, int(IntExt::Exterior));
        QCOMPARE(s.NumOfClosets, 0);
        QCOMPARE(QList<int>({s.HngWallpaper, s.RmvWallpaper, s.HngBoarder, s.RmvBorder}), QList<int>({0, 0, 0, 0}));
        QVERIFY(!Find<QSpinBox>(w, "SpinEditNumOfClosets")->isEnabled());
        QVERIFY(!Find<QCheckBox>(w, "ckbxHangWallpaper")->isEnabled());
        QVERIFY(!Find<QCheckBox>(w, "ckbxHangBoarder")->isChecked());

        // Back to interior: the boxes come back, their values do not.
        Choice(w, "RadioGroupInteriorExterior", QStringLiteral("Interior"))->click();
        QVERIFY(Find<QSpinBox>(w, "SpinEditNumOfClosets")->isEnabled());
        QVERIFY(Find<QCheckBox>(w, "ckbxHangWallpaper")->isEnabled());
        QCOMPARE(s.NumOfClosets, 0);
        QCOMPARE(s.HngWallpaper, 0);

        // Floor Only drops the height and the wallpaper and border work.
        Find<QCheckBox>(w, "ckbxHangWallpaper")->click();
        QCOMPARE(s.HngWallpaper, FlagSet);
        Choice(w, "RadioGroupAreaWorkOn", QStringLiteral("Floor Only"))->click();
        QCOMPARE(s.AreaHeight, 0);
        QCOMPARE(s.HngWallpaper, 0);
        QVERIFY(!Find<QSpinBox>(w, "SpinEditAreaHeight")->isVisibleTo(w));
        QVERIFY(!Find<QCheckBox>(w, "ckbxHangWallpaper")->isEnabled());
        QCOMPARE(Find<QSpinBox>(w, "SpinEditAreaHeight")->value(), 0);
    }

    void showingASheetNeverWritesBackNorEnablesSave()
    {
        ScopedPrompts prompts;
        WorkSheet odd = PaintedRoom(QStringLiteral("Hall"));
        odd.Prime = PrimeChoice::SpotPrime;
        odd.NumOfClosets = 3;
        odd.HngBoarder = 1; // a stored flag other than -1 stays as stored
        odd.ExtraChargesLabor = QStringLiteral("25.5");
        odd.AraNotes = QStringLiteral("Two lines\r\nof notes");
        odd.AreaMultiplier = 3;
        const int number = saved(QStringLiteral("Estimate"), {PaintedRoom(QStringLiteral("Kitchen")), odd});
        TfrmInvoiceVelmar* w = open(false, number);
        QStringList before;
        for (const WorkSheet& s : m_state.currentDocument.WorkSheets)
            before << Dump(s);
        QVERIFY(!saveEnabled(w));

        auto* list = Find<QTreeWidget>(w, "lstvwWorkSheetName");
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("Hall"));
        for (int row : {1, 0, 1}) {
            list->setCurrentItem(list->topLevelItem(row));
            w->lstvwWorkSheetNameClick();
            QVERIFY(w->onWorkSheetPage());
            QCOMPARE(w->currentSheet(), row);
            QVERIFY(!saveEnabled(w));
            Find<QPushButton>(w, "btnCompleteWorkSheet")->click();
        }
        QCOMPARE(Find<QComboBox>(w, "cmbxPrime")->currentText(), QStringLiteral("Spot Prime"));
        QCOMPARE(Find<QPlainTextEdit>(w, "txtAreaNotes")->toPlainText(), QStringLiteral("Two lines\nof notes"));
        QStringList after;
        for (const WorkSheet& s : m_state.currentDocument.WorkSheets)
            after << Dump(s);
        QCOMPARE(after, before);
        QVERIFY(prompts->shown.empty());
    }

    void anIncompleteSheetCannotBeLeftThroughTheList()
    {
        ScopedPrompts prompts;
        // A document stored with its first sheet still without any work.
        WorkSheet empty = NewWorkSheet(1);
        empty.WorkSheetName = QStringLiteral("Kitchen");
        const int number = saved(QStringLiteral("Estimate"), {empty, PaintedRoom(QStringLiteral("Den"))});
        TfrmInvoiceVelmar* w = open(false, number);
        auto* list = Find<QTreeWidget>(w, "lstvwWorkSheetName");
        list->setCurrentItem(list->topLevelItem(1));
        w->lstvwWorkSheetNameClick();
        QCOMPARE(prompts->texts(QStringLiteral("info")),
                 QStringList{QStringLiteral("Kitchen is not complete. \nPlease add needed area work.")});
        QVERIFY(!w->onWorkSheetPage());
        QCOMPARE(w->currentSheet(), 0);
        QVERIFY(list->selectedItems().isEmpty());
    }

    void savingKeepsTheSheetAndRefillsTheHeader()
    {
        ScopedPrompts prompts;
        TfrmInvoiceVelmar* w = open(true);
        const int number = m_state.currentDocument.Header.InvNumber;
        addSheet(w);
        Find<QLineEdit>(w, "txtAreaName")->setText(QStringLiteral("Kitchen"));
        Find<QCheckBox>(w, "ckbxWash")->click();
        Find<QCheckBox>(w, "ckbxMask")->click();
        Find<QSpinBox>(w, "SpinEditAreaLength")->setValue(12);
        Find<QSpinBox>(w, "SpinEditAreaWidth")->setValue(10);
        Find<QSpinBox>(w, "SpinEditAreaHeight")->setValue(8);
        Find<QPushButton>(w, "btnCompleteWorkSheet")->click();
        Find<QComboBox>(w, "cmbInvoiceType")->setCurrentText(QStringLiteral("Work Order"));
        QVERIFY(saveEnabled(w));
        Command(w, "actSave")->trigger();
        QVERIFY(prompts->texts(QStringLiteral("error")).isEmpty());
        QVERIFY(!saveEnabled(w));
        QVERIFY(!m_state.currentDocument.Header.IsNew);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvData WHERE intInvNumber = %1").arg(number)), 1);
        QCOMPARE(ReadDocumentCounter(), number + 1);
        QVERIFY(Command(w, "actDelete")->isEnabled());
        QVERIFY(Command(w, "actEditPrices")->isEnabled());
        auto* kinds = Find<QComboBox>(w, "cmbInvoiceType");
        QCOMPARE(kinds->count(), 3);
        QCOMPARE(kinds->currentText(), QStringLiteral("Work Order"));
        QCOMPARE(m_state.currentDocument.SavedData.InvName, QStringLiteral("Work Order"));

        auto* prime = Find<QComboBox>(w, "cmbxPrime");
        QCOMPARE(prime->count(), 3);
        QVERIFY(Find<QCheckBox>(w, "ckbxWash")->isChecked());
        QVERIFY(Find<QCheckBox>(w, "ckbxMask")->isChecked());
        QCOMPARE(m_state.currentDocument.WorkSheets[0].Wash, FlagSet);
    }

    void taxExemptRemovesTheTaxes()
    {
        ScopedPrompts prompts;
        m_state.companySettings.InvData.TaxRates = {0.05, 0.02, 0};
        m_state.companySettings.InvData.TaxNames = {QStringLiteral("State"), QStringLiteral("City"), QString()};
        TfrmInvoiceVelmar* w = open(true);
        auto* tax1 = Find<QCheckBox>(w, "ckbxTaxOption1");
        auto* tax3 = Find<QCheckBox>(w, "ckbxTaxOption3");
        QCOMPARE(tax1->text(), QStringLiteral("State"));
        QCOMPARE(tax3->text(), QStringLiteral("Tax Option 3"));
        QVERIFY(!tax3->isEnabled());
        addSheet(w);
        Find<QSpinBox>(w, "SpinEditNumOfDoors")->setValue(2);
        Find<QPushButton>(w, "btnCompleteWorkSheet")->click();
        tax1->click();
        Find<QCheckBox>(w, "ckbxTaxOption2")->click();
        QVERIFY(m_state.currentDocument.Totals.TaxTotal() > 0);
        QVERIFY(Find<QLineEdit>(w, "txtInvoiceTaxTotal")->text() != Regional::CurrencyText(0));

        Find<QCheckBox>(w, "ckbxTaxExempt")->click();
        QVERIFY(!tax1->isChecked());
        QVERIFY(!Find<QCheckBox>(w, "ckbxTaxOption2")->isChecked());
        const TrecInvHeader& h = m_state.currentDocument.Header;
        QVERIFY(h.CustTaxExempt);
        QVERIFY(!h.UseTax1 && !h.UseTax2 && !h.UseTax3);
        QCOMPARE(m_state.currentDocument.Totals.TaxTotal(), 0.0);
        QCOMPARE(Find<QLineEdit>(w, "txtInvoiceTaxTotal")->text(), Regional::CurrencyText(0));
    }

    void changedRatesAreAskedAboutOnce_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }

    void changedRatesAreAskedAboutOnce()
    {
        QFETCH(bool, accept);
        ScopedPrompts prompts;
        const int number = saved(QStringLiteral("Invoice"), {PaintedRoom(QStringLiteral("Kitchen"))});
        const double savedRate = m_state.companySettings.InvData.TaxRates[0];
        const double currentRate = savedRate + 0.0125;
        m_state.companySettings.InvData.TaxRates[0] = currentRate;
        prompts->answers.push_back(accept ? PromptAnswer::Yes : PromptAnswer::No);
        TfrmInvoiceVelmar* w = open(false, number);
        QCOMPARE(prompts->texts(QStringLiteral("yesno")),
                 QStringList{QStringLiteral("Saved Tax Rates for Invoice %1 are different than current Tax Rates, "
                                            "Do you want to update to current Tax Rates?").arg(number)});
        QCOMPARE(saveEnabled(w), accept);
        QCOMPARE(m_state.currentDocument.Header.TaxRate1, accept ? currentRate : savedRate);
        QVERIFY(!Find<QComboBox>(w, "cmbInvoiceType")->isEnabled());
    }

    void theSeventiethSheetIsTheLast()
    {
        ScopedPrompts prompts;
        TfrmInvoiceVelmar* w = open(true);
        m_state.currentDocument.WorkSheets.assign(MaxWorkSheets - 1, PaintedRoom(QStringLiteral("Room")));
        addSheet(w);
        QCOMPARE(int(m_state.currentDocument.WorkSheets.size()), MaxWorkSheets);
        QCOMPARE(m_state.currentDocument.WorkSheets.back().WorkSheetName, QStringLiteral("Work Sheet 70"));
        QCOMPARE(w->currentSheet(), MaxWorkSheets - 1);
        QCOMPARE(Find<QTreeWidget>(w, "lstvwWorkSheetName")->topLevelItemCount(), MaxWorkSheets);
        Find<QSpinBox>(w, "SpinEditNumOfDoors")->setValue(1);
        Find<QPushButton>(w, "btnCompleteWorkSheet")->click();
        addSheet(w);
        QCOMPARE(prompts->texts(QStringLiteral("info")), QStringList{QStringLiteral("Maximum number of Work Sheets are in use")});
        QCOMPARE(int(m_state.currentDocument.WorkSheets.size()), MaxWorkSheets);
        QVERIFY(!w->onWorkSheetPage());
    }

    void removingTheLastSheetEmptiesThePage()
    {
        ScopedPrompts prompts;
        TfrmInvoiceVelmar* w = open(true);
        addSheet(w);
        Find<QLineEdit>(w, "txtAreaName")->setText(QStringLiteral("Den"));
        prompts->answers = {PromptAnswer::Cancel, PromptAnswer::Yes};
        Command(w, "actRemoveWorkSheet")->trigger();
        QCOMPARE(m_state.currentDocument.WorkSheets.size(), size_t(1));
        QVERIFY(w->onWorkSheetPage());
        Command(w, "actRemoveWorkSheet")->trigger();
        const QString question = QStringLiteral("Remove Work Sheet Den from Estimate %1?").arg(m_state.currentDocument.Header.InvNumber);
        QCOMPARE(prompts->texts(QStringLiteral("yesnocancel")), QStringList({question, question}));
        QVERIFY(m_state.currentDocument.WorkSheets.empty());
        QVERIFY(!w->onWorkSheetPage());
        QCOMPARE(Find<QLineEdit>(w, "txtAreaName")->text(), QString());
        QVERIFY(!Find<QLineEdit>(w, "txtAreaName")->isEnabled());
        QCOMPARE(Find<QTreeWidget>(w, "lstvwWorkSheetName")->topLevelItemCount(), 0);
        QVERIFY(required(w).contains(QStringLiteral("* Add a new Work Sheet")));
    }

    void pdfDialogProposesKindTwoBlanksAndNumber()
    {
        ScopedPrompts prompts;
        const int number = saved(QStringLiteral("Invoice"), {PaintedRoom(QStringLiteral("Kitchen"))});
        TfrmInvoiceVelmar* w = open(false, number);
        TmodPrintData printData(m_state);
        m_state.printData = &printData;
        const auto noPrintData = qScopeGuard([this] { m_state.printData = nullptr; });
        // Enabled by a change; nothing is written when the chooser is cancelled.
        Find<QLineEdit>(w, "txtCustPO")->setText(QStringLiteral("PO-1"));
        QVERIFY(Command(w, "actPDF")->isEnabled());
        prompts->files.push_back(QString());
        Command(w, "actPDF")->trigger();
        QCOMPARE(prompts->texts(QStringLiteral("save")),
                 QStringList{QStringLiteral("Save Invoice  %1 as .pdf Document").arg(number)});
        QCOMPARE(PdfProposedName(m_state.currentDocument.Header), QStringLiteral("Invoice  %1").arg(number));
    }

    void closingAsksAboutUnsavedChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("stored");
        QTest::newRow("cancel stays") << int(PromptAnswer::Cancel) << false << false;
        QTest::newRow("no drops") << int(PromptAnswer::No) << true << false;
        QTest::newRow("yes saves") << int(PromptAnswer::Yes) << true << true;
    }

    void closingAsksAboutUnsavedChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, stored);
        ScopedPrompts prompts;
        const int number = saved(QStringLiteral("Estimate"), {PaintedRoom(QStringLiteral("Kitchen"))});
        TfrmInvoiceVelmar* w = open(false, number);
        Find<QLineEdit>(w, "txtCustPO")->setText(QStringLiteral("PO \"7\""));
        prompts->answers.push_back(PromptAnswer(answer));
        QTest::keyClick(w, Qt::Key_Escape);
        QCOMPARE(prompts->texts(QStringLiteral("yesnocancel")),
                 QStringList{QStringLiteral("Save changes to Estimate %1?").arg(number)});
        QCOMPARE(w->isVisible(), !closed);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader WHERE strCustPONumber = 'PO \"7\"'")),
                 qint64(stored ? 1 : 0));
    }

    void closingOnAnIncompleteSheetOffersToResume_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::newRow("yes resumes") << int(PromptAnswer::Yes) << false;
        QTest::newRow("cancel resumes") << int(PromptAnswer::Cancel) << false;
        QTest::newRow("no closes") << int(PromptAnswer::No) << true;
    }

    void closingOnAnIncompleteSheetOffersToResume()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        ScopedPrompts prompts;
        TfrmInvoiceVelmar* w = open(true);
        addSheet(w);
        prompts->answers.push_back(PromptAnswer(answer));
        Command(w, "actClose")->trigger();
        const QString name = QStringLiteral("Estimate %1").arg(m_state.currentDocument.Header.InvNumber);
        QCOMPARE(prompts->texts(QStringLiteral("yesnocancel")),
                 QStringList{name + QStringLiteral(" is not complete. To save changes click cancel and complete Work Sheet.\n"
                                                   "Do you want to resume working on ") + name + QStringLiteral("?")});
        QCOMPARE(w->isVisible(), !closed);
    }

    void aFailedSaveKeepsEverythingInMemory()
    {
        ScopedPrompts prompts;
        TfrmInvoiceVelmar* w = open(true);
        addSheet(w);
        Find<QSpinBox>(w, "SpinEditNumOfDoors")->setValue(3);
        Find<QPushButton>(w, "btnCompleteWorkSheet")->click();
        const int counter = ReadDocumentCounter();
        const QString sheetBefore = Dump(m_state.currentDocument.WorkSheets[0]);

        // Another program holds the database locked.
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(DatabasePath().toUtf8().constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
        QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
        sqlite3_exec(other, "ROLLBACK;", nullptr, nullptr, nullptr);
        sqlite3_close(other);

        QCOMPARE(prompts->texts(QStringLiteral("error")).size(), 1);
        QVERIFY(w->isVisible());
        QVERIFY(saveEnabled(w));
        QVERIFY(m_state.currentDocument.Header.IsNew);
        QCOMPARE(Dump(m_state.currentDocument.WorkSheets[0]), sheetBefore);
        QCOMPARE(ReadDocumentCounter(), counter);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader")), qint64(0));

        // Once the lock is gone the same document saves.
        QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader")), qint64(1));
        QVERIFY(!saveEnabled(w));
    }

    void paidInFullTurnsRecurringOff()
    {
        ScopedPrompts prompts;
        TfrmInvoiceVelmar* w = open(true);
        Find<QComboBox>(w, "cmbInvoiceType")->setCurrentText(QStringLiteral("Invoice"));
        auto* recurring = Find<QCheckBox>(w, "ckbxRecurring");
        QVERIFY(recurring->isEnabled());
        recurring->click();
        QVERIFY(m_state.currentDocument.Header.Recurring);
        QCOMPARE(Find<QPushButton>(w, "btnPaidDeposit")->text(), QStringLiteral("Amount Paid"));
        m_state.currentDocument.Header.PaidInFull = true;
        w->pChangeData();
        QCOMPARE(prompts->texts(QStringLiteral("info")), QStringList{QStringLiteral("Invoice can not be Paid In Full and Recurring")});
        QVERIFY(!recurring->isChecked());
        QVERIFY(!recurring->isEnabled());
        QVERIFY(!m_state.currentDocument.Header.Recurring);
    }

    void printOptionsNeverEnableSave()
    {
        ScopedPrompts prompts;
        const int number = saved(QStringLiteral("Estimate"), {PaintedRoom(QStringLiteral("Kitchen"))});
        TfrmInvoiceVelmar* w = open(false, number);
        Find<QCheckBox>(w, "ckbxPrintContract")->click();
        Find<QCheckBox>(w, "ckbxAddSignatureLine")->click();
        QVERIFY(m_state.currentDocument.Header.PrintContract);
        QVERIFY(m_state.currentDocument.Header.AddSignatureLine);
        QVERIFY(!m_state.currentDocument.Header.PrintWarranty);
        QVERIFY(!saveEnabled(w));
    }

    void deleteAsksAndRemovesTheDocument()
    {
        ScopedPrompts prompts;
        const int number = saved(QStringLiteral("Work Order"), {PaintedRoom(QStringLiteral("Kitchen"))});
        TfrmInvoiceVelmar* w = open(false, number);
        prompts->answers = {PromptAnswer::No, PromptAnswer::Yes};
        Command(w, "actDelete")->trigger();
        QVERIFY(w->isVisible());
        Command(w, "actDelete")->trigger();
        const QString question = QStringLiteral("Delete Work Order %1?").arg(number);
        QCOMPARE(prompts->texts(QStringLiteral("yesnocancel")), QStringList({question, question}));
        QVERIFY(!w->isVisible());
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader")), qint64(0));
    }

    void anEstimateTypedWithTheKeyboardAlone()
    {
        ScopedPrompts prompts;
        TrecCustomer customer;
        customer.FirstName = QStringLiteral("Ada");
        customer.LastName = QStringLiteral("Brook");
        customer.Address = QStringLiteral("4 Mill Lane");
        OpenDatabase().exec(QStringLiteral("DELETE FROM tblCustomers;")); // the seeded customer would list first
        SaveCustomer(customer);
        TfrmInvoiceVelmar* w = open(true, 0, false);
        const int number = m_state.currentDocument.Header.InvNumber;
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(w, "btnAddCustomer"));

        // The customer: Space opens the picker, Down and Enter pick the first row.
        QTimer::singleShot(0, [] {
            QWidget* picker = QApplication::activeModalWidget();
            QVERIFY(picker && picker->objectName() == QStringLiteral("frmCustomer"));
            QWidget* list = picker->findChild<QWidget*>(QStringLiteral("lstvCustomers"));
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
        });
        Press(Qt::Key_Space);
        QCOMPARE(m_state.currentDocument.Header.CustFullName, QStringLiteral("Ada Brook"));
        QCOMPARE(Find<QPushButton>(w, "btnAddCustomer")->text(), QStringLiteral("Change Customer"));
        // The keyboard is back in the editor once the picker has closed.
        QTRY_COMPARE(QApplication::activeWindow(), w);

        // First sheet: a name and one door on the Add-ons tab.
        QVERIFY(TabTo(Find<QWidget>(w, "btnAddWorkSheet")));
        Press(Qt::Key_Space);
        QVERIFY(w->onWorkSheetPage());
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(w, "txtAreaName"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Kitchen"));
        QVERIFY(TabTo(Find<QTabWidget>(w, "PageControlWorkOptions")));
        Press(Qt::Key_Right);
        QVERIFY(TabTo(Find<QWidget>(w, "SpinEditNumOfDoors")));
        Press(Qt::Key_Up);
        QVERIFY(TabTo(Find<QWidget>(w, "btnCompleteWorkSheet")));
        Press(Qt::Key_Space);
        QVERIFY(!w->onWorkSheetPage());

        // Second sheet: two coats on walls and ceiling, measured with the arrow keys.
        QVERIFY(TabTo(Find<QWidget>(w, "btnAddWorkSheet")));
        Press(Qt::Key_Space);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Hall"));
        QVERIFY(TabTo(Find<QWidget>(w, "SpinEditNumOfPaintCoats")));
        Press(Qt::Key_Up, Qt::NoModifier, 2);
        QVERIFY(TabTo(Find<QWidget>(w, "SpinEditAreaLength")));
        Press(Qt::Key_PageUp);
        Press(Qt::Key_Up, Qt::NoModifier, 2);
        QVERIFY(TabTo(Find<QWidget>(w, "SpinEditAreaWidth")));
        Press(Qt::Key_PageUp);
        QVERIFY(TabTo(Find<QWidget>(w, "SpinEditAreaHeight")));
        Press(Qt::Key_Up, Qt::NoModifier, 8);
        QVERIFY(TabTo(Find<QWidget>(w, "btnCompleteWorkSheet")));
        Press(Qt::Key_Space);
        QVERIFY(!w->onWorkSheetPage());

        // Enter in the list opens the selected sheet.
        QVERIFY(TabTo(Find<QWidget>(w, "lstvwWorkSheetName")));
        Press(Qt::Key_Home);
        Press(Qt::Key_Return);
        QVERIFY(w->onWorkSheetPage());
        QCOMPARE(w->currentSheet(), 0);
        QCOMPARE(Find<QLineEdit>(w, "txtAreaName")->text(), QStringLiteral("Kitchen"));
        QVERIFY(TabTo(Find<QWidget>(w, "btnCompleteWorkSheet")));
        Press(Qt::Key_Space);

        Press(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(prompts->shown.empty());
        const auto& sheets = m_state.currentDocument.WorkSheets;
        QCOMPARE(sheets.size(), size_t(2));
        QCOMPARE(sheets[0].NumOfDoors, 1);
        QCOMPARE(QList<int>({sheets[1].PaintsCoats, sheets[1].AreaLength, sheets[1].AreaWidth, sheets[1].AreaHeight}),
                 QList<int>({2, 12, 10, 8}));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvData WHERE intInvNumber = %1").arg(number)), qint64(2));
        QVERIFY(!saveEnabled(w));
        Press(Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }

    void newInvoiceOpensTheEditorAndRefreshesPrintRecurring()
    {
        ScopedPrompts prompts;
        TfrmMain main(m_state);
        main.setRecurringRun([] {});
        main.show();
        auto* printRecurring = main.findChild<QPushButton*>(QStringLiteral("btnPrintRecurring"));
        QVERIFY(!printRecurring->isEnabled());
        TrecCustomer customer;
        customer.Company = QStringLiteral("Brook & Sons");
        OpenDatabase().exec(QStringLiteral("DELETE FROM tblCustomers;")); // the seeded customer would list first
        SaveCustomer(customer);
        bool seenOpen = false;
        QTimer::singleShot(0, [&] {
            auto* editor = qobject_cast<TfrmInvoiceVelmar*>(QApplication::activeModalWidget());
            if (!editor)
                return;
            seenOpen = m_state.editorOpen && m_state.windowMode == 1 && m_state.currentDocument.Header.IsNew;
            // The customer is picked in the customer window, which keeps WindowMode 1.
            QTimer::singleShot(0, [&] {
                QWidget* picker = QApplication::activeModalWidget();
                if (!picker || m_state.windowMode != 1)
                    return;
                auto* list = picker->findChild<QAbstractItemView*>(QStringLiteral("lstvCustomers"));
                list->setCurrentIndex(list->model()->index(0, 0));
                QTest::keyClick(list, Qt::Key_Return);
            });
            Command(editor, "actAddCustomer")->trigger();
            // A recurring invoice is saved while the editor is open.
            Find<QComboBox>(editor, "cmbInvoiceType")->setCurrentText(QStringLiteral("Invoice"));
            Find<QCheckBox>(editor, "ckbxRecurring")->click();
            Command(editor, "actAddWorkSheet")->trigger();
            Find<QSpinBox>(editor, "SpinEditNumOfDoors")->setValue(1);
            Find<QPushButton>(editor, "btnCompleteWorkSheet")->click();
            Command(editor, "actSave")->trigger();
            editor->close();
        });
        main.findChild<QAction*>(QStringLiteral("actNewInvoice"))->trigger();
        QVERIFY(seenOpen);
        QCOMPARE(m_state.currentDocument.Header.CustCmpnyName, QStringLiteral("Brook & Sons"));
        QVERIFY(!m_state.currentDocument.Header.IsNew);
        QVERIFY(!m_state.editorOpen);
        QVERIFY(printRecurring->isEnabled());
    }

    void theDispatcherOpensAndClosesTheSession()
    {
        ScopedPrompts prompts;
        const int number = saved(QStringLiteral("Estimate"), {PaintedRoom(QStringLiteral("Kitchen"))});
        m_state.windowMode = 3;
        m_state.currentDocument.Header.InvNumber = number;
        struct Seen {
            QString window;
            int mode = 0;
            bool editorOpen = false;
            int sheets = -1;
        } seen;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            seen = {modal->objectName(), m_state.windowMode, m_state.editorOpen,
                    int(m_state.currentDocument.WorkSheets.size())};
            modal->close();
        });
        Dispatcher::ShowInvoiceEditor(m_state, nullptr, false);
        QCOMPARE(seen.window, QStringLiteral("frmInvoiceVelmar"));
        QCOMPARE(seen.mode, 1);
        QVERIFY(seen.editorOpen);
        QCOMPARE(seen.sheets, 1);
        QVERIFY(!m_state.editorOpen);
        QVERIFY(!m_state.currentDocument.Header.BlankForm);

        // A number without a document: the error is shown and the session ends.
        m_state.currentDocument.Header.InvNumber = 999999;
        Dispatcher::ShowInvoiceEditor(m_state, nullptr, false);
        QCOMPARE(prompts->texts(QStringLiteral("error")).size(), 1);
        QVERIFY(!m_state.editorOpen);
    }
};

VELMAR_TEST_MAIN(TestEditor)
#include "tst_editor.moc"
