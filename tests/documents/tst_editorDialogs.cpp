#include "app/AppState.h"
#include "app/Regional.h"
#include "documents/DocumentStorage.h"
#include "documents/EditorSession.h"
#include "documents/Totals.h"
#include "documents/gui/TfrmInvoiceNotes.h"
#include "documents/gui/TfrmInvoiceVelmar.h"
#include "documents/gui/TfrmPaidAndDeposit.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {

template <class T>
T* Find(QWidget* window, const char* name)
{
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

bool OkShown(QWidget* dialog) { return Find<QAction>(dialog, "tlbtnOK")->isVisible(); }

} // namespace

// The payment, deposit and notes dialogs of the document editor.
class TestEditorDialogs : public QObject {
    Q_OBJECT

    AppState m_state;

    void document(const QString& kind, double total)
    {
        TrecInvHeader& h = m_state.currentDocument.Header;
        h = TrecInvHeader();
        h.InvName = kind;
        h.InvNumber = 1042;
        h.TotalAmount = total;
    }

private slots:
    void init()
    {
        m_state = AppState();
        TestEnvironment::freshDatabase(m_state);
        m_state.companySettings.InvData.DepositPercent = 25;
    }

    void paymentDialogFollowsTheKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("deposit");
        for (const char* kind : {"Estimate", "Work Order", "Change Order"})
            QTest::newRow(kind) << QString::fromLatin1(kind) << true;
        for (const char* kind : {"Invoice", "Credit", "Past Due"})
            QTest::newRow(kind) << QString::fromLatin1(kind) << false;
    }

    void paymentDialogFollowsTheKind()
    {
        QFETCH(QString, kind);
        QFETCH(bool, deposit);
        document(kind, 1000);
        TfrmPaidAndDeposit dialog(m_state);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), deposit ? QStringLiteral("Deposit Amount") : QStringLiteral("Amount Paid"));
        QCOMPARE(Find<QLineEdit>(&dialog, "txtRecDepositAmount")->isVisible(), deposit);
        QCOMPARE(Find<QLabel>(&dialog, "lblRecDepositAmount")->isVisible(), deposit);
        QCOMPARE(Find<QCheckBox>(&dialog, "ckbxPaidInFull")->isVisible(), !deposit);
        QCOMPARE(Find<QLabel>(&dialog, "lblPaidAndDeposit")->text(),
                 deposit ? QStringLiteral("Deposit Amount required") : QStringLiteral("Amount Paid"));
        QCOMPARE(Find<QLineEdit>(&dialog, "txtPaidAndDeposit")->statusTip(),
                 deposit ? QStringLiteral("Enter Deposit Amount required") : QStringLiteral("Enter Amount Paid"));
        QCOMPARE(Find<QLineEdit>(&dialog, "txtRecDepositAmount")->statusTip(), kind + " Recommended deposit amount");
        QCOMPARE(Find<QLabel>(&dialog, "lblInvTotal")->text(), kind + " Total");
        QCOMPARE(Find<QLineEdit>(&dialog, "txtInvTotal")->text(), QStringLiteral("$1,000.00"));
        QCOMPARE(Find<QLineEdit>(&dialog, "txtRecDepositAmount")->text(), QStringLiteral("$250.00"));
        QCOMPARE(Find<QLineEdit>(&dialog, "txtPaidAndDeposit")->text(), QStringLiteral("0"));
        QCOMPARE(Find<QLineEdit>(&dialog, "txtPaidAndDeposit")->maxLength(), 9);
        QVERIFY(!OkShown(&dialog));
        QCOMPARE(Find<QAction>(&dialog, "tlbtnOK")->statusTip(), QStringLiteral("Accept Changes"));
        QCOMPARE(Find<QAction>(&dialog, "tlbtnCancel")->statusTip(), QStringLiteral("Cancel Changes"));
    }

    void amountsAndPaidInFull_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("before");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("okAfterTyping");
        QTest::addColumn<bool>("clickPaidInFull");
        QTest::addColumn<bool>("okAtEnd");
        QTest::addColumn<double>("stored");
        QTest::newRow("deposit typed") << "Estimate" << 0.0 << "0" << "300" << true << false << true << 300.0;
        QTest::newRow("payment with decimals") << "Invoice" << 12.5 << "12.5" << "400.25" << true << false << true << 400.25;
        QTest::newRow("emptied hides OK") << "Invoice" << 12.5 << "12.5" << "" << false << false << false << 12.5;
        QTest::newRow("emptied then paid in full stores 0") << "Invoice" << 12.5 << "12.5" << "" << false << true << true << 0.0;
        QTest::newRow("lone separator never shows OK") << "Credit" << 0.0 << "0" << "." << false << true << false << 0.0;
        QTest::newRow("tiny amount shown plainly") << "Past Due" << 0.00001 << "0.00001" << "5" << true << false << true << 5.0;
    }

    void amountsAndPaidInFull()
    {
        QFETCH(QString, kind);
        QFETCH(double, before);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(bool, okAfterTyping);
        QFETCH(bool, clickPaidInFull);
        QFETCH(bool, okAtEnd);
        QFETCH(double, stored);
        document(kind, 1000);
        const bool deposit = DocumentType::IsDepositKind(kind);
        (deposit ? m_state.currentDocument.Header.DepositAmount : m_state.currentDocument.Header.PaidAmount) = before;
        TfrmPaidAndDeposit dialog(m_state);
        dialog.show();
        auto* amount = Find<QLineEdit>(&dialog, "txtPaidAndDeposit");
        QCOMPARE(amount->text(), shown);
        amount->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(amount, Qt::Key_Backspace);
        else
            QTest::keyClicks(amount, typed);
        QCOMPARE(amount->text(), typed);
        QCOMPARE(OkShown(&dialog), okAfterTyping);
        if (clickPaidInFull)
            Find<QCheckBox>(&dialog, "ckbxPaidInFull")->click();
        QCOMPARE(OkShown(&dialog), okAtEnd);
        if (!okAtEnd)
            return;
        Find<QAction>(&dialog, "tlbtnOK")->trigger();
        const TrecInvHeader& h = m_state.currentDocument.Header;
        QCOMPARE(deposit ? h.DepositAmount : h.PaidAmount, stored);
        QCOMPARE(h.PaidInFull, clickPaidInFull);
        QVERIFY(m_state.dataChanged);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void cancelChangesNothing()
    {
        document(QStringLiteral("Invoice"), 1000);
        m_state.currentDocument.Header.PaidAmount = 10;
        TfrmPaidAndDeposit dialog(m_state);
        dialog.show();
        QTest::keyClicks(Find<QLineEdit>(&dialog, "txtPaidAndDeposit"), QStringLiteral("99"));
        Find<QCheckBox>(&dialog, "ckbxPaidInFull")->click();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(m_state.currentDocument.Header.PaidAmount, 10.0);
        QVERIFY(!m_state.currentDocument.Header.PaidInFull);
        QVERIFY(!m_state.dataChanged);
    }

    void notesKeepTheirLinesAndStoreCrLf()
    {
        document(QStringLiteral("Estimate"), 0);
        m_state.currentDocument.Notes = QStringLiteral("First paragraph.\r\nSecond one.");
        {
            TfrmInvoiceNotes dialog(m_state);
            dialog.show();
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Estimate 1042 Notes"));
            QCOMPARE(Find<QAction>(&dialog, "tlbtnOK")->statusTip(), QStringLiteral("Add notes to Estimate 1042"));
            auto* text = Find<QPlainTextEdit>(&dialog, "txtInvoiceNotes");
            QCOMPARE(text->toPlainText(), QStringLiteral("First paragraph.\nSecond one."));
            QCOMPARE(text->font().pixelSize(), 13);
            QVERIFY(!OkShown(&dialog));
            // Cancel keeps the stored text byte for byte.
            QTest::keyClicks(text, QStringLiteral(" More"));
            QVERIFY(OkShown(&dialog));
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QCOMPARE(m_state.currentDocument.Notes, QStringLiteral("First paragraph.\r\nSecond one."));
            QVERIFY(!m_state.dataChanged);
        }
        TfrmInvoiceNotes dialog(m_state);
        dialog.show();
        // Shortcuts reach only the active window.
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* text = Find<QPlainTextEdit>(&dialog, "txtInvoiceNotes");
        text->moveCursor(QTextCursor::End);
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("Third \"quoted\" line."));
        QTest::keyClick(text, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(m_state.currentDocument.Notes,
                 QStringLiteral("First paragraph.\r\nSecond one.\r\nThird \"quoted\" line."));
        QVERIFY(m_state.dataChanged);
        QVERIFY(!dialog.isVisible());
    }

    void theEditorPicksUpWhatTheDialogChanged()
    {
        ScopedPrompts prompts;
        OpenEditorSession(m_state, true);
        m_state.currentDocument.Header.CustFullName = QStringLiteral("Jane Doe");
        TfrmInvoiceVelmar editor(m_state);
        editor.show();
        editor.findChild<QAction*>(QStringLiteral("actAddWorkSheet"))->trigger();
        Find<QSpinBox>(&editor, "SpinEditNumOfDoors")->setValue(4);
        Find<QPushButton>(&editor, "btnCompleteWorkSheet")->click();
        Find<QAction>(&editor, "actSave")->trigger();
        QVERIFY(!Find<QAction>(&editor, "actSave")->isEnabled());
        const double total = m_state.currentDocument.Header.TotalAmount;
        QVERIFY(total > 0);

        auto answer = [](const QString& typed, bool paidInFull) {
            QTimer::singleShot(0, [typed, paidInFull] {
                QWidget* dialog = QApplication::activeModalWidget();
                if (!dialog || dialog->objectName() != QStringLiteral("frmPaidAndDeposit"))
                    return;
                auto* amount = dialog->findChild<QLineEdit*>(QStringLiteral("txtPaidAndDeposit"));
                if (typed.isEmpty()) {
                    QTest::keyClick(dialog, Qt::Key_Escape);
                    return;
                }
                amount->selectAll();
                QTest::keyClicks(amount, typed);
                if (paidInFull)
                    dialog->findChild<QCheckBox*>(QStringLiteral("ckbxPaidInFull"))->click();
                dialog->findChild<QAction*>(QStringLiteral("tlbtnOK"))->trigger();
            });
        };
        // Cancel: nothing changes and Save stays off.
        answer(QString(), false);
        Find<QAction>(&editor, "actPaidDeposit")->trigger();
        QVERIFY(!Find<QAction>(&editor, "actSave")->isEnabled());

        answer(QStringLiteral("300"), false);
        Find<QAction>(&editor, "actPaidDeposit")->trigger();
        QCOMPARE(Find<QLineEdit>(&editor, "txtPaidAndDeposit")->text(), Regional::CurrencyText(300));
        QCOMPARE(Find<QLineEdit>(&editor, "txtInvoiceTotal")->text(), Regional::CurrencyText(total));
        QVERIFY(Find<QAction>(&editor, "actSave")->isEnabled());

        Find<QComboBox>(&editor, "cmbInvoiceType")->setCurrentText(QStringLiteral("Invoice"));
        QCOMPARE(Find<QLabel>(&editor, "lblPaidAndDeposit")->text(), QStringLiteral("Amount Paid"));
        answer(QStringLiteral("40"), false);
        Find<QAction>(&editor, "actPaidDeposit")->trigger();
        QCOMPARE(Find<QLineEdit>(&editor, "txtInvoiceTotal")->text(), Regional::CurrencyText(total - 40));

        answer(QStringLiteral("40"), true);
        Find<QAction>(&editor, "actPaidDeposit")->trigger();
        QCOMPARE(Find<QLineEdit>(&editor, "txtInvoiceTotal")->text(), QStringLiteral("Paid In Full"));
        QVERIFY(!Find<QCheckBox>(&editor, "ckbxRecurring")->isEnabled());
        QVERIFY(prompts->shown.empty());
        editor.hide();
        CloseEditorSession(m_state);
    }
};

VELMAR_TEST_MAIN(TestEditorDialogs)
#include "tst_editorDialogs.moc"
