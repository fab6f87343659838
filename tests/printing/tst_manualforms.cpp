#include "data/Database.h"
#include "documents/DocumentStorage.h"
#include "printing/ManualForms.h"
#include "printing/gui/TfrmManualInvoice.h"
#include "printing/gui/TmodPrintData.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "PrintTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QSpinBox>

namespace {

QString Column(int number, const QString& column)
{
    Connection db = OpenDatabase();
    return db.exec(QStringLiteral("SELECT %1 FROM tblInvHeader WHERE intInvNumber = ?;").arg(column), {number})
        .columnText(0);
}

qint64 Count(const QString& sql)
{
    Connection db = OpenDatabase();
    return db.exec(sql).columnInt(0);
}

void SetCounter(int number)
{
    OpenDatabase().exec(QStringLiteral("UPDATE tblCompanyInvData SET intInvNumber = ? WHERE intCompInvDataID = 1;"),
                        {number});
}

} // namespace

class TestManualForms : public QObject {
    Q_OBJECT

    AppState state;
    QTemporaryDir output;
    int printedJobs = 0;
    TmodPrintData* service = nullptr;

    template <class T>
    static T* Find(QWidget* window, const char* name)
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("missing control %s", name);
        return found;
    }

    std::unique_ptr<QPrinter> FilePrinter()
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(output.filePath(QStringLiteral("job%1.pdf").arg(++printedJobs)));
        return printer;
    }

    QString Job(int n) { return PrintTest::PdfText(output.filePath(QStringLiteral("job%1.pdf").arg(n))); }

private slots:
    void init()
    {
        TestEnvironment::freshDatabase(state);
        printedJobs = 0;
        service = new TmodPrintData(state);
        service->printerProvider = [this] { return FilePrinter(); };
        state.printData = service;
        state.companySettings.InvData.PaymentTerms = {QStringLiteral("Due upon receipt"), QString(),
                                                      QStringLiteral("Net 30")};
        state.companySettings.InvData.FootNotes[2] = QStringLiteral("All work guaranteed\r\nfor one year.");
        SetBlankFormModes(state);
    }

    void cleanup()
    {
        state.printData = nullptr;
        delete service;
        service = nullptr;
    }

    void modesPrepareABlankNewDocument()
    {
        QCOMPARE(state.windowMode, 1);
        QVERIFY(state.currentDocument.Header.IsNew);
        QVERIFY(state.currentDocument.Header.BlankForm);
        QCOMPARE(state.currentDocument.Header.InvNumber, ReadDocumentCounter());
    }

    void windowOpensOnEstimates()
    {
        TfrmManualInvoice window(state);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Print Manual Forms"));
        auto* kinds = Find<QComboBox>(&window, "cmbInvoiceType");
        QCOMPARE(kinds->count(), 6);
        QCOMPARE(kinds->currentText(), QStringLiteral("Estimate"));
        QVERIFY(!kinds->isEditable());
        QCOMPARE(kinds->toolTip(), QStringLiteral("Select Invoice Type"));
        auto* terms = Find<QComboBox>(&window, "cmbPaymentTerms");
        QVERIFY(terms->isEditable());
        QStringList termItems;
        for (int i = 0; i < terms->count(); ++i)
            termItems << terms->itemText(i);
        QCOMPARE(termItems, (QStringList{QStringLiteral("Due upon receipt"), QStringLiteral("Net 30")}));
        QCOMPARE(terms->toolTip(), QStringLiteral("Select a Payment Term"));
        auto* notes = Find<QComboBox>(&window, "cmbFootNotes");
        QCOMPARE(notes->currentText(), QStringLiteral("No Foot Notes"));
        QCOMPARE(notes->count(), 4);
        QCOMPARE(notes->toolTip(), QStringLiteral("Select Invoice Foot Notes"));
        auto* signature = Find<QCheckBox>(&window, "ckbxAddSignatureLine");
        QCOMPARE(signature->text(), QStringLiteral("Add Signature Line"));
        QCOMPARE(signature->toolTip(), QStringLiteral("Add a signature line"));
        QCOMPARE(Find<QLabel>(&window, "lblNumOfInvToPrint")->text(), QStringLiteral("Number of Estimates to print"));
        auto* spin = Find<QSpinBox>(&window, "SpinEditNumOfManualInvToPrint");
        QCOMPARE(spin->toolTip(), QStringLiteral("Select number of Estimates to print"));
        QCOMPARE(spin->value(), 1);
        // The tool tips also name the commands' keys.
        QCOMPARE(Find<QAction>(&window, "tlbarbtnPrint")->statusTip(), QStringLiteral("Print Manual Forms"));
        QCOMPARE(Find<QAction>(&window, "tlbarbtnPrint")->toolTip(),
                 QStringLiteral("Print Manual Forms (") + QKeySequence(QKeySequence::Print).toString(QKeySequence::NativeText) + ')');
        QCOMPARE(Find<QAction>(&window, "tlbtnClose")->statusTip(), QStringLiteral("Close"));
        QCOMPARE(Find<QAction>(&window, "tlbtnClose")->toolTip(),
                 QStringLiteral("Close (") + QKeySequence(QKeySequence::Close).toString(QKeySequence::NativeText) + ')');
    }

    void spinnerStaysWithinOneToTwentyFive()
    {
        TfrmManualInvoice window(state);
        window.show();
        auto* spin = Find<QSpinBox>(&window, "SpinEditNumOfManualInvToPrint");
        QVERIFY(spin->findChild<QLineEdit*>()->isReadOnly());
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_Down);
        QCOMPARE(spin->value(), 1);
        for (int i = 0; i < 30; ++i)
            QTest::keyClick(spin, Qt::Key_Up);
        QCOMPARE(spin->value(), 25);
        QTest::keyClicks(spin, QStringLiteral("3"));
        QCOMPARE(spin->value(), 25);
    }

    void kindChangesLabelAndHint_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("label");
        QTest::newRow("work order") << 1 << "Number of Work Orders to print";
        QTest::newRow("past due") << 5 << "Number of Past Dues to print";
    }
    void kindChangesLabelAndHint()
    {
        QFETCH(int, kind);
        QFETCH(QString, label);
        TfrmManualInvoice window(state);
        window.show();
        Find<QComboBox>(&window, "cmbInvoiceType")->setCurrentIndex(kind);
        QCOMPARE(Find<QLabel>(&window, "lblNumOfInvToPrint")->text(), label);
        QCOMPARE(Find<QSpinBox>(&window, "SpinEditNumOfManualInvToPrint")->toolTip(),
                 QStringLiteral("Select ") + label.mid(0, 1).toLower() + label.mid(1));
    }

    void threeInvoicesAreThreeJobsAndThreeSavedForms()
    {
        SetCounter(1042);
        TfrmManualInvoice window(state);
        window.show();
        Find<QComboBox>(&window, "cmbInvoiceType")->setCurrentIndex(3);
        Find<QComboBox>(&window, "cmbPaymentTerms")->setEditText(QStringLiteral("Half now, half on completion"));
        Find<QSpinBox>(&window, "SpinEditNumOfManualInvToPrint")->setValue(3);
        bool disabledWhilePrinting = false;
        service->printerProvider = [&] {
            disabledWhilePrinting = !Find<QAction>(&window, "tlbarbtnPrint")->isEnabled();
            return FilePrinter();
        };
        ScopedPrompts prompts;
        Find<QAction>(&window, "tlbarbtnPrint")->trigger();
        QVERIFY(prompts->shown.empty());
        QVERIFY(disabledWhilePrinting);
        QVERIFY(Find<QAction>(&window, "tlbarbtnPrint")->isEnabled());
        QVERIFY(window.isVisible());
        QCOMPARE(printedJobs, 3);
        for (int n = 0; n < 3; ++n) {
            const QString text = Job(n + 1);
            QVERIFY2(text.contains(QStringLiteral("Invoice %1").arg(1042 + n)), qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("Date:____/____/________")));
            QVERIFY(text.contains(QStringLiteral("Half now, half on completion")));
            QCOMPARE(Column(1042 + n, QStringLiteral("strInvName")), QStringLiteral("Invoice"));
            QCOMPARE(Column(1042 + n, QStringLiteral("strInvDate")), QStringLiteral("Date:____/____/________"));
            QCOMPARE(Column(1042 + n, QStringLiteral("strCustPymntTerms")), QStringLiteral("Half now, half on completion"));
            QCOMPARE(Column(1042 + n, QStringLiteral("strCustFullName")), QString());
        }
        QCOMPARE(ReadDocumentCounter(), 1045);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvData;")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblReport;")), 0);
    }

    void aBlankFormOfEveryKindIsSaved_data()
    {
        QTest::addColumn<QString>("kind");
        for (const QString& kind : DocumentType::Names())
            QTest::newRow(qPrintable(kind)) << kind;
    }
    void aBlankFormOfEveryKindIsSaved()
    {
        QFETCH(QString, kind);
        const int number = ReadDocumentCounter();
        BlankFormChoice choice{kind, QStringLiteral("Net 30"), 0, true};
        QCOMPARE(PrintBlankForms(state, choice, 1, [this] { return service->pPrint(); }), 1);
        QCOMPARE(Column(number, QStringLiteral("strInvName")), kind);
        QCOMPARE(Column(number, QStringLiteral("strPaidInFull")), QStringLiteral("0"));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblReport;")), 0);
        QCOMPARE(ReadDocumentCounter(), number + 1);
        const QString text = Job(1);
        QVERIFY2(text.contains(kind + QLatin1Char(' ') + QString::number(number)), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Date:____/____/________")));
        QVERIFY(text.contains(kind + QStringLiteral(" Total")));
        QVERIFY2(!text.contains(QLatin1Char('$')), qPrintable(text));
    }

    void withoutAPrinterNothingIsSaved()
    {
        SetCounter(1042);
        service->printerProvider = [] { return std::unique_ptr<QPrinter>(); };
        TfrmManualInvoice window(state);
        window.show();
        Find<QSpinBox>(&window, "SpinEditNumOfManualInvToPrint")->setValue(3);
        ScopedPrompts prompts;
        Find<QAction>(&window, "tlbarbtnPrint")->trigger();
        QCOMPARE(prompts->texts(), QStringList{QStringLiteral("No default printer is set up. Nothing was printed.")});
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader;")), 0);
        QCOMPARE(ReadDocumentCounter(), 1042);
        QVERIFY(Find<QAction>(&window, "tlbarbtnPrint")->isEnabled());
    }

    void aFailedJobEndsTheRunBeforeItsSave()
    {
        SetCounter(1042);
        int calls = 0;
        const BlankFormChoice choice{QStringLiteral("Invoice"), QString(), 0, false};
        QCOMPARE(PrintBlankForms(state, choice, 3, [&] { return ++calls < 2; }), 1);
        QCOMPARE(calls, 2);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM tblInvHeader;")), 1);
        QCOMPARE(ReadDocumentCounter(), 1043);
    }

    void chosenFootNotePrints_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("printed");
        QTest::newRow("foot note 2") << 2 << true;
        QTest::newRow("no foot notes") << 0 << false;
    }
    void chosenFootNotePrints()
    {
        QFETCH(int, choice);
        QFETCH(bool, printed);
        const int number = ReadDocumentCounter();
        TfrmManualInvoice window(state);
        window.show();
        Find<QComboBox>(&window, "cmbFootNotes")->setCurrentIndex(choice);
        Find<QAction>(&window, "tlbarbtnPrint")->trigger();
        QCOMPARE(printedJobs, 1);
        QCOMPARE(Job(1).contains(QStringLiteral("All work guaranteed")), printed);
        QCOMPARE(Column(number, QStringLiteral("intInvFootNotes")), QString::number(choice));
    }
};

VELMAR_TEST_MAIN(TestManualForms)
#include "tst_manualforms.moc"
